#include "CToolPrompts.h"

#include <cstdio>

void PrintError(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            while (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n')) {
                ++i;
            }
            line += ' ';
        } else {
            line += text[i];
        }
    }
    std::fprintf(stderr, "lvtool: %s\n", line.c_str());
}

MessageAnswer CToolPrompts::ShowMessage(const std::string& text, MessageIcon icon,
                                        MessageButtons buttons) {
    PrintError(text);
    return CNoPrompts::ShowMessage(text, icon, buttons);
}
