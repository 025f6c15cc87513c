#include "AuctionScript.h"

#include <sstream>
#include <stdexcept>

#include "bidding/CAuction.h"
#include "bidding/CCall.h"

void AppendCalls(CAuction& auction, const std::string& calls) {
    std::istringstream words(calls);
    std::string word;
    while (words >> word) {
        int code;
        if (word == "-") {
            code = 0;
        } else if (word[0] == '#') {
            code = std::stoi(word.substr(1));
        } else {
            code = CCall::GetCallCode(word);
            if (code < 0) {
                throw std::invalid_argument("no call " + word);
            }
        }
        auction.AppendCall(code);
    }
}

std::string CallsOf(const CAuction& auction) {
    std::string calls;
    for (int i = 0; i < auction.GetCallCount(); ++i) {
        const CCall* call = auction.GetCall(i);
        std::string word = call->GetCode() == 0 ? "-" : call->GetName();
        if (word.empty()) {
            word = "#" + std::to_string(call->GetCode());
        }
        calls += (calls.empty() ? "" : " ") + word;
    }
    return calls;
}
