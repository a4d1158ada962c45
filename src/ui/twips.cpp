#include "twips.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QScreen>

#include <cmath>
#include <cstdio>

namespace tapwell {

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->geometry();
        window->move(area.x() + (area.width() - window->frameGeometry().width()) / 2,
                     area.y() + (area.height() - window->frameGeometry().height()) / 2);
    }
}

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(px(left), px(top), px(width), px(height));
}

int topTw(const QWidget* w) {
    return tw(w->y());
}

void setTopTw(QWidget* w, int top) {
    w->move(w->x(), px(top));
}

void setLeftTw(QWidget* w, int left) {
    w->move(px(left), w->y());
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

bool checkFontsCanShowText() {
    // fontconfig without a single font still answers every family name with its aliases,
    // but what it gives has no letters. Any font with letters, ours or another, will do.
    const QFontMetrics metrics(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));
    if (metrics.inFont(QLatin1Char('A'))) return true;
    std::fputs("Tapwell cannot start: no font is installed that can show its text (fontconfig "
               "finds none), so every word would be an empty box.\n"
               "Install a font package, for example fonts-liberation, and start Tapwell again.\n",
               stderr);
    return false;
}

} // namespace tapwell
