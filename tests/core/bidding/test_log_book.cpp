#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AuctionScript.h"
#include "CRecordingItemTree.h"
#include "CoreTest.h"
#include "bidding/CAuction.h"
#include "bidding/CBiddingDeal.h"
#include "bidding/CBiddingList.h"
#include "items/CDesktop.h"
#include "items/CLorvaneDoc.h"
#include "platform/DataFolder.h"

namespace {
class LogBookTest : public CoreTest {
protected:
    LogBookTest() {
        desktop.SetTree(&tree);
        desktop.InsertIntoTree(nullptr);
        session = AddSession(desktop, "Club night", "Ann", "Bob");
        session->InsertIntoTree(&desktop);
        for (const char* name : {"A1", "A3", "A4", "A5", "B2"}) {
            AddDeal(session, name, std::string("mine ") + name)->InsertIntoTree(session);
        }
    }

    static CBiddingList* AddSession(CItem& root, const std::string& name, const std::string& north,
                                    const std::string& south) {
        auto* list = new CBiddingList;
        list->SetName(name);
        list->SetNorthName(north);
        list->SetSouthName(south);
        list->AppendTo(&root, true);
        return list;
    }
    static CBiddingDeal* AddDeal(CBiddingList* list, const std::string& name,
                                 const std::string& comment) {
        auto* deal = new CBiddingDeal;
        deal->SetName(name);
        deal->SetComment(comment, true);
        deal->AppendTo(list, true);
        return deal;
    }
    CBiddingDeal* Mine(const std::string& name) {
        return dynamic_cast<CBiddingDeal*>(session->FindChild(name));
    }
    std::string LogBookPath() const { return TempPath("Log-book.lv"); }

    // A log-book holding a session of the same name with these boards.
    void WriteLogBook(const std::string& sessionName, const std::vector<std::string>& boards) {
        CLorvaneDoc logBook;
        logBook.OnNewDocument();
        CBiddingList* list = AddSession(*logBook.GetDesktop(), "Other night", "Cy", "Dee");
        AddDeal(list, "A3", "other session");
        list = AddSession(*logBook.GetDesktop(), sessionName, "Ann", "Bob");
        for (const std::string& board : boards) {
            AddDeal(list, board, "logged " + board);
        }
        ASSERT_TRUE(logBook.OnSaveDocument(LogBookPath()));
    }

    // The log-book's sessions as "name [north/south]: deal=comment, ..." lines.
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
            }
            lines.push_back(line);
        }
        return lines;
    }

    // The deal stands where it stood, in the document it belongs to.
    void ExpectBackHome(const std::string& name, int index) {
        CBiddingDeal* deal = Mine(name);
        ASSERT_NE(deal, nullptr) << name;
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

TEST_F(LogBookTest, TheSameBoardIsReplacedInPlace) {
    WriteLogBook("Club night", {"A1", "A3", "A5"});
    AppendCalls(*Mine("A3")->GetAuction(), "- - 1N P 3N P P P");
    Mine("A3")->WriteLogBook();
    ExpectBackHome("A3", 1);
    const std::vector<std::string> expected = {
        "Other night [Cy/Dee]: A3=other session",
        "Club night [Ann/Bob]: A1=logged A1 A3=mine A3 A5=logged A5",
    };
    EXPECT_EQ(ReadLogBook(), expected);

    CLorvaneDoc logBook;
    ASSERT_TRUE(logBook.OnOpenDocument(LogBookPath()));
    auto* logged = dynamic_cast<CBiddingDeal*>(logBook.GetDesktop()->GetChildAt(1)->GetChildAt(1));
    EXPECT_EQ(CallsOf(*logged->GetAuction()), "- - 1N P 3N P P P");
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(LogBookTest, BoardsGoInBoardOrder) {
    const struct {
        std::vector<std::string> before;
        const char* logged;
        const char* after;
    } cases[] = {
        {{"A1", "A3", "A5"}, "A4", "A1=logged A1 A3=logged A3 A4=mine A4 A5=logged A5"},
        {{"A3", "A5"}, "A1", "A1=mine A1 A3=logged A3 A5=logged A5"},
        {{"A1", "A3"}, "A5", "A1=logged A1 A3=logged A3 A5=mine A5"},
        {{}, "A4", "A4=mine A4"},
        // The sort key counts the letter before the number: B comes before A.
        {{"A1", "A3"}, "B2", "B2=mine B2 A1=logged A1 A3=logged A3"},
        // Only the first board with the same key is replaced.
        {{"A4", "A4"}, "A4", "A4=mine A4 A4=logged A4"},
    };
    for (const auto& c : cases) {
        WriteLogBook("Club night", c.before);
        Mine(c.logged)->WriteLogBook();
        EXPECT_EQ(ReadLogBook().at(1), std::string("Club night [Ann/Bob]: ") + c.after) << c.logged;
        ExpectBackHome(c.logged, session->FindChild(c.logged)->GetIndex());
    }
}

TEST_F(LogBookTest, ANewLogBookAndANewSessionTakeTheParticipants) {
    // Defaults in the settings must not reach the log-book's new session.
    settings.WriteString("CBiddingList", "North", "Default");
    Mine("A4")->WriteLogBook();  // no log-book yet
    ExpectBackHome("A4", 2);
    std::vector<std::string> expected = {"Club night [Ann/Bob]: A4=mine A4"};
    EXPECT_EQ(ReadLogBook(), expected);

    session->SetName("Tuesday");
    Mine("A1")->WriteLogBook();
    expected.push_back("Tuesday [Ann/Bob]: A1=mine A1");
    EXPECT_EQ(ReadLogBook(), expected);
    ExpectBackHome("A1", 0);
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(LogBookTest, ALogBookThatCannotBeUsedLosesNothing) {
    // A log-book of a later version is neither used nor overwritten.
    WriteFileBytes(LogBookPath(), "61463004\r\n6146300Desktop\r\n6146399\r\n");
    Mine("A3")->WriteLogBook();
    ExpectBackHome("A3", 1);
    EXPECT_EQ(ReadFileBytes(LogBookPath()), "61463004\r\n6146300Desktop\r\n6146399\r\n");
    ASSERT_EQ(prompts.Messages().size(), 2u);  // cannot open, cannot save
    EXPECT_EQ(prompts.Messages()[1].text.substr(0, 21), "Cannot save the file.");

    // A folder that cannot be written: the save says so, and the deal still goes home.
    prompts.ClearMessages();
    SetDataFolder(TempPath("no such folder"));
    Mine("A5")->WriteLogBook();
    ExpectBackHome("A5", 3);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_NE(prompts.Messages()[0].text.find("Log-book.lv"), std::string::npos);

    // A deal outside any session has nothing to log under.
    CBiddingDeal loose;
    loose.WriteLogBook();
    EXPECT_EQ(loose.GetParent(), nullptr);
}
