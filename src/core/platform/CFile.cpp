#include "core/platform/CFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/platform/FileSystem.h"

namespace {
constexpr int kMaxLinkHops = 40;
constexpr char kTempMark[] = ".saving-";

std::string FolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// A temporary file of a save of that file: its name, the mark and digits.
bool IsTempFileOf(const std::string& name, const std::string& targetName) {
    const std::string prefix = targetName + kTempMark;
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

CFile::CFile(std::FILE* file, std::string path, bool writing)
    : m_file(file), m_path(std::move(path)), m_writing(writing) {}

CFile::~CFile() {
    Close();
}

std::unique_ptr<CFile> CFile::OpenRead(const std::string& path, std::string* reason) {
    auto refuse = [reason](const std::string& why) {
        if (reason != nullptr) {
            *reason = why;
        }
        return nullptr;
    };
    // Without waiting: opening a pipe that nobody writes to would block.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return refuse(SystemErrorText(errno));
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return refuse(kNotRegularFileReason);
    }
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (file == nullptr) {
        const int error = errno;
        ::close(descriptor);
        return refuse(SystemErrorText(error));
    }
    std::unique_ptr<CFile> result(new CFile(file, path, false));
    result->m_length = static_cast<long long>(info.st_size);
    return result;
}

std::unique_ptr<CFile> CFile::CreateWrite(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CFile> result(new CFile(file, path, true));
    result->m_buffer.reserve(kBufferSize);
    return result;
}

std::unique_ptr<CFile> CFile::WriteDescriptor(int descriptor, std::string path) {
    std::FILE* file = ::fdopen(descriptor, "wb");
    if (file == nullptr) {
        ::close(descriptor);
        return nullptr;
    }
    std::unique_ptr<CFile> result(new CFile(file, std::move(path), true));
    result->m_buffer.reserve(kBufferSize);
    return result;
}

std::unique_ptr<CFile> CFile::ReadMemory(std::string bytes, std::string name) {
    std::unique_ptr<CFile> result(new CFile(nullptr, std::move(name), false));
    result->m_buffer = std::move(bytes);
    result->m_readEnd = result->m_buffer.size();
    result->m_length = static_cast<long long>(result->m_buffer.size());
    return result;
}

std::unique_ptr<CFile> CFile::WriteMemory(std::string name) {
    return std::unique_ptr<CFile>(new CFile(nullptr, std::move(name), true));
}

bool CFile::Refill() {
    if (m_file == nullptr || m_writing) {
        return false;
    }
    m_bufferStart += static_cast<long long>(m_readEnd);
    m_buffer.resize(kBufferSize);
    m_readEnd = std::fread(m_buffer.data(), 1, kBufferSize, m_file);
    m_readPos = 0;
    return m_readEnd > 0;
}

std::size_t CFile::Read(char* data, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        if (m_readPos == m_readEnd && !Refill()) {
            break;
        }
        const std::size_t chunk = std::min(count - done, m_readEnd - m_readPos);
        std::memcpy(data + done, m_buffer.data() + m_readPos, chunk);
        m_readPos += chunk;
        done += chunk;
    }
    return done;
}

bool CFile::WriteThrough(std::string_view bytes) {
    if (!m_writing || m_failed) {
        return false;
    }
    m_buffer.append(bytes);
    m_length += static_cast<long long>(bytes.size());
    if (m_file != nullptr && m_buffer.size() >= kBufferSize) {
        return FlushBuffer();
    }
    return true;
}

bool CFile::FlushBuffer() {
    if (m_file == nullptr || m_buffer.empty()) {
        return !m_failed;
    }
    if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size()) {
        Fail();
    }
    m_buffer.clear();
    return !m_failed;
}

void CFile::Fail() {
    if (!m_failed) {
        m_errorNumber = errno;
    }
    m_failed = true;
}

std::string CFile::GetErrorText() const {
    return m_failed && m_errorNumber != 0 ? SystemErrorText(m_errorNumber) : std::string();
}

int CFile::GetDescriptor() const {
    return m_file != nullptr ? ::fileno(m_file) : -1;
}

bool CFile::Flush() {
    if (m_file == nullptr || !m_writing) {
        return !m_failed;
    }
    FlushBuffer();
    if (std::fflush(m_file) != 0) {
        Fail();
    }
    return !m_failed;
}

