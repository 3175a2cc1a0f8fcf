#include <gtest/gtest.h>

#include "engine/import_engine.h"

namespace worvanta::engine {
namespace {

const std::string kHeader = "Call Date,Type,DFund ID,Amount,Time,Market\r\n";

std::string emptyObject()
{
    return R"({"callDate":"","type":"","dfundId":"","amount":"","time":"","market":""})";
}

struct PayloadCase {
    const char* name;
    std::string rows;  // after the header line
    std::string payload;
};

class Payload : public ::testing::TestWithParam<PayloadCase> {};

TEST_P(Payload, IsTheExactJsonText)
{
    const PayloadCase& c = GetParam();
    const Sheet sheet = loadCsv(kHeader + c.rows, RegionalSettings::romanian());
    ASSERT_EQ(checkHeader(sheet, vmsPerformanceAgregatLayout()), std::nullopt);
    EXPECT_EQ(buildPayload(sheet, vmsPerformanceAgregatLayout()), c.payload);
}

const PayloadCase kCases[] = {
    {"HeaderOnly", "", "[]"},
    {"HeaderThenBlankLines", "\r\n\r\n,,,\r\n", "[]"},
    {"OneRowTypedInTheRegion", "2024-03-01,VM,DF1,1234.50,2024-03-01 10:15:00,RO\r\n",
     R"([{"callDate":"01.03.2024","type":"VM","dfundId":"DF1","amount":"1234.50","time":"01.03.2024 10:15:00","market":"RO"}])"},
    {"QuotedValuesStayAsWritten", "\"2024-03-01\",\"007\",DF1,007,\"true\",true",
     R"([{"callDate":"2024-03-01","type":"007","dfundId":"DF1","amount":"7","time":"true","market":"TRUE"}])"},
    {"ShortRowAndEmptyFieldGiveEmptyStrings", "a,,c",
     R"([{"callDate":"a","type":"","dfundId":"c","amount":"","time":"","market":""}])"},
    {"ExtraColumnsAreNotSent", "a,b,c,d,e,f,g,h",
     R"([{"callDate":"a","type":"b","dfundId":"c","amount":"d","time":"e","market":"f"}])"},
    {"RowWithOnlyExtraColumnsIsAnEmptyObject", ",,,,,,,x\r\na", "[" + emptyObject() +
     R"(,{"callDate":"a","type":"","dfundId":"","amount":"","time":"","market":""}])"},
    {"BlankLineBetweenRowsIsAnEmptyObject", "a\r\n\r\nb\r\n\r\n\r\n",
     R"([{"callDate":"a","type":"","dfundId":"","amount":"","time":"","market":""},)" + emptyObject() +
     R"(,{"callDate":"b","type":"","dfundId":"","amount":"","time":"","market":""}])"},
    {"Escapes", "\"q\"\"b\\s\",\"t\tn\nr\rx\",\"\b\f\",\x01\x1F\x7F,/\xC4\x83,\"\"\"\"",
     "[{\"callDate\":\"q\\\"b\\\\s\",\"type\":\"t\\tn\\nr\\rx\",\"dfundId\":\"\\b\\f\","
     "\"amount\":\"\\u0001\\u001F\x7F\",\"time\":\"/\xC4\x83\",\"market\":\"\\\"\"}]"},
};
INSTANTIATE_TEST_SUITE_P(Fixtures, Payload, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Payload, LineEndsAndAFinalLineBreakGiveTheSamePayload)
{
    const std::string rows[] = {
        "Call Date,Type,DFund ID,Amount,Time,Market\na,b\n\nc\n",
        "Call Date,Type,DFund ID,Amount,Time,Market\ra,b\r\rc",
        "Call Date,Type,DFund ID,Amount,Time,Market\r\na,b\r\n\r\nc\r\n\r\n",
    };
    const std::string expected = R"([{"callDate":"a","type":"b","dfundId":"","amount":"","time":"","market":""},)" +
                                 emptyObject() +
                                 R"(,{"callDate":"c","type":"","dfundId":"","amount":"","time":"","market":""}])";
    for (const std::string& text : rows)
        EXPECT_EQ(buildPayload(loadCsv(std::string_view(text), RegionalSettings::romanian()),
                               vmsPerformanceAgregatLayout()),
                  expected)
            << text;
}

TEST(Payload, EveryLayoutSendsItsMembersInColumnOrder)
{
    for (const CsvLayout* layout : allLayouts()) {
        std::string file;
        std::string expected = "[{";
        for (std::size_t i = 0; i < layout->columns.size(); ++i) {
            file += layout->columns[i].title + ",";
            expected += i > 0 ? ",\"" : "\"";
            expected += layout->columns[i].member;
            expected += "\":\"v";
            expected += std::to_string(i);
            expected += "\"";
        }
        file += "\n";
        for (std::size_t i = 0; i < layout->columns.size(); ++i) {
            file += 'v';
            file += std::to_string(i);
            file += ',';
        }
        expected += "}]";
        const Sheet sheet = loadCsv(std::string_view(file), RegionalSettings::unitedStates());
        EXPECT_EQ(checkHeader(sheet, *layout), std::nullopt) << layout->name;
        EXPECT_EQ(buildPayload(sheet, *layout), expected) << layout->name;
    }
}

}  // namespace
}  // namespace worvanta::engine
