// The main window: the on-screen keyboard with its hands, the menu, the option frame,
// the text display and the results. It has the typing core, which owns the typing state
// and decides every step of the typing path; the window shows what the core decides and
// hands it what the child does. Its procedures live beside it in src/ui:
//   frmtype.cpp          the layout of the controls, their signals, Tab and Ctrl+Tab
//   frmtype_shell.cpp    start-up, Info, Help, Exit
//   frmtype_menu.cpp     the mode menu and the option boxes
//   frmtype_drills.cpp   the keystrokes, OK, Stop and the Timed Drill box
//   frmtype_lessons.cpp  the Learn Keyboard pages and the key warning
//   frmtype_view.cpp     what the typing core shows through the window
#pragma once

#include "controls.h"
#include "core/typingcore.h"
#include "keyboardwidget.h"
#include "services/services.h"
#include "state/options.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tapwell {

struct Pictures;

// What the main window asks of the program around it.
class ShellActions {
public:
    virtual ~ShellActions() = default;
    virtual void showAbout() = 0;
    virtual void showHelp() = 0;
    virtual void exitProgram() = 0;
};

struct Services {
    Clock* clock = nullptr;
    SeededRandom* random = nullptr;
    Sound* sound = nullptr;
    Pause* pause = nullptr;
    EventSink* events = nullptr; // none: what happens is not reported
};

// The display as the typing core prints on it.
class PictureDisplay final : public TextDisplay {
public:
    explicit PictureDisplay(PictureBox* box) : box_(box) {}
    void Cls() override;
    void Print(const std::string& text, bool endLine) override;
    void Refresh() override;
    double currentX() const override;
    void setCurrentX(double x) override;
    double currentY() const override;
    void setCurrentY(double y) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight(const std::string& text) const override;
    int WidthTw() const override;
    bool isShown() const override;

private:
    PictureBox* box_;
};

// The window's controls, named as in our layout tables. The window's own procedures, and
// what sets it up for the screen reader, reach them; tests reach them through
// controlsOf().
struct MainControls {
    Frame* fraHelp = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<SSCommand*, 4> cmdHelp{};
    QPushButton* cmdExit = nullptr;
    Frame* fraMenu = nullptr;
    std::array<QPushButton*, 5> cmdMenu{};
    OnScreenKeyboard* picKeys = nullptr;
    SSPanel* pnlSpace = nullptr;
    Table1<SSCommand*, 52, 103> cmdKey; // 100 and up: see kIsoLeftKey, kAltGrKey
    std::array<ImageBox*, 14> imgFinger{};
    std::array<ImageBox*, 2> imgHand{};
    ImageBox* imgBack = nullptr;
    ImageBox* imgArrow = nullptr;
    Frame* fraDrill = nullptr;
    std::array<QCheckBox*, 4> chkRow{};
    LineBox* Line1 = nullptr;
    QCheckBox* chkUC = nullptr;
    QCheckBox* chkSound = nullptr;
    std::array<SSCommand*, 3> cmdStop{};
    Frame* fraTime = nullptr;
    Frame* fraLearn = nullptr;
    std::array<QPushButton*, 5> cmdLearn{};
    ShapeBox* shpLearn = nullptr;
    PictureBox* picDisplay = nullptr;
    ShapeBox* shpChar = nullptr;
    TextBox* txtTime = nullptr;
    Frame* fraSpeed = nullptr;
    QLabel* lblSpeed = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdOKPractice = nullptr;
    std::array<QLabel*, 2> lblNext{};
    std::array<SSCommand*, 2> cmdNext{};
    ImageBox* imgKeyboard = nullptr;
};

class FrmType : public QWidget, private MainControls, private TypingView {
    Q_OBJECT
public:
    FrmType(Module1& globals, Services services, ShellActions* shell);
    ~FrmType() override;

    // Start-up: seeds the generator, restores the options, loads key.dat from the data
    // directory and builds the tables. On a fault returns false with a message that
    // names the file and the fault; the window must then not be shown.
    // Where the keyboard layout in use comes from: its keys, or null for key.dat's US
    // keyboard. Asked as each activity, line, practice and lesson page starts.
    void setKeyboardSource(std::function<std::shared_ptr<const LayoutKeys>()> source) {
        keyboardSource_ = std::move(source);
    }
    // Takes the layout in use now: the tables the typing path reads and the captions.
    void followKeyboard();
    // The child's language ("de"): the Word Drill's words from words/<language>.txt in
    // the data directory; key.dat's where it cannot be read.
    void setLanguage(const QString& language);
    bool Form_Load(std::string& error);

