#include "gui/app/CLorvaneMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "core/items/CItemTree.h"
#include "core/platform/Settings.h"
#include "gui/app/CGuiDocument.h"
#include "gui/app/CLorvaneChildFrame.h"
#include "gui/app/CLorvaneView.h"
#include "gui/app/CQtItemTree.h"
#include "gui/app/CQtStatusDisplay.h"
#include "gui/app/CRecentFileList.h"
#include "gui/app/CommandTable.h"
#include "gui/app/IApplication.h"
#include "gui/app/KeyboardLocks.h"
#include "gui/app/WindowPlacement.h"
#include "gui/common/AppStrings.h"
#include "gui/common/CHelpWindow.h"
#include "gui/common/QtText.h"
#include "gui/images/Pictures.h"

namespace {
// A menu entry or toolbar button while the view or an item decides its state.
class CActionCommandUI : public ICommandUI {
public:
    CActionCommandUI(QAction* action, unsigned id) : m_action(action), m_id(id) {}
    unsigned GetId() const override { return m_id; }
    void Enable(bool enable) override { m_action->setEnabled(enable); }
    void SetText(const std::string& text) override {
        m_action->setText(EscapeMnemonics(FromBytes(text)));
    }

private:
    QAction* m_action;
    unsigned m_id;
};

bool IsDocumentCommand(unsigned id) {
    return id == ID_FILE_SAVE || id == ID_FILE_SAVE_AS || id == ID_FILE_CLOSE;
}
}  // namespace

CLorvaneMainFrame::CLorvaneMainFrame(IApplication& app)
    : m_app(app), m_mdiArea(new QMdiArea(this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(AppString(IDS_APP_TITLE));
    setWindowIcon(PictureIcon(IDB_DEALS));
    setAcceptDrops(true);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setWhatsThis(QStringLiteral(
        "The open documents, each in a window of its own. Drop Lorvane documents here to open "
        "them."));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    resize(800, 600);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] {
        UpdateDocumentMenus();
        UpdateCommands();
    });
    qApp->installEventFilter(this);
    UpdateRecentFileActions();
    UpdateDocumentMenus();
    UpdateCommands();
    UpdateLockIndicators();
}

CLorvaneMainFrame::~CLorvaneMainFrame() {
    qApp->removeEventFilter(this);
    // The windows that go with the frame must not reach back into it.
    m_destroying = true;
    m_mdiArea->disconnect(this);
    for (CLorvaneChildFrame* child : Children()) {
        child->GetView()->disconnect(this);
        child->GetDocument()->disconnect(this);
    }
    delete m_mdiArea;
}

void CLorvaneMainFrame::CreateActions() {
    for (const CommandInfo& info : CommandTable()) {
        auto* action = new QAction(CommandMenuText(info), this);
        action->setObjectName(QStringLiteral("command%1").arg(info.id));
        action->setStatusTip(CommandStatusTip(info));
        action->setToolTip(CommandToolTip(info));
        action->setShortcuts(CommandKeys(info));
        action->setShortcutContext(Qt::WindowShortcut);
        const unsigned id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        m_actions.insert(id, action);
        m_defaultTexts.insert(id, action->text());
    }
    for (unsigned id : ToolbarCommands()) {
        if (id != 0) {
            m_actions.value(id)->setIcon(PictureIcon(id));
        }
    }
    for (unsigned id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        m_actions.value(id)->setCheckable(true);
        m_actions.value(id)->setChecked(true);
    }
    for (int i = 0; i < kRecentFileCount; ++i) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, i] { m_app.OpenRecentFile(i); });
        m_recentFileActions.append(action);
    }
}

QMenu* CLorvaneMainFrame::AddMenu(const QString& title, const QString& objectName,
                                  std::initializer_list<unsigned> ids) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(objectName);
    for (unsigned id : ids) {
        if (id == 0) {
            menu->addSeparator();
        } else {
            menu->addAction(m_actions.value(id));
        }
    }
    connect(menu, &QMenu::aboutToShow, this, &CLorvaneMainFrame::UpdateCommands);
    return menu;
}

QMenu* CLorvaneMainFrame::Menu(const QString& objectName) const {
    return menuBar()->findChild<QMenu*>(objectName);
}

