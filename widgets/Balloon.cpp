#include "widgets/Balloon.h"

#include "platform/WindowSystem.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QToolTip>
#include <QWindow>

namespace {

QPointer<TBalloonHint> GBalloonHint;

QFont DefaultBalloonFont()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(8);
    return f;
}

int PrimaryScreenWidth()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

constexpr Qt::MouseButtons ShowStoppers = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;

} // namespace

// ---------------------------------------------------------------- settings

TBalloonBase::TBalloonBase(QObject *parent) : QObject(parent), FFont(QApplication::font()) {}

void TBalloonBase::SetMaxWidth(int width)
{
    const int screenWidth = PrimaryScreenWidth();
    FMaxWidth = (screenWidth > 0 && width >= screenWidth) ? screenWidth : width;
}

int TBalloonBase::EffectiveMaxWidth(int screenWidth) const
{
    if (FMaxWidth < 0)
        return screenWidth / -FMaxWidth;
    return qMin(FMaxWidth, screenWidth);
}

TBalloonHint::TBalloonHint(QObject *parent) : TBalloonBase(parent)
{
    GBalloonHint = this;
    SetActive(true);
}

TBalloonHint::~TBalloonHint()
{
    if (GBalloonHint == this) {
        GBalloonHint = nullptr;
        SetActive(false);
    }
}

void TBalloonHint::SetActive(bool active)
{
    if (QCoreApplication::closingDown())
        return;
    FActive = active;
    // The hint on show goes; the next one is made by the new class.
    if (active)
        SetHintWindowClass([] { return new TBalloonHintWindow; });
    else
        SetHintWindowClass({});
}

const TBalloonBase &BalloonSettings()
{
    static const TBalloonBase *defaults = new TBalloonBase;
    return GBalloonHint ? *GBalloonHint : *defaults;
}

// ---------------------------------------------------------------- geometry

namespace Balloon {

int TextWidthLimit(const TBalloonBase &settings, int px, const QRect &screen)
{
    const int x = px - screen.left();
    const int room = qMax(x, screen.width() - x);
    return qMin(settings.EffectiveMaxWidth(screen.width()), room) - (settings.ShadowDepth() + 33);
}

QSize WindowSize(QSize textSize, int shadow)
{
    return QSize(qMax(59, textSize.width() + shadow + 33), textSize.height() + shadow + 38);
}

QPoint Place(QPoint p, QSize size, TBalloonPosition position)
{
    switch (position) {
    case bpAboveLeft: return QPoint(p.x() - size.width(), p.y() - size.height());
    case bpAboveRight: return QPoint(p.x(), p.y() - size.height());
    case bpBelowLeft: return QPoint(p.x() - size.width(), p.y());
    case bpBelowRight: break;
    }
    return QPoint(p.x() + 1, p.y() + 1);
}

TBalloonPosition Flip(QPoint pointer, QSize size, TBalloonPosition position, const QRect &screen)
{
    const QPoint at = Place(pointer, size, position);
    const int left = at.x() - screen.left(), top = at.y() - screen.top();
    int flipped = position;
    if (top + size.height() > screen.height())
        flipped &= ~2;   // above
    if (top < 0)
        flipped |= 2;    // below
    if (left + size.width() > screen.width())
        flipped &= ~1;   // left
    if (left < 0)
        flipped |= 1;    // right
    return TBalloonPosition(flipped);
}

QRect Body(QSize window, int s, TBalloonPosition position)
{
    QRect body(0, 0, window.width() - s - 15, window.height() - s - 19);
    switch (position) {
    case bpAboveLeft: break;
    case bpAboveRight: body.translate(15, 0); break;
    case bpBelowLeft: body.translate(0, 19); break;
    case bpBelowRight: body.translate(15, 19); break;
    }
    return body;
}

QPolygon Tail(QSize window, int s, TBalloonPosition position)
{
    const int w = window.width(), h = window.height();
    switch (position) {
    case bpAboveLeft: {
        const QPoint t(w - s, h - s);
        return QPolygon({t, t + QPoint(-21, -20), t + QPoint(-41, -20)});
    }
    case bpAboveRight: {
        const QPoint t(0, h - s);
        return QPolygon({t, t + QPoint(21, -20), t + QPoint(41, -20)});
    }
    case bpBelowLeft: {
        const QPoint t(w - s, 0);
        return QPolygon({t, t + QPoint(-21, 19), t + QPoint(-41, 19)});
    }
    case bpBelowRight: break;
    }
    const QPoint t(0, 0);
    return QPolygon({t, t + QPoint(21, 19), t + QPoint(41, 19)});
}

QRegion Outline(QSize window, int s, TBalloonPosition position, TBalloonShape shape)
{
    const QRect body = Body(window, s, position);
    QRegion outline;
    if (shape == bsRoundRect) {
        QPainterPath path;
        path.addRoundedRect(QRectF(body), 9, 9);   // an 18 by 18 corner ellipse
        outline = QRegion(path.toFillPolygon().toPolygon());
    } else {
        outline = QRegion(body);
    }
    return outline.united(QRegion(Tail(window, s, position)));
}

QRect TextRect(QSize window, int s, TBalloonPosition position)
{
    return Body(window, s, position).adjusted(9, 9, -9, -9);
}

} // namespace Balloon

