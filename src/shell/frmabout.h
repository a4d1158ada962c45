// The start-up window: our logo, a few words about the program, OK and the web site.
#pragma once

#include <QWidget>

class QPushButton;

namespace tapwell {

class ImageBox;
class SSPanel;

inline constexpr const char* kHomePage = "https://brightnook.example/";

class FrmAbout : public QWidget {
    Q_OBJECT
public:
    FrmAbout();

    // Centres the window; the program's start-up then reads the settings.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    // Closing the window ends the program until the main window has opened; afterwards
    // closing only hides it.
    void setClosingEndsProgram(bool ends) { closingEnds_ = ends; }

signals:
    void okClicked();     // the window is hidden: show the main window
    void closedForGood(); // closed while closing ends the program

public:
    ImageBox* Image1;
    SSPanel* SSPanel1;
    QPushButton* Command1;
    QPushButton* Command2;

    // The window's size at its layout's own scale; it is never made smaller.
    static QSize laidOutSize();

private:
    // Every caption, in the language in use.
    void retranslate();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    bool closingEnds_ = true;
};

} // namespace tapwell
