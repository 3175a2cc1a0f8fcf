#include "grid/row_order.h"

#include "common/ascii_case.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace worvanta::grid {
namespace {

// Letters without regard to case first, then the exact bytes, so that the
// order is total and "b" and "B" stay next to each other.
int compareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(asciiLower(a[i]));
        const auto cb = static_cast<unsigned char>(asciiLower(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

double numberKey(std::string_view raw) {
    std::string text(raw);  // strtod needs a terminated string; it reads NaN and Infinity
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return std::numeric_limits<double>::quiet_NaN();
    return value;
}

// A NaN sorts after every other number, as on the server.
bool numberLess(double a, double b) {
    if (std::isnan(a)) return false;
    if (std::isnan(b)) return true;
    return a < b;
}

template <class Key, class Less>
void sortByKey(std::vector<int>& rows, const RowSource& source, int column, Qt::SortOrder order,
               Key key, Less less) {
    struct Item {
        int row;
        bool null;
        decltype(key(std::string_view{})) value;
    };
    std::vector<Item> items;
    items.reserve(rows.size());
    for (int row : rows) {
        const bool null = source.isNull(row, column);
        items.push_back({row, null, null ? decltype(key(std::string_view{})){} : key(source.raw(row, column))});
    }
    const auto ascending = [&](const Item& a, const Item& b) {
        if (a.null != b.null) return a.null;
        if (a.null) return false;
        return less(a.value, b.value);
    };
    if (order == Qt::AscendingOrder) {
        std::stable_sort(items.begin(), items.end(), ascending);
    } else {
        std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return ascending(b, a); });
    }
    for (std::size_t i = 0; i < items.size(); ++i) rows[i] = items[i].row;
}

}  // namespace

void sortRows(std::vector<int>& rows, const RowSource& source, int column, const GridColumn& columnDef,
              Qt::SortOrder order) {
    switch (columnDef.kind) {
        case pg::FieldKind::Integer:
        case pg::FieldKind::BigInt:
            sortByKey(rows, source, column, order,
                      [](std::string_view raw) {
                          std::int64_t value = 0;
                          std::from_chars(raw.data(), raw.data() + raw.size(), value);
                          return value;
                      },
                      std::less<std::int64_t>());
            return;
        case pg::FieldKind::Float:
            sortByKey(rows, source, column, order, numberKey, numberLess);
            return;
        case pg::FieldKind::Boolean:
            sortByKey(rows, source, column, order, [](std::string_view raw) { return raw == "t"; },
                      std::less<bool>());
            return;
        case pg::FieldKind::Date:
        case pg::FieldKind::DateTime:
            // The server's ISO form puts the larger units first.
            sortByKey(rows, source, column, order, [](std::string_view raw) { return raw; },
                      std::less<std::string_view>());
            return;
        case pg::FieldKind::Text:
        case pg::FieldKind::Memo:
            sortByKey(rows, source, column, order, [](std::string_view raw) { return raw; },
                      [](std::string_view a, std::string_view b) { return compareText(a, b) < 0; });
            return;
    }
}

}  // namespace worvanta::grid
