// lvtool text on deal files, import, export and convert.
#include <string>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "ToolRun.h"
#include "bidding/CBiddingDeal.h"
#include "bidding/CBiddingList.h"
#include "items/CDesktop.h"
#include "items/CLorvaneDoc.h"

namespace {
class LvtoolDealFilesTest : public CoreTest {
protected:
    ToolResult Run(const std::vector<std::string>& args) {
        return RunLvtool(args, TempPath(""), TempPath(""));
    }
    static std::string Data(const std::string& name) { return TestDataPath("deals/" + name); }

    // Session name, participants and per deal "name hands seat-texts" of a document.
    static std::vector<std::string> Describe(const std::string& path) {
        CLorvaneDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(path));
        std::vector<std::string> lines;
        POSITION sessions;
        doc.GetDesktop()->GetHeadChildPosition(sessions);
        while (sessions) {
            auto* session = static_cast<CBiddingList*>(doc.GetDesktop()->GetNextChild(sessions));
            lines.push_back(session->GetName() + " / " + session->GetNorthName() + " / " +
                            session->GetSouthName() + " / " +
                            std::to_string(session->GetChildCount()));
        }
        return lines;
    }
    static CBiddingDeal* FirstDeal(CLorvaneDoc& doc, const std::string& session) {
        auto* list = static_cast<CBiddingList*>(doc.GetDesktop()->FindChild(session));
        return list != nullptr ? static_cast<CBiddingDeal*>(list->GetChildAt(0)) : nullptr;
    }
    static int Count(const std::string& text, const std::string& what) {
        int count = 0;
        for (std::size_t pos = text.find(what); pos != std::string::npos;
             pos = text.find(what, pos + 1)) {
            ++count;
        }
        return count;
    }
};

const char kDealerEvent[] = "Hand simulated by dealer with file seed1.dl, seed 1";
}  // namespace

