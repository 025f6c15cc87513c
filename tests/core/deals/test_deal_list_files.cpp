// A deal list's import and export: dispatch by extension, naming, dialogs, messages, round
// trips through every writable format, and the files of tests/data/deals.
#include <filesystem>

#include <gtest/gtest.h>

#include "CRecordingStatusDisplay.h"
#include "CoreTest.h"
#include "DealFilesTest.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/items/CDesktop.h"
#include "core/items/CHeadlessItemTree.h"
#include "core/platform/Settings.h"

namespace {
// Board 1 and board 2 of `dealer -s 1` (seed1.dl).
const char kSeed1Board1[] =
    "W:KJT97643.K3.A43. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52";
const char kSeed1Board2[] =
    "W:A86.AT7.AJ742.Q7 N:Q7432.Q63.983.J4 E:.J92.QT6.A986532 S:KJT95.K854.K5.KT";

std::vector<std::string> Names(const CDealList& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.GetChildCount(); ++i) {
        names.push_back(list.GetChildAt(i)->GetName());
    }
    return names;
}

class DealListFiles : public CoreTest {
protected:
    // A copy of a file of tests/data/deals in the temporary folder.
    std::string Copy(const std::string& dataFile, const std::string& name) {
        WriteFileBytes(TempPath(name), ReadFileBytes(TestDataPath("deals/" + dataFile)));
        return TempPath(name);
    }
    std::string LastMessage() const {
        return prompts.Messages().empty() ? "" : prompts.Messages().back().text;
    }
    // The 20 full deals of `dealer -s 1`.
    static void ImportSeed1(CBiddingList& list) {
        ASSERT_TRUE(list.ImportFile(TestDataPath("deals/seed1.dup")));
    }
};
}  // namespace

TEST_F(DealListFiles, DealerFilesImportWithTheirDealsAndHands) {
    CBiddingList pbn;
    ASSERT_TRUE(pbn.ImportFile(TestDataPath("deals/dealer-seed1.pbn")));
    ASSERT_EQ(pbn.GetChildCount(), 20);
    EXPECT_EQ(HandsOf(DealAt(pbn, 0)), kSeed1Board1);
    EXPECT_EQ(HandsOf(DealAt(pbn, 1)), kSeed1Board2);
    EXPECT_EQ(DealAt(pbn, 19).GetName(), "A20");
    // The Duplimate forms hold the same deals.
    for (const char* file : {"seed1.dup", "seed1.bri", "seed1.dge"}) {
        CBiddingList list;
        ASSERT_TRUE(list.ImportFile(TestDataPath(std::string("deals/") + file))) << file;
        EXPECT_EQ(Hands(list), Hands(pbn)) << file;
    }
}

TEST_F(DealListFiles, BridgeDaSetImportsWithSeatTextsAndHeaderName) {
    CBiddingList list;
    ASSERT_TRUE(list.ImportFile(TestDataPath("deals/club.nth")));
    EXPECT_EQ(list.GetName(), "Club night 1 - Competitive auctions");
    ASSERT_EQ(list.GetChildCount(), 6);
    EXPECT_EQ(HandsOf(DealAt(list, 0)), kSeed1Board1);
    EXPECT_EQ(SeatTextsOf(DealAt(list, 0)),
              (std::array<std::string, 4>{"West overcalls 1S", "Strong hand, open 1C",
                                          "East doubles\r\nthen passes", "Respond naturally"}));
    EXPECT_TRUE(prompts.Messages().empty());

    // Without its South file: a message, then ImportFile offers the dialog (cancelled here).
    const std::string north = Copy("club.nth", "set.nth");
    EXPECT_FALSE(list.ImportFile(north));
    EXPECT_EQ(LastMessage(), "The file " + TempPath("set.sth") +
                                 " does not exist.\n\nNo deals could be imported.");
    EXPECT_EQ(prompts.FileChoices().size(), 1u);
    // Upper-case names find their upper-case siblings.
    Copy("club.sth", "SET.STH");
    EXPECT_TRUE(list.ImportFile(Copy("club.nth", "SET.NTH")));
    EXPECT_EQ(list.GetChildCount(), 12);
}

