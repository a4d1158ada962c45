// The typing path without a window: whole lines, practices, lessons and runs driven key
// by key through the core, with what it shows read from fakes and what it reports read
// from a recording sink. The events must carry exactly the counts the results show.
#include "core/typingcore.h"
#include "drills/results.h"
#include "shipped.h"
#include "support/corerig.h"

#include <QtTest>

#include <cstring>

#include <memory>
#include <numeric>

using namespace tapwell;
using namespace tapwell::test;

namespace {

// The rig with the options these tests start from.
struct Core : CoreRig {
    explicit Core(const std::string& rows = "1,0,0,0", bool shift = false, std::uint32_t seed = 3)
        : CoreRig(rows, shift, seed) {}
};

std::int32_t rightKeys(const std::vector<KeyJudged>& keys) {
    return static_cast<std::int32_t>(
        std::count_if(keys.begin(), keys.end(), [](const KeyJudged& k) { return k.right; }));
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void aDrillLineReportsWhatItsResultShows_data();
    void aDrillLineReportsWhatItsResultShows();
    void keyboardPracticeWalksFingerAfterFinger();
    void aLessonPracticeRunsBothHandsAndTheShiftHint();
    void leavingALessonIsReported();
    void trickyKeysLinesComeFromTheRecord();
    void aTimedRunReportsItsSpeed();
    void stopInEachState();
    void theGuideMarksShiftedKeysWithTheOtherHandsShift();
    void wordDrillRows_data();
    void wordDrillRows();
};

void TestCore::aDrillLineReportsWhatItsResultShows_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("rows");
    QTest::newRow("Character Drill") << int(kCharacterDrill) << "1,1,0,0";
    QTest::newRow("Word Drill") << int(kWordDrill) << "1,0,1,0";
}

void TestCore::aDrillLineReportsWhatItsResultShows() {
    QFETCH(int, mode);
    QFETCH(QString, rows);
    Core c(rows.toStdString(), true);
    c.core->chooseMode(mode);
    c.core->ok();
    QCOMPARE(int(c.s().Typing), 1);
    QVERIFY(c.view.cursor && c.view.arrow);
    const std::string line = c.display.lines.at(1);
    c.typeAsked(200);

    QCOMPARE(int(c.s().Typing), 0);
    QVERIFY(c.view.ok && !c.view.cursor && !c.view.arrow);
    QCOMPARE(c.display.lines.at(2), line); // the typed line stands under the model
    QCOMPARE(c.events.lines.size(), std::size_t(1));
    const LineFinished& e = c.events.lines[0];
    QCOMPARE(e.characters, int(line.size()));
    QCOMPARE(e.right, c.s().RightCount);
    QCOMPARE(e.wrong, c.s().ErrorCount);
    QCOMPARE(e.right, rightKeys(c.events.keys));
    QCOMPARE(e.right + e.wrong, std::int32_t(c.events.keys.size()));
    QVERIFY(e.shift);
    std::string caption = accuracyText(e.right, e.wrong);
    if (mode == kWordDrill) caption = speedText(e.characters, e.ms) + "\n" + caption;
    QCOMPARE(c.view.result, caption);
    QCOMPARE(c.view.resultTop, mode == kWordDrill ? 240 : 360);
    // Every key's time adds up to the line's, the allowance aside.
    std::int64_t total = 0;
    for (const KeyJudged& k : c.events.keys)
        total += k.msSincePrevious;
    QCOMPARE(e.ms, total - kReactionAllowanceMs);
    QCOMPARE(c.sound.names().last(), QStringLiteral("tada.wav"));
    QCOMPARE(c.events.readies.size(), std::size_t(1));
}

