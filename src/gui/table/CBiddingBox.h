#pragma once

#include "gui/table/CHandDisplay.h"

// The hand display and the bidding box: 35 bids in seven rows of five (clubs to no
// trumps), then Pass, Double and Redouble at the left of a last row and take back at its
// right. Each call button's id is its call code.
class CBiddingBox : public CHandDisplay {
public:
    CBiddingBox();

    void Attach(QWidget& dialog, const CDialogUnits& units) override;

private:
    std::vector<PictureControl> m_calls;  // 1C .. 7N, Pass, Double, Redouble, take back
};
