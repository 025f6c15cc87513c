#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/platform/Prompts.h"

// Prompts for tests: records every message and answers questions and file choices from
// queues. An empty queue answers No to a yes/no question and cancels anything that can be
// cancelled.
class CScriptedPrompts : public IPrompts {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override {
        m_messages.push_back({text, icon, buttons});
        if (buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        MessageAnswer answer = MessageAnswer::Cancel;
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        }
        const bool yesNo = buttons == MessageButtons::YesNo;
        return answer == MessageAnswer::Cancel && yesNo ? MessageAnswer::No : answer;
    }
    bool ChooseOpenFile(const FileChoice& choice, std::string& path) override {
        return NextFileName(choice, path);
    }
    bool ChooseSaveFile(const FileChoice& choice, std::string& path) override {
        return NextFileName(choice, path);
    }
    bool SetClipboardText(const std::string& text) override {
        m_clipboard = m_clipboardWorks ? text : m_clipboard;
        return m_clipboardWorks;
    }

    void QueueAnswer(bool yes) {
        m_answers.push_back(yes ? MessageAnswer::Yes : MessageAnswer::No);
    }
    // The answer to a yes/no/cancel question.
    void QueueCancel() { m_answers.push_back(MessageAnswer::Cancel); }
    // An empty name cancels the dialog.
    void QueueFileName(const std::string& path) { m_fileNames.push_back(path); }
    // The person's choice of the next file dialog's check box; without one it stays.
    void QueueOption(bool checked) { m_options.push_back(checked); }
    void SetClipboardWorks(bool works) { m_clipboardWorks = works; }

    const std::vector<Message>& Messages() const { return m_messages; }
    const std::vector<FileChoice>& FileChoices() const { return m_fileChoices; }
    // For each file dialog: the check box's state as offered, -1 for no check box.
    const std::vector<int>& OptionsOffered() const { return m_optionsOffered; }
    const std::string& Clipboard() const { return m_clipboard; }
    void ClearMessages() { m_messages.clear(); }

private:
    bool NextFileName(const FileChoice& choice, std::string& path) {
        m_fileChoices.push_back(choice);
        m_optionsOffered.push_back(choice.option != nullptr ? int{*choice.option} : -1);
        if (choice.option != nullptr && !m_options.empty()) {
            *choice.option = m_options.front();
            m_options.pop_front();
        }
        if (m_fileNames.empty()) {
            return false;
        }
        const std::string next = m_fileNames.front();
        m_fileNames.pop_front();
        path = next.empty() ? path : next;
        return !next.empty();
    }

    std::vector<Message> m_messages;
    std::vector<FileChoice> m_fileChoices;
    std::deque<MessageAnswer> m_answers;
    std::deque<std::string> m_fileNames;
    std::deque<bool> m_options;
    std::vector<int> m_optionsOffered;
    std::string m_clipboard;
    bool m_clipboardWorks = true;
};
