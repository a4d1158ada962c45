#include "controls.h"

#include "twips.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
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
// The layout's scale multiplies the lines as the device pixel ratio does.
struct DeviceArea {
    QTransform toDevice; // what the painter adds below its world transform
    QRect rect;          // the control's area in whole device pixels
    int line;            // one line of the layout, in device pixels
};

DeviceArea deviceArea(const QPainter& p, const QRect& r, double scale) {
    const qreal dpr = p.device() != nullptr ? p.device()->devicePixelRatio() : 1.0;
    // What the painter adds below its world transform: the control's offset in the
    // window and the scale. Undoing it leaves whole device pixels.
    const QTransform toDevice = p.worldTransform().inverted() * p.deviceTransform();
    const QPointF origin = toDevice.map(QPointF(r.topLeft()));
    const QRect d(qRound(origin.x()), qRound(origin.y()), qRound(r.width() * dpr),
                  qRound(r.height() * dpr));
    return {toDevice, d, std::max(1, qRound(dpr * scale))};
}

void drawBevel(QPainter& p, const QRect& r, bool sunken, double scale) {
    const QColor light = sunken ? QColor(128, 128, 128) : QColor(255, 255, 255);
    const QColor dark = sunken ? QColor(255, 255, 255) : QColor(128, 128, 128);
    const DeviceArea area = deviceArea(p, r, scale);
    const QTransform& toDevice = area.toDevice;
    const QRect& d = area.rect;
    const int t = area.line;
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

// The ring of a marked face: two lines of the layout thick, just inside the outline
// and the light line, over the inner shadow.
constexpr int kRingLines = 2;

void drawRing(QPainter& p, const QRect& r, const QColor& colour, double scale) {
    const DeviceArea area = deviceArea(p, r, scale);
    const qreal dpr = p.device() != nullptr ? p.device()->devicePixelRatio() : 1.0;
    const int width = std::max(2, qRound(kRingLines * dpr * scale));
    const QRect ring =
        area.rect.adjusted(2 * area.line, 2 * area.line, -2 * area.line, -2 * area.line);
    p.save();
    p.setWorldTransform(area.toDevice.inverted());
    p.fillRect(QRect(ring.left(), ring.top(), ring.width(), width), colour);
    p.fillRect(QRect(ring.left(), ring.bottom() - width + 1, ring.width(), width), colour);
    p.fillRect(QRect(ring.left(), ring.top(), width, ring.height()), colour);
    p.fillRect(QRect(ring.right() - width + 1, ring.top(), width, ring.height()), colour);
    p.restore();
}

// An outline of lines of a given width inside r.
void drawOutline(QPainter& p, const QRect& r, const QColor& colour, int width) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}

int scaled(double scale, int layoutPixels) {
    return static_cast<int>(std::lround(layoutPixels * scale));
}

// The toolkit's style, with a check box's indicator at its window's scale: a child aims
// at the box, not only at its caption.
class ScaledIndicatorStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        if (widget != nullptr && (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight ||
                                  metric == PM_CheckBoxLabelSpacing))
            return scaled(layoutScale(widget), value);
        return value;
    }
};

