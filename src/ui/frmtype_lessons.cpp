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
    //: The title of the message when a key of the on-screen keyboard is clicked in a lesson.
    const QString title = tr("Try Again!");
    //: The message when a key of the on-screen keyboard is clicked in a lesson.
    const QString text = tr("Use your keyboard, not this one!");
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.exec();
    if (picDisplay->isVisible()) picDisplay->setFocus();
}

} // namespace tapwell
