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
    // Another program may have changed the stored values: the next read looks once. A store
    // that only the program itself changes ignores it.
    virtual void RecheckOutsideChanges() {}
};

// The store every helper below reaches; none installed reads defaults and drops writes.
void SetSettingsStore(ISettingsStore* store);
ISettingsStore* GetSettingsStore();
// Called once per user action and per import, so that values written by another program are
// seen without looking at the store's file on every read.
void RecheckSettings();

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
