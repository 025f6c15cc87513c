#pragma once

#include <map>
#include <utility>
#include <vector>

#include "core/platform/Settings.h"

// A settings store that lives in memory, so that no test touches the user's settings.
// Integers and strings share one value per key, as in an INI file.
class CMemorySettingsStore : public ISettingsStore {
public:
    std::optional<int> ReadInt(const std::string& section, const std::string& key) const override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& key) const override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    bool Contains(const std::string& section, const std::string& key) const;
    // Every write, in order, for tests of write order.
    const std::vector<std::pair<std::string, std::string>>& WriteLog() const { return m_writeLog; }

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
    std::vector<std::pair<std::string, std::string>> m_writeLog;
};
