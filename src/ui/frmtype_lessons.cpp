// The Learn Keyboard lessons, page by page, and the warning when an on-screen key is
// clicked instead of typed.
#include "frmtype.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace tapwell {

void FrmType::cmdLearn_Click(int Index) {
    followKeyboard();
    core_->learn(Index);
}

void FrmType::showLessonButtons() {
    lblNext[0]->show();
    cmdNext[0]->show();
    lblNext[1]->show();
    cmdNext[1]->show();
    cmdNext[1]->setFocus();
}

void FrmType::hideLessonButtons() {
    lblNext[0]->hide();
    cmdNext[0]->hide();
    lblNext[1]->hide();
    cmdNext[1]->hide();
}

void FrmType::cmdNext_Click(int Index) {
    followKeyboard();
    core_->next(Index);
}

void FrmType::cmdKey_Click(int) {
    if (state().Typing != 1) return;
    PlayWave(*svc_.sound, state().UhOhSound, 0);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Try Again!"),
                    QStringLiteral("Use your keyboard, not this one!"), QMessageBox::Ok, this);
    box.exec();
    if (picDisplay->isVisible()) picDisplay->setFocus();
}

} // namespace tapwell
