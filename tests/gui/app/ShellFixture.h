#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "CScriptedPrompts.h"
#include "items/CTreeItem.h"

class CLorvaneApp;
class CLorvaneMainFrame;
class CLorvaneView;
class QPoint;
class QTemporaryDir;

// What every shell test starts from: empty settings of its own, scripted prompts, a
// temporary folder, and an application started with the given command line.
class ShellFixture {
public:
    ShellFixture();
    ~ShellFixture();

    CLorvaneApp& Start(const QStringList& arguments = {});
    CLorvaneApp& App() { return *m_app; }
    CLorvaneMainFrame& Frame();
    CLorvaneView& View();
    void Stop();

    QString TempPath(const QString& name) const;
    QString WriteDocument(const QString& name, const std::string& bytes) const;

    CScriptedPrompts prompts;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CLorvaneApp> m_app;
};

// Clears the user's settings of this test program.
void ClearSettings();

// An item kind of the tests' own, which records what the view asks of it.
class CFakeItem : public CTreeItem {
public:
    explicit CFakeItem(const std::string& name, unsigned menu = 154);

    bool OnCommand(CItemTree* tree, unsigned id) override;
    bool OnDoubleClick(CItemTree* tree) override;
    bool GetText(std::string& text, bool topLevel) override;

    std::set<unsigned> enabledCommands;
    std::function<void(unsigned)> onExecute;
    int doubleClicks = 0;
};

// A fake item given a node under parent, as a document's item would get one.
CFakeItem* AddFakeItem(CTreeItem* parent, const std::string& name, bool canDelete = true);

// The centre of a node's label in the view's viewport.
QPoint LabelCentre(CLorvaneView& view, CTreeItem* item);
