#pragma once

#include <optional>
#include <string>

// The per-user settings store: integers and strings by section and key.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::optional<int> ReadInt(const std::string& section,
                                       const std::string& key) const = 0;
    virtual std::optional<std::string> ReadString(const std::string& section,
                                                  const std::string& key) const = 0;
    virtual void WriteInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

// The store every helper below reaches; none installed reads defaults and drops writes.
void SetSettingsStore(ISettingsStore* store);
ISettingsStore* GetSettingsStore();

// The default applies only to an absent key: a stored empty string reads as empty.
int GetProfileInt(const std::string& section, const std::string& key, int defaultValue);
std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue);
void WriteProfileInt(const std::string& section, const std::string& key, int value);
void WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value);

// The section "Settings".
int GetSetting(const std::string& key, int defaultValue);
void WriteSetting(const std::string& key, int value);
