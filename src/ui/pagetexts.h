#pragma once

#include "state/page.h"

#include <QString>

// The label of a page in the page bar and the title above its content, in
// the user's language.
QString pageBarLabel(Page page);
QString pageTitle(Page page);
// What the window tells assistive technology about the page: its title, or
// its page bar label where the title is empty.
QString pageName(Page page);
// The page bar label as written in the code, whatever the language: it names
// the page's row, so that a row is found by the same name in every language.
QString pageKey(Page page);
