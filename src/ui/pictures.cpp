#include "pictures.h"

namespace tapwell {

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