QStyle* scaledIndicatorStyle() {
    static QPointer<ScaledIndicatorStyle> style;
    if (style.isNull()) {
        style = new ScaledIndicatorStyle;
        style->setParent(QCoreApplication::instance()); // lives as long as the widgets
    }
    return style.data();
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

void SSCommand::setShiftCaption(const QString& caption) {
    if (caption == shiftCaption_) return;
    shiftCaption_ = caption;
    update();
}

void SSCommand::setRing(const QColor& colour) {
    if (colour == ring_) return;
    ring_ = colour;
    update();
}

void SSCommand::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double scale = layoutScale(this);
    const bool down = isDown();
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Button));
    const int one = std::max(1, scaled(scale, 1));
    const QPoint shift = down ? QPoint(one, one) : QPoint(0, 0);
    const bool hasText = !text().isEmpty();
    const QSizeF pictureSize = picture_.naturalSize() * scale;
    if (!picture_.isNull()) {
        QRectF target(QPointF(0, 0), pictureSize);
        target.moveCenter(QRectF(r).center());
        if (hasText && pictureSize.width() < r.width() &&
            pictureSize.height() < r.height()) // picture above text
            target.moveTop(r.top() + scaled(scale, 5));
        target.translate(shift);
        p.save();
        p.setClipRect(r.adjusted(one, one, -one, -one));
        picture_.paint(p, target);
        p.restore();
    }
    const QColor textColour = isEnabled()
                                  ? palette().color(QPalette::ButtonText)
                                  : palette().color(QPalette::Disabled, QPalette::ButtonText);
    if (!shiftCaption_.isEmpty()) {
        // Three fifths of the caption's size, clear of the ring and of the caption.
        QFont small = font();
        if (small.pixelSize() > 0)
            small.setPixelSize(std::max(1, qRound(small.pixelSize() * 0.6)));
        else
            small.setPointSizeF(small.pointSizeF() * 0.6);
        p.setFont(small);
        p.setPen(textColour);
        p.drawText(r.adjusted(scaled(scale, 6), scaled(scale, 2), 0, 0).translated(shift),
                   Qt::AlignLeft | Qt::AlignTop, shiftCaption_);
    }
    if (hasText) {
        p.setFont(font());
        p.setPen(textColour);
        QRect textRect = r.translated(shift);
        int flags = Qt::AlignHCenter | Qt::TextShowMnemonic;
        if (!picture_.isNull() && pictureSize.height() < r.height()) {
            flags |= Qt::AlignBottom;
            textRect.adjust(0, 0, 0, -scaled(scale, 5));
        } else {
            flags |= Qt::AlignVCenter;
        }
        p.drawText(textRect, flags, text());
    }
    drawBevel(p, r, down, scale);
    if (ring_.isValid()) drawRing(p, r, ring_, scale);
    // The focus, once the keyboard moves it: a dashed black and white frame inside the
    // edge, plain to see over any picture (the style's thin tint was lost on the stop
    // sign and the arrows).
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        const int line = scaled(scale, 2);
        const int inset = scaled(scale, 3) + line / 2;
        const QRect f = r.adjusted(inset, inset, -inset - 1, -inset - 1);
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, line));
        p.drawRect(f);
        QPen dashes(Qt::black, line, Qt::CustomDashLine);
        dashes.setDashPattern({2, 2});
        p.setPen(dashes);
        p.drawRect(f);
        p.restore();
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

void SSPanel::setPicture(const Picture& picture) {
    if (picture == picture_) return;
    picture_ = picture;
    update();
}

void SSPanel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void SSPanel::setRing(const QColor& colour) {
    if (colour == ring_) return;
    ring_ = colour;
    update();
}

void SSPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double scale = layoutScale(this);
    p.fillRect(rect(), back_);
    picture_.paint(p, QRectF(rect()));
    if (!caption_.isEmpty()) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        const int across = scaled(scale, 4), down = scaled(scale, 2);
        p.drawText(rect().adjusted(across, down, -across, -down),
                   Qt::AlignCenter | Qt::TextWordWrap, caption_);
    }
    drawBevel(p, rect(), false, scale);
    if (ring_.isValid()) drawRing(p, rect(), ring_, scale);
}

PictureBox::PictureBox(QWidget* parent, const QColor& back, const QColor& fore)
    : QWidget(parent), back_(back), fore_(fore) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    canvasStale_ = true;
}

// The canvas at the box's size, with everything printed since Cls drawn on it: at once
// after a change of size, scale or font, when it is next painted or printed on.
void PictureBox::updateCanvas() {
    const qreal dpr = devicePixelRatioF();
    const QSize s = (QSizeF(size()) * dpr).toSize();
    if (!canvasStale_ && canvas_.size() == s && canvas_.devicePixelRatio() == dpr) return;
    canvasStale_ = false;
    if (s.isEmpty()) {
        canvas_ = QImage();
        return;
    }
    canvas_ = QImage(s, QImage::Format_ARGB32_Premultiplied);
    canvas_.setDevicePixelRatio(dpr);
    canvas_.fill(back_);
    if (printed_.empty()) return;
    QPainter p(&canvas_);
    for (const Printed& text : printed_)
        draw(p, text);
}

