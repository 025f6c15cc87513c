#include "core/table/CBiddingTable.h"

#include <algorithm>
#include <iterator>

#include "core/bidding/CAuction.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"
#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "core/platform/Prompts.h"
#include "core/platform/StatusDisplay.h"
#include "core/table/DealSummary.h"
#include "core/table/IBiddingTableView.h"
#include "core/table/TableIds.h"
#include "core/table/TableStrings.h"

namespace {
bool IsDefender(int seat) {
    return seat == SEAT_WEST || seat == SEAT_EAST;
}

bool IsUser(int seat) {
    return seat == SEAT_NORTH || seat == SEAT_SOUTH;
}

// " has peeked at South's cards."
std::string PeekNote(int partner) {
    std::string seatName;
    GetSeatName(seatName, partner, 0);
    std::string note = LoadString(IDS_HAS_PEEKED);
    const std::size_t at = note.find("%s");
    if (at != std::string::npos) {
        note.replace(at, 2, seatName);
    }
    return note;
}

// Compass letters in the order North, East, South, West, with their seats.
struct CompassLetter {
    unsigned controlId;
    unsigned textId;
    int seat;
};
constexpr CompassLetter kCompass[] = {
    {IDC_COMPASS_NORTH, IDS_COMPASS_NORTH, SEAT_NORTH},
    {IDC_COMPASS_EAST, IDS_COMPASS_EAST, SEAT_EAST},
    {IDC_COMPASS_SOUTH, IDS_COMPASS_SOUTH, SEAT_SOUTH},
    {IDC_COMPASS_WEST, IDS_COMPASS_WEST, SEAT_WEST},
};

// Buttons the table never disables.
constexpr unsigned kAlwaysEnabled[] = {IDC_CLOSE, IDC_HELP_BUTTON, IDC_LOG_BOOK, IDC_COPY};

constexpr std::size_t kNorthTextField = 16;
constexpr std::size_t kSouthTextField = 17;
constexpr std::size_t kCommentField = 18;
constexpr std::size_t kDefendersTextField = 19;

// An em dash, in the UTF-8 of the program's texts.
constexpr const char* kVoidMark = "\xE2\x80\x94";
}  // namespace

CBiddingTable::CBiddingTable(IBiddingTableView* view) : m_view(view) {}

CBiddingTable::~CBiddingTable() = default;

void CBiddingTable::LoadDeal(CBiddingDeal* deal) {
    m_deal = deal;
    if (m_deal->GetStartPlayer() != -1) {
        m_selectedPlayer = m_deal->GetStartPlayer();
        m_deal->SetStartPlayer(-1);
    }
    CAuction& auction = *m_deal->GetAuction();
    auction.AppendPlaceholders(m_deal->GetDealer());
    m_viewSeat = auction.IsComplete(true) ? VIEW_ALL : m_selectedPlayer;

    BiddingDisplayData data;
    m_deal->GetDisplayData(data, m_viewSeat);
    std::copy(data.holdings.begin(), data.holdings.end(), m_fields.begin());
    MarkVoids();
    m_northName = data.northName;
    m_southName = data.southName;
    const bool all = m_viewSeat == VIEW_ALL;

    m_fields[kNorthTextField] = UserText(SEAT_NORTH, m_northName, data.seatTexts[0]);
    m_fields[kSouthTextField] = UserText(SEAT_SOUTH, m_southName, data.seatTexts[1]);
    m_fields[kCommentField] = data.comment;

    // The defenders' texts in the order they call, counted from the dealer.
    std::string& defenders = m_fields[kDefendersTextField];
    defenders.clear();
    if (all) {
        const std::string& east = data.seatTexts[2];
        const std::string& west = data.seatTexts[3];
        const int dealer = m_deal->GetDealer();
        if (east.empty()) {
            defenders = west;
        } else if (west.empty()) {
            defenders = east;
        } else if (dealer == SEAT_NORTH || dealer == SEAT_EAST) {
            defenders = east + "\r\n" + west;
        } else {
            defenders = west + "\r\n" + east;
        }
    }
}

