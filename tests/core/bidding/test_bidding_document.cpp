#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "BiddingScript.h"
#include "CoreTest.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CCall.h"
#include "core/bidding/CReferenceAuction.h"
#include "core/items/CDesktop.h"
#include "core/items/CHeadlessItemTree.h"
#include "core/items/CLorvaneDoc.h"

namespace {
class BiddingDocumentTest : public CoreTest {
protected:
    static CBiddingList* Session(CLorvaneDoc& doc, int index) {
        return dynamic_cast<CBiddingList*>(doc.GetDesktop()->GetChildAt(index));
    }
    static CBiddingDeal* Deal(CLorvaneDoc& doc, int session, int index) {
        return dynamic_cast<CBiddingDeal*>(Session(doc, session)->GetChildAt(index));
    }
    // Opens the file as the program shows it: with nodes, so names become unique.
    bool Open(CLorvaneDoc& doc, const std::string& path) {
        if (!doc.OnOpenDocument(path)) {
            return false;
        }
        doc.AttachTree(&tree);
        return true;
    }

    CHeadlessItemTree tree;
};

const char kGolden[] =
    "61463003\r\n6146300Desktop\r\n"
    "6180800Club night\r\n6180801Ann\r\n6180802Bob\r\n"
    "6180900A1\r\n"
    "6180901,,,,AK,,,,,,,,,,,\r\n"
    "6180902Ann: 1N?\r\n6180902Bob: yes\r\n"
    "61809050,0\r\n61809060,0\r\n"
    "61809051,0\r\n61809061,1\r\n"
    "61809032,East opens 1S\r\n61809052,0\r\n61809062,0\r\n"
    "61809053,1\r\n61809063,0\r\n"
    "6182400Bid\r\n"
    "6182500\r\n61825010\r\n6182599\r\n"
    "61825001N\r\n61825011143\r\n618250215-17\r\n"
    "6182400Bid\r\n"
    "61825002C\r\n61825011144\r\n6182599\r\n"
    "61825002D\r\n61825011172\r\n6182599\r\n"
    "6182499\r\n"
    "6182599\r\n"
    "6182500P\r\n61825011176\r\n6182599\r\n"
    "6182499\r\n"
    "6180999\r\n"
    "6180899\r\n"
    "6146399\r\n";
}  // namespace

TEST_F(BiddingDocumentTest, TheFileFormatOfASessionAndADeal) {
    CLorvaneDoc doc;
    doc.OnNewDocument();
    CBiddingDeal* deal = AddDeal(*AddSession(*doc.GetDesktop(), "Club night", "Ann", "Bob"), "A1",
                                 "Ann: 1N?\r\nBob: yes");
    deal->SetSuitText(SEAT_NORTH, SUIT_SPADES, "AK", true);
    deal->SetSeatText(SEAT_EAST, "East opens 1S", true);
    deal->SetHidden(SEAT_SOUTH);
    deal->SetPeeked(SEAT_NORTH);
    deal->SetStartPlayer(SEAT_NORTH);  // not saved
    AppendCalls(*deal->GetAuction(), "- 1N P");
    deal->GetAuction()->GetCall(1)->AppendNote("15-17", true);
    AppendCalls(deal->GetAuction()->GetCall(1)->ProvideReplyTable(), "2C 2D");

    const std::string path = TempPath("golden.lv");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(ReadFileBytes(path), kGolden);
}

