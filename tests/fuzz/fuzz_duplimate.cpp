// Any bytes read as a .dup, .bri or .dge file give deals without crash or hang, and every
// deal read can be written again in each form.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/bidding/CBiddingDeal.h"
#include "core/platform/CFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const char* ext : {"dup", "bri", "dge"}) {
        auto input = CFile::ReadMemory(bytes);
        auto output = CFile::WriteMemory();
        CBiddingDeal deal;
        while (deal.ReadFromFile(*input, ext)) {
            for (const char* written : {"dup", "bri", "dge", "pbn"}) {
                deal.WriteToFile(*output, written, false, 3);
            }
        }
    }
    return 0;
}
