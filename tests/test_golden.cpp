// Whole activities played through the main window, key by key, with everything a child
// sees after each step written down: the display's text and pen, the marked keys, the
// hands, the space bar, the arrow, the cursor box, the result and which buttons stand.
// Each transcript must match the one kept in tests/golden; a change to what a child
// sees shows up there, line by line. TAPWELL_UPDATE_GOLDEN=1 writes them anew.
#include "harness.h"

#include "ui/twips.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace tapwell;
using namespace tapwell::test;

namespace {

class Transcript {
public:
    explicit Transcript(Fixture& f) : f_(f) {}

    void step(const QString& what) {
        FrmType& w = f_.w();
        QStringList out;
        out << QStringLiteral("# ") + what;
        if (controlsOf(w).picDisplay->isVisible()) {
            const QStringList lines = controlsOf(w).picDisplay->printedLines();
            if (lines != lastDisplay_) {
                for (const QString& line : lines)
                    out << QStringLiteral("  | ") + line;
                lastDisplay_ = lines;
            }
            out << QStringLiteral("  pen %1,%2")
                       .arg(qRound(controlsOf(w).picDisplay->CurrentX))
                       .arg(qRound(controlsOf(w).picDisplay->CurrentY));
        } else {
            lastDisplay_.clear();
        }
        QStringList keys;
        for (int k : f_.markedKeys())
            keys << QString::number(k);
        out << QStringLiteral("  keys %1; space %2; hands %3 %4")
                   .arg(keys.join(QLatin1Char(' ')),
                        controlsOf(w).pnlSpace->backColor() == QColor(255, 255, 0)
                            ? QStringLiteral("yellow")
                            : QStringLiteral("grey"),
                        controlsOf(w).imgHand[0]->isVisible() ? f_.leftHand() : QStringLiteral("-"),
                        controlsOf(w).imgHand[1]->isVisible() ? f_.rightHand()
                                                              : QStringLiteral("-"));
        QStringList shown;
        if (controlsOf(w).imgArrow->isVisible())
            shown << QStringLiteral("arrow@%1").arg(arrowRow(w));
        if (controlsOf(w).shpChar->isVisible())
            shown << QStringLiteral("cursor@%1").arg(controlsOf(w).shpChar->x());
        if (controlsOf(w).fraSpeed->isVisible())
            shown << QStringLiteral("result \"%1\"@%2")
                         .arg(controlsOf(w).lblSpeed->text().replace(QLatin1Char('\n'),
                                                                     QLatin1String("/")))
                         .arg(topTw(controlsOf(w).lblSpeed));
        if (controlsOf(w).cmdOK->isVisible()) shown << QStringLiteral("OK");
        if (controlsOf(w).cmdOKPractice->isVisible()) shown << QStringLiteral("OK-practice");
        if (controlsOf(w).cmdNext[1]->isVisible()) shown << QStringLiteral("Next");
        if (controlsOf(w).fraMenu->isVisible()) shown << QStringLiteral("menu");
        if (controlsOf(w).txtTime->isVisible())
            shown << QStringLiteral("box \"%1\"").arg(controlsOf(w).txtTime->toPlainText());
        out << QStringLiteral("  ") + shown.join(QLatin1Char(' '));
        out << QStringLiteral("  typing %1 right %2 wrong %3")
                   .arg(w.state().Typing)
                   .arg(w.state().RightCount)
                   .arg(w.state().ErrorCount);
        text_ += out.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }

    // Types the expected key, after a wrong one every seventh key, moving the clock on.
    void typeExpected(int i) {
        const int target = f_.w().state().TargetKey;
        f_.clock.now += 180;
        if (i % 7 == 3) {
            const int wrong = target == 'x' ? 'y' : 'x';
            f_.type(wrong);
            step(QStringLiteral("wrong %1").arg(QChar(wrong)));
        }
        f_.type(target);
        step(QStringLiteral("key %1").arg(target == kEnter ? QStringLiteral("Enter")
                                                           : QString(QChar(target))));
    }

    void click(QWidget* button, const QString& what) {
        Fixture::click(button);
        step(what);
    }

    // Compares with the kept transcript, or writes it.
    void check(const QString& name) const {
        const QString path = QStringLiteral(TAPWELL_GOLDEN_DIR "/") + name + QStringLiteral(".txt");
        QFile file(path);
        if (qEnvironmentVariableIntValue("TAPWELL_UPDATE_GOLDEN") == 1) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text_.toUtf8());
            return;
        }
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QStringList kept = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        const QStringList now = text_.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < std::min(kept.size(), now.size()); ++i)
            if (kept[i] != now[i])
                QFAIL(qPrintable(QStringLiteral("%1.txt line %2:\n  kept: %3\n  now:  %4")
                                     .arg(name)
                                     .arg(i + 1)
                                     .arg(kept[i], now[i])));
        QCOMPARE(now.size(), kept.size());
    }

private:
    static int arrowRow(FrmType& w) {
        for (int r = 1; r <= 5; ++r)
            if (w.state().RowTop(r) == topTw(controlsOf(w).imgArrow)) return r;
        return 0;
    }

    Fixture& f_;
    QString text_;
    QStringList lastDisplay_;
};

// Plays the running drill line to its end.
void typeLine(Fixture& f, Transcript& t) {
    for (int i = 0; f.w().state().Typing == 1 && i < 200; ++i)
        t.typeExpected(i);
}

} // namespace

class TestGolden : public QObject {
    Q_OBJECT
private slots:
    void drills_data();
    void drills();
    void keyboardPractice();
    void timedDrill();
    void lessons_data();
    void lessons();
};

