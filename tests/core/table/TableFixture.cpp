#include "TableFixture.h"

#include <sstream>

#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "core/table/TableIds.h"

bool PressAll(CBiddingTable& table, const std::string& presses) {
    std::istringstream words(presses);
    std::string word;
    while (words >> word) {
        const unsigned id = word == "back"      ? IDC_TAKE_BACK
                            : word == "autobid" ? IDC_AUTO_BID
                                                : static_cast<unsigned>(CCall::GetCallCode(word));
        if (!table.Press(id)) {
            ADD_FAILURE() << "disabled: " << word << " in " << presses;
            return false;
        }
    }
    return true;
}

void Open(CBiddingTable& table, CBiddingDeal* deal, int player) {
    deal->SetStartPlayer(player);
    table.LoadDeal(deal);
    table.Start();
}

TableTest::TableTest() {
    desktop.SetTree(&tree);
    desktop.InsertIntoTree(nullptr);
    session = AddSession(desktop, "Bidding", "Ann", "Bob");
    session->InsertIntoTree(&desktop);
}

void TableTest::MakeDeals(int count, const std::vector<int>& aces) {
    while (session->GetChildCount() > 0) {
        session->DeleteChild(Deal(0));
    }
    for (int i = 0; i < count; ++i) {
        auto* deal = new CBiddingDeal;
        deal->NameAfterLastChild(session);
        deal->InsertIntoTree(session);
        for (int seat = 0; seat < kSeatCount; ++seat) {
            SetHand(*deal, seat, "K Q J T");
        }
        for (int suit = 0; suit < kSuitCount; ++suit) {
            deal->SetSuitText(aces[static_cast<std::size_t>(suit)], suit, "A", false);
        }
    }
    tree.ClearCalls();
}

CBiddingDeal* TableTest::Deal(int index) const {
    return dynamic_cast<CBiddingDeal*>(session->GetChildAt(index));
}

void TableTest::Fill(CBiddingDeal& deal, const std::string& calls) {
    deal.GetAuction()->AppendPlaceholders(deal.GetDealer());
    AppendCalls(*deal.GetAuction(), calls);
}
