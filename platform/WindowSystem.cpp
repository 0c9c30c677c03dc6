#include "platform/WindowSystem.h"

#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
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

QCursor BusyCursor()
{
    if (!OnWayland())
        return QCursor(Qt::WaitCursor);
    // Made once and kept for the program's life: a pixmap must not outlive
    // the application object, as a static's would at exit.
    static const QCursor *still = [] {
        // 32 x 32: two glass bulbs between two bars, sand in the lower one.
        const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        QPixmap p(QSize(32, 32) * dpr);
        p.setDevicePixelRatio(dpr);
        p.fill(Qt::transparent);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        QPainterPath glass;
        glass.moveTo(9, 5);
        glass.lineTo(23, 5);
        glass.cubicTo(23, 12, 17, 14, 17, 16);
        glass.cubicTo(17, 18, 23, 20, 23, 27);
        glass.lineTo(9, 27);
        glass.cubicTo(9, 20, 15, 18, 15, 16);
        glass.cubicTo(15, 14, 9, 12, 9, 5);
        g.setPen(QPen(Qt::black, 1.5));
        g.setBrush(Qt::white);
        g.drawPath(glass);
        QPainterPath sand;
        sand.moveTo(16, 20);
        sand.cubicTo(20, 21, 22, 23, 22, 26);
        sand.lineTo(10, 26);
        sand.cubicTo(10, 23, 12, 21, 16, 20);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(0xC0, 0x90, 0x30));
        g.drawPath(sand);
        g.setPen(QPen(Qt::black, 1));
        g.setBrush(QColor(0x80, 0x50, 0x20));
        g.drawRect(QRectF(6.5, 2.5, 19, 3));
        g.drawRect(QRectF(6.5, 26.5, 19, 3));
        g.end();
        return new QCursor(p, 16, 16);
    }();
    return *still;
}
