// Bidding documents: saving and loading 10,000 bidding deals with everything a deal holds,
// and the memory a loaded deal takes.
#include <malloc.h>

#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CCall.h"
#include "core/items/CDesktop.h"
#include "core/items/CHeadlessItemTree.h"
#include "core/items/CLorvaneDoc.h"

namespace {
constexpr int kSessions = 10;
constexpr int kDealsPerSession = 1000;
constexpr int kDeals = kSessions * kDealsPerSession;

// A 20-call auction: West deals, 1C P 1H P ... up to 4S, then passes.
const int kAuction[] = {1138, 1176, 1141, 1176, 1142, 1176, 1143, 1176, 1172, 1176,
                        1173, 1176, 1174, 1176, 1166, 1176, 1176, 1179, 1176, 1176};

std::string Numbered(const char* prefix, int number) {
    std::string name(prefix);
    name += std::to_string(number);
    return name;
}

void FillDeal(CBiddingDeal& deal, int number) {
    for (int card = 1; card <= 52; ++card) {
        deal.AddCard((card * 7 + number) % 4, card);
    }
    deal.SortHands();
    deal.SetComment("Ann: I should have opened 1 spade here.", true);
    deal.SetComment("Bob: and I would have raised to game at once.", false);
    deal.SetSeatText(SEAT_WEST, "West opens 1C", true);
    deal.SetSeatText(SEAT_EAST, "East overcalls at most 2H", true);
    deal.SetSeatText(SEAT_EAST, "East doubles", false);
    deal.SetSeatText(SEAT_NORTH, "North: 12-14 balanced", true);
    deal.SetSeatText(SEAT_SOUTH, "South: weak two in spades", true);
    CAuction& auction = *deal.GetAuction();
    for (int code : kAuction) {
        auction.AppendCall(code);
    }
    auction.GetCall(2)->AppendNote("four or more hearts", true);
    auction.GetCall(6)->AppendNote("15-17, balanced\r\nno five-card major", true);
    auction.GetCall(15)->AppendNote("to play", true);
    CAuction& replies = auction.GetCall(2)->ProvideReplyTable();
    replies.AppendCall(1174);
    replies.AppendCall(1166);
}

void FillDocument(CLorvaneDoc& doc) {
    doc.OnNewDocument();
    for (int s = 0; s < kSessions; ++s) {
        auto* session = new CBiddingList;
        session->SetName(Numbered("Session ", s + 1));
        session->SetNorthName("Ann");
        session->SetSouthName("Bob");
        session->AppendTo(doc.GetDesktop(), true);
        for (int d = 0; d < kDealsPerSession; ++d) {
            auto* deal = new CBiddingDeal;
            deal->SetName(Numbered("A", d + 1));
            FillDeal(*deal, d);
            deal->AppendTo(session, true);
        }
    }
}

std::string DocumentPath() {
    return (std::filesystem::temp_directory_path() / "lorvane-bench-bidding.lv").string();
}

// The document file, written once for the loading benchmarks.
const std::string& SavedDocument() {
    static const std::string path = [] {
        CLorvaneDoc doc;
        FillDocument(doc);
        doc.OnSaveDocument(DocumentPath());
        return DocumentPath();
    }();
    return path;
}

void BM_SaveTenThousandDeals(benchmark::State& state) {
    CLorvaneDoc doc;
    FillDocument(doc);
    const std::string path = DocumentPath();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.OnSaveDocument(path));
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.SetItemsProcessed(state.iterations() * kDeals);
}
BENCHMARK(BM_SaveTenThousandDeals)->Unit(benchmark::kMillisecond);

void BM_LoadTenThousandDeals(benchmark::State& state) {
    const std::string& path = SavedDocument();
    for (auto _ : state) {
        CLorvaneDoc doc;
        benchmark::DoNotOptimize(doc.OnOpenDocument(path));
    }
    state.SetItemsProcessed(state.iterations() * kDeals);
}
BENCHMARK(BM_LoadTenThousandDeals)->Unit(benchmark::kMillisecond);

// Loading as a window shows it: with nodes for every session and deal.
void BM_LoadAndShowTenThousandDeals(benchmark::State& state) {
    const std::string& path = SavedDocument();
    for (auto _ : state) {
        CLorvaneDoc doc;
        doc.OnOpenDocument(path);
        CHeadlessItemTree tree(&doc);
        doc.AttachTree(&tree);
        benchmark::DoNotOptimize(tree.GetNodeCount());
    }
    state.SetItemsProcessed(state.iterations() * kDeals);
}
BENCHMARK(BM_LoadAndShowTenThousandDeals)->Unit(benchmark::kMillisecond);

std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The heap a loaded document takes, per deal (with its auction, notes and texts).
void BM_MemoryPerLoadedDeal(benchmark::State& state) {
    const std::string& path = SavedDocument();
    double perDeal = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto doc = std::make_unique<CLorvaneDoc>();
        doc->OnOpenDocument(path);
        const std::size_t after = HeapInUse();
        perDeal = static_cast<double>(after - before) / kDeals;
        benchmark::DoNotOptimize(doc.get());
    }
    state.counters["bytes_per_deal"] = perDeal;
    state.counters["file_bytes_per_deal"] =
        static_cast<double>(std::filesystem::file_size(path)) / kDeals;
}
BENCHMARK(BM_MemoryPerLoadedDeal)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace
