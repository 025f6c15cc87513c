#include "ToolRun.h"

#include <sys/wait.h>

#include <cstdio>

namespace {
std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}
}  // namespace

ToolResult RunLvtool(const std::vector<std::string>& args, const std::string& configHome,
                     const std::string& dataHome) {
    const std::string errPath = configHome + "/lvtool-stderr";
    std::string command = "XDG_CONFIG_HOME=" + Quote(configHome) +
                          " XDG_DATA_HOME=" + Quote(dataHome) + " " + Quote(LVTOOL_PATH);
    for (const std::string& arg : args) {
        command += " " + Quote(arg);
    }
    command += " 2>" + Quote(errPath);

    ToolResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, read);
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadFileBytes(errPath);
    return result;
}
