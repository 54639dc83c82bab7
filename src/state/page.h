#pragma once

#include <array>
#include <optional>

// The pages of the wizard, in the order the user walks through them.
enum class Page { intro = 0, license = 1, products = 2, install = 3, summary = 4 };

inline constexpr std::array<Page, 5> allPages{Page::intro, Page::license, Page::products, Page::install,
                                              Page::summary};

constexpr int rawValue(Page page) { return static_cast<int>(page); }

// The page for 0 to 4; no page for any other number.
std::optional<Page> pageFromRawValue(int raw);

// The page whose raw value is one higher (lower); none past either end.
std::optional<Page> nextPage(Page page);
std::optional<Page> previousPage(Page page);
