#include <string>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "ToolRun.h"
#include "bidding/CAuction.h"
#include "bidding/CBiddingDeal.h"
#include "bidding/CBiddingList.h"
#include "items/CDesktop.h"
#include "items/CLorvaneDoc.h"

namespace {
class LvtoolTextTest : public CoreTest {
protected:
    ToolResult Run(const std::vector<std::string>& args) {
        return RunLvtool(args, TempPath(""), TempPath(""));
    }

    static CBiddingList* AddSession(CLorvaneDoc& doc, const std::string& name,
                                    const std::string& north, const std::string& south) {
        auto* session = new CBiddingList;
        session->SetName(name);
        session->SetNorthName(north);
        session->SetSouthName(south);
        session->AppendTo(doc.GetDesktop(), true);
        return session;
    }
    static CBiddingDeal* AddDeal(CBiddingList* session, const std::string& name) {
        auto* deal = new CBiddingDeal;
        deal->SetName(name);
        deal->AppendTo(session, true);
        return deal;
    }

    static int LineCount(const std::string& text) {
        int lines = 0;
        for (char c : text) {
            lines += c == '\n' ? 1 : 0;
        }
        return lines;
    }
};
}  // namespace

TEST_F(LvtoolTextTest, EverySessionInDocumentOrderAsCopyGivesIt) {
    CLorvaneDoc doc;
    doc.OnNewDocument();
    CBiddingList* monday = AddSession(doc, "Monday", "Ann", "Bob");
    CBiddingDeal* deal = AddDeal(monday, "A1");
    deal->SetSuitText(SEAT_NORTH, SUIT_SPADES, "AKQ", true);
    deal->GetAuction()->AppendCall(0);
    deal->GetAuction()->AppendCall(1142);
    deal->SetComment("Ann: sound\r\nBob: yes", true);
    AddDeal(monday, "A1");  // shown as a unique name, as in the tree view
    AddSession(doc, "Monday", "Cy", "");
    AddSession(doc, "Zero", "", "");
    const std::string path = TempPath("three.lv");
    ASSERT_TRUE(doc.OnSaveDocument(path));

    const ToolResult result = Run({"text", path});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "Monday (2)\r\nNorth:\tAnn\r\nSouth:\tBob\r\n"
              "\r\n\r\nA1 (2)\r\nNorth / None\r\n\r\nNorth:\tAKQ / - / - / -\r\n\r\n"
              "West\tNorth\tEast\tSouth\t\r\n\t1S\r\n\r\nAnn: sound\r\nBob: yes\r\n"
              "\r\n\r\nA1\r\nNorth / None\r\n\r\n"
              "\r\n"
              "Monday\r\nNorth:\tCy\r\nSouth:\t\r\n"
              "\r\n"
              "Zero\r\nNorth:\t\r\nSouth:\t\r\n");

    CLorvaneDoc empty;
    empty.OnNewDocument();
    ASSERT_TRUE(empty.OnSaveDocument(TempPath("empty.LV")));
    const ToolResult none = Run({"text", TempPath("empty.LV")});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
}

TEST_F(LvtoolTextTest, FilesItCannotShowGiveOneLineAndExitCodeOne) {
    WriteFileBytes(TempPath("v4.lv"), "61463004\r\n6146300Desktop\r\n6146399\r\n");
    WriteFileBytes(TempPath("notes.txt"), "hello\r\n");
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"text", TempPath("v4.lv")}, "Cannot open the file. The file may be corrupt"},
        {{"text", TempPath("missing.lv")}, "missing.lv"},
        {{"text", TempPath("")}, "not a Lorvane document"},
        {{"text", TempPath("notes.txt")}, "notes.txt"},
        {{"text"}, "usage: lvtool text FILE"},
        {{"text", "a.lv", "b.lv"}, "usage: lvtool text FILE"},
    };
    for (const auto& c : cases) {
        const ToolResult result = Run(c.args);
        EXPECT_EQ(result.exitCode, 1) << c.says;
        EXPECT_EQ(result.out, "") << c.says;
        EXPECT_EQ(LineCount(result.err), 1) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
    EXPECT_EQ(ReadFileBytes(TempPath("v4.lv")), "61463004\r\n6146300Desktop\r\n6146399\r\n");
}
