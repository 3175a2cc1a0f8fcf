#pragma once
#include <QDialog>

#include "login/login_cache.h"
#include "login/login_flow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace worvanta::login {

class DmCon;

// The login form: company, user and password; Enter logs in. The company and
// user boxes follow the login cache, the password box never does.
class TfrmLogin : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLogin(DmCon& dmCon, QWidget* parent = nullptr);

    LoginFlow& flow() { return flow_; }
    const LoginCache& cache() const { return cache_; }

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void Button1Click();

    LoginCache cache_;
    LoginFlow flow_;
};

}  // namespace worvanta::login
