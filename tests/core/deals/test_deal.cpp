#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CRecordingItemTree.h"
#include "items/CArchive.h"
#include "deals/CDeal.h"
#include "platform/CFile.h"
#include "platform/ControlEnabler.h"

namespace {
class CTestDeal : public CDeal {
public:
    explicit CTestDeal(const std::string& name = "A1") : CDeal(0, 99, 155, 155, 0) {
        SetName(name);
    }
    unsigned GetFirstDealButtonId() override { return 1; }
    unsigned GetPreviousDealButtonId() override { return 2; }
    unsigned GetNextDealButtonId() override { return 3; }
    unsigned GetLastDealButtonId() override { return 4; }
    std::string Written() {
        auto file = CFile::WriteMemory();
        CArchive archive(*file, CArchive::Mode::Store);
        Serialize(archive, nullptr);
        return file->Contents();
    }
};

class CList : public CTreeItem {
public:
    CList() : CTreeItem(0, 98, 155, 155, 0) {}
};
}  // namespace

TEST(Deal, ANewDealIsBoardOne) {
    CTestDeal deal;
    EXPECT_EQ(deal.GetName(), "A1");
    EXPECT_EQ(deal.GetNumber(), 1);
    EXPECT_EQ(deal.GetSortKey(), 1 + 25 * 10000);
    EXPECT_FALSE(deal.CanRename());
    std::string description;
    deal.GetDescription(description);
    EXPECT_EQ(description, "North / None");
}

TEST(Deal, BoardNumberGivesDealerAndVulnerability) {
    const struct {
        std::string name;
        int number;
        std::string prefix;
        std::string description;
        long sortKey;
    } cases[] = {
        {"A2", 2, "A", "East / North-South", 2 + 250000},
        {"A3", 3, "A", "South / East-West", 3 + 250000},
        {"A4", 4, "A", "West / All", 4 + 250000},
        {"A7", 7, "A", "South / All", 7 + 250000},
        {"A16", 16, "A", "West / East-West", 16 + 250000},
        {"A17", 17, "A", "North / None", 17 + 250000},
        {"B3", 3, "B", "South / East-West", 3 + 240000},
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

TEST(Deal, CardsLettersAndSorting) {
    CTestDeal deal;
    for (int card : {1, 13, 14, 27, 52, 0, 53, 10}) {
        deal.AddCard(SEAT_NORTH, card);
    }
    EXPECT_EQ(deal.GetSuitText(SEAT_NORTH, SUIT_SPADES), "A25");
    EXPECT_EQ(deal.GetSuitText(SEAT_NORTH, SUIT_HEARTS), "A");
    EXPECT_EQ(deal.GetSuitText(SEAT_NORTH, SUIT_DIAMONDS), "A");
    EXPECT_EQ(deal.GetSuitText(SEAT_NORTH, SUIT_CLUBS), "2");

    const struct {
        std::string before, after;
    } sorts[] = {{"2TAK9", "AKT92"}, {"xA", "xA"}, {"3x2A", "xA32"}, {"", ""}, {"99A", "A99"}};
    for (const auto& c : sorts) {
        deal.SetSuitText(SEAT_WEST, SUIT_CLUBS, c.before, true);
        deal.SortSuit(SEAT_WEST, SUIT_CLUBS);
        EXPECT_EQ(deal.GetSuitText(SEAT_WEST, SUIT_CLUBS), c.after) << c.before;
    }
    EXPECT_EQ(CDeal::GetCardNumber(SUIT_HEARTS, "xK", 1), 15);
    EXPECT_EQ(CDeal::GetCardNumber(SUIT_HEARTS, "xK", 0), 13);
}

TEST(Deal, CompleteEmptyHandGivesTheRestToTheHighestEmptySeat) {
    CTestDeal deal;
    for (int card = 1; card <= 39; ++card) {
        deal.AddCard(SEAT_NORTH + (card - 1) / 13, card);  // North spades, East hearts, ...
    }
    deal.SetSuitText(SEAT_NORTH, SUIT_SPADES, "x", false);  // not a card: skipped
    deal.CompleteEmptyHand();
    EXPECT_EQ(deal.GetSuitText(SEAT_WEST, SUIT_CLUBS), "AKQJT98765432");
    EXPECT_EQ(deal.GetSuitText(SEAT_WEST, SUIT_SPADES), "");

    CTestDeal twoEmpty;
    twoEmpty.AddCard(SEAT_NORTH, 1);
    twoEmpty.AddCard(SEAT_EAST, 2);
    twoEmpty.CompleteEmptyHand();
    EXPECT_EQ(twoEmpty.GetSuitText(SEAT_SOUTH, SUIT_SPADES), "QJT98765432");
    EXPECT_EQ(twoEmpty.GetSuitText(SEAT_WEST, SUIT_SPADES), "");

    CTestDeal full;
    for (int seat = 0; seat < 4; ++seat) {
        full.AddCard(seat, seat + 1);
    }
    full.CompleteEmptyHand();
    EXPECT_EQ(full.GetSuitText(SEAT_WEST, SUIT_SPADES), "A");
}

TEST(Deal, HandsFieldRoundTripAndSafeSuitTexts) {
    CTestDeal deal;
    EXPECT_EQ(deal.Written(), "0009900A1\r\n0009901,,,,,,,,,,,,,,,\r\n0009999\r\n");

    deal.SetSuitText(SEAT_EAST, SUIT_HEARTS, "K,Q\r\nJ", true);
    EXPECT_EQ(deal.GetSuitText(SEAT_EAST, SUIT_HEARTS), "KQJ");
    deal.SetSuitText(SEAT_EAST, SUIT_HEARTS, "T", false);
    deal.SetSuitText(SEAT_SOUTH, SUIT_CLUBS, "2", false);
    deal.SetSuitText(7, 0, "ignored", false);

    CTestDeal copy;
    copy.ReadHands(1, ",,,,,,,,,KQJT,,,,,,2");
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) {
            EXPECT_EQ(copy.GetSuitText(seat, suit), deal.GetSuitText(seat, suit));
        }
    }
    copy.ReadHands(2, "ignored,,,,");
    EXPECT_EQ(copy.GetSuitText(SEAT_WEST, SUIT_SPADES), "");
    copy.ReadHands(1, "A,K");  // a short field empties the rest
    EXPECT_EQ(copy.GetSuitText(SEAT_WEST, SUIT_HEARTS), "K");
    EXPECT_EQ(copy.GetSuitText(SEAT_SOUTH, SUIT_CLUBS), "");
}

