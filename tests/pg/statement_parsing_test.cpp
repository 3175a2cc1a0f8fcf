#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "pg/db_error.h"
#include "pg/parameters.h"

namespace worvanta::pg {
namespace {

struct ParseCase {
    const char* label;
    std::string statement;
    std::string sql;
    std::vector<std::string> names;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.label; }

class StatementParsing : public testing::TestWithParam<ParseCase> {};

TEST_P(StatementParsing, RewritesParametersOnlyOutsideQuotesAndComments) {
    const ParseCase& c = GetParam();
    const ParsedStatement parsed(c.statement);
    EXPECT_EQ(parsed.sql(), c.sql);
    EXPECT_EQ(parsed.names(), c.names);
}

const ParseCase kParseCases[] = {
    {"plain", "select * from emitent where emitent = :pEmitent", "select * from emitent where emitent = $1",
     {"pEmitent"}},
    {"two", "where a = :a\n  and b = :b_2;", "where a = $1\n  and b = $2;", {"a", "b_2"}},
    {"same name in another case is one parameter", "select :pX, :px, :PX, :y", "select $1, $1, $1, $2", {"pX", "y"}},
    {"cast", "select :v::text, x::int", "select $1::text, x::int", {"v"}},
    {"cast right after a name", "select a::date::text", "select a::date::text", {}},
    {"string literal", "select ':x', 'it''s :y', :z", "select ':x', 'it''s :y', $1", {"z"}},
    {"backslash is plain inside a standard literal", "select 'a\\', :p", "select 'a\\', $1", {"p"}},
    {"escape string literal", "select E'\\' :x', :p", "select E'\\' :x', $1", {"p"}},
    {"quoted identifier", "select \"a:b\", \"x\"\":y\", :p", "select \"a:b\", \"x\"\":y\", $1", {"p"}},
    {"line comment", "select 1 -- :x\n, :p", "select 1 -- :x\n, $1", {"p"}},
    {"block comment, nested", "select /* :a /* :b */ :c */ :p", "select /* :a /* :b */ :c */ $1", {"p"}},
    {"dollar quoted", "do $$ begin x := :y; end $$; select :p", "do $$ begin x := :y; end $$; select $1", {"p"}},
    {"tagged dollar quote", "select $f$ :x $$ :y $f$, :p", "select $f$ :x $$ :y $f$, $1", {"p"}},
    {"positional parameter is kept", "select $1, :p", "select $1, $1", {"p"}},
    {"assignment and slices are not parameters", "select f(a := 1), x[1:2]", "select f(a := 1), x[1:2]", {}},
    {"name ends at a non-name character", "select :p1+:p_2,:p3)", "select $1+$2,$3)", {"p1", "p_2", "p3"}},
    {"unterminated literal swallows the rest", "select 'abc :x", "select 'abc :x", {}},
    {"colon at the end", "select 1:", "select 1:", {}},
    {"non-ascii text passes through", "select 'ă:x', :ș", "select 'ă:x', :ș", {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, StatementParsing, testing::ValuesIn(kParseCases),
                         [](const testing::TestParamInfo<ParseCase>& info) {
                             std::string name;
                             for (const char ch : std::string(info.param.label)) {
                                 if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                             }
                             return name + "_" + std::to_string(info.index);
                         });

TEST(Parameters, LookupIgnoresCaseAndUnsetValuesAreNull) {
    Parameters params({"pjsonallpayments", "other"});
    params.set("pJsonAllPayments", "[]");
    ASSERT_TRUE(params.values()[0].has_value());
    EXPECT_EQ(*params.values()[0], "[]");
    EXPECT_FALSE(params.values()[1].has_value());
    params.setNull("PJSONALLPAYMENTS");
    EXPECT_FALSE(params.values()[0].has_value());
}

TEST(Parameters, UnknownNameIsAnErrorNamingIt) {
    Parameters params({"pEmitent"});
    try {
        params.set("pParola", "x");
        FAIL() << "no error for an unknown parameter";
    } catch (const DbError& error) {
        EXPECT_NE(std::string(error.what()).find("pParola"), std::string::npos) << error.what();
    }
}

TEST(Parameters, SetMovesTheValue) {
    Parameters params({"p"});
    std::string big(1 << 20, 'x');
    const char* storage = big.data();
    params.set("p", std::move(big));
    EXPECT_EQ(params.values()[0]->data(), storage);
}

TEST(Parameters, ReplacingALargeValueReleasesItsMemory) {
    Parameters params({"p"});
    params.set("p", std::string(1 << 20, 'x'));
    params.set("p", std::string());
    ASSERT_TRUE(params.values()[0].has_value());
    EXPECT_LT(params.values()[0]->capacity(), 1024u);
}

}  // namespace
}  // namespace worvanta::pg
