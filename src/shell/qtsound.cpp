#include "qtsound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <algorithm>

namespace tapwell {

Q_LOGGING_CATEGORY(lcSound, "tapwell.sound")

int waveLengthMs(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray head = f.read(4096);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return 0;
    quint32 byteRate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= head.size()) {
        const QByteArray id = head.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + pos + 4);
        if (id == "fmt " && pos + 16 <= head.size())
            byteRate = qFromLittleEndian<quint32>(head.constData() + pos + 16);
        if (id == "data") {
            if (byteRate == 0) return 0;
            const quint64 bytes = std::min<quint64>(size, static_cast<quint64>(f.size()));
            return static_cast<int>(std::min<quint64>(bytes * 1000 / byteRate, 60000));
        }
        pos += 8 + static_cast<qsizetype>(size) + (size & 1);
    }
    return 0;
}

QtSound::QtSound() {
    hasDevice_ = !QMediaDevices::defaultAudioOutput().isNull();
    if (!hasDevice_) qCInfo(lcSound) << "no audio device: sounds are silent";
}

QtSound::~QtSound() = default;

void QtSound::preload(const std::vector<std::string>& files) {
    for (const std::string& f : files)
        effectFor(QString::fromStdString(f));
}

QSoundEffect* QtSound::effectFor(const QString& file) {
    if (const auto it = effects_.constFind(file); it != effects_.constEnd()) return it.value();
    QSoundEffect* effect = nullptr;
    if (QFileInfo::exists(file)) {
        lengths_.insert(file, waveLengthMs(file));
        if (hasDevice_) {
            effect = new QSoundEffect(this);
            effect->setSource(QUrl::fromLocalFile(file));
        }
    } else {
        qCWarning(lcSound) << "missing sound file" << file;
    }
    effects_.insert(file, effect);
    return effect;
}

void QtSound::stop() {
    if (current_) current_->stop();
    current_ = nullptr;
}

void QtSound::play(const std::string& name, WaveFlags flags) {
    const QString file = QString::fromStdString(name);
    QSoundEffect* effect = effectFor(file);
    if (!lengths_.contains(file)) {
        // A missing file: the desktop's own beep in its place.
        QApplication::beep();
        return;
    }
    if (effect) {
        current_ = effect;
        effect->play();
    }
    if (flags == WaveFlags::Wait) waitMs(lengths_.value(file), effect);
}

void QtSound::waitMs(int ms, QSoundEffect* effect) {
    // Bounded by the file's own length: without a sound server an effect can report
    // that it plays for ever.
    QEventLoop loop;
    QTimer::singleShot(ms + 50, &loop, &QEventLoop::quit);
    if (effect)
        connect(effect, &QSoundEffect::playingChanged, &loop, [&loop, effect] {
            if (!effect->isPlaying()) loop.quit();
        });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tapwell
