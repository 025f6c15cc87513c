#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "defence/CAutomaticDefensiveBidding.h"
#include "defence/ReplaceFirst.h"
#include "platform/Settings.h"

namespace {
using DefenceTexts = CoreTest;

struct KeyAndDefault {
    DefenceText text;
    const char* key;
    const char* value;
};
const KeyAndDefault kDefaults[] = {
    {DefenceText::East, "East", "East"},
    {DefenceText::West, "West", "West"},
    {DefenceText::Clubs, "Clubs", "clubs"},
    {DefenceText::Diamonds, "Diamonds", "diamonds"},
    {DefenceText::Hearts, "Hearts", "hearts"},
    {DefenceText::Spades, "Spades", "spades"},
    {DefenceText::NoTrumps, "NoTrumps", "no trumps"},
    {DefenceText::ClubsAbbr, "ClubsAbbr", "C"},
    {DefenceText::DiamondsAbbr, "DiamondsAbbr", "D"},
    {DefenceText::HeartsAbbr, "HeartsAbbr", "H"},
    {DefenceText::SpadesAbbr, "SpadesAbbr", "S"},
    {DefenceText::NoTrumpsAbbr, "NoTrumpsAbbr", "NT"},
    {DefenceText::RHOOpens, "RHOOpens", "East opens 1S"},
    {DefenceText::RHOOvercallsLowest, "RHOOvercallsLowest", "East bids spades"},
    {DefenceText::RHOOvercallsExact, "RHOOvercallsExact", "East bids 4S"},
    {DefenceText::RHOOvercallsMax, "RHOOvercallsMax", "East bids at most 4S"},
    {DefenceText::RHOJumpOvercallsLowest, "RHOJumpOvercallsLowest", "East jumps in spades"},
    {DefenceText::RHOJumpOvercallsExact, "RHOJumpOvercallsExact", "East jumps to 4S"},
    {DefenceText::RHOJumpOvercallsMax, "RHOJumpOvercallsMax", "East jumps to at most 4S"},
    {DefenceText::RHOSupportsLowest, "RHOSupportsLowest", "East supports spades"},
    {DefenceText::RHOSupportsExact, "RHOSupportsExact", "East supports to 4S"},
    {DefenceText::RHOSupportsMax, "RHOSupportsMax", "East supports to at most 4S"},
    {DefenceText::RHOJumpSupportsLowest, "RHOJumpSupportsLowest", "East jump supports spades"},
    {DefenceText::RHOJumpSupportsExact, "RHOJumpSupportsExact", "East jump supports to 4S"},
    {DefenceText::RHOJumpSupportsMax, "RHOJumpSupportsMax", "East jump supports to at most 4S"},
    {DefenceText::RHODoubles, "RHODoubles", "East doubles"},
    {DefenceText::RHOPrefers, "RHOPrefers", "East prefers spades"},
};
}  // namespace

TEST_F(DefenceTexts, AnEmptyStoreGivesEveryDefaultAndAStoredTextWinsEvenWhenEmpty) {
    const CAutomaticDefensiveBidding defaults;
    for (const auto& d : kDefaults) {
        EXPECT_EQ(CAutomaticDefensiveBidding::GetKey(d.text), d.key);
        EXPECT_EQ(defaults.Get(d.text), d.value) << d.key;
    }
    for (const auto& d : kDefaults) {
        WriteProfileString("CAutomaticDefensiveBidding", d.key, std::string("my ") + d.key);
    }
    WriteProfileString("CAutomaticDefensiveBidding", "RHODoubles", "");
    const CAutomaticDefensiveBidding stored;
    for (const auto& d : kDefaults) {
        const std::string expected =
            d.text == DefenceText::RHODoubles ? "" : std::string("my ") + d.key;
        EXPECT_EQ(stored.Get(d.text), expected) << d.key;
    }
}

TEST_F(DefenceTexts, SaveWritesAllKeysStrainsFirstAndSettersAloneWriteNothing) {
    CAutomaticDefensiveBidding texts;
    texts.SetSpades("pikes");
    texts.SetRHOPrefers("");
    EXPECT_TRUE(settings.WriteLog().empty());
    EXPECT_EQ(texts.GetSpades(), "pikes");

    texts.Save();
    std::vector<std::string> keys;
    for (const auto& [section, key] : settings.WriteLog()) {
        EXPECT_EQ(section, "CAutomaticDefensiveBidding");
        keys.push_back(key);
    }
    const std::vector<std::string> expected = {"Clubs",
                                               "Diamonds",
                                               "Hearts",
                                               "Spades",
                                               "NoTrumps",
                                               "ClubsAbbr",
                                               "DiamondsAbbr",
                                               "HeartsAbbr",
                                               "SpadesAbbr",
                                               "NoTrumpsAbbr",
                                               "East",
                                               "West",
                                               "RHOOpens",
                                               "RHOOvercallsLowest",
                                               "RHOOvercallsExact",
                                               "RHOOvercallsMax",
                                               "RHOJumpOvercallsLowest",
                                               "RHOJumpOvercallsExact",
                                               "RHOJumpOvercallsMax",
                                               "RHOSupportsLowest",
                                               "RHOSupportsExact",
                                               "RHOSupportsMax",
                                               "RHOJumpSupportsLowest",
                                               "RHOJumpSupportsExact",
                                               "RHOJumpSupportsMax",
                                               "RHODoubles",
                                               "RHOPrefers"};
    EXPECT_EQ(keys, expected);

    const CAutomaticDefensiveBidding reloaded;
    EXPECT_EQ(reloaded.GetSpades(), "pikes");
    EXPECT_EQ(reloaded.GetRHOPrefers(), "");
    EXPECT_EQ(reloaded.GetRHOOpens(), "East opens 1S");
}