// An empty holding of a hand that is shown is a void, not a hidden suit.
void CBiddingTable::MarkVoids() {
    for (int hand = 0; hand < kSeatCount; ++hand) {
        const auto first = m_fields.begin() + hand * kSuitCount;
        const auto last = first + kSuitCount;
        if (std::all_of(first, last, [](const std::string& holding) { return holding.empty(); })) {
            continue;  // hidden
        }
        std::replace_if(
            first, last, [](const std::string& holding) { return holding.empty(); },
            std::string(kVoidMark));
    }
}

// A user's name, the note of his peek when the view shows his partner's side, and his own
// instruction text when the view shows his hand.
std::string CBiddingTable::UserText(int seat, const std::string& name,
                                    const std::string& seatText) const {
    const int partner = seat == SEAT_NORTH ? SEAT_SOUTH : SEAT_NORTH;
    const bool all = m_viewSeat == VIEW_ALL;
    std::string text = name;
    if (m_deal->HasPeeked(seat) && (all || m_viewSeat == partner)) {
        text += PeekNote(partner);
    }
    if (all || m_viewSeat == seat) {
        text += "\r\n" + seatText;
    }
    return text;
}

void CBiddingTable::Start() {
    UpdateAuction(false, true);
    ShowFields();
    RefreshHandDisplay();
    UpdateControls();
    EnableControl(IDC_SELECT_NORTH, m_selectedPlayer == -1);
    EnableControl(IDC_SELECT_SOUTH, m_selectedPlayer == -1);
    SetDefaultFocus(true);
}

bool CBiddingTable::Press(unsigned controlId) {
    if (m_ended || m_deal == nullptr || !IsControlEnabled(controlId)) {
        return false;
    }
    if (CCall::GetCallIndex(static_cast<int>(controlId)) >= 0) {
        MakeCall(static_cast<int>(controlId));
        return true;
    }
    switch (controlId) {
        case IDC_TAKE_BACK:
            TakeBack();
            break;
        case IDC_AUTO_BID:
            AutoBid();
            break;
        case IDC_FIRST_DEAL:
            GoToDeal(FirstDealIndex(), false);
            break;
        case IDC_PREVIOUS_DEAL:
            Step(-1, true);
            break;
        case IDC_NEXT_DEAL:
            Step(1, true);
            break;
        case IDC_LAST_DEAL:
            GoToDeal(LastDealIndex(), false);
            break;
        case IDC_SELECT_NORTH:
            Select(SEAT_NORTH);
            break;
        case IDC_SELECT_SOUTH:
            Select(SEAT_SOUTH);
            break;
        case IDC_HIDE:
            Hide();
            break;
        case IDC_LOG_BOOK:
            LogBook();
            break;
        case IDC_COPY:
            Copy();
            break;
        case IDC_CLOSE:
            if (CanLeave()) {
                End();
            }
            break;
        default:
            return false;  // Help belongs to the window
    }
    return true;
}

void CBiddingTable::Escape() {
    End();
}

void CBiddingTable::OnCommentEdited(const std::string& text) {
    m_fields[kCommentField] = text;
    m_deal->ClearHidden();
    m_deal->SetModified();
}

void CBiddingTable::OnCommentFocus() {
    if (m_selectedPlayer == -1) {
        return;
    }
    const std::string prefix = SelectedName() + ": ";
    std::string& comment = m_fields[kCommentField];
    if (comment == prefix || comment.starts_with(prefix + "\r\n")) {
        return;
    }
    // New remarks go on top, each headed by the writer's name.
    if (!comment.empty()) {
        comment.insert(0, "\r\n");
    }
    comment.insert(0, prefix);
    ShowFields();
    if (m_view != nullptr) {
        m_view->SetCommentCaret(prefix.size());
    }
    m_deal->ClearHidden();
    m_deal->SetModified();
}

void CBiddingTable::OnHoldingFocus() {
    SetDefaultFocus(true);
}

