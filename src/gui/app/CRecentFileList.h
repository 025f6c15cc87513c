#pragma once

#include <QString>
#include <QStringList>

// The most recently used documents, newest first, kept in the settings store under
// "Recent File List" ("File1" to "FileN"). Every change is stored at once, so a second
// window or a crash loses nothing.
class CRecentFileList {
public:
    explicit CRecentFileList(int size);

    void Load();
    // Puts the path first; an entry for the same file moves up instead of appearing twice.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Entries() const { return m_entries; }
    int Size() const { return m_size; }

    // "&1 name" for the File menu: the file name when it is unique in the list, else the path.
    QString MenuText(int index) const;

private:
    void Save() const;

    int m_size;
    QStringList m_entries;
};
