#include "talk.h"

#include "state/say.h"
#include "state/text.h"

namespace tapwell {

namespace {

// Children say pointer, not index.
std::string fingerTalk(int hand, int finger) {
    static const char* const kFingers[2][4] = {
        {QT_TRANSLATE_NOOP("Talk", "Left little finger."),
         QT_TRANSLATE_NOOP("Talk", "Left ring finger."),
         QT_TRANSLATE_NOOP("Talk", "Left middle finger."),
         QT_TRANSLATE_NOOP("Talk", "Left pointer finger.")},
        {QT_TRANSLATE_NOOP("Talk", "Right little finger."),
         QT_TRANSLATE_NOOP("Talk", "Right ring finger."),
         QT_TRANSLATE_NOOP("Talk", "Right middle finger."),
         QT_TRANSLATE_NOOP("Talk", "Right pointer finger.")}};
    if (hand < 1 || hand > 2 || finger < 1 || finger > 4) return {};
    return say("Talk", kFingers[hand - 1][finger - 1]);
}

} // namespace

std::string keyTalk(const TypeState& s, char32_t c) {
    if (c == kSpace) return say("Talk", "Space. Thumb.");
    if (c == kEnter) return say("Talk", "Enter. Right little finger.");
    const int key = keyIndexOf(s, static_cast<int>(c));
    if (key == 0) return {};
    // The key as it shows itself (a letter by its capital), with Shift where it is held.
    std::string caption = keyCaptionOf(s, key);
    if (caption.empty()) caption = utf8Of(c);
    const std::string what = shiftSideOf(s, static_cast<int>(c)) != 0
                                 ? fill(say("Talk", "Shift and %1."), caption)
                                 : caption + ".";
    const std::string finger = fingerTalk(keyHandOf(s, key, 1), keyHandOf(s, key, 2));
    return finger.empty() ? what : what + " " + finger;
}

std::string lineEndTalk(int right, int wrong) {
    const int all = right + wrong;
    //: Said aloud at a line's end; %1 the right keys, %2 all keys of the line.
    const std::string result =
        fill(say("Talk", "%1 of %2 right."), std::to_string(right), std::to_string(all));
    if (wrong == 0) return say("Talk", "Well done! All right!");
    if (wrong * 10 <= all) return say("Talk", "Well done!") + " " + result;
    return say("Talk", "Good try!") + " " + result;
}

std::string readyTalk() {
    return say("Talk", "Put your fingers on the yellow keys, then press Enter.");
}

std::string menuTalk() {
    return say("Talk", "Choose a game.");
}

std::string aboutTalk() {
    //: Said aloud for the first window's OK button.
    return say("Talk", "Let's type!");
}

} // namespace tapwell
