#pragma once
#include <string_view>

namespace worvanta::grid {

// The rows a grid shows, read in place: the grid never copies them. Values
// are the server's text form (UTF-8); a null value reads as empty.
class RowSource {
public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual std::string_view raw(int row, int column) const = 0;
    virtual bool isNull(int row, int column) const = 0;
};

}  // namespace worvanta::grid
