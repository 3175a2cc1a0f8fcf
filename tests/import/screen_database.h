#pragma once
#include <string>

namespace worvanta::import::testing {

// A company database of this test process alone on the main test server,
// holding the import screens' tables, views and functions (the reference SQL
// loaded in name order). Dropped when the object goes.
class ScreenDatabase {
public:
    ScreenDatabase();
    ~ScreenDatabase();
    ScreenDatabase(const ScreenDatabase&) = delete;
    ScreenDatabase& operator=(const ScreenDatabase&) = delete;

    const std::string& name() const { return name_; }
    void exec(const std::string& sql) const;
    std::string scalar(const std::string& sql) const;

private:
    std::string name_;
};

}  // namespace worvanta::import::testing
