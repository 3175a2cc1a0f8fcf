#include "grid/grid_navigator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace worvanta::grid {
namespace {

QToolButton* navigatorButton(QWidget* parent, const char* name, Qt::ArrowType arrow, const QString& text) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

GridNavigator::GridNavigator(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("navigator"));
    setAttribute(Qt::WA_StyledBackground);
    first_ = navigatorButton(this, "navigatorFirst", Qt::NoArrow, QStringLiteral("|<"));
    previous_ = navigatorButton(this, "navigatorPrevious", Qt::LeftArrow, QStringLiteral("<"));
    next_ = navigatorButton(this, "navigatorNext", Qt::RightArrow, QStringLiteral(">"));
    last_ = navigatorButton(this, "navigatorLast", Qt::NoArrow, QStringLiteral(">|"));
    counter_ = new QLabel(this);
    counter_->setObjectName(QStringLiteral("recordCounter"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(1);
    for (QToolButton* button : {first_, previous_, next_, last_}) layout->addWidget(button);
    layout->addSpacing(8);
    layout->addWidget(counter_);
    layout->addStretch(1);

    connect(first_, &QToolButton::clicked, this, &GridNavigator::firstRequested);
    connect(previous_, &QToolButton::clicked, this, &GridNavigator::previousRequested);
    connect(next_, &QToolButton::clicked, this, &GridNavigator::nextRequested);
    connect(last_, &QToolButton::clicked, this, &GridNavigator::lastRequested);
    showPosition(-1, 0);
}

QString GridNavigator::counterText(int current, int count) {
    const int shown = (current >= 0 && current < count) ? current + 1 : 0;
    return QStringLiteral("%1 of %2").arg(shown).arg(count);
}

void GridNavigator::showPosition(int current, int count) {
    counter_->setText(counterText(current, count));
    first_->setEnabled(count > 0 && current != 0);
    previous_->setEnabled(count > 0 && current > 0);
    next_->setEnabled(count > 0 && current < count - 1);
    last_->setEnabled(count > 0 && current != count - 1);
}

QString GridNavigator::counterText() const { return counter_->text(); }

}  // namespace worvanta::grid
