#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CoreTest.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/deals/CPbnGame.h"

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
