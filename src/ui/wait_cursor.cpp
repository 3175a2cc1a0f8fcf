#include "ui/wait_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace worvanta::ui {

WaitCursor::WaitCursor()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        active_ = true;
    }
}

WaitCursor::~WaitCursor()
{
    if (active_)
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace worvanta::ui
