#include <map>
#include <string>

#include <gtest/gtest.h>

#include "AuctionScript.h"
#include "bidding/BiddingIds.h"
#include "bidding/CAuction.h"
#include "bidding/CCall.h"
#include "items/CArchive.h"
#include "platform/CFile.h"
#include "platform/ControlEnabler.h"

namespace {
class CRecordingEnabler : public IControlEnabler {
public:
    void EnableControl(unsigned id, bool enable) override {
        enabled[id] = enable;
        ++calls;
    }
    std::map<unsigned, bool> enabled;
    int calls = 0;
};

// The lowest enabled bid ("-" for none), checking that exactly the bids from it up are.
std::string LowestEnabledBid(const CAuction& auction) {
    std::string lowest = "-";
    for (int index = kBidCount - 1; index >= 0; --index) {
        const int code = CCall::GetCodeOfIndex(index);
        if (!auction.IsCallEnabled(code)) {
            break;
        }
        lowest = CCall::GetCallText(code);
    }
    int enabledBids = 0;
    for (int index = 0; index < kBidCount; ++index) {
        enabledBids += auction.IsCallEnabled(CCall::GetCodeOfIndex(index)) ? 1 : 0;
    }
    const int expected =
        lowest == "-" ? 0 : kBidCount - CCall::GetCallIndex(CCall::GetCallCode(lowest));
    return enabledBids == expected ? lowest : "a gap below " + lowest;
}

std::string Write(CItem& item) {
    auto file = CFile::WriteMemory();
    CArchive archive(*file, CArchive::Mode::Store);
    item.Serialize(archive, nullptr);
    return file->Contents();
}

// Reads an item written by Write: the opening line is the owner's to read.
void Read(CItem& item, const std::string& bytes) {
    auto file = CFile::ReadMemory(bytes);
    CArchive archive(*file, CArchive::Mode::Load);
    std::string opening;
    ASSERT_TRUE(archive.ReadString(opening));
    item.Serialize(archive, nullptr);
}
}  // namespace

TEST(Auction, LegalCalls) {
    const struct {
        const char* calls;
        bool complete, noBidYet, pass, doubled, redoubled;
        const char* lowestBid;
        int seatToCall;
    } cases[] = {
        {"", false, true, true, false, false, "1C", 0},
        {"-", false, true, true, false, false, "1C", 1},  // North deals: North calls first
        {"- - -", false, true, true, false, false, "1C", 3},
        {"P P P", false, true, true, false, false, "1C", 3},
        {"P P P P", true, false, false, false, false, "-", 0},  // passed out
        {"- P P P P", true, false, false, false, false, "-", 1},
        {"- - - P P P P", true, false, false, false, false, "-", 3},
        {"- - - P P P", false, true, true, false, false, "1C", 2},
        {"1H", false, false, true, true, false, "1S", 1},
        {"1H P", false, false, true, false, false, "1S", 2},  // the bidder's partner
        {"1H P P", false, false, true, true, false, "1S", 3},
        {"1H P P P", true, false, false, false, false, "-", 0},
        {"- 1H P P P", true, false, false, false, false, "-", 1},
        {"1H D", false, false, true, false, true, "1S", 2},
        {"1H D P", false, false, true, false, false, "1S", 3},
        {"1H D P P", false, false, true, false, true, "1S", 0},
        {"1H D RD", false, false, true, false, false, "1S", 3},
        {"1H D RD P", false, false, true, false, false, "1S", 0},
        {"1H D RD P P", false, false, true, false, false, "1S", 1},
        {"1H D RD P P P", true, false, false, false, false, "-", 2},
        {"1H D P P P", true, false, false, false, false, "-", 1},
        {"P 1C P 1N P P", false, false, true, true, false, "2C", 2},
        {"P 1C P 1N P P P", true, false, false, false, false, "-", 3},
        {"1S P 2S D", false, false, true, false, true, "2N", 0},
        {"1S P 2S D P P", false, false, true, false, true, "2N", 2},
        {"6N", false, false, true, true, false, "7C", 1},
        {"7C", false, false, true, true, false, "7D", 1},
        {"7S", false, false, true, true, false, "7N", 1},
        {"7N", false, false, true, true, false, "-", 1},
        {"- 7N P", false, false, true, false, false, "-", 3},
        {"7N D", false, false, true, false, true, "-", 2},
        {"7N D RD", false, false, true, false, false, "-", 3},
        {"7N P P P", true, false, false, false, false, "-", 0},
        // Codes that are no call count as bids when they are the latest call.
        {"#1139", false, false, true, true, false, "1C", 1},
        {"1S #1177", false, false, true, true, false, "1C", 2},
        // A Double with no bid before it (only a file can hold one) opens nothing.
        {"P D", false, true, true, false, false, "1C", 2},
    };
    for (const auto& c : cases) {
        CAuction auction(nullptr);
        AppendCalls(auction, c.calls);
        CRecordingEnabler box;
        auction.UpdateLegalCalls(&box);
        EXPECT_EQ(auction.IsComplete(false), c.complete) << c.calls;
        EXPECT_EQ(auction.IsNoBidYet(), c.noBidYet) << c.calls;
        EXPECT_EQ(auction.IsCallEnabled(IDC_PASS), c.pass) << c.calls;
        EXPECT_EQ(auction.IsCallEnabled(IDC_DOUBLE), c.doubled) << c.calls;
        EXPECT_EQ(auction.IsCallEnabled(IDC_REDOUBLE), c.redoubled) << c.calls;
        EXPECT_EQ(LowestEnabledBid(auction), c.lowestBid) << c.calls;
        EXPECT_EQ(auction.GetSeatToCall(), c.seatToCall) << c.calls;

        // The bidding box ends with each of the 38 buttons as the flags say.
        EXPECT_EQ(box.enabled.size(), static_cast<std::size_t>(kCallCount)) << c.calls;
        for (int index = 0; index < kCallCount; ++index) {
            const int code = CCall::GetCodeOfIndex(index);
            EXPECT_EQ(box.enabled[code], auction.IsCallEnabled(code)) << c.calls << " " << code;
        }
        // Asking again with recompute and without a box gives the same answer.
        EXPECT_EQ(auction.IsComplete(true), c.complete) << c.calls;
    }
}

