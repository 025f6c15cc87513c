#include "core/defence/ReplaceFirst.h"

#include <algorithm>

namespace {
char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Case folding keeps every byte in place, so a position found in folded text is a position
// in the original; searching through a folding comparison spares the two upper-case copies.
std::size_t FindIgnoringCase(const std::string& text, const std::string& find) {
    const auto at = std::search(text.begin(), text.end(), find.begin(), find.end(),
                                [](char a, char b) { return UpperAscii(a) == UpperAscii(b); });
    return at == text.end() && !find.empty() ? std::string::npos
                                             : static_cast<std::size_t>(at - text.begin());
}
}  // namespace

void MakeUpperAscii(std::string& text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        text[i] = UpperAscii(text[i]);
    }
}

bool ReplaceFirst(std::string& target, const std::string& find, const std::string& with,
                  bool ignoreCase) {
    if (find.empty() && with.empty()) {
        return true;
    }
    const std::size_t at = ignoreCase ? FindIgnoringCase(target, find) : target.find(find);
    if (at == std::string::npos) {
        return false;
    }
    target.replace(at, find.size(), with);
    return true;
}
