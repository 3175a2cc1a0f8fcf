#pragma once
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <optional>

#include "grid/grid_style_sheet.h"

namespace worvanta::grid {

// What a style sets, in Qt's terms; unset parts stay with the widget.
struct CellLook {
    std::optional<QColor> background;
    std::optional<QColor> text;
    std::optional<QFont> font;
};

QColor colorOf(unsigned rgb);

// The look of a style laid over a base style (the base fills what it leaves).
CellLook lookOf(const GridStyle& style, const QFont& baseFont, const GridStyle* base = nullptr);

// A Qt style-sheet rule for `selector` with what the style sets; empty body
// parts are left out, so an empty style gives "selector { }".
QString styleRule(const QString& selector, const GridStyle& style);

// The palette of the data area: background, selection (focused) and
// inactive selection (when the grid has no focus).
QPalette dataPalette(const GridStyleSheet& sheet, QPalette palette);

}  // namespace worvanta::grid
