#include <gtest/gtest.h>

#include "ToolRun.h"

TEST_F(LvtoolTest, UnknownCommandsPrintUsageAndFail) {
    const ToolResult result = Run({"frobnicate"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("usage: lvtool"), std::string::npos);
    EXPECT_EQ(Run({"--help"}).exitCode, 0);
}
