#include "qtvoice.h"

#include <QLocale>
#include <QTextToSpeech>

namespace tapwell {

QtVoice::QtVoice() = default;
QtVoice::~QtVoice() = default;

QTextToSpeech* QtVoice::engineFor(const QString& language) {
    if (failed_) return nullptr;
    if (!engine_) {
        engine_ = std::make_unique<QTextToSpeech>();
        if (engine_->state() == QTextToSpeech::Error) {
            failed_ = true; // no speech service: silence, for the rest of the run
            engine_.reset();
            return nullptr;
        }
    }
    if (language != language_) {
        language_ = language;
        // The child's language where the engine has it, else English, else as it is.
        const QLocale wanted(language);
        QLocale chosen = engine_->locale();
        for (const QLocale& l : engine_->availableLocales())
            if (l.language() == wanted.language()) {
                chosen = l;
                break;
            } else if (l.language() == QLocale::English && chosen.language() != QLocale::English)
                chosen = l;
        engine_->setLocale(chosen);
    }
    return engine_.get();
}

void QtVoice::say(const std::string& text, const std::string& language) {
    if (QTextToSpeech* engine = engineFor(QString::fromStdString(language))) {
        // A new utterance cuts off the one before.
        engine->stop();
        engine->say(QString::fromStdString(text));
    }
}

void QtVoice::stop() {
    if (engine_) engine_->stop();
}

} // namespace tapwell
