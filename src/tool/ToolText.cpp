// lvtool text FILE: the text of every bidding session, as Copy puts it on the clipboard.
#include <cstdio>
#include <string>

#include "CToolPrompts.h"
#include "Commands.h"
#include "ToolDocument.h"
#include "core/items/CDesktop.h"

namespace {
// The extension after the last ".", in lower case; empty when the name has none.
std::string LowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::string();
    }
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return extension;
}

// The sessions in document order, each as its bytes are, two of them parted by "\r\n".
int PrintDocumentText(const std::string& path) {
    CToolDocument document;
    if (!document.Open(path)) {
        return 1;
    }
    std::string text;
    POSITION pos;
    document.Desktop().GetHeadChildPosition(pos);
    bool first = true;
    while (pos) {
        if (!first) {
            text += "\r\n";
        }
        first = false;
        document.Desktop().GetNextChild(pos)->GetText(text, true);
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        PrintError("cannot write the text");
        return 1;
    }
    return 0;
}
}  // namespace

int RunText(const CommandArguments& args) {
    if (args.size() != 1) {
        PrintError("usage: lvtool text FILE");
        return 1;
    }
    const std::string& path = args[0];
    if (LowerExtension(path) == "lv") {
        return PrintDocumentText(path);
    }
    if (IsDealFileName(path)) {
        return PrintDealFileText(path);
    }
    PrintError(path + ": not a Lorvane document (*.lv)");
    return 1;
}
