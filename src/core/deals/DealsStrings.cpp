#include "core/deals/DealsStrings.h"

namespace {
const StringResource kStrings[] = {
    {IDS_BRIDGE_DA_NO_SOUTH, "The file %1 does not exist.\n\nNo deals could be imported."},
    // Every deal file first, so that a folder of any kind of them never looks empty.
    {IDS_FILTER_BRIDGE_DA_FIRST,
     "All Deal Files (*.pbn;*.dup;*.bri;*.dge;*.nth)|*.pbn;*.dup;*.bri;*.dge;*.nth|"
     "Bridge D/A Files (*.nth)|*.nth|Duplimate Files (*.dup;*.bri;*.dge)|*.dup;*.bri;*.dge|"
     "Portable Bridge Notation Files (*.pbn)|*.pbn||"},
    {IDS_FILTER_PBN_FIRST,
     "All Deal Files (*.pbn;*.dup;*.bri;*.dge;*.nth)|*.pbn;*.dup;*.bri;*.dge;*.nth|"
     "Portable Bridge Notation Files (*.pbn)|*.pbn|Bridge D/A Files (*.nth)|*.nth|"
     "Duplimate Files (*.dup;*.bri;*.dge)|*.dup;*.bri;*.dge||"},
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
};
}  // namespace

void RegisterDealsStrings() {
    RegisterStringTable(kStrings);
}
