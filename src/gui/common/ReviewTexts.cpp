#include "gui/common/ReviewTexts.h"

#include "gui/common/TextTable.h"

namespace {

const StringResource kTexts[] = {
    {IDS_REVIEW_ANALYSING, "Analysing..."},
    {IDS_REVIEW_WAITING, "The review appears when the auction is complete."},
    {IDS_REVIEW_CANNOT, "No analysis: %1"},
    {IDS_REVIEW_TABLE_CAPTION, "Tricks for each declarer (double dummy)"},
    {IDS_REVIEW_PAR, "Par"},
    {IDS_REVIEW_CONTRACT, "You"},
    {IDS_REVIEW_IMPS, "IMPs against par"},
    {IDS_REVIEW_PASSED_OUT, "Passed out"},
    {IDS_REVIEW_MAKES, "makes %1 tricks"},
    {IDS_REVIEW_DOWN, "down %1"},
    {IDS_REVIEW_BY, "by"},
    {IDS_REVIEW_REFERENCE, "The file's auction"},
    {IDS_REVIEW_REFERENCE_CONTRACT, "File"},
    {IDS_REVIEW_DEPARTURE, "You left it at call %1 (marked)."},
    {IDS_REVIEW_SAME_AUCTION, "You bid exactly the file's auction."},
    {IDS_REVIEW_REFERENCE_INCOMPLETE, "The file's auction stops here: what would you bid?"},
};

}  // namespace

QString ReviewText(unsigned id) {
    return TextFromTable(kTexts, id);
}
