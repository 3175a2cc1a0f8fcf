// How the import functions turn the payload's texts into dates, times and
// numbers, shown through the all-payments function and its view.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "company_session.h"
#include "payload_json.h"

namespace worvanta::sqltest {
namespace {

constexpr const char* kFunction = "o_ins_ccp_all_payments";

struct AcceptedForm {
    const char* member;
    const char* text;
    const char* column;
    std::optional<std::string> stored;  // the column as PostgreSQL prints it
};

void PrintTo(const AcceptedForm& c, std::ostream* os) { *os << c.member << " = \"" << c.text << "\""; }

class AcceptedFormTest : public ::testing::TestWithParam<AcceptedForm> {};

TEST_P(AcceptedFormTest, IsStoredAsItsValue) {
    const AcceptedForm& c = GetParam();
    CompanySession db;
    const std::string id = "sqltest-form";
    const Outcome call = db.callImport(kFunction, payload({{{"id", id}, {c.member, c.text}}}));
    ASSERT_FALSE(call.error) << *call.error;
    EXPECT_EQ(call.value(), "1");
    const Outcome stored =
        db.run(std::string("SELECT ") + c.column + "::text FROM view_ccp_all_payments WHERE file_id = $1", {id});
    ASSERT_EQ(stored.rows.size(), 1u);
    EXPECT_EQ(stored.value(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, AcceptedFormTest,
    ::testing::Values(AcceptedForm{"settleDate", "15.03.2024", "settle_date", "2024-03-15"},
                      AcceptedForm{"settleDate", "3/15/2024", "settle_date", "2024-03-15"},
                      AcceptedForm{"settleDate", "12/1/2024", "settle_date", "2024-12-01"},
                      AcceptedForm{"settleDate", "2024-03-15", "settle_date", "2024-03-15"},
                      AcceptedForm{"settleDate", "5.3.2024", "settle_date", "2024-03-05"},
                      AcceptedForm{"settleDate", "15-03-2024", "settle_date", "2024-03-15"},
                      AcceptedForm{"settleDate", "29.02.2024", "settle_date", "2024-02-29"},
                      AcceptedForm{"settleDate", "31.12.2024", "settle_date", "2024-12-31"},
                      AcceptedForm{"settleDate", "15.03.2024 00:00:00", "settle_date", "2024-03-15"},
                      AcceptedForm{"settleDate", " 15.03.2024 ", "settle_date", "2024-03-15"},
                      AcceptedForm{"settleDate", "", "settle_date", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    DatesAndTimes, AcceptedFormTest,
    ::testing::Values(AcceptedForm{"time", "15.03.2024 13:45:07", "py_time", "2024-03-15 13:45:07"},
                      AcceptedForm{"time", "15.03.2024", "py_time", "2024-03-15 00:00:00"},
                      AcceptedForm{"time", "15.03.2024 13:45", "py_time", "2024-03-15 13:45:00"},
                      AcceptedForm{"time", "3/15/2024 1:45:07 PM", "py_time", "2024-03-15 13:45:07"},
                      AcceptedForm{"time", "3/15/2024 12:05:00 AM", "py_time", "2024-03-15 00:05:00"},
                      AcceptedForm{"time", "3/15/2024 12:05:00 PM", "py_time", "2024-03-15 12:05:00"},
                      AcceptedForm{"time", "3/15/2024", "py_time", "2024-03-15 00:00:00"},
                      AcceptedForm{"time", "2024-03-15 13:45:07", "py_time", "2024-03-15 13:45:07"},
                      AcceptedForm{"time", "2024-03-15T13:45:07", "py_time", "2024-03-15 13:45:07"},
                      AcceptedForm{"time", "2024-03-15T13:45:07.25", "py_time", "2024-03-15 13:45:07.25"},
                      AcceptedForm{"time", "2024-03-15T13:45:07Z", "py_time", "2024-03-15 13:45:07"},
                      AcceptedForm{"time", "2024-03-15T13:45:07+02:00", "py_time", "2024-03-15 11:45:07"},
                      AcceptedForm{"time", "", "py_time", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, AcceptedFormTest,
    ::testing::Values(AcceptedForm{"amount", "1234,5", "amount", "1234.5"},
                      AcceptedForm{"amount", "1234.5", "amount", "1234.5"},
                      AcceptedForm{"amount", "-1,5E-06", "amount", "-1.5e-06"},
                      AcceptedForm{"amount", "1.5E-06", "amount", "1.5e-06"},
                      AcceptedForm{"amount", "1,23456789012346E+20", "amount", "1.23456789012346e+20"},
                      AcceptedForm{"amount", "7", "amount", "7"},
                      AcceptedForm{"amount", "+7", "amount", "7"},
                      AcceptedForm{"amount", ",5", "amount", "0.5"},
                      AcceptedForm{"amount", " 12,25 ", "amount", "12.25"},
                      AcceptedForm{"amount", "", "amount", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Texts, AcceptedFormTest,
    ::testing::Values(AcceptedForm{"ttc", "103", "ttc", "103"},
                      AcceptedForm{"bank", "Banca \"Transilvania\", Cluj", "bank", "Banca \"Transilvania\", Cluj"},
                      AcceptedForm{"ttc", "ăîș", "ttc", "ăîș"},  // three letters, six bytes
                      AcceptedForm{"text", "", "py_text", std::nullopt}));

struct RejectedValue {
    const char* member;
    const char* text;
    const char* message;  // for the value in data row 2
};

void PrintTo(const RejectedValue& c, std::ostream* os) { *os << c.member << " = \"" << c.text << "\""; }

class RejectedValueTest : public ::testing::TestWithParam<RejectedValue> {};

TEST_P(RejectedValueTest, NamesRowAndMemberAndStoresNothing) {
    const RejectedValue& c = GetParam();
    CompanySession db;
    Members bad = {{c.member, c.text}, {"market", "BV"}};
    if (std::string(c.member) != "id") bad.emplace_back("id", "sqltest-bad");
    const Outcome call = db.callImport(kFunction, payload({{{"id", "sqltest-good"}, {"amount", "1"}}, bad}));
    ASSERT_TRUE(call.error) << "the call was accepted";
    EXPECT_EQ(*call.error, c.message);
    EXPECT_EQ(db.run("SELECT count(*) FROM view_ccp_all_payments WHERE file_id LIKE 'sqltest-%'").value(), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Values, RejectedValueTest,
    ::testing::Values(
        RejectedValue{"settleDate", "31.02.2024",
                      "Valoare invalida pentru \"settleDate\" in randul de date 2, se astepta o data: \"31.02.2024\""},
        RejectedValue{"settleDate", "29.02.2023",
                      "Valoare invalida pentru \"settleDate\" in randul de date 2, se astepta o data: \"29.02.2023\""},
        RejectedValue{"settleDate", "2024-13-01",
                      "Valoare invalida pentru \"settleDate\" in randul de date 2, se astepta o data: \"2024-13-01\""},
        RejectedValue{"settleDate", "15/3/2024",
                      "Valoare invalida pentru \"settleDate\" in randul de date 2, se astepta o data: \"15/3/2024\""},
        RejectedValue{"settleDate", "15.03.2024 13:45:00",
                      "Valoare invalida pentru \"settleDate\" in randul de date 2, se astepta o data: "
                      "\"15.03.2024 13:45:00\""},
        RejectedValue{"settleDate", "azi",
                      "Valoare invalida pentru \"settleDate\" in randul de date 2, se astepta o data: \"azi\""},
        RejectedValue{"time", "15.03.2024 25:00:00",
                      "Valoare invalida pentru \"time\" in randul de date 2, se astepta o data si ora: "
                      "\"15.03.2024 25:00:00\""},
        RejectedValue{"time", "3/15/2024 13:45:00 PM",
                      "Valoare invalida pentru \"time\" in randul de date 2, se astepta o data si ora: "
                      "\"3/15/2024 13:45:00 PM\""},
        RejectedValue{"time", "15.03.2024 allballs",
                      "Valoare invalida pentru \"time\" in randul de date 2, se astepta o data si ora: "
                      "\"15.03.2024 allballs\""},
        RejectedValue{"amount", "1.234,5",
                      "Valoare invalida pentru \"amount\" in randul de date 2, se astepta un numar: \"1.234,5\""},
        RejectedValue{"amount", "1e400",
                      "Valoare invalida pentru \"amount\" in randul de date 2, se astepta un numar: \"1e400\""},
        RejectedValue{"amount", "NaN",
                      "Valoare invalida pentru \"amount\" in randul de date 2, se astepta un numar: \"NaN\""},
        RejectedValue{"amount", "-Infinity",
                      "Valoare invalida pentru \"amount\" in randul de date 2, se astepta un numar: \"-Infinity\""},
        RejectedValue{"amount", "0x19",
                      "Valoare invalida pentru \"amount\" in randul de date 2, se astepta un numar: \"0x19\""},
        RejectedValue{"amount", "12 RON",
                      "Valoare invalida pentru \"amount\" in randul de date 2, se astepta un numar: \"12 RON\""},
        RejectedValue{"amount", "TRUE",
                      "Valoare invalida pentru \"amount\" in randul de date 2, se astepta un numar: \"TRUE\""},
        RejectedValue{"ttc", "ABCD",
                      "Valoare prea lunga pentru \"ttc\" in randul de date 2 (maxim 3 caractere): \"ABCD\""},
        RejectedValue{"id", "", "Lipseste valoarea pentru \"id\" in randul de date 2"}));

TEST(RejectedValue, FirstFaultInRowOrderIsReported) {
    CompanySession db;
    const Outcome call = db.callImport(kFunction, payload({{{"id", "sqltest-1"}},
                                                           {{"id", "sqltest-2"}, {"amount", "x"}},
                                                           {{"id", "sqltest-3"}, {"settleDate", "31.02.2024"}}}));
    ASSERT_TRUE(call.error);
    EXPECT_EQ(*call.error, "Valoare invalida pentru \"amount\" in randul de date 2, se astepta un numar: \"x\"");
}

TEST(RejectedValue, RowNumbersCountBlankRows) {
    CompanySession db;
    const Outcome call =
        db.callImport(kFunction, payload({{{"id", "sqltest-1"}}, {{"id", ""}, {"amount", ""}},
                                          {{"id", "sqltest-3"}, {"settleDate", "32.01.2024"}}}));
    ASSERT_TRUE(call.error);
    EXPECT_EQ(*call.error,
              "Valoare invalida pentru \"settleDate\" in randul de date 3, se astepta o data: \"32.01.2024\"");
}

TEST(RejectedValue, LongValueIsCutInTheMessage) {
    CompanySession db;
    const std::string longText(300, 'x');
    const Outcome call = db.callImport(kFunction, payload({{{"id", "sqltest-1"}, {"amount", longText}}}));
    ASSERT_TRUE(call.error);
    EXPECT_EQ(*call.error, "Valoare invalida pentru \"amount\" in randul de date 1, se astepta un numar: \"" +
                               std::string(100, 'x') + "\"");
}

}  // namespace
}  // namespace worvanta::sqltest
