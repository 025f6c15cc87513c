#include "CQtSettingsStore.h"

#include <QFileInfo>

namespace {
QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

std::optional<int> IntOf(const QVariant& value) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!value.isValid() || !ok) {
        return std::nullopt;
    }
    return number;
}

std::optional<std::string> StringOf(const QVariant& value) {
    if (!value.isValid()) {
        return std::nullopt;
    }
    // Texts are kept as the bytes the core works with.
    return value.toString().toStdString();
}
}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fendrake"),
                 QStringLiteral("Lorvane")) {}

void CQtSettingsStore::SyncIfChangedOnDisk() const {
    m_recheck = false;
    const QFileInfo file(m_settings.fileName());
    const QDateTime modified = file.exists() ? file.lastModified() : QDateTime();
    const qint64 size = file.exists() ? file.size() : -1;
    if (modified != m_seenModified || size != m_seenSize) {
        Sync();
    }
}

void CQtSettingsStore::Sync() const {
    m_settings.sync();
    const QFileInfo file(m_settings.fileName());
    m_seenModified = file.exists() ? file.lastModified() : QDateTime();
    m_seenSize = file.exists() ? file.size() : -1;
    m_ints.clear();
    m_strings.clear();
}

template <typename T>
std::optional<T> CQtSettingsStore::Cached(Cache<T>& cache, const std::string& section,
                                          const std::string& key,
                                          std::optional<T> (*read)(const QVariant&)) const {
    if (m_recheck) {
        SyncIfChangedOnDisk();
    }
    auto group = cache.find(section);
    if (group == cache.end()) {
        group = cache.emplace(section, typename Cache<T>::mapped_type()).first;
    }
    auto value = group->second.find(key);
    if (value == group->second.end()) {
        value = group->second.emplace(key, read(m_settings.value(KeyPath(section, key)))).first;
    }
    return value->second;
}

std::optional<int> CQtSettingsStore::ReadInt(const std::string& section,
                                             const std::string& key) const {
    return Cached(m_ints, section, key, IntOf);
}

std::optional<std::string> CQtSettingsStore::ReadString(const std::string& section,
                                                        const std::string& key) const {
    return Cached(m_strings, section, key, StringOf);
}

void CQtSettingsStore::WriteInt(const std::string& section, const std::string& key, int value) {
    m_settings.setValue(KeyPath(section, key), value);
    Sync();
}

void CQtSettingsStore::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
    m_settings.setValue(KeyPath(section, key), QString::fromStdString(value));
    Sync();
}
