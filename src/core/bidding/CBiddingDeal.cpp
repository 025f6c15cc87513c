#include "core/bidding/CBiddingDeal.h"

#include <map>
#include <utility>

#include "core/bidding/BiddingDialogLauncher.h"
#include "core/bidding/BiddingIds.h"
#include "core/bidding/BiddingStrings.h"
#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CCall.h"
#include "core/bidding/CLogBook.h"
#include "core/bidding/CReferenceAuction.h"
#include "core/bidding/Contract.h"
#include "core/bidding/MultiLineValues.h"
#include "core/deals/BridgeDaFiles.h"
#include "core/deals/CPbnGame.h"
#include "core/deals/CPbnLine.h"
#include "core/deals/DealFileFormats.h"
#include "core/deals/DealsStrings.h"
#include "core/items/CDesktop.h"
#include "core/items/ItemIds.h"
#include "core/items/ItemsStrings.h"
#include "core/platform/Decimal.h"

namespace {
constexpr int kCommentCode = 2;
constexpr int kSeatTextCode = 3;
constexpr int kOldSeatTextCode = 4;  // read like 3, never written
constexpr int kHiddenCode = 5;
constexpr int kPeekedCode = 6;
// The reference auction, the last lines of a deal's record; a record without one has neither.
constexpr int kReferenceAuctionCode = 40;
constexpr int kReferenceNoteCode = 41;  // a = the index of the call

// The order in which the clipboard text shows the hands.
constexpr int kTextSeatOrder[] = {SEAT_NORTH, SEAT_SOUTH, SEAT_WEST, SEAT_EAST};

// A call as PBN writes it: "Pass", "X", "XX", "1C" ... "7NT".
std::string PbnCallText(int code) {
    switch (code) {
        case IDC_PASS:
            return "Pass";
        case IDC_DOUBLE:
            return "X";
        case IDC_REDOUBLE:
            return "XX";
        default: {
            std::string text = CCall::GetCallText(code);
            return CCall::GetStrainOf(code) == STRAIN_NOTRUMP ? text + "T" : text;
        }
    }
}

// A seat index at the start of a field line's text, taken off it; -1 when it is none.
int TakeSeat(std::string_view& rest) {
    if (rest.size() >= 2 && rest[1] == ',') {  // one digit and its comma, as written
        const int seat = rest[0] - '0';
        rest.remove_prefix(2);
        return seat >= 0 && seat < kSeatCount ? seat : -1;
    }
    const std::string_view token = CItem::NextToken(rest);
    if (!IsDecimalNumber(token)) {
        return -1;
    }
    const int seat = DecimalValue(token);
    return seat >= 0 && seat < kSeatCount ? seat : -1;
}
}  // namespace

CBiddingDeal::CBiddingDeal()
    : CDeal(IDS_BIDDING_DEAL, KIND_BIDDING_DEAL, IDB_DEALS, IDB_DEALS, IDR_DEAL_MENU) {
    // The deal's own members start empty; the cards were emptied by CDeal.
    SetCanCopy(true);
}

CBiddingDeal::~CBiddingDeal() = default;

void CBiddingDeal::SetReferenceAuction(std::optional<CReferenceAuction> reference) {
    m_reference = reference ? std::make_unique<CReferenceAuction>(std::move(*reference)) : nullptr;
}

CBiddingList* CBiddingDeal::GetSession() const {
    return dynamic_cast<CBiddingList*>(GetParent());
}

CAuction* CBiddingDeal::GetAuction() {
    if (!m_auction) {
        m_auction = std::make_unique<CAuction>(this);
    }
    return m_auction.get();
}

const CAuction* CBiddingDeal::GetAuction() const {
    static const CAuction kNone(nullptr);
    return m_auction ? m_auction.get() : &kNone;
}

const CBiddingDeal::Texts& CBiddingDeal::GetTexts() const {
    static const Texts kNone;
    return m_texts ? *m_texts : kNone;
}

bool CBiddingDeal::AddsText(const std::string& text) const {
    // An empty text leaves a deal without texts as it is: a PBN file's seat tags are mostly
    // empty, and each would otherwise give its deal texts to hold.
    return !text.empty() || m_texts;
}

CBiddingDeal::Texts& CBiddingDeal::EditTexts() {
    if (!m_texts) {
        m_texts = std::make_unique<Texts>();
    }
    return *m_texts;
}

std::string CBiddingDeal::GetComment() const {
    return GetTexts().comment;
}

void CBiddingDeal::SetComment(const std::string& text, bool replace) {
    if (!AddsText(text)) {
        return;
    }
    AppendValueLine(EditTexts().comment, text, replace);
}

