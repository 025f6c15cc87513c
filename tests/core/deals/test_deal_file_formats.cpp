#include <gtest/gtest.h>

#include "core/deals/DealFileFormats.h"
#include "core/deals/IDealFileFormat.h"

namespace {
constexpr char kAll[] =
    "All Deal Files (*.pbn;*.dup;*.bri;*.dge;*.nth)|*.pbn;*.dup;*.bri;*.dge;*.nth";
constexpr char kBridgeDa[] = "Bridge D/A Files (*.nth)|*.nth";
constexpr char kDuplimate[] = "Duplimate Files (*.dup;*.bri;*.dge)|*.dup;*.bri;*.dge";
constexpr char kPbn[] = "Portable Bridge Notation Files (*.pbn)|*.pbn";

std::string Filter(std::initializer_list<const char*> entries) {
    std::string filter;
    for (const char* entry : entries) {
        filter += std::string(entry) + "|";
    }
    return filter + "|";
}
}  // namespace

TEST(DealFileFormats, FilterListsTheGroupOfThePreferredExtensionFirst) {
    EXPECT_EQ(DealFilesFilter("nth"), Filter({kAll, kBridgeDa, kDuplimate, kPbn}));
    EXPECT_EQ(DealFilesFilter("PBN"), Filter({kAll, kPbn, kBridgeDa, kDuplimate}));
    EXPECT_EQ(DealFilesFilter("bri"), Filter({kAll, kDuplimate, kBridgeDa, kPbn}));
    EXPECT_EQ(DealFilesFilter("txt"), Filter({kAll, kBridgeDa, kDuplimate, kPbn}));
    EXPECT_EQ(AllDealFilesFilter(), kAll);
}

TEST(DealFileFormats, ExtensionsFindTheirFormatWithoutRegardToCase) {
    const struct {
        const char* extension;
        bool known;
        bool writable;
    } cases[] = {
        {"pbn", true, true},  {"DUP", true, true},   {"Bri", true, true},  {"dge", true, true},
        {"NTH", true, false}, {"sth", false, false}, {"lv", false, false}, {"", false, false},
    };
    for (const auto& c : cases) {
        const IDealFileFormat* format = FindDealFileFormat(c.extension);
        ASSERT_EQ(format != nullptr, c.known) << c.extension;
        if (format != nullptr) {
            EXPECT_EQ(format->CanWrite(), c.writable) << c.extension;
        }
    }
}
