// What the typing core asks of the window: a text display to print on, and the few
// things only widgets do (an arrow, a cursor box, the results label, buttons, focus).
// The core decides; these only show. Positions and sizes are in twips.
#pragma once

#include <string>

namespace tapwell {

// A surface that prints text at a pen and keeps it until cleared.
class TextDisplay {
public:
    virtual ~TextDisplay() = default;
    virtual void Cls() = 0;
    virtual void Print(const std::string& text, bool endLine) = 0;
    virtual void Refresh() = 0; // what was printed is on screen now
    virtual double currentX() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentY(double y) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight(const std::string& text) const = 0;
    virtual int WidthTw() const = 0;
    virtual bool isShown() const = 0;
};

class TypingView {
public:
    virtual ~TypingView() = default;

    // The row arrow beside the on-screen keyboard.
    virtual void placeArrow(int row) = 0; // beside lesson row 1..5
    virtual void showArrow(bool shown) = 0;

    // The box around the next character to type on the display.
    virtual void showCursor(int x, int y, int width, int height) = 0;
    virtual void moveCursor(int x) = 0;
    virtual void hideCursor() = 0;

    // The results frame; on screen at once, before the end sound plays.
    virtual void showResult(const std::string& caption, int top) = 0;
    virtual void hideResult() = 0;

    virtual void showOk() = 0; // shown, with the focus
    virtual void hideOk() = 0;
    virtual void showOkPractice() = 0; // shown, with the focus
    virtual void hideOkPractice() = 0;

    virtual void showDisplay() = 0;
    virtual void focusDisplay() = 0;
    virtual void showHands(bool shown) = 0;
    virtual void showLessonButtons() = 0;
    virtual void hideLessonButtons() = 0;
    virtual void enableLessonChoices(bool enabled) = 0;

    // The Timed Drill box: emptied, shown and given the focus for a run.
    virtual void startTimedBox() = 0;
    virtual int timedTextLength() const = 0;

    // Stop: everything of the activity hidden (OK buttons, arrow, results, display,
    // hands); then back to the lesson choices, or from frame 0..2 to the menu.
    virtual void hideActivity() = 0;
    virtual void backToLessonChoices() = 0; // the choices enabled again; the focus on the first
    virtual void backToMenu(int frame) = 0;
};

} // namespace tapwell