TEST(Auction, TakeBackReopensAndPlaceholdersFillTheSeatsBeforeTheDealer) {
    CAuction auction(nullptr);
    auction.TakeBackLastCall();  // nothing to take back
    EXPECT_EQ(auction.GetCallCount(), 0);
    auction.AppendPlaceholders(3);
    EXPECT_EQ(CallsOf(auction), "- - -");
    auction.AppendPlaceholders(1);  // only an empty auction gets placeholders
    EXPECT_EQ(CallsOf(auction), "- - -");
    AppendCalls(auction, "1S P P P");
    EXPECT_TRUE(auction.IsComplete(true));
    auction.TakeBackLastCall();
    EXPECT_EQ(CallsOf(auction), "- - - 1S P P");
    EXPECT_FALSE(auction.IsComplete(true));
    EXPECT_TRUE(auction.IsCallEnabled(IDC_DOUBLE));

    CAuction west(nullptr);
    west.AppendPlaceholders(0);
    EXPECT_EQ(west.GetCallCount(), 0);
}

namespace {
// An auction in which North (after West's placeholder) opened with a reply table.
void GiveReplies(CAuction& auction, int anchorIndex, const std::string& pairs) {
    AppendCalls(auction.GetCall(anchorIndex)->ProvideReplyTable(), pairs);
}
}  // namespace

