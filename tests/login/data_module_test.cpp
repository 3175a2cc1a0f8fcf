#include <gtest/gtest.h>

#include <map>
#include <set>

#include "build_config.h"
#include "db/login_statements.h"
#include "login/dm_con.h"

namespace {

using worvanta::login::DmCon;
using worvanta::pg::FieldDefs;
using worvanta::pg::FieldKind;
using worvanta::pg::SslMode;

TEST(DataModule, StartsWithDesignTimeSettingsClosedAndEmpty)
{
    DmCon dm;
    EXPECT_EQ(dm.objectName(), QStringLiteral("dmCon"));

    EXPECT_EQ(dm.conVarnokMob.server(), worvanta::build::kDirectoryHost);
    EXPECT_EQ(dm.conVarnokMob.port(), worvanta::build::kDirectoryPort);
    EXPECT_EQ(dm.conVarnokMob.database(), "varnok_mob");
    EXPECT_EQ(dm.conVarnokMob.user(), "varnok");
    EXPECT_EQ(dm.conVarnokMob.sslMode(), SslMode::Require);
    EXPECT_FALSE(dm.conVarnokMob.disconnected());

    EXPECT_EQ(dm.conVarnok.server(), worvanta::build::kCompanyHost);
    EXPECT_EQ(dm.conVarnok.port(), 5432);
    EXPECT_EQ(dm.conVarnok.database(), "varnok1");
    EXPECT_EQ(dm.conVarnok.user(), "varnok");
    EXPECT_EQ(dm.conVarnok.sslMode(), SslMode::Require);
    EXPECT_TRUE(dm.conVarnok.disconnected());

    for (const worvanta::pg::Query* query : {&dm.dsEmitent, &dm.dsAplicatieMob, &dm.dsAplicatieMobEmitent, &dm.dsEu}) {
        EXPECT_FALSE(query->isOpen()) << query->name();
        EXPECT_EQ(&query->connection(), &dm.conVarnok) << query->name();
    }
    EXPECT_FALSE(dm.conVarnokMob.isConnected());
    EXPECT_FALSE(dm.conVarnok.isConnected());
    for (const std::string* field : {&dm.glNumeFirma, &dm.glUser, &dm.glUserPass, &dm.glDataBase, &dm.glUserRol,
                                     &dm.glEuPL, &dm.glJasIP, &dm.glJasProtocol})
        EXPECT_TRUE(field->empty());
}

TEST(DataModule, LoginStatementsAreSentAsWrittenLineByLine)
{
    DmCon dm;
    const std::map<std::string, std::vector<std::string>> lines = {
        {"dsEmitent", {"select *", "from emitent", "where emitent = :pEmitent", "  and operator_parola = :pP", ";"}},
        {"dsAplicatieMob",
         {"select *", "from aplicatie_mob", "where lower(aplicatie_mob) = lower(:pAplicatieMob)", "  and activ", ";"}},
        {"dsAplicatieMobEmitent",
         {"select *", "from aplicatie_mob_emitent", "where emitent = :pEmitent",
          "  and lower(aplicatie_mob) = lower(:pAplicatieMob)", ";"}},
        {"dsEu", {"select *", "from eu", ";"}},
        {"dsVarnokMobil", {"select *", "from m_firma", "where nume_firma = :pNumeFirma", ";"}},
    };
    const std::map<std::string, std::string> statements = {
        {"dsEmitent", dm.dsEmitent.statement()},
        {"dsAplicatieMob", dm.dsAplicatieMob.statement()},
        {"dsAplicatieMobEmitent", dm.dsAplicatieMobEmitent.statement()},
        {"dsEu", dm.dsEu.statement()},
        {"dsVarnokMobil", worvanta::db::kDsVarnokMobilStatement},
    };
    for (const auto& [name, statementLines] : lines) {
        std::string joined;
        for (const std::string& line : statementLines)
            joined += (joined.empty() ? "" : "\n") + line;
        EXPECT_EQ(statements.at(name), joined) << name;
    }
}

struct ColumnsCase {
    const char* query;
    FieldDefs fields;
    std::size_t total;
    std::map<FieldKind, int> perKind;
    int required;
};

void PrintTo(const ColumnsCase& c, std::ostream* out) { *out << c.query; }

class DeclaredColumns : public ::testing::TestWithParam<ColumnsCase> {};

TEST_P(DeclaredColumns, CountsPerKindRequiredAndUniqueNames)
{
    const ColumnsCase& c = GetParam();
    EXPECT_EQ(c.fields.size(), c.total);
    std::map<FieldKind, int> perKind;
    std::set<std::string> names;
    int required = 0;
    for (const auto& field : c.fields) {
        ++perKind[field.kind];
        required += field.required ? 1 : 0;
        EXPECT_TRUE(names.insert(field.name).second) << "duplicate " << field.name;
        EXPECT_EQ(field.size > 0, field.kind == FieldKind::Text) << field.name;
    }
    EXPECT_EQ(perKind, c.perKind);
    EXPECT_EQ(required, c.required);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, DeclaredColumns,
    ::testing::Values(
        ColumnsCase{"dsEmitent", worvanta::db::emitentFields(), 65,
                    {{FieldKind::Text, 32}, {FieldKind::Boolean, 26}, {FieldKind::Date, 2},
                     {FieldKind::DateTime, 2}, {FieldKind::Integer, 2}, {FieldKind::Float, 1}},
                    2 + 24 + 1},
        ColumnsCase{"dsEu", worvanta::db::euFields(), 117,
                    {{FieldKind::Text, 51}, {FieldKind::Memo, 2}, {FieldKind::Boolean, 41},
                     {FieldKind::Date, 7}, {FieldKind::Integer, 3}, {FieldKind::Float, 13}},
                    6 + 38 + 2 + 1},
        ColumnsCase{"dsAplicatieMob", worvanta::db::aplicatieMobFields(), 3,
                    {{FieldKind::Text, 1}, {FieldKind::Boolean, 1}, {FieldKind::Memo, 1}}, 2},
        ColumnsCase{"dsAplicatieMobEmitent", worvanta::db::aplicatieMobEmitentFields(), 3,
                    {{FieldKind::Text, 2}, {FieldKind::Memo, 1}}, 2},
        ColumnsCase{"dsVarnokMobil", worvanta::db::varnokMobilFields(), 7,
                    {{FieldKind::Text, 2}, {FieldKind::Memo, 2}, {FieldKind::Integer, 1}, {FieldKind::Boolean, 2}},
                    2}),
    [](const ::testing::TestParamInfo<ColumnsCase>& info) { return std::string(info.param.query); });

TEST(DataModule, ColumnsTheLoginReadsAreDeclared)
{
    const auto has = [](const FieldDefs& fields, const std::string& name) {
        for (const auto& field : fields)
            if (field.name == name)
                return true;
        return false;
    };
    EXPECT_TRUE(has(worvanta::db::emitentFields(), "eu_punct_lucru"));
    EXPECT_TRUE(has(worvanta::db::aplicatieMobEmitentFields(), "rol"));
    EXPECT_TRUE(has(worvanta::db::euFields(), "jas_ip"));
    for (const char* column : {"ip", "port", "db_name", "pw_hash_type"})
        EXPECT_TRUE(has(worvanta::db::varnokMobilFields(), column)) << column;
}

struct StyleCase {
    const char* element;
    worvanta::grid::GridStyle worvanta::grid::GridStyleSheet::*member;
    const char* name;
    unsigned background;
    std::optional<unsigned> text;
    std::optional<bool> bold;
};

void PrintTo(const StyleCase& c, std::ostream* out) { *out << c.element; }

class StyleSheet : public ::testing::TestWithParam<StyleCase> {};

TEST_P(StyleSheet, EachElementHasItsStyle)
{
    const DmCon dm;
    const StyleCase& c = GetParam();
    EXPECT_EQ(dm.GridTableViewStyleSheetDevExpress.name, "GridTableViewStyleSheetDevExpress");
    const worvanta::grid::GridStyle& style = dm.GridTableViewStyleSheetDevExpress.*(c.member);
    EXPECT_EQ(style.name, c.name);
    EXPECT_EQ(style.background, c.background);
    EXPECT_EQ(style.textColor, c.text);
    EXPECT_EQ(style.bold, c.bold);
    EXPECT_EQ(style.fontFamily, c.bold ? "MS Sans Serif" : "");
    EXPECT_EQ(style.fontPixelHeight, c.bold ? 11 : 0);
}

using Sheet = worvanta::grid::GridStyleSheet;
INSTANTIATE_TEST_SUITE_P(
    Elements, StyleSheet,
    ::testing::Values(StyleCase{"background", &Sheet::background, "cxStyle1", 0xFFFBF0, {}, {}},
                      StyleCase{"content", &Sheet::content, "cxStyle2", 0xD9EAF7, 0x000000, false},
                      StyleCase{"contentEven", &Sheet::contentEven, "cxStyle3", 0xD9EAF7, 0x000000, {}},
                      StyleCase{"contentOdd", &Sheet::contentOdd, "cxStyle4", 0xEAF3FB, 0x000000, {}},
                      StyleCase{"filterBox", &Sheet::filterBox, "cxStyle5", 0xFFFFE1, 0x000000, {}},
                      StyleCase{"incSearch", &Sheet::incSearch, "cxStyle11", 0xFED547, 0x000000, {}},
                      StyleCase{"footer", &Sheet::footer, "cxStyle6", 0xFFFFE1, 0x000080, true},
                      StyleCase{"group", &Sheet::group, "cxStyle7", 0xF1EFE2, {}, {}},
                      StyleCase{"groupByBox", &Sheet::groupByBox, "cxStyle8", 0xFED547, 0x000000, {}},
                      StyleCase{"header", &Sheet::header, "cxStyle9", 0x316AC5, 0xFFFFFF, true},
                      StyleCase{"inactive", &Sheet::inactive, "cxStyle10", 0xA4C4EB, {}, {}},
                      StyleCase{"indicator", &Sheet::indicator, "cxStyle12", 0xA4C4EB, {}, {}},
                      StyleCase{"preview", &Sheet::preview, "cxStyle13", 0xFFFFE1, 0x000080, true},
                      StyleCase{"selection", &Sheet::selection, "cxStyle14", 0x316AC5, 0xFFFFFF, {}}),
    [](const ::testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.element); });

}  // namespace
