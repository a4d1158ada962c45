// The main window as a screen reader reads it, through Qt's accessibility interfaces:
// names and roles, the display's text and its changes, the guide in words; and every
// activity reached, started, typed and left with the keyboard alone.
#include "harness.h"

#include "ui/accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTest>

using namespace tapwell;
using namespace tapwell::test;

namespace {

QAccessibleInterface* acc(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

QString name(QObject* o) {
    return acc(o)->text(QAccessible::Name);
}

QString description(QObject* o) {
    return acc(o)->text(QAccessible::Description);
}

// What the screen reader is told, as it is told.
struct Told {
    QAccessible::Event type;
    QObject* object;
    int position;
    QString text;
};
std::vector<Told> told;

void record(QAccessibleEvent* e) {
    Told t{e->type(), e->object(), -1, {}};
    if (e->type() == QAccessible::TextInserted) {
        const auto* i = static_cast<QAccessibleTextInsertEvent*>(e);
        t.position = i->changePosition();
        t.text = i->textInserted();
    } else if (e->type() == QAccessible::TextCaretMoved) {
        t.position = static_cast<QAccessibleTextCursorEvent*>(e)->cursorPosition();
    }
    told.push_back(t);
}

// Collects every visible node under an interface: role and name.
void walk(QAccessibleInterface* node, QList<QAccessibleInterface*>& out) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr || child->state().invisible) continue;
        out << child;
        walk(child, out);
    }
}

void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, k, m);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init() {
        told.clear();
        QAccessible::installUpdateHandler(record);
        QAccessible::setActive(true);
    }
    void cleanup() {
        QAccessible::setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }

    void keysAreButtonsNamedByWhatTheyType_data();
    void keysAreButtonsNamedByWhatTheyType();
    void theGuideIsSaidInWords_data();
    void theGuideIsSaidInWords();
    void everyVisibleControlHasANameOnEveryScreen();
    void theDisplayReadsItsLinesAndTellsOfTheTyping();
    void aCharacterDrillLineByKeyboardAlone();
    void everyActivityIsStartedAndLeftByKeyboardAlone_data();
    void everyActivityIsStartedAndLeftByKeyboardAlone();
    void tabFollowsTheScreen();
    void ctrlTabMovesOnFromEveryControl();
    void aSentenceIsSaidAtEachStepWhileTheFocusStays();
    void focusIsSeenOnThe3DButtons();
};

void TestAccessibility::keysAreButtonsNamedByWhatTheyType_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 52 << "1, exclamation mark";
    QTest::newRow("=") << 63 << "equals, plus";
    QTest::newRow("Q") << 64 << "Q";
    QTest::newRow("]") << 75 << "close square bracket, close curly bracket";
    QTest::newRow(";") << 85 << "semicolon, colon";
    QTest::newRow("'") << 86 << "apostrophe, quotation mark";
    QTest::newRow("Enter") << 87 << "Enter";
    QTest::newRow("left Shift") << 88 << "Shift";
    QTest::newRow(".") << 97 << "full stop, greater than";
    QTest::newRow("right Shift") << 99 << "Shift";
}

void TestAccessibility::keysAreButtonsNamedByWhatTheyType() {
    QFETCH(int, index);
    QFETCH(QString, name);
    Fixture f;
    listenToAccessibility(f.w(), record);
    QAccessibleInterface* k = acc(controlsOf(f.w()).cmdKey(index));
    QCOMPARE(k->role(), QAccessible::Button);
    QCOMPARE(k->text(QAccessible::Name), name);
    QAccessibleInterface* space = acc(controlsOf(f.w()).pnlSpace);
    QCOMPARE(space->role(), QAccessible::Button);
    QCOMPARE(space->text(QAccessible::Name), QStringLiteral("Space"));
}

