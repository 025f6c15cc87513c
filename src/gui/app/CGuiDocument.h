#pragma once

#include <QObject>
#include <QString>

#include "core/items/CLorvaneDoc.h"

// A document as the windows see it: the core document with its title, its file name and
// the window-side steps of New, Open, Save, Save As and closing with the save question.
class CGuiDocument : public QObject {
    Q_OBJECT

public:
    explicit CGuiDocument(QObject* parent = nullptr);
    ~CGuiDocument() override;

    // An empty document titled "Bidding" and a running number.
    bool OnNewDocument();
    // False when the file cannot be read at all (the core has said why). A file that fails
    // the version check opens in the failed state.
    bool OnOpenDocument(const QString& path);

    // Save: to the document's file, or through Save As when it has none. False when the
    // person cancelled or the save failed; the file on disk is then unchanged.
    bool DoFileSave();
    bool DoFileSaveAs();
    // Before closing: asks whether a modified document is to be saved. False when the
    // person cancelled, or chose to save and the save failed: the document then stays open.
    bool SaveModified();

    bool IsModified() const { return m_doc.IsModified(); }
    void SetModifiedFlag(bool modified);
    // Tells the windows when the core changed the flag behind this object's back (building
    // the tree's nodes sets it and puts it back).
    void RefreshModified();
    QString GetTitle() const { return m_title; }
    QString GetPathName() const { return m_pathName; }
    CLorvaneDoc& Doc() { return m_doc; }
    const CLorvaneDoc& Doc() const { return m_doc; }

signals:
    void TitleChanged();
    void ModifiedChanged(bool modified);
    // After a successful save under a file name, or an open.
    void PathUsed(const QString& path);

private:
    bool DoSave(const QString& path);
    void SetPathName(const QString& path);

    CLorvaneDoc m_doc;
    bool m_shownModified = false;
    QString m_title;
    QString m_pathName;
};
