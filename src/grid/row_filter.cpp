#include "grid/row_filter.h"

#include "common/ascii_case.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "grid/cell_format.h"

namespace worvanta::grid {
namespace {

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// One column's test. An ASCII needle is looked for in the raw UTF-8 bytes
// (non-ASCII bytes can only match themselves); anything else goes through
// the shown text with Qt's case folding.
class CellMatcher {
public:
    CellMatcher(int column, const GridColumn& columnDef, const QString& needle)
        : column_(column), columnDef_(columnDef), needle_(needle) {
        bytesPath_ = showsRawText(columnDef) && isAscii(needle);
        if (bytesPath_) {
            const QByteArray latin = needle.toLatin1();
            lowerNeedle_.assign(latin.constData(), static_cast<std::size_t>(latin.size()));
            std::transform(lowerNeedle_.begin(), lowerNeedle_.end(), lowerNeedle_.begin(), asciiLower);
        }
    }

    bool matches(const RowSource& source, int row) const {
        if (source.isNull(row, column_)) return false;
        const std::string_view raw = source.raw(row, column_);
        if (bytesPath_) {
            const auto found = std::search(raw.begin(), raw.end(), lowerNeedle_.begin(), lowerNeedle_.end(),
                                           [](char a, char b) { return asciiLower(a) == b; });
            return found != raw.end() || lowerNeedle_.empty();
        }
        return cellText(columnDef_, raw, false).contains(needle_, Qt::CaseInsensitive);
    }

private:
    int column_;
    const GridColumn& columnDef_;
    QString needle_;
    bool bytesPath_ = false;
    std::string lowerNeedle_;
};

}  // namespace

std::vector<int> matchingRows(const RowSource& source, const GridColumns& columns,
                              const std::vector<QString>& filters) {
    std::vector<CellMatcher> matchers;
    const int columnCount = std::min<int>(source.columnCount(), static_cast<int>(columns.size()));
    for (int column = 0; column < columnCount && column < static_cast<int>(filters.size()); ++column) {
        if (!filters[column].isEmpty()) matchers.emplace_back(column, columns[column], filters[column]);
    }
    std::vector<int> rows;
    const int rowCount = source.rowCount();
    if (matchers.empty()) {
        rows.resize(static_cast<std::size_t>(rowCount));
        std::iota(rows.begin(), rows.end(), 0);
        return rows;
    }
    for (int row = 0; row < rowCount; ++row) {
        const bool keep = std::all_of(matchers.begin(), matchers.end(),
                                      [&](const CellMatcher& m) { return m.matches(source, row); });
        if (keep) rows.push_back(row);
    }
    return rows;
}

}  // namespace worvanta::grid
