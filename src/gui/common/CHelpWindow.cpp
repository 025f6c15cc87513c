#include "gui/common/CHelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

#include "core/items/ItemIds.h"
#include "gui/common/AppStrings.h"
#include "gui/images/Pictures.h"

namespace {
QPointer<CHelpWindow> g_helpWindow;

struct Topic {
    unsigned context;
    const char* page;
};

// Kinds, then dialogs and sheets by their resource ids.
const Topic kTopics[] = {
    {IDH_CONTENTS, "index.html"},
    {IDH_GENERATING_DEALS, "generating-deals.html"},
    {IDH_COMMANDS, "commands.html"},
    {KIND_DESKTOP, "desktop.html"},
    {KIND_BIDDING_LIST, "session.html"},
    {KIND_BIDDING_DEAL, "deal.html"},
    {KIND_AUCTION, "deal.html"},
    {KIND_CALL, "deal.html"},
    {IDD_BIDDING, "bidding-table.html"},
    {IDD_EDIT_COMMENT, "edit-comment.html"},
    {IDD_BIDDING_LIST_GENERAL, "bidding-session-sheet.html"},
    {IDD_BIDDING_LIST_DEAL, "bidding-session-sheet.html"},
    {IDD_BIDDING_LIST_FILE_TYPE, "bidding-session-sheet.html"},
    {IDD_OPTIONS_GENERAL, "general-options.html"},
    {IDD_DEFENCE_GENERAL, "defensive-actions.html"},
    {IDD_DEFENCE_OPENING, "defensive-actions.html"},
    {IDD_DEFENCE_OVERCALL, "defensive-actions.html"},
    {IDD_DEFENCE_SUPPORT, "defensive-actions.html"},
    {IDD_DEFENCE_DOUBLE, "defensive-actions.html"},
    {IDD_DEFENCE_STRAIN, "defensive-actions.html"},
};
}  // namespace

QString CHelpWindow::TopicUrl(unsigned context) {
    for (const Topic& topic : kTopics) {
        if (topic.context == context) {
            return QStringLiteral("qrc:/help/") + QLatin1String(topic.page);
        }
    }
    return QStringLiteral("qrc:/help/index.html");
}

CHelpWindow* CHelpWindow::Instance() {
    return g_helpWindow;
}

void CHelpWindow::ShowTopic(unsigned context) {
    if (g_helpWindow == nullptr) {
        g_helpWindow = new CHelpWindow;
    }
    g_helpWindow->m_browser->setSource(QUrl(TopicUrl(context)));
    g_helpWindow->show();
    g_helpWindow->FollowModalWindow();
    g_helpWindow->raise();
    g_helpWindow->activateWindow();
}

void CHelpWindow::FollowModalWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal != nullptr ? modal->windowHandle() : nullptr;
    if (windowHandle() != nullptr && windowHandle()->transientParent() != owner) {
        windowHandle()->setTransientParent(owner);
    }
}

void CHelpWindow::AddHelpKey(QWidget* window, std::function<unsigned()> context) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window,
                     [context = std::move(context)] { ShowTopic(context()); });
}

CHelpWindow::CHelpWindow() : QWidget(nullptr, Qt::Window), m_browser(new QTextBrowser(this)) {
    Q_INIT_RESOURCE(help);
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(AppString(IDS_HELP_CAPTION));
    setWindowIcon(PictureIcon(IDB_DEALS));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto* tools = new QToolBar(this);
    QAction* back = tools->addAction(QStringLiteral("&Back"), m_browser, &QTextBrowser::backward);
    QAction* forward =
        tools->addAction(QStringLiteral("&Forward"), m_browser, &QTextBrowser::forward);
    tools->addAction(QStringLiteral("&Contents"), this,
                     [this] { m_browser->setSource(QUrl(TopicUrl(IDH_CONTENTS))); });
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_browser);
    resize(640, 560);
}
