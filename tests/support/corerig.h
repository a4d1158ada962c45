// The typing core on the shipped key data with every service faked, for tests without a
// window: a test chooses the options, drives it key by key, and reads what it showed
// (the fake display and view, the guide) and what it reported (the recorded events, and
// any other sink passed in, which hears every event too).
#pragma once

#include "core/typingcore.h"
#include "shipped.h"
#include "support/fakes.h"

#include <memory>
#include <string>

namespace tapwell::test {

// Hands every event to two sinks.
struct Tee : EventSink {
    EventSink& a;
    EventSink& b;
    Tee(EventSink& x, EventSink& y) : a(x), b(y) {}
    void ready(Activity e) override { a.ready(e), b.ready(e); }
    void keyJudged(const KeyJudged& e) override { a.keyJudged(e), b.keyJudged(e); }
    void lineFinished(const LineFinished& e) override { a.lineFinished(e), b.lineFinished(e); }
    void timedRunFinished(const TimedRunFinished& e) override {
        a.timedRunFinished(e), b.timedRunFinished(e);
    }
    void practiceFingerFinished(const PracticeFingerFinished& e) override {
        a.practiceFingerFinished(e), b.practiceFingerFinished(e);
    }
    void lessonPracticeFinished(const LessonPracticeFinished& e) override {
        a.lessonPracticeFinished(e), b.lessonPracticeFinished(e);
    }
    void lessonLeft(const LessonLeft& e) override { a.lessonLeft(e), b.lessonLeft(e); }
};

struct CoreRig {
    // rows: the settings line's first four values ("1,1,0,0"); also: a sink that hears
    // every event besides `events`.
    explicit CoreRig(const std::string& rows = "1,0,0,0", bool shift = false,
                     std::uint32_t seed = 3, EventSink* also = nullptr)
        : random(seed) {
        for (int i = 0; i < 4; ++i)
            g.RowSetting(i) = rows[static_cast<std::size_t>(2 * i)] == '1' ? 1 : 0;
        g.UseShift = shift ? 1 : 0;
        g.KeySound = 1;
        if (also) tee = std::make_unique<Tee>(*also, events);
        core = std::make_unique<TypingCore>(
            g, display, view,
            CoreServices{clock, random, sound, pause,
                         tee ? static_cast<EventSink&>(*tee) : static_cast<EventSink&>(events)});
        KeyDataError error;
        if (!core->loadKeyData(shippedKeyData().toStdString(), error))
            qFatal("key.dat: %s", error.message().c_str());
        core->rowsChanged();
        core->setPlaces(360, {100, 200, 300, 400, 500});
        core->setSounds("ding.wav", "uhoh.wav", "tada.wav");
        guide = &core->guide();
    }
    const TypeState& s() const { return core->state(); }

    // Types what is asked for, a wrong key first every fifth key; msApart (plus i modulo
    // jitter) between keys.
    void typeAsked(int keys, int msApart = 200, int jitter = 1) {
        for (int i = 0; i < keys && s().Typing == 1; ++i) {
            clock.now += msApart + i % jitter;
            if (i % 5 == 2) core->keyPress(s().TargetKey == 'q' ? 'w' : 'q');
            core->keyPress(s().TargetKey);
        }
    }

    Module1 g;
    FakeClock clock;
    SeededRandom random;
    FakeSound sound;
    InstantPause pause{clock};
    RecordingEvents events;
    FakeDisplay display;
    FakeView view;
    std::unique_ptr<Tee> tee;
    std::unique_ptr<TypingCore> core;
    GuideModel* guide = nullptr;
};

} // namespace tapwell::test
