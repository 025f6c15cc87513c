#include <array>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "BiddingFakes.h"
#include "BiddingScript.h"
#include "CRecordingItemTree.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CCall.h"
#include "core/items/ItemIds.h"
#include "core/table/TableIds.h"

namespace {
// Each suit holds its seat's letter and its number, spades first: W1 ... S4.
void SetNamedHands(CDeal& deal) {
    for (int seat = 0; seat < 4; ++seat) {
        const std::string letter(1, "WNES"[seat]);
        SetHand(deal, seat, letter + "1 " + letter + "2 " + letter + "3 " + letter + "4");
    }
}
}  // namespace

TEST(BiddingDeal, TextsFlagsAndReset) {
    CBiddingDeal deal;
    deal.SetSeatText(SEAT_EAST, "East opens 1S", false);
    deal.SetSeatText(SEAT_EAST, "East doubles", false);
    deal.SetSeatText(4, "nobody", false);
    EXPECT_EQ(deal.GetSeatText(SEAT_EAST), "East opens 1S\r\nEast doubles");
    deal.SetHidden(SEAT_NORTH);
    deal.SetPeeked(SEAT_SOUTH);
    deal.ClearHidden();
    EXPECT_FALSE(deal.IsHidden(SEAT_NORTH));
    EXPECT_TRUE(deal.HasPeeked(SEAT_SOUTH));  // only a reset clears it

    SetHand(deal, SEAT_NORTH, "AK - Q2 J");
    AppendCalls(*deal.GetAuction(), "- 1S");
    deal.SetComment("well bid", true);
    deal.ResetDeal();
    EXPECT_EQ(deal.GetComment(), "");
    EXPECT_EQ(deal.GetSeatText(SEAT_EAST), "");
    EXPECT_FALSE(deal.HasPeeked(SEAT_SOUTH));
    EXPECT_EQ(deal.GetSuitText(SEAT_NORTH, SUIT_SPADES), "");
    EXPECT_EQ(CallsOf(*deal.GetAuction()), "- 1S");  // the auction stays
}

TEST(BiddingDeal, SeventhLevelRule) {
    const struct {
        const char* before;  // ends with the user's 7N
        const char* aces;    // the seats holding an ace: W, N, E, S
        const char* after;
    } cases[] = {
        // North bids 7N; East holds an ace: 7N doubled, no chance to redouble.
        {"- 7N", "EW", "- 7N D P P P"},
        // East has none: East and South pass; West has one and doubles.
        {"- 7N", "WN", "- 7N P P D P P P"},
        // Neither defender: three passes end it.
        {"- 7N", "NS", "- 7N P P P"},
        // South bids 7N at his second turn: West is the next defender.
        {"- - - 1S 2C 6S P 7N", "W", "- - - 1S 2C 6S P 7N D P P P"},
        {"- - - 1S 2C 6S P 7N", "E", "- - - 1S 2C 6S P 7N P P D P P P"},
        // A 7N made for East or West after take-backs: a user is to call and never acts.
        {"- P 7N", "S", "- P 7N"},
        {"P P 7N", "W", "P P 7N"},
    };
    for (const auto& c : cases) {
        CBiddingDeal deal;
        const std::string aces = c.aces;
        for (int seat = 0; seat < 4; ++seat) {
            const bool ace = aces.find("WNES"[seat]) != std::string::npos;
            SetHand(deal, seat, ace ? "K - QA 2" : "KQ J T 9");
            EXPECT_EQ(deal.HoldsAce(seat), ace);
        }
        AppendCalls(*deal.GetAuction(), c.before);
        deal.ApplySeventhLevelRule();
        EXPECT_EQ(CallsOf(*deal.GetAuction()), c.after) << c.before << " aces " << c.aces;
    }
}