// ---------------------------------------------------------------- window

TBalloonWindow::TBalloonWindow(QWidget *parent)
    : THintWindow(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

TBalloonWindow::~TBalloonWindow()
{
    if (FHooked)
        qApp->removeEventFilter(this);
}

QSize TBalloonWindow::CalcHintSize(const QString &hint, const QPoint &pointer, const QRect &screen) const
{
    const TBalloonBase &settings = BalloonSettings();
    QFont font;
    QColor text;
    const_cast<TBalloonWindow *>(this)->ChooseLook(font, text);
    const int limit = qMax(1, Balloon::TextWidthLimit(settings, pointer.x(), screen));
    const QRect measured = QFontMetrics(font).boundingRect(QRect(0, 0, limit, 1 << 20),
                                                           Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, hint);
    return Balloon::WindowSize(measured.size(), settings.ShadowDepth());
}

void TBalloonWindow::ChooseLook(QFont &font, QColor &text)
{
    const TBalloonBase &settings = BalloonSettings();
    switch (settings.Style()) {
    case hsDefault:
        font = DefaultBalloonFont();
        text = ToQColor(clWindowText);
        FFill = ToQColor(clInfoBk);
        FBorder = ToQColor(clWindowFrame);
        break;
    case hsCustom:
        font = settings.Font();
        text = ToQColor(settings.FontColor());
        FFill = ToQColor(settings.Color());
        FBorder = ToQColor(settings.BorderColor());
        break;
    case hsSystem:
        font = QToolTip::font();
        text = QToolTip::palette().color(QPalette::ToolTipText);
        FFill = QToolTip::palette().color(QPalette::ToolTipBase);
        FBorder = ToQColor(clWindowFrame);
        break;
    }
}

void TBalloonWindow::ActivateHint(const QPoint &pointer, const QString &hint)
{
    QScreen *screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    ActivateHintOn(pointer, hint, screen ? screen->geometry() : QRect(0, 0, 640, 480));
}

void TBalloonWindow::ActivateHintOn(const QPoint &pointer, const QString &hint, const QRect &screen)
{
    const TBalloonBase &settings = BalloonSettings();
    // A hint arriving while a button is held would stand in the way of a drag.
    if ((settings.Behavior() & bbNoShowMouseDown) && (MouseButtonsDown() & ShowStoppers)) {
        Cancel();
        return;
    }
    FHint = hint.left(MaxHintLength);
    setAccessibleName(FHint);
    QFont font;
    QColor text;
    ChooseLook(font, text);
    const QSize size = CalcHintSize(FHint, pointer, screen);

    FPosition = Balloon::Flip(pointer, size, settings.Position(), screen);
    const QRect area(Balloon::Place(pointer, size, FPosition), size);

    // A compositor blends the window over the live screen: the balloon is
    // painted onto nothing, and its corners and the gaps of its shadow stay
    // transparent. Without one, the balloon is painted onto a picture of what
    // lies beneath.
    const bool composited = DesktopComposites();
    UseTranslucentWindow(composited, pointer);
    if (composited) {
        FBeneath = QImage(size, QImage::Format_ARGB32_Premultiplied);
        FBeneath.fill(Qt::transparent);
    } else {
        // A balloon on show, or one hidden so recently that the windows under
        // it may not have painted themselves again yet, is still part of the
        // screen, so where the new one overlaps it, what lay beneath the old
        // one counts.
        QImage beneath = GrabBeneath(area, QGuiApplication::screenAt(pointer));
        const bool oldOnScreen = isVisible() || (FHiddenAt.isValid() && FHiddenAt.elapsed() < 500);
        if (oldOnScreen && !FBeneath.isNull() && geometry().intersects(area)) {
            QPainter p(&beneath);
            p.drawImage(geometry().topLeft() - area.topLeft(), FBeneath);
        }
        FBeneath = beneath;
    }
    PaintFace(font, text);

    setGeometry(area);
    const int s = settings.ShadowDepth();
    if (settings.Behavior() & bbUseRegions) {
        setMask(Shapes(size, s, FPosition, settings.Shape()).Cut);
    } else {
        clearMask();
    }
    show();
    update();

    if (settings.Behavior() & bbUseRegions) {
        if (FHooked) {
            qApp->removeEventFilter(this);
            FHooked = false;
        }
    } else {
        // Without the cut, the balloon's corners and shadow show a still
        // picture of what was beneath, so it goes at the first sign of life.
        FSawMove = false;
        FLastMoveTime = -1;
        if (!FHooked) {
            qApp->installEventFilter(this);
            FHooked = true;
        }
    }
}

void TBalloonWindow::UseTranslucentWindow(bool translucent, const QPoint &pointer)
{
    // The window system chooses a window's pixel format, with or without
    // alpha, when the window is made, so a change remakes it.
    if (testAttribute(Qt::WA_TranslucentBackground) != translucent) {
        hide();
        if (windowHandle())
            destroy();
        setAttribute(Qt::WA_TranslucentBackground, translucent);
        // An opaque widget would have its window taken for opaque as well.
        setAttribute(Qt::WA_OpaquePaintEvent, !translucent);
    }
    // A compositor that places the windows itself places a hint only next to
    // the window it belongs to, at the place the program asks relative to
    // that window; one that has none becomes a window of its own, placed
    // anywhere.
    QWidget *owner = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top == this || !top->isVisible() || top->windowType() == Qt::ToolTip || !top->geometry().contains(pointer))
            continue;
        if (!owner || top == QApplication::activeWindow() || top == QApplication::activeModalWidget())
            owner = top;
    }
    if (!owner)
        owner = QApplication::activeWindow();
    QWindow *parent = owner ? owner->windowHandle() : nullptr;
    if (!windowHandle())
        create();
    if (windowHandle()->transientParent() != parent) {
        hide();
        windowHandle()->setTransientParent(parent);
    }
}

