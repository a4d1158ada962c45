// The floor: the least a Qt Widgets program with a window of our main window's size
// costs. 631 x 446 pixels, a few buttons and a label that shows the last key typed, so
// that a keystroke causes the smallest repaint a widget program can make.
#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace tapwell::bench {

inline constexpr const char* kFloorTitle = "Tapwell floor";

class FloorWindow : public QWidget {
public:
    FloorWindow() {
        setWindowTitle(QString::fromLatin1(kFloorTitle));
        setFixedSize(631, 446);
        const char* captions[] = {"One", "Two", "Three", "Four", "Five"};
        for (int i = 0; i < 5; ++i) {
            auto* b = new QPushButton(QString::fromLatin1(captions[i]), this);
            b->setGeometry(224, 56 + 32 * i, 177, 25);
            b->setFocusPolicy(Qt::NoFocus); // keys go to the window itself
        }
        typed = new QLabel(this);
        typed->setGeometry(200, 300, 231, 40);
        setFocusPolicy(Qt::StrongFocus);
    }

    QLabel* typed;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->text().isEmpty()) {
            QWidget::keyPressEvent(e);
            return;
        }
        typed->setText(e->text());
    }
};

} // namespace tapwell::bench
