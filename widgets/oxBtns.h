#pragma once
// ToxButton: the program's owner-drawn push button. It draws its own face (one
// of nine frame styles, a caption with one of seven text effects, an optional
// picture with a drop shadow, and a solid, clear, picture or gradient
// background) and acts as a command, toggle, auto-repeat or menu button.
//
// One widget is both the keyboard-owning button and its painted face. A button
// with a clear background paints nothing of its own background: Qt paints the
// parent first and the button's caption lands straight on it, so the parent's
// picture shows around and between the letters. It stays a normal child widget
// with its real size; focus, tab order, Default, Cancel and the accelerator
// work unchanged in every background style.
#include "platform/Colors.h"

#include <QAbstractButton>
#include <QFlags>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>

#include <QMenu>

enum ToxButtonStyle {
    bsAuto, bsWin31, bsWin95, bsInset, bsStandard, bsSpeed, bsWin97, bsBorderless, bsShaped
};

enum ToxFont3D { fsNone, fsNormal, fsRaised, fsInset, fsRidged, fsGrooved, fsShadow };

enum ToxFocusStyle { fsDefault = 1, fsText = 2, fsOutline = 4, fsBoldFont = 8 };
Q_DECLARE_FLAGS(ToxFocusStyles, ToxFocusStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(ToxFocusStyles)

enum ToxButtonType { oxbCommand, oxbToggle, oxbRepeat, oxbMenu };

enum ToxBackgroundStyle {
    oxbSolid, oxbClear, oxbPictureClip, oxbPictureStretch, oxbPicturePattern, oxbGradient
};

enum ToxButtonOption { oxbCacheImages = 1, oxbUsePalette = 2, oxbSmallIcons = 4 };
Q_DECLARE_FLAGS(ToxButtonOptions, ToxButtonOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(ToxButtonOptions)

enum TButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose };

// Results a button hands to its dialog (QDialog::exec returns them).
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
             mrYes = 6, mrNo = 7 };

// A bitmap (drawn without its transparent colour) or an icon (drawn through its
// mask). Changing it through its own methods tells the owning button, which
// then repaints with the new picture.
class ToxPicture {
public:
    ToxPicture() = default;
    ToxPicture(const ToxPicture &) = delete;
    ToxPicture &operator=(const ToxPicture &) = delete;

    bool Empty() const { return FBitmap.isNull() && FIcon.isNull(); }
    bool IsIcon() const { return !FIcon.isNull(); }
    // Natural size: the bitmap's; an icon's is 32 by 32 unless it has only other sizes
    // (then its first).
    int Width() const { return Size().width(); }
    int Height() const { return Size().height(); }
    QSize Size() const;

    // The transparent colour defaults to the bitmap's bottom-left pixel.
    void SetBitmap(const QImage &bitmap);
    void SetIcon(const QIcon &icon);
    void Clear();
    void Assign(const ToxPicture &source);

    const QImage &Bitmap() const { return FBitmap; }
    const QIcon &Icon() const { return FIcon; }
    TColor TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(TColor color);

    // The picture at the given size with its transparent parts left out (bitmaps
    // always at their own size). The bitmap result is kept until the next change.
    QImage Masked(QSize size, qreal dpr) const;
    // As stored: a bitmap with its transparent colour drawn like any other.
    QImage Plain(QSize size, qreal dpr) const;

    std::function<void()> OnChange;

private:
    void Changed();
    QImage FBitmap;
    QIcon FIcon;
    TColor FTransparentColor = clNone;
    mutable QImage FMaskedBitmap;
};

class ToxBackground {
public:
    ToxBackground() = default;
    ToxBackground(const ToxBackground &) = delete;
    ToxBackground &operator=(const ToxBackground &) = delete;

    ToxBackgroundStyle Style() const { return FStyle; }
    void SetStyle(ToxBackgroundStyle style);
    ToxPicture *Picture() { return &FPicture; }
    const ToxPicture *Picture() const { return &FPicture; }
    void SetPicture(const ToxPicture &picture) { FPicture.Assign(picture); }
    // Start colour of the gradient; the button's colour is its end.
    TColor Gradient() const { return FGradient; }
    void SetGradient(TColor color);
    bool DitherDown() const { return FDitherDown; }
    void SetDitherDown(bool on);

    std::function<void()> OnChange;

private:
    friend class ToxButton;
    void Changed() { if (OnChange) OnChange(); }
    ToxBackgroundStyle FStyle = oxbSolid;
    ToxPicture FPicture;
    TColor FGradient = clWhite;
    bool FDitherDown = true;
};