void CBiddingTable::MakeCall(int code) {
    CAuction& auction = *m_deal->GetAuction();
    auction.AppendCall(code);
    // Only a defender answers 7 no trumps automatically: after take-backs a user may have
    // bid it for East or West, and the user who follows calls for himself.
    if (code == IDC_7N && IsDefender(auction.GetSeatToCall())) {
        m_deal->ApplySeventhLevelRule();
    }
    const int seat = auction.GetSeatToCall();
    if (IsDefender(seat)) {
        auction.AutoPass(CAutomaticDefensiveBidding().ChooseDefensiveCall(*m_deal, seat));
    }
    m_deal->ClearHidden();
    UpdateAuction(true, true);
    UpdateControls();
    SetDefaultFocus(true);
    m_deal->SetModified();
}

void CBiddingTable::TakeBack() {
    CAuction& auction = *m_deal->GetAuction();
    // The player has seen all four hands.
    if (auction.IsComplete(true) && m_selectedPlayer != -1) {
        m_deal->SetPeeked(m_selectedPlayer);
    }
    auction.TakeBackLastCall();
    m_deal->ClearHidden();
    UpdateAuction(true, false);
    UpdateControls();
    SetDefaultFocus(true);
    m_deal->SetModified();
}

void CBiddingTable::AutoBid() {
    m_deal->GetAuction()->RecordReply();
    m_deal->ClearHidden();
    UpdateAuction(true, true);
    UpdateControls();
    SetDefaultFocus(true);
    m_deal->SetModified();
}

void CBiddingTable::UpdateAuction(bool redraw, bool autoDefend) {
    CAuction& auction = *m_deal->GetAuction();
    const int seat = auction.GetSeatToCall();
    if (autoDefend && IsDefender(seat) && !auction.IsComplete(true)) {
        const int code = m_settings.ChooseDefensiveCall(*m_deal, seat);
        auction.AppendCall(code != 0 ? code : IDC_PASS);
    }
    if (m_view != nullptr) {
        m_view->RefreshAuction(redraw);
    }
}

void CBiddingTable::UpdateControls() {
    CAuction& auction = *m_deal->GetAuction();
    auction.UpdateLegalCalls(this);
    // All hands appear when the auction completes, and disappear again after a take-back.
    const bool complete = auction.IsComplete(false);
    if (complete != m_complete) {
        SaveComment();
        m_complete = complete;
        LoadDeal(m_deal);
        ShowFields();
    }

    const int count = auction.GetCallCount();
    EnableControl(IDC_TAKE_BACK, count > 0 && auction.GetCallCode(count - 1) != IDC_PLACEHOLDER);
    // The partner of the selected player is to call, after a round of the user's own call
    // between the defenders' Passes.
    const int seat = auction.GetSeatToCall();
    const bool partnerToCall = (m_selectedPlayer == SEAT_NORTH && seat == SEAT_SOUTH) ||
                               (m_selectedPlayer == SEAT_SOUTH && seat == SEAT_NORTH);
    EnableControl(IDC_AUTO_BID, partnerToCall && count >= 6 &&
                                    auction.GetCallCode(count - 6) != IDC_PLACEHOLDER &&
                                    auction.GetCallCode(count - 1) == IDC_PASS &&
                                    auction.GetCallCode(count - 3) == IDC_PASS);
    EnableControl(IDC_HIDE, m_selectedPlayer != -1);
    EnableNavigation();
}

void CBiddingTable::EnableNavigation() {
    const int index = m_deal->GetParent() != nullptr ? m_deal->GetIndex() : 0;
    const bool backward = index > FirstDealIndex();
    const bool forward = index < LastDealIndex();
    EnableControl(IDC_FIRST_DEAL, backward);
    EnableControl(IDC_PREVIOUS_DEAL, backward);
    EnableControl(IDC_NEXT_DEAL, forward);
    EnableControl(IDC_LAST_DEAL, forward);
}

int CBiddingTable::FirstDealIndex() const {
    if (m_selectedPlayer == -1) {
        return 0;
    }
    int index = 0;
    while (IsHiddenAt(index)) {
        ++index;
    }
    return index;
}

int CBiddingTable::LastDealIndex() const {
    const CBiddingList* session = m_deal->GetSession();
    int index = session != nullptr ? session->GetChildCount() - 1 : 0;
    while (m_selectedPlayer != -1 && IsHiddenAt(index)) {
        --index;
    }
    return index;
}

