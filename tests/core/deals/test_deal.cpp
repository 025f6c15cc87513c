#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DealFilesTest.h"
#include "core/items/CArchive.h"
#include "core/platform/CFile.h"

namespace {
class CTestDeal : public CDeal {
public:
    explicit CTestDeal(const std::string& name = "A1") : CDeal(0, 99, 155, 155, 0) {
        SetName(name);
    }
};

class CList : public CTreeItem {
public:
    CList() : CTreeItem(0, 98, 155, 155, 0) {}
};

std::string Written(CDeal& deal) {
    auto file = CFile::WriteMemory();
    CArchive archive(*file, CArchive::Mode::Store);
    deal.Serialize(archive, nullptr);
    return file->Contents();
}
}  // namespace

TEST(Deal, BoardNumberGivesDealerAndVulnerability) {
    const struct {
        std::string name;
        int number;
        std::string prefix;
        std::string description;
        long sortKey;
    } cases[] = {
        {"A1", 1, "A", "North / None", 1 + 250000},
        {"A2", 2, "A", "East / North-South", 2 + 250000},
        {"A3", 3, "A", "South / East-West", 3 + 250000},
        {"A4", 4, "A", "West / All", 4 + 250000},
        {"A16", 16, "A", "West / East-West", 16 + 250000},
        {"A17", 17, "A", "North / None", 17 + 250000},
        {"Board 7b", 7, "Board ", "South / All", 7 + 240000},
        {"Deal", 0, "Deal", "West / None", 220000},
        {"12", 12, "", "West / North-South", 12 + 'Z' * 10000L},
        {"A99999999999", 2147483647, "A", "South / North-South", 2147483647L + 250000},
    };
    for (const auto& c : cases) {
        CTestDeal deal(c.name);
        EXPECT_EQ(deal.GetNumber(), c.number) << c.name;
        EXPECT_EQ(deal.GetNamePrefix(), c.prefix) << c.name;
        std::string description;
        deal.GetDescription(description);
        EXPECT_EQ(description, c.description) << c.name;
        EXPECT_EQ(deal.GetSortKey(), c.sortKey) << c.name;
    }
}

TEST(Deal, SortingAndCompletingTheEmptyHand) {
    CTestDeal deal;
    // Letters of no rank keep their order; a suit of any length sorts (a file can make one).
    const std::string longSuit = [] {
        std::string text;
        for (int i = 0; i < 100000; ++i) {
            text += "2xT3A";
        }
        return text;
    }();
    const std::string longSorted = std::string(100000, 'x') + std::string(100000, 'A') +
                                   std::string(100000, 'T') + std::string(100000, '3') +
                                   std::string(100000, '2');
    for (const auto& [before, after] :
         {std::pair<std::string, std::string>{"2TAK9", "AKT92"},
          {"3x2A", "xA32"},
          {"a2q1A", "aq1A2"},
          // The longest suit sorted one way, and one more.
          {"2xT3A2xT3A2xT3A2xT3A2xT3A2xT3AyK", "xxxxxxyAAAAAAKTTTTTT333333222222"},
          {"2xT3A2xT3A2xT3A2xT3A2xT3A2xT3AyKz", "xxxxxxyzAAAAAAKTTTTTT333333222222"},
          {longSuit, longSorted}}) {
        deal.SetSuitText(SEAT_WEST, SUIT_CLUBS, before, true);
        deal.SortSuit(SEAT_WEST, SUIT_CLUBS);
        EXPECT_EQ(deal.GetSuitText(SEAT_WEST, SUIT_CLUBS), after) << before.substr(0, 20);
    }
    // The rest goes to the highest empty seat, if there is one.
    const struct {
        std::string before, after;
    } cases[] = {
        {"W:... N:A.x.. E:K... S:...",
         "W:... N:A.x.. E:K... S:QJT98765432.AKQJT98765432.AKQJT98765432.AKQJT98765432"},
        {"W:A... N:K... E:Q... S:J...", "W:A... N:K... E:Q... S:J..."},
        // A letter of no rank makes a hand no longer empty, and holds no card.
        {"W:x... N:AKQJT98765432.AKQJT98765432.AKQJT98765432.AKQJT9876543 E:... S:...",
         "W:x... N:AKQJT98765432.AKQJT98765432.AKQJT98765432.AKQJT9876543 E:... S:...2"},
    };
    for (const auto& c : cases) {
        SetHands(deal, c.before);
        CDeal::SuitTexts texts;
        for (int seat = 0; seat < kSeatCount; ++seat) {
            for (int suit = 0; suit < kSuitCount; ++suit) {
                texts[static_cast<std::size_t>(seat * kSuitCount + suit)] =
                    deal.GetSuitText(seat, suit);
            }
        }
        CDeal::CompleteEmptyHand(texts);
        CTestDeal completed;
        completed.AppendSuitTexts(texts);
        EXPECT_EQ(HandsOf(completed), c.after);
    }
}

