#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "Commands.h"

class CBiddingList;
class CDesktop;

// The arguments of a command: files, "--name VALUE" options and "--flag" switches.
struct Options {
    std::vector<std::string> files;
    std::map<std::string, std::string> values;  // "--session" -> NAME
    std::set<std::string> flags;                // "--with-auctions"
};

// False for an option not allowed, or one that needs a value and has none.
bool ParseOptions(const CommandArguments& args, const std::vector<std::string>& allowed,
                  Options& options, const std::vector<std::string>& allowedFlags = {});

// The session of that name (as the tree shows names); null when there is none.
CBiddingList* FindSession(CDesktop& desktop, const std::string& name);
