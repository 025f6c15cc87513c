#include "core/items/ItemsStrings.h"

namespace {
const StringResource kStrings[] = {
    {IDS_LOAD_FAILED, "Load failed."},
    {IDS_CANNOT_OPEN_DOCUMENT,
     "Cannot open the file.\n\nThe file may be corrupt or the file version is incorrect."},
    {IDS_CANNOT_SAVE_FAILED_DOCUMENT,
     "Cannot save the file.\n\nWhen the file was opened it was corrupt or the file version was "
     "incorrect."},
    {IDS_DESKTOP, "Desktop"},
    {IDS_BIDDING_LIST, "Bidding"},
    {IDS_BIDDING_DEAL, "Bidding"},
    {IDS_AUCTION, "Bid"},
    {IDS_CALL, "Bid"},
    {IDS_NAME_EMPTY, "The item must have a name."},
    {IDS_NAME_CLASH_RENAME, "Cannot rename %1.\n\nAn item named %2 already exists."},
    {IDS_NAME_CLASH_MOVE, "Cannot move %1.\n\nAn item with the same name already exists."},
    {IDS_FILE_NOT_FOUND, "Cannot open %1.\n\nThe file was not found or could not be read."},
    {IDS_FILE_READ_ERROR, "An unexpected error occurred while reading %1."},
    {IDS_FILE_WRITE_ERROR,
     "Cannot save %1.\n\nThe file could not be written; the file on disk is unchanged."},
    {IDS_OPENING_FILE, "Opening %1..."},
    {IDS_SAVING_FILE, "Saving %1..."},
    {IDS_NOT_A_DOCUMENT, "the file is not a Lorvane document"},
    {IDS_DOCUMENT_TOO_LARGE, "there is not enough memory to read it"},
};
}  // namespace

std::span<const StringResource> ItemsStringTable() {
    return kStrings;
}
