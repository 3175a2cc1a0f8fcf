#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "login/dm_con.h"
#include "login/login_cache.h"
#include "login/login_form.h"
#include "recording_prompter.h"
#include "xdg_folder.h"

namespace {

using worvanta::login::DmCon;
using worvanta::login::LoginCache;
using worvanta::login::TfrmLogin;

class LoginFormTest : public ::testing::Test {
protected:
    LoginFormTest()
    {
        // A refused port: a lookup that should not happen fails at once.
        dm.conVarnokMob.setServer("127.0.0.1");
        dm.conVarnokMob.setPort(1);
    }

    void writeCache(const QByteArray& bytes) const
    {
        QFile file(settings.cacheFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    worvanta::testing::XdgConfigFolder settings;
    worvanta::testing::RecordingPrompter prompter;
    DmCon dm;
    TfrmLogin form{dm};
};

TEST_F(LoginFormTest, ComponentsCaptionsAndKeyboardOrder)
{
    EXPECT_EQ(form.objectName(), QStringLiteral("frmLogin"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("frmLogin"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Company"));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("UserName"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("Password"));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Login"));
    EXPECT_TRUE(form.Button1->isDefault());
    EXPECT_EQ(form.Edit1->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(form.Edit2->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(form.Edit3->echoMode(), QLineEdit::Password);

    // Tab walks password, button, company, user, and round again.
    form.show();
    QApplication::processEvents();
    form.activateWindow();
    const std::vector<QWidget*> order = {form.Edit3, form.Button1, form.Edit1, form.Edit2, form.Edit3};
    form.Edit3->setFocus();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(form.focusWidget(), order[i]) << "step " << i;
    }
    for (QWidget* named : {static_cast<QWidget*>(form.Edit1), static_cast<QWidget*>(form.Edit3),
                           static_cast<QWidget*>(form.Button1)})
        EXPECT_EQ(form.findChild<QWidget*>(named->objectName()), named);
}

TEST_F(LoginFormTest, WithoutACacheFileTheFormOpensEmptyWithTheFocusInThePassword)
{
    form.show();
    QApplication::processEvents();
    EXPECT_TRUE(form.Edit1->text().isEmpty());
    EXPECT_TRUE(form.Edit2->text().isEmpty());
    EXPECT_EQ(form.focusWidget(), form.Edit3);
    EXPECT_TRUE(prompter.errors.empty());
    EXPECT_FALSE(QFile::exists(settings.cacheFile()));
}

TEST_F(LoginFormTest, TheCacheFillsCompanyAndUserAndThePasswordKeepsItsText)
{
    LoginCache written;
    written.setCompany(QStringLiteral("ACME"));
    written.setUsername(QStringLiteral("admin"));
    written.save(settings.cacheFile());
    form.Edit3->setText(QStringLiteral("tastat"));

    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("ACME"));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("admin"));
    EXPECT_EQ(form.Edit3->text(), QStringLiteral("tastat"));
    EXPECT_EQ(form.focusWidget(), form.Edit3);
    EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(LoginFormTest, ACorruptCacheShowsItsErrorAndTheFormOpensAllTheSame)
{
    writeCache("{\"rows\": [");
    form.show();
    QApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_TRUE(prompter.errors[0].text.contains(QStringLiteral("VarnokTobrel.json")))
        << prompter.errors[0].text.toStdString();
    EXPECT_EQ(form.focusWidget(), form.Edit3);
}

TEST_F(LoginFormTest, AnUnwritableCacheFolderStopsTheAttemptBeforeAnyLookup)
{
    // A regular file where the folder should be: even root can't write below it.
    writeCache("a file, not a folder");
    settings.pointAt(settings.cacheFile());
    form.show();
    QApplication::processEvents();
    form.Edit1->setText(QStringLiteral("ACME"));
    form.Edit2->setText(QStringLiteral("admin"));
    form.Edit3->setText(QStringLiteral("acme123"));
    form.Button1->click();

    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_TRUE(prompter.errors[0].text.contains(settings.cacheFile())) << prompter.errors[0].text.toStdString();
    EXPECT_TRUE(form.isVisible());
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_EQ(dm.conVarnokMob.connectCount(), 0);
    EXPECT_TRUE(dm.glNumeFirma.empty());
    EXPECT_EQ(form.Edit3->text(), QStringLiteral("acme123"));
}

TEST_F(LoginFormTest, TypingIsWrittenToTheCacheAtTheAttemptButNeverThePassword)
{
    form.show();
    QApplication::processEvents();
    form.Edit1->setText(QStringLiteral("Fara Server SRL"));
    form.Edit2->setText(QStringLiteral("ion"));
    form.Edit3->setText(QStringLiteral("parolaSecreta"));
    form.Button1->click();

    // The directory can't be reached here: the attempt fails after the cache was written.
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(dm.glNumeFirma, "Fara Server SRL");
    QFile file(settings.cacheFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("Fara Server SRL"));
    EXPECT_TRUE(bytes.contains("\"ion\""));
    EXPECT_FALSE(bytes.contains("parolaSecreta"));

    // The next showing reads them back.
    form.hide();
    DmCon otherRun;
    TfrmLogin nextForm(otherRun);
    nextForm.show();
    QApplication::processEvents();
    EXPECT_EQ(nextForm.Edit1->text(), QStringLiteral("Fara Server SRL"));
    EXPECT_EQ(nextForm.Edit2->text(), QStringLiteral("ion"));
    EXPECT_TRUE(nextForm.Edit3->text().isEmpty());
}

}  // namespace
