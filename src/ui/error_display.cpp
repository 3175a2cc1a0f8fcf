#include "ui/error_display.h"

#include <exception>

#include "ui/prompter.h"

namespace worvanta::ui {

QString errorDisplayText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

bool runHandler(QWidget* parent, const std::function<void()>& handler)
{
    QString message;
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = QStringLiteral("Eroare necunoscuta");
    }
    prompter().showError(parent, applicationTitle(), errorDisplayText(message));
    return false;
}

}  // namespace worvanta::ui
