// Between the program and "My Progress". The window is a Qt plug-in of its own
// (tapwell-progress.so), loaded the first time a child opens it: it brings Qt Charts, and
// a child who never looks at the charts should not wait for them at every start.
//
// The plug-in and the program share our own code (the keyboard, the store, the dialogs)
// through the shared library libtapwell-private.so; the program reaches the window only
// through the virtual calls below and the plug-in's factory, so nothing of the window is
// needed to start.
#pragma once

#include "progress/advice.h"
#include "progress/childrenservice.h"
#include "progress/store.h"

#include <QList>
#include <QString>
#include <QtPlugin>

#include <functional>

class QWidget;

namespace tapwell {

struct KeyTables;

// What the window needs of the program.
struct ProgressHost {
    progress::Store* store = nullptr;
    // In a classroom, the school's server (a libpq connection string), which the window
    // reads each child's record from; empty at home.
    QString server;
    // A teacher's: the children of their classes, listed in "Progress of" in place of this
    // computer's (and not added, renamed or removed there).
    std::function<QList<progress::Child>()> classChildren;
    const KeyTables* keys = nullptr; // the main window's key data, for the trouble map
    // The children: added, renamed and removed through it, as "Who is typing?" does; it
    // tells the program of every change.
    progress::ChildrenService* children = nullptr;
    // "Save as CSV…": the export `tapwell --export-progress` writes; false with a reason.
    std::function<bool(const QString& file, QString& error)> saveCsv;
    // The suggestion's button: starts it in the main window and brings that forward;
    // false when the main window is busy with something else.
    std::function<bool(const progress::Suggestion& what)> start;
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

// The plug-in's one entry point: a new window, owned by the caller.
class ProgressPlugin {
public:
    virtual ~ProgressPlugin() = default;
    virtual ProgressView* makeView(const ProgressHost& host) = 0;
};

} // namespace tapwell

#define TapwellProgressPlugin_iid "org.tapwell.ProgressPlugin/3"
Q_DECLARE_INTERFACE(tapwell::ProgressPlugin, TapwellProgressPlugin_iid)
