#include "controls.h"

#include "twips.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace tapwell {

namespace {

// The raised edge of our 3D controls: a black outline, inside it a light line above and
// left and a shadow below and right (two lines raised, one line pressed, where the light
// and dark change places). Lines are counted in device pixels, each as many as the scale
// rounds to, and placed on the device's own pixel grid from the control's device-pixel
// area (rounded as Qt rounds a widget's area): at a scale of 1.5 a line given in logical
// pixels would fall 1 or 2 pixels wide by where it lands, so the sides would differ.
// Each line is filled as a rectangle: the same pixels as a drawn line, at a third of the
// cost (the keys' edges were a large part of a keystroke's repaint).
void drawBevel(QPainter& p, const QRect& r, bool sunken) {
    const QColor light = sunken ? QColor(128, 128, 128) : QColor(255, 255, 255);
    const QColor dark = sunken ? QColor(255, 255, 255) : QColor(128, 128, 128);
    const qreal dpr = p.device() != nullptr ? p.device()->devicePixelRatio() : 1.0;
    // What the painter adds below its world transform: the control's offset in the
    // window and the scale. Undoing it leaves whole device pixels.
    const QTransform toDevice = p.worldTransform().inverted() * p.deviceTransform();
    const QPointF origin = toDevice.map(QPointF(r.topLeft()));
    const QRect d(qRound(origin.x()), qRound(origin.y()), qRound(r.width() * dpr),
                  qRound(r.height() * dpr));
    const int t = std::max(1, qRound(dpr)); // one line
    p.save();
    p.setWorldTransform(toDevice.inverted());
    const auto top = [&p, t](const QRect& q, const QColor& c) {
        p.fillRect(QRect(q.left(), q.top(), q.width(), t), c);
    };
    const auto bottom = [&p, t](const QRect& q, const QColor& c) {
        p.fillRect(QRect(q.left(), q.bottom() - t + 1, q.width(), t), c);
    };
    const auto left = [&p, t](const QRect& q, const QColor& c) {
        p.fillRect(QRect(q.left(), q.top(), t, q.height()), c);
    };
    const auto right = [&p, t](const QRect& q, const QColor& c) {
        p.fillRect(QRect(q.right() - t + 1, q.top(), t, q.height()), c);
    };
    const QColor black(0, 0, 0);
    top(d, black);
    bottom(d, black);
    left(d, black);
    right(d, black);
    // The shadow lies against the outline: no face colour shows between them.
    const QRect in = d.adjusted(t, t, -t, -t);
    top(in, light);
    left(in, light);
    bottom(in, dark);
    right(in, dark);
    if (!sunken) {
        const QRect deep = in.adjusted(t, t, -t, -t);
        bottom(deep.adjusted(0, 0, t, 0), dark);
        right(deep.adjusted(0, 0, 0, t), dark);
    }
    p.restore();
    p.setPen(dark); // what follows finds the painter as the drawn lines left it
    p.setBrush(Qt::NoBrush);
}

} // namespace

SSCommand::SSCommand(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void SSCommand::setPicture(const Picture& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    update();
}

void SSCommand::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool down = isDown();
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Button));
    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    const bool hasText = !text().isEmpty();
    if (!picture_.isNull()) {
        const QSizeF s = picture_.naturalSize();
        QRectF target(QPointF(0, 0), s);
        target.moveCenter(QRectF(r).center());
        if (hasText && s.width() < r.width() && s.height() < r.height()) // picture above text
            target.moveTop(r.top() + 5);
        target.translate(shift);
        p.save();
        p.setClipRect(r.adjusted(1, 1, -1, -1));
        picture_.paint(p, target);
        p.restore();
    }
    if (hasText) {
        p.setFont(font());
        p.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                             : palette().color(QPalette::Disabled, QPalette::ButtonText));
        QRect textRect = r.translated(shift);
        int flags = Qt::AlignHCenter | Qt::TextShowMnemonic;
        if (!picture_.isNull() && picture_.naturalSize().height() < r.height()) {
            flags |= Qt::AlignBottom;
            textRect.adjust(0, 0, 0, -5);
        } else {
            flags |= Qt::AlignVCenter;
        }
        p.drawText(textRect, flags, text());
    }
    drawBevel(p, r, down);
    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = r.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
}

