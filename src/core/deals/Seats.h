#pragma once

#include <string>

// Seats, suits and vulnerabilities are numbered as documents and deal files number them; the
// readers and writers pass the numbers as ints, and the rules above them take the types.

// Seats in calling order, clockwise; an auction's entry i belongs to seat i modulo 4.
enum Seat : int { SEAT_NONE = -1, SEAT_WEST, SEAT_NORTH, SEAT_EAST, SEAT_SOUTH };
constexpr int kSeatCount = 4;

constexpr bool IsNorthSouth(Seat seat) {
    return seat == SEAT_NORTH || seat == SEAT_SOUTH;
}

// Suits of a hand, spades first (not the strain order of calls).
enum Suit : int { SUIT_SPADES, SUIT_HEARTS, SUIT_DIAMONDS, SUIT_CLUBS };
constexpr int kSuitCount = 4;

enum Vulnerability : int {
    VULNERABLE_NONE,
    VULNERABLE_NORTH_SOUTH,
    VULNERABLE_EAST_WEST,
    VULNERABLE_ALL,
};

inline int NextSeat(int seat) {
    return (seat + 1) % kSeatCount;
}

// "W", "N", "E" or "S", as deal files name seats; a seat outside 0 to 3 gives '?'.
char SeatLetter(int seat);
// The seat of such a letter in either case; -1 for any other character.
int SeatOfLetter(char letter);

// Flags of GetSeatName.
constexpr int SEAT_NAME_TAB = 1;
constexpr int SEAT_NAME_COLON = 2;

// "West", "North", "East" or "South"; flag 2 appends ":", then flag 1 a tab. A seat outside
// 0 to 3 leaves out as it was and only appends the suffixes.
void GetSeatName(std::string& out, int seat, int flags);
void GetPairNames(std::string& north, std::string& south, int flags);
// "None", "North-South", "East-West", "All"; other codes leave out unchanged.
void GetVulnerabilityName(std::string& out, int code);
