// Any bytes read as a PBN file give deals without crash, hang or runaway memory, and every
// deal read can be written again.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "deals/CDeal.h"
#include "deals/CPbnGame.h"
#include "deals/CPbnLine.h"
#include "platform/CFile.h"

namespace {
// Takes what a bidding deal takes from a game, so that the game's lines are walked.
class CFuzzDeal : public CDeal {
public:
    CFuzzDeal() : CDeal(0, 99, 0, 0, 0) {}
    void TakePbnGame(CPbnGame* game) override {
        POSITION pos;
        game->GetHeadChildPosition(pos);
        while (pos) {
            const CPbnLine* line = game->GetLine(pos);
            if (line->GetTagName() == "Event") {
                SetEvent(line->GetTagValue());
            }
            texts += line->GetLineComment() + line->GetBraceComment();
        }
    }
    std::string texts;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto input = CFile::ReadMemory(std::string(reinterpret_cast<const char*>(data), size));
    auto output = CFile::WriteMemory();
    bool first = true;
    for (int deals = 0;; ++deals) {
        auto deal = std::make_unique<CFuzzDeal>();
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