TEST(Deal, VisibleHandFollowsTheView) {
    CTestDeal deal;
    deal.SetSuitText(SEAT_SOUTH, SUIT_DIAMONDS, "AK", true);
    const struct {
        int view;
        bool visible;
    } cases[] = {{SEAT_SOUTH, true}, {4, true}, {SEAT_NORTH, false}, {-1, false}};
    for (const auto& c : cases) {
        std::string s = "x", h = "x", d = "x", cl = "x";
        deal.GetVisibleHand(SEAT_SOUTH, s, h, d, cl, c.view);
        EXPECT_EQ(d, c.visible ? "AK" : "") << c.view;
        EXPECT_EQ(s, "") << c.view;
    }
}

TEST(Deal, NameAfterLastChildContinuesTheNumbering) {
    const struct {
        std::vector<std::string> children;
        std::string name;
    } cases[] = {
        {{}, "A1"},
        {{"A6"}, "A7"},
        {{"A1", "Board 12"}, "Board 13"},
        {{"X"}, "X1"},
        {{"A2147483647"}, "A2147483648"},
    };
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

namespace {
class CRecordingControls : public IControlEnabler {
public:
    void EnableControl(unsigned id, bool enable) override { state[id] = enable; }
    bool state[5] = {};
};
}  // namespace

TEST(Deal, NavigationButtonsFollowTheIndex) {
    CList list;
    for (int i = 0; i < 4; ++i) {
        (new CTestDeal)->AppendTo(&list, true);
    }
    const struct {
        int index, first, last;
        bool enable;
        bool backward, forward;
    } cases[] = {
        {0, 0, -2, true, false, true},  {3, 0, -2, true, true, false},
        {1, 1, 2, true, false, true},   {2, 1, 2, true, true, false},
        {1, 0, 3, false, false, false},
    };
    for (const auto& c : cases) {
        CRecordingControls controls;
        static_cast<CDeal*>(list.GetChildAt(c.index))
            ->EnableNavigationButtons(&controls, c.enable, c.first, c.last);
        EXPECT_EQ(controls.state[1], c.backward);
        EXPECT_EQ(controls.state[2], c.backward);
        EXPECT_EQ(controls.state[3], c.forward);
        EXPECT_EQ(controls.state[4], c.forward);
    }
}

TEST(Seats, NamesWithFlags) {
    const struct {
        int seat, flags;
        std::string name;
    } cases[] = {{0, 0, "West"}, {1, 2, "North:"}, {2, 1, "East\t"}, {3, 3, "South:\t"},
                 {7, 3, "old:\t"}};
    for (const auto& c : cases) {
        std::string name = "old";
        GetSeatName(name, c.seat, c.flags);
        EXPECT_EQ(name, c.name);
    }
    std::string vulnerability = "old";
    GetVulnerabilityName(vulnerability, 9);
    EXPECT_EQ(vulnerability, "old");
    GetVulnerabilityName(vulnerability, 3);
    EXPECT_EQ(vulnerability, "All");
}
