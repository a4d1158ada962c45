#include "charts.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace tapwell {

namespace {

struct Drawn {
    Activity activity;
    const char* name; // as the legend shows it, translated
    QColor colour;
    Qt::PenStyle pen;
    QScatterSeries::MarkerShape marker;
    double size;  // the marker's, in pixels
    double shift; // its place within its period, from the middle, in periods
};
// Told apart by line and marker shape as well as colour (Okabe and Ito's blue, orange
// and green, which colour-blind eyes tell apart), and side by side within a period. Their
// names are those of "My Progress"'s sentences.
const Drawn kWord{Activity::Word,
                  QT_TRANSLATE_NOOP("ProgressWords", "Word Drill"),
                  {0, 114, 178},
                  Qt::SolidLine,
                  QScatterSeries::MarkerShapeCircle,
                  9,
                  -0.3};
const Drawn kCharacter{Activity::Character,
                       QT_TRANSLATE_NOOP("ProgressWords", "Character Drill"),
                       {213, 94, 0},
                       Qt::DashLine,
                       QScatterSeries::MarkerShapeRectangle,
                       8,
                       0};
const Drawn kTimed{Activity::Timed,
                   QT_TRANSLATE_NOOP("ProgressWords", "Timed Drill"),
                   {0, 158, 115},
                   Qt::DotLine,
                   QScatterSeries::MarkerShapeTriangle,
                   10,
                   0.3};
constexpr double kMaxShift = 0.3;
// Between a name under the x axis and its card's edge, at least.
constexpr double kLabelClearPx = 4;

} // namespace

QChartView* makeChartView(QWidget* parent, const QString& name) {
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries); // a circle, a triangle
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(kChartWidth * 3 / 4, kChartHeight);
    view->setAccessibleName(name);
    view->setFocusPolicy(Qt::TabFocus); // reached by Tab, and read by its description
    return view;
}

namespace {

using progress::AxisBounds;
using progress::DayValue;
using progress::Span;

// Where a period stands along the x axes: its index.
int indexOf(const std::vector<QDate>& periods, const QDate& start) {
    const auto it = std::lower_bound(periods.begin(), periods.end(), start);
    return static_cast<int>(it - periods.begin());
}

// A period's values: a line through each run of consecutive periods, a gap between runs,
// and a marker on every point. Each activity stands a little to its own side within the
// period, so the markers of two on the same day all show. One name in the legend per
// activity: its markers'.
void addPeriods(QChart* chart, QAbstractAxis* x, QAbstractAxis* y, const Drawn& drawn,
                const std::vector<DayValue>& values, const std::vector<QDate>& periods, Span span) {
    if (values.empty()) return;
    const auto at = [&](const DayValue& v) {
        return QPointF(indexOf(periods, v.day) + drawn.shift, v.value);
    };
    const auto add = [&](QXYSeries* series) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    };
    for (const auto& run : progress::consecutiveRuns(values, span)) {
        if (run.size() < 2) continue;
        auto* line = new QLineSeries;
        line->setPen(QPen(drawn.colour, 2, drawn.pen));
        for (const DayValue& v : run)
            line->append(at(v));
        add(line);
        for (QLegendMarker* m : chart->legend()->markers(line))
            m->setVisible(false);
    }
    auto* markers = new QScatterSeries;
    markers->setName(QCoreApplication::translate("ProgressWords", drawn.name));
    markers->setMarkerShape(drawn.marker);
    markers->setMarkerSize(drawn.size);
    markers->setColor(drawn.colour);
    markers->setBorderColor(drawn.colour.darker(150));
    for (const DayValue& v : values)
        markers->append(at(v));
    add(markers);
}

void resetChart(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }
}

// The periods along the bottom, named where periodLabels says; align() sets its ends.
QCategoryAxis* periodAxis(const std::vector<progress::PeriodLabel>& labels, int periods) {
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setGridLineVisible(false);
    const double margin = 0.5 + kMaxShift;
    x->setStartValue(-margin);
    for (const progress::PeriodLabel& l : labels)
        x->append(l.text, l.index);
    x->setRange(-margin, periods - 1 + margin);
    return x;
}

// Named at each step from bounds.min to bounds.max; align() sets them.
QValueAxis* valueAxis(const QString& title) {
    auto* y = new QValueAxis;
    y->setTickType(QValueAxis::TicksDynamic);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setMinorTickCount(0);
    if (!title.isEmpty()) y->setTitleText(title);
    return y;
}

double largest(const std::vector<DayValue>& a, const std::vector<DayValue>& b = {}) {
    double top = 0;
    for (const auto* v : {&a, &b})
        for (const DayValue& d : *v)
            top = std::max(top, d.value);
    return top;
}

