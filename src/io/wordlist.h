// A Word Drill's word file: UTF-8, "#" lines for notes, then one word a line.
#pragma once

#include "state/keytables.h"
#include "state/words.h"

#include <string_view>

namespace tapwell {

// The words of bytes, in their order. Lines that are not UTF-8, hold a space or a control,
// or are longer than the display holds three of (kMaxWordLength), are left out; so is a
// word given twice.
LanguageWords readWordList(std::string_view bytes, std::string language);

// A word file is a few KB; one a hundred times larger is not ours.
inline constexpr std::size_t kMaxWordFileBytes = 1024 * 1024;

} // namespace tapwell
