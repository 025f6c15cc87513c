// Duplimate records: the card-number block (.dup, .bri), the hand block (.dge), the trailer,
// short and damaged records.
#include <gtest/gtest.h>

#include "DealFilesTest.h"
#include "deals/DuplimateFiles.h"
#include "platform/CFile.h"

namespace {
// Board 1 of `dealer -s 1`.
const char kHands[] = "W:KJT97643.K3.A43. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52";

std::string CardNumber(int suit, char letter) {
    const int number = suit * 13 + static_cast<int>(std::string("AKQJT98765432").find(letter)) + 1;
    return (number < 10 ? "0" : "") + std::to_string(number);
}

// The card numbers of North, East and South; each suit's cards in the order given.
std::string CardBlock(const CDeal& deal) {
    std::string block;
    for (int seat : {SEAT_NORTH, SEAT_EAST, SEAT_SOUTH}) {
        for (int suit = 0; suit < 4; ++suit) {
            for (char letter : deal.GetSuitText(seat, suit)) {
                block += CardNumber(suit, letter);
            }
        }
    }
    return block;
}

std::string HandBlock(const CDeal& deal) {
    std::string block;
    for (int seat : {SEAT_NORTH, SEAT_EAST, SEAT_SOUTH, SEAT_WEST}) {
        block += "\x06" + deal.GetSuitText(seat, 0) + "\x03" + deal.GetSuitText(seat, 1) + "\x04" +
                 deal.GetSuitText(seat, 2) + "\x05" + deal.GetSuitText(seat, 3);
    }
    return block;
}

const CBiddingDeal& Board1() {
    static const CBiddingDeal* const deal = [] {
        auto* made = new CBiddingDeal;
        SetHands(*made, kHands);
        return made;
    }();
    return *deal;
}

std::string Written(void (*write)(CFile&, const CDeal&)) {
    auto file = CFile::WriteMemory();
    write(*file, Board1());
    return file->Contents();
}
}  // namespace

TEST(DuplimateReader, CardNumberRecordsGiveWestTheRest) {
    CBiddingDeal unsorted;
    SetHands(unsorted, "W:... N:2.T89.75K2.48JTK E:5.J7642.689.3679 S:Q8A.5QA.JTQ.25QA");
    const std::string block = CardBlock(unsorted);
    ASSERT_EQ(block.size(), 78u);
    const struct {
        const char* what;
        std::string record;
        std::string ext;
    } cases[] = {
        {"bri, spaces", block + std::string(50, ' '), "bri"},
        {"bri, spaces and NUL bytes", block + std::string(30, ' ') + std::string(20, '\0'), "bri"},
        {"dup, hand block and trailer not read", block + std::string(68, 'x') + "YN1  1 1  ",
         "dup"},
        {"dup, NUL trailer", block + std::string(78, '\0'), "dup"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HandsOfAll(ReadDeals(c.record + c.record, c.ext)),
                  (std::vector<std::string>{kHands, kHands}))
            << c.what;
    }
}

TEST(DuplimateReader, FieldsOutsideOneToFiftyTwoAreNoCards) {
    // North's first field is the two of spades ("13"); a field that names no card leaves it
    // to West, who gets every card nobody holds.
    const std::string block = CardBlock(Board1());
    ASSERT_EQ(block.substr(0, 2), "13");
    const struct {
        std::string field;
        std::string north, west;  // spades
    } cases[] = {
        {"13", "2", "KJT97643"},  {"00", "", "KJT976432"},
        {"53", "", "KJT976432"},  {"99", "", "KJT976432"},
        {"  ", "", "KJT976432"},  {std::string(2, '\0'), "", "KJT976432"},
        {"-1", "", "KJT976432"},  {"x1", "", "KJT976432"},
        {" 1", "A", "KJT976432"},  // a leading blank is allowed; South keeps its ace as well
        {"1 ", "A", "KJT976432"},
    };
    for (const auto& c : cases) {
        const auto deals = ReadDeals(c.field + block.substr(2) + std::string(50, ' '), "bri");
        ASSERT_EQ(deals.size(), 1u) << c.field;
        EXPECT_EQ(deals[0]->GetSuitText(SEAT_NORTH, SUIT_SPADES), c.north) << c.field;
        EXPECT_EQ(deals[0]->GetSuitText(SEAT_WEST, SUIT_SPADES), c.west) << c.field;
        EXPECT_EQ(deals[0]->GetSuitText(SEAT_SOUTH, SUIT_SPADES), "AQ8") << c.field;
    }
}

