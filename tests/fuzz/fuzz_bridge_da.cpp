// Any bytes read as a Bridge D/A set give a bidding session without crash, hang or runaway
// memory. The byte 0x1E parts the input into the North, South, East and West files; missing
// parts leave out East and West.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/deals/BridgeDaFiles.h"
#include "core/deals/CBridgeDaSet.h"
#include "core/platform/CFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0x1E && parts.size() < 4) {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<char>(data[i]);
        }
    }
    parts.resize(std::max<std::size_t>(parts.size(), 2));
    auto file = [&parts](std::size_t i) {
        return i < parts.size() ? CFile::ReadMemory(parts[i]) : nullptr;
    };
    CBridgeDaSet set;
    set.Attach(file(0), file(1), file(2), file(3));
    CBiddingList session;
    BridgeDa::ImportSet(session, set, [](CDeal& deal, CBridgeDaSet& files) {
        return static_cast<CBiddingDeal&>(deal).ReadBridgeDaDeal(
            files.North(), files.South(), files.East(), files.West(), files.HasEastWest());
    });
    return 0;
}
