#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "bidding/CAuction.h"
#include "bidding/CCall.h"
#include "defence/CAutomaticDefensiveBidding.h"
#include "platform/StatusDisplay.h"

namespace {
using DefensiveCalls = CoreTest;

// An auction from call texts; "-" is a placeholder for a seat before the dealer.
void Fill(CAuction& auction, const std::string& calls) {
    std::istringstream words(calls);
    std::string word;
    while (words >> word) {
        auction.AppendCall(word == "-" ? IDC_PLACEHOLDER : CCall::GetCallCode(word));
    }
    auction.UpdateLegalCalls();
}

std::string Choose(const CAutomaticDefensiveBidding& texts, const std::string& text,
                   const std::string& calls) {
    CAuction auction(nullptr);
    Fill(auction, calls);
    return CCall::GetCallText(texts.ChooseDefensiveCall(text, auction));
}

using Changes = std::vector<std::pair<DefenceText, std::string>>;

struct Case {
    const char* text;
    const char* auction;  // East is to call in every case
    const char* call;     // "" for no call
    Changes changes = {};
};

void Check(const Case& c) {
    CAutomaticDefensiveBidding texts;
    for (const auto& [which, value] : c.changes) {
        texts.Set(which, value);
    }
    EXPECT_EQ(Choose(texts, c.text, c.auction), c.call)
        << '"' << c.text << "\" after " << c.auction;
}
}  // namespace

TEST_F(DefensiveCalls, RecognitionIgnoresCaseExtraWordsAndTheDefendersName) {
    const Case cases[] = {
        {"East opens 1S", "- -", "1S"},
        {"East opens 1S", "P P", "1S"},
        {"east OPENS 2h", "- -", "2H"},
        {"West opens 2D", "- -", "2D"},
        {"Lead a spade.\r\nIf they bid, east JUMPS to 3s, please", "- 1H", "3S"},
        {"East bids 3NT", "- 1H", "3N"},
        {"East  bids 3NT", "- 1H", ""},
        {"East bid 3NT", "- 1H", ""},
        {"", "- -", ""},
        {"Pass throughout", "- 1H", ""},
        // The default texts do not read "East bids 4S" as a strain-only overcall.
        {"East bids 4S", "- 1H", "4S"},
        {"East bids spades", "- 1H", "1S"},
        {"West bids at most 3D", "- 1S", "2D"},
        {"West bids at most 3D", "- 3S", ""},
    };
    for (const Case& c : cases) {
        Check(c);
    }
}

TEST_F(DefensiveCalls, AuctionConditionsOfEachKindOfTemplate) {
    const Case cases[] = {
        // An opening only while nobody has bid; after a bid the later templates are tried.
        {"East opens 1S", "- 1C", ""},
        {"East opens 1S\r\nEast bids hearts", "- 1C", "1H"},
        {"East bids hearts", "- P", ""},
        {"East bids hearts", "- -", ""},
        // Support follows partner's last call only, in the strain found first.
        {"East supports spades", "1S 2H", "2S"},
        {"East supports hearts\r\nEast supports spades", "1S 2H", ""},
        {"East supports spades", "1S P", "2S"},
        {"East supports spades", "- 1S", ""},
        {"East supports to at most 3S", "1S 2H", "2S"},
        {"East supports to at most 3S", "1S 4C", ""},
        {"East supports to 4S", "1S 2H", "4S"},
        {"East jump supports spades", "1S 2H", "3S"},
        {"East jump supports to at most 3S", "1S 2D", "3S"},
        {"East jump supports to at most 3S", "1S 2N", "3S"},
        // Preference: partner doubled and the next seat passed or redoubled.
        {"East prefers clubs", "- - - 1H D P", "2C"},
        {"East prefers clubs", "- - - 1H D RD", "2C"},
        {"East prefers clubs", "- - - 1H D 1S", ""},
        {"East prefers clubs", "- - - 1H P P", ""},
        {"East prefers no trumps", "- - - 1H D P", "1N"},
        // Double: legal only against the opponents' bid, for either defender's name.
        {"East doubles", "- 1S", "D"},
        {"West doubles", "- 1S", "D"},
        {"East doubles", "1S P", ""},
        {"East doubles", "- -", ""},
        {"East doubles\r\nEast bids spades", "- 1H", "D"},
        {"East doubles\r\nEast bids spades", "1H P", "1S"},
        {"East doubles", "P 1S D RD", ""},
    };
    for (const Case& c : cases) {
        Check(c);
    }
}

TEST_F(DefensiveCalls, TryOrderAndLoopOrderDecideBetweenInstructions) {
    const Case cases[] = {
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
    };
    for (const Case& c : cases) {
        Check(c);
    }
}

