#include "charts.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tapwell {

namespace {

constexpr int kMinutesDays = 30;

struct Drawn {
    Activity activity;
    const char* name;
    QColor colour;
    Qt::PenStyle pen;
    QScatterSeries::MarkerShape marker;
};
// Told apart by line and marker shape as well as colour (Okabe and Ito's blue, orange
// and green, which colour-blind eyes tell apart).
const Drawn kWord{
    Activity::Word, "Word Drill", {0, 114, 178}, Qt::SolidLine, QScatterSeries::MarkerShapeCircle};
const Drawn kCharacter{Activity::Character,
                       "Character Drill",
                       {213, 94, 0},
                       Qt::DashLine,
                       QScatterSeries::MarkerShapeRectangle};
const Drawn kTimed{Activity::Timed,
                   "Timed Drill",
                   {0, 158, 115},
                   Qt::DotLine,
                   QScatterSeries::MarkerShapeTriangle};

qint64 msOf(const QDate& day) {
    return QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch(); // noon of the family's own day
}

QString duration(double minutes) {
    const int m = static_cast<int>(std::lround(minutes));
    if (m == 0 && minutes > 0) return QStringLiteral("less than a minute");
    if (m < 60) return m == 1 ? QStringLiteral("1 minute") : QStringLiteral("%1 minutes").arg(m);
    const int h = m / 60;
    return QStringLiteral("%1 %2 %3 minutes")
        .arg(h)
        .arg(h == 1 ? QStringLiteral("hour") : QStringLiteral("hours"))
        .arg(m % 60);
}

} // namespace

QChartView* makeChartView(QWidget* parent, const QString& name) {
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(kChartWidth * 3 / 4, kChartHeight);
    view->setAccessibleName(name);
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

namespace {

// A value per day: a line through each run of consecutive days, a gap between runs, and
// a marker on each day that stands alone. One name in the legend per activity.
void addDays(QChart* chart, QDateTimeAxis* x, QValueAxis* y, const Drawn& drawn,
             const std::vector<progress::DayValue>& days) {
    if (days.empty()) return;
    const QPen pen(drawn.colour, 2, drawn.pen);
    bool named = false;
    const auto add = [&](QXYSeries* series) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
        if (named) {
            for (QLegendMarker* m : chart->legend()->markers(series))
                m->setVisible(false);
        } else {
            series->setName(QLatin1String(drawn.name));
            named = true;
        }
    };
    auto* alone = new QScatterSeries;
    alone->setMarkerShape(drawn.marker);
    alone->setMarkerSize(8);
    alone->setColor(drawn.colour);
    alone->setBorderColor(drawn.colour.darker(150));
    for (const auto& run : progress::consecutiveRuns(days)) {
        if (run.size() == 1) {
            alone->append(double(msOf(run.front().day)), run.front().value);
            continue;
        }
        auto* line = new QLineSeries;
        line->setPen(pen);
        for (const progress::DayValue& d : run)
            line->append(double(msOf(d.day)), d.value);
        add(line);
    }
    if (alone->count() > 0)
        add(alone);
    else
        delete alone;
}

void resetChart(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }
}

} // namespace

