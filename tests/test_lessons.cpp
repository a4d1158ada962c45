// The finger-by-finger key instructions with the shipped key data, and the text and
// set-up steps of the Learn Keyboard pages.
#include "lessons/fingerkeys.h"
#include "lessons/lessonpages.h"
#include "shipped.h"

#include <QFile>
#include <QtTest>

#include <memory>

namespace tapwell {

namespace {

using test::stateWithKeyData;

void choose(TypeState& s, int row, int hand, int finger, int shiftLevel) {
    s.Row = static_cast<i16>(row);
    s.Hand = static_cast<i16>(hand);
    s.Finger = static_cast<i16>(finger);
    s.ShiftLevel = static_cast<i16>(shiftLevel);
}

QStringList toList(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines)
        out << QString::fromStdString(l);
    return out;
}

// The set-up steps by name, in the order of PageStep.
QString stepsText(const std::vector<Step>& steps) {
    static const char* const names[] = {
        "HideArrow",         "ShowArrow",     "ArrowAtRow",     "HideHands",      "ShowHands",
        "ShowHomeKeys",      "ClearHomeKeys", "ShowEnterKey",   "ClearEnterKey",  "ShowSpaceBar",
        "ClearSpaceBar",     "ShowLeftShift", "ClearLeftShift", "ShowRightShift", "ClearRightShift",
        "HideLessonButtons", "StartPractice"};
    QStringList out;
    for (const Step& st : steps) {
        QString name = QString::fromLatin1(names[static_cast<int>(st.what)]);
        if (st.what == PageStep::ArrowAtRow)
            name += st.row == kLessonRow ? QStringLiteral(" lesson")
                                         : QStringLiteral(" %1").arg(st.row);
        out << name;
    }
    return out.join(QLatin1Char(','));
}

} // namespace

class TestLessons : public QObject {
    Q_OBJECT

private slots:
    void workedExample() {
        auto s = stateWithKeyData();
        choose(*s, 3, 1, 1, 0); // bottom row, left little finger, unshifted
        LoadFingerKeys(*s);
        QCOMPARE(toList(FingerInstructionLines(*s, false)),
                 (QStringList{"The little finger of the ", "left hand is used to ",
                              "press 2 keys: z Shift"}));
        QCOMPARE(toList(FingerInstructionLines(*s, true)),
                 (QStringList{"Use the little finger of the", "left hand.", ""}));
        QCOMPARE(PressPrompt(s->PracticeKeyNames(1)), std::string("Press z three times: "));
        QCOMPARE(int{s->PracticeKeys(1)}, int{'z'});
        QCOMPARE(int{s->PracticeKeys(2)}, kShiftKey);
    }

