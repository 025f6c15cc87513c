#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class IApplication;
class CLorvaneChildFrame;
class CLorvaneView;
class CQtStatusDisplay;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: the document windows in an MDI area, the menus, the toolbar and the
// status bar. Every command goes through here to the active view, the active document or
// the application.
class CLorvaneMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CLorvaneMainFrame(IApplication& app);
    ~CLorvaneMainFrame() override;

    QMdiArea* MdiArea() const { return m_mdiArea; }
    QToolBar* ToolBar() const { return m_toolBar; }
    CQtStatusDisplay& StatusDisplay() const { return *m_statusDisplay; }
    QAction* Action(unsigned id) const { return m_actions.value(id); }
    QMenu* Menu(const QString& objectName) const;

    CLorvaneChildFrame* ActiveChild() const;
    CLorvaneView* ActiveView() const;
    QList<CLorvaneChildFrame*> Children() const;
    // Shows a new document window, maximized like the active one (or when it is the first).
    void AddChild(CLorvaneChildFrame* child);

    void OnCommand(unsigned id);
    // Enables, disables and names every command for the current selection.
    void UpdateCommands();
    // The lock indicators, where the platform reports the keys' states.
    void UpdateLockIndicators();
    // Closes every document window, asking to save modified ones; false when one stays open.
    bool CloseAllDocuments();
    void UpdateRecentFileActions();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QMenu* AddMenu(const QString& title, const QString& objectName,
                   std::initializer_list<unsigned> ids);
    void UpdateWindowMenu();
    void UpdateDocumentMenus();
    void ShowContextMenu(unsigned menuId, QPoint globalPos);
    void ShowHelp(unsigned context);
    void ReturnToWorkedDocument();

    IApplication& m_app;
    QMdiArea* m_mdiArea;
    QToolBar* m_toolBar = nullptr;
    std::unique_ptr<CQtStatusDisplay> m_statusDisplay;
    QHash<unsigned, QAction*> m_actions;
    QHash<unsigned, QString> m_defaultTexts;
    QList<QAction*> m_recentFileActions;
    QAction* m_recentSeparator = nullptr;
    QMenu* m_windowMenu = nullptr;
    QList<QAction*> m_windowListActions;
    QList<QMenu*> m_documentMenus;
    QLabel* m_lockLabels[3] = {nullptr, nullptr, nullptr};
    bool m_destroying = false;
    // The document window that was active when the frame was last left for another window.
    QPointer<CLorvaneChildFrame> m_workedChild;
};