std::string CBiddingDeal::GetSeatText(int seat) const {
    return IsSeat(seat) ? GetTexts().seats[seat] : std::string();
}

void CBiddingDeal::SetSeatText(int seat, const std::string& text, bool replace) {
    if (IsSeat(seat) && AddsText(text)) {
        AppendValueLine(EditTexts().seats[seat], text, replace);
    }
}

bool CBiddingDeal::IsHidden(int seat) const {
    return IsSeat(seat) && m_hidden[seat] != 0;
}

void CBiddingDeal::SetHidden(int seat) {
    if (IsSeat(seat)) {
        m_hidden[seat] = 1;
    }
}

void CBiddingDeal::ClearHidden() {
    m_hidden.fill(0);
}

bool CBiddingDeal::HasPeeked(int seat) const {
    return IsSeat(seat) && m_peeked[seat] != 0;
}

void CBiddingDeal::SetPeeked(int seat) {
    if (IsSeat(seat)) {
        m_peeked[seat] = 1;
    }
}

void CBiddingDeal::ResetDeal() {
    CDeal::ResetDeal();
    m_texts.reset();
    m_peeked.fill(0);
    m_hidden.fill(0);
    m_reference.reset();
}

void CBiddingDeal::GetDisplayData(BiddingDisplayData& data, int view) const {
    static const int kHoldingSeats[] = {SEAT_NORTH, SEAT_EAST, SEAT_SOUTH, SEAT_WEST};
    for (int i = 0; i < kSeatCount; ++i) {
        std::string* suits = &data.holdings[i * kSuitCount];
        GetVisibleHand(kHoldingSeats[i], suits[0], suits[1], suits[2], suits[3], view);
    }
    const CBiddingList* session = GetSession();
    data.northName = session != nullptr ? session->GetNorthName() : std::string();
    data.southName = session != nullptr ? session->GetSouthName() : std::string();
    static const int kTextSeats[] = {SEAT_NORTH, SEAT_SOUTH, SEAT_EAST, SEAT_WEST};
    for (int i = 0; i < kSeatCount; ++i) {
        data.seatTexts[i] = GetSeatText(kTextSeats[i]);
    }
    data.comment = GetComment();
}

// ---- The seventh-level rule ----

bool CBiddingDeal::HoldsAce(int seat) const {
    for (int suit = 0; suit < kSuitCount; ++suit) {
        if (GetSuitText(seat, suit).find('A') != std::string::npos) {
            return true;
        }
    }
    return false;
}

void CBiddingDeal::AppendPasses(int count) {
    for (int i = 0; i < count; ++i) {
        GetAuction()->AppendCall(IDC_PASS);
    }
}

void CBiddingDeal::AppendDoubleAndPasses() {
    GetAuction()->AppendCall(IDC_DOUBLE);
    AppendPasses(3);
}

void CBiddingDeal::ApplySeventhLevelRule() {
    // Only the defenders act by this rule: after a 7 no trumps that a take-back let East or
    // West make, the user to call must not be made to double.
    const int seat = GetAuction()->GetSeatToCall();
    if (seat != SEAT_WEST && seat != SEAT_EAST) {
        return;
    }
    if (HoldsAce(seat)) {
        AppendDoubleAndPasses();
        return;
    }
    AppendPasses(2);
    if (HoldsAce(GetAuction()->GetSeatToCall())) {
        AppendDoubleAndPasses();
    } else {
        AppendPasses(1);
    }
}

// ---- Document fields ----

void CBiddingDeal::WriteFields() {
    CDeal::WriteFields();
    const Texts& texts = GetTexts();
    WriteLine(kCommentCode, texts.comment);
    for (int seat = 0; seat < kSeatCount; ++seat) {
        WriteLine(kSeatTextCode, texts.seats[seat], seat);
        WriteLine(kHiddenCode, static_cast<long>(m_hidden[seat]), seat);
        WriteLine(kPeekedCode, static_cast<long>(m_peeked[seat]), seat);
    }
    if (m_auction) {
        m_auction->Serialize(*GetArchive(), GetProgress());
    } else {
        CAuction(this).Serialize(*GetArchive(), GetProgress());
    }
    if (m_reference) {
        WriteLine(kReferenceAuctionCode, m_reference->GetFieldText());
        for (const CReferenceAuction::Note& note : m_reference->GetNotes()) {
            WriteLine(kReferenceNoteCode, note.text, note.callIndex);
        }
    }
}