void TestCore::keyboardPracticeWalksFingerAfterFinger() {
    Core c("1,1,1,1", true, 9);
    c.core->chooseMode(kKeyboardPractice);
    c.core->ok();
    QCOMPARE(int(c.s().PracticeOn), 1);
    c.typeAsked(150);
    QVERIFY(c.events.fingers.size() >= 5);
    std::int32_t right = 0, wrong = 0;
    for (const PracticeFingerFinished& f : c.events.fingers) {
        QVERIFY(f.activity == Activity::Practice);
        QCOMPARE(f.right % kPressesPerKey, 0); // every key of a finger pressed three times
        QVERIFY(f.right >= kPressesPerKey);
        right += f.right;
        wrong += f.wrong;
    }
    QVERIFY(right <= c.s().RightCount && wrong <= c.s().ErrorCount);
    QCOMPARE(c.pause.calls * kPressesPerKey, rightKeys(c.events.keys));
    QCOMPARE(c.events.readies.size(), c.events.fingers.size() + 1); // each finger, and the next
}

void TestCore::aLessonPracticeRunsBothHandsAndTheShiftHint() {
    Core c;
    c.core->chooseMode(kLearnKeyboard);
    c.core->learn(kHomeRow);
    for (int page = 0; page < 8 && c.s().Typing == 0; ++page)
        c.core->next(1);
    QCOMPARE(int(c.s().Typing), 1);
    int hints = 0;
    for (int i = 0; i < 1000 && c.s().LessonOn == 1; ++i) {
        if (c.view.okPractice) {
            ++hints;
            // The Shift key of the other hand is marked.
            QVERIFY(c.guide->marked(c.s().Hand == 1 ? kRightShiftKey : kLeftShiftKey));
            c.core->okPractice();
        } else {
            c.typeAsked(1);
        }
    }
    QCOMPARE(hints, 2);
    QCOMPARE(c.view.screen, std::string("lesson choices"));
    QVERIFY(c.view.lessonChoices);
    QCOMPARE(c.events.lessons.size(), std::size_t(1));
    QCOMPARE(c.events.lessons[0].row, int(kHomeRow));
    QCOMPARE(c.events.fingers.size(), std::size_t(16)); // four fingers, two hands, twice
    std::int32_t right = 0;
    for (const PracticeFingerFinished& f : c.events.fingers)
        right += f.right;
    QCOMPARE(c.events.lessons[0].right, right);
    QVERIFY(c.events.left.empty());
}

void TestCore::leavingALessonIsReported() {
    Core c;
    c.core->chooseMode(kLearnKeyboard);
    c.core->learn(0);
    c.core->next(1);
    c.core->next(1);
    c.core->stop(0);
    QCOMPARE(c.events.left.size(), std::size_t(1));
    QCOMPARE(c.events.left[0].page, 3);
    QCOMPARE(c.view.screen, std::string("lesson choices"));
    QCOMPARE(int(c.s().LessonOn), 0);
}

void TestCore::trickyKeysLinesComeFromTheRecord() {
    Core c("1,1,0,0");
    c.core->chooseMode(kCharacterDrill);
    c.core->setTricky(true);
    int asked = 0;
    c.core->setTrickySource([&] {
        ++asked;
        return TrickyRecord{{keyIndexOf(c.s(), 'w'), {0.9, false}}};
    });
    c.core->ok();
    QCOMPARE(asked, 1);
    QCOMPARE(c.display.lines.at(0), std::string()); // nothing to say above the line
    c.typeAsked(200);
    QCOMPARE(c.events.lines.size(), std::size_t(1));
    QVERIFY(c.events.lines[0].activity == Activity::Tricky);
    QVERIFY(c.events.keys.front().activity == Activity::Tricky);
    QCOMPARE(c.view.result,
             accuracyText(c.s().RightCount, c.s().ErrorCount)); // as a Character Drill
    QVERIFY(QByteArray::fromStdString(c.display.lines.back()).startsWith("Practised: W"));

    // Every key secure: the drill says so above a plain line, and names no keys after it.
    c.core->setTrickySource([&] {
        TrickyRecord all;
        for (int k = kFirstKey; k < kLastKey; ++k)
            all[k] = {0.01, true};
        return all;
    });
    c.core->ok();
    // Said whole, wrapped at a word where the display is narrower than the sentence.
    std::string said;
    for (std::size_t i = 0; said.size() < std::strlen(kAllSecureText); ++i) {
        QVERIFY(c.display.TextWidth(c.display.lines.at(i)) <= c.display.WidthTw());
        said += (said.empty() ? "" : " ") + c.display.lines.at(i);
    }
    QCOMPARE(said, std::string(kAllSecureText));
    c.typeAsked(200);
    QVERIFY(!QByteArray::fromStdString(c.display.lines.back()).startsWith("Practised"));
}

