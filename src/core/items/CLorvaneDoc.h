#pragma once

#include <memory>
#include <string>

class CArchive;
class CDesktop;
class CItemTree;

// One document: its item tree under a Desktop, loaded from and saved to a document file.
// Windows show it through a tree host; the log-book and lvtool use it without one.
class CLorvaneDoc {
public:
    CLorvaneDoc();
    ~CLorvaneDoc();
    CLorvaneDoc(const CLorvaneDoc&) = delete;
    CLorvaneDoc& operator=(const CLorvaneDoc&) = delete;

    // An empty document: a Desktop without children.
    bool OnNewDocument();
    // Reads the file. False (with a message when load errors are reported) when the file
    // cannot be read at all or does not fit in memory; the document is then empty. A file
    // that fails the version check opens in the failed state.
    bool OnOpenDocument(const std::string& path);
    // Writes the document so that the old file is replaced only by a complete new one, and
    // only when it is a document (or empty). Refused, with a message, in the failed state.
    bool OnSaveDocument(const std::string& path);
    // Whether a save now would write fewer lines than the open read: lines that no item took
    // (damage, or the fields of a later program) would be lost.
    bool LosesLinesOnSave() const;
    // Why the last open or save failed, as the system or the program says it; else empty.
    const std::string& GetFileErrorText() const { return m_fileError; }
    // Reads or writes the whole tree, with progress in the status bar under the document's
    // file name.
    void Serialize(CArchive& ar, const std::string& name);

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified) { m_modified = modified; }
    bool IsLoadFailed() const { return m_loadFailed; }
    void SetReportLoadErrors(bool report) { m_reportLoadErrors = report; }
    const std::string& GetPathName() const { return m_pathName; }

    // Gives the tree its nodes when the document is first shown, without leaving the
    // document modified.
    void AttachTree(CItemTree* tree);
    CDesktop* GetDesktop() const { return m_desktop.get(); }

private:
    void ReportFileError(unsigned messageId, const std::string& path) const;
    // Whether a save may put a document where the path leads; m_fileError says why not.
    bool MayReplace(const std::string& path);

    bool m_loadFailed = false;
    std::unique_ptr<CDesktop> m_desktop;
    bool m_reportLoadErrors = true;
    bool m_modified = false;
    std::string m_pathName;
    std::string m_fileError;
    long long m_linesRead = 0;
};
