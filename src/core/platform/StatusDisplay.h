#pragma once

#include <string>

// Where long operations show themselves: the main window's status bar with its progress bar,
// and the wait cursor. The GUI installs one; without it progress and wait cursor do nothing.
class IStatusDisplay {
public:
    virtual ~IStatusDisplay() = default;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    virtual std::string GetStatusText() const = 0;
    // Shows the text at once, even in the middle of a long operation.
    virtual void SetStatusText(const std::string& text) = 0;
    // A bar from 0 to 100 placed after the status text.
    virtual void ShowProgressBar() = 0;
    virtual void SetProgressPercent(int percent) = 0;
    virtual void HideProgressBar() = 0;
};

void SetStatusDisplay(IStatusDisplay* display);
IStatusDisplay* GetStatusDisplay();

// The wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    IStatusDisplay* m_display;
};
