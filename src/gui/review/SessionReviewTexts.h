#pragma once

#include <QString>

// Texts of the session review window.
enum SessionReviewTextId : unsigned {
    IDS_SESSION_REVIEW_TITLE = 60900,
    IDS_SESSION_REVIEW_PROGRESS,
    IDS_SESSION_REVIEW_COPY,
    IDS_SESSION_REVIEW_PRINT,
    IDS_SESSION_REVIEW_PREVIEW,
    IDS_SESSION_REVIEW_CLOSE,
    IDS_SESSION_REVIEW_TOTAL,
    IDS_SESSION_REVIEW_REACHED,
    IDS_SESSION_REVIEW_INCOMPLETE,
    IDS_SESSION_REVIEW_ANALYSING,
    IDS_SESSION_REVIEW_OPEN_AS,
    IDS_SESSION_REVIEW_ALL_HANDS,
    IDS_SESSION_REVIEW_NO_SOLVER,
    IDS_SESSION_REVIEW_TOTAL_ONE,
    // The column headings, in the order of the model's columns.
    IDS_COLUMN_BOARD,
    IDS_COLUMN_DEALER,
    IDS_COLUMN_AUCTION,
    IDS_COLUMN_CONTRACT,
    IDS_COLUMN_TRICKS,
    IDS_COLUMN_SCORE,
    IDS_COLUMN_PAR,
    IDS_COLUMN_IMPS,
    IDS_COLUMN_REFERENCE,
    IDS_COLUMN_REFERENCE_IMPS,
};

// The text with that id, from this table or else from any other registered one.
QString SessionReviewText(unsigned id);