TEST_F(DealListFiles, ImportDispatchesByExtension) {
    Copy("dealer-seed1.pbn", "deals.pbn");
    Copy("dealer-seed1.pbn", "upper.PBN");
    Copy("dealer-seed1.pbn", "text.txt");
    std::filesystem::create_directory(TempPath("with.dot"));
    Copy("dealer-seed1.pbn", "with.dot/deals.pbn");
    WriteFileBytes(TempPath("empty.dup"), "");
    std::string garbage;
    for (int i = 0; i < 5000; ++i) {
        garbage += static_cast<char>(i * 7919 % 251);
    }
    WriteFileBytes(TempPath("garbage.dup"), garbage);
    WriteFileBytes(TempPath("garbage.pbn"), garbage);
    const struct {
        std::string path;
        int fileType;  // the session's default file type: 0 Bridge D/A, 1 PBN
        bool result;
        int deals;
    } cases[] = {
        {TempPath("deals"), 1, true, 20},           // no extension: the default one is added
        {TempPath("deals"), 0, false, 0},           // deals.nth does not exist: dialog, cancelled
        {TempPath("upper.PBN"), 0, true, 20},       // extensions compare without case
        {TempPath("text.txt"), 0, true, 0},         // no format: nothing read, still true
        {TempPath("with.dot/deals"), 1, true, 20},  // a dot in a folder is no extension
        {TempPath("empty.dup"), 1, true, 0},
        {TempPath("garbage.dup"), 1, true, 32},  // whole records; the short rest ends it
        {TempPath("missing.pbn"), 1, false, 0},
    };
    for (const auto& c : cases) {
        WriteProfileInt("CBiddingList", "FileType", c.fileType);
        CBiddingList list;
        EXPECT_EQ(list.ImportFile(c.path), c.result) << c.path;
        EXPECT_EQ(list.GetChildCount(), c.deals) << c.path;
    }
    EXPECT_TRUE(CBiddingList().ImportFile(TempPath("garbage.pbn")));
    // The dialog lists every deal file first, then the default file type; a chosen file is
    // read by its extension.
    prompts.QueueFileName(TempPath("deals.pbn"));
    CBiddingList list;
    EXPECT_TRUE(list.ImportFile(TempPath("missing.pbn")));
    EXPECT_EQ(list.GetChildCount(), 20);
    EXPECT_TRUE(prompts.FileChoices().back().mustExist);
    const std::string& filter = prompts.FileChoices().back().filter;
    EXPECT_TRUE(filter.starts_with("All Deal Files (*.pbn;*.dup;*.bri;*.dge;*.nth)|"));
    EXPECT_LT(filter.find("Portable Bridge Notation"), filter.find("Bridge D/A"));
}

TEST_F(DealListFiles, ImportedDealsAreNamedOnAndUnique) {
    CHeadlessItemTree tree;
    CDesktop desktop;
    desktop.SetTree(&tree);
    desktop.InsertIntoTree(nullptr);
    auto& list = *new CBiddingList;
    list.InsertIntoTree(&desktop);
    const std::string pbn = TestDataPath("deals/dealer-strong-north.pbn");
    ASSERT_TRUE(list.Import(pbn, "pbn"));
    ASSERT_TRUE(list.Import(pbn, "pbn"));
    EXPECT_EQ(HandsOf(DealAt(list, 8)),
              "W:A9.7.T9752.QT842 N:Q87.AKT.AKJ4.A73 E:JT64.Q632.83.965 S:K532.J9854.Q6.KJ");
    EXPECT_EQ(Names(list)[8], "A9");
    EXPECT_EQ(Names(list).back(), "A16");
    EXPECT_EQ(list.GetName(), "Hand simulated by dealer with file strong-north.dl, seed 7");
    // A name is one line of the document: line ends in an event become blanks.
    WriteFileBytes(TempPath("lines.pbn"), "[Event \"Club\r\nnight\nA\"]\n");
    ASSERT_TRUE(list.ImportFile(TempPath("lines.pbn")));
    EXPECT_EQ(list.GetName(), "Club night A");

    // Numbering continues the last deal's; a name already taken becomes unique.
    auto& other = *new CBiddingList;
    other.InsertIntoTree(&desktop);
    for (const char* name : {"B7", "B9", "B8"}) {
        auto* deal = new CBiddingDeal;
        deal->SetName(name);
        deal->InsertIntoTree(&other);
    }
    ASSERT_TRUE(other.Import(TestDataPath("deals/seed1.dge"), "dge"));
    const std::vector<std::string> names = Names(other);
    EXPECT_EQ(names[3], "B9 (2)");
    EXPECT_EQ(names[4], "B10");
    EXPECT_EQ(names.back(), "B28");
}

