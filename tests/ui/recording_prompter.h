#pragma once
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/prompter.h"

namespace worvanta::testing {

// Stands in for the dialogs: answers the file dialog from a script (an
// empty script means cancel) and records every message box instead of
// showing it. Installed for as long as it lives.
class RecordingPrompter : public ui::Prompter {
public:
    struct Message {
        QString title;
        QString text;
    };

    RecordingPrompter() { ui::installPrompter(this); }
    ~RecordingPrompter() override { ui::installPrompter(nullptr); }
    RecordingPrompter(const RecordingPrompter&) = delete;
    RecordingPrompter& operator=(const RecordingPrompter&) = delete;

    std::optional<QString> chooseFile(QWidget* parent, const QString& dialogName) override;
    void showError(QWidget* parent, const QString& title, const QString& text) override;
    void showInfo(QWidget* parent, const QString& title, const QString& text) override;
    void clear();

    std::deque<QString> files;  // the files chosen in turn
    std::vector<QString> dialogs;
    std::vector<Message> errors;
    std::vector<Message> infos;
};

}  // namespace worvanta::testing
