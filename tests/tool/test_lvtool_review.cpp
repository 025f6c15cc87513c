// lvtool review and export --with-auctions: what lvtool adds to the review's core: the files
// it reads, the sessions and deals it picks, the text and the JSON it prints, exit codes.
#include <string>

#include <gtest/gtest.h>

#include "CallWords.h"
#include "ToolRun.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CReferenceAuction.h"
#include "core/deals/CPbnGame.h"
#include "core/items/CDesktop.h"
#include "core/items/CLorvaneDoc.h"

namespace {
// Each hand holds one whole suit (North spades, East hearts, South diamonds, West clubs):
// a side takes all 13 tricks in its own suits, nobody any in no trumps.
const char kSolidSuits[] = "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";
// West lacks the two of clubs.
const char kMissingCard[] = "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT9876543";

const char kSolidTricks[] =
    "{\"N\":{\"C\":0,\"D\":13,\"H\":0,\"S\":13,\"NT\":0},"
    "\"E\":{\"C\":13,\"D\":0,\"H\":13,\"S\":0,\"NT\":0},"
    "\"S\":{\"C\":0,\"D\":13,\"H\":0,\"S\":13,\"NT\":0},"
    "\"W\":{\"C\":13,\"D\":0,\"H\":13,\"S\":0,\"NT\":0}}";

class LvtoolReviewTest : public LvtoolTest {
protected:
    LvtoolReviewTest() { m_doc.OnNewDocument(); }

    CBiddingList& AddSession(const std::string& name) {
        auto* session = new CBiddingList;
        session->SetName(name);
        session->AppendTo(m_doc.GetDesktop(), true);
        return *session;
    }
    // A deal of the session, its auction from the dealer's call on.
    CBiddingDeal& AddDeal(CBiddingList& session, const std::string& name, const char* hands,
                          const std::string& calls) {
        auto* deal = new CBiddingDeal;
        deal->SetName(name);
        deal->AppendTo(&session, true);
        CPbnGame::ReadDealValue(hands, *deal);
        deal->GetAuction()->AppendPlaceholders(deal->GetDealer());
        for (const int code : CallCodes(calls)) {
            deal->GetAuction()->AppendCall(code);
        }
        return *deal;
    }
    std::string Save() {
        const std::string path = TempPath("club.lv");
        EXPECT_TRUE(m_doc.OnSaveDocument(path));
        return path;
    }

private:
    CLorvaneDoc m_doc;
};
}  // namespace

