#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "gui/app/CRecentFileList.h"
#include "gui/app/IApplication.h"

class CLorvaneChildFrame;
class CLorvaneMainFrame;
class CQtBiddingListSheet;
class CQtPrompts;
class QWidget;

// The application: start-up, the documents' life (New, Open, the recent files), the main
// window's placement between runs, and the commands that need no document.
class CLorvaneApp : public QObject, public IApplication {
    Q_OBJECT

public:
    CLorvaneApp();
    ~CLorvaneApp() override;
    CLorvaneApp(const CLorvaneApp&) = delete;
    CLorvaneApp& operator=(const CLorvaneApp&) = delete;

    static CLorvaneApp* Instance();

    // Start-up with the command line's arguments (without the program's name). False ends
    // the program: the main window could not be made, or a named file could not be opened.
    bool InitInstance(const QStringList& arguments);
    CLorvaneMainFrame* MainFrame() const { return m_mainFrame.get(); }

    CLorvaneChildFrame* OnFileNew();
    void OnFileOpen();
    // The document's window, activated when the file is open already; null (after a message)
    // when the file cannot be read.
    CLorvaneChildFrame* OpenDocumentFile(const QString& path) override;
    // The log-book document, where the bidding table logs deals.
    void OnFileOpenLogBook();
    // A deal file opened as a document: with the person's consent its deals go into a new
    // session of a new document.
    CLorvaneChildFrame* ImportDealFile(const QString& path);
    void OpenRecentFile(int index) override;
    CRecentFileList& RecentFiles() { return m_recentFiles; }
    const CRecentFileList& RecentFiles() const override { return m_recentFiles; }

    bool IsAppCommand(unsigned id) const;
    bool IsAppCommandEnabled(unsigned id) const override;
    void OnAppCommand(unsigned id) override;
    void OnAppAbout();
    void OnOptionsGeneral();

    // The folder of the program's file, with a trailing "/".
    QString GetProgramDirectory() const { return m_programDirectory; }

signals:
    void RecentFilesChanged();

private:
    CLorvaneChildFrame* ShowDocument(class CGuiDocument* document);
    void NoteRecentFile(const class CGuiDocument& document);

    std::unique_ptr<CQtPrompts> m_prompts;
    std::unique_ptr<CQtBiddingListSheet> m_biddingListSheet;
    std::unique_ptr<class CAnalysisService> m_analysis;  // the review's solver thread
    std::unique_ptr<CLorvaneMainFrame> m_mainFrame;
    CRecentFileList m_recentFiles;
    QString m_programDirectory;
};
