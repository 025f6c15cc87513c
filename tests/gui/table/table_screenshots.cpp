// Writes pictures of the bidding dialog for the README, on the sample document's first deal
// with South selected: the start of the deal, the middle of the auction with a note and a
// comment, and the finished auction with its review; then a deal of the lesson session,
// whose file carries the teacher's auctions, and the review of that session.
// Run under the offscreen platform or xvfb:
//   table_screenshots OUTPUT_FOLDER [DOCUMENT]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include "CMemorySettingsStore.h"
#include "CScriptedPrompts.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/deals/Seats.h"
#include "core/items/CDesktop.h"
#include "core/items/CLorvaneDoc.h"
#include "core/platform/Prompts.h"
#include "core/platform/Settings.h"
#include "core/review/CDdsSolver.h"
#include "core/table/CBiddingTable.h"
#include "gui/common/CAnalysisService.h"
#include "gui/review/CSessionReviewDialog.h"
#include "gui/table/CBiddingDialog.h"
#include "gui/table/DialogIds.h"

namespace {

void Save(QWidget& dialog, const QString& path) {
    QApplication::processEvents();
    dialog.grab().save(path);
}

// Lets the analysis thread finish what it was given.
void WaitForAnalysis(CAnalysisService& service, CDeal& deal) {
    QElapsedTimer waited;
    waited.start();
    while (service.Find(deal) == nullptr && waited.elapsed() < 60000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QApplication::processEvents();
}

void Press(CBiddingDialog& dialog, std::initializer_list<int> codes) {
    for (int code : codes) {
        dialog.Table().Press(static_cast<unsigned>(code));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const std::string document = argc > 2 ? argv[2] : LORVANE_SAMPLE_DOCUMENT;
    CMemorySettingsStore settings;
    SetSettingsStore(&settings);
    CScriptedPrompts prompts;
    SetPrompts(&prompts);
    CAnalysisService analysis(std::make_unique<CDdsSolver>());
    CAnalysisService::Install(&analysis);

    CLorvaneDoc doc;
    if (!doc.OnOpenDocument(document) || doc.GetDesktop()->GetChildCount() == 0) {
        return 1;
    }
    auto* deal = dynamic_cast<CBiddingDeal*>(doc.GetDesktop()->GetChildAt(0)->GetChildAt(0));
    if (deal == nullptr) {
        return 1;
    }
    deal->SetStartPlayer(SEAT_SOUTH);
    CBiddingDialog dialog;
    dialog.LoadDeal(deal);
    dialog.show();
    Save(dialog, folder + "/bidding-start.png");

    // South opens 1NT, North asks for a major; East comes in as his instructions say.
    Press(dialog, {IDC_1N, IDC_2C});
    CBiddingTable& table = dialog.Table();
    table.ReplaceNote(1, 1, "Stayman");
    table.OnCommentFocus();
    dialog.findChild<QPlainTextEdit*>(ControlName(IDC_COMMENT))
        ->insertPlainText("Pass, and let North double 2H?");
    Save(dialog, folder + "/bidding-middle.png");

    Press(dialog, {IDC_PASS, IDC_DOUBLE, IDC_PASS});
    WaitForAnalysis(analysis, *deal);
    Save(dialog, folder + "/bidding-complete.png");
    dialog.close();

    // The lesson session carries the teacher's auctions: South opens 1NT after North's pass
    // and passes again where the teacher doubles East's 2H.
    auto* lesson = dynamic_cast<CBiddingList*>(doc.GetDesktop()->GetChildAt(3));
    if (lesson == nullptr) {
        return 1;
    }
    auto* taught = dynamic_cast<CBiddingDeal*>(lesson->GetChildAt(0));
    taught->SetStartPlayer(SEAT_SOUTH);
    CBiddingDialog lessonDialog;
    lessonDialog.LoadDeal(taught);
    lessonDialog.show();
    Press(lessonDialog, {IDC_PASS, IDC_1N});
    while (!taught->GetAuction()->IsComplete(true)) {
        Press(lessonDialog, {IDC_PASS});
    }
    WaitForAnalysis(analysis, *taught);
    Save(lessonDialog, folder + "/bidding-lesson.png");
    lessonDialog.close();

    CSessionReviewDialog review(*lesson, analysis);
    review.show();
    for (int i = 0; i < lesson->GetChildCount(); ++i) {
        WaitForAnalysis(analysis, *dynamic_cast<CDeal*>(lesson->GetChildAt(i)));
    }
    Save(review, folder + "/session-review.png");
    return 0;
}
