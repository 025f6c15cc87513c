#pragma once

#include <span>
#include <string>

// One text of the program's string table.
struct StringResource {
    unsigned id;
    const char* text;
};

// The text with that id from any subsystem's table; empty for id 0 or an unknown id.
std::string LoadString(unsigned id);
// The text with that id from one table; empty when it has none.
std::string LoadStringFrom(std::span<const StringResource> table, unsigned id);
