#include "typingcore.h"

#include "talk.h"

#include "state/say.h"
#include "state/text.h"

#include "drills/results.h"
#include "lessons/fingerkeys.h"
#include "lessons/lessonpages.h"

#include <cmath>

namespace tapwell {

namespace {

// Halves to the even neighbour, as every real value stored into a whole number here.
i16 roundEven(double v) {
    return static_cast<i16>(std::lrint(v));
}

// The fixed-pitch character every position on the display is measured by.
const std::string kZero = "0";

} // namespace

RowChoice chosenRows(const Module1& g) {
    RowChoice rows{};
    for (int i = 0; i < 4; ++i)
        rows[static_cast<std::size_t>(i)] = g.RowSetting(i) == 1;
    return rows;
}

int countRows(const Module1& g) {
    int n = 0;
    for (bool chosen : chosenRows(g))
        n += chosen ? 1 : 0;
    return n;
}

RowChoice wordDrillRows(const RowChoice& rows) {
    RowChoice out = rows;
    if (out[kNumberRow - 1]) {
        out[kNumberRow - 1] = false;
        if (!out[kHomeRow - 1] && !out[kTopRow - 1] && !out[kBottomRow - 1])
            out[kHomeRow - 1] = true;
    }
    return out;
}

TypingCore::TypingCore(const Module1& globals, TextDisplay& display, TypingView& view,
                       CoreServices services)
    : g_(globals), display_(display), view_(view), svc_(services) {}

bool TypingCore::loadKeyData(const std::string& bytes, KeyDataError& fault) {
    return readKeyData(bytes, s_, fault);
}

void TypingCore::setSounds(std::string ding, std::string uhOh, std::string tada) {
    s_.DingSound = std::move(ding);
    s_.UhOhSound = std::move(uhOh);
    s_.TadaSound = std::move(tada);
}

void TypingCore::setPlaces(int speedTop, const std::array<int, 5>& rowTops) {
    s_.SpeedTop = static_cast<i16>(speedTop);
    for (int r = kHomeRow; r <= kSpaceRow; ++r)
        s_.RowTop(r) = static_cast<i16>(rowTops[static_cast<std::size_t>(r - kHomeRow)]);
}

void TypingCore::rowsChanged() {
    s_.RowCount = static_cast<i16>(countRows(g_));
}

void TypingCore::chooseMode(int mode) {
    tricky_ = false;
    s_.PracticeOn = 0;
    s_.Mode = static_cast<i16>(mode);
    if (mode == kTimedDrill) s_.TimedRunning = 0; // the box holds instructions, not a run
    if (mode == kKeyboardPractice || mode == kCharacterDrill || mode == kWordDrill)
        if (voice_) talk(readyTalk());
}

void TypingCore::menuShown() {
    if (voice_) talk(menuTalk());
}

void TypingCore::talk(const std::string& text) {
    if (voice_ != nullptr && !text.empty()) voice_->say(text, voiceLanguage_);
}

Activity TypingCore::activity() const {
    switch (s_.Mode) {
    case kKeyboardPractice:
        return Activity::Practice;
    case kCharacterDrill:
        return tricky_ ? Activity::Tricky : Activity::Character;
    case kWordDrill:
        return Activity::Word;
    case kTimedDrill:
        return Activity::Timed;
    default:
        return Activity::Lesson;
    }
}

void TypingCore::printWrapped(const std::string& text) {
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && display_.TextWidth(longer) > display_.WidthTw()) {
            printLine(line);
            line = word;
        } else {
            line = longer;
        }
        at = end + 1;
    }
    printLine(line);
}

void TypingCore::printLine(const std::string& text, bool endLine) {
    display_.Print(text, endLine);
}

// ---------------------------------------------------------------------------------
// The one keystroke handler.

