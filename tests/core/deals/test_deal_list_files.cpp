// A deal list's import and export: dispatch by extension, naming, dialogs, messages, round
// trips through every writable format, and the files of tests/data/deals.
#include <algorithm>
#include <filesystem>
#include <random>

#include <gtest/gtest.h>

#include "CRecordingItemTree.h"
#include "CoreTest.h"
#include "DealFilesTest.h"
#include "deals/CPbnLine.h"
#include "deals/DealsStrings.h"
#include "items/CDesktop.h"
#include "platform/Settings.h"
#include "platform/StatusDisplay.h"

namespace {
// Board 1 and board 20 of `dealer -s 1` (seed1.dl).
const char kSeed1Board1[] =
    "W:KJT97643.K3.A43. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52";
const char kSeed1Board2[] =
    "W:A86.AT7.AJ742.Q7 N:Q7432.Q63.983.J4 E:.J92.QT6.A986532 S:KJT95.K854.K5.KT";

class DealListFiles : public CoreTest {
protected:
    // A list shown in a headless tree under a Desktop, so that unique naming runs.
    CBiddingList& ShownList() {
        desktop.SetTree(&tree);
        desktop.InsertIntoTree(nullptr);
        auto* list = new CBiddingList;
        list->InsertIntoTree(&desktop);
        return *list;
    }

    static std::vector<std::string> Names(CDealList& list) {
        std::vector<std::string> names;
        for (int i = 0; i < list.GetChildCount(); ++i) {
            names.push_back(list.GetChildAt(i)->GetName());
        }
        return names;
    }

    static std::vector<std::string> Hands(CBiddingList& list) {
        std::vector<std::string> hands;
        for (int i = 0; i < list.GetChildCount(); ++i) {
            hands.push_back(HandsOf(DealAt(list, i)));
        }
        return hands;
    }

    std::string Copy(const std::string& dataFile, const std::string& name) {
        const std::string path = TempPath(name);
        WriteFileBytes(path, ReadFileBytes(TestDataPath("deals/" + dataFile)));
        return path;
    }

    CHeadlessItemTree tree;
    CDesktop desktop;
};

// Remembers every status text and percent shown.
class CRecordingDisplay : public IStatusDisplay {
public:
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    std::string GetStatusText() const override { return text; }
    void SetStatusText(const std::string& newText) override {
        text = newText;
        texts.push_back(newText);
    }
    void ShowProgressBar() override {}
    void SetProgressPercent(int percent) override { percents.push_back(percent); }
    void HideProgressBar() override {}

    std::string text = "Ready";
    std::vector<std::string> texts;
    std::vector<int> percents;
};

// Full deals, dealt from a shuffled pack.
void DealRandomly(CBiddingList& list, int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> pack(52);
    for (int i = 0; i < 52; ++i) {
        pack[i] = i + 1;
    }
    for (int n = 0; n < count; ++n) {
        std::shuffle(pack.begin(), pack.end(), random);
        auto* deal = new CBiddingDeal;
        for (int i = 0; i < 52; ++i) {
            deal->AddCard(i / 13, pack[i]);
        }
        deal->SortHands();
        deal->NameAfterLastChild(&list);
        deal->InsertIntoTree(&list);
    }
}
}  // namespace

TEST_F(DealListFiles, DealerFilesImportWithTheirDealsAndHands) {
    const struct {
        const char* file;
        std::size_t deals;
        std::string first, second, event;
    } cases[] = {
        {"dealer-seed1.pbn", 20, kSeed1Board1, kSeed1Board2, ""},
        {"seed1.dup", 20, kSeed1Board1, kSeed1Board2, ""},
        {"seed1.bri", 20, kSeed1Board1, kSeed1Board2, ""},
        {"seed1.dge", 20, kSeed1Board1, kSeed1Board2, ""},
        {"dealer-strong-north.pbn", 8,
         "W:A9.7.T9752.QT842 N:Q87.AKT.AKJ4.A73 E:JT64.Q632.83.965 S:K532.J9854.Q6.KJ", "", ""},
    };
    for (const auto& c : cases) {
        CBiddingList list;
        ASSERT_TRUE(list.ImportFile(TestDataPath(std::string("deals/") + c.file))) << c.file;
        ASSERT_EQ(static_cast<std::size_t>(list.GetChildCount()), c.deals) << c.file;
        EXPECT_EQ(HandsOf(DealAt(list, 0)), c.first) << c.file;
        if (!c.second.empty()) {
            EXPECT_EQ(HandsOf(DealAt(list, 1)), c.second) << c.file;
        }
        EXPECT_EQ(DealAt(list, static_cast<int>(c.deals) - 1).GetName(),
                  "A" + std::to_string(c.deals));
    }
    // Every Duplimate form holds the same 20 deals as the PBN file.
    std::vector<std::string> hands[4];
    const char* const files[] = {"dealer-seed1.pbn", "seed1.dup", "seed1.bri", "seed1.dge"};
    for (int i = 0; i < 4; ++i) {
        CBiddingList list;
        list.ImportFile(TestDataPath(std::string("deals/") + files[i]));
        hands[i] = Hands(list);
    }
    EXPECT_EQ(hands[1], hands[0]);
    EXPECT_EQ(hands[2], hands[0]);
    EXPECT_EQ(hands[3], hands[0]);
}

