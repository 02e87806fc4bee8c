#pragma once
// The state of the Caps Lock, Num Lock and Scroll Lock keys. Read from the X server's keyboard
// indicators when the program runs on X11 (directly or through XWayland); elsewhere, e.g. on the
// headless platform or a pure Wayland session, every key reads as off.

struct CLockKeyState {
    bool caps = false;
    bool num = false;
    bool scroll = false;

    bool operator==(const CLockKeyState&) const = default;
};

CLockKeyState ReadLockKeys();
