// Reading PBN games (the state machine, the Deal value, what a deal takes from a game) and
// writing them.
#include <gtest/gtest.h>

#include "CoreTest.h"
#include "DealFilesTest.h"
#include "core/deals/CPbnGame.h"
#include "core/deals/CPbnLine.h"
#include "core/platform/CFile.h"
#include "core/platform/Settings.h"

namespace {
const std::string kDealA = "[Deal \"N:AKQJ.T98.765.432 - - -\"]";
const std::string kDealB = "[Deal \"E:.AKQ.. - - -\"]";
const char kHandsA[] = "W:... N:AKQJ.T98.765.432 E:... S:...";
const char kHandsB[] = "W:... N:... E:.AKQ.. S:...";
const char kBoth[] = "W:... N:AKQJ.T98.765.432 E:.AKQ.. S:...";  // A and B read as one game
const char kNoCards[] = "W:... N:... E:... S:...";

using PbnSeatTexts = CoreTest;

std::string Game(const std::string& tags, const std::string& eol = "\n") {
    return "[Event \"\"]" + eol + tags + eol + "[Board \"1\"]" + eol;
}
}  // namespace

TEST(PbnReader, GamesEndAtTheFirstBlankLine) {
    const std::string a = kDealA;
    const std::string b = kDealB;
    const struct {
        const char* what;
        std::string bytes;
        std::vector<std::string> hands;
    } cases[] = {
        {"LF", Game(a) + "\n" + Game(b) + "\n", {kHandsA, kHandsB}},
        {"CR LF", Game(a, "\r\n") + "\r\n" + Game(b, "\r\n") + "\r\n", {kHandsA, kHandsB}},
        {"CR alone", Game(a, "\r") + "\r" + Game(b, "\r") + "\r", {kHandsA, kHandsB}},
        {"last line without end", Game(a) + "\n" + b, {kHandsA, kHandsB}},
        {"blank line of spaces and backspaces", a + "\n \b \r\n" + b, {kHandsA, kHandsB}},
        {"TAB is no white space", a + "\n\t\n" + b + "\n", {kBoth}},
        {"% lines at the top and inside a game",
         "% PBN 2.1\n%Creator x\n" + a + "\n% inner\n[B \"\"]\n\n" + b,
         {kHandsA, kHandsB}},
        {"header then empty line is no deal",
         "% PBN 1.0\r\n% META\r\n\r\n" + Game(a, "\r\n"),
         {kHandsA}},
        {"two blank lines add no empty deal",
         Game(a) + "\n\n\n" + Game(b) + "\n\n\n\n",
         {kHandsA, kHandsB}},
        {"generator statistics after the last game",
         Game(a) + "\nGenerated 514 hands\nTime needed    0.000 sec\n",
         {kHandsA}},
        {"a game with tags but no Deal is a deal",
         "[Event \"x\"]\n\n[Deal \"\"]\n",
         {kNoCards, kNoCards}},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + Game(a) + "\n", {kHandsA}},
        {"white space only", "\n\r\n \n\n\r\r", {}},
        // LF alone: the comment's LF is its end, so the empty line after it only marks a
        // blank line and the game runs on into the next.
        {"LF after a line comment", a + "\n;note\n\n" + b + "\n", {kBoth}},
        {"CR LF after a line comment", a + "\r\n;note\r\n\r\n" + b + "\r\n", {kHandsA, kHandsB}},
        {"comment with brackets and blank lines",
         a + "\n{see [BID 2C]\n\n and [more]}\n\n" + b,
         {kHandsA, kHandsB}},
        // Broken games: a value runs to the next quote, the rest of its line to the next "]".
        {"missing closing quote", "[Event \"x\n\n" + b + "\n\n" + b + "\n", {kNoCards, kHandsB}},
        {"missing right bracket", "[Board \"1\"\n\n" + b + "\n\n" + b + "\n", {kNoCards, kHandsB}},
        {"bracket never closed", "[Board\n\n\n", {kNoCards}},
        {"open brace to the end", "[Board \"1\"]\n{never closed\n\n" + b + "\n", {kNoCards}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HandsOfAll(ReadDeals(c.bytes, "pbn")), c.hands) << c.what;
    }
}