void CBiddingDeal::ReadField(long kind, int code, std::string_view text) {
    if (kind == KIND_AUCTION && code == 0) {
        if (!m_auction && TakeEmptyRecord()) {
            return;  // the deal is not bid yet
        }
        GetAuction()->Serialize(*GetArchive(), GetProgress());
        if (m_auction->GetCallCount() == 0) {
            m_auction.reset();  // as it was before the auction was read
        }
        return;
    }
    if (kind != KIND_BIDDING_DEAL) {
        return;
    }
    std::string_view rest = text;
    switch (code) {
        case kCommentCode:
            AppendReadLine(EditTexts().comment, text);
            break;
        case kSeatTextCode:
        case kOldSeatTextCode: {
            const int seat = TakeSeat(rest);
            if (seat >= 0) {
                AppendReadLine(EditTexts().seats[seat], rest);
            }
            break;
        }
        case kHiddenCode:
        case kPeekedCode: {
            const int seat = TakeSeat(rest);
            if (seat >= 0) {
                (code == kHiddenCode ? m_hidden : m_peeked)[seat] = PlainDecimalValue(rest);
            }
            break;
        }
        case kReferenceAuctionCode:
            SetReferenceAuction(CReferenceAuction::FromFieldText(std::string(text)));
            break;
        case kReferenceNoteCode: {
            const std::string_view index = NextToken(rest);
            if (m_reference && IsDecimalNumber(index)) {
                m_reference->AddNote(DecimalValue(index), std::string(rest));
            }
            break;
        }
        default:
            ReadHands(code, text);
            break;
    }
}

// ---- Opening and commands ----

bool CBiddingDeal::Open() {
    if (IBiddingDialogLauncher* launcher = GetBiddingDialogLauncher()) {
        launcher->RunBiddingDialog(*this);
    }
    // The dialog has marked the document modified itself wherever it changed the deal.
    return false;
}

bool CBiddingDeal::OnCommand(CItemTree* tree, unsigned id) {
    if (id != ID_OPEN) {
        return false;
    }
    if (tree != nullptr && Open()) {
        if (CTreeItem* parent = GetTreeParent()) {
            parent->SetModified();
        }
    }
    return true;
}

// ---- Text ----

bool CBiddingDeal::IsHandEmpty(int seat) const {
    for (int suit = 0; suit < kSuitCount; ++suit) {
        if (!GetSuitText(seat, suit).empty()) {
            return false;
        }
    }
    return true;
}

std::string CBiddingDeal::HandLine(int seat) const {
    std::string line;
    for (int suit = 0; suit < kSuitCount; ++suit) {
        const std::string cards = GetSuitText(seat, suit);
        if (suit > 0) {
            line += " / ";
        }
        line += cards.empty() ? "-" : cards;
    }
    return line;
}

bool CBiddingDeal::GetText(std::string& text, bool topLevel) {
    if (topLevel && GetParent() != nullptr) {
        GetParent()->AppendText(text);
        text += "\r\n\r\n";
    }
    text += GetName();
    std::string description;
    GetDescription(description);
    text.append("\r\n").append(description).append("\r\n");

    for (int seat : kTextSeatOrder) {
        if (IsHandEmpty(seat)) {
            continue;
        }
        if (seat == SEAT_WEST) {
            text += "\r\n";  // an empty line between North-South and East-West
        }
        std::string seatName;
        GetSeatName(seatName, seat, SEAT_NAME_COLON | SEAT_NAME_TAB);
        text.append("\r\n").append(seatName).append(HandLine(seat));
    }

    std::string auction;
    if (m_auction) {
        m_auction->GetText(auction, false);
    }
    if (!auction.empty()) {
        text.append("\r\n\r\n").append(auction);
    }
    if (const std::string& comment = GetTexts().comment; !comment.empty()) {
        text.append("\r\n\r\n").append(comment);
    }
    text += "\r\n";
    return true;
}

// ---- The log-book ----

bool CBiddingDeal::WriteLogBook() {
    CItem* ownSession = GetParent();
    auto* session = GetSession();
    if (session == nullptr) {
        return false;  // a deal outside a session has no place in the log-book
    }
    const int ownIndex = GetIndex();
    CLogBook logBook;
    if (!logBook.Open()) {
        return false;
    }
    CDesktop& root = logBook.Desktop();
    auto* logSession = dynamic_cast<CBiddingList*>(root.FindChild(session->GetName()));
    if (logSession == nullptr) {
        logSession = new CBiddingList;
        logSession->SetName(session->GetName());
        logSession->SetNorthName(session->GetNorthName());
        logSession->SetSouthName(session->GetSouthName());
        logSession->AppendTo(&root, true);
    }

    // Board order: before the first deal with a higher board, in place of one with the same.
    const long key = GetSortKey();
    int position = 0;
    POSITION pos;
    logSession->GetHeadChildPosition(pos);
    while (pos) {
        CItem* deal = logSession->GetNextChild(pos);
        if (deal->GetSortKey() > key) {
            break;
        }
        if (deal->GetSortKey() == key) {
            deal->Detach();
            delete deal;
            break;
        }
        ++position;
    }

    MoveTo(logSession, position);
    const bool saved = logBook.Save();
    MoveTo(ownSession, ownIndex);
    return saved;
}

