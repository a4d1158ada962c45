#include "progresswindow.h"
#include "logging.h"

#include "progress/children.h"
#include "ui/controls.h"
#include "ui/keyboardwidget.h"
#include "ui/palette.h"
#include "ui/recordwords.h"
#include "ui/twips.h"
#include "ui/whoistyping.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tapwell {

namespace {

// One hue from cream to dark red, evenly darker at each step.
const QColor kScale[] = {{255, 247, 236}, {254, 232, 200}, {253, 212, 158},
                         {253, 187, 132}, {252, 141, 89},  {239, 101, 72},
                         {215, 48, 31},   {179, 0, 0},     {127, 0, 0}};
constexpr int kScaleSteps = int(std::size(kScale));
// A face larger than any key, as the key marker is: it covers the whole face.
constexpr QSizeF kFacePx(92, 41);

constexpr int kChartWidth = 460;
constexpr int kChartHeight = 190;
constexpr int kMinutesDays = 30;

struct Drawn {
    const char* activity;
    const char* name;
    QColor colour;
    Qt::PenStyle pen;
    QScatterSeries::MarkerShape marker;
};
// Told apart by line and marker shape as well as colour (Okabe and Ito's blue, orange
// and green, which colour-blind eyes tell apart).
const Drawn kWord{
    "word", "Word Drill", {0, 114, 178}, Qt::SolidLine, QScatterSeries::MarkerShapeCircle};
const Drawn kCharacter{"character",
                       "Character Drill",
                       {213, 94, 0},
                       Qt::DashLine,
                       QScatterSeries::MarkerShapeRectangle};
const Drawn kTimed{
    "timed", "Timed Drill", {0, 158, 115}, Qt::DotLine, QScatterSeries::MarkerShapeTriangle};

qint64 msOf(const QDate& day) {
    return QDateTime(day, QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();
}

QString literal(QString name) {
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
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

QString rowTitle(int row) {
    static const char* const titles[] = {"Home Row", "Top Row", "Bottom Row", "Number Row"};
    return QLatin1String(titles[row - 1]);
}

} // namespace

// ------------------------------------------------------------------ colours

QColor troubleColour(double errorRate) {
    const double t = std::clamp(errorRate / kWorstRate, 0.0, 1.0) * (kScaleSteps - 1);
    const int i = std::min(static_cast<int>(t), kScaleSteps - 2);
    const double f = t - i;
    const QColor& a = kScale[i];
    const QColor& b = kScale[i + 1];
    const auto mix = [f](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * f)); };
    return {mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue())};
}

