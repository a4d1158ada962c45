// The sound's plug-in, as the program loads it: tapwell-sound.so, a Qt plug-in that makes
// the sound on Qt Multimedia.
#pragma once

#include "services/soundservice.h"

#include <QtPlugin>

#include <memory>

namespace tapwell {

class SoundPlugin {
public:
    virtual ~SoundPlugin() = default;
    virtual std::unique_ptr<SoundService> makeSound() = 0;
};

} // namespace tapwell

#define TapwellSoundPlugin_iid "org.tapwell.SoundPlugin/1"
Q_DECLARE_INTERFACE(tapwell::SoundPlugin, TapwellSoundPlugin_iid)
