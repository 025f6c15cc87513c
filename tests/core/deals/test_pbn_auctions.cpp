// The [Auction] section of a PBN game and its notes, as an import keeps them.
#include <gtest/gtest.h>

#include "CoreTest.h"
#include "DealFilesTest.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/bidding/CReferenceAuction.h"
#include "core/deals/CPbnGame.h"

namespace {
const std::string kDeal = "[Deal \"N:AKQJ.T98.765.432 - - -\"]\r\n";

// The deal's reference as its field text and notes ("index:text"), or "none".
std::string ReferenceOf(const CBiddingDeal& deal) {
    const CReferenceAuction* reference = deal.GetReferenceAuction();
    if (reference == nullptr) {
        return "none";
    }
    std::string text = reference->GetFieldText();
    for (const CReferenceAuction::Note& note : reference->GetNotes()) {
        text += " | " + std::to_string(note.callIndex) + ":" + note.text;
    }
    return text;
}

void AppendCallCodes(CBiddingDeal& deal, const std::vector<int>& codes) {
    for (const int code : codes) {
        deal.GetAuction()->AppendCall(code);
    }
}

std::string FirstReference(const std::string& bytes) {
    const auto deals = ReadDeals(bytes, "pbn");
    return deals.empty() ? "no deal" : ReferenceOf(*deals[0]);
}
}  // namespace

TEST(PbnAuctions, TheSectionAndTheNotesThatFollowIt) {
    const struct {
        const char* what;
        std::string game;
        const char* reference;
    } cases[] = {
        {"a teacher's auction with notes, then play with notes of its own",
         "[Auction \"N\"]\r\n1C Pass 2H =1= Pass\r\n2S =2= Pass 3S Pass\r\nPass Pass\r\n"
         "[Note \"1:weak, \\\"preemptive\\\"\"]\r\n[Note \"2:asks\"]\r\n"
         "[Play \"E\"]\r\nHA =1= H2 H3 H4\r\n[Note \"1:play note\"]\r\n",
         "N:1C P 2H P 2S P 3S P P P | 2:weak, \"preemptive\" | 4:asks"},
        {"comments and escape lines inside the section",
         "[Auction \"S\"]\n1NT {strong} Pass ; comment\n%escape\n2C AP\n", "S:1N P 2C P P P"},
        {"a section broken off by a blank line", "[Auction \"N\"]\n1S\n\nPass\n", "N:1S"},
        {"the last Auction tag counts, with its own notes",
         "[Auction \"N\"]\n1S =1= AP\n[Note \"1:old\"]\n[Auction \"E\"]\n1H =1= AP\n"
         "[Note \"1:new\"]\n",
         "E:1H P P P | 0:new"},
        {"notes after another tag belong to it",
         "[Auction \"W\"]\n1D =1= AP\n[Contract \"1D\"]\n"
         "[Note \"1:not the auction's\"]\n",
         "W:1D P P P"},
        {"an auction tag without section", "[Auction \"N\"]\n[Contract \"\"]\n", "none"},
        {"a section with a token that is no call", "[Auction \"N\"]\n1S Pass 2S or 3S\n", "none"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirstReference(kDeal + c.game), c.reference) << c.what;
    }
}

// A game of thousands of notes keeps no more of them than an auction could use.
TEST(PbnAuctions, NotesOfAHostileGameAreBounded) {
    std::string game = "[Auction \"N\"]\n1S =1= AP\n";
    for (int i = 0; i < 5000; ++i) {
        game += "[Note \"1:n\"]\n";
    }
    auto file = CFile::ReadMemory(game);
    CPbnGame pbnGame;
    CBiddingDeal deal;
    EXPECT_TRUE(pbnGame.ReadGame(*file, &deal));
    EXPECT_EQ(pbnGame.GetAuctionNotes().size(), CPbnGame::kMaxAuctionNotes);
    deal.TakePbnGame(&pbnGame);
    EXPECT_EQ(ReferenceOf(deal), "N:1S P P P | 0:n");
}

