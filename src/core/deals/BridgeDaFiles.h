#pragma once

#include <functional>
#include <string>

class CBridgeDaSet;
class CDeal;
class CDealList;
class CTextLineReader;
class IDealFileFormat;

// Reading Bridge D/A deal sets. Each file lists, per deal, its seat's hand line, comment
// lines, an empty line and one more line that is dropped (the next deal's number line).
namespace BridgeDa {
// Receives a comment line of a North or South block with the file's seat.
using CommentSink = std::function<void(int seat, const std::string& line)>;
// Reads one deal of the set into the deal (after emptying it): the block of every open file.
// The result is that of the South file: false when it holds no more blocks.
using DealReader = std::function<bool(CDeal& deal, CBridgeDaSet& set)>;

// A hand line such as "S: AK109  H: QJ3  D: -  C: 5432": suits by their letter and a colon,
// ten as "10" or "T", a suit ends at two spaces or "-". Cards keep the order of the line.
void ReadHandLine(const std::string& line, int seat, CDeal& deal);

// One block of one file: its hand line into the seat, comment lines to comments (may be
// empty). After a line beginning "Discarded" the file is read to its end. False when the file
// held no more lines.
bool ReadHand(CTextLineReader& file, int seat, CDeal& deal, const CommentSink& comments);

// One deal of the set into the emptied deal: North, South, and East and West when both are
// given. The result is that of the South file.
bool ReadDeal(CDeal& deal, CTextLineReader& north, CTextLineReader& south, CTextLineReader* east,
              CTextLineReader* west, const CommentSink& comments);

// Imports the set whose North file is path into the list, deals made by the list's CreateDeal
// and read by readDeal. False when the North or the South file cannot be opened (the latter
// after a message).
bool ImportFiles(CDealList& list, const std::string& path, const DealReader& readDeal);
// The same on a set already opened.
void ImportSet(CDealList& list, CBridgeDaSet& set, const DealReader& readDeal);
// The format of a set of *.nth, *.sth, *.est and *.wst files, named by any of them. It is
// read only, through the list's own set import.
const IDealFileFormat& FileFormat();
}  // namespace BridgeDa
