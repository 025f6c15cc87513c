#pragma once

class CLorvaneChildFrame;
class CRecentFileList;
class QString;

// What the main window asks of the application: opening documents, the recent files and
// the commands that need no document. The window knows the application only by this.
class IApplication {
public:
    virtual ~IApplication() = default;

    // Null (after a message) when the file cannot be read.
    virtual CLorvaneChildFrame* OpenDocumentFile(const QString& path) = 0;
    virtual void OpenRecentFile(int index) = 0;
    virtual const CRecentFileList& RecentFiles() const = 0;
    virtual bool IsAppCommandEnabled(unsigned id) const = 0;
    virtual void OnAppCommand(unsigned id) = 0;
};
