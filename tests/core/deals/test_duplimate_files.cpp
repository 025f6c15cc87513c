// Duplimate records: the card-number block (.dup, .bri), the hand block (.dge), the trailer,
// short and damaged records.
#include <gtest/gtest.h>

#include "DealFilesTest.h"
#include "core/deals/DuplimateFiles.h"
#include "core/platform/CFile.h"

namespace {
// Board 1 of `dealer -s 1`.
const char kHands[] = "W:KJT97643.K3.A43. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52";

std::unique_ptr<CBiddingDeal> Deal(const std::string& hands) {
    auto deal = std::make_unique<CBiddingDeal>();
    SetHands(*deal, hands);
    return deal;
}

// The card numbers of North, East and South; each suit's cards in the order given.
std::string CardBlock(const std::string& hands) {
    const auto deal = Deal(hands);
    std::string block;
    for (int seat : {SEAT_NORTH, SEAT_EAST, SEAT_SOUTH}) {
        for (int suit = 0; suit < 4; ++suit) {
            for (char letter : deal->GetSuitText(seat, suit)) {
                const std::size_t number =
                    suit * 13 + std::string("AKQJT98765432").find(letter) + 1;
                block += (number < 10 ? "0" : "") + std::to_string(number);
            }
        }
    }
    return block;
}

std::string HandBlock(const std::string& hands) {
    const auto deal = Deal(hands);
    std::string block;
    for (int seat : {SEAT_NORTH, SEAT_EAST, SEAT_SOUTH, SEAT_WEST}) {
        block += "\x06" + deal->GetSuitText(seat, 0) + "\x03" + deal->GetSuitText(seat, 1) +
                 "\x04" + deal->GetSuitText(seat, 2) + "\x05" + deal->GetSuitText(seat, 3);
    }
    return block;
}
}  // namespace

TEST(DuplimateReader, RecordsWholeShortAndPadded) {
    // North, East and South out of order: West gets the rest, every hand is sorted.
    const std::string cards =
        CardBlock("W:... N:2.T89.75K2.48JTK E:5.J7642.689.3679 S:Q8A.5QA.JTQ.25QA");
    const std::string bri = cards + std::string(50, ' ');
    const std::string dup = cards + HandBlock(kHands) + "YN1  1 3  ";
    const std::string dge = HandBlock(kHands) + std::string(60, '\0');
    const char shortWest[] =
        "W:KJT97643.K3.A. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52";
    const std::string fifthMark = HandBlock("W:A... N:K... E:Q... S:J...") + "\x06T";
    const struct {
        const char* what;
        std::string bytes;
        const char* ext;
        std::size_t deals;
        std::string hands = kHands;
    } cases[] = {
        {"bri", bri + bri, "bri", 2},
        {"bri, spaces and NUL bytes", cards + std::string(30, ' ') + std::string(20, '\0'), "bri",
         1},
        {"dup, hand block not read", cards + std::string(68, 'x') + "YN1  1 1  ", "dup", 1},
        {"dup, NUL trailer", cards + std::string(78, '\0'), "dup", 1},
        {"empty", "", "dup", 0},
        {"bri short by 1", bri + bri + bri.substr(0, 127), "bri", 2},
        {"bri, 1 byte more", bri + bri + bri.substr(0, 1), "bri", 2},
        {"dup short by 1", dup + dup.substr(0, 155), "dup", 1},
        {"a bri record is no dup record", bri, "dup", 0},
        {"a dup record holds a bri record and more", bri + dup, "bri", 2},
        {"dge, NUL padding, short by 60", dge + dge + dge.substr(0, 68), "dge", 2},
        {"dge, bytes after the hands not read",
         HandBlock(kHands) + "\x06" + "AKQ" + std::string(56, ' '), "dge", 1},
        {"dge, letters before the first hand mark dropped",
         "ZZ" + HandBlock(shortWest) + std::string(60, ' '), "dge", 1, shortWest},
        {"dge, a fifth hand mark starts North again",
         fifthMark + std::string(68 - fifthMark.size(), '\x05') + std::string(60, ' '), "dge", 1,
         "W:A... N:KT... E:Q... S:J..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HandsOfAll(ReadDeals(c.bytes, c.ext)), std::vector<std::string>(c.deals, c.hands))
            << c.what;
    }
}

TEST(DuplimateReader, FieldsOutsideOneToFiftyTwoAreNoCards) {
    // North's first field is the two of spades ("13"); a field that names no card leaves it
    // to West, who gets every card nobody holds.
    const std::string rest = CardBlock(kHands).substr(2) + std::string(50, ' ');
    const struct {
        std::string field;
        std::string north, west;  // spades
    } cases[] = {
        {"13", "2", "KJT97643"},  {"00", "", "KJT976432"}, {"53", "", "KJT976432"},
        {"  ", "", "KJT976432"},  {"-1", "", "KJT976432"}, {"x1", "", "KJT976432"},
        {" 1", "A", "KJT976432"},  // a leading blank is allowed; South keeps its ace as well
    };
    for (const auto& c : cases) {
        const auto deals = ReadDeals(c.field + rest, "bri");
        ASSERT_EQ(deals.size(), 1u) << c.field;
        EXPECT_EQ(deals[0]->GetSuitText(SEAT_NORTH, SUIT_SPADES), c.north) << c.field;
        EXPECT_EQ(deals[0]->GetSuitText(SEAT_WEST, SUIT_SPADES), c.west) << c.field;
        EXPECT_EQ(deals[0]->GetSuitText(SEAT_SOUTH, SUIT_SPADES), "AQ8") << c.field;
    }
}

TEST(DuplimateWriter, RecordLayouts) {
    const auto deal = Deal(kHands);
    const auto written = [&deal](void (*write)(CFile&, const CDeal&, bool), bool pad) {
        auto file = CFile::WriteMemory();
        write(*file, *deal, pad);
        return file->Contents();
    };
    EXPECT_EQ(written(Duplimate::WriteBriRecord, true), CardBlock(kHands) + std::string(50, ' '));
    EXPECT_EQ(written(Duplimate::WriteDgeRecord, true), HandBlock(kHands) + std::string(60, ' '));
    EXPECT_EQ(written(Duplimate::WriteDgeRecord, false), HandBlock(kHands));
    const struct {
        int count;
        std::string trailer;
    } trailers[] = {
        {9, "YN1  1 9  "}, {12, "YN1  1 12 "}, {999, "YN1  1999 "}, {1000, "YN1  11000"}};
    for (const auto& c : trailers) {
        auto dup = CFile::WriteMemory();
        Duplimate::WriteDupRecord(*dup, *deal, c.count);
        EXPECT_EQ(dup->Contents(), CardBlock(kHands) + HandBlock(kHands) + c.trailer);
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
        {"W:KJT97643.K3.A43. N:A.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ52", false},
        {"W:KJT97643.K3.A43. N:2.T98.K752.KJT84 E:5.J7642.986.9763 S:AQ8.AQ5.QJT.AQ5x", false},
    };
    for (const auto& c : cases) {
        auto file = CFile::WriteMemory();
        EXPECT_EQ(Deal(c.hands)->WriteToFile(*file, "DGE", true), c.fits) << c.hands;
        EXPECT_EQ(file->Contents().size(), c.fits ? 128u : 0u) << c.hands;
    }
}
