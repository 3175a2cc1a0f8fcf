#include "grid/cell_format.h"

#include <algorithm>
#include <cctype>

namespace worvanta::grid {
namespace {

bool isDigits(std::string_view text, std::size_t from, std::size_t count) {
    if (text.size() < from + count) return false;
    return std::all_of(text.begin() + from, text.begin() + from + count,
                       [](char c) { return c >= '0' && c <= '9'; });
}

// yyyy-mm-dd at the start of the text.
bool startsWithIsoDate(std::string_view text) {
    return isDigits(text, 0, 4) && text.size() >= 10 && text[4] == '-' && isDigits(text, 5, 2) &&
           text[7] == '-' && isDigits(text, 8, 2);
}

// " hh:mm:ss" right after the date.
bool hasIsoTime(std::string_view text) {
    return text.size() >= 19 && (text[10] == ' ' || text[10] == 'T') && isDigits(text, 11, 2) &&
           text[13] == ':' && isDigits(text, 14, 2) && text[16] == ':' && isDigits(text, 17, 2);
}

}  // namespace

std::string_view dateTimeEditorText(std::string_view raw, char (&buffer)[20]) {
    if (!startsWithIsoDate(raw)) return raw;
    std::copy_n(raw.begin(), 10, buffer);
    if (hasIsoTime(raw)) {
        buffer[10] = ' ';
        std::copy_n(raw.begin() + 11, 8, buffer + 11);
    } else if (raw.size() == 10) {
        std::copy_n(" 00:00:00", 9, buffer + 10);
    } else {
        return raw;
    }
    return std::string_view(buffer, 19);
}

bool showsRawText(const GridColumn& column) {
    return column.display == ColumnDisplay::Default && column.kind != pg::FieldKind::Boolean;
}

QString cellText(const GridColumn& column, std::string_view raw, bool isNull) {
    if (isNull) return {};
    if (column.display == ColumnDisplay::DateTimeEditor) {
        char buffer[20];
        const std::string_view shown = dateTimeEditorText(raw, buffer);
        return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
    }
    if (column.kind == pg::FieldKind::Boolean) {
        if (raw == "t") return QStringLiteral("True");
        if (raw == "f") return QStringLiteral("False");
    }
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

}  // namespace worvanta::grid
