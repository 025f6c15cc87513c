#include "core/items/CLorvaneDoc.h"

#include <filesystem>
#include <new>

#include "core/items/CArchive.h"
#include "core/items/CDesktop.h"
#include "core/items/ItemIds.h"
#include "core/items/ItemsStrings.h"
#include "core/platform/CFile.h"
#include "core/platform/CStatusProgress.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Prompts.h"
#include "core/platform/StatusDisplay.h"

namespace {
// How every document begins: the Desktop's kind and the opening code of its version line.
const std::string kDocumentStart = std::to_string(KIND_DESKTOP) + "00";
}  // namespace

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
    m_fileError.clear();
    std::unique_ptr<CFile> file = CFile::OpenRead(path, &m_fileError);
    if (file == nullptr) {
        if (m_reportLoadErrors) {
            ReportFileError(IDS_FILE_NOT_FOUND, path);
        }
        return false;
    }
    m_desktop = std::make_unique<CDesktop>();
    m_loadFailed = false;
    try {
        CArchive archive(*file, CArchive::Mode::Load);
        Serialize(archive, file->GetFileName());
        m_linesRead = archive.GetLineCount();
    } catch (const std::bad_alloc&) {
        // A file too large for memory fails alone; the program and its other documents go on.
        m_desktop = std::make_unique<CDesktop>();
        m_fileError = LoadString(IDS_DOCUMENT_TOO_LARGE);
        if (m_reportLoadErrors) {
            ReportFileError(IDS_FILE_NOT_FOUND, path);
        }
        return false;
    }
    m_pathName = path;
    m_modified = false;
    return true;
}

bool CLorvaneDoc::OnSaveDocument(const std::string& path) {
    if (m_loadFailed) {
        ShowMessage(LoadString(IDS_CANNOT_SAVE_FAILED_DOCUMENT), MessageIcon::Stop);
        return false;
    }
    m_fileError.clear();
    CSaveFile saveFile(path);
    bool saved = MayReplace(path) && saveFile.Open();
    if (saved) {
        CArchive archive(saveFile.File(), CArchive::Mode::Store);
        // The bytes go to a temporary file; the person knows the document by its own name.
        Serialize(archive, std::filesystem::path(path).filename().string());
        saved = saveFile.Commit();
    }
    if (m_fileError.empty()) {
        m_fileError = saveFile.GetErrorText();
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

bool CLorvaneDoc::LosesLinesOnSave() const {
    std::unique_ptr<CFile> memory = CFile::WriteMemory();
    CArchive archive(*memory, CArchive::Mode::Store);
    m_desktop->Serialize(archive, nullptr);
    return archive.GetLineCount() < m_linesRead;
}

bool CLorvaneDoc::MayReplace(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return true;  // a new file (a link to none included); the save says what else fails
    }
    std::unique_ptr<CFile> file = CFile::OpenRead(path, &m_fileError);
    if (file == nullptr) {
        return false;
    }
    std::string start(kDocumentStart.size(), '\0');
    start.resize(file->Read(start.data(), start.size()));
    if (!start.empty() && start != kDocumentStart) {
        m_fileError = LoadString(IDS_NOT_A_DOCUMENT);
        return false;
    }
    return true;
}

void CLorvaneDoc::ReportFileError(unsigned messageId, const std::string& path) const {
    ShowMessage(WithFileReason(FormatMessageText(LoadString(messageId), {path}), m_fileError),
                MessageIcon::Stop);
}
