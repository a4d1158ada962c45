#include "frmabout.h"

#include "ui/controls.h"
#include "ui/palette.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

namespace tapwell {

namespace {
const char* const kAboutText = QT_TRANSLATE_NOOP(
    "tapwell::FrmAbout",
    "Tapwell is our gift to you: it is free, now and always. We hope you enjoy learning "
    "to type with it, and that you share it with your friends and family. Visit our web "
    "site for more programs for children and for tutorials on programming. Try Sum Safari "
    "for number games and Word Garden for spelling, too!");
} // namespace

FrmAbout::FrmAbout() : QWidget(nullptr) {
    // The layout scales with the window, from its own size up.
    resize(laidOutSize());
    setMinimumSize(laidOutSize());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kLightOrange);
    pal.setColor(QPalette::WindowText, kYellow);
    setPalette(pal);
    setAutoFillBackground(true);

    Image1 = new ImageBox(this, false);
    place(Image1, 120, 120, 2700, 3000);
    Image1->setPicture(Pictures::get().logo);

    SSPanel1 = new SSPanel(this);
    SSPanel1->setBackColor(kMaroon);
    QPalette panel = SSPanel1->palette();
    panel.setColor(QPalette::WindowText, kYellow);
    SSPanel1->setPalette(panel);
    SSPanel1->setFont(layoutFont(QStringLiteral("Comic Sans MS"), 9.75, false, true));
    place(SSPanel1, 2880, 120, 4095, 2175);

    const QFont buttonFont = layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    Command1 = makeButton(this, QString(), buttonFont);
    place(Command1, 4440, 2520, 975, 495);
    Command2 = makeButton(this, QString(), buttonFont);
    place(Command2, 120, 3180, 2715, 315);
    setTabOrder(Command1, Command2);
    Command1->setFocus();
    retranslate();

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this,
            [this] { isFullScreen() ? showNormal() : showFullScreen(); });
}

void FrmAbout::retranslate() {
    setWindowTitle(tr("About Tapwell"));
    SSPanel1->setCaption(tr(kAboutText));
    //: A button: on to the program.
    Command1->setText(tr("&OK"));
    Command2->setText(tr("&Visit Brightnook's Web Site"));
}

void FrmAbout::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(e);
}

QSize FrmAbout::laidOutSize() {
    return {px(7035), px(3585)};
}

void FrmAbout::resizeEvent(QResizeEvent*) {
    scaleLayout(this, laidOutSize());
}

void FrmAbout::Form_Load() {
    centreOnScreen(this);
}

void FrmAbout::Command1_Click() {
    hide();
    emit okClicked();
}

void FrmAbout::Command2_Click() {
    // Whether a browser opened is the desktop's business; the call itself cannot fail
    // here, so there is nothing to report.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePage)));
}

void FrmAbout::closeEvent(QCloseEvent* e) {
    if (closingEnds_) {
        e->accept();
        emit closedForGood();
    } else {
        e->ignore();
        hide();
    }
}

} // namespace tapwell
