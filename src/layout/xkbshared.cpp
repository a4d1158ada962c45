#include "xkbshared.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

namespace tapwell::layout::xkb {

namespace {

thread_local std::string tMessage;

void keepMessage(xkb_context*, xkb_log_level, const char* format, va_list args) {
    keepFirstMessage(format, args);
}

struct ContextUnref {
    void operator()(xkb_context* c) const { xkb_context_unref(c); }
};
struct ComposeTableUnref {
    void operator()(xkb_compose_table* t) const { xkb_compose_table_unref(t); }
};
struct ComposeStateUnref {
    void operator()(xkb_compose_state* s) const { xkb_compose_state_unref(s); }
};
struct StateUnref {
    void operator()(xkb_state* s) const { xkb_state_unref(s); }
};
using StatePtr = std::unique_ptr<xkb_state, StateUnref>;

// The one code point of a UTF-8 text, or 0 when it holds none or several.
char32_t onlyCodePoint(const char* s) {
    const auto* u = reinterpret_cast<const unsigned char*>(s);
    char32_t c = 0;
    int more = 0;
    if (u[0] < 0x80) {
        c = u[0];
    } else if ((u[0] & 0xe0) == 0xc0) {
        c = u[0] & 0x1f;
        more = 1;
    } else if ((u[0] & 0xf0) == 0xe0) {
        c = u[0] & 0x0f;
        more = 2;
    } else if ((u[0] & 0xf8) == 0xf0) {
        c = u[0] & 0x07;
        more = 3;
    } else {
        return 0;
    }
    for (int i = 1; i <= more; ++i) {
        if ((u[i] & 0xc0) != 0x80) return 0;
        c = (c << 6) | (u[i] & 0x3f);
    }
    return u[more + 1] == 0 ? c : 0;
}

bool isUtf8Locale(const std::string& locale) {
    std::string lower;
    for (char ch : locale)
        lower += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return lower.find("utf-8") != std::string::npos || lower.find("utf8") != std::string::npos;
}

std::string desktopLocale() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && *v) return isUtf8Locale(v) ? std::string(v) : std::string("en_US.UTF-8");
    }
    return "en_US.UTF-8";
}

} // namespace

