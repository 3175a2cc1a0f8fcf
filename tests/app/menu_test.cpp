#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/start_up.h"
#include "recording_prompter.h"

namespace {

using worvanta::app::AppWindows;
using worvanta::app::TfMenuOrvanta;

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        windows = worvanta::app::createWindows();
        menu = windows->fMenuOrvanta.get();
        menu->show();
        QApplication::processEvents();
    }

    // Answers the modal login form as soon as it is shown.
    void pressLoginAnswering(int result)
    {
        QTimer::singleShot(0, windows->frmLogin.get(), [this, result] { windows->frmLogin->done(result); });
        menu->ButtonLogin->click();
    }

    std::vector<QPushButton*> screenButtons() const
    {
        return {menu->ButtonCashCallClient, menu->ButtonCashCallDefEfs, menu->ButtonAllPayments,
                menu->ButtonVmsPerformanceAgregat, menu->ButtonVmSettlementStatusP};
    }

    worvanta::testing::RecordingPrompter prompter;
    std::unique_ptr<AppWindows> windows;
    TfMenuOrvanta* menu = nullptr;
};

TEST_F(MenuTest, AtStartOnlyTheLoginPanelIsVisible)
{
    EXPECT_EQ(menu->objectName(), QStringLiteral("fMenuOrvanta"));
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("fMenuOrvanta"));
    EXPECT_TRUE(menu->PanelLogin->isVisible());
    EXPECT_TRUE(menu->ButtonLogin->isVisible());
    EXPECT_EQ(menu->ButtonLogin->text(), QStringLiteral("Login"));
    EXPECT_TRUE(menu->Label1->isVisible());
    EXPECT_EQ(menu->Label1->text(), menu->Label2->text());
    EXPECT_FALSE(menu->PanelMenu->isVisible());
    for (QPushButton* button : screenButtons())
        EXPECT_FALSE(button->isVisible()) << button->objectName().toStdString();
    EXPECT_EQ(menu->PanelLogin->y(), 0);
    EXPECT_EQ(menu->PanelLogin->height(), 57);
}

TEST_F(MenuTest, ScreenButtonsCarryTheirCaptionsInKeyboardOrder)
{
    const QStringList captions = {"Cash Call Client", "Cash Call - DEF, EFS", "All payments",
                                  "Vms performance agregat", "Vm settlement status p"};
    const std::vector<QPushButton*> buttons = screenButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->text(), captions[static_cast<qsizetype>(i)]);
        if (i + 1 < buttons.size()) {
            EXPECT_EQ(buttons[i]->nextInFocusChain(), buttons[i + 1]);
        }
    }
}

TEST_F(MenuTest, LoginClosedWithoutOkChangesNothing)
{
    windows->dmCon->glDataBase = "acme_db";
    pressLoginAnswering(QDialog::Rejected);
    EXPECT_TRUE(menu->PanelLogin->isVisible());
    EXPECT_FALSE(menu->PanelMenu->isVisible());
    EXPECT_TRUE(menu->LabelDataBase->text().isEmpty());
    EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(MenuTest, LoginOkShowsTheDatabaseAndTheUserWithHisSpaces)
{
    windows->dmCon->glNumeFirma = "Acme";
    windows->dmCon->glDataBase = "acme_db";
    windows->dmCon->glUser = " ion ";
    pressLoginAnswering(QDialog::Accepted);
    EXPECT_FALSE(menu->PanelLogin->isVisible());
    EXPECT_TRUE(menu->PanelMenu->isVisible());
    EXPECT_EQ(menu->LabelDataBase->text(), QStringLiteral("acme_db"));
    EXPECT_EQ(menu->LabelUser->text(), QStringLiteral("User  ion "));
    EXPECT_TRUE(menu->Label2->isVisible());
    for (QPushButton* button : screenButtons())
        EXPECT_TRUE(button->isVisible()) << button->objectName().toStdString();
    EXPECT_EQ(menu->Shape1->width(), menu->PanelMenu->width());

    // What the user sees: teal captions and a silver line across the panel.
    const QImage picture = menu->PanelMenu->grab().toImage();
    int tealPixels = 0;
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < picture.width(); ++x)
            tealPixels += picture.pixelColor(x, y).green() > picture.pixelColor(x, y).red() + 40 ? 1 : 0;
    EXPECT_GT(tealPixels, 0);
    for (int x : {0, picture.width() / 2, picture.width() - 1})
        EXPECT_EQ(picture.pixelColor(x, 45), QColor(0xC0, 0xC0, 0xC0)) << "x " << x;
}

TEST_F(MenuTest, EachScreenButtonShowsOneInstanceOfItsScreenNonModally)
{
    const std::vector<QPushButton*> buttons = screenButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        QWidget* screen = windows->screens[i].get();
        SCOPED_TRACE(screen->objectName().toStdString());
        EXPECT_FALSE(screen->isVisible());
        buttons[i]->click();
        buttons[i]->click();
        QApplication::processEvents();
        EXPECT_TRUE(screen->isVisible());
        EXPECT_FALSE(screen->isModal());
        int sameName = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            sameName += window->objectName() == screen->objectName() ? 1 : 0;
        EXPECT_EQ(sameName, 1);
        // The screens pressed before stay open beside it.
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_TRUE(windows->screens[j]->isVisible());
    }
    EXPECT_TRUE(prompter.errors.empty());
}

}  // namespace
