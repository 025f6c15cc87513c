#include "CQtSettingsStore.h"

#include <QFileInfo>

namespace {
QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}
}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fendrake"),
                 QStringLiteral("Lorvane")) {}

void CQtSettingsStore::SyncIfChangedOnDisk() const {
    // One look at the file instead of a full sync on every read: imports read the session
    // defaults once per deal.
    const QFileInfo file(m_settings.fileName());
    const QDateTime modified = file.exists() ? file.lastModified() : QDateTime();
    const qint64 size = file.exists() ? file.size() : -1;
    if (modified != m_seenModified || size != m_seenSize) {
        m_settings.sync();
        m_seenModified = modified;
        m_seenSize = size;
    }
}

std::optional<int> CQtSettingsStore::ReadInt(const std::string& section,
                                             const std::string& key) const {
    SyncIfChangedOnDisk();
    const QVariant value = m_settings.value(KeyPath(section, key));
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!value.isValid() || !ok) {
        return std::nullopt;
    }
    return number;
}

std::optional<std::string> CQtSettingsStore::ReadString(const std::string& section,
                                                        const std::string& key) const {
    SyncIfChangedOnDisk();
    const QVariant value = m_settings.value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // Texts are kept as the bytes the core works with.
    return value.toString().toStdString();
}

void CQtSettingsStore::WriteInt(const std::string& section, const std::string& key, int value) {
    m_settings.setValue(KeyPath(section, key), value);
    m_settings.sync();
}

void CQtSettingsStore::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
    m_settings.setValue(KeyPath(section, key), QString::fromStdString(value));
    m_settings.sync();
}
