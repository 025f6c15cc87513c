#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "BiddingScript.h"
#include "CoreTest.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/defence/CAutomaticDefensiveBidding.h"
#include "core/defence/ReplaceFirst.h"

namespace {
using DefenceTexts = CoreTest;

DefenceText TextAt(int index) {
    return static_cast<DefenceText>(index);
}
}  // namespace

// The keys are those of users' existing settings; Save writes them strains first.
TEST_F(DefenceTexts, SaveWritesEveryKeyInOrderAndLoadReadsItBack) {
    CAutomaticDefensiveBidding texts;
    for (int i = 0; i < kDefenceTextCount; ++i) {
        EXPECT_EQ(texts.Get(TextAt(i)), CAutomaticDefensiveBidding::GetDefault(TextAt(i)));
        texts.Set(TextAt(i), "my " + CAutomaticDefensiveBidding::GetKey(TextAt(i)));
    }
    texts.Set(DefenceText::RHODoubles, "");  // a stored empty text wins over the default
    EXPECT_TRUE(settings.WriteLog().empty());
    texts.Save();
    std::string keys;
    for (const auto& [section, key] : settings.WriteLog()) {
        EXPECT_EQ(section, "CAutomaticDefensiveBidding");
        keys += key + " ";
    }
    EXPECT_EQ(keys,
              "Clubs Diamonds Hearts Spades NoTrumps ClubsAbbr DiamondsAbbr HeartsAbbr SpadesAbbr "
              "NoTrumpsAbbr East West RHOOpens RHOOvercallsLowest RHOOvercallsExact "
              "RHOOvercallsMax RHOJumpOvercallsLowest RHOJumpOvercallsExact RHOJumpOvercallsMax "
              "RHOSupportsLowest RHOSupportsExact RHOSupportsMax RHOJumpSupportsLowest "
              "RHOJumpSupportsExact RHOJumpSupportsMax RHODoubles RHOPrefers ");
    const CAutomaticDefensiveBidding reloaded;
    for (int i = 0; i < kDefenceTextCount; ++i) {
        EXPECT_EQ(reloaded.Get(TextAt(i)), texts.Get(TextAt(i)));
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
        {"East bids 4s or 4S", "4S", "1NT", true, true, "East bids 1NT or 4S"},
        {"east Bids EAST", "East", "West", true, true, "West Bids EAST"},
        {"east bids", "East", "West", false, false, "east bids"},
        {"East bids", "", "West ", true, true, "West East bids"},
        {"East bids", "East", "", true, true, " bids"},
        {"\xC9t\xE9 opens", "\xC9T\xE9", "Winter", true, true, "Winter opens"},
    };
    for (const auto& c : cases) {
        std::string target = c.target;
        EXPECT_EQ(ReplaceFirst(target, c.find, c.with, c.ignoreCase), c.found) << c.target;
        EXPECT_EQ(target, c.result) << c.target;
    }
}

// The search fills each template once per defender and looks only where it can match; it
// must agree with the plain way: fill a copy, fold both texts, look for one in the other.
TEST(MatchTemplate, AgreesWithFillingAndComparingCopiesOnShortRandomTexts) {
    std::mt19937 random(20240611);
    auto word = [&](unsigned most) {
        std::string text;
        for (unsigned n = random() % (most + 1); n > 0; --n) {
            text += "aAsS4 "[random() % 6];
        }
        return text;
    };
    for (int i = 0; i < 20000; ++i) {
        // text, template, defender and its placeholder, strain and its placeholder
        const std::string w[] = {word(8), word(5), word(2), word(2), word(2), word(2)};
        std::string filled = w[1];
        ReplaceFirst(filled, w[3], w[2], true);
        ReplaceFirst(filled, w[5], w[4], true);
        std::string text = w[0];
        MakeUpperAscii(text);
        MakeUpperAscii(filled);
        const bool expected = !w[1].empty() && text.find(filled) != std::string::npos;
        EXPECT_EQ(CAutomaticDefensiveBidding::MatchTemplate(w[0], w[1], w[2], w[3], w[4], w[5]),
                  expected)
            << '"' << w[0] << "\" \"" << w[1] << "\" \"" << w[2] << "\" \"" << w[3] << "\" \""
            << w[4] << "\" \"" << w[5] << '"';
    }
}

namespace {
using DefensiveCalls = CoreTest;

std::string Choose(const CAutomaticDefensiveBidding& texts, const std::string& text,
                   const std::string& calls) {
    CAuction auction(nullptr);
    AppendCalls(auction, calls);
    auction.UpdateLegalCalls();
    return CCall::GetCallText(texts.ChooseDefensiveCall(text, auction));
}

using Changes = std::vector<std::pair<DefenceText, std::string>>;
const Changes kGerman = {{DefenceText::East, "Ost"},
                         {DefenceText::West, "Vest"},
                         {DefenceText::Hearts, "Coeur"},
                         {DefenceText::HeartsAbbr, "Co"},
                         {DefenceText::RHOOvercallsExact, "Ost bietet 4S"},
                         {DefenceText::RHOOvercallsLowest, "Ost reizt spades"}};
}  // namespace

