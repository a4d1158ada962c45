// The start-up window: our logo, a few words about the program, OK and the web site.
#pragma once

#include <QWidget>

#include <functional>

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

    std::function<void()> onOk;    // hide this window, show the main window
    std::function<bool()> onClose; // true when closing should end the program

    ImageBox* Image1;
    SSPanel* SSPanel1;
    QPushButton* Command1;
    QPushButton* Command2;

    // The window's size at its layout's own scale; it is never made smaller.
    static QSize laidOutSize();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent*) override;
};

} // namespace tapwell
