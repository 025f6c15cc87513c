#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TableFixture.h"
#include "bidding/CAuction.h"
#include "bidding/CCall.h"
#include "deals/Seats.h"
#include "platform/DataFolder.h"
#include "table/TableIds.h"

namespace {
// The buttons whose state the table decides besides the bidding box.
constexpr unsigned kButtons[] = {IDC_TAKE_BACK,     IDC_AUTO_BID,     IDC_HIDE,
                                 IDC_SELECT_NORTH,  IDC_SELECT_SOUTH, IDC_FIRST_DEAL,
                                 IDC_PREVIOUS_DEAL, IDC_NEXT_DEAL,    IDC_LAST_DEAL};

std::set<unsigned> EnabledButtons(const CRecordingTableView& view) {
    std::set<unsigned> enabled;
    for (unsigned id : kButtons) {
        if (view.enabled.contains(id) && view.enabled.at(id)) {
            enabled.insert(id);
        }
    }
    return enabled;
}

std::string EnabledCalls(const CRecordingTableView& view) {
    std::string calls;
    for (int index = 0; index < 38; ++index) {
        const int code = CCall::GetCodeOfIndex(index);
        if (view.enabled.at(static_cast<unsigned>(code))) {
            calls += (calls.empty() ? "" : " ") + CCall::GetCallText(code);
        }
    }
    return calls;
}
}  // namespace

TEST_F(TableTest, EveryButtonIsEnabledByItsRule) {
    const struct {
        int board;
        int player;
        const char* presses;
        std::set<unsigned> buttons;
        const char* firstCalls;  // the start of the enabled calls, lowest first
        const char* westText = "";
    } cases[] = {
        // Only placeholders: nothing to take back; Select only while nobody is selected.
        {1, -1, "", {IDC_SELECT_NORTH, IDC_SELECT_SOUTH, IDC_NEXT_DEAL, IDC_LAST_DEAL}, "1C 1D"},
        {1, SEAT_NORTH, "", {IDC_HIDE, IDC_NEXT_DEAL, IDC_LAST_DEAL}, "1C 1D"},
        {1, SEAT_NORTH, "1H", {IDC_TAKE_BACK, IDC_HIDE, IDC_NEXT_DEAL, IDC_LAST_DEAL}, "1S 1N"},
        {2,
         -1,
         "",
         {IDC_TAKE_BACK, IDC_SELECT_NORTH, IDC_SELECT_SOUTH, IDC_FIRST_DEAL, IDC_PREVIOUS_DEAL,
          IDC_NEXT_DEAL, IDC_LAST_DEAL},
         "1C 1D"},
        {3,
         -1,
         "",
         {IDC_SELECT_NORTH, IDC_SELECT_SOUTH, IDC_FIRST_DEAL, IDC_PREVIOUS_DEAL},
         "1C 1D"},
        // Auto Bid: the selected player's partner to call after a round of his own call
        // between the defenders' Passes, one round after a real call of his.
        {1,
         SEAT_NORTH,
         "1S 2H 4H",
         {IDC_TAKE_BACK, IDC_AUTO_BID, IDC_HIDE, IDC_NEXT_DEAL, IDC_LAST_DEAL},
         "4S 4N"},
        {1,
         SEAT_SOUTH,
         "1S 2H 4H",
         {IDC_TAKE_BACK, IDC_HIDE, IDC_NEXT_DEAL, IDC_LAST_DEAL},
         "4S 4N"},
        {1,
         -1,
         "1S 2H 4H",
         {IDC_TAKE_BACK, IDC_SELECT_NORTH, IDC_SELECT_SOUTH, IDC_NEXT_DEAL, IDC_LAST_DEAL},
         "4S 4N"},
        // The rule holds even after the auction has ended: South records his Pass.
        {1,
         SEAT_SOUTH,
         "1S 2H 4H P",
         {IDC_TAKE_BACK, IDC_AUTO_BID, IDC_HIDE, IDC_NEXT_DEAL, IDC_LAST_DEAL},
         ""},
        {1, SEAT_NORTH, "1S 2H", {IDC_TAKE_BACK, IDC_HIDE, IDC_NEXT_DEAL, IDC_LAST_DEAL}, "2S 2N"},
        // West bid over partner's call: the round holds no reply to record.
        {1,
         SEAT_NORTH,
         "1S 2H 4H",
         {IDC_TAKE_BACK, IDC_HIDE, IDC_NEXT_DEAL, IDC_LAST_DEAL},
         "4S 4N",
         "West bids clubs"},
        // A placeholder six entries back is no call to attach a reply to.
        {3,
         SEAT_NORTH,
         "1S 2S",
         {IDC_TAKE_BACK, IDC_HIDE, IDC_FIRST_DEAL, IDC_PREVIOUS_DEAL},
         "2N 3C"},
        // Complete: the box is dead, taking back stays possible.
        {1, SEAT_NORTH, "P P", {IDC_TAKE_BACK, IDC_HIDE, IDC_NEXT_DEAL, IDC_LAST_DEAL}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.board) + " " + std::to_string(c.player) + ": " + c.presses);
        MakeDeals(3);
        Deal(c.board - 1)->SetSeatText(SEAT_WEST, c.westText, true);
        CRecordingTableView window;
        CBiddingTable dialog(&window);
        Open(dialog, Deal(c.board - 1), c.player);
        PressAll(dialog, c.presses);
        EXPECT_EQ(EnabledButtons(window), c.buttons);
        EXPECT_TRUE(EnabledCalls(window).starts_with(c.firstCalls)) << EnabledCalls(window);
        for (unsigned id : kButtons) {
            EXPECT_EQ(dialog.IsControlEnabled(id), c.buttons.contains(id)) << id;
        }
    }
}

