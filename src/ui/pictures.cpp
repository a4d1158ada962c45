#include "pictures.h"

#include <QIconEngine>
#include <QPixmap>
#include <QResource>

#include <algorithm>

namespace tapwell {

namespace {

const QString kIconDrawing = QStringLiteral(":/pictures/icon.svg");

class ProgramIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const auto& sizes = kProgramIconSizes;
        if (mode == QIcon::Normal && state == QIcon::Off && size.width() == size.height() &&
            std::find(sizes.begin(), sizes.end(), size.width()) != sizes.end()) {
            QPixmap& drawn = drawn_[static_cast<std::size_t>(
                std::find(sizes.begin(), sizes.end(), size.width()) - sizes.begin())];
            if (drawn.isNull()) drawn = QPixmap::fromImage(readProgramIconImage(size.width()));
            if (drawn.size() == size) return drawn;
        }
        return drawing().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // Asked for with a device pixel ratio above 1: the drawing's, as it answers that.
        return drawing().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        drawing().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawing().actualSize(size, mode, state);
    }
    // None, as for any drawing: a window then asks for the sizes drawn beforehand.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {}; }
    QString key() const override { return QStringLiteral("tapwell-program-icon"); }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    bool isNull() override { return false; }

private:
    // The drawing itself, read the first time a size not drawn beforehand is asked for.
    QIcon& drawing() {
        if (drawing_.isNull()) drawing_ = QIcon(kIconDrawing);
        return drawing_;
    }
    QIcon drawing_;
    std::array<QPixmap, kProgramIconSizes.size()> drawn_;
};

} // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

QString programIconImage(int size) {
    return QStringLiteral(":/pictures/icon_%1.rgba").arg(size);
}

QImage readProgramIconImage(int size) {
    const QByteArray pixels = QResource(programIconImage(size)).uncompressedData();
    if (pixels.size() != size * size * 4) return {};
    // Copied out of the bytes read, in the toolkit's own order of a pixel's bytes.
    return QImage(reinterpret_cast<const uchar*>(pixels.constData()), size, size, size * 4,
                  QImage::Format_RGBA8888_Premultiplied)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const Pictures& Pictures::get() {
    static const Pictures pictures = [] {
        Pictures p;
        const auto svg = [](const char* file, double w, double h) {
            const QString name = QString::fromLatin1(file);
            return Picture::fromResource(
                QStringLiteral(":/pictures/") + name + QStringLiteral(".svg"), name, QSizeF(w, h));
        };
        for (int k = 0; k < 14; ++k) {
            const QByteArray name =
                QStringLiteral("finger_%1").arg(k, 2, 10, QLatin1Char('0')).toLatin1();
            p.finger[static_cast<std::size_t>(k)] = svg(name.constData(), 60, 63);
        }
        p.keyMarker =
            Picture::solid(QColor(255, 255, 0), QSizeF(92, 41), QStringLiteral("key marker"));
        p.arrow = svg("arrow", 125, 75);
        p.computer = svg("computer", 3495.0 / 15, 4287.0 / 15);
        p.stop = svg("stop", 32, 32);
        p.previous = svg("arrow_left", 32, 32);
        p.next = svg("arrow_right", 32, 32);
        p.help = svg("help", 16, 16);
        p.icon = svg("icon", 32, 32);
        p.logo = svg("logo", 180, 200);
        return p;
    }();
    return pictures;
}

} // namespace tapwell
