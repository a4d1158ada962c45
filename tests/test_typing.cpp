// Typing through the real window: drill lines from the first key to the result, the
// Keyboard Practice, the Timed Drill, and Stop.
#include "harness.h"

#include "drills/drilltext.h"
#include "lessons/fingerkeys.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace tapwell;
using namespace tapwell::test;

namespace {

// Starts a drill line of the given mode with the OK button.
void startDrill(Fixture& f, int mode) {
    Fixture::click(controlsOf(f.w()).cmdMenu[static_cast<std::size_t>(mode)]);
    Fixture::click(controlsOf(f.w()).cmdOK);
}

// The keys a practice finger asks for, in order: its slots up to its count, ending
// early at the Shift key.
std::vector<int> practisedKeys(const TypeState& s) {
    std::vector<int> keys;
    for (int j = 1; j <= PracticeLength(s) && s.PracticeKeys(j) != kShiftKey; ++j)
        keys.push_back(s.PracticeKeys(j));
    return keys;
}

QString lineText(FrmType& w) {
    QString s;
    for (int i = 0; i < w.state().LineLen - 1; ++i)
        s += QChar(w.state().LineChars(i));
    return s;
}

} // namespace

class TestTyping : public QObject {
    Q_OBJECT
private slots:
    void keysBeforeOkChangeNothing();
    void aDrillLineIsCentredAndArmed();
    void rightKeysMoveTheBoxAndPrintUnderTheLine();
    void wrongKeysOnlyCountAndSound_data();
    void wrongKeysOnlyCountAndSound();
    void wordDrillResultShowsSpeedAndAccuracy();
    void characterDrillResultShowsAccuracyOnly();
    void theLineEndsOnlyWithItsFinalEnter();
    void keysAfterTheLineEndChangeNothing();
    void keysTypedWhileTheKeyboardHasTheFocusCount();
    void keyboardPracticeEchoesAndMovesOn_data();
    void keyboardPracticeEchoesAndMovesOn();
    void timedDrillFromOkToSpeed();
    void timedDrillEnterInAnEmptyBoxReturnsToTheMenu();
    void stopReturnsToTheMenu();
    void okStartsAFreshLineAfterAResult();
};

void TestTyping::keysBeforeOkChangeNothing() {
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[2]);
    const QStringList before = f.display();
    controlsOf(f.w()).picDisplay->setFocus();
    f.typeText(QStringLiteral("asdf\r"));
    QCOMPARE(f.w().state().RightCount, 0);
    QCOMPARE(f.w().state().ErrorCount, 0);
    QCOMPARE(f.display(), before);
    QVERIFY(f.sound.played.empty());
}

void TestTyping::aDrillLineIsCentredAndArmed() {
    Fixture f;
    startDrill(f, kCharacterDrill);
    FrmType& w = f.w();
    QCOMPARE(int(w.state().LineLen), 22);
    QCOMPARE(int(w.state().LineChars(21)), kEnter);
    QCOMPARE(f.display().value(0), QString());
    QCOMPARE(f.display().value(1), lineText(w));
    // 21 characters of 195 twips in a 6135-twip display.
    QCOMPARE(int(w.state().PenX), 1020);
    QCOMPARE(controlsOf(w).shpChar->geometry(),
             QRect(px(w.state().PenX), px(w.state().PenY),
                   px(controlsOf(w).picDisplay->TextWidth("0")),
                   px(controlsOf(w).picDisplay->TextHeight("0"))));
    QVERIFY(controlsOf(w).shpChar->isVisible());
    QCOMPARE(topTw(controlsOf(w).imgArrow), int(w.state().RowTop(w.state().LineRows(0))));
    QVERIFY(f.markedKeys() == std::vector<int>{keyIndexOf(w.state(), w.state().TargetKey)});
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).picDisplay);
    QCOMPARE(w.state().DrillTicks, f.clock.now);
    QCOMPARE(w.state().HomeShown, 0);
}

void TestTyping::rightKeysMoveTheBoxAndPrintUnderTheLine() {
    Fixture f;
    startDrill(f, kCharacterDrill);
    FrmType& w = f.w();
    const QString line = lineText(w);
    const int step = px(controlsOf(w).picDisplay->TextWidth("0"));
    for (int i = 0; i < 5; ++i) {
        const int x = controlsOf(w).shpChar->x();
        f.type(w.state().TargetKey);
        QCOMPARE(controlsOf(w).shpChar->x(), x + step);
        QCOMPARE(f.display().value(2), line.left(i + 1));
        QCOMPARE(int(w.state().LinePos), i + 1);
        // Exactly the next character's key is marked (or the space bar lit).
        const int next = w.state().LineChars(i + 1);
        if (next == kSpace) {
            QCOMPARE(controlsOf(w).pnlSpace->backColor(), QColor(255, 255, 0));
            QVERIFY(f.markedKeys().empty());
        } else {
            QCOMPARE(f.markedKeys().front(), keyIndexOf(w.state(), next));
        }
        QCOMPARE(topTw(controlsOf(w).imgArrow), int(w.state().RowTop(w.state().LineRows(i + 1))));
    }
    QCOMPARE(w.state().RightCount, 5);
}

