// "My Progress" on a small record whose numbers are known: what the charts draw (gaps,
// not zeros), a key's colour and tooltip on the trouble map, the sentences and lessons, a
// parent's tools (remove asks twice; the CSV is the export's) and the keyboard. The
// window is made through the library loader, as the program makes it.
#include "progress/children.h"
#include "progress/export.h"
#include "progresswindow/progresswindow.h"
#include "shipped.h"
#include "ui/keyboardwidget.h"
#include "ui/pictures.h"
#include "ui/recordwords.h"
#include "ui/whoistyping.h"

#include <QAccessible>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>
#include <QtTest>

#include <cmath>

using namespace tapwell;
using namespace tapwell::progress;

namespace {

const QDate kToday(2026, 12, 8);
const QDate kDay1 = kToday.addDays(-3), kDay2 = kToday.addDays(-2), kDay4 = kToday;

QString at(const QDate& day, int second) {
    return QDateTime(day, QTime(9, 0, second), Qt::UTC).toString(Qt::ISODateWithMs);
}

LineRecord line(const QDate& day, int second, const char* activity, std::optional<double> wpm,
                std::optional<double> accuracy, qint64 ms = 60'000, const char* rows = "home") {
    LineRecord l;
    l.started = at(day, second);
    l.activity = *activityNamed(QLatin1String(activity));
    l.rows = QLatin1String(rows);
    l.wpm = wpm;
    l.accuracy = accuracy;
    l.ms = ms;
    return l;
}

// `expected` coming up n times, the first `misses` times typed as `instead` and then
// typed again, right.
void keys(LineRecord& l, int expected, int n, int misses, int instead) {
    for (int i = 0; i < n; ++i) {
        if (i < misses) l.keys.push_back({expected, instead, 200});
        l.keys.push_back({expected, expected, 200});
    }
}

QList<QPointF> pointsOf(const QAbstractSeries* s) {
    return static_cast<const QXYSeries*>(s)->points();
}

// Where a day of the last four weeks stands along the charts: today at 27.
double indexOf(const QDate& day) {
    return 27 - day.daysTo(kToday);
}

// Points by the period they stand in (each activity stands a little to its side of it).
QList<QPointF> onDays(const QList<QPointF>& points) {
    QList<QPointF> out;
    for (const QPointF& p : points) {
        if (std::abs(p.x() - std::round(p.x())) > 0.4) return {}; // not within its period
        out << QPointF(std::round(p.x()), p.y());
    }
    return out;
}

const QValueAxis* accuracyAxis(ProgressWindow& w) {
    return qobject_cast<QValueAxis*>(w.chtAccuracy->chart()->axes(Qt::Vertical).front());
}

// Named at multiples of 5 and none past 100: the first name above 100 beyond the axis.
bool namedAtFivesUpTo100(const QValueAxis* y) {
    if (y->tickType() != QValueAxis::TicksDynamic) return false;
    const double anchor = y->tickAnchor(), step = y->tickInterval();
    if (std::fmod(anchor, 5) != 0 || std::fmod(step, 5) != 0) return false;
    const double pastHundred = anchor + (std::floor((100 - anchor) / step) + 1) * step;
    return pastHundred > y->max() && anchor >= y->min();
}

// Whether an image shows a colour (within `near` of each of red, green and blue) inside
// its outer 3 pixels (a control's bevel).
bool shows(const QImage& image, const QColor& colour, int near = 8) {
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= near &&
                std::abs(c.green() - colour.green()) <= near &&
                std::abs(c.blue() - colour.blue()) <= near)
                return true;
        }
    return false;
}

QWidget* findBuddyOf(QWidget& window, QWidget* buddy) {
    for (QLabel* l : window.findChildren<QLabel*>())
        if (l->buddy() == buddy) return l;
    return nullptr;
}

