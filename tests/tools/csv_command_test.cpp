#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CsvCommand : public ::testing::Test {
protected:
    fs::path folder_ = fs::temp_directory_path() /
                       ("worvanta-csv-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));

    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string slurp(const fs::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // Runs the built worvanta-csv with a locale and arguments (already quoted).
    Outcome run(const std::string& locale, const std::string& arguments)
    {
        const fs::path out = folder_ / "stdout";
        const fs::path err = folder_ / "stderr";
        const std::string command = "LANG= LC_ALL=" + locale + " '" WORVANTA_CSV_BINARY "' " + arguments + " >'" +
                                    out.string() + "' 2>'" + err.string() + "'";
        const int status = std::system(command.c_str());
        Outcome outcome;
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.out = slurp(out);
        outcome.err = slurp(err);
        return outcome;
    }
};

const std::string kVmsFile = "Call Date,Type,DFund ID,Amount,Time,Market\r\n"
                             "2024-03-01,VM,DF1,1234.50,\"a,b\",RO\r\n";

TEST_F(CsvCommand, WritesThePayloadInTheWorkstationsRegionalForm)
{
    const fs::path file = write("vms.csv", kVmsFile);
    const struct {
        const char* locale;
        const char* payload;
    } cases[] = {
        {"C", R"([{"callDate":"2024-03-01","type":"VM","dfundId":"DF1","amount":"1234.5","time":"a,b","market":"RO"}])"},
        {"ro_RO.UTF-8",
         R"([{"callDate":"01.03.2024","type":"VM","dfundId":"DF1","amount":"1234.50","time":"a,b","market":"RO"}])"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.locale, "vms-performance-agregat '" + file.string() + "'");
        EXPECT_EQ(outcome.exitCode, 0) << c.locale << outcome.err;
        EXPECT_EQ(outcome.out, c.payload) << c.locale;
        EXPECT_EQ(outcome.err, "") << c.locale;
    }
}

TEST_F(CsvCommand, HeaderMismatchShowsWhatTheUserWouldSee)
{
    const struct {
        const char* layout;
        std::string file;
        const char* message;
    } cases[] = {
        {"vms-performance-agregat", "Call Date,Typ\r\n",
         "Err -  Coloana B din fisier trebuie sa se numeasca \"Type\"\n"},
        {"all-payments", "", "Err -  Coloana A din fisier trebuie sa se numeasca \"ID\"\n"},
        {"cash-call-def-efs", "ID,Account,Transaction Time\r\n",
         "Err -  Coloana B din fisier trebuie sa se numeasca \"Transaction Time\"\n"},
    };
    for (const auto& c : cases) {
        const fs::path file = write("header.csv", c.file);
        const Outcome outcome = run("C", std::string(c.layout) + " '" + file.string() + "'");
        EXPECT_EQ(outcome.exitCode, 1) << c.layout;
        EXPECT_EQ(outcome.err, c.message);
        EXPECT_EQ(outcome.out, "");
    }
}

TEST_F(CsvCommand, UnusableArgumentsOrFilesExitWithTwo)
{
    const fs::path file = write("vms.csv", kVmsFile);
    const std::string missing = (folder_ / "missing.csv").string();
    const struct {
        std::string arguments;
        std::string errorStart;
    } cases[] = {
        {"", "Utilizare: worvanta-csv FORMAT FISIER"},
        {"all-payments", "Utilizare: worvanta-csv FORMAT FISIER"},
        {"all-payments '" + file.string() + "' extra", "Utilizare: worvanta-csv FORMAT FISIER"},
        {"payments '" + file.string() + "'", "Format necunoscut: \"payments\""},
        {"all-payments '" + missing + "'", missing + ": No such file or directory"},
        {"all-payments '" + folder_.string() + "'", folder_.string() + ": Is a directory"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run("C", c.arguments);
        EXPECT_EQ(outcome.exitCode, 2) << c.arguments;
        EXPECT_EQ(outcome.err.substr(0, c.errorStart.size()), c.errorStart) << c.arguments;
        EXPECT_EQ(outcome.out, "") << c.arguments;
    }
}

}  // namespace
