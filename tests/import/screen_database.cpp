#include "screen_database.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/test_db.h"

namespace worvanta::import::testing {
namespace {

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

ScreenDatabase::ScreenDatabase() : name_("screens_" + std::to_string(::getpid())) {
    testdb::exec(testdb::port(), "postgres", "DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
    testdb::exec(testdb::port(), "postgres", "CREATE DATABASE " + name_);
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(WORVANTA_SQL_DIR)) {
        const std::string file = entry.path().filename().string();
        if (file.rfind("company_ccp", 0) == 0 && entry.path().extension() == ".sql") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) exec(readText(file));
}

ScreenDatabase::~ScreenDatabase() {
    try {
        testdb::exec(testdb::port(), "postgres", "DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
    } catch (const std::exception&) {
        // the server going away drops it anyway
    }
}

void ScreenDatabase::exec(const std::string& sql) const { testdb::exec(testdb::port(), name_, sql); }

std::string ScreenDatabase::scalar(const std::string& sql) const { return testdb::scalar(testdb::port(), name_, sql); }

}  // namespace worvanta::import::testing
