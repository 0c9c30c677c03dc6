#include "widgets/oxBtns.h"

#include "platform/help.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QVariant>

// ---------------------------------------------------------------------------
// ToxPicture

QSize ToxPicture::Size() const
{
    if (!FIcon.isNull()) {
        // Icons show at the standard 32 by 32 when they have that size.
        const QList<QSize> sizes = FIcon.availableSizes();
        if (sizes.isEmpty() || sizes.contains(QSize(32, 32)))
            return QSize(32, 32);
        return sizes.first();
    }
    return FBitmap.size();
}

void ToxPicture::Changed()
{
    FMaskedBitmap = QImage();
    if (OnChange)
        OnChange();
}

void ToxPicture::SetBitmap(const QImage &bitmap)
{
    FIcon = QIcon();
    FBitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    FTransparentColor = clNone;
    Changed();
}

void ToxPicture::SetIcon(const QIcon &icon)
{
    FBitmap = QImage();
    FIcon = icon;
    FTransparentColor = clNone;
    Changed();
}

void ToxPicture::Clear()
{
    if (Empty())
        return;
    FBitmap = QImage();
    FIcon = QIcon();
    FTransparentColor = clNone;
    Changed();
}

void ToxPicture::Assign(const ToxPicture &source)
{
    if (&source == this)
        return;
    FBitmap = source.FBitmap;
    FIcon = source.FIcon;
    FTransparentColor = source.FTransparentColor;
    Changed();
}

void ToxPicture::SetTransparentColor(TColor color)
{
    if (color == FTransparentColor)
        return;
    FTransparentColor = color;
    Changed();
}

QImage ToxPicture::Masked(QSize size, qreal dpr) const
{
    if (!FIcon.isNull()) {
        QImage image = FIcon.pixmap(size, dpr).toImage();
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    if (FBitmap.isNull())
        return QImage();
    if (FMaskedBitmap.isNull()) {
        const QRgb key = FTransparentColor == clNone
                             ? FBitmap.pixel(0, FBitmap.height() - 1)
                             : ToQColor(FTransparentColor).rgb();
        QImage masked = FBitmap.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < masked.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(masked.scanLine(y));
            for (int x = 0; x < masked.width(); ++x)
                if ((row[x] | 0xFF000000u) == (key | 0xFF000000u))
                    row[x] = 0;
        }
        FMaskedBitmap = masked.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return FMaskedBitmap;
}

QImage ToxPicture::Plain(QSize size, qreal dpr) const
{
    if (!FIcon.isNull())
        return Masked(size, dpr);
    return FBitmap;
}

// ---------------------------------------------------------------------------
// ToxBackground

void ToxBackground::SetStyle(ToxBackgroundStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void ToxBackground::SetGradient(TColor color)
{
    if (color == FGradient)
        return;
    FGradient = color;
    Changed();
}

void ToxBackground::SetDitherDown(bool on)
{
    if (on == FDitherDown)
        return;
    FDitherDown = on;
    Changed();
}

// ---------------------------------------------------------------------------
// Caption lines

QStringList CaptionToLines(const QString &caption)
{
    QString text = caption.left(254);
    text.replace(QLatin1String("||"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    // A caption ending in a break has no empty last line, as with any text list.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    if (text.isEmpty())
        lines.clear();
    return lines;
}

QString LinesToCaption(const QStringList &lines)
{
    // Each line ends in a break; a break followed by more text becomes "||"
    // and the trailing one is dropped.
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1String("\n"), QLatin1String("||"));
    return text;
}

// ---------------------------------------------------------------------------
// The window's dialog keys: Enter for the active Default button, Escape for the
// Cancel button and a plain accelerator letter reach the window when the
// focused control did not take them (a list box passes Enter on, for one).

namespace {

const char *const kDialogKeysName = "oxDialogKeys";

bool IsPushButton(const QWidget *w)
{
    return qobject_cast<const ToxButton *>(w) || qobject_cast<const QPushButton *>(w);
}

class TDialogKeys : public QObject {
public:
    explicit TDialogKeys(QWidget *window) : QObject(window), FWindow(window)
    {
        setObjectName(QLatin1String(kDialogKeysName));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (watched != FWindow || e->type() != QEvent::KeyPress)
            return false;
        auto *ke = static_cast<QKeyEvent *>(e);
        const Qt::KeyboardModifiers mods = ke->modifiers() & ~Qt::KeypadModifier;
        if (mods != Qt::NoModifier)
            return false;
        const int key = ke->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        const bool escape = key == Qt::Key_Escape;
        const bool letter = !enter && !escape && !ke->text().isEmpty() && ke->text().at(0).isLetterOrNumber();
        if (!enter && !escape && !letter)
            return false;
        const QList<ToxButton *> buttons = FWindow->findChildren<ToxButton *>();
        for (ToxButton *b : buttons) {
            if (b->window() != FWindow || !b->CanFocusNow())
                continue;
            bool match = false;
            if (enter)
                match = b->IsActive();
            else if (escape)
                match = b->Cancel();
            else {
                const QKeySequence mnemonic = QKeySequence::mnemonic(b->text());
                match = !mnemonic.isEmpty() && mnemonic[0].key() == Qt::Key(key);
            }
            if (match) {
                b->DialogKey();
                return true;
            }
        }
        // A dialog closes on Escape only through its Cancel button: with none
        // that can act, Escape does nothing rather than reaching the dialog's
        // own reject.
        return escape && qobject_cast<QDialog *>(FWindow);
    }

private:
    QWidget *FWindow;
};

} // namespace

// ---------------------------------------------------------------------------
// ToxButton: properties

ToxButton::ToxButton(QWidget *parent) : QAbstractButton(parent)
{
    // Like the program's original buttons only a clear button takes the focus
    // on a click, and it does so itself, after its hit test.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setAttribute(Qt::WA_Hover, false);
    resize(75, 25);

    auto changed = [this] { LookChanged(); };
    FPictureUp.OnChange = changed;
    FPictureDown.OnChange = changed;
    FPictureDisabled.OnChange = changed;
    FBackground.FPicture.OnChange = changed;
    FBackground.OnChange = [this] { BackgroundStyleChanged(); };

    FRepeat.setSingleShot(false);
    connect(&FRepeat, &QTimer::timeout, this, &ToxButton::RepeatTimer);
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateActive(); });
    // QAbstractButton's own click paths (click() through a base pointer,
    // animateClick, an assistive tool's press) emit released and then clicked;
    // the button's own paths emit clicked alone. Those clicks get the same
    // ModalResult and OnClick as any other.
    connect(this, &QAbstractButton::released, this, [this] { FBaseClick = true; });
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (FBaseClick) {
            FBaseClick = false;
            ClickActions(false);
        }
    });
    AttachDialogKeys();
    setFont(QApplication::font(this)); // not the container's: ParentFont is off
    WatchParent();
}

