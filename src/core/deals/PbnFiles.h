#pragma once

#include <string>

class CDeal;
class CFile;

// Writing deals as PBN games: a fixed roster of tags, CR LF line ends, an empty line between
// games. (Reading is CPbnGame's.)
class IDealFileFormat;

namespace Pbn {
// The Deal tag's value: the dealer's letter, ":", then the four hands from the dealer
// clockwise, each as spades.hearts.diamonds.clubs.
std::string DealString(CDeal& deal);
void WriteGame(CFile& file, CDeal& deal, bool first);
// The format of *.pbn files.
const IDealFileFormat& FileFormat();
}  // namespace Pbn
