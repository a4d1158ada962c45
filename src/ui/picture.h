// A picture that controls show and share: a vector drawing (from our resources, or made
// by the program) or a solid colour. Copies share one drawing, and two pictures are equal when they
// are the same drawing, so a test can ask which picture a control shows.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QRectF;

namespace tapwell {

class Picture {
public:
    Picture() = default; // the empty picture
    static Picture fromResource(const QString& path, const QString& name, QSizeF naturalPx);
    static Picture solid(const QColor& colour, QSizeF naturalPx, const QString& name);
    // A vector drawing made by the program (SVG text), not read from a file.
    static Picture fromSvg(const QByteArray& svg, const QString& name, QSizeF naturalPx);

    bool isNull() const { return !d_; }
    QString name() const;
    QSizeF naturalSize() const; // in pixels
    void paint(QPainter& p, const QRectF& target) const;

    bool operator==(const Picture& o) const { return d_ == o.d_; }

private:
    struct Data;
    // A picture of this name and size; the factories fill in what it is drawn from.
    static Picture named(const QString& name, QSizeF naturalPx);
    std::shared_ptr<Data> d_;
};

} // namespace tapwell