ToxButton::~ToxButton()
{
    FPictureUp.OnChange = nullptr;
    FPictureDown.OnChange = nullptr;
    FPictureDisabled.OnChange = nullptr;
    FBackground.FPicture.OnChange = nullptr;
    FBackground.OnChange = nullptr;
}

void ToxButton::LookChanged()
{
    FCacheValid.fill(false);
    update();
}

void ToxButton::BackgroundStyleChanged()
{
    // A clear face leaves its pixels to the parent, so Qt must paint the parent
    // beneath it; the other styles cover every pixel themselves.
    setAttribute(Qt::WA_OpaquePaintEvent, !IsClear());
    LookChanged();
}

#define OX_SETTER(Name, Type, Field)          \
    void ToxButton::Set##Name(Type value)     \
    {                                         \
        if (Field == value)                   \
            return;                           \
        Field = value;                        \
        LookChanged();                        \
    }

OX_SETTER(Style, ToxButtonStyle, FStyle)
OX_SETTER(Font3D, ToxFont3D, FFont3D)
OX_SETTER(FocusStyle, ToxFocusStyles, FFocusStyle)
OX_SETTER(Options, ToxButtonOptions, FOptions)
OX_SETTER(MultiLine, bool, FMultiLine)
OX_SETTER(TextX, int, FTextX)
OX_SETTER(TextY, int, FTextY)
OX_SETTER(PictureX, int, FPictureX)
OX_SETTER(PictureY, int, FPictureY)
OX_SETTER(ShadowColor, TColor, FShadowColor)
OX_SETTER(FontColor, TColor, FFontColor)
#undef OX_SETTER

void ToxButton::SetTextAngle(int degrees)
{
    degrees = qBound(0, degrees, 360);
    if (degrees == FTextAngle)
        return;
    FTextAngle = degrees;
    LookChanged();
}

void ToxButton::SetCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    LookChanged();
}

QStringList ToxButton::Lines() const { return CaptionToLines(text()); }

