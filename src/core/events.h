// What happened while a child typed, as plain data: every judged key and every result.
// The typing core reports these to a sink passed in like the clock and the sound; the
// progress record keeps them, tests record them.
#pragma once

#include <array>
#include <cstdint>

namespace tapwell {

// Tricky is a Character Drill whose lines the child's record draws.
enum class Activity { Character, Word, Timed, Practice, Lesson, Tricky };

struct KeyJudged {
    Activity activity;
    int expected; // the character code asked for (13 Enter, 32 space)
    int typed;    // the character code typed
    bool right;
    std::int64_t msSincePrevious; // since the activity's previous key, or since it was ready
    int row; // lesson row of the key asked for: 1 home .. 4 number, 5 space bar
};

struct LineFinished {
    Activity activity;        // Character or Word
    std::array<bool, 4> rows; // the rows chosen, in lesson row order
    bool shift;
    int characters; // typed, without the final Enter
    std::int32_t right;
    std::int32_t wrong;
    std::int64_t ms; // after the allowance
    double wordsPerMinute;
    double accuracy; // 0..100
};

struct TimedRunFinished {
    int characters;
    std::int64_t ms; // after the allowance
    double wordsPerMinute;
};

// One finger's keys, each pressed three times, in Keyboard Practice or a lesson.
struct PracticeFingerFinished {
    Activity activity; // Practice or Lesson
    int row;
    int hand;
    int finger;
    bool shifted;
    std::int32_t right;
    std::int32_t wrong;
    std::int64_t ms; // from the finger's first prompt to its last key
};

struct LessonPracticeFinished {
    int row;
    std::int32_t right;
    std::int32_t wrong;
    std::int64_t ms; // from the practice's start to its last key
};

struct LessonLeft {
    int row;  // 0 the Keyboard Layout lesson, 1..4 a row lesson
    int page; // the page the child left on
};

class EventSink {
public:
    virtual ~EventSink() = default;
    // A drill line, a Timed Drill run, a Keyboard Practice finger or a lesson practice is
    // ready for its first key: keys judged before it (of one left by Stop) are not its.
    virtual void ready(Activity) {}
    virtual void keyJudged(const KeyJudged&) {}
    virtual void lineFinished(const LineFinished&) {}
    virtual void timedRunFinished(const TimedRunFinished&) {}
    virtual void practiceFingerFinished(const PracticeFingerFinished&) {}
    virtual void lessonPracticeFinished(const LessonPracticeFinished&) {}
    virtual void lessonLeft(const LessonLeft&) {}
};

// Hears everything and keeps nothing.
class NoEvents final : public EventSink {};

} // namespace tapwell
