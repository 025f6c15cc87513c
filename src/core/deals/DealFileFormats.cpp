#include "core/deals/DealFileFormats.h"

#include <cctype>

namespace {
std::string ToLowerAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::size_t ExtensionDot(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::string::npos;
    }
    return dot;
}
}  // namespace

DealFileFormat DealFileFormatOf(const std::string& extension) {
    const std::string ext = ToLowerAscii(extension);
    if (ext == "nth") {
        return DealFileFormat::BridgeDa;
    }
    if (ext == "dup") {
        return DealFileFormat::Dup;
    }
    if (ext == "bri") {
        return DealFileFormat::Bri;
    }
    if (ext == "dge") {
        return DealFileFormat::Dge;
    }
    if (ext == "pbn") {
        return DealFileFormat::Pbn;
    }
    return DealFileFormat::None;
}

bool IsDuplimateFormat(DealFileFormat format) {
    return format == DealFileFormat::Dup || format == DealFileFormat::Bri ||
           format == DealFileFormat::Dge;
}

std::string FileExtensionOf(const std::string& path) {
    const std::size_t dot = ExtensionDot(path);
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

bool HasFileExtension(const std::string& path) {
    return ExtensionDot(path) != std::string::npos;
}

std::string TextOnOneLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;  // the LF makes the blank
        }
        line += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
    }
    return line;
}

std::string ToUpperAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}