TEST_F(TableTest, TakingBackAfterTheEndHidesTheHandsAgainAndMarksThePeek) {
    const struct {
        int player;
        const char* presses;
        bool northPeeked;
        bool southPeeked;
    } cases[] = {
        {SEAT_NORTH, "P P back", true, false},
        {SEAT_SOUTH, "P P back", false, true},
        {-1, "P P back", false, false},
        {SEAT_NORTH, "1S back", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.presses);
        MakeDeals(1);
        CBiddingDeal& deal = *Deal(0);
        CRecordingTableView window;
        CBiddingTable dialog(&window);
        Open(dialog, &deal, c.player);
        PressAll(dialog, c.presses);
        EXPECT_EQ(deal.HasPeeked(SEAT_NORTH), c.northPeeked);
        EXPECT_EQ(deal.HasPeeked(SEAT_SOUTH), c.southPeeked);
        EXPECT_EQ(dialog.GetViewSeat(), c.player);
    }

    // The hands show while the auction is complete, then hide; the partner later sees the
    // peek in red.
    MakeDeals(1);
    CBiddingDeal& deal = *Deal(0);
    Open(&deal, SEAT_NORTH);
    EXPECT_TRUE(Press("P P"));
    EXPECT_EQ(table.GetViewSeat(), VIEW_ALL);
    EXPECT_FALSE(view.texts[IDC_EAST_SPADES].empty());
    EXPECT_TRUE(Press("back back"));  // West's Pass and South's
    EXPECT_EQ(Calls(deal), "- P P");
    EXPECT_TRUE(view.texts[IDC_EAST_SPADES].empty());
    EXPECT_FALSE(view.texts[IDC_NORTH_SPADES].empty());
    EXPECT_FALSE(view.red[IDC_NORTH_TEXT]);

    CRecordingTableView partnerView;
    CBiddingTable partner(&partnerView);
    Open(partner, &deal, SEAT_SOUTH);
    EXPECT_EQ(partnerView.texts[IDC_NORTH_TEXT], "Ann has peeked at South's cards.");
    EXPECT_TRUE(partnerView.red[IDC_NORTH_TEXT]);
}

TEST_F(TableTest, ChangesClearTheHiddenFlagsAndMarkTheDocument) {
    const char* const changes[] = {"1S", "1S back", "1S 2H 4H autobid"};
    for (const char* presses : changes) {
        SCOPED_TRACE(presses);
        MakeDeals(1);
        CBiddingDeal& deal = *Deal(0);
        CRecordingTableView window;
        CBiddingTable dialog(&window);
        Open(dialog, &deal, SEAT_NORTH);
        deal.SetHidden(SEAT_NORTH);
        deal.SetHidden(SEAT_SOUTH);
        tree.ClearCalls();
        const int before = tree.ModifiedCount();
        PressAll(dialog, presses);
        EXPECT_FALSE(deal.IsHidden(SEAT_NORTH));
        EXPECT_FALSE(deal.IsHidden(SEAT_SOUTH));
        EXPECT_GT(tree.ModifiedCount(), before);
    }
}

