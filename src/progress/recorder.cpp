#include "recorder.h"

#include "state/keytables.h"

#include <algorithm>
#include <cmath>

namespace tapwell::progress {

namespace {

// Room for a long drill line's keys with its mistakes: the buffer grows only on the
// rare line beyond it.
constexpr std::size_t kKeysReserved = 512;

const std::array<QString, 5> kRowWords = {QStringLiteral("home"), QStringLiteral("top"),
                                          QStringLiteral("bottom"), QStringLiteral("number"),
                                          QStringLiteral("space")};

// As the results show a number: whole, halves away from zero (formatWhole).
double shown(double v) {
    return std::round(v);
}

} // namespace

QString rowWords(const std::array<bool, 4>& rows) {
    QStringList words;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i]) words << kRowWords[i];
    return words.join(QLatin1Char(','));
}

QString rowWord(int row) {
    if (row < kHomeRow || row > kSpaceRow) return {};
    return kRowWords[static_cast<std::size_t>(row - kHomeRow)];
}

int rowOfWord(const QString& word) {
    const auto found = std::find(kRowWords.begin(), kRowWords.end(), word);
    return found == kRowWords.end() ? 0 : static_cast<int>(found - kRowWords.begin()) + kHomeRow;
}

void Recorder::ready(Activity) {
    keys_.clear();
    keys_.reserve(kKeysReserved);
    started_ = now().toUTC();
}

void Recorder::keyJudged(const KeyJudged& e) {
    keys_.push_back({e.expected, e.typed, static_cast<qint64>(e.msSincePrevious)});
}

void Recorder::lineFinished(const LineFinished& e) {
    LineRecord l;
    const bool word = e.activity == Activity::Word;
    l.activity = e.activity;
    l.rows = rowWords(e.rows);
    l.shift = e.shift ? 1 : 0;
    l.chars = e.characters;
    l.right = e.right;
    l.wrong = e.wrong;
    l.ms = e.ms;
    // The Character Drill's result shows its accuracy alone.
    if (word) l.wpm = shown(e.wordsPerMinute);
    l.accuracy = shown(e.accuracy);
    l.keys = std::move(keys_);
    write(std::move(l));
}

void Recorder::timedRunFinished(const TimedRunFinished& e) {
    LineRecord l;
    l.activity = Activity::Timed;
    l.chars = e.characters;
    l.ms = e.ms;
    l.wpm = shown(e.wordsPerMinute);
    keys_.clear(); // the box judges no key
    write(std::move(l));
}

void Recorder::practiceFingerFinished(const PracticeFingerFinished& e) {
    // A lesson's fingers are kept whole in the lesson's row, keys and all.
    if (e.activity != Activity::Practice) return;
    LineRecord l;
    l.activity = Activity::Practice;
    l.rows = rowWord(e.row);
    l.shift = e.shifted ? 1 : 0;
    l.chars = e.right;
    l.right = e.right;
    l.wrong = e.wrong;
    l.ms = e.ms;
    l.keys = std::move(keys_);
    write(std::move(l));
}

void Recorder::lessonPracticeFinished(const LessonPracticeFinished& e) {
    LineRecord l;
    l.activity = Activity::Lesson;
    l.rows = rowWord(e.row);
    l.right = e.right;
    l.wrong = e.wrong;
    l.ms = e.ms;
    l.keys = std::move(keys_);
    write(std::move(l));
}

void Recorder::lessonLeft(const LessonLeft&) {
    keys_.clear();
}

void Recorder::write(LineRecord line) {
    keys_.clear(); // moved from, or the keys of a line no child typed
    if (childId_ == 0) return;
    line.started = (started_.isValid() ? started_ : now().toUTC()).toString(Qt::ISODateWithMs);
    line.keyboard = keyboard_;
    started_ = QDateTime();
    ++written_;
    if (store_.writeLine(childId_, line)) {
        if (onWritten) onWritten();
        // Room again (a disk freed, another program done with the file): said once too.
        if (told_ && onRecovered) onRecovered();
        told_ = false;
        return;
    }
    if (told_) return;
    told_ = true;
    if (onProblem) onProblem(store_.problem());
}

} // namespace tapwell::progress
