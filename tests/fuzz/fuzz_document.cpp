// Any bytes given as a document load without crash, hang or runaway memory, and what loaded
// can be shown in a tree and written again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/items/CArchive.h"
#include "core/items/CDesktop.h"
#include "core/items/CHeadlessItemTree.h"
#include "core/platform/CFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto input = CFile::ReadMemory(std::string(reinterpret_cast<const char*>(data), size));
    CDesktop desktop;
    CArchive reader(*input, CArchive::Mode::Load);
    desktop.Serialize(reader, nullptr);

    CHeadlessItemTree tree;
    desktop.SetTree(&tree);
    desktop.InsertIntoTree(nullptr);

    auto output = CFile::WriteMemory();
    CArchive writer(*output, CArchive::Mode::Store);
    desktop.Serialize(writer, nullptr);
    return 0;
}
