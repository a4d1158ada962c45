#include "lessonpages.h"

#include <array>
#include <cassert>

namespace tapwell {

namespace {

using enum PageStep;

const std::array<LessonPageData, kLayoutPages> kLayout = {{
    {{},
     {"This program concentrates on  ", "the letter and number keys ",
      "for typing. It does not cover", "function, control, or other ",
      "keys on the computer keyboard."}},
    {{{HideArrow}},
     {"Shown is the computer keyboard.", "Note there are four rows of",
      "keys. At the bottom of the ", "keyboard is the space bar."}},
    {{{ArrowAtRow, 1}, {ShowArrow}}, {"This row is called the {row}", "row."}, 1},
    {{{ArrowAtRow, 2}, {ShowArrow}}, {"This row is called the {row}", "row."}, 2},
    {{{ArrowAtRow, 3}, {ShowArrow}}, {"This row is called the {row}", "row."}, 3},
    {{{ArrowAtRow, 4}, {ShowArrow}}, {"This row is called the {row}", "row."}, 4},
    {{{HideHands}, {ClearHomeKeys}, {ArrowAtRow, 1}},
     {"The starting position for", "all typing strokes is the", "home row. Your fingers should",
      "always rest on this row."}},
    {{{ShowHands}, {ClearEnterKey}, {ShowHomeKeys}},
     {"Your left hand rests on the", "{home1} {home2} {home3} {home4} keys (little finger",
      "on {home1}). Your right hand rests", "on the {home5} {home6} {home7} {home8} keys (little",
      "finger on {home8}). Place your", "hands in the home position."}},
    {{{ClearSpaceBar}, {ClearHomeKeys}, {ArrowAtRow, 1}, {ShowEnterKey}},
     {"The Enter key is used to ", "tell the computer you are", "done typing something. Use",
      "the little finger of the", "right hand.", "", "Press Enter a few times."},
     0,
     13},
    {{{ClearEnterKey}, {ArrowAtRow, 5}, {ClearLeftShift}, {ClearRightShift}, {ShowSpaceBar}},
     {"The space bar is used to", "put spaces between letters", "and words. You hit the space",
      "bar with your left or right", "thumb.", "", "Tap the space bar a few times."},
     0,
     32},
    {{{ClearSpaceBar}, {ArrowAtRow, 3}, {ShowLeftShift}, {ShowRightShift}},
     {"On both ends of the bottom", "row are Shift keys. Find", "them. They are pressed with",
      "your little fingers. If you", "type a letter without pressing",
      "Shift, a lower case letter is", "typed."}},
    {{{ShowLeftShift}, {ShowRightShift}},
     {"If you hold down Shift and", "press a letter, the upper", "case letter is typed.", "",
      "Note two characters are on", "the number and symbol keys."}},
    {{{ShowArrow}, {ShowHands}, {ShowLeftShift}, {ShowRightShift}},
     {"If you press one of these", "keys without Shift, the", "character on the lower part",
      "of the key is typed. If Shift", "is held and the key pressed,",
      "the upper character is typed."}},
    {{{HideArrow}, {HideHands}, {ClearLeftShift}, {ClearRightShift}},
     {"More on the Shift keys later.", "", "Right now, we'll return to ",
      "the selection menu where ", "you can pick which row of", "keys you want to learn."}},
}};

// Every row-lesson page first shows both hands and sets the practice flag; the window
// does that before these steps.
const std::array<LessonPageData, kRowLessonPages> kRowLesson = {{
    {{{ClearHomeKeys}, {ShowArrow}, {ArrowAtRow, kLessonRow}},
     {"Learn keys of {row} row.", "", "When typing, let your fingers",
      "find the keys while you look", "at the screen to see where", "the keys are."},
     kLessonRow},
    {{{ShowHomeKeys}, {ArrowAtRow, 1}},
     {"Make sure your hands are in", "home position before starting."}},
    {{{ArrowAtRow, kLessonRow}, {ClearHomeKeys}, {HideLessonButtons}, {StartPractice}}, {}},
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
