// Bridge D/A deal sets: hand lines, deal blocks with comments, the header and the
// synchronisation of the files, damaged sets.
#include <optional>

#include <gtest/gtest.h>

#include "DealFilesTest.h"
#include "deals/BridgeDaFiles.h"
#include "deals/CBridgeDaSet.h"
#include "platform/CStatusProgress.h"

namespace {
struct Imported {
    std::string name;
    std::vector<std::string> hands;
    std::vector<std::array<std::string, 4>> texts;
};

std::unique_ptr<CFile> Memory(const std::optional<std::string>& bytes) {
    return bytes ? CFile::ReadMemory(*bytes) : nullptr;
}

Imported ImportSet(const std::string& north, const std::string& south,
                   const std::optional<std::string>& east = std::nullopt,
                   const std::optional<std::string>& west = std::nullopt) {
    CBiddingList list;
    list.SetName("Session");
    CBridgeDaSet set;
    set.Attach(Memory(north), Memory(south), Memory(east), Memory(west));
    BridgeDa::ImportSet(list, set, [](CDeal& deal, CBridgeDaSet& files) {
        return static_cast<CBiddingDeal&>(deal).ReadBridgeDaDeal(
            files.North(), files.South(), files.East(), files.West(), files.HasEastWest());
    });
    Imported result{list.GetName(), {}, {}};
    for (int i = 0; i < list.GetChildCount(); ++i) {
        result.hands.push_back(HandsOf(DealAt(list, i)));
        result.texts.push_back(SeatTextsOf(DealAt(list, i)));
    }
    return result;
}

std::string Lines(const std::vector<std::string>& lines, const std::string& eol = "\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + eol;
    }
    return text;
}
}  // namespace

TEST(BridgeDaReader, HandLines) {
    const struct {
        std::string line;
        std::string north;  // spades.hearts.diamonds.clubs, in the order of the line
    } cases[] = {
        {"S: AK109  H: QJ3  D: -  C: 5432", "AKT9.QJ3..5432"},
        {"S: AK H: QJ", "AKH.QJ.."},  // one space before a suit letter makes it a card
        {"S: A K 10 9  H: Q J 3", "AKT9.QJ3.."},
        {"C: 5432-H: K", ".K..5432"},
        {"X: AK  H: Q", "AK.Q.."},  // an unknown suit letter keeps the current suit
        {"S: 10  D: 0 1 10", "T..0T."},
        {"H:KQ  S:J  H:A", "J.KQA.."},
        {"2.", "..."},
        {"North has no colon", "..."},
        {":AK", "..."},
        {"S", "..."},
        {"", "..."},
    };
    for (const auto& c : cases) {
        CBiddingDeal deal;
        BridgeDa::ReadHandLine(c.line, SEAT_NORTH, deal);
        EXPECT_EQ(HandsOf(deal), "W:... N:" + c.north + " E:... S:...") << c.line;
    }
}

TEST(BridgeDaReader, CommentLinesBecomeSeatTexts) {
    const std::string north =
        Lines({"ID: x", "1.", "S: A", "Strong hand", "West opens 1H", "and doubles", "", "2.",
               "S: K", "Only North's", "", "3.", "S: Q", ""});
    const std::string south = Lines({"1.", "S: 2", "South's own", "East passes", "then doubles", "",
                                     "2.", "S: 3", "", "3.", "S: 4", "", "", "4.", "S: 5"});
    const Imported set = ImportSet(north, south);
    EXPECT_EQ(set.hands,
              (std::vector<std::string>{"W:... N:A... E:... S:2...", "W:... N:K... E:... S:3...",
                                        "W:... N:Q... E:... S:4...", "W:... N:... E:... S:..."}));
    ASSERT_EQ(set.texts.size(), 4u);
    EXPECT_EQ(set.texts[0],
              (std::array<std::string, 4>{"West opens 1H\r\nand doubles", "Strong hand",
                                          "East passes\r\nthen doubles", "South's own"}));
    EXPECT_EQ(set.texts[1], (std::array<std::string, 4>{"", "Only North's", "", ""}));
    // Two empty lines: the second is the dropped line, so the number line "4." is read as the
    // next deal's hand line (no cards) and its hand line as a comment.
    EXPECT_EQ(set.texts[3], (std::array<std::string, 4>{"", "", "", "S: 5"}));
}

