// The main window's controls, laid out in twips from the top left of their parent.
#include "frmtype.h"

#include "accessibility.h"
#include "drills/results.h"
#include "palette.h"
#include "pictures.h"
#include "twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace tapwell {

FrmType::FrmType(Module1& globals, Services services, ShellActions* shell)
    : QWidget(nullptr), g_(globals), svc_(services), shell_(shell) {
    setWindowTitle(QStringLiteral("Tapwell"));
    // The layout scales with the window, from its own size up.
    resize(laidOutSize());
    setMinimumSize(laidOutSize());
    createControls();
    retranslate();
    connectControls();
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, [this] { toggleFullScreen(); });
    display_ = std::make_unique<PictureDisplay>(picDisplay);
    core_ = std::make_unique<TypingCore>(
        g_, *display_, static_cast<TypingView&>(*this),
        CoreServices{*svc_.clock, *svc_.random, *svc_.sound, *svc_.pause,
                     svc_.events ? *svc_.events : static_cast<EventSink&>(noEvents_)});
    core_->guide().setView(picKeys);
    setUpAccessibility(*this, core_->guide()); // tells picKeys first, then the screen reader
}

FrmType::~FrmType() = default;

MainControls& controlsOf(FrmType& window) {
    return window;
}

const MainControls& controlsOf(const FrmType& window) {
    return window;
}

void FrmType::createControls() {
    const QFont sansBold825 = layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    const Pictures& pics = Pictures::get();

    // The blue band behind the left-hand frames lies beneath everything.
    shpLearn = new ShapeBox(this, kBlack, 5, kBlue);
    place(shpLearn, 0, 3600, 2775, 3015);

    fraHelp = new Frame(this, kPink, kBlack);
    place(fraHelp, 2400, 4440, 3015, 735);
    Command1 = makeButton(fraHelp, QString(), sansBold825);
    place(Command1, 120, 240, 855, 375);
    cmdHelp[0] = new SSCommand(fraHelp);
    cmdHelp[0]->setFont(sansBold825);
    place(cmdHelp[0], 1080, 240, 855, 375);
    cmdExit = makeButton(fraHelp, QString(), sansBold825);
    place(cmdExit, 2040, 240, 855, 375);

    fraMenu = new Frame(this, QColor(255, 0, 0), kYellow);
    fraMenu->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 12, true));
    place(fraMenu, 3000, 480, 3375, 2775);
    for (int i = 0; i < 5; ++i) {
        cmdMenu[static_cast<std::size_t>(i)] =
            makeButton(fraMenu, QString(), layoutFont(QStringLiteral("MS Sans Serif"), 9.75, true));
        place(cmdMenu[static_cast<std::size_t>(i)], 360, 360 + 480 * i, 2655, 375);
    }

    createKeyboard();
    createFrames();
    createDisplay();

    imgKeyboard = new ImageBox(this, true);
    place(imgKeyboard, 9120, 3360, 375, 375);
    imgKeyboard->setPicture(pics.computer);
    imgKeyboard->hide();
}

