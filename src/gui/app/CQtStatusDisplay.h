#pragma once

#include <QPointer>

#include "core/platform/StatusDisplay.h"

class QLabel;
class QProgressBar;
class QStatusBar;

// Progress of long operations in the main window's status bar: the message pane's text, a
// bar from 0 to 100 after it, and the wait cursor. The window is repainted at once, since the
// operation runs to its end without returning to the event loop.
class CQtStatusDisplay : public IStatusDisplay {
public:
    explicit CQtStatusDisplay(QStatusBar* statusBar);
    ~CQtStatusDisplay() override;

    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    std::string GetStatusText() const override;
    void SetStatusText(const std::string& text) override;
    void ShowProgressBar() override;
    void SetProgressPercent(int percent) override;
    void HideProgressBar() override;

    // The message pane, also where menu prompts appear.
    QLabel* MessagePane() const { return m_message; }
    QProgressBar* ProgressBar() const { return m_progress; }

private:
    void PaintNow();

    QPointer<QStatusBar> m_statusBar;
    QLabel* m_message;
    QProgressBar* m_progress;
    int m_waitDepth = 0;
};
