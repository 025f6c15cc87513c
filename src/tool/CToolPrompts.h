#pragma once

#include "core/platform/Prompts.h"

// lvtool asks nobody, but its messages go to standard error on one line.
class CToolPrompts : public CNoPrompts {
public:
    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;
};

// "lvtool: " and the text on standard error, its line breaks folded into blanks.
void PrintError(const std::string& text);
