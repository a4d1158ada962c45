// Keeps what the typing core reports in the progress record, for the child who is
// typing. The keys of a line wait in memory: nothing touches the file on the path of a
// keystroke. When a line, run, practice finger or lesson practice ends, it is written
// with its keys in one transaction. "ready" starts a new one: keys of a line left by
// Stop are dropped, and "started" is the moment it was ready. A lesson practice is one
// row with all its keys (its fingers are not rows of their own); a Keyboard Practice
// finger is one row with its keys. The Timed Drill box has no judged keys.
#pragma once

#include "core/events.h"
#include "progress/store.h"

#include <QDateTime>

#include <array>

#include <functional>

namespace tapwell::progress {

class Recorder final : public EventSink {
public:
    explicit Recorder(Store& store) : store_(store) {}

    void setChild(qint64 childId) { childId_ = childId; }
    // The keyboard layout lines are typed on from now on ("de"; empty: the US keyboard).
    void setKeyboard(const QString& keyboard) { keyboard_ = keyboard; }
    qint64 child() const { return childId_; }
    // The wall clock for "started"; tests set their own.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    // Called once, the first time a write fails, with the store's problem().
    std::function<void(const StoreProblem&)> onProblem;
    // Called once when a line is written again after a write failed.
    std::function<void()> onRecovered;
    // Called after each line written (the classroom's sender sends it on).
    std::function<void()> onWritten;
    // Lines written (or lost to a fault) so far.
    int written() const { return written_; }

    void ready(Activity a) override;
    void keyJudged(const KeyJudged& e) override;
    void lineFinished(const LineFinished& e) override;
    void timedRunFinished(const TimedRunFinished& e) override;
    void practiceFingerFinished(const PracticeFingerFinished& e) override;
    void lessonPracticeFinished(const LessonPracticeFinished& e) override;
    void lessonLeft(const LessonLeft& e) override;

private:
    void write(LineRecord line);

    Store& store_;
    QString keyboard_;
    qint64 childId_ = 0;
    std::vector<KeyRecord> keys_;
    QDateTime started_;
    int written_ = 0;
    bool told_ = false;
};

// "home,top" for the rows chosen, in lesson row order.
QString rowWords(const std::array<bool, 4>& rows);
// "home" for one lesson row 1..4.
QString rowWord(int row);
// The lesson row (1..5) of such a word; 0 for any other text.
int rowOfWord(const QString& word);

} // namespace tapwell::progress
