#pragma once
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace worvanta::import {

// Keeps a child at its design distances from all four sides of its panel
// as the panel is resized (a control anchored to all four sides).
class AnchoredChild : public QObject {
    Q_OBJECT
public:
    // `designRect` is the child's place when the panel has `designPanelSize`.
    AnchoredChild(QWidget* child, QRect designRect, QSize designPanelSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget* child_;
    QRect design_;
    int rightMargin_;
    int bottomMargin_;
};

}  // namespace worvanta::import
