#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

class CFile;

// Reads or writes a document file line by line. Lines are written with CR LF; a read line
// ends at LF, at CR LF, or at CR and the one character after it, and a last line may have
// no end at all. A read line keeps at most kMaxLineLength bytes, far more than any field
// needs, so that a file without line ends cannot exhaust memory.
class CArchive {
public:
    enum class Mode { Load, Store };
    static constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

    CArchive(CFile& file, Mode mode) : m_file(file), m_mode(mode) {}

    bool IsLoading() const { return m_mode == Mode::Load; }
    bool IsStoring() const { return m_mode == Mode::Store; }

    // The next line without its end; false at the end of the file. The line is seen where it
    // lies in the file's buffer, and holds only until the next read; a line that runs past the
    // buffer is gathered into spill and seen there.
    bool ReadLine(std::string_view& line, std::string& spill);
    // The next line as ReadLine would give it, left to be read, when it lies whole in the
    // file's buffer; false when it does not, or at the end of the file.
    bool PeekLine(std::string_view& line);
    // One whole line, its end included.
    void WriteString(std::string_view bytes);
    // One line from its parts, CR LF added.
    void WriteLine(std::string_view header, std::string_view text);
    // How many bytes come before the first CR or LF (all of them when there is none).
    static std::size_t LineLength(std::string_view bytes);
    // The lines read or written so far.
    long long GetLineCount() const { return m_lineCount; }

    CFile& GetFile() { return m_file; }

    // Nesting of the records being read; EnterRecord returns the new depth.
    int EnterRecord() { return ++m_depth; }
    void LeaveRecord() { --m_depth; }
    // A buffer for the gathered lines of the record being read at that depth (1 and deeper),
    // kept for the records after it: a document's deals are read without a buffer each.
    std::string& LineBuffer(int depth);

private:
    // The length of the line that starts the bytes when its end and the byte after the end
    // are among them (a CR may take that byte); npos otherwise.
    static std::size_t BufferedLineLength(std::string_view bytes);

    CFile& m_file;
    Mode m_mode;
    int m_depth = 0;
    long long m_lineCount = 0;
    // A deque, so that a deeper record's new buffer moves none of the buffers in use.
    std::deque<std::string> m_lineBuffers;
};
