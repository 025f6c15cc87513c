#include <map>
#include <string>

#include <gtest/gtest.h>

#include "core/bidding/CReferenceAuction.h"

namespace {
// The reference as its field text, "+" appended when complete, then " =i:text" per note;
// "none" when the section gives no reference.
std::string Describe(const std::optional<CReferenceAuction>& reference) {
    if (!reference) {
        return "none";
    }
    std::string text = reference->GetFieldText() + (reference->IsComplete() ? "+" : "");
    for (const CReferenceAuction::Note& note : reference->GetNotes()) {
        text += " =" + std::to_string(note.callIndex) + ":" + note.text;
    }
    return text;
}

const std::map<std::string, std::string> kNotes = {
    {"1", "15-17"}, {"2", "Stayman"}, {"3", "no major"}};
}  // namespace

TEST(ReferenceAuction, TokensOfAPbnSection) {
    const struct {
        const char* seat;
        const char* section;
        const char* reference;
    } cases[] = {
        {"N", "1S Pass 4S Pass\nPass Pass", "N:1S P 4S P P P+"},
        // Short and lower-case forms, NT or N, line ends and several blanks.
        {"s", "1nt p 2c  P\r\n2d p 3n AP", "S:1N P 2C P 2D P 3N P P P+"},
        {"W", "1C X XX AP", "W:1C D RD P P P+"},
        {"E", "AP", "E:P P P P+"},
        // Notes attach to the call before them; one after the last call still counts.
        {"N", "1NT =1= Pass 2C =2= Pass 2D =3= Pass Pass Pass",
         "N:1N P 2C P 2D P P P+ =0:15-17 "
         "=2:Stayman =4:no major"},
        {"N", "1S Pass 4S Pass Pass Pass =1=", "N:1S P 4S P P P+ =5:15-17"},
        // An unknown note number, and one before any call, are let go.
        {"N", "=1= 1S =9= AP", "N:1S P P P+"},
        // Annotations alone or stuck to a call, and "+", are ignored.
        {"N", "1NT! ! 2C? $12 2D!? + 3N$4 !! ?! AP", "N:1N 2C 2D 3N P P P+"},
        // Calls after the end (real files add passes) are ignored, also unknown ones.
        {"N", "1S P P P P P Pass what?", "N:1S P P P+"},
        // A blank for the pupil, "-" or "*" ends the reference there, incomplete.
        {"N", "1S Pass 2S ____ Pass", "N:1S P 2S"},
        {"N", "1S Pass - 4S", "N:1S P"},
        {"N", "1S * bad", "N:1S"},
        // Any other token, or a call not legal at its place: no reference.
        {"N", "1S Pass 2S or 3S", "none"},
        {"N", "1S 1H", "none"},
        {"N", "1S XX", "none"},
        {"N", "1S Pass X", "none"},
        {"N", "8C", "none"},
        {"N", "1NTT", "none"},
        {"N", "NT", "none"},
        // Without a call, or without a seat: no reference.
        {"N", "", "none"},
        {"N", "____", "none"},
        {"X", "1S AP", "none"},
        {"", "1S AP", "none"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Describe(CReferenceAuction::FromPbn(c.seat, c.section, kNotes)), c.reference)
            << c.seat << ": " << c.section;
    }
}

TEST(ReferenceAuction, FieldTextBothWays) {
    const struct {
        const char* text;
        const char* reference;
    } cases[] = {
        {"N:1S P 4S P P P", "N:1S P 4S P P P+"},
        {"W:P 1N P", "W:P 1N P"},
        {"E:1C D RD P P P", "E:1C D RD P P P+"},
        // Only the words lvtool bid takes, each legal, nothing after the end.
        {"N:1S Pass", "none"},
        {"N:1S P P P P", "none"},
        {"N:1S 1H", "none"},
        {"N:", "none"},
        {"1S P", "none"},
        {"Q:1S", "none"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Describe(CReferenceAuction::FromFieldText(c.text)), c.reference) << c.text;
    }
}

TEST(ReferenceAuction, NotesStayOnTheirCallsAndOnOneLine) {
    auto reference = CReferenceAuction::FromFieldText("S:1N P 2C");
    ASSERT_TRUE(reference);
    reference->AddNote(0, "15-17\r\nbalanced");
    reference->AddNote(2, "Stayman");
    reference->AddNote(3, "no such call");
    reference->AddNote(-1, "no such call");
    EXPECT_EQ(Describe(reference), "S:1N P 2C =0:15-17  balanced =2:Stayman");
    EXPECT_EQ(reference->GetEntries(),
              (std::vector<int>{0, 0, 0, reference->GetCalls()[0], reference->GetCalls()[1],
                                reference->GetCalls()[2]}));
    for (std::size_t i = 0; i < 2 * CReferenceAuction::kMaxNotes; ++i) {
        reference->AddNote(0, "again");
    }
    EXPECT_EQ(reference->GetNotes().size(), CReferenceAuction::kMaxNotes);
}
