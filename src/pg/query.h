#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "pg/field.h"
#include "pg/parameters.h"

struct pg_result;

namespace worvanta::pg {

class Connection;

// A query with a fixed statement, named text parameters and declared result
// columns. Opening it runs the statement and holds every row in memory (the
// client library's result), so a disconnected connection may close at once.
class Query {
public:
    Query(std::string name, Connection& connection, std::string statement, FieldDefs fields);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    const std::string& name() const { return name_; }
    const std::string& statement() const { return statement_; }
    const FieldDefs& fields() const { return fields_; }
    Connection& connection() const { return connection_; }

    // Names are matched without regard to case; an unknown name throws DbError.
    void setParam(std::string_view name, std::string value);
    void setParamNull(std::string_view name);

    // Runs the statement (nothing when already open) and makes the first row
    // current. Fails with DbError naming the column when the result lacks a
    // declared column or gives it values of another kind; the query then
    // stays closed. A failed refresh keeps the rows the query had.
    void open();
    void close();
    void refresh();  // runs the statement again (opens it when closed)
    bool isOpen() const;

    int rowCount() const;
    int currentRow() const { return current_; }
    void setCurrentRow(int row);

    // Value of a declared column in the current row (or a given row) as text,
    // in the server's text form (booleans "t"/"f", dates ISO); null reads as
    // the empty text, and so does any column of a result without rows.
    // Unknown column, a closed query or a row out of range throws DbError.
    std::string fieldText(std::string_view column) const;
    std::string_view value(int row, int fieldIndex) const;
    bool isNull(int row, int fieldIndex) const;
    int fieldIndex(std::string_view column) const;  // index into fields(), -1 if none

private:
    std::string name_;
    Connection& connection_;
    std::string statement_;
    FieldDefs fields_;
    ParsedStatement parsed_;
    Parameters params_;
    struct Result;
    std::unique_ptr<Result> result_;
    int current_ = -1;
};

}  // namespace worvanta::pg
