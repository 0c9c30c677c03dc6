#pragma once
// The picture box: one decoded picture laid out in an inner box whose size and
// place follow the stretch, zoom and centring settings, with the area around
// the box filled with the control's colour or covered by repeated (and
// optionally mirrored) copies of the picture. Also the transparent companions
// that stand on a picture box: the bevelled panel and the label.
#include "picture/PGraphic.h"
#include "platform/Colors.h"

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>

class QScrollBar;
class QTimer;

enum TStretch {
    sNeverKAR, sAlways, sAlwaysKAR, sShrink, sShrinkKAR, sEnlarge, sEnlargeKAR,
    sAlwaysLongerEdgeKAR, sShrinkLongerEdgeKAR, sEnlargeShrinkLongerEdgeKAR, sEnlargeLongerEdgeKAR, sZoomKAR
};
enum TTiling { tNone, tRepeat, tMirrorHorizontal, tMirrorVertical, tMirror };
enum TActionMode { amMoveImage, amMoveResizeCreateSelection, amMoveSelection, amMoveSelectionMoveImage, amNone };
enum TStretchMode { smFast, smMedium, smPrecise };
enum TPGBorderStyle { pgbsNone, pgbsSingle };

// Mouse event of the control or of its picture box: button (Qt::NoButton for
// moves), modifiers and the position in the sender's own coordinates.
using TPGMouseEvent = std::function<void(QObject *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;

// The box size a stretch setting gives; scale is -1.0 when width and height
// are scaled differently. sbWidth/sbHeight are the scroll bars' thickness
// (0 when the control shows none).
struct TPGBoxSize {
    int Width = 0;
    int Height = 0;
    double Scale = 1.0;
};
TPGBoxSize PGComputeBoxSize(TStretch stretch, int picW, int picH, int availW, int availH, int sbWidth, int sbHeight,
                            double zoomFactor);

class TPGImage;

// The inner box. It paints nothing of its own: the control paints the picture
// into its rectangle. Its mouse events go through the control's routing.
class TPicBox : public QWidget {
    Q_OBJECT
public:
    explicit TPicBox(TPGImage *owner);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    TPGImage *FOwner;
};

class TPGImage : public QWidget {
    Q_OBJECT
public:
    explicit TPGImage(QWidget *parent = nullptr);
    ~TPGImage() override;

    // Assigning loads the file; a failed load leaves the control empty with
    // an empty FileName and passes the error on.
    const QString &FileName() const { return FFileName; }
    void SetFileName(const QString &fileName);
    void LoadPicture(const QString &fileName, int imageNo);
    void SavePicture(const QString &fileName);
    const TPixelGraphic *PixelGraphic() const { return FPicture.get(); }

    TActionMode ActionMode() const { return FActionMode; }
    void SetActionMode(TActionMode m) { FActionMode = m; }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool on);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool on);
    void SetAutoSizeBounds(int minW, int minH, int maxW, int maxH);
    TColor BackGroundColor() const { return FBackGroundColor; }
    void SetBackGroundColor(TColor c) { FBackGroundColor = c; }
    TPGBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TPGBorderStyle s);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool on);
    int BorderWidth() const;
    bool Center() const { return FCenter; }
    void SetCenter(bool on);
    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    bool FlipHorizontal() const { return FFlipHorizontal; }
    void SetFlipHorizontal(bool on);
    bool FlipVertical() const { return FFlipVertical; }
    void SetFlipVertical(bool on);
    TColor PicBoxColor() const;
    void SetPicBoxColor(TColor c);
    bool PicBoxParentColor() const { return FPicBoxParentColor; }
    void SetPicBoxParentColor(bool on);
    TColor PicBoxFrameColor() const { return FPicBoxFrameColor; }
    void SetPicBoxFrameColor(TColor c);
    bool Progress5Clocks() const { return FProgress5Clocks; }
    void SetProgress5Clocks(bool on);
    bool ProgressClockVisible() const { return FProgressClockVisible; }
    void SetProgressClockVisible(bool on);
    TColor ProgressClockBkColor() const { return FProgressClockBkColor; }
    TColor ProgressClockLineColor() const { return FProgressClockLineColor; }
    TPGWarningAction ReadWarningAction() const { return FReadWarningAction; }
    void SetReadWarningAction(TPGWarningAction a) { FReadWarningAction = a; }
    bool RearrangeAlways() const { return FRearrangeAlways; }
    void SetRearrangeAlways(bool on) { FRearrangeAlways = on; }
    bool ShowHourGlass() const { return FShowHourGlass; }
    void SetShowHourGlass(bool on) { FShowHourGlass = on; }
    TStretch Stretch() const { return FStretch; }
    void SetStretch(TStretch s);
    TStretchMode StretchMode() const { return FStretchMode; }
    void SetStretchMode(TStretchMode m);
    TTiling Tiling() const { return FTiling; }
    void SetTiling(TTiling t);
    double ZoomFactor() const { return FZoomFactor; }
    void SetZoomFactor(double z);
    double EffectiveScale() const { return FScale; }

    bool Selection() const { return FSelection; }
    void SetSelection(bool on);
    QRect SelectionRect() const { return FSelectionRect; }   // picture pixels
    void SetSelectionRect(const QRect &r);
    TColor SelectionColor1() const { return FSelectionColor1; }
    TColor SelectionColor2() const { return FSelectionColor2; }

    int HorzScrollPos() const { return FHPos; }
    int VertScrollPos() const { return FVPos; }
    void SetScrollPos(int h, int v);

    TPicBox *PicBox() const { return FPicBox; }
    // The box rectangle in the control's coordinates.
    QRect BoxRect() const;
    // The client rectangle: the control less its border and visible scroll bars.
    QRect ClientRect() const;

    void Rearrange(bool force);

    // Events.
    std::function<void(int width, int height)> OnNewAutoSize;
    std::function<void()> OnPaint;
    std::function<void()> OnPainting;
    std::function<void()> OnPixelGraphicChange;
    // The reader's progress; setting abort stops the load, which then leaves
    // the control without a picture and with an empty FileName.
    std::function<void(int step, int maximum, bool &abort)> OnPixelGraphicProgress;
    std::function<void()> OnPixelGraphicProgressStart;
    std::function<void()> OnPixelGraphicProgressEnd;
    std::function<void()> OnSelectionChange;
    std::function<void()> OnSelectionMade;
    std::function<void()> OnZoomFactorChange;
    TPGMouseEvent OnMouseDown, OnMouseMove, OnMouseUp;
    TPGMouseEvent PicBoxOnMouseDown, PicBoxOnMouseMove, PicBoxOnMouseUp;
    std::function<void(QObject *sender)> PicBoxOnClick, PicBoxOnDblClick;

    // Children that draw over the picture repaint with it.
    void Invalidate();

    // The control's paint (margins or tiles, frame, border) for the area given.
    void PaintTo(QPainter &p, const QRect &area);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    friend class TPicBox;
    void PictureChanged();
    void PaintTiles(QPainter &p, const QRect &clip);
    void PaintEmptyBox(QPainter &p);
    void DrawClock(QPainter &p, const QPoint &centre);
    const QPixmap &DisplayCopy();
    void UpdateScrollBars();
    void PlaceBox();

    // Routing of the picture box's mouse events.
    void BoxMouseDown(QMouseEvent *e);
    void BoxMouseMove(QMouseEvent *e);
    void BoxMouseUp(QMouseEvent *e);
    void ActionMouseDown(Qt::MouseButton button, const QPoint &pos);
    void ActionMouseMove(const QPoint &pos);
    void ActionMouseUp(Qt::MouseButton button, const QPoint &pos);
    void AutoScrollTick();
    int HandleAt(const QPoint &boxPos) const;
    QPoint PictureAt(const QPoint &boxPos) const;
    QRect SelectionInBox() const;

    std::unique_ptr<TPixelGraphic> FPicture;
    QPixmap FDisplay;           // the picture as the screen wants it, rebuilt when stale
    bool FDisplayStale = true;
    TPicBox *FPicBox;
    QScrollBar *FHBar;
    QScrollBar *FVBar;
    QTimer *FScrollTimer;

    QString FFileName;
    bool FLoadAborted = false; // the owner stopped the load under way
    TActionMode FActionMode = amMoveImage;
    bool FAutoScroll = true;
    bool FAutoSize = false;
    int FAutoSizeMinWidth = 0, FAutoSizeMinHeight = 0;
    int FAutoSizeMaxWidth = 2147483647, FAutoSizeMaxHeight = 2147483647;
    TColor FBackGroundColor = 0;
    TPGBorderStyle FBorderStyle = pgbsNone;
    bool FCtl3D = true;
    bool FCenter = false;
    TColor FColor = clBtnFace;
    bool FFlipHorizontal = false;
    bool FFlipVertical = false;
    TColor FPicBoxColor = clBtnFace;
    bool FPicBoxParentColor = true;
    TColor FPicBoxFrameColor = clBtnShadow;
    bool FProgress5Clocks = true;
    bool FProgressClockVisible = true;
    TColor FProgressClockBkColor = clBtnFace;
    TColor FProgressClockLineColor = clBtnShadow;
    TPGWarningAction FReadWarningAction = pgwaOKCancelBox;
    bool FRearrangeAlways = false;
    bool FShowHourGlass = true;
    TStretch FStretch = sNeverKAR;
    TStretchMode FStretchMode = smFast;
    TTiling FTiling = tNone;
    double FZoomFactor = 1.0;
    double FScale = 1.0;
    bool FSelection = false;
    QRect FSelectionRect{0, 0, 1, 1};
    TColor FSelectionColor1 = clWhite;
    TColor FSelectionColor2 = clRed;

    int FHPos = 0, FVPos = 0;
    bool FRearranging = false;
    QPoint FBoxOrigin;          // box position before scrolling, in client coordinates

    // Drag state of the action modes.
    enum TDrag { dgNone, dgImage, dgCreate, dgMove, dgResize };
    TDrag FDrag = dgNone;
    int FDragHandle = -1;
    QPoint FDragOrigin;         // in control coordinates
    QPoint FDragScroll;
    QRect FDragSelection;
    QPoint FLastPointer;        // control coordinates, for auto-scroll
};

