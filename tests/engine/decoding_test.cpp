#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/app_error.h"
#include "engine/import_engine.h"
#include "engine/text_decoding.h"
#include "os/ansi_code_page.h"

namespace worvanta::engine {
namespace {

struct DecodingCase {
    const char* name;
    std::string bytes;
    std::string firstCell;
};

class Decoding : public ::testing::TestWithParam<DecodingCase> {};

TEST_P(Decoding, ReadsTheFileAsUtf8Text)
{
    const DecodingCase& c = GetParam();
    const Sheet sheet = loadCsv(std::string_view(c.bytes), RegionalSettings::romanian());
    EXPECT_EQ(sheet.cell(0, 0), c.firstCell);
    DecodedText decoded;
    decodeToUtf8(c.bytes, decoded);
    EXPECT_TRUE(isValidUtf8(decoded.text));
}

// "ăâîşţ" as UTF-8.
const std::string kRomanianLetters = "\xC4\x83\xC3\xA2\xC3\xAE\xC5\x9F\xC5\xA3";

const DecodingCase kCases[] = {
    {"Utf8WithMark", "\xEF\xBB\xBF" "ID,x", "ID"},
    {"Utf8WithMarkAndLetters", "\xEF\xBB\xBF" + kRomanianLetters + ",x", kRomanianLetters},
    // Without a mark, valid UTF-8 stays UTF-8 (U+0219, s with comma below).
    {"Utf8WithoutMark", "Ia\xC8\x99i,x", "Ia\xC8\x99i"},
    {"Windows1250RomanianLetters", "\xE3\xE2\xEE\xBA\xFE,x", kRomanianLetters},
    {"Windows1250CapitalLetters", "\xC3\xC2\xCE\xAA\xDE", "\xC4\x82\xC3\x82\xC3\x8E\xC5\x9E\xC5\xA2"},
    {"Windows1250EuroAndQuotes", "\x80\x84\x93", "\xE2\x82\xAC\xE2\x80\x9E\xE2\x80\x9C"},
    {"Windows1250UndefinedByteIsAControlCharacter", "a\x81" "b", "a\xC2\x81" "b"},
    // Overlong and surrogate forms are not UTF-8: the ANSI code page reads them.
    {"OverlongFormIsNotUtf8", "\xC0\xAF", "\xC5\x94\xC5\xBB"},
    {"Utf8SurrogateIsNotUtf8", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
    {"MalformedUtf8AfterMarkBecomesReplacement", "\xEF\xBB\xBF" "a\xFF" "b", "a\xEF\xBF\xBD" "b"},
    {"TruncatedUtf8AfterMark", "\xEF\xBB\xBF" "a\xE2\x82", "a\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"Utf16LittleEndian", std::string("\xFF\xFE" "\x03\x01" "a\0,\0x\0", 10), "\xC4\x83" "a"},
    {"Utf16BigEndian", std::string("\xFE\xFF" "\x01\x03" "\0a\0,\0x", 10), "\xC4\x83" "a"},
    {"Utf16SurrogatePair", std::string("\xFF\xFE" "\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},
    {"Utf16LoneHighSurrogate", std::string("\xFF\xFE" "\x3D\xD8" "a\0", 6), "\xEF\xBF\xBD" "a"},
    {"Utf16LoneLowSurrogate", std::string("\xFE\xFF" "\xDE\x00" "\0a", 6), "\xEF\xBF\xBD" "a"},
    {"Utf16HighSurrogateAtTheEnd", std::string("\xFF\xFE" "a\0\x3D\xD8", 6), "a\xEF\xBF\xBD"},
    {"Utf16OddLength", std::string("\xFF\xFE" "a\0b", 5), "a\xEF\xBF\xBD"},
    {"Utf16MarkOnly", "\xFF\xFE", ""},
    {"Utf16LineBreaksSplitRows", std::string("\xFF\xFE" "a\0\r\0\n\0b\0", 10), "a"},
};
INSTANTIATE_TEST_SUITE_P(Encodings, Decoding, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::string utf16LittleEndian(std::string_view ascii)
{
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes;
}

TEST(Decoding, Utf16RowsAreSplitLikeUtf8Rows)
{
    const std::string text = "ID,\"x,y\"\r\n007\r\n";
    const Sheet fromUtf16 = loadCsv(utf16LittleEndian(text), RegionalSettings::romanian());
    const Sheet fromUtf8 = loadCsv(std::string_view(text), RegionalSettings::romanian());
    EXPECT_EQ(fromUtf16.cell(0, 1), "x,y");
    EXPECT_EQ(fromUtf16.cell(1, 0), "7");
    EXPECT_EQ(fromUtf16.rowCount(), fromUtf8.rowCount());
    EXPECT_EQ(fromUtf16.cell(0, 0), fromUtf8.cell(0, 0));
}

TEST(AnsiCodePage, EveryByteBecomesOneCharacter)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    const std::string utf8 = os::ansiToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    std::size_t characters = 0;
    for (const char c : utf8)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    EXPECT_EQ(characters, 255u);
    EXPECT_EQ(os::ansiToUtf8("\xFF"), "\xCB\x99");  // dot above, the last byte
}

class FileBytes : public ::testing::Test {
protected:
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                    ("worvanta-engine-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    void SetUp() override { std::filesystem::create_directories(folder_); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
};

TEST_F(FileBytes, ReadsEveryByteUnchanged)
{
    std::string bytes;
    for (int i = 0; i < 3 * 1024 * 1024 + 7; ++i)
        bytes.push_back(static_cast<char>(i * 31 % 256));
    const std::filesystem::path file = folder_ / "data.csv";
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_EQ(readFileBytes(file.string()), bytes);
}

TEST_F(FileBytes, EmptyFileGivesNoBytesAndAnEmptySheet)
{
    const std::filesystem::path file = folder_ / "empty.csv";
    std::ofstream(file, std::ios::binary).flush();
    const std::string bytes = readFileBytes(file.string());
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(loadCsv(std::string_view(bytes), RegionalSettings::romanian()).rowCount(), 0u);
}

TEST_F(FileBytes, FailuresCarryTheFileSystemsMessage)
{
    const struct {
        std::filesystem::path path;
        std::string reason;
    } cases[] = {
        {folder_ / "missing.csv", "No such file or directory"},
        {folder_, "Is a directory"},
    };
    for (const auto& c : cases) {
        try {
            readFileBytes(c.path.string());
            ADD_FAILURE() << c.path << " was read";
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(), c.path.string() + ": " + c.reason);
        }
    }
}

}  // namespace
}  // namespace worvanta::engine
