// Wave files played through Qt Multimedia. Every file is read once; each play opens a
// fresh output stream, so a new sound cuts off the one before and starts at once. A
// sound played to its end keeps the window from taking input until then: the keys
// typed meanwhile wait their turn.
//
// The streams live on a thread of their own: closing one runs an event loop inside Qt
// Multimedia, which on the window's thread would hand it keys in the middle of judging
// another.
#pragma once

#include "services/soundservice.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QThread>

#include <memory>
#include <vector>

class QAudioSink;
class QBuffer;

namespace tapwell {

// Plays one sound at a time on the sound thread.
class SoundPlayer final : public QObject {
    Q_OBJECT
public:
    SoundPlayer();
    ~SoundPlayer() override;
    void play(const QByteArray& samples, const QAudioFormat& format);
    void stop();

private:
    void finished();
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> source_;
};

// The length of a PCM wave file in milliseconds; 0 when it is not one.
int waveLengthMs(const QString& file);

class QtSound final : public QObject, public SoundService {
    Q_OBJECT
public:
    QtSound();
    ~QtSound() override;

    void preload(const std::vector<std::string>& files) override;
    void stop() override;
    void play(const std::string& file, WaveFlags flags) override;
    bool hasAudioDevice() const { return hasDevice_; }

private:
    struct Clip {
        QAudioFormat format;
        QByteArray samples; // the sound, then a tail of silence
        int lengthMs = 0;
    };
    const Clip* clipFor(const QString& file);
    void waitMs(int ms);

    QHash<QString, std::shared_ptr<Clip>> clips_; // a null entry: no playable file
    QThread thread_;
    SoundPlayer* player_ = nullptr; // lives on thread_
    bool hasDevice_ = false;
};

} // namespace tapwell
