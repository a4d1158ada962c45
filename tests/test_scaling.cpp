// The window at another size: the layout scaled from its twips, typing that gives the
// same line at any size, the marks and captions that read without colour, the hand
// pictures whose lit finger stands out, and the size kept for the next start.
#include "harness.h"

#include "io/settingsfile.h"
#include "shell/windowstate.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>
#include <map>

using namespace tapwell;
using namespace tapwell::test;

namespace {

// The window at twice its layout's size: every twips value doubles, exactly.
const QSize kDouble(2 * 631, 2 * 446);

// Relative luminance and contrast ratio, as accessibility guidelines define them.
double luminance(const QColor& c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDark(const QColor& c) {
    return c.red() < 64 && c.green() < 64 && c.blue() < 64;
}

// The width of the dark ring on a face's left side, along its middle row: the dark run
// right after the bevel's outline and light line.
int ringWidth(const QImage& face) {
    const int y = face.height() / 2;
    int x = 0;
    while (x < face.width() && isDark(face.pixelColor(x, y))) // the outline
        ++x;
    while (x < face.width() && face.pixelColor(x, y) == Qt::white) // the light line
        ++x;
    int ring = 0;
    while (x + ring < face.width() && isDark(face.pixelColor(x + ring, y)))
        ++ring;
    return ring;
}

QRect scaled(const QRect& twips, double factor, QPoint offset = {}) {
    return QRect(px(twips.x() * factor), px(twips.y() * factor), px(twips.width() * factor),
                 px(twips.height() * factor))
        .translated(offset);
}

struct LineTyped {
    QStringList display;
    int right = 0, wrong = 0;
    int penX = 0;
};

// A Character Drill line typed by the guide, with one wrong key; resize, when valid,
// changes the window's size after the fifth key.
LineTyped typeALine(Fixture& f, QSize resize = {}) {
    FrmType& w = f.w();
    w.cmdMenu_Click(2);
    w.cmdOK_Click();
    LineTyped result;
    result.penX = w.state().PenX;
    for (int i = 0; i < 60 && !controlsOf(w).cmdOK->isVisible(); ++i) {
        if (i == 3) f.type('~'); // no line asks for it
        if (i == 5 && resize.isValid()) w.resize(resize);
        f.type(w.state().TargetKey);
    }
    result.display = controlsOf(w).picDisplay->printedLines();
    result.right = w.state().RightCount;
    result.wrong = w.state().ErrorCount;
    return result;
}

} // namespace

class TestScaling : public QObject {
    Q_OBJECT
private slots:
    void controlsStandWhereTheLayoutPutsThemScaled_data();
    void controlsStandWhereTheLayoutPutsThemScaled();
    void aWideWindowCentresTheLayout();
    void aLineTypesTheSameAtAnySize();
    void whatWasPrintedIsDrawnAgainAtTheNewSize();
    void markedFacesCarryADarkRing_data();
    void markedFacesCarryADarkRing();
    void keysShowTheirShiftCharacters_data();
    void keysShowTheirShiftCharacters();
    void litFingersStandOut_data();
    void litFingersStandOut();
    void theSizeIsKeptBesideTheSettingsFile();
};

void TestScaling::controlsStandWhereTheLayoutPutsThemScaled_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<double>("factor");
    for (double factor : {1.0, 2.0}) {
        const QByteArray at = factor == 1.0 ? " at 1x" : " at 2x";
        QTest::newRow("A key" + at) << "A" << QRect(1560, 1320, 615, 615) << factor;
        QTest::newRow("Enter" + at) << "Enter" << QRect(8160, 1320, 1215, 615) << factor;
        QTest::newRow("space bar" + at) << "space" << QRect(2760, 2520, 4215, 615) << factor;
        QTest::newRow("right hand" + at) << "hand" << QRect(7800, 2640, 855, 735) << factor;
        QTest::newRow("Choices" + at) << "menu" << QRect(3000, 480, 3375, 2775) << factor;
        QTest::newRow("Word Drill button" + at) << "word" << QRect(360, 1800, 2655, 375) << factor;
        QTest::newRow("Top Row box" + at) << "top row" << QRect(480, 555, 1335, 255) << factor;
        QTest::newRow("display" + at) << "display" << QRect(3000, 3600, 6135, 2535) << factor;
        QTest::newRow("results label" + at) << "speed" << QRect(495, 360, 2265, 270) << factor;
    }
}

