#pragma once

#include <span>
#include <string>

// One text of the program's string table.
struct StringResource {
    unsigned id;
    const char* text;
};

// Adds a subsystem's texts to the ones LoadString finds; a table added twice counts once.
// The items' own texts are always there. Each subsystem numbers its ids on from its own first
// id, a hundred apart from the others'; a table that shares an id with another is a fault of
// the program, and std::logic_error says which id.
void RegisterStringTable(std::span<const StringResource> table);

// The text with that id from any registered table; empty for id 0 or an unknown id.
std::string LoadString(unsigned id);
// The text with that id from one table; empty when it has none.
std::string LoadStringFrom(std::span<const StringResource> table, unsigned id);