// Answers the next message box this window shows by the button with this text.
// Waits for the window to have read the record and drawn it.
void waitFilled(ProgressWindow& w, QSignalSpy& filled) {
    QVERIFY2(!filled.isEmpty() || filled.wait(20000), "the record was not read");
    filled.clear();
    QCOMPARE(w.lblSentences->text().startsWith(QStringLiteral("Reading")), false);
}

void answerNextBox(const QString& button, QString* text = nullptr) {
    QTimer::singleShot(0, [button, text] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            if (text) *text = box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove(QLatin1Char('&')) == button) return b->click();
        }
        QFAIL(qPrintable(QStringLiteral("no box with a button ") + button));
    });
}

} // namespace

class TestProgressWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void chartsDrawDayMediansWithGaps();
    void minutesOfTheLastFourWeeks();
    void anotherSpanRedrawsWhatWasRead();
    void noPointOrNameIsCutByItsCard();
    void accuracyKeepsToItsData();
    void troubleMapColoursAndTooltips();
    void theColourScaleReadsInGreyscale();
    void theSpaceBarAndTheHandsOnTheMap();
    void sentencesAndLessons();
    void aSuggestionWithAButtonThatStartsIt();
    void anotherChildAndTheirEmptyRecord();
    void removeAsksTwiceAndSaysWhat();
    void saveAsCsvWritesTheExport();
    void keyboardAloneAndNames();
    void aSecondOpeningShowsAtOnceAndReadsOnlyTheNewLines();

private:
    ProgressWindow& window() { return *win_; }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Store> store_;
    std::unique_ptr<TypeState> keys_;
    std::unique_ptr<ChildrenService> children_;
    std::unique_ptr<ProgressView> view_;
    ProgressWindow* win_ = nullptr;
    std::unique_ptr<QSignalSpy> filled_;
    std::vector<Suggestion> started_; // what the suggestion's button started
    bool mainWindowFree_ = true;
    Child anna_, ben_;
};

