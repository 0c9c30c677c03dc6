#pragma once
// ToxForm: the painted caption bar and border of the program's dialogs.
//
// A ToxForm is created with its form (a top-level widget, normally a QDialog)
// as owner. It makes the form frameless, so the window manager draws nothing,
// and draws the caption bar, its buttons and the border itself, inside the
// window:
//
//   +--------------------------------------------------------+
//   | border                                                  |
//   |  caption bar (cached bitmap) [caption buttons] [close]  |
//   |  +--------------------------------------------------+  |
//   |  | Client(): the form's controls go here            |  |
//   |  +--------------------------------------------------+  |
//   +--------------------------------------------------------+
//
// The form's controls belong on Client(), at client coordinates. Controls that
// already stand on the form when the ToxForm is created are moved onto the
// client with their positions kept. SetClientSize() sizes the window so that
// its client area has the given size (the form's "client width and height").
// Forms that draw on themselves should draw on Client() instead: the form's
// own surface is the border and caption.
//
// Dragging the caption moves the window through the window system's own move
// (QWindow::startSystemMove), or by moving it directly where the window system
// offers no such move. The frame of a sizeable form resizes it the same way.
//
// Help contexts: every control may carry one (SetHelpContext). The caption's
// "?" button enters QWhatsThis mode; the next click on a control, F1, or any
// other help request for a control of the form walks from the control up its
// parents to the first non-zero context and shows that topic: as a pop-up when
// the form has a "?" button, in the help viewer otherwise.
#include "platform/Colors.h"
#include "platform/Exceptions.h"

#include <QAbstractButton>
#include <QFlags>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class QPainter;

enum T3DEffect { ox3Normal, ox3Flat, ox3Raised, ox3Inset, ox3Ridged, ox3Grooved, ox3Shadow, ox3None, ox3Disabled };

enum ToxFormOption { oxfActiveGradient = 1, oxfInactiveGradient = 2, oxfMinMax = 4 };
Q_DECLARE_FLAGS(ToxFormOptions, ToxFormOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(ToxFormOptions)

enum ToxCaptionButton { oxbRollUp = 1, oxbHelp = 2, oxbStart = 4, oxbOnTop = 8, oxbCustom = 16 };
Q_DECLARE_FLAGS(ToxCaptionButtons, ToxCaptionButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(ToxCaptionButtons)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Raised when a ToxForm is given an owner that is not a form.
class ENotOwnerError : public Exception {
public:
    using Exception::Exception;
};

// Raised when a form would get a second ToxForm.
class EDuplicationError : public Exception {
public:
    using Exception::Exception;
};

// The help context of a control (0: none). Stored as the widget's
// "HelpContext" property, which every part of the program reads.
int HelpContextOf(const QObject *control);
void SetHelpContext(QObject *control, int context);

// Draws n nested one-pixel rectangles, each one further in: `topLeft` on the
// top and left edges, `bottomRight` on the bottom and right. The rectangle is
// left shrunk by n.
void Frame3D(QPainter &p, QRect &r, const QColor &topLeft, const QColor &bottomRight, int n);

class ToxForm;

// A small push button standing in the caption bar: a glyph (with an optional
// down glyph) or the first character of its text.
class TNCButton : public QAbstractButton {
    Q_OBJECT
public:
    enum TKind { nkOnTop, nkRollUp, nkHelp, nkStart, nkCustom, nkClose };
    TNCButton(ToxForm *owner, QWidget *form, TKind kind, int customIndex = -1);

    TKind Kind() const { return FKind; }
    int CustomIndex() const { return FCustomIndex; }
    // Visible in the caption (CaptionButtons and the custom buttons decide).
    bool Shown() const { return FShown; }
    void SetShown(bool shown);
    // A gap of 2 pixels follows this button, on its left.
    bool Gap() const { return FGap; }
    void SetGap(bool gap) { FGap = gap; }
    QImage Glyph() const { return FGlyph; }
    void SetGlyph(const QImage &glyph, const QImage &glyphDown = QImage());
    // A toggle button that can also be released again (the on-top button).
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool on);
    // Draws the face, in its current state, at r.
    void PaintFace(QPainter &p, const QRect &r) const;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *) override;

private:
    ToxForm *FOwner;
    TKind FKind;
    int FCustomIndex;
    bool FShown = false;
    bool FGap = false;
    bool FAllowAllUp = false;
    QImage FGlyph, FGlyphDown;
};

class ToxForm : public QObject {
    Q_OBJECT
public:
    // `owner` must be a form (a top-level widget) that has no ToxForm yet.
    explicit ToxForm(QWidget *owner);
    ~ToxForm() override;

