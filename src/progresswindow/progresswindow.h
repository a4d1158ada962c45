// "My Progress": where a child sees how far they have come and a parent sees where help
// is needed. The child's name and picture; speed and accuracy day by day, minutes typed
// each day, the trouble map (the on-screen keyboard itself, each key coloured by how
// often it is missed), a few sentences a child understands, the lessons finished; and a
// parent's tools: another child, add, rename, remove, "Save as CSV…".
//
// Every number comes from progress/stats: the window only draws them. It never blocks
// the main window: it is a window of its own, and its questions are modal to it alone.
#pragma once

#include "progress/stats.h"
#include "progresswindow/progressplugin.h"
#include "reader.h"
#include "troublemap.h"

#include <QColor>
#include <QDate>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;

namespace tapwell {

class ImageBox;
class ProgressCharts;
class OnScreenKeyboard;
class Picture;

class ProgressWindow : public QWidget, public ProgressView {
    Q_OBJECT
public:
    explicit ProgressWindow(const ProgressHost& host);

    QWidget* widget() override { return this; }
    void showChild(const progress::Child& child) override;
    void childrenChanged() override;

    // Shows the child at once, with what was read of their record before, and asks for
    // the record: every part is filled when it comes (`filled`). showChild does this and
    // shows the window.
    void fill(progress::Child child); // a copy: the list it may come from is made anew
    const progress::Child& child() const { return child_; }
    // The day the charts end on; today, in the computer's time zone, unless set.
    QDate today;

    // A parent's tools, as the buttons run them. Each question is modal to this window.
    void addClicked();
    void renameClicked();
    void removeClicked();
    void saveClicked();
    void suggestionClicked();
    // Writes the export; false with the reason shown to the parent.
    bool saveTo(const QString& file);
    // What "Remove…" asks first: who and what will be deleted.
    QString removeQuestion() const;

    ImageBox* imgChild;
    QLabel* lblName;
    QComboBox* cboChild;
    QPushButton* cmdAdd;
    QPushButton* cmdRename;
    QPushButton* cmdRemove;
    QComboBox* cboSpan; // how much of the record the charts show
    QChartView* chtSpeed;
    QChartView* chtAccuracy;
    QChartView* chtMinutes;
    QLabel* lblMinutes;
    OnScreenKeyboard* keyboard;
    TroubleLegend* legend;
    QLabel* lblSentences;
    QLabel* lblSuggestion; // what to do next, and its button
    QPushButton* cmdSuggestion;
    QLabel* lblLessons;
    QLabel* lblSaved;
    QPushButton* cmdSave;
    QPushButton* cmdClose;

    // What the map shows, per on-screen key (kSpaceBarKey for the space bar).
    const std::map<int, progress::KeyStats>& keyStats() const;
    // What is drawn now; none before the child's record was first read.
    const ProgressData* shown() const { return shown_.get(); }

signals:
    // The child's record was read and every part drawn from it.
    void filled();

protected:
    void changeEvent(QEvent* e) override;

private:
    // Draws what was read; with `done`, the charts in steps (done runs after them).
    void draw(std::shared_ptr<const ProgressData> data, std::function<void()> done = {});
    void fillCharts(const ProgressData& data, std::function<void()> done);
    progress::SpanFigures figuresOf(progress::Span span) const;
    void drawSpan(progress::Span span);
    void spanChosen(int index);
    void fillMap();
    void fillWords(const ProgressData& data);
    void listChildren();
    // The children "Progress of" lists: a teacher's class, else this computer's.
    QList<progress::Child> listed() const;
    bool teaching() const;
    void childChosen(int index);

    ProgressHost host_;
    progress::Child child_;
    QList<progress::Child> children_;
    std::unique_ptr<RecordReader> reader_;
    std::shared_ptr<const ProgressData> shown_;
    bool listing_ = false;
    QString opening_; // whose progress, to be said when the window is active
    // The charts; another span draws them again from what is shown, without reading.
    ProgressCharts* charts_;
    std::optional<qint64> spanChosenFor_; // the child whose span was chosen by hand
};

} // namespace tapwell
