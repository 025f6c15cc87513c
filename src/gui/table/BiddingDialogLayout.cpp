#include "gui/table/BiddingDialogLayout.h"

#include <vector>

#include "core/table/TableStrings.h"
#include "gui/table/DialogIds.h"
#include "gui/table/TableTexts.h"

namespace {

using K = ControlKind;

// A hand's four holdings, one above the other, spades first.
constexpr int kHoldingWidth = 62, kHoldingHeight = 10, kHoldingPitch = 11;

std::vector<ControlPlace> MakeLayout() {
    std::vector<ControlPlace> layout = {
        // The table: its frame, the centre square and the compass letters.
        {0, K::Frame, 7, 7, 264, 207, 0},
        {0, K::Frame, kBiddingBoxX, kBiddingBoxY, kBiddingBoxWidth, kBiddingBoxHeight, 0},
        {IDC_COMPASS_FRAME, K::CompassFrame, 129, 93, 39, 35, 0},
        {IDC_COMPASS_NORTH, K::CompassLetter, 143, 84, 11, 8, IDS_COMPASS_NORTH},
        {IDC_COMPASS_EAST, K::CompassLetter, 169, 106, 9, 9, IDS_COMPASS_EAST},
        {IDC_COMPASS_SOUTH, K::CompassLetter, 143, 129, 11, 8, IDS_COMPASS_SOUTH},
        {IDC_COMPASS_WEST, K::CompassLetter, 119, 106, 9, 9, IDS_COMPASS_WEST},
    };
    // The hands on their sides of the table.
    const struct {
        unsigned first;
        int x, y;
    } hands[] = {{IDC_NORTH_SPADES, 128, 22},
                 {IDC_EAST_SPADES, 202, 89},
                 {IDC_SOUTH_SPADES, 128, 141},
                 {IDC_WEST_SPADES, 34, 89}};
    for (const auto& hand : hands) {
        for (unsigned suit = 0; suit < 4; ++suit) {
            layout.push_back({hand.first + suit, K::Holding, hand.x,
                              hand.y + static_cast<int>(suit) * kHoldingPitch, kHoldingWidth,
                              kHoldingHeight, 0});
        }
    }
    const ControlPlace rest[] = {
        // The deal in words under the navigation buttons; the players' texts beside their
        // hands, the defenders' in the free corner.
        {IDC_DEAL_SUMMARY, K::Text, 16, 30, 100, 40, 0},
        {IDC_NORTH_TEXT, K::Text, 196, 12, 71, 70, 0},
        {IDC_SOUTH_TEXT, K::Text, 196, 138, 71, 72, 0},
        {IDC_DEFENDERS_TEXT, K::Text, 12, 138, 88, 72, 0},
        // Under the bidding box, the auction grid's place; along the bottom, the comment.
        {IDC_GRID_FRAME, K::Place, 284, 131, 79, 81, 0},
        {IDC_COMMENT, K::Comment, 7, 222, 357, 53, 0},
        // The command buttons.
        {IDC_CLOSE, K::Button, 376, 7, 50, 14, IDS_CLOSE},
        {IDC_AUTO_BID, K::Button, 376, 26, 50, 14, IDS_AUTO_BID},
        {IDC_HIDE, K::Button, 376, 43, 50, 14, IDS_HIDE},
        {IDC_LOG_BOOK, K::Button, 376, 60, 50, 14, IDS_LOG_BOOK_BUTTON},
        {IDC_COPY, K::Button, 376, 77, 50, 14, IDS_COPY},
        {IDC_SELECT_NORTH, K::Button, 376, 96, 50, 14, IDS_SELECT_NORTH},
        {IDC_SELECT_SOUTH, K::Button, 376, 113, 50, 14, IDS_SELECT_SOUTH},
        {IDC_HELP_BUTTON, K::Button, 376, 261, 50, 14, IDS_HELP_BUTTON},
        {IDC_REVIEW_PANEL, K::Review, 433, 7, kReviewColumnWidth - 7, 268, 0},
    };
    layout.insert(layout.end(), std::begin(rest), std::end(rest));
    return layout;
}

}  // namespace

std::span<const ControlPlace> BiddingDialogLayout() {
    static const std::vector<ControlPlace> layout = MakeLayout();
    return layout;
}
