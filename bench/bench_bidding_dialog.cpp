// The bidding dialog's answer to a click on a call button late in a long auction: the call,
// the defender's automatic Pass, the 38 call buttons and the other buttons set again, the
// grid refilled, and everything that changed painted. Runs on the offscreen platform.
#include <memory>
#include <string>

#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "CMemorySettingsStore.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/deals/Seats.h"
#include "core/platform/Settings.h"
#include "core/table/CBiddingTable.h"
#include "core/table/TableIds.h"
#include "gui/table/CBiddingDialog.h"

namespace {

// Counts the paint events of every widget, to show that the repaints are part of the time.
class CPaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

// North deals; North and South bid every strain from 1C up to the bid before last, East and
// West (who have no instructions) pass: 29 rounds of bidding, 59 entries.
void BidUpTo(CBiddingDialog& dialog, int lastRank) {
    for (int rank = 0; rank <= lastRank; ++rank) {
        dialog.Table().Press(
            static_cast<unsigned>(kBidCodes[rank / kStrainCount][rank % kStrainCount]));
    }
}

void BM_CallButtonClickToRepaint(benchmark::State& state) {
    CMemorySettingsStore settings;
    SetSettingsStore(&settings);
    CBiddingList session;
    session.SetNorthName("Ann");
    session.SetSouthName("Bob");
    auto* deal = new CBiddingDeal();
    deal->SetSuitText(SEAT_NORTH, SUIT_SPADES, "AKQJT98765432", true);
    deal->AppendTo(&session, true);
    deal->SetStartPlayer(SEAT_NORTH);

    CBiddingDialog dialog;
    dialog.LoadDeal(deal);
    dialog.show();
    QApplication::processEvents();
    BidUpTo(dialog, 28);  // up to 6N
    QApplication::processEvents();
    auto* sevenClubs = dialog.Control(IDC_7C);
    auto* takeBack = dialog.Control(IDC_TAKE_BACK);
    CPaintCounter counter;
    for (auto _ : state) {
        qApp->installEventFilter(&counter);
        QTest::mouseClick(sevenClubs, Qt::LeftButton);
        QApplication::processEvents();  // the repaints the click asked for
        qApp->removeEventFilter(&counter);
        state.PauseTiming();
        QTest::mouseClick(takeBack, Qt::LeftButton);  // East's Pass
        QTest::mouseClick(takeBack, Qt::LeftButton);  // the 7C
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["entries"] = deal->GetAuction()->GetCallCount() + 2;
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    SetSettingsStore(nullptr);
}
BENCHMARK(BM_CallButtonClickToRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
