#include "troublemap.h"

#include "progresswords.h"
#include "ui/keyboardwidget.h"
#include "ui/palette.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>

#include <array>

#include <cmath>

namespace tapwell {

namespace {

// One hue from cream to dark red, evenly darker at each step.
const QColor kScale[] = {{255, 247, 236}, {254, 232, 200}, {253, 212, 158},
                         {253, 187, 132}, {252, 141, 89},  {239, 101, 72},
                         {215, 48, 31},   {179, 0, 0},     {127, 0, 0}};
constexpr int kScaleSteps = int(std::size(kScale));
// A face larger than any key, as the key marker is: it covers the whole face.
constexpr QSizeF kFacePx(92, 41);
// The space bar's face: the panel's size (4215 by 615 twips) at the layout's scale.
constexpr QSizeF kSpaceBarPx(281, 41);
constexpr int kStripeGap = 8; // pixels, along the edges

// Light grey with darker grey stripes from edge to edge, so a face never asked for reads
// apart from every colour of the scale, in greyscale too. The stripes end at the edge: a
// drawing is not cut to its view box when it is shown.
QByteArray stripes(QSizeF size) {
    const int w = qRound(size.width()), h = qRound(size.height());
    QByteArray svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                    "height=\"%2\" viewBox=\"0 0 %1 %2\">"
                                    "<rect width=\"%1\" height=\"%2\" fill=\"#d4d4d4\"/>"
                                    "<g stroke=\"#a0a0a0\" stroke-width=\"3\">")
                         .arg(w)
                         .arg(h)
                         .toLatin1();
    for (int along = kStripeGap; along < w + h; along += kStripeGap) {
        // From the top edge (or the right) down to the left edge (or the bottom).
        const int x1 = std::min(along, w), y2 = std::min(along, h);
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>")
                   .arg(x1)
                   .arg(along - x1)
                   .arg(along - y2)
                   .arg(y2)
                   .toLatin1();
    }
    return svg + "</g></svg>";
}

// A hand of the keyboard's own pictures without the red square it stands on there: the
// map's keys and the board's blue show around it.
Picture bareHand(int hand) {
    QFile file(
        QStringLiteral(":/pictures/finger_%1.svg").arg(hand == 0 ? 0 : 7, 2, 10, QLatin1Char('0')));
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    static const QRegularExpression square(QStringLiteral("<rect[^>]*fill=\"#FF0000\"[^>]*/>"),
                                           QRegularExpression::CaseInsensitiveOption);
    svg = QString::fromUtf8(svg).remove(square).toUtf8();
    return Picture::fromSvg(svg,
                            hand == 0 ? QStringLiteral("left hand") : QStringLiteral("right hand"),
                            Pictures::get().finger[hand == 0 ? 0 : 7].naturalSize());
}

} // namespace

QColor troubleColour(double errorRate) {
    const double t = std::clamp(errorRate / kWorstRate, 0.0, 1.0) * (kScaleSteps - 1);
    const int i = std::min(static_cast<int>(t), kScaleSteps - 2);
    const double f = t - i;
    const QColor& a = kScale[i];
    const QColor& b = kScale[i + 1];
    const auto mix = [f](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * f)); };
    return {mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue())};
}