TEST_F(DealListFiles, BridgeDaSetImportsWithSeatTextsAndHeaderName) {
    CBiddingList list;
    ASSERT_TRUE(list.ImportFile(TestDataPath("deals/club.nth")));
    EXPECT_EQ(list.GetName(), "Club night 1 - Competitive auctions");
    ASSERT_EQ(list.GetChildCount(), 6);
    // Hands keep the order of the file; these are already in order.
    EXPECT_EQ(HandsOf(DealAt(list, 0)), kSeed1Board1);
    EXPECT_EQ(HandsOf(DealAt(list, 1)), kSeed1Board2);
    EXPECT_EQ(SeatTextsOf(DealAt(list, 0)),
              (std::array<std::string, 4>{"West overcalls 1S", "Strong hand, open 1C",
                                          "East doubles\r\nthen passes", "Respond naturally"}));
    EXPECT_EQ(SeatTextsOf(DealAt(list, 2)), (std::array<std::string, 4>{"", "Balanced", "", ""}));
    EXPECT_EQ(SeatTextsOf(DealAt(list, 3)),
              (std::array<std::string, 4>{"", "", "", "Game forcing"}));
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(DealListFiles, BridgeDaSetWithoutItsSouthFile) {
    const std::string north = Copy("club.nth", "set.nth");
    CBiddingList list;
    EXPECT_FALSE(list.ImportBridgeDaFiles(north));
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, "The file " + TempPath("set.sth") +
                                              " does not exist.\n\nNo deals could be imported.");
    // ImportFile then offers the open-file dialog (cancelled here).
    prompts.ClearMessages();
    EXPECT_FALSE(list.ImportFile(north));
    EXPECT_EQ(prompts.FileChoices().size(), 1u);

    // No North file: no message.
    prompts.ClearMessages();
    EXPECT_FALSE(list.ImportBridgeDaFiles(TempPath("none.nth")));
    EXPECT_TRUE(prompts.Messages().empty());

    // Upper-case names find their upper-case siblings.
    const std::string upper = Copy("club.nth", "SET.NTH");
    Copy("club.sth", "SET.STH");
    EXPECT_TRUE(list.ImportFile(upper));
    EXPECT_EQ(list.GetChildCount(), 6);
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(DealListFiles, ImportDispatchesByExtension) {
    const std::string pbn = Copy("dealer-seed1.pbn", "deals.pbn");
    Copy("dealer-seed1.pbn", "plain");
    Copy("dealer-seed1.pbn", "upper.PBN");
    Copy("dealer-seed1.pbn", "text.txt");
    std::filesystem::create_directory(TempPath("with.dot"));
    Copy("dealer-seed1.pbn", "with.dot/deals.pbn");
    const struct {
        std::string path;
        int fileType;  // the session's default file type: 0 Bridge D/A, 1 PBN
        bool result;
        int deals;
    } cases[] = {
        {TempPath("deals"), 1, true, 20},           // no extension: the default one is added
        {TempPath("deals"), 0, false, 0},           // deals.nth does not exist: dialog, cancelled
        {TempPath("upper.PBN"), 0, true, 20},       // extensions compare without case
        {TempPath("text.txt"), 0, true, 0},         // no format: nothing read, still TRUE
        {TempPath("with.dot/deals"), 1, true, 20},  // a dot in a folder is no extension
        {TempPath("missing.pbn"), 1, false, 0},
    };
    for (const auto& c : cases) {
        WriteProfileInt("CBiddingList", "FileType", c.fileType);
        CBiddingList list;
        EXPECT_EQ(list.ImportFile(c.path), c.result) << c.path;
        EXPECT_EQ(list.GetChildCount(), c.deals) << c.path;
    }
    // The dialog offers the deal kind's filter and the "dup" default extension; a chosen
    // file is imported by its extension.
    prompts.QueueFileName(pbn);
    CBiddingList list;
    EXPECT_TRUE(list.ImportFile(TempPath("missing.pbn")));
    EXPECT_EQ(list.GetChildCount(), 20);
    const FileChoice& choice = prompts.FileChoices().back();
    EXPECT_EQ(choice.defaultExtension, "dup");
    EXPECT_TRUE(choice.mustExist);
    // The filter lists the default file type first.
    EXPECT_EQ(choice.filter.substr(0, 22), "Portable Bridge Notati");
    WriteProfileInt("CBiddingList", "FileType", 0);
    CBiddingList().ImportWithDialog();
    EXPECT_EQ(prompts.FileChoices().back().filter.substr(0, 22), "Bridge D/A Files (*.nt");
}

TEST_F(DealListFiles, ImportedDealsAreNamedOnAndUnique) {
    CBiddingList& list = ShownList();
    const std::string pbn = Copy("dealer-strong-north.pbn", "x.pbn");
    ASSERT_TRUE(list.Import(pbn, "pbn"));
    ASSERT_TRUE(list.Import(pbn, "pbn"));
    EXPECT_EQ(list.GetChildCount(), 16);
    EXPECT_EQ(Names(list)[8], "A9");
    EXPECT_EQ(Names(list).back(), "A16");
    // The last event names the session.
    EXPECT_EQ(list.GetName(), "Hand simulated by dealer with file strong-north.dl, seed 7");

    // A name is one line of the document: line ends in an event become blanks.
    WriteFileBytes(TempPath("lines.pbn"), "[Event \"Club\r\nnight\nA\"]\n");
    ASSERT_TRUE(list.ImportFile(TempPath("lines.pbn")));
    EXPECT_EQ(list.GetName(), "Club night A");

    // Numbering continues the last deal's; a name already taken becomes unique.
    CBiddingList& other = *new CBiddingList;
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
    DealRandomly(source, 40, 2024);
    for (const std::string ext : {"pbn", "dup", "bri", "dge", "PBN", "Dup"}) {
        const std::string path = TempPath("round." + ext);
        ASSERT_TRUE(source.ExportToFile(path, ext)) << ext;
        CBiddingList copy;
        ASSERT_TRUE(copy.ImportFile(path)) << ext;
        EXPECT_EQ(Hands(copy), Hands(source)) << ext;
    }
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(DealListFiles, ExportWritesEveryDealInOrder) {
    CBiddingList list;
    DealRandomly(list, 3, 7);
    ASSERT_TRUE(list.ExportToFile(TempPath("three.pbn"), "PBN"));
    const std::string pbn = ReadFileBytes(TempPath("three.pbn"));
    for (const std::string board : {"2", "3"}) {
        EXPECT_NE(
            pbn.find(
                "[Result \"\"]\r\n\r\n[Event \"\"]\r\n[Site \"\"]\r\n[Date \"\"]\r\n[Board \"" +
                board + "\"]"),
            std::string::npos);
    }
    EXPECT_EQ(std::count(pbn.begin(), pbn.end(), '['), 3 * 14);
    EXPECT_EQ(pbn.find("\r\n\r\n\r\n"), std::string::npos);
    EXPECT_EQ(pbn.substr(0, 12), "[Event \"\"]\r\n");

    const struct {
        const char* ext;
        std::size_t size;
    } sizes[] = {{"dup", 3 * 156}, {"bri", 3 * 128}, {"dge", 3 * 128}, {"nth", 0}, {"txt", 0}};
    for (const auto& c : sizes) {
        const std::string path = TempPath(std::string("three.") + c.ext);
        ASSERT_TRUE(list.ExportToFile(path, c.ext)) << c.ext;
        EXPECT_EQ(ReadFileBytes(path).size(), c.size) << c.ext;
    }
    EXPECT_EQ(ReadFileBytes(TempPath("three.dup")).substr(146, 10), "YN1  1 3  ");
}

TEST_F(DealListFiles, DuplimateExportLeavesOutDealsWithoutFullHands) {
    CBiddingList list;
    DealRandomly(list, 12, 3);
    DealAt(list, 4).SetSuitText(SEAT_NORTH, SUIT_CLUBS, "", true);
    DealAt(list, 9).SetSuitText(SEAT_SOUTH, SUIT_HEARTS, "x", false);
    const std::string path = TempPath("some.dup");
    ASSERT_TRUE(list.ExportToFile(path, "DUP"));
    const std::string bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 10u * 156);
    EXPECT_EQ(bytes.substr(146, 10), "YN1  1 10 ");  // the deals the file holds
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text,
              "A Duplimate file holds only deals of four hands with 13 cards each. These deals "
              "were left out of " +
                  path + ":\n\nA5, A10");
    // PBN writes any deal.
    prompts.ClearMessages();
    ASSERT_TRUE(list.ExportToFile(TempPath("all.pbn"), "pbn"));
    EXPECT_TRUE(prompts.Messages().empty());

    // Many left out: the message names the first twenty.
    CBiddingList empty;
    for (int i = 0; i < 25; ++i) {
        auto* deal = new CBiddingDeal;
        deal->NameAfterLastChild(&empty);
        deal->AppendTo(&empty, true);
    }
    ASSERT_TRUE(empty.ExportToFile(TempPath("none.bri"), "bri"));
    EXPECT_EQ(ReadFileBytes(TempPath("none.bri")), "");
    const std::string& text = prompts.Messages()[0].text;
    EXPECT_EQ(text.substr(text.size() - 21), ", A19, A20 and 5 more");
}