void SSCommand::keyPressEvent(QKeyEvent* e) {
    // Enter presses the focused button, as the space bar does.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!e->isAutoRepeat()) click();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

SSPanel::SSPanel(QWidget* parent) : QWidget(parent) {}

void SSPanel::setBackColor(const QColor& c) {
    if (c == back_) return;
    back_ = c;
    update();
}

void SSPanel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void SSPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (!caption_.isEmpty()) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, caption_);
    }
    drawBevel(p, rect(), false);
}

PictureBox::PictureBox(QWidget* parent, const QColor& back, const QColor& fore)
    : QWidget(parent), back_(back), fore_(fore) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    const qreal dpr = devicePixelRatioF();
    const QSize s = (QSizeF(size()) * dpr).toSize();
    if (canvas_.size() == s) return;
    QImage next(s, QImage::Format_ARGB32_Premultiplied);
    next.setDevicePixelRatio(dpr);
    next.fill(back_);
    if (!canvas_.isNull()) {
        QPainter p(&next);
        p.drawImage(QPoint(0, 0), canvas_);
    }
    canvas_ = next;
}

void PictureBox::Cls() {
    if (!canvas_.isNull()) canvas_.fill(back_);
    CurrentX = 0;
    CurrentY = 0;
    lines_.clear();
    lineOpen_ = false;
    update();
}

void PictureBox::recordText(const QString& text, bool endLine) {
    if (!lineOpen_) lines_.append(QString());
    lines_.last() += text;
    lineOpen_ = !endLine;
}

void PictureBox::Print(const QString& text, bool endLine) {
    if (canvas_.isNull()) resizeEvent(nullptr);
    if (!text.isEmpty()) {
        QPainter p(&canvas_);
        p.setFont(font());
        p.setPen(fore_);
        const QFontMetrics fm(font());
        // Character by character at whole-pixel advances, exactly as TextWidth counts
        // them, so a typed character stands exactly under its model.
        double x = CurrentX / 15.0;
        const double baseline = CurrentY / 15.0 + fm.ascent();
        for (QChar ch : text) {
            p.drawText(QPointF(x, baseline), QString(ch));
            x += fm.horizontalAdvance(ch);
        }
    }
    recordText(text, endLine);
    if (endLine) {
        CurrentX = 0;
        CurrentY += TextHeight(text);
    } else {
        CurrentX += TextWidth(text);
    }
    update();
}

int PictureBox::TextWidth(const QString& text) const {
    const QFontMetrics fm(font());
    int width = 0;
    for (QChar ch : text)
        width += fm.horizontalAdvance(ch);
    return width * 15;
}

int PictureBox::TextHeight(const QString&) const {
    return QFontMetrics(font()).height() * 15;
}

void PictureBox::Refresh() {
    repaint();
}

bool PictureBox::event(QEvent* e) {
    // Tab and Backtab are keys to judge here, not a way out of the display.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QWidget::event(e);
}

void PictureBox::keyPressEvent(QKeyEvent* e) {
    const QList<int> codes = typedCodes(e);
    if (codes.isEmpty() || !keyPress) {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    for (int code : codes)
        keyPress(code);
}

void PictureBox::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    if (canvas_.isNull())
        p.fillRect(rect(), back_);
    else
        p.drawImage(e->rect(), canvas_,
                    QRectF(QPointF(e->rect().topLeft()) * canvas_.devicePixelRatio(),
                           QSizeF(e->rect().size()) * canvas_.devicePixelRatio()));
}

ImageBox::ImageBox(QWidget* parent, bool stretch) : QWidget(parent), stretch_(stretch) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageBox::setPicture(const Picture& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    if (!stretch_ && !picture_.isNull()) resize(picture_.naturalSize().toSize());
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target = stretch_ ? QRectF(rect()) : QRectF(QPointF(0, 0), picture_.naturalSize());
    picture_.paint(p, target);
}

