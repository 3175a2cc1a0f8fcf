#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace worvanta::pg {

// A statement with named `:name` parameters, rewritten to positional `$n`
// placeholders. `::` casts, quoted literals, quoted identifiers, comments
// and dollar-quoted bodies hold no parameters. Each distinct name (matched
// without regard to case) is one bound parameter of type text.
class ParsedStatement {
public:
    explicit ParsedStatement(std::string_view statement);
    const std::string& sql() const { return sql_; }
    // Parameter names in order of first appearance, as written.
    const std::vector<std::string>& names() const { return names_; }

private:
    std::string sql_;
    std::vector<std::string> names_;
};

// The values of a statement's parameters; a value not set is null.
class Parameters {
public:
    explicit Parameters(std::vector<std::string> names);
    // Throws DbError naming the parameter when no parameter has that name.
    void set(std::string_view name, std::string value);
    void setNull(std::string_view name);
    const std::vector<std::optional<std::string>>& values() const { return values_; }
    const std::vector<std::string>& names() const { return names_; }

private:
    std::size_t indexOf(std::string_view name) const;
    std::vector<std::string> names_;
    std::vector<std::optional<std::string>> values_;
};

}  // namespace worvanta::pg
