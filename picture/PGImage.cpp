#include "picture/PGImage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <cfenv>
#include <cmath>

// ---------------------------------------------------------------------------
// Box size

namespace {

// Keep-aspect fit of the picture into the available area.
TPGBoxSize Fit(int picW, int picH, int availW, int availH)
{
    const double availRatio = double(availW) / availH;
    const double picRatio = double(picW) / picH;
    TPGBoxSize b;
    if (picRatio <= availRatio) {
        b.Height = availH;
        b.Width = int(std::trunc(b.Height * picRatio));
        b.Scale = double(b.Height) / picH;
    } else {
        b.Width = availW;
        b.Height = int(std::trunc(b.Width / picRatio));
        b.Scale = double(b.Width) / picW;
    }
    return b;
}

// Fit, but let the picture overflow along its longer relative edge so only
// one scroll bar is needed.
TPGBoxSize LongerEdgeFit(int picW, int picH, int availW, int availH, int sbW, int sbH)
{
    TPGBoxSize b = Fit(picW, picH, availW, availH);
    if (b.Width >= availW - sbW && b.Height >= availH - sbH)
        return b;
    const double availRatio = double(availW) / availH;
    const double picRatio = double(picW) / picH;
    if (picRatio < availRatio) {
        b.Width = availW - sbW;
        b.Height = int(std::trunc(b.Width / picRatio));
        b.Scale = double(b.Width) / picW;
    } else {
        b.Height = availH - sbH;
        b.Width = int(std::trunc(b.Height * picRatio));
        b.Scale = double(b.Height) / picH;
    }
    return b;
}

TPGBoxSize ShrinkLongerEdge(int picW, int picH, int availW, int availH, int sbW, int sbH)
{
    if ((availW >= picW || availH - sbH >= picH) && (availW - sbW >= picW || availH >= picH))
        return {picW, picH, 1.0};
    return LongerEdgeFit(picW, picH, availW, availH, sbW, sbH);
}

int RoundHalfEven(double v)
{
    const int old = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(old);
    return int(r);
}

} // namespace

TPGBoxSize PGComputeBoxSize(TStretch stretch, int picW, int picH, int availW, int availH, int sbW, int sbH,
                            double zoomFactor)
{
    const TPGBoxSize natural{picW, picH, 1.0};
    if (picW <= 0 || picH <= 0 || availW <= 0 || availH <= 0)
        return natural;
    switch (stretch) {
    case sNeverKAR:
        return natural;
    case sAlways:
        return {availW, availH, -1.0};
    case sAlwaysKAR:
        return Fit(picW, picH, availW, availH);
    case sShrink: {
        const int w = std::min(picW, availW), h = std::min(picH, availH);
        return {w, h, (w != picW || h != picH) ? -1.0 : 1.0};
    }
    case sShrinkKAR:
        return (picW <= availW && picH <= availH) ? natural : Fit(picW, picH, availW, availH);
    case sEnlarge: {
        const int aw = availW - (picH > availH ? sbW : 0);
        const int ah = availH - (picW > availW ? sbH : 0);
        const int w = picW < aw ? aw : picW, h = picH < ah ? ah : picH;
        return {w, h, (w != picW || h != picH) ? -1.0 : 1.0};
    }
    case sEnlargeKAR:
        return (picW < availW && picH < availH) ? Fit(picW, picH, availW, availH) : natural;
    case sAlwaysLongerEdgeKAR:
        return LongerEdgeFit(picW, picH, availW, availH, sbW, sbH);
    case sShrinkLongerEdgeKAR:
        return ShrinkLongerEdge(picW, picH, availW, availH, sbW, sbH);
    case sEnlargeShrinkLongerEdgeKAR:
        return (picW < availW && picH < availH) ? Fit(picW, picH, availW, availH)
                                                : ShrinkLongerEdge(picW, picH, availW, availH, sbW, sbH);
    case sEnlargeLongerEdgeKAR:
        return (picW < availW || picH < availH) ? LongerEdgeFit(picW, picH, availW, availH, sbW, sbH) : natural;
    case sZoomKAR: {
        const double s = zoomFactor > 0 ? zoomFactor : 1.0;
        return {RoundHalfEven(picW * s), RoundHalfEven(picH * s), s};
    }
    }
    return natural;
}

// ---------------------------------------------------------------------------
// Picture box

TPicBox::TPicBox(TPGImage *owner) : QWidget(owner), FOwner(owner)
{
    // Transparent to the control's painting: it never fills a background.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
}

