#include "gui/common/AppStrings.h"

#include "gui/common/TextTable.h"

namespace {
const StringResource kTexts[] = {
    {IDS_APP_TITLE, "Lorvane"},
    {IDS_IDLE_MESSAGE, "Ready"},
    {IDS_GENERAL_OPTIONS, "General Options"},
    {IDS_DEFENSIVE_ACTIONS_CAPTION, "Automatic Defensive Actions"},
    {IDS_ASK_TO_SAVE, "Save changes to %1?"},
    {IDS_DEFAULT_DOCUMENT_NAME, "Bidding"},
    {IDS_DOCUMENT_FILTER, "Lorvane Files (*.lv)|*.lv||"},
    {IDS_DOCUMENT_EXTENSION, "lv"},
    {IDS_ABOUT_CAPTION, "About Lorvane"},
    {IDS_ABOUT_TEXT, "Lorvane\nVersion %1"},  // %1: the version
    {IDS_ABOUT_LINES,
     "Bidding practice for one North-South partnership.\n"
     "East and West call from the instructions in the deal files.\n\n"
     "Copyright \xC2\xA9 Fendrake"},
    {IDS_HELP_CAPTION, "Lorvane Help"},
    {IDS_INDICATOR_CAPS, "CAP"},
    {IDS_INDICATOR_NUM, "NUM"},
    {IDS_INDICATOR_SCROLL, "SCRL"},
    {IDS_GENERAL_PAGE, "General"},
    {IDS_VULNERABILITY_IN_COLOUR, "Show &vulnerability in colour"},
    {IDS_SHOW_REVIEW, "Show the &review after the auction (tricks, par, score)"},
    {IDS_NO_PRINTER, "No printer is available.\n\nInstall a printer, or print to a PDF file."},
    {IDS_PRINT_PAGE, "Page %1"},
    // %1: every deal file.
    {IDS_OPEN_FILTER, "Lorvane Files (*.lv)|*.lv|%1|All Files (*.*)|*.*||"},
    {IDS_NO_LOG_BOOK,
     "The log-book is still empty.\n\nA deal goes into it when you press Log-book at the "
     "bidding table."},
    {IDS_OPEN_DEAL_FILE,
     "%1 is a deal file, not a Lorvane document.\n\nDo you want to import its deals into a "
     "new document?"},
    {IDS_HELP_MISSING, "There is no help on this topic."},
};
}  // namespace

QString AppString(unsigned id) {
    return TextFromTable(kTexts, id);
}
