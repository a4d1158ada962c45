#include "io/wavefile.h"

#include "io/regularfile.h"
#include "state/say.h"

#include <algorithm>

namespace tapwell {

namespace {

std::uint32_t le32(std::string_view s, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}

std::uint16_t le16(std::string_view s, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) |
                                      static_cast<unsigned char>(s[at + 1]) << 8);
}

} // namespace

int WaveInfo::lengthMs() const {
    const std::size_t bytesPerSecond = static_cast<std::size_t>(sampleRate) *
                                       static_cast<std::size_t>(channels) *
                                       static_cast<std::size_t>(bitsPerSample / 8);
    if (bytesPerSecond == 0) return 0;
    return static_cast<int>(std::min<std::size_t>(dataBytes * 1000 / bytesPerSecond, 600000));
}

std::optional<WaveInfo> parseWave(std::string_view s) {
    if (s.size() < 12 || s.substr(0, 4) != "RIFF" || s.substr(8, 4) != "WAVE") return std::nullopt;
    WaveInfo w;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= s.size()) {
        const std::string_view id = s.substr(pos, 4);
        const std::size_t size = le32(s, pos + 4);
        const std::size_t body = pos + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > s.size() || le16(s, body) != 1) // 1: plain PCM
                return std::nullopt;
            w.channels = le16(s, body + 2);
            w.sampleRate = static_cast<int>(le32(s, body + 4));
            w.bitsPerSample = le16(s, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            w.dataOffset = body;
            w.dataBytes = std::min(size, s.size() - body);
            const bool supported = (w.channels == 1 || w.channels == 2) &&
                                   (w.bitsPerSample == 8 || w.bitsPerSample == 16) &&
                                   w.sampleRate >= 1000 && w.sampleRate <= 192000;
            if (!supported) return std::nullopt;
            w.dataBytes -= w.dataBytes % static_cast<std::size_t>(w.channels * w.bitsPerSample / 8);
            return w;
        }
        if (size > s.size() - body) return std::nullopt;
        pos = body + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<WaveInfo> readWaveFile(const std::string& path, std::string& bytes,
                                     std::string& error) {
    if (!readRegularFile(path, kMaxWaveBytes, bytes, error)) return std::nullopt;
    auto wave = parseWave(bytes);
    //: Why a sound file cannot be played, after its path.
    if (!wave) error = say("Files", "it is not a PCM wave file");
    return wave;
}

} // namespace tapwell
