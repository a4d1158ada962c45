// The voice's plug-in, as the program loads it: tapwell-speech.so, a Qt plug-in that
// speaks through Qt TextToSpeech (the desktop's speech service).
#pragma once

#include "services/voice.h"

#include <QtPlugin>

#include <memory>

namespace tapwell {

class SpeechPlugin {
public:
    virtual ~SpeechPlugin() = default;
    virtual std::unique_ptr<Voice> makeVoice() = 0;
};

} // namespace tapwell

#define TapwellSpeechPlugin_iid "org.tapwell.SpeechPlugin/1"
Q_DECLARE_INTERFACE(tapwell::SpeechPlugin, TapwellSpeechPlugin_iid)
