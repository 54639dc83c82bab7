#pragma once

#include "catalogue/productmap.h"
#include "state/page.h"

#include <QString>

// What takes the keyboard focus when `page` comes up, by objectName: the
// first thing on it to read or to choose. A screen reader speaks a focus that
// moves into a page by the page's name (see ContentPanel) and then that
// thing, so the move is how a page change is heard.
QString arrivalFocus(Page page, const ProductMap &products);
