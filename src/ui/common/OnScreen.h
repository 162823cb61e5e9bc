#pragma once
// Keeping windows where the user can reach them: a rectangle stored on a
// monitor that has since gone (or edited by hand) must not put the main
// window, or a dialog placed beside it, off every screen.
#include <QMargins>
#include <QRect>

class QWidget;

namespace OnScreen {

// r moved wholly inside area (shrunk where it does not fit).
QRect Inside(const QRect &r, const QRect &area);
// The main window's rectangle at start (frame corner and client size, as
// move() and resize() take them) for the rectangle the user chose: where
// the window with its frame does not fit area it is moved in, as near as
// it can be to where it was, and shrunk only where moving is not enough.
QRect StartRect(const QRect &chosen, const QMargins &frame, const QRect &area);

// The available area of the screen that holds most of r (the primary
// screen when none does).
QRect AvailableAreaFor(const QRect &r);

// A top-level window (a dialog) kept wholly inside the screen; the window's
// own geometry is changed.
void KeepInside(QWidget *w);

// The main window's work area (where its child windows lie), in screen
// coordinates; empty without a main window on screen.
QRect MainWorkArea();
// A window opened over the main window (the monitor, the online actuator
// window) moved wholly inside the work area (shrunk where it is larger)
// when there is one, and always kept inside the screen.
void KeepInWorkArea(QWidget *w);

// The area a child window of the main window (its MDI frame) lies in: its
// parent's rectangle, in the parent's coordinates; empty while the parent
// is not on screen.
QRect ChildArea(const QWidget *child);
// A child window moved (and shrunk where it is larger) wholly inside its
// area; nothing while it is maximized or minimized or the area is not shown.
void KeepChildInArea(QWidget *child);

} // namespace OnScreen