TEST_F(LvtoolDealFilesTest, TextOfEveryDealFileKind) {
    const ToolResult pbn = Run({"text", Data("dealer-seed1.pbn")});
    ASSERT_EQ(pbn.exitCode, 0) << pbn.err;
    EXPECT_EQ(pbn.out.substr(0, pbn.out.find("\r\n\r\n\r\nA2")),
              std::string(kDealerEvent) +
                  "\r\nNorth:\t\r\nSouth:\t\r\n\r\n\r\nA1\r\nNorth / None\r\n\r\n"
                  "North:\t2 / T98 / K752 / KJT84\r\nSouth:\tAQ8 / AQ5 / QJT / AQ52\r\n\r\n"
                  "West:\tKJT97643 / K3 / A43 / -\r\nEast:\t5 / J7642 / 986 / 9763");
    EXPECT_EQ(Count(pbn.out, "\r\n\r\n\r\nA"), 20);
    // A Duplimate file gives the same deals in a session of the default name.
    const ToolResult dge = Run({"text", Data("seed1.dge")});
    ASSERT_EQ(dge.exitCode, 0);
    EXPECT_EQ(dge.out.substr(0, dge.out.find("\r\n")), "Bidding");
    EXPECT_EQ(dge.out.substr(dge.out.find("\r\nNorth:")),
              pbn.out.substr(pbn.out.find("\r\nNorth:")));
    const ToolResult set = Run({"text", Data("club.nth")});
    ASSERT_EQ(set.exitCode, 0);
    EXPECT_EQ(set.out.substr(0, set.out.find("\r\n")), "Club night 1 - Competitive auctions");
    EXPECT_EQ(Count(set.out, "\r\n\r\n\r\nA"), 6);

    const ToolResult missing = Run({"text", TempPath("missing.pbn")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "lvtool: cannot open " + TempPath("missing.pbn") + "\n");
    EXPECT_EQ(missing.out, "");
}

TEST_F(LvtoolDealFilesTest, ImportIntoNewAndExistingSessions) {
    const std::string doc = TempPath("doc.lv");
    ASSERT_EQ(
        Run({"import", Data("dealer-seed1.pbn"), "-o", doc, "--north", "Ann", "--south", "Bob"})
            .exitCode,
        0);
    ASSERT_EQ(Run({"import", Data("seed1.dup"), "-o", doc, "--session", "Monday"}).exitCode, 0);
    ASSERT_EQ(Run({"import", Data("dealer-seed1.pbn"), "-o", doc}).exitCode, 0);
    ASSERT_EQ(Run({"import", Data("seed1.dge"), "-o", doc, "--session", "Monday"}).exitCode, 0);
    EXPECT_EQ(Describe(doc), (std::vector<std::string>{
                                 std::string(kDealerEvent) + " / Ann / Bob / 20",
                                 "Monday /  /  / 40",
                                 std::string(kDealerEvent) + " (2) /  /  / 20",
                             }));
    // The settings give new sessions their participants.
    std::filesystem::create_directories(TempPath("Fendrake"));
    WriteFileBytes(TempPath("Fendrake/Lorvane.ini"), "[CBiddingList]\nNorth=Cy\nSouth=Di\n");
    ASSERT_EQ(Run({"import", Data("club.nth"), "-o", TempPath("other.lv")}).exitCode, 0);
    EXPECT_EQ(Describe(TempPath("other.lv")),
              std::vector<std::string>{"Club night 1 - Competitive auctions / Cy / Di / 6"});
    const ToolResult text = Run({"text", doc});
    EXPECT_NE(text.out.find("\r\nA40\r\n"), std::string::npos);  // numbering continued
}

TEST_F(LvtoolDealFilesTest, PbnInfoChoosesTheSeatTextsForOneRun) {
    const std::string pbn = TempPath("seats.pbn");
    WriteFileBytes(pbn, "[Event \"E\"]\n[East \"tag\"] ;line\n{brace}\n[Deal \"N:A...\"]\n");
    const struct {
        std::vector<std::string> option;
        std::string east;
    } cases[] = {{{"--pbn-info", "line"}, "line"},
                 {{"--pbn-info", "tag"}, "tag"},
                 {{"--pbn-info", "brace"}, "brace"},
                 {{}, "brace"}};  // the stored default, untouched by the runs before
    for (const auto& c : cases) {
        const std::string doc =
            TempPath("seats" + c.east + std::to_string(c.option.size()) + ".lv");
        std::vector<std::string> args = {"import", pbn, "-o", doc};
        args.insert(args.end(), c.option.begin(), c.option.end());
        ASSERT_EQ(Run(args).exitCode, 0);
        CLorvaneDoc loaded;
        ASSERT_TRUE(loaded.OnOpenDocument(doc));
        CBiddingDeal* deal = FirstDeal(loaded, "E");
        ASSERT_NE(deal, nullptr);
        EXPECT_EQ(deal->GetSeatText(SEAT_EAST), c.east);
    }
    const ToolResult bad = Run({"import", pbn, "-o", TempPath("x.lv"), "--pbn-info", "nowhere"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("usage: lvtool import"), std::string::npos);
}

TEST_F(LvtoolDealFilesTest, UnreadableInputLeavesTheDocumentUntouched) {
    const std::string doc = TempPath("doc.lv");
    ASSERT_EQ(Run({"import", Data("dealer-seed1.pbn"), "-o", doc}).exitCode, 0);
    const std::string before = ReadFileBytes(doc);
    WriteFileBytes(TempPath("lonely.nth"), ReadFileBytes(Data("club.nth")));
    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {TempPath("missing.pbn"), "lvtool: cannot open " + TempPath("missing.pbn") + "\n"},
        {TempPath("lonely.nth"), "lvtool: The file " + TempPath("lonely.sth") +
                                     " does not exist. No deals could be imported.\n"},
        {TempPath("notes.txt"), "lvtool: " + TempPath("notes.txt") +
                                    ": not a deal file (*.pbn, *.dup, *.bri, *.dge, *.nth)\n"},
    };
    for (const auto& c : cases) {
        const ToolResult result = Run({"import", c.file, "-o", doc});
        EXPECT_EQ(result.exitCode, 1) << c.file;
        EXPECT_EQ(result.err, c.message);
        EXPECT_EQ(ReadFileBytes(doc), before) << c.file;
    }
    EXPECT_EQ(Run({"import", TempPath("missing.pbn"), "-o", TempPath("new.lv")}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(TempPath("new.lv")));
}

TEST_F(LvtoolDealFilesTest, ExportAndConvertRoundTrip) {
    const std::string doc = TempPath("doc.lv");
    ASSERT_EQ(Run({"import", Data("club.nth"), "-o", doc}).exitCode, 0);
    ASSERT_EQ(Run({"import", Data("dealer-seed1.pbn"), "-o", doc, "--session", "Twenty"}).exitCode,
              0);
    const std::string original = Run({"text", Data("dealer-seed1.pbn")}).out;
    const std::string hands = original.substr(original.find("\r\nNorth:"));
    for (const char* ext : {"pbn", "dup"}) {
        const std::string out = TempPath(std::string("twenty.") + ext);
        ASSERT_EQ(Run({"export", doc, out, "--session", "Twenty"}).exitCode, 0) << ext;
        const std::string copy = Run({"text", out}).out;
        EXPECT_EQ(copy.substr(copy.find("\r\nNorth:")), hands) << ext;

        const std::string converted = TempPath(std::string("converted.") + ext);
        ASSERT_EQ(Run({"convert", Data("dealer-seed1.pbn"), converted}).exitCode, 0) << ext;
        EXPECT_EQ(ReadFileBytes(converted), ReadFileBytes(out)) << ext;
    }
    // Without --session the first session is written.
    ASSERT_EQ(Run({"export", doc, TempPath("first.pbn")}).exitCode, 0);
    EXPECT_EQ(Count(ReadFileBytes(TempPath("first.pbn")), "[Deal "), 6);

    const struct {
        std::vector<std::string> args;
        std::string message;
    } failures[] = {
        {{"export", doc, TempPath("x.txt")},
         "lvtool: " + TempPath("x.txt") +
             ": cannot write this kind of file (*.pbn, *.dup, *.bri, *.dge)\n"},
        {{"export", doc, TempPath("x.nth")},
         "lvtool: " + TempPath("x.nth") +
             ": cannot write this kind of file (*.pbn, *.dup, *.bri, *.dge)\n"},
        {{"export", doc, TempPath("x.pbn"), "--session", "None"},
         "lvtool: " + doc + " has no session named None\n"},
        {{"export", TempPath("missing.lv"), TempPath("x.pbn")},
         "lvtool: cannot open " + TempPath("missing.lv") + "\n"},
        {{"convert", TempPath("missing.dup"), TempPath("x.pbn")},
         "lvtool: cannot open " + TempPath("missing.dup") + "\n"},
        {{"export", doc, TempPath("no/folder/x.pbn")},
         "lvtool: Cannot create " + TempPath("no/folder/x.pbn") + ". No deals were exported.\n"},
    };
    for (const auto& c : failures) {
        const ToolResult result = Run(c.args);
        EXPECT_EQ(result.exitCode, 1) << c.args[2];
        EXPECT_EQ(result.err, c.message);
    }
    EXPECT_FALSE(std::filesystem::exists(TempPath("x.txt")));
    EXPECT_FALSE(std::filesystem::exists(TempPath("x.pbn")));
}
