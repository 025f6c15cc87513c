#pragma once

#include <string>

#include "gui/bidding/CBiddingListPage.h"

class CRadioGroup;
class QLineEdit;

// The General page of the bidding session sheet: the session's name, whether bidding starts
// at once, and the two participants.
class CBiddingListPSGeneral : public CBiddingListPage {
    Q_OBJECT

public:
    explicit CBiddingListPSGeneral(QWidget* parent = nullptr);

    bool Store(CBiddingList* session) override;
    bool UpdateData(bool saveAndValidate) override;
    bool OnKillActive() override;
    void OnSetActive() override;
    // Finish (or OK) only while both participants have names, except for the defaults.
    void UpdateFinish();

    QLineEdit* NameEdit() const { return m_nameEdit; }
    QLineEdit* NorthEdit() const { return m_northEdit; }
    QLineEdit* SouthEdit() const { return m_southEdit; }
    CRadioGroup* StartBiddingGroup() const { return m_startBidding; }

protected:
    void LoadFields(const CBiddingList& session) override;

private:
    std::string m_north;
    std::string m_south;
    std::string m_name;
    int m_startBiddingValue = -1;

    QLineEdit* m_nameEdit;
    CRadioGroup* m_startBidding;
    QLineEdit* m_northEdit;
    QLineEdit* m_southEdit;
};
