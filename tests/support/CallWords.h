#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "core/bidding/CCall.h"

// The codes of blank-separated call words as lvtool bid takes them ("1S P 4S P P P").
inline std::vector<int> CallCodes(const std::string& words) {
    std::vector<int> codes;
    std::istringstream stream(words);
    std::string word;
    while (stream >> word) {
        codes.push_back(CCall::GetCallCode(word));
    }
    return codes;
}
