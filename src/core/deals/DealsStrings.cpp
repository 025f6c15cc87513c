#include "core/deals/DealsStrings.h"

namespace {
const StringResource kStrings[] = {
    {IDS_BRIDGE_DA_NO_SOUTH, "The file %1 does not exist.\n\nNo deals could be imported."},
    {IDS_ALL_DEAL_FILES, "All Deal Files"},
    {IDS_BRIDGE_DA_FILES, "Bridge D/A Files"},
    {IDS_PBN_FILES, "Portable Bridge Notation Files"},
    {IDS_DUPLIMATE_FILES, "Duplimate Files"},
    {IDS_IMPORTING, "Importing..."},
    {IDS_EXPORTING, "Exporting..."},
    {IDS_IMPORT_TOO_LARGE,
     "Cannot import %1.\n\nThere is not enough memory for its deals; nothing was imported."},
    {IDS_EXPORT_CANNOT_CREATE, "Cannot create %1.\n\nNo deals were exported."},
    {IDS_EXPORT_CANNOT_WRITE,
     "Cannot write %1.\n\nNo deals were exported; a file of that name is unchanged."},
    {IDS_EXPORT_LEFT_OUT,
     "A Duplimate file holds only deals of four hands with 13 cards each. These deals were "
     "left out of %1:\n\n%2"},
    {IDS_EXPORT_LEFT_OUT_MORE, "%1 and %2 more"},
    {IDS_EXPORT_WITH_AUCTIONS, "With the pair's &auctions and notes (PBN)"},
};
}  // namespace

void RegisterDealsStrings() {
    RegisterStringTable(kStrings);
}