QValueAxis* yAxisOf(QChart* chart) {
    const auto axes = chart->axes(Qt::Vertical);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.front());
}

QCategoryAxis* xAxisOf(QChart* chart) {
    const auto axes = chart->axes(Qt::Horizontal);
    return axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(axes.front());
}

// The plot as the chart lays it out by itself, at its size.
QRectF ownPlotArea(QChart* chart) {
    chart->setPlotArea(QRectF());
    if (QGraphicsLayout* layout = chart->layout()) {
        layout->invalidate();
        layout->activate();
    }
    return chart->plotArea();
}

// A plot's height, or before the charts are laid out, about the least it will be.
double plotHeight(double plotHeightPx) {
    constexpr double kLeastPlotPx = 80;
    return plotHeightPx > 4 * kMarkerReachPx ? plotHeightPx : kLeastPlotPx;
}

// How many names fit along a value axis of a plot this high, a line and a half apart.
int namesAlong(const QValueAxis* y, double plotHeightPx) {
    const double height = plotHeight(plotHeightPx);
    const double apart = 1.5 * QFontMetricsF(y->labelsFont()).height();
    return std::clamp(static_cast<int>(height / apart) + 1, 2, 6);
}

// Named at each step from bounds.min to bounds.max. With room beyond them (`pad`), a
// point at an end is drawn whole: a marker's reach in values, across a plot this high,
// but less than a step, so that no further name shows.
void setBounds(QValueAxis* y, const AxisBounds& bounds, double plotHeightPx, bool pad) {
    if (!y) return;
    y->setTickAnchor(bounds.min);
    y->setTickInterval(bounds.step);
    const double height = plotHeight(plotHeightPx);
    const double range = bounds.max - bounds.min;
    const double room =
        pad ? std::min(kMarkerReachPx * range / (height - 2 * kMarkerReachPx), 0.9 * bounds.step)
            : 0.0;
    y->setRange(bounds.min - room, bounds.max + room);
}

} // namespace

ProgressCharts::ProgressCharts(const ChartViews& views, QObject* parent)
    : QObject(parent), views_(views) {
    for (QChartView* v : {views_.speed, views_.accuracy, views_.minutes})
        v->installEventFilter(this);
}

void ProgressCharts::fill(const progress::SpanFigures& figures, Span span) {
    ++fills_;
    build(figures, span);
    align();
    paintViews(true);
}

void ProgressCharts::fillInSteps(const progress::SpanFigures& figures, Span span,
                                 std::function<void()> done) {
    const int fill = ++fills_;
    paintViews(false);
    build(figures, span);
    QTimer::singleShot(0, this, [this, fill, done = std::move(done)] {
        if (fill != fills_) return;
        align();
        paintViews(true);
        if (done) done();
    });
}

void ProgressCharts::describe(const progress::ChartWords& words) {
    words_ = words;
    views_.speed->setAccessibleDescription(words.speed);
    views_.accuracy->setAccessibleDescription(words.accuracy);
    views_.minutes->setAccessibleDescription(words.minutes + QLatin1Char(' ') +
                                             views_.minutesLabel->text());
}

void ProgressCharts::paintViews(bool on) {
    for (QChartView* v : {views_.speed, views_.accuracy, views_.minutes})
        v->setUpdatesEnabled(on);
}

