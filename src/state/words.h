// The words a Word Drill gives a child of one language, the most common first.
#pragma once

#include <string>
#include <vector>

namespace tapwell {

struct LanguageWords {
    std::string language; // as the word file is named: "de", "pt_BR"
    std::vector<std::u32string> words;

    // English words on key.dat's US keyboard: its own word lists, as designed.
    bool english() const { return language == "en"; }
};

} // namespace tapwell
