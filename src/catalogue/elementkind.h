#pragma once

#include <QStringView>

// What an element of a product is, read from its path: a Lightroom variant
// ("Lightroom" in the path) with its version digit ("Softhaze 3" in the path
// gives 3, anything else 4), or a plain plug-in folder.
//
// The path counts from the bundle's "Products" folder down when the element
// lies in a product folder inside one, so the folder the bundle was unpacked
// into says nothing about its elements. A path of any other shape counts
// whole.
struct ElementKind
{
    bool lightroom = false;
    int digit = 0; // 3 or 4 for a Lightroom variant, 0 otherwise

    friend bool operator==(const ElementKind &, const ElementKind &) = default;
};

ElementKind kindOf(QStringView element);
