#include "twips.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegion>
#include <QScreen>
#include <QVariant>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <future>

namespace tapwell {

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->geometry();
        window->move(area.x() + (area.width() - window->frameGeometry().width()) / 2,
                     area.y() + (area.height() - window->frameGeometry().height()) / 2);
    }
}

namespace {

// What a window and each of its controls keep for the next change of scale.
constexpr const char* kScale = "tapwellLayoutScale";   // double, on a window
constexpr const char* kArea = "tapwellLayoutArea";     // QRect, on a window
constexpr const char* kPlace = "tapwellTwips";         // QRect in twips, on a control
constexpr const char* kFont = "tapwellLayoutFont";     // QFont at factor 1
constexpr const char* kFontShown = "tapwellShownFont"; // the font set for the scale

bool onWindowSurface(const QWidget* w) {
    return !w->isWindow() && w->parentWidget() == w->window();
}

// t in twips, at the scale f of w's window.
void applyPlace(QWidget* w, const QRect& t, double f) {
    const QRect g(px(t.x() * f), px(t.y() * f), px(t.width() * f), px(t.height() * f));
    if (!onWindowSurface(w)) {
        w->setGeometry(g);
        return;
    }
    // On the window's own surface the layout stands in its area; what reaches past the
    // layout's edge (the keyboard's board does, by two pixels) is cut there, as the
    // window's edge cuts it at the layout's own size.
    const QWidget* window = w->window();
    const QRect area = layoutArea(window);
    const QRect placed = g.translated(area.topLeft());
    w->setGeometry(placed);
    if (area != window->rect() && !area.contains(placed))
        w->setMask(QRegion(area.intersected(placed).translated(-placed.topLeft())));
    else if (!w->mask().isEmpty())
        w->clearMask();
}

QFont fontAtScale(QFont font, double factor) {
    if (factor == 1.0) return font;
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

// A font set on a control by its own code is the layout's, at factor 1: it is kept as
// such whether it came before or after the control was placed.
void rememberFont(QWidget* w) {
    if (!w->testAttribute(Qt::WA_SetFont)) return;
    const QVariant shown = w->property(kFontShown);
    if (!w->property(kFont).isValid() || !shown.isValid() || shown.value<QFont>() != w->font())
        w->setProperty(kFont, w->font());
}

void applyFont(QWidget* w, double f) {
    const QVariant laidOut = w->property(kFont);
    if (!laidOut.isValid()) return;
    const QFont shown = fontAtScale(laidOut.value<QFont>(), f);
    if (w->font() != shown) w->setFont(shown);
    w->setProperty(kFontShown, shown);
}

} // namespace

QEvent::Type LayoutScaleEvent::type() {
    static const auto registered = static_cast<QEvent::Type>(QEvent::registerEventType());
    return registered;
}

double layoutScale(const QWidget* w) {
    const QVariant f = w->window()->property(kScale);
    return f.isValid() ? f.toDouble() : 1.0;
}

int scaledPx(const QWidget* w, double twips) {
    return px(twips * layoutScale(w));
}

int scaledLine(const QWidget* w, int layoutPixels) {
    return std::max(1, static_cast<int>(std::lround(layoutPixels * layoutScale(w))));
}

QRect layoutArea(const QWidget* window) {
    const QVariant a = window->property(kArea);
    return a.isValid() ? a.toRect() : window->rect();
}

void place(QWidget* w, int left, int top, int width, int height) {
    const QRect t(left, top, width, height);
    w->setProperty(kPlace, t);
    rememberFont(w);
    const double f = layoutScale(w);
    applyFont(w, f);
    applyPlace(w, t, f);
}

QRect placedTw(const QWidget* w) {
    const QVariant t = w->property(kPlace);
    if (t.isValid()) return t.toRect();
    const double f = layoutScale(w);
    QRect g = w->geometry();
    if (onWindowSurface(w)) g.translate(-layoutArea(w->window()).topLeft());
    const auto back = [f](int pixels) { return static_cast<int>(std::lround(pixels * 15 / f)); };
    return {back(g.x()), back(g.y()), back(g.width()), back(g.height())};
}

int topTw(const QWidget* w) {
    return placedTw(w).y();
}

void setTopTw(QWidget* w, int top) {
    QRect t = placedTw(w);
    t.moveTop(top);
    place(w, t.x(), t.y(), t.width(), t.height());
}

void setLeftTw(QWidget* w, int left) {
    QRect t = placedTw(w);
    t.moveLeft(left);
    place(w, t.x(), t.y(), t.width(), t.height());
}

QFont layoutFontOf(const QWidget* w) {
    const QVariant f = w->property(kFont);
    return f.isValid() ? f.value<QFont>() : w->font();
}

void setLayoutFont(QWidget* w, const QFont& font) {
    w->setProperty(kFont, font);
    applyFont(w, layoutScale(w));
}

void scaleLayout(QWidget* window, QSize laidOut) {
    const QSize size = window->size();
    const double factor = size == laidOut
                              ? 1.0
                              : std::min(static_cast<double>(size.width()) / laidOut.width(),
                                         static_cast<double>(size.height()) / laidOut.height());
    const QSize areaSize(static_cast<int>(std::lround(laidOut.width() * factor)),
                         static_cast<int>(std::lround(laidOut.height() * factor)));
    const QRect area(
        QPoint((size.width() - areaSize.width()) / 2, (size.height() - areaSize.height()) / 2),
        areaSize);
    // Where no factor was set yet, the controls stand where place() put them: at factor 1
    // in the window's whole area, which is what this would do at the layout's own size.
    if (factor == layoutScale(window) && area == layoutArea(window)) return;
    window->setProperty(kScale, factor);
    window->setProperty(kArea, area);
    QList<QWidget*> controls;
    for (QWidget* c : window->findChildren<QWidget*>())
        if (c->window() == window) controls.append(c);
    for (QWidget* c : controls) {
        const QVariant t = c->property(kPlace);
        if (!t.isValid()) continue;
        rememberFont(c);
        applyFont(c, factor);
        applyPlace(c, t.toRect(), factor);
    }
    LayoutScaleEvent changed;
    for (QWidget* c : controls)
        QCoreApplication::sendEvent(c, &changed);
    QCoreApplication::sendEvent(window, &changed);
    window->update();
}

QFont layoutFont(const QString& family, double points, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    if (family == QLatin1String("Courier New"))
        f.setStyleHint(QFont::TypeWriter); // the text display needs a fixed pitch
    return f;
}

QFont fixedPitchFont(double points) {
    QFont f = layoutFont(QStringLiteral("Courier New"), points);
    f.setFixedPitch(true);
    if (QFontInfo(f).fixedPitch()) return f;
    QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    system.setPixelSize(f.pixelSize());
    if (QFontInfo(system).fixedPitch()) return system;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family)) {
            QFont any(family);
            any.setPixelSize(f.pixelSize());
            return any;
        }
    }
    return f;
}

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue")});
}