void fillProgressCharts(const ChartViews& views, const std::vector<progress::LineSummary>& lines,
                        const QDate& day) {
    QChartView* chtSpeed = views.speed;
    QChartView* chtAccuracy = views.accuracy;
    QChartView* chtMinutes = views.minutes;
    QLabel* lblMinutes = views.minutesLabel;
    using progress::dailyMedian;
    // Speed and accuracy over the days that have any, gaps where none.
    QDate first = day;
    double topWpm = 10;
    const auto wpm = [&](const Drawn& d) {
        auto v = dailyMedian(lines, d.activity, true);
        for (const auto& p : v) {
            first = std::min(first, p.day);
            topWpm = std::max(topWpm, p.value);
        }
        return v;
    };
    const auto accuracy = [&](const Drawn& d) {
        auto v = dailyMedian(lines, d.activity, false);
        for (const auto& p : v)
            first = std::min(first, p.day);
        return v;
    };
    const auto wordWpm = wpm(kWord);
    const auto timedWpm = wpm(kTimed);
    const auto wordAcc = accuracy(kWord);
    const auto charAcc = accuracy(kCharacter);
    const auto timedAcc = accuracy(kTimed);
    if (first.daysTo(day) < 6) first = day.addDays(-6); // at least a week across

    const auto axes = [&](QChart* chart, const QString& title, double top, const QString& unit) {
        resetChart(chart);
        chart->setTitle(title);
        auto* x = new QDateTimeAxis;
        x->setFormat(first.daysTo(day) > 120 ? QStringLiteral("MMM yyyy")
                                             : QStringLiteral("d MMM"));
        x->setTickCount(5);
        x->setRange(QDateTime::fromMSecsSinceEpoch(msOf(first.addDays(-1))),
                    QDateTime::fromMSecsSinceEpoch(msOf(day.addDays(1))));
        auto* y = new QValueAxis;
        y->setRange(0, top);
        y->applyNiceNumbers();
        y->setLabelFormat(QStringLiteral("%d"));
        if (!unit.isEmpty()) y->setTitleText(unit);
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        return std::pair{x, y};
    };

    QChart* speed = chtSpeed->chart();
    const double wpmTop = std::ceil(topWpm * 1.15 / 10) * 10;
    auto [sx, sy] = axes(speed,
                         wordWpm.empty() && timedWpm.empty()
                             ? QStringLiteral("Words per minute: no Word or Timed Drill yet")
                             : QStringLiteral("Words per minute (each day's middle line)"),
                         wpmTop, {});
    addDays(speed, sx, sy, kWord, wordWpm);
    addDays(speed, sx, sy, kTimed, timedWpm);
    speed->legend()->setVisible(!wordWpm.empty() || !timedWpm.empty());

    QChart* acc = chtAccuracy->chart();
    auto [ax, ay] = axes(acc, QStringLiteral("Accuracy (each day's middle line)"), 100,
                         QStringLiteral("% right"));
    ay->setTickCount(3); // 0, 50, 100: room for their names at any size
    addDays(acc, ax, ay, kWord, wordAcc);
    addDays(acc, ax, ay, kCharacter, charAcc);
    addDays(acc, ax, ay, kTimed, timedAcc);
    acc->legend()->setVisible(!wordAcc.empty() || !charAcc.empty() || !timedAcc.empty());

    const auto describe = [](const std::vector<progress::DayValue>& v, const char* what,
                             const char* unit) {
        if (v.empty()) return QStringLiteral("%1: none yet. ").arg(QLatin1String(what));
        return QStringLiteral("%1: %2 days, the latest %3%4. ")
            .arg(QLatin1String(what))
            .arg(v.size())
            .arg(qRound(v.back().value))
            .arg(QLatin1String(unit));
    };
    chtSpeed->setAccessibleDescription(describe(wordWpm, "Word Drill", " words per minute") +
                                       describe(timedWpm, "Timed Drill", " words per minute"));
    chtAccuracy->setAccessibleDescription(describe(wordAcc, "Word Drill", "%") +
                                          describe(charAcc, "Character Drill", "%") +
                                          describe(timedAcc, "Timed Drill", "%"));

    // Minutes on each of the last 30 days, a bar of nothing on a day without.
    const auto minutes = progress::minutesPerDay(lines, day, kMinutesDays);
    QChart* time = chtMinutes->chart();
    resetChart(time);
    time->setTitle(QStringLiteral("Minutes typed each day, the last %1 days").arg(kMinutesDays));
    auto* set = new QBarSet(QStringLiteral("Minutes"));
    set->setColor(kWord.colour);
    set->setBorderColor(kWord.colour.darker(150));
    double topMinutes = 5;
    double month = 0;
    // The bars stand at 0..29; every fifth day is named under its bar, so the names
    // never crowd.
    auto* bx = new QCategoryAxis;
    bx->setRange(-0.5, kMinutesDays - 0.5);
    bx->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    bx->setGridLineVisible(false);
    for (int i = 0; i < int(minutes.size()); ++i) {
        const progress::DayValue& d = minutes[static_cast<std::size_t>(i)];
        set->append(d.value);
        topMinutes = std::max(topMinutes, d.value);
        month += d.value;
        if (d.day.daysTo(day) % 7 == 0) bx->append(d.day.toString(QStringLiteral("d MMM")), i);
    }
    auto* bars = new QBarSeries;
    bars->append(set);
    bars->setBarWidth(0.8);
    time->addSeries(bars);
    auto* by = new QValueAxis;
    by->setRange(0, std::ceil(topMinutes * 1.15 / 5) * 5);
    by->applyNiceNumbers();
    by->setLabelFormat(QStringLiteral("%d"));
    by->setTitleText(QStringLiteral("minutes"));
    time->addAxis(bx, Qt::AlignBottom);
    time->addAxis(by, Qt::AlignLeft);
    bars->attachAxis(bx);
    bars->attachAxis(by);
    time->legend()->setVisible(false);
    lblMinutes->setText(QStringLiteral("In the last %1 days: %2. In all: %3.")
                            .arg(kMinutesDays)
                            .arg(duration(month), duration(progress::totalMinutes(lines))));
    chtMinutes->setAccessibleDescription(lblMinutes->text());
}

} // namespace tapwell