void TestScaling::controlsStandWhereTheLayoutPutsThemScaled() {
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    QFETCH(double, factor);
    Fixture f;
    FrmType& w = f.w();
    w.resize(FrmType::laidOutSize() * factor);
    const std::map<QString, QWidget*> controls = {
        {"A", controlsOf(w).cmdKey(76)},      {"Enter", controlsOf(w).cmdKey(87)},
        {"space", controlsOf(w).pnlSpace},    {"hand", controlsOf(w).imgHand[1]},
        {"menu", controlsOf(w).fraMenu},      {"word", controlsOf(w).cmdMenu[3]},
        {"top row", controlsOf(w).chkRow[1]}, {"display", controlsOf(w).picDisplay},
        {"speed", controlsOf(w).lblSpeed}};
    QWidget* c = controls.at(control);
    QCOMPARE(layoutScale(c), factor);
    QCOMPARE(c->geometry(), scaled(twips, factor));
    QCOMPARE(placedTw(c), twips);
    // Fonts grow with the layout; text is still measured in the layout's twips.
    if (c == controlsOf(w).cmdKey(76)) QCOMPARE(c->font().pixelSize(), qRound(19 * factor));
    QCOMPARE(controlsOf(w).picDisplay->TextWidth(QStringLiteral("0")), 195);
    QCOMPARE(controlsOf(w).picDisplay->WidthTw(), 6135);
    QCOMPARE(controlsOf(w).picDisplay->font().pixelSize(), qRound(21 * factor));
}

void TestScaling::aWideWindowCentresTheLayout() {
    Fixture f;
    FrmType& w = f.w();
    w.resize(1600, 600); // wider than the layout: room left and right
    const double factor = 600.0 / 446;
    QCOMPARE(layoutScale(&w), factor);
    const int width = qRound(631 * factor);
    const QPoint offset((1600 - width) / 2, 0);
    QCOMPARE(layoutArea(&w), QRect(offset, QSize(width, 600)));
    QCOMPARE(controlsOf(w).fraMenu->geometry(), scaled({3000, 480, 3375, 2775}, factor, offset));
    // Children stand in their parent as before; only the window's own controls move.
    QCOMPARE(controlsOf(w).cmdMenu[0]->geometry(), scaled({360, 360, 2655, 375}, factor));
    // The keyboard's board reaches two layout pixels past the layout's right edge: that
    // strip is cut, as the window's edge cuts it at the layout's size.
    w.cmdMenu_Click(2);
    QVERIFY(!controlsOf(w).picKeys->mask().isEmpty());
    QCOMPARE(controlsOf(w)
                 .picKeys->mapTo(&w, controlsOf(w).picKeys->mask().boundingRect().topRight())
                 .x(),
             layoutArea(&w).right());
    // Back to the layout's own size, nothing is cut and every pixel is where it was.
    w.resize(FrmType::laidOutSize());
    QCOMPARE(layoutScale(&w), 1.0);
    QVERIFY(controlsOf(w).picKeys->mask().isEmpty());
    QCOMPARE(controlsOf(w).fraMenu->geometry(), scaled({3000, 480, 3375, 2775}, 1));
}

void TestScaling::aLineTypesTheSameAtAnySize() {
    Fixture small;
    const LineTyped atLayoutSize = typeALine(small);
    Fixture large;
    large.w().resize(kDouble);
    const LineTyped atDouble = typeALine(large);
    Fixture resized;
    const LineTyped resizedMidLine = typeALine(resized, QSize(900, 700));

    QCOMPARE(atLayoutSize.wrong, 1);
    for (const LineTyped& other : {atDouble, resizedMidLine}) {
        QCOMPARE(other.display, atLayoutSize.display);
        QCOMPARE(other.right, atLayoutSize.right);
        QCOMPARE(other.wrong, atLayoutSize.wrong);
        QCOMPARE(other.penX, atLayoutSize.penX);
    }
    QVERIFY(controlsOf(resized.w()).cmdOK->isVisible());
    QCOMPARE(controlsOf(resized.w()).lblSpeed->text(), controlsOf(small.w()).lblSpeed->text());
}

