#include "core/bidding/CAuction.h"

#include "core/bidding/CCall.h"
#include "core/deals/Seats.h"
#include "core/items/ItemIds.h"
#include "core/items/ItemsStrings.h"
#include "core/platform/ControlEnabler.h"

namespace {
bool IsDoubleOrRedouble(int code) {
    return code == IDC_DOUBLE || code == IDC_REDOUBLE;
}

// The seat names over the four columns, each followed by a tab.
constexpr char kHeader[] = "West\tNorth\tEast\tSouth\t";
}  // namespace

CAuction::CAuction(CItem* owner) : CItem(IDS_AUCTION, KIND_AUCTION) {
    SetParent(owner);
}

CAuction::~CAuction() = default;

CCall* CAuction::GetCall(int index) const {
    // Only calls are ever put into an auction's child list.
    return static_cast<CCall*>(GetChildAt(index));
}

int CAuction::GetCallCode(int index) const {
    const CCall* call = GetCall(index);
    return call != nullptr ? call->GetCode() : IDC_PLACEHOLDER;
}

std::vector<int> CAuction::GetCallCodes() const {
    std::vector<int> codes;
    codes.reserve(static_cast<std::size_t>(GetCallCount()));
    for (int index = 0; index < GetCallCount(); ++index) {
        codes.push_back(GetCallCode(index));
    }
    return codes;
}

CCall* CAuction::AppendCall(int code) {
    auto* call = new CCall(code);
    call->AppendTo(this, true);
    return call;
}

void CAuction::AppendPlaceholders(int dealer) {
    if (GetCallCount() != 0) {
        return;
    }
    for (int seat = 0; seat < dealer && seat < kSeatCount; ++seat) {
        AppendCall(IDC_PLACEHOLDER);
    }
}

int CAuction::GetSeatToCall() const {
    return GetCallCount() % 4;
}

bool CAuction::IsCallEnabled(int code) const {
    const int index = CCall::GetCallIndex(code);
    return index >= 0 && m_enabled[index];
}

void CAuction::SetCallEnabled(int code, bool enabled) {
    const int index = CCall::GetCallIndex(code);
    if (index >= 0) {
        m_enabled[index] = enabled;
    }
}

void CAuction::UpdateLegalCalls(IControlEnabler* dialog) {
    m_noBidYet = false;
    m_complete = false;
    bool pass = true;
    bool doubleEnabled = false;
    bool redoubleEnabled = false;

    // The last bid: back over the Passes (counted), Doubles and Redoubles.
    int passes = 0;
    const CCall* lastBid = nullptr;
    POSITION pos;
    GetTailChildPosition(pos);
    while (pos) {
        const auto* call = static_cast<const CCall*>(GetPrevChild(pos));
        if (call->GetCode() == IDC_PASS) {
            ++passes;
        } else if (!IsDoubleOrRedouble(call->GetCode())) {
            if (call->GetCode() != IDC_PLACEHOLDER) {
                lastBid = call;
            }
            break;
        }
    }

    const int count = GetCallCount();
    if (lastBid == nullptr) {
        if (passes == 4) {
            m_complete = true;
        } else {
            m_noBidYet = true;
        }
    } else if (count >= 3 && GetCallCode(count - 1) == IDC_PASS &&
               GetCallCode(count - 2) == IDC_PASS && GetCallCode(count - 3) == IDC_PASS) {
        m_complete = true;
    } else {
        // The latest call other than Pass, and how many Passes followed it (0 to 2). With
        // 0 or 2 it was made by an opponent of the seat to call.
        int after = 0;
        while (GetCallCode(count - 1 - after) == IDC_PASS) {
            ++after;
        }
        const int latest = GetCallCode(count - 1 - after);
        const bool byOpponent = after == 0 || after == 2;
        if (latest == IDC_DOUBLE) {
            redoubleEnabled = byOpponent;
        } else if (latest != IDC_REDOUBLE) {
            doubleEnabled = byOpponent;
        }
    }

    if (m_noBidYet) {
        EnableBidsAbove(CCall(IDC_PLACEHOLDER), dialog);
    } else if (m_complete) {
        EnableBidsAbove(CCall(IDC_7N), dialog);
        pass = false;
        doubleEnabled = false;
        redoubleEnabled = false;
    } else {
        EnableBidsAbove(*lastBid, dialog);
    }
    SetCallEnabled(IDC_PASS, pass);
    SetCallEnabled(IDC_DOUBLE, doubleEnabled);
    SetCallEnabled(IDC_REDOUBLE, redoubleEnabled);
    if (dialog != nullptr) {
        dialog->EnableControl(IDC_PASS, pass);
        dialog->EnableControl(IDC_DOUBLE, doubleEnabled);
        dialog->EnableControl(IDC_REDOUBLE, redoubleEnabled);
    }
}