void TPicBox::mousePressEvent(QMouseEvent *e) { FOwner->BoxMouseDown(e); }
void TPicBox::mouseMoveEvent(QMouseEvent *e) { FOwner->BoxMouseMove(e); }
void TPicBox::mouseReleaseEvent(QMouseEvent *e) { FOwner->BoxMouseUp(e); }
void TPicBox::mouseDoubleClickEvent(QMouseEvent *e)
{
    FOwner->BoxMouseDown(e);
    if (FOwner->PicBoxOnDblClick)
        FOwner->PicBoxOnDblClick(this);
}

// ---------------------------------------------------------------------------
// The control

TPGImage::TPGImage(QWidget *parent) : QWidget(parent)
{
    // The paint covers every pixel, so no background is erased first (no flicker).
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    FPicBox = new TPicBox(this);
    FPicBox->setGeometry(0, 0, 0, 0);
    FPicBox->lower();
    FHBar = new QScrollBar(Qt::Horizontal, this);
    FVBar = new QScrollBar(Qt::Vertical, this);
    FHBar->hide();
    FVBar->hide();
    connect(FHBar, &QScrollBar::valueChanged, this, [this](int v) { SetScrollPos(v, FVPos); });
    connect(FVBar, &QScrollBar::valueChanged, this, [this](int v) { SetScrollPos(FHPos, v); });
    FScrollTimer = new QTimer(this);
    FScrollTimer->setInterval(50);
    connect(FScrollTimer, &QTimer::timeout, this, &TPGImage::AutoScrollTick);
    resize(100, 100);
}

TPGImage::~TPGImage() = default;

void TPGImage::SetFileName(const QString &fileName) { LoadPicture(fileName, 0); }

void TPGImage::LoadPicture(const QString &fileName, int imageNo)
{
    FFileName.clear();
    FLoadAborted = false;
    const bool hourglass = FShowHourGlass;
    if (hourglass)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    FPicture.reset();
    FDisplay = QPixmap();
    FDisplayStale = true;
    try {
        const int slash = std::max(fileName.lastIndexOf('/'), fileName.lastIndexOf('\\'));
        if (!fileName.mid(slash + 1).isEmpty()) {
            auto picture = std::make_unique<TPixelGraphic>();
            picture->SetReadWarningAction(FReadWarningAction);
            picture->SetBackgroundColor(FBackGroundColor);
            picture->OnProgressStart = [this] { if (OnPixelGraphicProgressStart) OnPixelGraphicProgressStart(); };
            picture->OnProgressEnd = [this] { if (OnPixelGraphicProgressEnd) OnPixelGraphicProgressEnd(); };
            picture->OnProgress = [this](int step, int maximum, bool &abort) {
                if (OnPixelGraphicProgress)
                    OnPixelGraphicProgress(step, maximum, abort);
                FLoadAborted = FLoadAborted || abort;
            };
            try {
                picture->LoadFromFile(fileName, imageNo);
            } catch (const Exception &) {
                // A reader stopped by its owner may complain about the rows it
                // was not given (JPEG does); the owner asked for the stop.
                if (!FLoadAborted)
                    throw;
            }
            // A stopped load leaves only part of a picture, which is not shown.
            if (!FLoadAborted) {
                picture->OnChange = [this] { FDisplayStale = true; update(); };
                FPicture = std::move(picture);
            }
        }
        if (!FLoadAborted)
            FFileName = fileName;
    } catch (...) {
        FLoadAborted = false;
        if (hourglass)
            QGuiApplication::restoreOverrideCursor();
        PictureChanged();
        throw;
    }
    FLoadAborted = false;
    if (hourglass)
        QGuiApplication::restoreOverrideCursor();
    PictureChanged();
}

void TPGImage::SavePicture(const QString &fileName)
{
    if (!FPicture)
        throw EPGEmpty(PGLangStr(16, QStringLiteral("PixelGraphic")));
    FPicture->SaveToFile(fileName);
}

void TPGImage::PictureChanged()
{
    const int picW = FPicture ? FPicture->Width() : 0;
    const int picH = FPicture ? FPicture->Height() : 0;
    const int b = BorderWidth();
    const int sbH = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int sbW = sbH;
    int w = picW + 2 * b, h = picH + 2 * b;
    bool addedH = false, addedV = false;
    for (int pass = 0; pass < 2; ++pass) {
        if (w > FAutoSizeMaxWidth && !addedH) {
            h += sbH;
            addedH = true;
        }
        if (h > FAutoSizeMaxHeight && !addedV) {
            w += sbW;
            addedV = true;
        }
    }
    w = std::clamp(w, FAutoSizeMinWidth, std::max(FAutoSizeMinWidth, FAutoSizeMaxWidth));
    h = std::clamp(h, FAutoSizeMinHeight, std::max(FAutoSizeMinHeight, FAutoSizeMaxHeight));
    if (OnNewAutoSize)
        OnNewAutoSize(w, h);
    FDisplayStale = true;
    if (FAutoSize && QSize(w, h) != size())
        resize(w, h);   // resizing rearranges
    else
        Rearrange(false);
    if (FPicture)
        FSelectionRect = FSelectionRect.intersected(QRect(0, 0, picW, picH));
    if (OnPixelGraphicChange)
        OnPixelGraphicChange();
}

