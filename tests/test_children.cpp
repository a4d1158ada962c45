// The children who share the computer: the first one made from the account, "Who is
// typing?" asked only when there are two or more, the frame on the menu screen coming
// and going with the menu, a record that cannot be kept, and the export command.
#include "progress/children.h"
#include "progress/store.h"
#include "shell/app.h"
#include "ui/keyboardchooser.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

using namespace tapwell;
using namespace tapwell::progress;

namespace {

LineRecord wordLine(const QString& started, double wpm) {
    LineRecord l;
    l.started = started;
    l.activity = Activity::Word;
    l.rows = QStringLiteral("home");
    l.shift = 0;
    l.chars = 20;
    l.right = 20;
    l.wrong = 0;
    l.ms = 9000;
    l.wpm = wpm;
    l.accuracy = 100;
    return l;
}

Store::StoredLine stored(const QString& activity, const QString& started,
                         std::optional<double> wpm) {
    Store::StoredLine s;
    s.line.activity = *activityNamed(activity);
    s.line.started = started;
    s.line.wpm = wpm;
    return s;
}

} // namespace

class TestChildren : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void nameFromTheAccount_data();
    void nameFromTheAccount();
    void theFirstStartMakesOneChildAndAsksNothing();
    void twoChildrenAreAskedWhoIsTyping();
    void escapeGoesBackToTheAboutWindow();
    void theFrameComesAndGoesWithTheMenu();
    void mySuggestionStartsFromTheMenuScreen();
    void changingTheChildMovesTheRecord();
    void addRenameAndRemove();
    void aWholeClassStaysOnTheScreen();
    void aRecordThatCannotBeKeptIsToldOnceAndTypingGoesOn();
    void theSummaryCountsLinesDaysAndBestSpeeds();
    void exportWritesTheRecordAndFailsClearly();
    void eachChildKeepsTheKeyboardChosenForThem();
    void talkStartsOffBesideAScreenReaderUnlessTicked();

private:
    QString storePath() const { return dir_->filePath(QStringLiteral("progress.sqlite")); }
    // Children made before the program starts, as a parent made them on an earlier day.
    void makeChildren(const QStringList& names);

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestChildren::init() {
    dir_ = std::make_unique<QTemporaryDir>();
}

void TestChildren::cleanup() {
    dir_.reset();
}

void TestChildren::makeChildren(const QStringList& names) {
    Store s(storePath(), QStringLiteral("setup"));
    QVERIFY(s.open());
    int i = 0;
    for (const QString& n : names)
        QVERIFY(s.addChild(n, QLatin1String(kChildPictures[static_cast<std::size_t>(i++)])));
}

void TestChildren::nameFromTheAccount_data() {
    QTest::addColumn<QString>("gecos");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("name");
    QTest::newRow("full name with room and phone") << "Anna Berg,Room 2,555,,"
                                                   << "anna"
                                                   << "Anna";
    QTest::newRow("one word") << "Ben"
                              << "ben"
                              << "Ben";
    QTest::newRow("spaces around") << "  Clara   Dix "
                                   << "clara"
                                   << "Clara";
    QTest::newRow("no full name") << ""
                                  << "dan"
                                  << "dan";
    QTest::newRow("only commas") << ",,,"
                                 << "eve"
                                 << "eve";
    QTest::newRow("nothing at all") << ""
                                    << ""
                                    << "Me";
    QTest::newRow("a name too long is cut")
        << QString(60, QLatin1Char('x')) << "x" << QString(kMaxNameLength, QLatin1Char('x'));
}

void TestChildren::nameFromTheAccount() {
    QFETCH(QString, gecos);
    QFETCH(QString, login);
    QFETCH(QString, name);
    QCOMPARE(childNameFromAccount(gecos, login), name);
}

