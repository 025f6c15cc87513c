#pragma once

#include <string>

// Replaces the first occurrence of find in target by with; the rest of target keeps its
// case. With ignoreCase, ASCII letters compare alike. Reports whether find was found; an
// empty find is found at the start (so with is put in front), and an empty find with an
// empty with does nothing and succeeds.
bool ReplaceFirst(std::string& target, const std::string& find, const std::string& with,
                  bool ignoreCase);

// ASCII letters to upper case in place, from the offset on; other bytes stay as they are.
void MakeUpperAscii(std::string& text, std::size_t from = 0);
