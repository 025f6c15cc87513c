#include <stdexcept>

#include <gtest/gtest.h>

#include "core/items/ItemsStrings.h"
#include "core/items/StringTable.h"

namespace {
const StringResource kOwnIds[] = {{59990, "first"}, {59991, "second"}};
const StringResource kClashing[] = {{59992, "free"}, {IDS_LOAD_FAILED, "taken"}};
}  // namespace

TEST(StringTable, ATableRegisteredTwiceCountsOnce) {
    RegisterStringTable(kOwnIds);
    RegisterStringTable(kOwnIds);
    EXPECT_EQ(LoadString(59991), "second");
}

TEST(StringTable, ATableThatSharesAnIdIsRefusedWhole) {
    EXPECT_THROW(RegisterStringTable(kClashing), std::logic_error);
    EXPECT_EQ(LoadString(59992), "");
    EXPECT_EQ(LoadString(IDS_LOAD_FAILED), "Load failed.");
}
