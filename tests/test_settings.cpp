// The settings line, and where it is read from and written to.
#include "files.h"
#include "io/settings.h"
#include "io/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <unistd.h>

namespace tapwell {

namespace {

// "r0,r1,r2,r3,UseShift,KeySound", for comparing a whole Module1 in one go.
QString values(const Module1& m) {
    QStringList v;
    for (int i = 0; i < 4; ++i)
        v << QString::number(m.RowSetting(i));
    return (v << QString::number(m.UseShift) << QString::number(m.KeySound)).join(',');
}

Module1 module(std::initializer_list<int> six, const std::string& appPath = {}) {
    Module1 m;
    m.AppPath = appPath;
    auto v = six.begin();
    for (int i = 0; i < 4; ++i)
        m.RowSetting(i) = static_cast<std::int16_t>(*v++);
    m.UseShift = static_cast<std::int16_t>(*v++);
    m.KeySound = static_cast<std::int16_t>(*v);
    return m;
}

// What a settings file reads that cannot be read.
QByteArray readSettingsFile(const QString& path) {
    return test::readFile(path, "(cannot read)");
}

const QByteArray kNoFile = "(no file)";

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir config_; // the user's configuration directory
    QTemporaryDir app_;    // the program's data directory, with the shipped default

    QString shippedDefault() const { return app_.filePath(QString::fromLatin1(kSettingsFileName)); }
    std::string appPath() const { return app_.path().toStdString() + "/"; }

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid() && app_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        QCoreApplication::setApplicationName(QStringLiteral("tapwell"));
        QVERIFY2(userSettingsPath().startsWith(config_.path() + QLatin1Char('/')),
                 qPrintable(userSettingsPath()));
    }

    void init() {
        QFile::remove(userSettingsPath());
        QFile::remove(shippedDefault());
    }