TEST_F(DealListFiles, RoundTripsThroughEveryWritableFormat) {
    CBiddingList source;
    ImportSeed1(source);
    const struct {
        const char* ext;
        std::size_t size;
    } cases[] = {{"pbn", 0}, {"dup", 20 * 156}, {"bri", 20 * 128}, {"dge", 20 * 128}, {"Dup", 0}};
    for (const auto& c : cases) {
        const std::string path = TempPath(std::string("round.") + c.ext);
        ASSERT_TRUE(source.ExportToFile(path, c.ext)) << c.ext;
        if (c.size != 0) {
            EXPECT_EQ(ReadFileBytes(path).size(), c.size) << c.ext;
        }
        CBiddingList copy;
        ASSERT_TRUE(copy.ImportFile(path)) << c.ext;
        EXPECT_EQ(Hands(copy), Hands(source)) << c.ext;
    }
    EXPECT_EQ(ReadFileBytes(TempPath("round.dup")).substr(146, 10), "YN1  1 20 ");
    const std::string pbn = ReadFileBytes(TempPath("round.pbn"));
    EXPECT_EQ(pbn.substr(0, 12), "[Event \"\"]\r\n");
    EXPECT_NE(pbn.find("[Result \"\"]\r\n\r\n[Event \"\"]"), std::string::npos);
    EXPECT_EQ(pbn.find("\r\n\r\n\r\n"), std::string::npos);
    // No writer for these: the file is written empty.
    ASSERT_TRUE(source.ExportToFile(TempPath("round.nth"), "nth"));
    EXPECT_EQ(ReadFileBytes(TempPath("round.nth")), "");
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(DealListFiles, DuplimateExportLeavesOutDealsWithoutFullHands) {
    CBiddingList list;
    ImportSeed1(list);
    DealAt(list, 4).SetSuitText(SEAT_NORTH, SUIT_CLUBS, "", true);
    DealAt(list, 9).SetSuitText(SEAT_SOUTH, SUIT_HEARTS, "x", false);
    const std::string path = TempPath("some.dup");
    ASSERT_TRUE(list.ExportToFile(path, "DUP"));
    const std::string bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 18u * 156);
    EXPECT_EQ(bytes.substr(146, 10), "YN1  1 18 ");  // the deals the file holds
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(LastMessage(),
              "A Duplimate file holds only deals of four hands with 13 cards each. These deals "
              "were left out of " +
                  path + ":\n\nA5, A10");
    ASSERT_TRUE(list.ExportToFile(TempPath("all.pbn"), "pbn"));  // PBN writes any deal
    EXPECT_EQ(prompts.Messages().size(), 1u);

    // Many left out: the message names the first twenty.
    CBiddingList empty;
    for (int i = 0; i < 25; ++i) {
        auto* deal = new CBiddingDeal;
        deal->NameAfterLastChild(&empty);
        deal->AppendTo(&empty, true);
    }
    ASSERT_TRUE(empty.ExportToFile(TempPath("none.bri"), "bri"));
    EXPECT_EQ(ReadFileBytes(TempPath("none.bri")), "");
    EXPECT_TRUE(
        LastMessage().ends_with(":\n\nA1, A2, A3, A4, A5, A6, A7, A8, A9, A10, A11, A12, "
                                "A13, A14, A15, A16, A17, A18, A19, A20 and 5 more"));
}

// Export offers the pair's auctions as a check box, which starts as the person left it.
TEST_F(DealListFiles, ExportRemembersWithAuctions) {
    CBiddingList list;
    ImportSeed1(list);
    CAuction& auction = *DealAt(list, 0).GetAuction();
    auction.AppendPlaceholders(DealAt(list, 0).GetDealer());
    for (int code : {IDC_1N, IDC_PASS, IDC_PASS, IDC_PASS}) {
        auction.AppendCall(code);
    }
    const struct {
        bool checked;     // the person's choice
        int offered;      // the box as the dialog showed it
        bool hasAuction;  // in the file written
    } exports[] = {{true, 0, true}, {false, 1, false}, {false, 0, false}};
    for (const auto& e : exports) {
        const std::string path = TempPath("with.pbn");
        prompts.QueueFileName(path);
        prompts.QueueOption(e.checked);
        list.Export();
        EXPECT_EQ(prompts.OptionsOffered().back(), e.offered);
        EXPECT_EQ(ReadFileBytes(path).find("[Auction \"") != std::string::npos, e.hasAuction);
        EXPECT_EQ(GetProfileInt("Export", "WithAuctions", -1), e.checked ? 1 : 0);
    }
}

