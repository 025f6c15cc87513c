#include "gui/bidding/CBiddingListPS.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWizard>
#include <algorithm>

#include "core/bidding/BiddingIds.h"
#include "core/bidding/BiddingStrings.h"
#include "gui/bidding/CBiddingListPSDeal.h"
#include "gui/bidding/CBiddingListPSFileType.h"
#include "gui/bidding/CBiddingListPSGeneral.h"
#include "gui/common/AppStrings.h"
#include "gui/common/CHelpWindow.h"
#include "gui/common/CPropertySheet.h"

CBiddingListPS::CBiddingListPS(int mode, QWidget* parent)
    : m_mode(mode),
      m_deal(new CBiddingListPSDeal),
      m_general(new CBiddingListPSGeneral),
      m_fileType(new CBiddingListPSFileType) {
    const QString title =
        AppString(mode == PROPERTIES_MODE_OPTIONS ? IDS_SESSION_OPTIONS : IDS_SESSION_PROPERTIES);
    QDialog* dialog = nullptr;
    if (mode == PROPERTIES_MODE_INSERT) {
        m_wizard = new QWizard(parent);
        m_wizard->setWindowTitle(title);
        m_wizard->setWizardStyle(QWizard::ClassicStyle);
        m_wizard->setOption(QWizard::HaveHelpButton);
        m_wizard->setOption(QWizard::NoBackButtonOnStartPage);
        const auto helpContext = [this] {
            auto* page = qobject_cast<CPropertyPage*>(m_wizard->currentPage());
            return page != nullptr ? page->HelpContext() : IDH_CONTENTS;
        };
        connect(m_wizard, &QWizard::helpRequested, this,
                [helpContext] { CHelpWindow::ShowTopic(helpContext()); });
        CHelpWindow::AddHelpKey(m_wizard, helpContext);
        connect(m_wizard, &QWizard::currentIdChanged, this, [this] {
            if (auto* page = qobject_cast<CPropertyPage*>(m_wizard->currentPage())) {
                page->OnSetActive();
            }
        });
        dialog = m_wizard;
    } else {
        m_sheet = new CPropertySheet(title, parent);
        dialog = m_sheet;
    }
    dialog->setObjectName(QStringLiteral("biddingListSheet"));
    // Pages that the mode leaves out go with the dialog.
    for (CBiddingListPage* page :
         {static_cast<CBiddingListPage*>(m_deal), static_cast<CBiddingListPage*>(m_general),
          static_cast<CBiddingListPage*>(m_fileType)}) {
        page->setParent(dialog);
        page->hide();
    }
}

CBiddingListPS::~CBiddingListPS() {
    delete Dialog();
}

QDialog* CBiddingListPS::Dialog() const {
    return m_wizard != nullptr ? static_cast<QDialog*>(m_wizard) : m_sheet.data();
}

std::vector<CBiddingListPage*> CBiddingListPS::Pages() const {
    std::vector<CBiddingListPage*> pages;
    if (m_mode == PROPERTIES_MODE_INSERT) {
        pages.push_back(m_deal);
    }
    pages.push_back(m_general);
    if (m_mode == PROPERTIES_MODE_OPTIONS) {
        pages.push_back(m_fileType);
    }
    return pages;
}

void CBiddingListPS::LoadFromSession(CBiddingList* session) {
    for (CBiddingListPage* page : Pages()) {
        page->Load(this, session);
        if (m_wizard != nullptr) {
            m_wizard->addPage(page);
        } else {
            m_sheet->AddPage(page);
        }
    }
}

bool CBiddingListPS::StoreToSession(CBiddingList* session) {
    const std::vector<CBiddingListPage*> pages = Pages();
    return std::all_of(pages.begin(), pages.end(),
                       [session](CBiddingListPage* page) { return page->Store(session); });
}

void CBiddingListPS::EnableFinish(bool enable) {
    if (m_wizard != nullptr) {
        // The wizard offers Back after the first page, and Next or Finish while the page
        // allows it.
        if (auto* page = qobject_cast<CPropertyPage*>(m_wizard->currentPage())) {
            page->SetComplete(enable);
        }
    } else if (m_sheet != nullptr) {
        m_sheet->EnableOk(enable);
    }
}

void CBiddingListPS::PressNext() {
    if (m_wizard != nullptr) {
        m_wizard->next();
    }
}

bool CBiddingListPS::DoModal() {
    QDialog* dialog = Dialog();
    return dialog != nullptr && dialog->exec() == QDialog::Accepted;
}
