#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "pg/connection.h"
#include "pg/db_error.h"
#include "pg/query.h"
#include "support/test_db.h"

namespace worvanta::pg {
namespace {

class QueryTest : public testing::Test {
protected:
    QueryTest() : con_("conVarnok") { testdb::pointAt(con_, testdb::port(), "varnok1", SslMode::Prefer); }

    std::string errorOpening(Query& query) {
        try {
            query.open();
        } catch (const DbError& error) {
            return error.what();
        }
        return "(no error)";
    }

    Connection con_;
};

class BoundValues : public QueryTest, public testing::WithParamInterface<std::string> {};

// The value goes to the server as a bound parameter and comes back unchanged;
// used in a WHERE clause it is just a value that matches no user.
TEST_P(BoundValues, ReachTheServerAsText) {
    const std::string& value = GetParam();
    Query echo("dsEcho", con_, "select :pValue as v, length(:PVALUE) as n", {{"v"}, {"n", FieldKind::Integer}});
    echo.setParam("pValue", value);
    echo.open();
    EXPECT_EQ(echo.fieldText("v"), value);

    Query users("dsEmitent", con_, "select *\nfrom emitent\nwhere emitent = :pEmitent\n  and operator_parola = :pP\n;",
                {{"emitent", FieldKind::Text, 100, true}});
    users.setParam("pEmitent", value);
    users.setParam("pP", value);
    users.open();
    EXPECT_EQ(users.rowCount(), 0);
    EXPECT_EQ(testdb::scalar(testdb::port(), "varnok1", "select count(*) > 0 from emitent"), "t");
}

INSTANTIATE_TEST_SUITE_P(Values, BoundValues,
                         testing::Values("o'brien", "'; drop table emitent; --", "x' or '1'='1", "$1", ":pP",
                                         "back\\slash", "\"quoted\"", "țară ăîâșț", "", "  spaces  "));

TEST_F(QueryTest, QuotedColonsAndCastsAreNotParameters) {
    Query query("dsLiteral", con_, "select ':x'::text as a, 2::int4 as b, $q$:y$q$ as c -- :z\n",
                {{"a"}, {"b", FieldKind::Integer}, {"c"}});
    query.open();
    EXPECT_EQ(query.fieldText("a"), ":x");
    EXPECT_EQ(query.fieldText("b"), "2");
    EXPECT_EQ(query.fieldText("c"), ":y");
    EXPECT_THROW(query.setParam("x", "1"), DbError);
}

TEST_F(QueryTest, ALowerCaseParameterIsFoundByAMixedCaseSpelling) {
    Query query("dsCase", con_, "select :pjsonallpayments as v", {{"v"}});
    query.setParam("pJsonAllPayments", "[{\"a\":\"b\"}]");
    query.open();
    EXPECT_EQ(query.fieldText("V"), "[{\"a\":\"b\"}]");
}

TEST_F(QueryTest, RowsAreReadByRowAndColumnAndNullReadsEmpty) {
    Query query("dsRows", con_,
                "select * from (values (1, 'a', null::text), (2, null, 'z')) as t(nr, txt, other) order by nr",
                {{"txt"}, {"nr", FieldKind::Integer}, {"other", FieldKind::Memo}});
    query.open();
    ASSERT_EQ(query.rowCount(), 2);
    EXPECT_EQ(query.currentRow(), 0);
    EXPECT_EQ(query.value(0, 0), "a");
    EXPECT_EQ(query.value(1, 1), "2");
    EXPECT_TRUE(query.isNull(0, 2));
    EXPECT_EQ(query.fieldText("other"), "");
    query.setCurrentRow(1);
    EXPECT_EQ(query.fieldText("txt"), "");
    EXPECT_TRUE(query.isNull(1, 0));
    EXPECT_EQ(query.fieldText("other"), "z");
    EXPECT_THROW(query.setCurrentRow(2), DbError);
    EXPECT_THROW(query.value(2, 0), DbError);
    EXPECT_THROW(query.value(0, 3), DbError);
    EXPECT_THROW(query.fieldText("nedeclarata"), DbError);
}

TEST_F(QueryTest, AnEmptyResultReadsEmptyAndAClosedQueryRefusesReads) {
    Query query("dsEu", con_, "select * from eu where false", {{"jas_ip", FieldKind::Memo}});
    query.open();
    EXPECT_TRUE(query.isOpen());
    EXPECT_EQ(query.rowCount(), 0);
    EXPECT_EQ(query.fieldText("jas_ip"), "");
    query.close();
    EXPECT_FALSE(query.isOpen());
    EXPECT_EQ(query.rowCount(), 0);
    EXPECT_THROW(query.fieldText("jas_ip"), DbError);
}

struct KindCase {
    const char* label;
    const char* expression;  // of the result column c
    FieldKind kind;
    bool accepted;
};

void PrintTo(const KindCase& c, std::ostream* out) { *out << c.label; }

class DeclaredKinds : public QueryTest, public testing::WithParamInterface<KindCase> {};

TEST_P(DeclaredKinds, ResultColumnsAreCheckedAgainstTheDeclaredKind) {
    const KindCase& c = GetParam();
    Query query("dsKinds", con_, std::string("select 1 as other, ") + c.expression + " as c",
                {{"other", FieldKind::Integer}, {"c", c.kind}});
    const std::string error = errorOpening(query);
    if (c.accepted) {
        EXPECT_EQ(error, "(no error)");
        EXPECT_TRUE(query.isOpen());
    } else {
        EXPECT_NE(error.find("Coloana c "), std::string::npos) << error;
        EXPECT_NE(error.find("dsKinds"), std::string::npos) << error;
        EXPECT_FALSE(query.isOpen());
    }
}

const KindCase kKindCases[] = {
    {"TextReadsAnInteger", "42", FieldKind::Text, true},
    {"MemoReadsABoolean", "true", FieldKind::Memo, true},
    {"BooleanFromBoolean", "false", FieldKind::Boolean, true},
    {"BooleanFromInteger", "1", FieldKind::Boolean, false},
    {"BooleanFromText", "'t'::text", FieldKind::Boolean, false},
    {"IntegerFromSmallint", "1::int2", FieldKind::Integer, true},
    {"IntegerFromBigint", "1::int8", FieldKind::Integer, false},
    {"IntegerFromText", "'1'::varchar", FieldKind::Integer, false},
    {"BigIntFromBigint", "1::int8", FieldKind::BigInt, true},
    {"FloatFromNumeric", "1.5::numeric(9,4)", FieldKind::Float, true},
    {"FloatFromDouble", "1.5::float8", FieldKind::Float, true},
    {"FloatFromDate", "current_date", FieldKind::Float, false},
    {"DateFromDate", "current_date", FieldKind::Date, true},
    {"DateFromTimestamp", "localtimestamp", FieldKind::Date, false},
    {"DateTimeFromTimestamptz", "now()", FieldKind::DateTime, true},
    {"DateTimeFromDate", "current_date", FieldKind::DateTime, true},
    {"DateTimeFromText", "'2024-01-01'::text", FieldKind::DateTime, false},
    {"DomainOverIntegerIsItsBaseType", "1::information_schema.cardinal_number", FieldKind::Integer, true},
};

INSTANTIATE_TEST_SUITE_P(Cases, DeclaredKinds, testing::ValuesIn(kKindCases),
                         [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.label); });

TEST_F(QueryTest, AMissingDeclaredColumnIsNamedAndTheQueryStaysClosed) {
    Query query("dsEmitent", con_, "select emitent from emitent", {{"emitent"}, {"eu_punct_lucru"}});
    EXPECT_EQ(errorOpening(query), "Coloana eu_punct_lucru lipseste din rezultatul dsEmitent");
    EXPECT_FALSE(query.isOpen());
    EXPECT_EQ(query.rowCount(), 0);
}

TEST_F(QueryTest, ColumnNamesMatchWithoutRegardToCaseAndExtraColumnsAreIgnored) {
    Query query("dsEu", con_, "select * from eu", {{"JAS_IP", FieldKind::Memo}, {"Cod_Cci", FieldKind::Text, 20, true}});
    query.open();
    EXPECT_EQ(query.fieldText("jas_ip"), "jas.demo.local:8443");
    EXPECT_EQ(query.fieldText("cod_cci"), "RO1001");
}

// A failed refresh leaves the query with the rows it had.
TEST_F(QueryTest, AFailedRefreshKeepsThePreviousRows) {
    testdb::exec(testdb::port(), "varnok1",
                 "drop table if exists t_refresh; create table t_refresh (c integer); insert into t_refresh values (7);"
                 "grant select on t_refresh to varnok;");
    Query query("dsRefresh", con_, "select c from t_refresh", {{"c", FieldKind::Integer}});
    query.open();
    testdb::exec(testdb::port(), "varnok1", "alter table t_refresh alter column c type text using 'x' || c;");
    EXPECT_THROW(query.refresh(), DbError);
    EXPECT_TRUE(query.isOpen());
    EXPECT_EQ(query.fieldText("c"), "7");
    query.open();  // already open: runs nothing
    EXPECT_EQ(query.fieldText("c"), "7");
    testdb::exec(testdb::port(), "varnok1", "drop table t_refresh;");
}

TEST_F(QueryTest, AServerErrorKeepsTheQueryClosed) {
    Query query("dsMissing", con_, "select * from nu_exista_tabela", {});
    EXPECT_EQ(errorOpening(query), "relation \"nu_exista_tabela\" does not exist");
    EXPECT_FALSE(query.isOpen());
}

TEST_F(QueryTest, AParameterHoldingANulByteIsRefused) {
    Query query("dsNul", con_, "select :pValue as v", {{"v"}});
    query.setParam("pValue", std::string("a\0b", 3));
    const std::string error = errorOpening(query);
    EXPECT_NE(error.find("pValue"), std::string::npos) << error;
    EXPECT_FALSE(query.isOpen());
}

TEST_F(QueryTest, ALargeParameterRoundTrips) {
    std::string payload(50u << 20, '\0');
    for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<char>('a' + (i * 7 + i / 1000) % 26);
    payload.replace(0, 4, "[{\"");
    payload.replace(payload.size() - 3, 3, "\"}]");
    Query query("dsLarge", con_, "select :pJson as v, length(:pjson) as n", {{"v", FieldKind::Memo}, {"n"}});
    query.setParam("pJson", payload);
    query.open();
    EXPECT_EQ(query.fieldText("n"), std::to_string(payload.size()));
    EXPECT_TRUE(query.value(0, 0) == payload);
}

}  // namespace
}  // namespace worvanta::pg
