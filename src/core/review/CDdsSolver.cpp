#include "core/review/CDdsSolver.h"

#include <dds/dll.h>

#include <cstring>
#include <memory>
#include <mutex>

namespace {
// The library counts hands North 0, East 1, South 2, West 3, and strains spades 0, hearts 1,
// diamonds 2, clubs 3, no trumps 4.
int DdsHand(int seat) {
    return (seat + 3) % kSeatCount;
}

int DdsStrain(int strain) {
    return strain == STRAIN_NOTRUMP ? 4 : STRAIN_SPADES - strain;
}

// Its vulnerability codes: 0 none, 1 both, 2 North-South, 3 East-West.
int DdsVulnerability(int vulnerability) {
    switch (vulnerability) {
        case VULNERABLE_NORTH_SOUTH:
            return 2;
        case VULNERABLE_EAST_WEST:
            return 3;
        case VULNERABLE_ALL:
            return 1;
        default:
            return 0;
    }
}

ddTableDeal ToDds(const DealCards& deal) {
    ddTableDeal table{};
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int suit = 0; suit < kSuitCount; ++suit) {
            // The suit index of a hand is the library's suit index.
            table.cards[DdsHand(seat)][suit] = deal.holdings[seat][suit];
        }
    }
    return table;
}

TrickTable FromDds(const ddTableResults& results) {
    TrickTable table{};
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int strain = 0; strain < kStrainCount; ++strain) {
            table[seat][strain] = results.resTable[DdsStrain(strain)][DdsHand(seat)];
        }
    }
    return table;
}

ddTableResults ToDds(const TrickTable& table) {
    ddTableResults results{};
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int strain = 0; strain < kStrainCount; ++strain) {
            results.resTable[DdsStrain(strain)][DdsHand(seat)] = table[seat][strain];
        }
    }
    return results;
}

bool Succeeded(int code, std::string& error) {
    if (code == RETURN_NO_FAULT) {
        return true;
    }
    char message[80] = {};
    ErrorMessage(code, message);
    error = message;
    return false;
}
}  // namespace

CDdsSolver::CDdsSolver() {
    // 0: as many threads as the machine has cores, and memory to match.
    static std::once_flag configured;
    std::call_once(configured, [] { SetMaxThreads(0); });
}

bool CDdsSolver::SolveBatch(const std::vector<DealCards>& deals, std::vector<TrickTable>& tables,
                            std::string& error) {
    tables.clear();
    if (deals.empty()) {
        return true;
    }
    if (deals.size() > static_cast<std::size_t>(kMaxBatch)) {
        error = "too many deals for one call";
        return false;
    }
    // The structures are large (hundreds of tables); keep them off the stack.
    auto input = std::make_unique<ddTableDeals>();
    auto results = std::make_unique<ddTablesRes>();
    input->noOfTables = static_cast<int>(deals.size());
    for (std::size_t i = 0; i < deals.size(); ++i) {
        input->deals[i] = ToDds(deals[i]);
    }
    int trumpFilter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    constexpr int kNoPar = -1;
    if (!Succeeded(CalcAllTables(input.get(), kNoPar, trumpFilter, results.get(), nullptr),
                   error)) {
        return false;
    }
    for (std::size_t i = 0; i < deals.size(); ++i) {
        tables.push_back(FromDds(results->results[i]));
    }
    return true;
}

bool CDdsSolver::SolveOne(const DealCards& deal, TrickTable& table, std::string& error) {
    ddTableResults results{};
    if (!Succeeded(CalcDDtable(ToDds(deal), &results), error)) {
        return false;
    }
    table = FromDds(results);
    return true;
}

bool CDdsSolver::FindPar(const TrickTable& table, int dealer, int vulnerability, ParResult& par,
                         std::string& error) {
    ddTableResults results = ToDds(table);
    parResultsDealer dealerPar{};
    if (!Succeeded(
            DealerPar(&results, &dealerPar, DdsHand(dealer), DdsVulnerability(vulnerability)),
            error)) {
        return false;
    }
    par.score = dealerPar.score;
    par.contracts.clear();
    for (int i = 0; i < dealerPar.number && i < 10; ++i) {
        const char* text = dealerPar.contracts[i];
        par.contracts.emplace_back(text, strnlen(text, sizeof dealerPar.contracts[i]));
    }
    return true;
}
