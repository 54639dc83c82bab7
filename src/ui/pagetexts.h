#pragma once

#include "state/page.h"

#include <QString>

// The label of a page in the page bar and the title above its content. Both
// are shown as written, never translated.
QString pageBarLabel(Page page);
QString pageTitle(Page page);
