// Any bytes read as a Bridge D/A set give a session without crash, hang or runaway memory.
// The input holds the North, South, East and West files separated by the byte 0x1E; missing
// parts leave out East and West.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "deals/BridgeDaFiles.h"
#include "deals/CBridgeDaSet.h"
#include "deals/CDeal.h"
#include "deals/CDealList.h"
#include "platform/CFile.h"

namespace {
class CFuzzDeal : public CDeal {
public:
    CFuzzDeal() : CDeal(0, 99, 0, 0, 0) {}
    std::string texts[4];
};

class CFuzzList : public CDealList {
public:
    CFuzzList() : CDealList(0, 98, 0, 0, 0) {}
    CDeal* CreateDeal() override { return new CFuzzDeal; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts(1);
    for (char c : bytes) {
        if (c == '\x1E' && parts.size() < 4) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    auto file = [&parts](std::size_t i) {
        return i < parts.size() ? CFile::ReadMemory(parts[i]) : std::unique_ptr<CFile>();
    };
    CBridgeDaSet set;
    set.Attach(file(0), parts.size() > 1 ? file(1) : CFile::ReadMemory(""), file(2), file(3));
    CFuzzList list;
    BridgeDa::ImportSet(list, set, [](CDeal& deal, CBridgeDaSet& files) {
        auto& fuzzDeal = static_cast<CFuzzDeal&>(deal);
        return BridgeDa::ReadDeal(deal, files, [&fuzzDeal](int seat, const std::string& line) {
            std::string& text = fuzzDeal.texts[fuzzDeal.texts[seat].empty() ? seat : seat - 1];
            text += (text.empty() ? "" : "\r\n") + line;
        });
    });
    return 0;
}
