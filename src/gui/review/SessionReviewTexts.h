#pragma once

#include <QString>

// Texts of the session review window. Numbered from 62750.
constexpr unsigned IDS_SESSION_REVIEW_TITLE = 62750;
constexpr unsigned IDS_SESSION_REVIEW_PROGRESS = 62751;
constexpr unsigned IDS_SESSION_REVIEW_COPY = 62752;
constexpr unsigned IDS_SESSION_REVIEW_PRINT = 62753;
constexpr unsigned IDS_SESSION_REVIEW_PREVIEW = 62754;
constexpr unsigned IDS_SESSION_REVIEW_CLOSE = 62755;
constexpr unsigned IDS_SESSION_REVIEW_TOTAL = 62756;
constexpr unsigned IDS_SESSION_REVIEW_REACHED = 62757;
constexpr unsigned IDS_SESSION_REVIEW_INCOMPLETE = 62758;
constexpr unsigned IDS_SESSION_REVIEW_ANALYSING = 62759;
constexpr unsigned IDS_SESSION_REVIEW_OPEN_AS = 62760;
constexpr unsigned IDS_SESSION_REVIEW_ALL_HANDS = 62761;
constexpr unsigned IDS_SESSION_REVIEW_NO_SOLVER = 62762;
constexpr unsigned IDS_SESSION_REVIEW_TOTAL_ONE = 62763;
// The column headings, in the order of the model's columns.
constexpr unsigned IDS_COLUMN_BOARD = 62770;
constexpr unsigned IDS_COLUMN_DEALER = 62771;
constexpr unsigned IDS_COLUMN_AUCTION = 62772;
constexpr unsigned IDS_COLUMN_CONTRACT = 62773;
constexpr unsigned IDS_COLUMN_TRICKS = 62774;
constexpr unsigned IDS_COLUMN_SCORE = 62775;
constexpr unsigned IDS_COLUMN_PAR = 62776;
constexpr unsigned IDS_COLUMN_IMPS = 62777;
constexpr unsigned IDS_COLUMN_REFERENCE = 62778;
constexpr unsigned IDS_COLUMN_REFERENCE_IMPS = 62779;

// The text with that id; empty for an id this table does not have.
QString SessionReviewText(unsigned id);