void CLorvaneMainFrame::CreateMenus() {
    QMenu* file =
        AddMenu(QStringLiteral("&File"), QStringLiteral("fileMenu"),
                {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_OPEN_LOG_BOOK, ID_FILE_CLOSE, ID_FILE_SAVE,
                 ID_FILE_SAVE_AS, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP});
    m_recentSeparator = file->addSeparator();
    for (QAction* action : m_recentFileActions) {
        file->addAction(action);
    }
    file->addSeparator();
    file->addAction(m_actions.value(ID_APP_EXIT));

    m_documentMenus.append(
        AddMenu(QStringLiteral("&Edit"), QStringLiteral("editMenu"),
                {ID_EDIT_UNDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE,
                 ID_EDIT_CLEAR_ALL, 0, ID_EDIT_RENAME, ID_PROPERTIES}));
    m_documentMenus.append(
        AddMenu(QStringLiteral("&Bidding"), QStringLiteral("biddingMenu"),
                {ID_INSERT_BIDDING_SESSION, ID_IMPORT, ID_EXPORT, 0, ID_SELECT_NORTH,
                 ID_SELECT_SOUTH, ID_VIEW_ALL, ID_UNHIDE_ALL, 0, ID_REVIEW_SESSION, ID_OPEN}));
    AddMenu(QStringLiteral("&Options"), QStringLiteral("optionsMenu"),
            {ID_OPTIONS_BIDDING_SESSION, ID_OPTIONS_GENERAL, ID_OPTIONS_DEFENSIVE_ACTIONS});
    AddMenu(QStringLiteral("&View"), QStringLiteral("viewMenu"),
            {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR});
    m_windowMenu = AddMenu(QStringLiteral("&Window"), QStringLiteral("windowMenu"),
                           {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_NEXT_PANE, ID_PREV_PANE});
    m_documentMenus.append(m_windowMenu);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CLorvaneMainFrame::UpdateWindowMenu);
    AddMenu(QStringLiteral("&Help"), QStringLiteral("helpMenu"),
            {ID_HELP_FINDER, ID_HELP, ID_CONTEXT_HELP, 0, ID_APP_ABOUT});
}

void CLorvaneMainFrame::CreateToolBar() {
    m_toolBar = new QToolBar(QStringLiteral("Standard"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setWhatsThis(QStringLiteral(
        "The most used commands. Point at a button to see what it does in the status bar."));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setMovable(true);
    for (unsigned id : ToolbarCommands()) {
        if (id == 0) {
            m_toolBar->addSeparator();
        } else {
            m_toolBar->addAction(m_actions.value(id));
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    QAction* toggle = m_actions.value(ID_VIEW_TOOLBAR);
    connect(m_toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CLorvaneMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setWhatsThis(QStringLiteral(
        "What the pointed-at command does, and the progress of opening, saving, importing and "
        "exporting."));
    m_statusDisplay = std::make_unique<CQtStatusDisplay>(bar);
    m_statusDisplay->MessagePane()->setText(AppString(IDS_IDLE_MESSAGE));
    const unsigned texts[3] = {IDS_INDICATOR_CAPS, IDS_INDICATOR_NUM, IDS_INDICATOR_SCROLL};
    const char* names[3] = {"capsLockIndicator", "numLockIndicator", "scrollLockIndicator"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(AppString(texts[i]), bar);
        label->setObjectName(QString::fromLatin1(names[i]));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 12);
        label->hide();
        bar->addPermanentWidget(label);
        m_lockLabels[i] = label;
    }
}

void CLorvaneMainFrame::UpdateLockIndicators() {
    const std::optional<unsigned> locks = QueryKeyboardLocks();
    const unsigned bits[3] = {kCapsLock, kNumLock, kScrollLock};
    for (int i = 0; i < 3; ++i) {
        m_lockLabels[i]->setVisible(locks.has_value());
        // Like the keyboard's own lights: the text shows only while the lock is on.
        m_lockLabels[i]->setEnabled(locks.has_value() && (*locks & bits[i]) != 0);
    }
}

bool CLorvaneMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::WindowActivate) {
        UpdateLockIndicators();
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress ||
        event->type() == QEvent::WindowActivate) {
        RecheckSettings();  // each user action may follow a change made by another program
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Windows ----

CLorvaneChildFrame* CLorvaneMainFrame::ActiveChild() const {
    return qobject_cast<CLorvaneChildFrame*>(m_mdiArea->activeSubWindow());
}

CLorvaneView* CLorvaneMainFrame::ActiveView() const {
    CLorvaneChildFrame* child = ActiveChild();
    return child != nullptr ? child->GetView() : nullptr;
}

QList<CLorvaneChildFrame*> CLorvaneMainFrame::Children() const {
    QList<CLorvaneChildFrame*> children;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* child = qobject_cast<CLorvaneChildFrame*>(window)) {
            children.append(child);
        }
    }
    return children;
}

void CLorvaneMainFrame::AddChild(CLorvaneChildFrame* child) {
    const CLorvaneChildFrame* active = ActiveChild();
    const bool maximized = active == nullptr || active->isMaximized();
    m_mdiArea->addSubWindow(child);
    CLorvaneView* view = child->GetView();
    connect(view, &CLorvaneView::CommandStateChanged, this, &CLorvaneMainFrame::UpdateCommands);
    connect(view, &CLorvaneView::ContextMenuRequested, this, &CLorvaneMainFrame::ShowContextMenu);
    connect(view, &CLorvaneView::HelpRequested, this, &CLorvaneMainFrame::ShowHelp);
    connect(child->GetDocument(), &CGuiDocument::ModifiedChanged, this,
            &CLorvaneMainFrame::UpdateCommands);
    if (maximized) {
        child->showMaximized();
    } else {
        child->show();
    }
    m_mdiArea->setActiveSubWindow(child);
    view->setFocus();
    UpdateDocumentMenus();
    UpdateCommands();
}

bool CLorvaneMainFrame::CloseAllDocuments() {
    for (CLorvaneChildFrame* child : Children()) {
        m_mdiArea->setActiveSubWindow(child);
        if (!child->close()) {
            return false;
        }
    }
    return true;
}

void CLorvaneMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !m_destroying) {
        if (isActiveWindow()) {
            ReturnToWorkedDocument();
        } else {
            m_workedChild = ActiveChild();
        }
    }
    QMainWindow::changeEvent(event);
}