void TypingCore::judged(int code, bool right) {
    const std::int64_t now = svc_.clock.ms();
    const bool drill = s_.Mode == kCharacterDrill || s_.Mode == kWordDrill;
    int row = s_.Row;
    if (drill)
        row = s_.LineRows.at(s_.LinePos);
    else if (s_.PracticeOn == 0)
        row = lessonRowOf(s_, s_.TargetKey);
    svc_.events.keyJudged(
        {activity(), static_cast<int>(s_.TargetKey), code, right, now - lastKeyMs_, row});
    lastKeyMs_ = now;
    if (s_.PracticeOn == 1) {
        (right ? fingerRight_ : fingerWrong_) += 1;
        if (s_.Mode == kLearnKeyboard) (right ? lessonRight_ : lessonWrong_) += 1;
    }
}

void TypingCore::deadKey(std::uint32_t keysym) {
    const LayoutKeys::Place* p = placeOf(s_, static_cast<int>(s_.TargetKey));
    if (s_.Typing == 0 || s_.DeadPressed != 0 || p == nullptr || p->dead == 0 ||
        p->deadKeysym != keysym)
        return;
    guide_.clearNext(s_.TargetKey);
    s_.DeadPressed = keysym;
    guide_.showNext(s_.TargetKey);
}

void TypingCore::keyPress(int KeyAscii) {
    if (s_.Typing == 0) return;
    // The second key after the target's dead key: together they made the target.
    const bool afterDead = s_.DeadPressed != 0;
    if (afterDead) {
        const LayoutKeys::Place* p = placeOf(s_, static_cast<int>(s_.TargetKey));
        if (p != nullptr && KeyAscii >= 0 && static_cast<char32_t>(KeyAscii) == p->base)
            KeyAscii = static_cast<int>(s_.TargetKey);
    }
    const bool sounds = s_.Mode == kLearnKeyboard || g_.KeySound != 0;
    const bool drill = s_.Mode == kCharacterDrill || s_.Mode == kWordDrill;
    const bool right = KeyAscii >= 0 && static_cast<char32_t>(KeyAscii) == s_.TargetKey;
    judged(KeyAscii, right);

    if (right) {
        ++s_.RightCount;
        if (sounds) PlayWave(svc_.sound, s_.DingSound, 1);
        if (s_.PracticeOn == 1) {
            // A space, then the key's own character (Enter shows as the space alone).
            const int code = s_.PracticeKeys.at(s_.PracticeIndex);
            std::string echo = " ";
            if (code > kSpace) echo += utf8Of(static_cast<char32_t>(code));
            printLine(echo, false);
            display_.Refresh();
            ++s_.PressCount;
        }
        if (drill) {
            guide_.clearNext(s_.TargetKey);
            const int oldX = s_.PenX;
            s_.PenX = static_cast<i16>(s_.PenX +
                                       std::lrint(static_cast<double>(display_.TextWidth(kZero))));
            view_.moveCursor(s_.PenX);
            display_.setCurrentX(oldX);
            display_.Print(s_.TargetKey == kEnter ? std::string() : utf8Of(s_.TargetKey), false);
            display_.Refresh();
            ++s_.LinePos;
        }
    } else {
        ++s_.ErrorCount;
        if (sounds) PlayWave(svc_.sound, s_.UhOhSound, 1);
        if (!wantedSaid_ && voice_) talk(keyTalk(s_, s_.TargetKey));
        wantedSaid_ = true;
    }
    if (right) wantedSaid_ = false;

    if (afterDead) {
        // Wrong: the dead key is asked for again.
        if (!right) guide_.clearNext(s_.TargetKey);
        s_.DeadPressed = 0;
    }

    if (s_.PracticeOn == 1 && s_.PressCount == kPressesPerKey) {
        practiceKeyDone();
        return;
    }

    if (drill) {
        if (s_.LinePos != s_.LineLen) {
            s_.TargetKey = s_.LineChars.at(s_.LinePos);
            view_.placeArrow(s_.LineRows.at(s_.LinePos));
            view_.showArrow(true);
            guide_.showNext(s_.TargetKey);
            if (right && voice_) talk(keyTalk(s_, s_.TargetKey));
            display_.setCurrentX(s_.PenX);
        } else {
            lineEnd();
        }
    }
}

