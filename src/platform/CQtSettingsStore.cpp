#include "CQtSettingsStore.h"

namespace {
QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}
}  // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fendrake"),
                 QStringLiteral("Lorvane")) {}

std::optional<int> CQtSettingsStore::ReadInt(const std::string& section,
                                             const std::string& key) const {
    m_settings.sync();  // another process (lvtool, a second window) may have written
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
    m_settings.sync();
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