TEST(DuplimateReader, AShortLastRecordEndsTheImport) {
    const std::string bri = CardBlock(Board1()) + std::string(50, ' ');
    const std::string dup = CardBlock(Board1()) + HandBlock(Board1()) + "YN1  1 3  ";
    const std::string dge = HandBlock(Board1()) + std::string(60, '\0');
    const struct {
        std::string bytes;
        const char* ext;
        std::size_t deals;
    } cases[] = {
        {"", "dup", 0},
        {bri + bri + bri.substr(0, 127), "bri", 2},
        {bri + bri + bri.substr(0, 1), "bri", 2},
        {bri + bri, "bri", 2},
        {dup + dup.substr(0, 155), "dup", 1},
        {dup.substr(0, 128), "dup", 0},  // a bri record is no dup record
        {bri + dup, "bri", 2},           // ... but a dup record holds a bri record and more
        {dge + dge.substr(0, 68), "dge", 1},
        {dge + dge + dge, "dge", 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadDeals(c.bytes, c.ext).size(), c.deals) << c.ext << " " << c.bytes.size();
    }
}

TEST(DuplimateReader, DgeRecordsGiveAllFourHands) {
    CBiddingDeal shortWest;
    SetHands(shortWest,
             "W:KJT97643.K3.A. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52");
    CBiddingDeal fiveHands;
    SetHands(fiveHands, "W:A... N:K... E:Q... S:J...");
    const struct {
        const char* what;
        std::string record;
        std::string hands;
    } cases[] = {
        {"NUL padding", HandBlock(Board1()) + std::string(60, '\0'), kHands},
        {"bytes after the hands are not read",
         HandBlock(Board1()) +
             "\x06"
             "AKQ" +
             std::string(56, ' '),
         kHands},
        {"letters before the first hand mark are dropped",
         "ZZ" + HandBlock(shortWest) + std::string(60, ' '),
         "W:KJT97643.K3.A. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52"},
        {"a fifth hand mark starts North again",
         HandBlock(fiveHands) +
             "\x06"
             "T" +
             std::string(68 - 20 - 2, '\x05') + std::string(60, ' '),
         "W:A... N:KT... E:Q... S:J..."},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.record.size(), 128u) << c.what;
        EXPECT_EQ(HandsOfAll(ReadDeals(c.record, "dge")), std::vector<std::string>{c.hands})
            << c.what;
    }
}

TEST(DuplimateWriter, RecordLayouts) {
    const std::string bri =
        Written([](CFile& f, const CDeal& d) { Duplimate::WriteBriRecord(f, d, true); });
    EXPECT_EQ(bri, CardBlock(Board1()) + std::string(50, ' '));
    const std::string dge =
        Written([](CFile& f, const CDeal& d) { Duplimate::WriteDgeRecord(f, d, true); });
    EXPECT_EQ(dge, HandBlock(Board1()) + std::string(60, ' '));
    const std::string unpadded =
        Written([](CFile& f, const CDeal& d) { Duplimate::WriteDgeRecord(f, d, false); });
    EXPECT_EQ(unpadded.size(), 68u);

    CBiddingDeal aceOfSpades;
    SetHands(aceOfSpades, "W:... N:AK... E:... S:...");
    auto file = CFile::WriteMemory();
    aceOfSpades.WriteBriRecord(*file, false);
    EXPECT_EQ(file->Contents(), "0102");

    const struct {
        int count;
        std::string trailer;
    } trailers[] = {{5, "YN1  1 5  "},
                    {9, "YN1  1 9  "},
                    {12, "YN1  1 12 "},
                    {999, "YN1  1999 "},
                    {1000, "YN1  11000"}};
    for (const auto& c : trailers) {
        auto dup = CFile::WriteMemory();
        Duplimate::WriteDupRecord(*dup, Board1(), c.count);
        ASSERT_EQ(dup->Contents().size(), 156u) << c.count;
        EXPECT_EQ(dup->Contents(), CardBlock(Board1()) + HandBlock(Board1()) + c.trailer);
    }
}

TEST(DuplimateWriter, OnlyFullPacksFit) {
    const struct {
        std::string hands;
        bool fits;
    } cases[] = {
        {kHands, true},
        {"W:KJT97643.K3.A4. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52", false},
        {"W:KJT97643.K3.A43.2 N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52", false},
        {"W:KJT97643.K3.A43. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ5x", false},
        {"W:KJT97643.K3.A43. N:A.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52", false},
        {"W:... N:... E:... S:...", false},
    };
    for (const auto& c : cases) {
        CBiddingDeal deal;
        SetHands(deal, c.hands);
        EXPECT_EQ(Duplimate::HoldsFullPack(deal), c.fits) << c.hands;
        auto file = CFile::WriteMemory();
        EXPECT_EQ(deal.WriteToFile(*file, "DGE", true), c.fits) << c.hands;
        EXPECT_EQ(file->Contents().size(), c.fits ? 128u : 0u) << c.hands;
    }
}
