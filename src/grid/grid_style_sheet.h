#pragma once
#include <optional>
#include <string>

namespace worvanta::grid {

// One style of a grid style sheet; it sets only what it names, the grid's
// own defaults fill the rest.
struct GridStyle {
    std::string name;                       // cxStyle1 ... cxStyle14
    std::optional<unsigned> background;     // 0xRRGGBB
    std::optional<unsigned> textColor;      // 0xRRGGBB
    std::optional<bool> bold;               // set: bold or regular
    std::string fontFamily;                 // empty: the grid's own
    int fontPixelHeight = 0;                // 0: the grid's own
};

// The styles of a grid table view, by the element they paint.
struct GridStyleSheet {
    std::string name;
    GridStyle background;
    GridStyle content;
    GridStyle contentEven;
    GridStyle contentOdd;
    GridStyle filterBox;
    GridStyle incSearch;
    GridStyle footer;
    GridStyle group;
    GridStyle groupByBox;
    GridStyle header;
    GridStyle inactive;
    GridStyle indicator;
    GridStyle preview;
    GridStyle selection;
};

}  // namespace worvanta::grid