TEST(PbnReader, DealValues) {
    const struct {
        std::string tag;
        std::string hands;
    } deals[] = {
        {"[Deal \"W:KQ.A.-.T9 - AKJ.. -\"]", "W:KQ.A..T9 N:... E:AKJ... S:..."},
        {"[Deal \"S:2TAK.-.-.- x\"]", "W:x... N:... E:... S:AKT2..."},  // sorted, unchecked
        {"[Deal \"N:A.K.Q.J.T\"]", "W:... N:AT.K.Q.J E:... S:..."},     // clubs wrap to spades
        {"[Deal \"N:A - - - K\"]", "W:... N:AK... E:... S:..."},        // West wraps to North
        {"[Deal \"N:A,K.Q.. - - -\"]", "W:... N:AK.Q.. E:... S:..."},   // no commas in a suit
        {"[Deal \"N:\"]", kNoCards},
        {"[Deal \"X:AKQ...\"]", kNoCards},  // no first seat
        {"[Deal \"n:AKQ...\"]", kNoCards},
        {"[Deal\"N:AKQ...\"]", kNoCards},  // no white space after the name: no name stored
        {"[deal \"N:AKQ...\"]", kNoCards},
        {"[  Deal  junk \"N:AKQ...\" junk ]", "W:... N:AKQ... E:... S:..."},
        {"[Deal \"N:AK.\\Q\\\\.J\"]", "W:... N:AK.\\Q.J. E:... S:..."},
    };
    for (const auto& c : deals) {
        EXPECT_EQ(HandsOfAll(ReadDeals(c.tag + "\n", "pbn")), std::vector{c.hands}) << c.tag;
    }
}

TEST_F(PbnSeatTexts, EventAndSeatTextsComeFromThePlaceTheSettingNames) {
    const std::string game =
        "{before any line: dropped}\n"
        "[Event \"Zero\"]\n"
        "[Event \"First\"]\n"
        "[Event \"\"]\n"  // an empty Event does not clear the earlier one
        "[West \"w tag\"] ; w line\n"
        "{w brace}\n"
        "[North \"n \\\"t\\\\a\\g\"]\n"  // escapes; a stray backslash is dropped
        "[East \"e; {tag}\"]\n"
        "{East opens 1S}\n"
        ";part one\n"
        ";part two\n"
        "{ and more}\n"
        "[Board \"7\"]{not a seat's}\n"
        "[South \"first\"]{first}\n"
        "[South \"\"]{line one\r\nline two\n}\n"  // a later line for the seat replaces it
        "%escape {not a comment}\n";
    const struct {
        int pbnInfo;
        std::array<std::string, 4> texts;
    } cases[] = {
        {0, {" w line", "", "part onepart two", ""}},
        {1, {"w brace", "", "East opens 1S and more", "line one\r\nline two\n"}},
        {2, {"w tag", "n \"t\\ag", "e; {tag}", ""}},
    };
    for (const auto& c : cases) {
        WriteProfileInt("CBiddingList", "PBNInfo", c.pbnInfo);  // read afresh for every deal
        const auto deals = ReadDeals(game, "pbn");
        ASSERT_EQ(deals.size(), 1u);
        EXPECT_EQ(SeatTextsOf(*deals[0]), c.texts) << c.pbnInfo;
        EXPECT_EQ(deals[0]->GetEvent(), "First");
    }
}

