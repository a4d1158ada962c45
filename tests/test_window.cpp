// The main window as it opens: every control where the layout puts it, the menu screen,
// the start-up from the saved options, and the Info, Help and Exit buttons.
#include "harness.h"

#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tapwell;
using namespace tapwell::test;

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void keysStandWhereTheLayoutPutsThem_data();
    void keysStandWhereTheLayoutPutsThem();
    void everyKeyLiesInsideTheKeyboard();
    void opensOnTheMenuScreen();
    void rowArrowPositionsComeFromTheKeys();
    void restoresTheSavedOptions_data();
    void restoresTheSavedOptions();
    void infoHelpAndExitGoToTheShell();
    void closingTheWindowIsExit();
    void badKeyDataStopsTheStartUp();
};

void TestWindow::keysStandWhereTheLayoutPutsThem_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("first number key") << 52 << "1" << QRect(960, 120, 615, 615);
    QTest::newRow("equals") << 63 << "=" << QRect(960 + 600 * 11, 120, 615, 615);
    QTest::newRow("Q") << 64 << "Q" << QRect(1200, 720, 615, 615);
    QTest::newRow("right bracket") << 75 << "]" << QRect(1200 + 600 * 11, 720, 615, 615);
    QTest::newRow("A") << 76 << "A" << QRect(1560, 1320, 615, 615);
    QTest::newRow("quote") << 86 << "'" << QRect(1560 + 600 * 10, 1320, 615, 615);
    QTest::newRow("Enter") << 87 << "Enter" << QRect(8160, 1320, 1215, 615);
    QTest::newRow("left Shift") << 88 << "Shift" << QRect(720, 1920, 1095, 615);
    QTest::newRow("Z") << 89 << "Z" << QRect(1800, 1920, 615, 615);
    QTest::newRow("slash") << 98 << "/" << QRect(1800 + 600 * 9, 1920, 615, 615);
    QTest::newRow("right Shift") << 99 << "Shift" << QRect(7800, 1920, 1095, 615);
}

void TestWindow::keysStandWhereTheLayoutPutsThem() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    Fixture f;
    SSCommand* key = controlsOf(f.w()).cmdKey(index);
    QCOMPARE(key->text(), caption);
    QCOMPARE(key->geometry(),
             QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
}

void TestWindow::everyKeyLiesInsideTheKeyboard() {
    Fixture f;
    const QRect keyboard = controlsOf(f.w()).picKeys->rect();
    QCOMPARE(controlsOf(f.w()).picKeys->size(), QSize(px(9495), px(3495)));
    QSet<QString> seen;
    for (int k = kFirstKey; k <= kLastKey; ++k) {
        QVERIFY2(keyboard.contains(controlsOf(f.w()).cmdKey(k)->geometry()),
                 qPrintable(QString::number(k)));
        QCOMPARE(controlsOf(f.w()).cmdKey(k)->parentWidget(), controlsOf(f.w()).picKeys);
    }
    QVERIFY(keyboard.contains(controlsOf(f.w()).pnlSpace->geometry()));
    QVERIFY(keyboard.contains(controlsOf(f.w()).imgHand[1]->geometry()));
    QCOMPARE(controlsOf(f.w()).cmdKey(99)->geometry().right() + 1, px(8895));
    QCOMPARE(controlsOf(f.w()).imgHand[1]->geometry().right() + 1, px(8655));
}

