#pragma once

#include <string>
#include <vector>

#include "CoreTest.h"

// What one run of lvtool printed and returned.
struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs lvtool with the arguments; its settings live in configHome (XDG_CONFIG_HOME) and its
// data folder in dataHome (XDG_DATA_HOME), so that the user's own are never touched.
ToolResult RunLvtool(const std::vector<std::string>& args, const std::string& configHome,
                     const std::string& dataHome);

// A test whose lvtool runs keep settings and data in the test's temporary folder.
class LvtoolTest : public CoreTest {
protected:
    ToolResult Run(const std::vector<std::string>& args) {
        return RunLvtool(args, TempPath(""), TempPath(""));
    }
};