// With auctions, the pair's auction fills Declarer and Contract and follows the roster, and
// an import reads it back as the reference auction.
TEST(PbnAuctions, ExportWithAuctions) {
    CBiddingDeal deal;
    deal.SetName("A2");  // East deals
    SetHands(deal, "W:KQ.A..T9 N:AKJ... E:... S:2.3.4.5");
    AppendCallCodes(deal, {0, 0, IDC_PASS, IDC_1N, IDC_PASS, IDC_2C, IDC_DOUBLE, IDC_2N, IDC_PASS,
                           IDC_3N, IDC_PASS, IDC_PASS, IDC_PASS});
    deal.GetAuction()->GetCall(3)->AppendNote("15-17\r\n\"strong\" \\ balanced", true);
    deal.GetAuction()->GetCall(5)->AppendNote("Stayman", true);
    auto file = CFile::WriteMemory();
    deal.WriteToFile(*file, "pbn", true, -1, DealExportOptions{true});
    const std::string& text = file->Contents();
    const std::size_t declarer = text.find("[Declarer");
    ASSERT_NE(declarer, std::string::npos);
    EXPECT_EQ(text.substr(declarer),
              "[Declarer \"S\"]\r\n[Contract \"3NT\"]\r\n[Result \"\"]\r\n"
              "[Auction \"E\"]\r\n"
              "Pass 1NT =1= Pass 2C =2=\r\n"
              "X 2NT Pass 3NT\r\n"
              "Pass Pass Pass\r\n"
              "[Note \"1:15-17 \\\"strong\\\" \\\\ balanced\"]\r\n"
              "[Note \"2:Stayman\"]\r\n");
    EXPECT_EQ(FirstReference(text),
              "E:P 1N P 2C D 2N P 3N P P P | 1:15-17 \"strong\" \\ balanced | 3:Stayman");

    // Without the option the game is the plain roster.
    auto plain = CFile::WriteMemory();
    deal.WriteToFile(*plain, "pbn", true);
    EXPECT_NE(plain->Contents().find("[Declarer \"\"]\r\n[Contract \"\"]\r\n[Result \"\"]\r\n"),
              std::string::npos);
    EXPECT_EQ(plain->Contents().find("Auction"), std::string::npos);
}

TEST(PbnAuctions, ExportOfUnfinishedAndPassedOutAuctions) {
    const struct {
        std::vector<int> codes;
        const char* tail;
    } cases[] = {
        {{}, "[Declarer \"\"]\r\n[Contract \"\"]\r\n[Result \"\"]\r\n"},
        {{0, 0, IDC_1S, IDC_DOUBLE},
         "[Declarer \"\"]\r\n[Contract \"\"]\r\n[Result \"\"]\r\n[Auction \"E\"]\r\n1S X *\r\n"},
        {{0, 0, IDC_1S, IDC_DOUBLE, IDC_REDOUBLE, IDC_PASS, IDC_PASS, IDC_PASS},
         "[Declarer \"E\"]\r\n[Contract \"1SXX\"]\r\n[Result \"\"]\r\n[Auction \"E\"]\r\n"
         "1S X XX Pass\r\nPass Pass\r\n"},
        {{0, 0, IDC_PASS, IDC_PASS, IDC_PASS, IDC_PASS},
         "[Declarer \"\"]\r\n[Contract \"Pass\"]\r\n[Result \"\"]\r\n[Auction \"E\"]\r\n"
         "Pass Pass Pass Pass\r\n"},
    };
    for (const auto& c : cases) {
        CBiddingDeal deal;
        deal.SetName("A2");
        AppendCallCodes(deal, c.codes);
        auto file = CFile::WriteMemory();
        deal.WriteToFile(*file, "pbn", true, -1, DealExportOptions{true});
        const std::string& text = file->Contents();
        EXPECT_EQ(text.substr(text.find("[Declarer")), c.tail) << c.tail;
    }
}