void TestChildren::theFirstStartMakesOneChildAndAsksNothing() {
    App app(storePath());
    QCOMPARE(app.children().size(), 1);
    QCOMPARE(app.child().name, accountChildName());
    QVERIFY(!app.child().name.isEmpty());
    QVERIFY(app.child().id > 0);
    QCOMPARE(app.recorder().child(), app.child().id);
    QVERIFY(app.storeProblem().isEmpty());

    app.about()->show();
    QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
    QVERIFY(!app.chooser());
    QVERIFY(app.main() && app.main()->isVisible());
    QCOMPARE(app.childFrame()->lblChild->text(), app.child().name);

    // The next start finds that child, and makes no other.
    App again(storePath());
    QCOMPARE(again.children().size(), 1);
    QCOMPARE(again.child().id, app.child().id);
}

void TestChildren::twoChildrenAreAskedWhoIsTyping() {
    makeChildren({QStringLiteral("Anna"), QStringLiteral("Ben")});
    App app(storePath());
    app.about()->show();
    QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
    QVERIFY(!app.about()->isVisible());
    QVERIFY(!app.main()); // not yet
    ChildChooser* who = app.chooser();
    QVERIFY(who && who->isVisible());
    QCOMPARE(who->windowTitle(), QStringLiteral("Who is typing?"));
    QCOMPARE(int(who->childButtons.size()), 2);
    QCOMPARE(who->childButtons[1]->text(), QStringLiteral("Ben"));

    // The keyboard alone: an arrow to Ben, Enter.
    QVERIFY(QTest::qWaitForWindowActive(who));
    QCOMPARE(QApplication::focusWidget(), who->childButtons[0]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), who->childButtons[1]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!who->isVisible());
    QVERIFY(app.main() && app.main()->isVisible());
    QCOMPARE(app.child().name, QStringLiteral("Ben"));
    QCOMPARE(app.recorder().child(), app.child().id);
    QCOMPARE(app.childFrame()->lblChild->text(), QStringLiteral("Ben"));

    // "Info?", then "&OK" asks again; a number key chooses.
    QTest::mouseClick(controlsOf(*app.main()).Command1, Qt::LeftButton);
    QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
    QVERIFY(who->isVisible());
    QTest::keyClick(who, Qt::Key_1);
    QCOMPARE(app.child().name, QStringLiteral("Anna"));
    QCOMPARE(app.childFrame()->lblChild->text(), QStringLiteral("Anna"));
}

void TestChildren::escapeGoesBackToTheAboutWindow() {
    makeChildren({QStringLiteral("Anna"), QStringLiteral("Ben")});
    App app(storePath());
    app.about()->show();
    QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(app.chooser()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!app.chooser()->isVisible());
    QVERIFY(app.about()->isVisible());
    QVERIFY(!app.main());

    // From the menu screen, Escape only closes it: the child stays as it was.
    QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
    QTest::keyClick(app.chooser(), Qt::Key_2);
    QTest::mouseClick(app.childFrame()->cmdChange, Qt::LeftButton);
    QVERIFY(app.chooser()->isVisible());
    QTest::keyClick(app.chooser(), Qt::Key_Escape);
    QVERIFY(!app.about()->isVisible());
    QVERIFY(app.main()->isVisible());
    QCOMPARE(app.child().name, QStringLiteral("Ben"));
}

