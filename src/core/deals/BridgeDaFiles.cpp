#include "core/deals/BridgeDaFiles.h"

#include <memory>

#include "core/deals/CBridgeDaSet.h"
#include "core/deals/CDeal.h"
#include "core/deals/CDealList.h"
#include "core/deals/DealsStrings.h"
#include "core/deals/IDealFileFormat.h"
#include "core/platform/CStatusProgress.h"
#include "core/platform/Prompts.h"
#include "core/platform/StatusDisplay.h"

void BridgeDa::ReadHandLine(const std::string& line, int seat, CDeal& deal) {
    if (seat < 0 || seat >= kSeatCount) {
        return;
    }
    int suit = SUIT_SPADES;
    bool inSuit = false;
    CDeal::SuitTexts cards;  // handed to the deal at the end of the line
    for (std::size_t i = 1; i < line.size(); ++i) {
        const char c = line[i];
        const char before = line[i - 1];
        if (c == '-' || (c == ' ' && before == ' ')) {
            inSuit = false;
        } else if (c == ':') {
            switch (before) {
                case 'S':
                    suit = SUIT_SPADES;
                    break;
                case 'H':
                    suit = SUIT_HEARTS;
                    break;
                case 'D':
                    suit = SUIT_DIAMONDS;
                    break;
                case 'C':
                    suit = SUIT_CLUBS;
                    break;
                default:
                    break;
            }
            inSuit = true;
        } else if (inSuit && c != ' ' && c != '1') {
            cards[static_cast<std::size_t>(seat * kSuitCount + suit)] +=
                (c == '0' && before == '1') ? 'T' : c;
        }
    }
    deal.AppendSuitTexts(cards);
}

bool BridgeDa::ReadHand(CTextLineReader& file, int seat, CDeal& deal, const CommentSink& comments) {
    std::string line = " ";  // counts as not empty
    bool first = true;
    bool sawEmpty = false;
    bool read = false;
    bool discarded = false;
    for (;;) {
        if (sawEmpty && !discarded) {
            return true;
        }
        if (line.empty()) {
            sawEmpty = true;
        }
        if (!file.ReadLine(line)) {
            return read;
        }
        if (discarded) {
            continue;
        }
        read = true;
        if (line.compare(0, 9, "Discarded") == 0) {
            discarded = true;
            first = false;
        } else if (first) {
            ReadHandLine(line, seat, deal);
            first = false;
        } else if (sawEmpty) {
            return true;  // the line after the empty line is dropped
        } else if (!line.empty() && comments) {
            comments(seat, line);
        }
    }
}

bool BridgeDa::ReadDeal(CDeal& deal, CTextLineReader& north, CTextLineReader& south,
                        CTextLineReader* east, CTextLineReader* west, const CommentSink& comments) {
    deal.ResetDeal();
    ReadHand(north, SEAT_NORTH, deal, comments);
    const bool result = ReadHand(south, SEAT_SOUTH, deal, comments);
    if (east != nullptr && west != nullptr) {
        ReadHand(*east, SEAT_EAST, deal, nullptr);
        ReadHand(*west, SEAT_WEST, deal, nullptr);
    }
    return result;
}

bool BridgeDa::ImportFiles(CDealList& list, const std::string& path, const DealReader& readDeal) {
    CBridgeDaSet set;
    switch (set.Open(path)) {
        case CBridgeDaSet::OpenResult::NoNorthFile:
            return false;
        case CBridgeDaSet::OpenResult::NoSouthFile:
            ShowMessage(FormatMessageText(LoadString(IDS_BRIDGE_DA_NO_SOUTH), {set.GetSouthPath()}),
                        MessageIcon::Warning);
            return false;
        case CBridgeDaSet::OpenResult::Opened:
            break;
    }
    ImportSet(list, set, readDeal);
    return true;
}

void BridgeDa::ImportSet(CDealList& list, CBridgeDaSet& set, const DealReader& readDeal) {
    CStatusProgress progress(GetStatusDisplay(), LoadString(IDS_IMPORTING), set.North().GetLength(),
                             0);
    // A file that never reaches its first deal ends the import with no deals.
    if (!set.ReadHeader(list, progress)) {
        return;
    }
    for (;;) {
        std::unique_ptr<CDeal> deal(list.CreateDeal());
        if (deal == nullptr || !readDeal(*deal, set)) {
            return;
        }
        deal->NameAfterLastChild(&list);
        deal.release()->InsertIntoTree(&list);
        progress.SetPos(set.North().GetPosition());
    }
}

namespace {
class CBridgeDaFileFormat : public IDealFileFormat {
public:
    std::string Extension() const override { return "nth"; }
    unsigned GroupNameId() const override { return IDS_BRIDGE_DA_FILES; }
    bool Import(CDealList& list, const std::string& path) const override {
        return list.ImportBridgeDaFiles(path);
    }
    bool ReadDeal(CFile&, CDeal&) const override { return false; }
    bool CanWrite() const override { return false; }
    void WriteDeal(CFile&, CDeal&, bool, int, const DealExportOptions&) const override {}
};
}  // namespace

const IDealFileFormat& BridgeDa::FileFormat() {
    static const CBridgeDaFileFormat format;
    return format;
}