TEST(BridgeDaReader, HeaderNamesTheSessionAndEveryFileIsSynchronised) {
    const std::string block = Lines({"S: AK", "", "2.", "S: QJ", ""});
    const struct {
        const char* what;
        std::string north, south;
        std::optional<std::string> east, west;
        std::string name;
        std::size_t deals;
        std::string firstHands;
    } cases[] = {
        {"ID of 20 characters and a description",
         Lines({"Header", "ID: 12345678901234567890", "Description: Weak twos", "1."}) + block,
         Lines({"South header", "1. ignored", "S: 2", "", "2.", "S: 3", ""}),
         {},
         {},
         "123456789012 - Weak twos",
         2,
         "W:... N:AK... E:... S:2..."},
        {"short ID, bare description",
         Lines({"ID: ab", "Description:", "1."}) + block,
         Lines({"1."}) + block,
         {},
         {},
         "ab - ",
         2,
         "W:... N:AK... E:... S:AK..."},
        {"bare ID keeps the name",
         Lines({"ID:", "1."}) + block,
         Lines({"1."}) + block,
         {},
         {},
         "Session",
         2,
         "W:... N:AK... E:... S:AK..."},
        {"East and West with their own headers", Lines({"1."}) + block, Lines({"1."}) + block,
         Lines({"E", "1."}) + block, Lines({"1.", "S: 9"}), "Session", 2,
         "W:9... N:AK... E:AK... S:AK..."},
        {"East without West is not read",
         Lines({"1."}) + block,
         Lines({"1."}) + block,
         Lines({"1."}) + block,
         {},
         "Session",
         2,
         "W:... N:AK... E:... S:AK..."},
        {"South decides the number of deals",
         Lines({"1.", "S: A"}),
         Lines({"1."}) + block,
         {},
         {},
         "Session",
         2,
         "W:... N:A... E:... S:AK..."},
        {"North never reaches its first deal",
         Lines({"ID: named", "2.", " 1."}),
         Lines({"1."}) + block,
         {},
         {},
         "named",
         0,
         ""},
        {"South never reaches its first deal",
         Lines({"1."}) + block,
         Lines({"2.", "S: 3"}),
         {},
         {},
         "Session",
         0,
         ""},
        {"West never reaches its first deal", Lines({"1."}) + block, Lines({"1."}) + block,
         Lines({"1."}) + block, Lines({"S: 9"}), "Session", 0, ""},
        {"empty files", "", "", "", "", "Session", 0, ""},
        {"Discarded in North",
         Lines({"1."}) + Lines({"S: A", "", "Discarded", "2.", "S: K", ""}),
         Lines({"1."}) + block,
         {},
         {},
         "Session",
         2,
         "W:... N:A... E:... S:AK..."},
        {"Discarded in South ends the deals",
         Lines({"1."}) + block,
         Lines({"1.", "S: 2", "", "Discarded", "2.", "S: 3"}),
         {},
         {},
         "Session",
         1,
         "W:... N:AK... E:... S:2..."},
    };
    for (const auto& c : cases) {
        const Imported set = ImportSet(c.north, c.south, c.east, c.west);
        EXPECT_EQ(set.name, c.name) << c.what;
        EXPECT_EQ(set.hands.size(), c.deals) << c.what;
        if (!set.hands.empty()) {
            EXPECT_EQ(set.hands[0], c.firstHands) << c.what;
        }
    }
}

TEST(BridgeDaReader, LineEndsAndByteOrderMark) {
    const std::vector<std::string> north = {"ID: Club", "1.", "S: AK  H: Q", "North", "West",
                                            "",         "2.", "S: J",        ""};
    const std::vector<std::string> south = {"1.", "S: 2", "South", "", "2.", "S: 3"};
    const Imported expected = ImportSet(Lines(north), Lines(south));
    ASSERT_EQ(expected.hands.size(), 2u);
    EXPECT_EQ(expected.name, "Club");
    const struct {
        const char* what;
        std::string north, south;
    } cases[] = {
        {"CR LF", Lines(north, "\r\n"), Lines(south, "\r\n")},
        {"CR alone", Lines(north, "\r"), Lines(south, "\r")},
        {"last line without end", Lines(north), Lines(south).substr(0, Lines(south).size() - 1)},
        {"byte-order mark", "\xEF\xBB\xBF" + Lines(north), "\xEF\xBB\xBF" + Lines(south)},
    };
    for (const auto& c : cases) {
        const Imported set = ImportSet(c.north, c.south);
        EXPECT_EQ(set.name, expected.name) << c.what;
        EXPECT_EQ(set.hands, expected.hands) << c.what;
        EXPECT_EQ(set.texts, expected.texts) << c.what;
    }
}

TEST(BridgeDaReader, AnEndlessLineIsCut) {
    const std::string longLine =
        "1.\nS: " + std::string(3 * CTextLineReader::kMaxLineLength, 'A') + "\n";
    const Imported huge = ImportSet(longLine, longLine);
    ASSERT_EQ(huge.hands.size(), 1u);
    EXPECT_EQ(huge.hands[0].size(), 2 * (CTextLineReader::kMaxLineLength - 3) + 23);
}