// Caption <-> lines: every "||" in a caption is a line break.
QStringList CaptionToLines(const QString &caption);
QString LinesToCaption(const QStringList &lines);

class ToxButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ToxButton(QWidget *parent = nullptr);
    ~ToxButton() override;

    // Look.
    ToxButtonStyle Style() const { return FStyle; }
    void SetStyle(ToxButtonStyle style);
    ToxFont3D Font3D() const { return FFont3D; }
    void SetFont3D(ToxFont3D font3D);
    ToxFocusStyles FocusStyle() const { return FFocusStyle; }
    void SetFocusStyle(ToxFocusStyles focusStyle);
    ToxBackground *Background() { return &FBackground; }
    const ToxBackground *Background() const { return &FBackground; }
    ToxButtonOptions Options() const { return FOptions; }
    void SetOptions(ToxButtonOptions options);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption);
    QStringList Lines() const;
    void SetLines(const QStringList &lines);
    void SetLine(int index, const QString &line);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool on);
    int TextAngle() const { return FTextAngle; }
    void SetTextAngle(int degrees);
    int TextX() const { return FTextX; }
    void SetTextX(int x);
    int TextY() const { return FTextY; }
    void SetTextY(int y);

    ToxPicture *PictureUp() { return &FPictureUp; }
    ToxPicture *PictureDown() { return &FPictureDown; }
    ToxPicture *PictureDisabled() { return &FPictureDisabled; }
    void SetPictureUp(const ToxPicture &picture) { FPictureUp.Assign(picture); }
    void SetPictureDown(const ToxPicture &picture) { FPictureDown.Assign(picture); }
    void SetPictureDisabled(const ToxPicture &picture) { FPictureDisabled.Assign(picture); }
    int PictureX() const { return FPictureX; }
    void SetPictureX(int x);
    int PictureY() const { return FPictureY; }
    void SetPictureY(int y);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor color);

    // Button colour; while ParentColor is set it follows the parent's colour:
    // its "Color" (dynamic) property, else its background colour when that
    // differs from the application's, else clBtnFace.
    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool on);
    // With ParentFont False (the default) the button keeps its own font whatever
    // its container's font does. Setting a font turns ParentFont off; the
    // properties that font leaves open come from the application's default
    // font, never from the container. (Hides QWidget::setFont.)
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool on);
    void setFont(const QFont &font);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color);

    // Behaviour.
    ToxButtonType ButtonType() const { return FButtonType; }
    void SetButtonType(ToxButtonType type);
    bool Value() const { return FValue; }
    void SetValue(bool value);
    int Group() const { return FGroup; }
    void SetGroup(int group);
    bool GroupAllowNoSel() const { return FGroupAllowNoSel; }
    void SetGroupAllowNoSel(bool allow);
    TButtonKind Kind() const { return FKind; }
    void SetKind(TButtonKind kind);
    int Delay() const { return FDelay; }
    void SetDelay(int ms) { FDelay = ms; }
    int InitDelay() const { return FInitDelay; }
    void SetInitDelay(int ms) { FInitDelay = ms; }
    bool Default() const { return FDefault; }
    void SetDefault(bool on);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool on) { FCancel = on; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }
    QMenu *PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu *menu) { FPopupMenu = menu; }

    // The click of this program: hands ModalResult to the dialog, then OnClick
    // (and QAbstractButton::clicked). bkHelp and bkClose act on their own.
    // QAbstractButton::click and animateClick end up here too.
    virtual void Click();
    void click() { Click(); }

    // Face state, for the window's key handling and for tests.
    bool IsHot() const { return FHot; }
    bool IsPressed() const { return FPressed; }
    bool IsDown() const { return FDown; }
    // Focused, or the Default button while focus is on a control that is not a button.
    bool IsActive() const;
    bool CanFocusNow() const;
    // Enter on an active button, Escape on a Cancel button, or the accelerator.
    void DialogKey();
    // Where the caption and the picture stand in the current state.
    QRect CaptionRect() const;
    QRect PictureRect() const;
    // How many times a face was painted from scratch (not copied from the cache).
    int FacePaints() const { return FFacePaints; }

    QSize sizeHint() const override;