// Coming back, Qt gives the focus to the widget the frame last remembered, or to the first
// one in the Tab chain when that is gone: either may lie in another document, which would
// then come to the front. The document the user left keeps the focus instead.
void CLorvaneMainFrame::ReturnToWorkedDocument() {
    if (m_workedChild == nullptr || m_workedChild->isAncestorOf(focusWidget())) {
        return;
    }
    QWidget* target = m_workedChild->focusWidget();
    if (target == nullptr) {
        target = m_workedChild->GetView();
    }
    if (target->isVisible()) {
        target->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void CLorvaneMainFrame::closeEvent(QCloseEvent* event) {
    if (!CloseAllDocuments()) {
        event->ignore();
        return;
    }
    SaveWindowPlacement(this);
    QMainWindow::closeEvent(event);
}

void CLorvaneMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        for (const QUrl& url : event->mimeData()->urls()) {
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
        }
    }
    event->ignore();
}

void CLorvaneMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    activateWindow();
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            m_app.OpenDocumentFile(url.toLocalFile());
        }
    }
}

// ---- Commands ----

void CLorvaneMainFrame::OnCommand(unsigned id) {
    CLorvaneView* view = ActiveView();
    CLorvaneChildFrame* child = ActiveChild();
    if (view != nullptr && CLorvaneView::IsViewCommand(id)) {
        view->OnCommand(id);
    } else if (IsDocumentCommand(id)) {
        if (child != nullptr) {
            if (child->GetView()->Tree().IsEditing(true)) {
                return;
            }
            if (id == ID_FILE_CLOSE) {
                child->close();
            } else if (id == ID_FILE_SAVE) {
                child->GetDocument()->DoFileSave();
            } else {
                child->GetDocument()->DoFileSaveAs();
            }
        }
    } else {
        switch (id) {
            case ID_VIEW_TOOLBAR:
                m_toolBar->setVisible(!m_toolBar->isVisible());
                break;
            case ID_VIEW_STATUS_BAR:
                statusBar()->setVisible(!statusBar()->isVisible());
                m_actions.value(ID_VIEW_STATUS_BAR)->setChecked(statusBar()->isVisible());
                break;
            case ID_WINDOW_CASCADE:
                m_mdiArea->cascadeSubWindows();
                break;
            case ID_WINDOW_TILE_HORZ:
                m_mdiArea->tileSubWindows();
                break;
            case ID_NEXT_PANE:
                m_mdiArea->activateNextSubWindow();
                break;
            case ID_PREV_PANE:
                m_mdiArea->activatePreviousSubWindow();
                break;
            case ID_HELP:
            case ID_HELP_FINDER:
                ShowHelp(0);
                break;
            case ID_CONTEXT_HELP:
                QWhatsThis::enterWhatsThisMode();
                break;
            case ID_APP_EXIT:
                close();
                break;
            default:
                m_app.OnAppCommand(id);
                break;
        }
    }
    UpdateCommands();
}

