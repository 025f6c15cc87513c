#include "gui/app/COptionsPSGeneral.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "core/platform/GeneralOptions.h"
#include "gui/common/AppStrings.h"

COptionsPSGeneral::COptionsPSGeneral(QWidget* parent)
    : CPropertyPage(AppString(IDS_GENERAL_PAGE), IDD_OPTIONS_GENERAL, parent),
      m_check(NewPageControl<QCheckBox>(IDC_SHOW_VULNERABILITY_IN_COLOUR,
                                        AppString(IDS_VULNERABILITY_IN_COLOUR), this)),
      m_reviewCheck(NewPageControl<QCheckBox>(IDC_SHOW_REVIEW, AppString(IDS_SHOW_REVIEW), this)) {
    setObjectName(QStringLiteral("generalPage"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_check);
    layout->addWidget(m_reviewCheck);
    layout->addStretch();
}

void COptionsPSGeneral::Load() {
    m_value = VulnerabilityInColour().Load();
    m_reviewValue = ReviewShown().Load();
    UpdateData(false);
}

void COptionsPSGeneral::Save() {
    VulnerabilityInColour().Save(m_value);
    ReviewShown().Save(m_reviewValue);
}

bool COptionsPSGeneral::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        m_value = m_check->isChecked() ? 1 : 0;
        m_reviewValue = m_reviewCheck->isChecked() ? 1 : 0;
    } else {
        m_check->setChecked(m_value != 0);
        m_reviewCheck->setChecked(m_reviewValue != 0);
    }
    return true;
}
