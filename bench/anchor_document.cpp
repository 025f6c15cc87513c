// Loading and saving a document as lvtool does it (load, then nodes in a headless tree; save
// through a temporary file), each beside reading or writing the same number of bytes.
// Prints one line per figure for scripts/bench-anchors; every time is the best of three.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/items/CHeadlessItemTree.h"
#include "core/items/CLorvaneDoc.h"
#include "core/platform/CFile.h"

namespace {
// prepare runs before each timed action, untimed.
double BestSeconds(
    const std::function<void()>& action, const std::function<void()>& prepare = [] {}) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        action();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void ReadBytes(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    static char buffer[1 << 16];
    while (file != nullptr && std::fread(buffer, 1, sizeof buffer, file) > 0) {
    }
    if (file != nullptr) {
        std::fclose(file);
    }
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

void Print(const char* what, double seconds, const char* baseWhat, double baseSeconds) {
    std::printf("%-16s %7.3f s   %-22s %7.3f s   ratio %5.1f\n", what, seconds, baseWhat,
                baseSeconds, seconds / baseSeconds);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: anchor_document DOC.lv SCRATCH.lv\n");
        return 1;
    }
    const std::string path = argv[1];
    const std::string scratch = argv[2];

    auto doc = std::make_unique<CLorvaneDoc>();
    std::unique_ptr<CHeadlessItemTree> tree;
    const double load = BestSeconds(
        [&] {
            doc = std::make_unique<CLorvaneDoc>();
            doc->SetReportLoadErrors(false);
            doc->OnOpenDocument(path);
            tree = std::make_unique<CHeadlessItemTree>(doc.get());
            doc->AttachTree(tree.get());
        },
        [&] {
            tree.reset();
            doc.reset();
        });
    const double read = BestSeconds([&] { ReadBytes(path); });
    const double save = BestSeconds([&] { doc->OnSaveDocument(scratch); });

    std::string bytes;
    {
        auto file = CFile::OpenRead(scratch);
        bytes.resize(static_cast<std::size_t>(file->GetLength()));
        file->Read(bytes.data(), bytes.size());
    }
    const double write = BestSeconds([&] { WriteBytes(scratch + ".bytes", bytes); });
    std::filesystem::remove(scratch + ".bytes");

    Print("document load", load, "reading its bytes", read);
    Print("document save", save, "writing its bytes", write);
    return 0;
}