void FrmType::retranslate() {
    //: A button of the start screen: about Tapwell.
    Command1->setText(tr("Info?"));
    for (SSCommand* help : cmdHelp)
        //: A button: the help of the screen it is on; & marks the letter of Alt+letter.
        help->setText(tr("&Help"));
    //: A button of the start screen; & marks the letter of Alt+letter.
    cmdExit->setText(tr("E&xit"));
    //: The frame of the start screen's menu.
    fraMenu->setCaption(tr("Choices"));
    // Each with a letter of its own on this screen (Alt+C, T, P, H and X are the frames').
    const char* const menu[] = {
        //: A menu button; & marks the letter of Alt+letter, one of its own on the menu.
        QT_TR_NOOP("&Learn Keyboard"),
        //: A menu button; & marks the letter of Alt+letter, one of its own on the menu.
        QT_TR_NOOP("&Keyboard Practice"),
        //: A menu button; & marks the letter of Alt+letter, one of its own on the menu.
        QT_TR_NOOP("Cha&racter Drill"),
        //: A menu button; & marks the letter of Alt+letter, one of its own on the menu.
        QT_TR_NOOP("&Word Drill"),
        //: A menu button; & marks the letter of Alt+letter, one of its own on the menu.
        QT_TR_NOOP("Ti&med Drill")};
    for (std::size_t i = 0; i < cmdMenu.size(); ++i)
        cmdMenu[i]->setText(tr(menu[i]));
    for (SSCommand* stop : cmdStop) {
        //: The Stop button (a picture) of a drill or a lesson, as a screen reader says it.
        stop->setAccessibleName(tr("Stop"));
        //: The Stop button's tooltip.
        stop->setToolTip(tr("Stop"));
    }
    if (drillCaption_) fraDrill->setCaption(tr(drillCaption_));
    const char* const rows[] = {//: A check box: the drills use this row's keys.
                                QT_TR_NOOP("Home Row"),
                                //: A check box: the drills use this row's keys.
                                QT_TR_NOOP("Top Row"),
                                //: A check box: the drills use this row's keys.
                                QT_TR_NOOP("Bottom Row"),
                                //: A check box: the drills use this row's keys.
                                QT_TR_NOOP("Number Row")};
    for (std::size_t i = 0; i < chkRow.size(); ++i)
        chkRow[i]->setText(tr(rows[i]));
    //: A check box: the drills ask for shifted characters too.
    chkUC->setText(tr("Use Shift?"));
    //: A check box: a sound with every key.
    chkSound->setText(tr("Key Sound?"));
    //: The frame of the Timed Drill's buttons.
    fraTime->setCaption(tr("Timed Drill"));
    //: The frame of the lessons' buttons.
    fraLearn->setCaption(tr("Learn Keyboard"));
    // Alt+O is the lesson's OK, beside them.
    const char* const lessons[] = {
        //: A lesson's button; & marks the letter of Alt+letter (Alt+O is the OK beside them).
        QT_TR_NOOP("&Keyboard Layout"),
        //: A lesson's button; & marks the letter of Alt+letter (Alt+O is the OK beside them).
        QT_TR_NOOP("Ho&me Row"),
        //: A lesson's button; & marks the letter of Alt+letter (Alt+O is the OK beside them).
        QT_TR_NOOP("Top &Row"),
        //: A lesson's button; & marks the letter of Alt+letter (Alt+O is the OK beside them).
        QT_TR_NOOP("&Bottom Row"),
        //: A lesson's button; & marks the letter of Alt+letter (Alt+O is the OK beside them).
        QT_TR_NOOP("&Number Row")};
    for (std::size_t i = 0; i < cmdLearn.size(); ++i)
        cmdLearn[i]->setText(tr(lessons[i]));
    //: The frame of a drill line's results (speed, accuracy).
    fraSpeed->setCaption(tr("Drill Results"));
    //: The button that starts a drill or the next line; & marks the letter of Alt+letter.
    cmdOK->setText(tr("&OK"));
    //: The button that starts a row lesson's practice; & marks the letter of Alt+letter.
    cmdOKPractice->setText(tr("&OK"));
    //: Beside the button to a lesson's previous page.
    lblNext[0]->setText(tr("Previous"));
    //: Beside the button to a lesson's next page.
    lblNext[1]->setText(tr("Next"));
    //: The button (a picture) to a lesson's previous page, as a screen reader says it.
    cmdNext[0]->setAccessibleName(tr("Previous"));
    //: The button (a picture) to a lesson's next page, as a screen reader says it.
    cmdNext[1]->setAccessibleName(tr("Next"));
}

void FrmType::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(e);
}

void FrmType::createKeyboard() {
    picKeys = new OnScreenKeyboard(this);
    place(picKeys, 0, 0, 9495, 3495);
    pnlSpace = picKeys->pnlSpace;
    cmdKey = picKeys->cmdKey;
    imgFinger = picKeys->imgFinger;
    imgHand = picKeys->imgHand;
    imgBack = picKeys->imgBack;
    imgArrow = picKeys->imgArrow;
    picKeys->hide();
}

