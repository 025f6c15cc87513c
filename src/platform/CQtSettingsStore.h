#pragma once

#include <QDateTime>
#include <QSettings>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "core/platform/Settings.h"

// The user's settings in QSettings (an INI file under the user's configuration folder),
// organisation "Fendrake", application "Lorvane"; sections are groups.
//
// Values once read are kept in memory: a read touches neither the file system nor QSettings
// again until the program writes a value, or until RecheckOutsideChanges finds that another
// process (lvtool, a second program) changed the file.
class CQtSettingsStore : public ISettingsStore {
public:
    CQtSettingsStore();

    std::optional<int> ReadInt(const std::string& section, const std::string& key) const override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& key) const override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void RecheckOutsideChanges() override { m_recheck = true; }

private:
    template <typename T>
    using Cache =
        std::map<std::string, std::map<std::string, std::optional<T>, std::less<>>, std::less<>>;

    template <typename T>
    std::optional<T> Cached(Cache<T>& cache, const std::string& section, const std::string& key,
                            std::optional<T> (*read)(const QVariant&)) const;
    void SyncIfChangedOnDisk() const;
    // Writes what the program changed, reads what others changed, and forgets the cache.
    void Sync() const;

    mutable QSettings m_settings;
    mutable QDateTime m_seenModified;
    mutable qint64 m_seenSize = -1;
    mutable bool m_recheck = true;
    mutable Cache<int> m_ints;
    mutable Cache<std::string> m_strings;
};
