#pragma once

#include <string>

// The deal-file formats, chosen by a file's extension compared without regard to case.
enum class DealFileFormat { None, BridgeDa, Dup, Bri, Dge, Pbn };

DealFileFormat DealFileFormatOf(const std::string& extension);
bool IsDuplimateFormat(DealFileFormat format);

// The text after the last "." of the path's file name; empty when the name has none. Folders
// named with a dot (~/.local) do not count.
std::string FileExtensionOf(const std::string& path);
bool HasFileExtension(const std::string& path);
std::string ToUpperAscii(std::string text);
