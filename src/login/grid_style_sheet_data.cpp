#include "login/dm_con.h"

namespace worvanta::login {

namespace {

constexpr unsigned kBlack = 0x000000;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kNavy = 0x000080;
constexpr const char* kFont = "MS Sans Serif";
constexpr int kFontPixels = 11;

grid::GridStyle style(const char* name, unsigned background, std::optional<unsigned> text = {},
                      std::optional<bool> bold = {})
{
    grid::GridStyle result;
    result.name = name;
    result.background = background;
    result.textColor = text;
    // Only the styles that name a font weight set a font.
    if (bold.has_value()) {
        result.bold = bold;
        result.fontFamily = kFont;
        result.fontPixelHeight = kFontPixels;
    }
    return result;
}

}  // namespace

grid::GridStyleSheet importGridStyleSheet()
{
    grid::GridStyleSheet sheet;
    sheet.name = "GridTableViewStyleSheetDevExpress";
    sheet.background = style("cxStyle1", 0xFFFBF0);
    sheet.content = style("cxStyle2", 0xD9EAF7, kBlack, false);
    sheet.contentEven = style("cxStyle3", 0xD9EAF7, kBlack);
    sheet.contentOdd = style("cxStyle4", 0xEAF3FB, kBlack);
    sheet.filterBox = style("cxStyle5", 0xFFFFE1, kBlack);
    sheet.incSearch = style("cxStyle11", 0xFED547, kBlack);
    sheet.footer = style("cxStyle6", 0xFFFFE1, kNavy, true);
    sheet.group = style("cxStyle7", 0xF1EFE2);
    sheet.groupByBox = style("cxStyle8", 0xFED547, kBlack);
    sheet.header = style("cxStyle9", 0x316AC5, kWhite, true);
    sheet.inactive = style("cxStyle10", 0xA4C4EB);
    sheet.indicator = style("cxStyle12", 0xA4C4EB);
    sheet.preview = style("cxStyle13", 0xFFFFE1, kNavy, true);
    sheet.selection = style("cxStyle14", 0x316AC5, kWhite);
    return sheet;
}

}  // namespace worvanta::login
