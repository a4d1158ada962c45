// The US keyboard of key.dat as a layout, and the designed on-screen keyboard's key
// indexes (52..99) beside the XKB names of the same keys.
#pragma once

#include "layout.h"
#include "state/keytables.h"

#include <optional>
#include <string>

namespace tapwell::layout {

// The key of an on-screen key index: 52..63 the number row, 64..75 the top row, 76..86
// the home row, 87 Enter, 88 the left Shift, 89..98 the bottom row, 99 the right Shift;
// 101 the ISO key left of Z and 102 the one right of the home row (BKSL, as AC12).
std::optional<Key> keyOfIndex(int index);
// The on-screen key index of k, or 0 for keys the designed keyboard does not have (TLDE,
// BKSL, LSGT, AltGr) and the space bar, which is a panel of its own.
int indexOfKey(Key k);

// key.dat's keyboard: each character 33..126 on the key and level CharKey gives it, the
// fingers of KeyHand, Enter and the space bar. Nothing, and why, when two characters
// claim one key and level or a key has no finger.
std::optional<Layout> layoutFromKeyTables(const KeyTables& t, std::string* why = nullptr);

} // namespace tapwell::layout