QImage TBalloonWindow::GrabBeneath(const QRect &area, QScreen *screen) const
{
    QImage beneath(area.size(), QImage::Format_ARGB32_Premultiplied);
    beneath.fill(ToQColor(clBtnFace));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return beneath;
    const QPoint origin = screen->geometry().topLeft();
    const QPixmap grabbed = screen->grabWindow(0, area.x() - origin.x(), area.y() - origin.y(), area.width(), area.height());
    if (!grabbed.isNull()) {
        QPainter p(&beneath);
        p.drawPixmap(QRect(QPoint(0, 0), grabbed.deviceIndependentSize().toSize()), grabbed);
    }
    return beneath;
}

const TBalloonWindow::TShapes &TBalloonWindow::Shapes(QSize size, int s, TBalloonPosition position, TBalloonShape shape)
{
    TShapes &c = FShapes;
    if (c.Size == size && c.Shadow == s && c.Position == position && c.Shape == shape)
        return c;
    c.Size = size;
    c.Shadow = s;
    c.Position = position;
    c.Shape = shape;
    c.Outline = Balloon::Outline(size, s, position, shape);
    // The fill lies within a 1-pixel frame along the outline.
    c.Inner = c.Outline.intersected(c.Outline.translated(1, 0)).intersected(c.Outline.translated(-1, 0))
                  .intersected(c.Outline.translated(0, 1)).intersected(c.Outline.translated(0, -1));
    const QRegion moved = c.Outline.translated(s, s);
    c.Cut = s > 0 ? c.Outline.united(moved) : c.Outline;
    // Only what the fill leaves uncovered is seen of the shadow.
    c.Shade = s > 0 ? moved.subtracted(c.Outline) : QRegion();
    return c;
}

