#pragma once
// Speech-balloon hints: a rounded (or square) body holding the hint text, a
// triangular tail whose tip points at the mouse pointer, and a drop shadow
// over whatever lies beneath. One TBalloonHint, placed on the main window,
// makes every hint of the program (main window and dialogs alike) a balloon
// while it is Active; the program's hint machinery (platform/HintWindow.h)
// still decides when a hint comes and goes and what it says.
#include "platform/Colors.h"
#include "platform/HintWindow.h"

#include <QFlags>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPolygon>
#include <QRegion>

// Bit 1 set: below the pointer; bit 0 set: to the right of it.
enum TBalloonPosition { bpAboveLeft, bpAboveRight, bpBelowLeft, bpBelowRight };
enum TBalloonShape { bsRoundRect, bsRectangle };
enum TBalloonShadowStyle { ssShaded, ssSolid };
enum THintStyle { hsDefault, hsCustom, hsSystem };
enum TBalloonBehavior { bbNoShowMouseDown = 1, bbUseRegions = 2, bbHideOnPaint = 4 };
Q_DECLARE_FLAGS(TBalloonBehaviors, TBalloonBehavior)
Q_DECLARE_OPERATORS_FOR_FLAGS(TBalloonBehaviors)

// How a balloon looks. Changes apply to the next hint shown.
class TBalloonBase : public QObject {
    Q_OBJECT
public:
    explicit TBalloonBase(QObject *parent = nullptr);

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor color) { FBorderColor = color; }
    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    QFont Font() const { return FFont; }
    void SetFont(const QFont &font) { FFont = font; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color) { FFontColor = color; }
    // Widest balloon in pixels; -n: the screen's width divided by n. A value at
    // or above the screen's width is kept as the screen's width.
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int width);
    // The widest balloon on a screen `screenWidth` pixels wide.
    int EffectiveMaxWidth(int screenWidth) const;
    TBalloonBehaviors Behavior() const { return FBehavior; }
    void SetBehavior(TBalloonBehaviors behavior) { FBehavior = behavior; }
    TBalloonPosition Position() const { return FPosition; }
    void SetPosition(TBalloonPosition position) { FPosition = position; }
    // 0 to 16 pixels; 0: no shadow.
    int ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(int depth) { FShadowDepth = qBound(0, depth, 16); }
    TBalloonShadowStyle ShadowStyle() const { return FShadowStyle; }
    void SetShadowStyle(TBalloonShadowStyle style) { FShadowStyle = style; }
    TBalloonShape Shape() const { return FShape; }
    void SetShape(TBalloonShape shape) { FShape = shape; }
    THintStyle Style() const { return FStyle; }
    void SetStyle(THintStyle style) { FStyle = style; }

private:
    TColor FBorderColor = clBlack;
    TColor FColor = clInfoBk;
    QFont FFont;
    TColor FFontColor = clWindowText;
    int FMaxWidth = -4;
    TBalloonBehaviors FBehavior = TBalloonBehaviors(bbNoShowMouseDown) | bbUseRegions | bbHideOnPaint;
    TBalloonPosition FPosition = bpAboveRight;
    int FShadowDepth = 8;
    TBalloonShadowStyle FShadowStyle = ssShaded;
    TBalloonShape FShape = bsRoundRect;
    THintStyle FStyle = hsDefault;
};

// The component: while Active, the program's hints are balloons with its
// settings. The most recently made one is the program's.
class TBalloonHint : public TBalloonBase {
    Q_OBJECT
public:
    explicit TBalloonHint(QObject *parent = nullptr);
    ~TBalloonHint() override;

    bool Active() const { return FActive; }
    void SetActive(bool active);

private:
    bool FActive = false;
};

// The settings every balloon window reads: the program's TBalloonHint, or a
// component's defaults while there is none.
const TBalloonBase &BalloonSettings();

// Geometry of a balloon, for the screen rectangle `screen` (global coordinates).
namespace Balloon {
// Widest text for the pointer at x = `px`.
int TextWidthLimit(const TBalloonBase &settings, int px, const QRect &screen);
// Window size for a text of `textSize`.
QSize WindowSize(QSize textSize, int shadow);
// Top-left of the window for the pointer at `pointer`.
QPoint Place(QPoint pointer, QSize size, TBalloonPosition position);
// The position after the flips at the screen's edges.
TBalloonPosition Flip(QPoint pointer, QSize size, TBalloonPosition position, const QRect &screen);
QRect Body(QSize window, int shadow, TBalloonPosition position);
// Tip first, then the two base points.
QPolygon Tail(QSize window, int shadow, TBalloonPosition position);
// Body and tail, unmoved by the shadow.
QRegion Outline(QSize window, int shadow, TBalloonPosition position, TBalloonShape shape);
QRect TextRect(QSize window, int shadow, TBalloonPosition position);
} // namespace Balloon

// A window that draws one balloon. It never takes the focus and lets every
// mouse event through to what lies beneath.
class TBalloonWindow : public THintWindow {
    Q_OBJECT
public:
    explicit TBalloonWindow(QWidget *parent = nullptr);
    ~TBalloonWindow() override;

    // On the screen under the pointer.
    void ActivateHint(const QPoint &pointer, const QString &hint) override;
    // On a screen given as its rectangle in global coordinates.
    void ActivateHintOn(const QPoint &pointer, const QString &hint, const QRect &screen);

    // Window size for `hint` with the pointer at `pointer`.
    QSize CalcHintSize(const QString &hint, const QPoint &pointer, const QRect &screen) const;

    TBalloonPosition CurrentPosition() const { return FPosition; }
    QString Hint() const { return FHint; }
    QColor FillColor() const { return FFill; }
    QColor BorderColor() const { return FBorder; }
    // The balloon as painted onto what lay beneath it.
    const QImage &Face() const { return FFace; }
    // The screen beneath the window when it was shown; all transparent where a
    // compositor shows the live screen through the balloon instead.
    const QImage &Beneath() const { return FBeneath; }

protected:
    void paintEvent(QPaintEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ChooseLook(QFont &font, QColor &text);
    // Translucent where a compositor blends the window over the screen; made
    // the hint of the window under `pointer`.
    void UseTranslucentWindow(bool translucent, const QPoint &pointer);
    QImage GrabBeneath(const QRect &area, QScreen *screen) const;
    void PaintFace(const QFont &font, const QColor &text);
    void Cancel();

    // The balloon's regions for one size and look, kept while the same hint
    // comes again.
    struct TShapes {
        QSize Size;
        int Shadow = -1;
        TBalloonPosition Position = bpAboveRight;
        TBalloonShape Shape = bsRoundRect;
        QRegion Outline, Inner, Shade, Cut;
    };
    const TShapes &Shapes(QSize size, int shadow, TBalloonPosition position, TBalloonShape shape);
    TShapes FShapes;

    TBalloonPosition FPosition = bpAboveRight;
    QString FHint;
    QColor FFill, FBorder;
    QImage FBeneath, FFace;
    QElapsedTimer FHiddenAt;
    bool FHooked = false;
    bool FSawMove = false;
    qint64 FLastMoveTime = -1;
    QPoint FLastMovePos;
};

// The class the program's hint machinery shows hints with while a
// TBalloonHint is Active.
class TBalloonHintWindow : public TBalloonWindow {
    Q_OBJECT
public:
    using TBalloonWindow::TBalloonWindow;
};
