#include "core/platform/Decimal.h"

#include <climits>

namespace {
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipSpaceAndSign(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    return i;
}
}  // namespace

int DecimalValue(std::string_view text) {
    bool negative = false;
    long long value = 0;
    for (std::size_t i = SkipSpaceAndSign(text, negative); i < text.size() && IsDigit(text[i]);
         ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            return negative ? INT_MIN : INT_MAX;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

bool IsDecimalNumber(std::string_view text) {
    bool negative = false;
    std::size_t i = SkipSpaceAndSign(text, negative);
    if (i == text.size()) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) {
            return false;
        }
    }
    return true;
}