void ProgressCharts::build(const progress::SpanFigures& figures, Span span) {
    span_ = span;
    const std::vector<QDate>& periods = figures.periods;
    periods_ = static_cast<int>(periods.size());
    const auto labels = progress::periodLabels(periods, span);

    const auto& wordWpm = figures.wordWpm;
    const auto& timedWpm = figures.timedWpm;
    const auto& wordAcc = figures.wordAccuracy;
    const auto& charAcc = figures.characterAccuracy;
    const auto& timedAcc = figures.timedAccuracy;

    // Speed from nothing up; the markers of the same period side by side.
    QChart* speed = views_.speed->chart();
    resetChart(speed);
    if (wordWpm.empty() && timedWpm.empty())
        speed->setTitle(tr("Words per minute: no Word or Timed Drill yet"));
    else if (span == Span::FourWeeks)
        //: The chart's title: a point for each day, at the middle of its lines' speeds.
        speed->setTitle(tr("Words per minute (each day's middle line)"));
    else if (span == Span::SixMonths)
        //: The chart's title: a point for each week, at the middle of its lines' speeds.
        speed->setTitle(tr("Words per minute (each week's middle line)"));
    else
        //: The chart's title: a point for each month, at the middle of its lines' speeds.
        speed->setTitle(tr("Words per minute (each month's middle line)"));
    topWpm_ = largest(wordWpm, timedWpm);
    auto* sx = periodAxis(labels, periods_);
    auto* sy = valueAxis({});
    speed->addAxis(sx, Qt::AlignBottom);
    speed->addAxis(sy, Qt::AlignLeft);
    addPeriods(speed, sx, sy, kWord, wordWpm, periods, span);
    addPeriods(speed, sx, sy, kTimed, timedWpm, periods, span);
    speed->legend()->setVisible(!wordWpm.empty() || !timedWpm.empty());

    // Accuracy over the range of the data, with a margin: 70 to 100, not 0 to 100.
    QChart* acc = views_.accuracy->chart();
    resetChart(acc);
    if (span == Span::FourWeeks)
        //: The chart's title: a point for each day, at the middle of its lines' accuracies.
        acc->setTitle(tr("Accuracy (each day's middle line)"));
    else if (span == Span::SixMonths)
        //: The chart's title: a point for each week, at the middle of its lines' accuracies.
        acc->setTitle(tr("Accuracy (each week's middle line)"));
    else
        //: The chart's title: a point for each month, at the middle of its lines' accuracies.
        acc->setTitle(tr("Accuracy (each month's middle line)"));
    percents_.clear();
    for (const auto* v : {&wordAcc, &charAcc, &timedAcc})
        for (const DayValue& d : *v)
            percents_.push_back(d.value);
    auto* ax = periodAxis(labels, periods_);
    //: The accuracy chart's axis: the percentage of keys typed right.
    auto* ay = valueAxis(tr("% right"));
    acc->addAxis(ax, Qt::AlignBottom);
    acc->addAxis(ay, Qt::AlignLeft);
    addPeriods(acc, ax, ay, kWord, wordAcc, periods, span);
    addPeriods(acc, ax, ay, kCharacter, charAcc, periods, span);
    addPeriods(acc, ax, ay, kTimed, timedAcc, periods, span);
    acc->legend()->setVisible(!percents_.empty());

    // Minutes in each period, a bar of nothing in one without.
    const auto& minutes = figures.minutes;
    QChart* time = views_.minutes->chart();
    resetChart(time);
    if (span == Span::FourWeeks)
        time->setTitle(tr("Minutes typed each day, the last 4 weeks"));
    else if (span == Span::SixMonths)
        time->setTitle(tr("Minutes typed each week, the last 6 months"));
    else
        time->setTitle(tr("Minutes typed each month"));
    //: The minutes chart's bars.
    auto* set = new QBarSet(tr("Minutes"));
    set->setColor(kWord.colour);
    set->setBorderColor(kWord.colour.darker(150));
    double inSpan = 0;
    for (const DayValue& d : minutes) {
        set->append(d.value);
        inSpan += d.value;
    }
    topMinutes_ = largest(minutes);
    auto* bars = new QBarSeries;
    bars->append(set);
    bars->setBarWidth(0.8);
    time->addSeries(bars);
    auto* bx = periodAxis(labels, periods_);
    //: The minutes chart's axis.
    auto* by = valueAxis(tr("minutes"));
    time->addAxis(bx, Qt::AlignBottom);
    time->addAxis(by, Qt::AlignLeft);
    bars->attachAxis(bx);
    bars->attachAxis(by);
    time->legend()->setVisible(false);
    const QString all = progress::duration(figures.totalMinutes);
    const QString shown = progress::duration(inSpan);
    if (span == Span::FourWeeks)
        //: %1 and %2 are how long, as "25 minutes" or "1 hour 5 minutes".
        views_.minutesLabel->setText(tr("In the last 4 weeks: %1. In all: %2.").arg(shown, all));
    else if (span == Span::SixMonths)
        //: %1 and %2 are how long, as "25 minutes" or "1 hour 5 minutes".
        views_.minutesLabel->setText(tr("In the last 6 months: %1. In all: %2.").arg(shown, all));
    else
        //: %1 is how long, as "25 minutes" or "1 hour 5 minutes".
        views_.minutesLabel->setText(tr("In all: %1.").arg(all));
    describe(words_);
    // The value axes' ends as for the least plots; align() fits them to the plots as laid out.
    const std::array<QChart*, 3> charts = {speed, acc, time};
    for (std::size_t i = 0; i < charts.size(); ++i) {
        QValueAxis* y = yAxisOf(charts[i]);
        bounds_[i] = boundsOf(i, namesAlong(y, 0));
        setBounds(y, bounds_[i], 0, charts[i] != time);
    }
}

