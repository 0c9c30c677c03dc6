#pragma once
// The whole screen as the window system shows it, and a real pointer, for the
// tests of what the window system does with the program's windows: on Xvfb,
// and on a Wayland compositor nested in Xvfb (whose output is then an X
// window at the X screen's top left corner, and whose input comes from the X
// pointer). The pointer is moved and pressed with xdotool on that X display.
#include <QImage>
#include <QPoint>
#include <QString>

namespace Desktop {

// Empty when the program's windows are on such a desktop; otherwise why not
// (the offscreen platform, no X display, no xdotool).
QString Missing();

// The X screen, which is the compositor's output when one is nested.
QImage Grab();

// Moves the real pointer to `at` on the X screen.
void MoveTo(QPoint at);
// Holds down or lets go the real mouse button 1 (left), 2 (middle) or 3 (right).
void Press(int button);
void Release(int button);

// The top left corner at which `picture` lies in `screen`, or (-1, -1).
QPoint Find(const QImage &screen, const QImage &picture);

} // namespace Desktop
