#include "widgets/MMLEDLbl.h"

#include "resources/Resources.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

namespace {
constexpr int kFontCells = 72;
constexpr int kFirstCode = 32;
constexpr int kLastCode = 103;

QRgb Rgb(TColor c) { return ToQColor(c).rgb() | 0xFF000000u; }

// One ring of a bevel: the top and left edges in Top, the bottom and right
// edges in Bottom (which owns the top-right and bottom-left corners).
void Frame3D(QPainter &P, QRect &R, const QColor &Top, const QColor &Bottom, int Width)
{
    for (int i = 0; i < Width && R.width() > 0 && R.height() > 0; ++i) {
        P.fillRect(R.left(), R.top(), R.width() - 1, 1, Top);
        P.fillRect(R.left(), R.top(), 1, R.height() - 1, Top);
        P.fillRect(R.right(), R.top(), 1, R.height(), Bottom);
        P.fillRect(R.left(), R.bottom(), R.width(), 1, Bottom);
        R.adjust(1, 1, -1, -1);
    }
}
} // namespace

// ---------------------------------------------------------------------------
// TMMBevel

int TMMBevel::BevelWidth() const
{
    return FBorderWidth + FBorderSpace + (FBevelOuter != bvNone ? FBevelOuterWidth : 0) +
           (FBevelInner != bvNone ? FBevelInnerWidth : 0) + (FBorderStyle == bsSingle ? 1 : 0);
}

void TMMBevel::Paint(QPainter &P, QRect &Rect) const
{
    if (FBorderStyle == bsSingle) {
        const QColor frame = ToQColor(clWindowFrame);
        Frame3D(P, Rect, frame, frame, 1);
    }
    if (FBevelOuter != bvNone) {
        const QColor light = ToQColor(FOuterLightColor), shadow = ToQColor(FOuterShadowColor);
        if (FBevelOuter == bvLowered)
            Frame3D(P, Rect, shadow, light, FBevelOuterWidth);
        else
            Frame3D(P, Rect, light, shadow, FBevelOuterWidth);
    }
    if (FBorderWidth > 0) {
        const QColor c = ToQColor(FBorderColor);
        Frame3D(P, Rect, c, c, FBorderWidth);
    }
    if (FBevelInner != bvNone) {
        const QColor light = ToQColor(FInnerLightColor), shadow = ToQColor(FInnerShadowColor);
        if (FBevelInner == bvLowered)
            Frame3D(P, Rect, shadow, light, FBevelInnerWidth);
        else
            Frame3D(P, Rect, light, shadow, FBevelInnerWidth);
    }
    if (FBorderSpace > 0) {
        const QColor c = ToQColor(FBorderSpaceColor);
        Frame3D(P, Rect, c, c, FBorderSpace);
    }
}

// ---------------------------------------------------------------------------
// TMMGraphicControl

TMMGraphicControl::TMMGraphicControl(QWidget *parent) : QWidget(parent)
{
    // Every pixel is painted here: frame, background and content.
    setAttribute(Qt::WA_OpaquePaintEvent);
    FBevel.OnChange = [this] { BevelChanged(); };
}

TColor TMMGraphicControl::Color() const
{
    if (FParentColor) {
        if (const QWidget *p = parentWidget()) {
            const QVariant v = p->property("Color");
            if (v.isValid() && v.canConvert<int>())
                return TColor(v.toInt());
        }
        return clBtnFace;
    }
    return FColor;
}

void TMMGraphicControl::SetColor(TColor Value)
{
    if (!FParentColor && Value == FColor)
        return;
    FColor = Value;
    FParentColor = false;
    ColorChanged();
}

void TMMGraphicControl::SetParentColor(bool Value)
{
    if (Value == FParentColor)
        return;
    FParentColor = Value;
    ColorChanged();
}

void TMMGraphicControl::SetAlign(TAlign Value)
{
    if (Value == FAlign)
        return;
    FAlign = Value;
    BevelChanged(); // re-lays the control out
}

