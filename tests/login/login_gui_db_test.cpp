#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/start_up.h"
#include "recording_prompter.h"
#include "support/test_db.h"
#include "ui/error_display.h"
#include "xdg_folder.h"

namespace {

namespace testdb = worvanta::testdb;

// The whole road through the windows: the menu's Login button, typing into
// the login form, Enter, and the menu after it.
class LoginThroughTheWindows : public ::testing::Test {
protected:
    LoginThroughTheWindows()
    {
        worvanta::ui::setApplicationTitle(QStringLiteral("worvanta"));
        testdb::pointAt(windows->dmCon->conVarnokMob, testdb::port(), "varnok_mob");
        windows->fMenuOrvanta->show();
        QApplication::processEvents();
    }
    ~LoginThroughTheWindows() override { worvanta::ui::setApplicationTitle(QString()); }

    // Presses Login; once the form shows, types and presses Enter. A form
    // still open after that is closed, so that the test goes on.
    void loginTyping(const QString& company, const QString& user, const QString& password)
    {
        worvanta::login::TfrmLogin* form = windows->frmLogin.get();
        QTimer::singleShot(0, form, [=, this] {
            formWasShown = form->isVisible();
            focusAtOpen = form->focusWidget();
            companyAtOpen = form->Edit1->text();
            userAtOpen = form->Edit2->text();
            form->Edit1->clear();
            QTest::keyClicks(form->Edit1, company);
            form->Edit2->clear();
            QTest::keyClicks(form->Edit2, user);
            form->Edit3->clear();
            QTest::keyClicks(form->Edit3, password);
            QTest::keyClick(form->Edit3, Qt::Key_Return);
            passwordAfterEnter = form->Edit3->text();
            if (form->isVisible())
                form->reject();
        });
        windows->fMenuOrvanta->ButtonLogin->click();
    }

    worvanta::testing::XdgConfigFolder settings;
    worvanta::testing::RecordingPrompter prompter;
    std::unique_ptr<worvanta::app::AppWindows> windows = worvanta::app::createWindows();
    bool formWasShown = false;
    QWidget* focusAtOpen = nullptr;
    QString companyAtOpen, userAtOpen, passwordAfterEnter;
};

TEST_F(LoginThroughTheWindows, FailedThenSuccessfulLoginShowsDatabaseAndUser)
{
    auto* menu = windows->fMenuOrvanta.get();

    loginTyping(QStringLiteral("ACME"), QStringLiteral("admin"), QStringLiteral("gresit"));
    EXPECT_TRUE(formWasShown);
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(prompter.errors[0].title, QStringLiteral("worvanta"));
    EXPECT_EQ(prompter.errors[0].text, QStringLiteral("User, Password eronate."));
    EXPECT_EQ(passwordAfterEnter, QStringLiteral("gresit"));  // the boxes keep their texts
    EXPECT_TRUE(menu->PanelLogin->isVisible());
    EXPECT_FALSE(menu->PanelMenu->isVisible());

    // The second showing comes back with the company and user of the last attempt.
    loginTyping(QStringLiteral("Demo SRL"), QStringLiteral("Ana Pop"), QStringLiteral("ana 123 "));
    EXPECT_EQ(companyAtOpen, QStringLiteral("ACME"));
    EXPECT_EQ(userAtOpen, QStringLiteral("admin"));
    EXPECT_EQ(focusAtOpen, windows->frmLogin->Edit3);
    ASSERT_EQ(prompter.errors.size(), 1u) << prompter.errors.back().text.toStdString();
    EXPECT_TRUE(passwordAfterEnter.isEmpty());
    EXPECT_EQ(windows->frmLogin->result(), QDialog::Accepted);

    EXPECT_FALSE(menu->PanelLogin->isVisible());
    EXPECT_TRUE(menu->PanelMenu->isVisible());
    EXPECT_EQ(menu->LabelDataBase->text(), QStringLiteral("varnok1"));
    EXPECT_EQ(menu->LabelUser->text(), QStringLiteral("User Ana Pop"));
    EXPECT_TRUE(menu->ButtonAllPayments->isVisible());
}

}  // namespace
