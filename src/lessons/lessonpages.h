// The Learn Keyboard lessons as data: each page's set-up steps, in order, and the
// lines it prints. The text of every page stands here, in one place.
#pragma once

#include "state/say.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tapwell {

enum class PageStep {
    HideArrow,
    ShowArrow,
    ArrowAtRow, // the arrow beside lesson row `row` (or the lesson's own row)
    HideHands,
    ShowHands,
    ShowHomeKeys,
    ClearHomeKeys,
    ShowEnterKey,
    ClearEnterKey,
    ShowSpaceBar,
    ClearSpaceBar,
    ShowLeftShift,
    ClearLeftShift,
    ShowRightShift,
    ClearRightShift,
    HideLessonButtons,
    StartPractice, // the press-three-times practice of the lesson's row begins
};

inline constexpr int kLessonRow = -1; // stands for the row the lesson teaches

struct Step {
    PageStep what;
    int row = 0; // for ArrowAtRow: a lesson row number or kLessonRow
};

struct LessonPageData {
    LessonPageData(std::vector<Step> steps, const char* english, int row = 0, int key = 0)
        : setup(std::move(steps)), text(english), lines(linesOf(english)), nameRow(row),
          wantKey(key) {}

    std::vector<Step> setup;
    // In English, as lupdate collected it (context "LessonPages"); said, then printed a line
    // for each '\n'. "{row}" stands for the row name of `nameRow`. Empty: nothing printed.
    const char* text = "";
    std::vector<std::string> lines; // the English text's lines
    int nameRow = 0;                // a lesson row number, or kLessonRow
    int wantKey = 0;                // 13 or 32 when the page asks for that key, else 0
};

inline constexpr int kLayoutPages = 14;
inline constexpr int kRowLessonPages = 3;

// Page 1..14 of the Keyboard Layout lesson.
const LessonPageData& layoutPage(int page);
// Page 1..3 of a row lesson.
const LessonPageData& rowLessonPage(int page);

// The captions of the keys the fingers rest on, left little to right little finger.
using HomeKeyNames = std::array<std::string, 8>;
inline const HomeKeyNames kUsHomeKeyNames = {"A", "S", "D", "F", "J", "K", "L", ";"};

// A page line with "{row}" replaced by the row's name and "{home1}".."{home8}" by the
// home keys' captions (the keyboard's own: Q S D F J K L M on a French one).
std::string pageLine(const std::string& line, const std::string& rowName,
                     const HomeKeyNames& home = kUsHomeKeyNames);

} // namespace tapwell