TEST_F(DefenceTexts, LookupsByDefenderAndStrainIndex) {
    CAutomaticDefensiveBidding texts;
    texts.SetNoTrumpsAbbr("N");
    const struct {
        int index;
        const char* defender;
        const char* strain;
        const char* abbr;
    } cases[] = {
        {0, "East", "clubs", "C"},          {1, "West", "diamonds", "D"},
        {2, "unchanged", "hearts", "H"},    {3, "unchanged", "spades", "S"},
        {4, "unchanged", "no trumps", "N"}, {5, "unchanged", "", "unchanged"},
        {-1, "unchanged", "", "unchanged"},
    };
    for (const auto& c : cases) {
        std::string defender = "unchanged";
        std::string strain = "unchanged";
        std::string abbr = "unchanged";
        texts.GetDefenderName(c.index, defender);
        texts.GetStrainName(c.index, strain, abbr);
        EXPECT_EQ(defender, c.defender) << c.index;
        EXPECT_EQ(strain, c.strain) << c.index;
        EXPECT_EQ(abbr, c.abbr) << c.index;
    }
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrenceAndKeepsTheRestsCase) {
    const struct {
        const char* target;
        const char* find;
        const char* with;
        bool ignoreCase;
        bool found;
        const char* result;
    } cases[] = {
        {"East bids 4S", "4S", "2H", true, true, "East bids 2H"},
        {"East bids 4s or 4S", "4S", "1NT", true, true, "East bids 1NT or 4S"},
        {"east Bids EAST", "East", "West", true, true, "West Bids EAST"},
        {"east bids", "East", "West", false, false, "east bids"},
        {"East bids", "North", "West", true, false, "East bids"},
        {"East bids", "", "", true, true, "East bids"},
        {"East bids", "", "West ", true, true, "West East bids"},
        {"", "", "x", true, true, "x"},
        {"East bids", "East", "", true, true, " bids"},
        {"abc", "abcd", "x", true, false, "abc"},
        {"\xC9t\xE9 opens", "\xC9T\xE9", "Winter", true, true, "Winter opens"},
    };
    for (const auto& c : cases) {
        std::string target = c.target;
        EXPECT_EQ(ReplaceFirst(target, c.find, c.with, c.ignoreCase), c.found) << c.target;
        EXPECT_EQ(target, c.result) << c.target;
    }
}

TEST(MatchTemplate, FillsBothPlaceholdersThenSearchesIgnoringCase) {
    const struct {
        const char* text;
        const char* actionTemplate;
        const char* defender;
        const char* strain;
        const char* strainPlaceholder;
        bool match;
    } cases[] = {
        {"East opens 1S", "East opens 1S", "East", "1S", "1S", true},
        {"east OPENS 2h", "East opens 1S", "East", "2H", "1S", true},
        {"East opens 2H", "East opens 1S", "East", "1S", "1S", false},
        {"If asked, West opens 2H.\r\nOtherwise pass", "East opens 1S", "West", "2H", "1S", true},
        {"East  opens 2H", "East opens 1S", "East", "2H", "1S", false},
        {"East opens 2H", "", "East", "2H", "1S", false},
        // A placeholder the template lacks changes nothing; the literal text still matches.
        {"East bids spades", "East bids spades", "East", "clubs", "pikes", true},
        {"East bids clubs", "East bids spades", "East", "clubs", "pikes", false},
        // Only the first placeholder is filled.
        {"East bids 2H or 4S", "East bids 4S or 4S", "East", "2H", "4S", true},
        {"East bids 2H or 2H", "East bids 4S or 4S", "East", "2H", "4S", false},
        // The defender placeholder is filled first, so a defender name may hold strain words.
        {"Spades Sam bids hearts", "East bids spades", "Spades Sam", "hearts", "spades", false},
        {"hearts Sam bids spades", "East bids spades", "Spades Sam", "hearts", "spades", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CAutomaticDefensiveBidding::MatchTemplate(c.text, c.actionTemplate, c.defender,
                                                            "East", c.strain, c.strainPlaceholder),
                  c.match)
            << c.text << " / " << c.actionTemplate;
    }
}

// The search fills each template once per defender and looks only where it can match; it
// must agree with the plain way: fill a copy, fold both texts, look for one in the other.
TEST(MatchTemplate, AgreesWithFillingAndComparingCopiesOnShortRandomTexts) {
    std::mt19937 random(20240611);
    const std::string letters = "aAsS4 ";
    auto word = [&](int most) {
        std::string text;
        for (int n = static_cast<int>(random() % static_cast<unsigned>(most + 1)); n > 0; --n) {
            text += letters[random() % letters.size()];
        }
        return text;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string text = word(8);
        const std::string actionTemplate = word(5);
        const std::string defender = word(2);
        const std::string defenderPlaceholder = word(2);
        const std::string strain = word(2);
        const std::string strainPlaceholder = word(2);

        std::string filled = actionTemplate;
        ReplaceFirst(filled, defenderPlaceholder, defender, true);
        ReplaceFirst(filled, strainPlaceholder, strain, true);
        std::string upperText = text;
        MakeUpperAscii(upperText);
        MakeUpperAscii(filled);
        const bool expected =
            !actionTemplate.empty() && upperText.find(filled) != std::string::npos;

        EXPECT_EQ(
            CAutomaticDefensiveBidding::MatchTemplate(
                text, actionTemplate, defender, defenderPlaceholder, strain, strainPlaceholder),
            expected)
            << '"' << text << "\" \"" << actionTemplate << "\" \"" << defender << "\" \""
            << defenderPlaceholder << "\" \"" << strain << "\" \"" << strainPlaceholder << '"';
    }
}
