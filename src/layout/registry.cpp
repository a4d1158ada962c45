#include "registry.h"

#include "xkbshared.h"

#include <xkbcommon/xkbregistry.h>

#include <algorithm>
#include <cstdarg>
#include <memory>

namespace tapwell::layout {

namespace {

struct RegistryUnref {
    void operator()(rxkb_context* c) const { rxkb_context_unref(c); }
};

// The registry's first message, kept for the reason of a failure instead of printed.
void keepMessage(rxkb_context*, rxkb_log_level, const char* format, va_list args) {
    xkb::keepFirstMessage(format, args);
}

std::string folded(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return out;
}

} // namespace

std::vector<RegistryEntry> registryEntries(std::string* why) {
    xkb::clearMessages();
    std::unique_ptr<rxkb_context, RegistryUnref> ctx(rxkb_context_new(RXKB_CONTEXT_NO_FLAGS));
    if (!ctx) {
        if (why) *why = "the keyboard registry cannot be opened";
        return {};
    }
    rxkb_context_set_log_level(ctx.get(), RXKB_LOG_LEVEL_ERROR);
    rxkb_context_set_log_fn(ctx.get(), keepMessage);
    if (!rxkb_context_parse_default_ruleset(ctx.get())) {
        if (why)
            *why = "the keyboard registry (evdev.xml) cannot be read" +
                   (xkb::lastMessage().empty() ? std::string() : ": " + xkb::lastMessage());
        return {};
    }
    std::vector<RegistryEntry> entries;
    for (rxkb_layout* l = rxkb_layout_first(ctx.get()); l; l = rxkb_layout_next(l)) {
        const char* name = rxkb_layout_get_name(l);
        if (!name) continue;
        const char* variant = rxkb_layout_get_variant(l);
        const char* description = rxkb_layout_get_description(l);
        const char* brief = rxkb_layout_get_brief(l);
        entries.push_back(
            {{name, variant ? variant : ""}, description ? description : name, brief ? brief : ""});
    }
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        keys.emplace_back(folded(entries[i].description), i);
    std::stable_sort(keys.begin(), keys.end());
    std::vector<RegistryEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto& [key, i] : keys)
        sorted.push_back(std::move(entries[i]));
    return sorted;
}

std::optional<std::size_t> findEntry(const std::vector<RegistryEntry>& entries,
                                     const LayoutName& name) {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const RegistryEntry& e) { return e.name == name; });
    if (it == entries.end()) return std::nullopt;
    return static_cast<std::size_t>(it - entries.begin());
}

std::optional<std::size_t> findEntryByDescription(const std::vector<RegistryEntry>& entries,
                                                  const std::string& description) {
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const RegistryEntry& e) {
        return e.description == description;
    });
    if (it == entries.end()) return std::nullopt;
    return static_cast<std::size_t>(it - entries.begin());
}

} // namespace tapwell::layout