QColor captionColourOn(const QColor& face) {
    // Relative lightness as the eye weighs red, green and blue.
    const double light = 0.299 * face.redF() + 0.587 * face.greenF() + 0.114 * face.blueF();
    return light > 0.55 ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

const Picture& neverAskedFace() {
    static const Picture face =
        Picture::fromSvg(stripes(kFacePx), QStringLiteral("never asked"), kFacePx);
    return face;
}

const Picture& neverAskedSpaceBar() {
    static const Picture face =
        Picture::fromSvg(stripes(kSpaceBarPx), QStringLiteral("never asked"), kSpaceBarPx);
    return face;
}

const Picture& mapHand(int hand) {
    static const std::array<Picture, 2> hands = {bareHand(0), bareHand(1)};
    return hands[hand == 0 ? 0 : 1];
}

// ------------------------------------------------------------------ legend

TroubleLegend::TroubleLegend(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Colours of the trouble map"));
    setAccessibleDescription(tr("Light keys are seldom missed, dark red keys often; grey striped "
                                "keys were never asked for."));
    setToolTip(accessibleDescription());
}

QSize TroubleLegend::sizeHint() const {
    const QFontMetrics fm(font());
    return {px(9495), fm.height() * 2 + 12};
}

void TroubleLegend::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int box = fm.height() + 4;
    const int steps = 5; // 0%, 10% .. 40% or more
    int x = 0;
    p.setPen(palette().color(QPalette::WindowText));
    //: Before the colours of the scale, each named by how often a key is missed ("10%").
    const QString missed = tr("Missed:");
    p.drawText(QRect(x, 0, fm.horizontalAdvance(missed) + 8, box), Qt::AlignVCenter, missed);
    x += fm.horizontalAdvance(missed) + 8;
    for (int i = 0; i < steps; ++i) {
        const double rate = kWorstRate * i / (steps - 1);
        const QColor face = troubleColour(rate);
        const QRect r(x, 0, box * 2, box);
        p.fillRect(r, face);
        p.setPen(QColor(0, 0, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        QString label;
        if (i == steps - 1)
            //: The last colour of the scale: missed %1 percent of the time or more ("40%+").
            label = tr("%1%+").arg(qRound(rate * 100));
        else
            //: A colour of the scale: missed %1 percent of the time ("10%").
            label = tr("%1%").arg(qRound(rate * 100));
        p.setPen(captionColourOn(face));
        p.drawText(r, Qt::AlignCenter, label);
        x += r.width();
    }
    x += box;
    const QRect never(x, 0, box * 2, box);
    neverAskedFace().paint(p, never);
    p.setPen(QColor(0, 0, 0));
    p.drawRect(never.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(never.right() + 6, 0, width() - never.right() - 6, box), Qt::AlignVCenter,
               //: Beside the grey striped key of the scale.
               tr("never asked for"));
    p.drawText(QRect(0, box + 2, width(), fm.height() + 4), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Of each key's last %n presses. Point at a key to see more.", nullptr,
                  progress::kRecentPresses));
}

void fillTroubleMap(OnScreenKeyboard& map, const KeyTables* tables,
                    const std::map<int, progress::KeyStats>& keys_) {
    OnScreenKeyboard* keyboard = &map;
    const auto paint = [&](SSCommand* key, int index) {
        const auto it = keys_.find(index);
        const progress::KeyStats* stats = it == keys_.end() ? nullptr : &it->second;
        QPalette pal = key->palette();
        if (stats && stats->presses > 0) {
            const QColor face = troubleColour(stats->errorRate());
            key->setPicture(Picture::solid(face, kFacePx, face.name()));
            pal.setColor(QPalette::ButtonText, captionColourOn(face));
        } else {
            key->setPicture(neverAskedFace());
            pal.setColor(QPalette::ButtonText, QColor(0, 0, 0));
        }
        key->setPalette(pal);
        const QString tip =
            tables ? progress::keyTooltip(*tables, stats)
                   : QCoreApplication::translate("ProgressWords", "Never asked for yet");
        key->setToolTip(tip);
        key->setAccessibleDescription(tip);
    };
    for (std::size_t h = 0; h < keyboard->imgHand.size(); ++h)
        keyboard->imgHand[h]->setPicture(mapHand(static_cast<int>(h)));
    for (int k = kFirstKey; k <= kLastKey; ++k)
        if (k != kLeftShiftKey && k != kRightShiftKey) paint(keyboard->cmdKey(k), k);
    for (int k : {kIsoLeftKey, kIsoRightKey})
        paint(keyboard->cmdKey(k), k);
    for (int k : {kLeftShiftKey, kRightShiftKey}) {
        // A Shift key is never asked for by itself: its misses are its characters'.
        keyboard->cmdKey(k)->setPicture(neverAskedFace());
        keyboard->cmdKey(k)->setToolTip(QCoreApplication::translate(
            "TroubleMap", "Shift is counted with the key it is held for"));
    }
    const auto space = keys_.find(progress::kSpaceBarKey);
    const bool spaceAsked = space != keys_.end() && space->second.presses > 0;
    if (spaceAsked) {
        keyboard->pnlSpace->setBackColor(troubleColour(space->second.errorRate()));
        keyboard->pnlSpace->setPicture(Picture());
    } else {
        keyboard->pnlSpace->setPicture(neverAskedSpaceBar());
    }
    const QString spaceTip =
        tables ? progress::keyTooltip(*tables, spaceAsked ? &space->second : nullptr) : QString();
    //: %1 is what the space bar's numbers say, as "Came up 88 times, missed 16 times".
    keyboard->pnlSpace->setToolTip(
        QCoreApplication::translate("TroubleMap", "Space bar: %1").arg(spaceTip));
    keyboard->pnlSpace->setAccessibleName(QCoreApplication::translate("TroubleMap", "Space bar"));
    keyboard->pnlSpace->setAccessibleDescription(spaceTip);
}

} // namespace tapwell
