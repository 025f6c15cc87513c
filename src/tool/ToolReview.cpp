// lvtool review FILE: double-dummy tricks, par, and the score of each deal's auction and of
// the file's own auction, as text for people or JSON for programs.
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "CToolPrompts.h"
#include "Commands.h"
#include "ToolDocument.h"
#include "ToolOptions.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/deals/Seats.h"
#include "core/items/CDesktop.h"
#include "core/review/CDdsSolver.h"
#include "core/review/DealReview.h"

namespace {
const char kUsage[] = "lvtool review FILE [--session NAME] [--deal NAME] [--format text|json]";
const char* const kStrainNames[kStrainCount] = {"C", "D", "H", "S", "NT"};
// The table's rows and the JSON's keys: North, East, South, West.
const int kTableSeats[] = {SEAT_NORTH, SEAT_EAST, SEAT_SOUTH, SEAT_WEST};

struct SessionReview {
    std::string name;
    std::vector<DealReview> deals;
};

std::string DeclarerLetter(const Contract& contract) {
    return contract.IsBid() ? std::string(1, SeatLetter(contract.declarer)) : std::string();
}

// ---- JSON ----

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string JsonTricks(const TrickTable& tricks) {
    std::string json = "{";
    for (const int seat : kTableSeats) {
        json += (seat == kTableSeats[0] ? "\"" : ",\"") + std::string(1, SeatLetter(seat)) + "\":{";
        for (int strain = 0; strain < kStrainCount; ++strain) {
            json += (strain > 0 ? ",\"" : "\"") + std::string(kStrainNames[strain]) +
                    "\":" + std::to_string(tricks[seat][strain]);
        }
        json += "}";
    }
    return json + "}";
}

std::string JsonPar(const ParResult& par) {
    std::string json = "{\"score\":" + std::to_string(par.score) + ",\"contracts\":[";
    for (std::size_t i = 0; i < par.contracts.size(); ++i) {
        json += (i > 0 ? "," : "") + JsonString(par.contracts[i]);
    }
    return json + "]}";
}

std::string JsonDeal(const DealReview& review) {
    const DealAnalysis& analysis = review.analysis;
    const AuctionReview& auction = review.auction;
    std::string json = "{\"deal\":" + JsonString(review.dealName);
    json += ",\"analysable\":" + std::string(analysis.analysable ? "true" : "false");
    json += ",\"reason\":" + JsonString(analysis.reason);
    json += ",\"tricks\":" + (analysis.analysable ? JsonTricks(analysis.tricks) : "null");
    json += ",\"par\":" + (analysis.analysable ? JsonPar(analysis.par) : "null");
    json += ",\"auction\":" + JsonString(auction.calls);
    json += ",\"contract\":" + JsonString(auction.contract.GetText());
    json += ",\"declarer\":" + JsonString(DeclarerLetter(auction.contract));
    json += ",\"declarer_tricks\":" + std::to_string(auction.declarerTricks);
    json += ",\"score\":" + std::to_string(auction.score);
    json += ",\"imps\":" + std::to_string(auction.imps);
    json += ",\"reference\":";
    if (review.reference) {
        json += "{\"auction\":" + JsonString(review.reference->calls) +
                ",\"contract\":" + JsonString(review.reference->contract.GetText()) +
                ",\"declarer\":" + JsonString(DeclarerLetter(review.reference->contract)) + "}";
    } else {
        json += "null";
    }
    return json + "}";
}

std::string Json(const std::vector<SessionReview>& sessions) {
    std::string json = "{\"sessions\":[";
    for (std::size_t s = 0; s < sessions.size(); ++s) {
        json += (s > 0 ? ",\n" : "\n") + std::string("{\"name\":") + JsonString(sessions[s].name) +
                ",\"deals\":[";
        for (std::size_t d = 0; d < sessions[s].deals.size(); ++d) {
            json += (d > 0 ? ",\n" : "\n") + JsonDeal(sessions[s].deals[d]);
        }
        json += "]}";
    }
    return json + "]}\n";
}

// ---- Text ----

std::string Signed(int value) {
    return value > 0 ? "+" + std::to_string(value) : std::to_string(value);
}

std::string SeatName(int seat) {
    std::string name;
    GetSeatName(name, seat, 0);
    return name;
}

// "4S by North: 10 tricks, +420, 0 IMPs against par", or what stands for it.
std::string ContractLine(const AuctionReview& auction, bool analysable) {
    const Contract& contract = auction.contract;
    switch (contract.kind) {
        case ContractKind::Incomplete:
            return "none yet (the auction is not finished)";
        case ContractKind::PassedOut:
            return analysable ? "passed out: 0, " + Signed(auction.imps) + " IMPs against par"
                              : "passed out";
        case ContractKind::Bid:
            break;
    }
    std::string line = contract.GetText() + " by " + SeatName(contract.declarer);
    if (analysable) {
        line += ": " + std::to_string(auction.declarerTricks) + " tricks, " +
                Signed(auction.score) + ", " + Signed(auction.imps) + " IMPs against par";
    }
    return line;
}

std::string WordAt(const std::string& words, int index) {
    std::istringstream stream(words);
    std::string word;
    for (int i = 0; i <= index && stream >> word; ++i) {
    }
    return word;
}

std::string TextDeal(const DealReview& review) {
    const DealAnalysis& analysis = review.analysis;
    std::string text = review.dealName + "\n";
    if (analysis.analysable) {
        text += "          C   D   H   S  NT\n";
        for (const int seat : kTableSeats) {
            char row[64];
            const auto& tricks = analysis.tricks[seat];
            std::snprintf(row, sizeof row, "%-7s%4d%4d%4d%4d%4d\n", SeatName(seat).c_str(),
                          tricks[0], tricks[1], tricks[2], tricks[3], tricks[4]);
            text += row;
        }
        text += "Par        " + Signed(analysis.par.score);
        for (const std::string& contract : analysis.par.contracts) {
            text += "  " + contract;
        }
        text += "\n";
    } else {
        text += "Not analysed: " + analysis.reason + "\n";
    }
    const std::string calls = review.auction.calls.empty() ? "-" : review.auction.calls;
    text += "Auction    " + calls + "\n";
    text += "Contract   " + ContractLine(review.auction, analysis.analysable) + "\n";
    if (review.reference) {
        text += "Reference  " + review.reference->calls + "\n";
        text += "           " + ContractLine(*review.reference, analysis.analysable) + "\n";
        if (review.leftReferenceAt >= 0) {
            text += "           the pair left it at call " +
                    std::to_string(review.leftReferenceAt + 1) + " (" +
                    WordAt(review.auction.calls, review.leftReferenceAt) + ")\n";
        }
    }
    return text;
}

std::string Text(const std::vector<SessionReview>& sessions) {
    std::string text;
    for (const SessionReview& session : sessions) {
        text += (text.empty() ? "" : "\n") + session.name + "\n";
        for (const DealReview& deal : session.deals) {
            text += "\n" + TextDeal(deal);
        }
    }
    return text;
}

// ---- The command ----

// The sessions to review: the named one, or all of them in document order.
bool ChooseSessions(CDesktop& desktop, const Options& options, const std::string& file,
                    std::vector<CBiddingList*>& sessions) {
    if (const auto name = options.values.find("--session"); name != options.values.end()) {
        CBiddingList* session = FindSession(desktop, name->second);
        if (session == nullptr) {
            PrintError(file + " has no session named " + name->second);
            return false;
        }
        sessions.push_back(session);
        return true;
    }
    POSITION pos;
    desktop.GetHeadChildPosition(pos);
    while (pos) {
        if (auto* session = dynamic_cast<CBiddingList*>(desktop.GetNextChild(pos))) {
            sessions.push_back(session);
        }
    }
    return true;
}

std::vector<CBiddingDeal*> DealsOf(CBiddingList& session, const Options& options) {
    const auto name = options.values.find("--deal");
    std::vector<CBiddingDeal*> deals;
    POSITION pos;
    session.GetHeadChildPosition(pos);
    while (pos) {
        auto* deal = dynamic_cast<CBiddingDeal*>(session.GetNextChild(pos));
        if (deal != nullptr && (name == options.values.end() || deal->GetName() == name->second)) {
            deals.push_back(deal);
        }
    }
    return deals;
}
}  // namespace