QColor captionColourOn(const QColor& face) {
    // Relative lightness as the eye weighs red, green and blue.
    const double light = 0.299 * face.redF() + 0.587 * face.greenF() + 0.114 * face.blueF();
    return light > 0.55 ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

const Picture& neverAskedFace() {
    static const Picture face = Picture::fromResource(QStringLiteral(":/progress/never_asked.svg"),
                                                      QStringLiteral("never asked"), kFacePx);
    return face;
}

// ------------------------------------------------------------------ legend

TroubleLegend::TroubleLegend(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Colours of the trouble map"));
    setAccessibleDescription(QStringLiteral(
        "Light keys are seldom missed, dark red keys often; grey striped keys were never "
        "asked for."));
    setToolTip(accessibleDescription());
}

QSize TroubleLegend::sizeHint() const {
    const QFontMetrics fm(font());
    return {px(9495), fm.height() * 2 + 12};
}

void TroubleLegend::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int box = fm.height() + 4;
    const int steps = 5; // 0%, 10% .. 40% or more
    int x = 0;
    p.setPen(palette().color(QPalette::WindowText));
    const QString missed = QStringLiteral("Missed:");
    p.drawText(QRect(x, 0, fm.horizontalAdvance(missed) + 8, box), Qt::AlignVCenter, missed);
    x += fm.horizontalAdvance(missed) + 8;
    for (int i = 0; i < steps; ++i) {
        const double rate = kWorstRate * i / (steps - 1);
        const QColor face = troubleColour(rate);
        const QRect r(x, 0, box * 2, box);
        p.fillRect(r, face);
        p.setPen(QColor(0, 0, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QString label = i == steps - 1 ? QStringLiteral("%1%+").arg(qRound(rate * 100))
                                             : QStringLiteral("%1%").arg(qRound(rate * 100));
        p.setPen(captionColourOn(face));
        p.drawText(r, Qt::AlignCenter, label);
        x += r.width();
    }
    x += box;
    const QRect never(x, 0, box * 2, box);
    neverAskedFace().paint(p, never);
    p.setPen(QColor(0, 0, 0));
    p.drawRect(never.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(never.right() + 6, 0, width() - never.right() - 6, box), Qt::AlignVCenter,
               QStringLiteral("never asked for"));
    p.drawText(QRect(0, box + 2, width(), fm.height() + 4), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Of each key's last %1 presses. Point at a key to see more.")
                   .arg(progress::kRecentPresses));
}

// ------------------------------------------------------------------ window

ProgressWindow::ProgressWindow(const ProgressHost& host) : QWidget(nullptr), host_(host) {
    setWindowTitle(QStringLiteral("My Progress"));
    setAccessibleName(QStringLiteral("My Progress"));
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kLightOrange);
    pal.setColor(QPalette::WindowText, kMaroon);
    setPalette(pal);
    setAutoFillBackground(true);

    // Everything but the last row scrolls where the screen is too small for it (a small
    // screen at twice the size); Save and Close stay in sight.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget(scroll);
    page->setAutoFillBackground(true);
    page->setPalette(pal);
    scroll->setWidget(page);
    outer->addWidget(scroll);
    auto* layout = new QVBoxLayout(page);

    // Who: picture, name, and a parent's tools.
    auto* head = new QHBoxLayout;
    imgChild = new ImageBox(page, true);
    imgChild->setFixedSize(64, 64);
    head->addWidget(imgChild);
    lblName = new QLabel(page);
    lblName->setFont(layoutFont(QStringLiteral("Comic Sans MS"), 18, true));
    lblName->setTextFormat(Qt::PlainText);
    lblName->setAccessibleName(QStringLiteral("Whose progress"));
    head->addWidget(lblName, 1);
    auto* ofLabel = new QLabel(QStringLiteral("Progress &of:"), page);
    cboChild = new QComboBox(page);
    cboChild->setAccessibleName(QStringLiteral("Progress of"));
    cboChild->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ofLabel->setBuddy(cboChild);
    head->addWidget(ofLabel);
    head->addWidget(cboChild);
    cmdAdd = new QPushButton(QStringLiteral("&Add a child…"), page);
    cmdRename = new QPushButton(QStringLiteral("&Rename…"), page);
    cmdRemove = new QPushButton(QStringLiteral("Re&move…"), page);
    cmdAdd->setAccessibleName(QStringLiteral("Add a child"));
    cmdRename->setAccessibleName(QStringLiteral("Rename this child"));
    cmdRemove->setAccessibleName(QStringLiteral("Remove this child"));
    for (QPushButton* b : {cmdAdd, cmdRename, cmdRemove}) {
        b->setAutoDefault(false);
        head->addWidget(b);
    }
    layout->addLayout(head);

    auto* body = new QHBoxLayout;
    // Left: the trouble map and what it says in words.
    auto* left = new QVBoxLayout;
    auto* mapTitle = new QLabel(QStringLiteral("Keys I miss"), page);
    mapTitle->setFont(layoutFont(QStringLiteral("Arial"), 12, true));
    left->addWidget(mapTitle);
    keyboard = new OnScreenKeyboard(page);
    keyboard->setFixedSize(px(9495), px(3495));
    keyboard->setAccessibleName(QStringLiteral("Trouble map"));
    keyboard->setAccessibleDescription(
        QStringLiteral("The keyboard, each key coloured by how often it is missed"));
    for (ImageBox* hand : keyboard->imgHand)
        hand->show();
    if (host_.keys) keyboard->setShiftCaptions(*host_.keys);
    left->addWidget(keyboard);
    legend = new TroubleLegend(page);
    left->addWidget(legend);
    lblSentences = new QLabel(page);
    lblSentences->setFont(layoutFont(QStringLiteral("Arial"), 12, true));
    lblSentences->setWordWrap(true);
    lblSentences->setTextFormat(Qt::PlainText);
    lblSentences->setAccessibleName(QStringLiteral("In words"));
    lblSentences->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    left->addWidget(lblSentences);
    lblLessons = new QLabel(page);
    lblLessons->setWordWrap(true);
    lblLessons->setTextFormat(Qt::PlainText);
    lblLessons->setAccessibleName(QStringLiteral("Lessons finished"));
    left->addWidget(lblLessons);
    left->addStretch();
    body->addLayout(left);

    // Right: the charts.
    auto* right = new QVBoxLayout;
    chtSpeed = makeChartView(page, QStringLiteral("Words per minute each day"));
    chtAccuracy = makeChartView(page, QStringLiteral("Accuracy each day"));
    chtMinutes = makeChartView(page, QStringLiteral("Minutes typed each day"));
    for (QChartView* v : {chtSpeed, chtAccuracy, chtMinutes})
        right->addWidget(v, 1);
    lblMinutes = new QLabel(page);
    lblMinutes->setTextFormat(Qt::PlainText);
    lblMinutes->setAccessibleName(QStringLiteral("Time typed"));
    right->addWidget(lblMinutes);
    body->addLayout(right, 1);
    layout->addLayout(body, 1);

    auto* foot = new QHBoxLayout;
    foot->setContentsMargins(9, 6, 9, 9);
    lblSaved = new QLabel(this);
    lblSaved->setTextFormat(Qt::PlainText);
    lblSaved->setAccessibleName(QStringLiteral("Saved"));
    foot->addWidget(lblSaved, 1);
    cmdSave = new QPushButton(QStringLiteral("&Save as CSV…"), this);
    cmdSave->setAccessibleName(QStringLiteral("Save as CSV"));
    cmdSave->setToolTip(QStringLiteral("Every child's lines, for a spreadsheet"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setAccessibleName(QStringLiteral("Close"));
    cmdSave->setAutoDefault(false);
    cmdClose->setAutoDefault(false);
    foot->addWidget(cmdSave);
    foot->addWidget(cmdClose);
    outer->addLayout(foot);

    setTabOrder(cboChild, cmdAdd);
    setTabOrder(cmdAdd, cmdRename);
    setTabOrder(cmdRename, cmdRemove);
    setTabOrder(cmdRemove, lblSentences);
    setTabOrder(lblSentences, cmdSave);
    setTabOrder(cmdSave, cmdClose);

    connect(cboChild, &QComboBox::currentIndexChanged, this, [this](int i) { childChosen(i); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { addClicked(); });
    connect(cmdRename, &QPushButton::clicked, this, [this] { renameClicked(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { removeClicked(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { saveClicked(); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // As large as it wants to be, within the screen.
    resize(1180, 760);
}

void ProgressWindow::showChild(const progress::Child& child) {
    fill(child);
    if (!isVisible()) {
        if (const QScreen* s = screen()) resize(size().boundedTo(s->availableSize()));
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
    cboChild->setFocus();
}

void ProgressWindow::childrenChanged() {
    const QList<progress::Child> now =
        host_.children ? host_.children->children() : QList<progress::Child>{};
    for (const progress::Child& c : now)
        if (c.id == child_.id) {
            if (isVisible())
                fill(c); // a new name or picture
            else
                child_ = c;
            return;
        }
    // Shown no more: the first child's instead.
    if (!now.isEmpty() && isVisible()) fill(now.front());
}

void ProgressWindow::listChildren() {
    listing_ = true;
    children_ = host_.children ? host_.children->children() : QList<progress::Child>{child_};
    cboChild->clear();
    int current = 0;
    for (int i = 0; i < children_.size(); ++i) {
        cboChild->addItem(children_[i].name);
        if (children_[i].id == child_.id) current = i;
    }
    cboChild->setCurrentIndex(current);
    listing_ = false;
    const bool kept = host_.store && host_.store->usable();
    cmdAdd->setEnabled(kept && host_.children);
    cmdRename->setEnabled(kept && host_.children && child_.id != 0);
    cmdRemove->setEnabled(kept && host_.children && children_.size() > 1);
    cmdSave->setEnabled(kept && host_.saveCsv);
}

void ProgressWindow::childChosen(int index) {
    if (listing_ || index < 0 || index >= children_.size()) return;
    if (children_[index].id != child_.id) fill(children_[index]);
}

void ProgressWindow::fill(progress::Child child) {
    child_ = child;
    imgChild->setPicture(childPicture(child.picture));
    imgChild->setAccessibleName(QStringLiteral("%1's picture").arg(child.name));
    lblName->setText(child.name);
    listChildren();
    lblSaved->clear();

    const QDate day = today.isValid() ? today : QDateTime::currentDateTimeUtc().date();
    QElapsedTimer timer;
    timer.start();
    std::vector<progress::LineSummary> lines;
    std::vector<progress::Press> presses;
    if (host_.store && host_.store->usable() && child.id != 0) {
        lines = progress::summariesOf(host_.store->lines(child.id));
        presses = progress::pressesOf(host_.store->recentKeys(child.id));
    }
    keys_ =
        host_.keys ? progress::keyStats(*host_.keys, presses) : std::map<int, progress::KeyStats>{};
    const qint64 read = timer.restart();
    fillCharts(lines, day);
    fillMap();
    fillWords(lines, presses, day);
    qCDebug(lcWindow) << "read" << lines.size() << "lines and" << presses.size() << "keys in"
                      << read << "ms, filled the window in" << timer.elapsed() << "ms";
}

void ProgressWindow::fillCharts(const std::vector<progress::LineSummary>& lines, const QDate& day) {
    using progress::dailyMedian;
    // Speed and accuracy over the days that have any, gaps where none.
    QDate first = day;
    double topWpm = 10;
    const auto wpm = [&](const Drawn& d) {
        auto v = dailyMedian(lines, QLatin1String(d.activity), true);
        for (const auto& p : v) {
            first = std::min(first, p.day);
            topWpm = std::max(topWpm, p.value);
        }
        return v;
    };
    const auto accuracy = [&](const Drawn& d) {
        auto v = dailyMedian(lines, QLatin1String(d.activity), false);
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
        x->setRange(QDateTime::fromMSecsSinceEpoch(msOf(first.addDays(-1)), Qt::UTC),
                    QDateTime::fromMSecsSinceEpoch(msOf(day.addDays(1)), Qt::UTC));
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

void ProgressWindow::fillMap() {
    const auto paint = [&](SSCommand* key, int index) {
        const auto it = keys_.find(index);
        const progress::KeyStats* stats = it == keys_.end() ? nullptr : &it->second;
        QPalette pal = key->palette();
        if (stats && stats->presses > 0) {
            const QColor face = troubleColour(stats->errorRate());
            key->setPicture(Picture::solid(face, kFacePx, face.name()));
            pal.setColor(QPalette::ButtonText, captionColourOn(face));
        } else {
            key->setPicture(neverAskedFace());
            pal.setColor(QPalette::ButtonText, QColor(0, 0, 0));
        }
        key->setPalette(pal);
        const QString tip = host_.keys ? progress::keyTooltip(*host_.keys, stats)
                                       : QStringLiteral("Never asked for yet");
        key->setToolTip(tip);
        key->setAccessibleDescription(tip);
    };
    for (int k = kFirstKey; k <= kLastKey; ++k)
        if (k != kLeftShiftKey && k != kRightShiftKey) paint(keyboard->cmdKey(k), k);
    for (int k : {kLeftShiftKey, kRightShiftKey}) {
        // A Shift key is never asked for by itself: its misses are its characters'.
        keyboard->cmdKey(k)->setPicture(neverAskedFace());
        keyboard->cmdKey(k)->setToolTip(
            QStringLiteral("Shift is counted with the key it is held for"));
    }
    const auto space = keys_.find(progress::kSpaceBarKey);
    const bool spaceAsked = space != keys_.end() && space->second.presses > 0;
    keyboard->pnlSpace->setBackColor(spaceAsked ? troubleColour(space->second.errorRate())
                                                : QColor(192, 192, 192));
    const QString spaceTip =
        host_.keys ? progress::keyTooltip(*host_.keys, spaceAsked ? &space->second : nullptr)
                   : QString();
    keyboard->pnlSpace->setToolTip(QStringLiteral("Space bar: ") + spaceTip);
    keyboard->pnlSpace->setAccessibleName(QStringLiteral("Space bar"));
    keyboard->pnlSpace->setAccessibleDescription(spaceTip);
}

void ProgressWindow::fillWords(const std::vector<progress::LineSummary>& lines,
                               const std::vector<progress::Press>& presses, const QDate& day) {
    QStringList words;
    if (host_.keys) {
        const auto finger = progress::weakestFinger(*host_.keys, keys_);
        words << (finger ? progress::fingerSentence(*host_.keys, *finger)
                         : QStringLiteral("Type a few more lines, and Tapwell can tell you "
                                          "which finger misses most."));
        // The five that got most better: a long list says less to a child.
        std::vector<int> better = progress::keysBetterThisWeek(*host_.keys, presses, day);
        better.resize(std::min<std::size_t>(better.size(), 5));
        if (!better.empty()) words << progress::betterSentence(*host_.keys, better);
    }
    if (const auto best = progress::bestLine(lines)) words << progress::bestLineSentence(*best);
    lblSentences->setText(words.join(QLatin1Char('\n')));

    const auto finished = progress::lessonsFinished(lines);
    QStringList lessons{QStringLiteral("Lessons practised to the end:")};
    for (int row = kHomeRow; row <= kNumberRow; ++row) {
        const auto it = finished.find(row);
        lessons << (it == finished.end()
                        ? QStringLiteral("%1: not yet").arg(rowTitle(row))
                        : QStringLiteral("%1: yes, last on %2")
                              .arg(rowTitle(row),
                                   it->second.toString(QStringLiteral("d MMMM yyyy"))));
    }
    lblLessons->setText(lessons.join(QLatin1Char('\n')));
}

// ------------------------------------------------------------------ a parent's tools

void ProgressWindow::addClicked() {
    if (!host_.children) return;
    ChildEditor editor(this, QStringLiteral("Add a child"), QString(),
                       progress::freePicture(children_));
    editor.setWindowModality(Qt::WindowModal);
    while (editor.exec() == QDialog::Accepted) {
        progress::ChildError error;
        if (const auto id = host_.children->add(editor.name(), editor.picture(), error)) {
            for (const progress::Child& c : host_.children->children())
                if (c.id == *id) return fill(c);
            return listChildren();
        }
        editor.showError(childErrorText(error));
    }
}

void ProgressWindow::renameClicked() {
    if (!host_.children || child_.id == 0) return;
    const progress::Child c = child_;
    ChildEditor editor(this, QStringLiteral("Rename %1").arg(c.name), c.name, c.picture);
    editor.setWindowModality(Qt::WindowModal);
    while (editor.exec() == QDialog::Accepted) {
        progress::ChildError error;
        if (host_.children->change(c.id, editor.name(), editor.picture(), error)) {
            for (const progress::Child& now : host_.children->children())
                if (now.id == c.id) return fill(now);
            return;
        }
        editor.showError(childErrorText(error));
    }
}

QString ProgressWindow::removeQuestion() const {
    const progress::Summary s =
        host_.store ? progress::summarize(host_.store->lines(child_.id)) : progress::Summary{};
    const QString kept =
        s.lines == 0 ? QStringLiteral("Nothing has been typed as %1 yet.").arg(child_.name)
                     : QStringLiteral("That is %1 %2 typed on %3 %4.")
                           .arg(s.lines)
                           .arg(s.lines == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                           .arg(s.days)
                           .arg(s.days == 1 ? QStringLiteral("day") : QStringLiteral("days"));
    return QStringLiteral("Remove %1 from Tapwell?\n\nThis deletes %1's name and picture and "
                          "everything Tapwell has kept of %1's typing: every line, every key, "
                          "the charts and the trouble map. %2")
        .arg(child_.name, kept);
}

void ProgressWindow::removeClicked() {
    if (!host_.children || children_.size() < 2) return;
    const progress::Child c = child_;
    const QString title = QStringLiteral("Remove %1").arg(c.name);
    QMessageBox first(QMessageBox::Warning, title, removeQuestion(),
                      QMessageBox::Yes | QMessageBox::No, this);
    first.setDefaultButton(QMessageBox::No);
    first.setWindowModality(Qt::WindowModal);
    if (first.exec() != QMessageBox::Yes) return;
    QMessageBox second(
        QMessageBox::Warning, title,
        QStringLiteral("Are you sure? %1's progress cannot be brought back.").arg(c.name),
        QMessageBox::NoButton, this);
    QPushButton* remove =
        second.addButton(QStringLiteral("Remove %1").arg(literal(c.name)), QMessageBox::AcceptRole);
    QPushButton* keep =
        second.addButton(QStringLiteral("&Keep %1").arg(literal(c.name)), QMessageBox::RejectRole);
    second.setDefaultButton(keep);
    second.setEscapeButton(keep);
    second.setWindowModality(Qt::WindowModal);
    second.exec();
    if (second.clickedButton() != remove) return;
    progress::ChildError error;
    if (!host_.children->remove(c.id, error)) {
        QMessageBox warning(QMessageBox::Warning, title, childErrorText(error), QMessageBox::Ok,
                            this);
        warning.setWindowModality(Qt::WindowModal);
        warning.exec();
        return;
    }
    const QList<progress::Child> now =
        host_.children ? host_.children->children() : QList<progress::Child>{};
    if (!now.isEmpty()) fill(now.front());
}

void ProgressWindow::saveClicked() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto* dialog = new QFileDialog(this, QStringLiteral("Save progress as CSV"),
                                   QDir(folder).filePath(QStringLiteral("Tapwell progress.csv")),
                                   QStringLiteral("CSV files (*.csv)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& file) { saveTo(file); });
    dialog->open();
}

bool ProgressWindow::saveTo(const QString& file) {
    QString error;
    if (!host_.saveCsv || !host_.saveCsv(file, error)) {
        lblSaved->setText(QStringLiteral("Not saved: %1").arg(error));
        return false;
    }
    lblSaved->setText(QStringLiteral("Saved as %1").arg(QDir::toNativeSeparators(file)));
    return true;
}

} // namespace tapwell
