// Deal files: import of 100,000 bidding deals from a PBN file written the way Debian's dealer
// writes it and from a .dup file, into a session shown in a headless tree (so that deal naming
// runs), against merely reading the bytes; export of the same sessions; memory per imported deal.
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "core/bidding/CBiddingList.h"
#include "core/deals/CDeal.h"
#include "core/items/CDesktop.h"
#include "core/items/CHeadlessItemTree.h"
#include "core/platform/CFile.h"

// Every allocation is counted, so that the peak memory of an import can be reported.
namespace {
std::atomic<long long> g_allocated{0};
std::atomic<long long> g_peak{0};

void* CountedAllocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const long long now = g_allocated += static_cast<long long>(malloc_usable_size(block));
    long long peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return block;
}

void CountedFree(void* block) {
    if (block != nullptr) {
        g_allocated -= static_cast<long long>(malloc_usable_size(block));
        std::free(block);
    }
}
}  // namespace

void* operator new(std::size_t size) {
    return CountedAllocate(size);
}
void* operator new[](std::size_t size) {
    return CountedAllocate(size);
}
void operator delete(void* block) noexcept {
    CountedFree(block);
}
void operator delete[](void* block) noexcept {
    CountedFree(block);
}
void operator delete(void* block, std::size_t) noexcept {
    CountedFree(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    CountedFree(block);
}

namespace {
constexpr int kDeals = 100000;

// The four hands of a shuffled pack, by seat index, as PBN hands.
struct Dealt {
    std::string hands[4];
    int cards[4][13];
};

Dealt Deal(std::mt19937& random) {
    static const char kLetters[] = "AKQJT98765432";
    int pack[52];
    for (int i = 0; i < 52; ++i) {
        pack[i] = i;
    }
    std::shuffle(pack, pack + 52, random);
    Dealt dealt;
    for (int seat = 0; seat < 4; ++seat) {
        std::sort(pack + 13 * seat, pack + 13 * seat + 13);
        std::string suits[4];
        for (int i = 0; i < 13; ++i) {
            const int card = pack[13 * seat + i];
            dealt.cards[seat][i] = card + 1;
            suits[card / 13] += kLetters[card % 13];
        }
        dealt.hands[seat] = suits[0] + "." + suits[1] + "." + suits[2] + "." + suits[3];
    }
    return dealt;
}

std::string TempFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// As `dealer` with action printpbn writes it: LF line ends, statistics after the last game.
const std::string& PbnFile() {
    static const std::string path = [] {
        const std::string file = TempFile("lorvane-bench-100000.pbn");
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::mt19937 random(1);
        static const char* const kVulnerable[] = {"None", "NS",   "EW", "All", "NS",   "EW",
                                                  "All",  "None", "EW", "All", "None", "NS",
                                                  "All",  "None", "NS", "EW"};
        for (int board = 1; board <= kDeals; ++board) {
            const Dealt dealt = Deal(random);
            std::fprintf(out,
                         "[Event \"Hand simulated by dealer with file bench.dl, seed 1\"]\n"
                         "[Site \"-\"]\n[Date \"2024.03.12\"]\n[Board \"%d\"]\n[West \"-\"]\n"
                         "[North \"-\"]\n[East \"-\"]\n[South \"-\"]\n[Dealer \"%c\"]\n"
                         "[Vulnerable \"%s\"]\n[Deal \"N:%s %s %s %s\"]\n[Declarer \"?\"]\n"
                         "[Contract \"?\"]\n[Result \"?\"]\n\n",
                         board, "NESW"[(board - 1) % 4], kVulnerable[(board - 1) % 16],
                         dealt.hands[1].c_str(), dealt.hands[2].c_str(), dealt.hands[3].c_str(),
                         dealt.hands[0].c_str());
        }
        std::fprintf(out,
                     "Generated %d hands\nProduced %d hands\nInitial random seed 1\n"
                     "Time needed    1.000 sec\n",
                     kDeals, kDeals);
        std::fclose(out);
        return file;
    }();
    return path;
}

const std::string& DupFile() {
    static const std::string path = [] {
        const std::string file = TempFile("lorvane-bench-100000.dup");
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::mt19937 random(2);
        for (int board = 1; board <= kDeals; ++board) {
            const Dealt dealt = Deal(random);
            for (int seat : {1, 2, 3}) {
                for (int card : dealt.cards[seat]) {
                    std::fprintf(out, "%02d", card);
                }
            }
            for (int seat : {1, 2, 3, 0}) {
                std::string hand = "\x06" + dealt.hands[seat];
                int mark = 3;
                for (char& c : hand) {
                    if (c == '.') {
                        c = static_cast<char>(mark++);
                    }
                }
                std::fwrite(hand.data(), 1, hand.size(), out);
            }
            std::fputs("YN1  1999 ", out);
        }
        std::fclose(out);
        return file;
    }();
    return path;
}

void ReadBytes(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        auto file = CFile::OpenRead(path);
        long long sum = 0;
        for (int byte = file->ReadByte(); byte >= 0; byte = file->ReadByte()) {
            sum += byte;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<long long>(std::filesystem::file_size(path)));
}

void BM_ReadBytesPbn(benchmark::State& state) {
    ReadBytes(state, PbnFile());
}
void BM_ReadBytesDup(benchmark::State& state) {
    ReadBytes(state, DupFile());
}

// A session under a Desktop in a headless tree, as lvtool and the program hold it.
struct Session {
    Session() {
        desktop.SetTree(&tree);
        desktop.InsertIntoTree(nullptr);
        list = new CBiddingList;
        list->InsertIntoTree(&desktop);
    }
    CHeadlessItemTree tree;
    CDesktop desktop;
    CBiddingList* list;
};

void Import(benchmark::State& state, const std::string& path, const char* ext) {
    long long peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<Session>();
        const long long before = g_allocated.load();
        g_peak = before;
        state.ResumeTiming();
        session->list->Import(path, ext);
        state.PauseTiming();
        if (session->list->GetChildCount() != kDeals) {
            state.SkipWithError("wrong number of deals");
        }
        peak = g_peak.load() - before;
        session.reset();
        state.ResumeTiming();
    }
    state.counters["peak_bytes_per_deal"] = static_cast<double>(peak) / kDeals;
    state.SetItemsProcessed(state.iterations() * kDeals);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<long long>(std::filesystem::file_size(path)));
}

