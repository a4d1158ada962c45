// Reads the comma- and line-separated values of our data files (key.dat and the
// settings file): values are separated by commas or line ends (LF, CR LF or CR),
// spaces around a value are ignored, a value may be written in double quotes (and may
// then hold commas), blank lines hold no value. A UTF-8 byte-order mark is skipped.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tapwell {

struct RawValue {
    std::string_view text; // without the quotes and the surrounding spaces
    bool quoted = false;
    int number = 0; // 1-based position of the value in the file
    int line = 0;   // 1-based line where the value starts
};

class ValueReader {
public:
    explicit ValueReader(std::string_view bytes);

    // The next value, or nothing at the end of the text. A quoted value followed by
    // more text before its separator sets error() and returns nothing.
    std::optional<RawValue> next();
    const std::string& error() const { return error_; }
    int line() const { return line_; }
    int count() const { return count_; }

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipBlanks();

    std::string_view s_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int count_ = 0;
    std::string error_;
};

// Parses a decimal 16-bit integer ("-12", "+7", "300"); nothing on any other text.
std::optional<std::int16_t> parseInt16(std::string_view text);

// A value's text as it can be quoted in a message: at most 40 characters, with
// control and non-ASCII bytes escaped.
std::string printable(std::string_view text);

} // namespace tapwell
