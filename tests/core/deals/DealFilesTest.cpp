#include "DealFilesTest.h"

#include "deals/BridgeDaFiles.h"
#include "deals/CBridgeDaSet.h"

bool CTestDealList::ImportBridgeDaFiles(const std::string& path) {
    return BridgeDa::ImportFiles(*this, path, [](CDeal& deal, CBridgeDaSet& set) {
        auto& testDeal = static_cast<CTestDeal&>(deal);
        return BridgeDa::ReadDeal(deal, set, [&testDeal](int seat, const std::string& line) {
            testDeal.TakeComment(seat, line);
        });
    });
}

std::string HandsOf(const CDeal& deal) {
    std::string text;
    for (int seat = 0; seat < 4; ++seat) {
        text += seat > 0 ? " " : "";
        text += std::string(1, "WNES"[seat]) + ":";
        for (int suit = 0; suit < 4; ++suit) {
            text += (suit > 0 ? "." : "") + deal.GetSuitText(seat, suit);
        }
    }
    return text;
}

std::vector<std::unique_ptr<CTestDeal>> ReadDeals(const std::string& bytes, const std::string& ext,
                                                  int pbnInfo) {
    auto file = CFile::ReadMemory(bytes);
    std::vector<std::unique_ptr<CTestDeal>> deals;
    for (;;) {
        auto deal = std::make_unique<CTestDeal>(pbnInfo);
        if (!deal->ReadFromFile(*file, ext)) {
            return deals;
        }
        deals.push_back(std::move(deal));
    }
}

std::vector<std::string> HandsOfAll(const std::vector<std::unique_ptr<CTestDeal>>& deals) {
    std::vector<std::string> hands;
    for (const auto& deal : deals) {
        hands.push_back(HandsOf(*deal));
    }
    return hands;
}

std::string Garbage(std::size_t size, unsigned seed) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245 + 12345;
        bytes += static_cast<char>(seed >> 16);
    }
    return bytes;
}

void SetHands(CDeal& deal, const std::string& hands) {
    // "W:... N:... E:... S:..."
    std::size_t pos = 0;
    for (int seat = 0; seat < 4; ++seat) {
        pos += 2;
        for (int suit = 0; suit < 4; ++suit) {
            const std::size_t end = hands.find_first_of(". ", pos);
            const std::size_t stop = end == std::string::npos ? hands.size() : end;
            deal.SetSuitText(seat, suit, hands.substr(pos, stop - pos), true);
            pos = stop + 1;
        }
    }
}
