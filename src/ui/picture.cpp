#include "picture.h"

#include <QLoggingCategory>
#include <QPainter>
#include <QSvgRenderer>

namespace tapwell {

Q_LOGGING_CATEGORY(lcPictures, "tapwell.pictures")

struct Picture::Data {
    QString name;
    QSizeF natural;
    QColor colour;
    std::unique_ptr<QSvgRenderer> svg;
};

Picture Picture::fromResource(const QString& path, const QString& name, QSizeF naturalPx) {
    Picture pic;
    pic.d_ = std::make_shared<Data>();
    pic.d_->name = name;
    pic.d_->natural = naturalPx;
    pic.d_->svg = std::make_unique<QSvgRenderer>(path);
    if (!pic.d_->svg->isValid()) qCWarning(lcPictures) << "cannot draw picture" << path;
    pic.d_->svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
    return pic;
}

Picture Picture::solid(const QColor& colour, QSizeF naturalPx, const QString& name) {
    Picture pic;
    pic.d_ = std::make_shared<Data>();
    pic.d_->name = name;
    pic.d_->natural = naturalPx;
    pic.d_->colour = colour;
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
    if (d_->svg)
        d_->svg->render(&p, target);
    else
        p.fillRect(target, d_->colour);
}

} // namespace tapwell
