#include "core/deals/PbnFiles.h"

#include "core/deals/CDeal.h"
#include "core/deals/DealsStrings.h"
#include "core/deals/IDealFileFormat.h"
#include "core/platform/CFile.h"

namespace {
constexpr char kSeatLetters[] = "WNES";  // by seat index
const char* const kVulnerableValues[] = {"None", "NS", "EW", "All"};

void WriteTag(CFile& file, const char* name, const std::string& value) {
    std::string line;
    line.reserve(80);
    line += '[';
    line += name;
    line += " \"";
    line += value;
    line += "\"]\r\n";
    file.Write(line);
}
}  // namespace

std::string Pbn::DealString(CDeal& deal) {
    const int dealer = deal.GetDealer();
    std::string text(1, kSeatLetters[dealer]);
    text += ':';
    int seat = dealer;
    for (int hand = 0; hand < kSeatCount; ++hand) {
        if (hand > 0) {
            text += ' ';
        }
        for (int suit = 0; suit < kSuitCount; ++suit) {
            if (suit > 0) {
                text += '.';
            }
            text += deal.GetSuitText(seat, suit);
        }
        seat = NextSeat(seat);
    }
    return text;
}

void Pbn::WriteGame(CFile& file, CDeal& deal, bool first) {
    if (!first) {
        file.Write("\r\n");
    }
    const std::string empty;
    WriteTag(file, "Event", empty);
    WriteTag(file, "Site", empty);
    WriteTag(file, "Date", empty);
    WriteTag(file, "Board", std::to_string(deal.GetNumber()));
    WriteTag(file, "West", empty);
    WriteTag(file, "North", empty);
    WriteTag(file, "East", empty);
    WriteTag(file, "South", empty);
    WriteTag(file, "Dealer", std::string(1, kSeatLetters[deal.GetDealer()]));
    WriteTag(file, "Vulnerable", kVulnerableValues[deal.GetVulnerability()]);
    WriteTag(file, "Deal", DealString(deal));
    WriteTag(file, "Declarer", empty);
    WriteTag(file, "Contract", empty);
    WriteTag(file, "Result", empty);
}

namespace {
class CPbnFileFormat : public IDealFileFormat {
public:
    std::string Extension() const override { return "pbn"; }
    unsigned GroupNameId() const override { return IDS_PBN_FILES; }
    bool ReadDeal(CFile& file, CDeal& deal) const override { return deal.ReadPbnGame(file); }
    void WriteDeal(CFile& file, CDeal& deal, bool first, int) const override {
        Pbn::WriteGame(file, deal, first);
    }
};
}  // namespace

const IDealFileFormat& Pbn::FileFormat() {
    static const CPbnFileFormat format;
    return format;
}