void FrmType::createFrames() {
    const Pictures& pics = Pictures::get();
    const QFont arialBoldItalic12 = layoutFont(QStringLiteral("Arial"), 12, true, true);
    const QFont arialBold975 = layoutFont(QStringLiteral("Arial"), 9.75, true);
    const auto helpButton = [&](QWidget* parent, int left, int top, int width, int height) {
        auto* b = new SSCommand(parent);
        b->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));
        b->setPicture(pics.help);
        place(b, left, top, width, height);
        return b;
    };
    const auto stopButton = [&](QWidget* parent, int left, int top) {
        auto* b = new SSCommand(parent);
        b->setPicture(pics.stop);
        place(b, left, top, 615, 615);
        return b;
    };

    fraDrill = new Frame(this, kYellow, kBlack);
    fraDrill->setFont(arialBoldItalic12);
    //: The frame of a drill's rows and options, before a drill is chosen.
    drillCaption_ = QT_TR_NOOP("Practice");
    place(fraDrill, 120, 3720, 2535, 2775);
    const int rowPlace[4][4] = {{480, 315, 1455, 255},
                                {480, 555, 1335, 255},
                                {480, 795, 1575, 270},
                                {480, 1035, 1695, 270}};
    for (int i = 0; i < 4; ++i) {
        auto* box = makeCheckBox(fraDrill, QString(), kYellow, kBlack, arialBold975);
        place(box, rowPlace[i][0], rowPlace[i][1], rowPlace[i][2], rowPlace[i][3]);
        chkRow[static_cast<std::size_t>(i)] = box;
    }
    Line1 = new LineBox(fraDrill, 120, 1380, 2280, 1380, 3, kBlue);
    chkUC = makeCheckBox(fraDrill, QString(), kYellow, kBlack, arialBold975);
    place(chkUC, 480, 1440, 1695, 255);
    chkSound = makeCheckBox(fraDrill, QString(), kYellow, kBlack, arialBold975);
    place(chkSound, 480, 1680, 1455, 255);
    cmdHelp[1] = helpButton(fraDrill, 465, 2040, 630, 615);
    cmdStop[1] = stopButton(fraDrill, 1440, 2040);
    fraDrill->hide();

    fraTime = new Frame(this, kYellow, kBlack);
    fraTime->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 12, true, true));
    place(fraTime, 120, 3720, 2535, 1455);
    cmdHelp[3] = helpButton(fraTime, 480, 480, 615, 615);
    cmdStop[2] = stopButton(fraTime, 1440, 480);
    fraTime->hide();

    fraLearn = new Frame(this, kYellow, kBlack);
    fraLearn->setFont(arialBoldItalic12);
    place(fraLearn, 120, 3735, 2535, 2775);
    const int lessonTop[] = {285, 600, 960, 1320, 1680};
    for (int i = 0; i < 5; ++i) {
        auto* b = makeButton(fraLearn, QString(), arialBold975);
        place(b, 120, lessonTop[i], 2295, 375);
        cmdLearn[static_cast<std::size_t>(i)] = b;
    }
    cmdHelp[2] = helpButton(fraLearn, 495, 2085, 615, 615);
    cmdStop[0] = stopButton(fraLearn, 1455, 2085);
    fraLearn->hide();
    shpLearn->hide();
}

