#include "platform/WindowSystem.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <QByteArray>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <cstdlib>
#include <memory>
// Xlib only for the DefaultScreen macro (no Xlib call, so no link to it).
#include <X11/Xlib.h>

namespace {

std::function<bool()> &Probe()
{
    static std::function<bool()> probe;
    return probe;
}

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// Whether some client owns the compositing manager selection of the X screen
// the program's connection was opened on.
bool X11CompositingManagerRuns()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c || !x11->display())
        return false;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(x11->display()));
    const xcb_intern_atom_cookie_t atomCookie = xcb_intern_atom(c, 0, uint16_t(name.size()), name.constData());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(xcb_intern_atom_reply(c, atomCookie, nullptr), &std::free);
    if (!atom)
        return false;
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr), &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace

bool WindowSystemPlacesWindows() { return OnWayland(); }

bool DesktopComposites()
{
    if (Probe())
        return Probe()();
    if (OnWayland())
        return true;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return X11CompositingManagerRuns();
    return false;
}

void SetDesktopCompositesProbe(std::function<bool()> probe) { Probe() = std::move(probe); }

bool StartWindowSystemMove(QWindow *window, Qt::Edges edges)
{
    if (!window || !(edges ? window->startSystemResize(edges) : window->startSystemMove()))
        return false;
    if (!OnWayland())
        return true;   // X11's window managers hand the release back themselves
    // After the press has been handled: Qt sends every pointer event to the
    // widget that took the press until that widget sees a release.
    QMetaObject::invokeMethod(
        window,
        [w = QPointer<QWindow>(window)] {
            if (!w)
                return;
            const QPointF global = QCursor::pos(w->screen());
            QMouseEvent release(QEvent::MouseButtonRelease, w->mapFromGlobal(global), global, Qt::LeftButton,
                                Qt::NoButton, QGuiApplication::keyboardModifiers());
            QCoreApplication::sendEvent(w, &release);
        },
        Qt::QueuedConnection);
    return true;
}
