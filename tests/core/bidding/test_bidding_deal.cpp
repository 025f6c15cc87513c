#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "AuctionScript.h"
#include "BiddingFakes.h"
#include "CRecordingItemTree.h"
#include "bidding/BiddingIds.h"
#include "bidding/CAuction.h"
#include "bidding/CBiddingDeal.h"
#include "bidding/CBiddingList.h"
#include "bidding/CCall.h"
#include "items/CDesktop.h"
#include "items/ItemIds.h"
#include "table/TableIds.h"

namespace {
// Four suits, spades first, separated by blanks; "-" for a void.
void SetHand(CDeal& deal, int seat, const std::string& suits) {
    std::istringstream words(suits);
    for (int suit = 0; suit < 4; ++suit) {
        std::string cards;
        words >> cards;
        deal.SetSuitText(seat, suit, cards == "-" ? "" : cards, true);
    }
}

CBiddingDeal* AddDeal(CBiddingList& session, const std::string& name) {
    auto* deal = new CBiddingDeal;
    deal->SetName(name);
    deal->AppendTo(&session, true);
    return deal;
}
}  // namespace

TEST(BiddingDeal, ANewDealIsEmpty) {
    CBiddingDeal deal;
    EXPECT_EQ(deal.GetKind(), KIND_BIDDING_DEAL);
    EXPECT_EQ(deal.GetName(), "A1");
    EXPECT_EQ(deal.GetComment(), "");
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(deal.GetSeatText(seat), "");
        EXPECT_FALSE(deal.IsHidden(seat));
        EXPECT_FALSE(deal.HasPeeked(seat));
    }
    EXPECT_EQ(deal.GetStartPlayer(), -1);
    ASSERT_NE(deal.GetAuction(), nullptr);
    EXPECT_EQ(deal.GetAuction()->GetCallCount(), 0);
    EXPECT_EQ(deal.GetAuction()->GetParent(), &deal);
    EXPECT_EQ(deal.GetChildCount(), 0);  // the auction is no child
    EXPECT_TRUE(deal.CanCopy());
    EXPECT_FALSE(deal.CanRename());
    EXPECT_EQ(deal.GetImage(), IDB_DEALS);
    EXPECT_EQ(deal.GetContextMenu(), IDR_DEAL_MENU);
}

TEST(BiddingDeal, TextsFlagsAndReset) {
    CBiddingDeal deal;
    deal.SetComment("first", false);
    deal.SetComment("", false);
    deal.SetComment("third", false);
    EXPECT_EQ(deal.GetComment(), "first\r\n\r\nthird");
    deal.SetComment("only", true);
    EXPECT_EQ(deal.GetComment(), "only");
    deal.SetSeatText(SEAT_EAST, "East opens 1S", false);
    deal.SetSeatText(SEAT_EAST, "East doubles", false);
    deal.SetSeatText(4, "nobody", false);
    deal.SetSeatText(-1, "nobody", false);
    EXPECT_EQ(deal.GetSeatText(SEAT_EAST), "East opens 1S\r\nEast doubles");
    EXPECT_EQ(deal.GetSeatText(4), "");

    deal.SetHidden(SEAT_NORTH);
    deal.SetHidden(SEAT_SOUTH);
    deal.SetHidden(7);
    deal.SetPeeked(SEAT_SOUTH);
    EXPECT_TRUE(deal.IsHidden(SEAT_NORTH));
    EXPECT_FALSE(deal.IsHidden(7));
    deal.ClearHidden();
    EXPECT_FALSE(deal.IsHidden(SEAT_NORTH));
    EXPECT_FALSE(deal.IsHidden(SEAT_SOUTH));
    EXPECT_TRUE(deal.HasPeeked(SEAT_SOUTH));  // only a reset clears it

    SetHand(deal, SEAT_NORTH, "AK - Q2 J");
    AppendCalls(*deal.GetAuction(), "- 1S");
    deal.SetEvent("Club night");
    deal.ResetDeal();
    EXPECT_EQ(deal.GetComment(), "");
    EXPECT_EQ(deal.GetSeatText(SEAT_EAST), "");
    EXPECT_FALSE(deal.HasPeeked(SEAT_SOUTH));
    EXPECT_EQ(deal.GetSuitText(SEAT_NORTH, SUIT_SPADES), "");
    EXPECT_EQ(deal.GetEvent(), "");
    EXPECT_EQ(CallsOf(*deal.GetAuction()), "- 1S");  // the auction stays
}

