#include "gui/table/CBiddingDialogLauncher.h"

#include <QApplication>

#include "gui/table/CBiddingDialog.h"

void CBiddingDialogLauncher::RunBiddingDialog(CBiddingDeal& deal) {
    // The active window only places the dialog; the dialog is modal either way.
    CBiddingDialog dialog(QApplication::activeWindow());
    dialog.LoadDeal(&deal);
    dialog.exec();
    dialog.SaveComment();
}

void InstallBiddingDialogLauncher() {
    static CBiddingDialogLauncher launcher;
    SetBiddingDialogLauncher(&launcher);
}
