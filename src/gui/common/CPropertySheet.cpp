#include "gui/common/CPropertySheet.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/common/CHelpWindow.h"
#include "gui/common/CPropertyPage.h"

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent),
      m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this)) {
    setWindowTitle(caption);
    setObjectName(QStringLiteral("propertySheet"));
    m_tabs->setObjectName(QStringLiteral("pages"));
    m_tabs->setUsesScrollButtons(false);  // every page's tab in view
    m_buttons->setObjectName(QStringLiteral("buttons"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, &CPropertySheet::ShowHelp);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (CPropertyPage* page = GetPage(index)) {
            page->OnSetActive();
        }
    });
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    m_pages.append(page);
    m_tabs->addTab(page, page->Caption());
}

int CPropertySheet::GetPageCount() const {
    return static_cast<int>(m_pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < m_pages.size() ? m_pages[index] : nullptr;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(m_tabs->currentIndex());
}

void CPropertySheet::SetActivePage(int index) {
    m_tabs->setCurrentIndex(index);
}

QPushButton* CPropertySheet::OkButton() const {
    return m_buttons->button(QDialogButtonBox::Ok);
}

void CPropertySheet::EnableOk(bool enable) {
    OkButton()->setEnabled(enable);
}

void CPropertySheet::accept() {
    if (!OkButton()->isEnabled()) {
        return;  // Enter must not get round a disabled OK
    }
    for (CPropertyPage* page : m_pages) {
        if (!page->OnKillActive()) {
            m_tabs->setCurrentWidget(page);
            return;
        }
    }
    QDialog::accept();
}

void CPropertySheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (CPropertyPage* page = GetActivePage()) {
        page->OnSetActive();
    }
}

void CPropertySheet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CPropertySheet::ShowHelp() {
    const CPropertyPage* page = GetActivePage();
    CHelpWindow::ShowTopic(page != nullptr ? page->HelpContext() : IDH_CONTENTS);
}
