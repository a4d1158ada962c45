// The Learn Keyboard lessons driven through the window, and the on-screen key warning.
#include "harness.h"

#include "ui/twips.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tapwell;
using namespace tapwell::test;

namespace {

void openLesson(Fixture& f, int lesson) {
    Fixture::click(controlsOf(f.w()).cmdMenu[0]);
    Fixture::click(controlsOf(f.w()).cmdLearn[static_cast<std::size_t>(lesson)]);
}

void next(Fixture& f, int times = 1) {
    for (int i = 0; i < times; ++i)
        Fixture::click(controlsOf(f.w()).cmdNext[1]);
}

void previous(Fixture& f) {
    Fixture::click(controlsOf(f.w()).cmdNext[0]);
}

} // namespace

class TestLessonWindow : public QObject {
    Q_OBJECT
private slots:
    void previousOnTheFirstPageRedrawsIt();
    void rowPagesNameTheRowAndMoveTheArrow();
    void goingBackUndoesThePageSetUp();
    void enterAndSpacePagesJudgeTheirKey();
    void theLayoutLessonEndsAfterPage14();
    void rowLessonsNameTheirRow();
    void thePracticePageHidesTheNavigation();
    void aWholeRowLessonPractice_data();
    void aWholeRowLessonPractice();
    void stopDuringALessonKeepsTheLessonChoices();
    void clickingAnOnScreenKeyWhileTyping();
    void clickingAnOnScreenKeyDuringATimedRun();
};

void TestLessonWindow::previousOnTheFirstPageRedrawsIt() {
    Fixture f;
    openLesson(f, 0);
    QCOMPARE(int(f.w().state().LessonOn), 1);
    QCOMPARE(QApplication::focusWidget(), controlsOf(f.w()).cmdNext[1]);
    for (QPushButton* b : controlsOf(f.w()).cmdLearn)
        QVERIFY(!b->isEnabled());
    const QStringList first = f.display();
    QCOMPARE(first.value(0), QStringLiteral("This program concentrates on  "));
    previous(f);
    QCOMPARE(int(f.w().state().LessonPage), 1);
    QCOMPARE(f.display(), first);
    // Enter presses Next, which has the focus.
    controlsOf(f.w()).cmdNext[1]->setFocus();
    f.type(kEnter);
    QCOMPARE(int(f.w().state().LessonPage), 2);
}

void TestLessonWindow::rowPagesNameTheRowAndMoveTheArrow() {
    Fixture f;
    openLesson(f, 0);
    next(f, 2);
    QCOMPARE(f.display(), (QStringList{"This row is called the home", "row."}));
    QVERIFY(controlsOf(f.w()).imgArrow->isVisible());
    QCOMPARE(topTw(controlsOf(f.w()).imgArrow), 1320);
    const QStringList names = {"top", "bottom", "number"};
    const int tops[] = {720, 1920, 120};
    for (int i = 0; i < 3; ++i) {
        next(f);
        QCOMPARE(f.display().value(0), "This row is called the " + names[i]);
        QCOMPARE(topTw(controlsOf(f.w()).imgArrow), tops[i]);
    }
}

void TestLessonWindow::goingBackUndoesThePageSetUp() {
    Fixture f;
    openLesson(f, 0);
    next(f, 7); // page 8: the home position
    QVERIFY(controlsOf(f.w()).imgHand[0]->isVisible());
    QCOMPARE(f.markedKeys().size(), std::size_t(8));
    previous(f);
    QCOMPARE(int(f.w().state().LessonPage), 7);
    QVERIFY(!controlsOf(f.w()).imgHand[0]->isVisible());
    QVERIFY(f.markedKeys().empty());
    next(f, 3); // page 10: the space bar
    QCOMPARE(controlsOf(f.w()).pnlSpace->backColor(), QColor(255, 255, 0));
    QCOMPARE(topTw(controlsOf(f.w()).imgArrow), 2520);
    previous(f);
    QCOMPARE(controlsOf(f.w()).pnlSpace->backColor(), QColor(192, 192, 192));
    QCOMPARE(f.markedKeys(), std::vector<int>{kEnterKey});
    QCOMPARE(f.rightHand(), QStringLiteral("finger_08"));
}