void FrmType::createDisplay() {
    const Pictures& pics = Pictures::get();
    const QFont courier = fixedPitchFont(15.75);

    picDisplay = new PictureBox(this, kWhite, kBlack);
    picDisplay->setFont(courier);
    place(picDisplay, 3000, 3600, 6135, 2535);
    shpChar = new ShapeBox(picDisplay, QColor(255, 0, 0), 2);
    place(shpChar, 4080, 1320, 255, 255);
    shpChar->hide();
    picDisplay->hide();

    txtTime = new TextBox(this);
    txtTime->setFont(courier);
    place(txtTime, 3000, 3600, 6255, 2535);
    txtTime->hide();

    fraSpeed = new Frame(this, kBlue, kYellow);
    fraSpeed->setFont(layoutFont(QStringLiteral("Arial"), 12, true));
    place(fraSpeed, 4440, 5160, 3255, 855);
    lblSpeed = makeLabel(fraSpeed, QString::fromStdString(speedText(5 * 100, 60 * 1000)), kBlue,
                         kWhite, layoutFont(QStringLiteral("Arial"), 12), Qt::AlignHCenter);
    place(lblSpeed, 495, 360, 2265, 270);
    speedFontPx_ = lblSpeed->font().pixelSize();
    fraSpeed->hide();

    const QFont okFont = layoutFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    cmdOK = makeButton(this, QString(), okFont);
    place(cmdOK, 5625, 6165, 855, 495);
    cmdOK->hide();
    cmdOKPractice = makeButton(this, QString(), okFont);
    place(cmdOKPractice, 5625, 6165, 855, 495);
    cmdOKPractice->hide();

    const QFont navFont = layoutFont(QStringLiteral("MS Sans Serif"), 12, true);
    lblNext[0] = makeLabel(this, QString(), kWindowRed, kYellow, navFont, Qt::AlignRight);
    place(lblNext[0], 3600, 6240, 1695, 495);
    lblNext[1] = makeLabel(this, QString(), kWindowRed, kYellow, navFont, Qt::AlignLeft);
    place(lblNext[1], 6840, 6240, 975, 495);
    for (int i = 0; i < 2; ++i) {
        auto* b = new SSCommand(this);
        b->setPicture(i == 0 ? pics.previous : pics.next);
        place(b, i == 0 ? 5400 : 6120, 6165, 615, 495);
        cmdNext[static_cast<std::size_t>(i)] = b;
    }
    for (int i = 0; i < 2; ++i) {
        lblNext[static_cast<std::size_t>(i)]->hide();
        cmdNext[static_cast<std::size_t>(i)]->hide();
    }
}

