#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "CoreTest.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CCall.h"
#include "core/deals/CPbnGame.h"

// The codes of blank-separated call words as lvtool bid takes them ("1S P 4S P P P").
inline std::vector<int> CallCodes(const std::string& words) {
    std::vector<int> codes;
    std::istringstream stream(words);
    std::string word;
    while (stream >> word) {
        codes.push_back(CCall::GetCallCode(word));
    }
    return codes;
}

// A test that makes bidding deals and keeps them for its duration.
class ReviewTest : public CoreTest {
protected:
    // A deal named after its board (A1: North deals, nobody vulnerable), hands from a PBN
    // Deal value.
    CBiddingDeal& MakeDeal(const std::string& dealValue, int board = 1) {
        auto& deal = *m_deals.emplace_back(std::make_unique<CBiddingDeal>());
        deal.SetName("A" + std::to_string(board));
        CPbnGame::ReadDealValue(dealValue, deal);
        return deal;
    }

private:
    std::vector<std::unique_ptr<CBiddingDeal>> m_deals;
};
