#include "CScriptedPrompts.h"

MessageAnswer CScriptedPrompts::ShowMessage(const std::string& text, MessageIcon icon,
                                            MessageButtons buttons) {
    m_messages.push_back({text, icon, buttons});
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    MessageAnswer answer =
        buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    if (answer == MessageAnswer::Cancel && buttons != MessageButtons::YesNoCancel) {
        answer = MessageAnswer::No;
    }
    return answer;
}

bool CScriptedPrompts::NextFileName(const FileChoice& choice, std::string& path) {
    m_fileChoices.push_back(choice);
    if (m_fileNames.empty()) {
        return false;
    }
    std::string next = m_fileNames.front();
    m_fileNames.pop_front();
    if (next.empty()) {
        return false;
    }
    path = next;
    return true;
}

bool CScriptedPrompts::ChooseOpenFile(const FileChoice& choice, std::string& path) {
    return NextFileName(choice, path);
}

bool CScriptedPrompts::ChooseSaveFile(const FileChoice& choice, std::string& path) {
    return NextFileName(choice, path);
}

bool CScriptedPrompts::SetClipboardText(const std::string& text) {
    if (!m_clipboardWorks) {
        return false;
    }
    m_clipboard = text;
    return true;
}
