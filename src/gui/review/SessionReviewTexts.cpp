#include "gui/review/SessionReviewTexts.h"

#include "gui/common/TextTable.h"

namespace {

const StringResource kTexts[] = {
    {IDS_SESSION_REVIEW_TITLE, "Review of %1"},
    {IDS_SESSION_REVIEW_PROGRESS, "Analysing the deals of %1"},
    {IDS_SESSION_REVIEW_COPY, "&Copy"},
    {IDS_SESSION_REVIEW_PRINT, "&Print..."},
    {IDS_SESSION_REVIEW_PREVIEW, "Print Pre&view"},
    {IDS_SESSION_REVIEW_CLOSE, "Close"},
    {IDS_SESSION_REVIEW_TOTAL, "%1 IMPs against par over %2 complete deals"},
    {IDS_SESSION_REVIEW_TOTAL_ONE, "%1 IMPs against par over the one complete deal"},
    {IDS_SESSION_REVIEW_REACHED, "the file's contract reached on %1 of %2 deals"},
    {IDS_SESSION_REVIEW_INCOMPLETE, "not complete"},
    {IDS_SESSION_REVIEW_ANALYSING, "analysing..."},
    {IDS_SESSION_REVIEW_OPEN_AS, "&Open deals as:"},
    {IDS_SESSION_REVIEW_ALL_HANDS, "all four hands"},
    {IDS_SESSION_REVIEW_NO_SOLVER, "There is no double-dummy solver in this program."},
    {IDS_COLUMN_BOARD, "Board"},
    {IDS_COLUMN_DEALER, "Dealer / Vul."},
    {IDS_COLUMN_AUCTION, "Auction"},
    {IDS_COLUMN_CONTRACT, "Contract"},
    {IDS_COLUMN_TRICKS, "Tricks"},
    {IDS_COLUMN_SCORE, "Score"},
    {IDS_COLUMN_PAR, "Par"},
    {IDS_COLUMN_IMPS, "IMPs"},
    {IDS_COLUMN_REFERENCE, "File's contract"},
    {IDS_COLUMN_REFERENCE_IMPS, "File's IMPs"},
};

}  // namespace

QString SessionReviewText(unsigned id) {
    return TextFromTable(kTexts, id);
}
