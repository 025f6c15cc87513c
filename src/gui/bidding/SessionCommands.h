#pragma once

#include <string>

class CItemTree;
class CLorvaneDoc;
class CTreeItem;

// The commands that bring deals into a document and take them out again, which no item
// answers for itself: Insert Bidding Session (from the Desktop's menu, the Bidding menu and
// the toolbar), Import into a session and Export of a session.

// Not in a document that failed to load: it is never saved, so the work would be lost.
bool CanInsertBiddingSession(const CLorvaneDoc& document);
// Runs the Insert wizard on a new session. On Finish the session gets its node under the
// Desktop. With a start-bidding choice the session opens for that player at once; otherwise
// the new node's label edit starts. Cancel discards the session.
void InsertBiddingSession(CLorvaneDoc& document, CItemTree& tree);

// A new session, with the session defaults, holding the deals of the file, under the
// Desktop.
void InsertSessionFromFile(CLorvaneDoc& document, const std::string& path);

// A bidding session imports a chosen deal file after its own deals.
bool CanImportInto(const CTreeItem* selected);
void ImportInto(CTreeItem* selected);

// A bidding session writes its deals to a chosen file.
bool CanExport(const CTreeItem* selected);
void Export(CTreeItem* selected);
