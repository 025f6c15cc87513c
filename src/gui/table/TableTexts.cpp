#include "gui/table/TableTexts.h"

#include "gui/common/TextTable.h"

namespace {

const StringResource kTexts[] = {
    {IDS_EDIT_NOTE_MENU, "Edit Comment"},
    {IDS_CLOSE, "Close"},
    {IDS_HELP_BUTTON, "&Help"},
    {IDS_SELECT_NORTH, "Select &North"},
    {IDS_SELECT_SOUTH, "Select &South"},
    {IDS_AUTO_BID, "&Auto Bid"},
    {IDS_HIDE, "&Hide"},
    {IDS_LOG_BOOK_BUTTON, "&Log-book"},
    {IDS_COPY, "&Copy"},
    {IDS_EDIT_COMMENT_TITLE, "Edit Comment"},
    {IDS_OK, "OK"},
    {IDS_CANCEL, "Cancel"},
    {IDS_EDIT_COMMENT_CALL_TITLE, "Edit Comment: %1 by %2"},
};

}  // namespace

QString TableText(unsigned id) {
    return TextFromTable(kTexts, id);
}
