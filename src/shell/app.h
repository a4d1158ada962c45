// The program: its two windows, the help viewer, the services and the saved options.
#pragma once

#include "frmabout.h"
#include "helpviewer.h"
#include "module1.h"
#include "qtsound.h"
#include "services.h"
#include "ui/frmtype.h"

#include <QCoreApplication>

#include <functional>
#include <memory>

namespace tapwell {

class App final : public ShellActions {
public:
    App();
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

    // "&OK" on the start-up window: the main window, loaded the first time.
    void openMain();

    // Ends the event loop with a status; a test that runs no loop records the status.
    std::function<void(int)> endProgram = [](int status) { QCoreApplication::exit(status); };

private:
    void fail(const QString& title, const QString& text);

    Module1 g_;
    SteadyClock clock_;
    SeededRandom random_{0};
    std::unique_ptr<QtSound> sound_;
    SleepingPause pause_{clock_};
    std::unique_ptr<FrmAbout> about_;
    std::unique_ptr<FrmType> main_;
    std::unique_ptr<HelpViewer> help_;
    bool ended_ = false;
};

} // namespace tapwell
