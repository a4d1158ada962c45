// A long day at the keyboard in one process: thousands of drill lines with right and wrong
// keys, Keyboard Practice fingers, every lesson again and again and many Timed Drill runs,
// through the real window and its handlers, with the pause and the clock made instant.
// Memory in use must stay flat once the program has warmed up: every screen is visited
// first, then the heap is measured across the long run. The sanitizers and the leak check
// at exit watch everything else.
#include "harness.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace tapwell;
using namespace tapwell::test;

namespace {

// Bytes of heap in use now.
long long heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long long>(mallinfo2().uordblks);
#endif
}

// How much of each the day holds. The warm-up does a little of each first, so that what
// is built once (pictures, fonts, pages, Qt's own caches) is there before measuring.
struct Day {
    int drillLines; // of each drill
    int practiceFingers;
    int lessonRounds;
    int timedRuns;
};
constexpr Day kWarmUp{20, 20, 1, 20};
constexpr Day kLongDay{2000, 200, 10, 200};

// What the heap may grow by over the long day. A leak of 100 KB in that day must fail:
// that is 25 bytes a drill line, too little for a user ever to see, but a sign of
// something that is never given back. What is measured without a leak stays within a few
// kilobytes.
constexpr long long kAllowedGrowth = 48 * 1024;

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void aLongDay();

private:
    void day(Fixture& f, const Day& d);
    void drill(Fixture& f, int mode, int lines);
    void practice(Fixture& f, int fingers);
    void lessons(Fixture& f, int rounds);
    void timedRuns(Fixture& f, int runs);
};

void TestSoak::day(Fixture& f, const Day& d) {
    drill(f, kCharacterDrill, d.drillLines);
    drill(f, kWordDrill, d.drillLines);
    practice(f, d.practiceFingers);
    lessons(f, d.lessonRounds);
    timedRuns(f, d.timedRuns);
    QCoreApplication::processEvents();
}

void TestSoak::drill(Fixture& f, int mode, int lines) {
    FrmType& w = f.w();
    Fixture::click(controlsOf(w).cmdMenu[static_cast<std::size_t>(mode)]);
    const char wrong[] = {'~', '\b', 'Q', '\r', ' '};
    for (int line = 0; line < lines; ++line) {
        Fixture::click(controlsOf(w).cmdOK);
        QVERIFY(w.state().Typing == 1);
        int keys = 0;
        while (w.state().Typing == 1 && keys < 200) {
            if (keys % 7 == 3 && char32_t(wrong[keys % 5]) != w.state().TargetKey)
                f.type(wrong[keys % 5]);
            f.type(w.state().TargetKey);
            ++keys;
        }
        QVERIFY(w.state().Typing == 0);
        QVERIFY(controlsOf(w).lblSpeed->text().endsWith(QLatin1String("% accuracy")));
        QCoreApplication::processEvents();
    }
    Fixture::click(controlsOf(w).cmdStop[1]);
}

void TestSoak::practice(Fixture& f, int fingers) {
    FrmType& w = f.w();
    Fixture::click(controlsOf(w).cmdMenu[1]);
    Fixture::click(controlsOf(w).cmdOK);
    int done = 0;
    while (done < fingers) {
        const int before = w.state().PracticeIndex;
        for (int i = 0; i < 3; ++i)
            f.type(w.state().TargetKey);
        if (w.state().PracticeIndex == 1 && before >= 1) ++done;
        f.type('~'); // one wrong key per practised key
        QCoreApplication::processEvents();
    }
    Fixture::click(controlsOf(w).cmdStop[1]);
}

void TestSoak::lessons(Fixture& f, int rounds) {
    FrmType& w = f.w();
    Fixture::click(controlsOf(w).cmdMenu[0]);
    for (int round = 0; round < rounds; ++round) {
        Fixture::click(controlsOf(w).cmdLearn[0]);
        for (int page = 1; page <= 14; ++page) {
            if (page == 9 || page == 10) f.type(page == 9 ? kEnter : kSpace);
            Fixture::click(controlsOf(w).cmdNext[1]);
        }
        QVERIFY(w.state().LessonOn == 0);
        for (int lesson = 1; lesson <= 4; ++lesson) {
            Fixture::click(controlsOf(w).cmdLearn[static_cast<std::size_t>(lesson)]);
            Fixture::click(controlsOf(w).cmdNext[1]);
            Fixture::click(controlsOf(w).cmdNext[1]);
            int keys = 0;
            while (w.state().LessonOn == 1 && keys < 1000) {
                if (controlsOf(w).cmdOKPractice->isVisible())
                    Fixture::click(controlsOf(w).cmdOKPractice);
                else
                    f.type(w.state().TargetKey);
                ++keys;
            }
            QVERIFY(w.state().LessonOn == 0);
            QCoreApplication::processEvents();
        }
    }
    Fixture::click(controlsOf(w).cmdStop[0]);
}

void TestSoak::timedRuns(Fixture& f, int runs) {
    FrmType& w = f.w();
    Fixture::click(controlsOf(w).cmdMenu[4]);
    for (int run = 0; run < runs; ++run) {
        Fixture::click(controlsOf(w).cmdOK);
        f.typeText(QStringLiteral("the quick brown fox jumps over the lazy dog"));
        f.clock.now += 10'000;
        f.type(kEnter);
        QVERIFY(controlsOf(w).lblSpeed->text().endsWith(QLatin1String("words per minute")));
        QCoreApplication::processEvents();
    }
    Fixture::click(controlsOf(w).cmdStop[2]);
    QVERIFY(controlsOf(w).fraMenu->isVisible());
}

void TestSoak::aLongDay() {
    Fixture f("1,1,1,1,1,1");
    f.sound.record = false;
    day(f, kWarmUp);
    if (QTest::currentTestFailed()) return;
    const long long warm = heapInUse();
    day(f, kLongDay);
    if (QTest::currentTestFailed()) return;
    const long long end = heapInUse();
    const long long growth = end - warm;
    std::printf("heap in use after the warm-up: %lld bytes; at the end: %lld bytes; growth %lld "
                "bytes (allowed %lld)\n",
                warm, end, growth, kAllowedGrowth);
    QVERIFY2(growth < kAllowedGrowth, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
    QVERIFY(f.sound.plays > 0);
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
