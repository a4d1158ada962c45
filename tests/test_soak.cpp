// A long day at the keyboard in one process: thousands of drill lines with right and wrong
// keys, Keyboard Practice fingers, every lesson again and again and many Timed Drill runs,
// through the real window and its handlers, with the pause and the clock made instant.
// Memory in use must stay flat once the program has warmed up; the sanitizers and the
// leak check at exit watch everything else.
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

constexpr int kDrillLines = 2000;
constexpr int kPracticeFingers = 200;
constexpr int kLessonRounds = 10;
constexpr int kTimedRuns = 200;

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void aLongDay();

private:
    void drill(Fixture& f, int mode);
    void practice(Fixture& f);
    void lessons(Fixture& f);
    void timedRuns(Fixture& f);
    long long warm_ = -1;
    int lines_ = 0;
};

void TestSoak::drill(Fixture& f, int mode) {
    FrmType& w = f.w();
    Fixture::click(w.cmdMenu[static_cast<std::size_t>(mode)]);
    const char wrong[] = {'~', '\b', 'Q', '\r', ' '};
    for (int line = 0; line < kDrillLines; ++line) {
        Fixture::click(w.cmdOK);
        QVERIFY(w.Typing == 1);
        int keys = 0;
        while (w.Typing == 1 && keys < 200) {
            if (keys % 7 == 3 && wrong[keys % 5] != w.TargetKey)
                f.type(wrong[keys % 5]);
            f.type(w.TargetKey);
            ++keys;
        }
        QVERIFY(w.Typing == 0);
        QVERIFY(w.lblSpeed->text().endsWith(QLatin1String("% accuracy")));
        QCoreApplication::processEvents();
        if (++lines_ == 100)
            warm_ = heapInUse();
    }
    Fixture::click(w.cmdStop[1]);
}

void TestSoak::practice(Fixture& f) {
    FrmType& w = f.w();
    Fixture::click(w.cmdMenu[1]);
    Fixture::click(w.cmdOK);
    int fingers = 0;
    while (fingers < kPracticeFingers) {
        const int before = w.PracticeIndex;
        for (int i = 0; i < 3; ++i)
            f.type(w.TargetKey);
        if (w.PracticeIndex == 1 && before >= 1)
            ++fingers;
        f.type('~'); // one wrong key per practised key
        QCoreApplication::processEvents();
    }
    Fixture::click(w.cmdStop[1]);
}

void TestSoak::lessons(Fixture& f) {
    FrmType& w = f.w();
    Fixture::click(w.cmdMenu[0]);
    for (int round = 0; round < kLessonRounds; ++round) {
        Fixture::click(w.cmdLearn[0]);
        for (int page = 1; page <= 14; ++page) {
            if (page == 9 || page == 10)
                f.type(page == 9 ? kEnter : kSpace);
            Fixture::click(w.cmdNext[1]);
        }
        QVERIFY(w.LessonOn == 0);
        for (int lesson = 1; lesson <= 4; ++lesson) {
            Fixture::click(w.cmdLearn[static_cast<std::size_t>(lesson)]);
            Fixture::click(w.cmdNext[1]);
            Fixture::click(w.cmdNext[1]);
            int keys = 0;
            while (w.LessonOn == 1 && keys < 1000) {
                if (w.cmdOKPractice->isVisible())
                    Fixture::click(w.cmdOKPractice);
                else
                    f.type(w.TargetKey);
                ++keys;
            }
            QVERIFY(w.LessonOn == 0);
            QCoreApplication::processEvents();
        }
    }
    Fixture::click(w.cmdStop[0]);
}

void TestSoak::timedRuns(Fixture& f) {
    FrmType& w = f.w();
    Fixture::click(w.cmdMenu[4]);
    for (int run = 0; run < kTimedRuns; ++run) {
        Fixture::click(w.cmdOK);
        f.typeText(QStringLiteral("the quick brown fox jumps over the lazy dog"));
        f.clock.now += 10'000;
        f.type(kEnter);
        QVERIFY(w.lblSpeed->text().endsWith(QLatin1String("words per minute")));
        QCoreApplication::processEvents();
    }
    Fixture::click(w.cmdStop[2]);
    QVERIFY(w.fraMenu->isVisible());
}

void TestSoak::aLongDay() {
    Fixture f("1,1,1,1,1,1");
    f.sound.record = false;
    drill(f, kCharacterDrill);
    drill(f, kWordDrill);
    practice(f);
    lessons(f);
    timedRuns(f);
    QCoreApplication::processEvents();
    const long long end = heapInUse();
    const long long growth = end - warm_;
    std::printf("heap in use after 100 lines: %lld bytes; at the end: %lld bytes; growth %lld "
                "bytes\n",
                warm_, end, growth);
    QVERIFY2(growth < 1024 * 1024, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
    QVERIFY(f.sound.plays > 0);
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
