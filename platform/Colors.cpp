#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// Fixed values for the system colours that have no palette role, and the
// fallback when no application (and so no palette) exists yet.
QColor SystemColor(int index)
{
    const QPalette pal = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                             ? QGuiApplication::palette()
                             : QPalette(QColor(0xC0, 0xC0, 0xC0));
    switch (index) {
    case 0: return pal.color(QPalette::Button);
    case 1: return QColor(0x00, 0x80, 0x80);
    case 2: return pal.color(QPalette::Active, QPalette::Highlight);
    case 3: return pal.color(QPalette::Inactive, QPalette::Mid);
    case 4: return pal.color(QPalette::Window);
    case 5: return pal.color(QPalette::Base);
    case 6: return pal.color(QPalette::Shadow);
    case 7: return pal.color(QPalette::WindowText);
    case 8: return pal.color(QPalette::WindowText);
    case 9: return pal.color(QPalette::HighlightedText);
    case 10: case 11: return pal.color(QPalette::Button);
    case 12: return pal.color(QPalette::Mid);
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);
    case 16: return pal.color(QPalette::Dark);
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::ButtonText);
    case 19: return pal.color(QPalette::Inactive, QPalette::WindowText);
    case 20: return pal.color(QPalette::Light);
    case 21: return pal.color(QPalette::Shadow);
    case 22: return pal.color(QPalette::Midlight);
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    default: return QColor(Qt::black);
    }
}

} // namespace

TColor FromQColor(const QColor &c) { return RGBColor(c.red(), c.green(), c.blue()); }

TColor ColorToRGB(TColor color)
{
    if (IsSystemColor(color))
        return FromQColor(SystemColor(color & 0xFF));
    return color;
}

QColor ToQColor(TColor color)
{
    if (IsSystemColor(color))
        return SystemColor(color & 0xFF);
    if (color == clNone || color == clDefault)
        return QColor(Qt::transparent);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
