#pragma once

#include <cstddef>
#include <string>

#include "core/platform/ControlEnabler.h"

// What the bidding table asks of the window that draws it (dialog 187). The window only
// shows what it is told and forwards the user's actions to CBiddingTable; it keeps no rules.
//
// EnableControl(id, enable), from IControlEnabler, addresses the call buttons (by call code),
// take back, the four navigation buttons, Select North, Select South, Auto Bid and Hide.
class IBiddingTableView : public IControlEnabler {
public:
    // The text of a field (the 16 holdings, 1151, 1152, 1139, 1178) or of a compass letter
    // (1119-1122). Texts are bytes with "\r\n" line ends. Setting the comment box's text here
    // is not an edit by the user: the window must not report it back as one.
    virtual void SetControlText(unsigned controlId, const std::string& text) = 0;
    // 1151 and 1152: red (RGB 255, 0, 0) for a peeker's name, else the normal text colour.
    virtual void SetControlRed(unsigned controlId, bool red) = 0;
    // The window's title.
    virtual void SetTitle(const std::string& title) = 0;
    // Moves the keyboard focus to the control.
    virtual void SetFocusTo(unsigned controlId) = 0;
    // Places the comment box's caret at this byte offset of its text and scrolls it into view.
    virtual void SetCommentCaret(std::size_t offset) = 0;
    // The auction changed: refill the grid from the deal's auction; repaint it when redraw.
    virtual void RefreshAuction(bool redraw) = 0;
    // Another deal is shown: repaint the vulnerability picture and the suit symbols.
    virtual void RefreshPictures() = 0;
    // Ends the modal dialog.
    virtual void EndDialog() = 0;
};