TEST_F(DefensiveCalls, RecognitionAndCallChoice) {
    const struct {
        const char* text;
        const char* auction;  // East or West is to call in every case
        const char* call;     // "" for no call
        Changes changes = {};
    } cases[] = {
        // Case, extra words and either defender's name are all the same to recognition.
        {"east OPENS 2h", "P P", "2H"},
        {"West opens 2D", "- -", "2D"},
        {"Lead a spade.\r\nIf they bid, east JUMPS to 3s, please", "- 1H", "3S"},
        {"East bids 3NT", "- 1H", "3N"},
        {"East bid 3NT", "- 1H", ""},
        {"", "- -", ""},
        // The default texts do not read "East bids 4S" as a strain-only overcall.
        {"East bids 4S", "- 1H", "4S"},
        {"East bids spades", "- 1H", "1S"},
        {"West bids at most 3D", "- 1S", "2D"},
        // An opening only while nobody has bid; after a bid the later templates are tried.
        {"East opens 1S", "- 1C", ""},
        {"East opens 1S\r\nEast bids hearts", "- 1C", "1H"},
        {"East bids hearts", "- P", ""},
        // Support follows partner's last call only, in the strain found first.
        {"East supports spades", "1S 2H", "2S"},
        {"East supports hearts\r\nEast supports spades", "1S 2H", ""},
        {"East supports to at most 3S", "1S 2H", "2S"},
        {"East supports to at most 3S", "1S 4C", ""},
        {"East supports to 4S", "1S 2H", "4S"},
        {"East jump supports spades", "1S 2H", "3S"},
        {"East jump supports to 4S", "1S 2H", "4S"},
        {"East jump supports to at most 3S", "1S 2N", "3S"},
        // Preference: partner doubled and the next seat passed or redoubled.
        {"East prefers clubs", "- - - 1H D P", "2C"},
        {"East prefers clubs", "- - - 1H D RD", "2C"},
        {"East prefers clubs", "- - - 1H P P", ""},
        {"East prefers no trumps", "- - - 1H D P", "1N"},
        // Double: only against the opponents' bid.
        {"West doubles", "- 1S", "D"},
        {"East doubles", "1S P", ""},
        {"East doubles\r\nEast bids spades", "- 1H", "D"},
        {"East doubles\r\nEast bids spades", "1H P", "1S"},
        {"East doubles", "P 1S D RD", ""},
        // Jump overcalls are tried before plain ones, whatever the order in the text.
        {"East bids hearts\r\nEast jumps in spades", "- 1C", "2S"},
        // Strain before defender before level: clubs win over a lower spade bid.
        {"East bids 4S\r\nEast bids 5C", "- 1H", "5C"},
        {"West bids 2C, East bids 3H", "- 1S", "2C"},
        {"West bids 2H, East bids 3H", "- 1S", "3H"},
        {"East bids 3H\r\nEast bids 2H", "- 1S", "2H"},
        // The strain found first decides even when it has no legal bid in bounds.
        {"East bids at most 1D\r\nEast bids at most 2S", "- 1H", ""},
        {"East bids 1C\r\nEast bids 2S", "- 1H", ""},
        // Jumps are single and stop at the seventh level.
        {"East jumps in spades", "- 6H", "7S"},
        {"East jumps in spades", "- 7H", "7S"},
        {"East jumps in hearts", "- 7H", ""},
        {"East jumps in no trumps", "- 7S", "7N"},
        {"East jumps in clubs", "- 7N", ""},
        {"East jumps to 3S", "- 3H", "3S"},
        {"East jumps to 3S", "- 4C", ""},
        {"East jumps to at most 3S", "- 2N", "3S"},
        {"East jumps to at most 3S", "- 3N", ""},
        // Renamed words; "3C" occurs in "3Co", and clubs are tried before hearts.
        {"Vest bietet 3Co", "- 1C", "3C", kGerman},
        {"ost BIETET 3NT", "- 1C", "3N", kGerman},
        {"Ost reizt Coeur", "- 1S", "2H", kGerman},
        {"East bids 2H", "- 1C", "", kGerman},
        // A template still written with the old defender word has no defender placeholder:
        // only its literal wording matches, for either defender.
        {"East jumps to 3S", "- 1C", "3S", kGerman},
        // Spades renamed but the template kept: the literal text matches at once, as clubs.
        {"East bids spades", "- 1H", "2C", {{DefenceText::Spades, "pikes"}}},
        {"East bids pikes", "- 1H", "", {{DefenceText::Spades, "pikes"}}},
        // Likewise an abbreviation that begins another one.
        {"East bids 2NT",
         "- 1C",
         "2D",
         {{DefenceText::DiamondsAbbr, "N"}, {DefenceText::NoTrumpsAbbr, "NT"}}},
        // Empty templates match nothing.
        {"East bids diamonds", "- 1H", "", {{DefenceText::RHOOvercallsLowest, ""}}},
        {"East doubles", "- 1H", "", {{DefenceText::RHODoubles, ""}}},
    };
    for (const auto& c : cases) {
        CAutomaticDefensiveBidding texts;
        for (const auto& [which, value] : c.changes) {
            texts.Set(which, value);
        }
        EXPECT_EQ(Choose(texts, c.text, c.auction), c.call)
            << '"' << c.text << "\" after " << c.auction;
    }
}
