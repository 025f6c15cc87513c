#pragma once

#include <QString>
#include <string>

// The core keeps texts as 8-bit bytes. They are shown as UTF-8 when they are valid UTF-8
// and otherwise as Windows-1252, the code page that older documents and deal files use;
// texts typed in the program go back as UTF-8.
QString FromBytes(const std::string& bytes);
std::string ToBytes(const QString& text);

// A text for a menu entry: "&" stands for itself, not for a mnemonic.
QString EscapeMnemonics(const QString& text);
