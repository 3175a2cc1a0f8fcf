#include <gtest/gtest.h>

#include <string>

#include "pg/command.h"
#include "pg/connection.h"
#include "pg/db_error.h"
#include "support/test_db.h"

namespace worvanta::pg {
namespace {

class CommandTest : public testing::Test {
protected:
    CommandTest() : con_("conVarnok") { testdb::pointAt(con_, testdb::port(), "varnok1", SslMode::Prefer); }
    Connection con_;
};

// The message of a RAISE EXCEPTION reaches the caller exactly as raised.
TEST_F(CommandTest, RaisedExceptionTextIsTheMessage) {
    const std::string messages[] = {
        "Header gresit la coloana A",
        " Valoare invalida pentru \"settleDate\" in randul de date 3",
        "Err - trailing spaces   ",
        "doua\nlinii",
        "diacritice: ăîâșț",
    };
    Command command("o_raise", con_,
                    "do $$ begin raise exception using message = current_setting('worvanta.msg'); end $$");
    Command setMessage("set_msg", con_, "select set_config('worvanta.msg', :pMsg, false)");
    for (const std::string& message : messages) {
        setMessage.setParam("pMsg", message);
        setMessage.execute();
        try {
            command.execute();
            ADD_FAILURE() << "no error for " << message;
        } catch (const DbError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
        EXPECT_FALSE(command.isOpen());
    }
}

TEST_F(CommandTest, ExecuteKeepsARowResultOpenUntilTheNextExecution) {
    Command command("o_rows", con_, "select generate_series(1, length(:pjsonallpayments))");
    command.setParam("pJsonAllPayments", "abc");
    command.execute();
    EXPECT_TRUE(command.isOpen());
    EXPECT_EQ(command.rowCount(), 3);
    EXPECT_EQ(command.value(2, 0), "3");
    EXPECT_THROW(command.value(3, 0), DbError);

    command.setParam("pjsonallpayments", "a");
    command.execute();
    EXPECT_EQ(command.rowCount(), 1);

    command.close();
    EXPECT_FALSE(command.isOpen());
    EXPECT_EQ(command.rowCount(), 0);

    Command noRows("o_set", con_, "set application_name = 'x'");
    noRows.execute();
    EXPECT_FALSE(noRows.isOpen());
}

TEST_F(CommandTest, AFailedExecutionLeavesTheCommandClosed) {
    Command command("o_fail", con_, "select 1 / length(:p)");
    command.setParam("p", "x");
    command.execute();
    ASSERT_TRUE(command.isOpen());
    command.setParam("p", "");
    EXPECT_THROW(command.execute(), DbError);
    EXPECT_FALSE(command.isOpen());
}

TEST_F(CommandTest, OnlyOneStatementRuns) {
    Command command("o_two", con_, "select 1; drop table emitent");
    EXPECT_THROW(command.execute(), DbError);
    EXPECT_EQ(testdb::scalar(testdb::port(), "varnok1", "select to_regclass('emitent') is not null"), "t");
}

TEST_F(CommandTest, ALargePayloadIsSentOnce) {
    std::string payload(50u << 20, 'x');
    payload.front() = '[';
    payload.back() = ']';
    Command command("o_len", con_, "select length(:pJson) = octet_length(:pjson) and right(:PJSON, 1) = ']'");
    command.setParam("pJson", std::move(payload));
    command.execute();
    ASSERT_EQ(command.rowCount(), 1);
    EXPECT_EQ(command.value(0, 0), "t");
}

}  // namespace
}  // namespace worvanta::pg
