#pragma once

#include <QString>

class QWidget;

// How the installer's own widgets present themselves to assistive technology
// (screen readers and the desktop's accessibility bus), where Qt's standard
// descriptions do not fit:
//   - the window is a frame named after the program, its description the
//     current page;
//   - a product row is a check box whose Toggle action clicks it, so the
//     product's flag changes, not only the box;
//   - a list row (ListRow) is one list item named by its text (and as the
//     current one while it is), selected while it is the current row, with
//     nothing inside it announced on its own;
//   - a symbol or the logo is a graphic with the name it was given;
//   - an overlay's card is an alert, or a dialog for the log window, named by
//     its message and modal.
// Widgets that Qt describes well (buttons, check boxes, texts) keep Qt's
// description.
namespace accessibility {

// Makes the descriptions above the ones in use. Call it before the widgets
// are first asked about; calling it again does nothing.
void install();

// Has a screen reader speak `news` about `widget`, the control the user is
// on, without moving the focus: a notification named by the news appears
// inside the widget (a pixel that draws nothing and takes no clicks), and
// Orca speaks a notification as it appears. (A change of the widget's
// description would not do: Qt 6.4's bridge sends it without its text, and
// Orca 43 fails on it.) The same news twice in a row is told twice. The
// notification goes when the focus leaves the widget, so coming back to the
// control later does not repeat old news.
void tell(QWidget *widget, const QString &news);

// Tells the screen reader that what `page` holds is shown now, so that its
// review of the window reads it. Qt's bridge tells only that the page itself
// is showing; a screen reader that looked at the page's contents while it
// was hidden would keep them as hidden. Does nothing while no screen reader
// is listening.
void exposeShown(QWidget *page);

} // namespace accessibility
