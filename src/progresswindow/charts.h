// The charts of "My Progress": speed and accuracy day by day, and the minutes typed on
// each of the last days. They draw the statistics' numbers; they decide nothing.
#pragma once

#include "progress/stats.h"

#include <QDate>

#include <vector>

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

// Draws the lines' speed and accuracy (each day's median) up to `day`, and the minutes.
void fillProgressCharts(const ChartViews& views, const std::vector<progress::LineSummary>& lines,
                        const QDate& day);

} // namespace tapwell