int TPGImage::BorderWidth() const
{
    if (FBorderStyle == pgbsNone)
        return 0;
    return FCtl3D ? 2 : 1;
}

QRect TPGImage::ClientRect() const
{
    const int b = BorderWidth();
    QRect r = rect().adjusted(b, b, -b, -b);
    if (FHBar->isVisibleTo(this))
        r.setBottom(r.bottom() - FHBar->height());
    if (FVBar->isVisibleTo(this))
        r.setRight(r.right() - FVBar->width());
    return r;
}

QRect TPGImage::BoxRect() const { return FPicBox->geometry(); }

void TPGImage::Rearrange(bool force)
{
    const int b = BorderWidth();
    const int availW = width() - 2 * b, availH = height() - 2 * b;
    const int sb = FAutoScroll ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int picW = FPicture ? FPicture->Width() : 0;
    const int picH = FPicture ? FPicture->Height() : 0;
    const TPGBoxSize box = PGComputeBoxSize(FStretch, picW, picH, availW, availH, sb, sb, FZoomFactor);
    if (box.Scale != FScale) {
        FScale = box.Scale;
        if (OnZoomFactorChange)
            OnZoomFactorChange();
    }

    QPoint origin(0, 0);
    int centreH = -1, centreV = -1;   // centred scroll positions, -1 when not counted
    if (FCenter) {
        int aw = availW, ah = availH;
        bool countedH = false, countedV = false;
        for (int pass = 0; pass < 2; ++pass) {
            if (aw < box.Width && !countedH) {
                ah -= sb;
                countedH = true;
            }
            if (ah < box.Height && !countedV) {
                aw -= sb;
                countedV = true;
            }
        }
        origin = QPoint(box.Width < aw ? (aw - box.Width) / 2 : 0, box.Height < ah ? (ah - box.Height) / 2 : 0);
        if (countedH)
            centreH = (box.Width - aw) / 2;
        if (countedV)
            centreV = (box.Height - ah) / 2;
    }

    const bool sameSize = FPicBox->size() == QSize(box.Width, box.Height);
    const bool samePlace = FBoxOrigin == origin &&
                           (FCenter ? ((centreH < 0 || FHPos == centreH) && (centreV < 0 || FVPos == centreV))
                                    : (FHPos == 0 && FVPos == 0));
    if (sameSize && (!(force || FRearrangeAlways) || samePlace)) {
        update();
        return;
    }

    FRearranging = true;
    FHPos = FVPos = 0;
    FBoxOrigin = origin;
    FPicBox->resize(box.Width, box.Height);
    UpdateScrollBars();
    if (FCenter) {
        const QRect client = ClientRect();
        if (box.Width > client.width())
            FHPos = (box.Width - client.width()) / 2;
        if (box.Height > client.height())
            FVPos = (box.Height - client.height()) / 2;
    }
    PlaceBox();
    FRearranging = false;
    if (FStretchMode != smFast)
        FDisplayStale = true;
    update();
}

void TPGImage::UpdateScrollBars()
{
    const int b = BorderWidth();
    const int availW = width() - 2 * b, availH = height() - 2 * b;
    const int contentW = FBoxOrigin.x() + FPicBox->width();
    const int contentH = FBoxOrigin.y() + FPicBox->height();
    bool h = false, v = false;
    if (FAutoScroll) {
        const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        for (int pass = 0; pass < 2; ++pass) {
            h = contentW > availW - (v ? sb : 0);
            v = contentH > availH - (h ? sb : 0);
        }
        FHBar->setGeometry(b, height() - b - sb, availW - (v ? sb : 0), sb);
        FVBar->setGeometry(width() - b - sb, b, sb, availH - (h ? sb : 0));
    }
    FHBar->setVisible(h);
    FVBar->setVisible(v);
    const QRect client = ClientRect();
    const QSignalBlocker bh(FHBar), bv(FVBar);
    FHBar->setRange(0, std::max(0, contentW - client.width()));
    FHBar->setPageStep(std::max(1, client.width()));
    FVBar->setRange(0, std::max(0, contentH - client.height()));
    FVBar->setPageStep(std::max(1, client.height()));
}

