#include "pg/column_check.h"

#include <libpq-fe.h>

#include <string>

#include "pg/db_error.h"
#include "pg/names.h"

namespace worvanta::pg {

namespace {

// Type identifiers of the server's built-in types (pg_type.oid).
enum TypeOid : Oid {
    kBool = 16,
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kFloat4 = 700,
    kFloat8 = 701,
    kDate = 1082,
    kTimestamp = 1114,
    kTimestampTz = 1184,
    kNumeric = 1700,
};

// Text and memo columns read any value in its text form.
bool readableAs(FieldKind kind, Oid type) {
    switch (kind) {
        case FieldKind::Text:
        case FieldKind::Memo: return true;
        case FieldKind::Boolean: return type == kBool;
        case FieldKind::Integer: return type == kInt2 || type == kInt4;
        case FieldKind::BigInt: return type == kInt2 || type == kInt4 || type == kInt8;
        case FieldKind::Float:
            return type == kFloat4 || type == kFloat8 || type == kNumeric || type == kInt2 || type == kInt4 ||
                   type == kInt8;
        case FieldKind::Date: return type == kDate;
        case FieldKind::DateTime: return type == kTimestamp || type == kTimestampTz || type == kDate;
    }
    return false;
}

std::string kindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::Text: return "text";
        case FieldKind::Memo: return "text lung";
        case FieldKind::Boolean: return "boolean";
        case FieldKind::Integer: return "intreg";
        case FieldKind::BigInt: return "intreg mare";
        case FieldKind::Float: return "numar real";
        case FieldKind::Date: return "data";
        case FieldKind::DateTime: return "data si ora";
    }
    return "?";
}

std::string typeName(Oid type) {
    switch (type) {
        case kBool: return "boolean";
        case kInt8: return "bigint";
        case kInt2: return "smallint";
        case kInt4: return "integer";
        case kFloat4: return "real";
        case kFloat8: return "double precision";
        case kDate: return "date";
        case kTimestamp: return "timestamp";
        case kTimestampTz: return "timestamptz";
        case kNumeric: return "numeric";
        case 25: return "text";
        case 1042: return "character";
        case 1043: return "character varying";
        default: return "cu OID " + std::to_string(type);
    }
}

}  // namespace

std::vector<int> mapDeclaredColumns(const pg_result* result, const FieldDefs& fields, std::string_view queryName) {
    const int resultColumns = PQnfields(result);
    std::vector<int> columnOf;
    columnOf.reserve(fields.size());
    for (const FieldDef& field : fields) {
        int found = -1;
        for (int c = 0; c < resultColumns && found < 0; ++c) {
            if (sameName(PQfname(result, c), field.name)) found = c;
        }
        if (found < 0) {
            throw DbError("Coloana " + field.name + " lipseste din rezultatul " + std::string(queryName));
        }
        const Oid type = PQftype(result, found);
        if (!readableAs(field.kind, type)) {
            throw DbError("Coloana " + field.name + " din " + std::string(queryName) + " are tipul " + typeName(type) +
                          " si nu se poate citi ca " + kindName(field.kind));
        }
        columnOf.push_back(found);
    }
    return columnOf;
}

}  // namespace worvanta::pg
