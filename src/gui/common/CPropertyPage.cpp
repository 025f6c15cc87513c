#include "gui/common/CPropertyPage.h"

CPropertyPage::CPropertyPage(const QString& caption, unsigned helpContext, QWidget* parent)
    : QWizardPage(parent), m_caption(caption), m_helpContext(helpContext) {
    setTitle(caption);
}

bool CPropertyPage::UpdateData(bool) {
    return true;
}

void CPropertyPage::SetComplete(bool complete) {
    if (m_complete != complete) {
        m_complete = complete;
        emit completeChanged();
    }
}