TEST_F(TableTest, SelectingAPlayerOnceShowsHisHand) {
    MakeDeals(2);
    Open(Deal(0));
    EXPECT_TRUE(view.texts[IDC_SOUTH_SPADES].empty());
    EXPECT_TRUE(table.Press(IDC_SELECT_SOUTH));
    EXPECT_EQ(table.GetSelectedPlayer(), SEAT_SOUTH);
    EXPECT_FALSE(view.texts[IDC_SOUTH_SPADES].empty());
    EXPECT_EQ(view.texts[IDC_SOUTH_TEXT], "Bob\r\n");
    EXPECT_FALSE(table.IsControlEnabled(IDC_SELECT_NORTH));
    EXPECT_FALSE(table.Press(IDC_SELECT_NORTH));
    EXPECT_TRUE(table.IsControlEnabled(IDC_HIDE));
    // The selection holds on the next deal.
    EXPECT_TRUE(table.Press(IDC_NEXT_DEAL));
    EXPECT_EQ(table.GetSelectedPlayer(), SEAT_SOUTH);
    EXPECT_FALSE(table.IsControlEnabled(IDC_SELECT_SOUTH));
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
    EXPECT_EQ(EnabledButtons(view),
              (std::set<unsigned>{IDC_TAKE_BACK, IDC_HIDE, IDC_NEXT_DEAL, IDC_LAST_DEAL}));
    EXPECT_TRUE(table.Press(IDC_NEXT_DEAL));
    EXPECT_EQ(table.GetDeal(), Deal(3));
    EXPECT_EQ(view.title, "Deal Number: A4");
    EXPECT_EQ(view.texts[IDC_COMPASS_WEST], "*");
    EXPECT_EQ(view.texts[IDC_COMPASS_EAST], "E");
    EXPECT_EQ(EnabledButtons(view).count(IDC_NEXT_DEAL), 0u);
    EXPECT_TRUE(Press("P"));  // North's call made, East passes: South is to call
    EXPECT_TRUE(table.Press(IDC_PREVIOUS_DEAL));
    EXPECT_EQ(table.GetDeal(), Deal(1));
    EXPECT_TRUE(table.Press(IDC_LAST_DEAL));
    EXPECT_EQ(table.GetDeal(), Deal(3));
    EXPECT_TRUE(table.Press(IDC_FIRST_DEAL));
    EXPECT_EQ(table.GetDeal(), Deal(1));
    EXPECT_EQ(view.ended, 0);
    EXPECT_TRUE(prompts.Messages().empty());

    EXPECT_FALSE(table.Press(IDC_PREVIOUS_DEAL));  // disabled at the first deal North may see

    // Past the first deal North may see, the dialog ends without asking.
    CRecordingTableView window;
    CBiddingTable dialog(&window);
    Open(dialog, Deal(3), SEAT_NORTH);
    EXPECT_TRUE(dialog.IsControlEnabled(IDC_PREVIOUS_DEAL));
    Deal(1)->SetHidden(SEAT_NORTH);
    EXPECT_TRUE(dialog.Press(IDC_PREVIOUS_DEAL));
    EXPECT_EQ(window.ended, 1);
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_FALSE(dialog.Press(IDC_NEXT_DEAL));

    // With nobody selected nothing is skipped.
    CRecordingTableView all;
    CBiddingTable viewAll(&all);
    Open(viewAll, Deal(0));
    EXPECT_EQ(viewAll.FirstDealIndex(), 0);
    EXPECT_EQ(viewAll.LastDealIndex(), 5);
    EXPECT_TRUE(viewAll.Press(IDC_NEXT_DEAL));
    EXPECT_EQ(viewAll.GetDeal(), Deal(1));
    EXPECT_TRUE(viewAll.Press(IDC_LAST_DEAL));
    EXPECT_EQ(viewAll.GetDeal(), Deal(5));
    EXPECT_FALSE(viewAll.Press(IDC_NEXT_DEAL));
    EXPECT_EQ(all.ended, 0);
}

