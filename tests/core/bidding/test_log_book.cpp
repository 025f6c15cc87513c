#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "BiddingScript.h"
#include "CRecordingItemTree.h"
#include "CoreTest.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/items/CDesktop.h"
#include "core/items/CLorvaneDoc.h"
#include "core/platform/DataFolder.h"

namespace {
// A shown session of Ann and Bob with boards A1, A3, A4, A5 and B2, commented "mine ...".
class LogBookTest : public CoreTest {
protected:
    LogBookTest() {
        desktop.SetTree(&tree);
        desktop.InsertIntoTree(nullptr);
        session = AddSession(desktop, "Club night", "Ann", "Bob");
        session->InsertIntoTree(&desktop);
        for (const char* name : {"A1", "A3", "A4", "A5", "B2"}) {
            AddDeal(*session, name, std::string("mine ") + name)->InsertIntoTree(session);
        }
    }

    CBiddingDeal* Mine(const std::string& name) {
        return dynamic_cast<CBiddingDeal*>(session->FindChild(name));
    }
    std::string LogBookPath() const { return TempPath("Log-book.lv"); }

    // A log-book holding another session and one of the same name with these boards.
    void WriteLogBook(const std::vector<std::string>& boards) {
        CLorvaneDoc logBook;
        logBook.OnNewDocument();
        AddDeal(*AddSession(*logBook.GetDesktop(), "Other night", "Cy", "Dee"), "A3", "other");
        CBiddingList* list = AddSession(*logBook.GetDesktop(), "Club night", "Ann", "Bob");
        for (const std::string& board : boards) {
            AddDeal(*list, board, "logged " + board);
        }
        ASSERT_TRUE(logBook.OnSaveDocument(LogBookPath()));
    }

    // The log-book's sessions as "name [north/south]: deal=comment ..." lines.
    std::vector<std::string> ReadLogBook() {
        CLorvaneDoc logBook;
        EXPECT_TRUE(logBook.OnOpenDocument(LogBookPath()));
        std::vector<std::string> lines;
        for (int s = 0; s < logBook.GetDesktop()->GetChildCount(); ++s) {
            auto* list = dynamic_cast<CBiddingList*>(logBook.GetDesktop()->GetChildAt(s));
            std::string line =
                list->GetName() + " [" + list->GetNorthName() + "/" + list->GetSouthName() + "]:";
            for (int d = 0; d < list->GetChildCount(); ++d) {
                auto* deal = dynamic_cast<CBiddingDeal*>(list->GetChildAt(d));
                line += " " + deal->GetName() + "=" + deal->GetComment();
                if (deal->GetAuction()->GetCallCount() > 0) {
                    line += " (" + CallsOf(*deal->GetAuction()) + ")";
                }
            }
            lines.push_back(line);
        }
        return lines;
    }

    // Logs the deal; afterwards it stands where it stood, in the document it belongs to.
    void Log(const std::string& name) {
        CBiddingDeal* deal = Mine(name);
        const int index = deal->GetIndex();
        deal->WriteLogBook();
        EXPECT_EQ(deal->GetParent(), session);
        EXPECT_EQ(deal->GetIndex(), index);
        EXPECT_EQ(session->GetChildCount(), 5);
        EXPECT_EQ(deal->GetTree(), &tree);
    }

    CRecordingItemTree tree;
    CDesktop desktop;
    CBiddingList* session;
};
}  // namespace

