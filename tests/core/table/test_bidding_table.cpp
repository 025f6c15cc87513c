#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TableFixture.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "core/platform/DataFolder.h"
#include "core/table/TableIds.h"

namespace {
// The buttons whose state the table decides besides the bidding box, each with a letter:
// Take back, Auto bid, Hide, select N, select S, First, Previous, neXt, Last.
constexpr unsigned kButtons[] = {IDC_TAKE_BACK,     IDC_AUTO_BID,     IDC_HIDE,
                                 IDC_SELECT_NORTH,  IDC_SELECT_SOUTH, IDC_FIRST_DEAL,
                                 IDC_PREVIOUS_DEAL, IDC_NEXT_DEAL,    IDC_LAST_DEAL};
constexpr char kButtonLetters[] = "TAHNSFPXL";

// The enabled buttons as letters, checking that the view was told what the table says.
std::string EnabledButtons(const CTestDialog& dialog) {
    std::string letters;
    for (int i = 0; i < 9; ++i) {
        const bool enabled = dialog.table.IsControlEnabled(kButtons[i]);
        EXPECT_EQ(dialog.view.enabled.at(kButtons[i]), enabled) << kButtonLetters[i];
        letters += enabled ? std::string(1, kButtonLetters[i]) : "";
    }
    return letters;
}

}  // namespace

TEST_F(TableTest, TheFieldsShowWhatTheSelectedPlayerMaySee) {
    const struct {
        int board;  // 1 North deals, 2 East, 3 South, 4 West
        int player;
        const char* calls;
        const char* peeked;   // "N", "S" or ""
        const char* east;     // East's text; West's is "w"
        const char* visible;  // the seats whose hands show, of "WNES"
        const char* northField;
        const char* southField;
        const char* defendersField;
        const char* red;  // the field in red, "N", "S" or ""
    } cases[] = {
        // clang-format off
        {1, -1, "", "N", "e", "", "Ann", "Bob", "", ""},
        {1, SEAT_SOUTH, "", "N", "e", "S", "Ann has peeked at South's cards.", "Bob\r\ns", "", "N"},
        {1, SEAT_NORTH, "", "S", "e", "N", "Ann\r\nn", "Bob has peeked at North's cards.", "", "S"},
        // Complete: all hands, both texts, and the defenders' texts in calling order.
        {1, -1, "P P P P", "S", "e", "WNES", "Ann\r\nn", "Bob has peeked at North's cards.\r\ns",
         "e\r\nw", "S"},
        {3, -1, "P P P P", "", "e", "WNES", "Ann\r\nn", "Bob\r\ns", "w\r\ne", ""},
        {1, -1, "P P P P", "", "", "WNES", "Ann\r\nn", "Bob\r\ns", "w", ""},
        // clang-format on
    };
    const unsigned firstHolding[kSeatCount] = {IDC_WEST_SPADES, IDC_NORTH_SPADES, IDC_EAST_SPADES,
                                               IDC_SOUTH_SPADES};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.board) + " player " + std::to_string(c.player) + " " +
                     c.calls);
        MakeDeals(c.board);
        CBiddingDeal& deal = *Deal(c.board - 1);
        Fill(deal, c.calls);
        deal.SetSeatText(SEAT_NORTH, "n", true);
        deal.SetSeatText(SEAT_SOUTH, "s", true);
        deal.SetSeatText(SEAT_EAST, c.east, true);
        deal.SetSeatText(SEAT_WEST, "w", true);
        for (const char* p = c.peeked; *p != '\0'; ++p) {
            deal.SetPeeked(*p == 'N' ? SEAT_NORTH : SEAT_SOUTH);
        }
        const CTestDialog dialog(&deal, c.player);
        const CRecordingTableView& window = dialog.view;
        EXPECT_EQ(deal.GetStartPlayer(), -1);
        EXPECT_EQ(dialog.table.GetSelectedPlayer(), c.player);
        EXPECT_EQ(window.texts.at(IDC_NORTH_TEXT), c.northField);
        EXPECT_EQ(window.texts.at(IDC_SOUTH_TEXT), c.southField);
        EXPECT_EQ(window.texts.at(IDC_DEFENDERS_TEXT), c.defendersField);
        EXPECT_EQ(window.red.at(IDC_NORTH_TEXT), std::string(c.red) == "N");
        EXPECT_EQ(window.red.at(IDC_SOUTH_TEXT), std::string(c.red) == "S");
        for (int seat = 0; seat < kSeatCount; ++seat) {
            const bool visible = std::string(c.visible).find("WNES"[seat]) != std::string::npos;
            EXPECT_EQ(window.texts.at(firstHolding[seat]).empty(), !visible) << "seat " << seat;
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
        // A 7N made for East is followed by South, a user; his Pass brings the rule no more.
        {1, "East bids spades", "", -1, "1H back 7N P", "- 1H 7N P P"},
        // South's 7N: West, without an ace, passes; East doubles with his.
        {1, "", "", -1, "P 7N", "- P P 7N P P D P P P", {2, 1, 1, 1}},
        // Two recorded replies on one call: each trigger gets its own.
        {1, "", "", SEAT_NORTH, "1S 2H 4H autobid 2D 3S autobid 2H", "- 1S P 2H P 4H P"},
        {1, "", "", SEAT_NORTH, "1S 2H 4H autobid 2D 3S autobid 2D", "- 1S P 2D P 3S P"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.board) + ": " + c.presses);
        MakeDeals(c.board, c.aces);
        CBiddingDeal& deal = *Deal(c.board - 1);
        deal.SetSeatText(SEAT_EAST, c.east, true);
        deal.SetSeatText(SEAT_WEST, c.west, true);
        CTestDialog dialog(&deal, c.player);
        // Every change to the auction clears the hidden flags and marks the document.
        deal.SetHidden(SEAT_NORTH);
        deal.SetHidden(SEAT_SOUTH);
        const int before = tree.ModifiedCount();
        PressAll(dialog.table, c.presses);
        EXPECT_EQ(Calls(deal), c.calls);
        EXPECT_EQ(deal.IsHidden(SEAT_NORTH), *c.presses == '\0');
        EXPECT_EQ(deal.IsHidden(SEAT_SOUTH), *c.presses == '\0');
        EXPECT_EQ(tree.ModifiedCount() > before, *c.presses != '\0');
    }
}