// ---- Deal files ----

bool CBiddingDeal::ReadBridgeDaDeal(CTextLineReader& north, CTextLineReader& south,
                                    CTextLineReader* east, CTextLineReader* west,
                                    bool withEastWest) {
    return BridgeDa::ReadDeal(
        *this, north, south, withEastWest ? east : nullptr, withEastWest ? west : nullptr,
        [this](int seat, const std::string& line) { TakeBridgeDaComment(seat, line); });
}

void CBiddingDeal::TakeBridgeDaComment(int seat, const std::string& line) {
    if (seat == SEAT_NORTH || seat == SEAT_SOUTH) {
        SetSeatText(GetSeatText(seat).empty() ? seat : seat - 1, line, false);
    }
}

std::string CBiddingDeal::GetImportFilter() {
    // The user's default file type for new sessions comes first.
    CBiddingList defaults;
    const int type = defaults.GetFileType();
    if (type != FILE_TYPE_BRIDGE_DA && type != FILE_TYPE_PBN) {
        return {};
    }
    return DealFilesFilter(defaults.GetDefaultExtension());
}

bool CBiddingDeal::GetPbnAuction(Pbn::Auction& auction) {
    auction = Pbn::Auction();
    std::vector<int> codes;
    const CAuction& calls = *std::as_const(*this).GetAuction();
    for (int index = 0; index < calls.GetCallCount(); ++index) {
        const CCall* call = calls.GetCall(index);
        codes.push_back(call->GetCode());
        if (call->GetCode() == IDC_PLACEHOLDER) {
            continue;
        }
        if (auction.calls.empty()) {
            auction.firstSeat = index % kSeatCount;
        }
        auction.calls.push_back(PbnCallText(call->GetCode()));
        auction.notes.push_back(call->GetNote());
    }
    const Contract contract = FinalContract(codes, SEAT_WEST);
    auction.complete = contract.kind != ContractKind::Incomplete;
    if (contract.IsBid()) {
        auction.declarer = std::string(1, SeatLetter(contract.declarer));
        auction.contract = PbnCallText(CCall::MakeCallCode(contract.level, contract.strain)) +
                           std::string(static_cast<std::size_t>(contract.doubling), 'X');
    } else if (contract.kind == ContractKind::PassedOut) {
        auction.contract = "Pass";
    }
    return !auction.calls.empty();
}

void CBiddingDeal::TakePbnGame(CPbnGame* game) {
    if (const CPbnLine* event = game->GetEvent()) {
        SetEvent(event->GetTagValue());
    }
    const int pbnInfo = CBiddingList::DefaultPbnInfo();
    for (int seat = 0; seat < kSeatCount; ++seat) {
        if (const CPbnLine* line = game->GetSeatLine(seat)) {
            TakePbnSeatText(*line, pbnInfo);
        }
    }
    const CPbnLine* auction = game->GetAuction();
    if (auction == nullptr) {
        return;
    }
    std::map<std::string, std::string> notes;  // by number
    for (const CPbnLine& note : game->GetAuctionNotes()) {
        // "N:text"; the first note of a number counts.
        const std::string& value = note.GetTagValue();
        const std::size_t colon = value.find(':');
        if (colon != std::string::npos) {
            notes.emplace(value.substr(0, colon), value.substr(colon + 1));
        }
    }
    SetReferenceAuction(
        CReferenceAuction::FromPbn(auction->GetTagValue(), auction->GetSection(), notes));
}

void CBiddingDeal::TakePbnSeatText(const CPbnLine& line, int pbnInfo) {
    const int seat = line.GetTagSeat();
    switch (pbnInfo) {
        case PBN_INFO_LINE_COMMENT:
            SetSeatText(seat, line.GetLineComment(), true);
            break;
        case PBN_INFO_BRACE_COMMENT:
            SetSeatText(seat, line.GetBraceComment(), true);
            break;
        case PBN_INFO_TAG_VALUE:
            SetSeatText(seat, line.GetTagValue(), true);
            break;
        default:
            break;
    }
}
