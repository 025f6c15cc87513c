#include "CMemorySettingsStore.h"

#include "core/platform/Decimal.h"

std::optional<int> CMemorySettingsStore::ReadInt(const std::string& section,
                                                 const std::string& key) const {
    auto it = m_values.find({section, key});
    if (it == m_values.end() || !IsDecimalNumber(it->second)) {
        return std::nullopt;
    }
    return DecimalValue(it->second);
}

std::optional<std::string> CMemorySettingsStore::ReadString(const std::string& section,
                                                            const std::string& key) const {
    auto it = m_values.find({section, key});
    if (it == m_values.end()) {
        return std::nullopt;
    }
    return it->second;
}

void CMemorySettingsStore::WriteInt(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void CMemorySettingsStore::WriteString(const std::string& section, const std::string& key,
                                       const std::string& value) {
    m_values[{section, key}] = value;
    m_writeLog.emplace_back(section, key);
}

bool CMemorySettingsStore::Contains(const std::string& section, const std::string& key) const {
    return m_values.count({section, key}) != 0;
}