TEST_F(TableTest, EveryButtonIsEnabledByItsRule) {
    const struct {
        int board;  // of three
        int player;
        const char* presses;
        const char* buttons;
        const char* westText = "";
    } cases[] = {
        // Only placeholders: nothing to take back; Select only while nobody is selected.
        {1, -1, "", "NSXL"},
        {1, SEAT_NORTH, "", "HXL"},
        {1, SEAT_NORTH, "1H", "THXL"},
        {2, -1, "", "TNSFPXL"},
        {3, -1, "", "NSFP"},
        // Auto Bid: the selected player's partner to call after a round of his own call
        // between the defenders' Passes, one round after a real call of his.
        {1, SEAT_NORTH, "1S 2H 4H", "TAHXL"},
        {1, SEAT_SOUTH, "1S 2H 4H", "THXL"},
        // The rule holds even after the auction has ended: South records his Pass.
        {1, SEAT_SOUTH, "1S 2H 4H P", "TAHXL"},
        // West bid over partner's call: the round holds no reply to record.
        {1, SEAT_NORTH, "1S 2H 4H", "THXL", "West bids clubs"},
        // A placeholder six entries back is no call to attach a reply to.
        {3, SEAT_NORTH, "1S 2S", "THFP"},
        // Complete: the box is dead, taking back stays possible.
        {1, SEAT_NORTH, "P P", "THXL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.board) + " " + std::to_string(c.player) + ": " + c.presses);
        MakeDeals(3);
        Deal(c.board - 1)->SetSeatText(SEAT_WEST, c.westText, true);
        CTestDialog dialog(Deal(c.board - 1), c.player);
        PressAll(dialog.table, c.presses);
        EXPECT_EQ(EnabledButtons(dialog), c.buttons);
        for (int index = 0; index < kCallCount; ++index) {  // the bidding box as the auction
            const int code = CCall::GetCodeOfIndex(index);
            EXPECT_EQ(dialog.view.enabled.at(static_cast<unsigned>(code)),
                      Deal(c.board - 1)->GetAuction()->IsCallEnabled(code));
        }
    }
}

TEST_F(TableTest, TakingBackAfterTheEndHidesTheHandsAgainAndMarksThePeek) {
    MakeDeals(1);
    Open(Deal(0), SEAT_NORTH);
    EXPECT_TRUE(Press("P P"));
    EXPECT_EQ(table.GetViewSeat(), VIEW_ALL);
    EXPECT_FALSE(view.texts[IDC_EAST_SPADES].empty());
    EXPECT_TRUE(Press("back back"));  // West's Pass and South's
    EXPECT_EQ(Calls(*Deal(0)), "- P P");
    EXPECT_TRUE(view.texts[IDC_EAST_SPADES].empty());
    EXPECT_FALSE(view.texts[IDC_NORTH_SPADES].empty());
    EXPECT_TRUE(Deal(0)->HasPeeked(SEAT_NORTH));
    EXPECT_FALSE(Deal(0)->HasPeeked(SEAT_SOUTH));

    // Nobody selected, or the auction not complete: nobody peeks.
    for (const auto& [player, presses] :
         {std::pair(-1, "P P back"), std::pair(int{SEAT_SOUTH}, "1S back")}) {
        MakeDeals(1);
        CTestDialog dialog(Deal(0), player);
        PressAll(dialog.table, presses);
        EXPECT_FALSE(Deal(0)->HasPeeked(SEAT_NORTH) || Deal(0)->HasPeeked(SEAT_SOUTH)) << presses;
    }
}

// Select works once per dialog, and the selection holds on the next deal.
TEST_F(TableTest, SelectingAPlayerOnceShowsHisHand) {
    MakeDeals(2);
    Open(Deal(0));
    EXPECT_TRUE(table.Press(IDC_SELECT_SOUTH));
    EXPECT_FALSE(view.texts[IDC_SOUTH_SPADES].empty());
    EXPECT_FALSE(table.Press(IDC_SELECT_NORTH));
    EXPECT_TRUE(table.Press(IDC_NEXT_DEAL));
    EXPECT_EQ(table.GetSelectedPlayer(), SEAT_SOUTH);
}

TEST_F(TableTest, NavigationSkipsTheDealsHiddenForThePlayerAndEndsPastThem) {
    MakeDeals(6);
    for (int hidden : {0, 2, 4, 5}) {
        Deal(hidden)->SetHidden(SEAT_NORTH);
    }
    Deal(3)->SetHidden(SEAT_SOUTH);
    Open(Deal(1), SEAT_NORTH);
    EXPECT_EQ(table.FirstDealIndex(), 1);
    EXPECT_EQ(table.LastDealIndex(), 3);
    EXPECT_FALSE(table.Press(IDC_PREVIOUS_DEAL));  // disabled at the first deal North may see
    EXPECT_TRUE(table.Press(IDC_NEXT_DEAL));
    EXPECT_EQ(table.GetDeal(), Deal(3));
    EXPECT_EQ(view.title, "Deal Number: A4");
    EXPECT_FALSE(table.IsControlEnabled(IDC_NEXT_DEAL));
    EXPECT_TRUE(Press("P"));  // North's call made, East passes: South is to call
    EXPECT_TRUE(table.Press(IDC_PREVIOUS_DEAL));
    EXPECT_EQ(table.GetDeal(), Deal(1));
    EXPECT_TRUE(table.Press(IDC_LAST_DEAL));
    EXPECT_EQ(table.GetDeal(), Deal(3));
    EXPECT_TRUE(table.Press(IDC_FIRST_DEAL));
    EXPECT_EQ(table.GetDeal(), Deal(1));
    EXPECT_EQ(view.ended, 0);
    EXPECT_TRUE(prompts.Messages().empty());

    // Past the first deal North may see (hidden meanwhile), the dialog ends without asking.
    CTestDialog dialog(Deal(3), SEAT_NORTH);
    Deal(1)->SetHidden(SEAT_NORTH);
    EXPECT_TRUE(dialog.table.Press(IDC_PREVIOUS_DEAL));
    EXPECT_EQ(dialog.view.ended, 1);
    EXPECT_FALSE(dialog.table.Press(IDC_NEXT_DEAL));
}

// On A1 North is to call; A2 is hidden for North.
TEST_F(TableTest, LeavingOrHidingWithOnesOwnCallPendingAsksFirst) {
    const std::string leave =
        "You have not made your call.\n\nDo you want to exit this deal anyway?";
    const std::string hide = "The bidding is not finished.\n\nDo you want to hide the deal anyway?";
    const struct {
        unsigned button;
        int player;
        const char* presses;
        const std::string& question;  // empty when nothing is asked
        bool answer;
        int dealAfter;
    } cases[] = {
        {IDC_NEXT_DEAL, SEAT_NORTH, "", leave, false, 0},
        {IDC_NEXT_DEAL, SEAT_NORTH, "", leave, true, 2},
        {IDC_NEXT_DEAL, SEAT_SOUTH, "", "", true, 1},
        {IDC_NEXT_DEAL, -1, "", "", true, 1},
        {IDC_NEXT_DEAL, SEAT_SOUTH, "1S", leave, false, 0},
        {IDC_NEXT_DEAL, SEAT_NORTH, "P P", "", true, 2},
        {IDC_HIDE, SEAT_NORTH, "", hide, false, 0},
        {IDC_HIDE, SEAT_NORTH, "", hide, true, 2},
        {IDC_HIDE, SEAT_NORTH, "P P", "", true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.button) + " " + std::to_string(c.player) + ": " + c.presses);
        MakeDeals(3);
        Deal(1)->SetHidden(SEAT_NORTH);
        prompts.ClearMessages();
        if (!c.question.empty()) {
            prompts.QueueAnswer(c.answer);
        }
        CTestDialog dialog(Deal(0), c.player);
        PressAll(dialog.table, c.presses);
        const int before = tree.ModifiedCount();
        EXPECT_TRUE(dialog.table.Press(c.button));
        EXPECT_EQ(dialog.table.GetDeal(), Deal(c.dealAfter));
        const bool hidden = c.button == IDC_HIDE && c.answer;
        EXPECT_EQ(Deal(0)->IsHidden(SEAT_NORTH), hidden);
        EXPECT_EQ(tree.ModifiedCount() > before, hidden);
        ASSERT_EQ(prompts.Messages().size(), c.question.empty() ? 0u : 1u);
        if (!c.question.empty()) {
            EXPECT_EQ(prompts.Messages()[0].text, c.question);
            EXPECT_EQ(prompts.Messages()[0].buttons, MessageButtons::YesNo);
        }
    }

    // Close asks as Next does; Escape never asks.
    MakeDeals(1);
    Open(Deal(0), SEAT_NORTH);
    prompts.ClearMessages();
    EXPECT_TRUE(table.Press(IDC_CLOSE));
    EXPECT_EQ(prompts.Messages().size(), 1u);
    EXPECT_FALSE(table.IsEnded());
    table.Escape();
    EXPECT_EQ(view.ended, 1);

    // Hiding the last deal North may see ends the dialog.
    MakeDeals(2);
    Deal(1)->SetHidden(SEAT_NORTH);
    Fill(*Deal(0), "P P P P");
    CTestDialog last(Deal(0), SEAT_NORTH);
    EXPECT_TRUE(last.table.Press(IDC_HIDE));
    EXPECT_TRUE(Deal(0)->IsHidden(SEAT_NORTH));
    EXPECT_EQ(last.view.ended, 1);
}