void CBiddingTable::GoToDeal(int index, bool backward) {
    MoveTo(index, backward, true);
}

void CBiddingTable::Select(int seat) {
    SaveComment();
    m_selectedPlayer = seat;
    EnableControl(IDC_SELECT_NORTH, false);
    EnableControl(IDC_SELECT_SOUTH, false);
    LoadDeal(m_deal);
    ShowFields();
    UpdateControls();
    SetDefaultFocus(true);
}

void CBiddingTable::Hide() {
    if (m_selectedPlayer == -1) {
        return;
    }
    if (!m_deal->GetAuction()->IsComplete(true) && !AskYesNo(LoadString(IDS_HIDE_UNFINISHED))) {
        SetDefaultFocus(true);
        return;
    }
    CBiddingDeal* hidden = m_deal;
    hidden->SetHidden(m_selectedPlayer);
    // The user has just agreed to leave the unfinished auction: not asked again.
    Step(1, false);
    hidden->SetModified();
}

bool CBiddingTable::LogBook() {
    SaveComment();
    const bool logged = m_deal->WriteLogBook();
    IStatusDisplay* status = GetStatusDisplay();
    if (logged && status != nullptr) {
        status->SetStatusText(FormatMessageText(LoadString(IDS_DEAL_LOGGED), {m_deal->GetName()}));
    }
    SetDefaultFocus(true);
    return logged;
}

void CBiddingTable::Copy() {
    SaveComment();
    m_deal->CopyToClipboard();
    SetDefaultFocus(true);
}

bool CBiddingTable::CanLeave() {
    CAuction& auction = *m_deal->GetAuction();
    const int seat = auction.GetSeatToCall();
    if (auction.IsComplete(true) || seat != m_selectedPlayer || !IsUser(seat)) {
        return true;
    }
    return AskYesNo(LoadString(IDS_LEAVE_WITHOUT_CALL));
}

void CBiddingTable::SaveComment() {
    if (m_deal != nullptr) {
        m_deal->SetComment(m_fields[kCommentField], true);
    }
}

unsigned CBiddingTable::GetDefaultFocus(bool forward) const {
    const unsigned ahead = forward ? IDC_NEXT_DEAL : IDC_PREVIOUS_DEAL;
    const unsigned behind = forward ? IDC_PREVIOUS_DEAL : IDC_NEXT_DEAL;
    if (IsControlEnabled(ahead)) {
        return ahead;
    }
    // The focus cannot rest on a disabled button.
    if (m_selectedPlayer == -1 && IsControlEnabled(behind)) {
        return behind;
    }
    return IDC_CLOSE;
}

void CBiddingTable::SetDefaultFocus(bool forward) {
    m_focus = GetDefaultFocus(forward);
    if (m_view != nullptr) {
        m_view->SetFocusTo(m_focus);
    }
}

CCall* CBiddingTable::GetCallAt(int column, int row) const {
    if (m_deal == nullptr || column < 0 || column > 3 || row < 0) {
        return nullptr;
    }
    CCall* call = m_deal->GetAuction()->GetCall(row * 4 + column);
    return call != nullptr && call->GetCode() != IDC_PLACEHOLDER ? call : nullptr;
}

void CBiddingTable::ReplaceNote(int column, int row, const std::string& note) {
    CCall* call = GetCallAt(column, row);
    if (call == nullptr) {
        return;
    }
    call->AppendNote(note, true);
    m_deal->ClearHidden();
    m_deal->SetModified();
    if (m_view != nullptr) {
        m_view->RefreshAuction(true);
    }
}

const std::string& CBiddingTable::GetFieldText(unsigned controlId) const {
    static const std::string kNone;
    const auto at = std::find(std::begin(kTableFieldIds), std::end(kTableFieldIds), controlId);
    return at == std::end(kTableFieldIds)
               ? kNone
               : m_fields[static_cast<std::size_t>(at - std::begin(kTableFieldIds))];
}