TEST_F(DealListFiles, AFailedExportSaysSoAndKeepsTheOldFile) {
    CBiddingList list;
    ImportSeed1(list);
    EXPECT_FALSE(list.ExportToFile(TempPath("no/such/folder/x.pbn"), "pbn"));
    EXPECT_EQ(LastMessage(), "Cannot create " + TempPath("no/such/folder/x.pbn") +
                                 ".\n\nNo deals were exported.\n\nNo such file or directory.");
    // A folder in the way cannot be replaced and stays as it was, with no temporary file left.
    std::filesystem::create_directory(TempPath("taken.pbn"));
    WriteFileBytes(TempPath("taken.pbn/inside"), "kept");
    EXPECT_FALSE(list.ExportToFile(TempPath("taken.pbn"), "pbn"));
    EXPECT_EQ(LastMessage(), "Cannot create " + TempPath("taken.pbn") +
                                 ".\n\nNo deals were exported.\n\nNot a regular file.");
    EXPECT_EQ(ReadFileBytes(TempPath("taken.pbn/inside")), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(TempPath("")), {}), 1);
}

TEST_F(DealListFiles, ExportAsksForTheFile) {
    CBiddingList list;
    ImportSeed1(list);
    list.Export();  // cancelled: nothing happens
    ASSERT_EQ(prompts.FileChoices().size(), 1u);
    EXPECT_TRUE(prompts.FileChoices()[0].confirmOverwrite);
    prompts.QueueFileName(TempPath("chosen"));  // typed without extension: the default one
    list.Export();
    EXPECT_EQ(ReadFileBytes(TempPath("chosen.dup")).size(), 20u * 156);
    prompts.QueueFileName(TempPath("mixed.Pbn"));
    std::string path, ext;
    ASSERT_TRUE(CBiddingDeal().ChooseExportFile(path, ext));
    EXPECT_EQ(ext, "PBN");
}

TEST_F(DealListFiles, ProgressOverTheFileAndOverTheDeals) {
    CRecordingStatusDisplay display;
    SetStatusDisplay(&display);
    CBiddingList list;
    ASSERT_TRUE(list.ImportFile(TestDataPath("deals/seed1.dup")));
    EXPECT_EQ(display.texts, (std::vector<std::string>{"Importing...", "Ready"}));
    // 20 records of the file: the percent of the bytes read after each.
    ASSERT_EQ(display.percents.size(), 21u);
    EXPECT_EQ(display.percents[1], 5);
    EXPECT_EQ(display.percents.back(), 100);
    display.texts.clear();
    display.percents.clear();
    ASSERT_TRUE(list.ExportToFile(TempPath("out.pbn"), "pbn"));
    EXPECT_EQ(display.texts, (std::vector<std::string>{"Exporting...", "Ready"}));
    EXPECT_EQ(display.percents.size(), 21u);
    SetStatusDisplay(nullptr);
}

namespace {
// A session that runs out of memory at its third deal, as an enormous file would make it.
class CExhaustedList : public CBiddingList {
public:
    CDeal* CreateDeal() override {
        if (++m_created == 3) {
            throw std::bad_alloc();
        }
        return CBiddingList::CreateDeal();
    }

private:
    int m_created = 0;
};
}  // namespace

TEST_F(DealListFiles, AnImportThatRunsOutOfMemoryFailsAloneAndLeavesTheListAsItWas) {
    CHeadlessItemTree tree(nullptr);
    CDesktop desktop;
    desktop.SetTree(&tree);
    desktop.InsertIntoTree(nullptr);
    auto* list = new CExhaustedList;
    list->SetName("Tuesday");
    list->InsertIntoTree(&desktop);
    list->Expand(true, false);  // so that each deal gets its node as it comes
    EXPECT_FALSE(list->Import(TestDataPath("deals/dealer-seed1.pbn"), "pbn"));
    EXPECT_EQ(list->GetChildCount(), 0);
    EXPECT_EQ(list->GetName(), "Tuesday");
    EXPECT_EQ(tree.GetNodeCount(), 2);
    EXPECT_NE(LastMessage().find("not enough memory"), std::string::npos);
}
