#include <cctype>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "BiddingScript.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CCall.h"
#include "core/items/CArchive.h"
#include "core/platform/CFile.h"
#include "core/platform/ControlEnabler.h"

namespace {
class CRecordingEnabler : public IControlEnabler {
public:
    void EnableControl(unsigned id, bool enable) override { enabled[id] = enable; }
    std::map<unsigned, bool> enabled;
};

// The lowest enabled bid ("-" for none), or "a gap" unless every bid above it is enabled.
std::string LowestEnabledBid(const CAuction& auction) {
    int index = 0;
    while (index < kBidCount && !auction.IsCallEnabled(CCall::GetCodeOfIndex(index))) {
        ++index;
    }
    for (int above = index; above < kBidCount; ++above) {
        if (!auction.IsCallEnabled(CCall::GetCodeOfIndex(above))) {
            return "a gap";
        }
    }
    return index == kBidCount ? "-" : CCall::GetCallText(CCall::GetCodeOfIndex(index));
}
}  // namespace

// The codes are those documents hold; they follow no single pattern. Codes between and
// around them are no call.
TEST(Call, TheCodeTableBothWays) {
    const struct {
        int code;
        const char* text;
    } calls[] = {{1138, "1C"}, {1140, "1D"}, {1143, "1N"}, {1144, "2C"}, {1172, "2D"},
                 {1175, "2N"}, {1145, "3C"}, {1168, "3D"}, {1165, "4H"}, {1162, "5S"},
                 {1148, "6C"}, {1159, "6N"}, {1149, "7C"}, {1153, "7H"}, {1155, "7N"},
                 {1176, "P"},  {1179, "D"},  {1180, "RD"}, {0, ""},      {1139, ""},
                 {1151, ""},   {1177, ""},   {1137, ""},   {1181, ""},   {61825, ""}};
    for (const auto& call : calls) {
        EXPECT_EQ(CCall(call.code).GetName(), call.text) << call.code;
        EXPECT_EQ(CCall::GetCallCode(call.text), *call.text ? call.code : -1) << call.code;
        if (!std::isdigit(static_cast<unsigned char>(*call.text))) {
            EXPECT_EQ(CCall(call.code).GetStrain(), -1) << call.code;
            EXPECT_EQ(CCall::GetLevelOf(call.code), 0) << call.code;
        }
    }
    for (int level = 1; level <= 7; ++level) {
        for (int strain = 0; strain < 5; ++strain) {
            const int code = CCall::MakeCallCode(level, strain);
            EXPECT_EQ(CCall::GetCallText(code), std::to_string(level) + "CDHSN"[strain]);
            EXPECT_EQ(CCall::GetLevelOf(code), level);
            EXPECT_EQ(CCall(level, strain).GetStrain(), strain);
        }
    }
    for (int index = 0; index < kCallCount; ++index) {
        EXPECT_EQ(CCall::GetCallIndex(CCall::GetCodeOfIndex(index)), index);
    }
    for (const char* text : {"8C", "1X", "p", "1c", "NT"}) {
        EXPECT_EQ(CCall::GetCallCode(text), -1) << text;
    }
    for (const auto& [level, strain] :
         {std::pair(8, 0), std::pair(0, 2), std::pair(1, 5), std::pair(1, -1)}) {
        EXPECT_EQ(CCall::MakeCallCode(level, strain), 0) << level << strain;
    }
}

