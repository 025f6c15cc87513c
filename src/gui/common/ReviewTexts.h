#pragma once

#include <QString>

// Texts of the review after the auction, shared by the bidding dialog's panel and the session
// review window.
enum ReviewTextId : unsigned {
    IDS_REVIEW_ANALYSING = 60800,
    IDS_REVIEW_WAITING,
    IDS_REVIEW_CANNOT,
    IDS_REVIEW_TABLE_CAPTION,
    IDS_REVIEW_PAR,
    IDS_REVIEW_CONTRACT,
    IDS_REVIEW_IMPS,
    IDS_REVIEW_PASSED_OUT,
    IDS_REVIEW_MAKES,
    IDS_REVIEW_DOWN,
    IDS_REVIEW_BY,
    IDS_REVIEW_REFERENCE,
    IDS_REVIEW_REFERENCE_CONTRACT,
    IDS_REVIEW_DEPARTURE,
    IDS_REVIEW_SAME_AUCTION,
    IDS_REVIEW_REFERENCE_INCOMPLETE,
    IDS_REVIEW_SCORES_FOR,
};

// The text with that id, from this table or else from any other registered one.
QString ReviewText(unsigned id);