// Everything a deal holds: multi-line comments and seat texts (empty lines first and last,
// commas, bare CR or LF), hidden and peeked flags, notes, reply tables inside reply tables.
// Read back and saved again, the file is the same byte for byte.
TEST_F(BiddingDocumentTest, EverythingADealHoldsSurvivesASaveByteForByte) {
    const std::string comments[] = {
        "Ann: 2S was weak\r\n\r\nBob: not at this vulnerability",
        "\r\nstarts with an empty line",
        "ends with an empty line\r\n\r\n",
        "\r\n",
        "a bare line feed\nand a bare return\rin one comment",
        "",
    };
    CLorvaneDoc doc;
    doc.OnNewDocument();
    CBiddingList* session = AddSession(*doc.GetDesktop(), "Bidding", "Ann", "Bob");
    for (int d = 0; d < 6; ++d) {
        CBiddingDeal* deal = AddDeal(*session, "A" + std::to_string(d + 1), comments[d]);
        for (int card = 1; card <= 52; ++card) {
            deal->AddCard((card + d) % 4, card);
        }
        for (int seat = 0; seat < 4; ++seat) {
            deal->SetSeatText(seat, std::string(1, "WNES"[seat]) + " line one", true);
            if (d % 2 == 0) {
                deal->SetSeatText(seat, "line two, with a comma", false);
            }
        }
        if (d % 2 == 0)
            deal->SetHidden(SEAT_SOUTH);
        if (d % 3 == 0)
            deal->SetHidden(SEAT_NORTH);
        if (d == 4)
            deal->SetPeeked(SEAT_SOUTH);
        if (d == 5)
            continue;
        CAuction& auction = *deal->GetAuction();
        AppendCalls(auction, "- 1S P 2H P 4H P P P");
        auction.GetCall(1)->AppendNote("five spades\r\n\r\nat least", true);
        auction.GetCall(3)->AppendNote("\r\nforcing", true);
        CAuction& replies = auction.GetCall(1)->ProvideReplyTable();
        AppendCalls(replies, "2D 3S 2H 4H");
        replies.GetCall(1)->AppendNote("invitational", true);
        AppendCalls(replies.GetCall(3)->ProvideReplyTable(), "5H 6H");
    }
    const std::string first = TempPath("first.lv");
    const std::string second = TempPath("second.lv");
    ASSERT_TRUE(doc.OnSaveDocument(first));

    CLorvaneDoc copy;
    ASSERT_TRUE(Open(copy, first));
    ASSERT_TRUE(copy.OnSaveDocument(second));
    EXPECT_TRUE(ReadFileBytes(second) == ReadFileBytes(first));  // too long to print
    EXPECT_FALSE(copy.IsModified());

    // What the second save cannot show: that nothing was lost in the first.
    EXPECT_EQ(Deal(copy, 0, 2)->GetComment(), comments[2]);
    EXPECT_EQ(Deal(copy, 0, 4)->GetComment(),
              "a bare line feed\r\nand a bare return\r\nin one comment");
    EXPECT_EQ(Deal(copy, 0, 0)->GetSeatText(SEAT_EAST), "E line one\r\nline two, with a comma");
    EXPECT_TRUE(Deal(copy, 0, 4)->HasPeeked(SEAT_SOUTH));
    EXPECT_TRUE(Deal(copy, 0, 3)->IsHidden(SEAT_NORTH));
    std::string text;
    std::string original;
    Deal(copy, 0, 0)->GetText(text, false);  // hands, auction and notes
    Deal(doc, 0, 0)->GetText(original, false);
    EXPECT_EQ(text, original);
    const CAuction* replies = Deal(copy, 0, 0)->GetAuction()->GetCall(1)->GetReplyTable();
    ASSERT_NE(replies, nullptr);
    EXPECT_EQ(CallsOf(*replies), "2D 3S 2H 4H");
    EXPECT_EQ(replies->GetCall(1)->GetNote(), "invitational");
    ASSERT_NE(replies->GetCall(3)->GetReplyTable(), nullptr);
    EXPECT_EQ(CallsOf(*replies->GetCall(3)->GetReplyTable()), "5H 6H");
}