void CLorvaneMainFrame::UpdateCommands() {
    if (m_destroying) {
        return;
    }
    CLorvaneView* view = ActiveView();
    CLorvaneChildFrame* child = ActiveChild();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const unsigned id = it.key();
        QAction* action = it.value();
        action->setText(m_defaultTexts.value(id));
        CActionCommandUI commandUI(action, id);
        if (CLorvaneView::IsViewCommand(id)) {
            if (view != nullptr) {
                view->UpdateCommand(commandUI);
            } else {
                action->setEnabled(id == ID_HELP);
            }
        } else if (IsDocumentCommand(id)) {
            action->setEnabled(child != nullptr);
        } else if (id == ID_NEXT_PANE || id == ID_PREV_PANE || id == ID_WINDOW_CASCADE ||
                   id == ID_WINDOW_TILE_HORZ) {
            action->setEnabled(child != nullptr);
        } else if (id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR || id == ID_HELP_FINDER ||
                   id == ID_CONTEXT_HELP || id == ID_APP_EXIT) {
            action->setEnabled(true);
        } else {
            action->setEnabled(m_app.IsAppCommandEnabled(id));
        }
    }
}

void CLorvaneMainFrame::UpdateDocumentMenus() {
    if (m_destroying) {
        return;
    }
    const bool hasDocument = ActiveChild() != nullptr;
    for (QMenu* menu : m_documentMenus) {
        menu->menuAction()->setVisible(hasDocument);
    }
}

void CLorvaneMainFrame::UpdateRecentFileActions() {
    const CRecentFileList& recent = m_app.RecentFiles();
    for (int i = 0; i < m_recentFileActions.size(); ++i) {
        QAction* action = m_recentFileActions[i];
        if (i < recent.Entries().size()) {
            action->setText(recent.MenuText(i));
            action->setStatusTip(recent.Entries()[i]);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
    m_recentSeparator->setVisible(!recent.Entries().isEmpty());
}

void CLorvaneMainFrame::UpdateWindowMenu() {
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<CLorvaneChildFrame*> children = Children();
    if (children.isEmpty()) {
        return;
    }
    m_windowListActions.append(m_windowMenu->addSeparator());
    int number = 1;
    for (CLorvaneChildFrame* child : children) {
        QString title = child->GetDocument()->GetTitle();
        auto* action = m_windowMenu->addAction(
            QStringLiteral("&%1 %2").arg(number++).arg(EscapeMnemonics(title)));
        action->setCheckable(true);
        action->setChecked(child == ActiveChild());
        connect(action, &QAction::triggered, this,
                [this, child] { m_mdiArea->setActiveSubWindow(child); });
        m_windowListActions.append(action);
    }
}

void CLorvaneMainFrame::ShowContextMenu(unsigned menuId, QPoint globalPos) {
    UpdateCommands();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("contextMenu%1").arg(menuId));
    for (unsigned id : ContextMenuCommands(menuId)) {
        menu.addAction(m_actions.value(id));
    }
    if (!menu.isEmpty()) {
        menu.exec(globalPos);
    }
}

void CLorvaneMainFrame::ShowHelp(unsigned context) {
    // F1 in the main window asks about the selected item's kind; with no document, the
    // contents.
    if (context == 0) {
        if (CLorvaneView* view = ActiveView(); view != nullptr && isActiveWindow()) {
            context = view->GetHelpContext();
        }
    }
    CHelpWindow::ShowTopic(context);
}
