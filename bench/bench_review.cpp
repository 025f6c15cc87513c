// Double-dummy review: 100 deals from Debian's dealer (bench/data/dealer-100.pbn, made with
// `dealer -s 100 dealer-100.dl`) analysed with tables and par through the review's batch path,
// against the same library called directly in the same run, and one deal alone.
#include <dds/dll.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/bidding/CBiddingDeal.h"
#include "core/deals/PbnFiles.h"
#include "core/platform/CFile.h"
#include "core/review/CDdsSolver.h"
#include "core/review/CDealAnalyser.h"

namespace {
struct Deals {
    std::vector<std::unique_ptr<CBiddingDeal>> owned;
    std::vector<CDeal*> deals;
    std::vector<std::string> dealValues;  // the PBN Deal values, for the direct calls
};

const Deals& DealerDeals() {
    static const Deals loaded = [] {
        Deals result;
        auto file = CFile::OpenRead(BENCH_DATA_DIR "/dealer-100.pbn");
        if (file == nullptr) {
            return result;
        }
        for (int board = 1;; ++board) {
            auto deal = std::make_unique<CBiddingDeal>();
            deal->SetName("A" + std::to_string(board));
            if (!deal->ReadFromFile(*file, "pbn")) {
                break;
            }
            result.deals.push_back(deal.get());
            result.owned.push_back(std::move(deal));
        }
        for (CDeal* deal : result.deals) {
            result.dealValues.push_back(Pbn::DealString(*deal));
        }
        return result;
    }();
    return loaded;
}

// The review's path: batches of 32 through the solver interface, then DealerPar per deal.
void BM_ReviewBatch(benchmark::State& state) {
    const Deals& deals = DealerDeals();
    CDdsSolver solver;
    CDealAnalyser analyser(solver);
    std::vector<DealAnalysis> results;
    for (auto _ : state) {
        analyser.AnalyseAll(deals.deals, results);
        benchmark::DoNotOptimize(results.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(deals.deals.size()));
}

// The library alone: CalcAllTablesPBN on the same deals 32 at a time, DealerPar for each.
void BM_LibraryDirect(benchmark::State& state) {
    const Deals& deals = DealerDeals();
    auto tables = std::make_unique<ddTableDealsPBN>();
    auto results = std::make_unique<ddTablesRes>();
    int trumpFilter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    for (auto _ : state) {
        for (std::size_t first = 0; first < deals.dealValues.size(); first += 32) {
            const std::size_t count = std::min<std::size_t>(32, deals.dealValues.size() - first);
            tables->noOfTables = static_cast<int>(count);
            for (std::size_t i = 0; i < count; ++i) {
                std::strncpy(tables->deals[i].cards, deals.dealValues[first + i].c_str(),
                             sizeof tables->deals[i].cards - 1);
            }
            CalcAllTablesPBN(tables.get(), -1, trumpFilter, results.get(), nullptr);
            for (std::size_t i = 0; i < count; ++i) {
                parResultsDealer par{};
                // Dealer by board as the review has it; vulnerability does not change the time.
                const int board = static_cast<int>(first + i);
                DealerPar(&results->results[i], &par, board % 4, 0);
                benchmark::DoNotOptimize(par.score);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(deals.dealValues.size()));
}

// One deal alone, with the single-table call.
void BM_ReviewOneDeal(benchmark::State& state) {
    const Deals& deals = DealerDeals();
    CDdsSolver solver;
    CDealAnalyser analyser(solver);
    std::size_t next = 0;
    for (auto _ : state) {
        DealAnalysis analysis = analyser.Analyse(*deals.deals[next++ % deals.deals.size()]);
        benchmark::DoNotOptimize(analysis.par.score);
    }
}
}  // namespace

BENCHMARK(BM_ReviewBatch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_LibraryDirect)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ReviewOneDeal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