// A practice key pressed its three times: the next key of the finger, or the next
// finger. The lesson practice walks the left hand, its Shift hint, the left hand
// shifted, then the right hand the same way.
void TypingCore::practiceKeyDone() {
    svc_.pause.Delay(kPracticeKeyPauseSeconds);
    if (s_.TargetKey == kEnter)
        guide_.ClearEnterKey();
    else
        guide_.ClearKey(s_.TargetKey);
    s_.PressCount = 0;
    ++s_.PracticeIndex;
    if (s_.PracticeKeys.at(s_.PracticeIndex) != kShiftKey &&
        s_.PracticeIndex <= PracticeLength(s_)) {
        printLine("");
        printLine(PressPrompt(s_.PracticeKeyNames(s_.PracticeIndex)), false);
        s_.TargetKey = static_cast<char32_t>(s_.PracticeKeys(s_.PracticeIndex));
        if (s_.TargetKey == kEnter)
            guide_.ShowEnterKey();
        else
            guide_.ShowKey(s_.TargetKey);
        if (voice_) talk(keyTalk(s_, s_.TargetKey));
        return;
    }

    svc_.events.practiceFingerFinished({activity(), s_.Row, s_.Hand, s_.Finger, s_.ShiftLevel != 0,
                                        fingerRight_, fingerWrong_,
                                        svc_.clock.ms() - fingerStartMs_});
    if (s_.Mode == kKeyboardPractice) {
        PickPracticeFinger();
        ShowFingerKeys();
    } else if (s_.Mode == kLearnKeyboard) {
        ++s_.Finger;
        if (s_.Finger <= 4) {
            ShowFingerKeys();
            return;
        }
        s_.Finger = 1;
        s_.ShiftLevel = static_cast<i16>(s_.ShiftLevel + 4);
        if (s_.ShiftLevel == 4) {
            showShiftHintPage();
            return;
        }
        s_.ShiftLevel = 0;
        ++s_.Hand;
        if (s_.Hand <= 2) {
            ShowFingerKeys();
            return;
        }
        svc_.events.lessonPracticeFinished(
            {s_.Row, lessonRight_, lessonWrong_, svc_.clock.ms() - lessonStartMs_});
        lessonEnding_ = true;
        stop(0);
        lessonEnding_ = false;
    }
}

void TypingCore::showShiftHintPage() {
    std::string text;
    if (s_.Hand == 1)
        //: A row lesson, before the shifted keys of the left hand; printed a line for each line
        //: break (about 30 characters a line).
        text = say("KeyboardPractice", "Now try using the Shift key.\n"
                                       "When typing with the left\n"
                                       "hand, hold the Shift key on\n"
                                       "the right side of the\n"
                                       "bottom row with the little\n"
                                       "finger of the right hand.");
    else
        //: A row lesson, before the shifted keys of the right hand; printed a line for each line
        //: break (about 30 characters a line).
        text = say("KeyboardPractice", "Now try using the Shift key.\n"
                                       "When typing with the right\n"
                                       "hand, hold the Shift key on\n"
                                       "the left side of the\n"
                                       "bottom row with the little\n"
                                       "finger of the left hand.");
    const std::vector<std::string> lines = linesOf(text);
    display_.Cls();
    // The Shift key lights up as the third line is printed.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == std::min<std::size_t>(3, lines.size())) {
            if (s_.Hand == 1)
                guide_.ShowRightShift();
            else
                guide_.ShowLeftShift();
        }
        printLine(lines[i]);
    }
    if (lines.size() < 3) {
        if (s_.Hand == 1)
            guide_.ShowRightShift();
        else
            guide_.ShowLeftShift();
    }
    display_.Refresh();
    view_.showOkPractice();
}

bool TypingCore::timedKey(int KeyAscii) {
    if (s_.Typing == 0) return false; // nothing goes into the box before OK or after the result
    if (KeyAscii == kEnter) stop(2);
    return true;
}

// ---------------------------------------------------------------------------------
// Drill lines, the practice finger and the results.

