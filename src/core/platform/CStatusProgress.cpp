#include "core/platform/CStatusProgress.h"

#include "core/platform/StatusDisplay.h"

CStatusProgress::CStatusProgress(IStatusDisplay* display, const std::string& text, long long upper,
                                 long long lower)
    : m_display(display), m_text(text), m_upper(upper), m_lower(lower) {
    if (m_display == nullptr) {
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

void CStatusProgress::SetPos(long long value) {
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
}