TEST_F(PbnSeatTexts, HugeTextsAreCutAndLongGamesKeepOnlyWhatADealTakes) {
    const std::string huge(3 * CPbnLine::kMaxTextLength, 'x');
    const auto deals = ReadDeals(
        "[Event \"" + huge + "\"]\n[North \"\"]{" + huge + "}\n\n" + kDealA + "\n", "pbn");
    ASSERT_EQ(deals.size(), 2u);
    EXPECT_EQ(deals[0]->GetEvent().size(), CPbnLine::kMaxTextLength);
    EXPECT_EQ(SeatTextsOf(*deals[0])[1].size(), CPbnLine::kMaxTextLength);
    EXPECT_EQ(HandsOf(*deals[1]), kHandsA);

    std::string game;
    for (int i = 0; i < 2000; ++i) {
        game += "[North \"" + std::to_string(i) + "\"]\n%x\n[Board \"1\"]\n[Event \"e\"]\n";
    }
    auto file = CFile::ReadMemory(game);
    CPbnGame pbnGame;
    CBiddingDeal deal;
    EXPECT_TRUE(pbnGame.ReadGame(*file, &deal));
    WriteProfileInt("CBiddingList", "PBNInfo", 2);
    deal.TakePbnGame(&pbnGame);
    EXPECT_EQ(SeatTextsOf(deal)[1], "1999");
}

TEST(PbnWriter, FixedRosterWithCrLf) {
    CBiddingDeal deal;
    deal.SetName("A3");
    SetHands(deal, "W:KQ.A..T9 N:AKJ... E:... S:2.3.4.5");
    auto file = CFile::WriteMemory();
    deal.WritePbnGame(*file, true);
    EXPECT_EQ(file->Contents(),
              "[Event \"\"]\r\n[Site \"\"]\r\n[Date \"\"]\r\n[Board \"3\"]\r\n"
              "[West \"\"]\r\n[North \"\"]\r\n[East \"\"]\r\n[South \"\"]\r\n"
              "[Dealer \"S\"]\r\n[Vulnerable \"EW\"]\r\n"
              "[Deal \"S:2.3.4.5 KQ.A..T9 AKJ... ...\"]\r\n"
              "[Declarer \"\"]\r\n[Contract \"\"]\r\n[Result \"\"]\r\n");
    // A later game starts with a blank line; the Deal value starts with the dealer.
    deal.SetName("B4");
    auto later = CFile::WriteMemory();
    deal.WritePbnGame(*later, false);
    const std::string& text = later->Contents();
    EXPECT_EQ(text.substr(0, 2), "\r\n");
    EXPECT_NE(text.find("[Vulnerable \"All\"]\r\n[Deal \"W:KQ.A..T9 AKJ... ... 2.3.4.5\"]"),
              std::string::npos);
}

TEST_F(PbnSeatTexts, AFileReadsAsItsBytesDoWhereverItsBufferEnds) {
    // Games of every length, so that the file's buffer ends inside names, values, comments
    // and between CR and LF; every kind of line end.
    std::string bytes;
    const char* const ends[] = {"\n", "\r\n", "\r"};
    for (int game = 0; game < 3000; ++game) {
        const std::string eol = ends[game % 3];
        const std::string text(static_cast<std::size_t>(game % 97),
                               static_cast<char>('a' + game % 26));
        bytes += "[Event \"e" + text + "\"]" + eol + "[North \"n\\\"" + text + "\"] ;" + text +
                 eol + "{" + text + eol + text + "}" + eol + kDealA + eol + eol;
    }
    const std::string path = TempPath("games.pbn");
    WriteFileBytes(path, bytes);
    ASSERT_GT(bytes.size(), 4u << 16);

    for (int pbnInfo = 0; pbnInfo < 3; ++pbnInfo) {
        WriteProfileInt("CBiddingList", "PBNInfo", pbnInfo);
        const auto inMemory = ReadDeals(bytes, "pbn");
        ASSERT_EQ(inMemory.size(), 3000u);
        auto file = CFile::OpenRead(path);
        ASSERT_NE(file, nullptr);
        for (const auto& expected : inMemory) {
            CBiddingDeal deal;
            ASSERT_TRUE(deal.ReadFromFile(*file, "pbn"));
            EXPECT_EQ(HandsOf(deal), HandsOf(*expected));
            EXPECT_EQ(SeatTextsOf(deal), SeatTextsOf(*expected));
            EXPECT_EQ(deal.GetEvent(), expected->GetEvent());
        }
        CBiddingDeal after;
        EXPECT_FALSE(after.ReadFromFile(*file, "pbn"));
    }
}
