#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "pg/parameters.h"

namespace worvanta::pg {

class Connection;

// A command: a fixed statement with named text parameters, executed once.
// A statement that returns rows leaves the command open with its result
// until it is closed or executed again.
class Command {
public:
    Command(std::string name, Connection& connection, std::string statement);
    ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    const std::string& name() const { return name_; }
    const std::string& statement() const { return statement_; }

    // Names are matched without regard to case; an unknown name throws DbError.
    void setParam(std::string_view name, std::string value);

    void execute();
    bool isOpen() const;
    void close();
    int rowCount() const;
    // A value of the kept result as text (null reads as the empty text).
    std::string_view value(int row, int column) const;

private:
    std::string name_;
    Connection& connection_;
    std::string statement_;
    ParsedStatement parsed_;
    Parameters params_;
    struct Result;
    std::unique_ptr<Result> result_;
};

}  // namespace worvanta::pg
