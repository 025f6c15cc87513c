#include "gui/defence/CAutomaticDefensiveActionPS.h"

#include "gui/common/AppStrings.h"
#include "gui/defence/CAutomaticDefensiveActionPSDouble.h"
#include "gui/defence/CAutomaticDefensiveActionPSGeneral.h"
#include "gui/defence/CAutomaticDefensiveActionPSOpening.h"
#include "gui/defence/CAutomaticDefensiveActionPSOvercall.h"
#include "gui/defence/CAutomaticDefensiveActionPSStrain.h"
#include "gui/defence/CAutomaticDefensiveActionPSSupport.h"

CAutomaticDefensiveActionPS::CAutomaticDefensiveActionPS(QWidget* parent)
    : CPropertySheet(AppString(IDS_DEFENSIVE_ACTIONS_CAPTION), parent) {
    setObjectName(QStringLiteral("defensiveActionsSheet"));
    m_pages = {new CAutomaticDefensiveActionPSGeneral, new CAutomaticDefensiveActionPSStrain,
               new CAutomaticDefensiveActionPSOpening, new CAutomaticDefensiveActionPSOvercall,
               new CAutomaticDefensiveActionPSSupport, new CAutomaticDefensiveActionPSDouble};
    for (CAutomaticDefensiveActionPage* page : m_pages) {
        page->setParent(this);
    }
}

void CAutomaticDefensiveActionPS::AddPages() {
    for (CAutomaticDefensiveActionPage* page : m_pages) {
        page->Load(m_defence);
        AddPage(page);
    }
}

void CAutomaticDefensiveActionPS::Save() {
    for (CAutomaticDefensiveActionPage* page : m_pages) {
        page->Store(m_defence);
    }
    m_defence.Save();
}

bool CAutomaticDefensiveActionPS::DoModal() {
    AddPages();
    if (exec() != QDialog::Accepted) {
        return false;
    }
    Save();
    return true;
}
