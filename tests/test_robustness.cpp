// What goes wrong on a real machine and what a child can press: damaged and huge files,
// a settings write that fails or is killed half way, missing sounds and help, no audio
// device, and every key and click in every state.
#include "files.h"
#include "harness.h"
#include "shipped.h"

#include "io/settings.h"
#include "io/settingsfile.h"
#include "shell/app.h"
#include "shell/helpviewer.h"
#include "shell/windowstate.h"
#include "sound/qtsound.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tapwell;
using namespace tapwell::test;

namespace {} // namespace

class TestRobustness : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void keyDataWithANulByte();
    void keyDataWithAHugeTail();
    void aDamagedKeyDataStopsTheProgramWithAMessage();
    void settingsFilesThatAreNotSettings_data();
    void settingsFilesThatAreNotSettings();
    void aSettingsFileThatCannotBeReadGivesTheDefaults();
    void anOptionsFileThatIsAPipeIsLeftAlone();
    void aFailedSaveAtExitNamesTheFileAndKeepsTheOldOne();
    void killedWhileSavingLeavesTheOldOrTheNewLine();
    void missingSoundsAndNoAudioDevice();
    void aMissingHelpFileIsSaidSo();
    void everyKeyInEveryState();
    void clicksOnEveryControlWhileTyping();
    void keysDuringThePauseAreJudgedAfterwards();

private:
    std::unique_ptr<QTemporaryDir> config_;
};

void TestRobustness::initTestCase() {
    // The settings file is found by the program's name.
    QCoreApplication::setApplicationName(QStringLiteral("tapwell"));
}

void TestRobustness::init() {
    config_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
}

void TestRobustness::keyDataWithANulByte() {
    QByteArray bytes = shippedKeyData();
    bytes.insert(bytes.indexOf("\"glad\"") + 2, '\0');
    KeyTables t;
    KeyDataError error;
    QVERIFY(!readKeyData(std::string_view(bytes.constData(), std::size_t(bytes.size())), t, error));
    QCOMPARE(error.entry, std::string("WordList(1, 13)"));
    QVERIFY2(error.found.find("\\x00") != std::string::npos, error.found.c_str());
    QVERIFY(t.WordList(1, 13).empty());
}

void TestRobustness::keyDataWithAHugeTail() {
    // 100 MB after the last value, none of it valid data: the reader stops at value 850.
    QByteArray bytes = shippedKeyData();
    bytes.append(QByteArray(100 * 1024 * 1024, '"'));
    KeyTables t;
    KeyDataError error;
    QVERIFY2(readKeyData(std::string_view(bytes.constData(), std::size_t(bytes.size())), t, error),
             error.message().c_str());
    QCOMPARE(t.WordList(1, 13), std::string("glad"));
}

void TestRobustness::aDamagedKeyDataStopsTheProgramWithAMessage() {
    // A data folder of its own, with the shipped files and a key.dat cut short: other
    // tests read the data beside the test programs at the same time.
    QTemporaryDir data;
    QVERIFY(data.isValid());
    for (const char* name : {"tapwell1.ini", "tapwell.hlp", "ding.wav", "uhoh.wav", "tada.wav"})
        QVERIFY(QFile::copy(QString::fromStdString(dataDir() + name), data.filePath(name)));
    const QString keyDat = data.filePath(QStringLiteral("key.dat"));
    const QByteArray good = shippedKeyData();
    QVERIFY(good.size() > 1000);
    QVERIFY(writeFile(keyDat, good.left(1000)));
    BoxCloser closer;
    int status = -1;
    {
        App app;
        app.endProgram = [&status](int s) { status = s; };
        app.globals().AppPath = data.path().toStdString() + "/";
        app.openMain();
        QVERIFY(app.main());
        QVERIFY(!app.main()->isVisible());
    }
    QCOMPARE(status, 1);
    QCOMPARE(closer.boxes, 1);
    QVERIFY2(closer.text.contains(keyDat), qPrintable(closer.text));
    QVERIFY2(closer.text.contains(QLatin1String("expected")), qPrintable(closer.text));
}

void TestRobustness::settingsFilesThatAreNotSettings_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("read");
    QTest::newRow("empty") << QByteArray() << "1,0,0,0,0,1";
    QTest::newRow("garbage") << QByteArray("\x01\x02\xff garbage") << "1,0,0,0,0,1";
    QTest::newRow("six values and more") << QByteArray("0,1,0,0,1,0,9,9,9\r\n") << "0,1,0,0,1,0";
    QTest::newRow("one enormous line") << QByteArray(20 * 1024 * 1024, '1') << "1,0,0,0,0,1";
    QTest::newRow("six values, then megabytes")
        << "1,1,1,1,1,1," + QByteArray(5 << 20, 'x') << "1,0,0,0,0,1"; // too big: not ours
}

