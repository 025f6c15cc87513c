#include "ShellFixture.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/CGuiDocument.h"
#include "app/CLorvaneApp.h"
#include "app/CLorvaneChildFrame.h"
#include "app/CLorvaneMainFrame.h"
#include "app/CLorvaneView.h"
#include "platform/Prompts.h"

void ClearSettings() {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fendrake"),
                       QStringLiteral("Lorvane"));
    settings.clear();
    settings.sync();
}

ShellFixture::ShellFixture() : m_dir(std::make_unique<QTemporaryDir>()) {
    ClearSettings();
    SetPrompts(&prompts);
}

ShellFixture::~ShellFixture() {
    Stop();
    SetPrompts(nullptr);
}

CLorvaneApp& ShellFixture::Start(const QStringList& arguments) {
    m_app = std::make_unique<CLorvaneApp>();
    if (!m_app->InitInstance(arguments)) {
        QTest::qFail("start-up failed", __FILE__, __LINE__);
    }
    return *m_app;
}

CLorvaneMainFrame& ShellFixture::Frame() {
    return *m_app->MainFrame();
}

CLorvaneView& ShellFixture::View() {
    return *Frame().ActiveView();
}

void ShellFixture::Stop() {
    if (m_app != nullptr && m_app->MainFrame() != nullptr) {
        // Whatever a test left modified is thrown away without a question.
        for (CLorvaneChildFrame* child : m_app->MainFrame()->Children()) {
            child->GetDocument()->SetModifiedFlag(false);
        }
    }
    m_app.reset();
}

QString ShellFixture::TempPath(const QString& name) const {
    return m_dir->filePath(name);
}

QString ShellFixture::WriteDocument(const QString& name, const std::string& bytes) const {
    const QString path = TempPath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

CFakeItem::CFakeItem(const std::string& name, unsigned menu)
    : CTreeItem(61808, 61808, 155, 155, menu) {
    SetName(name);
    SetCanCopy(true);
    SetCanClearAll(true);
}

bool CFakeItem::OnCommand(CItemTree* tree, unsigned id) {
    if (enabledCommands.count(id) == 0) {
        return false;
    }
    if (tree != nullptr && onExecute) {
        onExecute(id);
    }
    return true;
}

bool CFakeItem::OnDoubleClick(CItemTree*) {
    ++doubleClicks;
    return false;
}

bool CFakeItem::GetText(std::string& text, bool) {
    text += "Text of " + GetName() + "\r\nNorth:\tAnn\r\n";
    return true;
}

CFakeItem* AddFakeItem(CTreeItem* parent, const std::string& name, bool canDelete) {
    auto* item = new CFakeItem(name);
    item->SetCanDelete(canDelete);
    item->InsertIntoTree(parent);
    parent->Expand(true, false);
    return item;
}

QPoint LabelCentre(CLorvaneView& view, CTreeItem* item) {
    return view.NodeLabelRect(static_cast<QTreeWidgetItem*>(item->GetNode())).center();
}
