// The mode menu's screens and the option boxes.
#include "harness.h"

#include "io/settings.h"

#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>

using namespace tapwell;
using namespace tapwell::test;

namespace {

// The controls of the main window that the screen states speak of, by name.
QMap<QString, QWidget*> namedControls(FrmType& w) {
    return {{"picKeys", controlsOf(w).picKeys},
            {"fraMenu", controlsOf(w).fraMenu},
            {"fraHelp", controlsOf(w).fraHelp},
            {"fraLearn", controlsOf(w).fraLearn},
            {"shpLearn", controlsOf(w).shpLearn},
            {"picDisplay", controlsOf(w).picDisplay},
            {"fraDrill", controlsOf(w).fraDrill},
            {"cmdOK", controlsOf(w).cmdOK},
            {"fraTime", controlsOf(w).fraTime},
            {"txtTime", controlsOf(w).txtTime},
            {"imgArrow", controlsOf(w).imgArrow},
            {"imgHand0", controlsOf(w).imgHand[0]},
            {"imgHand1", controlsOf(w).imgHand[1]},
            {"fraSpeed", controlsOf(w).fraSpeed},
            {"cmdOKPractice", controlsOf(w).cmdOKPractice},
            {"cmdNext0", controlsOf(w).cmdNext[0]},
            {"cmdNext1", controlsOf(w).cmdNext[1]},
            {"shpChar", controlsOf(w).shpChar}};
}

QStringList visibleControls(FrmType& w) {
    QStringList out;
    const auto controls = namedControls(w);
    for (auto it = controls.begin(); it != controls.end(); ++it)
        if (it.value()->isVisible()) out << it.key();
    out.sort();
    return out;
}

QString checkedRows(FrmType& w) {
    QString s;
    for (QCheckBox* box : controlsOf(w).chkRow)
        s += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

} // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void eachChoiceShowsItsScreen_data();
    void eachChoiceShowsItsScreen();
    void drillScreensShowTheHomePosition();
    void timedDrillShowsItsInstructions();
    void theLastRowCannotBeUnchecked();
    void wordDrillTakesTheNumberRowOutOfPlay_data();
    void wordDrillTakesTheNumberRowOutOfPlay();
    void optionBoxesRecordTheOptionsAndGiveTheDisplayTheFocus();
    void aTimedDrillLeftWithoutTypingGivesNoResult();
    void keysGoOnToTheActivityAfterHelp_data();
    void keysGoOnToTheActivityAfterHelp();
    void aDisabledBoxLooksDisabled();
    void resultsFitTheirLabelWhole_data();
    void resultsFitTheirLabelWhole();
    void everyKeySecureIsSaidWholeOnTheDisplay();
    void trickyKeysIsTheCharacterDrillScreenWithItsOwnCaption();
};

void TestMenu::eachChoiceShowsItsScreen_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Learn Keyboard") << 0 << QStringList{"fraLearn", "picKeys", "shpLearn"} << "";
    const QStringList drill = {"cmdOK",    "fraDrill",   "imgArrow", "imgHand0",
                               "imgHand1", "picDisplay", "picKeys",  "shpLearn"};
    QTest::newRow("Keyboard Practice") << 1 << drill << "Practice Drill";
    QTest::newRow("Character Drill") << 2 << drill << "Character Drill";
    QTest::newRow("Word Drill") << 3 << drill << "Word Drill";
    QTest::newRow("Timed Drill") << 4 << QStringList{"cmdOK", "fraTime", "picKeys", "txtTime"}
                                 << "";
}

void TestMenu::eachChoiceShowsItsScreen() {
    QFETCH(int, mode);
    QFETCH(QStringList, visible);
    QFETCH(QString, caption);
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[static_cast<std::size_t>(mode)]);
    QCOMPARE(int(f.w().state().Mode), mode);
    QCOMPARE(visibleControls(f.w()), visible);
    QVERIFY(f.w().windowPicture().isNull());
    if (!caption.isEmpty()) QCOMPARE(controlsOf(f.w()).fraDrill->caption(), caption);
    if (mode != 0) QCOMPARE(QApplication::focusWidget(), controlsOf(f.w()).cmdOK);
}