void TestCore::aTimedRunReportsItsSpeed() {
    Core c;
    c.core->chooseMode(kTimedDrill);
    c.core->ok();
    c.view.timedText = std::string(150, 'a');
    c.clock.now += 30'750;
    QVERIFY(c.core->timedKey(kEnter));
    QCOMPARE(c.view.result, std::string("60 words per minute"));
    QCOMPARE(c.events.runs.size(), std::size_t(1));
    QCOMPARE(c.events.runs[0].characters, 150);
    QCOMPARE(c.events.runs[0].ms, std::int64_t(30'000));
    QCOMPARE(c.events.runs[0].wordsPerMinute, 60.0);
    QVERIFY(!c.core->timedKey('x')); // the box takes nothing after the result
}

void TestCore::stopInEachState() {
    Core c;
    // A Timed Drill with an empty box goes back to the menu and ends the run.
    c.core->chooseMode(kTimedDrill);
    c.core->ok();
    c.core->timedKey(kEnter);
    QCOMPARE(c.view.screen, std::string("menu"));
    QCOMPARE(int(c.s().TimedRunning), 0);
    QVERIFY(c.events.runs.empty());
    // Stop in a drill line clears the guide and leaves without a result.
    c.core->chooseMode(kCharacterDrill);
    c.core->ok();
    c.typeAsked(3);
    c.core->stop(1);
    QCOMPARE(int(c.s().Typing), 0);
    for (int k = kFirstKey; k <= kLastKey; ++k)
        QVERIFY(!c.guide->marked(k));
    QVERIFY(c.events.lines.empty());
}

void TestCore::theGuideMarksShiftedKeysWithTheOtherHandsShift() {
    Core c;
    GuideModel& g = *c.guide;
    g.ShowKey('A'); // left little finger, with the right Shift
    QVERIFY(g.marked(keyIndexOf(c.s(), 'a')));
    QVERIFY(g.marked(kRightShiftKey) && !g.marked(kLeftShiftKey));
    QCOMPARE(g.hand(kLeftHand), kLittleFingerLit);
    QCOMPARE(g.hand(kRightHand), kLittleFingerLit);
    g.ClearKey('A');
    QVERIFY(!g.marked(kRightShiftKey));
    g.ShowHomeKeys();
    QCOMPARE(g.hand(kLeftHand), kFourFingers); // the home keys keep both hands on them
    QCOMPARE(int(c.s().HomeShown), -1);
    g.showNext(kSpace);
    QVERIFY(g.spaceBarMarked());
    g.ClearAllKeys();
    QVERIFY(!g.spaceBarMarked());
    for (int k = kFirstKey; k <= kLastKey; ++k)
        QVERIFY(!g.marked(k));
}

void TestCore::wordDrillRows_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("only Number Row") << "0001"
                                     << "1000";
    QTest::newRow("Number Row and Top Row") << "0101"
                                            << "0100";
    QTest::newRow("no Number Row") << "1010"
                                   << "1010";
}

void TestCore::wordDrillRows() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    RowChoice rows{};
    for (std::size_t i = 0; i < 4; ++i)
        rows[i] = before[static_cast<qsizetype>(i)] == QLatin1Char('1');
    QString out;
    for (bool r : tapwell::wordDrillRows(rows))
        out += r ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(out, after);
}

QTEST_MAIN(TestCore)
#include "test_core.moc"
