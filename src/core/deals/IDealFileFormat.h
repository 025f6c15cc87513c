#pragma once

#include <string>

class CDeal;
class CDealList;
class CFile;

// Choices of an export.
struct DealExportOptions {
    // PBN: each game also carries the pair's auction ([Auction] section, notes, Declarer and
    // Contract). Off, the output is the plain roster.
    bool withAuctions = false;
};

// One kind of deal file: its extension, the group the file dialogs list it in, and how it
// reads and writes deals. DealFileFormats.h keeps the registry of them.
class IDealFileFormat {
public:
    virtual ~IDealFileFormat() = default;

    // Lower case, without the dot.
    virtual std::string Extension() const = 0;
    // The string id of the file dialogs' group ("Duplimate Files"); formats of one group
    // share it.
    virtual unsigned GroupNameId() const = 0;

    // Appends the file's deals to the list; false when the file cannot be opened. Most
    // formats read deal by deal (ReadDeal); a set of files reads itself.
    virtual bool Import(CDealList& list, const std::string& path) const;
    // One deal from the file's current position; false at its end.
    virtual bool ReadDeal(CFile& file, CDeal& deal) const = 0;

    virtual bool CanWrite() const { return true; }
    // Whether the format can carry the deal; a file being written leaves out those it cannot.
    virtual bool Holds(const CDeal&) const { return true; }
    // The deal at the end of the file; dealCount is the number of deals the file will hold.
    virtual void WriteDeal(CFile& file, CDeal& deal, bool first, int dealCount,
                           const DealExportOptions& options) const = 0;
};