std::string CFile::GetFileName() const {
    return std::filesystem::path(m_path).filename().string();
}

bool CFile::Close() {
    if (m_file == nullptr) {
        return !m_failed;
    }
    Flush();
    if (std::fclose(m_file) != 0) {
        Fail();
    }
    m_file = nullptr;
    return !m_failed;
}

CSaveFile::CSaveFile(std::string targetPath) : m_targetPath(std::move(targetPath)) {}

CSaveFile::~CSaveFile() {
    if (m_file != nullptr) {
        m_file->Close();
        m_file.reset();
        std::error_code ignored;
        std::filesystem::remove(m_tempPath, ignored);
    }
}

bool CSaveFile::Fail(int error) {
    m_error = SystemErrorText(error);
    return false;
}

// Follows links to the file that gets the bytes and checks that it may be replaced: a new
// file, or a regular file that the user may write.
bool CSaveFile::ResolveTarget() {
    std::filesystem::path path = m_targetPath;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno != ENOENT) {
                return Fail(errno);
            }
            m_targetPath = path.string();
            return true;
        }
        if (S_ISLNK(info.st_mode)) {
            std::error_code error;
            const std::filesystem::path link = std::filesystem::read_symlink(path, error);
            if (error) {
                return Fail(error.value());
            }
            path = link.is_absolute() ? link : path.parent_path() / link;
            continue;
        }
        if (!S_ISREG(info.st_mode)) {
            m_error = kNotRegularFileReason;
            return false;
        }
        // The write bits too: a write-protected file stays so even for the superuser.
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            m_error = kWriteProtectedReason;
            return false;
        }
        if (::access(path.c_str(), W_OK) != 0) {
            return Fail(errno);
        }
        m_targetPath = path.string();
        m_mode = static_cast<unsigned>(info.st_mode & 07777);
        m_keepMode = true;
        return true;
    }
    return Fail(ELOOP);
}

void CSaveFile::RemoveLeftovers() const {
    const std::string targetName = std::filesystem::path(m_targetPath).filename().string();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FolderOf(m_targetPath), error)) {
        if (IsTempFileOf(entry.path().filename().string(), targetName)) {
            std::error_code ignored;
            std::filesystem::remove(entry.path(), ignored);
        }
    }
}

bool CSaveFile::Open() {
    m_error.clear();
    if (!ResolveTarget()) {
        return false;
    }
    RemoveLeftovers();
    std::random_device random;
    int descriptor = -1;
    for (int attempt = 0; attempt < 16 && descriptor < 0; ++attempt) {
        m_tempPath = m_targetPath + kTempMark + std::to_string(random() % 1000000);
        descriptor = GetFileSystem().CreateExclusive(m_tempPath, m_mode);
        if (descriptor < 0 && errno != EEXIST) {
            break;
        }
    }
    if (descriptor < 0) {
        return Fail(errno);
    }
    // The umask may have taken bits away: the replacement gets exactly the old mode.
    if (m_keepMode) {
        ::fchmod(descriptor, static_cast<mode_t>(m_mode));
    }
    m_file = CFile::WriteDescriptor(descriptor, m_tempPath);
    if (m_file == nullptr) {
        const int error = errno;
        std::error_code ignored;
        std::filesystem::remove(m_tempPath, ignored);
        return Fail(error);
    }
    return true;
}

bool CSaveFile::Commit() {
    if (m_file == nullptr) {
        return false;
    }
    IFileSystem& fileSystem = GetFileSystem();
    bool saved = m_file->Flush();
    if (!saved) {
        m_error = m_file->GetErrorText();
    } else if (!fileSystem.SyncFile(m_file->GetDescriptor())) {
        saved = Fail(errno);
    }
    if (!m_file->Close() && saved) {
        saved = false;
        m_error = m_file->GetErrorText();
    }
    m_file.reset();
    if (saved && !fileSystem.Rename(m_tempPath, m_targetPath)) {
        saved = Fail(errno);
    }
    if (!saved) {
        std::error_code ignored;
        std::filesystem::remove(m_tempPath, ignored);
        return false;
    }
    // The new file is in place whatever this answers; not every file system syncs folders.
    fileSystem.SyncFolder(FolderOf(m_targetPath));
    return true;
}