void ToxButton::SetLines(const QStringList &lines) { SetCaption(LinesToCaption(lines)); }

void ToxButton::SetLine(int index, const QString &line)
{
    QStringList lines = Lines();
    while (lines.size() <= index)
        lines.append(QString());
    lines[index] = line;
    SetLines(lines);
}

TColor ToxButton::Color() const
{
    if (FParentColor) {
        if (const QWidget *p = parentWidget()) {
            const QVariant v = p->property("Color");
            if (v.isValid() && v.canConvert<int>())
                return TColor(v.toInt());
            const QColor own = p->palette().color(p->backgroundRole());
            if (own != QApplication::palette(p).color(p->backgroundRole()))
                return FromQColor(own);
        }
        return clBtnFace;
    }
    return FColor;
}

void ToxButton::SetColor(TColor color)
{
    if (!FParentColor && color == FColor)
        return;
    FColor = color;
    FParentColor = false;
    LookChanged();
}

void ToxButton::SetParentColor(bool on)
{
    if (on == FParentColor)
        return;
    FParentColor = on;
    LookChanged();
}

void ToxButton::ParentColorChanged()
{
    if (FParentColor)
        LookChanged();
}

// The parent's colour changes through its "Color" property; a palette change
// reaches the button by itself.
void ToxButton::WatchParent()
{
    QWidget *p = parentWidget();
    if (p == FWatchedParent)
        return;
    if (FWatchedParent)
        FWatchedParent->removeEventFilter(this);
    FWatchedParent = p;
    if (p)
        p->installEventFilter(this);
}

bool ToxButton::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == FWatchedParent && e->type() == QEvent::DynamicPropertyChange
        && static_cast<QDynamicPropertyChangeEvent *>(e)->propertyName() == "Color")
        ParentColorChanged();
    return QAbstractButton::eventFilter(watched, e);
}

void ToxButton::setFont(const QFont &font)
{
    FParentFont = false;
    QFont own = font.resolve(QApplication::font(this));
    own.setResolveMask(QFont::AllPropertiesResolved);
    QWidget::setFont(own);
}

void ToxButton::SetParentFont(bool on)
{
    if (on == FParentFont)
        return;
    FParentFont = on;
    if (on)
        QWidget::setFont(QFont()); // nothing of its own: everything comes from the container
    else
        KeepOwnFont(); // the font it has now becomes its own
}

// Qt hands a container's font to every font property a child did not set
// itself, so a button that does not follow its container holds a font with
// every property set. This catches fonts that did not come through setFont
// above (a call through a QWidget pointer).
void ToxButton::KeepOwnFont()
{
    if (FKeepingFont)
        return;
    if (FParentFont) {
        if (!testAttribute(Qt::WA_SetFont))
            return; // the container's font, which it follows
        FParentFont = false;
    }
    QFont current = font();
    current.setResolveMask(QFont::AllPropertiesResolved);
    FKeepingFont = true;
    auto done = qScopeGuard([this] { FKeepingFont = false; });
    QWidget::setFont(current);
}

void ToxButton::SetButtonType(ToxButtonType type)
{
    if (type == FButtonType)
        return;
    FButtonType = type;
    if (type != oxbToggle)
        FValue = false;
    SyncChecked();
    LookChanged();
}

void ToxButton::SetValue(bool value)
{
    if (FButtonType != oxbToggle) {
        if (FValue) {
            FValue = false;
            LookChanged();
        }
        return;
    }
    if (value == FValue)
        return;
    if (!value && !FGroupAllowNoSel)
        return; // the down button of a group that keeps one down
    FValue = value;
    SyncChecked();
    LookChanged();
    if (value)
        NotifyGroup();
}

void ToxButton::SetGroup(int group)
{
    if (group == FGroup)
        return;
    FGroup = group;
    NotifyGroup();
}

void ToxButton::SetGroupAllowNoSel(bool allow)
{
    if (allow == FGroupAllowNoSel)
        return;
    FGroupAllowNoSel = allow;
    NotifyGroup();
}

// Groups are per parent container: every toggle button of the sender's group
// among its siblings hears of it.
void ToxButton::NotifyGroup()
{
    QWidget *p = parentWidget();
    if (!p)
        return;
    const QObjectList siblings = p->children();
    for (QObject *o : siblings)
        if (auto *b = qobject_cast<ToxButton *>(o); b && b != this)
            b->ButtonPressed(FGroup, this);
}

