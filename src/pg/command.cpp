#include "pg/command.h"

#include <libpq-fe.h>

#include "pg/connection.h"
#include "pg/db_error.h"
#include "pg/result_handle.h"
#include "pg/statement_runner.h"

namespace worvanta::pg {

struct Command::Result {
    ResultHandle rows;
};

Command::Command(std::string name, Connection& connection, std::string statement)
    : name_(std::move(name)),
      connection_(connection),
      statement_(std::move(statement)),
      parsed_(statement_),
      params_(parsed_.names()) {}

Command::~Command() = default;

void Command::setParam(std::string_view name, std::string value) { params_.set(name, std::move(value)); }

void Command::execute() {
    close();
    ResultHandle rows = runStatement(connection_, parsed_, params_);
    if (PQresultStatus(rows.get()) == PGRES_TUPLES_OK) {
        result_ = std::make_unique<Result>();
        result_->rows = std::move(rows);
    }
}

bool Command::isOpen() const { return result_ != nullptr; }

void Command::close() { result_.reset(); }

int Command::rowCount() const { return result_ ? PQntuples(result_->rows.get()) : 0; }

}  // namespace worvanta::pg

namespace worvanta::pg {

std::string_view Command::value(int row, int column) const {
    if (!result_) throw DbError("Comanda " + name_ + " nu are rezultat");
    pg_result* rows = result_->rows.get();
    if (row < 0 || row >= PQntuples(rows) || column < 0 || column >= PQnfields(rows)) {
        throw DbError("Celula (" + std::to_string(row) + ", " + std::to_string(column) + ") nu exista in " + name_);
    }
    return {PQgetvalue(rows, row, column), static_cast<std::size_t>(PQgetlength(rows, row, column))};
}

}  // namespace worvanta::pg
