// Stand-ins for the world, once for every test and the benchmark: a clock, sound and a
// pause that the test controls; and for the typing core without a window, a display
// that keeps its lines as text with the fixed-pitch measures of the real one, a view
// that remembers what it was told to show, and a sink that records every event.
#pragma once

#include "core/events.h"
#include "core/typingview.h"
#include "services/services.h"

#include <QFileInfo>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

namespace tapwell::test {

struct FakeClock : Clock {
    std::int64_t now = 5'000'000;
    std::int64_t ms() override { return now; }
};

struct FakeSound : Sound {
    struct Call {
        std::string file;
        WaveFlags flags;
    };
    std::vector<Call> played;
    int stops = 0;
    int plays = 0;
    bool record = true; // a long run only counts, so the record does not grow
    void stop() override { ++stops; }
    void play(const std::string& file, WaveFlags flags) override {
        ++plays;
        if (record) played.push_back({file, flags});
    }
    // The base name of the files played, in order: "ding.wav", "uhoh.wav"...
    QStringList names() const {
        QStringList out;
        for (const Call& c : played)
            out << QFileInfo(QString::fromStdString(c.file)).fileName();
        return out;
    }
    void clear() {
        played.clear();
        stops = 0;
    }
};

// The half-second pause, made instant: it moves the fake clock on instead.
struct InstantPause : Pause {
    explicit InstantPause(FakeClock& c) : clock(c) {}
    FakeClock& clock;
    int calls = 0;
    void Delay(float seconds) override {
        ++calls;
        clock.now += static_cast<std::int64_t>(seconds * 1000);
    }
};

// Liberation Mono at the display's size: a character 195 twips wide, a line 345 high.
struct FakeDisplay : TextDisplay {
    static constexpr int kCharTw = 195;
    static constexpr int kLineTw = 345;
    std::vector<std::string> lines;
    double x = 0, y = 0;
    bool shown = true;
    bool lineOpen = false;

    void Cls() override {
        lines.clear();
        x = y = 0;
        lineOpen = false;
    }
    void Print(const std::string& text, bool endLine) override {
        if (!lineOpen) lines.emplace_back();
        lines.back() += text;
        x += TextWidth(text);
        lineOpen = !endLine;
        if (endLine) {
            x = 0;
            y += kLineTw;
        }
    }
    void Refresh() override {}
    double currentX() const override { return x; }
    void setCurrentX(double v) override { x = v; }
    double currentY() const override { return y; }
    void setCurrentY(double v) override { y = v; }
    int TextWidth(const std::string& text) const override {
        return kCharTw * static_cast<int>(text.size());
    }
    int TextHeight(const std::string&) const override { return kLineTw; }
    int WidthTw() const override { return 6135; }
    bool isShown() const override { return shown; }
};

struct FakeView : TypingView {
    int arrowRow = 0;
    bool arrow = false;
    bool cursor = false;
    int cursorX = 0;
    std::string result; // empty while hidden
    int resultTop = 0;
    bool ok = false, okPractice = false, hands = false, lessonButtons = false;
    bool lessonChoices = true;
    std::string timedText;
    std::string screen = "menu"; // "activity", "lesson choices", "menu"

    void placeArrow(int row) override { arrowRow = row; }
    void showArrow(bool shown) override { arrow = shown; }
    void showCursor(int x, int, int, int) override {
        cursor = true;
        cursorX = x;
    }
    void moveCursor(int x) override { cursorX = x; }
    void hideCursor() override { cursor = false; }
    void showResult(const std::string& caption, int top) override {
        result = caption;
        resultTop = top;
    }
    void hideResult() override { result.clear(); }
    void showOk() override { ok = true; }
    void hideOk() override { ok = false; }
    void showOkPractice() override { okPractice = true; }
    void hideOkPractice() override { okPractice = false; }
    void showDisplay() override { screen = "activity"; }
    void focusDisplay() override {}
    void showHands(bool shown) override { hands = shown; }
    void showLessonButtons() override { lessonButtons = true; }
    void hideLessonButtons() override { lessonButtons = false; }
    void enableLessonChoices(bool enabled) override { lessonChoices = enabled; }
    void startTimedBox() override { timedText.clear(); }
    int timedTextLength() const override { return static_cast<int>(timedText.size()); }
    void hideActivity() override {
        ok = okPractice = arrow = hands = lessonButtons = false;
        result.clear();
    }
    void backToLessonChoices() override { screen = "lesson choices"; }
    void backToMenu(int) override { screen = "menu"; }
};

struct RecordingEvents : EventSink {
    std::vector<KeyJudged> keys;
    std::vector<LineFinished> lines;
    std::vector<TimedRunFinished> runs;
    std::vector<PracticeFingerFinished> fingers;
    std::vector<LessonPracticeFinished> lessons;
    std::vector<LessonLeft> left;
    std::vector<Activity> readies;
    void ready(Activity a) override { readies.push_back(a); }
    void keyJudged(const KeyJudged& e) override { keys.push_back(e); }
    void lineFinished(const LineFinished& e) override { lines.push_back(e); }
    void timedRunFinished(const TimedRunFinished& e) override { runs.push_back(e); }
    void practiceFingerFinished(const PracticeFingerFinished& e) override { fingers.push_back(e); }
    void lessonPracticeFinished(const LessonPracticeFinished& e) override { lessons.push_back(e); }
    void lessonLeft(const LessonLeft& e) override { left.push_back(e); }
};

} // namespace tapwell::test