void TestMenu::drillScreensShowTheHomePosition() {
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[2]);
    QCOMPARE(f.display(),
             (QStringList{"Let your fingers find the", "keys while watching the screen",
                          "to see where the keys are.", "Make sure your hands are in",
                          "home position before starting."}));
    QCOMPARE(f.markedKeys(), (std::vector<int>{76, 77, 78, 79, 82, 83, 84, 85}));
    QCOMPARE(f.leftHand(), QStringLiteral("finger_05"));
    QCOMPARE(f.rightHand(), QStringLiteral("finger_12"));
    QCOMPARE(topTw(controlsOf(f.w()).imgArrow), 1320);
}

void TestMenu::timedDrillShowsItsInstructions() {
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[4]);
    QCOMPARE(controlsOf(f.w()).txtTime->toPlainText(),
             QStringLiteral("Type in words from a book or something else. When done, press "
                            "Enter to see your typing speed. Keep your hands in home position as "
                            "you type."));
    QCOMPARE(f.markedKeys().size(), std::size_t(8));
    QVERIFY(!controlsOf(f.w()).imgHand[0]->isVisible());
}

void TestMenu::theLastRowCannotBeUnchecked() {
    Fixture f("0,1,0,0,0,1");
    Fixture::click(controlsOf(f.w()).cmdMenu[2]);
    Fixture::click(controlsOf(f.w()).chkRow[1]);
    QCOMPARE(checkedRows(f.w()), QStringLiteral("0100"));
    QCOMPARE(int(f.w().state().RowCount), 1);
    QCOMPARE(int(f.g.RowSetting(1)), 1);
    Fixture::click(controlsOf(f.w()).chkRow[2]);
    QCOMPARE(int(f.w().state().RowCount), 2);
    controlsOf(f.w()).chkRow[1]->setChecked(false); // from code, as from a click
    QCOMPARE(checkedRows(f.w()), QStringLiteral("0010"));
    controlsOf(f.w()).chkRow[2]->setChecked(false);
    QCOMPARE(checkedRows(f.w()), QStringLiteral("0010"));
    QCOMPARE(int(f.w().state().RowCount), 1);
}

void TestMenu::wordDrillTakesTheNumberRowOutOfPlay_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("saved");
    QTest::newRow("only Number Row checked") << "0,0,0,1,0,1"
                                             << "1000"
                                             << "1,0,0,0,0,1\r\n";
    QTest::newRow("Number Row and Top Row") << "0,1,0,1,0,1"
                                            << "0100"
                                            << "0,1,0,0,0,1\r\n";
    QTest::newRow("Number Row not checked") << "1,0,1,0,0,1"
                                            << "1010"
                                            << "1,0,1,0,0,1\r\n";
}

void TestMenu::wordDrillTakesTheNumberRowOutOfPlay() {
    QFETCH(QString, settings);
    QFETCH(QString, after);
    QFETCH(QString, saved);
    Fixture f(settings.toStdString());
    Fixture::click(controlsOf(f.w()).cmdMenu[3]);
    QCOMPARE(checkedRows(f.w()), after);
    QVERIFY(!controlsOf(f.w()).chkRow[3]->isEnabled());
    QCOMPARE(QString::fromStdString(formatSettings(f.g)), saved);
    QCOMPARE(int(f.w().state().RowCount), int(after.count(QLatin1Char('1'))));
    // Stop from the practice frame puts the box back in play.
    Fixture::click(controlsOf(f.w()).cmdStop[1]);
    QVERIFY(controlsOf(f.w()).chkRow[3]->isEnabled());
    QVERIFY(controlsOf(f.w()).fraMenu->isVisible());
}

