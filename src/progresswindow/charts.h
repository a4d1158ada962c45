// The charts of "My Progress": speed and accuracy, a point for each day, week or month of
// the span shown, and the minutes typed in each. They draw the statistics' numbers; they
// decide nothing but where things go on the screen: the three plots stand on one left and
// one right edge, so a day sits at the same place in all three, and no point or name is
// cut by an edge.
#pragma once

#include "progress/stats.h"
#include "progresswords.h"

#include <QDate>
#include <QObject>

#include <array>
#include <functional>
#include <vector>

class QChart;
class QChartView;
class QLabel;
class QWidget;

namespace tapwell {

inline constexpr int kChartWidth = 460;
inline constexpr int kChartHeight = 190;

// An empty chart of ours, named for a screen reader.
QChartView* makeChartView(QWidget* parent, const QString& name);

struct ChartViews {
    QChartView* speed;
    QChartView* accuracy;
    QChartView* minutes;
    QLabel* minutesLabel; // the minutes in words, under their chart
};

// A marker's reach from its point, with its border: no edge comes closer than this.
inline constexpr double kMarkerReachPx = 7;

class ProgressCharts : public QObject {
    Q_OBJECT
public:
    ProgressCharts(const ChartViews& views, QObject* parent);

    // Draws the speed and accuracy (each period's median line) and the minutes of a span.
    void fill(const progress::SpanFigures& figures, progress::Span span);
    // As fill, with the plots aligned in a turn of the event loop of their own and the
    // views not painted in between: no one turn keeps the main window from a key for
    // long. `done` runs once they are aligned; a fill in between leaves it unrun.
    void fillInSteps(const progress::SpanFigures& figures, progress::Span span,
                     std::function<void()> done);
    progress::Span span() const { return span_; }
    // What the charts say to a screen reader, whatever the span shown.
    void describe(const progress::ChartWords& words);

    // Lays the three plots out on one left and one right edge, and sets each axis's ends so
    // that no point and no name is cut. Done after each fill and each new size.
    void align();

    // How wide the plots are (or, before they are laid out, about how wide they will be).
    double plotWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ChartViews views_;
    progress::Span span_ = progress::Span::FourWeeks;
    int periods_ = 0; // along the x axes, at 0 .. periods_ - 1
    // What the value axes must hold: the fastest period, every accuracy, the most minutes.
    double topWpm_ = 0;
    std::vector<double> percents_;
    double topMinutes_ = 0;
    // The value axes' ends and steps as last set (speed, accuracy, minutes), with as many
    // names as their plots have room for.
    std::array<progress::AxisBounds, 3> bounds_;
    progress::AxisBounds boundsOf(std::size_t chart, int maxLabels) const;
    progress::ChartWords words_;
    bool alignQueued_ = false;
    int fills_ = 0; // to tell a step of an earlier fill
    void build(const progress::SpanFigures& figures, progress::Span span);
    void paintViews(bool on);
};

} // namespace tapwell
