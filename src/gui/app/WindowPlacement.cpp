#include "gui/app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/platform/Settings.h"

namespace {
// The show commands kept in "showCmd".
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;

// A stored rectangle from another screen layout is moved (and if need be shrunk) onto the
// nearest screen, so that the window never comes back out of reach.
QRect OnScreen(QRect rect) {
    const QScreen* screen = QGuiApplication::screenAt(rect.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return rect;
    }
    const QRect available = screen->availableGeometry();
    if (available.isEmpty()) {
        return rect;
    }
    rect.setWidth(qMin(rect.width(), available.width()));
    rect.setHeight(qMin(rect.height(), available.height()));
    if (!available.contains(rect)) {
        rect.moveLeft(qBound(available.left(), rect.left(), available.right() - rect.width() + 1));
        rect.moveTop(qBound(available.top(), rect.top(), available.bottom() - rect.height() + 1));
    }
    return rect;
}
}  // namespace

bool SaveWindowPlacement(QWidget* window) {
    if (window == nullptr) {
        return false;
    }
    const int showCommand = window->isMinimized()   ? kShowMinimized
                            : window->isMaximized() ? kShowMaximized
                                                    : kShowNormal;
    QRect normal = window->normalGeometry();
    if (normal.isEmpty()) {
        normal = window->geometry();
    }
    WriteSetting("showCmd", showCommand);
    // Positions of the minimized and maximized window are the window manager's business here.
    WriteSetting("ptMinPosition_x", -1);
    WriteSetting("ptMinPosition_y", -1);
    WriteSetting("ptMaxPosition_x", -1);
    WriteSetting("ptMaxPosition_y", -1);
    WriteSetting("rcNormalPosition_left", normal.left());
    WriteSetting("rcNormalPosition_top", normal.top());
    WriteSetting("rcNormalPosition_right", normal.left() + normal.width());
    WriteSetting("rcNormalPosition_bottom", normal.top() + normal.height());
    return true;
}

bool RestoreWindowPlacement(QWidget* window) {
    const int showCommand = GetSetting("showCmd", 0);
    if (showCommand == 0 || window == nullptr) {
        return false;
    }
    // The minimized and maximized positions are left to the window manager. The settings
    // file may hold anything: beyond any screen, a coordinate only makes the sums overflow.
    static constexpr int kFarthest = 1 << 20;
    auto coordinate = [](const char* key) {
        return qBound(-kFarthest, GetSetting(key, 0), kFarthest);
    };
    const int left = coordinate("rcNormalPosition_left");
    const int top = coordinate("rcNormalPosition_top");
    const int right = coordinate("rcNormalPosition_right");
    const int bottom = coordinate("rcNormalPosition_bottom");
    const QRect normal(left, top, right - left, bottom - top);
    if (normal.width() > 0 && normal.height() > 0) {
        window->setGeometry(OnScreen(normal));
    }
    // A window closed while minimized comes back as a normal window, not as an icon.
    if (showCommand == kShowMaximized) {
        window->showMaximized();
    } else {
        window->showNormal();
    }
    return true;
}