bool CBiddingTable::IsFieldRed(unsigned controlId) const {
    if (m_deal == nullptr || (controlId != IDC_NORTH_TEXT && controlId != IDC_SOUTH_TEXT)) {
        return false;
    }
    const int named = controlId == IDC_NORTH_TEXT ? SEAT_NORTH : SEAT_SOUTH;
    const int other = controlId == IDC_NORTH_TEXT ? SEAT_SOUTH : SEAT_NORTH;
    return m_deal->HasPeeked(named) &&
           (m_selectedPlayer == other || m_deal->GetAuction()->IsComplete(true));
}

std::string CBiddingTable::GetTitle() const {
    return LoadString(IDS_BIDDING_TITLE) + " " + (m_deal != nullptr ? m_deal->GetName() : "");
}

std::string CBiddingTable::GetCompassText(unsigned controlId) const {
    for (const CompassLetter& letter : kCompass) {
        if (letter.controlId == controlId) {
            return m_deal != nullptr && m_deal->GetDealer() == letter.seat
                       ? LoadString(IDS_DEALER_MARK)
                       : LoadString(letter.textId);
        }
    }
    return {};
}

bool CBiddingTable::IsControlEnabled(unsigned controlId) const {
    if (std::find(std::begin(kAlwaysEnabled), std::end(kAlwaysEnabled), controlId) !=
        std::end(kAlwaysEnabled)) {
        return true;
    }
    const auto at = m_enabled.find(controlId);
    return at != m_enabled.end() && at->second;
}

void CBiddingTable::EnableControl(unsigned controlId, bool enable) {
    m_enabled[controlId] = enable;
    if (m_view != nullptr) {
        m_view->EnableControl(controlId, enable);
    }
}

void CBiddingTable::ShowFields() {
    if (m_view == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_view->SetControlText(kTableFieldIds[i], m_fields[i]);
    }
    m_view->SetControlRed(IDC_NORTH_TEXT, IsFieldRed(IDC_NORTH_TEXT));
    m_view->SetControlRed(IDC_SOUTH_TEXT, IsFieldRed(IDC_SOUTH_TEXT));
    if (m_deal != nullptr) {
        m_view->SetControlText(IDC_DEAL_SUMMARY,
                               DealSummary(static_cast<Seat>(m_deal->GetDealer()),
                                           static_cast<Vulnerability>(m_deal->GetVulnerability()),
                                           *m_deal->GetAuction()));
    }
}

void CBiddingTable::RefreshHandDisplay() {
    if (m_view == nullptr) {
        return;
    }
    m_view->SetTitle(GetTitle());
    for (const CompassLetter& letter : kCompass) {
        m_view->SetControlText(letter.controlId, GetCompassText(letter.controlId));
    }
    m_view->RefreshPictures();
}

void CBiddingTable::Step(int step, bool askFirst) {
    int index = m_deal->GetIndex() + step;
    while (m_selectedPlayer != -1 && IsHiddenAt(index)) {
        index += step;
    }
    if (DealAt(index) == nullptr) {
        End();  // past the first or last deal the player may see
        return;
    }
    MoveTo(index, step < 0, askFirst);
}

void CBiddingTable::MoveTo(int index, bool backward, bool askFirst) {
    SaveComment();
    CBiddingDeal* deal = DealAt(index);
    if (deal == nullptr || (askFirst && !CanLeave())) {
        return;
    }
    m_complete = false;
    LoadDeal(deal);
    UpdateAuction(true, true);
    ShowFields();
    RefreshHandDisplay();
    UpdateControls();
    SetDefaultFocus(!backward);
}

void CBiddingTable::End() {
    m_ended = true;
    if (m_view != nullptr) {
        m_view->EndDialog();
    }
}

CBiddingDeal* CBiddingTable::DealAt(int index) const {
    const CBiddingList* session = m_deal->GetSession();
    if (session == nullptr || index < 0) {
        return nullptr;
    }
    return dynamic_cast<CBiddingDeal*>(session->GetChildAt(index));
}

bool CBiddingTable::IsHiddenAt(int index) const {
    const CBiddingDeal* deal = DealAt(index);
    return deal != nullptr && deal->IsHidden(m_selectedPlayer);
}

const std::string& CBiddingTable::SelectedName() const {
    return m_selectedPlayer == SEAT_SOUTH ? m_southName : m_northName;
}
