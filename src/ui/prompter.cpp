#include "ui/prompter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace worvanta::ui {

namespace {

class DialogPrompter final : public Prompter {
public:
    std::optional<QString> chooseFile(QWidget* parent, const QString& /*dialogName*/) override
    {
        const QString file = QFileDialog::getOpenFileName(parent);
        if (file.isEmpty())
            return std::nullopt;
        return file;
    }

    void showError(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    void showInfo(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
};

Prompter*& installed()
{
    static Prompter* current = nullptr;
    return current;
}

}  // namespace

Prompter& prompter()
{
    static DialogPrompter dialogs;
    Prompter* current = installed();
    return current != nullptr ? *current : dialogs;
}

void installPrompter(Prompter* replacement)
{
    installed() = replacement;
}

}  // namespace worvanta::ui