TEST(Deal, HandsFieldRoundTripAndSafeSuitTexts) {
    CTestDeal deal;
    EXPECT_EQ(Written(deal), "0009900A1\r\n0009901,,,,,,,,,,,,,,,\r\n0009999\r\n");
    deal.SetSuitText(SEAT_EAST, SUIT_HEARTS, "K,Q\r\nJ", true);  // one line, no commas
    deal.SetSuitText(SEAT_EAST, SUIT_HEARTS, "T", false);
    deal.SetSuitText(SEAT_SOUTH, SUIT_CLUBS, "2", false);
    deal.SetSuitText(7, 0, "ignored", false);
    EXPECT_EQ(Written(deal), "0009900A1\r\n0009901,,,,,,,,,KQJT,,,,,,2\r\n0009999\r\n");

    CTestDeal copy;
    copy.ReadHands(1, ",,,,,,,,,KQJT,,,,,,2");
    EXPECT_EQ(HandsOf(copy), HandsOf(deal));
    copy.ReadHands(2, "ignored,,,,");
    copy.ReadHands(1, "A,K");  // a short field empties the rest
    EXPECT_EQ(HandsOf(copy), "W:A.K.. N:... E:... S:...");
    copy.ReadHands(1, "A,,,,,,,,,,,,,,,2,extra,,");  // fields past the sixteenth are dropped
    EXPECT_EQ(Written(copy), "0009900A1\r\n0009901A,,,,,,,,,,,,,,,2\r\n0009999\r\n");
}

TEST(Deal, AppendSuitTextsAppendsEverySuitAtOnce) {
    CTestDeal deal;
    SetHands(deal, "W:A.K.. N:... E:..Q. S:...J");
    CDeal::SuitTexts texts;
    texts[SEAT_WEST * kSuitCount + SUIT_SPADES] = "K";
    texts[SEAT_NORTH * kSuitCount + SUIT_HEARTS] = "A,\r\n2";  // as SetSuitText keeps it
    texts[SEAT_SOUTH * kSuitCount + SUIT_CLUBS] = "T9";
    deal.AppendSuitTexts(texts);
    EXPECT_EQ(HandsOf(deal), "W:AK.K.. N:.A2.. E:..Q. S:...JT9");
    deal.AppendSuitTexts(CDeal::SuitTexts());
    EXPECT_EQ(HandsOf(deal), "W:AK.K.. N:.A2.. E:..Q. S:...JT9");

    // Comma-joined suits: taken as they stand by a deal without cards, else appended suit
    // by suit; short texts leave the other suits alone, long ones lose their extra fields.
    const struct {
        const char* before;
        std::string joined;
        const char* after;
    } joined[] = {
        {"W:... N:... E:... S:...", ",,,,A,,,,,,,,,,,2", "W:... N:A... E:... S:...2"},
        {"W:... N:... E:... S:...", "A,K", "W:A.K.. N:... E:... S:..."},
        {"W:... N:... E:... S:...", "A,,,,,,,,,,,,,,,2,extra", "W:A... N:... E:... S:...2"},
        {"W:... N:... E:... S:...", "A\r\n,,,,,,,,,,,,,,,", "W:A... N:... E:... S:..."},
        {"W:K... N:... E:... S:...", "A,,,,,,,,,,,,,,,2", "W:KA... N:... E:... S:...2"},
    };
    for (const auto& c : joined) {
        CTestDeal target;
        SetHands(target, c.before);
        target.AppendCards(c.joined);
        EXPECT_EQ(HandsOf(target), c.after) << c.joined;
    }
}

TEST(Deal, NameAfterLastChildContinuesTheNumbering) {
    const struct {
        std::vector<std::string> children;
        std::string name;
    } cases[] = {{{}, "A1"},
                 {{"A6"}, "A7"},
                 {{"A1", "Board 12"}, "Board 13"},
                 {{"X"}, "X1"},
                 {{"A2147483647"}, "A2147483648"}};
    for (const auto& c : cases) {
        CList list;
        for (const std::string& name : c.children) {
            (new CTestDeal(name))->AppendTo(&list, true);
        }
        CTestDeal deal;
        deal.NameAfterLastChild(&list);
        EXPECT_EQ(deal.GetName(), c.name);
    }
}
