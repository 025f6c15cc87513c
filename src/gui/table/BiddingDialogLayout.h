#pragma once

#include <span>

// Where the controls of dialog 187 stand, in dialog units (the dialog is 433 x 282). The
// holdings, compass letters and texts are placed around the compass square so that each
// hand sits on its side of the table with room for its suit symbols (drawn 30 pixels left
// of each holding).
enum class ControlKind {
    Frame,          // an etched rectangle
    CompassFrame,   // the centre square the vulnerability is painted in
    CompassLetter,  // "N", "E", "S", "W"
    Holding,        // one suit of one hand
    Text,           // a multi-line static text
    Comment,        // the comment box
    Button,         // a push button with a caption
    Place,          // invisible: a rectangle that another control takes
    Review,         // the review after the auction, right of the command buttons
};

struct ControlPlace {
    unsigned id;  // 0 for the two frames, which have no id
    ControlKind kind;
    int x, y, width, height;
    unsigned textId;  // caption (buttons) or letter (compass); 0 for none
};

constexpr int kBiddingDialogWidth = 433;
constexpr int kBiddingDialogHeight = 282;
// The dialog grows by the review's column when the review is switched on.
constexpr int kReviewColumnWidth = 160;
// The bidding box's frame; its 39 buttons are laid out inside it.
constexpr int kBiddingBoxX = 283, kBiddingBoxY = 7, kBiddingBoxWidth = 81, kBiddingBoxHeight = 118;
// The navigation buttons: top-left corner of the table, 15 units apart.
constexpr int kNavigationX = 16, kNavigationY = 14, kNavigationPitch = 15;

std::span<const ControlPlace> BiddingDialogLayout();
