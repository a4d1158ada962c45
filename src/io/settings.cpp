#include "io/settings.h"

#include "state/valuereader.h"

namespace tapwell {

bool parseSettings(std::string_view bytes, Module1& m, std::string& error) {
    ValueReader reader(bytes);
    std::int16_t values[6] = {};
    for (int i = 0; i < 6; ++i) {
        const auto v = reader.next();
        if (!v) {
            error = reader.error().empty()
                        ? "the file holds " + std::to_string(i) + " values, not six"
                        : "line " + std::to_string(reader.line()) + ": " + reader.error();
            return false;
        }
        const auto n = parseInt16(v->text);
        if (!n) {
            error = "value " + std::to_string(i + 1) + " (line " + std::to_string(v->line) +
                    ") should be an integer, found \"" + printable(v->text) + "\"";
            return false;
        }
        values[i] = *n;
    }
    for (int i = 0; i < 4; ++i)
        m.RowSetting(i) = values[i];
    m.UseShift = values[4];
    m.KeySound = values[5];
    bool anyRow = false;
    for (int i = 0; i < 4; ++i)
        anyRow = anyRow || m.RowSetting(i) == 1;
    if (!anyRow) m.RowSetting(0) = 1;
    return true;
}

void applyDefaultSettings(Module1& m) {
    m.RowSetting.fill(0);
    m.RowSetting(0) = 1;
    m.UseShift = 0;
    m.KeySound = 1;
}

std::string formatSettings(const Module1& m) {
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += std::to_string(m.RowSetting(i)) + ",";
    s += std::to_string(m.UseShift) + "," + std::to_string(m.KeySound) + "\r\n";
    return s;
}

} // namespace tapwell
