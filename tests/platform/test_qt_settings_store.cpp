#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/CQtSettingsStore.h"

namespace {
// The user's settings file in a folder of its own, and a second program's view of it.
class QtSettingsStoreTest : public testing::Test {
protected:
    QtSettingsStoreTest() { SetSettingsStore(&store); }
    ~QtSettingsStoreTest() override { SetSettingsStore(nullptr); }

    // Another program changes the file behind the store's back.
    static void WriteElsewhere(const char* keyPath, const QVariant& value) {
        QSettings other(QSettings::IniFormat, QSettings::UserScope, "Fendrake", "Lorvane");
        if (value.isValid()) {
            other.setValue(keyPath, value);
        } else {
            other.remove(keyPath);
        }
    }

    static bool UseFolder(const QTemporaryDir& folder) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        return true;
    }

    QTemporaryDir m_folder;
    bool m_inFolder = UseFolder(m_folder);  // before the store opens its file
    CQtSettingsStore store;
};
}  // namespace

TEST_F(QtSettingsStoreTest, OwnWritesAreSeenAtOnce) {
    EXPECT_EQ(GetProfileInt("CBiddingList", "PBNInfo", 1), 1);
    EXPECT_EQ(GetProfileString("CBiddingList", "North", "none"), "none");
    WriteProfileInt("CBiddingList", "PBNInfo", 2);
    WriteProfileString("CBiddingList", "North", "");
    EXPECT_EQ(GetProfileInt("CBiddingList", "PBNInfo", 1), 2);
    EXPECT_EQ(GetProfileString("CBiddingList", "North", "none"), "");
    WriteProfileInt("CBiddingList", "PBNInfo", 0);
    EXPECT_EQ(GetProfileInt("CBiddingList", "PBNInfo", 1), 0);
}

TEST_F(QtSettingsStoreTest, OtherProgramsChangesAreSeenAfterARecheck) {
    WriteProfileInt("CBiddingList", "PBNInfo", 2);
    WriteProfileString("CBiddingList", "North", "Ann");
    EXPECT_EQ(GetProfileInt("CBiddingList", "PBNInfo", 1), 2);

    WriteElsewhere("CBiddingList/PBNInfo", 0);
    WriteElsewhere("CBiddingList/North", QVariant());
    EXPECT_EQ(GetProfileInt("CBiddingList", "PBNInfo", 1), 2);  // no look at the file per read
    RecheckSettings();
    EXPECT_EQ(GetProfileInt("CBiddingList", "PBNInfo", 1), 0);
    EXPECT_EQ(GetProfileString("CBiddingList", "North", "none"), "none");

    // A recheck that finds the file unchanged keeps what the program knows.
    RecheckSettings();
    EXPECT_EQ(GetProfileInt("CBiddingList", "PBNInfo", 1), 0);
}
