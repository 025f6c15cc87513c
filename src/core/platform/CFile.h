#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// A file of bytes, read or written through a buffer, with no translation of line ends.
// It can also stand on bytes in memory, so that readers can be tested and fuzzed without
// touching the disk.
class CFile {
public:
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Null when the file cannot be opened or created.
    static std::unique_ptr<CFile> OpenRead(const std::string& path);
    static std::unique_ptr<CFile> CreateWrite(const std::string& path);
    static std::unique_ptr<CFile> ReadMemory(std::string bytes, std::string name = "memory");
    static std::unique_ptr<CFile> WriteMemory(std::string name = "memory");

    // The next byte (0 to 255), or -1 at the end of the file.
    int ReadByte() {
        if (m_readPos == m_readEnd && !Refill()) {
            return -1;
        }
        return static_cast<unsigned char>(m_buffer[m_readPos++]);
    }
    // The next byte without taking it, or -1 at the end of the file.
    int PeekByte() {
        if (m_readPos == m_readEnd && !Refill()) {
            return -1;
        }
        return static_cast<unsigned char>(m_buffer[m_readPos]);
    }
    // Up to count bytes; fewer only at the end of the file.
    std::size_t Read(char* data, std::size_t count);
    // False once a write has failed; later writes are dropped.
    bool Write(std::string_view bytes);

    long long GetPosition() const;
    long long GetLength() const { return m_length; }
    // The path as opened, and its last component.
    const std::string& GetFilePath() const { return m_path; }
    std::string GetFileName() const;

    // Flushes and closes; false when any write failed or the file could not be closed.
    bool Close();
    bool HasFailed() const { return m_failed; }

    // What a memory file holds (written bytes, or the bytes it reads).
    const std::string& Contents() const { return m_buffer; }

private:
    CFile(std::FILE* file, std::string path, bool writing);
    bool Refill();
    bool FlushBuffer();

    std::FILE* m_file = nullptr;
    std::string m_path;
    bool m_writing = false;
    bool m_failed = false;
    std::string m_buffer;
    std::size_t m_readPos = 0;
    std::size_t m_readEnd = 0;
    long long m_bufferStart = 0;  // file offset of m_buffer[0] while reading
    long long m_length = 0;
};

// Writes a file so that it replaces the old one only when the whole write succeeded: the
// bytes go to a temporary file beside it, which is renamed over the target on Commit.
// Dropping the object without a successful Commit removes the temporary file and leaves
// the target untouched.
class CSaveFile {
public:
    explicit CSaveFile(std::string targetPath);
    ~CSaveFile();
    CSaveFile(const CSaveFile&) = delete;
    CSaveFile& operator=(const CSaveFile&) = delete;

    // False when the temporary file cannot be created (for example, no such folder).
    bool Open();
    CFile& File() { return *m_file; }
    bool Commit();

private:
    std::string m_targetPath;
    std::string m_tempPath;
    std::unique_ptr<CFile> m_file;
};
