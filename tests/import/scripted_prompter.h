#pragma once
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/prompter.h"

namespace worvanta::import::testing {

// Answers the file dialog from a script (nullopt = cancel) and records the
// message boxes instead of showing them. Installed while it lives.
class ScriptedPrompter : public ui::Prompter {
public:
    struct Message {
        QString title;
        QString text;
    };

    ScriptedPrompter() { ui::installPrompter(this); }
    ~ScriptedPrompter() override { ui::installPrompter(nullptr); }
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    std::optional<QString> chooseFile(QWidget*, const QString& dialogName) override {
        dialogs.push_back(dialogName);
        if (files.empty()) return std::nullopt;
        std::optional<QString> file = files.front();
        files.pop_front();
        return file;
    }
    void showError(QWidget*, const QString& title, const QString& text) override { errors.push_back({title, text}); }
    void showInfo(QWidget*, const QString& title, const QString& text) override { infos.push_back({title, text}); }

    void clear() {
        dialogs.clear();
        errors.clear();
        infos.clear();
    }

    std::deque<std::optional<QString>> files;
    std::vector<QString> dialogs;
    std::vector<Message> errors;
    std::vector<Message> infos;
};

}  // namespace worvanta::import::testing
