// Writes pictures of the bidding dialog for the README: the start of a deal, the middle of
// an auction with a note, and the finished auction. Run under the offscreen platform or xvfb:
//   table_screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>

#include "CScriptedPrompts.h"
#include "TableSession.h"
#include "bidding/BiddingIds.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/Prompts.h"
#include "platform/Settings.h"
#include "table/CBiddingDialog.h"
#include "table/CBiddingTable.h"

namespace {

void Save(QWidget& dialog, const QString& path) {
    QApplication::processEvents();
    dialog.grab().save(path);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    CMemorySettingsStore settings;
    SetSettingsStore(&settings);
    CScriptedPrompts prompts;
    SetPrompts(&prompts);

    auto session = MakeSession(4);
    CBiddingDeal* deal = DealAt(*session, 0);
    deal->SetStartPlayer(1);
    CBiddingDialog dialog;
    dialog.LoadDeal(deal);
    dialog.show();
    Save(dialog, folder + "/bidding-start.png");

    for (int code : {IDC_1D, IDC_1S}) {
        dialog.Table().Press(code);
    }
    dialog.Table().ReplaceNote(3, 0, "Five or more spades, forcing");
    Save(dialog, folder + "/bidding-middle.png");

    for (int code : {IDC_2S, IDC_4S, IDC_PASS}) {
        dialog.Table().Press(code);
    }
    Save(dialog, folder + "/bidding-complete.png");
    return 0;
}
