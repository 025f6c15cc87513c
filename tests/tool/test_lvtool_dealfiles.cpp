// lvtool text on deal files, import, export and convert. The readers and writers have their
// own tests; these check what lvtool adds: arguments, sessions, exit codes, files left alone.
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "ToolRun.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/items/CDesktop.h"
#include "core/items/CLorvaneDoc.h"

namespace {
const std::string kDealerEvent = "Hand simulated by dealer with file seed1.dl, seed 1";

std::string Data(const std::string& name) {
    return TestDataPath("deals/" + name);
}

// Per session: "name / north / south / deals / East's text of the first deal".
std::vector<std::string> Describe(const std::string& path) {
    CLorvaneDoc doc;
    EXPECT_TRUE(doc.OnOpenDocument(path));
    std::vector<std::string> lines;
    for (int i = 0; i < doc.GetDesktop()->GetChildCount(); ++i) {
        auto* session = static_cast<CBiddingList*>(doc.GetDesktop()->GetChildAt(i));
        auto* first = static_cast<CBiddingDeal*>(session->GetChildAt(0));
        lines.push_back(session->GetName() + " / " + session->GetNorthName() + " / " +
                        session->GetSouthName() + " / " + std::to_string(session->GetChildCount()) +
                        " / " + (first != nullptr ? first->GetSeatText(SEAT_EAST) : ""));
    }
    return lines;
}
}  // namespace

