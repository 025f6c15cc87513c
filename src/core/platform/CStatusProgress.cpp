#include "core/platform/CStatusProgress.h"

#include <limits>

#include "core/platform/StatusDisplay.h"

CStatusProgress::CStatusProgress(IStatusDisplay* display, const std::string& text, long long upper,
                                 long long lower)
    : m_display(display), m_text(text), m_upper(upper), m_lower(lower) {
    if (m_display == nullptr) {
        // Nothing to show: every position is let go at once.
        m_samePercentFrom = std::numeric_limits<long long>::min();
        m_samePercentTo = std::numeric_limits<long long>::max();
        return;
    }
    m_display->BeginWaitCursor();
    m_previousText = m_display->GetStatusText();
    if (!IsCounting()) {
        m_display->ShowProgressBar();
    }
    m_display->SetStatusText(m_text);
    SetPos(m_lower);
}

CStatusProgress::~CStatusProgress() {
    if (m_display == nullptr) {
        return;
    }
    if (!IsCounting()) {
        m_display->HideProgressBar();
    }
    m_display->SetStatusText(m_previousText);
    m_display->EndWaitCursor();
}

void CStatusProgress::Update(long long value) {
    if (m_display == nullptr) {
        return;
    }
    if (IsCounting()) {
        m_count += value;
        m_display->SetStatusText(m_text + "   " + std::to_string(m_count));
        return;
    }
    const long long done = value - m_lower;
    const long long width = m_upper - m_lower;
    const int percent = (done == 0 || width == 0) ? 0 : static_cast<int>(done * 100 / width);
    if (percent != m_lastPercent) {
        m_display->SetProgressPercent(percent);
        m_lastPercent = percent;
    }
    if (done > 0 && width > 0) {
        // done * 100 / width is percent for done from ceil(percent * width / 100) on.
        const auto firstDone = [width](long long p) { return (p * width + 99) / 100; };
        m_samePercentFrom = m_lower + firstDone(percent);
        m_samePercentTo = m_lower + firstDone(percent + 1);
    } else {
        m_samePercentFrom = m_samePercentTo = 0;
    }
}
