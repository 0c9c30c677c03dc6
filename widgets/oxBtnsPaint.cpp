// Painting of the ToxButton face: background, picture, caption, focus mark and
// frame, and the cache of finished faces.
#include "widgets/oxBtns.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace {

QColor C(TColor c) { return ToQColor(c); }

// A one-pixel bevel: colour a along the top and left edges, b along the bottom
// and right edges (which own the top-right and bottom-left corners); the rest
// of the frame is drawn inside it.
void Bevel(QPainter &p, QRect &r, const QColor &a, const QColor &b)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), a);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), a);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), b);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), b);
    r.adjust(1, 1, -1, -1);
}

// A line along the top and left edges only.
void TopLeftLine(QPainter &p, QRect &r, const QColor &c)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    r.adjust(1, 1, 0, 0);
}

// The TextX / PictureX rule: 0 centres, a positive value is the distance from
// the start, a negative one the distance from the end.
int Place(int setting, int start, int extent, int size)
{
    if (setting == 0)
        return start + (extent - size) / 2;
    if (setting > 0)
        return start + setting;
    return start + extent + setting - size;
}

QImage Silhouette(const QImage &masked, const QColor &c)
{
    QImage img = masked.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(masked.devicePixelRatio());
    QPainter q(&img);
    q.setCompositionMode(QPainter::CompositionMode_SourceIn);
    q.fillRect(QRect(QPoint(0, 0), img.size()), c);
    return img;
}

// Dotted focus rectangle, inverted into what lies beneath.
void DrawFocusRect(QPainter &p, const QRect &r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QRgb white = 0xFFFFFFFF;
    QImage dots(2, 2, QImage::Format_RGB32);
    dots.fill(Qt::black);
    dots.setPixel(0, 0, white);
    dots.setPixel(1, 1, white);
    const QBrush brush(dots);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), brush);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), brush);
    p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), brush);
    p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), brush);
    p.restore();
}

} // namespace

int ToxButton::CacheSlot(const TFaceState &s, ToxButtonStyle style)
{
    if (!s.Enabled)
        return 4;
    if (s.Down)
        return 3;
    if (s.Focused)
        return 2;
    if (s.Active)
        return 1;
    if (s.Hot && (style == bsWin97 || style == bsBorderless || style == bsShaped))
        return 5;
    return 0;
}

ToxButton::TLayout ToxButton::Layout(const TFaceState &s) const
{
    TLayout l;
    const QRect client = rect();

    // Picture: the pressed one when down and usable, the disabled one when disabled.
    const ToxPicture *pic = &FPictureUp;
    if ((s.Down || s.Value) && FPictureDown.Height() >= 2)
        pic = &FPictureDown;
    if (!s.Enabled && FPictureDisabled.Height() > 1)
        pic = &FPictureDisabled;
    if (!pic->Empty()) {
        l.Pic = pic;
        const QSize size = pic->IsIcon() && (FOptions & oxbSmallIcons) ? QSize(16, 16) : pic->Size();
        l.Picture = QRect(Place(FPictureX, client.left(), client.width(), size.width()),
                          Place(FPictureY, client.top(), client.height(), size.height()),
                          size.width(), size.height());
    }

    // Font: with fsBoldFont the stored style gives way to exactly bold or plain.
    l.Font = font();
    if (FFocusStyle & fsBoldFont) {
        l.Font.setBold(s.Focused || s.Active);
        l.Font.setItalic(false);
        l.Font.setUnderline(false);
        l.Font.setStrikeOut(false);
    }

    // Caption rectangle.
    const QString caption = text();
    if (caption.isEmpty())
        return l;
    QRect base = client;
    if (FFont3D != fsShadow) {
        if (s.Down)
            base.translate(2, 2);
        else if (s.Value)
            base.translate(1, 1);
    }
    QSize measured;
    if (FTextAngle != 0) {
        measured = MeasureCaption(l.Font, caption, 2, 0);
    } else if (FMultiLine) {
        const int reduce = FTextX > 0 ? FTextX : FTextX == 0 ? 2 : -FTextX;
        measured = MeasureCaption(l.Font, caption, 1, qMax(1, base.width() - reduce));
    } else {
        measured = MeasureCaption(l.Font, caption, 0, 0);
    }
    const int w = measured.width() + 4, h = measured.height() + 2;
    l.Caption = QRect(Place(FTextX, base.left(), base.width(), w),
                      Place(FTextY, base.top(), base.height(), h), w, h);
    return l;
}

