#include "pg/query.h"

#include <libpq-fe.h>

#include "pg/column_check.h"
#include "pg/connection.h"
#include "pg/db_error.h"
#include "pg/names.h"
#include "pg/result_handle.h"
#include "pg/statement_runner.h"

namespace worvanta::pg {

struct Query::Result {
    ResultHandle rows;
    std::vector<int> columnOf;  // declared column -> result column
    int rowCount = 0;
};

Query::Query(std::string name, Connection& connection, std::string statement, FieldDefs fields)
    : name_(std::move(name)),
      connection_(connection),
      statement_(std::move(statement)),
      fields_(std::move(fields)),
      parsed_(statement_),
      params_(parsed_.names()) {}

Query::~Query() = default;

void Query::setParam(std::string_view name, std::string value) { params_.set(name, std::move(value)); }

void Query::setParamNull(std::string_view name) { params_.setNull(name); }

void Query::open() {
    if (!isOpen()) refresh();
}

// The new result replaces the old one only once it has passed the column
// check, so a failure leaves the query as it was.
void Query::refresh() {
    auto result = std::make_unique<Result>();
    result->rows = runStatement(connection_, parsed_, params_);
    result->columnOf = mapDeclaredColumns(result->rows.get(), fields_, name_);
    result->rowCount = PQntuples(result->rows.get());
    result_ = std::move(result);
    current_ = result_->rowCount > 0 ? 0 : -1;
}

void Query::close() {
    result_.reset();
    current_ = -1;
}

bool Query::isOpen() const { return result_ != nullptr; }

int Query::rowCount() const { return result_ ? result_->rowCount : 0; }

void Query::setCurrentRow(int row) {
    if (row < 0 || row >= rowCount()) {
        throw DbError("Randul " + std::to_string(row) + " nu exista in " + name_);
    }
    current_ = row;
}

int Query::fieldIndex(std::string_view column) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (sameName(fields_[i].name, column)) return static_cast<int>(i);
    }
    return -1;
}

std::string Query::fieldText(std::string_view column) const {
    const int index = fieldIndex(column);
    if (index < 0) throw DbError("Coloana " + std::string(column) + " nu este declarata in " + name_);
    if (!isOpen()) throw DbError("Interogarea " + name_ + " nu este deschisa");
    if (current_ < 0) return {};
    return std::string(value(current_, index));
}

std::string_view Query::value(int row, int fieldIndex) const {
    if (isNull(row, fieldIndex)) return {};
    const int column = result_->columnOf[static_cast<std::size_t>(fieldIndex)];
    return {PQgetvalue(result_->rows.get(), row, column),
            static_cast<std::size_t>(PQgetlength(result_->rows.get(), row, column))};
}

bool Query::isNull(int row, int fieldIndex) const {
    if (!isOpen()) throw DbError("Interogarea " + name_ + " nu este deschisa");
    if (row < 0 || row >= result_->rowCount || fieldIndex < 0 || fieldIndex >= static_cast<int>(fields_.size())) {
        throw DbError("Celula (" + std::to_string(row) + ", " + std::to_string(fieldIndex) + ") nu exista in " + name_);
    }
    const int column = result_->columnOf[static_cast<std::size_t>(fieldIndex)];
    return PQgetisnull(result_->rows.get(), row, column) != 0;
}

}  // namespace worvanta::pg
