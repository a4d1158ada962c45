// Positions and sizes in twips (1/1440 inch), the unit of our layout tables: 15 twips
// to a pixel at 96 dpi. Qt's device pixel ratio scales everything else uniformly.
//
// A window's layout scales with the window: one factor per window turns twips into its
// pixels (15 twips a pixel times the factor), and the layout stands centred in the
// window where the aspects differ. Every control placed here keeps its twips and its
// font as laid out, so a resize re-applies both; at factor 1 the pixels are the layout's.
#pragma once

#include <QEvent>
#include <QFont>
#include <QString>
#include <QWidget>

namespace tapwell {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(double twips) {
    return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
constexpr int tw(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Centres a window on its screen.
void centreOnScreen(QWidget* window);

// Places a control at Left, Top, Width, Height given in twips, at its window's scale,
// and keeps them (and the control's font, as set now) for the next change of scale.
void place(QWidget* w, int left, int top, int width, int height);
// Where a control stands, in twips, as placed; unplaced controls are read from pixels.
QRect placedTw(const QWidget* w);
int topTw(const QWidget* w);
void setTopTw(QWidget* w, int top);
void setLeftTw(QWidget* w, int left);

// The scale of w's window: 1 at the layout's own size.
double layoutScale(const QWidget* w);
// Twips (or pixels of the layout at factor 1) to pixels at w's window's scale.
int scaledPx(const QWidget* w, double twips);
int scaledLine(const QWidget* w, int layoutPixels); // a line's width: never below 1
// A control's font as laid out, at factor 1: what measures text in twips.
QFont layoutFontOf(const QWidget* w);
// Sets a placed control's font as laid out; it is shown at the window's scale.
void setLayoutFont(QWidget* w, const QFont& font);

// Fits the window's layout (laidOut: its size in pixels at factor 1) into the window's
// size: the largest factor at which it fits, centred. Re-places every control of the
// window and sets its font at that factor, then tells each control of the window by a
// LayoutScaleEvent. Nothing is done while the factor and the centring stay the same.
void scaleLayout(QWidget* window, QSize laidOut);
// The layout's area in the window, in the window's pixels.
QRect layoutArea(const QWidget* window);

// Sent to each control of a window whose scale changed, after its geometry and font.
class LayoutScaleEvent : public QEvent {
public:
    LayoutScaleEvent() : QEvent(type()) {}
    static QEvent::Type type();
};

// A font of the layout: a family and a size in points, set as a pixel size at 96 dpi
// (a QFont point size would be rounded to whole points and scaled by the screen).
QFont layoutFont(const QString& family, double points, bool bold = false, bool italic = false);

// The text display's font: Courier New at the given size, or, where neither it nor its
// substitutes are installed, another fixed-pitch font, since the display places
// characters by their count.
QFont fixedPitchFont(double points);

// Maps the layout's font names to the free fonts we ship with: the Arial, Courier New
// and Comic Sans MS names resolve through fontconfig; MS Sans Serif needs our help.
void installFontSubstitutes();

// With no font at all (fontconfig finds none), every caption and every line to type would
// be an empty box. Then this says so on stderr, in plain words, and returns false; the
// program stops, since nothing it showed could be read, not even a message box.
// It asks fontconfig itself (is any font's character set one with an "A"?), without the
// toolkit's font database: that is built when the first text is drawn, as usual.
bool checkFontsCanShowText();
// Starts that check on a thread of its own, for checkFontsCanShowText() to wait for:
// reading fontconfig's configuration is the longest step before the first window, and
// it then runs while the toolkit connects to the display. Call it before the
// QApplication is made and again once it is. Where the desktop passed DESKTOP_STARTUP_ID,
// the toolkit takes that out of the environment while it connects, when fontconfig must
// not be reading the environment: there the check starts at the second call.
void startFontCheck();

} // namespace tapwell
