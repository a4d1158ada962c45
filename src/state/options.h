// The program-wide values: the data directory and the three saved options.
#pragma once

#include "state/table.h"

#include <cstdint>
#include <string>

namespace tapwell {

struct Module1 {
    std::string AppPath;                   // the data directory, with a trailing separator
    Table1<std::int16_t, 0, 3> RowSetting; // "Home Row", "Top Row", "Bottom Row", "Number Row"
    std::int16_t UseShift = 0;             // "Use Shift?"
    std::int16_t KeySound = 0;             // "Key Sound?"; any value but 0 counts as checked

    // The full name of a data file. It does not check that the file exists.
    std::string AppFile(const std::string& name) const { return AppPath + name; }
};

} // namespace tapwell
