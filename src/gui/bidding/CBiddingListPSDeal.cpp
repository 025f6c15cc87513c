#include "gui/bidding/CBiddingListPSDeal.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/bidding/BiddingStrings.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/platform/Prompts.h"
#include "gui/bidding/BiddingSheetIds.h"
#include "gui/bidding/CBiddingListPS.h"
#include "gui/bidding/DealImport.h"
#include "gui/common/CHelpWindow.h"
#include "gui/common/QtText.h"

namespace {
QGroupBox* NoteBox(const QString& title, const QString& text, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* label = new QLabel(text, box);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(label);
    return box;
}
}  // namespace

// The note points to the help on generating and importing deals, so that is the page's topic.
CBiddingListPSDeal::CBiddingListPSDeal(QWidget* parent)
    : CBiddingListPage(QStringLiteral("Deal"), IDH_GENERATING_DEALS, parent) {
    setObjectName(QStringLiteral("dealPage"));
    auto* deal = new QGroupBox(QStringLiteral("Deal"), this);
    auto* label = new QLabel(QStringLiteral("&Import file:"), deal);
    m_importFileEdit = NewPageControl<QLineEdit>(IDC_IMPORT_FILE, deal);
    label->setBuddy(m_importFileEdit);
    m_browse = NewPageControl<QPushButton>(IDC_BROWSE, QStringLiteral("Br&owse..."), deal);
    m_browse->setAutoDefault(false);
    auto* row = new QHBoxLayout(deal);
    row->addWidget(label);
    row->addWidget(m_importFileEdit, 1);
    row->addWidget(m_browse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(deal);
    layout->addWidget(NoteBox(
        QStringLiteral("Note!"),
        QStringLiteral("Lorvane offers no deal generating facilities. This means that deals have "
                       "to be generated in a deal generator, exported to a text file and then "
                       "imported into Lorvane.\n\nClick Help to get more information on "
                       "generating and importing deals."),
        this));
    layout->addWidget(NoteBox(
        QStringLiteral("Tip!"),
        QStringLiteral("If you select the menu item Options-Bidding Session and select the File "
                       "Type tab you can change the default file type."),
        this));
    layout->addStretch();
    connect(m_browse, &QPushButton::clicked, this, &CBiddingListPSDeal::OnBrowse);
}

bool CBiddingListPSDeal::Store(CBiddingList* session) {
    return m_importFile.empty() || ImportNamedFile(*session, m_importFile);
}

bool CBiddingListPSDeal::OnKillActive() {
    UpdateData(true);
    if (m_importFile.empty() || Session() == nullptr) {
        return true;
    }
    std::string ext;
    const std::string path = Session()->CompleteImportPath(m_importFile, ext);
    if (QFileInfo::exists(QString::fromStdString(path))) {
        return true;
    }
    ShowMessage(FormatMessageText(LoadString(IDS_IMPORT_FILE_MISSING), {path}), MessageIcon::Stop);
    m_importFileEdit->setFocus();
    m_importFileEdit->selectAll();
    return false;
}

bool CBiddingListPSDeal::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        m_importFile = m_importFileEdit->text().toStdString();  // a path: the file system's bytes
    } else {
        m_importFileEdit->setText(QString::fromStdString(m_importFile));
    }
    return true;
}

void CBiddingListPSDeal::OnBrowse() {
    // A deal of the session's kind knows the file dialog, with its filters by the default
    // file type; it never enters the document.
    CBiddingDeal deal;
    std::string path;
    if (!deal.BrowseImportFile(path)) {
        return;
    }
    UpdateData(true);
    m_importFile = path;
    UpdateData(false);
    if (Sheet() != nullptr) {
        Sheet()->PressNext();
    }
}
