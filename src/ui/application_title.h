#pragma once
#include <QString>

namespace worvanta::ui {

// The title derived from an executable's path: its file name without the
// folder and without everything from the first "." on, every character after
// the first in lower case ("/opt/wOrvanta.exe" gives "worvanta").
QString titleFromExecutablePath(const QString& executablePath);

}  // namespace worvanta::ui
