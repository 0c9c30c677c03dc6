#pragma once
// TMMLEDLABEL: a short text shown as a row of dot-matrix LED characters (lit
// dots in LEDColor, unlit ones dim, on a dark background inside a bevel), as
// the recording page's time display. It can also scroll its text through its
// cells.
//
// The glyphs come from one of two font bitmaps (72 cells, codes 32 to 103).
// The bitmap is recoloured once whenever a colour, DrawInactive or the font
// changes; a paint then only copies one block per cell, without smoothing, so
// the dots stay crisp when the desktop scales the window.
//
// The control's size follows its cells: with AutoSize it has as many cells as
// the caption has characters, otherwise as many whole cells as fit its width.
#include "platform/Colors.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include <QMenu>

enum TMMLEDFontSize { fs11x13, fs16x20 };

// The frame of the audio library's controls: from the outside in, an optional
// 1-pixel window frame, the outer bevel, a border, the inner bevel and the
// border space. Every setter tells the owner through OnChange.
class TMMBevel {
public:
    // Nested, as other controls of the program have borders and bevels of their own.
    enum TBevelCut { bvNone, bvLowered, bvRaised };
    enum TBorderStyle { bsNone, bsSingle };

    TMMBevel() = default;
    TMMBevel(const TMMBevel &) = delete;
    TMMBevel &operator=(const TMMBevel &) = delete;

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut v) { Set(FBevelOuter, v); }
    int BevelOuterWidth() const { return FBevelOuterWidth; }
    void SetBevelOuterWidth(int v) { Set(FBevelOuterWidth, qMax(v, 0)); }
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut v) { Set(FBevelInner, v); }
    int BevelInnerWidth() const { return FBevelInnerWidth; }
    void SetBevelInnerWidth(int v) { Set(FBevelInnerWidth, qMax(v, 0)); }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v) { Set(FBorderStyle, v); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v) { Set(FBorderWidth, qMax(v, 0)); }
    int BorderSpace() const { return FBorderSpace; }
    void SetBorderSpace(int v) { Set(FBorderSpace, qMax(v, 0)); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v) { Set(FBorderColor, v); }
    TColor BorderSpaceColor() const { return FBorderSpaceColor; }
    void SetBorderSpaceColor(TColor v) { Set(FBorderSpaceColor, v); }
    TColor OuterLightColor() const { return FOuterLightColor; }
    void SetOuterLightColor(TColor v) { Set(FOuterLightColor, v); }
    TColor OuterShadowColor() const { return FOuterShadowColor; }
    void SetOuterShadowColor(TColor v) { Set(FOuterShadowColor, v); }
    TColor InnerLightColor() const { return FInnerLightColor; }
    void SetInnerLightColor(TColor v) { Set(FInnerLightColor, v); }
    TColor InnerShadowColor() const { return FInnerShadowColor; }
    void SetInnerShadowColor(TColor v) { Set(FInnerShadowColor, v); }

    // Total width of the frame on each side.
    int BevelWidth() const;
    // Paints the frame inside Rect and leaves Rect as the inside.
    void Paint(class QPainter &P, QRect &Rect) const;

    std::function<void()> OnChange;

private:
    template <class T> void Set(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange();
    }
    TBevelCut FBevelOuter = bvLowered;
    int FBevelOuterWidth = 1;
    TBevelCut FBevelInner = bvNone;
    int FBevelInnerWidth = 1;
    TBorderStyle FBorderStyle = bsNone;
    int FBorderWidth = 0;
    int FBorderSpace = 0;
    TColor FBorderColor = clBtnFace;
    TColor FBorderSpaceColor = clBlack;
    TColor FOuterLightColor = clBtnHighlight;
    TColor FOuterShadowColor = clBtnShadow;
    TColor FInnerLightColor = clBtnHighlight;
    TColor FInnerShadowColor = clBtnShadow;
};

// A windowless control of the audio library: a bevel frame around an inside
// filled with Color.
class TMMGraphicControl : public QWidget {
    Q_OBJECT
public:
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

    explicit TMMGraphicControl(QWidget *parent = nullptr);