void TestScaling::whatWasPrintedIsDrawnAgainAtTheNewSize() {
    Fixture f;
    FrmType& w = f.w();
    w.cmdMenu_Click(2);
    w.cmdOK_Click();
    for (int i = 0; i < 4; ++i)
        f.type(w.state().TargetKey);
    const QRect cursorTw = placedTw(controlsOf(w).shpChar);
    w.resize(kDouble);
    QCOMPARE(placedTw(controlsOf(w).shpChar), cursorTw);
    QCOMPARE(controlsOf(w).shpChar->geometry(), scaled(cursorTw, 2));
    QCOMPARE(topTw(controlsOf(w).imgArrow),
             int(w.state().RowTop(w.state().LineRows(w.state().LinePos))));
    QCOMPARE(controlsOf(w).imgArrow->y(), px(2 * topTw(controlsOf(w).imgArrow)));

    // The model line and the four typed characters are on the canvas, at twice the size:
    // ink in each line's band, where a line is twice the layout's 23 pixels high.
    const QImage shown = controlsOf(w).picDisplay->grab().toImage();
    const auto inkIn = [&shown](int top, int bottom) {
        int ink = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (isDark(shown.pixelColor(x, y))) ++ink;
        return ink;
    };
    const int line = 2 * px(controlsOf(w).picDisplay->TextHeight(QStringLiteral("0")));
    const int modelTop = 2 * px(w.state().PenY) - line;
    QVERIFY(inkIn(modelTop, modelTop + line) > 200);
    QVERIFY(inkIn(modelTop + line, modelTop + 2 * line) > 40);
    QVERIFY(inkIn(modelTop + 2 * line, shown.height()) == 0);
}

void TestScaling::markedFacesCarryADarkRing_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("factor");
    for (double factor : {1.0, 2.0}) {
        const QByteArray at = factor == 1.0 ? " at 1x" : " at 2x";
        QTest::newRow("A" + at) << "A" << factor;
        QTest::newRow("Enter" + at) << "Enter" << factor;
        QTest::newRow("left Shift" + at) << "Shift" << factor;
        QTest::newRow("space bar" + at) << "space" << factor;
    }
}

void TestScaling::markedFacesCarryADarkRing() {
    QFETCH(QString, face);
    QFETCH(double, factor);
    Fixture f;
    FrmType& w = f.w();
    w.resize(FrmType::laidOutSize() * factor);
    w.cmdMenu_Click(2);
    w.core().guide().ClearHomeKeys();
    QWidget* target = nullptr;
    if (face == "A") {
        w.core().guide().ShowKey('a');
        target = controlsOf(w).cmdKey(76);
    } else if (face == "Enter") {
        w.core().guide().ShowEnterKey();
        target = controlsOf(w).cmdKey(87);
    } else if (face == "Shift") {
        w.core().guide().ShowLeftShift();
        target = controlsOf(w).cmdKey(88);
    } else {
        w.core().guide().ShowSpaceBar();
        target = controlsOf(w).pnlSpace;
    }
    const QImage marked = target->grab().toImage();
    const QColor unmarkedFace = controlsOf(w).cmdKey(77)->grab().toImage().pixelColor(
        qRound(8 * factor), qRound(8 * factor));
    const int ring = ringWidth(marked);
    QVERIFY2(ring >= qRound(2 * factor), qPrintable(QString::number(ring)));
    const QColor ringColour = marked.pixelColor(qRound(3 * factor), marked.height() / 2);
    QVERIFY(contrast(ringColour, unmarkedFace) >= 3.0);
    // Inside the ring the face is the marker's yellow, as before.
    QCOMPARE(marked.pixelColor(qRound(6 * factor), qRound(6 * factor)), QColor(255, 255, 0));
    // Unmarked again, no ring is left.
    w.core().guide().ClearAllKeys();
    QCOMPARE(ringWidth(target->grab().toImage()), 0);
}