void TestChildren::theFrameComesAndGoesWithTheMenu() {
    App app(storePath());
    app.openMain();
    FrmType& w = *app.main();
    ChildFrame* f = app.childFrame();
    QVERIFY(f->isVisible());
    // In the window, clear of every control the menu screen shows.
    QVERIFY(w.rect().contains(f->geometry()));
    for (QWidget* designed : {static_cast<QWidget*>(controlsOf(w).fraMenu),
                              static_cast<QWidget*>(controlsOf(w).fraHelp)})
        QVERIFY(!f->geometry().intersects(designed->geometry()));
    QCOMPARE(f->cmdProgress->text(), QStringLiteral("My &Progress"));

    for (int mode = 0; mode < 5; ++mode) {
        w.cmdMenu_Click(mode);
        QVERIFY2(!f->isVisible(), qPrintable(QString::number(mode)));
        const int stop = mode == 0 ? 0 : mode == 4 ? 2 : 1;
        w.cmdStop_Click(stop);
        QVERIFY2(controlsOf(w).fraMenu->isVisible() && f->isVisible(),
                 qPrintable(QString::number(mode)));
    }
    // Hiding the whole window is not the menu going away.
    w.hide();
    w.show();
    QVERIFY(f->isVisible());

    // Alt+P presses "My Progress": the child's own window, beside the main window, which
    // stays as it was.
    app.progressLibrary = QStringLiteral(TAPWELL_PROGRESS_LIBRARY);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
    // An access key clicks after a moment.
    QTRY_VERIFY(app.progressWindow() && app.progressWindow()->widget()->isVisible());
    QWidget* progress = app.progressWindow()->widget();
    QCOMPARE(progress->windowTitle(), QStringLiteral("My Progress"));
    QCOMPARE(progress->windowModality(), Qt::NonModal);
    const auto labels = progress->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [&](QLabel* l) { return l->text() == app.child().name; }));
    QVERIFY(!app.summary());
    QVERIFY(w.isVisible() && w.isEnabled() && controlsOf(w).fraMenu->isVisible() && f->isVisible());
}

void TestChildren::mySuggestionStartsFromTheMenuScreen() {
    App app(storePath());
    app.openMain();
    FrmType& w = *app.main();
    // Tricky Keys, with the rows of the keys that need practice ticked.
    w.cmdMenu_Click(kCharacterDrill);
    progress::Suggestion tricky{progress::Suggestion::Kind::TrickyKeys, {}, {kNumberRow}};
    QVERIFY(!app.startSuggestion(tricky)); // a drill is under way: nothing is started
    w.cmdStop_Click(1);
    QVERIFY(app.startSuggestion(tricky));
    QCOMPARE(controlsOf(w).fraDrill->caption(), QStringLiteral("Tricky Keys"));
    QVERIFY(w.checkedRows()[kNumberRow - 1]);
    w.cmdStop_Click(1);
    // The next row's lesson, at its first page.
    QVERIFY(app.startSuggestion({progress::Suggestion::Kind::NextLesson, {}, {}, kTopRow}));
    QCOMPARE(w.state().LessonOn, 1);
    QCOMPARE(w.state().Row, kTopRow);
}

void TestChildren::changingTheChildMovesTheRecord() {
    makeChildren({QStringLiteral("Anna"), QStringLiteral("Ben")});
    App app(storePath());
    app.aboutOk();
    QTest::keyClick(app.chooser(), Qt::Key_1);
    const qint64 anna = app.child().id;
    QTest::mouseClick(app.childFrame()->cmdChange, Qt::LeftButton);
    QTest::keyClick(app.chooser(), Qt::Key_2);
    const qint64 ben = app.child().id;
    QVERIFY(anna != ben);

    // A line finished now is Ben's, through the sink the typing core reports to.
    EventSink& sink = app.recorder();
    sink.ready(Activity::Timed);
    sink.timedRunFinished(TimedRunFinished{50, 12000, 25.0});
    QCOMPARE(int(app.store().lines(ben).size()), 1);
    QCOMPARE(int(app.store().lines(anna).size()), 0);
    // Where the window's library cannot be found, the small summary stands in for it.
    QTest::mouseClick(app.childFrame()->cmdProgress, Qt::LeftButton);
    QVERIFY(!app.progressWindow());
    QVERIFY(app.summary()->lblSummary->text().contains(
        QStringLiteral("Best Timed Drill: 25 words per minute")));
}

