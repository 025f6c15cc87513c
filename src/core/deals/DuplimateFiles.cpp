#include "core/deals/DuplimateFiles.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/deals/CDeal.h"
#include "core/deals/DealsStrings.h"
#include "core/deals/IDealFileFormat.h"
#include "core/platform/CFile.h"
#include "core/platform/Decimal.h"

namespace {
constexpr int kCardsPerHand = 13;
constexpr int kHandLength = 17;
constexpr char kHandMark = 6;
constexpr char kSuitMarks[] = {6, 3, 4, 5};  // spades (also the start of a hand) to clubs
constexpr int kBlockSeats[] = {SEAT_NORTH, SEAT_EAST, SEAT_SOUTH, SEAT_WEST};

// Reads a whole record; a short one (even by a single byte) is no record.
bool ReadRecord(CFile& file, std::string& record, int length) {
    if (length <= 0) {
        return false;
    }
    record.resize(static_cast<std::size_t>(length));
    return file.Read(record.data(), record.size()) == record.size();
}

void AppendCardNumbers(std::string& out, const CDeal& deal) {
    for (int i = 0; i < 3; ++i) {
        for (int suit = 0; suit < kSuitCount; ++suit) {
            for (char letter : deal.GetSuitText(kBlockSeats[i], suit)) {
                const int card = suit * kCardsPerHand + CDeal::GetRankValue(letter);  // at most 52
                out += static_cast<char>('0' + card / 10);
                out += static_cast<char>('0' + card % 10);
            }
        }
    }
}

void AppendHands(std::string& out, const CDeal& deal) {
    for (int seat : kBlockSeats) {
        const std::size_t start = out.size();
        for (int suit = 0; suit < kSuitCount; ++suit) {
            out += kSuitMarks[suit];
            out += deal.GetSuitText(seat, suit);
        }
        // Only 13-card hands fill the 17 bytes exactly; others are cut or padded to fit.
        out.resize(start + kHandLength, ' ');
    }
}

// A record of one block; padding is the number of blanks after it.
void WriteOneBlockRecord(CFile& file, const CDeal& deal,
                         void (*appendBlock)(std::string&, const CDeal&), int padding) {
    std::string record;
    appendBlock(record, deal);
    record.append(static_cast<std::size_t>(padding), ' ');
    file.Write(record);
}
}  // namespace

bool Duplimate::ReadCardNumberRecord(CFile& file, CDeal& deal, int recordLength) {
    deal.ResetDeal();
    std::string record;
    if (!ReadRecord(file, record, recordLength)) {
        return false;
    }
    const std::size_t block = std::min<std::size_t>(kCardBlockLength, record.size());
    int seat = SEAT_NORTH;
    CDeal::SuitTexts cards;  // handed to the deal in one pass, as AddCard would place them
    for (std::size_t field = 0; 2 * field + 2 <= block; ++field) {
        // A field outside 01 to 52 ("00", "99", blanks, NUL padding) is no card.
        const int card = PlainDecimalValue(std::string_view(record).substr(2 * field, 2));
        if (card >= 1 && card <= CDeal::kCardCount) {
            const int suit = CDeal::SuitOfCard(card);
            cards[static_cast<std::size_t>(seat * kSuitCount + suit)] += CDeal::CardLetter(card);
        }
        if (field % kCardsPerHand == kCardsPerHand - 1) {
            seat = NextSeat(seat);
        }
    }
    CDeal::CompleteEmptyHand(cards);
    deal.AppendSuitTexts(cards);
    return true;
}

bool Duplimate::ReadDgeRecord(CFile& file, CDeal& deal) {
    deal.ResetDeal();
    std::string record;
    if (!ReadRecord(file, record, kDgeRecordLength)) {
        return false;
    }
    int seat = -1;  // letters before the first hand mark belong to no seat and are dropped
    int suit = SUIT_SPADES;
    std::string cards;
    auto store = [&] {
        if (seat >= 0 && !cards.empty()) {
            deal.SetSuitText(seat, suit, cards, false);
        }
        cards.clear();
    };
    for (int pos = 0; pos < kHandBlockLength; ++pos) {
        const char c = record[static_cast<std::size_t>(pos)];
        if (c == kHandMark) {
            store();
            seat = seat < 0 ? SEAT_NORTH : NextSeat(seat);
            suit = SUIT_SPADES;
        } else if (c == kSuitMarks[1] || c == kSuitMarks[2] || c == kSuitMarks[3]) {
            store();
            suit = c == kSuitMarks[1]   ? SUIT_HEARTS
                   : c == kSuitMarks[2] ? SUIT_DIAMONDS
                                        : SUIT_CLUBS;
        } else {
            cards += c;
        }
    }
    store();
    return true;
}