QSize ToxButton::MeasureCaption(const QFont &font, const QString &caption, int mode, int width) const
{
    TMeasure &m = FMeasure;
    if (m.Mode == mode && m.Width == width && m.Caption == caption && m.Font == font
        && m.Font.resolveMask() == font.resolveMask())
        return m.Size;
    const QFontMetrics fm(font);
    QSize size;
    if (mode == 2) {
        size = fm.size(Qt::TextShowMnemonic, caption);
    } else if (mode == 1) {
        QString t = caption;
        t.replace(QLatin1String("||"), QLatin1String("\n"));
        size = fm.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap | Qt::TextShowMnemonic, t).size();
    } else {
        size = fm.size(Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
    }
    m = TMeasure{caption, font, mode, width, size};
    return size;
}

QRect ToxButton::CaptionRect() const { return Layout(CurrentState()).Caption; }
QRect ToxButton::PictureRect() const { return Layout(CurrentState()).Picture; }

void ToxButton::paintEvent(QPaintEvent *)
{
    const TFaceState s = CurrentState();
    if (IsClear()) {
        // Straight onto what the parent has already painted beneath us.
        QPainter p(this);
        ++FFacePaints;
        PaintFace(p, s);
        return;
    }
    if (!(FOptions & oxbCacheImages)) {
        QPainter p(this);
        ++FFacePaints;
        PaintFace(p, s);
        return;
    }
    if (FCacheCaption != text()) {
        FCacheValid.fill(false);
        FCacheCaption = text();
    }
    const int slot = CacheSlot(s, EffectiveStyle());
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (!FCacheValid[slot] || !(FCacheState[slot] == s) || FCache[slot].size() != pixels
        || FCache[slot].devicePixelRatio() != dpr) {
        QPixmap face(pixels);
        face.setDevicePixelRatio(dpr);
        {
            QPainter p(&face);
            PaintFace(p, s);
        }
        ++FFacePaints;
        FCache[slot] = face;
        FCacheState[slot] = s;
        FCacheValid[slot] = true;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, FCache[slot]);
}

void ToxButton::PaintFace(QPainter &p, const TFaceState &s)
{
    const QRect r = rect();
    const TLayout l = Layout(s);
    if (!IsClear())
        PaintBackground(p, r);
    if (FBackground.DitherDown() && s.Value && !s.Hot)
        PaintDither(p, r);
    PaintPicture(p, s, l, true);
    PaintFocus(p, s, l);
    PaintCaption(p, s, l);
    PaintFrame(p, s);
    PaintPicture(p, s, l, false);
}

void ToxButton::PaintBackground(QPainter &p, const QRect &r)
{
    const TColor color = Color();
    const ToxPicture *pic = FBackground.Picture();
    const qreal dpr = p.device()->devicePixelRatioF();
    switch (FBackground.Style()) {
    case oxbSolid:
    case oxbClear:
        p.fillRect(r, C(color));
        break;
    case oxbPictureClip:
        p.fillRect(r, C(color));
        if (!pic->Empty()) {
            const QSize size = pic->Size();
            p.drawImage(QPoint(r.left() + (r.width() - size.width()) / 2,
                               r.top() + (r.height() - size.height()) / 2),
                        pic->Plain(size, dpr));
        }
        break;
    case oxbPictureStretch:
        p.fillRect(r, C(color));
        if (!pic->Empty())
            p.drawImage(r, pic->Plain(pic->Size(), dpr));
        break;
    case oxbPicturePattern:
        p.fillRect(r, C(color));
        if (!pic->Empty())
            p.drawTiledPixmap(r, QPixmap::fromImage(pic->Plain(pic->Size(), dpr)));
        break;
    case oxbGradient: {
        // 128 bands from the gradient colour on the left to the button colour.
        const TColor start = ColorToRGB(FBackground.Gradient());
        const TColor end = ColorToRGB(color);
        const int bandWidth = r.width() / 128 + 1;
        for (int i = 0; i < 128; ++i) {
            int ch[3];
            for (int k = 0; k < 3; ++k) {
                const int a = (start >> (8 * k)) & 0xFF, b = (end >> (8 * k)) & 0xFF;
                ch[k] = a - int(double(a - b) / 128.0 * i);
            }
            p.fillRect(QRect(r.left() + i * r.width() / 128, r.top(), bandWidth, r.height()),
                       QColor(ch[0], ch[1], ch[2]));
        }
        break;
    }
    }
}