signals:
    void OnClick();
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void showEvent(QShowEvent *e) override;
    bool hitButton(const QPoint &pos) const override;
    void checkStateSet() override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    // Everything of the button's state that changes how the face looks.
    struct TFaceState {
        bool Enabled = true, Down = false, Value = false, Hot = false, Pressed = false,
             Focused = false, Active = false;
        bool operator==(const TFaceState &) const = default;
    };
    struct TLayout {
        QRect Caption, Picture;
        const ToxPicture *Pic = nullptr;
        QFont Font;
    };

    TFaceState CurrentState() const;
    ToxButtonStyle EffectiveStyle() const;
    bool IsHotStyle() const;
    bool IsClear() const { return FBackground.Style() == oxbClear; }
    TLayout Layout(const TFaceState &s) const;
    static int CacheSlot(const TFaceState &s, ToxButtonStyle style);
    void PaintFace(QPainter &p, const TFaceState &s);
    void PaintBackground(QPainter &p, const QRect &r);
    void PaintDither(QPainter &p, const QRect &r);
    void PaintCaption(QPainter &p, const TFaceState &s, const TLayout &l);
    void PaintFrame(QPainter &p, const TFaceState &s);
    void PaintPicture(QPainter &p, const TFaceState &s, const TLayout &l, bool under);
    void PaintFocus(QPainter &p, const TFaceState &s, const TLayout &l);

    void LookChanged();
    void BackgroundStyleChanged();
    void SetHot(bool hot);
    void SetVisualDown(bool down);
    void SyncChecked();
    void UpdateActive();
    void NotifyGroup();
    void ButtonPressed(int group, ToxButton *sender);
    void DropMenu();
    void RepeatTimer();
    void ClickActions(bool emitClicked);
    void AttachDialogKeys();
    void KeepOwnFont();
    void WatchParent();
    void ParentColorChanged();

    ToxButtonStyle FStyle = bsAuto;
    ToxFont3D FFont3D = fsNormal;
    ToxFocusStyles FFocusStyle = ToxFocusStyles(fsDefault) | fsText;
    ToxBackground FBackground;
    ToxButtonOptions FOptions = oxbCacheImages;
    bool FMultiLine = false;
    int FTextAngle = 0;
    int FTextX = -5, FTextY = -5;
    ToxPicture FPictureUp, FPictureDown, FPictureDisabled;
    int FPictureX = 1, FPictureY = 1;
    TColor FShadowColor = clGray;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    bool FParentFont = false;
    bool FKeepingFont = false;
    QPointer<QWidget> FWatchedParent;
    TColor FFontColor = clBtnText;

    ToxButtonType FButtonType = oxbCommand;
    bool FValue = false;
    int FGroup = 0;
    bool FGroupAllowNoSel = false;
    TButtonKind FKind = bkCustom;
    int FDelay = 200, FInitDelay = 400;
    bool FDefault = false, FCancel = false;
    int FModalResult = mrNone;
    QPointer<QMenu> FPopupMenu;

    // Face state.
    bool FPressed = false;      // a left-button press or Space is being tracked
    bool FSpacePressed = false; // the press came from Space
    bool FDown = false;         // visual state down
    bool FHot = false;
    bool FActive = false;
    QTimer FRepeat;
    int FRepeatClicks = 0;
    bool FBaseClick = false;

    // Image cache: one face per state slot, valid while its state and look match.
    std::array<QPixmap, 6> FCache;
    std::array<TFaceState, 6> FCacheState;
    std::array<bool, 6> FCacheValid{};
    QString FCacheCaption;
    int FFacePaints = 0;

    // The caption's measured size, kept while the text, font and width that
    // gave it stay the same: measuring costs a text layout on every paint.
    struct TMeasure {
        QString Caption;
        QFont Font;
        int Mode = -1;     // 0 single line, 1 word-wrapped, 2 turned
        int Width = 0;
        QSize Size;
    };
    mutable TMeasure FMeasure;
    QSize MeasureCaption(const QFont &font, const QString &caption, int mode, int width) const;
};

// The looks of a command button made by CreateCommandButton.
enum class TCommandLook {
    Plain,  // the button's own defaults
    Dialog, // standard frame, inset caption, solid face, bold while focused,
            // "MS Sans Serif" at 11 pixels
};

// A command button of the program's dialogs, placed at geometry, its caption
// fitted to it (ShrinkCaptionToFit).
ToxButton *CreateCommandButton(QWidget *parent, const QRect &geometry, const QString &caption, TCommandLook look);

// The dialogs keep their fixed geometry in every language: a caption a little
// wider than its button (a translation longer than the English) is drawn in a
// smaller font, down to three quarters of the button's size, rather than cut off.
// A caption that fits, or that would not fit even then, keeps the font.
void ShrinkCaptionToFit(ToxButton *button);