TEST_F(BiddingDocumentTest, TheDesktopReadsSessionsAndTheirDeals) {
    // An older version, line ends of every kind, seat texts in the old code 4 and for seats
    // that do not exist, lines of unknown kinds and codes, and a file cut off inside the
    // second session.
    const std::string path = TempPath("old.lv");
    WriteFileBytes(path,
                   "61463002\n6146300Desktop\r\n6180800Monday\r\n6180801Ann\n"
                   "6180900A1\n61809042,East doubles\n6180901,,,,Q,,,,,,,,,,,\n"
                   "61809030,West passes, always\n61809034,nobody\n6180903-1,nobody\n"
                   "6180903no seat\n61809053,1\n61809059,1\n6180906,1\n61809061,1\n"
                   "6180907whatever\n61825011142\n"
                   "6180999\n6180900A1\n6180999\n"
                   "5000001ignored\n6180899\n"
                   "6180800Monday\n6180802Dee\n6180900B7\n6180902half a deal");
    // A session without a North line has no North, whatever the defaults for new ones say.
    settings.WriteString("CBiddingList", "North", "Zed");
    CLorvaneDoc doc;
    ASSERT_TRUE(Open(doc, path));
    EXPECT_FALSE(doc.IsLoadFailed());
    ASSERT_EQ(doc.GetDesktop()->GetChildCount(), 2);
    // Nodes are made once everything is read, so the first of two equal names yields.
    EXPECT_EQ(Session(doc, 0)->GetName(), "Monday (2)");
    EXPECT_EQ(Session(doc, 0)->GetNorthName(), "Ann");
    ASSERT_EQ(Session(doc, 0)->GetChildCount(), 2);
    const CBiddingDeal& first = *Deal(doc, 0, 0);
    EXPECT_EQ(first.GetSeatText(SEAT_EAST), "East doubles");
    EXPECT_EQ(first.GetSeatText(SEAT_WEST), "West passes, always");
    EXPECT_EQ(first.GetSeatText(SEAT_NORTH) + first.GetSeatText(SEAT_SOUTH), "");
    EXPECT_TRUE(first.IsHidden(SEAT_SOUTH));
    EXPECT_FALSE(first.IsHidden(SEAT_NORTH));
    EXPECT_TRUE(first.HasPeeked(SEAT_NORTH));
    EXPECT_FALSE(first.HasPeeked(SEAT_WEST));
    EXPECT_EQ(first.GetAuction()->GetCallCount(), 0);
    EXPECT_EQ(first.GetSuitText(SEAT_NORTH, SUIT_SPADES), "Q");
    EXPECT_EQ(first.GetName(), "A1 (2)");
    EXPECT_EQ(Deal(doc, 0, 1)->GetName(), "A1");
    EXPECT_EQ(Session(doc, 1)->GetName(), "Monday");
    EXPECT_EQ(Session(doc, 1)->GetSouthName(), "Dee");
    EXPECT_EQ(Session(doc, 1)->GetNorthName(), "");
    EXPECT_EQ(Deal(doc, 1, 0)->GetComment(), "half a deal");
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(BiddingDocumentTest, RepliesNestedWithoutEndStopAtASafeDepth) {
    std::string bytes = "61463003\r\n6146300Desktop\r\n6180800S\r\n6180900A1\r\n6182400Bid\r\n";
    for (int i = 0; i < 20000; ++i) {
        bytes += "6182500\r\n61825011142\r\n6182400Bid\r\n";
    }
    const std::string path = TempPath("deep.lv");
    WriteFileBytes(path, bytes);
    CLorvaneDoc doc;
    ASSERT_TRUE(Open(doc, path));
    const CAuction* auction = Deal(doc, 0, 0)->GetAuction();
    int depth = 0;
    while (auction != nullptr && auction->GetCallCount() > 0) {
        auction = auction->GetCall(0)->GetReplyTable();
        ++depth;
    }
    EXPECT_GT(depth, 10);
    EXPECT_LT(depth, 1000);
    ASSERT_TRUE(doc.OnSaveDocument(TempPath("deep again.lv")));
}

// The reference auction: the last lines of the deal's record, read back the same; a broken
// one is dropped with its notes and nothing else.
TEST_F(BiddingDocumentTest, TheReferenceAuctionIsTheLastOfTheDealsLines) {
    CLorvaneDoc doc;
    doc.OnNewDocument();
    CBiddingDeal* deal = AddDeal(*AddSession(*doc.GetDesktop(), "Club night", "Ann", "Bob"), "A1");
    AppendCalls(*deal->GetAuction(), "- 1N P");
    auto reference = CReferenceAuction::FromFieldText("N:1N P 2C P 2D P P P");
    ASSERT_TRUE(reference);
    reference->AddNote(0, "15-17, balanced");
    reference->AddNote(2, "Stayman");
    deal->SetReferenceAuction(reference);
    const std::string path = TempPath("reference.lv");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    const std::string bytes = ReadFileBytes(path);
    EXPECT_NE(bytes.find("6182499\r\n"
                         "6180940N:1N P 2C P 2D P P P\r\n"
                         "61809410,15-17, balanced\r\n"
                         "61809412,Stayman\r\n"
                         "6180999\r\n"),
              std::string::npos)
        << bytes;

    CLorvaneDoc copy;
    ASSERT_TRUE(Open(copy, path));
    ASSERT_NE(Deal(copy, 0, 0)->GetReferenceAuction(), nullptr);
    EXPECT_EQ(*Deal(copy, 0, 0)->GetReferenceAuction(), *reference);
    EXPECT_EQ(CallsOf(*Deal(copy, 0, 0)->GetAuction()), "- 1N P");

    std::string broken = bytes;
    broken.replace(broken.find("2C P 2D"), 7, "2C P 1D");
    WriteFileBytes(path, broken);
    CLorvaneDoc damaged;
    ASSERT_TRUE(Open(damaged, path));
    EXPECT_EQ(Deal(damaged, 0, 0)->GetReferenceAuction(), nullptr);
    EXPECT_EQ(Session(damaged, 0)->GetNorthName(), "Ann");
    EXPECT_EQ(CallsOf(*Deal(damaged, 0, 0)->GetAuction()), "- 1N P");
}

// A deal read without calls has no auction of its own until one is asked for; the empty one
// it shows meanwhile is nobody's, and a call made on one deal reaches no other.
TEST_F(BiddingDocumentTest, ADealNotBidYetGetsItsOwnAuctionWhenBid) {
    CLorvaneDoc doc;
    doc.OnNewDocument();
    CBiddingList* session = AddSession(*doc.GetDesktop(), "Club night", "Ann", "Bob");
    AddDeal(*session, "A1", "");
    AddDeal(*session, "A2", "");
    AppendCalls(*AddDeal(*session, "A3", "")->GetAuction(), "- 1N P");
    const std::string path = TempPath("bid.lv");
    ASSERT_TRUE(doc.OnSaveDocument(path));

    CLorvaneDoc copy;
    ASSERT_TRUE(Open(copy, path));
    const CBiddingDeal& unbid = *Deal(copy, 0, 1);
    EXPECT_EQ(unbid.GetAuction()->GetCallCount(), 0);
    CBiddingDeal& bid = *Deal(copy, 0, 0);
    CAuction& auction = *bid.GetAuction();
    EXPECT_EQ(auction.GetParent(), &bid);
    AppendCalls(auction, "1S");
    EXPECT_EQ(CallsOf(*std::as_const(bid).GetAuction()), "1S");
    EXPECT_EQ(unbid.GetAuction()->GetCallCount(), 0);
    EXPECT_EQ(CallsOf(*Deal(copy, 0, 2)->GetAuction()), "- 1N P");

    ASSERT_TRUE(copy.OnSaveDocument(path));
    CLorvaneDoc again;
    ASSERT_TRUE(Open(again, path));
    EXPECT_EQ(CallsOf(*Deal(again, 0, 0)->GetAuction()), "1S");
    EXPECT_EQ(Deal(again, 0, 1)->GetAuction()->GetCallCount(), 0);
}
