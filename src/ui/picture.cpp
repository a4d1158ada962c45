#include "picture.h"
#include "logging.h"

#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tapwell {

struct Picture::Data {
    QString name;
    QSizeF natural;
    QColor colour;
    QString path;       // a drawing's file
    QByteArray svgText; // or the drawing itself; both empty for a solid colour
    bool drawing() const { return !path.isEmpty() || !svgText.isEmpty(); }
    // The drawing, read when it is first shown: start-up reads only what it shows.
    std::unique_ptr<QSvgRenderer> svg;
    QSvgRenderer& renderer();
    // The drawing rendered at the sizes it is shown at, drawn from then on as an image:
    // rendering the vector drawing on every repaint was most of a keystroke's cost.
    struct Rendered {
        QSize size;
        QPainter::RenderHints hints;
        QImage image;
    };
    std::vector<Rendered> rendered;
};

namespace {
// A few sizes a drawing is shown at (a hand picture is shown at one); more are rare.
constexpr std::size_t kRenderedSizes = 4;
} // namespace

QSvgRenderer& Picture::Data::renderer() {
    if (!svg) {
        svg = path.isEmpty() ? std::make_unique<QSvgRenderer>(svgText)
                             : std::make_unique<QSvgRenderer>(path);
        if (!svg->isValid())
            qCWarning(lcPictures) << "cannot draw picture" << (path.isEmpty() ? name : path);
        svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
    }
    return *svg;
}

Picture Picture::named(const QString& name, QSizeF naturalPx) {
    Picture pic;
    pic.d_ = std::make_shared<Data>();
    pic.d_->name = name;
    pic.d_->natural = naturalPx;
    return pic;
}

Picture Picture::fromResource(const QString& path, const QString& name, QSizeF naturalPx) {
    Picture pic = named(name, naturalPx);
    pic.d_->path = path;
    return pic;
}

Picture Picture::solid(const QColor& colour, QSizeF naturalPx, const QString& name) {
    Picture pic = named(name, naturalPx);
    pic.d_->colour = colour;
    return pic;
}

Picture Picture::fromSvg(const QByteArray& svg, const QString& name, QSizeF naturalPx) {
    Picture pic = named(name, naturalPx);
    pic.d_->svgText = svg;
    return pic;
}

QString Picture::name() const {
    return d_ ? d_->name : QString();
}

QSizeF Picture::naturalSize() const {
    return d_ ? d_->natural : QSizeF();
}

void Picture::paint(QPainter& p, const QRectF& target) const {
    if (!d_) return;
    if (!d_->drawing()) {
        p.fillRect(target, d_->colour);
        return;
    }
    // The image stands in for the drawing only where the drawing fills the whole paint
    // device (an image box's picture), unscaled at whole pixels, fully opaque, over what
    // is below: there it looks the same, and nothing drawn past the edge could show.
    const QPaintDevice* device = p.device();
    const QTransform& t = p.deviceTransform();
    const QRect whole = target.toRect();
    if (!device || whole.isEmpty() || QRectF(whole) != target ||
        whole != QRect(0, 0, device->width(), device->height()) ||
        !p.worldTransform().isIdentity() || t.type() > QTransform::TxTranslate ||
        t.dx() != std::round(t.dx()) || t.dy() != std::round(t.dy()) || p.opacity() != 1.0 ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver) {
        d_->renderer().render(&p, target);
        return;
    }
    auto& cache = d_->rendered;
    auto it = std::find_if(cache.begin(), cache.end(), [&](const Data::Rendered& r) {
        return r.size == whole.size() && r.hints == p.renderHints();
    });
    if (it == cache.end()) {
        if (cache.size() >= kRenderedSizes) cache.erase(cache.begin());
        QImage image(whole.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter ip(&image);
        ip.setRenderHints(p.renderHints());
        d_->renderer().render(&ip, QRectF(QPointF(0, 0), QSizeF(whole.size())));
        ip.end();
        cache.push_back({whole.size(), p.renderHints(), std::move(image)});
        it = cache.end() - 1;
    }
    p.drawImage(whole.topLeft(), it->image);
}

} // namespace tapwell