TEST_F(LvtoolTest, TextOfADealFile) {
    const ToolResult pbn = Run({"text", Data("dealer-seed1.pbn")});
    ASSERT_EQ(pbn.exitCode, 0) << pbn.err;
    EXPECT_EQ(pbn.out.substr(0, pbn.out.find("\r\n\r\n\r\nA2")),
              kDealerEvent +
                  "\r\nNorth:\t\r\nSouth:\t\r\n\r\n\r\nA1\r\nNorth / None\r\n\r\n"
                  "North:\t2 / T98 / K752 / KJT84\r\nSouth:\tAQ8 / AQ5 / QJT / AQ52\r\n\r\n"
                  "West:\tKJT97643 / K3 / A43 / -\r\nEast:\t5 / J7642 / 986 / 9763");
    EXPECT_NE(pbn.out.find("\r\n\r\n\r\nA20\r\n"), std::string::npos);
    const ToolResult missing = Run({"text", TempPath("missing.pbn")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err,
              "lvtool: cannot open " + TempPath("missing.pbn") + ": No such file or directory\n");
    EXPECT_EQ(missing.out, "");
}

TEST_F(LvtoolTest, ImportIntoNewAndExistingSessions) {
    const std::string doc = TempPath("doc.lv");
    const std::string pbn = Data("dealer-seed1.pbn");
    for (const std::vector<std::string>& options : std::vector<std::vector<std::string>>{
             {"--north", "Ann", "--south", "Bob"},
             {"--session", "Monday"},  // a new session: the name given wins over the Event
             {},
             {"--session", "Monday"},  // an existing session takes the deals
         }) {
        std::vector<std::string> args = {"import", pbn, "-o", doc};
        args.insert(args.end(), options.begin(), options.end());
        ASSERT_EQ(Run(args).exitCode, 0);
    }
    EXPECT_EQ(Describe(doc), (std::vector<std::string>{kDealerEvent + " / Ann / Bob / 20 / ",
                                                       "Monday /  /  / 40 / ",
                                                       kDealerEvent + " (2) /  /  / 20 / "}));
    EXPECT_NE(Run({"text", doc}).out.find("\r\nA40\r\n"), std::string::npos);  // numbered on

    // New sessions take their participants and the seat-text place from the settings;
    // --pbn-info overrides the place for one run only.
    std::filesystem::create_directories(TempPath("Fendrake"));
    WriteFileBytes(TempPath("Fendrake/Lorvane.ini"), "[CBiddingList]\nNorth=Cy\nSouth=Di\n");
    const std::string seats = TempPath("seats.pbn");
    WriteFileBytes(seats, "[Event \"E\"]\n[East \"tag\"] ;line\n{brace}\n[Deal \"N:A...\"]\n");
    const std::string other = TempPath("other.lv");
    ASSERT_EQ(Run({"import", seats, "-o", other, "--pbn-info", "line"}).exitCode, 0);
    ASSERT_EQ(Run({"import", seats, "-o", other, "--pbn-info", "tag"}).exitCode, 0);
    ASSERT_EQ(Run({"import", seats, "-o", other}).exitCode, 0);
    EXPECT_EQ(Describe(other),
              (std::vector<std::string>{"E / Cy / Di / 1 / line", "E (2) / Cy / Di / 1 / tag",
                                        "E (3) / Cy / Di / 1 / brace"}));
    const ToolResult bad = Run({"import", seats, "-o", other, "--pbn-info", "nowhere"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("usage: lvtool import"), std::string::npos);
}

TEST_F(LvtoolTest, UnreadableInputLeavesTheDocumentUntouched) {
    const std::string doc = TempPath("doc.lv");
    ASSERT_EQ(Run({"import", Data("dealer-seed1.pbn"), "-o", doc}).exitCode, 0);
    const std::string before = ReadFileBytes(doc);
    WriteFileBytes(TempPath("lonely.nth"), ReadFileBytes(Data("club.nth")));
    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {TempPath("missing.pbn"),
         "cannot open " + TempPath("missing.pbn") + ": No such file or directory"},
        {TempPath("lonely.nth"),
         "The file " + TempPath("lonely.sth") + " does not exist. No deals could be imported."},
        {TempPath("notes.txt"),
         TempPath("notes.txt") + ": not a deal file (*.pbn, *.dup, *.bri, *.dge, *.nth)"},
    };
    for (const auto& c : cases) {
        const ToolResult result = Run({"import", c.file, "-o", doc});
        EXPECT_EQ(result.exitCode, 1) << c.file;
        EXPECT_EQ(result.err, "lvtool: " + c.message + "\n");
        EXPECT_EQ(ReadFileBytes(doc), before) << c.file;
    }
    EXPECT_EQ(Run({"import", TempPath("missing.pbn"), "-o", TempPath("new.lv")}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(TempPath("new.lv")));
}

TEST_F(LvtoolTest, ExportAndConvert) {
    const std::string doc = TempPath("doc.lv");
    ASSERT_EQ(Run({"import", Data("club.nth"), "-o", doc}).exitCode, 0);
    ASSERT_EQ(Run({"import", Data("seed1.dup"), "-o", doc, "--session", "Twenty"}).exitCode, 0);
    // The session named, in the format of the extension; convert writes the same file.
    ASSERT_EQ(Run({"export", doc, TempPath("twenty.dge"), "--session", "Twenty"}).exitCode, 0);
    const std::string twenty = ReadFileBytes(TempPath("twenty.dge"));
    EXPECT_EQ(twenty.size(), 20u * 128);
    ASSERT_EQ(Run({"convert", Data("seed1.dup"), TempPath("converted.dge")}).exitCode, 0);
    EXPECT_TRUE(ReadFileBytes(TempPath("converted.dge")) == twenty);
    // Without --session the first session is written.
    ASSERT_EQ(Run({"export", doc, TempPath("first.bri")}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(TempPath("first.bri")).size(), 6u * 128);

    const struct {
        std::vector<std::string> args;
        std::string message;
    } failures[] = {
        {{"export", doc, TempPath("x.nth")},
         TempPath("x.nth") + ": cannot write this kind of file (*.pbn, *.dup, *.bri, *.dge)"},
        {{"export", doc, TempPath("x.pbn"), "--session", "None"},
         doc + " has no session named None"},
        {{"export", TempPath("missing.lv"), TempPath("x.pbn")},
         "cannot open " + TempPath("missing.lv") + ": No such file or directory"},
        {{"convert", TempPath("missing.dup"), TempPath("x.pbn")},
         "cannot open " + TempPath("missing.dup") + ": No such file or directory"},
        {{"export", doc, TempPath("no/folder/x.pbn")},
         "Cannot create " + TempPath("no/folder/x.pbn") +
             ". No deals were exported. No such file or directory."},
    };
    for (const auto& c : failures) {
        const ToolResult result = Run(c.args);
        EXPECT_EQ(result.exitCode, 1) << c.args[2];
        EXPECT_EQ(result.err, "lvtool: " + c.message + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(TempPath("x.nth")));
    EXPECT_FALSE(std::filesystem::exists(TempPath("x.pbn")));
}

TEST_F(LvtoolTest, ADocumentThatCannotBeReadOrIsNoDocumentIsNeverReplaced) {
    const std::string pbn = Data("dealer-seed1.pbn");
    std::filesystem::create_directories(TempPath("folder.lv/inside"));
    WriteFileBytes(TempPath("notes.lv"), "shopping list\n");
    const struct {
        std::string document;
        std::string message;
    } cases[] = {
        {TempPath("folder.lv"), "cannot open " + TempPath("folder.lv") + ": not a regular file"},
        // Read as a document, it fails the version check.
        {TempPath("notes.lv"),
         "Cannot open the file. The file may be corrupt or the file version is incorrect."},
    };
    for (const auto& c : cases) {
        const ToolResult result = Run({"import", pbn, "-o", c.document});
        EXPECT_EQ(result.exitCode, 1) << c.document;
        EXPECT_EQ(result.err, "lvtool: " + c.message + "\n");
    }
    EXPECT_TRUE(std::filesystem::is_directory(TempPath("folder.lv/inside")));
    EXPECT_EQ(ReadFileBytes(TempPath("notes.lv")), "shopping list\n");

    if (::geteuid() != 0) {  // the superuser reads anything
        const std::string doc = TempPath("private.lv");
        ASSERT_EQ(Run({"import", pbn, "-o", doc}).exitCode, 0);
        const std::string before = ReadFileBytes(doc);
        std::filesystem::permissions(doc, std::filesystem::perms::none);
        const ToolResult result = Run({"import", pbn, "-o", doc});
        std::filesystem::permissions(doc, std::filesystem::perms::owner_read);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "lvtool: cannot open " + doc + ": Permission denied\n");
        EXPECT_EQ(ReadFileBytes(doc), before);
    }
}

TEST_F(LvtoolTest, AFileWithoutDealsExitsWithThreeAndWritesNothing) {
    const std::string doc = TempPath("doc.lv");
    ASSERT_EQ(Run({"import", Data("dealer-seed1.pbn"), "-o", doc}).exitCode, 0);
    const std::string before = ReadFileBytes(doc);
    WriteFileBytes(TempPath("notes.pbn"), "no games here, only words\n");
    WriteFileBytes(TempPath("short.dup"), "0102");
    for (const std::string& file : {TempPath("notes.pbn"), TempPath("short.dup")}) {
        const std::string says = "lvtool: no deals found in " + file + "\n";
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {"import", file, "-o", doc},
                 {"import", file, "-o", doc, "--session", kDealerEvent},
                 {"import", file, "-o", TempPath("new.lv")},
                 {"convert", file, TempPath("out.pbn")},
                 {"text", file},
             }) {
            const ToolResult result = Run(args);
            EXPECT_EQ(result.exitCode, 3) << args[0] << " " << file;
            EXPECT_EQ(result.err, says);
            EXPECT_EQ(result.out, "");
        }
    }
    EXPECT_EQ(ReadFileBytes(doc), before);
    EXPECT_FALSE(std::filesystem::exists(TempPath("new.lv")));
    EXPECT_FALSE(std::filesystem::exists(TempPath("out.pbn")));
}

TEST_F(LvtoolTest, AnEmptySessionNameNamesNothing) {
    const std::string doc = TempPath("doc.lv");
    ASSERT_EQ(Run({"import", Data("dealer-seed1.pbn"), "-o", doc, "--session", ""}).exitCode, 0);
    EXPECT_EQ(Describe(doc), std::vector<std::string>{kDealerEvent + " /  /  / 20 / "});
}
