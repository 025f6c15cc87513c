#include "core/platform/CFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}

CFile::CFile(std::FILE* file, std::string path, bool writing)
    : m_file(file), m_path(std::move(path)), m_writing(writing) {}

CFile::~CFile() {
    Close();
}

std::unique_ptr<CFile> CFile::OpenRead(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CFile> result(new CFile(file, path, false));
    if (std::fseek(file, 0, SEEK_END) == 0) {
        result->m_length = std::ftell(file);
        std::fseek(file, 0, SEEK_SET);
    }
    if (result->m_length < 0) {
        result->m_length = 0;
    }
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

bool CFile::Write(std::string_view bytes) {
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
        m_failed = true;
    }
    m_buffer.clear();
    return !m_failed;
}

long long CFile::GetPosition() const {
    if (m_writing) {
        return m_length;
    }
    return m_bufferStart + static_cast<long long>(m_readPos);
}

std::string CFile::GetFileName() const {
    return std::filesystem::path(m_path).filename().string();
}

bool CFile::Close() {
    if (m_file == nullptr) {
        return !m_failed;
    }
    if (m_writing) {
        FlushBuffer();
        if (std::fflush(m_file) != 0) {
            m_failed = true;
        }
    }
    if (std::fclose(m_file) != 0) {
        m_failed = true;
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

bool CSaveFile::Open() {
    std::random_device random;
    for (int attempt = 0; attempt < 16 && m_file == nullptr; ++attempt) {
        m_tempPath = m_targetPath + ".saving-" + std::to_string(random() % 1000000);
        std::error_code error;
        if (!std::filesystem::exists(m_tempPath, error)) {
            m_file = CFile::CreateWrite(m_tempPath);
        }
    }
    return m_file != nullptr;
}

bool CSaveFile::Commit() {
    if (m_file == nullptr) {
        return false;
    }
    const bool written = m_file->Close();
    m_file.reset();
    std::error_code error;
    if (written) {
        // A replaced file keeps its permissions.
        const auto status = std::filesystem::status(m_targetPath, error);
        if (!error && std::filesystem::exists(status)) {
            std::filesystem::permissions(m_tempPath, status.permissions(), error);
        }
        error.clear();
        std::filesystem::rename(m_tempPath, m_targetPath, error);
    }
    if (!written || error) {
        std::filesystem::remove(m_tempPath, error);
        return false;
    }
    return true;
}