bool TMMGraphicControl::ShowHint() const
{
    if (FParentShowHint) {
        if (const QWidget *p = parentWidget()) {
            const QVariant v = p->property("ShowHint");
            if (v.isValid())
                return v.toBool();
        }
        return true;
    }
    return FShowHint;
}

void TMMGraphicControl::SetShowHint(bool Value)
{
    FShowHint = Value;
    FParentShowHint = false;
}

void TMMGraphicControl::SetParentShowHint(bool Value) { FParentShowHint = Value; }

void TMMGraphicControl::PaintFrame(QPainter &P)
{
    QRect r = rect();
    FBevel.Paint(P, r);
    if (r.isValid())
        P.fillRect(r, ToQColor(Color()));
}

bool TMMGraphicControl::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip && !ShowHint())
        return true;
    return QWidget::event(e);
}

void TMMGraphicControl::mousePressEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        FPressed = true;
    emit OnMouseDown(e->button(), e->modifiers(), p.x(), p.y());
}

void TMMGraphicControl::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    emit OnMouseMove(e->modifiers(), p.x(), p.y());
}

void TMMGraphicControl::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    const bool click = FPressed && e->button() == Qt::LeftButton && rect().contains(p);
    if (e->button() == Qt::LeftButton)
        FPressed = false;
    emit OnMouseUp(e->button(), e->modifiers(), p.x(), p.y());
    if (click)
        emit OnClick();
}

void TMMGraphicControl::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        FPressed = true;
        emit OnDblClick();
    }
}

void TMMGraphicControl::contextMenuEvent(QContextMenuEvent *e)
{
    if (FPopupMenu)
        FPopupMenu->popup(e->globalPos());
    else
        QWidget::contextMenuEvent(e);
}

// ---------------------------------------------------------------------------
// TMMLEDLABEL

TMMLEDLABEL::TMMLEDLABEL(QWidget *parent) : TMMGraphicControl(parent)
{
    FColor = clBlack;
    Bevel()->SetBorderSpace(2);
    FScrollTimer.setInterval(FScrollSpeed);
    connect(&FScrollTimer, &QTimer::timeout, this, &TMMLEDLABEL::ScrollTick);
    setAccessibleName(tr("LED display"));
    LoadFont();
}

TMMLEDLABEL::~TMMLEDLABEL() = default;

void TMMLEDLABEL::SetCaption(const QString &Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    // Screen readers announce what the cells show.
    setAccessibleDescription(Value);
    AdjustBounds();
    update();
}

void TMMLEDLABEL::SetColor(TColor Value) { TMMGraphicControl::SetColor(Value); }

void TMMLEDLABEL::ColorChanged()
{
    LoadFont();
    update();
}

void TMMLEDLABEL::SetLEDColor(TColor Value)
{
    if (Value == FLEDColor)
        return;
    FLEDColor = Value;
    LoadFont();
    update();
}

void TMMLEDLABEL::SetInactiveColor(TColor Value)
{
    if (Value == FInactiveColor)
        return;
    FInactiveColor = Value;
    LoadFont();
    update();
}

void TMMLEDLABEL::SetDrawInactive(bool Value)
{
    if (Value == FDrawInactive)
        return;
    FDrawInactive = Value;
    LoadFont();
    update();
}

void TMMLEDLABEL::SetFontSize(TMMLEDFontSize Value)
{
    if (Value == FFontSize)
        return;
    FFontSize = Value;
    FFontSource = QImage();
    LoadFont();
    update();
}

void TMMLEDLABEL::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

void TMMLEDLABEL::SetNumChars(int Value)
{
    if (Value == FNumChars)
        return;
    FNumChars = Value;
    AdjustBounds();
}

void TMMLEDLABEL::SetLEDSpace(int Value)
{
    if (Value == FLEDSpace || Value < 1)
        return;
    FLEDSpace = Value;
    AdjustBounds();
}

void TMMLEDLABEL::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    update();
}

