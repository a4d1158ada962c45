// What the XKB builders share: the XKB context, kept for the thread and made once, with
// xkbcommon's messages kept for the reason of a failure instead of printed; keysyms made
// into symbols; and the desktop's composing rules for dead keys.
#pragma once

#include "layout.h"

#include <cstdarg>
#include <cstdint>
#include <string>

struct xkb_context;
struct xkb_keymap;

namespace tapwell::layout::xkb {

// The thread's XKB context, made on first use (parsing nothing yet, but finding the
// data's folders); nullptr when XKB's data cannot be found. It reads no layout names
// from the environment: we name what we build.
xkb_context* context();

// xkbcommon's last error message on this thread, and clearing it before a call.
std::string lastMessage();
void clearMessages();
// Keeps a message of xkbcommon's or its registry's as this thread's last, unless one is
// kept already: the first message of a failure names its cause.
void keepFirstMessage(const char* format, va_list args);

// What a keysym types: a character, a dead key with the character it makes alone, or
// nothing (a modifier, a key that types no character, a control).
Symbol symbolOf(std::uint32_t keysym);
bool isDeadKeysym(std::uint32_t keysym);
// The character a dead key makes on its own: the spacing accent (´ for the dead acute),
// or the combining mark for accents without one; 0 when not known.
char32_t aloneCharacterOf(std::uint32_t deadKeysym);

// The composing rules of a locale ("de_DE.UTF-8"); empty locale: the desktop's own, from
// LC_ALL, LC_CTYPE or LANG, or en_US.UTF-8 when that is not a UTF-8 locale. The rules are
// read once per thread and locale. An empty composer when there are none.
Composer composer(const std::string& locale = {});

// The characters of one group of a compiled keymap, as the keys really type them: each
// level is reached by pressing the Shift and AltGr keys of that keymap, so a key whose
// type has no third level types nothing more with AltGr.
LayoutParts partsOf(xkb_keymap* keymap, std::uint32_t group);

} // namespace tapwell::layout::xkb
