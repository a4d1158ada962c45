// The program's sound, as the windows see it: the Sound service with its files read
// ahead. The real one (Qt Multimedia, src/shell/qtsound.h) lives in tapwell-sound.so,
// loaded when the main window first opens; the start-up window never waits for it.
#pragma once

#include "services.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace tapwell {

class SoundService : public Sound {
public:
    // Reads the files ahead of their first use, so the first key sounds at once.
    virtual void preload(const std::vector<std::string>& files) = 0;
};

// Stands in for the sound until its library is loaded, which happens once the main
// window is on the screen: silent until then, the loaded sound afterwards.
class LateSound final : public SoundService {
public:
    void set(std::unique_ptr<SoundService> sound) {
        real_ = std::move(sound);
        if (real_ && !files_.empty()) real_->preload(files_);
    }
    bool loaded() const { return real_ != nullptr; }
    void preload(const std::vector<std::string>& files) override {
        files_ = files;
        if (real_) real_->preload(files);
    }
    void stop() override {
        if (real_) real_->stop();
    }
    void play(const std::string& file, WaveFlags flags) override {
        if (real_) real_->play(file, flags);
    }

private:
    std::unique_ptr<SoundService> real_;
    std::vector<std::string> files_;
};

// The library's factory, exported under this name.
using MakeSoundService = SoundService* (*)();
inline constexpr const char* kMakeSoundServiceSymbol = "tapwell_make_sound_service";

// The sound from its library (from `path` when given); when it cannot be loaded, a
// silent one, and why says why.
std::unique_ptr<SoundService> loadSoundService(QString& why, const QString& path = {});

} // namespace tapwell