void TMMLEDLABEL::SetAutoScroll(bool Value)
{
    if (Value == FAutoScroll)
        return;
    FAutoScroll = Value;
    if (Value)
        StartScroll();
    else
        StopScroll();
    FCurrentStep = FStartStep;
    update();
}

void TMMLEDLABEL::SetScrollSpeed(int Value)
{
    if (Value == FScrollSpeed)
        return;
    FScrollSpeed = Value;
    FScrollTimer.setInterval(Value);
}

void TMMLEDLABEL::SetCurrentStep(int Value)
{
    if (Value == FCurrentStep || Value < 0 || Value > FCaption.length())
        return;
    FCurrentStep = Value;
    update();
}

void TMMLEDLABEL::SetStartStep(int Value)
{
    if (Value == FStartStep || Value < 0 || Value > FCaption.length())
        return;
    FStartStep = Value;
    FCurrentStep = Value;
    update();
}

QSize TMMLEDLABEL::CalcSize(int W, int H)
{
    const int bw = Bevel()->BevelWidth();
    if (FAutoSize)
        FNumChars = int(FCaption.length());
    else
        FNumChars = qMax(0, (W + FLEDSpace - 2 * bw - 1) / (FLEDSpace + FCharWidth - 1));
    if (Align() != alTop && Align() != alBottom)
        W = qMax(0, 2 * bw + CharPitch() * FNumChars - FLEDSpace + 1);
    H = FFontSource.height() + 2 * bw;
    return QSize(W, H);
}

void TMMLEDLABEL::SetBounds(int Left, int Top, int Width, int Height)
{
    const QSize s = CalcSize(Width, Height);
    FAdjusting = true;
    setGeometry(Left, Top, s.width(), s.height());
    FAdjusting = false;
}

void TMMLEDLABEL::Loaded() { AdjustBounds(); }

void TMMLEDLABEL::AdjustBounds()
{
    const QSize s = CalcSize(width(), height());
    if (s == size()) {
        update();
        return;
    }
    FAdjusting = true;
    resize(s);
    FAdjusting = false;
    update();
}

void TMMLEDLABEL::resizeEvent(QResizeEvent *e)
{
    TMMGraphicControl::resizeEvent(e);
    if (FAdjusting)
        return;
    // Whoever resized us (a layout, a plain resize) gets whole cells.
    const QSize s = CalcSize(width(), height());
    if (s != size()) {
        FAdjusting = true;
        resize(s);
        FAdjusting = false;
    }
}

QSize TMMLEDLABEL::sizeHint() const
{
    const int bw = Bevel()->BevelWidth();
    return QSize(qMax(0, 2 * bw + CharPitch() * FNumChars - FLEDSpace + 1), FFontSource.height() + 2 * bw);
}

void TMMLEDLABEL::LoadFont()
{
    if (FFontSource.isNull()) {
        InitResources();
        const QString name = FFontSize == fs11x13 ? QStringLiteral(":/FONT_11X13") : QStringLiteral(":/FONT_16X20");
        FFontSource = QImage(name).convertToFormat(QImage::Format_RGB32);
    }
    FCharWidth = qMax(1, FFontSource.width() / kFontCells);
    AdjustBounds();
    RecolorFont();
}

void TMMLEDLABEL::RecolorFont()
{
    const QRgb back = Rgb(Color()), led = Rgb(FLEDColor);
    const QRgb unlit = FDrawInactive ? Rgb(FInactiveColor) : back;
    QImage img(FFontSource.size(), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(FFontSource.constScanLine(y));
        QRgb *dst = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            switch (src[x] & 0xFFFFFF) {
            case 0xFFFFFF: dst[x] = led; break;
            case 0x000000: dst[x] = back; break;
            case 0xC0C0C0: dst[x] = unlit; break;
            default: dst[x] = 0xFF000000u; break;
            }
        }
    }
    // Made at the device pixel ratio by repeating pixels, so a scaled desktop
    // shows square dots with hard edges rather than blurred ones.
    const qreal ratio = devicePixelRatioF();
    if (ratio != 1.0)
        img = img.scaled(qRound(img.width() * ratio), qRound(img.height() * ratio), Qt::IgnoreAspectRatio,
                         Qt::FastTransformation);
    FFont = QPixmap::fromImage(img);
    FFont.setDevicePixelRatio(ratio);
    FFontColor = back;
    FFontLED = led;
    FFontInactive = Rgb(FInactiveColor);
    FFontDrawInactive = FDrawInactive;
    FFontRatio = ratio;
    ++FRecolors;
}

