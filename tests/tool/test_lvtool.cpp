#include <gtest/gtest.h>

#include "CoreTest.h"
#include "ToolRun.h"

namespace {
class LvtoolTest : public CoreTest {
protected:
    ToolResult Run(const std::vector<std::string>& args) {
        return RunLvtool(args, TempPath(""), TempPath(""));
    }
};
}  // namespace

TEST_F(LvtoolTest, UnknownCommandsPrintUsageAndFail) {
    const ToolResult result = Run({"frobnicate"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("usage: lvtool"), std::string::npos);
    EXPECT_EQ(Run({"--help"}).exitCode, 0);
}
