// The main window: the on-screen keyboard with its hands, the menu, the option frame,
// the text display and the results. Its procedures live by subsystem:
//   src/ui/frmtype.cpp          the layout of the controls
//   src/shell/frmtype_shell.cpp start-up, Info, Help, Exit
//   src/shell/menu.cpp          the mode menu and the option boxes
//   src/guide/guide.cpp         marking keys and lighting fingers
//   src/drills/drillwindow.cpp  drill lines, OK, Stop, results, the Timed Drill
//   src/drills/keystroke.cpp    the one keystroke handler
//   src/lessons/lessonwindow.cpp the Learn Keyboard pages and the key warning
//   src/lessons/fingerwindow.cpp the finger-by-finger key instructions
//   src/ui/frmtype_view.cpp     what the typing core shows through the window
// Every decision of the typing path is the core's (src/core/typingcore.h); these
// procedures call it and do what only widgets can.
#pragma once

#include "controls.h"
#include "core/typingcore.h"
#include "drills/drilltext.h"
#include "guide/guidemodel.h"
#include "guide/keyboardwidget.h"
#include "shell/module1.h"
#include "shell/services.h"
#include "state/typestate.h"

#include <QWidget>

#include <array>
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

class FrmType : public QWidget, public TypeState, private TypingView {
    Q_OBJECT
public:
    FrmType(Module1& globals, Services services, ShellActions* shell);

    // Start-up: seeds the generator, restores the options, loads key.dat from the data
    // directory and builds the tables. On a fault returns false with a message that
    // names the file and the fault; the window must then not be shown.
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

    // --- the finger and hand guide
    void ShowKey(int c);
    void ClearKey(int c);
    void ShowHomeKeys();
    void ClearHomeKeys();
    void ShowEnterKey();
    void ClearEnterKey();
    void ShowSpaceBar();
    void ClearSpaceBar();
    void ShowLeftShift();
    void ClearLeftShift();
    void ShowRightShift();
    void ClearRightShift();
    void ClearAllKeys();

    // --- drills
    void NewDrillLine();
    void PickPracticeFinger();
    void picDisplay_KeyPress(int KeyAscii);
    void Form_KeyPress(int KeyAscii);
    void picKeys_KeyPress(int KeyAscii);
    void cmdOK_Click();
    void cmdOKPractice_Click();
    void cmdStop_Click(int Index);
    void txtTime_KeyPress(int& KeyAscii);
    void HideLessonButtons();

    // --- lessons
    void cmdLearn_Click(int Index);
    void cmdNext_Click(int Index);
    void ShowLessonButtons();
    void cmdKey_Click(int Index);
    void ShowFingerKeys();

    // The window's background picture: the computer drawing on the menu screen.
    void setWindowPicture(const Picture& p);
    const Picture& windowPicture() const { return windowPicture_; }

    // The window's size at its layout's own scale; it is never made smaller.
    static QSize laidOutSize();
    // F11: full screen, or back to the size before it.
    void toggleFullScreen();

    // The boxes' states as the drills read them.
    RowChoice checkedRows() const;

    // What the guide shows on the keyboard, and the core that decides it.
    const GuideModel& guide() const { return guide_; }
    TypingCore& core() { return *core_; }

    // --- controls, named as in our layout tables
    Frame* fraHelp;
    QPushButton* Command1;
    std::array<SSCommand*, 4> cmdHelp{};
    QPushButton* cmdExit;
    Frame* fraMenu;
    std::array<QPushButton*, 5> cmdMenu{};
    OnScreenKeyboard* picKeys;
    SSPanel* pnlSpace;
    Table1<SSCommand*, 52, 99> cmdKey;
    std::array<ImageBox*, 14> imgFinger{};
    std::array<ImageBox*, 2> imgHand{};
    ImageBox* imgBack;
    ImageBox* imgArrow;
    Frame* fraDrill;
    std::array<QCheckBox*, 4> chkRow{};
    LineBox* Line1;
    QCheckBox* chkUC;
    QCheckBox* chkSound;
    std::array<SSCommand*, 3> cmdStop{};
    Frame* fraTime;
    Frame* fraLearn;
    std::array<QPushButton*, 5> cmdLearn{};
    ShapeBox* shpLearn;
    PictureBox* picDisplay;
    ShapeBox* shpChar;
    TextBox* txtTime;
    Frame* fraSpeed;
    QLabel* lblSpeed;
    QPushButton* cmdOK;
    QPushButton* cmdOKPractice;
    std::array<QLabel*, 2> lblNext{};
    std::array<SSCommand*, 2> cmdNext{};
    ImageBox* imgKeyboard;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void createControls();
    void createKeyboard();
    void createFrames();
    void createDisplay();
    void connectControls();

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
    void showLessonButtons() override { ShowLessonButtons(); }
    void hideLessonButtons() override { HideLessonButtons(); }
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
    GuideModel guide_{static_cast<TypeState&>(*this)};
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

} // namespace tapwell
