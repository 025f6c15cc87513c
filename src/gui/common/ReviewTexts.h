#pragma once

#include <QString>

// Texts of the review after the auction, shared by the bidding dialog's panel and the session
// review window. Numbered from 62700.
constexpr unsigned IDS_REVIEW_ANALYSING = 62701;
constexpr unsigned IDS_REVIEW_WAITING = 62702;
constexpr unsigned IDS_REVIEW_CANNOT = 62703;
constexpr unsigned IDS_REVIEW_TABLE_CAPTION = 62704;
constexpr unsigned IDS_REVIEW_PAR = 62705;
constexpr unsigned IDS_REVIEW_CONTRACT = 62706;
constexpr unsigned IDS_REVIEW_IMPS = 62707;
constexpr unsigned IDS_REVIEW_PASSED_OUT = 62708;
constexpr unsigned IDS_REVIEW_MAKES = 62709;
constexpr unsigned IDS_REVIEW_DOWN = 62710;
constexpr unsigned IDS_REVIEW_BY = 62711;
constexpr unsigned IDS_REVIEW_REFERENCE = 62712;
constexpr unsigned IDS_REVIEW_REFERENCE_CONTRACT = 62713;
constexpr unsigned IDS_REVIEW_DEPARTURE = 62714;
constexpr unsigned IDS_REVIEW_SAME_AUCTION = 62715;
constexpr unsigned IDS_REVIEW_REFERENCE_INCOMPLETE = 62716;
constexpr unsigned IDS_REVIEW_SCORES_FOR = 62717;

// The text with that id; empty for an id this table does not have.
QString ReviewText(unsigned id);
