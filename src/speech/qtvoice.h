// The voice on Qt TextToSpeech. The engine lives on a thread of its own: making it asks the
// speech service for every voice it has (seconds with espeak-ng's thousands), and no key
// may wait for that. A voice of the child's language where the engine has one, else
// English, else silence; never an error box, never a wait.
#pragma once

#include "services/voice.h"

#include <QThread>

#include <atomic>

namespace tapwell {

class Speaker;

class QtVoice final : public Voice {
public:
    QtVoice();
    ~QtVoice() override;
    void say(const std::string& text, const std::string& language) override;
    void stop() override;

private:
    QThread thread_;
    Speaker* speaker_ = nullptr; // lives on thread_, deleted when it finishes
    // The newest utterance's number: an older one still waiting on the thread is dropped,
    // so nothing queues behind a child who types fast.
    std::atomic<unsigned> newest_{0};
};

} // namespace tapwell
