#include "ShellFixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/platform/Prompts.h"

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void Press(QObject* sheet, QDialogButtonBox::StandardButton which) {
    sheet->findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(which)->click();
}

ShellFixture::ShellFixture() : m_dir(std::make_unique<QTemporaryDir>()) {
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Fendrake", "Lorvane").clear();
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

bool ShellFixture::Enabled(unsigned id) {
    Frame().UpdateCommands();
    return Action(id)->isEnabled();
}

bool ShellFixture::Drive(unsigned command, const std::function<void(QDialog*)>& drive) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = true;
            drive(dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        }
    });
    Frame().UpdateCommands();
    Action(command)->trigger();
    return shown;
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

CFakeItem::CFakeItem(const std::string& name) : CTreeItem(61808, 61808, 155, 155, 154) {
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