    // --- start-up window, help and exit
    void Command1_Click();
    void cmdHelp_Click(int Index);
    void cmdExit_Click();

    // --- mode menu and options
    void cmdMenu_Click(int Index);
    // "Tricky Keys": the Character Drill's screen, its lines drawn from the child's record.
    void cmdTricky_Click();
    void chkRow_Click(int Index);
    void chkSound_Click();
    void chkUC_Click();

    // --- drills: every character typed in the display, on the on-screen keyboard or in
    // the window itself comes here
    void picDisplay_KeyPress(int KeyAscii);
    void cmdOK_Click();
    void cmdOKPractice_Click();
    void cmdStop_Click(int Index);
    // A key typed into the Timed Drill box; false when the box must not take it.
    bool txtTime_KeyPress(int KeyAscii);

    // --- lessons
    void cmdLearn_Click(int Index);
    void cmdNext_Click(int Index);
    void cmdKey_Click(int Index);

    // The window's background picture: the computer drawing on the menu screen.
    void setWindowPicture(const Picture& p);
    const Picture& windowPicture() const { return windowPicture_; }

    // The window's size at its layout's own scale; it is never made smaller.
    static QSize laidOutSize();
    // F11: full screen, or back to the size before it.
    void toggleFullScreen();

    // The boxes' states as the drills read them.
    RowChoice checkedRows() const;
    // Ticks the rows' boxes (kHomeRow...), as a click on each would; the others stay.
    void checkRows(const std::vector<int>& rows);
    // The frame of the menu, which the frame of who is typing comes and goes with.
    QWidget* menuFrame() const { return fraMenu; }

    // The typing state, read only: the core changes it.
    const TypeState& state() const { return core_->state(); }
    // What the guide shows on the keyboard, and the core that decides it.
    const GuideModel& guide() const { return core_->guide(); }
    TypingCore& core() { return *core_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    std::function<std::shared_ptr<const LayoutKeys>()> keyboardSource_;
    // The drill frame's caption as it stands in English (context "tapwell::FrmType").
    const char* drillCaption_ = nullptr;
    friend MainControls& controlsOf(FrmType& window);
    const MainControls& controlsOf(const FrmType& window);
    friend const MainControls& controlsOf(const FrmType& window);

    void createControls();
    // Every caption, label, box and button text the window sets, in the language now in use.
    void retranslate();
    void createKeyboard();
    void createFrames();
    void createDisplay();
    void connectControls();
    // Tab and Ctrl+Tab from the display or the Timed Drill box: true when the key moved
    // the focus, false when it is a key to type.
    bool tabKey(QWidget* from, const QKeyEvent* e);

    // what the typing core shows (frmtype_view.cpp)
    void placeArrow(int row) override;
    void showArrow(bool shown) override;
    void showCursor(int x, int y, int width, int height) override;
    void moveCursor(int x) override;
    void hideCursor() override;
    void showResult(const std::string& caption, int top) override;
    void hideResult() override;
    void showOk() override;
    void hideOk() override;
    void showOkPractice() override;
    void hideOkPractice() override;
    void showDisplay() override;
    void focusDisplay() override;
    void showHands(bool shown) override;
    void showLessonButtons() override;
    void hideLessonButtons() override;
    void enableLessonChoices(bool enabled) override;
    void startTimedBox() override;
    int timedTextLength() const override;
    void hideActivity() override;
    void backToLessonChoices() override;
    void backToMenu(int frame) override;

    void printLine(const std::string& text, bool endLine = true);
    void layoutResult(); // the results label for its text, at the window's scale

    Module1& g_;
    Services svc_;
    ShellActions* shell_;
    Picture windowPicture_;
    std::unique_ptr<PictureDisplay> display_;
    NoEvents noEvents_;
    std::unique_ptr<TypingCore> core_;
    int speedFontPx_ = 0; // the results label's size as laid out; a long result is set smaller
    // The result shown last, its text and its top in twips: laid out again at a new size.
    bool hasResult_ = false;
    QString resultText_;
    int resultTop_ = 0;
    bool maximizedBeforeFullScreen_ = false;
};

// The window's controls, for what sets the window up for the screen reader and for tests.
MainControls& controlsOf(FrmType& window);
const MainControls& controlsOf(const FrmType& window);

} // namespace tapwell
