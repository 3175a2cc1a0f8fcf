#include "app/menu_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "build_config.h"
#include "login/dm_con.h"
#include "login/login_form.h"
#include "ui/error_display.h"

namespace worvanta::app {

namespace {

constexpr int kClientWidth = 374;
constexpr int kClientHeight = 356;
constexpr int kPanelLoginHeight = 57;
constexpr int kShapeTop = 45;

QFont segoe()
{
    // Where the designed face is missing, a narrow one keeps the captions inside their buttons.
    QFont font;
    font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(12);
    return font;
}

QLabel* tealLabel(QWidget* parent, const char* name, int x, int y)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = segoe();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x80));
    label->setPalette(palette);
    label->move(x, y);
    return label;
}

QLabel* versionLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(versionText(), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(segoe());
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(kClientWidth - 96, 5, 88, 16);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, int x, int y, int width,
                    int height)
{
    auto* result = new QPushButton(QString::fromLatin1(caption), parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(x, y, width, height);
    return result;
}

}  // namespace

QString versionText()
{
    return QStringLiteral("v") + QString::fromLatin1(build::kVersion);
}

TfMenuOrvanta::TfMenuOrvanta(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fMenuOrvanta"));
    setWindowTitle(QStringLiteral("fMenuOrvanta"));
    setFont(segoe());
    resize(kClientWidth, kClientHeight);
    // The button-face colour as the window's own (a background role would
    // also change the text role that the labels inherit).
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    PanelLogin = new QWidget(this);
    PanelLogin->setObjectName(QStringLiteral("PanelLogin"));
    PanelLogin->setFixedHeight(kPanelLoginHeight);
    ButtonLogin = button(PanelLogin, "ButtonLogin", "Login", 16, 13, 81, 34);
    Label1 = versionLabel(PanelLogin, "Label1");
    layout->addWidget(PanelLogin);

    PanelMenu = new QWidget(this);
    PanelMenu->setObjectName(QStringLiteral("PanelMenu"));
    LabelDataBase = tealLabel(PanelMenu, "LabelDataBase", 6, 5);
    LabelDataBase->setWordWrap(true);
    LabelDataBase->resize(kClientWidth - 110, 20);
    LabelUser = tealLabel(PanelMenu, "LabelUser", 6, 25);
    LabelUser->resize(kClientWidth - 12, 20);
    Label2 = versionLabel(PanelMenu, "Label2");
    Shape1 = new QFrame(PanelMenu);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::NoFrame);
    Shape1->setAutoFillBackground(true);
    QPalette line = Shape1->palette();
    line.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Shape1->setPalette(line);
    Shape1->setGeometry(0, kShapeTop, kClientWidth, 1);
    PanelMenu->installEventFilter(this);

    ButtonCashCallClient = button(PanelMenu, "ButtonCashCallClient", "Cash Call Client", 16, 64, 153, 25);
    ButtonCashCallDefEfs = button(PanelMenu, "ButtonCashCallDefEfs", "Cash Call - DEF, EFS", 16, 95, 153, 25);
    ButtonAllPayments = button(PanelMenu, "ButtonAllPayments", "All payments", 16, 126, 153, 25);
    ButtonVmsPerformanceAgregat =
        button(PanelMenu, "ButtonVmsPerformanceAgregat", "Vms performance agregat", 16, 157, 153, 25);
    ButtonVmSettlementStatusP =
        button(PanelMenu, "ButtonVmSettlementStatusP", "Vm settlement status p", 16, 188, 153, 25);
    setTabOrder(ButtonCashCallClient, ButtonCashCallDefEfs);
    setTabOrder(ButtonCashCallDefEfs, ButtonAllPayments);
    setTabOrder(ButtonAllPayments, ButtonVmsPerformanceAgregat);
    setTabOrder(ButtonVmsPerformanceAgregat, ButtonVmSettlementStatusP);
    layout->addWidget(PanelMenu, 1);
    layout->addStretch(0);  // keeps PanelLogin at the top while PanelMenu is hidden

    connect(ButtonLogin, &QPushButton::clicked, this, &TfMenuOrvanta::ButtonLoginClick);
    const std::array<QPushButton*, 5> screenButtons = {ButtonCashCallClient, ButtonCashCallDefEfs,
                                                       ButtonAllPayments, ButtonVmsPerformanceAgregat,
                                                       ButtonVmSettlementStatusP};
    for (std::size_t i = 0; i < screenButtons.size(); ++i)
        connect(screenButtons[i], &QPushButton::clicked, this, [this, i] { showScreen(screens_[i]); });

    FormCreate();
}

void TfMenuOrvanta::attach(login::DmCon* dmCon, login::TfrmLogin* frmLogin,
                           const std::array<QWidget*, 5>& screens)
{
    dmCon_ = dmCon;
    frmLogin_ = frmLogin;
    screens_ = screens;
}

void TfMenuOrvanta::FormCreate()
{
    PanelMenu->hide();
}

void TfMenuOrvanta::ButtonLoginClick()
{
    ui::runHandler(this, [this] {
        if (frmLogin_ == nullptr || dmCon_ == nullptr)
            return;
        if (frmLogin_->exec() != QDialog::Accepted)
            return;
        PanelLogin->hide();
        PanelMenu->show();
        LabelDataBase->setText(QString::fromStdString(dmCon_->glDataBase));
        LabelUser->setText(QStringLiteral("User ") + QString::fromStdString(dmCon_->glUser));
    });
}

void TfMenuOrvanta::showScreen(QWidget* screen)
{
    ui::runHandler(this, [screen] {
        if (screen == nullptr)
            return;
        screen->show();
        screen->raise();
        screen->activateWindow();
    });
}

void TfMenuOrvanta::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

bool TfMenuOrvanta::eventFilter(QObject* watched, QEvent* event)
{
    // The line stretches across the whole width of its panel.
    if (watched == PanelMenu && event->type() == QEvent::Resize)
        Shape1->resize(PanelMenu->width(), 1);
    return QWidget::eventFilter(watched, event);
}

}  // namespace worvanta::app
