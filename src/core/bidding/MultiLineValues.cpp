#include "core/bidding/MultiLineValues.h"

namespace {
constexpr char kLineEnd[] = "\r\n";

bool EndsWithLineEnd(const std::string& value) {
    return value.size() >= 2 && value.compare(value.size() - 2, 2, kLineEnd) == 0;
}
}  // namespace

void AppendValueLine(std::string& value, const std::string& line, bool replace) {
    if (replace) {
        value.clear();
    }
    if (!value.empty()) {
        value += kLineEnd;
    }
    value += line;
}

void AppendReadLine(std::string& value, std::string_view line) {
    if (!value.empty() && !EndsWithLineEnd(value)) {
        value += kLineEnd;
    }
    value += line;
    if (line.empty()) {
        value += kLineEnd;
    }
}