void TestTyping::wrongKeysOnlyCountAndSound_data() {
    QTest::addColumn<bool>("keySound");
    QTest::newRow("Key Sound on") << true;
    QTest::newRow("Key Sound off") << false;
}

void TestTyping::wrongKeysOnlyCountAndSound() {
    QFETCH(bool, keySound);
    Fixture f(keySound ? "1,0,0,0,0,1" : "1,0,0,0,0,0");
    startDrill(f, kCharacterDrill);
    FrmType& w = f.w();
    const int target = w.state().TargetKey;
    const QRect box = controlsOf(w).shpChar->geometry();
    const QStringList shown = f.display();
    // A capital for a small letter, Backspace, an early Enter, a Tab, a key beyond Latin-1.
    f.type(target >= 'a' && target <= 'z' ? target - 32 : '~');
    f.type(kBackspace);
    f.type(kEnter);
    QTest::keyClick(controlsOf(w).picDisplay, Qt::Key_Tab);
    QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x20AC)));
    QApplication::sendEvent(controlsOf(w).picDisplay, &euro);
    QCOMPARE(w.state().ErrorCount, 5);
    QCOMPARE(w.state().RightCount, 0);
    QCOMPARE(int(w.state().TargetKey), target);
    QCOMPARE(controlsOf(w).shpChar->geometry(), box);
    QCOMPARE(f.display(), shown);
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).picDisplay); // Tab did not move the focus
    QCOMPARE(f.sound.names(), keySound ? QStringList(5, "uhoh.wav") : QStringList());
    f.sound.clear();
    f.type(target);
    QCOMPARE(f.sound.names(), keySound ? QStringList{"ding.wav"} : QStringList());
    if (keySound) QCOMPARE(f.sound.played[0].flags, WaveFlags::Async);
}

void TestTyping::wordDrillResultShowsSpeedAndAccuracy() {
    Fixture f;
    startDrill(f, kWordDrill);
    FrmType& w = f.w();
    const int n = w.state().LineLen - 1;
    while (w.state().LinePos < w.state().LineLen - 1)
        f.type(w.state().TargetKey);
    // n characters in n / 5 words at 60 words per minute take n * 200 ms, plus the
    // allowance for the first look.
    f.clock.now = w.state().DrillTicks + n * 200 + 750;
    f.type(kEnter);
    QCOMPARE(controlsOf(w).lblSpeed->text(), QStringLiteral("60 words per minute\n100% accuracy"));
    QCOMPARE(topTw(controlsOf(w).lblSpeed), 360 - 120);
    QVERIFY(controlsOf(w).lblSpeed->height() >= 2 * controlsOf(w).lblSpeed->fontMetrics().height());
    QVERIFY(controlsOf(w).fraSpeed->isVisible());
    QCOMPARE(f.sound.names().last(), QStringLiteral("tada.wav"));
    QCOMPARE(f.sound.played.back().flags, WaveFlags::Wait);
    QVERIFY(controlsOf(w).cmdOK->isVisible());
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdOK);
    QVERIFY(!controlsOf(w).shpChar->isVisible());
    QVERIFY(!controlsOf(w).imgArrow->isVisible());
    QVERIFY(f.markedKeys().empty());
}

void TestTyping::characterDrillResultShowsAccuracyOnly() {
    Fixture f("1,0,0,0,0,0");
    startDrill(f, kCharacterDrill);
    FrmType& w = f.w();
    f.type(kBackspace);
    f.type(kBackspace);
    while (w.state().Typing == 1)
        f.type(w.state().TargetKey);
    QCOMPARE(w.state().RightCount, 22);
    QCOMPARE(controlsOf(w).lblSpeed->text(), QStringLiteral("92% accuracy"));
    QCOMPARE(topTw(controlsOf(w).lblSpeed), 360);
    // The end sound plays whether or not Key Sound is on.
    QCOMPARE(f.sound.names(), QStringList{"tada.wav"});
}

void TestTyping::theLineEndsOnlyWithItsFinalEnter() {
    Fixture f;
    startDrill(f, kCharacterDrill);
    FrmType& w = f.w();
    for (int i = 0; i < 21; ++i) {
        QCOMPARE(int(w.state().Typing), 1);
        f.type(w.state().TargetKey);
    }
    QCOMPARE(int(w.state().TargetKey), kEnter);
    QCOMPARE(f.markedKeys(), std::vector<int>{kEnterKey});
    QVERIFY(!controlsOf(w).fraSpeed->isVisible());
    f.type(kEnter);
    QCOMPARE(int(w.state().Typing), 0);
    QVERIFY(controlsOf(w).fraSpeed->isVisible());
}

