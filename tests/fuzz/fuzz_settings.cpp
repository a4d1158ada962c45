// libFuzzer target: the settings reader on any bytes. On success a row is always chosen
// and the written form reads back to the same values.
#include "io/settings.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tapwell::Module1 m;
    std::string error;
    if (!tapwell::parseSettings(std::string_view(reinterpret_cast<const char*>(data), size), m,
                                error))
        return 0;
    bool anyRow = false;
    for (int i = 0; i < 4; ++i)
        anyRow = anyRow || m.RowSetting(i) == 1;
    if (!anyRow) std::abort();
    tapwell::Module1 again;
    if (!tapwell::parseSettings(tapwell::formatSettings(m), again, error) ||
        again.RowSetting != m.RowSetting || again.UseShift != m.UseShift ||
        again.KeySound != m.KeySound)
        std::abort();
    return 0;
}
