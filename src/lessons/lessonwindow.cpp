// The Learn Keyboard lessons, page by page, and the warning when an on-screen key is
// clicked instead of typed.
#include "ui/frmtype.h"

#include "lessons/lessonpages.h"
#include "ui/twips.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace tapwell {

void FrmType::cmdLearn_Click(int Index) {
    PracticeOn = 0;
    Row = static_cast<i16>(Index);
    LessonPage = 0;
    LessonOn = 1;
    picDisplay->Cls();
    picDisplay->show();
    ShowLessonButtons();
    for (QPushButton* b : cmdLearn)
        b->setEnabled(false);
    cmdNext_Click(1);
}

void FrmType::ShowLessonButtons() {
    lblNext[0]->show();
    cmdNext[0]->show();
    lblNext[1]->show();
    cmdNext[1]->show();
    cmdNext[1]->setFocus();
}

void FrmType::cmdNext_Click(int Index) {
    if (Index != 0) {
        ++LessonPage;
    } else if (--LessonPage < 1) {
        LessonPage = 1; // Previous on the first page draws it again
    }
    Typing = 0;
    picDisplay->Cls();
    drawLessonPage();
}

void FrmType::drawLessonPage() {
    const bool layout = Row == 0;
    if (layout && LessonPage > kLayoutPages) {
        cmdStop_Click(LessonPage); // the lesson is over; Stop sees LessonOn
        return;
    }
    if (!layout && LessonPage > kRowLessonPages) return; // Next is hidden from the practice page on
    if (!layout) {
        imgHand[0]->show();
        imgHand[1]->show();
        PracticeOn = 1;
    }
    const LessonPageData& page = layout ? layoutPage(LessonPage) : rowLessonPage(LessonPage);
    for (const Step& step : page.setup)
        runPageStep(step.what, step.row == kLessonRow ? Row : step.row);
    const int nameRow = page.nameRow == kLessonRow ? Row : page.nameRow;
    for (const std::string& line : page.lines)
        printLine(pageLine(line, RowName.at(nameRow)));
    if (page.wantKey != 0) {
        Typing = 1;
        TargetKey = static_cast<i16>(page.wantKey);
        picDisplay->setFocus();
    }
}

void FrmType::runPageStep(PageStep what, int row) {
    switch (what) {
    case PageStep::HideArrow:
        imgArrow->hide();
        break;
    case PageStep::ShowArrow:
        imgArrow->show();
        break;
    case PageStep::ArrowAtRow:
        setTopTw(imgArrow, RowTop.at(row));
        break;
    case PageStep::HideHands:
        imgHand[0]->hide();
        imgHand[1]->hide();
        break;
    case PageStep::ShowHands:
        imgHand[0]->show();
        imgHand[1]->show();
        break;
    case PageStep::ShowHomeKeys:
        ShowHomeKeys();
        break;
    case PageStep::ClearHomeKeys:
        ClearHomeKeys();
        break;
    case PageStep::ShowEnterKey:
        ShowEnterKey();
        break;
    case PageStep::ClearEnterKey:
        ClearEnterKey();
        break;
    case PageStep::ShowSpaceBar:
        ShowSpaceBar();
        break;
    case PageStep::ClearSpaceBar:
        ClearSpaceBar();
        break;
    case PageStep::ShowLeftShift:
        ShowLeftShift();
        break;
    case PageStep::ClearLeftShift:
        ClearLeftShift();
        break;
    case PageStep::ShowRightShift:
        ShowRightShift();
        break;
    case PageStep::ClearRightShift:
        ClearRightShift();
        break;
    case PageStep::HideLessonButtons:
        HideLessonButtons();
        break;
    case PageStep::StartPractice:
        Typing = 1;
        Hand = 1;
        Finger = 1;
        ShiftLevel = 0;
        ShowFingerKeys();
        picDisplay->setFocus(); // Next, which had the focus, is gone
        break;
    }
}

void FrmType::cmdKey_Click(int) {
    if (Typing != 1) return;
    PlayWave(*svc_.sound, UhOhSound, 0);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Try Again!"),
                    QStringLiteral("Use your keyboard, not this one!"), QMessageBox::Ok, this);
    box.exec();
    if (picDisplay->isVisible()) picDisplay->setFocus();
}

} // namespace tapwell
