#include "wordlist.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace tapwell {

namespace {

// The code points of one line, or nothing where it is not UTF-8.
std::optional<std::u32string> decode(std::string_view line) {
    std::u32string out;
    for (std::size_t i = 0; i < line.size();) {
        const auto b = static_cast<unsigned char>(line[i]);
        const int extra = b < 0x80             ? 0
                          : (b & 0xE0) == 0xC0 ? 1
                          : (b & 0xF0) == 0xE0 ? 2
                          : (b & 0xF8) == 0xF0 ? 3
                                               : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= line.size()) return std::nullopt;
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(line[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        out += c;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

} // namespace

LanguageWords readWordList(std::string_view bytes, std::string language) {
    LanguageWords out{std::move(language), {}};
    std::unordered_set<std::u32string> seen;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const std::optional<std::u32string> word = decode(line);
        if (!word || word->size() > static_cast<std::size_t>(kMaxWordLength) ||
            std::any_of(word->begin(), word->end(),
                        [](char32_t c) { return c <= U' ' || c == 0x7F; }))
            continue;
        if (seen.insert(*word).second) out.words.push_back(*word);
    }
    return out;
}

} // namespace tapwell
