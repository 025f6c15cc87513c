#pragma once

class QWidget;

// The main window's placement between runs, in the settings section "Settings". Restoring
// is false (and leaves the window alone) when no placement was saved.
bool SaveWindowPlacement(QWidget* window);
bool RestoreWindowPlacement(QWidget* window);