AxisBounds ProgressCharts::boundsOf(std::size_t chart, int maxLabels) const {
    switch (chart) {
    case 0:
        return progress::countBounds(topWpm_, 10, maxLabels);
    case 1:
        return progress::accuracyBounds(percents_, maxLabels);
    default:
        return progress::countBounds(topMinutes_, 5, maxLabels);
    }
}

double ProgressCharts::plotWidth() const {
    const QRectF plot = views_.speed->chart()->plotArea();
    if (views_.speed->isVisible() && plot.width() > 0) return plot.width();
    // Not laid out yet: the view less its axis names, about.
    return std::max(views_.speed->width(), views_.speed->minimumWidth()) - 80.0;
}

void ProgressCharts::align() {
    const std::array<QChart*, 3> charts = {views_.speed->chart(), views_.accuracy->chart(),
                                           views_.minutes->chart()};
    if (periods_ == 0) return;
    // Each plot as its chart lays it out alone; then all three on the innermost edges.
    std::array<QRectF, 3> own;
    double left = 0, right = 1e9, cardLeft = 0, cardRight = 1e9;
    for (std::size_t i = 0; i < charts.size(); ++i) {
        // As many names up the value axis as its plot has room for: fewer crowd, and get
        // cut short.
        own[i] = ownPlotArea(charts[i]);
        QValueAxis* y = yAxisOf(charts[i]);
        const AxisBounds bounds = y ? boundsOf(i, namesAlong(y, own[i].height())) : AxisBounds{};
        if (y && !(bounds == bounds_[i])) {
            bounds_[i] = bounds;
            setBounds(y, bounds, own[i].height(), false);
            own[i] = ownPlotArea(charts[i]); // the names' widths may differ
        }
        left = std::max(left, own[i].left());
        right = std::min(right, own[i].right());
        // The card: the chart's background, inside the room its layout keeps around it.
        qreal l = 0, t = 0, r = 0, b = 0;
        if (QGraphicsLayout* layout = charts[i]->layout())
            layout->getContentsMargins(&l, &t, &r, &b);
        const QRectF card = charts[i]->rect().adjusted(l, t, -r, -b);
        cardLeft = std::max(cardLeft, card.left() + kLabelClearPx);
        cardRight = std::min(cardRight, card.right() - kLabelClearPx);
    }
    // Room above and below for the markers of speed and accuracy; the bars stand on 0.
    for (std::size_t i = 0; i < charts.size(); ++i)
        setBounds(yAxisOf(charts[i]), bounds_[i], own[i].height(), charts[i] != charts.back());
    if (right - left < 10) return; // far too small to lay out: as the charts would

    // The ends of the x axes: room for a marker, beside its period's middle, and for the
    // names under the first and last labelled periods, within the card.
    QCategoryAxis* x = xAxisOf(charts[0]);
    const QFontMetricsF fm(x ? x->labelsFont() : QFont());
    const QStringList names = x ? x->categoriesLabels() : QStringList();
    const double firstHalf = names.isEmpty() ? 0 : fm.horizontalAdvance(names.front()) / 2;
    const double lastHalf = names.isEmpty() ? 0 : fm.horizontalAdvance(names.back()) / 2;
    const double firstAt = names.isEmpty() ? 0 : x->endValue(names.front());
    const double lastAt = names.isEmpty() ? 0 : x->endValue(names.back());
    const double n = periods_;
    double margin = 0.5;
    for (int round = 0; round < 3; ++round) {
        const double width = right - left;
        const double reach = kMaxShift + kMarkerReachPx * (n - 1 + 2 * margin) / width;
        margin = std::max(0.5, reach);
        const double perPeriod = width / (n - 1 + 2 * margin);
        const double lastX = left + (lastAt + margin) * perPeriod;
        const double firstX = left + (firstAt + margin) * perPeriod;
        const double pastRight = lastX + lastHalf - cardRight;
        const double pastLeft = cardLeft - (firstX - firstHalf);
        if (pastRight <= 0.5 && pastLeft <= 0.5) break;
        if (pastRight > 0.5) right -= pastRight;
        if (pastLeft > 0.5) left += pastLeft;
    }

    for (std::size_t i = 0; i < charts.size(); ++i) {
        charts[i]->setPlotArea(QRectF(left, own[i].top(), right - left, own[i].height()));
        if (QCategoryAxis* ax = xAxisOf(charts[i])) {
            ax->setStartValue(-margin);
            ax->setRange(-margin, n - 1 + margin);
        }
    }
}

bool ProgressCharts::eventFilter(QObject* watched, QEvent* event) {
    // A new size lays the charts out again once the views have all taken theirs.
    if (event->type() == QEvent::Resize && !alignQueued_) {
        alignQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            alignQueued_ = false;
            align();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tapwell