void TestScaling::keysShowTheirShiftCharacters_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("small");
    QTest::newRow("1") << 52 << "!";
    QTest::newRow("equals") << 63 << "+";
    QTest::newRow("left bracket") << 74 << "{";
    QTest::newRow("semicolon") << 85 << ":";
    QTest::newRow("quote") << 86 << "\"";
    QTest::newRow("comma") << 96 << "<";
    QTest::newRow("slash") << 98 << "?";
    QTest::newRow("a letter keeps its caption alone") << 64 << "";
    QTest::newRow("Enter") << 87 << "";
    QTest::newRow("Shift") << 99 << "";
}

void TestScaling::keysShowTheirShiftCharacters() {
    QFETCH(int, key);
    QFETCH(QString, small);
    Fixture f;
    QCOMPARE(controlsOf(f.w()).cmdKey(key)->shiftCaption(), small);
}

void TestScaling::litFingersStandOut_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("before"); // yellow pixels of the hands we drew first
    QTest::addColumn<int>("least");
    QTest::newRow("plain left hand") << 0 << 0 << 0;
    for (int hand = 0; hand < 2; ++hand) {
        const QByteArray side = hand == 0 ? "left " : "right ";
        QTest::newRow(side + "little finger") << 7 * hand + 1 << 66 << 180;
        QTest::newRow(side + "ring finger") << 7 * hand + 2 << 108 << 0;
        QTest::newRow(side + "middle finger") << 7 * hand + 3 << 128 << 0;
        QTest::newRow(side + "index finger") << 7 * hand + 4 << 102 << 0;
        QTest::newRow(side + "four fingers") << 7 * hand + 5 << 404 << 0;
        QTest::newRow(side + "thumb") << 7 * hand + 6 << 101 << 0;
    }
    QTest::newRow("plain right hand") << 7 << 0 << 0;
}

void TestScaling::litFingersStandOut() {
    QFETCH(int, picture);
    QFETCH(int, before);
    QFETCH(int, least);
    QSvgRenderer svg(
        QStringLiteral(":/pictures/finger_%1.svg").arg(picture, 2, 10, QLatin1Char('0')));
    QVERIFY(svg.isValid());
    svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
    // As the keyboard shows it at the layout's size: 57 x 49.
    QImage image(57, 49, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(0, 0, 57, 49));
    p.end();
    int yellow = 0, dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() >= 230 && c.green() >= 230 && c.blue() <= 60) ++yellow;
            if (isDark(c)) ++dark;
        }
    if (before == 0) {
        QCOMPARE(yellow, 0);
        QCOMPARE(dark, 0); // the dark outline is the lit finger's alone
        return;
    }
    QVERIFY2(yellow >= std::max(least, before * 5 / 2), qPrintable(QString::number(yellow)));
    QVERIFY2(dark >= 30, qPrintable(QString::number(dark)));
}

void TestScaling::theSizeIsKeptBesideTheSettingsFile() {
    QCOMPARE(QFileInfo(optionsFilePath()).dir(), QFileInfo(userSettingsPath()).dir());
    QWidget first;
    first.setMinimumSize(300, 200);
    first.resize(700, 500);
    saveWindowSize(&first);
    QWidget next;
    next.setMinimumSize(300, 200);
    restoreWindowSize(&next);
    QCOMPARE(next.size(), QSize(700, 500));
    QCOMPARE(next.windowState(), Qt::WindowNoState);

    first.setWindowState(Qt::WindowFullScreen);
    saveWindowSize(&first);
    QWidget again;
    restoreWindowSize(&again);
    QVERIFY(again.windowState().testFlag(Qt::WindowFullScreen));
    // Nothing of it is written to the one-line settings file.
    QVERIFY(!QFileInfo::exists(userSettingsPath()));
}

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"
