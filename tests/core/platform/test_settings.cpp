#include <climits>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "platform/Decimal.h"
#include "platform/Prompts.h"
#include "platform/Settings.h"

using SettingsTest = CoreTest;

TEST_F(SettingsTest, DefaultAppliesOnlyToAnAbsentKey) {
    EXPECT_EQ(GetProfileInt("Options", "ShowVulnerabilityInColour", 1), 1);
    EXPECT_EQ(GetProfileString("CBiddingList", "North", "nobody"), "nobody");

    WriteProfileString("CBiddingList", "North", "");
    WriteProfileInt("Options", "ShowVulnerabilityInColour", 0);
    EXPECT_EQ(GetProfileString("CBiddingList", "North", "nobody"), "");
    EXPECT_EQ(GetProfileInt("Options", "ShowVulnerabilityInColour", 1), 0);
}

TEST_F(SettingsTest, WritesAreSeenByTheNextReadWithoutCaching) {
    WriteProfileString("S", "k", "first");
    EXPECT_EQ(GetProfileString("S", "k", "x"), "first");
    settings.WriteString("S", "k", "changed behind the helpers' back");
    EXPECT_EQ(GetProfileString("S", "k", "x"), "changed behind the helpers' back");
}

TEST_F(SettingsTest, SettingHelpersUseTheSettingsSection) {
    WriteSetting("showCmd", 3);
    EXPECT_EQ(GetProfileInt("Settings", "showCmd", 0), 3);
    EXPECT_EQ(GetSetting("showCmd", 0), 3);
    EXPECT_EQ(GetSetting("ptMinPosition_x", -1), -1);
}

TEST(SettingsWithoutStore, ReadDefaultsAndDropWrites) {
    SetSettingsStore(nullptr);
    WriteProfileInt("S", "k", 5);
    EXPECT_EQ(GetProfileInt("S", "k", 7), 7);
    EXPECT_EQ(GetProfileString("S", "k", "d"), "d");
}

TEST(DecimalValue, ReadsLikeAtoiButSaturates) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"12", 12},          {"7b", 7},           {"  42", 42},
        {"", 0},             {"abc", 0},          {"-3", -3},
        {"+5", 5},           {"2147483647", INT_MAX}, {"2147483648", INT_MAX},
        {"99999999999999999999", INT_MAX}, {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN}, {"00012", 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(FormatMessageText, FillsNumberedPlaceholders) {
    EXPECT_EQ(FormatMessageText("Cannot rename %1.\n\nAn item named %2 already exists.",
                                {"A", "B"}),
              "Cannot rename A.\n\nAn item named B already exists.");
    EXPECT_EQ(FormatMessageText("%2-%1-%3", {"a", "b"}), "b-a-%3");
    EXPECT_EQ(FormatMessageText("100%", {}), "100%");
}