xkb_context* context() {
    thread_local std::unique_ptr<xkb_context, ContextUnref> ctx = [] {
        std::unique_ptr<xkb_context, ContextUnref> c(
            xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
        if (c) {
            xkb_context_set_log_level(c.get(), XKB_LOG_LEVEL_ERROR);
            xkb_context_set_log_fn(c.get(), keepMessage);
        }
        return c;
    }();
    return ctx.get();
}

void keepFirstMessage(const char* format, va_list args) {
    // The first message of a failure names its cause; those after it say where it led.
    if (!tMessage.empty()) return;
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    tMessage = text;
    while (!tMessage.empty() && (tMessage.back() == '\n' || tMessage.back() == ' '))
        tMessage.pop_back();
}

std::string lastMessage() {
    return tMessage;
}

void clearMessages() {
    tMessage.clear();
}

bool isDeadKeysym(std::uint32_t keysym) {
    return keysym >= XKB_KEY_dead_grave && keysym <= XKB_KEY_dead_longsolidusoverlay;
}

char32_t aloneCharacterOf(std::uint32_t keysym) {
    // The accents with a spacing form of their own show it; the others show their
    // combining mark.
    static const std::map<std::uint32_t, char32_t> alone = {
        {XKB_KEY_dead_grave, U'`'},
        {XKB_KEY_dead_acute, U'\u00b4'},
        {XKB_KEY_dead_circumflex, U'^'},
        {XKB_KEY_dead_tilde, U'~'},
        {XKB_KEY_dead_macron, U'\u00af'},
        {XKB_KEY_dead_breve, U'\u02d8'},
        {XKB_KEY_dead_abovedot, U'\u02d9'},
        {XKB_KEY_dead_diaeresis, U'\u00a8'},
        {XKB_KEY_dead_abovering, U'\u02da'},
        {XKB_KEY_dead_doubleacute, U'\u02dd'},
        {XKB_KEY_dead_caron, U'\u02c7'},
        {XKB_KEY_dead_cedilla, U'\u00b8'},
        {XKB_KEY_dead_ogonek, U'\u02db'},
        {XKB_KEY_dead_iota, U'\u037a'},
        {XKB_KEY_dead_voiced_sound, U'\u309b'},
        {XKB_KEY_dead_semivoiced_sound, U'\u309c'},
        {XKB_KEY_dead_belowdot, U'\u0323'},
        {XKB_KEY_dead_hook, U'\u0309'},
        {XKB_KEY_dead_horn, U'\u031b'},
        {XKB_KEY_dead_stroke, U'\u0335'},
        {XKB_KEY_dead_abovecomma, U'\u1fbf'},
        {XKB_KEY_dead_abovereversedcomma, U'\u1ffe'},
        {XKB_KEY_dead_doublegrave, U'\u030f'},
        {XKB_KEY_dead_belowring, U'\u0325'},
        {XKB_KEY_dead_belowmacron, U'\u0331'},
        {XKB_KEY_dead_belowcircumflex, U'\u032d'},
        {XKB_KEY_dead_belowtilde, U'\u0330'},
        {XKB_KEY_dead_belowbreve, U'\u032e'},
        {XKB_KEY_dead_belowdiaeresis, U'\u0324'},
        {XKB_KEY_dead_invertedbreve, U'\u0311'},
        {XKB_KEY_dead_belowcomma, U'\u0326'},
        {XKB_KEY_dead_currency, U'\u00a4'},
        {XKB_KEY_dead_a, U'a'},
        {XKB_KEY_dead_A, U'A'},
        {XKB_KEY_dead_e, U'e'},
        {XKB_KEY_dead_E, U'E'},
        {XKB_KEY_dead_i, U'i'},
        {XKB_KEY_dead_I, U'I'},
        {XKB_KEY_dead_o, U'o'},
        {XKB_KEY_dead_O, U'O'},
        {XKB_KEY_dead_u, U'u'},
        {XKB_KEY_dead_U, U'U'},
        {XKB_KEY_dead_small_schwa, U'\u0259'},
        {XKB_KEY_dead_capital_schwa, U'\u018f'},
        {XKB_KEY_dead_greek, U'\u00b5'},
        {XKB_KEY_dead_lowline, U'\u0332'},
        {XKB_KEY_dead_aboveverticalline, U'\u030d'},
        {XKB_KEY_dead_belowverticalline, U'\u0329'},
        {XKB_KEY_dead_longsolidusoverlay, U'\u0338'},
    };
    const auto it = alone.find(keysym);
    return it == alone.end() ? 0 : it->second;
}

Symbol symbolOf(std::uint32_t keysym) {
    if (isDeadKeysym(keysym)) return {aloneCharacterOf(keysym), true, keysym};
    const char32_t c = xkb_keysym_to_utf32(keysym);
    // Keys that type controls (Return, Tab, Escape) type no character of a drill.
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f)) return {};
    return {c, false, keysym};
}

Composer composer(const std::string& requested) {
    xkb_context* ctx = context();
    if (!ctx) return {};
    const std::string locale = requested.empty() ? desktopLocale() : requested;
    thread_local std::map<std::string, std::shared_ptr<xkb_compose_table>> tables;
    auto it = tables.find(locale);
    if (it == tables.end()) {
        clearMessages();
        std::shared_ptr<xkb_compose_table> table(
            xkb_compose_table_new_from_locale(ctx, locale.c_str(), XKB_COMPOSE_COMPILE_NO_FLAGS),
            ComposeTableUnref{});
        clearMessages();
        it = tables.emplace(locale, std::move(table)).first;
    }
    if (!it->second) return {};
    std::shared_ptr<xkb_compose_state> state(
        xkb_compose_state_new(it->second.get(), XKB_COMPOSE_STATE_NO_FLAGS), ComposeStateUnref{});
    if (!state) return {};
    return [state](std::uint32_t dead, std::uint32_t base) -> char32_t {
        xkb_compose_state_reset(state.get());
        xkb_compose_state_feed(state.get(), dead);
        xkb_compose_state_feed(state.get(), base);
        if (xkb_compose_state_get_status(state.get()) != XKB_COMPOSE_COMPOSED) return 0;
        char text[16];
        const int n = xkb_compose_state_get_utf8(state.get(), text, sizeof text);
        if (n <= 0 || n >= static_cast<int>(sizeof text)) return 0;
        return onlyCodePoint(text);
    };
}

