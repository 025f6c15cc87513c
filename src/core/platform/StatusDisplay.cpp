#include "core/platform/StatusDisplay.h"

namespace {
IStatusDisplay* g_display = nullptr;
}

void SetStatusDisplay(IStatusDisplay* display) {
    g_display = display;
}

IStatusDisplay* GetStatusDisplay() {
    return g_display;
}

CWaitCursor::CWaitCursor() : m_display(g_display) {
    if (m_display != nullptr) {
        m_display->BeginWaitCursor();
    }
}

CWaitCursor::~CWaitCursor() {
    if (m_display != nullptr) {
        m_display->EndWaitCursor();
    }
}
