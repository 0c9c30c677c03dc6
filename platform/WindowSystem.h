#pragma once
// What the window system under the program does for its windows, where that
// changes how a window has to go about showing or moving itself.
#include <qnamespace.h>
#include <functional>

class QCursor;
class QWindow;

// True where a window cannot place itself and the window system places it
// (Wayland): moving it is then the window system's own move, and a window's
// idea of its place on the screen is only a guess.
bool WindowSystemPlacesWindows();

// True where a compositor blends each window over what lies beneath it, so a
// window's transparent pixels show the live screen: always on Wayland; on X11
// while a compositing manager holds the screen's _NET_WM_CM_S<n> selection;
// never on the offscreen and framebuffer platforms.
bool DesktopComposites();

// Starts the window system's own move of `window` (or its resize at `edges`)
// under the pointer, whose left button is down; false where the window system
// has none, and the program then moves the window itself. Wayland compositors
// end their move without ever reporting the button released: the program is
// then handed that release as soon as the move has started, so that no widget
// goes on holding the pointer and balloons show again at once.
bool StartWindowSystemMove(QWindow *window, Qt::Edges edges = {});

// The pointer that tells the program is busy. Where the theme's animated
// one is unsafe (Qt 6.4's Wayland client can free an animated cursor's frame
// callback inside its own handler, and crash), a still hourglass of the
// program's own; the theme's elsewhere.
QCursor BusyCursor();

// Tests put their own answer to DesktopComposites here; an empty function
// puts the window system's back.
void SetDesktopCompositesProbe(std::function<bool()> probe);
