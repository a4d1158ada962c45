#include "childframe.h"

#include "palette.h"
#include "twips.h"
#include "whoistyping.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tapwell {

namespace {

// Right of "Choices" (which ends at 6375), its top and height; the window is 9465 wide.
// It reaches one button further down, for the keyboard's, and holds "Talk to me" below.
constexpr int kLeft = 6600, kTop = 480, kWidth = 2655, kHeight = 3600;
// The note stands below it, right of the Info/Help/Exit frame (which ends at 5415).
constexpr int kNoteTop = 4260, kNoteMaxHeight = 2190;

QString wpm(const std::optional<double>& v) {
    if (!v)
        //: A best line not typed yet, as in "Best Timed Drill: not yet".
        return ProgressSummary::tr("not yet");
    return ProgressSummary::tr("%n words per minute", nullptr, qRound(*v));
}

} // namespace

ChildFrame::ChildFrame(QWidget* window, QWidget* menu) : Frame(window, kRed, kYellow), menu_(menu) {
    setObjectName(QStringLiteral("fraChild"));
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 12, true));
    place(this, kLeft, kTop, kWidth, kHeight);

    imgChild = new ImageBox(this, true);
    place(imgChild, (kWidth - 615) / 2, 300, 615, 615);
    lblChild = makeLabel(this, QString(), kRed, kYellow,
                         layoutFont(QStringLiteral("MS Sans Serif"), 12, true), Qt::AlignCenter);
    lblChild->setTextFormat(Qt::PlainText);
    lblChild->setTextFormat(Qt::PlainText);
    place(lblChild, 120, 930, kWidth - 240, 330);

    // In line with the menu's last three buttons, in their font.
    const QFont buttonFont = layoutFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    cmdChange = makeButton(this, QString(), buttonFont);
    place(cmdChange, 240, 1320, kWidth - 480, 375);
    cmdTricky = makeButton(this, QString(), buttonFont);
    place(cmdTricky, 240, 1800, kWidth - 480, 375);
    cmdProgress = makeButton(this, QString(), buttonFont);
    place(cmdProgress, 240, 2280, kWidth - 480, 375);
    cmdKeyboard = makeButton(this, QString(), buttonFont);
    place(cmdKeyboard, 240, 2760, kWidth - 480, 375);
    // Tapwell's own voice for a child who cannot read yet; off unless the child's record
    // says so.
    chkTalk = makeCheckBox(this, QString(), kRed, kYellow, buttonFont);
    place(chkTalk, 240, 3210, kWidth - 480, 270);
    setTabOrder(cmdChange, cmdTricky);
    setTabOrder(cmdTricky, cmdProgress);
    setTabOrder(cmdProgress, cmdKeyboard);
    setTabOrder(cmdKeyboard, chkTalk);
    connect(chkTalk, &QCheckBox::clicked, this, &ChildFrame::talkClicked);
    connect(cmdKeyboard, &QPushButton::clicked, this, &ChildFrame::keyboardClicked);
    connect(cmdChange, &QPushButton::clicked, this, &ChildFrame::changeChildClicked);
    connect(cmdTricky, &QPushButton::clicked, this, &ChildFrame::trickyClicked);
    connect(cmdProgress, &QPushButton::clicked, this, &ChildFrame::progressClicked);

    fraNote = new Frame(window, kPink, kBlack);
    fraNote->setObjectName(QStringLiteral("fraNote"));
    lblNote = makeLabel(fraNote, QString(), kPink, kBlack,
                        layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true),
                        Qt::AlignLeft | Qt::AlignTop);
    lblNote->setWordWrap(true);
    lblNote->setTextFormat(Qt::PlainText);
    fraNote->hide();

    retranslate();
    menu_->installEventFilter(this);
    followMenu();
}

