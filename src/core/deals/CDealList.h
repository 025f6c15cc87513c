#pragma once

#include <string>

#include "core/deals/IDealFileFormat.h"
#include "core/items/CTreeItem.h"

class CDeal;

// A tree item that holds deals and moves them between the document and deal files.
class CDealList : public CTreeItem {
public:
    CDealList(unsigned defaultNameId, int kind, unsigned image, unsigned expandedImage,
              unsigned contextMenu);

    virtual void SetDealListFlags();
    // A new empty deal of the list's kind; null for a plain list.
    virtual CDeal* CreateDeal();
    virtual bool ImportBridgeDaFiles(const std::string& path);
    virtual std::string GetDefaultExtension();

    // Imports the named file; a name without extension gets the default one. When the file
    // cannot be read, the open-file dialog is shown instead.
    bool ImportFile(std::string path);
    // The file that ImportFile reads for a typed name, and its extension.
    std::string CompleteImportPath(std::string path, std::string& ext);
    bool ImportWithDialog();
    // Appends every deal of the file, named on from the list's last deal, in the format of
    // the extension. False when the file cannot be opened, and after a message when its deals
    // do not fit in memory (the list then stays as it was).
    bool Import(const std::string& path, const std::string& ext);
    // Asks for a file and writes every deal to it.
    void Export();
    // Writes every deal to the file in the extension's format. The file is replaced only by
    // a complete new one; false, after a message, when it cannot be written. Deals that the
    // format cannot carry are left out and named in a message at the end.
    bool ExportToFile(const std::string& path, const std::string& ext,
                      const DealExportOptions& options = {});
    // Appends the file's deals, read one by one in the format; false when the file cannot
    // be opened.
    bool ReadDealFile(const std::string& path, const IDealFileFormat& format);
};