// A panel that draws only its bevel frame; its inside shows what lies behind.
class TPGPanel : public QWidget {
    Q_OBJECT
public:
    enum TBevel { bvNone, bvLowered, bvRaised };
    explicit TPGPanel(QWidget *parent = nullptr);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool on);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int w);
    TBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevel b);
    TBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevel b);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int w);
    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &caption);
    // The rectangle inside the bevels and the border.
    QRect InnerRect() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool FTransparent = true;
    int FBevelWidth = 1;
    TBevel FBevelOuter = bvRaised;
    TBevel FBevelInner = bvNone;
    int FBorderWidth = 0;
    TColor FColor = clBtnFace;
    QString FCaption;
};

// A label that draws only its text (and an optional drop shadow), so the
// picture behind it shows between the letters.
class TPGLabel : public QWidget {
    Q_OBJECT
public:
    explicit TPGLabel(const QString &caption = QString(), QWidget *parent = nullptr);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &caption);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool on);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor c);
    bool Shadow() const { return FShadow; }
    void SetShadow(bool on);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor c);
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int px);
    Qt::Alignment Alignment() const { return FAlignment; }
    void SetAlignment(Qt::Alignment a);
    TColor Color() const { return FColor; }
    void SetColor(TColor c);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString FCaption;
    bool FTransparent = true;
    TColor FFontColor = clWindowText;
    bool FShadow = false;
    TColor FShadowColor = clBtnShadow;
    int FShadowOffset = 2;
    Qt::Alignment FAlignment = Qt::AlignLeft | Qt::AlignTop;
    TColor FColor = clBtnFace;
};
