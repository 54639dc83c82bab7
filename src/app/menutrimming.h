#pragma once

class QMenuBar;
class QWidget;

// Removes the first top-level menu titled exactly "File", then "Edit", then
// "View" (case-sensitive), reading the menu bar afresh before each search.
// A title is compared as the user sees it, without the "&" that marks its
// keyboard mnemonic.
void trimMenuBar(QMenuBar &menuBar);

// Trims the window's own menu bar, if it has one.
void trimWindowMenus(QWidget &window);