void TPGImage::PlaceBox()
{
    const QRect client = ClientRect();
    const int maxH = std::max(0, FBoxOrigin.x() + FPicBox->width() - client.width());
    const int maxV = std::max(0, FBoxOrigin.y() + FPicBox->height() - client.height());
    FHPos = std::clamp(FHPos, 0, FAutoScroll ? maxH : 0);
    FVPos = std::clamp(FVPos, 0, FAutoScroll ? maxV : 0);
    const QSignalBlocker bh(FHBar), bv(FVBar);
    FHBar->setValue(FHPos);
    FVBar->setValue(FVPos);
    FPicBox->move(client.topLeft() + FBoxOrigin - QPoint(FHPos, FVPos));
}

void TPGImage::SetScrollPos(int h, int v)
{
    if (h == FHPos && v == FVPos)
        return;
    FHPos = h;
    FVPos = v;
    PlaceBox();
    update();
}

void TPGImage::resizeEvent(QResizeEvent *)
{
    // Shrink the box first so the new bounds never see a stale layout.
    FPicBox->setGeometry(0, 0, 0, 0);
    Rearrange(true);
}

void TPGImage::SetAutoScroll(bool on)
{
    if (FAutoScroll == on)
        return;
    FAutoScroll = on;
    Rearrange(true);
}

void TPGImage::SetAutoSize(bool on)
{
    if (FAutoSize == on)
        return;
    FAutoSize = on;
    if (on)
        PictureChanged();
}

void TPGImage::SetAutoSizeBounds(int minW, int minH, int maxW, int maxH)
{
    FAutoSizeMinWidth = minW;
    FAutoSizeMinHeight = minH;
    FAutoSizeMaxWidth = maxW;
    FAutoSizeMaxHeight = maxH;
    if (FAutoSize)
        PictureChanged();
}

void TPGImage::SetBorderStyle(TPGBorderStyle s)
{
    if (FBorderStyle == s)
        return;
    FBorderStyle = s;
    Rearrange(true);
}

void TPGImage::SetCtl3D(bool on)
{
    if (FCtl3D == on)
        return;
    FCtl3D = on;
    Rearrange(true);
}

void TPGImage::SetCenter(bool on)
{
    if (FCenter == on)
        return;
    FCenter = on;
    Rearrange(true);
}

void TPGImage::SetColor(TColor c)
{
    if (FColor == c)
        return;
    FColor = c;
    update();
}

void TPGImage::SetFlipHorizontal(bool on)
{
    if (FFlipHorizontal == on)
        return;
    FFlipHorizontal = on;
    update();
}

void TPGImage::SetFlipVertical(bool on)
{
    if (FFlipVertical == on)
        return;
    FFlipVertical = on;
    update();
}

TColor TPGImage::PicBoxColor() const { return FPicBoxParentColor ? FColor : FPicBoxColor; }

void TPGImage::SetPicBoxColor(TColor c)
{
    FPicBoxColor = c;
    FPicBoxParentColor = false;
    update();
}

void TPGImage::SetPicBoxParentColor(bool on)
{
    FPicBoxParentColor = on;
    update();
}

void TPGImage::SetPicBoxFrameColor(TColor c)
{
    FPicBoxFrameColor = c;
    update();
}

void TPGImage::SetProgress5Clocks(bool on)
{
    FProgress5Clocks = on;
    update();
}

void TPGImage::SetProgressClockVisible(bool on)
{
    FProgressClockVisible = on;
    update();
}

void TPGImage::SetStretch(TStretch s)
{
    if (FStretch == s)
        return;
    FStretch = s;
    Rearrange(true);
}

void TPGImage::SetStretchMode(TStretchMode m)
{
    if (FStretchMode == m)
        return;
    FStretchMode = m;
    FDisplayStale = true;
    update();
}

void TPGImage::SetTiling(TTiling t)
{
    if (FTiling == t)
        return;
    FTiling = t;
    update();
}

void TPGImage::SetZoomFactor(double z)
{
    if (FZoomFactor == z)
        return;
    FZoomFactor = z;
    Rearrange(true);
}

void TPGImage::SetSelection(bool on)
{
    if (FSelection == on)
        return;
    FSelection = on;
    update();
}

void TPGImage::SetSelectionRect(const QRect &r)
{
    QRect n = r.normalized();
    if (FPicture)
        n = n.intersected(QRect(0, 0, FPicture->Width(), FPicture->Height()));
    if (n == FSelectionRect)
        return;
    FSelectionRect = n;
    update();
    if (OnSelectionChange)
        OnSelectionChange();
}

