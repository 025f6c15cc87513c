#pragma once

#include <array>
#include <map>
#include <string>

#include "core/defence/CAutomaticDefensiveBidding.h"
#include "core/platform/ControlEnabler.h"

class CBiddingDeal;
class CCall;
class IBiddingTableView;

// The bidding table's logic: what dialog 187 shows, which of its buttons are enabled, where
// navigation goes, when the user is asked, and the automatic calls of East and West. The
// window draws it (IBiddingTableView) and feeds it the user's actions; lvtool and the tests
// drive it without any window.
//
// Life of a dialog: construct (the defensive texts are loaded then), LoadDeal, Start when
// the window is shown, then Press for every button and the comment notifications, and
// SaveComment after the dialog has ended.
class CBiddingTable : private IControlEnabler {
public:
    explicit CBiddingTable(IBiddingTableView* view = nullptr);
    ~CBiddingTable() override;
    CBiddingTable(const CBiddingTable&) = delete;
    CBiddingTable& operator=(const CBiddingTable&) = delete;

    // Shows a deal: takes and resets its start player, puts placeholders before the dealer
    // into an empty auction, and fills the fields for the view (all four hands once the
    // auction is complete).
    void LoadDeal(CBiddingDeal* deal);
    // Window creation and initialisation: a defender to call calls at once; then the title,
    // compass, every control's state, the Select buttons and the focus.
    void Start();

    // A press of a button (a call code, take back, navigation, Select, Auto Bid, Hide,
    // Log-book, Copy, Close). A button that is not enabled does nothing and gives false.
    bool Press(unsigned controlId);
    // Escape: ends the dialog without asking.
    void Escape();
    // The user typed in the comment box: the deal is no longer hidden for anybody.
    void OnCommentEdited(const std::string& text);
    // The comment box got the focus: heads it with the selected player's "name: ".
    void OnCommentFocus();
    // A holding got the focus: it moves on to the default button at once.
    void OnHoldingFocus();

    // The operations behind the buttons, for callers that have checked the enabled state.
    void MakeCall(int code);
    void TakeBack();
    void AutoBid();
    void GoToDeal(int index, bool backward);
    void Select(int seat);
    void Hide();
    // False, after a message, when the deal could not be logged.
    bool LogBook();
    void Copy();
    bool CanLeave();

    // At most one automatic call for East or West, then the grid.
    void UpdateAuction(bool redraw, bool autoDefend);
    // Every button's enabled state; reloads the deal when the auction's completeness changed.
    void UpdateControls();
    // The first and last deal of the session the selected player may see.
    // First and previous lead to a deal before this one, next and last to one after it.
    void EnableNavigation();
    int FirstDealIndex() const;
    int LastDealIndex() const;
    // Stores the comment box into the deal shown.
    void SaveComment();
    // The button that takes the focus after a change, moving forward or backward.
    unsigned GetDefaultFocus(bool forward) const;
    void SetDefaultFocus(bool forward);

    // The call shown in a cell of the auction grid (column = seat, row = round); null for a
    // placeholder or an empty cell, which have no note.
    CCall* GetCallAt(int column, int row) const;
    // A note edited in the grid: replaces the call's note; the deal is changed and no longer
    // hidden.
    void ReplaceNote(int column, int row, const std::string& note);

    // What the window shows.
    CBiddingDeal* GetDeal() const { return m_deal; }
    int GetSelectedPlayer() const { return m_selectedPlayer; }
    // 4 (all hands), or the selected player (-1 none).
    int GetViewSeat() const { return m_viewSeat; }
    const std::string& GetFieldText(unsigned controlId) const;
    bool IsFieldRed(unsigned controlId) const;
    std::string GetTitle() const;
    std::string GetCompassText(unsigned controlId) const;
    bool IsControlEnabled(unsigned controlId) const;
    bool IsEnded() const { return m_ended; }

private:
    void EnableControl(unsigned controlId, bool enable) override;
    // Pushes the 20 fields and the peek colours to the view.
    void ShowFields();
    // Title, compass letters and pictures of the deal shown.
    void RefreshHandDisplay();
    // Previous or next deal, skipping the deals hidden for the selected player; past the
    // session's ends the dialog ends.
    void Step(int step, bool askFirst);
    void MoveTo(int index, bool backward, bool askFirst);
    void End();
    // The session's deal at index, or null.
    CBiddingDeal* DealAt(int index) const;
    bool IsHiddenAt(int index) const;
    const std::string& SelectedName() const;
    std::string UserText(int seat, const std::string& name, const std::string& seatText) const;
    void MarkVoids();

    IBiddingTableView* m_view;
    CBiddingDeal* m_deal = nullptr;
    int m_selectedPlayer = -1;
    int m_viewSeat = -1;
    bool m_complete = false;  // the auction's complete flag as last seen
    CAutomaticDefensiveBidding m_settings;
    std::string m_northName;
    std::string m_southName;
    std::array<std::string, 20> m_fields;  // in the order of kTableFieldIds
    std::map<unsigned, bool> m_enabled;
    unsigned m_focus = 0;
    bool m_ended = false;
};
