// The smallest Qt Widgets program that shows a window of the installer's
// size: the yardstick for the installer's start-up.

#include "firstpaintprobe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(648, 405);
    const FirstPaintProbe probe(window);
    window.show();
    return QApplication::exec();
}
