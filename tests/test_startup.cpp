// The program from its start: the About window, "&OK" to the menu screen, "Info?",
// Exit writing the options, and a damaged key.dat stopping the start-up.
#include "files.h"
#include "io/settingsfile.h"
#include "services/soundservice.h"
#include "shell/app.h"
#include "shell/plugins.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tapwell;
using namespace tapwell::test;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fromTheAboutWindowToTheMenu();
    void infoThenOkReadsNothingAgain();
    void exitWritesTheOptionsBack();
    void aBadSettingsFileGivesTheDefaults();
    void closingTheAboutWindowFirstEndsTheProgram();
    void theSoundComesFromItsLibraryOrIsSilent();

private:
    std::unique_ptr<QTemporaryDir> config_;
};

void TestStartup::init() {
    config_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
}

void TestStartup::fromTheAboutWindowToTheMenu() {
    QVERIFY(writeFile(userSettingsPath(), "1,0,1,0,1,1\r\n"));
    App app;
    QCOMPARE(app.about()->windowTitle(), QStringLiteral("About Tapwell"));
    QCOMPARE(app.about()->size(), QSize(469, 239));
    app.about()->show();
    QVERIFY(QTest::qWaitForWindowActive(app.about()));
    QCOMPARE(QApplication::focusWidget(), app.about()->Command1);
    QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
    QVERIFY(!app.about()->isVisible());
    QVERIFY(app.main());
    FrmType& w = *app.main();
    QVERIFY(w.isVisible());
    QVERIFY(controlsOf(w).fraMenu->isVisible());
    QCOMPARE(int(w.state().RowCount), 2);
    QVERIFY(controlsOf(w).chkRow[0]->isChecked() && controlsOf(w).chkRow[2]->isChecked());
    QVERIFY(controlsOf(w).chkUC->isChecked() && controlsOf(w).chkSound->isChecked());
    QCOMPARE(int(w.state().WordList(1, 1).size() > 0), 1);
}

void TestStartup::infoThenOkReadsNothingAgain() {
    App app;
    app.openMain();
    FrmType& w = *app.main();
    QTest::mouseClick(controlsOf(w).cmdMenu[2], Qt::LeftButton);
    QTest::mouseClick(controlsOf(w).chkRow[1], Qt::LeftButton);
    QVERIFY(writeFile(userSettingsPath(), "0,0,0,1,0,0\r\n"));
    QTest::mouseClick(controlsOf(w).Command1, Qt::LeftButton);
    QVERIFY(app.about()->isVisible());
    QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
    QCOMPARE(app.main(), &w);
    QVERIFY(controlsOf(w).chkRow[1]->isChecked());
    QCOMPARE(int(app.globals().RowSetting(1)), 1);
    QCOMPARE(int(app.globals().RowSetting(3)), 0);
}

void TestStartup::exitWritesTheOptionsBack() {
    QVERIFY(writeFile(userSettingsPath(), "1,2,1,0,1,1\r\n"));
    App app;
    int status = -1;
    app.endProgram = [&status](int s) { status = s; };
    app.openMain();
    QTest::mouseClick(controlsOf(*app.main()).cmdExit, Qt::LeftButton);
    QCOMPARE(status, 0);
    QVERIFY(!app.main()->isVisible());
    // A 2 is written back as it was read: the box was never clicked.
    QCOMPARE(readFile(userSettingsPath()), QByteArray("1,2,1,0,1,1\r\n"));
}

void TestStartup::aBadSettingsFileGivesTheDefaults() {
    QVERIFY(writeFile(userSettingsPath(), "garbage\n"));
    App app;
    QCOMPARE(int(app.globals().RowSetting(0)), 1);
    QCOMPARE(int(app.globals().KeySound), 1);
    QCOMPARE(int(app.globals().UseShift), 0);
}

void TestStartup::closingTheAboutWindowFirstEndsTheProgram() {
    {
        App app;
        int status = -1;
        app.endProgram = [&status](int s) { status = s; };
        app.about()->show();
        QVERIFY(app.about()->close()); // accepted: the program ends
        QCOMPARE(status, 0);
        QVERIFY(!app.main());
    }
    // Once the main window has opened, closing the About window only hides it.
    App app;
    app.openMain();
    app.showAbout();
    QVERIFY(!app.about()->close());
    QVERIFY(!app.about()->isVisible());
    QVERIFY(app.main()->isVisible());
}

void TestStartup::theSoundComesFromItsLibraryOrIsSilent() {
    // Heard through a stand-in until the library is there, then through the library's.
    struct Heard : SoundService {
        std::vector<std::string> preloaded, played;
        void preload(const std::vector<std::string>& files) override { preloaded = files; }
        void stop() override {}
        void play(const std::string& file, WaveFlags) override { played.push_back(file); }
    };
    LateSound late;
    late.preload({"ding.wav", "tada.wav"});
    late.play("ding.wav", WaveFlags::Async); // before the library: silent, and no crash
    QVERIFY(!late.loaded());
    auto heard = std::make_unique<Heard>();
    Heard& h = *heard;
    late.set(std::move(heard));
    QCOMPARE(h.preloaded, (std::vector<std::string>{"ding.wav", "tada.wav"}));
    late.play("uhoh.wav", WaveFlags::Async);
    QCOMPARE(h.played, std::vector<std::string>{"uhoh.wav"});

    QString why;
    auto real = loadSoundService(why, QStringLiteral(TAPWELL_SOUND_LIBRARY));
    QVERIFY2(real && why.isEmpty(), qPrintable(why));
    auto none = loadSoundService(why, QStringLiteral("/nonexistent/tapwell-sound.so"));
    QVERIFY(none); // a silent sound: typing goes on
    QVERIFY(why.contains(QLatin1String("tapwell-sound.so")));
    none->play("ding.wav", WaveFlags::Wait); // returns at once
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