    void parse_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read"); // the six values after reading
        QTest::newRow("home and bottom, Shift and sound")
            << QByteArray("1,0,1,0,1,1\r\n") << "1,0,1,0,1,1";
        QTest::newRow("a row value of 2 is kept") << QByteArray("1,2,0,0,0,1") << "1,2,0,0,0,1";
        QTest::newRow("Use Shift 5 is kept") << QByteArray("0,1,0,0,5,0") << "0,1,0,0,5,0";
        QTest::newRow("no row chosen gets the home row")
            << QByteArray("0,0,0,0,0,0") << "1,0,0,0,0,0";
        QTest::newRow("only a 2 among the rows") << QByteArray("0,0,2,0,1,1") << "1,0,2,0,1,1";
        QTest::newRow("spaces around values")
            << QByteArray(" 1 , 0,\t1 ,0 , 1,1 \r\n") << "1,0,1,0,1,1";
        QTest::newRow("one value per line")
            << QByteArray("0\r\n1\r\n1\r\n0\r\n0\r\n1\r\n") << "0,1,1,0,0,1";
        QTest::newRow("more than six values") << QByteArray("1,1,0,0,0,1,7,x\r\n") << "1,1,0,0,0,1";
    }
    void parse() {
        QFETCH(QByteArray, file);
        QFETCH(QString, read);
        Module1 m = module({0, 1, 1, 1, 1, 0}, "keep/");
        std::string error;
        QVERIFY2(parseSettings(file.toStdString(), m, error), error.c_str());
        QCOMPARE(values(m), read);
        QCOMPARE(m.AppPath, std::string("keep/"));
        // Written back as read.
        QCOMPARE(QString::fromStdString(formatSettings(m)), read + QStringLiteral("\r\n"));
    }

    void badLineLeavesSettings_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("garbage") << QByteArray("hello there");
        QTest::newRow("five values") << QByteArray("1,0,1,0,1\r\n");
        QTest::newRow("text among the values") << QByteArray("1,0,x,0,1,1");
        QTest::newRow("a value outside 16 bits") << QByteArray("1,0,0,0,70000,1");
        QTest::newRow("a quote not closed") << QByteArray("\"1,0,0,0,0,1");
    }
    void badLineLeavesSettings() {
        QFETCH(QByteArray, file);
        Module1 m = module({0, 1, 1, 1, 1, 0}, "keep/");
        std::string error;
        QVERIFY(!parseSettings(file.toStdString(), m, error));
        QVERIFY(!error.empty());
        QCOMPARE(values(m), QStringLiteral("0,1,1,1,1,0"));
    }

    void defaultsWrittenAsOneLine() {
        Module1 m = module({0, 1, 1, 1, 1, 0});
        applyDefaultSettings(m);
        QCOMPARE(formatSettings(m), std::string("1,0,0,0,0,1\r\n"));
    }

    void load_data() {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("shipped");
        QTest::addColumn<QString>("read");
        QTest::addColumn<bool>("warns");
        QTest::newRow("user file wins over the default")
            << QByteArray("0,1,0,0,1,0\r\n") << QByteArray("1,1,1,1,0,1\r\n") << "0,1,0,0,1,0"
            << false;
        QTest::newRow("no user file reads the default")
            << kNoFile << QByteArray("0,0,1,0,0,0\r\n") << "0,0,1,0,0,0" << false;
        QTest::newRow("neither file") << kNoFile << kNoFile << "1,0,0,0,0,1" << false;
        QTest::newRow("malformed user file gives the defaults")
            << QByteArray("what?") << QByteArray("0,1,0,0,0,0") << "1,0,0,0,0,1" << true;
        QTest::newRow("empty user file") << QByteArray("") << kNoFile << "1,0,0,0,0,1" << true;
        QTest::newRow("malformed default") << kNoFile << QByteArray("1,1") << "1,0,0,0,0,1" << true;
        QTest::newRow("user file with no row")
            << QByteArray("0,0,0,0,1,1") << kNoFile << "1,0,0,0,1,1" << false;
    }
    void load() {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, shipped);
        QFETCH(QString, read);
        QFETCH(bool, warns);
        if (user != kNoFile) QVERIFY(test::writeFile(userSettingsPath(), user));
        if (shipped != kNoFile) QVERIFY(test::writeFile(shippedDefault(), shipped));
        if (warns)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not valid")));
        Module1 m = module({0, 0, 0, 1, 1, 0}, appPath());
        loadSettings(m);
        QCOMPARE(values(m), read);
        QCOMPARE(m.AppPath, appPath());
    }

    // Neither the user's file nor the shipped default is waited on or read whole when it
    // is not a plain file: the defaults, and a line that says why.
    void filesThatAreNotPlainFilesGiveTheDefaults_data() { test::addNotPlainFileRows(); }
    void filesThatAreNotPlainFilesGiveTheDefaults() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        for (const QString& path : {userSettingsPath(), shippedDefault()}) {
            QVERIFY(test::makeNotPlainFile(path, kind));
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("cannot read %1 : %2")
                                                        .arg(QRegularExpression::escape(path),
                                                             QRegularExpression::escape(reason))));
            Module1 m = module({0, 0, 0, 1, 1, 0}, appPath());
            loadSettings(m);
            QCOMPARE(values(m), QStringLiteral("1,0,0,0,0,1"));
            QVERIFY(QFile::remove(path) || QDir(path).removeRecursively());
        }
    }

    // A save killed half way leaves its temporary copy beside the file; the next start
    // clears it away and keeps the file, and everything else there, as it was.
    void unfinishedSavesAreRemoved() {
        removeUnfinishedSaves(); // no folder yet: nothing to do
        const QString user = userSettingsPath();
        QVERIFY(test::writeFile(user, "0,1,0,0,1,0\r\n"));
        const QDir dir = QFileInfo(user).absoluteDir();
        const QStringList leftovers = {"tapwell1.ini.AbCdEf", "tapwell1.ini.szVSKF"};
        const QStringList others = {"tapwell1.ini.bak", "tapwell1.ini.AbCdEfG",
                                    "tapwell1.ini.AbC-Ef", "other.ini.AbCdEf"};
        for (const QString& name : leftovers + others)
            QVERIFY(test::writeFile(dir.filePath(name), "1,1,1"));
        // One made as a save makes its copy, so the name is Qt's own.
        QTemporaryFile made(user);
        made.setAutoRemove(false);
        QVERIFY(made.open());
        QVERIFY2(made.fileName().startsWith(user + QLatin1Char('.')), qPrintable(made.fileName()));
        made.close();

        removeUnfinishedSaves();
        QStringList left = dir.entryList(QDir::Files | QDir::Hidden);
        QStringList expected = others + QStringList{QString::fromLatin1(kSettingsFileName)};
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
        QCOMPARE(readSettingsFile(user), QByteArray("0,1,0,0,1,0\r\n"));
        for (const QString& name : others)
            QFile::remove(dir.filePath(name));
    }

    void saveWritesTheLine() {
        QDir(QFileInfo(userSettingsPath()).absolutePath()).removeRecursively();
        QString path, reason;
        QVERIFY2(saveSettings(module({1, 0, 1, 0, 1, 1}), path, reason), qPrintable(reason));
        QCOMPARE(path, userSettingsPath());
        QCOMPARE(readSettingsFile(path), QByteArray("1,0,1,0,1,1\r\n"));

        // A longer old file is replaced whole.
        QVERIFY(test::writeFile(path, "1,1,1,1,1,1\r\nand an old line\r\n"));
        QVERIFY2(saveSettings(module({0, 2, 0, 1, 0, 0}), path, reason), qPrintable(reason));
        QCOMPARE(readSettingsFile(path), QByteArray("0,2,0,1,0,0\r\n"));

        Module1 back = module({0, 0, 0, 0, 0, 0}, appPath());
        loadSettings(back);
        QCOMPARE(values(back), QStringLiteral("0,2,0,1,0,0"));
        // The shipped default is never written.
        QVERIFY(!QFile::exists(shippedDefault()));
    }

    void failedSaveKeepsOldFile() {
        QString path, reason;
        QVERIFY(saveSettings(module({1, 1, 0, 0, 0, 1}), path, reason));
        const QString dir = QFileInfo(path).absolutePath();
        const auto permissions = QFile::permissions(dir);
        QVERIFY(QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const bool saved = saveSettings(module({0, 0, 1, 0, 1, 0}), path, reason);
        QFile::setPermissions(dir, permissions);
        if (geteuid() == 0) QSKIP("running as root: a read-only folder does not stop the write");
        QVERIFY(!saved);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(readSettingsFile(path), QByteArray("1,1,0,0,0,1\r\n"));
    }

    void saveFailsWhenTheFolderCannotBeMade() {
        // A plain file where the settings folder should be stops even root.
        const QString dir = QFileInfo(userSettingsPath()).absolutePath();
        QDir(dir).removeRecursively();
        QVERIFY(test::writeFile(dir, "not a folder"));
        QString path, reason;
        const bool saved = saveSettings(module({1, 0, 0, 0, 0, 1}), path, reason);
        QFile::remove(dir);
        QVERIFY(!saved);
        QVERIFY2(reason.contains(dir), qPrintable(reason));
    }
};

} // namespace tapwell

QTEST_GUILESS_MAIN(tapwell::TestSettings)
#include "test_settings.moc"