void TestChildren::addRenameAndRemove() {
    App app(storePath());
    app.openMain();
    const QString first = app.child().name;
    // With one child, "Change" opens the chooser, where a parent adds one.
    QTest::mouseClick(app.childFrame()->cmdChange, Qt::LeftButton);
    ChildChooser* who = app.chooser();
    QVERIFY(who->isVisible());
    QVERIFY(!who->cmdRemove->isEnabled()); // the last child stays
    QString error;
    QVERIFY(!who->addChild(QStringLiteral("   "), QStringLiteral("owl"), error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!who->addChild(first.toUpper(), QStringLiteral("owl"), error));
    QVERIFY(error.contains(first));
    QVERIFY(who->addChild(QStringLiteral("  Zoe  "), QStringLiteral("owl"), error));
    // A name is plain text wherever it shows, whatever it holds.
    QVERIFY(who->addChild(QStringLiteral("<b>Bo</b>"), QStringLiteral("cat"), error));
    QCOMPARE(QTextDocumentFragment::fromHtml(who->childButtons.back()->toolTip()).toPlainText(),
             QStringLiteral("<b>Bo</b> (key 3)"));
    QVERIFY(!who->addChild(QStringLiteral("<B>BO</B>"), QStringLiteral("cat"), error));
    QVERIFY(who->removeChild(app.children().back().id, error));
    QCOMPARE(app.children().size(), 2);
    QCOMPARE(app.children().back().name, QStringLiteral("Zoe"));
    QCOMPARE(int(who->childButtons.size()), 2);
    QVERIFY(who->cmdRemove->isEnabled());

    // Renaming the child typing now shows at once on the menu screen.
    QVERIFY(who->changeChild(app.child().id, QStringLiteral("Sam"), QStringLiteral("bear"), error));
    QCOMPARE(app.child().name, QStringLiteral("Sam"));
    QCOMPARE(app.child().picture, QStringLiteral("bear"));
    QCOMPARE(app.childFrame()->lblChild->text(), QStringLiteral("Sam"));
    QVERIFY(
        !who->changeChild(app.child().id, QStringLiteral("zoe"), QStringLiteral("bear"), error));

    // Removing the child typing now hands the keyboard to the other one.
    QVERIFY(who->removeChild(app.child().id, error));
    QCOMPARE(app.children().size(), 1);
    QCOMPARE(app.child().name, QStringLiteral("Zoe"));
    QCOMPARE(app.recorder().child(), app.child().id);
    QVERIFY(!who->removeChild(app.child().id, error));
}

void TestChildren::aWholeClassStaysOnTheScreen() {
    QStringList names;
    for (int i = 0; i < 200; ++i)
        names << QStringLiteral("Child %1").arg(i);
    names << QString(40, QLatin1Char('W')); // the longest name a child may have
    {
        Store s(storePath(), QStringLiteral("setup"));
        QVERIFY(s.open());
        for (const QString& n : names)
            QVERIFY(s.addChild(n, QStringLiteral("fox")));
    }
    App app(storePath());
    app.askWhoIsTyping(true);
    ChildChooser* who = app.chooser();
    QVERIFY(QTest::qWaitForWindowExposed(who));
    QCOMPARE(int(who->childButtons.size()), names.size());
    const QRect screen = who->screen()->availableGeometry();
    QVERIFY2(screen.contains(who->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                   .arg(who->x())
                                                                   .arg(who->y())
                                                                   .arg(who->width())
                                                                   .arg(who->height())));
    // A parent's buttons are in reach, and the last child is reached by the keyboard.
    for (QWidget* b : {static_cast<QWidget*>(who->cmdAdd), static_cast<QWidget*>(who->cmdRemove)})
        QVERIFY(who->rect().contains(QRect(b->mapTo(who, QPoint()), b->size())));
    who->childButtons.back()->setFocus();
    QApplication::processEvents();
    const QWidget* last = who->childButtons.back();
    QVERIFY(who->rect().intersects(QRect(last->mapTo(who, QPoint()), last->size())));
}

void TestChildren::aRecordThatCannotBeKeptIsToldOnceAndTypingGoesOn() {
    // A folder where the file should be: nothing can be kept.
    QVERIFY(QDir().mkpath(storePath()));
    App app(storePath());
    QVERIFY(app.storeProblem().contains(QStringLiteral("Typing works as always")));
    QCOMPARE(app.children().size(), 1);
    QCOMPARE(app.child().name, accountChildName());
    app.about()->show();
    QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
    FrmType& w = *app.main();
    // Told on the menu screen, in no window of its own that could take the keys.
    ChildFrame* f = app.childFrame();
    QVERIFY(f->fraNote->isVisible());
    QCOMPARE(f->lblNote->text(), app.storeProblem());
    QVERIFY(!f->fraNote->geometry().intersects(controlsOf(w).fraHelp->geometry()));
    QVERIFY(!f->fraNote->geometry().intersects(f->geometry()));
    QVERIFY(w.rect().contains(f->fraNote->geometry()));
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible() || top == &w, qPrintable(top->windowTitle()));

    // A drill starts and takes its keys; the note goes with the menu.
    w.cmdMenu_Click(2);
    QVERIFY(!f->fraNote->isVisible());
    QTest::mouseClick(controlsOf(w).cmdOK, Qt::LeftButton);
    QCOMPARE(int(w.state().Typing), 1);
    QTest::keyClicks(controlsOf(w).picDisplay, QStringLiteral("asdf"));
    QCOMPARE(w.state().RightCount + w.state().ErrorCount, 4);
    w.cmdStop_Click(1);
    QVERIFY(f->fraNote->isVisible());
}

