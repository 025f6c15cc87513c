#include "gui/app/KeyboardLocks.h"

#include <QGuiApplication>
#ifdef LORVANE_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
#endif
#include <utility>

#ifdef LORVANE_HAVE_X11
#include <X11/XKBlib.h>
#endif

std::optional<unsigned> QueryKeyboardLocks() {
#ifdef LORVANE_HAVE_X11
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    if (x11 == nullptr || x11->display() == nullptr) {
        return std::nullopt;
    }
    Display* display = x11->display();
    unsigned locks = 0;
    const std::pair<const char*, unsigned> names[] = {
        {"Caps Lock", kCapsLock}, {"Num Lock", kNumLock}, {"Scroll Lock", kScrollLock}};
    for (const auto& [name, bit] : names) {
        const Atom atom = XInternAtom(display, name, True);
        int on = 0;
        if (atom != 0 && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) &&
            on != 0) {
            locks |= bit;
        }
    }
    return locks;
#else
    return std::nullopt;
#endif
}