// The view's seats (which hands show for whom) are the bidding table's to check.
TEST(BiddingDeal, DisplayDataInTheOrderTheViewDrawsIt) {
    CBiddingList session;
    session.SetNorthName("Ann");
    CBiddingDeal* deal = AddDeal(session, "A1", "well bid");
    SetNamedHands(*deal);
    for (int seat = 0; seat < 4; ++seat) {
        deal->SetSeatText(seat, std::string(1, "WNES"[seat]), true);
    }
    BiddingDisplayData data;
    deal->GetDisplayData(data, VIEW_ALL);
    const std::array<std::string, 16> holdings = {"N1", "N2", "N3", "N4", "E1", "E2", "E3", "E4",
                                                  "S1", "S2", "S3", "S4", "W1", "W2", "W3", "W4"};
    EXPECT_EQ(data.holdings, holdings);
    EXPECT_EQ(data.northName, "Ann");
    EXPECT_EQ(data.seatTexts, (std::array<std::string, 4>{"N", "S", "E", "W"}));
    EXPECT_EQ(data.comment, "well bid");
    data.holdings.fill("stale");
    deal->GetDisplayData(data, SEAT_SOUTH);
    EXPECT_EQ(data.holdings[0] + data.holdings[8] + data.holdings[12], "S1");
}

TEST(BiddingDeal, PlainText) {
    CBiddingList session;
    session.SetName("Club night");
    session.SetNorthName("Ann");
    session.SetSouthName("Bob");
    // All four hands, an auction with a note and a comment.
    CBiddingDeal* full = AddDeal(session, "A2", "Ann: fine\r\nBob: agreed");
    SetNamedHands(*full);
    AppendCalls(*full->GetAuction(), "- - P 1N P 3N P P P");
    full->GetAuction()->GetCall(2)->AppendNote("15-17", true);
    // East without West: the empty line stands only before West.
    CBiddingDeal* east = AddDeal(session, "B16");
    SetHand(*east, SEAT_NORTH, "N1 N2 N3 N4");
    SetHand(*east, SEAT_EAST, "E1 - - -");
    const std::pair<CBiddingDeal*, std::string> cases[] = {
        {full,
         "A2\r\nEast / North-South\r\n\r\nNorth:\tN1 / N2 / N3 / N4\r\nSouth:\tS1 / S2 / S3 / S4"
         "\r\n\r\nWest:\tW1 / W2 / W3 / W4\r\nEast:\tE1 / E2 / E3 / E4\r\n\r\n"
         "West\tNorth\tEast\tSouth\t\r\n\t\tP (1)\t1N\r\nP\t3N\tP\tP\r\nP\r\n\r\n(1)\t15-17"
         "\r\n\r\nAnn: fine\r\nBob: agreed\r\n"},
        {east,
         "B16\r\nWest / East-West\r\n\r\nNorth:\tN1 / N2 / N3 / N4\r\nEast:\tE1 / - / - / -"
         "\r\n"},
    };
    for (const auto& [deal, expected] : cases) {
        std::string text;
        EXPECT_TRUE(deal->GetText(text, false));
        EXPECT_EQ(text, expected);
        // Copied on its own, the deal comes under its session's heading.
        text.clear();
        EXPECT_TRUE(deal->GetText(text, true));
        EXPECT_EQ(text, "Club night\r\nNorth:\tAnn\r\nSouth:\tBob\r\n\r\n\r\n" + expected);
    }
}

TEST(BiddingDeal, OpenGoesThroughTheInstalledDialog) {
    CBiddingList session;
    CBiddingDeal* deal = AddDeal(session, "A1");
    CRecordingItemTree tree;
    EXPECT_TRUE(deal->OnCommand(nullptr, ID_OPEN));  // enabled
    EXPECT_FALSE(deal->OnCommand(nullptr, ID_VIEW_ALL));
    EXPECT_TRUE(deal->OnCommand(&tree, ID_OPEN));  // without a dialog: nothing, no failure

    CFakeLauncher launcher;
    EXPECT_TRUE(deal->OnCommand(&tree, ID_OPEN));
    EXPECT_TRUE(deal->OnDoubleClick(&tree));
    ASSERT_EQ(launcher.runs.size(), 2u);
    EXPECT_EQ(launcher.runs[0].deal, deal);
    EXPECT_EQ(tree.ModifiedCount(), 0);  // the dialog marks changes itself
}