void ToxButton::ButtonPressed(int group, ToxButton *sender)
{
    if (FButtonType != oxbToggle || group != FGroup)
        return;
    // Only a button going down releases the others; a change of Group or
    // GroupAllowNoSel on a button that is up leaves the group's choice alone.
    if (sender->FValue && FValue) {
        FValue = false;
        SetVisualDown(false);
        SyncChecked();
        LookChanged();
    }
    FGroupAllowNoSel = sender->FGroupAllowNoSel;
}

void ToxButton::SetKind(TButtonKind kind)
{
    FKind = kind;
    static const char *const captions[] = {"", QT_TR_NOOP("OK"), QT_TR_NOOP("&Cancel"), QT_TR_NOOP("&Help"),
                                           QT_TR_NOOP("&Yes"), QT_TR_NOOP("&No"), QT_TR_NOOP("&Close")};
    static const int results[] = {mrNone, mrOk, mrCancel, mrNone, mrYes, mrNo, mrNone};
    if (kind == bkOK || kind == bkYes)
        SetDefault(true);
    if (kind == bkCancel || kind == bkNo)
        SetCancel(true);
    if (kind != bkCustom) {
        SetCaption(tr(captions[kind]));
        FModalResult = results[kind];
    }
}

void ToxButton::SetDefault(bool on)
{
    if (on == FDefault)
        return;
    FDefault = on;
    UpdateActive();
}

QSize ToxButton::sizeHint() const { return QSize(75, 25); }

// ---------------------------------------------------------------------------
// State

ToxButtonStyle ToxButton::EffectiveStyle() const { return FStyle == bsAuto ? bsWin95 : FStyle; }

bool ToxButton::IsHotStyle() const
{
    const ToxButtonStyle s = EffectiveStyle();
    return s == bsWin97 || s == bsBorderless || s == bsShaped;
}

bool ToxButton::IsActive() const
{
    const QWidget *focus = window()->focusWidget();
    if (focus == this)
        return true;
    return FDefault && !IsPushButton(focus);
}

bool ToxButton::CanFocusNow() const { return isEnabled() && isVisible(); }

void ToxButton::UpdateActive()
{
    const bool active = IsActive();
    if (active == FActive)
        return;
    FActive = active;
    update();
}

ToxButton::TFaceState ToxButton::CurrentState() const
{
    TFaceState s;
    s.Enabled = isEnabled();
    s.Down = FDown;
    s.Value = FValue;
    s.Hot = FHot;
    s.Pressed = FPressed;
    s.Focused = hasFocus();
    s.Active = IsActive();
    return s;
}

void ToxButton::SetHot(bool hot)
{
    if (hot == FHot)
        return;
    FHot = hot;
    update();
}

void ToxButton::SetVisualDown(bool down)
{
    if (down == FDown)
        return;
    FDown = down;
    // The base class keeps the same state, so assistive tools hear of presses.
    QAbstractButton::setDown(down);
    update();
}

void ToxButton::SyncChecked()
{
    // A toggle button shows as checkable to assistive tools, its Value as checked.
    setCheckable(FButtonType == oxbToggle);
    if (isCheckable() && isChecked() != FValue)
        setChecked(FValue);
}

void ToxButton::checkStateSet()
{
    // Reached when the base class toggles (an assistive tool's toggle action).
    if (isChecked() != FValue) {
        SetValue(isChecked());
        if (isChecked() != FValue)
            setChecked(FValue);
    }
}

bool ToxButton::hitButton(const QPoint &pos) const
{
    const ToxButtonStyle s = EffectiveStyle();
    if (s == bsBorderless || s == bsShaped) {
        if (PictureRect().contains(pos))
            return true;
        return FFont3D != fsNone && CaptionRect().contains(pos);
    }
    return rect().contains(pos);
}

// ---------------------------------------------------------------------------
// Clicks

void ToxButton::Click()
{
    FBaseClick = false;
    ClickActions(true);
}

void ToxButton::ClickActions(bool emitClicked)
{
    if (FKind == bkHelp) {
        for (const QWidget *w = this; w; w = w->parentWidget()) {
            const int context = w->property("HelpContext").toInt();
            if (context != 0) {
                HelpShowTopic(context);
                return;
            }
        }
    } else if (FKind == bkClose && parentWidget()) {
        window()->close();
        return;
    }

    // The dialog gets the result first, so its handler can read or change it;
    // a result other than 0 left after the handler closes the dialog, even when
    // the handler failed.
    QPointer<QDialog> dialog = qobject_cast<QDialog *>(window());
    if (dialog)
        dialog->setResult(FModalResult);
    auto closeDialog = qScopeGuard([dialog] {
        if (dialog && dialog->result() != mrNone && dialog->isVisible())
            dialog->done(dialog->result());
    });
    QPointer<ToxButton> self(this);
    emit OnClick();
    if (self && emitClicked)
        emit clicked(FValue);
}

