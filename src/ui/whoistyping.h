// "Who is typing?": a big picture button for each child who shares the computer, and
// what a parent does there: add a child, rename one, remove one. The window asks; the
// program around it decides what choosing means (chosen) and what going back means
// (back: Escape or closing the window).
#pragma once

#include "picture.h"
#include "progress/childrenservice.h"

#include <QDialog>
#include <QPushButton>

class QButtonGroup;
class QScrollArea;
class QGridLayout;
class QScrollArea;
class QLabel;
class QLineEdit;

namespace tapwell {

// The drawing of a child's picture by its name; an unknown name gets the first one.
Picture childPicture(const QString& name);

// A button whose face is a picture with a caption under it.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const Picture& picture, const QString& caption, int picturePx);
    const Picture& picture() const { return picture_; }
    QSize sizeHint() const override;

signals:
    void focused();

protected:
    void paintEvent(QPaintEvent*) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    Picture picture_;
    QString caption_;
    int picturePx_;
};

// A name and a picture, for a new child or one renamed.
class ChildEditor : public QDialog {
    Q_OBJECT
public:
    ChildEditor(QWidget* parent, const QString& title, const QString& name, const QString& picture);
    QString name() const;
    QString picture() const;
    void showError(const QString& text);

    QLineEdit* nameBox;
    std::vector<PictureButton*> pictures;

private:
    QButtonGroup* group_;
    QLabel* error_;
};

class ChildChooser : public QDialog {
    Q_OBJECT
public:
    explicit ChildChooser(progress::ChildrenService& children);

    // Shows the children of the record, the focus on the one typing now.
    void setChildren(const QList<progress::Child>& children, qint64 current);
    const QList<progress::Child>& children() const { return children_; }

    // A parent's changes, through the children service; false with a reason in words.
    bool addChild(const QString& name, const QString& picture, QString& error);
    bool changeChild(qint64 id, const QString& name, const QString& picture, QString& error);
    bool removeChild(qint64 id, QString& error);

signals:
    void chosen(const progress::Child& child);
    // Escape, or the window closed.
    void back();

public:
    std::vector<PictureButton*> childButtons;
    QPushButton* cmdAdd;
    QPushButton* cmdRename;
    QPushButton* cmdRemove;

    // "Add a child…", "Rename…" and "Remove…" as a parent clicks them: each opens its own
    // small dialog.
    void addClicked();
    void renameClicked();
    void removeClicked();

protected:
    void changeEvent(QEvent* e) override;
    void reject() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Every caption, in the language in use.
    void retranslate();
    QLabel* question_ = nullptr;
    void choose(int index);
    int focused() const;
    // The children as the service has them now, the focus on `focus`.
    void follow(qint64 focus);
    // The buttons' area no larger than the screen leaves room for.
    void fitToScreen();

    progress::ChildrenService& service_;
    QList<progress::Child> children_;
    QGridLayout* grid_;
    QScrollArea* scroll_;
    int lastFocused_ = 0;
};

} // namespace tapwell
