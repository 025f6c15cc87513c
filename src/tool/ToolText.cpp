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
int PrintDocumentText(CToolDocument& document) {
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
    return PrintBytes(text) ? 0 : 1;
}
}  // namespace

bool PrintBytes(const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
        PrintError("cannot write the output");
        return false;
    }
    return true;
}

int OpenDocumentOrDealFile(const std::string& path, CToolDocument& document) {
    if (LowerExtension(path) == "lv") {
        return document.Open(path) ? 0 : 1;
    }
    if (IsDealFileName(path)) {
        return ImportDealFile(path, document);
    }
    PrintError(path + ": not a Lorvane document (*.lv)");
    return 1;
}

int RunText(const CommandArguments& args) {
    if (args.size() != 1) {
        PrintError("usage: lvtool text FILE");
        return 1;
    }
    CToolDocument document;
    if (const int failed = OpenDocumentOrDealFile(args[0], document)) {
        return failed;
    }
    return PrintDocumentText(document);
}
