// The program: its two windows, the help viewer, the services and the saved options;
// the progress record, the child who is typing, and the windows that choose them.
#pragma once

#include "frmabout.h"
#include "helpviewer.h"
#include "progress/recorder.h"
#include "progress/sender.h"
#include "progress/store.h"
#include "progresswindow/progressplugin.h"
#include "services/services.h"
#include "services/soundservice.h"
#include "state/options.h"
#include "ui/childframe.h"
#include "ui/classwindow.h"
#include "ui/frmtype.h"
#include "ui/keyboardchooser.h"
#include "ui/whoistyping.h"

#include <QCoreApplication>
#include <QPointer>

#include <functional>
#include <memory>

namespace tapwell {

class App final : public ShellActions {
public:
    // storePath: the progress record's file; the account's own unless a test gives one.
    explicit App(const QString& storePath = progress::defaultStorePath());
    ~App() override;

    // Shows the start-up window and runs until Exit; returns the exit status.
    int run();

    void showAbout() override;
    void showHelp() override;
    void exitProgram() override;

    FrmAbout* about() const { return about_.get(); }
    FrmType* main() const { return main_.get(); }
    HelpViewer* help() const { return help_.get(); }
    Module1& globals() { return g_; }

    // "&OK" on the start-up window: the main window, loaded the first time. With two
    // or more children, "Who is typing?" is asked first.
    void aboutOk();
    void openMain();
    // Builds the main window's controls ahead, unshown, while the start-up window is
    // read (run() calls it once that window is drawn), after opening the record: OK then
    // only loads and shows the window. main() stays empty until then.
    void prepareMain();

    // The record and who is typing: every line recorded is this child's.
    progress::Store& store() {
        openRecord();
        return *store_;
    }
    progress::Recorder& recorder() {
        openRecord();
        return *recorder_;
    }
    const QList<progress::Child>& children() {
        openRecord();
        return children_;
    }
    const progress::Child& child() {
        openRecord();
        return child_;
    }
    void setChild(const progress::Child& child);
    // Why progress is not being saved, as the parent is told; empty while it is.
    QString storeProblem() {
        openRecord();
        return problem_;
    }

    ChildChooser* chooser() const { return chooser_.get(); }
    ChildFrame* childFrame() const { return childFrame_; }
    ProgressSummary* summary() const { return summary_.get(); }
    // "My Progress", once it has been opened; the small summary stands in for it only
    // when its library cannot be loaded.
    ProgressView* progressWindow() const { return progress_.get(); }
    // Where the progress window's library is; found beside the program unless set.
    QString progressLibrary;
    // Where the sound's library is, for tests; empty: beside the program.
    QString soundLibrary;
    QString speechLibrary;
    // "Who is typing?", from the start-up window or from the menu screen.
    void askWhoIsTyping(bool fromAbout);
    void showProgress();
    // "Keyboard": the layout the child types on, kept in their record.
    void chooseKeyboard();
    // The child's language, else the desktop's: its texts and its words.
    void useChildsLanguage();
    // My Progress's suggestion, started in the main window; false when it is busy.
    bool startSuggestion(const progress::Suggestion& what);

    // Ends the event loop with a status; a test that runs no loop records the status.
    std::function<void(int)> endProgram = [](int status) { QCoreApplication::exit(status); };

private:
    void fail(const QString& title, const QString& text);
    // Loads the sound's library for the main window; once.
    void loadSound();
    std::unique_ptr<FrmType> makeMain();
    // Opens the progress record and sets the child typing; once, on first need.
    void openRecord();
    void storeFailed(const QString& problem);
    void storeRecovered();
    void childrenChanged(const QList<progress::Child>& children);
    ChildChooser& madeChooser(); // made the first time it is needed
    // What the record says of each key of the child typing, for Tricky Keys.
    TrickyRecord trickyRecord();

    Module1 g_;
    SteadyClock clock_;
    SeededRandom random_{0};
    LateSound sound_; // the main window's, loaded once it shows
    LateVoice voice_; // Tapwell's own voice, loaded the first time a child wants it
    // Whether Tapwell talks now: the child wants it, and no screen reader talks already
    // unless the child ticked "Talk to me" while it runs.
    bool talking() const;
    // The voice to the typing path when the child talks, in the language in use; the box.
    void followTalk();
    void loadVoice();
    void sayOnAbout();          // "Let's type!" for the About window's OK
    bool screenReader_ = false; // a screen reader (an accessibility client) is active
    bool talkTicked_ = false;   // ticked in this run, by the child typing now
    bool voiceTried_ = false;
    SleepingPause pause_{clock_};
    std::unique_ptr<FrmAbout> about_;
    std::unique_ptr<FrmType> main_;
    std::unique_ptr<FrmType> preparedMain_; // built by prepareMain(), for openMain()
    std::unique_ptr<HelpViewer> help_;
    QString storePath_;
    std::unique_ptr<progress::Store> store_;
    std::unique_ptr<progress::Recorder> recorder_;
    std::unique_ptr<progress::ChildrenService> childrenService_;
    QPointer<KeyboardChooser> keyboardChooser_; // the main window's
    QList<progress::Child> children_;
    progress::Child child_;
    QString problem_;
    std::unique_ptr<ChildChooser> chooser_;
    std::unique_ptr<ProgressSummary> summary_;
    std::unique_ptr<ProgressView> progress_;
    ChildFrame* childFrame_ = nullptr; // the main window's
    bool chooserFromAbout_ = false;
    bool storeFailed_ = false;
    // A classroom: the school's server of the system-wide configuration, the account's
    // login (the child typing), and the sender that takes lines there.
    QString server_;
    QString login_;
    std::unique_ptr<progress::Sender> sender_;
    QString sendNote_;                     // the menu's note while lines wait on this computer
    QList<progress::Child> classChildren_; // a teacher's, with the server's ids negated
    void showNote();
    void openClassroom();
    void openClass(); // a teacher's class window
    std::unique_ptr<ClassWindow> classWindow_;
    QList<progress::Child> onlyTheAccount(const QList<progress::Child>& children) const;
    bool ended_ = false;
    // Last: made once all else is, gone before anything it tells.
    class ScreenReaderWatch;
    std::unique_ptr<ScreenReaderWatch> readerWatch_;
};

} // namespace tapwell
