// Reading the PCM wave files our sounds are kept in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
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

// Larger than any sound of ours (a minute and a half of CD sound): a bigger file is not
// a key sound, and is not read.
inline constexpr std::size_t kMaxWaveBytes = 16 * 1024 * 1024;

// Reads a sound file into bytes and finds its samples. Nothing, with the reason in
// error, for a file that cannot be read (missing, not a regular file, larger than
// kMaxWaveBytes) or is not a PCM wave file.
std::optional<WaveInfo> readWaveFile(const std::string& path, std::string& bytes,
                                     std::string& error);

} // namespace tapwell
