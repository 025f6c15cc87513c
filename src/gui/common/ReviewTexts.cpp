#include "gui/common/ReviewTexts.h"

#include "gui/common/TextTable.h"

namespace {

const StringResource kTexts[] = {
    {IDS_REVIEW_ANALYSING, "Analysing..."},
    {IDS_REVIEW_WAITING, "The review appears when the auction is complete."},
    {IDS_REVIEW_CANNOT, "No analysis: %1"},
    {IDS_REVIEW_TABLE_CAPTION, "Double-dummy tricks"},
    {IDS_REVIEW_PAR, "Par"},
    {IDS_REVIEW_CONTRACT, "Contract"},
    {IDS_REVIEW_IMPS, "IMPs against par"},
    {IDS_REVIEW_PASSED_OUT, "Passed out"},
    {IDS_REVIEW_MAKES, "makes %1 tricks"},
    {IDS_REVIEW_DOWN, "down %1"},
    {IDS_REVIEW_BY, "by"},
    {IDS_REVIEW_REFERENCE, "The file's auction"},
    {IDS_REVIEW_REFERENCE_CONTRACT, "Its contract"},
    {IDS_REVIEW_DEPARTURE, "Marked: the first call where your auction left it."},
    {IDS_REVIEW_SAME_AUCTION, "Your auction follows it as far as it goes."},
    {IDS_REVIEW_REFERENCE_INCOMPLETE, "It stops there: what would you bid next?"},
    {IDS_REVIEW_SCORES_FOR, "Scores for North-South."},
};

}  // namespace

QString ReviewText(unsigned id) {
    return TextFromTable(kTexts, id);
}
