#include <set>
#include <string>

#include <gtest/gtest.h>

#include "bidding/BiddingIds.h"
#include "bidding/CAuction.h"
#include "bidding/CCall.h"

TEST(Call, TheCodeTableBothWays) {
    const struct {
        int level, strain, code;
        const char* text;
    } bids[] = {
        {1, 0, 1138, "1C"}, {1, 1, 1140, "1D"}, {1, 4, 1143, "1N"}, {2, 0, 1144, "2C"},
        {2, 1, 1172, "2D"}, {2, 4, 1175, "2N"}, {3, 0, 1145, "3C"}, {3, 1, 1168, "3D"},
        {4, 2, 1165, "4H"}, {5, 3, 1162, "5S"}, {6, 0, 1148, "6C"}, {6, 4, 1159, "6N"},
        {7, 0, 1149, "7C"}, {7, 1, 1150, "7D"}, {7, 2, 1153, "7H"}, {7, 3, 1154, "7S"},
        {7, 4, 1155, "7N"},
    };
    for (const auto& bid : bids) {
        EXPECT_EQ(CCall::MakeCallCode(bid.level, bid.strain), bid.code) << bid.text;
        EXPECT_EQ(CCall::GetCallText(bid.code), bid.text);
        EXPECT_EQ(CCall::GetCallCode(bid.text), bid.code);
        EXPECT_EQ(CCall::GetStrainOf(bid.code), bid.strain) << bid.text;
        EXPECT_EQ(CCall::GetLevelOf(bid.code), bid.level) << bid.text;
        const CCall temporary(bid.level, bid.strain);
        EXPECT_EQ(temporary.GetCode(), bid.code);
        EXPECT_EQ(temporary.GetKind(), 0);
        EXPECT_EQ(temporary.GetStrain(), bid.strain);
    }

    // Every level and strain has its own code, and the code leads back to them.
    std::set<int> codes;
    for (int level = 1; level <= 7; ++level) {
        for (int strain = 0; strain < 5; ++strain) {
            const int code = CCall::MakeCallCode(level, strain);
            codes.insert(code);
            const std::string text = CCall::GetCallText(code);
            ASSERT_EQ(text.size(), 2u);
            EXPECT_EQ(text[0], '0' + level);
            EXPECT_EQ(text[1], "CDHSN"[strain]);
        }
    }
    EXPECT_EQ(codes.size(), 35u);
    codes.insert({IDC_PASS, IDC_DOUBLE, IDC_REDOUBLE});
    for (int index = 0; index < kCallCount; ++index) {
        EXPECT_EQ(CCall::GetCallIndex(CCall::GetCodeOfIndex(index)), index);
        EXPECT_TRUE(codes.count(CCall::GetCodeOfIndex(index)));
    }
}

TEST(Call, OtherCallsAndCodesThatAreNoCall) {
    const struct {
        int code;
        const char* text;
    } calls[] = {{1176, "P"}, {1179, "D"}, {1180, "RD"}, {0, ""},    {1139, ""},
                 {1151, ""},  {1152, ""},  {1177, ""},   {1178, ""}, {1137, ""},
                 {1181, ""},  {-1, ""},    {61825, ""}};
    CAuction auction(nullptr);
    auction.UpdateLegalCalls();  // Pass and every bid enabled
    for (const auto& call : calls) {
        const CCall item(call.code);
        EXPECT_EQ(item.GetName(), call.text) << call.code;
        EXPECT_EQ(item.GetStrain(), -1) << call.code;
        EXPECT_EQ(CCall::GetLevelOf(call.code), 0) << call.code;
        if (call.code != IDC_PASS) {
            EXPECT_FALSE(item.IsEnabledIn(auction)) << call.code;
        }
    }
    EXPECT_EQ(CCall::GetCallCode("RD"), IDC_REDOUBLE);
    for (const char* text : {"", "8C", "1X", "p", "1c", "NT"}) {
        EXPECT_EQ(CCall::GetCallCode(text), -1) << text;
    }

    const int outOfRange[][2] = {{0, 2}, {3, 5}, {8, 0}, {-1, 0}, {1, -1}};
    for (const auto& bid : outOfRange) {
        EXPECT_EQ(CCall::MakeCallCode(bid[0], bid[1]), 0);
        EXPECT_EQ(CCall(bid[0], bid[1]).GetName(), "");
    }
}

TEST(Call, TheNameFollowsTheCodeAndNotesGrowLineByLine) {
    CCall call(IDC_1S);
    EXPECT_EQ(call.GetKind(), 61825);
    EXPECT_EQ(call.GetName(), "1S");
    EXPECT_EQ(call.GetNote(), "");
    EXPECT_EQ(call.GetReplyTable(), nullptr);
    call.SetCode(IDC_REDOUBLE);
    EXPECT_EQ(call.GetName(), "RD");

    call.AppendNote("five cards", false);
    call.AppendNote("", false);
    call.AppendNote("forcing", false);
    EXPECT_EQ(call.GetNote(), "five cards\r\n\r\nforcing");
    call.AppendNote("weak", true);
    EXPECT_EQ(call.GetNote(), "weak");
    call.AppendNote("", true);
    EXPECT_EQ(call.GetNote(), "");
}
