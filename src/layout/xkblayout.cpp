#include "xkblayout.h"

#include "xkbshared.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tapwell::layout {

namespace {

struct KeymapUnref {
    void operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
};
using KeymapPtr = std::unique_ptr<xkb_keymap, KeymapUnref>;
struct StateUnref {
    void operator()(xkb_state* s) const { xkb_state_unref(s); }
};
struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

std::nullopt_t fail(std::string* why, const std::string& reason) {
    if (why) *why = reason;
    return std::nullopt;
}

// Layout and variant names are words of letters, digits, '_' and '-': anything else
// would be read by XKB's rules as more than one name.
bool isXkbWord(const std::string& s) {
    for (char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '_' || c == '-'))
            return false;
    return true;
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out(1);
    for (char c : s) {
        if (c == sep)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

Layout finish(LayoutParts parts, const LayoutName& name, const BuildOptions& options) {
    parts.name = name;
    if (options.shape) parts.shape = *options.shape;
    return Layout::assemble(std::move(parts), xkb::composer(options.composeLocale));
}

// The layout names the X server was set up with (_XKB_RULES_NAMES on the root window),
// for the active group. Empty when they are missing or do not match the keymap's groups.
LayoutName namesOnRoot(xcb_connection_t* c, int screenNumber, std::uint32_t groups,
                       std::uint32_t group) {
    static constexpr char kAtom[] = "_XKB_RULES_NAMES";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kAtom - 1, kAtom), nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return {};
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i)
        xcb_screen_next(&screens);
    if (!screens.data) return {};
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(
            c, xcb_get_property(c, 0, screens.data->root, atom->atom, XCB_ATOM_STRING, 0, 1024),
            nullptr),
        &std::free);
    if (!property || property->format != 8) return {};
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(property.get()));
    const std::string value(
        bytes, static_cast<std::size_t>(xcb_get_property_value_length(property.get())));
    // rules, model, layouts, variants, options: each ended by a NUL.
    const auto fields = split(value, '\0');
    if (fields.size() < 4) return {};
    const auto layouts = split(fields[2], ',');
    auto variants = split(fields[3], ',');
    variants.resize(layouts.size());
    if (layouts.size() != groups || group >= groups) return {};
    LayoutName name{layouts[group], variants[group]};
    if (name.layout.empty() || !isXkbWord(name.layout) || !isXkbWord(name.variant)) return {};
    return name;
}

// A small text file, read only when it is a plain file: never wait on a pipe or read a
// device.
std::optional<std::string> readSettingFile(const std::string& path) {
    struct File {
        int fd;
        ~File() {
            if (fd >= 0) ::close(fd);
        }
    } file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    const int fd = file.fd;
    if (fd < 0) return std::nullopt;
    struct stat st {};
    constexpr off_t kMaxBytes = 64 * 1024;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxBytes)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    return text;
}

std::string unquoted(std::string v) {
    v = trim(v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

std::optional<KeyboardSetting> settingOf(const std::string& layouts, const std::string& variants,
                                         const std::string& options) {
    const std::string layout = trim(split(layouts, ',')[0]);
    if (layout.empty()) return std::nullopt;
    return KeyboardSetting{{layout, trim(split(variants, ',')[0])}, options};
}

} // namespace

std::optional<Layout> layoutFromNames(const std::vector<LayoutName>& names, int group,
                                      std::string* why, const BuildOptions& options) {
    if (group < 0 || static_cast<std::size_t>(group) >= names.size())
        return fail(why, "no layout " + std::to_string(group) + " in the list");
    std::string layouts, variants;
    for (const LayoutName& n : names) {
        if (n.layout.empty() || !isXkbWord(n.layout) || !isXkbWord(n.variant)) {
            std::string reason = "\"";
            reason += n.text();
            reason += "\" is not a layout's name";
            return fail(why, reason);
        }
        layouts += (layouts.empty() ? "" : ",") + n.layout;
        variants += (&n == &names.front() ? "" : ",") + n.variant;
    }
    xkb_context* ctx = xkb::context();
    if (!ctx) return fail(why, "the keyboard data (xkb-data) cannot be found");
    const xkb_rule_names rules{"evdev", "pc105", layouts.c_str(), variants.c_str(),
                               options.xkbOptions.c_str()};
    xkb::clearMessages();
    KeymapPtr keymap(xkb_keymap_new_from_names(ctx, &rules, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        const std::string message = xkb::lastMessage();
        return fail(why, "XKB cannot compile " + names[static_cast<std::size_t>(group)].text() +
                             (message.empty() ? std::string() : ": " + message));
    }
    const auto g = static_cast<std::uint32_t>(group);
    if (g >= xkb_keymap_num_layouts(keymap.get()))
        return fail(why, "XKB made fewer layouts than named");
    return finish(xkb::partsOf(keymap.get(), g), names[static_cast<std::size_t>(group)], options);
}

std::optional<Layout> layoutFromNames(const LayoutName& name, std::string* why,
                                      const BuildOptions& options) {
    return layoutFromNames(std::vector<LayoutName>{name}, 0, why, options);
}

std::optional<Layout> layoutFromX11(xcb_connection_t* connection, std::string* why,
                                    const BuildOptions& options) {
    std::unique_ptr<xcb_connection_t, Disconnect> own;
    int screen = 0;
    if (!connection) {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) return fail(why, "no X display (DISPLAY is not set)");
        own.reset(xcb_connect(nullptr, &screen));
        if (xcb_connection_has_error(own.get()))
            return fail(why, std::string("no X server answers at ") + display);
        connection = own.get();
    }
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return fail(why, "the X server has no keyboard extension (XKB)");
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device == -1) return fail(why, "the X server names no keyboard");
    xkb_context* ctx = xkb::context();
    if (!ctx) return fail(why, "the keyboard data (xkb-data) cannot be found");
    xkb::clearMessages();
    KeymapPtr keymap(
        xkb_x11_keymap_new_from_device(ctx, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        const std::string message = xkb::lastMessage();
        return fail(why, "the X server's keymap cannot be read" +
                             (message.empty() ? std::string() : ": " + message));
    }
    std::unique_ptr<xkb_state, StateUnref> state(
        xkb_x11_state_new_from_device(keymap.get(), connection, device));
    if (!state) return fail(why, "the X server's keyboard state cannot be read");
    const std::uint32_t group = xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE);
    const LayoutName name =
        namesOnRoot(connection, screen, xkb_keymap_num_layouts(keymap.get()), group);
    return finish(xkb::partsOf(keymap.get(), group), name, options);
}

