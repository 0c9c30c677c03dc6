#include "support/Desktop.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <xcb/xcb.h>
#include <cstdlib>
#include <memory>

namespace Desktop {

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

bool XDoTool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

} // namespace

QString Missing()
{
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return QStringLiteral("the %1 platform shows no windows on a screen").arg(platform);
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return QStringLiteral("no X display to watch the screen on");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return QStringLiteral("no xdotool");
    return {};
}

QImage Grab()
{
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> c(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(c.get()))
        return {};
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c.get())).data;
    const int w = screen->width_in_pixels, h = screen->height_in_pixels;
    Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(c.get(),
                            xcb_get_image(c.get(), XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0, uint16_t(w), uint16_t(h), ~0u),
                            nullptr),
        &std::free);
    // 24-bit colour in 32-bit pixels, the layout of QImage's RGB32.
    if (!image || image->depth != 24 || xcb_get_image_data_length(image.get()) != w * h * 4)
        return {};
    return QImage(xcb_get_image_data(image.get()), w, h, w * 4, QImage::Format_RGB32).copy();
}

void MoveTo(QPoint at) { XDoTool({"mousemove", QString::number(at.x()), QString::number(at.y())}); }
void Press(int button) { XDoTool({"mousedown", QString::number(button)}); }
void Release(int button) { XDoTool({"mouseup", QString::number(button)}); }

QPoint Find(const QImage &screen, const QImage &picture)
{
    const QImage s = screen.convertToFormat(QImage::Format_RGB32);
    const QImage p = picture.convertToFormat(QImage::Format_RGB32);
    const int pw = p.width(), ph = p.height();
    if (pw == 0 || ph == 0 || pw > s.width() || ph > s.height())
        return {-1, -1};
    // A few scattered points rule out nearly every place at once.
    const QPoint probes[] = {{pw / 2, ph / 2}, {pw / 3, ph / 5}, {pw - 7, ph - 5}, {5, ph - 9}, {pw / 7, ph / 2}};
    for (int y = 0; y + ph <= s.height(); ++y)
        for (int x = 0; x + pw <= s.width(); ++x) {
            bool maybe = true;
            for (const QPoint &q : probes)
                maybe = maybe && s.pixel(x + q.x(), y + q.y()) == p.pixel(q);
            if (maybe && s.copy(x, y, pw, ph) == p)
                return {x, y};
        }
    return {-1, -1};
}

} // namespace Desktop
