// Between the program and "My Progress". The window lives in a library of its own
// (tapwell-progress.so), loaded the first time a child opens it: it brings Qt Charts, and
// a child who never looks at the charts should not wait for them at every start.
//
// The library finds the program's own code (the keyboard, the store, the dialogs) in the
// program itself, which exports it; the program reaches the window only through the
// virtual calls below and the one factory function, so nothing of the window is needed
// to start.
#pragma once

#include "progress/store.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace tapwell {

class ChildChooser;
struct KeyTables;

// What the window needs of the program.
struct ProgressHost {
    progress::Store* store = nullptr;
    const KeyTables* keys = nullptr; // the main window's key data, for the trouble map
    // Adds, renames and removes children as "Who is typing?" does; it tells the program
    // of every change through its onChanged.
    ChildChooser* chooser = nullptr;
    // The children as the program knows them now.
    std::function<QList<progress::Child>()> children;
    // "Save as CSV…": the export `tapwell --export-progress` writes; false with a reason.
    std::function<bool(const QString& file, QString& error)> saveCsv;
};

// What the program asks of the window.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual QWidget* widget() = 0;
    // Shows the window (raised, active) with this child's progress.
    virtual void showChild(const progress::Child& child) = 0;
    // The children changed somewhere else: the list follows, and a child removed there
    // is no longer shown.
    virtual void childrenChanged() = 0;
};

// The library's one entry point: a new window, owned by the caller.
using MakeProgressView = ProgressView* (*)(const ProgressHost& host);
inline constexpr const char* kMakeProgressViewSymbol = "tapwellMakeProgressView";

// Loads the library and makes the window; null with a reason in words when the library
// is missing or is not ours. Looked for beside the program (the build tree), then in
// ../lib/tapwell (installed), unless path names the library.
ProgressView* loadProgressView(const ProgressHost& host, QString& error, const QString& path = {});

} // namespace tapwell
