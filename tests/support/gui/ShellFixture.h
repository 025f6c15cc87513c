#pragma once

#include <QByteArray>
#include <QDialogButtonBox>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "CScriptedPrompts.h"
#include "core/items/CDesktop.h"
#include "core/items/CTreeItem.h"
#include "gui/app/CGuiDocument.h"
#include "gui/app/CLorvaneApp.h"
#include "gui/app/CLorvaneChildFrame.h"
#include "gui/app/CLorvaneMainFrame.h"
#include "gui/app/CLorvaneView.h"

class QTemporaryDir;

// What every shell test starts from: empty settings of its own, scripted prompts, a
// temporary folder, and an application started with the given command line.
class ShellFixture {
public:
    ShellFixture();
    ~ShellFixture();

    CLorvaneApp& Start(const QStringList& arguments = {});
    void Stop();
    CLorvaneApp& App() { return *m_app; }
    CLorvaneMainFrame& Frame() { return *m_app->MainFrame(); }
    CLorvaneView& View() { return *Frame().ActiveView(); }
    CGuiDocument& Document() { return *Frame().ActiveChild()->GetDocument(); }
    CDesktop* Desktop() { return Document().Doc().GetDesktop(); }
    QAction* Action(unsigned id) { return Frame().Action(id); }
    // Whether the command is enabled once the frame has updated its commands.
    bool Enabled(unsigned id);
    // Triggers the command and works the modal dialog it shows with drive; the dialog is
    // cancelled if drive leaves it open. False when no dialog came up.
    bool Drive(unsigned command, const std::function<void(QDialog*)>& drive);
    std::string LastMessage() const {
        return prompts.Messages().empty() ? std::string() : prompts.Messages().back().text;
    }

    QString TempPath(const QString& name) const;
    QString WriteDocument(const QString& name, const std::string& bytes) const;

    CScriptedPrompts prompts;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CLorvaneApp> m_app;
};

QByteArray ReadAll(const QString& path);

// A dialog's control by its numeric id, and a sheet's standard button.
template <typename T>
T* Control(QObject* dialog, int id) {
    return dialog->findChild<T*>(QStringLiteral("control%1").arg(id));
}
void Press(QObject* sheet, QDialogButtonBox::StandardButton which);

// An item kind of the tests' own, which records what the view asks of it.
class CFakeItem : public CTreeItem {
public:
    explicit CFakeItem(const std::string& name);

    bool OnCommand(CItemTree* tree, unsigned id) override;
    bool OnDoubleClick(CItemTree*) override {
        ++doubleClicks;
        return false;
    }
    bool GetText(std::string& text, bool) override {
        text += "Text of " + GetName();
        return true;
    }

    std::set<unsigned> enabledCommands;
    std::function<void(unsigned)> onExecute;
    int doubleClicks = 0;
};

// A fake item given a node under parent, as a document's item would get one.
CFakeItem* AddFakeItem(CTreeItem* parent, const std::string& name, bool canDelete = true);

// The centre of a node's label in the view's viewport.
QPoint LabelCentre(CLorvaneView& view, CTreeItem* item);
