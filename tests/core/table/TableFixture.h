#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "BiddingScript.h"
#include "CRecordingItemTree.h"
#include "CoreTest.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/items/CDesktop.h"
#include "core/table/CBiddingTable.h"
#include "core/table/IBiddingTableView.h"

// A window that remembers what the bidding table told it.
class CRecordingTableView : public IBiddingTableView {
public:
    void EnableControl(unsigned controlId, bool enable) override { enabled[controlId] = enable; }
    void SetControlText(unsigned controlId, const std::string& text) override {
        texts[controlId] = text;
    }
    void SetControlRed(unsigned controlId, bool isRed) override { red[controlId] = isRed; }
    void SetTitle(const std::string& text) override { title = text; }
    void SetFocusTo(unsigned controlId) override { focus = controlId; }
    void SetCommentCaret(std::size_t offset) override { caret = offset; }
    void RefreshAuction(bool) override { ++auctionRefreshes; }
    void RefreshPictures() override {}
    void EndDialog() override { ++ended; }

    std::map<unsigned, bool> enabled;
    std::map<unsigned, std::string> texts;
    std::map<unsigned, bool> red;
    std::string title;
    unsigned focus = 0;
    std::size_t caret = 0;
    int auctionRefreshes = 0;
    int ended = 0;
};

// Presses each call text, "back" or "autobid"; false at the first disabled button.
bool PressAll(CBiddingTable& table, const std::string& presses);
// Loads the deal (after setting its start player) and starts the table.
void Open(CBiddingTable& table, CBiddingDeal* deal, int player = -1);

// A bidding table of its own, opened on a deal for the player.
struct CTestDialog {
    CTestDialog(CBiddingDeal* deal, int player) { Open(table, deal, player); }
    CRecordingTableView view;
    CBiddingTable table{&view};
};

// A session of Ann (North) and Bob (South) under a Desktop shown in a recording tree, and a
// bidding table that draws into a recording view.
class TableTest : public CoreTest {
protected:
    TableTest();

    // A session of that many deals A1 ... An (n decides dealer and vulnerability), the
    // earlier ones gone. The aces go to the seats given (spades, hearts, diamonds, clubs).
    void MakeDeals(int count, const std::vector<int>& aces = {1, 1, 1, 1});
    CBiddingDeal* Deal(int index) const;

    static std::string Calls(const CBiddingDeal& deal) { return CallsOf(*deal.GetAuction()); }
    // Appends call texts to the auction after the placeholders, as a document would hold it.
    static void Fill(CBiddingDeal& deal, const std::string& calls);
    bool Press(const std::string& presses) { return PressAll(table, presses); }
    void Open(CBiddingDeal* deal, int player = -1) { ::Open(table, deal, player); }

    CRecordingItemTree tree;
    CDesktop desktop;
    CBiddingList* session = nullptr;
    CRecordingTableView view;
    CBiddingTable table{&view};
};
