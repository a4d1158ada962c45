// Tapwell's own voice, for a child who cannot read yet: a text said aloud in a language.
// The real one (Qt TextToSpeech, src/speech) is the plug-in tapwell-speech.so, loaded
// after the main window shows; tests record what would be said.
#pragma once

#include <memory>
#include <string>

namespace tapwell {

class Voice {
public:
    virtual ~Voice() = default;
    // Says text in language ("de", "pt_BR"), cutting off whatever it was saying: nothing
    // queues behind a child who types fast. Never waits.
    virtual void say(const std::string& text, const std::string& language) = 0;
    virtual void stop() = 0;
};

// The loaded voice; until it is loaded, the last thing asked for waits and is said then
// (a child who ticks "Talk to me" and at once opens a drill still hears what to do).
class LateVoice final : public Voice {
public:
    void set(std::unique_ptr<Voice> voice) {
        real_ = std::move(voice);
        if (real_ && !waiting_.empty()) real_->say(waiting_, waitingLanguage_);
        waiting_.clear();
    }
    bool loaded() const { return real_ != nullptr; }
    void say(const std::string& text, const std::string& language) override {
        if (real_) {
            real_->say(text, language);
        } else {
            waiting_ = text;
            waitingLanguage_ = language;
        }
    }
    void stop() override {
        waiting_.clear();
        if (real_) real_->stop();
    }

private:
    std::unique_ptr<Voice> real_;
    std::string waiting_, waitingLanguage_;
};

} // namespace tapwell
