// Every layout and variant the desktop knows, with the description a person chooses by
// ("German (no dead keys)"), from XKB's registry.
#pragma once

#include "layout.h"

#include <optional>
#include <string>
#include <vector>

namespace tapwell::layout {

struct RegistryEntry {
    LayoutName name;
    std::string description;
    std::string brief; // the short label some desktops show, "de"; may be empty
};

// The layouts and their variants, sorted by description (letters compared without
// regard to case, so "English (US)" and "English (us, intl.)" stand together). Empty, and
// why, when the registry cannot be read.
std::vector<RegistryEntry> registryEntries(std::string* why = nullptr);

// The place of `name` in entries, for showing the layout in use first; nothing when it is
// not there.
std::optional<std::size_t> findEntry(const std::vector<RegistryEntry>& entries,
                                     const LayoutName& name);
// The same by description, for a keymap whose names are not known (the X server's
// keymap names its groups by description).
std::optional<std::size_t> findEntryByDescription(const std::vector<RegistryEntry>& entries,
                                                  const std::string& description);

} // namespace tapwell::layout
