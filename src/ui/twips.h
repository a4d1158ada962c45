// Positions and sizes in twips (1/1440 inch), the unit of our layout tables: 15 twips
// to a pixel at 96 dpi. Qt's device pixel ratio scales everything else uniformly.
#pragma once

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

// Places a control at Left, Top, Width, Height given in twips.
void place(QWidget* w, int left, int top, int width, int height);
int topTw(const QWidget* w);
void setTopTw(QWidget* w, int top);
void setLeftTw(QWidget* w, int left);

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
bool checkFontsCanShowText();

} // namespace tapwell