    QWidget *Form() const { return FForm; }
    QWidget *Client() const { return FClient; }
    // Makes the form a fixed-size one whose client area is w by h; the window
    // keeps that client size when the metrics change.
    void SetClientSize(int w, int h);
    QSize ClientSize() const;

    // Look.
    T3DEffect ActiveCaption() const { return FEffects[0]; }
    void SetActiveCaption(T3DEffect e) { SetEffect(0, e); }
    T3DEffect InactiveCaption() const { return FEffects[1]; }
    void SetInactiveCaption(T3DEffect e) { SetEffect(1, e); }
    T3DEffect ActiveText() const { return FEffects[2]; }
    void SetActiveText(T3DEffect e) { SetEffect(2, e); }
    T3DEffect InactiveText() const { return FEffects[3]; }
    void SetInactiveText(T3DEffect e) { SetEffect(3, e); }
    T3DEffect ActiveBorder() const { return FEffects[4]; }
    void SetActiveBorder(T3DEffect e) { SetEffect(4, e); }
    T3DEffect InactiveBorder() const { return FEffects[5]; }
    void SetInactiveBorder(T3DEffect e) { SetEffect(5, e); }
    TColor ActiveGradient() const { return FActiveGradient; }
    void SetActiveGradient(TColor c);
    TColor InactiveGradient() const { return FInactiveGradient; }
    void SetInactiveGradient(TColor c);
    ToxFormOptions Options() const { return FOptions; }
    void SetOptions(ToxFormOptions o);
    int ItalicWords() const { return FItalicWords; }
    void SetItalicWords(int n);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment a);

    // Caption buttons.
    ToxCaptionButtons CaptionButtons() const { return FCaptionButtons; }
    void SetCaptionButtons(ToxCaptionButtons b);
    QStringList CustomButtons() const { return FCustomButtons; }
    void SetCustomButtons(const QStringList &captions);
    int CustomButtonIndex() const { return FCustomButtonIndex; }
    void SetCustomButtonIndex(int i) { FCustomButtonIndex = i; }

    // Size limits (applied with oxfMinMax).
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int v) { FMinWidth = v; ApplyMinMax(); }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int v) { FMinHeight = v; ApplyMinMax(); }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int v) { FMaxWidth = v; ApplyMinMax(); }
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int v) { FMaxHeight = v; ApplyMinMax(); }

    bool RollUp() const { return FRollUp; }
    void SetRollUp(bool on);
    bool OnTop() const { return FOnTop; }
    void SetOnTop(bool on);
    bool TrayEnabled() const { return FTrayEnabled; }
    void SetTrayEnabled(bool on) { FTrayEnabled = on; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool on);

    // Events.
    std::function<void(TNCButton *button)> OnButtonClick;
    // A help request for `control` with its own context; set handled to stop there.
    std::function<void(QWidget *control, int helpContext, bool &handled)> OnHelpSelect;
    std::function<void()> OnRollUp;
    // Shows a help topic: as a pop-up at `globalPos`, or in the viewer. Tests
    // replace it to see the requests; the default goes to the help viewer.
    std::function<void(int topic, bool popup, const QPoint &globalPos)> ShowHelp;

    // A help request for a control of the form (F1, a click in help mode).
    // True when a topic was shown.
    bool HelpRequest(QWidget *control, const QPoint &globalPos);
    // Enters help mode, as the "?" button does.
    void EnterHelpMode();

    // Geometry in form coordinates.
    bool Active() const;
    int FrameWidth() const { return FFrameX; }
    int FrameHeight() const { return FFrameY; }
    int CaptionHeight() const { return FCaptionHeight; }
    int ButtonWidth() const { return FButtonWidth; }
    QSize IconSize() const { return QSize(FButtonWidth - 2, FCaptionHeight - 2); }
    QFont CaptionFont() const { return FCaptionFont; }
    int PlatformButtonsWidth() const;
    QRect CaptionRect() const;
    QRect PlatformButtonsRect() const;
    QRect ClientRect() const;
    // The caption's text area inside the caption bar, in form coordinates.
    QRect TextRect() const;

    // The state's caption colour (end of the gradient) and text colour.
    QColor CaptionColor(bool active) const;
    QColor TextColor(bool active) const;

    // A caption button, or null while it has never been shown.
    TNCButton *CaptionButton(ToxCaptionButton which) const;
    // The close button in the platform buttons area; null when the form asked
    // for none.
    TNCButton *CloseButton() const
    {
        const_cast<ToxForm *>(this)->MakeButtonsLive();
        return FClose;
    }
    const std::vector<TNCButton *> &Buttons() const
    {
        const_cast<ToxForm *>(this)->MakeButtonsLive();
        return FButtons;
    }

    // The cached caption bitmap of a state, made for the current caption bar.
    const QPixmap &CaptionBitmap(bool active);
    // How many caption bitmaps this form drew from scratch (not found among
    // those other forms with the same caption drew).
    int CaptionBuilds() const { return FCaptionBuilds; }
    // Draws a caption bitmap of the given state and size from scratch.
    QPixmap DrawCaptionBitmap(bool active, const QSize &size, qreal dpr) const;
    // Draws the caption (background, icon, text, caption buttons) of the given
    // state and size straight onto a painter, its top-left corner at the origin.
    void PaintCaption(QPainter &p, const QSize &size, bool active) const;
    // Paints border, caption and platform buttons area of the form.
    void PaintNonClient(QPainter &p);

    // Re-reads the metrics from the platform style and lays out again.
    void RecomputeMetrics();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static QWidget *CheckOwner(QWidget *owner);
    friend class TNCButton;
    bool IsToolWindow() const;
    bool IsSizeable() const;
    bool HasMinMax() const;
    bool HasCloseButton() const;
    bool HasIcon() const;
    void SetEffect(int index, T3DEffect e);
    // Everything that goes into a caption bitmap, as a key for the shared ones.
    QString CaptionKey(bool active, const QSize &size, qreal dpr) const;
    void LookChanged();
    void LayoutButtons();
    void LayoutClient();
    // Frame widths for the form's kind, the window's size for a fixed client
    // size, layout and repaint.
    void ApplyFrame();
    void ApplyMinMax();
    void CreateButtons();
    void RebuildCustomButtons();
    void MakeButtonsLive();
    void ButtonClicked(TNCButton *b);
    void CloseClicked();
    void PaintBorder(QPainter &p, T3DEffect effect) const;
    void PaintCaptionFrame(QPainter &p, T3DEffect effect) const;
    void PaintShadowOutline(QPainter &p, QRect &r) const;
    void PaintCaptionText(QPainter &p, const QRect &area, bool active) const;
    bool FormEvent(QEvent *event);
    // The frame edges of a sizeable form under a point (none for fixed forms).
    Qt::Edges EdgesAt(const QPoint &pos) const;
    void ResizeTo(const QPoint &globalPos);
    void UpdateResizeCursor(const QPoint &pos);
    bool HelpEvent(QWidget *w, QEvent *event);

    QWidget *FForm;
    QWidget *FClient = nullptr;
    // What the form asked of the window system before it was made frameless.
    Qt::WindowType FWindowType = Qt::Dialog;
    bool FHasClose = false, FHasMinMax = false, FHasContextHelp = false;
    QSize FClientSize;   // set by SetClientSize; empty: follow the window

    std::array<T3DEffect, 6> FEffects{ox3Normal, ox3Normal, ox3Normal, ox3Normal, ox3Normal, ox3Normal};
    TColor FActiveGradient = clBlack;
    TColor FInactiveGradient = clBlack;
    ToxFormOptions FOptions = ToxFormOptions(oxfActiveGradient) | oxfInactiveGradient;
    int FItalicWords = 1;
    TAlignment FAlignment = taLeftJustify;
    ToxCaptionButtons FCaptionButtons = ToxCaptionButtons(oxbRollUp) | oxbHelp | oxbStart | oxbOnTop | oxbCustom;
    QStringList FCustomButtons;
    int FCustomButtonIndex = -1;
    int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 400, FMaxHeight = 300;
    bool FRollUp = false, FOnTop = false, FTrayEnabled = false, FEnabled = true;
    QSize FUnrolledSize;

    // Metrics.
    int FFrameX = 3, FFrameY = 3, FCaptionHeight = 18, FButtonWidth = 18;
    int FSizingFrame = 4;
    QFont FCaptionFont;

    // Caption bitmaps: [0] inactive, [1] active, each with the rectangle it was made for.
    std::array<QPixmap, 2> FCache;
    std::array<QRect, 2> FCacheRect;
    int FCaptionBuilds = 0;

    struct TSlot {
        TNCButton::TKind Kind;
        bool Gap;
        int CustomIndex;
        TNCButton *Button;   // made when first shown
    };
    std::vector<TSlot> FSlots;           // creation order: on-top, roll-up, help, start, custom
    std::vector<TNCButton *> FButtons;   // the buttons made so far, in the same order
    bool FButtonsLive = false;           // set when the form is first polished
    TNCButton *FClose = nullptr;

    // Caption drag.
    bool FDragging = false;
    QPoint FDragOffset;   // pointer position relative to the window's top-left
    // Frame drag of a sizeable form.
    Qt::Edges FResizing;
    QPoint FResizeStart;
    QRect FResizeGeometry;
    bool FResizeCursor = false;
};
