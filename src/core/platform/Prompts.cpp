#include "core/platform/Prompts.h"

namespace {
IPrompts* g_prompts = nullptr;

IPrompts& ActivePrompts() {
    static CNoPrompts nobody;
    return g_prompts != nullptr ? *g_prompts : nobody;
}
}  // namespace

MessageAnswer UnansweredMessage(MessageButtons buttons) {
    return buttons == MessageButtons::Ok      ? MessageAnswer::Ok
           : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                              : MessageAnswer::Cancel;
}

MessageAnswer CNoPrompts::ShowMessage(const std::string&, MessageIcon, MessageButtons buttons) {
    return UnansweredMessage(buttons);
}

bool CNoPrompts::ChooseOpenFile(const FileChoice&, std::string&) {
    return false;
}

bool CNoPrompts::ChooseSaveFile(const FileChoice&, std::string&) {
    return false;
}

bool CNoPrompts::SetClipboardText(const std::string&) {
    return false;
}

void SetPrompts(IPrompts* prompts) {
    g_prompts = prompts;
}

IPrompts* GetPrompts() {
    return g_prompts;
}

void ShowMessage(const std::string& text, MessageIcon icon) {
    ActivePrompts().ShowMessage(text, icon, MessageButtons::Ok);
}

bool AskYesNo(const std::string& text, MessageIcon icon) {
    return ActivePrompts().ShowMessage(text, icon, MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool ChooseOpenFile(const FileChoice& choice, std::string& path) {
    return ActivePrompts().ChooseOpenFile(choice, path);
}

bool ChooseSaveFile(const FileChoice& choice, std::string& path) {
    return ActivePrompts().ChooseSaveFile(choice, path);
}

bool SetClipboardText(const std::string& text) {
    return ActivePrompts().SetClipboardText(text);
}

std::string FormatMessageText(const std::string& pattern, const std::vector<std::string>& args) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            result += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}