std::optional<KeyboardSetting> parseDefaultKeyboard(const std::string& text) {
    std::string layouts, variants, options;
    for (const std::string& raw : split(text, '\n')) {
        std::string line = trim(raw);
        if (line.rfind("export ", 0) == 0) line = trim(line.substr(7));
        if (line.empty() || line[0] == '#') continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = trim(line.substr(0, eq));
        const std::string value = unquoted(line.substr(eq + 1));
        if (key == "XKBLAYOUT") layouts = value;
        if (key == "XKBVARIANT") variants = value;
        if (key == "XKBOPTIONS") options = value;
    }
    return settingOf(layouts, variants, options);
}

std::optional<KeyboardSetting> parseXorgKeyboardConf(const std::string& text) {
    std::string layouts, variants, options;
    for (const std::string& raw : split(text, '\n')) {
        std::string line = trim(raw);
        if (line.empty() || line[0] == '#') continue;
        // Option "XkbLayout" "de": the option's name and value, each in quotes.
        std::vector<std::string> quoted;
        for (std::size_t at = line.find('"'); at != std::string::npos;) {
            const auto end = line.find('"', at + 1);
            if (end == std::string::npos) break;
            quoted.push_back(line.substr(at + 1, end - at - 1));
            at = line.find('"', end + 1);
        }
        std::string word = line.substr(0, line.find_first_of(" \t"));
        for (char& c : word)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (word != "option" || quoted.size() < 2) continue;
        std::string option = quoted[0];
        for (char& c : option)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (option == "xkblayout") layouts = quoted[1];
        if (option == "xkbvariant") variants = quoted[1];
        if (option == "xkboptions") options = quoted[1];
    }
    return settingOf(layouts, variants, options);
}

LayoutInUse findLayoutInUse(const LayoutSearch& search, const Layout* fallback) {
    std::string tried;
    const auto note = [&tried](const std::string& where, const std::string& why) {
        tried += (tried.empty() ? "" : "; ") + where + ": " + why;
    };
    if (search.askXServer) {
        std::string why;
        if (auto l = layoutFromX11(search.connection, &why, search.options))
            return {std::move(*l), LayoutSource::XServer, {}};
        note("the X server", why);
    }
    const auto fromSetting = [&](const KeyboardSetting& setting,
                                 const std::string& where) -> std::optional<Layout> {
        BuildOptions options = search.options;
        if (options.xkbOptions.empty()) options.xkbOptions = setting.xkbOptions;
        std::string why;
        auto l = layoutFromNames(setting.name, &why, options);
        if (!l) note(where, why);
        return l;
    };
    if (search.systemSetting)
        if (auto l = fromSetting(*search.systemSetting, "the system's locale service"))
            return {std::move(*l), LayoutSource::SystemSetting, tried};
    for (const std::string& path : search.settingFiles) {
        const auto text = readSettingFile(path);
        if (!text) continue;
        auto setting = parseDefaultKeyboard(*text);
        if (!setting) setting = parseXorgKeyboardConf(*text);
        if (!setting) {
            note(path, "names no layout");
            continue;
        }
        if (auto l = fromSetting(*setting, path))
            return {std::move(*l), LayoutSource::SystemSetting, tried};
    }
    std::string why;
    if (auto l = layoutFromNames(LayoutName{"us", {}}, &why, search.options))
        return {std::move(*l), LayoutSource::Default, tried};
    note("XKB's US layout", why);
    return {fallback ? *fallback : Layout(), LayoutSource::Default, tried};
}

} // namespace tapwell::layout
