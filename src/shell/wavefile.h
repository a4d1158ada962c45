// Reading the PCM wave files our sounds are kept in.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tapwell {

struct WaveInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::size_t dataOffset = 0; // where the samples start in the file
    std::size_t dataBytes = 0;  // how many bytes of samples the file really holds

    int lengthMs() const;
};

// The format and samples of an uncompressed PCM wave file (8 or 16 bits, 1 or 2
// channels); nothing for anything else.
std::optional<WaveInfo> parseWave(std::string_view bytes);

} // namespace tapwell