TEST_F(DefensiveCalls, JumpsAreSingleAndStopAtTheHighestLevel) {
    const Case cases[] = {
        {"East jumps in spades", "- 1H", "2S"},     {"East jumps in spades", "- 6H", "7S"},
        {"East jumps in spades", "- 7H", "7S"},     {"East jumps in hearts", "- 7H", ""},
        {"East jumps in no trumps", "- 7S", "7N"},  {"East jumps to 3S", "- 1H", "3S"},
        {"East jumps to 3S", "- 3H", "3S"},         {"East jumps to 3S", "- 4C", ""},
        {"East jumps to at most 3S", "- 1H", "2S"}, {"East jumps to at most 3S", "- 2H", "3S"},
        {"East jumps to at most 3S", "- 2N", "3S"}, {"East jumps to at most 3S", "- 3N", ""},
        {"East jumps in clubs", "- 7N", ""},
    };
    for (const Case& c : cases) {
        Check(c);
    }
}

TEST_F(DefensiveCalls, RenamedWordsEmptyTemplatesAndMissingPlaceholders) {
    const Changes german = {{DefenceText::East, "Ost"},
                            {DefenceText::West, "Vest"},
                            {DefenceText::Hearts, "Coeur"},
                            {DefenceText::HeartsAbbr, "Co"},
                            {DefenceText::RHOOvercallsExact, "Ost bietet 4S"},
                            {DefenceText::RHOOvercallsLowest, "Ost reizt spades"}};
    const Case cases[] = {
        // "3C" occurs in "3Co", and clubs are tried before hearts.
        {"Vest bietet 3Co", "- 1C", "3C", german},
        {"ost BIETET 3NT", "- 1C", "3N", german},
        {"Ost reizt Coeur", "- 1S", "2H", german},
        {"East bids 2H", "- 1C", "", german},
        // A template still written with the old defender word has no defender placeholder:
        // only its literal wording matches, for either defender.
        {"East jumps to 3S", "- 1C", "3S", german},
        // Spades renamed but the template kept: no strain placeholder, so the literal text
        // matches at once, as clubs.
        {"East bids spades", "- 1H", "2C", {{DefenceText::Spades, "pikes"}}},
        {"East bids pikes", "- 1H", "", {{DefenceText::Spades, "pikes"}}},
        {"East bids diamonds", "- 1H", "", {{DefenceText::RHOOvercallsLowest, ""}}},
        {"East doubles", "- 1H", "", {{DefenceText::RHODoubles, ""}}},
        // Likewise an abbreviation that begins another one.
        {"East bids 2NT",
         "- 1C",
         "2D",
         {{DefenceText::DiamondsAbbr, "N"}, {DefenceText::NoTrumpsAbbr, "NT"}}},
    };
    for (const Case& c : cases) {
        Check(c);
    }
}

TEST_F(DefensiveCalls, ComputeDefensiveBidTakesTheCheapestLegalBidWithinBounds) {
    const struct {
        const char* auction;
        int lowest;
        int highest;
        int strain;
        bool jump;
        const char* call;
    } cases[] = {
        {"- 1H", 1, 7, STRAIN_SPADES, false, "1S"},     {"- 1H", 1, 7, STRAIN_SPADES, true, "2S"},
        {"- 1H", 1, 1, STRAIN_SPADES, true, "1S"},      {"- 1H", 1, 1, STRAIN_CLUBS, false, ""},
        {"- 1H", 3, 3, STRAIN_CLUBS, true, "3C"},       {"- 1H", 4, 3, STRAIN_CLUBS, false, ""},
        {"- 6N", 1, 7, STRAIN_CLUBS, true, "7C"},       {"- 7N", 1, 7, STRAIN_CLUBS, false, ""},
        {"- 1H P P P", 1, 7, STRAIN_SPADES, false, ""}, {"- -", 1, 7, STRAIN_NOTRUMP, true, "2N"},
    };
    for (const auto& c : cases) {
        CAuction auction(nullptr);
        Fill(auction, c.auction);
        EXPECT_EQ(CCall::GetCallText(CAutomaticDefensiveBidding::ComputeDefensiveBid(
                      auction, c.lowest, c.highest, c.strain, c.jump)),
                  c.call)
            << c.auction << " " << c.lowest << "-" << c.highest << " strain " << c.strain;
    }
}

namespace {
class CCursorCounter : public IStatusDisplay {
public:
    void BeginWaitCursor() override { ++begun; }
    void EndWaitCursor() override { ++ended; }
    std::string GetStatusText() const override { return {}; }
    void SetStatusText(const std::string&) override {}
    void ShowProgressBar() override {}
    void SetProgressPercent(int) override {}
    void HideProgressBar() override {}
    int begun = 0;
    int ended = 0;
};
}  // namespace

TEST_F(DefensiveCalls, TheSearchRunsUnderTheWaitCursorUnlessTheTextIsEmpty) {
    CCursorCounter display;
    SetStatusDisplay(&display);
    const CAutomaticDefensiveBidding texts;
    EXPECT_EQ(Choose(texts, "", "- 1H"), "");
    EXPECT_EQ(display.begun, 0);
    EXPECT_EQ(Choose(texts, "East bids spades", "- 1H"), "1S");
    EXPECT_EQ(Choose(texts, "nothing to do", "- 1H"), "");
    SetStatusDisplay(nullptr);
    EXPECT_EQ(display.begun, 2);
    EXPECT_EQ(display.ended, 2);
}