TEST(BiddingDeal, DocumentLinesReadAsTheyCome) {
    const struct {
        long kind;
        int code;
        const char* text;
    } lines[] = {
        {61809, 1, "AK,Q,,,T9,8,7,6,,,,,5,4,3,2"},
        {61809, 2, "first"},
        {61809, 2, ""},
        {61809, 2, "third"},
        {61809, 3, "2,East opens 1S"},
        {61809, 4, "2,East doubles"},  // an old form, read like 3
        {61809, 4, "0,West passes, always"},
        {61809, 3, "4,nobody"},
        {61809, 3, "-1,nobody"},
        {61809, 3, "x,nobody"},
        {61809, 3, "no seat"},
        {61809, 5, "3,1"},
        {61809, 5, "9,1"},
        {61809, 6, "1,1"},
        {61809, 6, ",1"},
        {61809, 7, "whatever"},
        {61808, 2, "a session's line"},
        {61825, 1, "1142"},  // a call's line outside a call
    };
    CBiddingDeal deal;
    for (const auto& line : lines) {
        deal.ReadField(line.kind, line.code, line.text);
    }
    EXPECT_EQ(deal.GetSuitText(SEAT_WEST, SUIT_SPADES), "AK");
    EXPECT_EQ(deal.GetSuitText(SEAT_NORTH, SUIT_SPADES), "T9");
    EXPECT_EQ(deal.GetSuitText(SEAT_SOUTH, SUIT_CLUBS), "2");
    EXPECT_EQ(deal.GetComment(), "first\r\n\r\nthird");
    EXPECT_EQ(deal.GetSeatText(SEAT_EAST), "East opens 1S\r\nEast doubles");
    EXPECT_EQ(deal.GetSeatText(SEAT_WEST), "West passes, always");
    EXPECT_EQ(deal.GetSeatText(SEAT_NORTH), "");
    EXPECT_EQ(deal.GetSeatText(SEAT_SOUTH), "");
    EXPECT_TRUE(deal.IsHidden(SEAT_SOUTH));
    EXPECT_FALSE(deal.IsHidden(SEAT_WEST));
    EXPECT_TRUE(deal.HasPeeked(SEAT_NORTH));
    EXPECT_FALSE(deal.HasPeeked(SEAT_WEST));
    EXPECT_EQ(deal.GetAuction()->GetCallCount(), 0);
}

TEST(BiddingDeal, SeventhLevelRule) {
    const struct {
        const char* before;  // ends with the user's 7N
        const char* aces;    // the seats holding an ace: W, N, E, S
        const char* after;
    } cases[] = {
        // North deals and bids 7N; East holds an ace: 7N doubled, no chance to redouble.
        {"- 7N", "E", "- 7N D P P P"},
        {"- 7N", "EW", "- 7N D P P P"},
        // East has none: East and South pass; West has one and doubles.
        {"- 7N", "W", "- 7N P P D P P P"},
        {"- 7N", "WN", "- 7N P P D P P P"},
        // Neither defender: three passes end it.
        {"- 7N", "NS", "- 7N P P P"},
        {"- 7N", "", "- 7N P P P"},
        // South deals and bids 7N at his second turn: West is the next defender.
        {"- - - 1S 2C 6S P 7N", "W", "- - - 1S 2C 6S P 7N D P P P"},
        {"- - - 1S 2C 6S P 7N", "E", "- - - 1S 2C 6S P 7N P P D P P P"},
        // A 7N made for East after take-backs: South is to call and is never made to act.
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
        if (std::string(c.after) != c.before) {
            EXPECT_TRUE(deal.GetAuction()->IsComplete(true)) << c.before;
        }
    }
}

TEST(BiddingDeal, DisplayDataShowsWhatTheViewMaySee) {
    CBiddingList session;
    session.SetNorthName("Ann");
    session.SetSouthName("Bob");
    CBiddingDeal* deal = AddDeal(session, "A1");
    const char* hands[] = {"W1 W2 W3 W4", "N1 N2 N3 N4", "E1 E2 E3 E4", "S1 S2 S3 S4"};
    for (int seat = 0; seat < 4; ++seat) {
        SetHand(*deal, seat, hands[seat]);
        deal->SetSeatText(seat, std::string("text of ") + "WNES"[seat], true);
    }
    deal->SetComment("well bid", true);

    const struct {
        int view;
        const char* shown;  // the seats whose holdings are filled, in N E S W order
    } cases[] = {{VIEW_ALL, "NESW"}, {SEAT_NORTH, "N"}, {SEAT_SOUTH, "S"}, {VIEW_NONE, ""}};
    for (const auto& c : cases) {
        BiddingDisplayData data;
        data.holdings.fill("stale");
        deal->GetDisplayData(data, c.view);
        const std::string shown = c.shown;
        for (int i = 0; i < 4; ++i) {
            const char seat = "NESW"[i];
            const bool visible = shown.find(seat) != std::string::npos;
            for (int suit = 0; suit < 4; ++suit) {
                const std::string expected =
                    visible ? std::string(1, seat) + std::to_string(suit + 1) : "";
                EXPECT_EQ(data.holdings[i * 4 + suit], expected) << c.view << seat << suit;
            }
        }
        EXPECT_EQ(data.northName, "Ann");
        EXPECT_EQ(data.southName, "Bob");
        EXPECT_EQ(data.seatTexts[0], "text of N");
        EXPECT_EQ(data.seatTexts[1], "text of S");
        EXPECT_EQ(data.seatTexts[2], "text of E");
        EXPECT_EQ(data.seatTexts[3], "text of W");
        EXPECT_EQ(data.comment, "well bid");
    }

    CBiddingDeal alone;
    BiddingDisplayData data;
    alone.GetDisplayData(data, VIEW_ALL);
    EXPECT_EQ(data.northName, "");
}

