#pragma once

#include <string>

// What the auction grid asks of the dialog it sits in when a call's note is edited.
class IAuctionGridOwner {
public:
    virtual ~IAuctionGridOwner() = default;
    // Replaces the note of the call in the cell (column = seat, row = round); the deal is
    // changed and no longer hidden.
    virtual void ReplaceNote(int column, int row, const std::string& note) = 0;
    // Gives the focus back to the dialog's default button.
    virtual void SetDefaultFocus() = 0;
};
