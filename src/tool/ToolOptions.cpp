#include "ToolOptions.h"

#include <algorithm>

#include "core/bidding/CBiddingList.h"
#include "core/items/CDesktop.h"

namespace {
bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}
}  // namespace

bool ParseOptions(const CommandArguments& args, const std::vector<std::string>& allowed,
                  Options& options, const std::vector<std::string>& allowedFlags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() <= 1 || arg[0] != '-') {
            options.files.push_back(arg);
        } else if (Contains(allowedFlags, arg)) {
            options.flags.insert(arg);
        } else if (Contains(allowed, arg) && i + 1 < args.size()) {
            options.values[arg] = args[++i];
        } else {
            return false;
        }
    }
    return true;
}

CBiddingList* FindSession(CDesktop& desktop, const std::string& name) {
    return dynamic_cast<CBiddingList*>(desktop.FindChild(name));
}
