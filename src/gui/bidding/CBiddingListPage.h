#pragma once

#include "gui/common/CPropertyPage.h"

class CBiddingList;
class CBiddingListPS;

// A page of the bidding session's sheet: it shows some of a session's fields and stores them
// back into it.
class CBiddingListPage : public CPropertyPage {
    Q_OBJECT

public:
    using CPropertyPage::CPropertyPage;

    // Keeps the sheet and the session (neither is owned), takes the page's fields from the
    // session and shows them.
    void Load(CBiddingListPS* sheet, CBiddingList* session);
    // Stores the page's fields into the session; false when that failed and the session is
    // not to be added.
    virtual bool Store(CBiddingList* session) = 0;
    // Reads the controls; the sheet may finish from a page with no condition of its own.
    void OnSetActive() override;

protected:
    virtual void LoadFields(const CBiddingList& /*session*/) {}

    CBiddingListPS* Sheet() const { return m_sheet; }
    CBiddingList* Session() const { return m_session; }

private:
    CBiddingListPS* m_sheet = nullptr;
    CBiddingList* m_session = nullptr;
};
