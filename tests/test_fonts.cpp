// On a machine without the fonts we name, the text display still gets a fixed-pitch
// font, so typed characters stand under their models; on one without any font, the
// program says so and stops.
#include "files.h"
#include "harness.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tapwell;
using namespace tapwell::test;

class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void theDisplayStaysFixedPitch() {
        QVERIFY2(!QFontDatabase::families().contains(QStringLiteral("Liberation Mono")),
                 "the test's font configuration should hide our fonts");
        Fixture f;
        const QFontInfo info(controlsOf(f.w()).picDisplay->font());
        QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
        QCOMPARE(controlsOf(f.w()).picDisplay->TextWidth(QStringLiteral("iiiii")),
                 controlsOf(f.w()).picDisplay->TextWidth(QStringLiteral("WWWWW")));
        // A drill line still starts under its first character.
        Fixture::click(controlsOf(f.w()).cmdMenu[2]);
        Fixture::click(controlsOf(f.w()).cmdOK);
        QCOMPARE(controlsOf(f.w()).shpChar->x() * 15, int(f.w().state().PenX));
    }

    // With no font at all the program says so in plain words on stderr and stops, rather
    // than open windows of empty boxes; with any font it says nothing. fontconfig reads
    // its configuration once per process, so each case runs this program again. The
    // program checks on a thread of its own, started before the QApplication, or after it
    // when the desktop passed a start-up id.
    void noFontAtAllIsSaidPlainly_data() {
        QTest::addColumn<bool>("fonts");
        QTest::addColumn<QString>("how");
        for (const bool fonts : {false, true}) {
            const QByteArray which = fonts ? "only the DejaVu fonts" : "no font installed";
            QTest::newRow(which + ", checked at once") << fonts << "at once";
            QTest::newRow(which + ", in the background") << fonts << "background";
            QTest::newRow(which + ", with a start-up id") << fonts << "startup id";
        }
    }
    void noFontAtAllIsSaidPlainly() {
        QFETCH(bool, fonts);
        QFETCH(QString, how);
        QTemporaryDir dir;
        QString config = qEnvironmentVariable("FONTCONFIG_FILE");
        if (!fonts) {
            config = dir.filePath(QStringLiteral("no-fonts.conf"));
            QVERIFY(writeFile(config, "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" +
                                          QFile::encodeName(dir.filePath("cache")) +
                                          "</cachedir></fontconfig>\n"));
        }
        QProcess check;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAPWELL_FONT_CHECK"), config);
        if (how != QLatin1String("at once"))
            env.insert(QStringLiteral("TAPWELL_FONT_CHECK_BACKGROUND"), QStringLiteral("1"));
        if (how == QLatin1String("startup id"))
            env.insert(QStringLiteral("DESKTOP_STARTUP_ID"), QStringLiteral("test_TIME0"));
        else
            env.remove(QStringLiteral("DESKTOP_STARTUP_ID"));
        check.setProcessEnvironment(env);
        check.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(check.waitForFinished(60000));
        const QString said = QString::fromLocal8Bit(check.readAllStandardError());
        QCOMPARE(check.exitStatus(), QProcess::NormalExit);
        QCOMPARE(check.exitCode(), fonts ? 0 : 1);
        if (fonts) {
            QCOMPARE(said, QString());
        } else {
            QVERIFY2(said.startsWith(QLatin1String("Tapwell cannot start: no font")),
                     qPrintable(said));
            QVERIFY2(said.contains(QLatin1String("Install a font package")), qPrintable(said));
        }
    }
};

// The start-up's font check alone, as the test above runs it, with the font
// configuration it names.
static int checkFontsOnly(int argc, char* argv[]) {
    qputenv("FONTCONFIG_FILE", qgetenv("TAPWELL_FONT_CHECK"));
    const bool background = qEnvironmentVariableIsSet("TAPWELL_FONT_CHECK_BACKGROUND");
    if (background) startFontCheck(); // as the program does
    QApplication app(argc, argv);
    if (background) startFontCheck();
    installFontSubstitutes();
    return checkFontsCanShowText() ? 0 : 1;
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet("TAPWELL_FONT_CHECK")) return checkFontsOnly(argc, argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestFonts test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_fonts.moc"
