// The main window under test: real controls on the offscreen platform, with a clock,
// sound and pause that the test controls, and the shipped key data.
#pragma once

#include "services/services.h"
#include "state/options.h"
#include "support/fakes.h"
#include "ui/frmtype.h"

#include <QString>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace tapwell::test {

struct FakeShell : ShellActions {
    int about = 0, help = 0, exits = 0;
    void showAbout() override { ++about; }
    void showHelp() override { ++help; }
    void exitProgram() override { ++exits; }
};

// Closes every message box that opens while it lives, remembering the last one.
struct BoxCloser {
    QString title, text;
    int boxes = 0;
    QTimer timer;
    BoxCloser();
};

// The data directory of the source tree, with its trailing separator. Tests only read
// it: one that changes a data file works on a copy.
std::string dataDir();

class Fixture {
public:
    // settings: the settings line the program starts with.
    explicit Fixture(const std::string& settings = "1,0,0,0,0,1", std::uint32_t seed = 7);
    ~Fixture();

    FrmType& w() { return *window; }

    // Types one character code on the keyboard, into whatever has the focus.
    void type(int code);
    void typeText(const QString& text);
    // Clicks a button with the mouse.
    static void click(QWidget* button);

    // The on-screen keys that are marked yellow, by index.
    std::vector<int> markedKeys() const;
    // The names of the pictures the two hands show ("finger_05", ...).
    QString leftHand() const;
    QString rightHand() const;
    // What the text display reads, line by line.
    QStringList display() const;

    Module1 g;
    FakeClock clock;
    SeededRandom random{7};
    FakeSound sound;
    InstantPause pause{clock};
    FakeShell shell;
    std::unique_ptr<FrmType> window;
};

} // namespace tapwell::test
