#pragma once

#include <QString>

#include "core/platform/Prompts.h"

// Prompts of the Qt program: message boxes, file dialogs and the clipboard.
class CQtPrompts : public IPrompts {
public:
    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;
    bool ChooseOpenFile(const FileChoice& choice, std::string& path) override;
    bool ChooseSaveFile(const FileChoice& choice, std::string& path) override;
    bool SetClipboardText(const std::string& text) override;
};

// "Desc|pat;pat|...||" as a QFileDialog name filter list ("Desc (pat pat);;..."). File
// extensions compare without regard to case, so each pattern also matches in upper case.
QString ToQtNameFilters(const std::string& filter);