void ToxButton::PaintDither(QPainter &p, const QRect &r)
{
    // Checkerboard of button face and white, exclusive-ored in and then inverted:
    // over the button face it leaves face and white squares.
    QImage pattern(8, 8, QImage::Format_RGB32);
    const QRgb face = C(clBtnFace).rgb(), white = 0xFFFFFFFF;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, (x & 1) == (y & 1) ? white : face);
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.fillRect(r, QBrush(pattern));
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.fillRect(r, Qt::black);
    p.restore();
}

void ToxButton::PaintPicture(QPainter &p, const TFaceState &s, const TLayout &l, bool under)
{
    if (!l.Pic)
        return;
    const ToxButtonStyle style = EffectiveStyle();
    const qreal dpr = p.device()->devicePixelRatioF();
    const QImage masked = l.Pic->Masked(l.Picture.size(), dpr);
    if (masked.isNull())
        return;
    const bool sameShadow = ColorToRGB(FShadowColor) == ColorToRGB(Color());

    QPoint offset(0, 0);
    if (style == bsBorderless) {
        if (s.Hot)
            offset -= QPoint(1, 1);
        if (s.Down)
            offset += QPoint(2, 2);
        else if (s.Value)
            offset += QPoint(1, 1);
    } else if (sameShadow) {
        if (s.Down)
            offset = QPoint(2, 2);
        else if (s.Value)
            offset = QPoint(1, 1);
    }
    const QPoint at = l.Picture.topLeft();

    if (under) {
        if (s.Enabled) {
            if (style != bsShaped && !sameShadow) {
                const int d = style == bsBorderless ? 2 : s.Down ? 4 : s.Value ? 3 : 2;
                p.drawImage(at + QPoint(d, d), Silhouette(masked, C(FShadowColor)));
            }
        } else if (l.Pic != &FPictureDisabled) {
            // Etched: a highlight copy, a shadow copy and the button colour on top.
            const int k = s.Down ? 2 : s.Value ? 1 : 0;
            const QPoint shift(k, k);
            p.drawImage(at + shift + QPoint(1, 1), Silhouette(masked, C(clBtnHighlight)));
            p.drawImage(at + shift - QPoint(1, 1), Silhouette(masked, C(clBtnShadow)));
            p.drawImage(at + shift, Silhouette(masked, C(Color())));
        } else {
            p.drawImage(at + offset, masked);
        }
        return;
    }
    if (!s.Enabled)
        return;
    if (style == bsShaped) {
        p.drawImage(at + offset - QPoint(1, 1), Silhouette(masked, C(clBtnHighlight)));
        p.drawImage(at + offset + QPoint(1, 1), Silhouette(masked, C(clBtnShadow)));
    }
    p.drawImage(at + offset, masked);
}

void ToxButton::PaintFocus(QPainter &p, const TFaceState &s, const TLayout &l)
{
    if (!s.Focused)
        return;
    const ToxButtonStyle style = EffectiveStyle();
    if ((FFocusStyle & fsText) && FTextAngle == 0) {
        DrawFocusRect(p, l.Caption);
    } else if ((FFocusStyle & fsOutline) || (FFocusStyle & fsText)) {
        int inset = 0;
        switch (style) {
        case bsWin31: inset = (FFocusStyle & fsDefault) ? 5 : 4; break;
        case bsWin95: case bsWin97: case bsInset: inset = 4; break;
        case bsStandard: inset = 3; break;
        default: break;
        }
        QRect r = rect().adjusted(inset, inset, -inset, -inset);
        if (s.Down && (style == bsWin31 || style == bsInset))
            r.translate(1, 1);
        DrawFocusRect(p, r);
    }
}