QString TMMLEDLABEL::VisibleText() const
{
    const int n = FNumChars;
    if (n <= 0)
        return QString();
    const int len = int(FCaption.length());
    switch (FAlignment) {
    case taRightJustify:
        return FCaption.right(n).rightJustified(n, QLatin1Char(' '));
    case taCenter: {
        int start = (len - n) / 2 + 1;
        if (start < 1)
            start = 1;
        const QString part = FCaption.mid(start - 1, n);
        const int offset = (n - int(part.length())) / 2;
        return (QString(offset, QLatin1Char(' ')) + part).leftJustified(n, QLatin1Char(' '));
    }
    case taLeftJustify:
        break;
    }
    return FCaption.mid(FCurrentStep, n).leftJustified(n, QLatin1Char(' '));
}

QRect TMMLEDLABEL::CharsRect() const
{
    const int bw = Bevel()->BevelWidth();
    return QRect(bw, bw, qMax(0, CharPitch() * FNumChars - FLEDSpace + 1), FFontSource.height());
}

void TMMLEDLABEL::paintEvent(QPaintEvent *)
{
    // The parent's colour or the palette may have moved under a system or
    // inherited colour without telling us.
    if (Rgb(Color()) != FFontColor || Rgb(FLEDColor) != FFontLED || Rgb(FInactiveColor) != FFontInactive ||
        FDrawInactive != FFontDrawInactive || devicePixelRatioF() != FFontRatio)
        RecolorFont();
    QPainter p(this);
    PaintFrame(p);
    PaintChars(p);
}

void TMMLEDLABEL::PaintChars(QPainter &P)
{
    P.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QString text = VisibleText();
    const int bw = Bevel()->BevelWidth();
    const int h = FFontSource.height();
    const qreal ratio = FFont.devicePixelRatio();
    const bool enabled = isEnabled();
    for (int i = 0; i < text.length(); ++i) {
        const int c = text.at(i).unicode();
        const int g = enabled && c >= kFirstCode && c <= kLastCode ? c - kFirstCode : 0;
        const QRectF source(g * FCharWidth * ratio, 0, FCharWidth * ratio, h * ratio);
        P.drawPixmap(QRectF(i * CharPitch() + bw, bw, FCharWidth, h), FFont, source);
    }
}

void TMMLEDLABEL::changeEvent(QEvent *e)
{
    switch (e->type()) {
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::ParentChange:
        update();
        break;
    default:
        break;
    }
    TMMGraphicControl::changeEvent(e);
}

void TMMLEDLABEL::StartScroll()
{
    if (FScrollTimer.isActive())
        return;
    if (FCurrentStep > FCaption.length())
        FCurrentStep = FStartStep;
    if (FAlignment != taLeftJustify)
        FAlignment = taLeftJustify;
    emit OnBegin();
    FScrollTimer.start(FScrollSpeed);
}

void TMMLEDLABEL::StopScroll() { FScrollTimer.stop(); }

void TMMLEDLABEL::ScrollTick()
{
    if (!FScrollTimer.isActive())
        return;
    ++FCurrentStep;
    if (isVisible())
        update(CharsRect());
    if (FCurrentStep >= FCaption.length()) {
        if (FAutoScroll)
            FCurrentStep = FStartStep;
        else
            FScrollTimer.stop();
        emit OnEnd();
    } else {
        emit OnStep();
    }
}
