// The [Auction] section of a PBN game and its notes, as an import keeps them.
#include <gtest/gtest.h>

#include "CoreTest.h"
#include "DealFilesTest.h"
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
    EXPECT_LE(pbnGame.GetChildCount(), static_cast<int>(CPbnGame::kMaxAuctionNotes) + 1);
    deal.TakePbnGame(&pbnGame);
    EXPECT_EQ(ReferenceOf(deal), "N:1S P P P | 0:n");
}
