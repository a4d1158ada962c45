// The controls of our two windows that Qt does not have as such: the 3D button and
// panel, the picture box that keeps what was printed on it, images, shapes, a line,
// a frame with its caption in the border, and a text box whose keys can be vetted.
#pragma once

#include "picture.h"

#include <QAbstractButton>
#include <QImage>
#include <QPlainTextEdit>
#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tapwell {

// A raised 3D button whose face shows a picture and/or a caption. The picture keeps
// its own size (at the window's scale) and is centred, so a marker larger than the face
// covers it; the caption is drawn over it. "&" in the caption makes an access key.
class SSCommand : public QAbstractButton {
    Q_OBJECT
public:
    explicit SSCommand(QWidget* parent);
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    QSize sizeHint() const override { return size(); }
    // A second, small caption in the face's upper left: a key's Shift character.
    void setShiftCaption(const QString& caption);
    QString shiftCaption() const { return shiftCaption_; }
    // A thick ring inside the bevel, so a marked face reads without its colour; an
    // invalid colour draws none.
    void setRing(const QColor& colour);
    QColor ring() const { return ring_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Picture picture_;
    QString shiftCaption_;
    QColor ring_;
};

// A raised 3D panel with a back colour, a picture over it and a caption.
class SSPanel : public QWidget {
    Q_OBJECT
public:
    explicit SSPanel(QWidget* parent);
    void setBackColor(const QColor& c);
    QColor backColor() const { return back_; }
    // Drawn over the back colour across the whole panel; the empty picture draws none.
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    void setCaption(const QString& caption);
    void setRing(const QColor& colour); // as SSCommand's
    QColor ring() const { return ring_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor back_{192, 192, 192};
    Picture picture_;
    QString caption_;
    QColor ring_;
};

// A drawing surface that keeps what was printed on it until Cls: text is printed at
// the pen (CurrentX, CurrentY, in twips) in the box's font and colours. Typed
// characters are told by keyTyped, one code at a time; Tab among them: the box never
// moves the focus by itself.
//
// Twips stay the layout's at any scale: text is measured in the font as laid out, and
// each character stands where it stands at factor 1, times the factor. What was printed
// is kept with its pen positions and drawn again at a new size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const QColor& back, const QColor& fore);

    void Cls();
    void Print(const QString& text, bool endLine = true);
    double CurrentX = 0;                       // twips
    double CurrentY = 0;                       // twips
    int TextWidth(const QString& text) const;  // twips
    int TextHeight(const QString& text) const; // twips
    int WidthTw() const;
    void Refresh();

    // The lines printed since the last Cls, as text: what the display reads.
    QStringList printedLines() const { return lines_; }

signals:
    // Each character of a key press, as a Unicode code point.
    void keyTyped(int code);
    void deadKeyPressed(quint32 keysym); // an accent's key, which types nothing itself
    void textChanged();                  // printed or cleared: printedLines() reads differently

protected:
    bool event(QEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; }
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    struct Printed {
        double x, y; // the pen, in twips
        QString text;
    };
    void recordText(const QString& text, bool endLine);
    void updateCanvas();
    void draw(QPainter& p, const Printed& text) const;
    std::vector<Printed> printed_;
    bool canvasStale_ = true;
    QImage canvas_;
    QColor back_, fore_;
    QStringList lines_;
    bool lineOpen_ = false;
};

// A picture shown stretched to the control, or at its own size from the top left.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    ImageBox(QWidget* parent, bool stretch);
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    QSize shownSize() const; // an unstretched picture's size at the window's scale
    Picture picture_;
    bool stretch_;
};

// A rectangle with a border of a given width and an optional solid fill.
class ShapeBox : public QWidget {
    Q_OBJECT
public:
    ShapeBox(QWidget* parent, const QColor& border, int borderPx, const QColor& fill = {});

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor border_, fill_;
    int borderPx_;
};

// A straight line, placed by its two end points in twips.
class LineBox : public QWidget {
    Q_OBJECT
public:
    LineBox(QWidget* parent, int x1, int y1, int x2, int y2, int widthPx, const QColor& colour);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    void placeLine();
    QColor colour_;
    int x1_, y1_, x2_, y2_;
    int widthPx_;
    bool horizontal_;
};

// A frame: filled with its back colour, an etched border, the caption in the top
// border in the frame's font and text colour. Children are placed from its top left.
class Frame : public QWidget {
    Q_OBJECT
public:
    Frame(QWidget* parent, const QColor& back, const QColor& fore);
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
    QColor back_, fore_;
};

// A multi-line text box that tells each typed character by keyTyped before it takes it;
// a receiver that calls refuseKey() meanwhile keeps the character out.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);
    void refuseKey() { refused_ = true; }

signals:
    void keyTyped(int code);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool refused_ = false;
};

// Builders for the plain Qt controls in our colours and fonts.
QLabel* makeLabel(QWidget* parent, const QString& text, const QColor& back, const QColor& fore,
                  const QFont& font, Qt::Alignment align);
QCheckBox* makeCheckBox(QWidget* parent, const QString& text, const QColor& back,
                        const QColor& fore, const QFont& font);
QPushButton* makeButton(QWidget* parent, const QString& text, const QFont& font);

// A tooltip that shows text as it is, whatever it holds ("<b>" in a child's name is not
// bold): a child's name is always plain text.
QString plainToolTip(const QString& text);

// The character codes of a key event, with Shift already applied; none for keys that
// make no character. Each is a Unicode code point.
QList<int> typedCodes(const QKeyEvent* e);
// The XKB keysym of a dead key's press (dead_acute 0xfe51); 0 for every other key.
quint32 deadKeysymOf(const QKeyEvent* e);

} // namespace tapwell
