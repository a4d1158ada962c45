#include "xkeys.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace tapwell::bench {

namespace {
Display* dpy(void* d) {
    return static_cast<Display*>(d);
}
} // namespace

XKeys::~XKeys() {
    if (display_) XCloseDisplay(dpy(display_));
}

bool XKeys::open(std::string& error) {
    display_ = XOpenDisplay(nullptr);
    if (!display_) {
        error = "cannot open the X display (is DISPLAY set?)";
        return false;
    }
    int event = 0, err = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(dpy(display_), &event, &err, &major, &minor)) {
        error = "the X server has no XTEST extension";
        return false;
    }
    shift_ = XKeysymToKeycode(dpy(display_), XK_Shift_L);
    if (shift_ == 0) {
        error = "the X keyboard map has no Shift key";
        return false;
    }
    return true;
}

bool XKeys::keyFor(int character, Key& key) const {
    KeySym sym = NoSymbol;
    if (character == 13)
        sym = XK_Return;
    else if (character == 8)
        sym = XK_BackSpace;
    else if (character >= 32 && character <= 126)
        sym = static_cast<KeySym>(character); // the Latin-1 key symbols are the codes
    else
        return false;
    const KeyCode code = XKeysymToKeycode(dpy(display_), sym);
    if (code == 0) return false;
    key.code = code;
    key.shift = XkbKeycodeToKeysym(dpy(display_), code, 0, 0) != sym;
    if (key.shift && XkbKeycodeToKeysym(dpy(display_), code, 0, 1) != sym) return false;
    return true;
}

void XKeys::send(unsigned code, bool press) {
    XTestFakeKeyEvent(dpy(display_), code, press ? True : False, CurrentTime);
    XFlush(dpy(display_));
}

} // namespace tapwell::bench
