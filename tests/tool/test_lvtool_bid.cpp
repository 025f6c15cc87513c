#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "ToolRun.h"

namespace {
// tests/data/bid/examples.lv holds one session, "Worked examples" (Ann and Bob), with deals
// A1 (dealer North, East: "East bids at most 2C"), A3 (dealer South, East: "East opens 1S"),
// A4 (dealer West, West: a lead and "West opens 1H"), A5 (East: "East jumps in spades"),
// A9 (East: "East doubles"), A13 (East holds the ace of spades, East: "East bids 2C"),
// A17 (West holds the ace of hearts, no texts) and A21 (East: "Ost bietet 3Herz" and
// "West bids 2H"). North holds every ace the defenders do not.

// Presses on a deal, and what lvtool then prints: the auction's rows, separated by "/", with
// "," between the seats' cells; then the state.
struct Script {
    const char* deal;
    const char* presses;
    const char* rows;
    const char* state;
};

std::string Printed(const std::string& rows, const std::string& state) {
    std::string text = "West\tNorth\tEast\tSouth\t\r\n";
    for (char c : rows) {
        text += c == ',' ? "\t" : c == '/' ? "\r\n" : std::string(1, c);
    }
    return text + "\r\n" + state + "\r\n";
}

class LvtoolBid : public CoreTest {
protected:
    LvtoolBid() {
        std::filesystem::copy_file(TestDataPath("bid/examples.lv"), Document());
        m_original = ReadFileBytes(Document());
    }

    std::string Document() const { return TempPath("examples.lv"); }

    ToolResult Bid(const std::string& deal, const std::string& more) {
        std::vector<std::string> args = {"bid",    Document(), "--session", "Worked examples",
                                         "--deal", deal};
        std::istringstream words(more);
        for (std::string word; words >> word;) {
            args.push_back(word);
        }
        return RunLvtool(args, TempPath(""), TempPath(""));
    }

    bool DocumentUnchanged() const { return ReadFileBytes(Document()) == m_original; }

    // Each script on the document as it is, which none of them saves.
    void RunScripts(const std::vector<Script>& scripts) {
        for (const Script& s : scripts) {
            const ToolResult result = Bid(s.deal, s.presses);
            EXPECT_EQ(result.exitCode, 0) << s.deal << ": " << result.err;
            EXPECT_EQ(result.out, Printed(s.rows, s.state)) << s.deal << " " << s.presses;
            EXPECT_TRUE(DocumentUnchanged()) << s.deal;
        }
    }

private:
    std::string m_original;
};
}  // namespace

TEST_F(LvtoolBid, TheWorkedExamples) {
    RunScripts({
        // West deals and opens as soon as the deal is shown.
        {"A4", "", "1H", "open"},
        // At most 2 clubs: 2C over 1S; over 2S nothing fits, on this turn and the next.
        {"A1", "1S", ",1S,2C", "open"},
        {"A1", "2S 3S 4S", ",2S,P,3S/P,4S,P", "open"},
        // A single jump, kept below the seventh level's end.
        {"A5", "1H", ",1H,2S", "open"},
        {"A5", "6H", ",6H,7S", "open"},
        {"A5", "7H", ",7H,7S", "open"},
        // A defender who has acted passes from then on, even when Double is legal again.
        {"A9", "1H P 2H", ",1H,D,P/P,2H,P", "open"},
        // South deals: three placeholders, South to call.
        {"A3", "", ",,", "open"},
        // 7N is doubled by the first defender with an ace, with no chance to redouble.
        {"A13", "7N", ",7N,D,P/P,P", "complete"},
        {"A17", "7N", ",7N,P,P/D,P,P,P", "complete"},
        // Auto Bid records North's reply; South's next 2H brings it back.
        {"A17", "--player north 1S 2H 4H autobid 2H", ",1S,P,2H/P,4H,P", "open"},
    });
}

