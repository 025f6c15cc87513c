#pragma once

#include <string>

// One text of the program's string table.
struct StringResource {
    unsigned id;
    const char* text;
};

// The text with that id from any subsystem's table; empty for id 0 or an unknown id.
std::string LoadString(unsigned id);
