#pragma once
#include <string>
#include <vector>

namespace worvanta::pg {

// The kinds of value a declared result column can hold.
enum class FieldKind { Text, Memo, Boolean, Integer, BigInt, Float, Date, DateTime };

// A declared result column: the server must return it under this name with
// values of this kind. `size` is the greatest length of a text (0: any).
// Size and `required` describe the column for its readers (grid, editors);
// opening a query checks only the name and the kind:
//   Text, Memo  any type (read in its text form)
//   Boolean     boolean
//   Integer     smallint, integer          BigInt  also bigint
//   Float       real, double precision, numeric, smallint, integer, bigint
//   Date        date                       DateTime  timestamp, timestamptz, date
struct FieldDef {
    std::string name;
    FieldKind kind = FieldKind::Text;
    int size = 0;
    bool required = false;
};

using FieldDefs = std::vector<FieldDef>;

}  // namespace worvanta::pg