void TestRobustness::settingsFilesThatAreNotSettings() {
    QFETCH(QByteArray, file);
    QFETCH(QString, read);
    QVERIFY(writeFile(userSettingsPath(), file));
    Module1 m;
    m.AppPath = dataDir();
    loadSettings(m);
    QCOMPARE(QString::fromStdString(formatSettings(m)).trimmed(), read);
}

void TestRobustness::aSettingsFileThatCannotBeReadGivesTheDefaults() {
    // A folder where the file should be cannot be read, not even by root.
    QVERIFY(QDir().mkpath(userSettingsPath()));
    Module1 m;
    m.AppPath = dataDir();
    m.KeySound = 0;
    loadSettings(m);
    QCOMPARE(QString::fromStdString(formatSettings(m)), QStringLiteral("1,0,0,0,0,1\r\n"));
}

void TestRobustness::anOptionsFileThatIsAPipeIsLeftAlone() {
    // Read through QSettings, a named pipe would keep the start waiting for ever.
    QVERIFY(QDir().mkpath(QFileInfo(optionsFilePath()).absolutePath()));
    QFile::remove(optionsFilePath());
    QCOMPARE(mkfifo(QFile::encodeName(optionsFilePath()).constData(), 0600), 0);
    App app;
    app.endProgram = [](int) {};
    app.openMain(); // restores the window's size from the options file
    QVERIFY(app.main()->isVisible());
    QCOMPARE(app.main()->size(), FrmType::laidOutSize());
    saveWindowSize(app.main());
    QVERIFY(!QFileInfo(optionsFilePath()).isFile()); // still the pipe, not replaced
    QFile::remove(optionsFilePath());
}

void TestRobustness::aFailedSaveAtExitNamesTheFileAndKeepsTheOldOne() {
    QVERIFY(writeFile(userSettingsPath(), "1,1,0,0,0,1\r\n"));
    App app;
    int status = -1;
    app.endProgram = [&status](int s) { status = s; };
    app.openMain();
    QTest::mouseClick(controlsOf(*app.main()).cmdMenu[2], Qt::LeftButton);
    QTest::mouseClick(controlsOf(*app.main()).chkRow[2], Qt::LeftButton);
    BoxCloser closer;
    {
        FileSizeLimit full(0);
        QTest::mouseClick(controlsOf(*app.main()).cmdExit, Qt::LeftButton);
    }
    QCOMPARE(closer.boxes, 1);
    QVERIFY2(closer.text.contains(userSettingsPath()), qPrintable(closer.text));
    QCOMPARE(readFile(userSettingsPath()), QByteArray("1,1,0,0,0,1\r\n"));
    QVERIFY(!app.main()->isVisible()); // the program ends all the same
    QCOMPARE(status, 1);
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(QFileInfo(userSettingsPath()).absolutePath()).entryList(QDir::Files).size(), 1);
}

void TestRobustness::killedWhileSavingLeavesTheOldOrTheNewLine() {
    const QString writer =
        QCoreApplication::applicationDirPath() + QStringLiteral("/settings_writer");
    QVERIFY(QFileInfo::exists(writer));
    const QByteArray a("1,0,0,0,0,1\r\n"), b("1,1,1,1,1,0\r\n");
    for (int round = 0; round < 20; ++round) {
        QProcess p;
        p.setProgram(writer);
        p.start();
        QVERIFY(p.waitForReadyRead(10000)); // it has written once
        QTest::qWait(QRandomGenerator::global()->bounded(1, 30));
        p.kill();
        QVERIFY(p.waitForFinished(10000));
        const QByteArray left = readFile(userSettingsPath());
        QVERIFY2(left == a || left == b, left.constData());
    }
}

void TestRobustness::missingSoundsAndNoAudioDevice() {
    QtSound sound;
    // The tests run with no sound server: every call is silent, and quick.
    QVERIFY(!sound.hasAudioDevice());
    sound.preload({"/nonexistent/ding.wav", dataDir() + "ding.wav"});
    QElapsedTimer t;
    t.start();
    PlayWave(sound, "/nonexistent/uhoh.wav", 1);
    PlayWave(sound, "/nonexistent/tada.wav", 0); // a missing file does not wait
    PlayWave(sound, dataDir() + "ding.wav", 1);
    QVERIFY(t.elapsed() < 1000);
    // Played to its end, a file still takes about its own length, and no more.
    const int length = waveLengthMs(QString::fromStdString(dataDir() + "tada.wav"));
    QVERIFY(length > 500 && length < 1200);
    t.restart();
    PlayWave(sound, dataDir() + "tada.wav", 0);
    QVERIFY(t.elapsed() >= length - 20);
    QVERIFY(t.elapsed() < length + 2000);
}

