#pragma once

#include "gui/common/CPropertyPage.h"

class QCheckBox;

constexpr unsigned IDD_OPTIONS_GENERAL = 383;
constexpr int IDC_SHOW_VULNERABILITY_IN_COLOUR = 1228;

// The General page of the General Options: whether a deal's vulnerability is drawn in colour.
class COptionsPSGeneral : public CPropertyPage {
    Q_OBJECT

public:
    explicit COptionsPSGeneral(QWidget* parent = nullptr);

    // The stored value, also put in force for the whole program.
    void Load();
    // Stores the value and puts it in force.
    void Save();
    bool UpdateData(bool saveAndValidate) override;

    int GetValue() const { return m_value; }
    QCheckBox* CheckBox() const { return m_check; }

private:
    int m_value = 0;
    QCheckBox* m_check;
};