TEST_F(TableTest, LeavingWithOnesOwnCallPendingAsksFirst) {
    const struct {
        int player;
        const char* presses;  // on A1, North deals
        bool asked;
        bool answer;
        bool moved;
    } cases[] = {
        {SEAT_NORTH, "", true, false, false},   {SEAT_NORTH, "", true, true, true},
        {SEAT_SOUTH, "", false, false, true},   {-1, "", false, false, true},
        {SEAT_SOUTH, "1S", true, false, false}, {SEAT_NORTH, "P P", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.player) + ": " + c.presses);
        MakeDeals(2);
        prompts.ClearMessages();
        if (c.asked) {
            prompts.QueueAnswer(c.answer);
        }
        CRecordingTableView window;
        CBiddingTable dialog(&window);
        Open(dialog, Deal(0), c.player);
        PressAll(dialog, c.presses);
        EXPECT_TRUE(dialog.Press(IDC_NEXT_DEAL));
        EXPECT_EQ(dialog.GetDeal() == Deal(1), c.moved);
        ASSERT_EQ(prompts.Messages().size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(prompts.Messages()[0].text,
                      "You have not made your call.\n\nDo you want to exit this deal anyway?");
            EXPECT_EQ(prompts.Messages()[0].icon, MessageIcon::Question);
            EXPECT_EQ(prompts.Messages()[0].buttons, MessageButtons::YesNo);
        }
        // Close asks the same; Escape never asks.
        if (!c.moved) {
            prompts.ClearMessages();
            EXPECT_TRUE(dialog.Press(IDC_CLOSE));
            EXPECT_EQ(prompts.Messages().size(), 1u);
            EXPECT_FALSE(dialog.IsEnded());
            dialog.Escape();
            EXPECT_TRUE(dialog.IsEnded());
            EXPECT_EQ(window.ended, 1);
        }
    }
}

TEST_F(TableTest, HidingAnUnfinishedDealAsksOnceAndMovesOn) {
    const struct {
        const char* presses;
        bool asked;
        bool answer;
        bool hidden;
    } cases[] = {
        {"", true, false, false},
        {"", true, true, true},
        {"P P", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.presses);
        MakeDeals(3);
        Deal(1)->SetHidden(SEAT_NORTH);
        prompts.ClearMessages();
        if (c.asked) {
            prompts.QueueAnswer(c.answer);
        }
        CRecordingTableView window;
        CBiddingTable dialog(&window);
        Open(dialog, Deal(0), SEAT_NORTH);  // North is to call
        PressAll(dialog, c.presses);
        const int before = tree.ModifiedCount();
        EXPECT_TRUE(dialog.Press(IDC_HIDE));
        EXPECT_EQ(Deal(0)->IsHidden(SEAT_NORTH), c.hidden);
        EXPECT_EQ(prompts.Messages().size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(prompts.Messages()[0].text,
                      "The bidding is not finished.\n\nDo you want to hide the deal anyway?");
        }
        EXPECT_EQ(dialog.GetDeal(), c.hidden ? Deal(2) : Deal(0));
        EXPECT_EQ(tree.ModifiedCount() > before, c.hidden);
        EXPECT_EQ(window.focus, dialog.GetDefaultFocus(true));
    }

    // Hiding the last deal North may see ends the dialog.
    MakeDeals(2);
    Deal(1)->SetHidden(SEAT_NORTH);
    Fill(*Deal(0), "P P P P");
    Open(Deal(0), SEAT_NORTH);
    EXPECT_TRUE(table.Press(IDC_HIDE));
    EXPECT_TRUE(Deal(0)->IsHidden(SEAT_NORTH));
    EXPECT_EQ(view.ended, 1);
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
        CBiddingDeal& deal = *Deal(0);
        deal.SetComment(c.comment, true);
        CRecordingTableView window;
        CBiddingTable dialog(&window);
        Open(dialog, &deal, c.player);
        deal.SetHidden(SEAT_SOUTH);
        dialog.OnCommentFocus();
        dialog.OnCommentFocus();
        EXPECT_EQ(window.texts[IDC_COMMENT], c.afterFocus);
        EXPECT_EQ(window.caret, c.caret);
        EXPECT_EQ(deal.IsHidden(SEAT_SOUTH), c.caret == 0);
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
        {3, 0, -1, IDC_NEXT_DEAL, IDC_NEXT_DEAL},
        {3, 2, SEAT_NORTH, IDC_CLOSE, IDC_PREVIOUS_DEAL},
        {3, 0, SEAT_NORTH, IDC_NEXT_DEAL, IDC_CLOSE},
        {1, 0, -1, IDC_CLOSE, IDC_CLOSE},
        {1, 0, SEAT_SOUTH, IDC_CLOSE, IDC_CLOSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.deals) + " " + std::to_string(c.index) + " " +
                     std::to_string(c.player));
        MakeDeals(c.deals);
        CRecordingTableView window;
        CBiddingTable dialog(&window);
        Open(dialog, Deal(c.index), c.player);
        EXPECT_EQ(window.focus, c.forward);
        EXPECT_EQ(dialog.GetDefaultFocus(true), c.forward);
        EXPECT_EQ(dialog.GetDefaultFocus(false), c.backward);
        dialog.OnHoldingFocus();
        EXPECT_EQ(window.focus, c.forward);
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
    EXPECT_EQ(table.GetCallAt(1, 0)->GetName(), "1S");
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
