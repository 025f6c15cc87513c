#include "core/deals/PbnFiles.h"

#include "core/deals/CDeal.h"
#include "core/deals/DealFileFormats.h"
#include "core/deals/DealsStrings.h"
#include "core/deals/IDealFileFormat.h"
#include "core/platform/CFile.h"

namespace {
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

// A free text as a tag value: on one line, quotes and backslashes escaped.
std::string TagValueOf(const std::string& text) {
    std::string value;
    for (const char c : TextOnOneLine(text)) {
        if (c == '"' || c == '\\') {
            value += '\\';
        }
        value += c;
    }
    return value;
}

// The section four calls to a line, each note as "=N=" after its call, then the Note tags.
void WriteAuction(CFile& file, const Pbn::Auction& auction) {
    WriteTag(file, "Auction", std::string(1, SeatLetter(auction.firstSeat)));
    std::vector<std::string> notes;
    std::string line;
    for (std::size_t i = 0; i < auction.calls.size(); ++i) {
        line += (i % 4 == 0 ? "" : " ") + auction.calls[i];
        if (i < auction.notes.size() && !auction.notes[i].empty()) {
            notes.push_back(auction.notes[i]);
            line += " =" + std::to_string(notes.size()) + "=";
        }
        if (i % 4 == 3 || i + 1 == auction.calls.size()) {
            if (i + 1 == auction.calls.size() && !auction.complete) {
                line += " *";
            }
            file.Write(line + "\r\n");
            line.clear();
        }
    }
    for (std::size_t n = 0; n < notes.size(); ++n) {
        WriteTag(file, "Note", TagValueOf(std::to_string(n + 1) + ":" + notes[n]));
    }
}
}  // namespace

std::string Pbn::DealString(CDeal& deal) {
    const int dealer = deal.GetDealer();
    std::string text(1, SeatLetter(dealer));
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

void Pbn::WriteGame(CFile& file, CDeal& deal, bool first, const Auction* auction) {
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
    WriteTag(file, "Dealer", std::string(1, SeatLetter(deal.GetDealer())));
    WriteTag(file, "Vulnerable", kVulnerableValues[deal.GetVulnerability()]);
    WriteTag(file, "Deal", DealString(deal));
    WriteTag(file, "Declarer", auction != nullptr ? auction->declarer : empty);
    WriteTag(file, "Contract", auction != nullptr ? auction->contract : empty);
    WriteTag(file, "Result", empty);
    if (auction != nullptr && !auction->calls.empty()) {
        WriteAuction(file, *auction);
    }
}

namespace {
class CPbnFileFormat : public IDealFileFormat {
public:
    std::string Extension() const override { return "pbn"; }
    unsigned GroupNameId() const override { return IDS_PBN_FILES; }
    bool ReadDeal(CFile& file, CDeal& deal) const override { return deal.ReadPbnGame(file); }
    void WriteDeal(CFile& file, CDeal& deal, bool first, int,
                   const DealExportOptions& options) const override {
        deal.WritePbnGame(file, first, options.withAuctions);
    }
};
}  // namespace

const IDealFileFormat& Pbn::FileFormat() {
    static const CPbnFileFormat format;
    return format;
}
