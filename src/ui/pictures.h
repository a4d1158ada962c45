// The program's pictures, drawn once from our resources and shared by the controls.
#pragma once

#include "picture.h"

#include <QIcon>
#include <QImage>

#include <array>

namespace tapwell {

struct Pictures {
    std::array<Picture, 14> finger; // 0..6 left hand, 7..13 right hand
    Picture keyMarker;              // solid yellow, larger than any key face
    Picture arrow;
    Picture computer;
    Picture stop;
    Picture previous;
    Picture next;
    Picture help;
    Picture icon;
    Picture logo;

    static const Pictures& get();
};

// The program's icon, for its windows: the drawing icon.svg. At the sizes a window hands
// to the window manager when it is made (16, 32, 64 and 128 pixels on X11, at a device
// pixel ratio of 1) it shows images drawn from it beforehand, the same pixels: rendering
// those four at start-up took longer than building the About window. Any other size,
// ratio or mode is the drawing's own.
QIcon programIcon();
// The sizes drawn beforehand, and the image of each: the drawing as the toolkit renders
// it at that size, kept as its bare pixels (RGBA, 8 bits each, premultiplied, row by
// row), since reading any image file would first load every image format plugin.
inline constexpr std::array<int, 4> kProgramIconSizes{16, 32, 64, 128};
QString programIconImage(int size);    // the resource's path
QImage readProgramIconImage(int size); // null when it cannot be read

} // namespace tapwell
