#pragma once
// The states of the keyboard's lock keys, for the status bar, as the
// keyboard LEDs show them (/sys/class/leds/*::capslock and the like). On a
// machine without readable LEDs every state reads as off.

namespace kx {

struct KeyboardLocks {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

KeyboardLocks ReadKeyboardLocks();

}  // namespace kx
