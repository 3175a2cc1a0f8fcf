#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace worvanta::ui {

// The text the default error display shows: the message, with a full stop
// added when its last character comes after "." in character-code order.
QString errorDisplayText(const QString& message);

// The one place where button handlers catch: runs the handler and shows any
// error that leaves it in the default error display, titled with the
// application title. Returns false when an error was shown.
bool runHandler(QWidget* parent, const std::function<void()>& handler);

// The application title used as the caption of every message box.
QString applicationTitle();
void setApplicationTitle(const QString& title);

}  // namespace worvanta::ui
