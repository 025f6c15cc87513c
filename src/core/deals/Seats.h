#pragma once

#include <string>

// Seats in calling order, clockwise; an auction's entry i belongs to seat i modulo 4.
constexpr int SEAT_WEST = 0;
constexpr int SEAT_NORTH = 1;
constexpr int SEAT_EAST = 2;
constexpr int SEAT_SOUTH = 3;
constexpr int kSeatCount = 4;

// Suits of a hand, spades first (not the strain order of calls).
constexpr int SUIT_SPADES = 0;
constexpr int SUIT_HEARTS = 1;
constexpr int SUIT_DIAMONDS = 2;
constexpr int SUIT_CLUBS = 3;
constexpr int kSuitCount = 4;

// Vulnerability codes.
constexpr int VULNERABLE_NONE = 0;
constexpr int VULNERABLE_NORTH_SOUTH = 1;
constexpr int VULNERABLE_EAST_WEST = 2;
constexpr int VULNERABLE_ALL = 3;

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