    void keyList_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("hand");
        QTest::addColumn<int>("finger");
        QTest::addColumn<int>("shiftLevel");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("left little, bottom row, shifted")
            << 3 << 1 << 1 << 4 << "press 2 keys: Z Shift"
            << "Press Z three times: ";
        QTest::newRow("left little, home row: one key") << 1 << 1 << 1 << 0 << "press 1 key: a"
                                                        << "Press a three times: ";
        QTest::newRow("right little, home row, with Enter")
            << 1 << 2 << 1 << 0 << "press 3 keys: ; ' Enter"
            << "Press ; three times: ";
        QTest::newRow("right little, home row, shifted: no Enter")
            << 1 << 2 << 1 << 4 << "press 2 keys: : \""
            << "Press : three times: ";
        QTest::newRow("left index, top row") << 2 << 1 << 4 << 0 << "press 2 keys: r t"
                                             << "Press r three times: ";
        QTest::newRow("right index, number row, shifted") << 4 << 2 << 4 << 4 << "press 2 keys: & ^"
                                                          << "Press & three times: ";
    }
    void keyList() {
        QFETCH(int, row);
        QFETCH(int, hand);
        QFETCH(int, finger);
        QFETCH(int, shiftLevel);
        QFETCH(QString, keys);
        QFETCH(QString, prompt);
        auto s = stateWithKeyData();
        choose(*s, row, hand, finger, shiftLevel);
        LoadFingerKeys(*s);
        QCOMPARE(int{s->FingerNumber}, (hand - 1) * 4 + finger);
        QCOMPARE(toList(FingerInstructionLines(*s, false)).at(2), keys);
        QCOMPARE(QString::fromStdString(PressPrompt(s->PracticeKeyNames(1))), prompt);
    }

    void enterAsTheFirstKey() {
        auto s = stateWithKeyData();
        s->FingerKeys(8, 2, 0) = 1;
        s->FingerKeys(8, 2, 1) = kEnter;
        choose(*s, 2, 2, 4, 0);
        LoadFingerKeys(*s);
        QCOMPARE(s->PracticeKeyNames(1), std::string("Enter"));
        QCOMPARE(PressPrompt(s->PracticeKeyNames(1)), std::string("Press Enter three times: "));
    }

    void keyCountOutsideTheSlots_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shiftLevel");
        QTest::addColumn<int>("walked"); // slots the practice walks through
        QTest::newRow("0 keys") << 0 << 0 << 0;
        QTest::newRow("4 keys") << 4 << 0 << 3;
        QTest::newRow("9 keys") << 9 << 0 << 3;
        QTest::newRow("a negative count") << -5 << 0 << 0;
        QTest::newRow("the largest count") << 32767 << 4 << 3;
    }
    void keyCountOutsideTheSlots() {
        QFETCH(int, count);
        QFETCH(int, shiftLevel);
        QFETCH(int, walked);
        auto s = stateWithKeyData();
        // The right index finger of the top row, with every slot holding a letter.
        s->FingerKeys(8, 2, 0) = static_cast<i16>(count);
        for (int k = 1; k <= 8; ++k)
            s->FingerKeys(8, 2, k) = static_cast<i16>('a' + k - 1);
        choose(*s, 2, 2, 4, shiftLevel);
        LoadFingerKeys(*s);
        QCOMPARE(PracticeLength(*s), walked);
        const QString keys = QString::fromStdString(FingerInstructionLines(*s, false).at(2));
        const QString listed = keys.section(QLatin1Char(':'), 1).trimmed();
        QCOMPARE(int(listed.split(QLatin1Char(' '), Qt::SkipEmptyParts).size()), walked);
        QVERIFY2(!listed.contains(QChar('a' + shiftLevel + 3)), qPrintable(keys)); // slot 4
    }

    void everyFingerOfEveryRow() {
        auto s = stateWithKeyData();
        for (int row = 1; row <= 4; ++row)
            for (int hand = 1; hand <= 2; ++hand)
                for (int finger = 1; finger <= 4; ++finger) {
                    const QString where =
                        QStringLiteral("row %1 hand %2 finger %3").arg(row).arg(hand).arg(finger);
                    int total[2] = {};
                    for (int shiftLevel : {0, 4}) {
                        choose(*s, row, hand, finger, shiftLevel);
                        LoadFingerKeys(*s);
                        total[shiftLevel / 4] = s->KeyTotal;
                        QVERIFY2(PracticeLength(*s) >= 1 && PracticeLength(*s) == s->KeyTotal,
                                 qPrintable(where));
                        for (int j = 1; j <= PracticeLength(*s); ++j)
                            QVERIFY2(s->PracticeKeys(j) != 0, qPrintable(where));
                        QCOMPARE(FingerInstructionLines(*s, false).size(), std::size_t{3});
                    }
                    // Only the right little finger's shifted home row leaves a key (Enter) out.
                    const bool rightLittleHome = row == 1 && hand == 2 && finger == 1;
                    QVERIFY2(total[1] == total[0] - (rightLittleHome ? 1 : 0), qPrintable(where));
                }
    }

    void pages_data() {
        QTest::addColumn<bool>("layout"); // the Keyboard Layout lesson, else a row lesson
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("steps"); // the set-up steps, in order
        const auto page = [](const char* name, bool layout, int page, int lineCount,
                             const char* first, const char* steps) {
            QTest::newRow(name) << layout << page << lineCount << first << steps;
        };
        page("layout 1", true, 1, 5, "This program concentrates on  ", "");
        page("layout 2", true, 2, 4, "Shown is the computer keyboard.", "HideArrow");
        page("layout 3", true, 3, 2, "This row is called the {row}", "ArrowAtRow 1,ShowArrow");
        page("layout 6", true, 6, 2, "This row is called the {row}", "ArrowAtRow 4,ShowArrow");
        page("layout 7", true, 7, 4, "The starting position for",
             "HideHands,ClearHomeKeys,ArrowAtRow 1");
        page("layout 8", true, 8, 6, "Your left hand rests on the",
             "ShowHands,ClearEnterKey,ShowHomeKeys");
        page("layout 9", true, 9, 7, "The Enter key is used to ",
             "ClearSpaceBar,ClearHomeKeys,ArrowAtRow 1,ShowEnterKey");
        page("layout 10", true, 10, 7, "The space bar is used to",
             "ClearEnterKey,ArrowAtRow 5,ClearLeftShift,ClearRightShift,ShowSpaceBar");
        page("layout 11", true, 11, 7, "On both ends of the bottom",
             "ClearSpaceBar,ArrowAtRow 3,ShowLeftShift,ShowRightShift");
        page("layout 14", true, 14, 6, "More on the Shift keys later.",
             "HideArrow,HideHands,ClearLeftShift,ClearRightShift");
        page("row lesson 1", false, 1, 6, "Learn keys of {row} row.",
             "ClearHomeKeys,ShowArrow,ArrowAtRow lesson");
        page("row lesson 2", false, 2, 2, "Make sure your hands are in",
             "ShowHomeKeys,ArrowAtRow 1");
        page("row lesson 3", false, 3, 0, "",
             "ArrowAtRow lesson,ClearHomeKeys,HideLessonButtons,StartPractice");
    }
    void pages() {
        QFETCH(bool, layout);
        QFETCH(int, page);
        QFETCH(int, lineCount);
        QFETCH(QString, first);
        QFETCH(QString, steps);
        const LessonPageData& p = layout ? layoutPage(page) : rowLessonPage(page);
        QCOMPARE(int(p.lines.size()), lineCount);
        if (lineCount > 0) QCOMPARE(QString::fromStdString(p.lines.front()), first);
        QCOMPARE(stepsText(p.setup), steps);
    }

    // A page's text is said as one and printed a line for each line break.
    void pageTextsAreLines() {
        QCOMPARE(linesOf(""), std::vector<std::string>{});
        QCOMPARE(linesOf("a"), std::vector<std::string>{"a"});
        QCOMPARE(linesOf("a\n\nb\n"), (std::vector<std::string>{"a", "", "b", ""}));
        QCOMPARE(say("KeyboardPractice", "press %n keys", nullptr, 3), std::string("press 3 keys"));
        for (int page = 1; page <= kLayoutPages; ++page)
            QCOMPARE(linesOf(say("LessonPages", layoutPage(page).text)), layoutPage(page).lines);
        QVERIFY(rowLessonPage(3).lines.empty());
    }

    void pagesThatNameARowOrWantAKey() {
        const auto s = stateWithKeyData();
        QCOMPARE(pageLine(layoutPage(3).lines.front(), s->RowName(layoutPage(3).nameRow)),
                 std::string("This row is called the home"));
        QCOMPARE(pageLine(layoutPage(6).lines.front(), s->RowName(layoutPage(6).nameRow)),
                 std::string("This row is called the number"));
        QCOMPARE(rowLessonPage(1).nameRow, kLessonRow);
        QCOMPARE(pageLine(rowLessonPage(1).lines.front(), s->RowName(2)),
                 std::string("Learn keys of top row."));
        QCOMPARE(pageLine("no row here ", "top"), std::string("no row here "));
        for (int page = 1; page <= kLayoutPages; ++page)
            QCOMPARE(layoutPage(page).wantKey, page == 9 ? 13 : page == 10 ? 32 : 0);
        for (int page = 1; page <= kRowLessonPages; ++page)
            QCOMPARE(rowLessonPage(page).wantKey, 0);
    }
};

} // namespace tapwell

QTEST_GUILESS_MAIN(tapwell::TestLessons)
#include "test_lessons.moc"