void PictureBox::draw(QPainter& p, const Printed& text) const {
    const double scale = layoutScale(this);
    p.setFont(font());
    p.setPen(fore_);
    // Character by character at the whole-pixel advances of the font as laid out, exactly
    // as TextWidth counts them, so a typed character stands exactly under its model.
    const QFontMetrics laidOut(layoutFontOf(this));
    double x = text.x / 15.0 * scale;
    const double baseline = text.y / 15.0 * scale + QFontMetrics(font()).ascent();
    for (QChar ch : text.text) {
        p.drawText(QPointF(x, baseline), QString(ch));
        x += laidOut.horizontalAdvance(ch) * scale;
    }
}

int PictureBox::WidthTw() const {
    return placedTw(this).width();
}

void PictureBox::Cls() {
    printed_.clear();
    if (!canvas_.isNull()) canvas_.fill(back_);
    CurrentX = 0;
    CurrentY = 0;
    lines_.clear();
    lineOpen_ = false;
    update();
    emit textChanged();
}

void PictureBox::recordText(const QString& text, bool endLine) {
    if (!lineOpen_) lines_.append(QString());
    lines_.last() += text;
    lineOpen_ = !endLine;
    emit textChanged();
}

void PictureBox::Print(const QString& text, bool endLine) {
    if (!text.isEmpty()) {
        updateCanvas();
        printed_.push_back({CurrentX, CurrentY, text});
        if (!canvas_.isNull()) {
            QPainter p(&canvas_);
            draw(p, printed_.back());
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
    const QFontMetrics fm(layoutFontOf(this));
    int width = 0;
    for (QChar ch : text)
        width += fm.horizontalAdvance(ch);
    return width * 15;
}

int PictureBox::TextHeight(const QString&) const {
    return QFontMetrics(layoutFontOf(this)).height() * 15;
}

void PictureBox::Refresh() {
    repaint();
}

bool PictureBox::event(QEvent* e) {
    if (e->type() == LayoutScaleEvent::type() || e->type() == QEvent::FontChange) {
        canvasStale_ = true;
        update();
    }
    return QWidget::event(e);
}

void PictureBox::keyPressEvent(QKeyEvent* e) {
    if (const quint32 dead = deadKeysymOf(e);
        dead != 0 && isSignalConnected(QMetaMethod::fromSignal(&PictureBox::deadKeyPressed))) {
        e->accept();
        emit deadKeyPressed(dead);
        return;
    }
    const QList<int> codes = typedCodes(e);
    // A box nobody listens to (the progress window's keyboard) lets keys pass on.
    if (codes.isEmpty() || !isSignalConnected(QMetaMethod::fromSignal(&PictureBox::keyTyped))) {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    for (int code : codes)
        emit keyTyped(code);
}

void PictureBox::paintEvent(QPaintEvent* e) {
    updateCanvas();
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
    if (!stretch_ && !picture_.isNull()) resize(shownSize());
    update();
}

QSize ImageBox::shownSize() const {
    return (picture_.naturalSize() * layoutScale(this)).toSize();
}

bool ImageBox::event(QEvent* e) {
    if (e->type() == LayoutScaleEvent::type() && !stretch_ && !picture_.isNull())
        resize(shownSize());
    return QWidget::event(e);
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target = stretch_ ? QRectF(rect()) : QRectF(QPointF(0, 0), QSizeF(shownSize()));
    picture_.paint(p, target);
}

ShapeBox::ShapeBox(QWidget* parent, const QColor& border, int borderPx, const QColor& fill)
    : QWidget(parent), border_(border), fill_(fill), borderPx_(borderPx) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fill_.isValid()) p.fillRect(rect(), fill_);
    const int b = scaledLine(this, borderPx_);
    p.fillRect(0, 0, width(), b, border_);
    p.fillRect(0, height() - b, width(), b, border_);
    p.fillRect(0, 0, b, height(), border_);
    p.fillRect(width() - b, 0, b, height(), border_);
}

LineBox::LineBox(QWidget* parent, int x1, int y1, int x2, int y2, int widthPx, const QColor& colour)
    : QWidget(parent), colour_(colour), x1_(x1), y1_(y1), x2_(x2), y2_(y2), widthPx_(widthPx),
      horizontal_(y1 == y2) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    placeLine();
}

