// Building a keyboard layout: the first one of a process (which makes the XKB context and
// reads the composing rules), then each layout again by its names, the X server's keymap
// (over a connection of the caller's, and over one of its own), key.dat's US keyboard, and
// the registry's list for a chooser. Goal: a layout in 10 ms or less.
// Prints "name<TAB>value" lines for bench/run.sh.
// Usage: tapwell_layoutbuild KEY.DAT [--runs N]
// The X server rows need $DISPLAY (bench/run.sh starts its own).
#include "i18n/translation.h"
#include "io/wordlist.h"
#include "layout/keydatlayout.h"
#include "layout/layoutkeys.h"
#include "layout/registry.h"
#include "layout/xkblayout.h"
#include "state/keytables.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using namespace tapwell;
using namespace tapwell::layout;

namespace {

double msOf(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

// The median and the worst of `runs` timings of f; false when f failed once.
bool measure(const char* name, int runs, const std::function<bool()>& f) {
    std::vector<double> ms;
    bool ok = true;
    for (int i = 0; i < runs && ok; ++i)
        ms.push_back(msOf([&] { ok = f(); }));
    if (!ok) {
        std::fprintf(stderr, "%s: failed\n", name);
        return false;
    }
    std::printf("%s median ms\t%.2f\n", name, percentile(ms, 0.5));
    std::printf("%s max ms\t%.2f\n", name, percentile(ms, 1.0));
    return true;
}

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s KEY.DAT [--runs N]\n", argv[0]);
        return 2;
    }
    int runs = 50;
    for (int i = 2; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
    int status = 0;

    std::string why;
    double firstMs = msOf([&] {
        if (!layoutFromNames(LayoutName{"us", {}}, &why)) status = 1;
    });
    if (status != 0) {
        std::fprintf(stderr, "us: %s\n", why.c_str());
        return 1;
    }
    std::printf("first layout of a process (XKB context, composing rules) ms\t%.2f\n", firstMs);

    for (const char* name : {"us", "de", "fr", "ru", "us(dvorak)"}) {
        const std::string label = std::string("layout ") + name;
        if (!measure(label.c_str(), runs,
                     [name] { return layoutFromNames(LayoutName::parse(name)).has_value(); }))
            status = 1;
    }

    // What the typing path looks up, made from a layout: plain and Shift, and with the
    // accents and AltGr a child may ask for.
    if (const auto de = layoutFromNames(LayoutName{"de", {}})) {
        if (!measure("keys of de", runs, [&] { return layoutKeysOf(*de) != nullptr; }) ||
            !measure("keys of de with accents and AltGr", runs,
                     [&] { return layoutKeysOf(*de, true) != nullptr; }))
            status = 1;
    }

    // The Word Drill's words of a language, read after the main window's first paint.
    {
        std::string dat = argv[1];
        const std::size_t slash = dat.find_last_of('/');
        std::ifstream words(
            (slash == std::string::npos ? std::string() : dat.substr(0, slash + 1)) +
                "words/de.txt",
            std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(words)),
                               std::istreambuf_iterator<char>());
        if (!measure("words of de read", runs,
                     [&] { return !readWordList(text, "de").words.empty(); }))
            status = 1;
    }

    // A child's language: our texts and Qt's installed, as at start-up, and English again.
    {
        QCoreApplication app(argc, argv);
        if (!measure("texts of de installed and removed", runs, [] {
                return useLanguage(QStringLiteral("de")) && useLanguage(QStringLiteral("en"));
            }))
            status = 1;
    }

    std::ifstream in(argv[1], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto tables = std::make_unique<KeyTables>();
    KeyDataError error;
    if (!readKeyData(bytes, *tables, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.message().c_str());
        status = 1;
    } else if (!measure("layout from key.dat's tables", runs,
                        [&] { return layoutFromKeyTables(*tables).has_value(); })) {
        status = 1;
    }

    if (std::getenv("DISPLAY")) {
        std::unique_ptr<xcb_connection_t, Disconnect> c(xcb_connect(nullptr, nullptr));
        if (xcb_connection_has_error(c.get())) {
            std::fprintf(stderr, "no X server at %s\n", std::getenv("DISPLAY"));
            status = 1;
        } else {
            const auto l = layoutFromX11(c.get(), &why);
            if (l) std::printf("X server's layout\t%s\n", l->name().text().c_str());
            if (!measure("layout from the X server", runs,
                         [&] { return layoutFromX11(c.get()).has_value(); }) ||
                !measure("layout from the X server, own connection", runs,
                         [] { return layoutFromX11().has_value(); }))
                status = 1;
        }
    } else {
        std::fprintf(stderr, "no DISPLAY: the X server rows are left out\n");
        status = 1;
    }

    std::size_t entries = 0;
    if (!measure("registry list", std::min(runs, 10), [&] {
            entries = registryEntries(&why).size();
            return entries > 0;
        }))
        status = 1;
    std::printf("registry entries\t%zu\n", entries);
    return status;
}
