#pragma once
#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace worvanta::login {
class DmCon;
class TfrmLogin;
}  // namespace worvanta::login

namespace worvanta::app {

// The main window: a "Login" button until a login succeeds, then the
// database, the user and one button per import screen.
class TfMenuOrvanta : public QWidget {
    Q_OBJECT
public:
    explicit TfMenuOrvanta(QWidget* parent = nullptr);

    // The forms the handlers show, created after the menu.
    void attach(login::DmCon* dmCon, login::TfrmLogin* frmLogin, const std::array<QWidget*, 5>& screens);

    QWidget* PanelLogin;
    QPushButton* ButtonLogin;
    QLabel* Label1;
    QWidget* PanelMenu;
    QLabel* LabelDataBase;
    QLabel* LabelUser;
    QLabel* Label2;
    QFrame* Shape1;
    QPushButton* ButtonCashCallClient;
    QPushButton* ButtonCashCallDefEfs;
    QPushButton* ButtonAllPayments;
    QPushButton* ButtonVmsPerformanceAgregat;
    QPushButton* ButtonVmSettlementStatusP;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void ButtonLoginClick();
    void showScreen(QWidget* screen);

    login::DmCon* dmCon_ = nullptr;
    login::TfrmLogin* frmLogin_ = nullptr;
    std::array<QWidget*, 5> screens_{};
};

// The text of the version labels.
QString versionText();

}  // namespace worvanta::app