void TypingCore::NewDrillLine() {
    std::string text;
    std::string above; // the first text line: empty, or what Tricky Keys says of the keys
    practisedMost_.clear();
    s_.DeadPressed = 0;
    if (tricky_ && s_.Mode == kCharacterDrill) {
        const TrickyLine line = MakeTrickyLine(s_, chosenRows(g_), g_.UseShift == 1, svc_.random,
                                               trickySource_ ? trickySource_() : TrickyRecord{});
        text = line.text;
        if (line.allSecure) above = say("Drills", kAllSecureText);
        if (line.fromRecord) practisedMost_ = line.practisedMost;
    } else {
        if (s_.Mode == kWordDrill && tooFewWords(s_, chosenRows(g_)))
            above = say("Drills", kTooFewWordsText);
        text = MakeDrillLine(s_, chosenRows(g_), g_.UseShift == 1, svc_.random);
    }

    // The line stands centred under what is said above it (on the second text line when
    // nothing is); what is typed goes half a line below it, starting under its first
    // character. What is said above is wrapped at a word, never cut at the display's edge.
    printWrapped(above);
    s_.PenX = roundEven((display_.WidthTw() - display_.TextWidth(text)) * 0.5);
    display_.setCurrentX(s_.PenX);
    display_.Print(text, true);
    s_.PenY = roundEven(display_.currentY() + 0.5 * display_.TextHeight(kZero));

    s_.LineLen = static_cast<i16>(s_.LineLen + 1);
    s_.LineChars(s_.LineLen - 1) = kEnter;
    s_.LineRows(s_.LineLen - 1) = kHomeRow; // the Enter key is on the home row
    s_.LinePos = 0;
    s_.TargetKey = s_.LineChars(0);
    view_.placeArrow(s_.LineRows(0));
    view_.showArrow(true);
    guide_.ShowKey(s_.TargetKey);
    wantedSaid_ = false;
    if (voice_) talk(keyTalk(s_, s_.TargetKey));

    view_.showCursor(s_.PenX, s_.PenY, display_.TextWidth(kZero), display_.TextHeight(kZero));
    display_.setCurrentX(s_.PenX);
    display_.setCurrentY(s_.PenY);
    view_.focusDisplay();
    s_.DrillTicks = svc_.clock.ms(); // timing starts once the line is on screen
    lastKeyMs_ = s_.DrillTicks;
    svc_.events.ready(activity());
}

void TypingCore::PickPracticeFinger() {
    tapwell::PickPracticeFinger(s_, chosenRows(g_), g_.UseShift == 1, svc_.random);
    view_.placeArrow(s_.Row);
}

void TypingCore::ShowFingerKeys() {
    LoadFingerKeys(s_);
    const bool shortForm = s_.Mode == kKeyboardPractice;
    display_.Cls();
    for (const std::string& line : FingerInstructionLines(s_, shortForm))
        printLine(line);
    if (!shortForm) display_.setCurrentY(display_.currentY() + 0.25 * display_.TextHeight("H"));
    s_.PracticeIndex = 1;
    s_.PressCount = 0;
    s_.TargetKey = static_cast<char32_t>(s_.PracticeKeys(1));
    if (s_.TargetKey == kEnter)
        guide_.ShowEnterKey();
    else
        guide_.ShowKey(s_.TargetKey);
    printLine(PressPrompt(s_.PracticeKeyNames(1)), false);
    // The finger's instruction, then its first key.
    if (voice_) {
        std::string words;
        for (const std::string& line : FingerInstructionLines(s_, true))
            words += (words.empty() ? "" : " ") + line;
        talk(words + " " + keyTalk(s_, s_.TargetKey));
    }
    fingerStartMs_ = svc_.clock.ms();
    lastKeyMs_ = fingerStartMs_;
    fingerRight_ = fingerWrong_ = 0;
    if (s_.Mode == kKeyboardPractice) svc_.events.ready(Activity::Practice);
}

std::string TypingCore::lineResultCaption() const {
    std::string caption;
    if (s_.Mode == kWordDrill) caption = speedText(s_.LinePos - 1, s_.DrillTicks) + "\n";
    return caption + accuracyText(s_.RightCount, s_.ErrorCount);
}