void TestMenu::optionBoxesRecordTheOptionsAndGiveTheDisplayTheFocus() {
    Fixture f("1,0,0,0,0,1");
    Fixture::click(controlsOf(f.w()).cmdMenu[2]);
    Fixture::click(controlsOf(f.w()).chkUC);
    QCOMPARE(int(f.g.UseShift), 1);
    QCOMPARE(QApplication::focusWidget(), controlsOf(f.w()).picDisplay);
    Fixture::click(controlsOf(f.w()).cmdOK);
    Fixture::click(controlsOf(f.w()).chkSound);
    QCOMPARE(int(f.g.KeySound), 0);
    QCOMPARE(QApplication::focusWidget(), controlsOf(f.w()).picDisplay);
    Fixture::click(controlsOf(f.w()).chkRow[2]);
    QCOMPARE(int(f.g.RowSetting(2)), 1);
    QCOMPARE(QApplication::focusWidget(), controlsOf(f.w()).picDisplay);
    QCOMPARE(QString::fromStdString(formatSettings(f.g)), QStringLiteral("1,0,1,0,1,0\r\n"));
}

void TestMenu::aTimedDrillLeftWithoutTypingGivesNoResult() {
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[4]);
    Fixture::click(controlsOf(f.w()).cmdOK);
    f.type(kEnter); // an empty box: back to the menu
    QVERIFY(controlsOf(f.w()).fraMenu->isVisible());
    f.clock.now += 60'000;
    Fixture::click(controlsOf(f.w()).cmdMenu[4]);
    Fixture::click(
        controlsOf(f.w()).cmdStop[2]); // the instructions are in the box, no run was typed
    QVERIFY(!controlsOf(f.w()).fraSpeed->isVisible());
    QVERIFY(controlsOf(f.w()).fraMenu->isVisible());
    QCOMPARE(int(f.w().state().TimedRunning), 0);
}

void TestMenu::keysGoOnToTheActivityAfterHelp_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("help");
    QTest::newRow("a Character Drill line") << 2 << 1;
    QTest::newRow("a Keyboard Practice") << 1 << 1;
    QTest::newRow("a Timed Drill run") << 4 << 3;
}

void TestMenu::keysGoOnToTheActivityAfterHelp() {
    QFETCH(int, mode);
    QFETCH(int, help);
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[static_cast<std::size_t>(mode)]);
    Fixture::click(controlsOf(f.w()).cmdOK);
    const int before =
        f.w().state().RightCount + f.w().state().ErrorCount + f.w().state().PressCount;
    Fixture::click(controlsOf(f.w()).cmdHelp[static_cast<std::size_t>(help)]);
    QCOMPARE(f.shell.help, 1);
    f.type(f.w().state().TargetKey == 0 ? 'a' : f.w().state().TargetKey);
    QCOMPARE(f.shell.help, 1); // the key did not press Help again
    if (mode == 4)
        QCOMPARE(controlsOf(f.w()).txtTime->toPlainText(), QStringLiteral("a"));
    else
        QVERIFY(f.w().state().RightCount + f.w().state().ErrorCount + f.w().state().PressCount >
                before);
}

void TestMenu::aDisabledBoxLooksDisabled() {
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[3]);
    const QCheckBox* number = controlsOf(f.w()).chkRow[3];
    const QPalette& pal = number->palette();
    QVERIFY(pal.color(QPalette::Disabled, QPalette::WindowText) !=
            pal.color(QPalette::Active, QPalette::WindowText));
    QCOMPARE(pal.color(QPalette::Disabled, QPalette::WindowText),
             QApplication::palette(number).color(QPalette::Disabled, QPalette::WindowText));
}

void TestMenu::resultsFitTheirLabelWhole_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("ms");
    QTest::newRow("a Word Drill result, two lines") << 3 << 0 << 0;
    QTest::newRow("1,200 words per minute") << 4 << 1000 << 10'000;
    QTest::newRow("beyond any real speed") << 4 << 9000 << 1;
}

