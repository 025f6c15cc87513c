#pragma once

class CDeal;
class CFile;
class IDealFileFormat;

// Duplimate dealing-machine files: fixed-length records without a header, one deal each.
// A card-number block names the cards of North, East and South as two digits each ("01" is
// the ace of spades, "52" the two of clubs); a hand block gives the four hands as letters
// after the suit marks 6, 3, 4 and 5.
namespace Duplimate {
constexpr int kDupRecordLength = 156;
constexpr int kBriRecordLength = 128;
constexpr int kDgeRecordLength = 128;
constexpr int kCardBlockLength = 78;
constexpr int kHandBlockLength = 68;
constexpr int kTrailerLength = 10;

// A record of the card-number block (.dup, .bri); West gets the cards nobody else holds.
// False, with the deal emptied, when fewer than recordLength bytes were left.
bool ReadCardNumberRecord(CFile& file, CDeal& deal, int recordLength);
// A .dge record (the hand block first). False when fewer than 128 bytes were left.
bool ReadDgeRecord(CFile& file, CDeal& deal);

// True when every hand holds 13 cards and the four hold the whole pack once: what a
// Duplimate record can carry.
bool HoldsFullPack(const CDeal& deal);

void WriteBriRecord(CFile& file, const CDeal& deal, bool pad);
void WriteDgeRecord(CFile& file, const CDeal& deal, bool pad);
// The card-number block, the hand block and the trailer naming the file's number of deals.
void WriteDupRecord(CFile& file, const CDeal& deal, int dealCount);

// The formats of the three kinds of record file.
const IDealFileFormat& DupFileFormat();
const IDealFileFormat& BriFileFormat();
const IDealFileFormat& DgeFileFormat();
}  // namespace Duplimate
