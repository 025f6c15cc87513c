#include "core/platform/Settings.h"

namespace {
ISettingsStore* g_store = nullptr;
const char kSettingsSection[] = "Settings";
}  // namespace

void SetSettingsStore(ISettingsStore* store) {
    g_store = store;
}

ISettingsStore* GetSettingsStore() {
    return g_store;
}

void RecheckSettings() {
    if (g_store != nullptr) {
        g_store->RecheckOutsideChanges();
    }
}

int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) {
    if (g_store == nullptr) {
        return defaultValue;
    }
    return g_store->ReadInt(section, key).value_or(defaultValue);
}

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue) {
    if (g_store == nullptr) {
        return defaultValue;
    }
    return g_store->ReadString(section, key).value_or(defaultValue);
}

void WriteProfileInt(const std::string& section, const std::string& key, int value) {
    if (g_store != nullptr) {
        g_store->WriteInt(section, key, value);
    }
}

void WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value) {
    if (g_store != nullptr) {
        g_store->WriteString(section, key, value);
    }
}

int GetSetting(const std::string& key, int defaultValue) {
    return GetProfileInt(kSettingsSection, key, defaultValue);
}

void WriteSetting(const std::string& key, int value) {
    WriteProfileInt(kSettingsSection, key, value);
}