TEST(Auction, AutoPassAndTheReplayOfRecordedReplies) {
    const struct {
        const char* before;
        const char* replies;  // on the call at index 1, when not empty
        int pending;
        const char* after;
    } cases[] = {
        // The defender passes when the defence has nothing for it ...
        {"- 1S", "", 0, "- 1S P"},
        // ... and otherwise only once it has acted.
        {"- 1S", "", IDC_2C, "- 1S"},
        {"- 1S 2C 2S", "", IDC_3C, "- 1S 2C 2S"},  // West has not acted
        {"1C 1S P 2S", "", IDC_3C, "1C 1S P 2S P"},
        {"1C P D 1S P 2S", "", IDC_3C, "1C P D 1S P 2S P"},
        {"P 1S 2C 2S P 3S", "", IDC_DOUBLE, "P 1S 2C 2S P 3S P"},
        {"P 1S P 2S P 3S", "", IDC_DOUBLE, "P 1S P 2S P 3S"},  // East only ever passed
        {"- - 1S P 2S", "", IDC_3C, "- - 1S P 2S"},
        // A complete auction takes nothing.
        {"- 1S P P P", "", 0, "- 1S P P P"},
        {"P P P P", "", 0, "P P P P"},
        // North's 1S with the table (2D 3S 2H 4H): South's 2H is answered by 4H, 2D by 3S,
        // and 2C by nothing; each answer is followed by East's Pass.
        {"- 1S P 2H", "2D 3S 2H 4H", 0, "- 1S P 2H P 4H P"},
        {"- 1S P 2D", "2D 3S 2H 4H", 0, "- 1S P 2D P 3S P"},
        {"- 1S P 2C", "2D 3S 2H 4H", 0, "- 1S P 2C P"},
        // The first matching pair wins (the newest stands first).
        {"- 1S P 2H", "2H 3H 2H 4H", 0, "- 1S P 2H P 3H P"},
        // A trigger without a reply after it never matches.
        {"- 1S P 2H", "2D 3S 2H", 0, "- 1S P 2H P"},
        // Replay only after the automatic Pass.
        {"- 1S P 2H", "2D 3S 2H 4H", IDC_2S, "- 1S P 2H"},
        // A Pass that completes the auction is not followed by a replay.
        {"- 1S P P", "P 2S", 0, "- 1S P P P"},
        // A reply that completes the auction gets no defender's Pass after it.
        {"- 1S 2D P", "P P", 0, "- 1S 2D P P P"},
        // A reply that has become illegal (East bid higher this time) is left to North.
        {"- 1S 3D P", "P 2S", 0, "- 1S 3D P P"},
        {"- 1S 3D P", "P 3S", 0, "- 1S 3D P P 3S P"},
        // Reply tables hang on the user's call before the partner's, nowhere else.
        {"- 1S P 2H P 3H", "2H 4H 3H 4H", 0, "- 1S P 2H P 3H P"},
    };
    for (const auto& c : cases) {
        CAuction auction(nullptr);
        AppendCalls(auction, c.before);
        if (*c.replies != '\0') {
            GiveReplies(auction, 1, c.replies);
        }
        auction.AutoPass(c.pending);
        EXPECT_EQ(CallsOf(auction), c.after) << c.before << " with " << c.replies;
    }
}

TEST(Auction, RecordReplyMovesTheLastRoundIntoTheTable) {
    // North 1S, East P, South 2H, West P, North 4H, East P: North's 4H becomes the reply
    // to South's 2H, and South is to call again after North's 1S.
    CAuction auction(nullptr);
    AppendCalls(auction, "- 1S P 2H P 4H P");
    auction.GetCall(5)->AppendNote("to play", false);
    ASSERT_TRUE(auction.RecordReply());
    EXPECT_EQ(CallsOf(auction), "- 1S P");
    const CAuction* table = auction.GetCall(1)->GetReplyTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(CallsOf(*table), "2H 4H");
    EXPECT_EQ(table->GetCall(1)->GetNote(), "to play");
    EXPECT_EQ(table->GetCall(1)->GetParent(), table);

    // Another try: South bids 2D, North answers 3S; the new pair goes first.
    AppendCalls(auction, "2D P 3S P");
    ASSERT_TRUE(auction.RecordReply());
    EXPECT_EQ(CallsOf(*auction.GetCall(1)->GetReplyTable()), "2D 3S 2H 4H");

    // Both replies now come back by themselves.
    for (const char* trigger : {"2H", "2D"}) {
        CAuction replayed(nullptr);
        AppendCalls(replayed, "- 1S P");
        AppendCalls(replayed.GetCall(1)->ProvideReplyTable(),
                    CallsOf(*auction.GetCall(1)->GetReplyTable()));
        AppendCalls(replayed, trigger);
        replayed.AutoPass(0);
        EXPECT_EQ(CallsOf(replayed),
                  std::string("- 1S P ") + trigger + (trigger[1] == 'H' ? " P 4H P" : " P 3S P"));
    }

    // Auctions that do not end in such a round change nothing.
    for (const char* calls : {"- 1S P 2H P", "1S P 2H P 4H", "- - 1S P 2H P 4H P", "- - - - - P",
                              "1S P 2H 2S 4H P", "1S P 2H P 4H 4S"}) {
        CAuction other(nullptr);
        AppendCalls(other, calls);
        EXPECT_FALSE(other.RecordReply()) << calls;
        EXPECT_EQ(CallsOf(other), calls);
    }
}

