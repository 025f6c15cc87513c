#pragma once

#include <string>

class CBiddingList;

// Imports into a bidding session and tells the user what came of it: how many deals came
// in (in the status bar), that the file held none, or that some hold no cards at all.

// The file by its path; false when it cannot be read.
bool ImportDealFile(CBiddingList& session, const std::string& path);
// Through the open-file dialog; false when it was cancelled.
bool ImportChosenFile(CBiddingList& session);
// The file named in the Insert wizard; when it cannot be read, the open-file dialog is shown
// instead. False when that was cancelled.
bool ImportNamedFile(CBiddingList& session, const std::string& typed);
