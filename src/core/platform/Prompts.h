#pragma once

#include <string>
#include <vector>

enum class MessageIcon { None, Information, Warning, Stop, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// What a file choice asks for. The filter is "Description|patterns|...||", the
// patterns separated by ";".
struct FileChoice {
    std::string filter;
    std::string defaultExtension;
    bool mustExist = false;         // open: the chosen file must exist
    bool confirmOverwrite = false;  // save: ask before replacing a file
    // A check box the dialog offers beside the name when option is given: it starts as
    // *option and the person's choice comes back there.
    std::string optionText;
    bool* option = nullptr;
};

// Everything the core asks of a person or of the desktop: message boxes, questions, file
// choices, the clipboard. The GUI answers with dialogs; tests and lvtool answer by script.
class IPrompts {
public:
    virtual ~IPrompts() = default;
    virtual MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // Both return false when the person cancels; path is then left as it was.
    virtual bool ChooseOpenFile(const FileChoice& choice, std::string& path) = 0;
    virtual bool ChooseSaveFile(const FileChoice& choice, std::string& path) = 0;
    virtual bool SetClipboardText(const std::string& text) = 0;
};

// The answer when nobody answers a message: Ok, No, or Cancel where that is offered (change
// nothing).
MessageAnswer UnansweredMessage(MessageButtons buttons);

// Prompts with nobody to ask: messages vanish unanswered, file choices are cancelled and the
// clipboard refuses.
class CNoPrompts : public IPrompts {
public:
    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;
    bool ChooseOpenFile(const FileChoice& choice, std::string& path) override;
    bool ChooseSaveFile(const FileChoice& choice, std::string& path) override;
    bool SetClipboardText(const std::string& text) override;
};

void SetPrompts(IPrompts* prompts);
// The installed prompts; null when none are.
IPrompts* GetPrompts();

// Through the installed prompts, or else through CNoPrompts.
void ShowMessage(const std::string& text, MessageIcon icon);
bool AskYesNo(const std::string& text, MessageIcon icon = MessageIcon::Question);
bool ChooseOpenFile(const FileChoice& choice, std::string& path);
bool ChooseSaveFile(const FileChoice& choice, std::string& path);
bool SetClipboardText(const std::string& text);

// A message text with %1, %2 ... replaced by the arguments, in the way of the string table.
std::string FormatMessageText(const std::string& pattern, const std::vector<std::string>& args);
