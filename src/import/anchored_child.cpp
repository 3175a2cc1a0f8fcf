#include "import/anchored_child.h"

#include <QEvent>
#include <QWidget>

namespace worvanta::import {

AnchoredChild::AnchoredChild(QWidget* child, QRect designRect, QSize designPanelSize)
    : QObject(child),
      child_(child),
      design_(designRect),
      rightMargin_(designPanelSize.width() - (designRect.x() + designRect.width())),
      bottomMargin_(designPanelSize.height() - (designRect.y() + designRect.height())) {
    child_->setGeometry(design_);
    child_->parentWidget()->installEventFilter(this);
}

bool AnchoredChild::eventFilter(QObject* watched, QEvent* event) {
    if (watched == child_->parentWidget() && event->type() == QEvent::Resize) place();
    return QObject::eventFilter(watched, event);
}

void AnchoredChild::place() {
    const QSize panel = child_->parentWidget()->size();
    const int width = std::max(panel.width() - design_.x() - rightMargin_, 0);
    const int height = std::max(panel.height() - design_.y() - bottomMargin_, 0);
    child_->setGeometry(design_.x(), design_.y(), width, height);
}

}  // namespace worvanta::import