void ChildFrame::retranslate() {
    //: Above the picture and name of the child typing now.
    setCaption(tr("Typing now"));
    if (classroom_ == Classroom::Teacher) {
        //: A teacher's button: their class, one row per child.
        cmdChange->setText(tr("&Class"));
        cmdChange->setToolTip(tr("The children of your classes"));
    } else {
        //: A button: another child is typing now.
        cmdChange->setText(tr("&Change"));
        cmdChange->setToolTip(tr("Someone else is typing"));
    }
    //: A button: the drill of the keys this child misses most.
    cmdTricky->setText(tr("&Tricky Keys"));
    cmdTricky->setToolTip(tr("More of the keys you miss"));
    cmdProgress->setText(tr("My &Progress"));
    cmdKeyboard->setText(tr("Key&board…"));
    cmdKeyboard->setToolTip(tr("The keyboard this child types on, and the language they read"));
    //: A check box: Tapwell says aloud what to do, for a child who cannot read yet.
    chkTalk->setText(tr("T&alk to me"));
}

void ChildFrame::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    Frame::changeEvent(e);
}

void ChildFrame::setChild(const progress::Child& child) {
    imgChild->setPicture(childPicture(child.picture));
    // Its name as the chooser of pictures says it (whoistyping.cpp lists the names).
    imgChild->setAccessibleName(
        QCoreApplication::translate("ChildPictures", child.picture.toUtf8().constData()));
    lblChild->setText(child.name);
    chkTalk->setChecked(child.talk);
    lblChild->setToolTip(plainToolTip(child.name));
}

void ChildFrame::setClassroom(Classroom classroom) {
    classroom_ = classroom;
    cmdChange->setVisible(classroom != Classroom::Child);
    retranslate();
}

void ChildFrame::setProblem(const QString& text) {
    problem_ = text;
    lblNote->setText(text);
    // As high as the words need, within the window.
    const int labelWidth = px(kWidth - 240);
    const int textPx = lblNote->heightForWidth(labelWidth);
    const int height = std::min(tw(textPx) + 240, kNoteMaxHeight);
    place(fraNote, kLeft, kNoteTop, kWidth, height);
    place(lblNote, 120, 120, kWidth - 240, height - 240);
    followMenu();
}

void ChildFrame::followMenu() {
    const bool menuShown = !menu_->isHidden();
    setVisible(menuShown);
    fraNote->setVisible(menuShown && !problem_.isEmpty());
}

bool ChildFrame::eventFilter(QObject* watched, QEvent* e) {
    // Shown or hidden by the program itself, not with the window around it.
    if (watched == menu_ &&
        (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent))
        followMenu();
    return Frame::eventFilter(watched, e);
}

// ------------------------------------------------------------------ summary

QString summaryText(const progress::Summary& s) {
    //: %1 and %2 are numbers; %3 and %4 the best speeds, as "33 words per minute" or "not yet".
    return ProgressSummary::tr("Lines finished: %1\nDays practised: %2\nBest Word Drill: %3\n"
                               "Best Timed Drill: %4")
        .arg(s.lines)
        .arg(s.days)
        .arg(wpm(s.bestWord), wpm(s.bestTimed));
}

ProgressSummary::ProgressSummary() : QDialog(nullptr) {
    setWindowTitle(tr("My Progress"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kLightOrange);
    pal.setColor(QPalette::WindowText, kMaroon);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    imgChild = new ImageBox(this, true);
    imgChild->setFixedSize(64, 64);
    head->addWidget(imgChild);
    lblName = new QLabel(this);
    lblName->setTextFormat(Qt::PlainText);
    lblName->setFont(layoutFont(QStringLiteral("Comic Sans MS"), 15.75, true));
    lblName->setTextFormat(Qt::PlainText);
    head->addWidget(lblName, 1);
    layout->addLayout(head);
    lblSummary = new QLabel(this);
    lblSummary->setFont(layoutFont(QStringLiteral("Arial"), 12, true));
    lblSummary->setTextFormat(Qt::PlainText);
    layout->addWidget(lblSummary);
    cmdClose =
        makeButton(this, tr("&Close"), layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    cmdClose->setDefault(true);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void ProgressSummary::showFor(const progress::Child& child, const progress::Summary& summary) {
    imgChild->setPicture(childPicture(child.picture));
    lblName->setText(child.name);
    lblSummary->setText(summaryText(summary));
    QDialog::show();
    raise();
    activateWindow();
    cmdClose->setFocus();
}

} // namespace tapwell
