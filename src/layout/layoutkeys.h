// A layout as the typing path looks characters up: the key, the Shift side and the
// lesson row of each character, each row's characters, each finger's keys and the
// captions of the on-screen keys (state/keytables.h's LayoutKeys).
#pragma once

#include "layout.h"
#include "state/keytables.h"

#include <memory>

namespace tapwell::layout {

// What the designed on-screen keyboard's keys type in l, at the plain and Shift levels:
// dead keys are shown on their keys but never asked for. With accents, also what AltGr
// types and what the dead keys make, each on the key that ends it.
std::shared_ptr<const LayoutKeys> layoutKeysOf(const Layout& l, bool accents = false);

} // namespace tapwell::layout