int RunReview(const CommandArguments& args) {
    Options options;
    if (!ParseOptions(args, {"--session", "--deal", "--format"}, options) ||
        options.files.size() != 1) {
        PrintError(std::string("usage: ") + kUsage);
        return 1;
    }
    const auto format = options.values.find("--format");
    const bool json = format != options.values.end() && format->second == "json";
    if (format != options.values.end() && !json && format->second != "text") {
        PrintError(std::string("usage: ") + kUsage);
        return 1;
    }
    const std::string& file = options.files[0];
    CToolDocument document;
    if (const int failed = OpenDocumentOrDealFile(file, document)) {
        return failed;
    }
    std::vector<CBiddingList*> sessions;
    if (!ChooseSessions(document.Desktop(), options, file, sessions)) {
        return 1;
    }

    // Every deal in one run of batches, then shared out to the sessions again.
    std::vector<CBiddingDeal*> deals;
    std::vector<SessionReview> reviews;
    std::vector<std::size_t> counts;
    const bool oneDeal = options.values.count("--deal") != 0;
    for (CBiddingList* session : sessions) {
        const std::vector<CBiddingDeal*> own = DealsOf(*session, options);
        if (oneDeal && own.empty()) {
            continue;  // only the sessions that hold the deal asked for
        }
        deals.insert(deals.end(), own.begin(), own.end());
        reviews.push_back({session->GetName(), {}});
        counts.push_back(own.size());
    }
    if (oneDeal && deals.empty()) {
        PrintError(file + " has no deal named " + options.values.at("--deal"));
        return 1;
    }
    CDdsSolver solver;
    std::vector<DealReview> all;
    ReviewDeals(deals, solver, all);
    std::size_t next = 0;
    for (std::size_t s = 0; s < reviews.size(); ++s) {
        for (std::size_t d = 0; d < counts[s]; ++d) {
            reviews[s].deals.push_back(std::move(all[next++]));
        }
    }
    return PrintBytes(json ? Json(reviews) : Text(reviews)) ? 0 : 1;
}
