#include "TableSession.h"

#include "deals/Seats.h"

namespace {

// Spades, hearts, diamonds, clubs for West, North, East, South.
const char* const kHands[4][4] = {
    {"852", "T73", "T863", "T74"},
    {"KQ94", "A5", "KJ72", "Q83"},
    {"7", "KQJ962", "A94", "K62"},
    {"AJT63", "84", "Q5", "AJ95"},
};

}  // namespace

std::unique_ptr<CBiddingList> MakeSession(int deals) {
    auto session = std::make_unique<CBiddingList>();
    session->SetName("Monday");
    session->SetNorthName("Ann");
    session->SetSouthName("Bob");
    for (int board = 1; board <= deals; ++board) {
        auto* deal = new CBiddingDeal();
        deal->SetName("A" + std::to_string(board));
        for (int seat = 0; seat < kSeatCount; ++seat) {
            const int holder = (seat + board - 1) % kSeatCount;
            for (int suit = 0; suit < kSuitCount; ++suit) {
                deal->SetSuitText(holder, suit, kHands[seat][suit], true);
            }
        }
        deal->SetSeatText(SEAT_EAST, kEastText, true);
        deal->SetSeatText(SEAT_WEST, kWestText, true);
        deal->SetSeatText(SEAT_NORTH, "Opens 1D, then shows spades", true);
        deal->SetSeatText(SEAT_SOUTH, "Five spades, 12 points", true);
        deal->AppendTo(session.get(), true);
    }
    return session;
}

CBiddingDeal* DealAt(CBiddingList& session, int index) {
    return dynamic_cast<CBiddingDeal*>(session.GetChildAt(index));
}
