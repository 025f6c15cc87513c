#pragma once

#include "core/platform/Prompts.h"

// lvtool asks nobody: messages go to standard error on one line, questions are answered No,
// file choices are cancelled and there is no clipboard.
class CToolPrompts : public IPrompts {
public:
    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;
    bool ChooseOpenFile(const FileChoice& choice, std::string& path) override;
    bool ChooseSaveFile(const FileChoice& choice, std::string& path) override;
    bool SetClipboardText(const std::string& text) override;
};

// "lvtool: " and the text on standard error, its line breaks folded into blanks.
void PrintError(const std::string& text);
