#pragma once

#include <bitset>
#include <string>
#include <vector>

#include "core/bidding/BiddingIds.h"
#include "core/items/CItem.h"

class CCall;
class IControlEnabler;

// The calls of one deal, in the order they were made, and which calls are legal next.
// Entry i belongs to seat i modulo 4 (West first): placeholder calls (code 0) stand for the
// seats before the dealer. A call's reply table is an auction too.
class CAuction : public CItem {
public:
    // The owner (a bidding deal, or the call whose replies this holds) becomes the parent,
    // but the auction does not stand in the owner's child list.
    explicit CAuction(CItem* owner);
    ~CAuction() override;

    // Works out which calls are legal next and whether the auction is complete. With a
    // dialog, its bidding-box buttons are enabled to match.
    void UpdateLegalCalls(IControlEnabler* dialog = nullptr);
    // Enables exactly the bids above the reference (all of them for code 0).
    void EnableBidsAbove(const CCall& reference, IControlEnabler* dialog);
    // With recompute, UpdateLegalCalls first.
    bool IsComplete(bool recompute);
    // The flag of a call after the last UpdateLegalCalls; false for a code that is no call.
    bool IsCallEnabled(int code) const;
    // The seat whose entry comes next: the number of entries modulo 4.
    int GetSeatToCall() const;

    // A defender's automatic Pass, then the replay of a recorded reply. pendingCall is what
    // the defence would call (0: nothing).
    void AutoPass(int pendingCall);
    // Auto Bid: the last round (partner's call, Pass, the user's reply, Pass) becomes a
    // recorded reply on the user's call one round earlier. False, changing nothing, when
    // the auction does not end that way.
    bool RecordReply();
    void TakeBackLastCall();

    // Appends a new call; the auction owns it.
    CCall* AppendCall(int code);
    // One placeholder for each seat from West up to the dealer, when there are no entries.
    void AppendPlaceholders(int dealer);
    int GetCallCount() const { return GetChildCount(); }
    CCall* GetCall(int index) const;
    // The code of entry index; 0 when there is no such entry.
    int GetCallCode(int index) const;
    // The codes of every entry, from West's first (placeholders 0).
    std::vector<int> GetCallCodes() const;

    void ReadField(long kind, int code, std::string_view text) override;
    // The calls four to a row under the seat names, then the numbered notes.
    bool GetText(std::string& text, bool topLevel) override;

private:
    void SetCallEnabled(int code, bool enabled);

    bool m_noBidYet = false;
    bool m_complete = false;
    std::bitset<kCallCount> m_enabled;
};