TEST_F(TableTest, TheCommentGetsTheWritersNameOnceAndEditsUnhide) {
    const struct {
        int player;
        const char* comment;
        const char* afterFocus;
        std::size_t caret;
    } cases[] = {
        {SEAT_NORTH, "", "Ann: ", 5},
        {SEAT_SOUTH, "Ann: good hand", "Bob: \r\nAnn: good hand", 5},
        {SEAT_NORTH, "Ann: ", "Ann: ", 0},
        {SEAT_NORTH, "Ann: \r\nold", "Ann: \r\nold", 0},
        {SEAT_NORTH, "Ann: new\r\nold", "Ann: \r\nAnn: new\r\nold", 5},
        {-1, "old", "old", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.comment);
        MakeDeals(1);
        Deal(0)->SetComment(c.comment, true);
        CTestDialog dialog(Deal(0), c.player);
        Deal(0)->SetHidden(SEAT_SOUTH);
        dialog.table.OnCommentFocus();
        dialog.table.OnCommentFocus();
        EXPECT_EQ(dialog.view.texts[IDC_COMMENT], c.afterFocus);
        EXPECT_EQ(dialog.view.caret, c.caret);
        EXPECT_EQ(Deal(0)->IsHidden(SEAT_SOUTH), c.caret == 0);
    }

    // Typing unhides and marks the document; the text reaches the deal when saved or left.
    MakeDeals(2);
    Deal(0)->SetHidden(SEAT_NORTH);
    Open(Deal(0), SEAT_SOUTH);
    const int before = tree.ModifiedCount();
    table.OnCommentEdited("Bob: weak two?");
    EXPECT_FALSE(Deal(0)->IsHidden(SEAT_NORTH));
    EXPECT_GT(tree.ModifiedCount(), before);
    EXPECT_EQ(Deal(0)->GetComment(), "");
    EXPECT_TRUE(table.Press(IDC_NEXT_DEAL));
    EXPECT_EQ(Deal(0)->GetComment(), "Bob: weak two?");
    table.OnCommentEdited("on the second deal");
    table.SaveComment();
    EXPECT_EQ(Deal(1)->GetComment(), "on the second deal");
}

