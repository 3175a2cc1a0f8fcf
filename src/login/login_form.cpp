#include "login/login_form.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/error_display.h"

namespace worvanta::login {

namespace {

QFont tahoma(int pixels)
{
    // Where the designed face is missing, a narrow one keeps the captions beside their boxes.
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(pixels);
    return font;
}

QLabel* label(QWidget* parent, const char* name, const char* caption, int x, int y)
{
    auto* result = new QLabel(QString::fromLatin1(caption), parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setFont(tahoma(12));
    result->move(x, y);
    result->adjustSize();
    return result;
}

QLineEdit* edit(QWidget* parent, const char* name, int y)
{
    auto* result = new QLineEdit(parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(77, y, 268, 21);
    return result;
}

}  // namespace

TfrmLogin::TfrmLogin(DmCon& dmCon, QWidget* parent)
    : QDialog(parent), flow_(dmCon, cache_)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("frmLogin"));
    setFont(tahoma(11));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setFixedSize(362, 158);

    Label1 = label(this, "Label1", "Company", 16, 24);
    Label2 = label(this, "Label2", "UserName", 16, 56);
    Label3 = label(this, "Label3", "Password", 16, 88);
    Edit1 = edit(this, "Edit1", 22);
    Edit2 = edit(this, "Edit2", 54);
    Edit3 = edit(this, "Edit3", 86);
    Edit3->setEchoMode(QLineEdit::Password);
    Edit3->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // '*'

    Button1 = new QPushButton(QStringLiteral("Login"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(77, 120, 75, 30);
    Button1->setDefault(true);

    setTabOrder(Edit3, Button1);
    setTabOrder(Button1, Edit1);
    setTabOrder(Edit1, Edit2);

    // The company and user boxes are bound to the cache row while typing.
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) { cache_.setCompany(text); });
    connect(Edit2, &QLineEdit::textEdited, this, [this](const QString& text) { cache_.setUsername(text); });
    connect(Button1, &QPushButton::clicked, this, &TfrmLogin::Button1Click);
}

void TfrmLogin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmLogin::FormShow()
{
    // A cache that can't be read is reported, and the form opens all the same.
    ui::runHandler(this, [this] {
        const QString path = loginCachePath();
        if (QFile::exists(path))
            cache_.load(path);
    });
    const LoginCache::Row row = cache_.current();
    Edit1->setText(row.company);
    Edit2->setText(row.username);
    Edit3->setFocus(Qt::OtherFocusReason);
}

void TfrmLogin::Button1Click()
{
    ui::runHandler(this, [this] {
        flow_.attempt(Edit1->text(), Edit2->text(), Edit3->text());
        Edit3->clear();
        accept();
    });
}

}  // namespace worvanta::login
