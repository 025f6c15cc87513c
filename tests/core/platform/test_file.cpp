#include <filesystem>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "platform/CFile.h"

using FileTest = CoreTest;

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
    EXPECT_EQ(file->GetFileName(), "big");
}

TEST_F(FileTest, MissingFilesAndFoldersDoNotOpen) {
    EXPECT_EQ(CFile::OpenRead(TempPath("absent")), nullptr);
    EXPECT_EQ(CFile::OpenRead(TempPath("")), nullptr);
    EXPECT_EQ(CFile::CreateWrite(TempPath("no/such/folder/f")), nullptr);
}

TEST_F(FileTest, SaveFileReplacesTheTargetOnlyOnCommit) {
    const std::string target = TempPath("doc.lv");
    WriteFileBytes(target, "old");
    {
        CSaveFile save(target);
        ASSERT_TRUE(save.Open());
        save.File().Write("half-written");
        // dropped without Commit, as after an error
    }
    EXPECT_EQ(ReadFileBytes(target), "old");
    {
        CSaveFile save(target);
        ASSERT_TRUE(save.Open());
        save.File().Write("new");
        EXPECT_TRUE(save.Commit());
    }
    EXPECT_EQ(ReadFileBytes(target), "new");
    // No temporary file is left behind either way.
    int files = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(target).parent_path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(FileTest, SaveFileFailsCleanlyWhereNothingCanBeWritten) {
    CSaveFile inMissingFolder(TempPath("missing/doc.lv"));
    EXPECT_FALSE(inMissingFolder.Open());

    // A target that cannot be replaced (a folder with content) stays as it was.
    std::filesystem::create_directories(TempPath("folder/inner"));
    CSaveFile overFolder(TempPath("folder"));
    ASSERT_TRUE(overFolder.Open());
    overFolder.File().Write("bytes");
    EXPECT_FALSE(overFolder.Commit());
    EXPECT_TRUE(std::filesystem::is_directory(TempPath("folder/inner")));
}
