#include "TableFixture.h"

#include <sstream>

#include "bidding/CAuction.h"
#include "bidding/CCall.h"
#include "deals/Seats.h"
#include "table/TableIds.h"

TableTest::TableTest() {
    desktop.SetTree(&tree);
    desktop.InsertIntoTree(nullptr);
    session = new CBiddingList;
    session->SetNorthName("Ann");
    session->SetSouthName("Bob");
    session->InsertIntoTree(&desktop);
}

CBiddingDeal* TableTest::AddDeal(const std::vector<int>& aces) {
    auto* deal = new CBiddingDeal;
    deal->NameAfterLastChild(session);  // A1 for the first
    deal->InsertIntoTree(session);
    static const char kRanks[] = "KQJT98765432";
    int held[kSeatCount] = {};
    for (int suit = 0; suit < kSuitCount; ++suit) {
        deal->SetSuitText(aces[static_cast<std::size_t>(suit)], suit, "A", false);
        ++held[aces[static_cast<std::size_t>(suit)]];
    }
    int seat = 0;
    for (int suit = 0; suit < kSuitCount; ++suit) {
        for (const char* rank = kRanks; *rank != '\0'; ++rank) {
            while (held[seat] == 13) {
                seat = NextSeat(seat);
            }
            deal->SetSuitText(seat, suit, std::string(1, *rank), false);
            ++held[seat];
            seat = NextSeat(seat);
        }
    }
    tree.ClearCalls();
    return deal;
}

void TableTest::MakeDeals(int count, const std::vector<int>& aces) {
    while (session->GetChildCount() > 0) {
        session->DeleteChild(Deal(0));
    }
    for (int i = 0; i < count; ++i) {
        AddDeal(aces);
    }
    tree.ClearCalls();
}

CBiddingDeal* TableTest::Deal(int index) const {
    return dynamic_cast<CBiddingDeal*>(session->GetChildAt(index));
}

std::string TableTest::Calls(const CBiddingDeal& deal) {
    std::string text;
    const CAuction& auction = *deal.GetAuction();
    for (int i = 0; i < auction.GetCallCount(); ++i) {
        const int code = auction.GetCallCode(i);
        text += (i == 0 ? "" : " ") + (code == 0 ? std::string("-") : CCall::GetCallText(code));
    }
    return text;
}

void TableTest::Fill(CBiddingDeal& deal, const std::string& calls) {
    CAuction& auction = *deal.GetAuction();
    auction.AppendPlaceholders(deal.GetDealer());
    std::istringstream words(calls);
    std::string word;
    while (words >> word) {
        auction.AppendCall(CCall::GetCallCode(word));
    }
}

bool TableTest::PressAll(CBiddingTable& table, const std::string& presses) {
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

void TableTest::Open(CBiddingTable& table, CBiddingDeal* deal, int player) {
    deal->SetStartPlayer(player);
    table.LoadDeal(deal);
    table.Start();
}
