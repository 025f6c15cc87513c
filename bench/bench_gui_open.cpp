// The document window: opening a document of 10,000 bidding deals and showing its tree
// (the program's own view over QTreeWidget, painted offscreen), opening the session's node,
// which sorts its 10,000 deals, and deleting them all at once.
#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>
#include <QApplication>

#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/items/CDesktop.h"
#include "core/items/CLorvaneDoc.h"
#include "core/items/ItemIds.h"
#include "gui/app/CGuiDocument.h"
#include "gui/app/CLorvaneView.h"

namespace {
constexpr int kDeals = 10000;

std::string DocumentPath() {
    return (std::filesystem::temp_directory_path() / "lorvane-bench-gui.lv").string();
}

// One session of 10,000 deals with their hands, comments and instruction texts.
const std::string& SavedDocument() {
    static const std::string path = [] {
        CLorvaneDoc doc;
        doc.OnNewDocument();
        auto* session = new CBiddingList;
        session->SetName("Ten thousand");
        session->SetNorthName("Ann");
        session->SetSouthName("Bob");
        session->AppendTo(doc.GetDesktop(), true);
        for (int d = 0; d < kDeals; ++d) {
            auto* deal = new CBiddingDeal;
            std::string name("A");
            name += std::to_string(d + 1);  // appended: GCC 12 warns wrongly about "A" + ...
            deal->SetName(name);
            for (int card = 1; card <= 52; ++card) {
                deal->AddCard((card * 7 + d) % 4, card);
            }
            deal->SortHands();
            deal->SetComment("Ann: a fine hand for a strong no trump.", true);
            deal->SetSeatText(SEAT_EAST, "East opens 1S", true);
            deal->SetSeatText(SEAT_WEST, "West supports to at most 3S", true);
            deal->AppendTo(session, true);
        }
        doc.OnSaveDocument(DocumentPath());
        return DocumentPath();
    }();
    return path;
}

void Paint(QWidget& widget) {
    widget.show();
    widget.repaint();
    QApplication::processEvents();
}

void BM_OpenAndShowTenThousandDeals(benchmark::State& state) {
    const std::string& path = SavedDocument();
    for (auto _ : state) {
        CGuiDocument document;
        document.OnOpenDocument(QString::fromStdString(path));
        CLorvaneView view(&document);
        view.resize(600, 800);
        view.OnInitialUpdate();
        Paint(view);
        benchmark::DoNotOptimize(view.topLevelItemCount());
    }
    state.SetItemsProcessed(state.iterations() * kDeals);
}
BENCHMARK(BM_OpenAndShowTenThousandDeals)->Unit(benchmark::kMillisecond);

// The sample of 10,000 deals open in a document window, painted once.
struct OpenWindow {
    OpenWindow() : document(std::make_unique<CGuiDocument>()) {
        document->OnOpenDocument(QString::fromStdString(SavedDocument()));
        view = std::make_unique<CLorvaneView>(document.get());
        view->resize(600, 800);
        view->OnInitialUpdate();
        session = dynamic_cast<CTreeItem*>(document->Doc().GetDesktop()->GetChildAt(0));
    }
    std::unique_ptr<CGuiDocument> document;
    std::unique_ptr<CLorvaneView> view;
    CTreeItem* session = nullptr;
};

// Times one action on a freshly opened window; opening it, preparing it and closing it are
// not timed.
template <typename Prepare, typename Action>
void TimeOnOpenWindow(benchmark::State& state, Prepare prepare, Action action) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<OpenWindow>();
        prepare(*window);
        Paint(*window->view);
        state.ResumeTiming();
        action(*window);
        Paint(*window->view);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kDeals);
}

// Opening the session's node sorts its deals (board order) and paints the first page.
void BM_ExpandTenThousandDeals(benchmark::State& state) {
    TimeOnOpenWindow(
        state, [](OpenWindow&) {}, [](OpenWindow& window) { window.session->Expand(true, false); });
}
BENCHMARK(BM_ExpandTenThousandDeals)->Unit(benchmark::kMillisecond);

// Clear All on the open session: every deal's node and item removed.
void BM_ClearAllTenThousandDeals(benchmark::State& state) {
    TimeOnOpenWindow(
        state,
        [](OpenWindow& window) {
            window.session->Expand(true, false);
            window.session->Select();
        },
        [](OpenWindow& window) { window.view->OnCommand(ID_EDIT_CLEAR_ALL); });
}
BENCHMARK(BM_ClearAllTenThousandDeals)->Unit(benchmark::kMillisecond);
}  // namespace
