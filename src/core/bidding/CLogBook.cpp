#include "core/bidding/CLogBook.h"

#include <ctime>
#include <filesystem>

#include "core/bidding/BiddingStrings.h"
#include "core/platform/DataFolder.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Prompts.h"

namespace fs = std::filesystem;

namespace {
constexpr char kExtension[] = ".lv";
constexpr int kMaxCopiesADay = 100;

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    return date;
}
}  // namespace

std::string CLogBook::Path() {
    return GetDataFolder() + LoadString(IDS_LOG_BOOK) + kExtension;
}

CLogBook::CLogBook() : m_path(Path()) {
    m_doc.SetReportLoadErrors(false);
}

bool CLogBook::Open() {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(m_path, error);
    if (status.type() == fs::file_type::not_found) {
        return m_doc.OnNewDocument();
    }
    const bool read = !error && m_doc.OnOpenDocument(m_path) && !m_doc.IsLoadFailed();
    if (!read) {
        ShowMessage(
            WithFileReason(FormatMessageText(LoadString(IDS_LOG_BOOK_UNREADABLE), {m_path}),
                           error ? SystemErrorText(error.value()) : m_doc.GetFileErrorText()),
            MessageIcon::Stop);
        return false;
    }
    return !m_doc.LosesLinesOnSave() || KeepDamagedCopy();
}

bool CLogBook::Save() {
    return m_doc.OnSaveDocument(m_path);
}

// A copy beside the log-book named after the day, numbered when the day has one already.
bool CLogBook::KeepDamagedCopy() {
    const fs::path original(m_path);
    const std::string stem = FormatMessageText(LoadString(IDS_LOG_BOOK_DAMAGED_NAME),
                                               {original.stem().string(), Today()});
    std::error_code error;
    for (int number = 1; number <= kMaxCopiesADay; ++number) {
        const std::string name =
            stem + (number > 1 ? " " + std::to_string(number) : "") + kExtension;
        const fs::path copy = original.parent_path() / name;
        if (fs::copy_file(original, copy, fs::copy_options::none, error)) {
            ShowMessage(
                FormatMessageText(LoadString(IDS_LOG_BOOK_DAMAGED), {m_path, copy.string()}),
                MessageIcon::Warning);
            return true;
        }
        if (error != std::errc::file_exists) {
            break;
        }
    }
    ShowMessage(WithFileReason(FormatMessageText(LoadString(IDS_LOG_BOOK_NOT_COPIED), {m_path}),
                               error ? SystemErrorText(error.value()) : std::string()),
                MessageIcon::Stop);
    return false;
}