void TestRobustness::aMissingHelpFileIsSaidSo() {
    HelpViewer viewer;
    viewer.openContents(QStringLiteral("/nonexistent/tapwell.hlp"));
    const QString text = viewer.browser()->toPlainText();
    QVERIFY(text.contains(QLatin1String("missing")));
    QVERIFY(text.contains(QLatin1String("/nonexistent/tapwell.hlp")));
    viewer.openContents(QString::fromStdString(dataDir() + "tapwell.hlp"));
    QVERIFY(viewer.browser()->toPlainText().contains(QLatin1String("Contents")));
}

namespace {

// Presses every key Qt knows of, with and without modifiers and text, into the focus.
void pressEverything(Fixture& f) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : f.window.get();
    const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                          Qt::AltModifier};
    QList<int> keys;
    for (int k = Qt::Key_Space; k <= Qt::Key_AsciiTilde; ++k)
        keys << k;
    for (int k = Qt::Key_Escape; k <= Qt::Key_F35; ++k)
        keys << k;
    for (Qt::KeyboardModifiers m : mods)
        for (int k : keys) {
            if (k == Qt::Key_F1 || (m == Qt::AltModifier && k >= Qt::Key_A && k <= Qt::Key_Z))
                continue; // help and the buttons' access keys are for the click test
            if (!QApplication::focusWidget() && !f.window->isVisible()) return;
            target = QApplication::focusWidget() ? QApplication::focusWidget() : f.window.get();
            const QString text =
                (k >= Qt::Key_Space && k <= Qt::Key_AsciiTilde && m != Qt::ControlModifier)
                    ? QString(QChar(k)).toLower()
                    : QString();
            QKeyEvent press(QEvent::KeyPress, k, m, text);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, k, m, text);
            QApplication::sendEvent(target, &release);
        }
    // Key repeat held for ten seconds: 300 repeats of one key.
    for (int i = 0; i < 300; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_J, Qt::NoModifier, QStringLiteral("j"), true);
        QApplication::sendEvent(
            QApplication::focusWidget() ? QApplication::focusWidget() : f.window.get(), &repeat);
    }
}

// What must hold in any state.
void checkState(Fixture& f) {
    FrmType& w = f.w();
    QVERIFY(w.state().LinePos >= 0 && w.state().LinePos <= w.state().LineLen);
    QVERIFY(w.state().LineLen <= kLineSlots);
    QVERIFY(w.state().PracticeIndex >= 0 && w.state().PracticeIndex <= 4);
    QVERIFY(w.state().PressCount >= 0 && w.state().PressCount < 3);
    if (w.state().Typing == 1 &&
        (w.state().Mode == kCharacterDrill || w.state().Mode == kWordDrill))
        QCOMPARE(int(w.state().TargetKey), int(w.state().LineChars(w.state().LinePos)));
}

} // namespace

void TestRobustness::everyKeyInEveryState() {
    Fixture f("1,1,1,1,1,1");
    f.sound.record = false;
    BoxCloser closer;
    FrmType& w = f.w();
    const auto states = std::vector<std::function<void()>>{
        [&] {}, // the menu
        [&] { Fixture::click(controlsOf(w).cmdMenu[2]); },
        [&] { Fixture::click(controlsOf(w).cmdOK); }, // a Character Drill line
        [&] {
            Fixture::click(controlsOf(w).cmdStop[1]);
            Fixture::click(controlsOf(w).cmdMenu[3]);
            Fixture::click(controlsOf(w).cmdOK);
        },
        [&] {
            Fixture::click(controlsOf(w).cmdStop[1]);
            Fixture::click(controlsOf(w).cmdMenu[1]);
            Fixture::click(controlsOf(w).cmdOK);
        },
        [&] {
            Fixture::click(controlsOf(w).cmdStop[1]);
            Fixture::click(controlsOf(w).cmdMenu[4]);
            Fixture::click(controlsOf(w).cmdOK);
        },
        [&] {
            Fixture::click(controlsOf(w).cmdStop[2]);
            Fixture::click(controlsOf(w).cmdStop[2]);
            Fixture::click(controlsOf(w).cmdMenu[0]);
            Fixture::click(controlsOf(w).cmdLearn[0]);
        },
        [&] {
            for (int i = 0; i < 8; ++i)
                Fixture::click(controlsOf(w).cmdNext[1]);
        }, // the Enter page
        [&] {
            Fixture::click(controlsOf(w).cmdStop[0]);
            Fixture::click(controlsOf(w).cmdLearn[3]);
            Fixture::click(controlsOf(w).cmdNext[1]);
            Fixture::click(controlsOf(w).cmdNext[1]);
        }, // a row practice
    };
    for (const auto& enter : states) {
        enter();
        pressEverything(f);
        checkState(f);
    }
    // Still a working program: a drill line can be typed to its end.
    Fixture::click(controlsOf(w).cmdStop[0]);
    Fixture::click(controlsOf(w).cmdStop[0]);
    Fixture::click(controlsOf(w).cmdMenu[2]);
    Fixture::click(controlsOf(w).cmdOK);
    int keys = 0;
    while (w.state().Typing == 1 && keys++ < 100)
        f.type(w.state().TargetKey);
    QCOMPARE(int(w.state().Typing), 0);
    QVERIFY(controlsOf(w).lblSpeed->text().endsWith(QLatin1String("% accuracy")));
}

