#include "sound/qtsound.h"
#include "logging.h"

#include "io/wavefile.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QTimer>

namespace tapwell {

namespace {

// The sound server plays what it holds only while the stream is open, so each sound is
// followed by silence long enough for its end to be heard.
constexpr int kSilentTailMs = 250;
// A sound reaches the speaker this long after it starts (the stream's set-up and the
// server's buffer); a wait for its end allows for it.
constexpr int kOutputDelayMs = 80;

std::optional<WaveInfo> readWave(const QString& file, std::string& bytes, std::string& error) {
    return readWaveFile(QFile::encodeName(file).toStdString(), bytes, error);
}

} // namespace

int waveLengthMs(const QString& file) {
    std::string bytes, error;
    const auto wave = readWave(file, bytes, error);
    return wave ? wave->lengthMs() : 0;
}

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer() {
    stop();
}

void SoundPlayer::play(const QByteArray& samples, const QAudioFormat& format) {
    stop();
    source_ = std::make_unique<QBuffer>();
    source_->setData(samples);
    source_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState) // all played: close the stream, no timer left running
            QMetaObject::invokeMethod(this, &SoundPlayer::finished, Qt::QueuedConnection);
    });
    sink_->start(source_.get());
}

void SoundPlayer::finished() {
    if (sink_ && sink_->state() == QAudio::IdleState) stop();
}

void SoundPlayer::stop() {
    // Closing a stream runs an event loop, which may start the next sound here and now:
    // take the old stream and its source out first, and let the source outlive the
    // stream that reads it.
    std::unique_ptr<QAudioSink> sink = std::move(sink_);
    std::unique_ptr<QBuffer> source = std::move(source_);
    if (sink) {
        sink->disconnect(this);
        sink->stop();
        sink.reset();
    }
    source.reset();
}

QtSound::QtSound() {
    hasDevice_ = !QMediaDevices::defaultAudioOutput().isNull();
    if (!hasDevice_) {
        qCInfo(lcSound) << "no audio device: sounds are silent";
        return;
    }
    thread_.setObjectName(QStringLiteral("tapwell sound"));
    player_ = new SoundPlayer;
    player_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, player_, &QObject::deleteLater);
    thread_.start();
}

QtSound::~QtSound() {
    if (player_) {
        QMetaObject::invokeMethod(player_, &SoundPlayer::stop, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
}

void QtSound::preload(const std::vector<std::string>& files) {
    for (const std::string& f : files)
        clipFor(QString::fromStdString(f));
}

const QtSound::Clip* QtSound::clipFor(const QString& file) {
    if (const auto it = clips_.constFind(file); it != clips_.constEnd()) return it.value().get();
    std::shared_ptr<Clip> clip;
    std::string bytes, error;
    if (const auto wave = readWave(file, bytes, error)) {
        clip = std::make_shared<Clip>();
        clip->format.setSampleRate(wave->sampleRate);
        clip->format.setChannelCount(wave->channels);
        clip->format.setSampleFormat(wave->bitsPerSample == 8 ? QAudioFormat::UInt8
                                                              : QAudioFormat::Int16);
        clip->lengthMs = wave->lengthMs();
        clip->samples =
            QByteArray(bytes.data() + wave->dataOffset, static_cast<qsizetype>(wave->dataBytes));
        const qsizetype tail = clip->format.bytesForDuration(kSilentTailMs * 1000);
        clip->samples.append(tail, wave->bitsPerSample == 8 ? char(0x80) : char(0));
    } else {
        qCWarning(lcSound).noquote()
            << "cannot play" << file << ":" << QString::fromStdString(error);
    }
    clips_.insert(file, clip);
    return clip.get();
}

void QtSound::stop() {
    if (player_) QMetaObject::invokeMethod(player_, &SoundPlayer::stop, Qt::QueuedConnection);
}

void QtSound::play(const std::string& name, WaveFlags flags) {
    const Clip* clip = clipFor(QString::fromStdString(name));
    if (!clip) {
        // A file that cannot be played: the desktop's own beep in its place.
        QApplication::beep();
        return;
    }
    if (player_) {
        const QByteArray samples = clip->samples;
        const QAudioFormat format = clip->format;
        SoundPlayer* player = player_;
        QMetaObject::invokeMethod(
            player_, [player, samples, format] { player->play(samples, format); },
            Qt::QueuedConnection);
    }
    if (flags == WaveFlags::Wait) waitMs(clip->lengthMs + (hasDevice_ ? kOutputDelayMs : 0));
}

void QtSound::waitMs(int ms) {
    // Other events go on (the window repaints); keys and clicks wait in their queue.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tapwell
