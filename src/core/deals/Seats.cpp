#include "core/deals/Seats.h"

namespace {
constexpr char kSeatLetters[] = "WNES";  // by seat index
}  // namespace

char SeatLetter(int seat) {
    return seat >= 0 && seat < kSeatCount ? kSeatLetters[seat] : '?';
}

int SeatOfLetter(char letter) {
    const char upper =
        letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        if (kSeatLetters[seat] == upper) {
            return seat;
        }
    }
    return -1;
}

void GetSeatName(std::string& out, int seat, int flags) {
    static const char* const kNames[kSeatCount] = {"West", "North", "East", "South"};
    if (seat >= 0 && seat < kSeatCount) {
        out = kNames[seat];
    }
    if (flags & SEAT_NAME_COLON) {
        out += ':';
    }
    if (flags & SEAT_NAME_TAB) {
        out += '\t';
    }
}

void GetPairNames(std::string& north, std::string& south, int flags) {
    GetSeatName(north, SEAT_NORTH, flags);
    GetSeatName(south, SEAT_SOUTH, flags);
}

void GetVulnerabilityName(std::string& out, int code) {
    static const char* const kNames[] = {"None", "North-South", "East-West", "All"};
    if (code >= VULNERABLE_NONE && code <= VULNERABLE_ALL) {
        out = kNames[code];
    }
}
