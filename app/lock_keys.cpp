// own
#include "app/lock_keys.h"

// Qt
#include <QGuiApplication>

// X11, last: its macros (None, Bool, ...) would clash with Qt's names.
#include <X11/XKBlib.h>

namespace {
bool IndicatorOn(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0) return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on != False;
}
} // namespace

CLockKeyState ReadLockKeys() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return {};
    return {IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
            IndicatorOn(display, "Scroll Lock")};
}
