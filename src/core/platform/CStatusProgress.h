#pragma once

#include <string>

class IStatusDisplay;

// Progress of one long operation in the status bar, for as long as the object lives.
// With upper equal to lower it counts ("text   N"); otherwise it shows a percentage bar.
class CStatusProgress {
public:
    // display is usually GetStatusDisplay(); null makes the object do nothing.
    CStatusProgress(IStatusDisplay* display, const std::string& text, long long upper,
                    long long lower);
    ~CStatusProgress();
    CStatusProgress(const CStatusProgress&) = delete;
    CStatusProgress& operator=(const CStatusProgress&) = delete;

    // Range mode: the current position. Counting mode: an amount to add to the count.
    // Inline: a reader sets the position for every line, and most leave the percent as it is.
    void SetPos(long long value) {
        if (value < m_samePercentFrom || value >= m_samePercentTo) {
            Update(value);
        }
    }

    bool IsCounting() const { return m_upper == m_lower; }

private:
    void Update(long long value);

    IStatusDisplay* m_display;
    std::string m_previousText;
    std::string m_text;
    long long m_upper;
    long long m_lower;
    int m_lastPercent = -1;
    // The positions that show the last percent again: none until a percent is shown.
    long long m_samePercentFrom = 0;
    long long m_samePercentTo = 0;
    long long m_count = 0;
};
