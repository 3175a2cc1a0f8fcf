#pragma once
#include <QString>
#include <string_view>

#include "grid/grid_column.h"

namespace worvanta::grid {

// The text a grid cell shows for a value in the server's text form.
QString cellText(const GridColumn& column, std::string_view raw, bool isNull);

// True when cellText gives back the raw bytes unchanged (as UTF-8), so the
// filter may search the raw bytes without building a QString per row.
bool showsRawText(const GridColumn& column);

// The date-editor form: "2024-03-05 14:07:09.25+02" -> "2024-03-05 14:07:09";
// a date alone gets midnight. Texts of another shape are returned unchanged.
std::string_view dateTimeEditorText(std::string_view raw, char (&buffer)[20]);

}  // namespace worvanta::grid
