#include "gui/app/CRecentFileList.h"

#include <QDir>
#include <QFileInfo>

#include "core/platform/Settings.h"
#include "gui/common/QtText.h"

namespace {
const char kSection[] = "Recent File List";

std::string KeyOf(int index) {
    return "File" + std::to_string(index + 1);
}

QString Canonical(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}
}  // namespace

CRecentFileList::CRecentFileList(int size) : m_size(size) {}

void CRecentFileList::Load() {
    m_entries.clear();
    for (int i = 0; i < m_size; ++i) {
        const QString path = QString::fromStdString(GetProfileString(kSection, KeyOf(i), ""));
        if (!path.isEmpty() && !m_entries.contains(path)) {
            m_entries.append(path);
        }
    }
}

void CRecentFileList::Add(const QString& path) {
    const QString canonical = Canonical(path);
    m_entries.removeAll(canonical);
    m_entries.prepend(canonical);
    while (m_entries.size() > m_size) {
        m_entries.removeLast();
    }
    Save();
}

void CRecentFileList::Remove(const QString& path) {
    if (m_entries.removeAll(path) == 0) {
        m_entries.removeAll(Canonical(path));
    }
    Save();
}

QString CRecentFileList::MenuText(int index) const {
    const QString& path = m_entries.at(index);
    const QString name = QFileInfo(path).fileName();
    int sameName = 0;
    for (const QString& other : m_entries) {
        sameName += QFileInfo(other).fileName() == name ? 1 : 0;
    }
    const QString shown = sameName > 1 ? QDir::toNativeSeparators(path) : name;
    return QStringLiteral("&%1 %2").arg(index + 1).arg(EscapeMnemonics(shown));
}

void CRecentFileList::Save() const {
    for (int i = 0; i < m_size; ++i) {
        WriteProfileString(kSection, KeyOf(i), i < m_entries.size() ? ToBytes(m_entries[i]) : "");
    }
}
