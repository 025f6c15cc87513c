#pragma once

#include <string>
#include <vector>

// The commands of lvtool; each takes the arguments after its name and returns the exit code.
using CommandArguments = std::vector<std::string>;

int RunText(const CommandArguments& args);
int RunBid(const CommandArguments& args);
int RunImport(const CommandArguments& args);
int RunExport(const CommandArguments& args);
int RunConvert(const CommandArguments& args);

// The deal-file part of lvtool text: whether the name is a deal file's (by its extension),
// and that file imported into a new session, whose text is printed.
bool IsDealFileName(const std::string& path);
int PrintDealFileText(const std::string& path);