    TMMBevel *Bevel() { return &FBevel; }
    const TMMBevel *Bevel() const { return &FBevel; }

    // While ParentColor is set, the colour follows the parent's "Color" property.
    TColor Color() const;
    virtual void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    bool ShowHint() const;
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    QMenu *PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu *Menu) { FPopupMenu = Menu; }

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    // The bevel changed: repaint (descendants re-lay themselves out).
    virtual void BevelChanged() { update(); }
    virtual void ColorChanged() { update(); }
    // Frame and background; Paint of descendants goes on from here.
    void PaintFrame(QPainter &P);

    bool event(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

    TColor FColor = clBtnFace;

private:
    TMMBevel FBevel;
    bool FParentColor = false;
    TAlign FAlign = alNone;
    bool FShowHint = false;
    bool FParentShowHint = true;
    QPointer<QMenu> FPopupMenu;
    bool FPressed = false;
};

class TMMLEDLABEL : public TMMGraphicControl {
    Q_OBJECT
public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };

    explicit TMMLEDLABEL(QWidget *parent = nullptr);
    ~TMMLEDLABEL() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString &Value);
    void SetColor(TColor Value) override;
    TColor LEDColor() const { return FLEDColor; }
    void SetLEDColor(TColor Value);
    TColor InactiveColor() const { return FInactiveColor; }
    void SetInactiveColor(TColor Value);
    bool DrawInactive() const { return FDrawInactive; }
    void SetDrawInactive(bool Value);
    TMMLEDFontSize FontSize() const { return FFontSize; }
    void SetFontSize(TMMLEDFontSize Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    int NumChars() const { return FNumChars; }
    void SetNumChars(int Value);
    int LEDSpace() const { return FLEDSpace; }
    void SetLEDSpace(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);
    int ScrollSpeed() const { return FScrollSpeed; }
    void SetScrollSpeed(int Value);
    int StartStep() const { return FStartStep; }
    void SetStartStep(int Value);
    int CurrentStep() const { return FCurrentStep; }
    void SetCurrentStep(int Value);

    // The requested bounds go through CalcSize before they are applied.
    void SetBounds(int Left, int Top, int Width, int Height);
    // After being read from a stored form.
    void Loaded();

    // Width of one glyph cell of the font in use, and the distance between cells.
    int CharWidth() const { return FCharWidth; }
    int CharPitch() const { return FCharWidth + FLEDSpace - 1; }
    // The NumChars characters the cells show, after alignment and scrolling.
    QString VisibleText() const;
    // Whether the scroll timer runs.
    bool Scrolling() const { return FScrollTimer.isActive(); }
    // How many times the font bitmap was recoloured.
    int Recolors() const { return FRecolors; }

    QSize sizeHint() const override;

signals:
    void OnBegin();
    void OnStep();
    void OnEnd();

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void BevelChanged() override { AdjustBounds(); }
    void ColorChanged() override;

private:
    // Width and height that fit the cells, from a proposed size; sets NumChars.
    QSize CalcSize(int W, int H);
    void AdjustBounds();
    void LoadFont();
    void RecolorFont();
    void PaintChars(QPainter &P);
    QRect CharsRect() const;
    void StartScroll();
    void StopScroll();
    void ScrollTick();

    QString FCaption;
    TColor FLEDColor = clLime;
    TColor FInactiveColor = clGreen;
    bool FDrawInactive = true;
    TMMLEDFontSize FFontSize = fs16x20;
    bool FAutoSize = true;
    int FNumChars = 11;
    int FLEDSpace = 1;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoScroll = false;
    int FScrollSpeed = 100;
    int FStartStep = 0;
    int FCurrentStep = 0;

    QImage FFontSource;   // the bitmap as loaded (three colours)
    QPixmap FFont;        // recoloured, at the device pixel ratio
    int FCharWidth = 11;
    // What FFont was made for; a change of any rebuilds it.
    QRgb FFontColor = 0, FFontLED = 0, FFontInactive = 0; // opaque when made, so 0 is never current
    bool FFontDrawInactive = false;
    qreal FFontRatio = 0;
    int FRecolors = 0;
    QTimer FScrollTimer;
    bool FAdjusting = false;
};
