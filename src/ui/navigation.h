#pragma once

#include "catalogue/productmap.h"
#include "state/page.h"

class AppSettings;

enum class ForwardLabel { next, close };

// What the button bar offers on a page. The buttons never enforce the
// license: Next stays enabled there and the page flow decides.
struct Navigation
{
    bool selectAllPresent = false;
    bool selectAllEnabled = false;
    bool goBackEnabled = false;
    ForwardLabel forwardLabel = ForwardLabel::next;
    bool forwardEnabled = true;

    bool operator==(const Navigation &) const = default;
};

Navigation navigationFor(Page page, const ProductMap &products);

// One page back, never before the first page.
void goBack(AppSettings &settings);