void FrmType::connectControls() {
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    for (int i = 0; i < 4; ++i)
        connect(cmdHelp[static_cast<std::size_t>(i)], &SSCommand::clicked, this,
                [this, i] { cmdHelp_Click(i); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    for (int i = 0; i < 5; ++i) {
        connect(cmdMenu[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdMenu_Click(i); });
        connect(cmdLearn[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdLearn_Click(i); });
    }
    // A box's click runs whenever its value changes, whether by a click or by code.
    for (int i = 0; i < 4; ++i)
        connect(chkRow[static_cast<std::size_t>(i)], &QCheckBox::toggled, this,
                [this, i] { chkRow_Click(i); });
    connect(chkSound, &QCheckBox::toggled, this, [this] { chkSound_Click(); });
    connect(chkUC, &QCheckBox::toggled, this, [this] { chkUC_Click(); });
    for (int i = 0; i < 3; ++i)
        connect(cmdStop[static_cast<std::size_t>(i)], &SSCommand::clicked, this,
                [this, i] { cmdStop_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(cmdNext[static_cast<std::size_t>(i)], &SSCommand::clicked, this,
                [this, i] { cmdNext_Click(i); });
    for (int k = kFirstKey; k <= kIsoRightKey; ++k)
        if (cmdKey(k) != nullptr)
            connect(cmdKey(k), &SSCommand::clicked, this, [this, k] { cmdKey_Click(k); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdOKPractice, &QPushButton::clicked, this, [this] { cmdOKPractice_Click(); });
    // Every character typed in the display or on the keyboard goes to the one handler.
    connect(picDisplay, &PictureBox::keyTyped, this, &FrmType::picDisplay_KeyPress);
    connect(picKeys, &PictureBox::keyTyped, this, &FrmType::picDisplay_KeyPress);
    for (PictureBox* box :
         {static_cast<PictureBox*>(picDisplay), static_cast<PictureBox*>(picKeys)})
        connect(box, &PictureBox::deadKeyPressed, this,
                [this](quint32 keysym) { core().deadKey(keysym); });
    connect(txtTime, &TextBox::keyTyped, this, [this](int code) {
        if (!txtTime_KeyPress(code)) txtTime->refuseKey();
    });
    // Tab and Ctrl+Tab where a child types are decided here, and only here.
    picDisplay->installEventFilter(this);
    txtTime->installEventFilter(this);
}

bool FrmType::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress && (watched == picDisplay || watched == txtTime))
        return tabKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(e));
    return QWidget::eventFilter(watched, e);
}

bool FrmType::tabKey(QWidget* from, const QKeyEvent* e) {
    // Tab is a key to judge while the child types in the display (and nothing at all in
    // the Timed Drill box); Ctrl+Tab always leaves, and Tab does when no key is awaited.
    if (e->key() != Qt::Key_Tab && e->key() != Qt::Key_Backtab) return false;
    if (!(e->modifiers() & Qt::ControlModifier) && state().Typing == 1) return false;
    const bool back = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
    QWidget* next = from;
    do {
        next = back ? next->previousInFocusChain() : next->nextInFocusChain();
        if (next->window() == this && next != this && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus) != 0) {
            setAttribute(Qt::WA_KeyboardFocusChange); // so the focus is drawn
            next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            break;
        }
    } while (next != from);
    return true;
}

void FrmType::setWindowPicture(const Picture& p) {
    if (p == windowPicture_) return;
    windowPicture_ = p;
    update();
}

QSize FrmType::laidOutSize() {
    return {px(9465), px(6690)};
}

void FrmType::toggleFullScreen() {
    if (isFullScreen()) {
        if (maximizedBeforeFullScreen_)
            showMaximized();
        else
            showNormal();
    } else {
        maximizedBeforeFullScreen_ = isMaximized();
        showFullScreen();
    }
}

void FrmType::resizeEvent(QResizeEvent*) {
    scaleLayout(this, laidOutSize());
    layoutResult();
}

void FrmType::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kWindowRed);
    if (!windowPicture_.isNull()) {
        // Anchored at the layout's top left, at the layout's scale.
        p.setRenderHint(QPainter::Antialiasing);
        const QRect area = layoutArea(this);
        const QRectF target(area.topLeft(), windowPicture_.naturalSize() * layoutScale(this));
        p.save();
        p.setClipRect(area);
        windowPicture_.paint(p, target);
        p.restore();
    }
}

void FrmType::keyPressEvent(QKeyEvent* e) {
    // Ctrl+Tab and Ctrl+Shift+Tab move on from every control, as they do from the
    // display (where Tab alone is a key to type): a button or a box lets them pass here.
    QWidget* from = QApplication::focusWidget();
    if ((e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) &&
        (e->modifiers() & Qt::ControlModifier) && from != nullptr && from != this &&
        from->window() == this && tabKey(from, e))
        return;
    // Keys reach the window itself only when no control holds the focus; keys that a
    // button or a box let pass are not for the drills.
    const QWidget* focus = from;
    if (focus != nullptr && focus != this) {
        QWidget::keyPressEvent(e);
        return;
    }
    if (const quint32 dead = deadKeysymOf(e); dead != 0) {
        core().deadKey(dead);
        return;
    }
    const QList<int> codes = typedCodes(e);
    if (codes.isEmpty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    for (int code : codes)
        picDisplay_KeyPress(code);
}

void FrmType::closeEvent(QCloseEvent* e) {
    // Closing the main window is leaving by Exit: the options are saved.
    e->ignore();
    cmdExit_Click();
}

RowChoice FrmType::checkedRows() const {
    RowChoice rows{};
    for (std::size_t i = 0; i < 4; ++i)
        rows[i] = chkRow[i]->isChecked();
    return rows;
}

void FrmType::checkRows(const std::vector<int>& rows) {
    for (int row : rows)
        if (row >= kHomeRow && row <= kNumberRow)
            chkRow[static_cast<std::size_t>(row - 1)]->setChecked(true);
}

void FrmType::printLine(const std::string& text, bool endLine) {
    picDisplay->Print(QString::fromStdString(text), endLine);
}

} // namespace tapwell