void ToxButton::PaintCaption(QPainter &p, const TFaceState &s, const TLayout &l)
{
    if (l.Caption.isEmpty())
        return;
    ToxFont3D effect = FFont3D;
    QColor c = C(FFontColor);
    if (!s.Enabled) {
        effect = fsInset;
        c = C(clGray);
    }
    if (effect == fsNone)
        return;

    struct TLayer { QPoint Offset; QColor Color; };
    const QColor hi = C(clBtnHighlight), sh = C(clBtnShadow);
    const int d = s.Down ? 4 : 2;
    QList<TLayer> layers;
    QPoint textOffset(0, 0);
    switch (effect) {
    case fsNone: break;
    case fsNormal: break;
    case fsRaised: layers = {{{-1, -1}, hi}}; break;
    case fsInset: layers = {{{1, 1}, hi}}; break;
    case fsRidged: layers = {{{1, 1}, sh}, {{-1, -1}, hi}}; break;
    case fsGrooved: layers = {{{-1, -1}, sh}, {{1, 1}, hi}}; break;
    case fsShadow:
        layers = {{{d, d}, sh}};
        if (FTextAngle != 0)
            textOffset = QPoint(-d, -d);
        break;
    }
    layers.append({textOffset, c});

    QString t = text();
    if (FMultiLine)
        t.replace(QLatin1String("||"), QLatin1String("\n"));
    p.save();
    p.setFont(l.Font);
    if (FTextAngle != 0) {
        // Centred on its baseline at the centre of the caption rectangle.
        const QFontMetrics fm(l.Font);
        const QSize size = fm.size(Qt::TextShowMnemonic, t);
        const QRect box(-size.width() / 2, -fm.ascent(), size.width(), size.height());
        for (const TLayer &layer : layers) {
            p.save();
            p.translate(l.Caption.center() + layer.Offset);
            p.rotate(-FTextAngle);
            p.setPen(layer.Color);
            p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, t);
            p.restore();
        }
    } else {
        int flags = Qt::TextShowMnemonic;
        QRect box = l.Caption;
        if (FMultiLine) {
            flags |= Qt::TextWordWrap | Qt::AlignVCenter
                     | (FTextX > 0 ? Qt::AlignLeft : FTextX == 0 ? Qt::AlignHCenter : Qt::AlignRight);
            box.adjust(2, 1, -2, -1);
        } else {
            flags |= Qt::TextSingleLine | Qt::AlignCenter;
        }
        for (const TLayer &layer : layers) {
            p.setPen(layer.Color);
            p.drawText(box.translated(layer.Offset), flags, t);
        }
    }
    p.restore();
}

void ToxButton::PaintFrame(QPainter &p, const TFaceState &s)
{
    const QColor black = C(clWindowFrame), hi = C(clBtnHighlight), sh = C(clBtnShadow),
                 face = C(clBtnFace);
    const bool D = (s.Focused || s.Active) && (FFocusStyle & fsDefault);
    const bool down = s.Down || s.Value;
    QRect r = rect();
    switch (EffectiveStyle()) {
    case bsAuto: // resolved to bsWin95 by EffectiveStyle
    case bsWin95:
        if (!down) {
            if (D)
                Bevel(p, r, black, black);
            Bevel(p, r, hi, black);
            Bevel(p, r, face, sh);
        } else if (!D) {
            Bevel(p, r, black, hi);
            Bevel(p, r, sh, face);
        } else {
            Bevel(p, r, black, black);
            Bevel(p, r, sh, sh);
        }
        break;
    case bsWin31:
        // Down means pressed only; a set Value shows in the up frame.
        Bevel(p, r, black, black);
        if (D)
            Bevel(p, r, black, black);
        if (s.Down) {
            TopLeftLine(p, r, sh);
            TopLeftLine(p, r, sh);
        } else if (!s.Value) {
            Bevel(p, r, hi, sh);
            Bevel(p, r, hi, sh);
        } else {
            TopLeftLine(p, r, sh);
        }
        break;
    case bsInset:
        Bevel(p, r, sh, hi);
        Bevel(p, r, black, black);
        if (!down)
            Bevel(p, r, hi, D ? black : sh);
        else
            TopLeftLine(p, r, sh);
        break;
    case bsStandard:
        if (!down) {
            Bevel(p, r, sh, black);
            Bevel(p, r, hi, D ? black : sh);
        } else {
            Bevel(p, r, sh, hi);
            Bevel(p, r, black, sh);
        }
        break;
    case bsSpeed:
        if (!down) {
            Bevel(p, r, hi, black);
            Bevel(p, r, face, sh);
        } else {
            Bevel(p, r, black, hi);
            Bevel(p, r, sh, face);
        }
        break;
    case bsWin97:
        if (!down) {
            if (s.Enabled && (s.Hot || s.Pressed || D)) {
                if (D)
                    Bevel(p, r, black, black);
                Bevel(p, r, hi, sh);
            }
        } else if (!D) {
            Bevel(p, r, sh, hi);
        } else {
            Bevel(p, r, black, black);
            Bevel(p, r, sh, sh);
        }
        break;
    case bsBorderless:
    case bsShaped:
        break;
    }
}
