#pragma once

#include <QDateTime>
#include <QSettings>

#include "core/platform/Settings.h"

// The user's settings in QSettings (an INI file under the user's configuration folder),
// organisation "Fendrake", application "Lorvane"; sections are groups.
class CQtSettingsStore : public ISettingsStore {
public:
    CQtSettingsStore();

    std::optional<int> ReadInt(const std::string& section, const std::string& key) const override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& key) const override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

private:
    // Picks up what another process (lvtool, a second program) wrote since the last look.
    void SyncIfChangedOnDisk() const;

    mutable QSettings m_settings;
    mutable QDateTime m_seenModified;
    mutable qint64 m_seenSize = -1;
};
