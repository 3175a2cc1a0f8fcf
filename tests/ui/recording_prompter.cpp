#include "recording_prompter.h"

namespace worvanta::testing {

std::optional<QString> RecordingPrompter::chooseFile(QWidget*, const QString& dialogName)
{
    dialogs.push_back(dialogName);
    if (files.empty())
        return std::nullopt;
    const QString file = files.front();
    files.pop_front();
    return file;
}

void RecordingPrompter::showError(QWidget*, const QString& title, const QString& text)
{
    errors.push_back({title, text});
}

void RecordingPrompter::showInfo(QWidget*, const QString& title, const QString& text)
{
    infos.push_back({title, text});
}

void RecordingPrompter::clear()
{
    dialogs.clear();
    errors.clear();
    infos.clear();
}

}  // namespace worvanta::testing
