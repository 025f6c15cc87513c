#include "gui/bidding/CQtBiddingListSheet.h"

#include <QApplication>

#include "gui/bidding/CBiddingListPS.h"

bool CQtBiddingListSheet::RunBiddingListSheet(CBiddingList& session, int mode) {
    CBiddingListPS sheet(mode, QApplication::activeWindow());
    sheet.LoadFromSession(&session);
    if (!sheet.DoModal()) {
        return false;
    }
    return sheet.StoreToSession(&session);
}