void TestAccessibility::theGuideIsSaidInWords_data() {
    QTest::addColumn<QString>("shown"); // what the guide is asked to show
    QTest::addColumn<QString>("words");
    QTest::addColumn<QList<int>>("nextKeys");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("f") << "f"
                       << "Next: F, left index finger" << QList<int>{79}
                       << "left hand, index finger lit"
                       << "right hand";
    QTest::newRow("A, with the right Shift")
        << "A"
        << "Next: Shift with the right little finger, then A, left little finger"
        << QList<int>{76, 99} << "left hand, little finger lit"
        << "right hand, little finger lit";
    QTest::newRow("exclamation mark")
        << "!"
        << "Next: Shift with the right little finger, then exclamation mark, left little finger"
        << QList<int>{52, 99} << "left hand, little finger lit"
        << "right hand, little finger lit";
    QTest::newRow("colon, with the left Shift")
        << ":"
        << "Next: Shift with the left little finger, then colon, right little finger"
        << QList<int>{85, 88} << "left hand, little finger lit"
        << "right hand, little finger lit";
    QTest::newRow("Enter") << "enter"
                           << "Next: Enter, right little finger" << QList<int>{87} << "left hand"
                           << "right hand, little finger lit";
    QTest::newRow("space") << "space"
                           << "Next: Space, thumbs" << QList<int>{} << "left hand, thumb lit"
                           << "right hand, thumb lit";
    QTest::newRow("the Shift hint")
        << "right shift"
        << "Next: Shift with the right little finger" << QList<int>{99} << "left hand"
        << "right hand, little finger lit";
    QTest::newRow("home position")
        << "home"
        << "Home position: A S D F J K L semicolon, four fingers of each hand" << QList<int>{}
        << "left hand, four fingers lit"
        << "right hand, four fingers lit";
    QTest::newRow("nothing") << ""
                             << "" << QList<int>{} << "left hand"
                             << "right hand";
}

void TestAccessibility::theGuideIsSaidInWords() {
    QFETCH(QString, shown);
    QFETCH(QString, words);
    QFETCH(QList<int>, nextKeys);
    QFETCH(QString, left);
    QFETCH(QString, right);
    Fixture f;
    listenToAccessibility(f.w(), record);
    FrmType& w = f.w();
    // A key is awaited: a Character Drill line stands, its guide cleared for the test's own.
    w.cmdMenu_Click(kCharacterDrill);
    w.cmdOK_Click();
    QCOMPARE(int(w.state().Typing), 1);
    GuideModel& guide = w.core().guide();
    const auto show = [&] {
        guide.ClearAllKeys();
        if (shown == QLatin1String("enter"))
            guide.ShowEnterKey();
        else if (shown == QLatin1String("space"))
            guide.ShowSpaceBar();
        else if (shown == QLatin1String("right shift"))
            guide.ShowRightShift();
        else if (shown == QLatin1String("home"))
            guide.ShowHomeKeys();
        else if (!shown.isEmpty())
            guide.ShowKey(shown.at(0).unicode());
    };
    guide.ClearAllKeys();
    QApplication::processEvents();
    told.clear();
    show();

    QCOMPARE(description(controlsOf(w).picKeys), words);
    QCOMPARE(description(controlsOf(w).picDisplay), words);
    for (int k = kFirstKey; k <= kLastKey; ++k) {
        const QString d = description(controlsOf(w).cmdKey(k));
        QCOMPARE(d.contains(QLatin1String("next key")), nextKeys.contains(k));
    }
    QCOMPARE(description(controlsOf(w).pnlSpace),
             shown == QLatin1String("space") ? "next key" : "");
    QCOMPARE(name(controlsOf(w).imgHand[0]), left);
    QCOMPARE(name(controlsOf(w).imgHand[1]), right);
    QCOMPARE(acc(controlsOf(w).imgHand[0])->role(), QAccessible::Graphic);

    // Told once the step is done, not before.
    QApplication::processEvents();
    const bool changed = !words.isEmpty();
    const auto describes = [&](QObject* o) {
        return std::any_of(told.begin(), told.end(), [o](const Told& t) {
            return t.object == o && t.type == QAccessible::DescriptionChanged;
        });
    };
    QCOMPARE(describes(controlsOf(w).picKeys), changed);
    if (!nextKeys.isEmpty()) QVERIFY(describes(controlsOf(w).cmdKey(nextKeys.front())));

    // Marked with no key awaited, the keyboard only shows.
    w.cmdStop_Click(1);
    show();
    if (words.startsWith(QLatin1String("Next: ")))
        QCOMPARE(description(controlsOf(w).picKeys), "Marked: " + words.mid(6));
}

