#include "gui/bidding/CBiddingListPage.h"

#include "gui/bidding/CBiddingListPS.h"

void CBiddingListPage::Load(CBiddingListPS* sheet, CBiddingList* session) {
    m_sheet = sheet;
    m_session = session;
    LoadFields(*session);
    UpdateData(false);
}

void CBiddingListPage::OnSetActive() {
    UpdateData(true);
    if (m_sheet != nullptr) {
        m_sheet->EnableFinish(true);
    }
}
