#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "core/platform/CFile.h"
#include "core/platform/FileSystem.h"

namespace fs = std::filesystem;

namespace {
// The system's file system, with every call of a save written down; one call can be made to
// fail with EIO.
class CRecordingFileSystem : public IFileSystem {
public:
    CRecordingFileSystem() { SetFileSystem(this); }
    ~CRecordingFileSystem() override { SetFileSystem(nullptr); }
    CRecordingFileSystem(const CRecordingFileSystem&) = delete;
    CRecordingFileSystem& operator=(const CRecordingFileSystem&) = delete;

    int CreateExclusive(const std::string& path, unsigned mode) override {
        calls.push_back("create " + fs::path(path).filename().string());
        modes.push_back(mode);
        return Fails("create") ? -1 : m_system.CreateExclusive(path, mode);
    }
    bool SyncFile(int descriptor) override {
        calls.push_back("sync file");
        return !Fails("sync file") && m_system.SyncFile(descriptor);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        calls.push_back("rename to " + fs::path(to).filename().string());
        return !Fails("rename") && m_system.Rename(from, to);
    }
    bool SyncFolder(const std::string& folder) override {
        calls.push_back("sync folder");
        return m_system.SyncFolder(folder);
    }

    std::vector<std::string> calls;
    std::vector<unsigned> modes;
    std::string failing;

private:
    bool Fails(const std::string& call) const {
        if (call != failing) {
            return false;
        }
        errno = EIO;
        return true;
    }

    // The system's own, taken while nothing else is installed.
    IFileSystem& m_system = GetFileSystem();
};

class FileTest : public CoreTest {
protected:
    // Saves the bytes over the path; false with the reason when the save failed.
    bool Save(const std::string& path, const std::string& bytes, std::string* reason = nullptr) {
        CSaveFile save(path);
        const bool saved = save.Open() && save.File().Write(bytes) && save.Commit();
        if (reason != nullptr) {
            *reason = save.GetErrorText();
        }
        return saved;
    }
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(TempPath(""))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};
}  // namespace

TEST_F(FileTest, ReadsBytesWithPositionAcrossBufferRefills) {
    std::string bytes(200000, 'x');
    bytes[0] = 'a';
    bytes[199999] = 'z';
    WriteFileBytes(TempPath("big"), bytes);
    auto file = CFile::OpenRead(TempPath("big"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetLength(), 200000);
    EXPECT_EQ(file->ReadByte(), 'a');
    std::string middle(199998, '\0');
    EXPECT_EQ(file->Read(middle.data(), middle.size()), middle.size());
    EXPECT_EQ(file->GetPosition(), 199999);
    EXPECT_EQ(file->ReadByte(), 'z');
    EXPECT_EQ(file->ReadByte(), -1);
    EXPECT_EQ(CFile::CreateWrite(TempPath("no/such/folder/f")), nullptr);
}

TEST_F(FileTest, OnlyRegularFilesAreOpenedForReadingAndRefusalsSayWhy) {
    // A pipe that nobody writes to would block, a device like /dev/zero would never end.
    ASSERT_EQ(::mkfifo(TempPath("pipe.pbn").c_str(), 0600), 0);
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {TempPath("pipe.pbn"), "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {TempPath(""), "not a regular file"},  // a folder
        {TempPath("absent"), "No such file or directory"},
    };
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_EQ(CFile::OpenRead(c.path, &reason), nullptr) << c.path;
        EXPECT_EQ(reason, c.reason) << c.path;
    }
}

