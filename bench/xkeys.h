// Real key events through the X server's XTEST extension, for the keystroke bench.
// Kept apart from the Qt code: the X headers define names (KeyPress, None...) that
// clash with Qt's.
#pragma once

#include <string>

namespace tapwell::bench {

class XKeys {
public:
    XKeys() = default;
    ~XKeys();
    XKeys(const XKeys&) = delete;
    XKeys& operator=(const XKeys&) = delete;

    // Opens its own connection to the server in DISPLAY and checks for XTEST.
    bool open(std::string& error);

    struct Key {
        unsigned code = 0;  // the X key code
        bool shift = false; // Shift must be held for the character
    };
    // The key that types a character code: 13 (Enter), 8 (Backspace) or 32..126.
    bool keyFor(int character, Key& key) const;
    unsigned shiftCode() const { return shift_; }

    // Presses or releases a key, as if on the keyboard, and sends it at once.
    void send(unsigned code, bool press);

private:
    void* display_ = nullptr;
    unsigned shift_ = 0;
};

} // namespace tapwell::bench
