#include "gui/app/CLorvaneApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>
#include <clocale>

#include "core/bidding/BiddingListSheet.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CLogBook.h"
#include "core/deals/DealFileFormats.h"
#include "core/items/ItemsStrings.h"
#include "core/platform/Prompts.h"
#include "core/platform/Settings.h"
#include "core/platform/StatusDisplay.h"
#include "core/review/CDdsSolver.h"
#include "gui/app/CAboutDialog.h"
#include "gui/app/CGuiDocument.h"
#include "gui/app/CLorvaneChildFrame.h"
#include "gui/app/CLorvaneMainFrame.h"
#include "gui/app/CLorvaneView.h"
#include "gui/app/COptionsPS.h"
#include "gui/app/CQtPrompts.h"
#include "gui/app/CQtStatusDisplay.h"
#include "gui/app/CommandTable.h"
#include "gui/app/WindowPlacement.h"
#include "gui/bidding/CQtBiddingListSheet.h"
#include "gui/bidding/SessionCommands.h"
#include "gui/common/AppStrings.h"
#include "gui/common/CAnalysisService.h"
#include "gui/common/QtText.h"
#include "gui/common/TextPrinting.h"
#include "gui/defence/CAutomaticDefensiveActionPS.h"
#include "gui/table/CBiddingDialogLauncher.h"
#include "platform/QtPlatform.h"

namespace {
CLorvaneApp* g_app = nullptr;

}  // namespace

CLorvaneApp::CLorvaneApp() : m_recentFiles(kRecentFileCount) {
    g_app = this;
}

CLorvaneApp::~CLorvaneApp() {
    if (m_mainFrame != nullptr && GetStatusDisplay() == &m_mainFrame->StatusDisplay()) {
        SetStatusDisplay(nullptr);
    }
    m_mainFrame.reset();
    m_analysis.reset();  // waits for the solver's batch in progress
    if (m_biddingListSheet != nullptr && GetBiddingListSheet() == m_biddingListSheet.get()) {
        SetBiddingListSheet(nullptr);
    }
    if (m_prompts != nullptr && GetPrompts() == m_prompts.get()) {
        SetPrompts(nullptr);
    }
    if (g_app == this) {
        g_app = nullptr;
    }
}

CLorvaneApp* CLorvaneApp::Instance() {
    return g_app;
}

bool CLorvaneApp::InitInstance(const QStringList& arguments) {
    InstallQtPlatform();  // the settings of "Fendrake", "Lorvane"
    std::setlocale(LC_ALL, "");
    m_programDirectory = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    if (GetPrompts() == nullptr) {
        m_prompts = std::make_unique<CQtPrompts>();
        SetPrompts(m_prompts.get());
    }
    m_biddingListSheet = std::make_unique<CQtBiddingListSheet>();
    SetBiddingListSheet(m_biddingListSheet.get());
    InstallBiddingDialogLauncher();  // a deal's Open shows the bidding table
    m_analysis = std::make_unique<CAnalysisService>(std::make_unique<CDdsSolver>());
    CAnalysisService::Install(m_analysis.get());
    {
        // The general options are in force before any window is drawn.
        COptionsPS options;
        options.AddPages();
    }
    m_recentFiles.Load();

    m_mainFrame = std::make_unique<CLorvaneMainFrame>(*this);
    connect(this, &CLorvaneApp::RecentFilesChanged, m_mainFrame.get(),
            &CLorvaneMainFrame::UpdateRecentFileActions);
    SetStatusDisplay(&m_mainFrame->StatusDisplay());

    if (arguments.isEmpty()) {
        if (OnFileNew() == nullptr) {
            return false;
        }
    }
    for (const QString& argument : arguments) {
        if (OpenDocumentFile(argument) == nullptr) {
            return false;
        }
    }
    if (!RestoreWindowPlacement(m_mainFrame.get())) {
        m_mainFrame->show();
    }
    return true;
}

// ---- Documents ----

CLorvaneChildFrame* CLorvaneApp::ShowDocument(CGuiDocument* document) {
    auto* child = new CLorvaneChildFrame(document);
    connect(document, &CGuiDocument::PathUsed, this, [this](const QString& path) {
        m_recentFiles.Add(path);
        emit RecentFilesChanged();
    });
    child->GetView()->OnInitialUpdate();
    m_mainFrame->AddChild(child);
    return child;
}

CLorvaneChildFrame* CLorvaneApp::OnFileNew() {
    auto* document = new CGuiDocument;
    if (!document->OnNewDocument()) {
        delete document;
        return nullptr;
    }
    return ShowDocument(document);
}

void CLorvaneApp::OnFileOpen() {
    FileChoice choice;
    choice.filter = FormatMessageText(ToBytes(AppString(IDS_OPEN_FILTER)), {AllDealFilesFilter()});
    choice.defaultExtension = ToBytes(AppString(IDS_DOCUMENT_EXTENSION));
    choice.mustExist = true;
    std::string path;
    if (ChooseOpenFile(choice, path)) {
        OpenDocumentFile(QString::fromStdString(path));
    }
}

