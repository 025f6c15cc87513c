#pragma once

class CBiddingList;

// The bidding session's property sheet, which needs a window: the program installs an
// implementation. It builds the sheet for the mode (0 Properties, 1 Insert as a wizard,
// 3 Options), lets its pages load from the session, runs it modally and, unless the person
// cancels, lets the pages store into the session (in mode 1 the Deal page's store imports
// the chosen file into it). What follows the sheet is the session's own (ShowProperties).
class IBiddingListSheet {
public:
    virtual ~IBiddingListSheet() = default;
    // False on Cancel: then nothing was stored.
    virtual bool RunBiddingListSheet(CBiddingList& session, int mode) = 0;
};

// With none installed ShowProperties answers false and changes nothing.
void SetBiddingListSheet(IBiddingListSheet* sheet);
IBiddingListSheet* GetBiddingListSheet();