void TPGImage::Invalidate()
{
    update();
    for (QObject *child : children())
        if (auto *w = qobject_cast<QWidget *>(child);
            w && (qobject_cast<TPGLabel *>(w) || qobject_cast<TPGPanel *>(w)))
            w->update();
}

void TPGImage::changeEvent(QEvent *e)
{
    // A new screen or palette may want a different display copy.
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::StyleChange)
        FDisplayStale = true;
    QWidget::changeEvent(e);
}

// ---------------------------------------------------------------------------
// Painting

const QPixmap &TPGImage::DisplayCopy()
{
    if (FDisplayStale || FDisplay.isNull()) {
        FDisplay = FPicture ? QPixmap::fromImage(FPicture->ToImage()) : QPixmap();
        FDisplayStale = false;
    }
    return FDisplay;
}

void TPGImage::paintEvent(QPaintEvent *e)
{
    if (FRearranging)
        return;
    QPainter p(this);
    PaintTo(p, e->rect());
}

void TPGImage::PaintTo(QPainter &p, const QRect &area)
{
    const QRect client = ClientRect();
    p.setClipRect(area & client);
    if (OnPainting)
        OnPainting();
    const QRect box = BoxRect();
    const bool drawable = FPicture && !FPicture->Empty() && box.width() > 0 && box.height() > 0;
    if (FTiling == tNone || !drawable) {
        const QColor c = ToQColor(FColor);
        if (box.top() > client.top())
            p.fillRect(QRect(client.left(), client.top(), client.width(), box.top() - client.top()), c);
        if (box.bottom() < client.bottom())
            p.fillRect(QRect(client.left(), box.bottom() + 1, client.width(), client.bottom() - box.bottom()), c);
        if (box.left() > client.left())
            p.fillRect(QRect(client.left(), client.top(), box.left() - client.left(), client.height()), c);
        if (box.right() < client.right())
            p.fillRect(QRect(box.right() + 1, client.top(), client.right() - box.right(), client.height()), c);
    }
    if (drawable)
        PaintTiles(p, area & client);
    else
        PaintEmptyBox(p);
    p.setClipping(false);
    if (BorderWidth() > 0) {
        const QRect r = rect();
        if (FCtl3D) {
            p.setPen(ToQColor(clBtnShadow));
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(ToQColor(clBtnHighlight));
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
            p.setPen(ToQColor(cl3DDkShadow));
            p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
            p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
            p.setPen(ToQColor(cl3DLight));
            p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
            p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
        } else {
            p.setPen(ToQColor(clWindowFrame));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
    if (FHBar->isVisible() && FVBar->isVisible())
        p.fillRect(QRect(FVBar->x(), FHBar->y(), FVBar->width(), FHBar->height()), ToQColor(clBtnFace));
    if (OnPaint)
        OnPaint();
}

void TPGImage::PaintTiles(QPainter &p, const QRect &clip)
{
    const QRect client = ClientRect();
    // Tile arithmetic in client coordinates, right and bottom exclusive.
    const QRect boxRect = BoxRect();
    const int W = boxRect.width(), H = boxRect.height();
    const int bLeft = boxRect.left() - client.left(), bTop = boxRect.top() - client.top();
    const int bRight = bLeft + W, bBottom = bTop + H;
    const int cRight = client.width(), cBottom = client.height();
    int firstRow = 0, lastRow = 0, firstCol = 0, lastCol = 0;
    if (FTiling != tNone) {
        if (bTop > 0) firstRow = -((bTop + H - 1) / H);
        if (bBottom < cBottom) lastRow = (cBottom - bBottom + H - 1) / H;
        if (bLeft > 0) firstCol = -((bLeft + W - 1) / W);
        if (bRight < cRight) lastCol = (cRight - bRight + W - 1) / W;
    }
    const bool mirrorCols = FTiling == tMirrorHorizontal || FTiling == tMirror;
    const bool mirrorRows = FTiling == tMirrorVertical || FTiling == tMirror;
    auto tileRect = [&](int c, int r) {
        return QRect(client.left() + bLeft + c * W, client.top() + bTop + r * H, W, H);
    };
    auto variant = [&](int c, int r) {
        const bool h = FFlipHorizontal != (mirrorCols && (c & 1));
        const bool v = FFlipVertical != (mirrorRows && (r & 1));
        return (h ? 1 : 0) | (v ? 2 : 0);
    };

    // First pass: how many visible tiles want each mirrored variant.
    int counts[4] = {0, 0, 0, 0};
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            if (tileRect(c, r).intersects(clip))
                ++counts[variant(c, r)];

    const QPixmap &plain = DisplayCopy();
    QPixmap copies[4];
    copies[0] = plain;
    if (counts[1] > 2 || counts[2] > 2 || counts[3] > 2) {
        const QImage image = plain.toImage();
        for (int v = 1; v < 4; ++v)
            if (counts[v] > 2)
                copies[v] = QPixmap::fromImage(image.mirrored(v & 1, v & 2));
    }

    p.setRenderHint(QPainter::SmoothPixmapTransform, FStretchMode != smFast);
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c) {
            const QRect t = tileRect(c, r);
            if (!t.intersects(clip))
                continue;
            const int v = variant(c, r);
            if (!copies[v].isNull()) {
                p.drawPixmap(t, copies[v]);
                continue;
            }
            // Few tiles of this variant: draw the plain copy turned over.
            p.save();
            p.translate(t.left() + ((v & 1) ? W : 0), t.top() + ((v & 2) ? H : 0));
            p.scale((v & 1) ? -1 : 1, (v & 2) ? -1 : 1);
            p.drawPixmap(QRect(0, 0, W, H), plain);
            p.restore();
        }
    // the mirrored copies go with this paint

    if (FSelection) {
        const QRect sel = SelectionInBox().translated(boxRect.topLeft());
        QPen pen(ToQColor(FSelectionColor1));
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(sel.adjusted(0, 0, -1, -1));
        pen.setColor(ToQColor(FSelectionColor2));
        pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.drawRect(sel.adjusted(0, 0, -1, -1));
    }
}

void TPGImage::PaintEmptyBox(QPainter &p)
{
    const QRect box = BoxRect();
    if (box.width() <= 0 || box.height() <= 0)
        return;
    p.setPen(ToQColor(FPicBoxFrameColor));
    p.setBrush(ToQColor(PicBoxColor()));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    if (!FProgressClockVisible)
        return;
    if (box.width() > 20 && box.height() > 20)
        DrawClock(p, box.center());
    if (FProgress5Clocks && box.width() >= 101 && box.height() >= 101) {
        // 5 pixels in from each corner to the clock's edge.
        const int d = 5 + 7;
        DrawClock(p, QPoint(box.left() + d, box.top() + d));
        DrawClock(p, QPoint(box.right() - d, box.top() + d));
        DrawClock(p, QPoint(box.left() + d, box.bottom() - d));
        DrawClock(p, QPoint(box.right() - d, box.bottom() - d));
    }
}

void TPGImage::DrawClock(QPainter &p, const QPoint &centre)
{
    p.setPen(ToQColor(FProgressClockLineColor));
    p.setBrush(ToQColor(FProgressClockBkColor));
    p.drawEllipse(QRect(centre.x() - 7, centre.y() - 7, 15, 15));
    // No preparation runs on a true-colour display, so the hands rest at twelve.
    p.drawLine(centre, centre + QPoint(0, -6));
    p.drawLine(centre, centre + QPoint(0, -7));
}

// ---------------------------------------------------------------------------
// Mouse

namespace {
QPoint EventPos(const QMouseEvent *e) { return e->position().toPoint(); }
} // namespace

void TPGImage::BoxMouseDown(QMouseEvent *e)
{
    const QPoint pos = EventPos(e);
    if (FActionMode != amNone)
        ActionMouseDown(e->button(), pos);
    if (PicBoxOnMouseDown)
        PicBoxOnMouseDown(FPicBox, e->button(), e->modifiers(), pos.x(), pos.y());
}

void TPGImage::BoxMouseMove(QMouseEvent *e)
{
    const QPoint pos = EventPos(e);
    if (FActionMode != amNone)
        ActionMouseMove(pos);
    if (PicBoxOnMouseMove)
        PicBoxOnMouseMove(FPicBox, Qt::NoButton, e->modifiers(), pos.x(), pos.y());
}

void TPGImage::BoxMouseUp(QMouseEvent *e)
{
    const QPoint pos = EventPos(e);
    if (PicBoxOnMouseUp)
        PicBoxOnMouseUp(FPicBox, e->button(), e->modifiers(), pos.x(), pos.y());
    if (FActionMode != amNone)
        ActionMouseUp(e->button(), pos);
    if (PicBoxOnClick && e->button() == Qt::LeftButton && FPicBox->rect().contains(pos))
        PicBoxOnClick(FPicBox);
}

void TPGImage::mousePressEvent(QMouseEvent *e)
{
    if (OnMouseDown)
        OnMouseDown(this, e->button(), e->modifiers(), EventPos(e).x(), EventPos(e).y());
}

void TPGImage::mouseMoveEvent(QMouseEvent *e)
{
    if (OnMouseMove)
        OnMouseMove(this, Qt::NoButton, e->modifiers(), EventPos(e).x(), EventPos(e).y());
}

void TPGImage::mouseReleaseEvent(QMouseEvent *e)
{
    if (OnMouseUp)
        OnMouseUp(this, e->button(), e->modifiers(), EventPos(e).x(), EventPos(e).y());
}

QRect TPGImage::SelectionInBox() const
{
    if (!FPicture || FPicture->Empty())
        return {};
    const double sx = double(FPicBox->width()) / FPicture->Width();
    const double sy = double(FPicBox->height()) / FPicture->Height();
    return QRect(QPoint(int(FSelectionRect.left() * sx), int(FSelectionRect.top() * sy)),
                 QPoint(int((FSelectionRect.right() + 1) * sx) - 1, int((FSelectionRect.bottom() + 1) * sy) - 1));
}

// Eight 5-by-5 handles, 3 to 8 pixels outside the corners and edge midpoints.
int TPGImage::HandleAt(const QPoint &pos) const
{
    if (!FSelection)
        return -1;
    const QRect s = SelectionInBox();
    const int xs[3] = {s.left() - 8, s.center().x() - 2, s.right() + 4};
    const int ys[3] = {s.top() - 8, s.center().y() - 2, s.bottom() + 4};
    int index = 0;
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) {
            if (i == 1 && j == 1)
                continue;
            if (QRect(xs[i], ys[j], 5, 5).contains(pos))
                return index;
            ++index;
        }
    return -1;
}

