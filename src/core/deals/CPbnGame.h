#pragma once

#include <cstddef>
#include <string>

#include "core/deals/CDeal.h"
#include "core/items/CItem.h"

class CFile;
class CPbnLine;

// The lines of one PBN game, read from a file for one deal and dropped afterwards.
//
// The game keeps, in file order, the lines that a deal takes something from: the last Event
// tag with a value, the last tag of each seat, and the last Auction tag with its section and
// the Note tags that directly follow it. Every other line (escape lines, other tags,
// tags that a later line overrides) is let go as soon as the next line begins, so that a game
// of a million lines costs the memory of a handful.
class CPbnGame : public CItem {
public:
    // More notes than an auction has calls are not kept, so that a hostile file cannot pile
    // them up.
    static constexpr std::size_t kMaxAuctionNotes = 400;

    CPbnGame();

    // Reads one game from the current position: up to the first line that holds only white
    // space, or to the end of the file. The Deal tag's value fills the deal's hands as it is
    // read. False when the file held nothing but white space from the position on.
    bool ReadGame(CFile& file, CDeal* deal);

    // True when the game held a tag pair ("[" ... ); a game of escape lines, comments and
    // stray text alone is not a deal.
    bool HasTagPair() const { return m_hasTagPair; }

    // The kept lines, in file order.
    CPbnLine* GetLine(POSITION& pos) const;

    // Fills the deal's hands from a Deal value such as "N:AK.QJ.-.T9 ...": the first seat,
    // then the hands clockwise, suits spades to clubs. A value that names no first seat
    // (N, E, S or W) is ignored.
    static void ReadDealValue(const std::string& value, CDeal& deal);

private:
    // ReadDealValue's parsing: the value's cards appended to the suit texts.
    static void AddDealValue(const std::string& value, CDeal::SuitTexts& cards);
    CPbnLine* StartLine(CPbnLine* previous, bool escape);
    // Keeps the finished line when a deal may take from it, dropping the lines it overrides;
    // false when the line itself is not kept (and has not been destroyed).
    bool SettleLine(CPbnLine* line);
    // Settles the last line and hands the game's cards to the deal (when there is one).
    void EndGame(CPbnLine* current, CDeal* deal);

    bool m_hasTagPair = false;
    // Whether the lines settled since the last Auction tag were all its notes (or escapes).
    bool m_auctionNotesFollow = false;
    std::size_t m_auctionNoteCount = 0;
    // The cards of every Deal tag of the game, handed to the deal when the game ends.
    CDeal::SuitTexts m_dealCards;
};
