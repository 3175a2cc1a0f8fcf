#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/app_error.h"
#include "login/login_cache.h"

namespace {

using worvanta::AppError;
using worvanta::login::LoginCache;
using worvanta::login::leftCharacters;

class LoginCacheFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path() const { return folder.filePath(QStringLiteral("VarnokTobrel.json")); }
    void writeFile(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir folder;
};

TEST_F(LoginCacheFile, SavedRowsReadBackWithColumnDefinitions)
{
    LoginCache cache;
    cache.setCompany(QStringLiteral("Demo \"SRL\" țară"));
    cache.setUsername(QStringLiteral(" ion "));
    cache.save(path());

    const QJsonObject root = QJsonDocument::fromJson(readFile()).object();
    const QJsonArray columns = root.value(QStringLiteral("columns")).toArray();
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns[0].toObject().value(QStringLiteral("name")).toString(), QStringLiteral("company"));
    EXPECT_EQ(columns[1].toObject().value(QStringLiteral("name")).toString(), QStringLiteral("username"));
    EXPECT_EQ(columns[0].toObject().value(QStringLiteral("size")).toInt(), 200);

    LoginCache reread;
    reread.load(path());
    ASSERT_TRUE(reread.hasRow());
    EXPECT_EQ(reread.current().company, QStringLiteral("Demo \"SRL\" țară"));
    EXPECT_EQ(reread.current().username, QStringLiteral(" ion "));
}

TEST_F(LoginCacheFile, SavingReplacesTheFileAndLeavesNoTemporaryBehind)
{
    writeFile(QByteArray(5000, 'x'));
    LoginCache cache;
    cache.setCompany(QStringLiteral("ACME"));
    cache.save(path());
    cache.setCompany(QStringLiteral("Beta SA"));
    cache.save(path());

    LoginCache reread;
    reread.load(path());
    EXPECT_EQ(reread.current().company, QStringLiteral("Beta SA"));
    EXPECT_EQ(reread.current().username, QString());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("VarnokTobrel.json")});
}

TEST_F(LoginCacheFile, AnEmptyTableIsSavedAndLoadedAsNoRow)
{
    LoginCache().save(path());
    LoginCache reread;
    reread.setCompany(QStringLiteral("inainte"));
    reread.load(path());
    EXPECT_FALSE(reread.hasRow());
    EXPECT_EQ(reread.current(), LoginCache::Row{});
}

TEST_F(LoginCacheFile, TextsLongerThanTheColumnAreCutTo200Characters)
{
    const QString longCompany = QString(150, QLatin1Char('a')) + QString(60, QChar(0x021B));  // ț
    // 199 letters then an emoji (a surrogate pair) that must stay whole.
    const QString emojiUser = QString(199, QLatin1Char('u')) + QString::fromUtf8("😀") + QStringLiteral("zz");
    LoginCache cache;
    cache.setCompany(longCompany);
    cache.setUsername(emojiUser);
    EXPECT_EQ(cache.current().company, longCompany.left(200));
    EXPECT_EQ(cache.current().username, emojiUser.left(201));
    cache.save(path());

    // A file written with longer texts is cut the same way when read.
    QJsonObject row{{QStringLiteral("company"), QString(250, QLatin1Char('c'))},
                    {QStringLiteral("username"), QStringLiteral("ion")}};
    writeFile(QJsonDocument(QJsonObject{{QStringLiteral("rows"), QJsonArray{row}}}).toJson());
    LoginCache reread;
    reread.load(path());
    EXPECT_EQ(reread.current().company, QString(200, QLatin1Char('c')));
}

TEST(LeftCharacters, CountsSurrogatePairsAsOneCharacter)
{
    const QString pair = QString::fromUtf8("😀");
    EXPECT_EQ(leftCharacters(QStringLiteral("abc"), 5), QStringLiteral("abc"));
    EXPECT_EQ(leftCharacters(QStringLiteral("abc"), 2), QStringLiteral("ab"));
    EXPECT_EQ(leftCharacters(pair + pair + QStringLiteral("x"), 2), pair + pair);
    EXPECT_EQ(leftCharacters(QStringLiteral("x") + pair, 1), QStringLiteral("x"));
    EXPECT_EQ(leftCharacters(QString(), 3), QString());
}

struct BadFileCase {
    const char* name;
    QByteArray bytes;
};

void PrintTo(const BadFileCase& c, std::ostream* out) { *out << c.name; }