void TestAccessibility::everyVisibleControlHasANameOnEveryScreen() {
    Fixture f;
    listenToAccessibility(f.w(), record);
    FrmType& w = f.w();
    const auto check = [&](const char* screen) {
        QList<QAccessibleInterface*> nodes;
        walk(acc(&w), nodes);
        QVERIFY2(nodes.size() > 5, screen);
        for (QAccessibleInterface* n : nodes) {
            const QString what = QStringLiteral("%1: %2 of role %3")
                                     .arg(QLatin1String(screen),
                                          QLatin1String(n->object()->metaObject()->className()))
                                     .arg(n->role());
            const QLatin1String cls(n->object()->metaObject()->className());
            if (cls == QLatin1String("QWidget") || cls == QLatin1String("QScrollBar"))
                continue; // the inner parts of Qt's own text box
            QVERIFY2(n->role() != QAccessible::Client, qPrintable(what)); // an unnamed filler
            if (n->role() != QAccessible::Separator)
                QVERIFY2(!n->text(QAccessible::Name).isEmpty(), qPrintable(what));
        }
        // Alt and a letter reaches one button of the screen, never two.
        QMap<QKeySequence, QString> mnemonics;
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
            const QKeySequence k = QKeySequence::mnemonic(b->text());
            if (!b->isVisible() || k.isEmpty()) continue;
            QVERIFY2(!mnemonics.contains(k),
                     qPrintable(QStringLiteral("%1: %2 and %3")
                                    .arg(QLatin1String(screen), mnemonics[k], b->text())));
            mnemonics[k] = b->text();
        }
    };
    check("menu");
    QCOMPARE(acc(controlsOf(w).fraMenu)->role(), QAccessible::Grouping);
    QCOMPARE(name(controlsOf(w).fraMenu), QStringLiteral("Choices"));
    QCOMPARE(name(controlsOf(w).fraHelp), QStringLiteral("Info, Help and Exit"));

    w.cmdMenu_Click(kCharacterDrill);
    check("character drill");
    QCOMPARE(name(controlsOf(w).fraDrill), QStringLiteral("Character Drill"));
    QCOMPARE(acc(controlsOf(w).picDisplay)->role(), QAccessible::EditableText);
    QVERIFY(acc(controlsOf(w).picDisplay)->state().readOnly);
    QCOMPARE(name(controlsOf(w).picKeys), QStringLiteral("On-screen keyboard"));
    QCOMPARE(name(controlsOf(w).cmdStop[1]), QStringLiteral("Stop"));
    QCOMPARE(name(controlsOf(w).cmdHelp[1]), QStringLiteral("Help"));
    w.cmdOK_Click();
    f.typeText(controlsOf(w).picDisplay->printedLines().at(1) + QLatin1Char('\r'));
    check("drill result");
    QCOMPARE(acc(controlsOf(w).fraSpeed)->role(), QAccessible::Grouping);
    QCOMPARE(name(controlsOf(w).fraSpeed), QStringLiteral("Drill Results"));
    QCOMPARE(name(controlsOf(w).lblSpeed), QStringLiteral("100% accuracy"));
    w.cmdStop_Click(1);

    w.cmdMenu_Click(kTimedDrill);
    check("timed drill");
    QCOMPARE(name(controlsOf(w).fraTime), QStringLiteral("Timed Drill"));
    w.cmdStop_Click(2);

    w.cmdMenu_Click(kLearnKeyboard);
    check("lesson choices");
    w.cmdLearn_Click(1);
    check("lesson page");
    QCOMPARE(name(controlsOf(w).fraLearn), QStringLiteral("Learn Keyboard"));
    QCOMPARE(name(controlsOf(w).cmdNext[0]), QStringLiteral("Previous"));
    QCOMPARE(name(controlsOf(w).cmdNext[1]), QStringLiteral("Next"));
    QCOMPARE(acc(controlsOf(w).cmdNext[1])->role(), QAccessible::Button);
}

