// Any bytes read as a PBN file give bidding deals without crash, hang or runaway memory, and
// every deal read can be written again. Their start, as a Deal value, gives the same hands
// read within a game (at once where it is written the usual way) as read suit by suit.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/bidding/CBiddingDeal.h"
#include "core/deals/CPbnGame.h"
#include "core/deals/Seats.h"
#include "core/platform/CFile.h"

namespace {
void CheckDealValue(const std::uint8_t* data, std::size_t size) {
    std::string value(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 200));
    std::erase_if(value, [](char c) { return c == '"' || c == '\\' || c == '\r'; });
    CBiddingDeal bySuit;
    CPbnGame::ReadDealValue(value, bySuit);
    CBiddingDeal inGame;
    auto game = CFile::ReadMemory("[Deal \"" + value + "\"]\n");
    CPbnGame().ReadGame(*game, &inGame);
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int suit = 0; suit < kSuitCount; ++suit) {
            if (bySuit.GetSuitText(seat, suit) != inGame.GetSuitText(seat, suit)) {
                std::abort();
            }
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckDealValue(data, size);
    auto input = CFile::ReadMemory(std::string(reinterpret_cast<const char*>(data), size));
    auto output = CFile::WriteMemory();
    bool first = true;
    for (int deals = 0;; ++deals) {
        auto deal = std::make_unique<CBiddingDeal>();
        deal->SetName("A" + std::to_string(deals + 1));
        if (!deal->ReadFromFile(*input, "pbn")) {
            break;
        }
        deal->WriteToFile(*output, "pbn", first);
        deal->WriteToFile(*output, "dup", first);
        first = false;
    }
    return 0;
}
