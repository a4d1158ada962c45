// Reads a child's record for "My Progress" on a thread of its own, so the main window
// answers every key while a year of lines is read, and keeps what it read: the next
// opening reads only the lines added since.
#pragma once

#include "progress/advice.h"
#include "progress/recordcache.h"
#include "progress/stats.h"
#include "state/keytables.h"

#include <QObject>
#include <QThread>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace tapwell {

// One child's progress as the window draws it.
struct ProgressData {
    progress::Child child;
    std::vector<progress::LineSummary> lines; // oldest first
    std::vector<progress::Press> presses;     // newest first
    std::map<int, progress::KeyStats> keys;   // per on-screen key
    int linesRead = 0;                        // by this reading: all lines, or the new ones
    bool readAll = true;
    // What the sentences say, as of `day`.
    QDate day;
    std::optional<progress::FingerTrouble> weakestFinger;
    std::vector<int> betterThisWeek; // the five that got most better
    std::optional<progress::LineSummary> bestLine;
    std::map<int, QDate> lessonsFinished;
    progress::Suggestion suggestion; // what to do next
    // What the charts draw, for each span (by progress::Span).
    std::array<progress::SpanFigures, 3> charts;
};

class RecordReader : public QObject {
    Q_OBJECT
public:
    // path: the record's file, opened for reading by a connection of the reader's own;
    // keys: the key data the map's keys are counted by.
    RecordReader(const QString& path, const KeyTables* keys, QObject* parent = nullptr);
    ~RecordReader() override; // waits for a reading under way

    // Asks for the child's progress up to `day`; `read` brings it, on this object's
    // thread. A newer request makes an older one's answer go unheard.
    // The keys are counted on `layout` (the keyboard in use as the window asks; null: the
    // US keyboard).
    void request(const progress::Child& child, const QDate& day,
                 std::shared_ptr<const LayoutKeys> layout = nullptr);
    // In a classroom: each child's record is read from the school's server (their lines
    // from every computer), this computer's file only while the server cannot be reached.
    void readFromServer(const QString& conninfo);
    // Forgets what was read of children no longer there.
    void keepOnly(const QList<progress::Child>& children);

signals:
    void read(std::shared_ptr<const ProgressData> data);

private:
    class Worker;
    QThread thread_;
    Worker* worker_;
    quint64 asked_ = 0;
};

} // namespace tapwell
