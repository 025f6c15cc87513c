#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TableFixture.h"
#include "bidding/CAuction.h"
#include "bidding/CCall.h"
#include "deals/Seats.h"
#include "table/TableIds.h"

namespace {
constexpr unsigned kFirstHolding[kSeatCount] = {IDC_WEST_SPADES, IDC_NORTH_SPADES, IDC_EAST_SPADES,
                                                IDC_SOUTH_SPADES};
}  // namespace

TEST_F(TableTest, TheFieldsShowWhatTheSelectedPlayerMaySee) {
    const struct {
        int board;  // 1 North deals, 2 East, 3 South, 4 West
        int player;
        const char* calls;
        const char* peeked;  // "N", "S" or ""
        const char* east;    // East's and West's texts
        const char* west;
        const char* visible;  // the seats whose hands show, of "WNES"
        const char* northField;
        const char* southField;
        const char* defendersField;
        const char* red;  // the fields in red, "N", "S" or ""
    } cases[] = {
        // clang-format off
        {1, -1, "", "", "e", "w", "", "Ann", "Bob", "", ""},
        {1, SEAT_NORTH, "", "", "e", "w", "N", "Ann\r\nn", "Bob", "", ""},
        {1, SEAT_SOUTH, "", "N", "e", "w", "S", "Ann has peeked at South's cards.", "Bob\r\ns", "",
         "N"},
        {1, SEAT_NORTH, "", "N", "e", "w", "N", "Ann\r\nn", "Bob", "", ""},
        {1, SEAT_NORTH, "", "S", "e", "w", "N", "Ann\r\nn", "Bob has peeked at North's cards.", "",
         "S"},
        {1, -1, "", "N", "e", "w", "", "Ann", "Bob", "", ""},
        // Complete: all hands, both texts, and the defenders' texts in calling order.
        {1, -1, "P P P P", "S", "e", "w", "WNES", "Ann\r\nn",
         "Bob has peeked at North's cards.\r\ns", "e\r\nw", "S"},
        {1, SEAT_SOUTH, "P P P P", "N", "e", "w", "WNES", "Ann has peeked at South's cards.\r\nn",
         "Bob\r\ns", "e\r\nw", "N"},
        {2, SEAT_SOUTH, "P P P P", "", "e", "w", "WNES", "Ann\r\nn", "Bob\r\ns", "e\r\nw", ""},
        {3, -1, "P P P P", "", "e", "w", "WNES", "Ann\r\nn", "Bob\r\ns", "w\r\ne", ""},
        {4, -1, "P P P P", "", "e", "w", "WNES", "Ann\r\nn", "Bob\r\ns", "w\r\ne", ""},
        {1, -1, "P P P P", "", "", "w", "WNES", "Ann\r\nn", "Bob\r\ns", "w", ""},
        {3, -1, "P P P P", "", "e", "", "WNES", "Ann\r\nn", "Bob\r\ns", "e", ""},
        // clang-format on
    };
    const std::string seatLetters = "WNES";
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.board) + " player " + std::to_string(c.player) + " " +
                     c.calls);
        MakeDeals(c.board);
        CBiddingDeal& deal = *Deal(c.board - 1);
        Fill(deal, c.calls);
        deal.SetSeatText(SEAT_NORTH, "n", true);
        deal.SetSeatText(SEAT_SOUTH, "s", true);
        deal.SetSeatText(SEAT_EAST, c.east, true);
        deal.SetSeatText(SEAT_WEST, c.west, true);
        for (const char* p = c.peeked; *p != '\0'; ++p) {
            deal.SetPeeked(*p == 'N' ? SEAT_NORTH : SEAT_SOUTH);
        }

        CRecordingTableView window;
        CBiddingTable dialog(&window);
        deal.SetStartPlayer(c.player);
        dialog.LoadDeal(&deal);
        EXPECT_EQ(deal.GetStartPlayer(), -1);
        EXPECT_EQ(dialog.GetSelectedPlayer(), c.player);
        dialog.Start();
        EXPECT_EQ(window.texts[IDC_NORTH_TEXT], c.northField);
        EXPECT_EQ(window.texts[IDC_SOUTH_TEXT], c.southField);
        EXPECT_EQ(window.texts[IDC_DEFENDERS_TEXT], c.defendersField);
        EXPECT_EQ(window.red[IDC_NORTH_TEXT], std::string(c.red) == "N");
        EXPECT_EQ(window.red[IDC_SOUTH_TEXT], std::string(c.red) == "S");
        for (int seat = 0; seat < kSeatCount; ++seat) {
            const bool visible =
                std::string(c.visible).find(seatLetters[seat]) != std::string::npos;
            EXPECT_EQ(window.texts[kFirstHolding[seat]].empty(), !visible) << "seat " << seat;
            EXPECT_EQ(dialog.GetFieldText(kFirstHolding[seat]), window.texts[kFirstHolding[seat]]);
        }
    }
}

