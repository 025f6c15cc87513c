// The automatic defence: recognising an instruction text against every template.
#include <string>

#include <benchmark/benchmark.h>

#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/defence/CAutomaticDefensiveBidding.h"

namespace {
// One choice of East's call after 1H P 2H: an opened auction, so that every template but the
// opening one is searched.
void BM_ChooseDefensiveCall(benchmark::State& state, const std::string& text) {
    const CAutomaticDefensiveBidding texts;
    CAuction auction(nullptr);
    for (const char* call : {"1H", "P", "2H"}) {
        auction.AppendCall(CCall::GetCallCode(call));
    }
    auction.UpdateLegalCalls();
    for (auto _ : state) {
        benchmark::DoNotOptimize(texts.ChooseDefensiveCall(text, auction));
    }
}

// A comment of a few lines that matches no template.
BENCHMARK_CAPTURE(BM_ChooseDefensiveCall, NoMatch,
                  std::string("Weak two in hearts; lead the king of spades against a spade "
                              "contract.\r\nWith fewer than 10 points East passes throughout, "
                              "West keeps quiet as well."))
    ->Unit(benchmark::kMicrosecond);

// The last template tried matches, in the last strain.
BENCHMARK_CAPTURE(BM_ChooseDefensiveCall, LastTemplate, std::string("East bids 4NT"))
    ->Unit(benchmark::kMicrosecond);

// The words of every template around a level none allows: each template is filled for every
// strain, defender and level, and nothing matches.
BENCHMARK_CAPTURE(BM_ChooseDefensiveCall, NearMisses,
                  std::string("East prefers 8S\r\nEast jump supports to at most 8S\r\n"
                              "East supports to at most 8S\r\nEast jump supports to 8S\r\n"
                              "East supports to 8S\r\nEast jumps in 8S\r\nEast bids 8S\r\n"
                              "East jumps to at most 8S\r\nEast bids at most 8S\r\n"
                              "East jumps to 8S\r\nWest bids 8S\r\nWest supports to 8S\r\n"
                              "West jumps to 8S"))
    ->Unit(benchmark::kMicrosecond);
}  // namespace
