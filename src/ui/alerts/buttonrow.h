#pragma once

#include <QString>

#include <initializer_list>
#include <variant>

class QHBoxLayout;
class QPushButton;
class QWidget;

// The row of buttons at the foot of an alert.
namespace buttonrow {

// Room between buttons that takes whatever the row has left over.
struct Stretch
{
};
// A fixed gap between buttons, on top of the row's spacing.
struct Gap
{
    int width = 0;
};
using Part = std::variant<QPushButton *, Stretch, Gap>;

// A button of an alert, named `objectName` for tests and automation.
QPushButton *button(const QString &text, const char *objectName, QWidget *parent);

// `parts` from left to right, the overlays' spacing apart, with `margin`
// all round. The row lays out `parent` when one is given; otherwise the
// caller adds it to a layout.
QHBoxLayout *row(std::initializer_list<Part> parts, int margin, QWidget *parent = nullptr);

} // namespace buttonrow
