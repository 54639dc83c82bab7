#pragma once

#include <QFont>

// The system font at a given size. Sizes are device-independent pixels like
// every other length of the window, so a 14 here matches the 14 of a row
// height rather than growing with the desktop's dots per inch.
QFont systemFont(int pixelSize);

// The font of a prominent single message, one step above the body text.
QFont title3Font();