void TBalloonWindow::PaintFace(const QFont &font, const QColor &text)
{
    const TBalloonBase &settings = BalloonSettings();
    const QSize size = FBeneath.size();
    const int s = settings.ShadowDepth();
    const TShapes &shapes = Shapes(size, s, FPosition, settings.Shape());

    FFace = FBeneath;
    if (s > 0) {
        const bool solid = settings.ShadowStyle() == ssSolid;
        const QRect bounds = FFace.rect();
        for (QRect r : shapes.Shade) {
            r &= bounds;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(FFace.scanLine(y));
                // Black where x + y is even, or everywhere for a solid shadow.
                const int step = solid ? 1 : 2;
                const int start = solid ? r.left() : r.left() + ((r.left() + y) & 1);
                for (int x = start; x <= r.right(); x += step)
                    line[x] = 0xFF000000u;
            }
        }
    }
    QPainter p(&FFace);
    for (const QRect &r : shapes.Outline)
        p.fillRect(r, FBorder);
    for (const QRect &r : shapes.Inner)
        p.fillRect(r, FFill);

    p.setFont(font);
    p.setPen(text);
    p.drawText(Balloon::TextRect(size, s, FPosition), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, FHint);
}

void TBalloonWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The face's transparent pixels replace the window's, whatever was there.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, FFace);
}

void TBalloonWindow::hideEvent(QHideEvent *e)
{
    FHiddenAt.start();
    if (FHooked) {
        qApp->removeEventFilter(this);
        FHooked = false;
    }
    THintWindow::hideEvent(e);
}

void TBalloonWindow::Cancel()
{
    if (HintOwner() && ProgramHintWindow() == this)
        CancelHint();
    hide();
}

bool TBalloonWindow::eventFilter(QObject *watched, QEvent *event)
{
    const TBalloonBase &settings = BalloonSettings();
    switch (event->type()) {
    case QEvent::Paint: {
        auto *w = qobject_cast<QWidget *>(watched);
        if (!(settings.Behavior() & bbHideOnPaint) || !w || w == this)
            break;
        const QRect dirty = static_cast<QPaintEvent *>(event)->region().boundingRect();
        if (QRect(w->mapToGlobal(dirty.topLeft()), dirty.size()).intersects(geometry()))
            Cancel();
        break;
    }
    case QEvent::MouseMove: {
        // One move arrives at the window and then at each widget it passes
        // through; it counts once.
        const auto *m = static_cast<QMouseEvent *>(event);
        const QPoint at = m->globalPosition().toPoint();
        if (qint64(m->timestamp()) == FLastMoveTime && at == FLastMovePos)
            break;
        FLastMoveTime = qint64(m->timestamp());
        FLastMovePos = at;
        if (FSawMove)
            Cancel();
        FSawMove = true;
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() & ShowStoppers)
            Cancel();
        break;
    default:
        break;
    }
    return false;
}
