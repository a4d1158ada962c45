// The program's sound, as the windows see it: the Sound service with its files read
// ahead. The real one (Qt Multimedia, src/sound/qtsound.h) is the plug-in tapwell-sound.so,
// loaded when the main window first opens; the start-up window never waits for it.
#pragma once

#include "services/services.h"

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

} // namespace tapwell
