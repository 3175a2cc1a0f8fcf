#include "grid/filter_row.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

namespace worvanta::grid {

FilterRow::FilterRow(QTableView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName(QStringLiteral("filterRow"));
    QHeaderView* header = view_.horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &FilterRow::realign);
    connect(header, &QHeaderView::sectionMoved, this, &FilterRow::realign);
    connect(header, &QHeaderView::geometriesChanged, this, &FilterRow::realign);
    connect(view_.horizontalScrollBar(), &QScrollBar::valueChanged, this, &FilterRow::realign);
}

void FilterRow::setColumnCount(int count, const QStringList& names) {
    for (QLineEdit* edit : editors_) delete edit;
    editors_.clear();
    for (int column = 0; column < count; ++column) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("filter_") + names.value(column));
        edit->setFrame(false);
        connect(edit, &QLineEdit::textChanged, this, [this, column](const QString& text) {
            emit filterEdited(column, text);
        });
        editors_.push_back(edit);
    }
    if (!editors_.empty()) setFixedHeight(editors_.front()->sizeHint().height());
    realign();
}

QLineEdit* FilterRow::editor(int column) const {
    return column >= 0 && column < editorCount() ? editors_[static_cast<std::size_t>(column)] : nullptr;
}

void FilterRow::setEditorStyleSheet(const QString& rule) {
    for (QLineEdit* edit : editors_) edit->setStyleSheet(rule);
}

void FilterRow::clearAll() {
    for (QLineEdit* edit : editors_) edit->clear();
}

void FilterRow::realign() {
    const QHeaderView* header = view_.horizontalHeader();
    // The data area starts after the view's frame and its row indicator.
    const int left = view_.frameWidth() + (view_.verticalHeader()->isVisible() ? view_.verticalHeader()->width() : 0);
    const int visibleWidth = view_.viewport()->width();
    for (int column = 0; column < editorCount(); ++column) {
        QLineEdit* edit = editors_[static_cast<std::size_t>(column)];
        const int x = header->sectionViewportPosition(column);
        const int width = header->sectionSize(column);
        if (header->isSectionHidden(column) || x + width <= 0 || x >= visibleWidth) {
            edit->hide();
            continue;
        }
        const int clippedX = std::max(x, 0);
        const int clippedWidth = std::min(x + width, visibleWidth) - clippedX;
        edit->setGeometry(left + clippedX, 0, std::max(clippedWidth - 1, 1), height());
        edit->show();
    }
}

void FilterRow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    realign();
}

}  // namespace worvanta::grid
