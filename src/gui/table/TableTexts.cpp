#include "gui/table/TableTexts.h"

#include "core/items/StringTable.h"
#include "gui/common/QtText.h"

namespace {

struct Text {
    unsigned id;
    const char* text;
};

const Text kTexts[] = {
    {IDS_EDIT_NOTE_MENU, "Edit Comment"},
    {IDS_CLOSE, "Close"},
    {IDS_HELP_BUTTON, "&Help"},
    {IDS_SELECT_NORTH, "Select &North"},
    {IDS_SELECT_SOUTH, "Select &South"},
    {IDS_AUTO_BID, "&Auto Bid"},
    {IDS_HIDE, "&Hide"},
    {IDS_LOG_BOOK, "&Log-book"},
    {IDS_COPY, "&Copy"},
    {IDS_EDIT_COMMENT_TITLE, "Edit Comment"},
    {IDS_OK, "OK"},
    {IDS_CANCEL, "Cancel"},
    {IDS_EDIT_COMMENT_CALL_TITLE, "Edit Comment: %1 by %2"},
};

}  // namespace

QString TableText(unsigned id) {
    for (const Text& entry : kTexts) {
        if (entry.id == id) {
            return QString::fromUtf8(entry.text);
        }
    }
    return FromBytes(LoadString(id));
}
