// libFuzzer target: the key.dat reader on any bytes. It must never crash, hang or read
// outside its tables; on success the tables must hold what every lookup relies on.
#include "state/keytables.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tapwell::KeyTables tables;
    tapwell::KeyDataError error;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!tapwell::readKeyData(bytes, tables, error)) {
        (void)error.message();
        return 0;
    }
    for (int c = 0; c <= 300; ++c) {
        const int k = tapwell::keyIndexOf(tables, c);
        if (k != 0 && (k < tapwell::kFirstKey || k > 98)) std::abort();
        if (k != 0) {
            const int hand = tables.KeyHand(k, 1), finger = tables.KeyHand(k, 2);
            if (hand < 1 || hand > 2 || finger < 0 || finger > 6) std::abort();
        }
        (void)tapwell::lessonRowOf(tables, c);
    }
    return 0;
}
