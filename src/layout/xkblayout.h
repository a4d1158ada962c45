// Layouts from the desktop's XKB data: any layout and variant by its names, the keymap
// the X server uses now, and the layout in use found by trying each in turn.
#pragma once

#include "layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace tapwell::layout {

// How a layout is built beyond its names.
struct BuildOptions {
    std::string xkbOptions;     // XKB options, "lv3:ralt_switch,compose:menu"; usually none
    std::optional<Shape> shape; // the keyboard's shape, when known; else guessed from the layout
    std::string composeLocale;  // whose composing rules; empty: the desktop's locale
};

// The layout and variant compiled as the desktop compiles them (rules evdev, model pc105).
// `group` picks one layout of a list, as in {"us,de", ",nodeadkeys"} with group 1. On
// failure, nothing, and `why` (when given) says what XKB found wrong.
std::optional<Layout> layoutFromNames(const LayoutName& name, std::string* why = nullptr,
                                      const BuildOptions& options = {});
std::optional<Layout> layoutFromNames(const std::vector<LayoutName>& names, int group,
                                      std::string* why = nullptr, const BuildOptions& options = {});

// The keymap the X server uses now, in its active group, read from the server itself
// (under Xwayland the names on the root window may not say what the keys do). Its name
// is the one the server was set up with when that matches the keymap's groups, else
// empty; its description is always the group's own (findEntryByDescription finds it in
// the registry). With no connection given, one is made to $DISPLAY and closed again.
// Nothing, and why, when there is no X server or it has no XKB.
std::optional<Layout> layoutFromX11(xcb_connection_t* connection = nullptr,
                                    std::string* why = nullptr, const BuildOptions& options = {});

// The keyboard the system is set up with: XKBLAYOUT and XKBVARIANT of a file like
// /etc/default/keyboard, or the XkbLayout and XkbVariant options of an X server
// configuration like /etc/X11/xorg.conf.d/00-keyboard.conf. Of a list of layouts, the
// first.
struct KeyboardSetting {
    LayoutName name;
    std::string xkbOptions;

    bool operator==(const KeyboardSetting&) const = default;
};
std::optional<KeyboardSetting> parseDefaultKeyboard(const std::string& text);
std::optional<KeyboardSetting> parseXorgKeyboardConf(const std::string& text);

// Where the layout in use came from.
enum class LayoutSource : std::uint8_t { XServer, SystemSetting, Default };

struct LayoutInUse {
    Layout layout;
    LayoutSource source = LayoutSource::Default;
    std::string why; // what was tried before and why it did not serve; empty for the X server
};

// Where to look for the layout in use.
struct LayoutSearch {
    bool askXServer = true;
    xcb_connection_t* connection = nullptr; // else $DISPLAY
    // What the system's locale service says (org.freedesktop.locale1's X11Layout and
    // X11Variant), for a caller that can ask it; tried before the files.
    std::optional<KeyboardSetting> systemSetting;
    std::vector<std::string> settingFiles = {"/etc/default/keyboard",
                                             "/etc/X11/xorg.conf.d/00-keyboard.conf"};
    BuildOptions options;
};

// The X server's keymap; else the system's keyboard setting; else XKB's "us"; else, when
// not even that can be built (no XKB data at all), `fallback` (key.dat's US keyboard), or
// an empty layout without one.
LayoutInUse findLayoutInUse(const LayoutSearch& search = {}, const Layout* fallback = nullptr);

} // namespace tapwell::layout
