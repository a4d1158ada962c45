// The floor program: starts like Tapwell (same style) and shows the floor window.
#include "floorwindow.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tapwell-floor"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    tapwell::bench::FloorWindow w;
    w.show();
    return QApplication::exec();
}
