// Bridge D/A deal sets: hand lines, comments, the header and the synchronisation of the
// files, damaged sets.
#include <optional>

#include <gtest/gtest.h>

#include "DealFilesTest.h"
#include "core/deals/BridgeDaFiles.h"
#include "core/deals/CBridgeDaSet.h"
#include "core/deals/CTextLineReader.h"

namespace {
struct Imported {
    std::string name;
    std::vector<std::string> hands;
    std::vector<std::array<std::string, 4>> texts;
};

using Bytes = std::optional<std::string>;

std::unique_ptr<CFile> Memory(const Bytes& bytes) {
    return bytes ? CFile::ReadMemory(*bytes) : nullptr;
}

Imported ImportSet(const Bytes& north, const Bytes& south, const Bytes& east = {},
                   const Bytes& west = {}) {
    CBiddingList list;
    list.SetName("Session");
    CBridgeDaSet set;
    set.Attach(Memory(north), Memory(south), Memory(east), Memory(west));
    BridgeDa::ImportSet(list, set, [](CDeal& deal, CBridgeDaSet& files) {
        return static_cast<CBiddingDeal&>(deal).ReadBridgeDaDeal(
            files.North(), files.South(), files.East(), files.West(), files.HasEastWest());
    });
    Imported result{list.GetName(), Hands(list), {}};
    for (int i = 0; i < list.GetChildCount(); ++i) {
        result.texts.push_back(SeatTextsOf(DealAt(list, i)));
    }
    return result;
}

// The lines of text parted by "|", each ended by eol; none for an empty text.
std::string Lines(const std::string& text, const std::string& eol = "\n") {
    if (text.empty()) {
        return text;
    }
    std::string lines;
    std::size_t start = 0;
    for (std::size_t bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1) {
        lines += text.substr(start, bar - start) + eol;
    }
    return lines + text.substr(start) + eol;
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
        {"North has no colon", "..."},
        {":AK", "..."},
    };
    for (const auto& c : cases) {
        CBiddingDeal deal;
        BridgeDa::ReadHandLine(c.line, SEAT_NORTH, deal);
        EXPECT_EQ(HandsOf(deal), "W:... N:" + c.north + " E:... S:...") << c.line;
    }
}

TEST(BridgeDaReader, CommentLinesBecomeSeatTexts) {
    const Imported set = ImportSet(
        Lines(
            "ID: x|1.|S: A|Strong hand|West opens 1H|and doubles||2.|S: K|Only North's||3.|S: Q|"),
        Lines("1.|S: 2|South's own|East passes|then doubles||2.|S: 3||3.|S: 4|||4.|S: 5"));
    EXPECT_EQ(set.hands,
              (std::vector<std::string>{"W:... N:A... E:... S:2...", "W:... N:K... E:... S:3...",
                                        "W:... N:Q... E:... S:4...", "W:... N:... E:... S:..."}));
    ASSERT_EQ(set.texts.size(), 4u);
    EXPECT_EQ(set.texts[0],
              (std::array<std::string, 4>{"West opens 1H\r\nand doubles", "Strong hand",
                                          "East passes\r\nthen doubles", "South's own"}));
    EXPECT_EQ(set.texts[1], (std::array<std::string, 4>{"", "Only North's", "", ""}));
    // After two empty lines the second is the dropped line: "4." is read as the next deal's
    // hand line (no cards) and its hand line as a comment.
    EXPECT_EQ(set.texts[3], (std::array<std::string, 4>{"", "", "", "S: 5"}));
}

TEST(BridgeDaReader, HeaderNamesTheSessionAndEveryFileIsSynchronised) {
    const char* const block = "1.|S: AK||2.|S: QJ|";
    const struct {
        const char* what;
        std::string north, south;
        std::string name;
        std::size_t deals;
        std::string first;
        const char* east = nullptr;
        const char* west = nullptr;
    } cases[] = {
        {"ID of 20 characters and a description",
         "Header|ID: 12345678901234567890|Description: Weak twos|" + std::string(block),
         "South header|1. ignored|S: 2||2.|S: 3|", "123456789012 - Weak twos", 2,
         "W:... N:AK... E:... S:2..."},
        {"short ID, bare description", "ID: ab|Description:|" + std::string(block), block, "ab - ",
         2, "W:... N:AK... E:... S:AK..."},
        {"bare ID keeps the name", "ID:|" + std::string(block), block, "Session", 2,
         "W:... N:AK... E:... S:AK..."},
        {"East and West with their own headers", block, block, "Session", 2,
         "W:9... N:AK... E:AK... S:AK...", "E|1.|S: AK|", "1.|S: 9"},
        {"East without West is not read", block, block, "Session", 2, "W:... N:AK... E:... S:AK...",
         block},
        {"South decides the number of deals", "1.|S: A", block, "Session", 2,
         "W:... N:A... E:... S:AK..."},
        {"North never reaches its first deal", "ID: named|2.| 1.", block, "named", 0, ""},
        {"South never reaches its first deal", block, "2.|S: 3", "Session", 0, ""},
        {"West never reaches its first deal", block, block, "Session", 0, "", block, "S: 9"},
        {"empty files", "", "", "Session", 0, "", "", ""},
        {"Discarded in North", "1.|S: A||Discarded|2.|S: K|", block, "Session", 2,
         "W:... N:A... E:... S:AK..."},
        {"Discarded in South ends the deals", block, "1.|S: 2||Discarded|2.|S: 3", "Session", 1,
         "W:... N:AK... E:... S:2..."},
    };
    for (const auto& c : cases) {
        const auto lines = [](const char* text) { return text ? Bytes(Lines(text)) : Bytes(); };
        const Imported set =
            ImportSet(Lines(c.north), Lines(c.south), lines(c.east), lines(c.west));
        EXPECT_EQ(set.name, c.name) << c.what;
        EXPECT_EQ(set.hands.size(), c.deals) << c.what;
        if (!set.hands.empty()) {
            EXPECT_EQ(set.hands[0], c.first) << c.what;
        }
    }
}

TEST(BridgeDaReader, LineEndsByteOrderMarkAndEndlessLines) {
    const std::string north = "ID: Club|1.|S: AK  H: Q|North|West||2.|S: J|";
    const std::string south = "1.|S: 2|South||2.|S: 3";
    const std::string southLf = Lines(south);
    const Imported expected = ImportSet(Lines(north), Lines(south));
    ASSERT_EQ(expected.hands.size(), 2u);
    EXPECT_EQ(expected.name, "Club");
    const struct {
        const char* what;
        std::string north, south;
    } cases[] = {
        {"CR LF", Lines(north, "\r\n"), Lines(south, "\r\n")},
        {"CR alone", Lines(north, "\r"), Lines(south, "\r")},
        {"last line without end", Lines(north), southLf.substr(0, southLf.size() - 1)},
        {"byte-order mark", "\xEF\xBB\xBF" + Lines(north), "\xEF\xBB\xBF" + southLf},
    };
    for (const auto& c : cases) {
        const Imported set = ImportSet(c.north, c.south);
        EXPECT_EQ(set.name, expected.name) << c.what;
        EXPECT_EQ(set.hands, expected.hands) << c.what;
        EXPECT_EQ(set.texts, expected.texts) << c.what;
    }

    const std::string endless =
        "1.\nS: " + std::string(3 * CTextLineReader::kMaxLineLength, 'A') + "\n";
    const Imported huge = ImportSet(endless, endless);
    ASSERT_EQ(huge.hands.size(), 1u);
    EXPECT_EQ(huge.hands[0].size(), 2 * (CTextLineReader::kMaxLineLength - 3) + 23);
}