void TPGImage::ActionMouseDown(Qt::MouseButton button, const QPoint &pos)
{
    if (button != Qt::LeftButton || !FPicture)
        return;
    FDragOrigin = FPicBox->mapTo(this, pos);
    FDragScroll = QPoint(FHPos, FVPos);
    FDragSelection = FSelectionRect;
    const bool inside = FSelection && SelectionInBox().contains(pos);
    const int handle = HandleAt(pos);
    switch (FActionMode) {
    case amMoveImage:
        FDrag = dgImage;
        break;
    case amMoveResizeCreateSelection:
        FDrag = handle >= 0 ? dgResize : inside ? dgMove : dgCreate;
        FDragHandle = handle;
        break;
    case amMoveSelection:
        FDrag = inside ? dgMove : dgNone;
        break;
    case amMoveSelectionMoveImage:
        FDrag = inside ? dgMove : dgImage;
        break;
    case amNone:
        break;
    }
    if (FDrag == dgImage)
        FPicBox->setCursor(Qt::ClosedHandCursor);
    if (FDrag == dgCreate) {
        FSelection = true;
        SetSelectionRect(QRect(PictureAt(pos), QSize(1, 1)));
        FDragSelection = FSelectionRect;
    }
    if (FDrag == dgCreate || FDrag == dgMove || FDrag == dgResize)
        FScrollTimer->start();
}

