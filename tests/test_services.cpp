// The random generator, PlayWave and the pause.
#include "files.h"
#include "io/wavefile.h"
#include "services/services.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

namespace tapwell {

namespace {

// Records what the program asks of the sound service.
class RecordingSound final : public Sound {
public:
    QStringList calls;
    void stop() override { calls << QStringLiteral("stop"); }
    void play(const std::string& file, WaveFlags flags) override {
        calls << QStringLiteral("play %1 %2")
                     .arg(QString::fromStdString(file), flags == WaveFlags::Async
                                                            ? QStringLiteral("Async")
                                                            : QStringLiteral("Wait"));
    }
};

std::vector<float> draws(std::uint32_t seed, int n) {
    SeededRandom random(seed);
    std::vector<float> out;
    for (int i = 0; i < n; ++i)
        out.push_back(random.next());
    return out;
}

} // namespace

class TestServices : public QObject {
    Q_OBJECT

private slots:
    void randomValuesStayBelowOne_data() {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("seed 0") << quint32(0);
        QTest::newRow("the last second of the day") << quint32(86399);
    }
    void randomValuesStayBelowOne() {
        QFETCH(quint32, seed);
        SeededRandom random(seed);
        float lowest = 1.0f, highest = 0.0f;
        double sum = 0;
        const int n = 1000000;
        for (int i = 0; i < n; ++i) {
            const float v = random.next();
            if (!(v >= 0.0f && v < 1.0f))
                QFAIL(
                    qPrintable(QStringLiteral("draw %1 gave %2").arg(i).arg(double(v), 0, 'g', 9)));
            lowest = std::min(lowest, v);
            highest = std::max(highest, v);
            sum += v;
        }
        // Spread over the whole range, evenly.
        QVERIFY(lowest < 0.001f && highest > 0.999f);
        QVERIFY(std::abs(sum / n - 0.5) < 0.005);
    }

    void sameSeedSameSequence() {
        QCOMPARE(draws(42, 1000), draws(42, 1000));
        QVERIFY(draws(42, 1000) != draws(43, 1000));
        QVERIFY(draws(0, 1000) != draws(1, 1000));
        SeededRandom random(42);
        random.next();
        random.reseed(42);
        QCOMPARE(random.next(), draws(42, 1).front());
    }

    void playWave_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("empty name does nothing") << "" << 1 << QStringList{};
        QTest::newRow("key sound: stop, then play at once")
            << "/data/ding.wav" << 1 << QStringList{"stop", "play /data/ding.wav Async"};
        QTest::newRow("end sound: stop, then play to its end")
            << "/data/tada.wav" << 0 << QStringList{"stop", "play /data/tada.wav Wait"};
    }
    void playWave() {
        QFETCH(QString, file);
        QFETCH(int, flags);
        QFETCH(QStringList, calls);
        RecordingSound sound;
        PlayWave(sound, file.toStdString(), flags);
        QCOMPARE(sound.calls, calls);
    }

    void delayWaitsByTheClock() {
        SteadyClock clock;
        SleepingPause pause(clock);
        const std::int64_t start = clock.ms();
        pause.Delay(0.5f);
        const std::int64_t waited = clock.ms() - start;
        QVERIFY2(waited >= 500 && waited < 2000, qPrintable(QString::number(waited)));
    }

    void delayOfNothingReturnsAtOnce() {
        SteadyClock clock;
        SleepingPause pause(clock);
        for (float seconds : {0.0f, -0.5f, -1.0f}) {
            const std::int64_t start = clock.ms();
            pause.Delay(seconds);
            QVERIFY2(clock.ms() - start < 50, qPrintable(QString::number(double(seconds))));
        }
    }

    // Our sounds are read by our own wave reader: the shipped files, and what it must
    // refuse without reading past the end.
    void waveFiles() {
        for (const char* name : {"ding.wav", "uhoh.wav", "tada.wav"}) {
            QFile f(QStringLiteral(TAPWELL_TEST_DATA_DIR) + "/" + name);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            const auto wave =
                parseWave(std::string_view(bytes.constData(), std::size_t(bytes.size())));
            QVERIFY2(wave, name);
            QCOMPARE(wave->channels, 1);
            QCOMPARE(wave->bitsPerSample, 16);
            QVERIFY(wave->dataOffset + wave->dataBytes <= std::size_t(bytes.size()));
            QVERIFY(wave->lengthMs() > 50 && wave->lengthMs() < 1200);
            // Cut anywhere, the file gives a shorter sound or none, never a read past it.
            for (qsizetype cut :
                 {qsizetype(0), qsizetype(11), qsizetype(30), qsizetype(44), bytes.size() / 2}) {
                const QByteArray part = bytes.left(cut);
                const auto w =
                    parseWave(std::string_view(part.constData(), std::size_t(part.size())));
                if (w) QVERIFY(w->dataOffset + w->dataBytes <= std::size_t(part.size()));
            }
        }
        QVERIFY(!parseWave("RIFF\x04\0\0\0WAVEdata\xff\xff\xff\xff")); // no format
        QByteArray adpcm("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x02\0\x01\0\x22\x56\0\0"
                         "\x44\xac\0\0\x02\0\x10\0data\x04\0\0\0\0\0\0\0",
                         48);
        QVERIFY(!parseWave(std::string_view(adpcm.constData(), 48))); // not plain PCM
        adpcm[20] = 1;
        const auto pcm = parseWave(std::string_view(adpcm.constData(), 48));
        QVERIFY(pcm);
        QCOMPARE(pcm->dataBytes, std::size_t(4));
    }

    // A sound that is not a plain wave file is refused, before it is read when it is not
    // a plain file: the key goes on with the desktop's beep, nothing waits on a pipe.
    void soundsThatAreNotPlainFiles_data() {
        test::addNotPlainFileRows();
        QTest::newRow("text, not a wave") << "text"
                                          << "it is not a PCM wave file";
    }
    void soundsThatAreNotPlainFiles() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ding.wav"));
        QVERIFY(kind == QLatin1String("text") ? test::writeFile(path, "RIFF, but only talk")
                                              : test::makeNotPlainFile(path, kind));
        std::string bytes, error;
        QVERIFY(!readWaveFile(path.toStdString(), bytes, error));
        QVERIFY2(error.starts_with(reason.toStdString()), error.c_str());
    }
};

} // namespace tapwell

QTEST_GUILESS_MAIN(tapwell::TestServices)
#include "test_services.moc"
