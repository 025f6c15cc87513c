#include "gui/table/CBiddingBox.h"

#include "core/bidding/BiddingIds.h"
#include "core/table/TableIds.h"
#include "gui/images/Pictures.h"
#include "gui/table/BiddingDialogLayout.h"
#include "gui/table/CDialogUnits.h"

CBiddingBox::CBiddingBox()
    : CHandDisplay({{IDC_FIRST_DEAL, kFirstDealFaces},
                    {IDC_PREVIOUS_DEAL, kPreviousDealFaces},
                    {IDC_NEXT_DEAL, kNextDealFaces},
                    {IDC_LAST_DEAL, kLastDealFaces}},
                   IDC_COMPASS_FRAME) {
    for (int level = 0; level < kLevelCount; ++level) {
        for (int strain = 0; strain < kStrainCount; ++strain) {
            m_calls.push_back({static_cast<unsigned>(kBidCodes[level][strain]),
                               BidFaces(level * kStrainCount + strain)});
        }
    }
    m_calls.push_back({IDC_PASS, kPassFaces});
    m_calls.push_back({IDC_DOUBLE, kDoubleFaces});
    m_calls.push_back({IDC_REDOUBLE, kRedoubleFaces});
    m_calls.push_back({IDC_TAKE_BACK, kTakeBackFaces});
}

void CBiddingBox::Attach(QWidget& dialog, const CDialogUnits& units) {
    CHandDisplay::Attach(dialog, units);
    // Eight rows of five columns spread evenly over the frame, less a margin.
    const QRect frame =
        units.ToPixels(kBiddingBoxX, kBiddingBoxY, kBiddingBoxWidth, kBiddingBoxHeight);
    const QSize button = PictureSize(kPassFaces.normal);
    const int margin = units.X(4);
    const int rows = kLevelCount + 1;
    const double across = double(frame.width() - 2 * margin - button.width()) / (kStrainCount - 1);
    const double down = double(frame.height() - 2 * margin - button.height()) / (rows - 1);
    const auto place = [&](const PictureControl& call, int column, int row) {
        AddButton(dialog, call, frame.left() + margin + static_cast<int>(column * across + 0.5),
                  frame.top() + margin + static_cast<int>(row * down + 0.5));
    };
    for (int k = 0; k < kBidCount; ++k) {
        place(m_calls[k], k % kStrainCount, k / kStrainCount);
    }
    // Pass, Double, Redouble at the left, take back at the right after a gap.
    const int lastRow = kLevelCount;
    place(m_calls[kBidCount], 0, lastRow);
    place(m_calls[kBidCount + 1], 1, lastRow);
    place(m_calls[kBidCount + 2], 2, lastRow);
    place(m_calls[kBidCount + 3], kStrainCount - 1, lastRow);
}