TEST_F(FileTest, SaveFileReplacesTheTargetOnlyOnACommitThatSucceeds) {
    const std::string target = TempPath("doc.lv");
    WriteFileBytes(target, "old");
    {
        CSaveFile save(target);
        ASSERT_TRUE(save.Open());
        save.File().Write("half-written");  // dropped without Commit, as after an error
    }
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_TRUE(Save(target, "new"));
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_FALSE(CSaveFile(TempPath("missing/doc.lv")).Open());

    // A failure at any step leaves the old file and no temporary one, and says why.
    for (const char* failing : {"create", "sync file", "rename"}) {
        CRecordingFileSystem recording;
        recording.failing = failing;
        std::string reason;
        EXPECT_FALSE(Save(target, "lost", &reason)) << failing;
        EXPECT_EQ(reason, "Input/output error") << failing;
        EXPECT_EQ(ReadFileBytes(target), "new") << failing;
        EXPECT_EQ(FolderNames(), std::vector<std::string>{"doc.lv"}) << failing;
    }
}

TEST_F(FileTest, TheSavedBytesReachTheDiskBeforeTheRenameAndTheFolderAfterIt) {
    const std::string target = TempPath("doc.lv");
    CRecordingFileSystem recording;
    ASSERT_TRUE(Save(target, "bytes"));
    ASSERT_EQ(recording.calls.size(), 4u);
    EXPECT_TRUE(recording.calls[0].starts_with("create doc.lv.saving-")) << recording.calls[0];
    EXPECT_EQ(recording.calls[1], "sync file");
    EXPECT_EQ(recording.calls[2], "rename to doc.lv");
    EXPECT_EQ(recording.calls[3], "sync folder");
    EXPECT_EQ(ReadFileBytes(target), "bytes");
}

TEST_F(FileTest, APrivateDocumentIsNeverReadableByOthersWhileItIsSaved) {
    const std::string target = TempPath("private.lv");
    WriteFileBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    CRecordingFileSystem recording;
    ASSERT_TRUE(Save(target, "new"));
    EXPECT_EQ(recording.modes, std::vector<unsigned>{0600});
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_TRUE(Save(TempPath("fresh.lv"), "new"));
    EXPECT_EQ(recording.modes.back(), 0666u);  // a new file: as the umask allows
}

TEST_F(FileTest, ASaveThroughASymbolicLinkKeepsTheLink) {
    fs::create_directories(TempPath("real"));
    WriteFileBytes(TempPath("real/doc.lv"), "old");
    fs::create_symlink("real/doc.lv", TempPath("link.lv"));
    fs::create_symlink("link.lv", TempPath("link-to-link.lv"));
    ASSERT_TRUE(Save(TempPath("link-to-link.lv"), "new"));
    EXPECT_TRUE(fs::is_symlink(TempPath("link.lv")));
    EXPECT_TRUE(fs::is_symlink(TempPath("link-to-link.lv")));
    EXPECT_EQ(ReadFileBytes(TempPath("real/doc.lv")), "new");
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"link-to-link.lv", "link.lv", "real"}));
}

TEST_F(FileTest, TheLeftoversOfAKilledSaveGoWithTheNextSaveOfThatFile) {
    for (const char* name : {"doc.lv", "doc.lv.saving-123456", "doc.lv.saving-7", "doc.lv.saving-x",
                             "other.lv.saving-5"}) {
        WriteFileBytes(TempPath(name), "left");
    }
    ASSERT_TRUE(Save(TempPath("doc.lv"), "new"));
    EXPECT_EQ(FolderNames(),
              (std::vector<std::string>{"doc.lv", "doc.lv.saving-x", "other.lv.saving-5"}));
}

TEST_F(FileTest, OnlyARegularFileThatTheUserMayWriteIsReplaced) {
    WriteFileBytes(TempPath("protected.lv"), "kept");
    fs::permissions(TempPath("protected.lv"), fs::perms::owner_read | fs::perms::group_read);
    fs::create_directories(TempPath("folder/inner"));
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {TempPath("protected.lv"), "the file is write-protected"},
        {TempPath("folder"), "not a regular file"},
        {"/dev/null", "not a regular file"},
    };
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(Save(c.path, "new", &reason)) << c.path;
        EXPECT_EQ(reason, c.reason) << c.path;
    }
    EXPECT_EQ(ReadFileBytes(TempPath("protected.lv")), "kept");
    EXPECT_TRUE(fs::is_directory(TempPath("folder/inner")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"folder", "protected.lv"}));
}
