#include <cstring>
#include <vector>

#include "engine/import_engine.h"
#include "engine/large_buffer.h"

namespace worvanta::engine {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The escape of one byte below U+0020 or of '"' and '\\'; empty when none.
std::string_view shortEscape(char c)
{
    switch (c) {
    case '"': return "\\\"";
    case '\\': return "\\\\";
    case '\b': return "\\b";
    case '\t': return "\\t";
    case '\n': return "\\n";
    case '\f': return "\\f";
    case '\r': return "\\r";
    default: return {};
    }
}

bool needsEscape(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\';
}

std::size_t escapedSize(std::string_view text)
{
    std::size_t size = text.size();
    for (const char c : text) {
        if (!needsEscape(c))
            continue;
        size += shortEscape(c).empty() ? 5 : 1;
    }
    return size;
}

// Everything beyond ASCII and the solidus is written as it stands.
void appendEscaped(std::string_view text, std::string& out)
{
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!needsEscape(c))
            continue;
        out.append(text.data() + runStart, i - runStart);
        const std::string_view escape = shortEscape(c);
        if (!escape.empty()) {
            out.append(escape);
        } else {
            const auto byte = static_cast<unsigned char>(c);
            const char unicode[] = {'\\', 'u', '0', '0', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
            out.append(unicode, sizeof unicode);
        }
        runStart = i + 1;
    }
    out.append(text.data() + runStart, text.size() - runStart);
}

struct ObjectShape {
    // Text before each member's value: `{"id":"` for the first, `","settleDate":"` after.
    std::vector<std::string> before;
    std::string close;        // `"}`
    std::string emptyObject;  // every member the empty string
};

ObjectShape shapeOf(const CsvLayout& layout)
{
    ObjectShape shape;
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        std::string text = i == 0 ? "{\"" : "\",\"";
        appendEscaped(layout.columns[i].member, text);
        text += "\":\"";
        shape.before.push_back(std::move(text));
    }
    shape.close = layout.columns.empty() ? "{}" : "\"}";
    for (const std::string& text : shape.before)
        shape.emptyObject += text;
    shape.emptyObject += shape.close;
    return shape;
}

// Calls visit(cells) for data rows 1 .. rowCount-1, with nullptr for a row
// that holds no cell (it still becomes an object).
template <class Visit>
void forEachDataRow(const Sheet& sheet, Visit visit)
{
    std::size_t nextRow = 1;
    for (std::size_t stored = 0; stored < sheet.storedRowCount(); ++stored) {
        const std::size_t row = sheet.storedRowIndex(stored);
        if (row == 0)
            continue;
        for (; nextRow < row; ++nextRow)
            visit(nullptr);
        Sheet::RowCells cells = sheet.rowCells(stored);
        visit(&cells);
        nextRow = row + 1;
    }
}

}  // namespace

std::string buildPayload(const Sheet& sheet, const CsvLayout& layout)
{
    const ObjectShape shape = shapeOf(layout);
    const std::size_t memberCount = layout.columns.size();

    // One pass to size the text exactly, so the buffer is allocated once.
    std::size_t size = 2;
    std::size_t objects = 0;
    forEachDataRow(sheet, [&](Sheet::RowCells* cells) {
        size += shape.emptyObject.size() + (objects++ > 0 ? 1 : 0);
        if (cells == nullptr)
            return;
        Sheet::Cell cell;
        while (cells->next(cell) && cell.column < memberCount)
            size += cell.plain ? cell.text.size() : escapedSize(cell.text);
    });

    std::string payload;
    payload.reserve(size);
    adviseLargeBuffer(payload.data(), payload.capacity());
    payload.push_back('[');
    bool first = true;
    forEachDataRow(sheet, [&](Sheet::RowCells* cells) {
        if (!first)
            payload.push_back(',');
        first = false;
        if (cells == nullptr) {
            payload.append(shape.emptyObject);
            return;
        }
        Sheet::Cell cell;
        bool haveCell = cells->next(cell);
        for (std::size_t member = 0; member < memberCount; ++member) {
            payload.append(shape.before[member]);
            if (haveCell && cell.column == member) {
                if (cell.plain)
                    payload.append(cell.text);
                else
                    appendEscaped(cell.text, payload);
                haveCell = cells->next(cell);
            }
        }
        payload.append(shape.close);
    });
    payload.push_back(']');
    return payload;
}

}  // namespace worvanta::engine
