#pragma once

#include <string>
#include <string_view>

// Multi-line values (comments, notes, seat texts) keep "\r\n" between their lines, and a
// document writes them one line per piece, leaving out a last empty piece.

// Appends a further line: after "\r\n" unless the value is empty; with replace the value
// is emptied first.
void AppendValueLine(std::string& value, const std::string& line, bool replace);

// Appends a line read back from a document so that the value writes the same lines again:
// an empty line is kept with its line end (the writer writes an empty piece only when more
// of the value follows it), and no second line end goes after one.
void AppendReadLine(std::string& value, std::string_view line);