void TestProgressWindow::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    store_ = std::make_unique<Store>(dir_->filePath(QStringLiteral("progress.sqlite")),
                                     QStringLiteral("test.progresswindow"));
    QVERIFY(store_->open());
    anna_ = {*store_->addChild(QStringLiteral("Anna"), QStringLiteral("owl")),
             QStringLiteral("Anna"),
             QStringLiteral("owl"),
             {},
             {},
             false};
    ben_ = {*store_->addChild(QStringLiteral("Ben"), QStringLiteral("cat")),
            QStringLiteral("Ben"),
            QStringLiteral("cat"),
            {},
            {},
            false};
    // Anna's Word Drill: day 1 (10, 30, 20: median 20), day 2 (12, 14: 13), nothing on day
    // 3, day 4 (40); a Timed Drill run on day 2; a Character Drill line today; the Top Row
    // lesson to its end on day 2.
    LineRecord w1 = line(kDay1, 1, "word", 10, 90);
    keys(w1, 'w', 30, 9, 'e'); // 30% of w missed, as e: the left ring finger
    keys(w1, 'a', 20, 0, 0);
    for (const LineRecord& l :
         {w1, line(kDay1, 2, "word", 30, 80), line(kDay1, 3, "word", 20, 100),
          line(kDay2, 1, "word", 12, 95), line(kDay2, 2, "word", 14, 85),
          line(kDay4, 1, "word", 40, 100, 90'000), line(kDay2, 3, "timed", 99, std::nullopt),
          line(kDay4, 2, "character", std::nullopt, 50, 30'000),
          line(kDay2, 4, "lesson", std::nullopt, std::nullopt, 60'000, "top")})
        QVERIFY(store_->writeLine(anna_.id, l));
    keys_ = test::stateWithKeyData();
    children_ = std::make_unique<ChildrenService>(*store_);

    ProgressHost host;
    host.store = store_.get();
    host.keys = keys_.get();
    host.children = children_.get();
    host.saveCsv = [this](const QString& file, QString& error) {
        ExportError fault;
        if (exportCsv(*store_, file, fault)) return true;
        error = exportErrorText(fault);
        return false;
    };
    host.start = [this](const Suggestion& what) {
        started_.push_back(what);
        return mainWindowFree_;
    };
    win_ = new ProgressWindow(host);
    view_.reset(win_);
    win_->today = kToday;
    filled_ = std::make_unique<QSignalSpy>(win_, &ProgressWindow::filled);
    view_->showChild(anna_);
    waitFilled(*win_, *filled_);
}

void TestProgressWindow::cleanup() {
    filled_.reset();
    view_.reset();
    children_.reset();
    store_.reset();
    dir_.reset();
}

void TestProgressWindow::chartsDrawDayMediansWithGaps() {
    ProgressWindow& w = window();
    QCOMPARE(w.windowTitle(), QStringLiteral("My Progress"));
    QCOMPARE(w.lblName->text(), QStringLiteral("Anna"));
    // Four days of record: the last four weeks, a point a day, today the 28th (27).
    QCOMPARE(w.cboSpan->currentData().toInt(), int(Span::FourWeeks));

    // Word Drill: a line through days 1 and 2, then a gap (no line, no zero) and day 4;
    // a marker on each of its days. The Timed Drill's one day is a marker, beside the Word
    // Drill's on the same day.
    QList<QPointF> line, word, timed;
    for (QAbstractSeries* s : w.chtSpeed->chart()->series()) {
        if (s->type() == QAbstractSeries::SeriesTypeLine) line += pointsOf(s);
        if (s->name() == QStringLiteral("Word Drill")) word += pointsOf(s);
        if (s->name() == QStringLiteral("Timed Drill")) timed += pointsOf(s);
    }
    QCOMPARE(onDays(line), (QList<QPointF>{{indexOf(kDay1), 20}, {indexOf(kDay2), 13}}));
    QCOMPARE(onDays(word),
             (QList<QPointF>{{indexOf(kDay1), 20}, {indexOf(kDay2), 13}, {indexOf(kDay4), 40}}));
    QCOMPARE(onDays(timed), (QList<QPointF>{{indexOf(kDay2), 99}}));
    QVERIFY(timed.front().x() - word[1].x() > 0.4); // the same day, side by side
    QStringList names;
    for (QAbstractSeries* s : w.chtSpeed->chart()->series())
        if (!s->name().isEmpty()) names << s->name();
    QCOMPARE(names, (QStringList{QStringLiteral("Word Drill"), QStringLiteral("Timed Drill")}));

    // Accuracy: the Word Drill's medians (90, 90, 100) and the Character Drill's 50; the
    // Timed Drill shows none, and draws nothing.
    QList<QPointF> accuracy;
    for (QAbstractSeries* s : w.chtAccuracy->chart()->series())
        if (s->type() == QAbstractSeries::SeriesTypeScatter) accuracy += onDays(pointsOf(s));
    std::sort(accuracy.begin(), accuracy.end(),
              [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    QCOMPARE(accuracy, (QList<QPointF>{{indexOf(kDay4), 50},
                                       {indexOf(kDay1), 90},
                                       {indexOf(kDay2), 90},
                                       {indexOf(kDay4), 100}}));
}

void TestProgressWindow::minutesOfTheLastFourWeeks() {
    ProgressWindow& w = window();
    const auto series = w.chtMinutes->chart()->series();
    QCOMPARE(series.size(), 1);
    const QBarSet* set = static_cast<QBarSeries*>(series.front())->barSets().front();
    QCOMPARE(set->count(), 28);
    QCOMPARE(set->at(27), 2.0); // today: 90 s and 30 s
    QCOMPARE(set->at(26), 0.0); // day 3: a bar of nothing
    QCOMPARE(set->at(25), 4.0); // day 2: two Word Drill lines, the Timed run, the lesson
    QCOMPARE(set->at(24), 3.0);
    QCOMPARE(set->at(0), 0.0);
    QCOMPARE(w.lblMinutes->text(),
             QStringLiteral("In the last 4 weeks: 9 minutes. In all: 9 minutes."));
}

void TestProgressWindow::anotherSpanRedrawsWhatWasRead() {
    ProgressWindow& w = window();
    // A line written after the window read the record: a new span does not read it again.
    QVERIFY(store_->writeLine(anna_.id, line(kToday, 9, "word", 50, 100, 600'000)));
    w.cboSpan->setCurrentIndex(w.cboSpan->findData(int(Span::SixMonths)));
    const QBarSet* set =
        static_cast<QBarSeries*>(w.chtMinutes->chart()->series().front())->barSets().front();
    QCOMPARE(set->count(), 26);
    QCOMPARE(set->at(25), 2.0); // the week of Monday 7 December: today's
    QCOMPARE(set->at(24), 7.0); // the week before: days 1 and 2
    QCOMPARE(w.lblMinutes->text(),
             QStringLiteral("In the last 6 months: 9 minutes. In all: 9 minutes."));
    QVERIFY(w.chtMinutes->chart()->title().contains(QStringLiteral("each week")));
    // Each week's Word Drill median, of its lines: 10 12 14 20 30 (13 and 14 on day 2).
    QList<QPointF> word;
    for (QAbstractSeries* s : w.chtSpeed->chart()->series())
        if (s->name() == QStringLiteral("Word Drill")) word += onDays(pointsOf(s));
    QCOMPARE(word, (QList<QPointF>{{24, 14}, {25, 40}}));

    w.cboSpan->setCurrentIndex(w.cboSpan->findData(int(Span::All)));
    QCOMPARE(w.lblMinutes->text(), QStringLiteral("In all: 9 minutes."));
    QVERIFY(w.chtMinutes->chart()->title().contains(QStringLiteral("each month")));

    // The span stays when the same child's window is filled again; another child's opens
    // on the span that suits their record.
    view_->showChild(anna_);
    QCOMPARE(w.cboSpan->currentData().toInt(), int(Span::All));
    w.cboChild->setCurrentIndex(1);
    waitFilled(w, *filled_);
    QCOMPARE(w.child().id, ben_.id);
    QCOMPARE(w.cboSpan->currentData().toInt(), int(Span::FourWeeks));

    // Reached from the keyboard, by its label's mnemonic.
    const auto* label = qobject_cast<QLabel*>(findBuddyOf(w, w.cboSpan));
    QVERIFY(label);
    QVERIFY(label->text().contains(QLatin1Char('&')));
    QVERIFY(w.cboSpan->focusPolicy() & Qt::TabFocus);
}

void TestProgressWindow::noPointOrNameIsCutByItsCard() {
    ProgressWindow& w = window();
    // A day of 100% and one of nearly nothing, in speed and accuracy.
    QVERIFY(store_->writeLine(anna_.id, line(kDay1, 30, "timed", 0.5, 100)));
    QVERIFY(store_->writeLine(anna_.id, line(kDay2, 30, "character", std::nullopt, 1)));
    view_->showChild(anna_);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const QSize& size : {QSize(1180, 760), QSize(900, 560), QSize(1600, 1000)}) {
        w.resize(size);
        QTest::qWait(20); // the charts lay themselves out once the views have their sizes
        const QString at = QStringLiteral("%1x%2 ").arg(size.width()).arg(size.height());
        QList<QRectF> plots;
        for (QChartView* v : {w.chtSpeed, w.chtAccuracy, w.chtMinutes}) {
            QChart* chart = v->chart();
            const QRectF plot = chart->plotArea();
            plots << plot.translated(v->mapTo(&w, QPoint(0, 0)));
            // Every marker whole within its plot.
            for (QAbstractSeries* s : chart->series()) {
                const auto* scatter = qobject_cast<QScatterSeries*>(s);
                if (!scatter) continue;
                const double reach = scatter->markerSize() / 2 + 1;
                for (const QPointF& p : scatter->points()) {
                    const QPointF pos = chart->mapToPosition(p, s);
                    QVERIFY2(plot.adjusted(reach, reach, -reach, -reach).contains(pos),
                             qPrintable(at + v->accessibleName() +
                                        QStringLiteral(": (%1, %2)").arg(p.x()).arg(p.y())));
                }
            }
            // The names under the axis inside the card.
            auto* x = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).front());
            const QFontMetricsF fm(x->labelsFont());
            for (const QString& name : x->categoriesLabels()) {
                const double middle = chart->mapToPosition(QPointF(x->endValue(name), 0)).x();
                const double half = fm.horizontalAdvance(name) / 2;
                QVERIFY2(middle - half >= 0 && middle + half <= chart->size().width() - 4,
                         qPrintable(at + name));
            }
        }
        // One left edge and one right edge.
        QCOMPARE(plots[1].left(), plots[0].left());
        QCOMPARE(plots[2].left(), plots[0].left());
        QCOMPARE(plots[1].right(), plots[0].right());
        QCOMPARE(plots[2].right(), plots[0].right());
    }

    // Accuracy from 0-ish to 100: named at multiples of 5, never past 100, and room above
    // 100 so a 100% day is drawn whole.
    const QValueAxis* y = accuracyAxis(w);
    QVERIFY(y->min() < 1 && y->max() > 100);
    QVERIFY(namedAtFivesUpTo100(y));
}

void TestProgressWindow::accuracyKeepsToItsData() {
    // Anna's days lie between 50 and 100: the axis shows about that, not 0 to 100.
    const QValueAxis* y = accuracyAxis(window());
    QVERIFY2(y->min() >= 30 && y->min() < 50, qPrintable(QString::number(y->min())));
    QVERIFY(y->max() > 100);
    QVERIFY(namedAtFivesUpTo100(y));
    // Days all between 90 and 100: every 5 or 10.
    ProgressWindow& w = window();
    for (int i = 0; i < 3; ++i)
        QVERIFY(store_->writeLine(ben_.id, line(kToday.addDays(-i), 1, "word", 20, 92 + 3 * i)));
    w.cboChild->setCurrentIndex(1);
    waitFilled(w, *filled_);
    y = accuracyAxis(w);
    QVERIFY2(y->min() >= 80 && y->min() < 92, qPrintable(QString::number(y->min())));
    QVERIFY(y->tickInterval() == 5 || y->tickInterval() == 10);
    QVERIFY(namedAtFivesUpTo100(y));
}

void TestProgressWindow::troubleMapColoursAndTooltips() {
    ProgressWindow& w = window();
    const int wKey = keyOfCharacter(*keys_, 'w');
    SSCommand* key = w.keyboard->cmdKey(wKey);
    QCOMPARE(key->picture().name(), troubleColour(0.3).name());
    QCOMPARE(key->toolTip(),
             QStringLiteral("Came up 30 times, missed 9 times; most often typed instead: E"));
    QCOMPARE(key->palette().color(QPalette::ButtonText), captionColourOn(troubleColour(0.3)));
    SSCommand* a = w.keyboard->cmdKey(keyOfCharacter(*keys_, 'a'));
    QCOMPARE(a->picture().name(), troubleColour(0).name());
    QCOMPARE(a->toolTip(), QStringLiteral("Came up 20 times, never missed"));
    // Never asked for: the striped grey face, said so.
    SSCommand* one = w.keyboard->cmdKey(keyOfCharacter(*keys_, '1'));
    QVERIFY(one->picture() == neverAskedFace());
    QCOMPARE(one->toolTip(), QStringLiteral("Never asked for yet"));
    QCOMPARE(one->accessibleDescription(), one->toolTip());
    // The same keys, places and captions as the main window's keyboard.
    OnScreenKeyboard plain(nullptr);
    for (int k = kFirstKey; k <= kLastKey; ++k) {
        QCOMPARE(w.keyboard->cmdKey(k)->text(), plain.cmdKey(k)->text());
        QCOMPARE(w.keyboard->cmdKey(k)->geometry(), plain.cmdKey(k)->geometry());
    }
}

void TestProgressWindow::theSpaceBarAndTheHandsOnTheMap() {
    ProgressWindow& w = window();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Anna never typed a space: the bar is striped, the same two greys as a key never
    // asked for, from end to end.
    SSPanel* space = w.keyboard->pnlSpace;
    QVERIFY(space->picture() == neverAskedSpaceBar());
    const QImage bar = space->grab().toImage();
    const QImage one = w.keyboard->cmdKey(keyOfCharacter(*keys_, '1'))->grab().toImage();
    const QColor light(0xd4, 0xd4, 0xd4), dark(0xa0, 0xa0, 0xa0);
    QVERIFY(shows(one, light) && shows(one, dark));
    for (int third = 0; third < 3; ++third) {
        const QImage part = bar.copy(bar.width() * third / 3, 0, bar.width() / 3, bar.height());
        QVERIFY2(shows(part, light) && shows(part, dark), qPrintable(QString::number(third)));
    }

    // Asked for (Ben's one miss in ten): the scale's colour, no stripes.
    LineRecord l = line(kToday, 5, "word", 20, 90);
    keys(l, ' ', 10, 1, 'x');
    QVERIFY(store_->writeLine(ben_.id, l));
    w.cboChild->setCurrentIndex(1);
    waitFilled(w, *filled_);
    QVERIFY(space->picture().isNull());
    QCOMPARE(space->backColor(), troubleColour(0.1));
    QVERIFY(!shows(space->grab().toImage(), dark));
    w.cboChild->setCurrentIndex(0);
    waitFilled(w, *filled_);
    QVERIFY(space->picture() == neverAskedSpaceBar());

    // The hands stand on the blue board, without the red square behind them.
    for (ImageBox* hand : w.keyboard->imgHand) {
        QVERIFY(hand->isVisible());
        const QImage seen = w.keyboard->grab(hand->geometry()).toImage();
        QVERIFY(!shows(seen, QColor(255, 0, 0), 60));
        QVERIFY(shows(seen, QColor(0, 0, 255), 60));
        QVERIFY(shows(seen, QColor(0xe3, 0xe3, 0xe3))); // the hand itself
    }
    // The main window's hands keep their pictures as they are.
    OnScreenKeyboard plain(nullptr);
    QVERIFY(plain.imgHand[0]->picture() == Pictures::get().finger[0]);
    QVERIFY(plain.imgHand[1]->picture() == Pictures::get().finger[7]);
}

void TestProgressWindow::theColourScaleReadsInGreyscale() {
    // Lighter at every step up to the worst rate, the same beyond: its grey alone tells
    // the rate; a caption always reads on it.
    const auto grey = [](const QColor& c) { return qGray(c.rgb()); };
    int last = 256;
    for (int percent = 0; percent <= 40; percent += 5) {
        const QColor c = troubleColour(percent / 100.0);
        QVERIFY2(grey(c) < last, qPrintable(QString::number(percent)));
        last = grey(c);
        QVERIFY(std::abs(grey(captionColourOn(c)) - grey(c)) > 100);
    }
    QCOMPARE(troubleColour(0.9), troubleColour(kWorstRate));
}

void TestProgressWindow::sentencesAndLessons() {
    ProgressWindow& w = window();
    QCOMPARE(w.lblSentences->text(),
             QStringLiteral("Your left ring finger misses most: W\n"
                            "Your best line: 99 words per minute in the Timed Drill, on 6 "
                            "December 2026"));
    QCOMPARE(w.lblLessons->text(), QStringLiteral("Lessons practised to the end:\n"
                                                  "Home Row: not yet\n"
                                                  "Top Row: yes, last on 6 December 2026\n"
                                                  "Bottom Row: not yet\n"
                                                  "Number Row: not yet"));
}

void TestProgressWindow::aSuggestionWithAButtonThatStartsIt() {
    ProgressWindow& w = window();
    // W is missed three times in ten: Tricky Keys, with the Top Row to draw from.
    QCOMPARE(w.lblSuggestion->text(), QStringLiteral("Try Tricky Keys: W needs practice"));
    QVERIFY(!w.cmdSuggestion->isHidden());
    QCOMPARE(w.cmdSuggestion->text(), QStringLiteral("&Go to Tricky Keys"));
    w.cmdSuggestion->click();
    QCOMPARE(started_.size(), std::size_t{1});
    QCOMPARE(started_[0].kind, Suggestion::Kind::TrickyKeys);
    QCOMPARE(started_[0].rows, std::vector<int>{kTopRow});
    // The main window busy with a drill: the parent is told what to do first.
    mainWindowFree_ = false;
    w.cmdSuggestion->click();
    QVERIFY(w.lblSuggestion->text().contains(QStringLiteral("Stop what is being typed")));
    // No record, no suggestion.
    w.cboChild->setCurrentIndex(1);
    waitFilled(w, *filled_);
    QVERIFY(w.lblSuggestion->isHidden() && w.cmdSuggestion->isHidden());
}

void TestProgressWindow::anotherChildAndTheirEmptyRecord() {
    ProgressWindow& w = window();
    QCOMPARE(w.cboChild->count(), 2);
    w.cboChild->setCurrentIndex(1);
    waitFilled(w, *filled_);
    QCOMPARE(w.child().id, ben_.id);
    QCOMPARE(w.lblName->text(), QStringLiteral("Ben"));
    QVERIFY(w.keyStats().empty());
    QVERIFY(w.keyboard->cmdKey(keyOfCharacter(*keys_, 'w'))->picture() == neverAskedFace());
    QVERIFY(w.chtSpeed->chart()->series().isEmpty());
    QVERIFY(w.lblSentences->text().startsWith(QStringLiteral("Type a few more lines")));
    QVERIFY(w.cmdRemove->isEnabled());
}

void TestProgressWindow::removeAsksTwiceAndSaysWhat() {
    ProgressWindow& w = window();
    QVERIFY(w.removeQuestion().contains(
        QStringLiteral("everything Tapwell has kept of Anna's typing")));
    QVERIFY(w.removeQuestion().endsWith(QStringLiteral("That is 9 lines typed on 3 days.")));

    // No at the first question, then the second one's default: Anna stays.
    answerNextBox(QStringLiteral("No"));
    w.removeClicked();
    QString second;
    answerNextBox(QStringLiteral("Yes"));
    QTimer::singleShot(50, [&] { answerNextBox(QStringLiteral("Keep Anna"), &second); });
    w.removeClicked();
    QVERIFY(second.contains(QStringLiteral("cannot be brought back")));
    QCOMPARE(store_->children().size(), 2);
    QVERIFY(!store_->lines(anna_.id).empty());

    // Yes, and yes again: Anna and her lines are gone; the window shows Ben, alone.
    answerNextBox(QStringLiteral("Yes"));
    QTimer::singleShot(50, [&] { answerNextBox(QStringLiteral("Remove Anna")); });
    w.removeClicked();
    QCOMPARE(store_->children().size(), 1);
    QVERIFY(store_->lines(anna_.id).empty());
    QCOMPARE(w.lblName->text(), QStringLiteral("Ben"));
    QCOMPARE(w.cboChild->count(), 1);
    QVERIFY(!w.cmdRemove->isEnabled()); // the last child stays
}

void TestProgressWindow::saveAsCsvWritesTheExport() {
    ProgressWindow& w = window();
    const QString mine = dir_->filePath(QStringLiteral("from the window.csv"));
    const QString theirs = dir_->filePath(QStringLiteral("exported.csv"));
    QVERIFY(w.saveTo(mine));
    ExportError error;
    QVERIFY(exportCsv(*store_, theirs, error));
    QFile a(mine), b(theirs);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
    QVERIFY(w.lblSaved->text().startsWith(QStringLiteral("Saved as ")));
    // A folder is no file: the parent is told, in words.
    QVERIFY(!w.saveTo(dir_->path()));
    QVERIFY(w.lblSaved->text().startsWith(QStringLiteral("Not saved: ")));
}

void TestProgressWindow::keyboardAloneAndNames() {
    ProgressWindow& w = window();
    // Every part in a row, by Tab: the parent's tools, the map and what it says, the
    // charts and what they say, Save and Close.
    const QList<QWidget*> order = {w.cboChild,   w.cmdAdd,       w.cmdRename,     w.cmdRemove,
                                   w.keyboard,   w.lblSentences, w.cmdSuggestion, w.lblLessons,
                                   w.cboSpan,    w.chtSpeed,     w.chtAccuracy,   w.chtMinutes,
                                   w.lblMinutes, w.cmdSave,      w.cmdClose};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order[i]->nextInFocusChain();
        // As Tab goes: past what takes no focus by Tab, and what passes it on (a chart's
        // drawing area passes it to its chart).
        while (!(next->focusPolicy() & Qt::TabFocus) || next->focusProxy() != nullptr)
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i + 1]);
    }
    // Each read by a name (a label by its own text) and, where it draws, a description.
    for (QWidget* part : order + QList<QWidget*>{w.imgChild, w.lblName, w.legend})
        QVERIFY2(!QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name).isEmpty(),
                 part->metaObject()->className());
    const auto said = [](QWidget* part, QAccessible::Text t) {
        return QAccessible::queryAccessibleInterface(part)->text(t);
    };
    QCOMPARE(said(w.lblSentences, QAccessible::Name), w.lblSentences->text());
    // The charts in words, whatever the span shown.
    QCOMPARE(said(w.chtSpeed, QAccessible::Description),
             QStringLiteral("Word Drill: 40 words per minute today. Timed Drill: 99 words per "
                            "minute on 6 December."));
    QVERIFY(said(w.chtMinutes, QAccessible::Description).startsWith(QStringLiteral("This week: ")));
    // The trouble map as a list, worst first.
    QCOMPARE(said(w.keyboard, QAccessible::Description), QStringLiteral("Missed most: W 30%"));
    // Whose progress, said as the record came: a notification, spoken, never focused.
    QWidget* note = nullptr;
    for (QWidget* n : w.findChildren<QWidget*>())
        if (QAccessible::queryAccessibleInterface(n)->role() == QAccessible::Notification) note = n;
    QVERIFY(note != nullptr);
    QCOMPARE(said(note, QAccessible::Name),
             QStringLiteral("Anna's progress: 9 lines typed on 3 days."));

    // Escape closes it; opening it again shows it as it was.
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
    view_->showChild(anna_);
    QVERIFY(w.isVisible());
    QCOMPARE(w.lblName->text(), QStringLiteral("Anna"));
}

void TestProgressWindow::aSecondOpeningShowsAtOnceAndReadsOnlyTheNewLines() {
    ProgressWindow& w = window();
    QCOMPARE(w.shown()->lines.size(), std::size_t{9});
    QVERIFY(w.shown()->readAll);
    QVERIFY(store_->writeLine(anna_.id, line(kToday, 3, "word", 35, 95)));
    w.close();
    view_->showChild(anna_);
    // What was read before is in sight at once, while the new line is read.
    QCOMPARE(w.shown()->lines.size(), std::size_t{9});
    QVERIFY(!w.lblSentences->text().startsWith(QStringLiteral("Reading")));
    waitFilled(w, *filled_);
    QCOMPARE(w.shown()->lines.size(), std::size_t{10});
    QVERIFY(!w.shown()->readAll);
    QCOMPARE(w.shown()->linesRead, 1);
    // Another child's record is read whole, and Anna's is not shown meanwhile.
    w.cboChild->setCurrentIndex(1);
    QVERIFY(w.shown()->lines.empty());
    waitFilled(w, *filled_);
    QCOMPARE(w.child().id, ben_.id);
}

QTEST_MAIN(TestProgressWindow)
#include "test_progresswindow.moc"
