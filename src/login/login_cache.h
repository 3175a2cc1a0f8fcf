#pragma once
#include <QString>
#include <vector>

namespace worvanta::login {

inline constexpr const char* kLoginCacheFileName = "VarnokTobrel.json";
// Greatest length, in characters, of the company and of the user name kept.
inline constexpr int kLoginCacheColumnSize = 200;

// Where the cache lives: the user's application-data folder joined with the
// file name, or the bare file name (current folder) when there is no folder.
QString loginCachePath();

// The last company and user name typed, kept between runs. Never holds a
// password. Longer texts are cut to the column size when they enter the
// table; the login itself still uses what was typed.
class LoginCache {
public:
    struct Row {
        QString company;
        QString username;
        bool operator==(const Row&) const = default;
    };

    bool hasRow() const { return !rows_.empty(); }
    // The current row (the first); an empty row when the table has none.
    Row current() const;

    // Typing into a bound box changes the current row, adding it when the
    // table has none.
    void setCompany(const QString& company);
    void setUsername(const QString& username);

    // Replaces the rows with the file's. Throws AppError with a message that
    // names the file when it can't be read or has another layout; the table
    // is then left as it was.
    void load(const QString& path);

    // Replaces the file atomically with the table (column definitions and
    // rows); the folder is created when missing. Throws AppError with the
    // file system's message when it can't be written.
    void save(const QString& path) const;

private:
    Row& currentForEdit();
    std::vector<Row> rows_;
};

// The first `characters` characters of a text (a surrogate pair counts once).
QString leftCharacters(const QString& text, int characters);

}  // namespace worvanta::login
