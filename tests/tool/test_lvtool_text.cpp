#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "ToolRun.h"

namespace {
class LvtoolTextTest : public CoreTest {
protected:
    ToolResult Run(const std::vector<std::string>& args) {
        return RunLvtool(args, TempPath(""), TempPath(""));
    }
};
}  // namespace

// Names are made unique as the tree view shows them: the first of two equal names yields.
TEST_F(LvtoolTextTest, EverySessionInDocumentOrderAsCopyGivesIt) {
    WriteFileBytes(
        TempPath("three.lv"),
        "61463003\r\n6146300Desktop\r\n"
        "6180800Monday\r\n6180801Ann\r\n6180802Bob\r\n"
        "6180900A1\r\n6180902Ann: sound\r\n6180999\r\n6180900A1\r\n6180999\r\n6180899\r\n"
        "6180800Monday\r\n6180801Cy\r\n6180899\r\n"
        "6180800Zero\r\n6180899\r\n6146399\r\n");
    const ToolResult result = Run({"text", TempPath("three.lv")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "Monday (2)\r\nNorth:\tAnn\r\nSouth:\tBob\r\n"
              "\r\n\r\nA1 (2)\r\nNorth / None\r\n\r\n\r\nAnn: sound\r\n"
              "\r\n\r\nA1\r\nNorth / None\r\n\r\n"
              "\r\n"
              "Monday\r\nNorth:\tCy\r\nSouth:\t\r\n"
              "\r\n"
              "Zero\r\nNorth:\t\r\nSouth:\t\r\n");

    WriteFileBytes(TempPath("empty.LV"), "61463003\r\n6146300Desktop\r\n6146399\r\n");
    const ToolResult none = Run({"text", TempPath("empty.LV")});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
}

TEST_F(LvtoolTextTest, FilesItCannotShowGiveOneLineAndExitCodeOne) {
    const std::string later = "61463004\r\n6146300Desktop\r\n6146399\r\n";
    WriteFileBytes(TempPath("v4.lv"), later);
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
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
    EXPECT_EQ(ReadFileBytes(TempPath("v4.lv")), later);
}