TEST_F(LogBookTest, BoardsGoInBoardOrderAndTheSameBoardIsReplaced) {
    const struct {
        std::vector<std::string> before;
        const char* logged;
        const char* after;
    } cases[] = {
        {{"A1", "A3", "A5"}, "A3", "A1=logged A1 A3=mine A3 (- - 1N P) A5=logged A5"},
        {{"A1", "A3", "A5"}, "A4", "A1=logged A1 A3=logged A3 A4=mine A4 A5=logged A5"},
        {{"A3", "A5"}, "A1", "A1=mine A1 A3=logged A3 A5=logged A5"},
        {{"A1", "A3"}, "A5", "A1=logged A1 A3=logged A3 A5=mine A5"},
        {{}, "A4", "A4=mine A4"},
        // The sort key counts the letter before the number: B comes before A.
        {{"A1", "A3"}, "B2", "B2=mine B2 A1=logged A1 A3=logged A3"},
        // Only the first board with the same key is replaced.
        {{"A4", "A4"}, "A4", "A4=mine A4 A4=logged A4"},
    };
    AppendCalls(*Mine("A3")->GetAuction(), "- - 1N P");
    for (const auto& c : cases) {
        WriteLogBook(c.before);
        Log(c.logged);
        const std::vector<std::string> expected = {"Other night [Cy/Dee]: A3=other",
                                                   std::string("Club night [Ann/Bob]: ") + c.after};
        EXPECT_EQ(ReadLogBook(), expected) << c.logged;
    }
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(LogBookTest, ANewLogBookAndANewSessionTakeTheParticipants) {
    // Defaults in the settings must not reach the log-book's new session.
    settings.WriteString("CBiddingList", "North", "Default");
    Log("A4");  // no log-book yet
    std::vector<std::string> expected = {"Club night [Ann/Bob]: A4=mine A4"};
    EXPECT_EQ(ReadLogBook(), expected);

    session->SetName("Tuesday");
    Log("A1");
    expected.push_back("Tuesday [Ann/Bob]: A1=mine A1");
    EXPECT_EQ(ReadLogBook(), expected);
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(LogBookTest, ALogBookThatCannotBeReadIsNeverReplaced) {
    // A log-book of a later version is neither used nor overwritten.
    const std::string later = "61463004\r\n6146300Desktop\r\n6146399\r\n";
    WriteFileBytes(LogBookPath(), later);
    EXPECT_FALSE(Mine("A3")->WriteLogBook());
    EXPECT_EQ(ReadFileBytes(LogBookPath()), later);
    ASSERT_EQ(prompts.Messages().size(), 2u);  // the document's own, then the log-book's
    EXPECT_EQ(prompts.Messages()[1].text.substr(0, 24), "Cannot read the log-book");

    // Something that is no file, and a file that may not be read.
    prompts.ClearMessages();
    std::filesystem::remove(LogBookPath());
    std::filesystem::create_directories(LogBookPath() + "/inside");
    Log("A3");
    EXPECT_TRUE(std::filesystem::is_directory(LogBookPath() + "/inside"));
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text,
              "Cannot read the log-book " + LogBookPath() +
                  ".\n\nThe deal was not logged; the log-book was left as it was.\n\nNot a "
                  "regular file.");
    if (::geteuid() != 0) {  // the superuser reads anything
        std::filesystem::remove_all(LogBookPath());
        WriteLogBook({"A1"});
        const std::string before = ReadFileBytes(LogBookPath());
        std::filesystem::permissions(LogBookPath(), std::filesystem::perms::none);
        prompts.ClearMessages();
        Log("A3");
        std::filesystem::permissions(LogBookPath(), std::filesystem::perms::owner_all);
        EXPECT_EQ(ReadFileBytes(LogBookPath()), before);
        ASSERT_EQ(prompts.Messages().size(), 1u);
        EXPECT_NE(prompts.Messages()[0].text.find("Permission denied."), std::string::npos);
    }
}

TEST_F(LogBookTest, ADamagedLogBookIsCopiedAsideBeforeItIsRewritten) {
    WriteLogBook({"A1", "A5"});
    // A line that no item takes, in the middle of board A1.
    std::string damaged = ReadFileBytes(LogBookPath());
    damaged.insert(damaged.find("6180902logged A1"),
                   "\x01\x02"
                   "damaged\r\n");
    WriteFileBytes(LogBookPath(), damaged);

    Log("A3");
    std::vector<std::string> copies;
    for (const auto& entry : std::filesystem::directory_iterator(TempPath(""))) {
        if (entry.path().filename().string().starts_with("Log-book (damaged ")) {
            copies.push_back(entry.path().string());
        }
    }
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(ReadFileBytes(copies[0]), damaged);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_NE(prompts.Messages()[0].text.find(copies[0]), std::string::npos);
    const std::vector<std::string> expected = {
        "Other night [Cy/Dee]: A3=other",
        "Club night [Ann/Bob]: A1=logged A1 A3=mine A3 A5=logged A5"};
    EXPECT_EQ(ReadLogBook(), expected);

    // The rewritten log-book is whole again: no further copy.
    prompts.ClearMessages();
    Log("A4");
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(LogBookTest, AFolderThatCannotBeWrittenSaysSoAndTheDealGoesHome) {
    SetDataFolder(TempPath("no such folder"));
    EXPECT_FALSE(Mine("A5")->WriteLogBook());
    Log("A5");
    ASSERT_EQ(prompts.Messages().size(), 2u);
    EXPECT_NE(prompts.Messages()[0].text.find("Log-book.lv"), std::string::npos);

    CBiddingDeal loose;  // outside any session: nothing to log under
    EXPECT_FALSE(loose.WriteLogBook());
    EXPECT_EQ(loose.GetParent(), nullptr);
}
