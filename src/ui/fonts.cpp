#include "ui/fonts.h"

#include <QApplication>

QFont systemFont(int pixelSize)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    return font;
}

QFont title3Font() { return systemFont(15); }