TEST_F(LvtoolBid, TakingBackAfterTheEndMarksThePlayerAsPeekingWhenSaved) {
    const ToolResult result = Bid("A17", "--player north --save P P back");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, Printed(",P,P,P", "open"));
    const std::string saved = ReadFileBytes(Document());
    EXPECT_NE(saved.find("\r\n6180900A17\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n61809061,1\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n61809063,0\r\n"), std::string::npos);

    // Saved, the calls stand in the document; opened again, West to call passes at once.
    const ToolResult again = Bid("A17", "");
    EXPECT_EQ(again.out, Printed(",P,P,P/P", "complete"));
}

TEST_F(LvtoolBid, APressOfADisabledButtonStopsWithoutSaving) {
    const struct {
        const char* deal;
        const char* presses;
        const char* message;
    } cases[] = {
        {"A1", "1S 1C", "illegal call 1C at step 2\n"},
        {"A17", "back", "illegal call back at step 1\n"},
        {"A17", "autobid", "illegal call autobid at step 1\n"},
        {"A17", "P P P", "illegal call P at step 3\n"},
        {"A17", "1NT", "illegal call 1NT at step 1\n"},
    };
    for (const auto& c : cases) {
        const ToolResult result = Bid(c.deal, std::string("--save ") + c.presses);
        EXPECT_EQ(result.exitCode, 2) << c.message;
        EXPECT_TRUE(result.err.ends_with(c.message)) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(DocumentUnchanged()) << c.message;
    }
}

TEST_F(LvtoolBid, UnknownFileSessionOrDealGivesOneLineAndWritesNothing) {
    const std::vector<std::vector<std::string>> cases = {
        {"bid", TempPath("missing.lv"), "--session", "Worked examples", "--deal", "A1", "--save"},
        {"bid", Document(), "--session", "worked examples", "--deal", "A1", "--save", "1S"},
        {"bid", Document(), "--session", "Worked examples", "--deal", "A2", "--save", "1S"},
        {"bid", Document(), "--deal", "A1", "1S"},
        {"bid", Document(), "--session", "Worked examples", "--deal", "A1", "--player", "east"},
    };
    for (const auto& args : cases) {
        const ToolResult result = RunLvtool(args, TempPath(""), TempPath(""));
        EXPECT_EQ(result.exitCode, 1) << args[2];
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_TRUE(DocumentUnchanged());
        EXPECT_FALSE(std::filesystem::exists(TempPath("missing.lv")));
    }
}

TEST_F(LvtoolBid, TheUsersOwnWordingComesFromTheSettings) {
    std::filesystem::create_directories(TempPath("Fendrake"));
    WriteFileBytes(TempPath("Fendrake/Lorvane.ini"),
                   "[CAutomaticDefensiveBidding]\nEast=Ost\nHearts=Herz\nHeartsAbbr=Herz\n"
                   "RHOOvercallsExact=Ost bietet 4S\n");
    RunScripts({{"A21", "1S", ",1S,3H", "open"}});
}

TEST_F(LvtoolBid, LogPressesTheLogBookButtonAndALogBookThatCannotBeReadFails) {
    const ToolResult logged = Bid("A3", "log");
    ASSERT_EQ(logged.exitCode, 0) << logged.err;
    std::string logBook;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(TempPath(""))) {
        if (entry.path().filename() == "Log-book.lv") {
            logBook = entry.path().string();
        }
    }
    ASSERT_FALSE(logBook.empty());
    EXPECT_NE(ReadFileBytes(logBook).find("6180900A3\r\n"), std::string::npos);
    EXPECT_TRUE(DocumentUnchanged());

    // In the place of the log-book, something that is no file: it stays, and nothing is logged.
    std::filesystem::remove(logBook);
    std::filesystem::create_directories(logBook + "/inside");
    const ToolResult refused = Bid("A1", "log");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(refused.err.starts_with("lvtool: Cannot read the log-book /")) << refused.err;
    EXPECT_TRUE(
        refused.err.ends_with("/Log-book.lv. The deal was not logged; the log-book was "
                              "left as it was. Not a regular file.\n"))
        << refused.err;
    EXPECT_TRUE(std::filesystem::is_directory(logBook + "/inside"));
}
