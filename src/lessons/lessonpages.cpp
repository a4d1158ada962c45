#include "lessonpages.h"

#include "state/say.h"

#include <array>
#include <cassert>

namespace tapwell {

namespace {

using enum PageStep;

const std::array<LessonPageData, kLayoutPages> kLayout = {{
    {{},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "This program concentrates on  \n"
                                      "the letter and number keys \n"
                                      "for typing. It does not cover\n"
                                      "function, control, or other \n"
                                      "keys on the computer keyboard.")},
    {{{HideArrow}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "Shown is the computer keyboard.\n"
                                      "Note there are four rows of\n"
                                      "keys. At the bottom of the \n"
                                      "keyboard is the space bar.")},
    {{{ArrowAtRow, 1}, {ShowArrow}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters. {row} is a row's name (home, top, bottom, number).
     QT_TRANSLATE_NOOP("LessonPages", "This row is called the {row}\n"
                                      "row."),
     1},
    {{{ArrowAtRow, 2}, {ShowArrow}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters. {row} is a row's name (home, top, bottom, number).
     QT_TRANSLATE_NOOP("LessonPages", "This row is called the {row}\n"
                                      "row."),
     2},
    {{{ArrowAtRow, 3}, {ShowArrow}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters. {row} is a row's name (home, top, bottom, number).
     QT_TRANSLATE_NOOP("LessonPages", "This row is called the {row}\n"
                                      "row."),
     3},
    {{{ArrowAtRow, 4}, {ShowArrow}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters. {row} is a row's name (home, top, bottom, number).
     QT_TRANSLATE_NOOP("LessonPages", "This row is called the {row}\n"
                                      "row."),
     4},
    {{{HideHands}, {ClearHomeKeys}, {ArrowAtRow, 1}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "The starting position for\n"
                                      "all typing strokes is the\n"
                                      "home row. Your fingers should\n"
                                      "always rest on this row.")},
    {{{ShowHands}, {ClearEnterKey}, {ShowHomeKeys}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters. {home1}..{home8} are the captions of the keys the fingers rest on, left little
     //: finger to right little finger.
     QT_TRANSLATE_NOOP("LessonPages", "Your left hand rests on the\n"
                                      "{home1} {home2} {home3} {home4} keys (little finger\n"
                                      "on {home1}). Your right hand rests\n"
                                      "on the {home5} {home6} {home7} {home8} keys (little\n"
                                      "finger on {home8}). Place your\n"
                                      "hands in the home position.")},
    {{{ClearSpaceBar}, {ClearHomeKeys}, {ArrowAtRow, 1}, {ShowEnterKey}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "The Enter key is used to \n"
                                      "tell the computer you are\n"
                                      "done typing something. Use\n"
                                      "the little finger of the\n"
                                      "right hand.\n"
                                      "\n"
                                      "Press Enter a few times."),
     0,
     13},
    {{{ClearEnterKey}, {ArrowAtRow, 5}, {ClearLeftShift}, {ClearRightShift}, {ShowSpaceBar}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "The space bar is used to\n"
                                      "put spaces between letters\n"
                                      "and words. You hit the space\n"
                                      "bar with your left or right\n"
                                      "thumb.\n"
                                      "\n"
                                      "Tap the space bar a few times."),
     0,
     32},
    {{{ClearSpaceBar}, {ArrowAtRow, 3}, {ShowLeftShift}, {ShowRightShift}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "On both ends of the bottom\n"
                                      "row are Shift keys. Find\n"
                                      "them. They are pressed with\n"
                                      "your little fingers. If you\n"
                                      "type a letter without pressing\n"
                                      "Shift, a lower case letter is\n"
                                      "typed.")},
    {{{ShowLeftShift}, {ShowRightShift}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "If you hold down Shift and\n"
                                      "press a letter, the upper\n"
                                      "case letter is typed.\n"
                                      "\n"
                                      "Note two characters are on\n"
                                      "the number and symbol keys.")},
    {{{ShowArrow}, {ShowHands}, {ShowLeftShift}, {ShowRightShift}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "If you press one of these\n"
                                      "keys without Shift, the\n"
                                      "character on the lower part\n"
                                      "of the key is typed. If Shift\n"
                                      "is held and the key pressed,\n"
                                      "the upper character is typed.")},
    {{{HideArrow}, {HideHands}, {ClearLeftShift}, {ClearRightShift}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "More on the Shift keys later.\n"
                                      "\n"
                                      "Right now, we'll return to \n"
                                      "the selection menu where \n"
                                      "you can pick which row of\n"
                                      "keys you want to learn.")},
}};

// Every row-lesson page first shows both hands and sets the practice flag; the window
// does that before these steps.
const std::array<LessonPageData, kRowLessonPages> kRowLesson = {{
    {{{ClearHomeKeys}, {ShowArrow}, {ArrowAtRow, kLessonRow}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters. {row} is a row's name (home, top, bottom, number).
     QT_TRANSLATE_NOOP("LessonPages", "Learn keys of {row} row.\n"
                                      "\n"
                                      "When typing, let your fingers\n"
                                      "find the keys while you look\n"
                                      "at the screen to see where\n"
                                      "the keys are."),
     kLessonRow},
    {{{ShowHomeKeys}, {ArrowAtRow, 1}},
     //: A lesson page, printed line by line: each line break starts a new line of about 30
     //: characters.
     QT_TRANSLATE_NOOP("LessonPages", "Make sure your hands are in\n"
                                      "home position before starting.")},
    {{{ArrowAtRow, kLessonRow}, {ClearHomeKeys}, {HideLessonButtons}, {StartPractice}}, ""},
}};

} // namespace

const LessonPageData& layoutPage(int page) {
    assert(page >= 1 && page <= kLayoutPages);
    return kLayout[static_cast<std::size_t>(page - 1)];
}

const LessonPageData& rowLessonPage(int page) {
    assert(page >= 1 && page <= kRowLessonPages);
    return kRowLesson[static_cast<std::size_t>(page - 1)];
}

std::string pageLine(const std::string& line, const std::string& rowName,
                     const HomeKeyNames& home) {
    std::string out = line;
    const auto put = [&out](const std::string& mark, const std::string& words) {
        for (auto at = out.find(mark); at != std::string::npos;
             at = out.find(mark, at + words.size()))
            out.replace(at, mark.size(), words);
    };
    put("{row}", rowName);
    for (std::size_t i = 0; i < home.size(); ++i)
        put("{home" + std::to_string(i + 1) + "}", home[i]);
    return out;
}

} // namespace tapwell
