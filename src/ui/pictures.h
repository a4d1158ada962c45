// The program's pictures, drawn once from our resources and shared by the controls.
#pragma once

#include "picture.h"

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

} // namespace tapwell
