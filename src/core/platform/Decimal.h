#pragma once

#include <cstddef>
#include <string_view>

// The decimal value at the start of a text, as the C library's atoi reads it (leading white
// space, an optional sign, then digits up to the first non-digit; no digits give 0), except
// that it saturates at the int range instead of overflowing.
int DecimalValue(std::string_view text);

// The same, read at once when the text is a few plain digits, as this program writes numbers
// into its files: inline, as the readers ask for every field.
inline int PlainDecimalValue(std::string_view text) {
    constexpr std::size_t kDigitsThatFit = 9;  // no int overflows with as many
    if (text.size() > kDigitsThatFit) {
        return DecimalValue(text);
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return DecimalValue(text);
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// True when the whole text, apart from leading white space, is an optionally signed decimal.
bool IsDecimalNumber(std::string_view text);
