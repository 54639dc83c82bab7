#pragma once

#include "state/page.h"

#include <QString>

// The label of a page in the page bar and the title above its content. Both
// are shown as written, never translated.
QString pageBarLabel(Page page);
QString pageTitle(Page page);
// What the window tells assistive technology about the page: its title, or
// its page bar label where the title is empty.
QString pageName(Page page);
