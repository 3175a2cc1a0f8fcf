#include "recording_prompter.h"

namespace worvanta::testing {

std::optional<QString> RecordingPrompter::chooseFile(QWidget*, const QString& dialogName)
{
    dialogNames << dialogName;
    return fileToChoose;
}

void RecordingPrompter::showError(QWidget*, const QString& title, const QString& text)
{
    errors.push_back({title, text});
}

void RecordingPrompter::showInfo(QWidget*, const QString& title, const QString& text)
{
    infos.push_back({title, text});
}

}  // namespace worvanta::testing
