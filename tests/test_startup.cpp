// The program from its start: the About window, "&OK" to the menu screen, "Info?",
// Exit writing the options, and a damaged key.dat stopping the start-up.
#include "files.h"
#include "io/settingsfile.h"
#include "services/soundservice.h"
#include "shell/app.h"
#include "shell/plugins.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
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
    void theMainWindowBuiltAheadIsTheOneOkShows();
    void theSoundComesFromItsLibraryOrIsSilent();
    void theProgramIconIsItsDrawing();

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

static QList<FrmType*> mainWindows() {
    QList<FrmType*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FrmType*>(w)) found.append(f);
    return found;
}

void TestStartup::theMainWindowBuiltAheadIsTheOneOkShows() {
    QVERIFY(writeFile(userSettingsPath(), "1,0,1,0,1,1\r\n"));
    {
        // Built while the About window is read: not shown, not loaded, and closing the
        // About window still ends the program.
        App app;
        int status = -1;
        app.endProgram = [&status](int s) { status = s; };
        app.about()->show();
        app.prepareMain();
        QCOMPARE(mainWindows().size(), 1);
        QVERIFY(!app.main());
        QVERIFY(!mainWindows().front()->isVisible());
        QVERIFY(!mainWindows().front()->testAttribute(Qt::WA_WState_Created)); // no X window
        QVERIFY(app.about()->close());
        QCOMPARE(status, 0);
    }
    QCOMPARE(mainWindows().size(), 0);
    App app;
    app.about()->show();
    app.prepareMain();
    FrmType* ahead = mainWindows().front();
    app.prepareMain(); // once
    QCOMPARE(mainWindows().size(), 1);
    QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
    QCOMPARE(app.main(), ahead);
    QVERIFY(ahead->isVisible() && controlsOf(*ahead).fraMenu->isVisible());
    QCOMPARE(int(ahead->state().RowCount), 2); // loaded at OK, with the settings
    QVERIFY(controlsOf(*ahead).chkUC->isChecked() && controlsOf(*ahead).chkSound->isChecked());
    QVERIFY(app.childFrame() != nullptr);
    app.prepareMain(); // nothing more once it is shown
    QCOMPARE(mainWindows().size(), 1);
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

// The images a window hands to the window manager, as the X11 platform makes them: the
// icon's pixmap at each size, in straight (not premultiplied) ARGB.
static QImage handedOver(const QIcon& icon, int size, qreal ratio) {
    return icon.pixmap(QSize(size, size), ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

void TestStartup::theProgramIconIsItsDrawing() {
    const QIcon drawing(QStringLiteral(":/pictures/icon.svg"));
    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    // No sizes of its own, as the drawing: a window asks for the same four sizes of both.
    QCOMPARE(icon.availableSizes(), drawing.availableSizes());
    // The images drawn beforehand are the drawing's own pixels. After a change to
    // icon.svg, TAPWELL_DRAW_ICON_IMAGES=<folder> writes them again, for data/pictures.
    const QString redraw = qEnvironmentVariable("TAPWELL_DRAW_ICON_IMAGES");
    for (const int size : kProgramIconSizes) {
        const QImage rendered = drawing.pixmap(QSize(size, size), 1.0)
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        QCOMPARE(rendered.size(), QSize(size, size));
        if (!redraw.isEmpty())
            QVERIFY(writeFile(QDir(redraw).filePath(QFileInfo(programIconImage(size)).fileName()),
                              QByteArray(reinterpret_cast<const char*>(rendered.constBits()),
                                         rendered.sizeInBytes())));
    }
    for (const int size : kProgramIconSizes) {
        const QImage drawn = handedOver(drawing, size, 1.0);
        QVERIFY2(readProgramIconImage(size).convertToFormat(QImage::Format_ARGB32) == drawn,
                 qPrintable(programIconImage(size) + QStringLiteral(" is not icon.svg's drawing")));
        QVERIFY2(handedOver(icon, size, 1.0) == drawn, qPrintable(QString::number(size)));
    }
    QVERIFY(readProgramIconImage(20).isNull());
    // Every other size and ratio, and the other modes, are the drawing's.
    for (const int size : {24, 48, 256})
        QVERIFY2(handedOver(icon, size, 1.0) == handedOver(drawing, size, 1.0),
                 qPrintable(QString::number(size)));
    for (const int size : {16, 32})
        QVERIFY2(handedOver(icon, size, 2.0) == handedOver(drawing, size, 2.0),
                 qPrintable(QString::number(size)));
    QCOMPARE(icon.pixmap(QSize(32, 32), 2.0).devicePixelRatio(), 2.0);
    QVERIFY(icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled).toImage() ==
            drawing.pixmap(QSize(32, 32), 1.0, QIcon::Disabled).toImage());
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