namespace {

// fontconfig without a single font still answers every family name with its aliases,
// but what it gives has no letters. Any font with letters, ours or another, will do.
bool anyFontHasLetters() {
    if (FcInit() == FcFalse) return false;
    FcPattern* withA = FcPatternCreate();
    FcCharSet* a = FcCharSetCreate();
    FcCharSetAddChar(a, 'A');
    FcPatternAddCharSet(withA, FC_CHARSET, a);
    FcObjectSet* file = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, withA, file);
    const bool found = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(file);
    FcCharSetDestroy(a);
    FcPatternDestroy(withA);
    return found;
}

std::future<bool>& fontCheck() {
    static std::future<bool> check;
    return check;
}

} // namespace

void startFontCheck() {
    static bool started = false;
    if (started) return;
    if (QCoreApplication::instance() == nullptr && qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID"))
        return;
    started = true;
    fontCheck() = std::async(std::launch::async, anyFontHasLetters);
}

bool checkFontsCanShowText() {
    const bool found = fontCheck().valid() ? fontCheck().get() : anyFontHasLetters();
    if (found) return true;
    std::fputs("Tapwell cannot start: no font is installed that can show its text (fontconfig "
               "finds none), so every word would be an empty box.\n"
               "Install a font package, for example fonts-liberation, and start Tapwell again.\n",
               stderr);
    return false;
}

} // namespace tapwell
