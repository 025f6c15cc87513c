#pragma once

#include <optional>

// The lock keys' states as the platform reports them: bit 0 Caps Lock, bit 1 Num Lock,
// bit 2 Scroll Lock. Nothing where the platform does not report them (Wayland, offscreen).
constexpr unsigned kCapsLock = 1;
constexpr unsigned kNumLock = 2;
constexpr unsigned kScrollLock = 4;
std::optional<unsigned> QueryKeyboardLocks();