TEST_F(DealListFiles, AFailedExportKeepsTheOldFile) {
    CBiddingList list;
    DealRandomly(list, 2, 1);
    EXPECT_FALSE(list.ExportToFile(TempPath("no/such/folder/x.pbn"), "pbn"));
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text,
              "Cannot create " + TempPath("no/such/folder/x.pbn") + ".\n\nNo deals were exported.");

    // A folder in the way: the write cannot replace it, and it stays as it was.
    std::filesystem::create_directory(TempPath("taken.pbn"));
    WriteFileBytes(TempPath("taken.pbn/inside"), "kept");
    prompts.ClearMessages();
    EXPECT_FALSE(list.ExportToFile(TempPath("taken.pbn"), "pbn"));
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(ReadFileBytes(TempPath("taken.pbn/inside")), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(TempPath("")),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left behind

    // A file that exists is replaced by the complete export.
    WriteFileBytes(TempPath("old.dge"), "old contents");
    ASSERT_TRUE(list.ExportToFile(TempPath("old.dge"), "dge"));
    EXPECT_EQ(ReadFileBytes(TempPath("old.dge")).size(), 256u);
}

TEST_F(DealListFiles, ExportAsksForTheFile) {
    CBiddingList list;
    DealRandomly(list, 2, 5);
    list.Export();  // cancelled: nothing happens
    ASSERT_EQ(prompts.FileChoices().size(), 1u);
    EXPECT_EQ(prompts.FileChoices()[0].defaultExtension, "dup");
    EXPECT_TRUE(prompts.FileChoices()[0].confirmOverwrite);
    EXPECT_EQ(prompts.FileChoices()[0].filter, "");

    prompts.QueueFileName(TempPath("chosen"));  // typed without extension
    list.Export();
    EXPECT_EQ(ReadFileBytes(TempPath("chosen.dup")).size(), 2u * 156);

    CBiddingDeal deal;
    std::string path, ext;
    prompts.QueueFileName(TempPath("mixed.Pbn"));
    ASSERT_TRUE(deal.ChooseExportFile(path, ext));
    EXPECT_EQ(path, TempPath("mixed.Pbn"));
    EXPECT_EQ(ext, "PBN");
    prompts.QueueFileName(TempPath("in.Dge"));
    ASSERT_TRUE(deal.ChooseImportFile(path, ext));
    EXPECT_EQ(ext, "Dge");
    prompts.QueueFileName(TempPath("browsed.pbn"));
    ASSERT_TRUE(deal.BrowseImportFile(path));
    EXPECT_EQ(path, TempPath("browsed.pbn"));
}

TEST_F(DealListFiles, GarbageAndEmptyFilesImportNothing) {
    const std::string garbage = Garbage(50000, 11);
    WriteFileBytes(TempPath("empty.pbn"), "");
    WriteFileBytes(TempPath("empty.dup"), "");
    WriteFileBytes(TempPath("garbage.dup"), garbage);  // 320 whole records and a short one
    WriteFileBytes(TempPath("garbage.pbn"), garbage);
    const struct {
        const char* file;
        int deals;
    } cases[] = {{"empty.pbn", 0}, {"empty.dup", 0}, {"garbage.dup", 320}};
    for (const auto& c : cases) {
        CBiddingList list;
        EXPECT_TRUE(list.ImportFile(TempPath(c.file))) << c.file;
        EXPECT_EQ(list.GetChildCount(), c.deals) << c.file;
    }
    CBiddingList list;
    EXPECT_TRUE(list.ImportFile(TempPath("garbage.pbn")));
}

TEST_F(DealListFiles, ProgressOverTheFileAndOverTheDeals) {
    CRecordingDisplay display;
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