void ToxButton::DialogKey()
{
    if (FButtonType == oxbToggle) {
        SetValue(!FValue);
        Click();
    } else if (FButtonType == oxbMenu) {
        DropMenu();
    } else {
        Click();
    }
}

void ToxButton::DropMenu()
{
    QPointer<ToxButton> self(this);
    FPressed = false;
    SetVisualDown(true);
    repaint();
    if (FPopupMenu)
        FPopupMenu->exec(mapToGlobal(rect().bottomLeft() + QPoint(0, 1)));
    if (!self)
        return;
    FSpacePressed = false;
    SetVisualDown(false);
}

void ToxButton::RepeatTimer()
{
    FRepeat.setInterval(FDelay);
    if (!(FDown && FPressed && !FSpacePressed))
        return;
    ++FRepeatClicks;
    try {
        Click();
    } catch (...) {
        FRepeat.stop();
        throw;
    }
}

// ---------------------------------------------------------------------------
// Mouse

void ToxButton::mousePressEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    if (!hitButton(pos)) {
        e->ignore(); // the control beneath gets it, as if the button were not there
        return;
    }
    e->accept();
    if (IsClear() && focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
    if (e->button() != Qt::LeftButton || !isEnabled())
        return;
    FPressed = true;
    FSpacePressed = false;
    SetVisualDown(true);
    if (FButtonType == oxbMenu) {
        DropMenu();
    } else if (FButtonType == oxbRepeat) {
        FRepeatClicks = 0;
        FRepeat.start(FInitDelay);
    }
}

void ToxButton::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    if (FPressed && !FSpacePressed) {
        SetVisualDown(hitButton(pos));
        e->accept();
        return;
    }
    const ToxButtonStyle s = EffectiveStyle();
    if ((s == bsBorderless || s == bsShaped) && isEnabled())
        SetHot(hitButton(pos));
    e->ignore();
}

void ToxButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !FPressed || FSpacePressed) {
        e->ignore();
        return;
    }
    e->accept();
    FRepeat.stop();
    const QPoint pos = e->position().toPoint();
    const bool hit = hitButton(pos);
    // A quick click on a repeat button, released before the first repeat, still
    // counts once; after repeats the release adds none.
    const bool inside = hit && (FButtonType != oxbRepeat || FRepeatClicks == 0);
    FPressed = false;
    SetVisualDown(false);
    if (!hit)
        FHot = false;
    if (FButtonType == oxbToggle && inside)
        SetValue(!FValue);
    update();
    if (inside)
        Click();
}

void ToxButton::enterEvent(QEnterEvent *e)
{
    if (IsHotStyle() && isEnabled() && !FPressed) {
        const ToxButtonStyle s = EffectiveStyle();
        SetHot(s == bsWin97 || hitButton(e->position().toPoint()));
    }
    emit OnMouseEnter();
}

void ToxButton::leaveEvent(QEvent *)
{
    // While pressed the face keeps its hot look; the release settles it.
    if (!FPressed)
        SetHot(false);
    emit OnMouseLeave();
}

void ToxButton::contextMenuEvent(QContextMenuEvent *e)
{
    if (!FPopupMenu || !hitButton(e->pos())) {
        e->ignore();
        return;
    }
    FPopupMenu->exec(e->globalPos());
}

// ---------------------------------------------------------------------------
// Keyboard

void ToxButton::keyPressEvent(QKeyEvent *e)
{
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    switch (e->key()) {
    case Qt::Key_Space:
        if (mods != Qt::NoModifier && mods != Qt::ShiftModifier)
            break;
        if (!e->isAutoRepeat() && !FPressed) {
            FPressed = true;
            FSpacePressed = true;
            SetVisualDown(true);
            if (FButtonType == oxbMenu) {
                DropMenu();
                FPressed = false;
                return;
            }
        }
        if (FButtonType == oxbRepeat && FSpacePressed)
            Click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods == Qt::NoModifier && CanFocusNow()) {
            DialogKey();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (mods == Qt::NoModifier && FCancel && CanFocusNow()) {
            DialogKey();
            return;
        }
        break;
    default:
        break;
    }
    e->ignore();
}

