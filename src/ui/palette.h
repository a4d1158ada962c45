// The colours of our windows, by name: the entries of the sixteen-colour palette the
// layout names, and the few colours of its own it gives as RGB.
#pragma once

#include <QColor>

namespace tapwell {

inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlue(0, 0, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kMaroon(128, 0, 0);    // the About window's panel
inline const QColor kWindowRed(192, 0, 0); // the main window's background
inline const QColor kYellow(255, 255, 0);
inline const QColor kLightGrey(192, 192, 192);
inline const QColor kPink(255, 128, 128);        // the Info, Help and Exit frame
inline const QColor kLightOrange(255, 192, 128); // the About window

} // namespace tapwell