void CLorvaneApp::OnFileOpenLogBook() {
    const QString path = QString::fromStdString(CLogBook::Path());
    if (!QFileInfo::exists(path)) {
        ShowMessage(ToBytes(AppString(IDS_NO_LOG_BOOK)), MessageIcon::Information);
        return;
    }
    OpenDocumentFile(path);
}

CLorvaneChildFrame* CLorvaneApp::OpenDocumentFile(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    for (CLorvaneChildFrame* child : m_mainFrame->Children()) {
        const QString open = child->GetDocument()->GetPathName();
        if (!open.isEmpty() && !canonical.isEmpty() &&
            QFileInfo(open).canonicalFilePath() == canonical) {
            m_mainFrame->MdiArea()->setActiveSubWindow(child);
            NoteRecentFile(*child->GetDocument());
            return child;
        }
    }
    if (info.isDir()) {
        // A folder opens as a file on this system and would read as a damaged document.
        ShowMessage(FormatMessageText(LoadString(IDS_FILE_NOT_FOUND),
                                      {info.absoluteFilePath().toStdString()}),
                    MessageIcon::Stop);
        return nullptr;
    }
    if (FindDealFileFormat(FileExtensionOf(ToBytes(info.fileName()))) != nullptr) {
        return ImportDealFile(info.absoluteFilePath());
    }
    auto* document = new CGuiDocument;
    if (!document->OnOpenDocument(info.absoluteFilePath())) {
        delete document;
        return nullptr;
    }
    NoteRecentFile(*document);
    return ShowDocument(document);
}

// A document that failed to load is shown, so that the person sees what happened, but it is
// not offered again.
void CLorvaneApp::NoteRecentFile(const CGuiDocument& document) {
    if (document.Doc().IsLoadFailed()) {
        m_recentFiles.Remove(document.GetPathName());
    } else {
        m_recentFiles.Add(document.GetPathName());
    }
    emit RecentFilesChanged();
}

CLorvaneChildFrame* CLorvaneApp::ImportDealFile(const QString& path) {
    const std::string question = FormatMessageText(ToBytes(AppString(IDS_OPEN_DEAL_FILE)),
                                                   {ToBytes(QFileInfo(path).fileName())});
    IPrompts* prompts = GetPrompts();
    if (prompts == nullptr || prompts->ShowMessage(question, MessageIcon::Question,
                                                   MessageButtons::YesNo) != MessageAnswer::Yes) {
        return nullptr;
    }
    CLorvaneChildFrame* child = OnFileNew();
    if (child != nullptr) {
        InsertSessionFromFile(child->GetDocument()->Doc(), path.toStdString());
    }
    return child;
}

void CLorvaneApp::OpenRecentFile(int index) {
    if (index < 0 || index >= m_recentFiles.Entries().size()) {
        return;
    }
    const QString path = m_recentFiles.Entries().at(index);
    if (OpenDocumentFile(path) == nullptr) {
        m_recentFiles.Remove(path);
        emit RecentFilesChanged();
    }
}

// ---- Commands ----

bool CLorvaneApp::IsAppCommand(unsigned id) const {
    switch (id) {
        case ID_FILE_NEW:
        case ID_FILE_OPEN:
        case ID_FILE_OPEN_LOG_BOOK:
        case ID_FILE_PRINT_SETUP:
        case ID_APP_ABOUT:
        case ID_OPTIONS_GENERAL:
        case ID_OPTIONS_DEFENSIVE_ACTIONS:
        case ID_OPTIONS_BIDDING_SESSION:
            return true;
        default:
            return false;
    }
}

bool CLorvaneApp::IsAppCommandEnabled(unsigned id) const {
    return IsAppCommand(id);
}

void CLorvaneApp::OnAppCommand(unsigned id) {
    switch (id) {
        case ID_FILE_NEW:
            OnFileNew();
            break;
        case ID_FILE_OPEN:
            OnFileOpen();
            break;
        case ID_FILE_OPEN_LOG_BOOK:
            OnFileOpenLogBook();
            break;
        case ID_FILE_PRINT_SETUP:
            RunPrintSetup(m_mainFrame.get());
            break;
        case ID_APP_ABOUT:
            OnAppAbout();
            break;
        case ID_OPTIONS_GENERAL:
            OnOptionsGeneral();
            break;
        case ID_OPTIONS_BIDDING_SESSION: {
            // A session made only to edit the defaults, which it reads when it is made.
            CBiddingList defaults;
            defaults.EditDefaults();
            break;
        }
        case ID_OPTIONS_DEFENSIVE_ACTIONS: {
            CAutomaticDefensiveActionPS sheet(m_mainFrame.get());
            sheet.DoModal();
            break;
        }
        default:
            break;
    }
}

void CLorvaneApp::OnAppAbout() {
    CAboutDialog about(m_mainFrame.get());
    about.exec();
}

void CLorvaneApp::OnOptionsGeneral() {
    COptionsPS sheet(m_mainFrame.get());
    sheet.AddPages();
    if (sheet.exec() == QDialog::Accepted) {
        sheet.Save();
    }
}