void TypingCore::lineEnd() {
    s_.DrillTicks = countedMs(s_.DrillTicks, svc_.clock.ms());
    s_.Typing = 0;
    view_.hideCursor();
    view_.showArrow(false);
    guide_.ClearEnterKey();
    display_.Refresh();
    const int top = s_.Mode == kWordDrill ? s_.SpeedTop - kTwoLineResultRaise : s_.SpeedTop;
    view_.showResult(lineResultCaption(), top);
    if (!practisedMost_.empty()) {
        // Below the typed line, centred: the keys this line gave most.
        const std::string practised = practisedText(s_, practisedMost_);
        printLine(""); // the typed line is done
        display_.setCurrentX(roundEven((display_.WidthTw() - display_.TextWidth(practised)) * 0.5));
        // Right under it: the results frame covers the display from a line lower.
        display_.setCurrentY(s_.PenY + display_.TextHeight(kZero));
        display_.Print(practised, true);
        display_.Refresh();
    }
    const int characters = s_.LinePos - 1;
    svc_.events.lineFinished({activity(), chosenRows(g_), g_.UseShift == 1, characters,
                              s_.RightCount, s_.ErrorCount, s_.DrillTicks,
                              wordsPerMinute(characters, s_.DrillTicks),
                              accuracyPercent(s_.RightCount, s_.ErrorCount)});
    if (voice_) talk(lineEndTalk(s_.RightCount, s_.ErrorCount));
    PlayWave(svc_.sound, s_.TadaSound, 0);
    view_.showOk();
}

void TypingCore::showTimedResult() {
    s_.TimedRunning = 0;
    s_.DrillTicks = countedMs(s_.DrillTicks, svc_.clock.ms());
    const int characters = view_.timedTextLength();
    view_.showResult(speedText(characters, s_.DrillTicks), s_.SpeedTop);
    svc_.events.timedRunFinished(
        {characters, s_.DrillTicks, wordsPerMinute(characters, s_.DrillTicks)});
    PlayWave(svc_.sound, s_.TadaSound, 0);
    view_.showOk();
}

// ---------------------------------------------------------------------------------
// OK and Stop.

void TypingCore::ok() {
    view_.hideOk();
    guide_.ClearHomeKeys();
    view_.hideResult();
    if (display_.isShown()) {
        display_.Cls();
        view_.focusDisplay();
    }
    switch (s_.Mode) {
    case kKeyboardPractice:
        s_.PracticeOn = 1;
        s_.Typing = 1;
        PickPracticeFinger();
        ShowFingerKeys();
        break;
    case kCharacterDrill:
    case kWordDrill:
        s_.Typing = 1;
        NewDrillLine();
        s_.RightCount = 0;
        s_.ErrorCount = 0;
        break;
    case kTimedDrill:
        view_.startTimedBox();
        s_.TimedRunning = 1;
        s_.Typing = 1;
        s_.DrillTicks = svc_.clock.ms(); // the clock runs from OK, not from the first key
        svc_.events.ready(Activity::Timed);
        break;
    default:
        break;
    }
}

void TypingCore::okPractice() {
    view_.hideOkPractice();
    view_.focusDisplay();
    ShowFingerKeys();
}

void TypingCore::stop(int index) {
    guide_.ClearAllKeys();
    view_.hideActivity();
    s_.Typing = 0;

    if (s_.LessonOn == 1) {
        // Back to the lesson choices, ready for the next lesson.
        if (!lessonEnding_) svc_.events.lessonLeft({s_.Row, s_.LessonPage});
        s_.LessonOn = 0;
        view_.enableLessonChoices(true);
        view_.backToLessonChoices();
        return;
    }
    if (index == 2 && s_.TimedRunning == 1 && view_.timedTextLength() > 0) {
        showTimedResult();
        return;
    }
    // Any way back to the menu ends a Timed Drill run: a later Stop must not take the
    // instructions in the box, and the old clock, for a run.
    s_.TimedRunning = 0;
    view_.backToMenu(index);
    menuShown();
}

// ---------------------------------------------------------------------------------
// The Learn Keyboard lessons.

void TypingCore::learn(int row) {
    s_.PracticeOn = 0;
    s_.Row = static_cast<i16>(row);
    s_.LessonPage = 0;
    s_.LessonOn = 1;
    display_.Cls();
    view_.showDisplay();
    view_.showLessonButtons();
    view_.enableLessonChoices(false);
    next(1);
}