void TestLessonWindow::enterAndSpacePagesJudgeTheirKey() {
    Fixture f("1,0,0,0,0,0"); // Key Sound off: the lessons sound all the same
    openLesson(f, 0);
    next(f, 8);
    QCOMPARE(f.display().last(), QStringLiteral("Press Enter a few times."));
    QCOMPARE(QApplication::focusWidget(), controlsOf(f.w()).picDisplay);
    f.type(kEnter);
    f.type(kSpace);
    QCOMPARE(f.sound.names(), (QStringList{"ding.wav", "uhoh.wav"}));
    next(f);
    f.sound.clear();
    controlsOf(f.w()).picDisplay->setFocus();
    f.type(kSpace);
    f.type('x');
    QCOMPARE(f.sound.names(), (QStringList{"ding.wav", "uhoh.wav"}));
    next(f); // page 11 asks for nothing
    f.sound.clear();
    controlsOf(f.w()).picDisplay->setFocus();
    f.type(kSpace);
    QVERIFY(f.sound.played.empty());
}

void TestLessonWindow::theLayoutLessonEndsAfterPage14() {
    Fixture f;
    openLesson(f, 0);
    next(f, 13);
    QCOMPARE(int(f.w().state().LessonPage), 14);
    QCOMPARE(f.display().value(0), QStringLiteral("More on the Shift keys later."));
    next(f);
    FrmType& w = f.w();
    QCOMPARE(int(w.state().LessonOn), 0);
    QVERIFY(!controlsOf(w).picDisplay->isVisible());
    QVERIFY(!controlsOf(w).imgArrow->isVisible());
    QVERIFY(!controlsOf(w).cmdNext[0]->isVisible() && !controlsOf(w).cmdNext[1]->isVisible());
    QVERIFY(!controlsOf(w).lblNext[0]->isVisible() && !controlsOf(w).lblNext[1]->isVisible());
    QVERIFY(controlsOf(w).fraLearn->isVisible());
    for (QPushButton* b : controlsOf(w).cmdLearn)
        QVERIFY(b->isEnabled());
}

void TestLessonWindow::rowLessonsNameTheirRow() {
    Fixture f;
    openLesson(f, 4);
    QCOMPARE(f.display().value(0), QStringLiteral("Learn keys of number row."));
    QCOMPARE(topTw(controlsOf(f.w()).imgArrow), 120);
    QVERIFY(controlsOf(f.w()).imgHand[1]->isVisible());
    next(f);
    QCOMPARE(f.display(),
             (QStringList{"Make sure your hands are in", "home position before starting."}));
    QCOMPARE(f.leftHand(), QStringLiteral("finger_05"));
}

void TestLessonWindow::thePracticePageHidesTheNavigation() {
    Fixture f;
    openLesson(f, 1);
    next(f, 2);
    FrmType& w = f.w();
    QVERIFY(!controlsOf(w).cmdNext[0]->isVisible() && !controlsOf(w).cmdNext[1]->isVisible());
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).picDisplay);
    QCOMPARE(f.display(), (QStringList{"The little finger of the ", "left hand is used to ",
                                       "press 1 key: a", "Press a three times: "}));
    QCOMPARE(f.markedKeys(), std::vector<int>{76});
    QCOMPARE(f.leftHand(), QStringLiteral("finger_01"));
}

void TestLessonWindow::aWholeRowLessonPractice_data() {
    QTest::addColumn<int>("lesson");
    for (int lesson = 1; lesson <= 4; ++lesson)
        QTest::newRow(qPrintable(QStringLiteral("lesson %1").arg(lesson))) << lesson;
}

