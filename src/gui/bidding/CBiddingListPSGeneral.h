#pragma once

#include <string>

#include "gui/common/CPropertyPage.h"

class CBiddingList;
class CBiddingListPS;
class CRadioGroup;
class QLineEdit;

// The General page of the bidding session sheet: the session's name, whether bidding starts
// at once, and the two participants.
class CBiddingListPSGeneral : public CPropertyPage {
    Q_OBJECT

public:
    explicit CBiddingListPSGeneral(QWidget* parent = nullptr);

    void Load(CBiddingListPS* sheet, CBiddingList* session);
    void Store(CBiddingList* session);
    bool UpdateData(bool saveAndValidate) override;
    bool OnKillActive() override;
    void OnSetActive() override;
    // Finish (or OK) only while both participants have names, except for the defaults.
    void UpdateFinish();

    QLineEdit* NameEdit() const { return m_nameEdit; }
    QLineEdit* NorthEdit() const { return m_northEdit; }
    QLineEdit* SouthEdit() const { return m_southEdit; }
    CRadioGroup* StartBiddingGroup() const { return m_startBidding; }

private:
    std::string m_north;
    std::string m_south;
    std::string m_name;
    int m_startBiddingValue = -1;
    CBiddingListPS* m_sheet = nullptr;
    CBiddingList* m_session = nullptr;

    QLineEdit* m_nameEdit;
    CRadioGroup* m_startBidding;
    QLineEdit* m_northEdit;
    QLineEdit* m_southEdit;
};
