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

    // Null when the file cannot be opened or created; reason, when given, then says why.
    // Only regular files are read: a pipe or a device could block or never end.
    static std::unique_ptr<CFile> OpenRead(const std::string& path, std::string* reason = nullptr);
    static std::unique_ptr<CFile> CreateWrite(const std::string& path);
    // Writes to an open descriptor, which the file then owns.
    static std::unique_ptr<CFile> WriteDescriptor(int descriptor, std::string path);
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
    // The bytes read ahead and not yet taken, read ahead anew when none are left; empty at
    // the end of the file. Skip takes count of them (at most as many as were given).
    std::string_view Buffered() {
        if (m_readPos == m_readEnd && !Refill()) {
            return {};
        }
        return std::string_view(m_buffer).substr(m_readPos, m_readEnd - m_readPos);
    }
    void Skip(std::size_t count) { m_readPos += count; }
    // Up to count bytes; fewer only at the end of the file.
    std::size_t Read(char* data, std::size_t count);
    // False once a write has failed; later writes are dropped. Most writes only add to the
    // buffer, and do so here, without a call.
    bool Write(std::string_view bytes) {
        if (!m_writing || m_failed || m_buffer.size() + bytes.size() >= kBufferSize) {
            return WriteThrough(bytes);
        }
        m_buffer.append(bytes);
        m_length += static_cast<long long>(bytes.size());
        return true;
    }

    long long GetPosition() const {
        return m_writing ? m_length : m_bufferStart + static_cast<long long>(m_readPos);
    }
    long long GetLength() const { return m_length; }
    // The path as opened, and its last component.
    const std::string& GetFilePath() const { return m_path; }
    std::string GetFileName() const;

    // Hands every written byte to the system; false when a write failed.
    bool Flush();
    // Flushes and closes; false when any write failed or the file could not be closed.
    bool Close();
    bool HasFailed() const { return m_failed; }
    // The system's reason for the first failure, or empty.
    std::string GetErrorText() const;
    // The system's descriptor, or -1 for a memory file or a closed one.
    int GetDescriptor() const;

    // What a memory file holds (written bytes, or the bytes it reads).
    const std::string& Contents() const { return m_buffer; }

private:
    static constexpr std::size_t kBufferSize = std::size_t{1} << 16;

    CFile(std::FILE* file, std::string path, bool writing);
    // Write's own work, flushing the buffer when it is full.
    bool WriteThrough(std::string_view bytes);
    bool Refill();
    bool FlushBuffer();
    void Fail();

    std::FILE* m_file = nullptr;
    std::string m_path;
    bool m_writing = false;
    bool m_failed = false;
    int m_errorNumber = 0;
    std::string m_buffer;
    std::size_t m_readPos = 0;
    std::size_t m_readEnd = 0;
    long long m_bufferStart = 0;  // file offset of m_buffer[0] while reading
    long long m_length = 0;
};

// Writes a file so that it replaces the old one only when the whole write succeeded and is
// on the disk: the bytes go to a temporary file beside it, created exclusively with the old
// file's mode, which is flushed to the disk and renamed over the target on Commit. A target
// that is a symbolic link is saved through the link. Only a regular file that the user may
// write is replaced. Dropping the object without a successful Commit removes the temporary
// file and leaves the target untouched; the temporary files of a save that was killed are
// removed by the next save of the same file.
class CSaveFile {
public:
    explicit CSaveFile(std::string targetPath);
    ~CSaveFile();
    CSaveFile(const CSaveFile&) = delete;
    CSaveFile& operator=(const CSaveFile&) = delete;

    // False when the target may not be replaced or the temporary file cannot be created
    // (for example, no such folder); GetErrorText says why.
    bool Open();
    CFile& File() { return *m_file; }
    bool Commit();
    // The reason of the last failure, or empty.
    const std::string& GetErrorText() const { return m_error; }

private:
    bool ResolveTarget();
    void RemoveLeftovers() const;
    bool Fail(int error);

    std::string m_targetPath;  // the file that receives the bytes: a link's target
    std::string m_tempPath;
    unsigned m_mode = 0666;
    bool m_keepMode = false;  // an existing file's mode, not the umask's, is kept
    std::unique_ptr<CFile> m_file;
    std::string m_error;
};