void TestChildren::theSummaryCountsLinesDaysAndBestSpeeds() {
    // Days are the child's own (local time), from lines kept in UTC.
    const QString day1 = QDateTime(QDate(2026, 3, 2), QTime(10, 0)).toUTC().toString(Qt::ISODate);
    const QString day1late =
        QDateTime(QDate(2026, 3, 2), QTime(23, 30)).toUTC().toString(Qt::ISODate);
    const QString day2 = QDateTime(QDate(2026, 3, 3), QTime(0, 30)).toUTC().toString(Qt::ISODate);
    const Summary s = summarize({stored(QStringLiteral("word"), day1, 20.4),
                                 stored(QStringLiteral("word"), day1late, 25.6),
                                 stored(QStringLiteral("character"), day2, std::nullopt),
                                 stored(QStringLiteral("timed"), day2, 31.0),
                                 stored(QStringLiteral("practice"), day2, std::nullopt)});
    QCOMPARE(s.lines, 5);
    QCOMPARE(s.days, 2);
    QCOMPARE(*s.bestWord, 25.6);
    QCOMPARE(*s.bestTimed, 31.0);
    QCOMPARE(summaryText(s), QStringLiteral("Lines finished: 5\nDays practised: 2\n"
                                            "Best Word Drill: 26 words per minute\n"
                                            "Best Timed Drill: 31 words per minute"));
    const Summary none = summarize({});
    QCOMPARE(none.lines, 0);
    QVERIFY(!none.bestWord && !none.bestTimed);
    QVERIFY(summaryText(none).endsWith(QStringLiteral("Best Timed Drill: not yet")));
}