void TestAccessibility::theDisplayReadsItsLinesAndTellsOfTheTyping() {
    Fixture f;
    listenToAccessibility(f.w(), record);
    FrmType& w = f.w();
    w.cmdMenu_Click(kCharacterDrill);
    w.cmdOK_Click();
    QAccessibleTextInterface* text = acc(controlsOf(w).picDisplay)->textInterface();
    QVERIFY(text != nullptr);
    const QStringList lines = controlsOf(w).picDisplay->printedLines();
    const QString line = lines.at(1);
    QCOMPARE(text->text(0, text->characterCount()), lines.join(QLatin1Char('\n')));
    QCOMPARE(acc(controlsOf(w).picDisplay)->text(QAccessible::Value),
             lines.join(QLatin1Char('\n')));
    const int lineStart = static_cast<int>(lines.at(0).size()) + 1;
    QCOMPARE(text->cursorPosition(), lineStart); // on the first character to type
    QCOMPARE(text->text(lineStart, lineStart + 1), line.left(1));
    // One run of attributes over the whole text, so a reader reads to the last character.
    int runStart = -1, runEnd = -1;
    text->attributes(text->characterCount() - 1, &runStart, &runEnd);
    QCOMPARE(runStart, 0);
    QCOMPARE(runEnd, text->characterCount());
    QApplication::processEvents();

    // A right key: the echo comes in as inserted text at the end, the caret moves on.
    told.clear();
    const int before = text->characterCount();
    f.type(line.at(0).unicode());
    QCOMPARE(text->cursorPosition(), lineStart + 1);
    QApplication::processEvents();
    std::vector<Told> inserted, moved;
    for (const Told& t : told) {
        if (t.object != controlsOf(w).picDisplay) continue;
        if (t.type == QAccessible::TextInserted) inserted.push_back(t);
        if (t.type == QAccessible::TextCaretMoved) moved.push_back(t);
    }
    QCOMPARE(inserted.size(), std::size_t{1});
    QCOMPARE(inserted[0].position, before);
    QCOMPARE(inserted[0].text, QStringLiteral("\n") + line.at(0));
    QCOMPARE(moved.size(), std::size_t{1});
    QCOMPARE(moved[0].position, lineStart + 1);

    // A wrong key changes no text and tells nothing of it.
    told.clear();
    f.type(line.at(1) == QLatin1Char('~') ? '`' : '~');
    QApplication::processEvents();
    QVERIFY(std::none_of(told.begin(), told.end(), [&](const Told& t) {
        return t.object == controlsOf(w).picDisplay && t.type != QAccessible::DescriptionChanged;
    }));
    QCOMPARE(text->text(0, -1), controlsOf(w).picDisplay->printedLines().join(QLatin1Char('\n')));

    // Cleared and printed anew in one step: told as one change.
    told.clear();
    w.cmdStop_Click(1);
    w.cmdMenu_Click(kKeyboardPractice);
    QApplication::processEvents();
    const auto changes = std::count_if(told.begin(), told.end(), [&](const Told& t) {
        return t.object == controlsOf(w).picDisplay &&
               (t.type == QAccessible::TextUpdated || t.type == QAccessible::TextInserted ||
                t.type == QAccessible::TextRemoved);
    });
    QCOMPARE(changes, 1);
    QVERIFY(text->text(0, -1).startsWith(QLatin1String("Let your fingers find the")));
}

void TestAccessibility::aCharacterDrillLineByKeyboardAlone() {
    Fixture f;
    listenToAccessibility(f.w(), record);
    FrmType& w = f.w();
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdMenu[0]); // the first choice
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdMenu[kCharacterDrill]);
    key(Qt::Key_Return);
    QVERIFY(controlsOf(w).fraDrill->isVisible());
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdOK);
    key(Qt::Key_Return);
    QCOMPARE(w.state().Typing, i16{1});
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).picDisplay);

    // The line as the screen reader reads it, typed key by key as the guide says.
    QAccessibleTextInterface* text = acc(controlsOf(w).picDisplay)->textInterface();
    const QString line = controlsOf(w).picDisplay->printedLines().at(1);
    for (int i = 0; i < line.size(); ++i) {
        const int caret = text->cursorPosition();
        const QString next = text->text(caret, caret + 1);
        QCOMPARE(next, line.mid(i, 1));
        QVERIFY2(description(controlsOf(w).picKeys).startsWith("Next: "),
                 qPrintable(description(controlsOf(w).picKeys)));
        f.type(next.at(0).unicode());
    }
    QCOMPARE(description(controlsOf(w).picKeys),
             QStringLiteral("Next: Enter, right little finger"));
    QCOMPARE(controlsOf(w).picDisplay->printedLines().at(2), line);
    key(Qt::Key_Return);
    QVERIFY(controlsOf(w).fraSpeed->isVisible());
    QCOMPARE(name(controlsOf(w).lblSpeed), QStringLiteral("100% accuracy"));
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdOK);

    // Back past the display to Stop, and to the menu where the drill was chosen.
    key(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).picDisplay);
    key(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdStop[1]);
    key(Qt::Key_Space);
    QVERIFY(controlsOf(w).fraMenu->isVisible());
    QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdMenu[kCharacterDrill]);
}