void TypingCore::next(int index) {
    if (index != 0) {
        ++s_.LessonPage;
    } else if (--s_.LessonPage < 1) {
        s_.LessonPage = 1; // Previous on the first page draws it again
    }
    s_.Typing = 0;
    display_.Cls();
    drawLessonPage();
}

void TypingCore::drawLessonPage() {
    const bool layout = s_.Row == 0;
    if (layout && s_.LessonPage > kLayoutPages) {
        lessonEnding_ = true; // the lesson is over; Stop sees LessonOn
        stop(s_.LessonPage);
        lessonEnding_ = false;
        return;
    }
    if (!layout && s_.LessonPage > kRowLessonPages)
        return; // Next is hidden from the practice page on
    if (!layout) {
        view_.showHands(true);
        s_.PracticeOn = 1;
    }
    const LessonPageData& page = layout ? layoutPage(s_.LessonPage) : rowLessonPage(s_.LessonPage);
    for (const Step& step : page.setup)
        runPageStep(static_cast<int>(step.what), step.row == kLessonRow ? s_.Row : step.row);
    const int nameRow = page.nameRow == kLessonRow ? s_.Row : page.nameRow;
    // The home keys as this keyboard's keys show them.
    HomeKeyNames home = kUsHomeKeyNames;
    if (s_.layout)
        for (std::size_t i = 0; i < home.size(); ++i)
            home[i] = keyCaptionOf(s_, kHomeRowFirstKey - 1 + kHomePlaces[i]);
    const std::string rowName = say("KeyNames", s_.RowName.at(nameRow).c_str());
    std::string words;
    for (const std::string& line : linesOf(say("LessonPages", page.text))) {
        const std::string shown = pageLine(line, rowName, home);
        printLine(shown);
        words += (words.empty() || shown.empty() ? "" : " ") + shown;
    }
    talk(words);
    if (page.wantKey != 0) {
        s_.Typing = 1;
        s_.TargetKey = static_cast<char32_t>(page.wantKey);
        view_.focusDisplay();
        lastKeyMs_ = svc_.clock.ms();
    }
}

void TypingCore::runPageStep(int what, int row) {
    switch (static_cast<PageStep>(what)) {
    case PageStep::HideArrow:
        view_.showArrow(false);
        break;
    case PageStep::ShowArrow:
        view_.showArrow(true);
        break;
    case PageStep::ArrowAtRow:
        view_.placeArrow(row);
        break;
    case PageStep::HideHands:
        view_.showHands(false);
        break;
    case PageStep::ShowHands:
        view_.showHands(true);
        break;
    case PageStep::ShowHomeKeys:
        guide_.ShowHomeKeys();
        break;
    case PageStep::ClearHomeKeys:
        guide_.ClearHomeKeys();
        break;
    case PageStep::ShowEnterKey:
        guide_.ShowEnterKey();
        break;
    case PageStep::ClearEnterKey:
        guide_.ClearEnterKey();
        break;
    case PageStep::ShowSpaceBar:
        guide_.ShowSpaceBar();
        break;
    case PageStep::ClearSpaceBar:
        guide_.ClearSpaceBar();
        break;
    case PageStep::ShowLeftShift:
        guide_.ShowLeftShift();
        break;
    case PageStep::ClearLeftShift:
        guide_.ClearLeftShift();
        break;
    case PageStep::ShowRightShift:
        guide_.ShowRightShift();
        break;
    case PageStep::ClearRightShift:
        guide_.ClearRightShift();
        break;
    case PageStep::HideLessonButtons:
        view_.hideLessonButtons();
        break;
    case PageStep::StartPractice:
        s_.Typing = 1;
        s_.Hand = 1;
        s_.Finger = 1;
        s_.ShiftLevel = 0;
        lessonStartMs_ = svc_.clock.ms();
        lessonRight_ = lessonWrong_ = 0;
        svc_.events.ready(Activity::Lesson);
        ShowFingerKeys();
        view_.focusDisplay(); // Next, which had the focus, is gone
        break;
    }
}

} // namespace tapwell
