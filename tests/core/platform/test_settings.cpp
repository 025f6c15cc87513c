#include <climits>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "core/platform/Decimal.h"
#include "core/platform/Prompts.h"
#include "core/platform/Settings.h"

using SettingsTest = CoreTest;

TEST_F(SettingsTest, DefaultOnlyForAnAbsentKeyAndNoCaching) {
    EXPECT_EQ(GetProfileInt("Options", "Colour", 1), 1);
    EXPECT_EQ(GetProfileString("CBiddingList", "North", "nobody"), "nobody");
    WriteProfileString("CBiddingList", "North", "");
    WriteProfileInt("Options", "Colour", 0);
    EXPECT_EQ(GetProfileString("CBiddingList", "North", "nobody"), "");
    EXPECT_EQ(GetProfileInt("Options", "Colour", 1), 0);

    settings.WriteString("CBiddingList", "North", "changed behind the helpers' back");
    EXPECT_EQ(GetProfileString("CBiddingList", "North", "x"), "changed behind the helpers' back");
    WriteSetting("showCmd", 3);
    EXPECT_EQ(GetProfileInt("Settings", "showCmd", 0), 3);

    SetSettingsStore(nullptr);  // none: defaults, writes dropped
    WriteProfileInt("S", "k", 5);
    EXPECT_EQ(GetProfileInt("S", "k", 7), 7);
}

TEST(DecimalValue, ReadsLikeAtoiButSaturates) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"7b", 7},
        {"  42", 42},
        {"", 0},
        {"abc", 0},
        {"-3", -3},
        {"+5", 5},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN},
        {"07", 7},
        {"123456789", 123456789},
        {"1234567890", 1234567890},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalValue(c.text), c.value) << '"' << c.text << '"';
        // The quick reading of plain digits gives the same for every text.
        EXPECT_EQ(PlainDecimalValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(FormatMessageText, FillsNumberedPlaceholders) {
    EXPECT_EQ(FormatMessageText("%2-%1-%3", {"a", "b"}), "b-a-%3");
    EXPECT_EQ(FormatMessageText("100%", {}), "100%");
}