void TestAccessibility::everyActivityIsStartedAndLeftByKeyboardAlone_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("Learn Keyboard") << int(kLearnKeyboard);
    QTest::newRow("Keyboard Practice") << int(kKeyboardPractice);
    QTest::newRow("Character Drill") << int(kCharacterDrill);
    QTest::newRow("Word Drill") << int(kWordDrill);
    QTest::newRow("Timed Drill") << int(kTimedDrill);
}

void TestAccessibility::everyActivityIsStartedAndLeftByKeyboardAlone() {
    QFETCH(int, mode);
    Fixture f;
    listenToAccessibility(f.w(), record);
    FrmType& w = f.w();
    for (int i = 0; i < mode; ++i)
        key(Qt::Key_Tab);
    key(Qt::Key_Return);
    QCOMPARE(int(w.state().Mode), mode);
    if (mode == kLearnKeyboard) {
        QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdLearn[0]);
        key(Qt::Key_Tab);
        key(Qt::Key_Return); // the Home Row lesson
        key(Qt::Key_Return); // Next
        key(Qt::Key_Return); // Next: the practice
        QCOMPARE(w.state().PracticeOn, i16{1});
    } else {
        QCOMPARE(QApplication::focusWidget(), controlsOf(w).cmdOK);
        key(Qt::Key_Return);
    }
    QCOMPARE(w.state().Typing, i16{1});
    f.type('f');
    const auto right = w.state().RightCount, wrong = w.state().ErrorCount;

    // Ctrl+Shift+Tab leaves where Tab is a typed key, and counts as no key at all.
    QWidget* typingIn = QApplication::focusWidget();
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget() != typingIn);
    QCOMPARE(w.state().RightCount, right);
    QCOMPARE(w.state().ErrorCount, wrong);
    for (int presses = 0; presses < 10 && !controlsOf(w).fraMenu->isVisible(); ++presses) {
        if (std::find(controlsOf(w).cmdStop.begin(), controlsOf(w).cmdStop.end(),
                      QApplication::focusWidget()) != controlsOf(w).cmdStop.end())
            key(Qt::Key_Space); // a lesson goes back to its choices, a timed run to its result
        else
            key(Qt::Key_Backtab);
    }
    QVERIFY(controlsOf(w).fraMenu->isVisible());
}

void TestAccessibility::ctrlTabMovesOnFromEveryControl() {
    Fixture f;
    FrmType& w = f.w();
    const MainControls& c = controlsOf(w);
    // On the menu: a choice (and back), a row's box (clicked, not a Tab stop).
    c.cmdMenu[2]->setFocus();
    key(Qt::Key_Tab, Qt::ControlModifier);
    QVERIFY(QApplication::focusWidget() != c.cmdMenu[2]);
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), c.cmdMenu[2]);
    c.chkRow[0]->setFocus();
    key(Qt::Key_Tab, Qt::ControlModifier);
    QVERIFY(QApplication::focusWidget() != c.chkRow[0]);
    // OK after a line, where a child who cannot see goes on from.
    w.cmdMenu_Click(kCharacterDrill);
    QCOMPARE(QApplication::focusWidget(), c.cmdOK);
    key(Qt::Key_Tab, Qt::ControlModifier);
    QVERIFY(QApplication::focusWidget() != c.cmdOK);
}

void TestAccessibility::aSentenceIsSaidAtEachStepWhileTheFocusStays() {
    Fixture f;
    FrmType& w = f.w();
    w.cmdMenu_Click(kCharacterDrill);
    w.cmdOK_Click();
    QApplication::processEvents();
    const QString line = f.display().at(1);
    const QString next = guideWords(w.state(), w.guide()).section(QStringLiteral(": "), 1);
    QCOMPARE(spelledLine(QStringLiteral("'dl s     s;")),
             QStringLiteral("apostrophe, D, L, space, S, five spaces, S, semicolon"));
    // A wrong key: what was typed, and the key wanted, with its finger (the first key was
    // read by the screen reader itself, with the display as the focus came to it).
    const QChar wrongKey = line.at(0) == QLatin1Char('x') ? QLatin1Char('z') : QLatin1Char('x');
    f.type(wrongKey.unicode());
    QApplication::processEvents();
    // Said through a notification of no size, shown with each sentence (a screen reader
    // speaks it then): nothing is seen of it, and it never takes the focus.
    QWidget* note = nullptr;
    for (QWidget* n : w.findChildren<QWidget*>())
        if (acc(n)->role() == QAccessible::Notification) note = n;
    QVERIFY(note != nullptr && note->size().isEmpty() && note->focusPolicy() == Qt::NoFocus);
    const auto said = [&] {
        QApplication::processEvents();
        return acc(note)->text(QAccessible::Name);
    };
    QCOMPARE(said(),
             QStringLiteral("That was %1. %2").arg(characterWords(wrongKey.unicode()), next));
    // A right key: where the guide moved.
    f.type(line.at(0).unicode());
    QCOMPARE(said(), guideWords(w.state(), w.guide()).section(QStringLiteral(": "), 1));
    // The line's end: its result, as the label shows it.
    f.typeText(line.mid(1) + QLatin1Char('\r'));
    QVERIFY2(said().endsWith(QStringLiteral("% accuracy")), qPrintable(said()));
    QCOMPARE(said(), controlsOf(w).lblSpeed->text());
    QVERIFY(QApplication::focusWidget() != note);
}

