#include "valuereader.h"

#include <charconv>
#include <cstdio>

namespace tapwell {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

ValueReader::ValueReader(std::string_view bytes) : s_(bytes) {
    if (s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

bool ValueReader::atLineEnd() const {
    return pos_ < s_.size() && (s_[pos_] == '\n' || s_[pos_] == '\r');
}

void ValueReader::skipLineEnd() {
    if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
}

void ValueReader::skipBlanks() {
    while (pos_ < s_.size() && isBlank(s_[pos_]))
        ++pos_;
}

std::optional<RawValue> ValueReader::next() {
    if (!error_.empty()) return std::nullopt;
    // Blank lines (and the line end after a trailing comma) hold no value.
    for (;;) {
        skipBlanks();
        if (pos_ >= s_.size()) return std::nullopt;
        if (!atLineEnd()) break;
        skipLineEnd();
    }

    RawValue v;
    v.line = line_;
    v.number = count_ + 1;
    if (s_[pos_] == '"') {
        const std::size_t start = ++pos_;
        while (pos_ < s_.size() && s_[pos_] != '"' && !atLineEnd())
            ++pos_;
        if (pos_ >= s_.size() || s_[pos_] != '"') {
            error_ = "a quoted text that is not closed on its line";
            return std::nullopt;
        }
        v.text = s_.substr(start, pos_ - start);
        v.quoted = true;
        ++pos_;
        skipBlanks();
        if (pos_ < s_.size() && s_[pos_] != ',' && !atLineEnd()) {
            error_ = "text after the closing quote";
            return std::nullopt;
        }
    } else {
        const std::size_t start = pos_;
        while (pos_ < s_.size() && s_[pos_] != ',' && !atLineEnd())
            ++pos_;
        std::size_t end = pos_;
        while (end > start && isBlank(s_[end - 1]))
            --end;
        v.text = s_.substr(start, end - start);
    }
    ++count_;
    if (pos_ < s_.size()) {
        if (s_[pos_] == ',')
            ++pos_;
        else
            skipLineEnd();
    }
    return v;
}

std::optional<std::int16_t> parseInt16(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || value < -32768 || value > 32767) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::string printable(std::string_view text) {
    std::string out;
    const std::size_t limit = 40;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 32 && c < 127 && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    if (text.size() > limit) out += "...";
    return out;
}

} // namespace tapwell