TEST_F(TableTest, TitleCompassAndPlaceholdersOfTheDealer) {
    MakeDeals(3);
    CBiddingDeal* south = Deal(2);
    Open(south);
    EXPECT_EQ(Calls(*south), "- - -");
    EXPECT_EQ(south->GetAuction()->GetSeatToCall(), SEAT_SOUTH);
    EXPECT_EQ(view.title, "Deal Number: A3");
    EXPECT_EQ(view.texts[IDC_COMPASS_NORTH], "N");
    EXPECT_EQ(view.texts[IDC_COMPASS_EAST], "E");
    EXPECT_EQ(view.texts[IDC_COMPASS_SOUTH], "*");
    EXPECT_EQ(view.texts[IDC_COMPASS_WEST], "W");
    EXPECT_EQ(view.pictureRefreshes, 1);

    // An auction that already has entries gets no more placeholders.
    CBiddingDeal* north = Deal(0);
    Fill(*north, "1S");
    Open(north);
    EXPECT_EQ(Calls(*north), "- 1S P");
}

// Each row: the dealer (board), East's and West's texts, the player, the presses and the
// auction afterwards; the aces go to North unless given.
TEST_F(TableTest, DefendersCallOnTheirTurnsAndAUserCallsForHimself) {
    const struct {
        int board;
        const char* east;
        const char* west;
        int player;
        const char* presses;
        const char* calls;
        std::vector<int> aces = {1, 1, 1, 1};
    } cases[] = {
        // A defender who deals calls when the dialog opens; so does one who is to call.
        {4, "", "West opens 1H", -1, "", "1H"},
        {2, "East opens 1D", "", -1, "", "- - 1D"},
        {2, "", "", -1, "", "- - P"},
        // Every turn until it yields a call: West's overcall makes East's support possible.
        {1, "East supports hearts", "West bids hearts", -1, "1C P P", "- 1C P P 1H P 2H"},
        // The name in the text is not the seat's: West may not double his partner's Double;
        // East, having acted, passes though Double is legal again.
        {1, "East doubles", "East doubles", -1, "1H P 2H", "- 1H D P P 2H P"},
        // Preference after partner's double.
        {3, "East prefers diamonds", "West doubles", SEAT_SOUTH, "1H P", "- - - 1H D P 2D"},
        {3, "East prefers diamonds", "West doubles", SEAT_SOUTH, "1H 1S", "- - - 1H D 1S P"},
        // Take-backs switch the automatic defence off; the box then calls for East.
        {1, "East bids spades", "", -1, "1H back", "- 1H"},
        {1, "East bids spades", "", -1, "1H back back", "-"},
        {1, "East bids spades", "", -1, "1H back 2C", "- 1H 2C"},
        {1, "East bids spades", "", -1, "1H back 7N P", "- 1H 7N P P"},
        // The seventh-level rule after South's 7N: West first, then East.
        {1, "", "", -1, "P 7N", "- P P 7N P P P"},
        {1, "", "", -1, "P 7N", "- P P 7N P P D P P P", {2, 1, 1, 1}},
        {1, "", "", -1, "P 7N", "- P P 7N D P P P", {0, 1, 1, 1}},
        // Two recorded replies on one call: each trigger gets its own.
        {1, "", "", SEAT_NORTH, "1S 2H 4H autobid 2H", "- 1S P 2H P 4H P"},
        {1, "", "", SEAT_NORTH, "1S 2H 4H autobid 2D 3S autobid 2H", "- 1S P 2H P 4H P"},
        {1, "", "", SEAT_NORTH, "1S 2H 4H autobid 2D 3S autobid 2D", "- 1S P 2D P 3S P"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.board) + ": " + c.presses);
        MakeDeals(c.board, c.aces);
        CBiddingDeal& deal = *Deal(c.board - 1);
        deal.SetSeatText(SEAT_EAST, c.east, true);
        deal.SetSeatText(SEAT_WEST, c.west, true);
        CRecordingTableView window;
        CBiddingTable dialog(&window);
        Open(dialog, &deal, c.player);
        PressAll(dialog, c.presses);
        EXPECT_EQ(Calls(deal), c.calls);
    }
}
