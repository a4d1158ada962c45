#include "qtvoice.h"

#include <QLocale>
#include <QTextToSpeech>

#include <memory>

namespace tapwell {

// The engine and what it says, on the voice's thread.
class Speaker final : public QObject {
public:
    explicit Speaker(const std::atomic<unsigned>& newest) : newest_(newest) {}

    // Made as soon as the thread runs, so that the first utterance need not wait for it.
    void start() { engine(); }

    void say(unsigned number, const QString& text, const QString& language) {
        if (number != newest_.load()) return; // a newer one is on its way
        QTextToSpeech* e = engine();
        if (!e) return;
        useLanguage(*e, language);
        e->stop(); // a new utterance cuts off the one before
        e->say(text);
    }

    void stop() {
        if (engine_) engine_->stop();
    }

private:
    // The engine, or null where there is no speech service at all.
    QTextToSpeech* engine() {
        if (failed_) return nullptr;
        if (!engine_) {
            engine_ = std::make_unique<QTextToSpeech>();
            if (engine_->state() == QTextToSpeech::Error) {
                failed_ = true; // silence, for the rest of the run
                engine_.reset();
            }
        }
        return engine_.get();
    }

    // The child's language where the engine has it, else English, else as it is.
    void useLanguage(QTextToSpeech& e, const QString& language) {
        if (language == language_) return;
        language_ = language;
        const QLocale wanted(language);
        QLocale chosen = e.locale();
        for (const QLocale& l : e.availableLocales())
            if (l.language() == wanted.language()) {
                chosen = l;
                break;
            } else if (l.language() == QLocale::English && chosen.language() != QLocale::English)
                chosen = l;
        e.setLocale(chosen);
    }

    const std::atomic<unsigned>& newest_;
    std::unique_ptr<QTextToSpeech> engine_;
    QString language_;
    bool failed_ = false;
};

QtVoice::QtVoice() {
    speaker_ = new Speaker(newest_);
    speaker_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, speaker_, &QObject::deleteLater);
    thread_.setObjectName(QStringLiteral("tapwell voice"));
    thread_.start(QThread::LowPriority);
    QMetaObject::invokeMethod(
        speaker_, [s = speaker_] { s->start(); }, Qt::QueuedConnection);
}

QtVoice::~QtVoice() {
    stop();
    thread_.quit();
    thread_.wait();
}

void QtVoice::say(const std::string& text, const std::string& language) {
    const unsigned number = ++newest_;
    QMetaObject::invokeMethod(
        speaker_,
        [s = speaker_, number, t = QString::fromStdString(text),
         l = QString::fromStdString(language)] { s->say(number, t, l); },
        Qt::QueuedConnection);
}

void QtVoice::stop() {
    ++newest_; // whatever waits is not said
    QMetaObject::invokeMethod(
        speaker_, [s = speaker_] { s->stop(); }, Qt::QueuedConnection);
}

} // namespace tapwell