TEST_F(TableTest, TheDefaultFocusGoesOnInTheDirectionOfTravel) {
    const struct {
        int deals;
        int index;
        int player;
        unsigned forward;
        unsigned backward;
    } cases[] = {
        {3, 1, -1, IDC_NEXT_DEAL, IDC_PREVIOUS_DEAL},
        {3, 2, -1, IDC_PREVIOUS_DEAL, IDC_PREVIOUS_DEAL},
        {3, 2, SEAT_NORTH, IDC_CLOSE, IDC_PREVIOUS_DEAL},  // North's call is pending
        {3, 0, SEAT_NORTH, IDC_NEXT_DEAL, IDC_CLOSE},
        {1, 0, SEAT_SOUTH, IDC_CLOSE, IDC_CLOSE},
    };
    for (const auto& c : cases) {
        MakeDeals(c.deals);
        CTestDialog dialog(Deal(c.index), c.player);
        EXPECT_EQ(dialog.view.focus, c.forward) << c.index << " " << c.player;
        dialog.view.focus = 0;
        dialog.table.OnHoldingFocus();
        EXPECT_EQ(dialog.view.focus, c.forward) << c.index << " " << c.player;
        EXPECT_EQ(dialog.table.GetDefaultFocus(false), c.backward) << c.index << " " << c.player;
    }

    // Arriving by Previous puts the focus on Previous.
    MakeDeals(3);
    Open(Deal(2));
    EXPECT_TRUE(table.Press(IDC_PREVIOUS_DEAL));
    EXPECT_EQ(view.focus, IDC_PREVIOUS_DEAL);
}