TEST_F(LvtoolReviewTest, JsonOfEveryDeal) {
    CBiddingList& club = AddSession("Club");
    CBiddingDeal& a1 = AddDeal(club, "A1", kSolidSuits, "1S P 4S P P P");
    a1.SetReferenceAuction(CReferenceAuction::FromFieldText("N:1S P 7S P P P"));
    AddDeal(club, "A2", kMissingCard, "P P");
    AddDeal(AddSession("Empty"), "A3", kSolidSuits, "P P P P");
    const std::string path = Save();

    const ToolResult result = Run({"review", path, "--format", "json"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(
        result.out,
        std::string("{\"sessions\":[\n{\"name\":\"Club\",\"deals\":[\n") +
            // 4S making 13 tricks (+510) against par 7S (+1510): -1000, 14 IMPs.
            "{\"deal\":\"A1\",\"analysable\":true,\"reason\":\"\",\"tricks\":" + kSolidTricks +
            ",\"par\":{\"score\":1510,\"contracts\":[\"7S-NS\"]},"
            "\"auction\":\"1S P 4S P P P\",\"contract\":\"4S\",\"declarer\":\"N\","
            "\"declarer_tricks\":13,\"score\":510,\"imps\":-14,"
            "\"reference\":{\"auction\":\"1S P 7S P P P\",\"contract\":\"7S\","
            "\"declarer\":\"N\"}},\n"
            "{\"deal\":\"A2\",\"analysable\":false,\"reason\":\"West holds 12 cards\","
            "\"tricks\":null,\"par\":null,\"auction\":\"P P\",\"contract\":\"\","
            "\"declarer\":\"\",\"declarer_tricks\":-1,\"score\":0,\"imps\":0,"
            "\"reference\":null}]},\n"
            // Board 3: East-West vulnerable; North-South's 7S is still the par.
            "{\"name\":\"Empty\",\"deals\":[\n"
            "{\"deal\":\"A3\",\"analysable\":true,\"reason\":\"\",\"tricks\":" +
            kSolidTricks +
            ",\"par\":{\"score\":1510,\"contracts\":[\"7S-NS\"]},"
            "\"auction\":\"P P P P\",\"contract\":\"P\",\"declarer\":\"\","
            "\"declarer_tricks\":-1,\"score\":0,\"imps\":-17,\"reference\":null}]}]}\n");
}

TEST_F(LvtoolReviewTest, TextAndTheChoiceOfSessionAndDeal) {
    CBiddingList& club = AddSession("Club");
    CBiddingDeal& a1 = AddDeal(club, "A1", kSolidSuits, "1S P 4S P P P");
    a1.SetReferenceAuction(CReferenceAuction::FromFieldText("N:1S P 7S P P P"));
    AddDeal(club, "A2", kMissingCard, "P");
    AddDeal(AddSession("Other"), "A1", kMissingCard, "");
    const std::string path = Save();

    const ToolResult one = Run({"review", path, "--session", "Club", "--deal", "A1"});
    EXPECT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(one.out,
              "Club\n\nA1\n"
              "          C   D   H   S  NT\n"
              "North     0  13   0  13   0\n"
              "East     13   0  13   0   0\n"
              "South     0  13   0  13   0\n"
              "West     13   0  13   0   0\n"
              "Par        +1510  7S-NS\n"
              "Auction    1S P 4S P P P\n"
              "Contract   4S by North: 13 tricks, +510, -14 IMPs against par\n"
              "Reference  1S P 7S P P P\n"
              "           7S by North: 13 tricks, +1510, 0 IMPs against par\n"
              "           the pair left it at call 3 (4S)\n");

    // --deal alone: every session that holds it.
    const ToolResult both = Run({"review", path, "--deal", "A1", "--format", "text"});
    EXPECT_EQ(both.exitCode, 0) << both.err;
    EXPECT_NE(both.out.find("\nOther\n\nA1\nNot analysed: West holds 12 cards\n"
                            "Auction    -\n"
                            "Contract   none yet (the auction is not finished)\n"),
              std::string::npos)
        << both.out;
}

TEST_F(LvtoolReviewTest, WhatCannotBeFoundOrReadExitsWithOne) {
    AddDeal(AddSession("Club"), "A1", kMissingCard, "");
    const std::string path = Save();
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"review", path, "--session", "Nope"}, "has no session named Nope"},
        {{"review", path, "--deal", "B9"}, "has no deal named B9"},
        {{"review", TempPath("missing.lv")}, "missing.lv"},
        {{"review", path, "--format", "xml"}, "usage: lvtool review"},
        {{"review"}, "usage: lvtool review"},
    };
    for (const auto& c : cases) {
        const ToolResult result = Run(c.args);
        EXPECT_EQ(result.exitCode, 1) << c.says;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

// A deal file is read as lvtool text reads it; its own auctions become the references.
TEST_F(LvtoolReviewTest, ADealFileWithItsAuctions) {
    WriteFileBytes(TempPath("lesson.pbn"),
                   "[Board \"1\"]\r\n[Deal \"" + std::string(kSolidSuits) +
                       "\"]\r\n[Auction \"N\"]\r\n1S =1= Pass 7S Pass\r\nAP\r\n"
                       "[Note \"1:five or more\"]\r\n");
    const ToolResult result = Run({"review", TempPath("lesson.pbn"), "--format", "json"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\"reference\":{\"auction\":\"1S P 7S P P P\",\"contract\":\"7S\","
                              "\"declarer\":\"N\"}"),
              std::string::npos)
        << result.out;
}

TEST_F(LvtoolReviewTest, ExportWithAuctions) {
    AddDeal(AddSession("Club"), "A1", kSolidSuits, "1S P 4S P P P");
    const std::string path = Save();
    ASSERT_EQ(Run({"export", path, TempPath("plain.pbn")}).exitCode, 0);
    ASSERT_EQ(Run({"export", path, TempPath("auctions.pbn"), "--with-auctions"}).exitCode, 0);
    const std::string plain = ReadFileBytes(TempPath("plain.pbn"));
    const std::string auctions = ReadFileBytes(TempPath("auctions.pbn"));
    EXPECT_EQ(plain.find("[Auction"), std::string::npos);
    EXPECT_NE(auctions.find("[Declarer \"N\"]\r\n[Contract \"4S\"]\r\n[Result \"\"]\r\n"
                            "[Auction \"N\"]\r\n1S Pass 4S Pass\r\nPass Pass\r\n"),
              std::string::npos)
        << auctions;
}