class UnreadableCache : public LoginCacheFile, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(UnreadableCache, FailsWithAMessageNamingTheFileAndKeepsTheTable)
{
    writeFile(GetParam().bytes);
    LoginCache cache;
    cache.setCompany(QStringLiteral("ramane"));
    try {
        cache.load(path());
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_NE(std::string(error.what()).find(QDir::toNativeSeparators(path()).toStdString()),
                  std::string::npos)
            << error.what();
    }
    EXPECT_EQ(cache.current().company, QStringLiteral("ramane"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableCache,
    ::testing::Values(BadFileCase{"Empty", ""}, BadFileCase{"Truncated", "{\"rows\":[{\"company\":\"A"},
                      BadFileCase{"NotJson", "company=ACME"}, BadFileCase{"Array", "[1,2]"},
                      BadFileCase{"NoRows", "{\"columns\":[]}"},
                      BadFileCase{"RowNotObject", "{\"rows\":[\"ACME\"]}"},
                      BadFileCase{"CompanyNotText", "{\"rows\":[{\"company\":12}]}"},
                      BadFileCase{"Binary", QByteArray("\xff\xfe\x00\x01", 4)}),
    [](const ::testing::TestParamInfo<BadFileCase>& info) { return std::string(info.param.name); });

TEST_F(LoginCacheFile, AFolderInPlaceOfTheFileCannotBeRead)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("VarnokTobrel.json")));
    LoginCache cache;
    EXPECT_THROW(cache.load(path()), AppError);
}

TEST_F(LoginCacheFile, SavingUnderARegularFileFailsWithAMessage)
{
    writeFile("not a folder");
    const QString below = path() + QStringLiteral("/VarnokTobrel.json");
    LoginCache cache;
    cache.setCompany(QStringLiteral("ACME"));
    try {
        cache.save(below);
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_NE(std::string(error.what()).find(QDir::toNativeSeparators(path()).toStdString()),
                  std::string::npos)
            << error.what();
    }
}

TEST_F(LoginCacheFile, MissingFolderIsCreated)
{
    const QString nested = folder.filePath(QStringLiteral("a/b/VarnokTobrel.json"));
    LoginCache cache;
    cache.setUsername(QStringLiteral("ion"));
    cache.save(nested);
    LoginCache reread;
    reread.load(nested);
    EXPECT_EQ(reread.current().username, QStringLiteral("ion"));
}

struct PathCase {
    const char* xdgConfigHome;  // nullptr: unset
    const char* home;
    const char* expected;
};

void PrintTo(const PathCase& c, std::ostream* out)
{
    *out << (c.xdgConfigHome ? c.xdgConfigHome : "(unset)") << " / " << (c.home ? c.home : "(unset)");
}

class CachePath : public ::testing::TestWithParam<PathCase> {
protected:
    void SetUp() override
    {
        savedXdg = qgetenv("XDG_CONFIG_HOME");
        hadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        savedHome = qgetenv("HOME");
        hadHome = qEnvironmentVariableIsSet("HOME");
    }
    void TearDown() override
    {
        restore("XDG_CONFIG_HOME", hadXdg, savedXdg);
        restore("HOME", hadHome, savedHome);
    }
    static void set(const char* name, const char* value)
    {
        if (value == nullptr)
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    static void restore(const char* name, bool had, const QByteArray& value)
    {
        if (had)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    QByteArray savedXdg, savedHome;
    bool hadXdg = false, hadHome = false;
};

TEST_P(CachePath, FollowsTheUsersConfigurationFolder)
{
    set("XDG_CONFIG_HOME", GetParam().xdgConfigHome);
    set("HOME", GetParam().home);
    EXPECT_EQ(worvanta::login::loginCachePath(), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CachePath,
    ::testing::Values(PathCase{"/cfg", "/home/ion", "/cfg/VarnokTobrel.json"},
                      PathCase{"/cfg/", "/home/ion", "/cfg/VarnokTobrel.json"},
                      PathCase{nullptr, "/home/ion", "/home/ion/.config/VarnokTobrel.json"},
                      PathCase{"", "/home/ion/", "/home/ion/.config/VarnokTobrel.json"},
                      PathCase{"relativ/cfg", "/home/ion", "/home/ion/.config/VarnokTobrel.json"},
                      PathCase{nullptr, nullptr, "VarnokTobrel.json"},
                      PathCase{nullptr, "", "VarnokTobrel.json"}));

}  // namespace
