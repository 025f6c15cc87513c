#pragma once

#include "gui/common/CPropertyPage.h"
#include "gui/common/HelpContexts.h"

class QCheckBox;

constexpr int IDC_SHOW_VULNERABILITY_IN_COLOUR = 1228;
constexpr int IDC_SHOW_REVIEW = 1229;

// The General page of the General Options: whether a deal's vulnerability is drawn in colour,
// and whether the bidding table shows the review after the auction.
class COptionsPSGeneral : public CPropertyPage {
    Q_OBJECT

public:
    explicit COptionsPSGeneral(QWidget* parent = nullptr);

    // The stored values, also put in force for the whole program.
    void Load();
    // Stores the values and puts them in force.
    void Save();
    bool UpdateData(bool saveAndValidate) override;

    int GetValue() const { return m_value; }
    int GetReviewValue() const { return m_reviewValue; }
    QCheckBox* CheckBox() const { return m_check; }

private:
    int m_value = 0;
    int m_reviewValue = 0;
    QCheckBox* m_check;
    QCheckBox* m_reviewCheck;
};