void LineBox::placeLine() {
    const int width = scaledLine(this, widthPx_);
    const int half = width / 2;
    if (horizontal_)
        setGeometry(scaledPx(this, x1_), scaledPx(this, y1_) - half,
                    scaledPx(this, x2_) - scaledPx(this, x1_) + 1, width);
    else
        setGeometry(scaledPx(this, x1_) - half, scaledPx(this, y1_), width,
                    scaledPx(this, y2_) - scaledPx(this, y1_) + 1);
}

bool LineBox::event(QEvent* e) {
    if (e->type() == LayoutScaleEvent::type()) placeLine();
    return QWidget::event(e);
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
    const double scale = layoutScale(this);
    const int line = scaledLine(this, 1);
    if (line == 1) {
        const QRect r = rect().adjusted(0, top, -1, -1);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(QColor(255, 255, 255));
        p.drawRect(r.adjusted(1, 1, 0, 0));
    } else {
        const QRect r = rect().adjusted(0, top, 0, 0);
        drawOutline(p, r.adjusted(0, 0, -line, -line), QColor(128, 128, 128), line);
        drawOutline(p, r.adjusted(line, line, 0, 0), QColor(255, 255, 255), line);
    }
    if (!caption_.isEmpty()) {
        p.setFont(font());
        const int w = fm.horizontalAdvance(caption_);
        const QRect textRect(scaled(scale, 8), 0, w + scaled(scale, 4), fm.height());
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
    if (codes.isEmpty()) {
        // Keys that make no character (arrows, Home...) move the cursor as usual; the
        // paste and cut shortcuts would bring in text that was never typed.
        if (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut)) return;
        QPlainTextEdit::keyPressEvent(e);
        return;
    }
    for (int code : codes) {
        const int key = code;
        refused_ = false;
        emit keyTyped(key);
        if (refused_) continue;
        if (key == 13)
            textCursor().insertText(QStringLiteral("\n"));
        else if (key == 8)
            textCursor().deletePreviousChar();
        else if (key == 127)
            textCursor().deleteChar();
        else if (key >= 32) {
            const char32_t ch = static_cast<char32_t>(key);
            textCursor().insertText(QString::fromUcs4(&ch, 1));
        }
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
    c->setStyle(scaledIndicatorStyle());
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

QString plainToolTip(const QString& text) {
    // A tooltip guesses whether its text is rich; escaped inside a tag, it always is, and
    // shows the text as it stands.
    return QStringLiteral("<span>%1</span>").arg(text.toHtmlEscaped());
}

QList<int> typedCodes(const QKeyEvent* e) {
    QList<int> codes;
    // Code points: a letter of another script is one character, not two halves.
    for (const char32_t u : e->text().toUcs4())
        if (u >= 1) codes.append(static_cast<int>(u));
    return codes;
}

quint32 deadKeysymOf(const QKeyEvent* e) {
    // X's dead keysyms, 0xfe50 (dead_grave) to 0xfe93; Qt numbers its dead keys alike.
    constexpr quint32 kFirstDead = 0xfe50, kLastDead = 0xfe93;
    const quint32 native = e->nativeVirtualKey();
    if (native >= kFirstDead && native <= kLastDead) return native;
    const auto key = static_cast<quint32>(e->key());
    if (key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Grave + (kLastDead - kFirstDead))
        return 0xfe00 | (key & 0xff);
    return 0;
}

} // namespace tapwell