// What an import costs besides the reading: 100,000 empty bidding deals made, named after
// the last one and given their place in the tree.
void BM_AddEmptyDeals(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<Session>();
        state.ResumeTiming();
        for (int i = 0; i < kDeals; ++i) {
            CDeal* deal = session->list->CreateDeal();
            deal->NameAfterLastChild(session->list);
            deal->InsertIntoTree(session->list);
        }
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kDeals);
}

void BM_ImportPbn(benchmark::State& state) {
    Import(state, PbnFile(), "pbn");
}
void BM_ImportDup(benchmark::State& state) {
    Import(state, DupFile(), "dup");
}

void Export(benchmark::State& state, const std::string& path, const char* ext) {
    Session session;
    session.list->Import(path, ext);
    const std::string output =
        TempFile(ext[0] == 'p' ? "lorvane-bench-out.pbn" : "lorvane-bench-out.dup");
    for (auto _ : state) {
        session.list->ExportToFile(output, ext);
    }
    state.SetItemsProcessed(state.iterations() * kDeals);
    std::filesystem::remove(output);
}

void BM_ExportPbn(benchmark::State& state) {
    Export(state, PbnFile(), "pbn");
}
void BM_ExportDup(benchmark::State& state) {
    Export(state, DupFile(), "dup");
}

// A crafted file: one game whose North holds a suit of a million letters, lowest first.
void BM_ImportLongSuit(benchmark::State& state) {
    static const std::string path = [] {
        std::string path = TempFile("lorvane-bench-long-suit.pbn");
        std::string suit;
        while (suit.size() < 1000000) {
            suit += "23456789TJQKA";
        }
        std::FILE* out = std::fopen(path.c_str(), "wb");
        std::fprintf(out, "[Board \"1\"]\r\n[Deal \"N:%s... ... ... ...\"]\r\n", suit.c_str());
        std::fclose(out);
        return path;
    }();
    for (auto _ : state) {
        Session session;
        session.list->Import(path, "pbn");
        if (session.list->GetChildCount() != 1) {
            state.SkipWithError("the game was not read");
        }
    }
}

BENCHMARK(BM_ImportLongSuit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddEmptyDeals)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesPbn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPbn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPbn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesDup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportDup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportDup)->Unit(benchmark::kMillisecond);
}  // namespace