void TestMenu::resultsFitTheirLabelWhole() {
    QFETCH(int, mode);
    QFETCH(int, typed);
    QFETCH(int, ms);
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[static_cast<std::size_t>(mode)]);
    Fixture::click(controlsOf(f.w()).cmdOK);
    if (mode == 4) {
        controlsOf(f.w()).txtTime->setPlainText(QString(typed, QLatin1Char('a')));
        f.clock.now += 750 + ms;
        f.type(kEnter);
    } else {
        while (f.w().state().Typing == 1)
            f.type(f.w().state().TargetKey);
    }
    const QLabel* label = controlsOf(f.w()).lblSpeed;
    QVERIFY(controlsOf(f.w()).fraSpeed->isVisible());
    const QFontMetrics fm(label->font());
    const QStringList lines = label->text().split(QLatin1Char('\n'));
    for (const QString& line : lines)
        QVERIFY2(fm.horizontalAdvance(line) <= label->width(), qPrintable(line));
    QVERIFY(label->height() >= (lines.size() - 1) * fm.lineSpacing() + fm.height());
    QVERIFY(controlsOf(f.w()).fraSpeed->rect().contains(label->geometry()));
}

void TestMenu::everyKeySecureIsSaidWholeOnTheDisplay() {
    Fixture f;
    f.w().core().setTrickySource([&] {
        TrickyRecord all;
        for (int k = kFirstKey; k <= kLastKey; ++k)
            all[k] = {0.01, true};
        return all;
    });
    f.w().cmdTricky_Click();
    Fixture::click(controlsOf(f.w()).cmdOK);
    const PictureBox* display = controlsOf(f.w()).picDisplay;
    const QStringList lines = f.display();
    QString said;
    for (const QString& line : lines) {
        QVERIFY2(display->TextWidth(line) <= display->WidthTw(), qPrintable(line));
        if (said.size() < int(std::strlen(kAllSecureText)))
            said += (said.isEmpty() ? QString() : QStringLiteral(" ")) + line;
    }
    QCOMPARE(said, QString::fromLatin1(kAllSecureText));
}

void TestMenu::trickyKeysIsTheCharacterDrillScreenWithItsOwnCaption() {
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[2]);
    const QStringList characterDrill = visibleControls(f.w());
    const QStringList instructions = f.display();
    Fixture::click(controlsOf(f.w()).cmdStop[1]);
    int asked = 0;
    f.w().core().setTrickySource([&] {
        ++asked;
        return TrickyRecord{{keyIndexOf(f.w().state(), 'd'), {0.8, false}}};
    });
    f.w().cmdTricky_Click();
    QCOMPARE(visibleControls(f.w()), characterDrill);
    QCOMPARE(f.display(), instructions);
    QCOMPARE(controlsOf(f.w()).fraDrill->caption(), QStringLiteral("Tricky Keys"));
    QCOMPARE(int(f.w().state().Mode), int(kCharacterDrill));
    Fixture::click(controlsOf(f.w()).cmdOK);
    QCOMPARE(asked, 1);
    QVERIFY(f.w().core().tricky());
    while (f.w().state().Typing == 1)
        f.type(f.w().state().TargetKey);
    QVERIFY(controlsOf(f.w()).lblSpeed->text().endsWith(QLatin1String("% accuracy")));
    QVERIFY(f.display().last().startsWith(QLatin1String("Practised: ")));
    // A child who listens hears both, in one sentence.
    QApplication::processEvents();
    const auto* note = f.w().findChild<QWidget*>(QStringLiteral("tapwell_spoken"));
    QVERIFY(note != nullptr);
    QCOMPARE(note->accessibleDescription(),
             controlsOf(f.w()).lblSpeed->text() + QStringLiteral(". ") + f.display().last());
    // It stands whole above the results frame, which covers the display's lower part.
    QVERIFY(controlsOf(f.w()).picDisplay->y() +
                px(static_cast<int>(controlsOf(f.w()).picDisplay->CurrentY)) <=
            controlsOf(f.w()).fraSpeed->y());
    // Any menu choice is the designed activity again.
    Fixture::click(controlsOf(f.w()).cmdStop[1]);
    Fixture::click(controlsOf(f.w()).cmdMenu[2]);
    QVERIFY(!f.w().core().tricky());
    QCOMPARE(controlsOf(f.w()).fraDrill->caption(), QStringLiteral("Character Drill"));
}

QTEST_MAIN(TestMenu)
#include "test_menu.moc"
