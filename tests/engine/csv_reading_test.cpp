#include <gtest/gtest.h>

#include "engine/import_engine.h"
#include "sheet_listing.h"

namespace worvanta::engine {
namespace {

using testing::listCells;

struct ReadingCase {
    const char* name;
    std::string input;
    std::string cells;
    std::size_t rowCount;
};

class CsvReading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(CsvReading, SplitsRowsAndFieldsAsTheReadingRulesSay)
{
    const ReadingCase& c = GetParam();
    const Sheet sheet = loadCsv(std::string_view(c.input), RegionalSettings::unitedStates());
    EXPECT_EQ(listCells(sheet), c.cells);
    EXPECT_EQ(sheet.rowCount(), c.rowCount);
}

const ReadingCase kLineEnds[] = {
    {"LineFeeds", "a,b\nc,d", "0,0=a | 0,1=b | 1,0=c | 1,1=d", 2},
    {"CarriageReturns", "a,b\rc,d", "0,0=a | 0,1=b | 1,0=c | 1,1=d", 2},
    {"CarriageReturnLineFeeds", "a,b\r\nc,d", "0,0=a | 0,1=b | 1,0=c | 1,1=d", 2},
    {"FinalLineBreak", "a,b\r\nc,d\r\n", "0,0=a | 0,1=b | 1,0=c | 1,1=d", 2},
    {"CarriageReturnThenCarriageReturnLineFeedAreTwoLineEnds", "a\r\r\nb", "0,0=a | 2,0=b", 3},
    {"BlankLinesRaiseTheRowIndex", "a\n\n\nb", "0,0=a | 3,0=b", 4},
    {"LineOfCommasMakesNoRow", "a\n,,,\nb", "0,0=a | 2,0=b", 3},
    {"LineOfSpacesIsACell", "a\nb\n\n\r\n  \n", "0,0=a | 1,0=b | 4,0=  ", 5},
    {"TrailingBlankLinesOnly", "a\nb\n\n\n", "0,0=a | 1,0=b", 2},
    {"EmptyText", "", "", 0},
    {"OnlyLineBreaks", "\r\n\n\r", "", 0},
};
INSTANTIATE_TEST_SUITE_P(LineEnds, CsvReading, ::testing::ValuesIn(kLineEnds),
                         [](const auto& info) { return std::string(info.param.name); });

const ReadingCase kSpaces[] = {
    {"SpacesAndTabsAfterACommaAreSkipped", "a,  b,\t c", "0,0=a | 0,1=b | 0,2=c", 1},
    {"SpacesAndTabsBeforeACommaAreRemoved", "a  ,b \t,c", "0,0=a | 0,1=b | 0,2=c", 1},
    {"SpacesBeforeTheFirstFieldStay", "  a,b", "0,0=  a | 0,1=b", 1},
    {"SpacesAfterTheLastFieldOfALineStay", "a,b  \nc", "0,0=a | 0,1=b   | 1,0=c", 2},
    {"SpacesAtTheEndOfTheTextStay", "a,b \t", "0,0=a | 0,1=b \t", 1},
    {"OnlySpacesBetweenCommasMakeAnEmptyField", "a,   ,b", "0,0=a | 0,2=b", 1},
    {"SpacesAfterACommaBeforeALineEnd", "a,   \nb", "0,0=a | 1,0=b", 2},
    {"InnerSpacesStay", "a b , c  d", "0,0=a b | 0,1=c  d", 1},
};
INSTANTIATE_TEST_SUITE_P(Spaces, CsvReading, ::testing::ValuesIn(kSpaces),
                         [](const auto& info) { return std::string(info.param.name); });

const ReadingCase kQuotes[] = {
    {"QuotedFieldHoldsCommas", "\"a,b\",c", "0,0=a,b | 0,1=c", 1},
    {"QuotedFieldHoldsLineBreaksWithoutANewRow", "\"a\nb\r\nc\",d\ne", "0,0=a\\nb\\r\\nc | 0,1=d | 1,0=e", 2},
    {"DoubledQuotesBecomeOne", "\"say \"\"hi\"\"\",x", "0,0=say \"hi\" | 0,1=x", 1},
    {"QuotedInnerSpacesStay", "\" a \",b", "0,0= a  | 0,1=b", 1},
    {"QuotedAfterSkippedSpaces", "x,\t \"a b\"", "0,0=x | 0,1=a b", 1},
    {"EmptyQuotedFieldIsAbsent", "\"\",b", "0,1=b", 1},
    {"QuotedNumberStaysAsWritten", "\"007\",007,\"TRUE\",true", "0,0=007 | 0,1=7 | 0,2=TRUE | 0,3=TRUE", 1},
    {"QuoteInsideUnquotedFieldOpensASection", "ab\"c,d\"e,f", "0,0=ab\"c,d\"e | 0,1=f", 1},
    {"QuotesThenSpacesBeforeCommaKeepTheQuotes", "\"a\"  ,b", "0,0=\"a\" | 0,1=b", 1},
    {"DoubledQuotesInUnquotedField", "a\"\"b,c", "0,0=a\"b | 0,1=c", 1},
    {"UnclosedQuoteRunsToTheEnd", "\"abc,def\nx", "0,0=\"abc,def\\nx", 1},
    {"UnclosedQuoteEndingInAQuoteCharacter", "\"abc\"\"", "0,0=abc\"", 1},
    {"LoneQuote", "a,\"", "0,0=a | 0,1=\"", 1},
    {"QuotedFieldEndedByLineEnd", "\"a\"\n\"b\"", "0,0=a | 1,0=b", 2},
    {"QuotedEqualsSignIsText", "\"=1+1\",=1+1", "0,0==1+1 | 0,1==1+1", 1},
};
INSTANTIATE_TEST_SUITE_P(Quotes, CsvReading, ::testing::ValuesIn(kQuotes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SheetAccess, AbsentCellsReadAsEmptyAndColumnCountSpansTheWidestRow)
{
    const Sheet sheet = loadCsv(std::string_view("a,,c\n\nd,e,f,g\n"), RegionalSettings::unitedStates());
    EXPECT_EQ(sheet.cell(0, 2), "c");
    EXPECT_FALSE(sheet.hasCell(0, 1));
    EXPECT_EQ(sheet.cell(0, 1), "");
    EXPECT_FALSE(sheet.hasCell(1, 0));
    EXPECT_EQ(sheet.cell(2, 3), "g");
    EXPECT_FALSE(sheet.hasCell(2, 4));
    EXPECT_FALSE(sheet.hasCell(7, 0));
    EXPECT_EQ(sheet.columnCount(), 4u);
    EXPECT_EQ(sheet.rowCount(), 3u);
}

TEST(SheetAccess, ClearEmptiesTheSheet)
{
    Sheet sheet = loadCsv(std::string_view("a,b\nc"), RegionalSettings::unitedStates());
    sheet.clear();
    EXPECT_EQ(sheet.rowCount(), 0u);
    EXPECT_EQ(sheet.columnCount(), 0u);
    EXPECT_FALSE(sheet.hasCell(0, 0));
}

TEST(SheetAccess, CellsOutOfReadingOrderAreRefused)
{
    Sheet sheet;
    sheet.addCell(2, 3, "x");
    EXPECT_THROW(sheet.addCell(2, 3, "y"), std::invalid_argument);
    EXPECT_THROW(sheet.addCell(1, 0, "y"), std::invalid_argument);
    sheet.addCell(2, 4, "y");
    sheet.addCell(3, 0, "z");
    EXPECT_EQ(listCells(sheet), "2,3=x | 2,4=y | 3,0=z");
}

// Taking the bytes over writes the cell texts into the file's own buffer;
// texts longer than what was read so far (typed values written out longer)
// must not overwrite what is still to be read.
TEST(SheetAccess, TakingTheBytesOverGivesTheSameSheet)
{
    const std::string files[] = {
        "ID,\"x, y\"\r\n007,true\r\n",
        "1e-5,1.2.24,x\n1e-5,\"a\"\"b\"",
        "1.2.24\n1e-5,1e-5,1e-5,1e-5",
        "x,y,z,w,v,u,t\n1e-5,1e-5,1e-5,1e-5,\"q\"\"q\",1.2.24",
        "\xEF\xBB\xBF" "1e-5,ID",
        std::string("\xFF\xFE" "1\0e\0-\0" "5\0,\0x\0", 14),
        "\xE3,1e-5",
        "",
    };
    for (const std::string& bytes : files) {
        const Sheet viewed = loadCsv(std::string_view(bytes), RegionalSettings::romanian());
        const Sheet taken = loadCsv(std::string(bytes), RegionalSettings::romanian());
        EXPECT_EQ(listCells(taken), listCells(viewed)) << bytes;
        EXPECT_EQ(taken.rowCount(), viewed.rowCount()) << bytes;
    }
    EXPECT_EQ(listCells(loadCsv(std::string(files[0]), RegionalSettings::romanian())),
              "0,0=ID | 0,1=x, y | 1,0=7 | 1,1=TRUE");
    EXPECT_EQ(listCells(loadCsv(std::string(files[1]), RegionalSettings::romanian())),
              "0,0=0,00001 | 0,1=01.02.2024 | 0,2=x | 1,0=0,00001 | 1,1=a\"b");
}

}  // namespace
}  // namespace worvanta::engine