void TestWindow::opensOnTheMenuScreen() {
    Fixture f;
    FrmType& w = f.w();
    QCOMPARE(w.size(), QSize(631, 446));
    QVERIFY(controlsOf(w).fraMenu->isVisible());
    QVERIFY(controlsOf(w).fraHelp->isVisible());
    QCOMPARE(w.windowPicture().name(), QStringLiteral("computer"));
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             controlsOf(w).picKeys, controlsOf(w).fraDrill, controlsOf(w).fraTime,
             controlsOf(w).fraLearn, controlsOf(w).shpLearn, controlsOf(w).picDisplay,
             controlsOf(w).txtTime, controlsOf(w).fraSpeed, controlsOf(w).cmdOK,
             controlsOf(w).cmdOKPractice, controlsOf(w).lblNext[0], controlsOf(w).lblNext[1],
             controlsOf(w).cmdNext[0], controlsOf(w).cmdNext[1], controlsOf(w).imgKeyboard})
        QVERIFY2(!hidden->isVisible(), hidden->metaObject()->className());
    const QStringList captions = {"&Learn Keyboard", "&Keyboard Practice", "Cha&racter Drill",
                                  "&Word Drill", "Ti&med Drill"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(controlsOf(w).cmdMenu[static_cast<std::size_t>(i)]->text(), captions[i]);
    QCOMPARE(w.state().Loading, 0);
    QCOMPARE(w.state().Typing, 0);
    QCOMPARE(w.state().SpeedTop, 360);
    QVERIFY(w.state().DingSound.ends_with("/ding.wav"));
}

void TestWindow::rowArrowPositionsComeFromTheKeys() {
    Fixture f;
    QCOMPARE(f.w().state().RowTop(1), 1320);
    QCOMPARE(f.w().state().RowTop(2), 720);
    QCOMPARE(f.w().state().RowTop(3), 1920);
    QCOMPARE(f.w().state().RowTop(4), 120);
    QCOMPARE(f.w().state().RowTop(5), 2520);
}

void TestWindow::restoresTheSavedOptions_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("rowsChecked");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("sound");
    QTest::newRow("no row chosen gets the home row") << "0,0,0,0,0,0"
                                                     << "1000" << 1 << false << false;
    QTest::newRow("home and bottom, shift and sound") << "1,0,1,0,1,1"
                                                      << "1010" << 2 << true << true;
    QTest::newRow("a 2 leaves its box unchecked") << "1,2,0,0,0,1"
                                                  << "1000" << 1 << false << true;
    QTest::newRow("any non-zero checks Shift and Sound") << "0,0,0,1,7,-3"
                                                         << "0001" << 1 << true << true;
}

void TestWindow::restoresTheSavedOptions() {
    QFETCH(QString, line);
    QFETCH(QString, rowsChecked);
    QFETCH(int, rowCount);
    QFETCH(bool, shift);
    QFETCH(bool, sound);
    Fixture f(line.toStdString());
    QString checked;
    for (QCheckBox* box : controlsOf(f.w()).chkRow)
        checked += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(checked, rowsChecked);
    QCOMPARE(int(f.w().state().RowCount), rowCount);
    QCOMPARE(controlsOf(f.w()).chkUC->isChecked(), shift);
    QCOMPARE(controlsOf(f.w()).chkSound->isChecked(), sound);
    // Setting the boxes at start-up changed none of the saved values.
    if (line == QLatin1String("1,2,0,0,0,1")) QCOMPARE(int(f.g.RowSetting(1)), 2);
    if (line == QLatin1String("0,0,0,1,7,-3")) QCOMPARE(int(f.g.KeySound), -3);
}

void TestWindow::infoHelpAndExitGoToTheShell() {
    Fixture f;
    Fixture::click(controlsOf(f.w()).Command1);
    QCOMPARE(f.shell.about, 1);
    Fixture::click(controlsOf(f.w()).cmdHelp[0]);
    QCOMPARE(f.shell.help, 1);
    f.w().cmdHelp_Click(3);
    QCOMPARE(f.shell.help, 2);
    Fixture::click(controlsOf(f.w()).cmdExit);
    QCOMPARE(f.shell.exits, 1);
}

void TestWindow::closingTheWindowIsExit() {
    Fixture f;
    f.w().close();
    QCOMPARE(f.shell.exits, 1);
}

void TestWindow::badKeyDataStopsTheStartUp() {
    Module1 g;
    g.AppPath = "/nonexistent-tapwell-data/";
    FakeClock clock;
    SeededRandom random{1};
    FakeSound sound;
    InstantPause pause{clock};
    FakeShell shell;
    FrmType w(g, Services{&clock, &random, &sound, &pause}, &shell);
    std::string error;
    QVERIFY(!w.Form_Load(error));
    QVERIFY2(error.find("/nonexistent-tapwell-data/key.dat") != std::string::npos, error.c_str());
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