TEST(BiddingDeal, PlainText) {
    CBiddingList session;
    session.SetName("Club night");
    session.SetNorthName("Ann");
    session.SetSouthName("Bob");
    const struct {
        const char* name;
        const char* hands[4];  // W N E S
        const char* calls;
        const char* note;  // on the first real call
        const char* comment;
        std::string text;
    } cases[] = {
        // Only North and South hold cards: no West or East line, no empty line for them.
        // A void is "-".
        {"A1",
         {"", "KQ32 - AJ9876 54", "", "AJT9 K876 - AKQJ"},
         "",
         "",
         "",
         "A1\r\nNorth / None\r\n\r\nNorth:\tKQ32 / - / AJ9876 / 54\r\n"
         "South:\tAJT9 / K876 / - / AKQJ\r\n"},
        // All four hands, an auction with a note and a comment of two lines.
        {"A2",
         {"W1 W2 W3 W4", "N1 N2 N3 N4", "E1 E2 E3 E4", "S1 S2 S3 S4"},
         "- - P 1N P 3N P P P",
         "15-17",
         "Ann: fine\r\nBob: agreed",
         "A2\r\nEast / North-South\r\n\r\nNorth:\tN1 / N2 / N3 / N4\r\nSouth:\tS1 / S2 / S3 / S4"
         "\r\n\r\nWest:\tW1 / W2 / W3 / W4\r\nEast:\tE1 / E2 / E3 / E4\r\n\r\n"
         "West\tNorth\tEast\tSouth\t\r\n\t\tP (1)\t1N\r\nP\t3N\tP\tP\r\nP\r\n\r\n(1)\t15-17"
         "\r\n\r\nAnn: fine\r\nBob: agreed\r\n"},
        // East without West: the empty line stands only before West.
        {"B16",
         {"", "N1 N2 N3 N4", "E1 - - -", ""},
         "",
         "",
         "",
         "B16\r\nWest / East-West\r\n\r\nNorth:\tN1 / N2 / N3 / N4\r\nEast:\tE1 / - / - / -"
         "\r\n"},
        {"C3",
         {"", "", "", ""},
         "",
         "",
         "just a comment",
         "C3\r\nSouth / East-West\r\n\r\n\r\n"
         "just a comment\r\n"},
    };
    for (const auto& c : cases) {
        CBiddingDeal* deal = AddDeal(session, c.name);
        for (int seat = 0; seat < 4; ++seat) {
            if (*c.hands[seat] != '\0') {
                SetHand(*deal, seat, c.hands[seat]);
            }
        }
        AppendCalls(*deal->GetAuction(), c.calls);
        if (*c.note != '\0') {
            for (int i = 0; i < deal->GetAuction()->GetCallCount(); ++i) {
                if (deal->GetAuction()->GetCallCode(i) != 0) {
                    deal->GetAuction()->GetCall(i)->AppendNote(c.note, true);
                    break;
                }
            }
        }
        deal->SetComment(c.comment, true);
        std::string text;
        EXPECT_TRUE(deal->GetText(text, false));
        EXPECT_EQ(text, c.text) << c.name;

        // Copied on its own, the deal comes under its session's heading.
        std::string copied;
        EXPECT_TRUE(deal->GetText(copied, true));
        EXPECT_EQ(copied, "Club night\r\nNorth:\tAnn\r\nSouth:\tBob\r\n\r\n\r\n" + c.text);
    }
}

TEST(BiddingDeal, OpenGoesThroughTheInstalledDialog) {
    CBiddingList session;
    CBiddingDeal* deal = AddDeal(session, "A1");
    CRecordingItemTree tree;
    EXPECT_TRUE(deal->OnCommand(nullptr, ID_OPEN));  // enabled
    EXPECT_FALSE(deal->OnCommand(nullptr, ID_VIEW_ALL));
    EXPECT_FALSE(deal->OnCommand(&tree, ID_PROPERTIES));
    // Without a dialog nothing opens, and nothing fails.
    EXPECT_FALSE(deal->Open());
    EXPECT_TRUE(deal->OnCommand(&tree, ID_OPEN));

    CFakeLauncher launcher;
    EXPECT_TRUE(deal->OnCommand(&tree, ID_OPEN));
    EXPECT_FALSE(deal->Open());
    EXPECT_TRUE(deal->OnDoubleClick(&tree));
    ASSERT_EQ(launcher.runs.size(), 3u);
    EXPECT_EQ(launcher.runs[0].deal, deal);
    EXPECT_EQ(tree.ModifiedCount(), 0);  // the dialog marks changes itself
}