TEST(Auction, LegalCalls) {
    const struct {
        const char* calls;
        bool complete, pass, doubled, redoubled;
        const char* lowestBid;
        int seatToCall;
    } cases[] = {
        {"", false, true, false, false, "1C", 0},
        {"- - -", false, true, false, false, "1C", 3},
        {"P P P", false, true, false, false, "1C", 3},
        {"P P P P", true, false, false, false, "-", 0},  // passed out
        {"- - - P P P P", true, false, false, false, "-", 3},
        {"1H", false, true, true, false, "1S", 1},
        {"1H P", false, true, false, false, "1S", 2},  // the bidder's partner
        {"1H P P", false, true, true, false, "1S", 3},
        {"1H P P P", true, false, false, false, "-", 0},
        {"1H D", false, true, false, true, "1S", 2},
        {"1H D P", false, true, false, false, "1S", 3},
        {"1H D P P", false, true, false, true, "1S", 0},
        {"1H D RD", false, true, false, false, "1S", 3},
        {"1S P 2S D P P", false, true, false, true, "2N", 2},
        {"7S", false, true, true, false, "7N", 1},
        {"7N", false, true, true, false, "-", 1},
        {"7N D", false, true, false, true, "-", 2},
        // Codes that are no call count as bids when they are the latest call.
        {"#1139", false, true, true, false, "1C", 1},
        {"1S #1177", false, true, true, false, "1C", 2},
        // A Double with no bid before it (only a file can hold one) opens nothing.
        {"P D", false, true, false, false, "1C", 2},
    };
    for (const auto& c : cases) {
        CAuction auction(nullptr);
        AppendCalls(auction, c.calls);
        CRecordingEnabler box;
        auction.UpdateLegalCalls(&box);
        EXPECT_EQ(auction.IsComplete(false), c.complete) << c.calls;
        EXPECT_EQ(auction.IsCallEnabled(IDC_PASS), c.pass) << c.calls;
        EXPECT_EQ(auction.IsCallEnabled(IDC_DOUBLE), c.doubled) << c.calls;
        EXPECT_EQ(auction.IsCallEnabled(IDC_REDOUBLE), c.redoubled) << c.calls;
        EXPECT_EQ(LowestEnabledBid(auction), c.lowestBid) << c.calls;
        EXPECT_EQ(auction.GetSeatToCall(), c.seatToCall) << c.calls;
        // The bidding box gets every button, as the flags say.
        EXPECT_EQ(box.enabled.size(), static_cast<std::size_t>(kCallCount)) << c.calls;
        for (const auto& [code, enabled] : box.enabled) {
            EXPECT_EQ(enabled, auction.IsCallEnabled(static_cast<int>(code))) << c.calls;
        }
    }
}

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
        {"P 1S P 2S P 3S", "", IDC_DOUBLE, "P 1S P 2S P 3S"},  // East only ever passed
        // A complete auction takes nothing.
        {"- 1S P P P", "", 0, "- 1S P P P"},
        // North's 1S with the table (2D 3S 2H 4H): each trigger gets its reply, then East's
        // Pass.
        {"- 1S P 2H", "2D 3S 2H 4H", 0, "- 1S P 2H P 4H P"},
        {"- 1S P 2D", "2D 3S 2H 4H", 0, "- 1S P 2D P 3S P"},
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
            AppendCalls(auction.GetCall(1)->ProvideReplyTable(), c.replies);
        }
        auction.AutoPass(c.pending);
        EXPECT_EQ(CallsOf(auction), c.after) << c.before << " with " << c.replies;
    }
}

TEST(Auction, RecordReplyMovesTheLastRoundIntoTheTable) {
    // North's 4H answers South's 2H and goes, with its note, into the table on North's 1S.
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

    // The next pair goes first.
    AppendCalls(auction, "2D P 3S P");
    ASSERT_TRUE(auction.RecordReply());
    EXPECT_EQ(CallsOf(*auction.GetCall(1)->GetReplyTable()), "2D 3S 2H 4H");

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
        // West deals, no notes: one row per four calls, no line end after the last.
        {"1C P 1H P 1N P P P", {}, "West\tNorth\tEast\tSouth\t\r\n1C\tP\t1H\tP\r\n1N\tP\tP\tP"},
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

// A call code that is no number reads as a placeholder; other kinds and codes are skipped;
// a missing closing line ends the record.
TEST(Auction, ReadingSkipsWhatItDoesNotKnow) {
    auto file = CFile::ReadMemory(
        "6182500x\r\n6182501abc\r\n6182507ignored\r\n6180901ignored\r\n"
        "6182599\r\n6182500\r\n6182501#\r\n6182500y\r\n6182501 1176");
    CArchive archive(*file, CArchive::Mode::Load);
    CAuction auction(nullptr);
    auction.Serialize(archive, nullptr);
    EXPECT_EQ(CallsOf(auction), "- P");  // "y" stood inside the second call
}
