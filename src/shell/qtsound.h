// Wave files played through Qt Multimedia: one preloaded effect per file, a new sound
// cuts off the one before, and a sound played to its end keeps the window from taking
// input until then (the keys typed meanwhile wait their turn).
#pragma once

#include "services.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <vector>

class QSoundEffect;

namespace tapwell {

// The length of a PCM wave file in milliseconds, from its header; 0 when it is not one.
int waveLengthMs(const QString& file);

class QtSound final : public QObject, public Sound {
    Q_OBJECT
public:
    QtSound();
    ~QtSound() override;

    // Loads the files ahead of their first use, so the first key sounds at once.
    void preload(const std::vector<std::string>& files);
    void stop() override;
    void play(const std::string& file, WaveFlags flags) override;
    bool hasAudioDevice() const { return hasDevice_; }

private:
    QSoundEffect* effectFor(const QString& file);
    void waitMs(int ms, QSoundEffect* effect);

    QHash<QString, QSoundEffect*> effects_;
    QHash<QString, int> lengths_;
    QSoundEffect* current_ = nullptr;
    bool hasDevice_ = false;
};

} // namespace tapwell
