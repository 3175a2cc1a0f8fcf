#pragma once
#include <string>

#include "engine/sheet.h"

namespace worvanta::engine::testing {

// The sheet's cells as "row,column=text" joined by " | ", line breaks and
// carriage returns shown as \n and \r, so that a whole sheet compares as one
// string in a table of cases.
inline std::string listCells(const Sheet& sheet)
{
    std::string listing;
    for (std::size_t stored = 0; stored < sheet.storedRowCount(); ++stored) {
        Sheet::RowCells cells = sheet.rowCells(stored);
        Sheet::Cell cell;
        while (cells.next(cell)) {
            if (!listing.empty())
                listing += " | ";
            listing += std::to_string(sheet.storedRowIndex(stored)) + "," + std::to_string(cell.column) + "=";
            for (const char c : cell.text) {
                if (c == '\n')
                    listing += "\\n";
                else if (c == '\r')
                    listing += "\\r";
                else
                    listing += c;
            }
        }
    }
    return listing;
}

}  // namespace worvanta::engine::testing
