// The voice on Qt TextToSpeech: the engine made on first use, a voice of the child's
// language where it has one, else English, else silence; never an error box, never a wait.
#pragma once

#include "services/voice.h"

#include <QString>

#include <memory>

class QTextToSpeech;

namespace tapwell {

class QtVoice final : public Voice {
public:
    QtVoice();
    ~QtVoice() override;
    void say(const std::string& text, const std::string& language) override;
    void stop() override;

private:
    // The engine in the language, or null where there is none at all.
    QTextToSpeech* engineFor(const QString& language);

    std::unique_ptr<QTextToSpeech> engine_;
    QString language_;
    bool failed_ = false;
};

} // namespace tapwell