bool Duplimate::HoldsFullPack(const CDeal& deal) {
    std::uint64_t held = 0;  // bit n: card number n
    for (int seat = 0; seat < kSeatCount; ++seat) {
        int cards = 0;
        for (int suit = 0; suit < kSuitCount; ++suit) {
            for (char letter : deal.GetSuitText(seat, suit)) {
                const int rank = CDeal::GetRankValue(letter);
                if (rank == 0) {
                    return false;
                }
                const int card = suit * kCardsPerHand + rank;
                const std::uint64_t bit = std::uint64_t{1} << card;
                if ((held & bit) != 0) {
                    return false;
                }
                held |= bit;
                ++cards;
            }
        }
        if (cards != kCardsPerHand) {
            return false;
        }
    }
    return true;
}

void Duplimate::WriteBriRecord(CFile& file, const CDeal& deal, bool pad) {
    WriteOneBlockRecord(file, deal, AppendCardNumbers,
                        pad ? kBriRecordLength - kCardBlockLength : 0);
}

void Duplimate::WriteDgeRecord(CFile& file, const CDeal& deal, bool pad) {
    WriteOneBlockRecord(file, deal, AppendHands, pad ? kDgeRecordLength - kHandBlockLength : 0);
}

void Duplimate::WriteDupRecord(CFile& file, const CDeal& deal, int dealCount) {
    std::string record;
    record.reserve(kDupRecordLength);
    AppendCardNumbers(record, deal);
    AppendHands(record, deal);
    char trailer[32];
    std::snprintf(trailer, sizeof trailer, dealCount < 10 ? "YN1  1 %i  " : "YN1  1%3i ",
                  dealCount);
    record.append(trailer, kTrailerLength);
    file.Write(record);
}

namespace {
// A Duplimate record file; every kind carries only deals of a full pack.
class CDuplimateFileFormat : public IDealFileFormat {
public:
    unsigned GroupNameId() const override { return IDS_DUPLIMATE_FILES; }
    bool Holds(const CDeal& deal) const override { return Duplimate::HoldsFullPack(deal); }
};

class CDupFileFormat : public CDuplimateFileFormat {
public:
    std::string Extension() const override { return "dup"; }
    bool ReadDeal(CFile& file, CDeal& deal) const override {
        return Duplimate::ReadCardNumberRecord(file, deal, Duplimate::kDupRecordLength);
    }
    // Without a count, the trailer counts the deal's list.
    void WriteDeal(CFile& file, CDeal& deal, bool, int dealCount,
                   const DealExportOptions&) const override {
        if (dealCount < 0) {
            dealCount = deal.GetParent() != nullptr ? deal.GetParent()->GetChildCount() : 1;
        }
        Duplimate::WriteDupRecord(file, deal, dealCount);
    }
};

class CBriFileFormat : public CDuplimateFileFormat {
public:
    std::string Extension() const override { return "bri"; }
    bool ReadDeal(CFile& file, CDeal& deal) const override {
        return Duplimate::ReadCardNumberRecord(file, deal, Duplimate::kBriRecordLength);
    }
    void WriteDeal(CFile& file, CDeal& deal, bool, int, const DealExportOptions&) const override {
        Duplimate::WriteBriRecord(file, deal, true);
    }
};

class CDgeFileFormat : public CDuplimateFileFormat {
public:
    std::string Extension() const override { return "dge"; }
    bool ReadDeal(CFile& file, CDeal& deal) const override {
        return Duplimate::ReadDgeRecord(file, deal);
    }
    void WriteDeal(CFile& file, CDeal& deal, bool, int, const DealExportOptions&) const override {
        Duplimate::WriteDgeRecord(file, deal, true);
    }
};
}  // namespace

const IDealFileFormat& Duplimate::DupFileFormat() {
    static const CDupFileFormat format;
    return format;
}

const IDealFileFormat& Duplimate::BriFileFormat() {
    static const CBriFileFormat format;
    return format;
}

const IDealFileFormat& Duplimate::DgeFileFormat() {
    static const CDgeFileFormat format;
    return format;
}
