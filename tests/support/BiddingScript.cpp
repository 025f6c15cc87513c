#include "BiddingScript.h"

#include <sstream>
#include <stdexcept>

#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CCall.h"

void AppendCalls(CAuction& auction, const std::string& calls) {
    std::istringstream words(calls);
    std::string word;
    while (words >> word) {
        int code = 0;
        if (word[0] == '#') {
            code = std::stoi(word.substr(1));
        } else if (word != "-" && (code = CCall::GetCallCode(word)) < 0) {
            throw std::invalid_argument("no call " + word);
        }
        auction.AppendCall(code);
    }
}

std::string CallsOf(const CAuction& auction) {
    std::string calls;
    for (int i = 0; i < auction.GetCallCount(); ++i) {
        const CCall* call = auction.GetCall(i);
        std::string word = call->GetCode() == 0 ? "-" : call->GetName();
        if (word.empty()) {
            word = "#" + std::to_string(call->GetCode());
        }
        calls += (calls.empty() ? "" : " ") + word;
    }
    return calls;
}

void SetHand(CDeal& deal, int seat, const std::string& suits) {
    std::istringstream words(suits);
    for (int suit = 0; suit < 4; ++suit) {
        std::string cards;
        words >> cards;
        deal.SetSuitText(seat, suit, cards == "-" ? "" : cards, true);
    }
}

CBiddingList* AddSession(CItem& parent, const std::string& name, const std::string& north,
                         const std::string& south) {
    auto* session = new CBiddingList;
    session->SetName(name);
    session->SetNorthName(north);
    session->SetSouthName(south);
    session->AppendTo(&parent, true);
    return session;
}

CBiddingDeal* AddDeal(CBiddingList& session, const std::string& name, const std::string& comment) {
    auto* deal = new CBiddingDeal;
    deal->SetName(name);
    deal->SetComment(comment, true);
    deal->AppendTo(&session, true);
    return deal;
}