TEST(Auction, TextWithNumberedNotes) {
    const struct {
        const char* calls;
        std::map<int, std::string> notes;
        std::string text;
    } cases[] = {
        {"", {}, ""},
        // West deals, no notes: one row per four calls, no line end after the last.
        {"1C P 1H P 1N P P P", {}, "West\tNorth\tEast\tSouth\t\r\n1C\tP\t1H\tP\r\n1N\tP\tP\tP"},
        // South deals; South's 1S carries a note.
        {"- - - 1S P 2S P P P",
         {{3, "five spades"}},
         "West\tNorth\tEast\tSouth\t\r\n\t\t\t1S (1)\r\nP\t2S\tP\tP\r\nP\r\n\r\n"
         "(1)\tfive spades"},
        // Notes are numbered in auction order; a note of several lines stays as it is.
        {"- 1N P 2C",
         {{1, "15-17"}, {3, "Stayman\r\nasks for majors"}},
         "West\tNorth\tEast\tSouth\t\r\n\t1N (1)\tP\t2C (2)\r\n\r\n(1)\t15-17\r\n"
         "(2)\tStayman\r\nasks for majors"},
        {"- #1139", {}, "West\tNorth\tEast\tSouth\t\r\n\t"},
    };
    for (const auto& c : cases) {
        CAuction auction(nullptr);
        AppendCalls(auction, c.calls);
        for (const auto& [index, note] : c.notes) {
            auction.GetCall(index)->AppendNote(note, true);
        }
        std::string text = "before:";
        EXPECT_TRUE(auction.GetText(text, true));
        EXPECT_EQ(text, "before:" + c.text) << c.calls;
    }
}

TEST(Auction, DocumentFieldsWithNestedReplyTables) {
    CCall owner(IDC_PLACEHOLDER);
    CAuction auction(&owner);
    EXPECT_EQ(auction.GetParent(), &owner);
    EXPECT_EQ(owner.GetChildCount(), 0);
    AppendCalls(auction, "- 1S P 2H");
    auction.GetCall(1)->AppendNote("five\r\n\r\nor more", true);
    GiveReplies(auction, 1, "2D 3S 2H 4H");
    CAuction& table = *auction.GetCall(1)->GetReplyTable();
    table.GetCall(1)->AppendNote("invitational", true);
    AppendCalls(table.GetCall(1)->ProvideReplyTable(), "3N P");  // a table inside a table

    const std::string written = Write(auction);
    EXPECT_EQ(written.substr(0, 12), "6182400Bid\r\n");
    EXPECT_NE(written.find("6182501"
                           "1142\r\n6182502five\r\n6182502\r\n6182502or more\r\n"
                           "6182400Bid\r\n"),
              std::string::npos);

    CAuction copy(&owner);
    Read(copy, written);
    EXPECT_EQ(CallsOf(copy), "- 1S P 2H");
    EXPECT_EQ(copy.GetCall(1)->GetNote(), "five\r\n\r\nor more");
    ASSERT_NE(copy.GetCall(1)->GetReplyTable(), nullptr);
    EXPECT_EQ(CallsOf(*copy.GetCall(1)->GetReplyTable()), "2D 3S 2H 4H");
    EXPECT_EQ(copy.GetCall(1)->GetReplyTable()->GetParent(), copy.GetCall(1));
    EXPECT_EQ(copy.GetCall(0)->GetReplyTable(), nullptr);
    EXPECT_EQ(Write(copy), written);

    // A call code that is no number reads as a placeholder; other kinds and codes are
    // skipped; a missing closing line ends the record.
    CAuction odd(nullptr);
    Read(odd,
         "6182400Bid\r\n6182500x\r\n6182501abc\r\n6182507ignored\r\n6180901ignored\r\n"
         "6182599\r\n6182500\r\n6182501#\r\n6182500y\r\n6182501 1176");
    EXPECT_EQ(CallsOf(odd), "- P");  // "y" stood inside the second call
}