void TestTyping::keysAfterTheLineEndChangeNothing() {
    Fixture f;
    startDrill(f, kCharacterDrill);
    FrmType& w = f.w();
    while (w.state().Typing == 1)
        f.type(w.state().TargetKey);
    const int right = w.state().RightCount;
    const QStringList shown = f.display();
    controlsOf(w).picDisplay->setFocus();
    f.typeText(QStringLiteral("a\r"));
    QCOMPARE(w.state().RightCount, right);
    QCOMPARE(w.state().ErrorCount, 0);
    QCOMPARE(f.display(), shown);
}

void TestTyping::keysTypedWhileTheKeyboardHasTheFocusCount() {
    Fixture f;
    startDrill(f, kCharacterDrill);
    FrmType& w = f.w();
    controlsOf(w).picKeys->setFocus();
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).picKeys);
    f.type(w.state().TargetKey);
    f.type(kBackspace);
    QCOMPARE(w.state().RightCount, 1);
    QCOMPARE(w.state().ErrorCount, 1);
    QCOMPARE(int(w.state().LinePos), 1);
}

void TestTyping::keyboardPracticeEchoesAndMovesOn_data() {
    // keys: how many keys the finger is asked for; shift: its shift level; last: what
    // the last of them is (a character, or Enter); after: the slot that follows them
    // (empty, the Shift key that ends the finger, or the Enter left out when shifted).
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("after");
    QTest::newRow("one key") << 1 << 0 << 0 << 0;
    QTest::newRow("one key, then the Shift key") << 1 << 0 << 0 << int(kShiftKey);
    QTest::newRow("two keys") << 2 << 0 << 0 << 0;
    QTest::newRow("two shifted keys, Enter left out") << 2 << 4 << 0 << int(kEnter);
    QTest::newRow("three keys") << 3 << 0 << 0 << 0;
    QTest::newRow("three keys, the last Enter") << 3 << 0 << int(kEnter) << 0;
}

void TestTyping::keyboardPracticeEchoesAndMovesOn() {
    QFETCH(int, keys);
    QFETCH(int, shift);
    QFETCH(int, last);
    QFETCH(int, after);
    Fixture f("1,1,1,1,1,1"); // every row and Use Shift: every finger can come up
    FrmType& w = f.w();
    Fixture::click(controlsOf(w).cmdMenu[kKeyboardPractice]);

    // The OK button picks the finger at random: find a seed that picks one of the kind
    // this row asks for, by picking as the window does on a copy of its tables.
    std::uint32_t seed = 0;
    for (std::uint32_t s = 1; s < 10000 && seed == 0; ++s) {
        TypeState probe = w.state();
        SeededRandom random(s);
        PickPracticeFinger(probe, RowChoice{true, true, true, true}, true, random);
        LoadFingerKeys(probe);
        const std::vector<int> asked = practisedKeys(probe);
        const int next = asked.size() < 3 ? probe.PracticeKeys(int(asked.size()) + 1) : 0;
        if (int(asked.size()) == keys && probe.ShiftLevel == shift &&
            (asked.back() == kEnter) == (last == kEnter) && next == after)
            seed = s;
    }
    QVERIFY2(seed != 0, "no seed picks a finger of this kind");
    f.random.reseed(seed);
    Fixture::click(controlsOf(w).cmdOK);
    QCOMPARE(int(w.state().PracticeOn), 1);
    const std::vector<int> asked = practisedKeys(w.state());
    QCOMPARE(int(asked.size()), keys); // the OK button picked the finger we looked for
    QCOMPARE(int(w.state().ShiftLevel), shift);

    QStringList shown = f.display();
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown[0], QStringLiteral("Use the %1 finger of the")
                           .arg(QString::fromStdString(w.state().FingerName(w.state().Finger))));
    QCOMPARE(shown[1], QString::fromStdString(w.state().HandName(w.state().Hand)) + " hand.");
    QCOMPARE(shown[2], QString());

    QStringList expected = shown.mid(0, 3);
    for (int i = 0; i < keys; ++i) {
        const int key = asked[std::size_t(i)];
        const QString name = QString::fromStdString(w.state().PracticeKeyNames(i + 1));
        // Each key's prompt begins a line of its own, under the echo of the key before.
        QString line = "Press " + name + " three times: ";
        expected << line;
        QCOMPARE(f.display(), expected);
        QCOMPARE(name, key == kEnter ? QStringLiteral("Enter") : QString(QChar(key)));
        QCOMPARE(int(w.state().TargetKey), key);
        QCOMPARE(int(w.state().PracticeIndex), i + 1);
        const std::vector<int> marked = f.markedKeys(); // with a Shift key for a capital
        QVERIFY(std::ranges::count(marked,
                                   key == kEnter ? int(kEnterKey) : keyIndexOf(w.state(), key)));
        // Each right press prints a space and the key (Enter prints the space alone)
        // after the prompt, on the prompt's line.
        for (int press = 1; press <= 3; ++press) {
            QCOMPARE(f.pause.calls, i);
            f.type(key);
            line += key == kEnter ? QStringLiteral(" ") : QStringLiteral(" ") + QChar(key);
            expected.last() = line;
            if (press < 3) QCOMPARE(f.display(), expected);
        }
        QCOMPARE(f.pause.calls, i + 1);
    }
    // The finger is done: a new random finger on a fresh display, at its first key.
    QCOMPARE(w.state().RightCount, 3 * keys);
    QCOMPARE(w.state().ErrorCount, 0);
    QCOMPARE(int(w.state().PracticeIndex), 1);
    QCOMPARE(int(w.state().PressCount), 0);
    shown = f.display();
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown[3],
             "Press " + QString::fromStdString(w.state().PracticeKeyNames(1)) + " three times: ");
    QCOMPARE(int(w.state().TargetKey), int(w.state().PracticeKeys(1)));
}