ShapeBox::ShapeBox(QWidget* parent, const QColor& border, int borderPx, const QColor& fill)
    : QWidget(parent), border_(border), fill_(fill), borderPx_(borderPx) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fill_.isValid()) p.fillRect(rect(), fill_);
    const int b = borderPx_;
    p.fillRect(0, 0, width(), b, border_);
    p.fillRect(0, height() - b, width(), b, border_);
    p.fillRect(0, 0, b, height(), border_);
    p.fillRect(width() - b, 0, b, height(), border_);
}

LineBox::LineBox(QWidget* parent, int x1, int y1, int x2, int y2, int widthPx, const QColor& colour)
    : QWidget(parent), colour_(colour), widthPx_(widthPx), horizontal_(y1 == y2) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int half = widthPx / 2;
    if (horizontal_)
        setGeometry(px(x1), px(y1) - half, px(x2) - px(x1) + 1, widthPx);
    else
        setGeometry(px(x1) - half, px(y1), widthPx, px(y2) - px(y1) + 1);
}

void LineBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_);
}

Frame::Frame(QWidget* parent, const QColor& back, const QColor& fore)
    : QWidget(parent), back_(back), fore_(fore) {}

void Frame::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    const QFontMetrics fm(font());
    const int top = caption_.isEmpty() ? 0 : fm.height() / 2;
    // An etched border: a dark line with a light one inside it.
    const QRect r = rect().adjusted(0, top, -1, -1);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(r.adjusted(1, 1, 0, 0));
    if (!caption_.isEmpty()) {
        p.setFont(font());
        const int w = fm.horizontalAdvance(caption_);
        const QRect textRect(8, 0, w + 4, fm.height());
        p.fillRect(textRect, back_);
        p.setPen(fore_);
        p.drawText(textRect, Qt::AlignCenter, caption_);
    }
}

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    const QList<int> codes = typedCodes(e);
    if (!keyPress || codes.isEmpty()) {
        // Keys that make no character (arrows, Home...) move the cursor as usual; the
        // paste and cut shortcuts would bring in text that was never typed.
        if (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut)) return;
        QPlainTextEdit::keyPressEvent(e);
        return;
    }
    for (int code : codes) {
        int key = code;
        keyPress(key);
        if (key == 0) continue;
        if (key == 13)
            textCursor().insertText(QStringLiteral("\n"));
        else if (key == 8)
            textCursor().deletePreviousChar();
        else if (key == 127)
            textCursor().deleteChar();
        else if (key >= 32 && key <= 255)
            textCursor().insertText(QString(QChar(key)));
    }
    ensureCursorVisible();
}

// Typing speed is measured on what the child types, so no text comes in by pasting.
void TextBox::insertFromMimeData(const QMimeData*) {}

QLabel* makeLabel(QWidget* parent, const QString& text, const QColor& back, const QColor& fore,
                  const QFont& font, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, fore);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
    l->setFont(font);
    l->setAlignment(align | Qt::AlignTop);
    return l;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& text, const QColor& back,
                        const QColor& fore, const QFont& font) {
    auto* c = new QCheckBox(text, parent);
    QPalette pal = c->palette();
    pal.setColor(QPalette::Window, back);
    // A disabled box keeps the toolkit's grey caption, so a child sees why a click does
    // nothing.
    pal.setColor(QPalette::Active, QPalette::WindowText, fore);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, fore);
    c->setPalette(pal);
    c->setBackgroundRole(QPalette::Window); // a button's own role would fill it grey
    c->setAutoFillBackground(true);
    c->setFont(font);
    return c;
}

QPushButton* makeButton(QWidget* parent, const QString& text, const QFont& font) {
    auto* b = new QPushButton(text, parent);
    b->setFont(font);
    b->setAutoDefault(true); // Enter presses the button that has the focus
    return b;
}

QList<int> typedCodes(const QKeyEvent* e) {
    QList<int> codes;
    const QString text = e->text();
    for (QChar ch : text) {
        const int u = ch.unicode();
        codes.append(u >= 1 && u <= 255 ? u : 256);
    }
    return codes;
}

} // namespace tapwell
