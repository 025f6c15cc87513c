#include <gtest/gtest.h>

#include "CRecordingStatusDisplay.h"
#include "CoreTest.h"
#include "core/items/CDesktop.h"
#include "core/items/CHeadlessItemTree.h"
#include "core/items/CLorvaneDoc.h"
#include "core/items/ItemIds.h"
#include "core/platform/StatusDisplay.h"

using DocumentTest = CoreTest;

namespace {
const char kVersion4[] = "61463004\r\n6146300Desktop\r\n6146399\r\n";
const char kEmptyVersion3[] = "61463003\r\n6146300Desktop\r\n6146399\r\n";
}  // namespace

TEST_F(DocumentTest, AFileOfAnotherVersionOpensInTheFailedStateAndIsNeverSaved) {
    const std::string path = TempPath("v4.lv");
    WriteFileBytes(path, kVersion4);
    CLorvaneDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(doc.IsLoadFailed());
    EXPECT_EQ(doc.GetDesktop()->GetName(), "Load failed.");
    EXPECT_EQ(doc.GetDesktop()->GetImage(), IDB_LOAD_FAILED);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text,
              "Cannot open the file.\n\nThe file may be corrupt or the file version is "
              "incorrect.");

    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_EQ(prompts.Messages().back().text,
              "Cannot save the file.\n\nWhen the file was opened it was corrupt or the file "
              "version was incorrect.");
    EXPECT_EQ(ReadFileBytes(path), kVersion4);
}

TEST_F(DocumentTest, SaveWritesTheVersionAndClearsTheModifiedFlag) {
    CLorvaneDoc doc;
    doc.OnNewDocument();
    doc.SetModifiedFlag(true);
    const std::string path = TempPath("new.lv");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(ReadFileBytes(path), kEmptyVersion3);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);
}

TEST_F(DocumentTest, MissingFilesAreReportedOnlyWhenAskedAndFailedSavesAlways) {
    CLorvaneDoc quiet;
    quiet.SetReportLoadErrors(false);
    EXPECT_FALSE(quiet.OnOpenDocument(TempPath("absent.lv")));
    EXPECT_TRUE(prompts.Messages().empty());

    CLorvaneDoc loud;
    EXPECT_FALSE(loud.OnOpenDocument(TempPath("absent.lv")));
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_NE(prompts.Messages()[0].text.find("absent.lv"), std::string::npos);
    // A save that cannot be written says so.
    EXPECT_FALSE(loud.OnSaveDocument(TempPath("no-folder/doc.lv")));
    ASSERT_EQ(prompts.Messages().size(), 2u);
    EXPECT_NE(prompts.Messages()[1].text.find("could not be written"), std::string::npos);
}

TEST_F(DocumentTest, AVersion2FileOpensAndAttachingTheTreeLeavesItUnmodified) {
    const std::string path = TempPath("doc.lv");
    WriteFileBytes(path, "61463002\r\n6146300Desktop\r\n6146399\r\n");
    CLorvaneDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_FALSE(doc.IsLoadFailed());
    CHeadlessItemTree tree(&doc);
    doc.AttachTree(&tree);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(tree.GetNodeCount(), 1);

    doc.GetDesktop()->SetModified();
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, TheStatusBarNamesTheDocumentNotItsTemporaryFile) {
    CRecordingStatusDisplay display;
    SetStatusDisplay(&display);
    CLorvaneDoc doc;
    doc.OnNewDocument();
    const std::string path = TempPath("big.lv");
    EXPECT_TRUE(doc.OnSaveDocument(path));
    EXPECT_TRUE(doc.OnOpenDocument(path));
    SetStatusDisplay(nullptr);
    int saving = 0;
    int opening = 0;
    for (const std::string& text : display.texts) {
        saving += text.starts_with("Saving big.lv...") ? 1 : 0;
        opening += text.starts_with("Opening big.lv...") ? 1 : 0;
        EXPECT_TRUE(text == "Ready" || text.find("big.lv...") != std::string::npos) << text;
    }
    EXPECT_GT(saving, 0);
    EXPECT_GT(opening, 0);
}

TEST_F(DocumentTest, ASaveReplacesOnlyADocumentOrAnEmptyFile) {
    const struct {
        const char* name;
        std::string before;
        bool saved;
    } cases[] = {
        {"notes.txt", "shopping list\r\n", false},
        {"short.lv", "614", false},
        {"empty.lv", "", true},
        {"old.lv", kVersion4, true},  // a document, even of another version
    };
    for (const auto& c : cases) {
        prompts.ClearMessages();
        WriteFileBytes(TempPath(c.name), c.before);
        CLorvaneDoc doc;
        doc.OnNewDocument();
        EXPECT_EQ(doc.OnSaveDocument(TempPath(c.name)), c.saved) << c.name;
        if (c.saved) {
            EXPECT_EQ(ReadFileBytes(TempPath(c.name)), kEmptyVersion3) << c.name;
        } else {
            EXPECT_EQ(ReadFileBytes(TempPath(c.name)), c.before) << c.name;
            ASSERT_EQ(prompts.Messages().size(), 1u);
            EXPECT_NE(prompts.Messages()[0].text.find("\n\nThe file is not a Lorvane document."),
                      std::string::npos);
        }
    }
}

TEST_F(DocumentTest, FileMessagesEndWithTheSystemsReason) {
    CLorvaneDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(TempPath("absent.lv")));
    EXPECT_EQ(doc.GetFileErrorText(), "No such file or directory");
    EXPECT_FALSE(doc.OnOpenDocument("/dev/zero"));  // would never end
    EXPECT_FALSE(doc.OnSaveDocument(TempPath("no-folder/doc.lv")));
    ASSERT_EQ(prompts.Messages().size(), 3u);
    EXPECT_EQ(prompts.Messages()[0].text.substr(prompts.Messages()[0].text.rfind("\n\n")),
              "\n\nNo such file or directory.");
    EXPECT_EQ(prompts.Messages()[1].text.substr(prompts.Messages()[1].text.rfind("\n\n")),
              "\n\nNot a regular file.");
    EXPECT_EQ(prompts.Messages()[2].text.substr(prompts.Messages()[2].text.rfind("\n\n")),
              "\n\nNo such file or directory.");
}
