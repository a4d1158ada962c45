// Drill lines on screen, the OK and Stop buttons, the results and the Timed Drill.
#include "ui/frmtype.h"

#include "drills/results.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace tapwell {

namespace {
// Halves to the even neighbour, as every real value stored into a whole number here.
i16 roundEven(double v) {
    return static_cast<i16>(std::lrint(v));
}
// Below this a result would no longer be readable; the frame cannot hold more anyway.
constexpr int kSmallestSpeedPx = 6;

// The height a label's lines take, descenders of the last line included.
int linesHeight(const QFontMetrics& fm, qsizetype lines) {
    return static_cast<int>(lines - 1) * fm.lineSpacing() + fm.height() + 1;
}
} // namespace

void FrmType::NewDrillLine() {
    const std::string text = MakeDrillLine(*this, checkedRows(), g_.UseShift == 1, *svc_.random);

    // The line stands centred on the second text line; what is typed goes half a line
    // below it, starting under its first character.
    printLine("");
    const QString line = QString::fromStdString(text);
    PenX = roundEven((picDisplay->WidthTw() - picDisplay->TextWidth(line)) * 0.5);
    picDisplay->CurrentX = PenX;
    picDisplay->Print(line, true);
    PenY = roundEven(picDisplay->CurrentY + 0.5 * picDisplay->TextHeight(QStringLiteral("0")));

    LineLen = static_cast<i16>(LineLen + 1);
    LineChars(LineLen - 1) = kEnter;
    LineRows(LineLen - 1) = kHomeRow; // the Enter key is on the home row
    LinePos = 0;
    TargetKey = LineChars(0);
    setTopTw(imgArrow, RowTop(LineRows(0)));
    imgArrow->show();
    ShowKey(TargetKey);

    shpChar->setGeometry(px(PenX), px(PenY), px(picDisplay->TextWidth(QStringLiteral("0"))),
                         px(picDisplay->TextHeight(QStringLiteral("0"))));
    shpChar->show();
    picDisplay->CurrentX = PenX;
    picDisplay->CurrentY = PenY;
    picDisplay->setFocus();
    DrillTicks = svc_.clock->ms(); // timing starts once the line is on screen
}

void FrmType::PickPracticeFinger() {
    tapwell::PickPracticeFinger(*this, checkedRows(), g_.UseShift == 1, *svc_.random);
    setTopTw(imgArrow, RowTop(Row));
}

void FrmType::showSpeedLabel(const QString& caption, int top) {
    lblSpeed->setText(caption);
    // The label spans the frame's inside, its text centred where the layout centres it,
    // and is as high as its lines need (a Word Drill result has two). No speed, however
    // large, and no descender is cut: a text that would not fit is set smaller.
    const int inset = 2;
    const int y = px(top);
    const int width = fraSpeed->width() - 2 * inset;
    const int room = fraSpeed->height() - inset - y;
    const QStringList lines = caption.split(QLatin1Char('\n'));
    QFont font = lblSpeed->font();
    for (int size = speedFontPx_; size >= kSmallestSpeedPx; --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line));
        if (widest <= width && linesHeight(fm, lines.size()) <= room) break;
    }
    lblSpeed->setFont(font);
    const int needed = linesHeight(QFontMetrics(font), lines.size());
    lblSpeed->setGeometry(inset, y, width, std::max(px(270), needed));
    fraSpeed->show();
    fraSpeed->repaint(); // on screen before the end sound plays
}

void FrmType::playEndSound() {
    PlayWave(*svc_.sound, TadaSound, 0);
}

void FrmType::lineEnd() {
    DrillTicks = countedMs(DrillTicks, svc_.clock->ms());
    Typing = 0;
    shpChar->hide();
    imgArrow->hide();
    ClearEnterKey();
    picDisplay->Refresh();
    QString caption;
    int top = SpeedTop;
    if (Mode == kWordDrill) {
        top = SpeedTop - 120;
        caption = QString::fromStdString(speedText(LinePos - 1, DrillTicks)) + QLatin1Char('\n');
    }
    caption += QString::fromStdString(accuracyText(RightCount, ErrorCount));
    showSpeedLabel(caption, top);
    playEndSound();
    cmdOK->show();
    cmdOK->setFocus();
}

void FrmType::cmdOK_Click() {
    cmdOK->hide();
    ClearHomeKeys();
    fraSpeed->hide();
    if (picDisplay->isVisible()) {
        picDisplay->Cls();
        picDisplay->setFocus();
    }
    switch (Mode) {
    case kKeyboardPractice:
        PracticeOn = 1;
        Typing = 1;
        PickPracticeFinger();
        ShowFingerKeys();
        break;
    case kCharacterDrill:
    case kWordDrill:
        Typing = 1;
        NewDrillLine();
        RightCount = 0;
        ErrorCount = 0;
        break;
    case kTimedDrill:
        txtTime->clear();
        fraTime->show();
        txtTime->show();
        TimedRunning = 1;
        Typing = 1;
        DrillTicks = svc_.clock->ms(); // the clock runs from OK, not from the first key
        txtTime->setFocus();           // so the child can type at once
        break;
    default:
        break;
    }
}

void FrmType::cmdOKPractice_Click() {
    cmdOKPractice->hide();
    picDisplay->setFocus();
    ShowFingerKeys();
}

void FrmType::txtTime_KeyPress(int& KeyAscii) {
    if (Typing == 0) {
        KeyAscii = 0; // nothing goes into the box before OK or after the result
        return;
    }
    if (KeyAscii == kEnter) cmdStop_Click(2);
}

void FrmType::showTimedResult() {
    TimedRunning = 0;
    DrillTicks = countedMs(DrillTicks, svc_.clock->ms());
    showSpeedLabel(QString::fromStdString(speedText(txtTime->toPlainText().size(), DrillTicks)),
                   SpeedTop);
    playEndSound();
    cmdOK->show();
    cmdOK->setFocus();
}

void FrmType::HideLessonButtons() {
    lblNext[0]->hide();
    cmdNext[0]->hide();
    lblNext[1]->hide();
    cmdNext[1]->hide();
}

void FrmType::cmdStop_Click(int Index) {
    ClearAllKeys();
    cmdOK->hide();
    cmdOKPractice->hide();
    imgArrow->hide();
    fraSpeed->hide();
    picDisplay->hide();
    imgHand[0]->hide();
    imgHand[1]->hide();
    HideLessonButtons();
    Typing = 0;

    if (LessonOn == 1) {
        // Back to the lesson choices, ready for the next lesson.
        LessonOn = 0;
        for (QPushButton* b : cmdLearn)
            b->setEnabled(true);
        cmdLearn[0]->setFocus();
        return;
    }
    switch (Index) {
    case 0:
        fraLearn->hide();
        shpLearn->hide();
        break;
    case 1:
        fraDrill->hide();
        shpLearn->hide();
        chkRow[3]->setEnabled(true);
        break;
    case 2:
        if (!txtTime->toPlainText().isEmpty() && TimedRunning == 1) {
            showTimedResult();
            return;
        }
        fraTime->hide();
        txtTime->hide();
        break;
    default:
        break;
    }
    // Any way back to the menu ends a Timed Drill run: a later Stop must not take the
    // instructions in the box, and the old clock, for a run.
    TimedRunning = 0;
    picKeys->hide();
    fraMenu->show();
    setWindowPicture(imgKeyboard->picture());
    fraHelp->show();
    if (Mode >= 0 && Mode <= 4)
        cmdMenu[static_cast<std::size_t>(Mode)]->setFocus(); // keyboard users carry on here
}

} // namespace tapwell
