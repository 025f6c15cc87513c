#include "gui/app/COptionsPSGeneral.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "core/platform/GeneralOptions.h"
#include "gui/common/AppStrings.h"

COptionsPSGeneral::COptionsPSGeneral(QWidget* parent)
    : CPropertyPage(AppString(IDS_GENERAL_PAGE), IDD_OPTIONS_GENERAL, parent),
      m_check(new QCheckBox(AppString(IDS_VULNERABILITY_IN_COLOUR), this)) {
    setObjectName(QStringLiteral("generalPage"));
    m_check->setObjectName(QStringLiteral("control%1").arg(IDC_SHOW_VULNERABILITY_IN_COLOUR));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_check);
    layout->addStretch();
}

void COptionsPSGeneral::Load() {
    m_value = LoadVulnerabilityInColour();
    UpdateData(false);
}

void COptionsPSGeneral::Save() {
    SaveVulnerabilityInColour(m_value);
}

bool COptionsPSGeneral::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        m_value = m_check->isChecked() ? 1 : 0;
    } else {
        m_check->setChecked(m_value != 0);
    }
    return true;
}