TEST_F(TableTest, NotesOnCallsCopyAndLogBook) {
    MakeDeals(1);
    CBiddingDeal& deal = *Deal(0);
    Open(&deal, SEAT_NORTH);
    EXPECT_TRUE(Press("1S"));
    EXPECT_EQ(table.GetCallAt(0, 0), nullptr);  // West's placeholder
    EXPECT_EQ(table.GetCallAt(3, 0), nullptr);  // not yet called
    deal.SetHidden(SEAT_SOUTH);
    const int refreshes = view.auctionRefreshes;
    table.ReplaceNote(1, 0, "five spades");
    table.ReplaceNote(0, 0, "nothing here");
    EXPECT_EQ(table.GetCallAt(1, 0)->GetNote(), "five spades");
    EXPECT_FALSE(deal.IsHidden(SEAT_SOUTH));
    EXPECT_EQ(view.auctionRefreshes, refreshes + 1);

    table.OnCommentEdited("Ann: sound opening");
    EXPECT_TRUE(table.Press(IDC_COPY));
    EXPECT_NE(prompts.Clipboard().find("1S (1)"), std::string::npos) << prompts.Clipboard();
    EXPECT_NE(prompts.Clipboard().find("Ann: sound opening"), std::string::npos);
    EXPECT_TRUE(table.Press(IDC_LOG_BOOK));
    const std::string logBook = ReadFileBytes(GetDataFolder() + "/Log-book.lv");
    EXPECT_NE(logBook.find("Ann: sound opening"), std::string::npos);
    EXPECT_EQ(deal.GetSession(), session);
    EXPECT_EQ(view.focus, IDC_CLOSE);
}