void TestChildren::exportWritesTheRecordAndFailsClearly() {
    // The program's own record folder, in a data folder of this test.
    const QString data = dir_->filePath(QStringLiteral("data"));
    {
        Store s(data + QStringLiteral("/tapwell/progress.sqlite"), QStringLiteral("setup"));
        QVERIFY(s.open());
        const std::optional<qint64> anna =
            s.addChild(QStringLiteral("Anna"), QStringLiteral("fox"));
        QVERIFY(anna);
        QVERIFY(s.writeLine(*anna, wordLine(QStringLiteral("2026-03-02T10:00:00.000Z"), 21.5)));
    }
    QByteArray out;
    const auto run = [&](const QStringList& args, QByteArray& err) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data);
        env.remove(QStringLiteral("DISPLAY")); // no window is needed
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TAPWELL_BINARY), args);
        if (!p.waitForFinished(60000)) return -1;
        err = p.readAllStandardError();
        out = p.readAllStandardOutput();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };

    QByteArray err;
    const QString csv = dir_->filePath(QStringLiteral("out.csv"));
    QCOMPARE(run({QStringLiteral("--export-progress"), csv}, err), 0);
    QCOMPARE(err, QByteArray());
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = f.readAll().split('\n');
    QVERIFY(rows[0].startsWith("child,started,activity,"));
    QVERIFY(rows[1].startsWith("Anna,2026-03-02T10:00:00.000Z,word,home,"));
    // "-" is standard output, the same text.
    QCOMPARE(run({QStringLiteral("--export-progress"), QStringLiteral("-")}, err), 0);
    QCOMPARE(out.split('\n'), rows);

    QVERIFY(run({QStringLiteral("--export-progress"),
                 dir_->filePath(QStringLiteral("no/such/folder/out.csv"))},
                err) > 0);
    QVERIFY2(err.startsWith("tapwell: ") && err.contains("no/such/folder/out.csv"), err);
    QVERIFY(run({QStringLiteral("--export-progress")}, err) > 0);
    QVERIFY2(err.contains("usage: tapwell --export-progress FILE.csv"), err);
    // The record cannot be read: a folder where the file should be.
    QVERIFY(QDir(data).rename(QStringLiteral("tapwell"), QStringLiteral("elsewhere")));
    QVERIFY(QDir().mkpath(data + QStringLiteral("/tapwell/progress.sqlite")));
    QVERIFY(run({QStringLiteral("--export-progress"), csv}, err) > 0);
    QVERIFY2(err.startsWith("tapwell: Tapwell cannot save progress"), err);
}

void TestChildren::talkStartsOffBesideAScreenReaderUnlessTicked() {
    auto openMain = [](App& app) {
        app.about()->show();
        QTest::mouseClick(app.about()->Command1, Qt::LeftButton);
        return app.childFrame()->chkTalk;
    };
    {
        App app(storePath());
        QTest::mouseClick(openMain(app), Qt::LeftButton);
        QVERIFY(app.child().talk);
    }
    // A screen reader talks already: Tapwell's own voice starts off, the record keeps
    // what the child chose, and the child who ticks the box hears it all the same.
    App app(storePath());
    QAccessible::setActive(true); // as the desktop's accessibility bridge reports one
    const auto readerGone = qScopeGuard([] { QAccessible::setActive(false); });
    QCheckBox* talk = openMain(app);
    QVERIFY(app.child().talk);
    QVERIFY(!talk->isChecked());
    QTest::mouseClick(talk, Qt::LeftButton);
    QVERIFY(talk->isChecked());
    QVERIFY(app.child().talk);
}

QTEST_MAIN(TestChildren)
void TestChildren::eachChildKeepsTheKeyboardChosenForThem() {
    makeChildren({QStringLiteral("Ada"), QStringLiteral("Bo")});
    {
        App app(storePath());
        app.openMain();
        FrmType& w = *app.main();
        // Chosen by searching; the first match is taken with OK.
        QTimer::singleShot(0, [] {
            auto* c = qobject_cast<KeyboardChooser*>(QApplication::activeModalWidget());
            QVERIFY(c != nullptr);
            QCOMPARE(c->lstKeyboards->item(0)->text(), QStringLiteral("The keyboard in use"));
            c->txtSearch->setText(QStringLiteral("English (Dvorak)"));
            c->cmdOK->click();
        });
        app.childFrame()->cmdKeyboard->click();
        QCOMPARE(app.child().keyboard, QStringLiteral("us(dvorak)"));
        w.cmdMenu_Click(kCharacterDrill);         // the next activity asks for Dvorak's keys
        QCOMPARE(keyIndexOf(w.state(), 'o'), 77); // the home row's second key
    }
    // Kept in the record for that child alone.
    Store store(storePath());
    QVERIFY(store.open());
    const auto children = store.children();
    QCOMPARE(children.at(0).keyboard, QStringLiteral("us(dvorak)"));
    QVERIFY(children.at(1).keyboard.isEmpty());
}

#include "test_children.moc"
