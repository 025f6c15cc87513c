#pragma once

#include <string>
#include <vector>

class CDeal;
class CFile;

// Writing deals as PBN games: a fixed roster of tags, CR LF line ends, an empty line between
// games. (Reading is CPbnGame's.)
class IDealFileFormat;

namespace Pbn {
// An auction as a PBN game shows it.
struct Auction {
    int firstSeat = 0;
    // "Pass", "X", "XX", "1C" ... "7NT".
    std::vector<std::string> calls;
    // The note on each call; empty for none.
    std::vector<std::string> notes;
    bool complete = false;
    // The declarer's letter and the contract ("4SX", "Pass"); empty while incomplete.
    std::string declarer;
    std::string contract;
};

// The Deal tag's value: the dealer's letter, ":", then the four hands from the dealer
// clockwise, each as spades.hearts.diamonds.clubs.
std::string DealString(CDeal& deal);
// With an auction, its Declarer and Contract fill the roster's tags and the Auction section
// with its notes follows them.
void WriteGame(CFile& file, CDeal& deal, bool first, const Auction* auction = nullptr);
// The format of *.pbn files.
const IDealFileFormat& FileFormat();
}  // namespace Pbn
