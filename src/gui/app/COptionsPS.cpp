#include "gui/app/COptionsPS.h"

#include "gui/app/COptionsPSGeneral.h"
#include "gui/common/AppStrings.h"

COptionsPS::COptionsPS(QWidget* parent)
    : CPropertySheet(AppString(IDS_GENERAL_OPTIONS), parent),
      m_general(new COptionsPSGeneral(this)) {
    setObjectName(QStringLiteral("optionsSheet"));
}

void COptionsPS::AddPages() {
    m_general->Load();
    AddPage(m_general);
}

void COptionsPS::Save() {
    m_general->Save();
}
