// Any bytes read as a PBN file give bidding deals without crash, hang or runaway memory, and
// every deal read can be written again.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/bidding/CBiddingDeal.h"
#include "core/platform/CFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
