#include <gtest/gtest.h>

#include "engine/import_engine.h"

namespace worvanta::engine {
namespace {

// The members the database functions read, as the screens send them.
TEST(Layouts, MembersAndHeadersAreTheOnesTheDatabaseExpects)
{
    const struct {
        const CsvLayout& layout;
        const char* name;
        std::vector<std::string> members;
    } cases[] = {
        {allPaymentsLayout(), "all-payments",
         {"id", "settleDate", "uetr", "paymentReference", "paymentId", "initiator", "direction", "creditBic",
          "debitBic", "ttc", "rmti", "amount", "currency", "settlementStatus", "creditorIban", "text",
          "processingStatus", "updateType", "time", "market", "defaultFund", "memberId", "bank",
          "externalCollateralAccount", "type"}},
        {cashCallClientLayout(), "cash-call-client",
         {"id", "transactionTime", "type", "externalCollateralAccount", "collateralAccount", "memberId", "dfundId",
          "marginRequirement", "collateralBalance", "cashCallAmount", "cashExcessAmount", "status", "market"}},
        {cashCallDefEfsLayout(), "cash-call-def-efs",
         {"id", "transactionTime", "account", "bic", "type", "memberId", "amount", "status", "reference",
          "defaultFounds", "market"}},
        {vmsPerformanceAgregatLayout(), "vms-performance-agregat",
         {"callDate", "type", "dfundId", "amount", "time", "market"}},
        {vmSettlementStatusPLayout(), "vm-settlement-status-p",
         {"id", "transactionTime", "externalCollateralAccount", "collateralAccount", "type", "memberId", "dfundId",
          "amount", "status", "time", "market", "debitAccount", "creditAccount"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layoutByName(c.name), &c.layout);
        std::vector<std::string> members;
        for (const CsvColumn& column : c.layout.columns)
            members.push_back(column.member);
        EXPECT_EQ(members, c.members) << c.name;
    }
    EXPECT_EQ(layoutByName("all payments"), nullptr);
    EXPECT_EQ(layoutByName(""), nullptr);
}

TEST(Layouts, MessagesNameTheComparedColumnAndTheExpectedHeader)
{
    const struct {
        const CsvLayout& layout;
        std::size_t column;
        const char* header;
        const char* message;
    } cases[] = {
        {allPaymentsLayout(), 0, "id", " Coloana A din fisier trebuie sa se numeasca \"ID\""},
        {allPaymentsLayout(), 1, "settle date", " Coloana B din fisier trebuie sa se numeasca \"Settle Date\""},
        {allPaymentsLayout(), 23, "external collateral account",
         " Coloana X din fisier trebuie sa se numeasca \"External Collateral Account\""},
        {allPaymentsLayout(), 24, "type", " Coloana Y din fisier trebuie sa se numeasca \"Type\""},
        {cashCallClientLayout(), 3, "account = external collateral account",
         " Coloana D din fisier trebuie sa se numeasca \"Account = External Collateral Account\""},
        {cashCallClientLayout(), 6, "dfund id", " Coloana G din fisier trebuie sa se numeasca \"DFund ID\""},
        // The letter is the compared column's own, B for column B.
        {cashCallDefEfsLayout(), 1, "transaction time",
         " Coloana B din fisier trebuie sa se numeasca \"Transaction Time\""},
        {cashCallDefEfsLayout(), 9, "default founds", " Coloana J din fisier trebuie sa se numeasca \"Default Founds\""},
        {cashCallDefEfsLayout(), 10, "market", " Coloana K din fisier trebuie sa se numeasca \"Market\""},
        {vmsPerformanceAgregatLayout(), 0, "call date", " Coloana A din fisier trebuie sa se numeasca \"Call Date\""},
        {vmSettlementStatusPLayout(), 1, "transaction time",
         " Coloana B din fisier trebuie sa se numeasca \"Transaction Time\""},
        {vmSettlementStatusPLayout(), 12, "credit account",
         " Coloana M din fisier trebuie sa se numeasca \"Credit Account\""},
    };
    for (const auto& c : cases) {
        const CsvColumn& column = c.layout.columns.at(c.column);
        EXPECT_EQ(column.header, c.header);
        EXPECT_EQ(column.message, c.message);
    }
}

std::string headerLine(const CsvLayout& layout, std::string_view separator = ",")
{
    std::string line;
    for (const CsvColumn& column : layout.columns) {
        if (!line.empty())
            line += separator;
        line += column.title;
    }
    return line;
}

class HeaderCheck : public ::testing::TestWithParam<const CsvLayout*> {
protected:
    const CsvLayout& layout() const { return *GetParam(); }
    std::optional<std::string> check(const std::string& file) const
    {
        return checkHeader(loadCsv(std::string_view(file), RegionalSettings::romanian()), layout());
    }
    const std::string& message(std::size_t column) const { return layout().columns[column].message; }
};

TEST_P(HeaderCheck, PassesTheLayoutsHeaderInAnyLetterCase)
{
    std::string upper = headerLine(layout());
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(check(headerLine(layout()) + "\r\n1,2\r\n"), std::nullopt);
    EXPECT_EQ(check(upper), std::nullopt);
    EXPECT_EQ(check(headerLine(layout(), " ,\t")), std::nullopt) << "spaces next to the commas";
    EXPECT_EQ(check(headerLine(layout()) + ",Extra,More"), std::nullopt) << "more columns";
}

TEST_P(HeaderCheck, FailsAtTheFirstWrongColumnWithItsMessage)
{
    for (std::size_t wrong = 0; wrong < layout().columns.size(); ++wrong) {
        CsvLayout renamed = layout();
        renamed.columns[wrong].title += "x";
        EXPECT_EQ(check(headerLine(renamed)), message(wrong)) << "renamed column " << wrong;
    }
    CsvLayout swapped = layout();
    std::swap(swapped.columns[1].title, swapped.columns[2].title);
    EXPECT_EQ(check(headerLine(swapped)), message(1));
}

TEST_P(HeaderCheck, FailsWhereAHeaderIsMissingOrEmpty)
{
    const std::size_t last = layout().columns.size() - 1;
    CsvLayout fewer = layout();
    fewer.columns.pop_back();
    EXPECT_EQ(check(headerLine(fewer)), message(last)) << "fewer columns";
    EXPECT_EQ(check(""), message(0)) << "empty file";
    EXPECT_EQ(check("\r\n" + headerLine(layout())), message(0)) << "blank first line";
    CsvLayout emptied = layout();
    emptied.columns[1].title = "\"\"";
    EXPECT_EQ(check(headerLine(emptied)), message(1)) << "empty quoted header";
}

TEST_P(HeaderCheck, SpacesThatAreNotNextToACommaCount)
{
    const std::size_t last = layout().columns.size() - 1;
    EXPECT_EQ(check(" " + headerLine(layout())), message(0)) << "space before the first header";
    EXPECT_EQ(check(headerLine(layout()) + " \r\n"), message(last)) << "space after the last header";
    CsvLayout quoted = layout();
    quoted.columns[1].title = "\" " + quoted.columns[1].title + "\"";
    EXPECT_EQ(check(headerLine(quoted)), message(1)) << "space inside a quoted header";
    CsvLayout quotedExact = layout();
    quotedExact.columns[1].title = "\"" + quotedExact.columns[1].title + "\"";
    EXPECT_EQ(check(headerLine(quotedExact)), std::nullopt) << "quoted header";
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, HeaderCheck, ::testing::ValuesIn(allLayouts()),
                         [](const auto& info) {
                             std::string name = info.param->name;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

}  // namespace
}  // namespace worvanta::engine