void TestRobustness::clicksOnEveryControlWhileTyping() {
    Fixture f("1,1,1,1,1,1");
    f.sound.record = false;
    BoxCloser closer;
    FrmType& w = f.w();
    for (int mode : {kCharacterDrill, kWordDrill, kKeyboardPractice, kTimedDrill, kLearnKeyboard}) {
        Fixture::click(controlsOf(w).cmdMenu[static_cast<std::size_t>(mode)]);
        if (mode == kLearnKeyboard) {
            Fixture::click(controlsOf(w).cmdLearn[1]);
            Fixture::click(controlsOf(w).cmdNext[1]);
            Fixture::click(controlsOf(w).cmdNext[1]);
        } else {
            Fixture::click(controlsOf(w).cmdOK);
        }
        for (int round = 0; round < 3; ++round) {
            f.type(w.state().TargetKey);
            const auto controls = w.findChildren<QAbstractButton*>();
            for (QAbstractButton* b : controls) {
                if (!b->isVisible() || !b->isEnabled() || b == controlsOf(w).cmdExit) continue;
                if (std::find(controlsOf(w).cmdStop.begin(), controlsOf(w).cmdStop.end(), b) !=
                    controlsOf(w).cmdStop.end())
                    continue; // Stop ends the state under test; it has its own tests
                if (std::find(controlsOf(w).cmdMenu.begin(), controlsOf(w).cmdMenu.end(), b) !=
                        controlsOf(w).cmdMenu.end() ||
                    std::find(controlsOf(w).cmdLearn.begin(), controlsOf(w).cmdLearn.end(), b) !=
                        controlsOf(w).cmdLearn.end())
                    continue;
                Fixture::click(b);
                checkState(f);
            }
        }
        for (SSCommand* stop : controlsOf(w).cmdStop)
            if (stop->isVisible()) Fixture::click(stop);
        for (SSCommand* stop : controlsOf(w).cmdStop)
            if (stop->isVisible()) Fixture::click(stop);
        QVERIFY(controlsOf(w).fraMenu->isVisible());
    }
    QVERIFY(closer.boxes > 0); // the on-screen keys warned
}

void TestRobustness::keysDuringThePauseAreJudgedAfterwards() {
    // In the program the pause sleeps and the keys wait in the window system's queue;
    // here they wait in Qt's queue, and come in after the handler, in order.
    struct QueueingPause : Pause {
        QWidget* target = nullptr;
        QString keys;
        void Delay(float) override {
            for (QChar c : keys)
                QCoreApplication::postEvent(
                    target, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(c)));
            keys.clear();
        }
    };
    Fixture f;
    QueueingPause pause;
    f.window.reset();
    f.window =
        std::make_unique<FrmType>(f.g, Services{&f.clock, &f.random, &f.sound, &pause}, &f.shell);
    std::string error;
    QVERIFY(f.window->Form_Load(error));
    f.window->show();
    FrmType& w = f.w();
    Fixture::click(controlsOf(w).cmdMenu[0]);
    Fixture::click(controlsOf(w).cmdLearn[1]);
    Fixture::click(controlsOf(w).cmdNext[1]);
    Fixture::click(controlsOf(w).cmdNext[1]);
    pause.target = controlsOf(w).picDisplay;
    QCOMPARE(int(w.state().TargetKey), int('a'));
    pause.keys = QStringLiteral("sxs"); // typed during the pause after the third a
    f.type('a');
    f.type('a');
    f.type('a');
    QCOMPARE(int(w.state().RightCount), 3);
    QCoreApplication::processEvents();
    QCOMPARE(int(w.state().TargetKey), int('s'));
    QCOMPARE(int(w.state().RightCount), 5);
    QCOMPARE(int(w.state().ErrorCount), 1);
    QCOMPARE(int(w.state().PressCount), 2);
}

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