// A void of a hand that is shown reads as a dash; a hidden hand stays empty.
TEST_F(TableTest, AVoidOfAShownHandIsADash) {
    MakeDeals(1);
    CBiddingDeal& deal = *Deal(0);
    deal.SetSuitText(SEAT_NORTH, SUIT_HEARTS, "", true);
    const CTestDialog dialog(&deal, SEAT_NORTH);
    EXPECT_EQ(dialog.view.texts.at(IDC_NORTH_SPADES + 1), "\xE2\x80\x94");
    EXPECT_NE(dialog.view.texts.at(IDC_NORTH_SPADES), "\xE2\x80\x94");
    EXPECT_EQ(dialog.view.texts.at(IDC_SOUTH_SPADES + 1), "");
}

// The deal in words: dealer and vulnerability, and the contract once the auction is over,
// declared by the first of the side to name its strain.
TEST_F(TableTest, TheDealInWords) {
    const struct {
        int board;
        const char* calls;
        const char* summary;
    } cases[] = {
        {1, "", "Dealer North, neither side vulnerable"},
        {1, "1S P 2S", "Dealer North, neither side vulnerable"},
        {1, "P P P P", "Dealer North, neither side vulnerable. Passed out"},
        {1, "1S P 2S P 4S P P P",
         "Dealer North, neither side vulnerable. Contract 4\xE2\x99\xA0 by North"},
        {1, "1H P 1S P 2S P P D P P P",
         "Dealer North, neither side vulnerable. Contract 2\xE2\x99\xA0 doubled by South"},
        {2, "1N D RD P P P", "Dealer East, North-South vulnerable. Contract 1NT redoubled by East"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.calls);
        MakeDeals(c.board);
        CBiddingDeal& deal = *Deal(c.board - 1);
        Fill(deal, c.calls);
        const CTestDialog dialog(&deal, -1);
        EXPECT_EQ(dialog.view.texts.at(IDC_DEAL_SUMMARY), c.summary);
    }
}
