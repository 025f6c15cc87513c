#include "core/items/CLorvaneDoc.h"

#include <filesystem>

#include "core/items/CArchive.h"
#include "core/items/CDesktop.h"
#include "core/items/ItemIds.h"
#include "core/items/ItemsStrings.h"
#include "core/platform/CFile.h"
#include "core/platform/CStatusProgress.h"
#include "core/platform/Prompts.h"
#include "core/platform/StatusDisplay.h"

CLorvaneDoc::CLorvaneDoc() : m_desktop(std::make_unique<CDesktop>()) {}

CLorvaneDoc::~CLorvaneDoc() = default;

bool CLorvaneDoc::OnNewDocument() {
    m_desktop = std::make_unique<CDesktop>();
    m_loadFailed = false;
    m_modified = false;
    m_pathName.clear();
    return true;
}

bool CLorvaneDoc::OnOpenDocument(const std::string& path) {
    std::unique_ptr<CFile> file = CFile::OpenRead(path);
    if (file == nullptr) {
        if (m_reportLoadErrors) {
            ReportFileError(IDS_FILE_NOT_FOUND, path);
        }
        return false;
    }
    m_desktop = std::make_unique<CDesktop>();
    m_loadFailed = false;
    CArchive archive(*file, CArchive::Mode::Load);
    Serialize(archive, file->GetFileName());
    m_pathName = path;
    m_modified = false;
    return true;
}

bool CLorvaneDoc::OnSaveDocument(const std::string& path) {
    if (m_loadFailed) {
        ShowMessage(LoadString(IDS_CANNOT_SAVE_FAILED_DOCUMENT), MessageIcon::Stop);
        return false;
    }
    CSaveFile saveFile(path);
    bool saved = saveFile.Open();
    if (saved) {
        CArchive archive(saveFile.File(), CArchive::Mode::Store);
        // The bytes go to a temporary file; the person knows the document by its own name.
        Serialize(archive, std::filesystem::path(path).filename().string());
        saved = saveFile.Commit();
    }
    if (!saved) {
        ReportFileError(IDS_FILE_WRITE_ERROR, path);
        return false;
    }
    m_pathName = path;
    m_modified = false;
    return true;
}

void CLorvaneDoc::Serialize(CArchive& ar, const std::string& name) {
    CFile& file = ar.GetFile();
    CStatusProgress progress(
        GetStatusDisplay(),
        FormatMessageText(LoadString(ar.IsLoading() ? IDS_OPENING_FILE : IDS_SAVING_FILE), {name}),
        ar.IsLoading() ? file.GetLength() : 0, 0);
    if (!m_desktop->Serialize(ar, &progress)) {
        m_desktop->SetName(IDS_LOAD_FAILED);
        m_desktop->SetImages(IDB_LOAD_FAILED, IDB_LOAD_FAILED);
        m_loadFailed = true;
        ShowMessage(LoadString(IDS_CANNOT_OPEN_DOCUMENT), MessageIcon::Stop);
    }
}

void CLorvaneDoc::AttachTree(CItemTree* tree) {
    const bool modified = m_modified;
    m_desktop->SetTree(tree);
    m_desktop->InsertIntoTree(nullptr);
    if (m_desktop->GetChildCount() > 0) {
        m_desktop->Expand(true, false);
    }
    m_modified = modified;
}

void CLorvaneDoc::ReportFileError(unsigned messageId, const std::string& path) const {
    ShowMessage(FormatMessageText(LoadString(messageId), {path}), MessageIcon::Stop);
}
