// The item tree: unique names among many siblings, and reading and writing long documents.
#include <string>

#include <benchmark/benchmark.h>

#include "core/items/CArchive.h"
#include "core/items/CDesktop.h"
#include "core/items/CHeadlessItemTree.h"
#include "core/platform/CFile.h"

namespace {
constexpr int kRecordKind = 50001;

class CLeaf : public CTreeItem {
public:
    explicit CLeaf(const std::string& name) : CTreeItem(0, kRecordKind, 155, 155, 0) {
        SetName(name);
    }
};

// A record with one text field; reading creates its children as the document kinds do.
class CRecord : public CItem {
public:
    explicit CRecord(const std::string& name) : CItem(name) { SetKind(kRecordKind); }
    void WriteFields() override { WriteLine(1, text); }
    void ReadField(long kind, int code, std::string_view line) override {
        if (kind == kRecordKind && code == 0) {
            auto* child = new CRecord(std::string(line));
            child->AppendTo(this, true);
            child->Serialize(*GetArchive(), GetProgress());
        } else if (kind == kRecordKind && code == 1) {
            text = line;
        }
    }
    std::string text;
};

class CRoot : public CRecord {
public:
    CRoot() : CRecord("Desktop") { SetKind(61463); }
    int GetMinFileVersion() const override { return 2; }
    int GetFileVersion() const override { return 3; }
};

void GiveNodes(benchmark::State& state, bool sameName) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CHeadlessItemTree tree;
        CDesktop desktop;
        desktop.SetTree(&tree);
        desktop.InsertIntoTree(nullptr);
        for (int i = 0; i < count; ++i) {
            auto* leaf = new CLeaf(sameName ? std::string("Bidding") : "A" + std::to_string(i));
            leaf->InsertIntoTree(&desktop);
        }
        benchmark::DoNotOptimize(desktop.GetChildCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_NodesWithDistinctNames(benchmark::State& state) {
    GiveNodes(state, false);
}
void BM_NodesAllNamedAlike(benchmark::State& state) {
    GiveNodes(state, true);
}
BENCHMARK(BM_NodesWithDistinctNames)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodesAllNamedAlike)->Arg(100000)->Unit(benchmark::kMillisecond);

// About a million lines: each record writes its opening line, one field and its closing line.
std::string MillionLineDocument() {
    CRoot root;
    for (int i = 0; i < 333333; ++i) {
        auto* record = new CRecord("A" + std::to_string(i));
        record->text = "AKQJ,T98,765,432,,,,,,,,,,,,";
        record->AppendTo(&root, true);
    }
    auto file = CFile::WriteMemory();
    CArchive archive(*file, CArchive::Mode::Store);
    root.Serialize(archive, nullptr);
    return file->Contents();
}

void BM_ReadMillionLines(benchmark::State& state) {
    const std::string bytes = MillionLineDocument();
    for (auto _ : state) {
        auto file = CFile::ReadMemory(bytes);
        CArchive archive(*file, CArchive::Mode::Load);
        CRoot root;
        root.Serialize(archive, nullptr);
        benchmark::DoNotOptimize(root.GetChildCount());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
}
BENCHMARK(BM_ReadMillionLines)->Unit(benchmark::kMillisecond);

void BM_WriteMillionLines(benchmark::State& state) {
    CRoot root;
    for (int i = 0; i < 333333; ++i) {
        auto* record = new CRecord("A" + std::to_string(i));
        record->text = "AKQJ,T98,765,432,,,,,,,,,,,,";
        record->AppendTo(&root, true);
    }
    for (auto _ : state) {
        auto file = CFile::WriteMemory();
        CArchive archive(*file, CArchive::Mode::Store);
        root.Serialize(archive, nullptr);
        benchmark::DoNotOptimize(file->Contents().size());
    }
}
BENCHMARK(BM_WriteMillionLines)->Unit(benchmark::kMillisecond);
}  // namespace
