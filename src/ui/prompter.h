#pragma once
#include <QString>
#include <optional>

class QWidget;

namespace worvanta::ui {

// The modal conversations with the user: the open-file dialog and message
// boxes. Tests install their own to choose the file and read the messages.
class Prompter {
public:
    virtual ~Prompter() = default;
    // nullopt when the user cancels.
    virtual std::optional<QString> chooseFile(QWidget* parent, const QString& dialogName) = 0;
    // A message box with a stop icon and an OK button.
    virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message box with no icon and an OK button.
    virtual void showInfo(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The prompter in use: the real dialogs unless a test installed another.
Prompter& prompter();
void installPrompter(Prompter* prompter);  // nullptr restores the real one

}  // namespace worvanta::ui
