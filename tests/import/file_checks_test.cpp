#include <gtest/gtest.h>

#include <ostream>

#include "common/app_error.h"
#include "import/file_extension.h"
#include "import/payload_limit.h"
#include "import/sheet_model.h"

namespace worvanta::import {
namespace {

struct ExtensionCase {
    const char* path;
    const char* extension;
    bool accepted;
};

// Names the case in test output.
void PrintTo(const ExtensionCase& c, std::ostream* os) { *os << c.path; }

class FileExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(FileExtensionTest, TakesTheLastDotOfTheNameOnly) {
    const ExtensionCase& c = GetParam();
    EXPECT_EQ(fileExtension(c.path), c.extension) << c.path;
    EXPECT_EQ(hasCsvExtension(c.path), c.accepted) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileExtensionTest,
    ::testing::Values(ExtensionCase{"/data/plati.csv", ".csv", true},
                      ExtensionCase{"/data/PLATI.CSV", ".CSV", true},
                      ExtensionCase{"/data/plati.CsV", ".CsV", true},
                      ExtensionCase{"plati.csv", ".csv", true},
                      ExtensionCase{"/data/plati.csv.txt", ".txt", false},
                      ExtensionCase{"/data/plati.txt", ".txt", false},
                      ExtensionCase{"/data/plati", "", false},
                      ExtensionCase{"/data.csv/plati", "", false},
                      ExtensionCase{"C:\\Date.csv\\plati", "", false},
                      ExtensionCase{"C:\\Date\\plati.Csv", ".Csv", true},
                      ExtensionCase{"/data/.csv", ".csv", true},
                      ExtensionCase{"/data/plati.", ".", false},
                      ExtensionCase{"/data/plati.csv ", ".csv ", false},
                      // Only A to Z fold: a dotless capital I (U+0130) is no "i".
                      ExtensionCase{"/data/plati.CS\xC4\xB0", ".CS\xC4\xB0", false},
                      // The Kelvin sign folds to k in Unicode, but not here.
                      ExtensionCase{"/data/plati.cs\xE2\x84\xAA", ".cs\xE2\x84\xAA", false}));

TEST(PayloadLimit, AtTheLimitPassesOneByteMoreFails) {
    EXPECT_NO_THROW(checkPayloadSize(100, 100));
    try {
        checkPayloadSize(101, 100);
        FAIL() << "no error for a payload over the limit";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), payloadTooLargeMessage(101, 100));
    }
}

struct LimitMessageCase {
    std::size_t size;
    std::size_t limit;
    const char* text;
};

// Names the case in test output.
void PrintTo(const LimitMessageCase& c, std::ostream* os) { *os << c.size; }

class PayloadLimitMessageTest : public ::testing::TestWithParam<LimitMessageCase> {};

TEST_P(PayloadLimitMessageTest, NamesTheSizeAndTheLimitWithoutDiacritics) {
    const LimitMessageCase& c = GetParam();
    const std::string message = payloadTooLargeMessage(c.size, c.limit);
    EXPECT_EQ(message, c.text);
    for (unsigned char ch : message) EXPECT_LT(ch, 0x80) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PayloadLimitMessageTest,
    ::testing::Values(
        LimitMessageCase{101, 100,
                         "Fisierul este prea mare: datele de trimis au 101 octeti, peste limita de 100 octeti pe care "
                         "serverul o primeste intr-un singur apel. Impartiti fisierul in mai multe parti."},
        LimitMessageCase{kMaxPayloadBytes + 1, kMaxPayloadBytes,
                         "Fisierul este prea mare: datele de trimis au 961 MB, peste limita de 960 MB pe care "
                         "serverul o primeste intr-un singur apel. Impartiti fisierul in mai multe parti."}));

TEST(PayloadLimit, LeavesRoomUnderTheServersOneGigabyteValue) {
    EXPECT_LT(kMaxPayloadBytes, std::size_t{1} << 30);
    EXPECT_GT(kMaxPayloadBytes, std::size_t{900} * 1024 * 1024);
}

TEST(ColumnLetters, CountLikeASpreadsheet) {
    const std::pair<int, const char*> cases[] = {{0, "A"}, {1, "B"}, {25, "Z"}, {26, "AA"}, {27, "AB"},
                                                 {51, "AZ"}, {52, "BA"}, {701, "ZZ"}, {702, "AAA"}};
    for (const auto& [column, letters] : cases) EXPECT_EQ(columnLetters(column), letters) << column;
}

}  // namespace
}  // namespace worvanta::import
