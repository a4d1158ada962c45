// Who is typing, on the menu screen: a small frame of its own right of "Choices", with
// the child's picture and name, a button to change the child, "Tricky Keys" and "My
// Progress". It
// comes and goes with the menu frame, so an activity's screen never shows it. Below
// it, only when the record cannot be kept, a note for a parent says why.
#pragma once

#include "controls.h"
#include "progress/children.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tapwell {

class ChildFrame : public Frame {
    Q_OBJECT
public:
    // window: the main window; menu: the frame this one comes and goes with.
    ChildFrame(QWidget* window, QWidget* menu);

    void setChild(const progress::Child& child);
    // Why progress is not being saved; empty when it is.
    void setProblem(const QString& text);
    // In a classroom the child is the account signed in: no one to change to. A teacher's
    // button opens their class instead.
    enum class Classroom { None, Child, Teacher };
    void setClassroom(Classroom classroom);
    QString problem() const { return problem_; }

signals:
    void changeChildClicked();
    void progressClicked();
    void keyboardClicked();
    void trickyClicked();
    void talkClicked(bool on);

public:
    ImageBox* imgChild;
    QLabel* lblChild;
    QPushButton* cmdChange;
    QPushButton* cmdTricky;
    QPushButton* cmdProgress;
    QPushButton* cmdKeyboard;
    QCheckBox* chkTalk;
    Frame* fraNote;
    QLabel* lblNote;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // Every caption, in the language in use.
    void retranslate();
    void followMenu();

    QWidget* menu_;
    QString problem_;
    Classroom classroom_ = Classroom::None;
};

// "My Progress" until the progress window is built: the child's lines, days and best
// speeds.
class ProgressSummary : public QDialog {
    Q_OBJECT
public:
    ProgressSummary();
    void showFor(const progress::Child& child, const progress::Summary& summary);

    ImageBox* imgChild;
    QLabel* lblName;
    QLabel* lblSummary;
    QPushButton* cmdClose;
};

// The summary's lines, as the window shows them.
QString summaryText(const progress::Summary& s);

} // namespace tapwell