QPoint TPGImage::PictureAt(const QPoint &boxPos) const
{
    if (!FPicture || FPicBox->width() <= 0 || FPicBox->height() <= 0)
        return {};
    return QPoint(int(double(boxPos.x()) * FPicture->Width() / FPicBox->width()),
                  int(double(boxPos.y()) * FPicture->Height() / FPicBox->height()));
}

void TPGImage::ActionMouseMove(const QPoint &pos)
{
    if (FDrag == dgNone)
        return;
    const QPoint here = FPicBox->mapTo(this, pos);
    FLastPointer = here;
    const QPoint delta = here - FDragOrigin;
    if (FDrag == dgImage) {
        SetScrollPos(FDragScroll.x() - delta.x(), FDragScroll.y() - delta.y());
        return;
    }
    const QPoint at = PictureAt(FPicBox->mapFrom(this, here));
    QRect r = FDragSelection;
    if (FDrag == dgCreate) {
        r = QRect(FDragSelection.topLeft(), at).normalized();
    } else if (FDrag == dgMove) {
        const QPoint d = at - PictureAt(FPicBox->mapFrom(this, FDragOrigin));
        r.translate(d);
        if (FPicture) {
            r.moveLeft(std::clamp(r.left(), 0, std::max(0, FPicture->Width() - r.width())));
            r.moveTop(std::clamp(r.top(), 0, std::max(0, FPicture->Height() - r.height())));
        }
    } else if (FDrag == dgResize) {
        // Handles: 0 1 2 / 3 . 4 / 5 6 7
        const int h = FDragHandle;
        if (h == 0 || h == 3 || h == 5) r.setLeft(at.x());
        if (h == 2 || h == 4 || h == 7) r.setRight(at.x());
        if (h == 0 || h == 1 || h == 2) r.setTop(at.y());
        if (h == 5 || h == 6 || h == 7) r.setBottom(at.y());
        r = r.normalized();
    }
    SetSelectionRect(r);
}