void CAuction::EnableBidsAbove(const CCall& reference, IControlEnabler* dialog) {
    // From 7N down: a bid is enabled while every bid above it is and it is not the
    // reference itself.
    bool above = true;
    for (int index = kBidCount - 1; index >= 0; --index) {
        const int code = CCall::GetCodeOfIndex(index);
        above = above && code != reference.GetCode();
        m_enabled[index] = above;
        if (dialog != nullptr) {
            dialog->EnableControl(static_cast<unsigned>(code), above);
        }
    }
}

bool CAuction::IsComplete(bool recompute) {
    if (recompute) {
        UpdateLegalCalls(nullptr);
    }
    return m_complete;
}

void CAuction::AutoPass(int pendingCall) {
    if (IsComplete(true)) {
        return;
    }
    // A defender passes when the defence has nothing for it, or when it has already made
    // a call other than Pass (its earlier entries stand every four places back).
    bool passes = pendingCall == 0;
    for (int index = GetCallCount() - 4; !passes && index >= 0; index -= 4) {
        const int code = GetCallCode(index);
        if (code == IDC_PLACEHOLDER) {
            break;
        }
        passes = code != IDC_PASS;
    }
    if (!passes) {
        return;
    }
    AppendCall(IDC_PASS);
    // A Pass that ended the auction leaves it ended: nothing is replayed after it.
    if (IsComplete(true)) {
        return;
    }

    // The user now to call may have recorded a reply to the partner's call just made.
    const int n = GetCallCount() - 1;
    const CCall* anchor = GetCall(n - 3);
    if (anchor == nullptr || anchor->GetReplyTable() == nullptr) {
        return;
    }
    const CAuction& table = *anchor->GetReplyTable();
    const int trigger = GetCallCode(n - 1);
    for (int index = 0; index + 1 < table.GetCallCount(); index += 2) {
        if (table.GetCallCode(index) == trigger) {
            const int reply = table.GetCallCode(index + 1);
            // A reply recorded in another auction may not fit this one (a defender bid
            // higher meanwhile); it is then left to the user.
            if (IsCallEnabled(reply)) {
                AppendCall(reply);
                if (!IsComplete(true)) {
                    AppendCall(IDC_PASS);
                }
            }
            return;
        }
    }
}

bool CAuction::RecordReply() {
    // Only the users record replies: the partner now to call is North or South.
    const int count = GetCallCount();
    const int seat = GetSeatToCall();
    if ((seat != SEAT_NORTH && seat != SEAT_SOUTH) || count < 6 ||
        GetCallCode(count - 6) == IDC_PLACEHOLDER || GetCallCode(count - 1) != IDC_PASS ||
        GetCallCode(count - 3) != IDC_PASS) {
        return false;
    }
    CAuction& table = GetCall(count - 6)->ProvideReplyTable();
    CCall* defenderPass = GetCall(count - 1);
    CCall* reply = GetCall(count - 2);
    CCall* otherPass = GetCall(count - 3);
    CCall* trigger = GetCall(count - 4);
    defenderPass->Detach();
    delete defenderPass;
    reply->Detach();
    reply->InsertInto(&table, 0, true);
    otherPass->Detach();
    delete otherPass;
    trigger->Detach();
    trigger->InsertInto(&table, 0, true);
    return true;
}

void CAuction::TakeBackLastCall() {
    if (CCall* last = GetCall(GetCallCount() - 1)) {
        last->Detach();
        delete last;
    }
}

void CAuction::ReadField(long kind, int code, std::string_view) {
    if (kind == KIND_CALL && code == 0) {
        CCall* call = AppendCall(IDC_PLACEHOLDER);
        call->Serialize(*GetArchive(), GetProgress());
    }
}

bool CAuction::GetText(std::string& text, bool) {
    std::string notes;
    int noteNumber = 0;
    int cell = 0;
    POSITION pos;
    GetHeadChildPosition(pos);
    while (pos) {
        const auto* call = static_cast<const CCall*>(GetNextChild(pos));
        if (cell == 0) {
            text += kHeader;
        }
        text += cell % 4 == 0 ? "\r\n" : "\t";
        text += call->GetName();
        const std::string note = call->GetNote();
        if (!note.empty()) {
            std::string number = "(";
            number.append(std::to_string(++noteNumber)).append(")");
            text.append(" ").append(number);
            if (!notes.empty()) {
                notes += "\r\n";
            }
            notes.append(number).append("\t").append(note);
        }
        ++cell;
    }
    if (!notes.empty()) {
        text.append("\r\n\r\n").append(notes);
    }
    return true;
}
