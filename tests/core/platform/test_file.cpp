#include <filesystem>

#include <gtest/gtest.h>

#include "CoreTest.h"
#include "core/platform/CFile.h"

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

    EXPECT_EQ(CFile::OpenRead(TempPath("absent")), nullptr);
    EXPECT_EQ(CFile::OpenRead(TempPath("")), nullptr);  // a folder
    EXPECT_EQ(CFile::CreateWrite(TempPath("no/such/folder/f")), nullptr);
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
    {
        CSaveFile save(target);
        ASSERT_TRUE(save.Open());
        save.File().Write("new");
        EXPECT_TRUE(save.Commit());
    }
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_FALSE(CSaveFile(TempPath("missing/doc.lv")).Open());

    // A folder with content cannot be replaced and stays as it was.
    std::filesystem::create_directories(TempPath("folder/inner"));
    {
        CSaveFile overFolder(TempPath("folder"));
        ASSERT_TRUE(overFolder.Open());
        EXPECT_FALSE(overFolder.Commit());
    }
    EXPECT_TRUE(std::filesystem::is_directory(TempPath("folder/inner")));
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(TempPath("")), {}), 2);
}
