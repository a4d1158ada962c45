// The typing path as plain C++: every keystroke judged and counted, the echo, the
// cursor, the arrow and the guide moved on, the practice walk through fingers, hands and
// the Shift hint, the line end and its result, OK and Stop in every state, and the
// lesson pages. It owns the typing state and the guide's model, and shows what it decides
// through a text display and a view; it reports what happened to an event sink. The
// window reads the state and changes it only through the calls below.
#pragma once

#include "core/events.h"
#include "core/typingview.h"
#include "drills/drilltext.h"
#include "drills/trickykeys.h"
#include "guide/guidemodel.h"
#include "services/services.h"
#include "services/voice.h"
#include "state/keytables.h"
#include "state/options.h"
#include "state/typestate.h"

namespace tapwell {

// Each practice key is pressed this many times.
inline constexpr int kPressesPerKey = 3;
// The pause after a practice key's last press, so the child sees it done.
inline constexpr float kPracticeKeyPauseSeconds = 0.5f;
// In a Word Drill the result stands this much higher, to hold its second line.
inline constexpr int kTwoLineResultRaise = 120;

struct CoreServices {
    Clock& clock;
    Random& random;
    Sound& sound;
    Pause& pause;
    EventSink& events;
};

// The rows chosen in the options, in lesson row order.
RowChoice chosenRows(const Module1& g);
// How many rows are chosen.
int countRows(const Module1& g);

// The Word Drill has no number-row words: the rows it leaves chosen when it starts
// (the home row stands in when the Number Row was the only one).
RowChoice wordDrillRows(const RowChoice& rows);

class TypingCore {
public:
    TypingCore(const Module1& globals, TextDisplay& display, TypingView& view,
               CoreServices services);
    TypingCore(const TypingCore&) = delete;
    TypingCore& operator=(const TypingCore&) = delete;

    const TypeState& state() const { return s_; }
    GuideModel& guide() { return guide_; }
    const GuideModel& guide() const { return guide_; }

    // --- set up as the window loads
    // Reads key.dat's bytes into the key tables; false with the fault when it is damaged.
    bool loadKeyData(const std::string& bytes, KeyDataError& fault);
    // While the window restores the options, the option boxes' clicks change nothing.
    void setLoading(bool loading) { s_.Loading = loading ? 1 : 0; }
    // The keyboard layout lines, practices and lesson pages ask for from now on (null:
    // key.dat's US keyboard).
    void setLayout(std::shared_ptr<const LayoutKeys> keys) { s_.layout = std::move(keys); }
    // Tapwell's own voice, and the language it speaks; null: silent.
    void setVoice(Voice* voice, std::string language) {
        voice_ = voice;
        voiceLanguage_ = std::move(language);
    }
    // The words of the child's language for the Word Drill (null: key.dat's).
    void setWords(std::shared_ptr<const LanguageWords> words) { s_.words = std::move(words); }
    // The three sounds, by their full file names.
    void setSounds(std::string ding, std::string uhOh, std::string tada);
    // Where the results label stands, and each lesson row (1..5) on the on-screen keyboard,
    // in twips: for the result and the row arrow.
    void setPlaces(int speedTop, const std::array<int, 5>& rowTops);
    // The options' rows changed: how many are chosen now.
    void rowsChanged();

    // A choice on the menu: the activity's mode, with nothing of the one before running.
    void chooseMode(int mode);
    // The menu is on the screen: the voice says to choose.
    void menuShown();

    // A typed character code, from the display, the keyboard or the window.
    void keyPress(int code);
    // A dead key pressed (its XKB keysym): where it is the first of the two keys of the
    // character awaited, the guide moves on to the second, and the character that key
    // types is taken as the one they make together.
    void deadKey(std::uint32_t keysym);
    // A key typed into the Timed Drill box; returns false when the box must not take it.
    bool timedKey(int code);

    void ok();
    void okPractice();
    void stop(int index);

    // The Learn Keyboard lessons: a lesson chosen, and Next (1) or Previous (0).
    void learn(int row);
    void next(int index);

    // Tricky Keys: the Character Drill with lines drawn from the child's record, which
    // the source gives for each line. Off again with any menu choice.
    void setTricky(bool on) { tricky_ = on; }
    bool tricky() const { return tricky_; }
    void setTrickySource(TrickySource source) { trickySource_ = std::move(source); }

    // The procedures the window names.
    void NewDrillLine();
    void PickPracticeFinger();
    void ShowFingerKeys();

    // The results label's caption for the line just ended, and where it stands.
    std::string lineResultCaption() const;

private:
    void lineEnd();
    void showTimedResult();
    void practiceKeyDone();
    void showShiftHintPage();
    void drawLessonPage();
    void runPageStep(int what, int row);
    void judged(int code, bool right);
    Activity activity() const;
    void printLine(const std::string& text, bool endLine = true);
    // Prints text on as many lines as it needs, each broken at a word.
    void printWrapped(const std::string& text);

    TypeState s_;
    const Module1& g_;
    GuideModel guide_{s_};
    TextDisplay& display_;
    TypingView& view_;
    CoreServices svc_;

    // For the events: when the activity's previous key came, and the current practice
    // finger's and lesson practice's own counts.
    std::int64_t lastKeyMs_ = 0;
    std::int64_t fingerStartMs_ = 0;
    std::int32_t fingerRight_ = 0, fingerWrong_ = 0;
    std::int64_t lessonStartMs_ = 0;
    std::int32_t lessonRight_ = 0, lessonWrong_ = 0;
    bool lessonEnding_ = false; // the lesson ends by itself: not left by Stop

    // Says text aloud when the child has a voice, cutting off what was said before.
    void talk(const std::string& text);
    Voice* voice_ = nullptr;
    std::string voiceLanguage_;
    bool wantedSaid_ = false; // after a wrong key, the key wanted is said once

    bool tricky_ = false;
    TrickySource trickySource_;
    std::vector<int> practisedMost_; // the keys the Tricky Keys line gave most
};

} // namespace tapwell