void TestLessonWindow::aWholeRowLessonPractice() {
    QFETCH(int, lesson);
    Fixture f;
    openLesson(f, lesson);
    next(f, 2);
    FrmType& w = f.w();
    int hints = 0, keys = 0, lastKey = 0;
    QStringList hintPages;
    while (w.state().LessonOn == 1 && keys < 2000) {
        if (controlsOf(w).cmdOKPractice->isVisible()) {
            ++hints;
            hintPages << f.display().join(QLatin1Char('|'));
            QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdOKPractice);
            f.type(kEnter); // Enter presses OK, which has the focus
            continue;
        }
        lastKey = w.state().TargetKey;
        f.type(lastKey);
        ++keys;
    }
    QCOMPARE(hints, 2);
    QVERIFY(hintPages[0].startsWith("Now try using the Shift key.|When typing with the left|"));
    QVERIFY(hintPages[0].endsWith("|finger of the right hand."));
    QVERIFY(hintPages[1].endsWith("|finger of the left hand."));
    QCOMPARE(int(w.state().LessonOn), 0);
    QCOMPARE(w.state().ErrorCount, 0);
    QVERIFY(controlsOf(w).fraLearn->isVisible());
    QVERIFY(!controlsOf(w).picDisplay->isVisible());
    for (QPushButton* b : controlsOf(w).cmdLearn)
        QVERIFY(b->isEnabled());
    QCOMPARE(f.pause.calls, keys / 3);
    // Typing the last key again changes nothing.
    const int right = w.state().RightCount;
    controlsOf(w).picKeys->setFocus();
    f.type(lastKey);
    QCOMPARE(w.state().RightCount, right);
}

void TestLessonWindow::stopDuringALessonKeepsTheLessonChoices() {
    Fixture f;
    openLesson(f, 2);
    next(f, 2);
    Fixture::click(controlsOf(f.w()).cmdStop[0]);
    QCOMPARE(int(f.w().state().LessonOn), 0);
    QCOMPARE(int(f.w().state().Typing), 0);
    QVERIFY(controlsOf(f.w()).fraLearn->isVisible());
    QVERIFY(f.markedKeys().empty());
    // A second Stop leaves for the menu.
    Fixture::click(controlsOf(f.w()).cmdStop[0]);
    QVERIFY(controlsOf(f.w()).fraMenu->isVisible());
    QVERIFY(!controlsOf(f.w()).fraLearn->isVisible());
}

void TestLessonWindow::clickingAnOnScreenKeyWhileTyping() {
    Fixture f;
    openLesson(f, 0);
    next(f, 7); // page 8 takes no keys: a click does nothing
    Fixture::click(controlsOf(f.w()).cmdKey(80));
    QVERIFY(f.sound.played.empty());
    next(f); // page 9 waits for Enter
    BoxCloser closer;
    Fixture::click(controlsOf(f.w()).cmdKey(80));
    QCOMPARE(closer.title, QStringLiteral("Try Again!"));
    QCOMPARE(closer.text, QStringLiteral("Use your keyboard, not this one!"));
    QCOMPARE(f.sound.names(), QStringList{"uhoh.wav"});
    QCOMPARE(f.sound.played[0].flags, WaveFlags::Wait);
    QCOMPARE(f.w().state().ErrorCount, 0);
    QCOMPARE(f.w().focusWidget(), controlsOf(f.w()).picDisplay);
}

void TestLessonWindow::clickingAnOnScreenKeyDuringATimedRun() {
    Fixture f;
    Fixture::click(controlsOf(f.w()).cmdMenu[4]);
    Fixture::click(controlsOf(f.w()).cmdOK);
    f.typeText(QStringLiteral("abc"));
    BoxCloser closer;
    Fixture::click(controlsOf(f.w()).cmdKey(60));
    QCOMPARE(closer.title, QStringLiteral("Try Again!"));
    QVERIFY(!controlsOf(f.w()).picDisplay->isVisible());
    QCOMPARE(controlsOf(f.w()).txtTime->toPlainText(), QStringLiteral("abc"));
    QCOMPARE(f.w().focusWidget(), static_cast<QWidget*>(controlsOf(f.w()).txtTime));
    QCOMPARE(int(f.w().state().TimedRunning), 1);
}

QTEST_MAIN(TestLessonWindow)
#include "test_lessonwindow.moc"