void TestAccessibility::focusIsSeenOnThe3DButtons() {
    // Reached by Tab, the stop sign stands in a frame of black and white dashes that the
    // picture does not hide; given the focus by the program alone it looks as it did.
    Fixture f;
    FrmType& w = f.w();
    w.cmdMenu_Click(kCharacterDrill);
    SSCommand* stop = controlsOf(w).cmdStop[1];
    const QImage plain = stop->grab().toImage();
    w.setAttribute(Qt::WA_KeyboardFocusChange, false);
    stop->setFocus(Qt::OtherFocusReason);
    QCOMPARE(stop->grab().toImage(), plain);

    controlsOf(w).chkSound->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), stop);
    const QImage focused = stop->grab().toImage();
    int black = 0, white = 0;
    const int y = 4; // along the top of the frame, inside the 3D edge
    for (int x = 4; x < focused.width() - 4; ++x) {
        if (focused.pixel(x, y) == plain.pixel(x, y)) continue;
        black += focused.pixelColor(x, y) == Qt::black ? 1 : 0;
        white += focused.pixelColor(x, y) == Qt::white ? 1 : 0;
    }
    QVERIFY2(black >= 8 && white >= 8,
             qPrintable(QStringLiteral("%1 black, %2 white").arg(black).arg(white)));
}

void TestAccessibility::tabFollowsTheScreen() {
    // On each screen, Tab from the first control visits the visible ones top to bottom,
    // the left-hand frame before the display and the buttons below it.
    Fixture f;
    listenToAccessibility(f.w(), record);
    FrmType& w = f.w();
    const auto walkTabs = [&](QWidget* first, int count) {
        first->setFocus(Qt::TabFocusReason);
        QList<QWidget*> seen{first};
        for (int i = 1; i < count; ++i) {
            key(Qt::Key_Tab);
            seen << QApplication::focusWidget();
        }
        return seen;
    };
    QCOMPARE(walkTabs(controlsOf(w).cmdMenu[0], 9),
             (QList<QWidget*>{
                 controlsOf(w).cmdMenu[0], controlsOf(w).cmdMenu[1], controlsOf(w).cmdMenu[2],
                 controlsOf(w).cmdMenu[3], controlsOf(w).cmdMenu[4], controlsOf(w).Command1,
                 controlsOf(w).cmdHelp[0], controlsOf(w).cmdExit, controlsOf(w).cmdMenu[0]}));
    w.cmdMenu_Click(kWordDrill); // the Number Row box is out of play
    QCOMPARE(
        walkTabs(controlsOf(w).chkRow[0], 9),
        (QList<QWidget*>{controlsOf(w).chkRow[0], controlsOf(w).chkRow[1], controlsOf(w).chkRow[2],
                         controlsOf(w).chkUC, controlsOf(w).chkSound, controlsOf(w).cmdHelp[1],
                         controlsOf(w).cmdStop[1], controlsOf(w).picDisplay, controlsOf(w).cmdOK}));
    w.cmdStop_Click(1);
    w.cmdMenu_Click(kLearnKeyboard);
    w.cmdLearn_Click(0);
    QCOMPARE(walkTabs(controlsOf(w).cmdHelp[2], 5),
             (QList<QWidget*>{controlsOf(w).cmdHelp[2], controlsOf(w).cmdStop[0],
                              controlsOf(w).picDisplay, controlsOf(w).cmdNext[0],
                              controlsOf(w).cmdNext[1]}));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
