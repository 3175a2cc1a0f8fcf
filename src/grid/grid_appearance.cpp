#include "grid/grid_appearance.h"

#include <QStringList>

namespace worvanta::grid {

QColor colorOf(unsigned rgb) { return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | (rgb & 0xFFFFFFu))); }

CellLook lookOf(const GridStyle& style, const QFont& baseFont, const GridStyle* base) {
    const auto pick = [&](const auto member) {
        if (style.*member) return style.*member;
        return base ? base->*member : decltype(style.*member){};
    };
    CellLook look;
    if (auto bg = pick(&GridStyle::background)) look.background = colorOf(*bg);
    if (auto fg = pick(&GridStyle::textColor)) look.text = colorOf(*fg);
    const std::optional<bool> bold = pick(&GridStyle::bold);
    const std::string family = !style.fontFamily.empty() ? style.fontFamily : (base ? base->fontFamily : "");
    const int pixels = style.fontPixelHeight > 0 ? style.fontPixelHeight : (base ? base->fontPixelHeight : 0);
    if (bold || !family.empty() || pixels > 0) {
        QFont font = baseFont;
        if (bold) font.setBold(*bold);
        if (!family.empty()) font.setFamily(QString::fromStdString(family));
        if (pixels > 0) font.setPixelSize(pixels);
        look.font = font;
    }
    return look;
}

QString styleRule(const QString& selector, const GridStyle& style) {
    QStringList parts;
    if (style.background) parts << QStringLiteral("background-color: %1;").arg(colorOf(*style.background).name());
    if (style.textColor) parts << QStringLiteral("color: %1;").arg(colorOf(*style.textColor).name());
    if (style.bold) parts << (*style.bold ? QStringLiteral("font-weight: bold;") : QStringLiteral("font-weight: normal;"));
    if (!style.fontFamily.empty()) parts << QStringLiteral("font-family: \"%1\";").arg(QString::fromStdString(style.fontFamily));
    if (style.fontPixelHeight > 0) parts << QStringLiteral("font-size: %1px;").arg(style.fontPixelHeight);
    return selector + QStringLiteral(" { ") + parts.join(QLatin1Char(' ')) + (parts.isEmpty() ? "" : " ") + "}";
}

QPalette dataPalette(const GridStyleSheet& sheet, QPalette palette) {
    if (sheet.background.background) palette.setColor(QPalette::Base, colorOf(*sheet.background.background));
    const auto setSelection = [&](QPalette::ColorGroup group, const GridStyle& style) {
        if (style.background) palette.setColor(group, QPalette::Highlight, colorOf(*style.background));
        if (style.textColor) palette.setColor(group, QPalette::HighlightedText, colorOf(*style.textColor));
    };
    const QColor defaultText = palette.color(QPalette::Active, QPalette::Text);
    setSelection(QPalette::Active, sheet.selection);
    // The inactive selection style falls back to the grid's own colours, not
    // to the focused selection's.
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, defaultText);
    setSelection(QPalette::Inactive, sheet.inactive);
    return palette;
}

}  // namespace worvanta::grid