void ToxButton::keyReleaseEvent(QKeyEvent *e)
{
    if (e->key() != Qt::Key_Space || e->isAutoRepeat() || !FSpacePressed) {
        e->ignore();
        return;
    }
    FPressed = false;
    FSpacePressed = false;
    SetVisualDown(false);
    // The pointer may have left while Space held the button, and that Leave
    // kept the hot look.
    if (!underMouse())
        FHot = false;
    if (FButtonType == oxbToggle)
        SetValue(!FValue);
    update();
    Click();
}

void ToxButton::focusInEvent(QFocusEvent *e)
{
    UpdateActive();
    update();
    QWidget::focusInEvent(e);
}

void ToxButton::focusOutEvent(QFocusEvent *e)
{
    if (FSpacePressed) {
        FPressed = false;
        FSpacePressed = false;
        SetVisualDown(false);
    }
    UpdateActive();
    update();
    QWidget::focusOutEvent(e);
}

// ---------------------------------------------------------------------------
// Events

void ToxButton::AttachDialogKeys()
{
    QWidget *w = window();
    if (w == this)
        return;
    if (!w->findChild<QObject *>(QLatin1String(kDialogKeysName), Qt::FindDirectChildrenOnly))
        new TDialogKeys(w);
}

void ToxButton::showEvent(QShowEvent *e)
{
    AttachDialogKeys();
    UpdateActive();
    QAbstractButton::showEvent(e);
}

bool ToxButton::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::Shortcut: {
        // The caption's "&" accelerator acts as Enter does.
        auto *se = static_cast<QShortcutEvent *>(e);
        if (se->isAmbiguous()) {
            if (focusPolicy() != Qt::NoFocus)
                setFocus(Qt::ShortcutFocusReason);
        } else if (CanFocusNow()) {
            DialogKey();
        }
        return true;
    }
    case QEvent::ParentChange:
        AttachDialogKeys();
        WatchParent();
        LookChanged();
        break;
    default:
        break;
    }
    return QAbstractButton::event(e);
}

void ToxButton::changeEvent(QEvent *e)
{
    switch (e->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            FRepeat.stop();
            FPressed = FSpacePressed = FHot = false;
            SetVisualDown(false);
        }
        LookChanged();
        break;
    case QEvent::FontChange:
        KeepOwnFont();
        LookChanged();
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::ApplicationPaletteChange:
        LookChanged();
        break;
    default:
        break;
    }
    QAbstractButton::changeEvent(e);
}

void ToxButton::resizeEvent(QResizeEvent *e)
{
    // Qt repeats resize events of hidden widgets with no old size, so a slot is
    // checked against the face size when it is used rather than dropped here.
    QAbstractButton::resizeEvent(e);
}

ToxButton *CreateCommandButton(QWidget *parent, const QRect &geometry, const QString &caption, TCommandLook look)
{
    auto *b = new ToxButton(parent);
    b->setGeometry(geometry);
    if (look == TCommandLook::Dialog) {
        b->SetStyle(bsStandard);
        b->SetFont3D(fsInset);
        b->Background()->SetStyle(oxbSolid);
        b->SetFocusStyle(fsBoldFont);
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPixelSize(11);
        b->setFont(f);
    }
    b->SetCaption(caption);
    ShrinkCaptionToFit(b);
    return b;
}

void ShrinkCaptionToFit(ToxButton *button)
{
    const QString caption = QString(button->Caption()).replace(QLatin1String("||"), QLatin1String("\n"));
    if (caption.isEmpty())
        return;
    auto fits = [&](QFont font) {
        if (button->FocusStyle() & fsBoldFont)
            font.setBold(true);   // the focused button's caption, the widest
        return QFontMetrics(font).size(Qt::TextShowMnemonic, caption).width() + 4 <= button->width();
    };
    QFont font = button->font();
    if (fits(font))
        return;
    const bool pixels = font.pixelSize() > 0;
    const qreal size = pixels ? font.pixelSize() : font.pointSizeF();
    const qreal step = pixels ? 1 : 0.5;
    for (qreal smaller = size - step; smaller >= size * 3 / 4; smaller -= step) {
        if (pixels)
            font.setPixelSize(int(smaller));
        else
            font.setPointSizeF(smaller);
        if (fits(font)) {
            button->setFont(font);
            return;
        }
    }
}
