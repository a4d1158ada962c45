#include "parts.h"
#include "soundservice.h"

#include <QString>

namespace tapwell {

namespace {

// Without its library the program still runs: every key is silent, and a sound played
// to its end returns at once.
class SilentSound final : public SoundService {
public:
    void preload(const std::vector<std::string>&) override {}
    void stop() override {}
    void play(const std::string&, WaveFlags) override {}
};

} // namespace

std::unique_ptr<SoundService> loadSoundService(QString& why, const QString& path) {
    const auto make = reinterpret_cast<MakeSoundService>(
        loadPart("tapwell-sound.so", kMakeSoundServiceSymbol, path, why));
    if (make) return std::unique_ptr<SoundService>(make());
    return std::make_unique<SilentSound>();
}

} // namespace tapwell
