#pragma once

#include <string_view>

// The decimal value at the start of a text, as the C library's atoi reads it (leading white
// space, an optional sign, then digits up to the first non-digit; no digits give 0), except
// that it saturates at the int range instead of overflowing.
int DecimalValue(std::string_view text);

// The same, read at once when the text is a few plain digits, as this program writes numbers
// into its files: the readers' hot path.
int PlainDecimalValue(std::string_view text);

// True when the whole text, apart from leading white space, is an optionally signed decimal.
bool IsDecimalNumber(std::string_view text);
