// lvtool bid: one deal bid through the bidding table's logic, each argument a button press.
#include <cstdio>
#include <optional>
#include <string>

#include "CToolPrompts.h"
#include "Commands.h"
#include "ToolDocument.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "core/items/CDesktop.h"
#include "core/items/ItemIds.h"
#include "core/table/CBiddingTable.h"
#include "core/table/TableIds.h"

namespace {
struct BidArguments {
    std::string document;
    std::optional<std::string> session;
    std::optional<std::string> deal;
    int player = -1;
    bool save = false;
    CommandArguments presses;
};

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// False after a message when the arguments do not make a command.
bool ParseArguments(const CommandArguments& args, BidArguments& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--session" && hasValue) {
            out.session = args[++i];
        } else if (arg == "--deal" && hasValue) {
            out.deal = args[++i];
        } else if (arg == "--player" && hasValue) {
            const std::string player = args[++i];
            if (player != "north" && player != "south") {
                PrintError("bid: --player takes north or south, not " + player);
                return false;
            }
            out.player = player == "north" ? SEAT_NORTH : SEAT_SOUTH;
        } else if (arg == "--save") {
            out.save = true;
        } else if (arg.starts_with("--")) {
            PrintError("bid: unknown option " + arg);
            return false;
        } else if (out.document.empty()) {
            out.document = arg;
        } else {
            out.presses.push_back(arg);
        }
    }
    if (out.document.empty() || !out.session || !out.deal) {
        PrintError(
            "bid: usage: bid DOC.lv --session NAME --deal NAME [--player north|south] "
            "[--save] [CALL ...]");
        return false;
    }
    return true;
}

// The button a word presses: a call text, "back", "autobid" or "log"; 0 for any other word.
unsigned ButtonOf(const std::string& word) {
    const std::string upper = Upper(word);
    if (upper == "BACK") {
        return IDC_TAKE_BACK;
    }
    if (upper == "AUTOBID") {
        return IDC_AUTO_BID;
    }
    if (upper == "LOG") {
        return IDC_LOG_BOOK;
    }
    const int code = CCall::GetCallCode(upper);
    return code > 0 ? static_cast<unsigned>(code) : 0;
}

CBiddingDeal* FindDeal(CToolDocument& doc, const BidArguments& args) {
    CBiddingList* session = nullptr;
    for (int i = 0; i < doc.Desktop().GetChildCount() && session == nullptr; ++i) {
        CItem* child = doc.Desktop().GetChildAt(i);
        if (child->GetKind() == KIND_BIDDING_LIST && child->GetName() == *args.session) {
            session = dynamic_cast<CBiddingList*>(child);
        }
    }
    if (session == nullptr) {
        PrintError("bid: " + args.document + " has no bidding session named " + *args.session);
        return nullptr;
    }
    auto* deal = dynamic_cast<CBiddingDeal*>(session->FindChild(*args.deal));
    if (deal == nullptr) {
        PrintError("bid: the bidding session " + *args.session + " has no deal named " +
                   *args.deal);
    }
    return deal;
}
}  // namespace

int RunBid(const CommandArguments& arguments) {
    BidArguments args;
    if (!ParseArguments(arguments, args)) {
        return 1;
    }
    CToolDocument doc;
    if (!doc.Open(args.document)) {
        return 1;
    }
    CBiddingDeal* deal = FindDeal(doc, args);
    if (deal == nullptr) {
        return 1;
    }

    // As the session's Select command opens the dialog on a deal for a player.
    deal->SetStartPlayer(args.player);
    CBiddingTable table;
    table.LoadDeal(deal);
    table.Start();
    for (std::size_t step = 0; step < args.presses.size(); ++step) {
        const std::string& word = args.presses[step];
        const unsigned button = ButtonOf(word);
        if (button == IDC_LOG_BOOK) {
            // The log-book is always there to press; it fails only with a message.
            if (!table.LogBook()) {
                return 1;
            }
            continue;
        }
        if (!table.Press(button)) {
            PrintError("illegal call " + word + " at step " + std::to_string(step + 1));
            return 2;
        }
    }

    // The dialog may have moved on to another deal; its own comment goes back into it.
    table.SaveComment();
    if (args.save && !doc.Save(args.document)) {
        return 1;
    }
    CAuction& auction = *table.GetDeal()->GetAuction();
    std::string text;
    auction.GetText(text, false);
    text += "\r\n";
    text += auction.IsComplete(true) ? "complete" : "open";
    text += "\r\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
