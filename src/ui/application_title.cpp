#include "ui/application_title.h"

#include <QCoreApplication>

#include "ui/error_display.h"

namespace worvanta::ui {

QString titleFromExecutablePath(const QString& executablePath)
{
    QString name = executablePath.mid(executablePath.lastIndexOf(QLatin1Char('/')) + 1);
#ifdef _WIN32
    name = name.mid(name.lastIndexOf(QLatin1Char('\\')) + 1);
#endif
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    // The first character may be a surrogate pair; keep it whole.
    const qsizetype firstLength = name.at(0).isHighSurrogate() && name.size() > 1 ? 2 : 1;
    return name.left(firstLength) + name.mid(firstLength).toLower();
}

namespace {
QString& titleOverride()
{
    static QString title;
    return title;
}
}  // namespace

QString applicationTitle()
{
    if (!titleOverride().isEmpty())
        return titleOverride();
    if (QCoreApplication::instance() == nullptr)
        return {};
    return titleFromExecutablePath(QCoreApplication::applicationFilePath());
}

void setApplicationTitle(const QString& title)
{
    titleOverride() = title;
}

}  // namespace worvanta::ui