LayoutParts partsOf(xkb_keymap* keymap, std::uint32_t group) {
    LayoutParts parts;
    if (const char* name = xkb_keymap_layout_get_name(keymap, group)) parts.description = name;
    const auto codeOf = [keymap](Key k) {
        return xkb_keymap_key_by_name(keymap, std::string(xkbName(k)).c_str());
    };
    const xkb_keycode_t leftShift = codeOf(Key::LFSH);
    const xkb_keycode_t altGr = codeOf(Key::RALT);

    // One state for each level, with the keys that reach it held down.
    std::array<StatePtr, kLevelCount> states;
    for (Level lv : kAllLevels) {
        StatePtr s(xkb_state_new(keymap));
        if (!s) return parts;
        xkb_state_update_mask(s.get(), 0, 0, 0, 0, 0, group);
        if (needsShift(lv) && leftShift != XKB_KEYCODE_INVALID)
            xkb_state_update_key(s.get(), leftShift, XKB_KEY_DOWN);
        if (needsAltGr(lv) && altGr != XKB_KEYCODE_INVALID)
            xkb_state_update_key(s.get(), altGr, XKB_KEY_DOWN);
        states[static_cast<std::size_t>(lv)] = std::move(s);
    }
    // An AltGr that switches to another layout, or that is plain Alt, reaches no level.
    const bool altGrKeepsGroup =
        altGr != XKB_KEYCODE_INVALID &&
        xkb_state_serialize_layout(states[static_cast<std::size_t>(Level::AltGr)].get(),
                                   XKB_STATE_LAYOUT_EFFECTIVE) == group;

    bool anyThirdLevel = false;
    for (Key k : allKeys()) {
        if (k == Key::RTRN) {
            parts.at(k, Level::Plain) = {U'\r', false, XKB_KEY_Return};
            continue;
        }
        if (!isCharacterKey(k) && k != Key::SPCE) continue;
        const xkb_keycode_t code = codeOf(k);
        if (code == XKB_KEYCODE_INVALID) continue;
        // The level each state reaches on this key, and what it types there.
        std::array<xkb_level_index_t, kLevelCount> level{};
        std::array<xkb_layout_index_t, kLevelCount> keyGroup{};
        for (Level lv : kAllLevels) {
            xkb_state* s = states[static_cast<std::size_t>(lv)].get();
            keyGroup[static_cast<std::size_t>(lv)] = xkb_state_key_get_layout(s, code);
            level[static_cast<std::size_t>(lv)] =
                xkb_state_key_get_level(s, code, keyGroup[static_cast<std::size_t>(lv)]);
        }
        const auto reached = [&](Level lv) {
            return std::pair(keyGroup[static_cast<std::size_t>(lv)],
                             level[static_cast<std::size_t>(lv)]);
        };
        for (Level lv : kAllLevels) {
            const auto [g, l] = reached(lv);
            if (g == XKB_LAYOUT_INVALID || l == XKB_LEVEL_INVALID) continue;
            // A level the modifiers do not change types what the easier level types.
            if (lv != Level::Plain && reached(lv) == reached(Level::Plain)) continue;
            if (lv == Level::ShiftAltGr &&
                (reached(lv) == reached(Level::Shift) || reached(lv) == reached(Level::AltGr)))
                continue;
            const xkb_keysym_t* syms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(keymap, code, g, l, &syms) != 1) continue;
            const Symbol s = symbolOf(syms[0]);
            if (s.empty()) continue;
            parts.at(k, lv) = s;
            if (needsAltGr(lv)) anyThirdLevel = true;
        }
    }
    parts.altGr = altGrKeepsGroup && anyThirdLevel;

    // ISO when the key left of Z types something no other key types without AltGr: a
    // keyboard without that key could not type it. Elsewhere the key repeats characters
    // that ANSI keyboards have on other keys, as XKB's pc105 gives every layout one.
    const auto typedElsewhere = [&](const Symbol& s) {
        for (Key k : allKeys())
            if (k != Key::LSGT && isCharacterKey(k))
                for (Level lv : {Level::Plain, Level::Shift})
                    if (parts.at(k, lv) == s) return true;
        return false;
    };
    for (Level lv : {Level::Plain, Level::Shift}) {
        const Symbol& s = parts.at(Key::LSGT, lv);
        if (!s.empty() && !typedElsewhere(s)) parts.shape = Shape::Iso;
    }
    return parts;
}

} // namespace tapwell::layout::xkb