void TPGImage::ActionMouseUp(Qt::MouseButton button, const QPoint &)
{
    if (button != Qt::LeftButton)
        return;
    const TDrag was = FDrag;
    FDrag = dgNone;
    FScrollTimer->stop();
    FPicBox->unsetCursor();
    if ((was == dgCreate || was == dgMove || was == dgResize) && OnSelectionMade)
        OnSelectionMade();
}

void TPGImage::AutoScrollTick()
{
    if (FDrag == dgNone) {
        FScrollTimer->stop();
        return;
    }
    const QRect client = ClientRect();
    int dh = 0, dv = 0;
    if (FLastPointer.x() < client.left()) dh = -5;
    else if (FLastPointer.x() > client.right()) dh = 5;
    if (FLastPointer.y() < client.top()) dv = -5;
    else if (FLastPointer.y() > client.bottom()) dv = 5;
    if (dh || dv)
        SetScrollPos(FHPos + dh, FVPos + dv);
}

// ---------------------------------------------------------------------------
// Transparent companions

TPGPanel::TPGPanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void TPGPanel::SetTransparent(bool on) { FTransparent = on; update(); }
void TPGPanel::SetBevelWidth(int w) { FBevelWidth = std::max(0, w); update(); }
void TPGPanel::SetBevelOuter(TBevel b) { FBevelOuter = b; update(); }
void TPGPanel::SetBevelInner(TBevel b) { FBevelInner = b; update(); }
void TPGPanel::SetBorderWidth(int w) { FBorderWidth = std::max(0, w); update(); }
void TPGPanel::SetColor(TColor c) { FColor = c; update(); }
void TPGPanel::SetCaption(const QString &caption) { FCaption = caption; update(); }

QRect TPGPanel::InnerRect() const
{
    int inset = FBorderWidth;
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

namespace {
// Nested one-pixel rectangles: top and left in one colour, bottom and right in the other.
void DrawBevel(QPainter &p, QRect &r, TPGPanel::TBevel bevel, int width)
{
    if (bevel == TPGPanel::bvNone)
        return;
    const QColor light = ToQColor(clBtnHighlight), dark = ToQColor(clBtnShadow);
    const QColor tl = bevel == TPGPanel::bvRaised ? light : dark;
    const QColor br = bevel == TPGPanel::bvRaised ? dark : light;
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), tl);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), tl);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), br);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), br);
        r.adjust(1, 1, -1, -1);
    }
}
} // namespace

void TPGPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    DrawBevel(p, r, FBevelOuter, FBevelWidth);
    if (FBorderWidth > 0) {
        const QRect inner = r.adjusted(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
        const QRegion ring = QRegion(r).subtracted(QRegion(inner));
        for (const QRect &part : ring)
            p.fillRect(part, ToQColor(FColor));
        r = inner;
    }
    DrawBevel(p, r, FBevelInner, FBevelWidth);
    if (!FTransparent)
        p.fillRect(r, ToQColor(FColor));
    if (!FCaption.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, Qt::AlignCenter, FCaption);
    }
}

TPGLabel::TPGLabel(const QString &caption, QWidget *parent) : QWidget(parent), FCaption(caption)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void TPGLabel::SetCaption(const QString &caption) { FCaption = caption; update(); }
void TPGLabel::SetTransparent(bool on) { FTransparent = on; update(); }
void TPGLabel::SetFontColor(TColor c) { FFontColor = c; update(); }
void TPGLabel::SetShadow(bool on) { FShadow = on; update(); }
void TPGLabel::SetShadowColor(TColor c) { FShadowColor = c; update(); }
void TPGLabel::SetShadowOffset(int px) { FShadowOffset = px; update(); }
void TPGLabel::SetAlignment(Qt::Alignment a) { FAlignment = a; update(); }
void TPGLabel::SetColor(TColor c) { FColor = c; update(); }

void TPGLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!FTransparent)
        p.fillRect(rect(), ToQColor(FColor));
    p.setFont(font());
    if (FShadow) {
        p.setPen(ToQColor(FShadowColor));
        p.drawText(rect().translated(FShadowOffset, FShadowOffset), int(FAlignment) | Qt::TextShowMnemonic, FCaption);
    }
    p.setPen(ToQColor(FFontColor));
    p.drawText(rect(), int(FAlignment) | Qt::TextShowMnemonic, FCaption);
}
