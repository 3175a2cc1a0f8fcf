#pragma once
#include <string>
#include <vector>

namespace worvanta::pg {

// The kinds of value a declared result column can hold.
enum class FieldKind { Text, Memo, Boolean, Integer, BigInt, Float, Date, DateTime };

// A declared result column: the server must return it under this name with
// values of this kind. `size` is the greatest length of a text (0: any).
struct FieldDef {
    std::string name;
    FieldKind kind = FieldKind::Text;
    int size = 0;
    bool required = false;
};

using FieldDefs = std::vector<FieldDef>;

}  // namespace worvanta::pg
