#pragma once

#include <string>
#include <vector>

class IDealFileFormat;

// The registry of deal-file formats, chosen by a file's extension compared without regard to
// case: PBN, the Duplimate records .dup, .bri and .dge, and Bridge D/A sets.
const std::vector<const IDealFileFormat*>& DealFileFormats();
// Null when no format has the extension.
const IDealFileFormat* FindDealFileFormat(const std::string& extension);
// Adds a format after the others; a subsystem above the deals registers its own this way.
void RegisterDealFileFormat(const IDealFileFormat& format);

// The file dialogs' entry "All Deal Files (*.pbn;...)|*.pbn;..." of every format.
std::string AllDealFilesFilter();
// The file dialogs' filter of deal files: all of them, then one entry per group, the group
// of the preferred extension first and the others by name; it ends in "||".
std::string DealFilesFilter(const std::string& preferredExtension);

// The text after the last "." of the path's file name; empty when the name has none. Folders
// named with a dot (~/.local) do not count.
std::string FileExtensionOf(const std::string& path);
bool HasFileExtension(const std::string& path);
std::string ToUpperAscii(std::string text);
// The text with each line end (CR LF, CR or LF) made one blank: an item's name is one line of
// the document file, and a PBN tag value may span lines.
std::string TextOnOneLine(const std::string& text);
