#include <string>

#include <gtest/gtest.h>

#include "core/platform/Prompts.h"

// With no prompts installed the core asks nobody: a question is answered No, a choice is
// cancelled and leaves the path as it was, and the clipboard refuses.
TEST(Prompts, WithNoneInstalledNobodyAnswers) {
    IPrompts* installed = GetPrompts();
    SetPrompts(nullptr);
    ShowMessage("nobody reads this", MessageIcon::Information);
    EXPECT_FALSE(AskYesNo("Save?"));
    std::string path = "kept";
    EXPECT_FALSE(ChooseOpenFile(FileChoice{}, path));
    EXPECT_FALSE(ChooseSaveFile(FileChoice{}, path));
    EXPECT_EQ(path, "kept");
    EXPECT_FALSE(SetClipboardText("text"));
    SetPrompts(installed);
}

TEST(Prompts, NobodyChangesNothingWhereCancelIsOffered) {
    CNoPrompts nobody;
    const struct {
        MessageButtons buttons;
        MessageAnswer answer;
    } cases[] = {
        {MessageButtons::Ok, MessageAnswer::Ok},
        {MessageButtons::YesNo, MessageAnswer::No},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nobody.ShowMessage("?", MessageIcon::Question, c.buttons), c.answer);
    }
}