void TestGolden::drills_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("settings");
    QTest::newRow("character_home_top_shift") << int(kCharacterDrill) << "1,1,0,0,1,1";
    QTest::newRow("character_all_rows") << int(kCharacterDrill) << "1,1,1,1,0,1";
    QTest::newRow("word_home_bottom") << int(kWordDrill) << "1,0,1,0,0,1";
    QTest::newRow("word_number_row_only") << int(kWordDrill) << "0,0,0,1,1,0";
}

void TestGolden::drills() {
    QFETCH(int, mode);
    QFETCH(QString, settings);
    Fixture f(settings.toStdString(), 11);
    Transcript t(f);
    t.click(controlsOf(f.w()).cmdMenu[static_cast<std::size_t>(mode)],
            QStringLiteral("menu choice"));
    for (int line = 0; line < 2; ++line) {
        t.click(controlsOf(f.w()).cmdOK, QStringLiteral("OK"));
        typeLine(f, t);
    }
    t.click(controlsOf(f.w()).cmdOK, QStringLiteral("OK"));
    t.typeExpected(0);
    t.click(controlsOf(f.w()).cmdStop[1], QStringLiteral("Stop"));
    t.check(QString::fromLatin1(QTest::currentDataTag()));
}

void TestGolden::keyboardPractice() {
    Fixture f("1,1,1,1,1,1", 5);
    Transcript t(f);
    t.click(controlsOf(f.w()).cmdMenu[1], QStringLiteral("menu choice"));
    t.click(controlsOf(f.w()).cmdOK, QStringLiteral("OK"));
    for (int i = 0; i < 120; ++i)
        t.typeExpected(i);
    t.click(controlsOf(f.w()).cmdStop[1], QStringLiteral("Stop"));
    t.check(QStringLiteral("keyboard_practice"));
}

void TestGolden::timedDrill() {
    Fixture f;
    Transcript t(f);
    t.click(controlsOf(f.w()).cmdMenu[4], QStringLiteral("menu choice"));
    t.click(controlsOf(f.w()).cmdOK, QStringLiteral("OK"));
    for (QChar c : QStringLiteral("the fox")) {
        f.clock.now += 200;
        f.type(c.unicode());
        t.step(QStringLiteral("key %1").arg(c));
    }
    f.type(kEnter);
    t.step(QStringLiteral("Enter"));
    f.type('z');
    t.step(QStringLiteral("key after the result"));
    t.click(controlsOf(f.w()).cmdOK, QStringLiteral("OK"));
    f.type(kEnter);
    t.step(QStringLiteral("Enter in an empty box"));
    t.click(controlsOf(f.w()).cmdMenu[4], QStringLiteral("menu choice"));
    t.click(controlsOf(f.w()).cmdStop[2], QStringLiteral("Stop before OK"));
    t.click(controlsOf(f.w()).cmdMenu[4], QStringLiteral("menu choice"));
    t.click(controlsOf(f.w()).cmdOK, QStringLiteral("OK"));
    f.type('a');
    t.click(controlsOf(f.w()).cmdStop[2], QStringLiteral("Stop with text"));
    t.click(controlsOf(f.w()).cmdStop[2], QStringLiteral("Stop after the result"));
    t.check(QStringLiteral("timed_drill"));
}

void TestGolden::lessons_data() {
    QTest::addColumn<int>("lesson");
    QTest::addColumn<QString>("settings");
    QTest::newRow("lesson_layout") << 0 << "1,0,0,0,0,1";
    QTest::newRow("lesson_home") << 1 << "1,0,0,0,0,1";
    QTest::newRow("lesson_top") << 2 << "1,0,0,0,0,0";
    QTest::newRow("lesson_bottom") << 3 << "1,0,0,0,0,1";
    QTest::newRow("lesson_number") << 4 << "1,0,0,0,0,1";
}

void TestGolden::lessons() {
    QFETCH(int, lesson);
    QFETCH(QString, settings);
    Fixture f(settings.toStdString());
    Transcript t(f);
    t.click(controlsOf(f.w()).cmdMenu[0], QStringLiteral("menu choice"));
    t.click(controlsOf(f.w()).cmdLearn[static_cast<std::size_t>(lesson)], QStringLiteral("lesson"));
    bool wentBack = false;
    int onPage = 0; // keys typed on a page that asks for a key, with Next beside
    for (int i = 0; f.w().state().LessonOn == 1 && i < 2000; ++i) {
        if (controlsOf(f.w()).cmdOKPractice->isVisible()) {
            t.click(controlsOf(f.w()).cmdOKPractice, QStringLiteral("OK after the Shift hint"));
        } else if (f.w().state().Typing == 1 && (f.w().state().PracticeOn == 1 || onPage < 3)) {
            t.typeExpected(i);
            ++onPage;
        } else if (!wentBack && f.w().state().LessonPage == 2) {
            wentBack = true;
            t.click(controlsOf(f.w()).cmdNext[0], QStringLiteral("Previous"));
        } else {
            QVERIFY(controlsOf(f.w()).cmdNext[1]->isVisible());
            t.click(controlsOf(f.w()).cmdNext[1], QStringLiteral("Next"));
            onPage = 0;
        }
    }
    t.click(controlsOf(f.w()).cmdStop[0], QStringLiteral("Stop"));
    t.check(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(int(f.w().state().LessonOn), 0);
}

QTEST_MAIN(TestGolden)
#include "test_golden.moc"
