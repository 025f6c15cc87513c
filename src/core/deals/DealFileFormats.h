#pragma once

#include <string>

// The deal-file formats, chosen by a file's extension compared without regard to case.
enum class DealFileFormat { None, BridgeDa, Dup, Bri, Dge, Pbn };

DealFileFormat DealFileFormatOf(const std::string& extension);

// Choices of an export.
struct DealExportOptions {
    // PBN: each game also carries the pair's auction ([Auction] section, notes, Declarer and
    // Contract). Off, the output is the plain roster.
    bool withAuctions = false;
};
bool IsDuplimateFormat(DealFileFormat format);

// The text after the last "." of the path's file name; empty when the name has none. Folders
// named with a dot (~/.local) do not count.
std::string FileExtensionOf(const std::string& path);
bool HasFileExtension(const std::string& path);
std::string ToUpperAscii(std::string text);
// The text with each line end (CR LF, CR or LF) made one blank: an item's name is one line of
// the document file, and a PBN tag value may span lines.
std::string TextOnOneLine(const std::string& text);