void TestTyping::timedDrillFromOkToSpeed() {
    Fixture f;
    startDrill(f, kTimedDrill);
    FrmType& w = f.w();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(controlsOf(w).txtTime));
    QCOMPARE(controlsOf(w).txtTime->toPlainText(), QString());
    const std::int64_t start = w.state().DrillTicks;
    QCOMPARE(start, f.clock.now);
    const QString typed = QString(30, QLatin1Char('x')) + " " + QString(119, QLatin1Char('y'));
    f.typeText(typed);
    QCOMPARE(controlsOf(w).txtTime->toPlainText(), typed);
    f.clock.now = start + 30750;
    f.type(kEnter);
    QCOMPARE(controlsOf(w).lblSpeed->text(), QStringLiteral("60 words per minute"));
    QVERIFY(controlsOf(w).fraSpeed->isVisible());
    QCOMPARE(int(w.state().TimedRunning), 0);
    QCOMPARE(f.sound.names(), QStringList{"tada.wav"});
    QVERIFY(controlsOf(w).cmdOK->isVisible());
    // After the result, typing into the box changes nothing.
    controlsOf(w).txtTime->setFocus();
    const QString after = controlsOf(w).txtTime->toPlainText();
    f.typeText(QStringLiteral("more"));
    QCOMPARE(controlsOf(w).txtTime->toPlainText(), after);
    // The next Stop goes back to the menu.
    Fixture::click(controlsOf(w).cmdStop[2]);
    QVERIFY(controlsOf(w).fraMenu->isVisible());
    QVERIFY(!controlsOf(w).fraTime->isVisible());
}

void TestTyping::timedDrillEnterInAnEmptyBoxReturnsToTheMenu() {
    Fixture f;
    startDrill(f, kTimedDrill);
    f.type(kEnter);
    QVERIFY(controlsOf(f.w()).fraMenu->isVisible());
    QVERIFY(!controlsOf(f.w()).fraSpeed->isVisible());
    QVERIFY(f.sound.played.empty());
}

void TestTyping::stopReturnsToTheMenu() {
    Fixture f;
    startDrill(f, kWordDrill);
    FrmType& w = f.w();
    f.type(w.state().TargetKey);
    Fixture::click(controlsOf(w).cmdStop[1]);
    QCOMPARE(int(w.state().Typing), 0);
    QVERIFY(controlsOf(w).fraMenu->isVisible());
    QVERIFY(controlsOf(w).fraHelp->isVisible());
    QVERIFY(!controlsOf(w).picKeys->isVisible());
    QVERIFY(!controlsOf(w).picDisplay->isVisible());
    QCOMPARE(w.windowPicture().name(), QStringLiteral("computer"));
    QVERIFY(f.markedKeys().empty());
    QCOMPARE(controlsOf(w).pnlSpace->backColor(), QColor(192, 192, 192));
}

void TestTyping::okStartsAFreshLineAfterAResult() {
    Fixture f;
    startDrill(f, kCharacterDrill);
    FrmType& w = f.w();
    while (w.state().Typing == 1)
        f.type(w.state().TargetKey);
    const QString first = lineText(w);
    f.type(kEnter); // Enter presses OK, which has the focus
    QCOMPARE(int(w.state().Typing), 1);
    QVERIFY(!controlsOf(w).fraSpeed->isVisible());
    QCOMPARE(w.state().RightCount, 0);
    QCOMPARE(f.display().size(), 2);
    QVERIFY(lineText(w) != first);
}

QTEST_MAIN(TestTyping)
#include "test_typing.moc"
