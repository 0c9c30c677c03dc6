#include "widgets/oxForm.h"

#include "platform/WindowSystem.h"
#include "platform/help.h"
#include "widgets/oxBtns.h"

#include <QApplication>
#include <QCache>
#include <QCursor>
#include <QDialog>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWhatsThis>
#include <QWindow>
#include <cmath>

namespace {

const char *const kHelpContextProperty = "HelpContext";

QColor Sys(TColor c) { return ToQColor(c); }

// The platform's own buttons that the caption leaves room for.
constexpr Qt::WindowFlags kMinMaxHints = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;

int RoundHalfEven(double v) { return int(std::nearbyint(v)); }

// Splits a caption into the leading words drawn italic and the rest.
std::pair<QString, QString> SplitItalic(const QString &text, int words)
{
    if (words <= 0)
        return {QString(), text};
    int pos = 0;
    for (int k = 0; k < words; ++k) {
        const int space = text.indexOf(QLatin1Char(' '), pos);
        if (space < 0)
            return {text, QString()};
        pos = space + 1;
    }
    return {text.left(pos), text.mid(pos)};
}

// Receives the application's help events for the controls of one form.
class THelpFilter : public QObject {
public:
    THelpFilter(ToxForm *owner, std::function<bool(QWidget *, QEvent *)> handler)
        : QObject(owner), FHandler(std::move(handler))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::WhatsThis:
        case QEvent::QueryWhatsThis:
        case QEvent::KeyPress:
            if (watched->isWidgetType())
                return FHandler(static_cast<QWidget *>(watched), event);
            return false;
        default:
            return false;
        }
    }

private:
    std::function<bool(QWidget *, QEvent *)> FHandler;
};

// The style's title bar font: the platform's title font, drawn bold as the
// style's own title bars are. Asking the platform goes through fontconfig's
// substitution every time, so the answer is kept until the fonts or the
// theme change.
QFont PlatformCaptionFont(bool refresh)
{
    static QFont font;
    static bool known = false;
    if (refresh || !known) {
        font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        font.setBold(true);
        // Every attribute counts as set: a painter would otherwise fill the
        // unset ones (family, size) from its own font, and the caption would
        // be drawn in another size than it was measured in.
        font.setResolveMask(QFont::AllPropertiesResolved);
        known = true;
    }
    return font;
}

// Caption bitmaps shared by the forms that draw the same caption.
QCache<QString, QPixmap> &SharedCaptions()
{
    static QCache<QString, QPixmap> cache(32);
    return cache;
}

} // namespace

int HelpContextOf(const QObject *control) { return control ? control->property(kHelpContextProperty).toInt() : 0; }

void SetHelpContext(QObject *control, int context)
{
    if (control)
        control->setProperty(kHelpContextProperty, context);
}

void Frame3D(QPainter &p, QRect &r, const QColor &topLeft, const QColor &bottomRight, int n)
{
    for (int i = 0; i < n && r.width() > 0 && r.height() > 0; ++i) {
        // Top and left without their far corners, then bottom and right whole.
        p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

// ---------------------------------------------------------------------------
// TNCButton

TNCButton::TNCButton(ToxForm *owner, QWidget *form, TKind kind, int customIndex)
    : QAbstractButton(form), FOwner(owner), FKind(kind), FCustomIndex(customIndex)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    switch (kind) {
    case nkOnTop: setAccessibleName(tr("Stay on top")); setCheckable(true); FAllowAllUp = true; break;
    case nkRollUp: setAccessibleName(tr("Roll up")); break;
    case nkHelp: {
        setAccessibleName(tr("Help on a control"));
        setText(QStringLiteral("?"));
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setBold(true);
        setFont(f);
        break;
    }
    case nkStart: setAccessibleName(tr("Start")); break;
    case nkCustom: break;
    case nkClose: setAccessibleName(tr("Close")); break;
    }
    connect(this, &QAbstractButton::clicked, this, [this] { FOwner->ButtonClicked(this); });
    hide();
}

void TNCButton::SetShown(bool shown)
{
    FShown = shown;
    setVisible(shown);
}

void TNCButton::SetGlyph(const QImage &glyph, const QImage &glyphDown)
{
    // The glyph's transparent colour is its bottom-left pixel.
    auto masked = [](const QImage &src) {
        if (src.isNull())
            return QImage();
        QImage img = src.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = img.pixel(0, img.height() - 1) & 0xFFFFFF;
        for (int y = 0; y < img.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if ((line[x] & 0xFFFFFF) == key)
                    line[x] = 0;
        }
        return img;
    };
    FGlyph = masked(glyph);
    FGlyphDown = masked(glyphDown);
    update();
}

void TNCButton::SetAllowAllUp(bool on)
{
    FAllowAllUp = on;
    setCheckable(on);
}

void TNCButton::mousePressEvent(QMouseEvent *e)
{
    // A press in the caption brings the form forward first, whichever button.
    FOwner->Form()->raise();
    FOwner->Form()->activateWindow();
    QAbstractButton::mousePressEvent(e);
}

void TNCButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintFace(p, rect());
}

void TNCButton::PaintFace(QPainter &p, const QRect &face) const
{
    const QColor btnFace = Sys(clBtnFace), hl = Sys(clBtnHighlight), sh = Sys(clBtnShadow),
                 frame = Sys(clWindowFrame);
    QRect r = face;
    p.fillRect(r, btnFace);
    const bool pressed = isDown();
    const bool toggled = isChecked();
    int dy = 0;
    if (pressed) {
        Frame3D(p, r, frame, hl, 1);
        Frame3D(p, r, sh, btnFace, 1);
        dy = 1;
    } else if (toggled) {
        Frame3D(p, r, sh, hl, 1);
        dy = 1;
    } else {
        Frame3D(p, r, hl, frame, 1);
        Frame3D(p, r, btnFace, sh, 1);
    }
    const QRect content = face.translated(0, dy);
    const QColor ink = Sys(clBtnText);
    p.save();
    p.setClipRect(face.adjusted(1, 1, -1, -1));
    const QImage glyph = ((pressed || toggled) && !FGlyphDown.isNull()) ? FGlyphDown : FGlyph;
    if (!glyph.isNull()) {
        const QRect g(QPoint(0, 0), glyph.size() / glyph.devicePixelRatio());
        p.drawImage(g.translated(content.center() - g.center()), glyph);
    } else if (FKind == nkClose || FKind == nkOnTop || FKind == nkRollUp || FKind == nkStart) {
        // Small drawn glyphs: a cross, a pin, a roll-up arrow, a window.
        const int side = qMax(4, qMin(content.width(), content.height()) - 6) & ~1;
        QRect g(0, 0, side, side);
        g.moveCenter(content.center());
        p.setRenderHint(QPainter::Antialiasing, false);
        switch (FKind) {
        case nkClose:
            p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(g.topLeft(), g.bottomRight());
            p.drawLine(g.bottomLeft(), g.topRight());
            break;
        case nkOnTop: {
            const int cx = g.center().x();
            p.fillRect(QRect(cx - side / 4, g.top(), side / 2, side / 2), ink);
            p.fillRect(QRect(g.left(), g.top() + side / 2, side, 1), ink);
            p.fillRect(QRect(cx, g.top() + side / 2, 1, (pressed || toggled) ? side / 3 : side / 2), ink);
            break;
        }
        case nkRollUp: {
            QPolygon tri;
            tri << QPoint(g.left(), g.bottom() - side / 4) << QPoint(g.right(), g.bottom() - side / 4)
                << QPoint(g.center().x(), g.top() + side / 4);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawPolygon(tri);
            break;
        }
        default:
            p.setPen(ink);
            p.setBrush(Qt::NoBrush);
            p.drawRect(g.adjusted(0, 0, -1, -1));
            p.fillRect(QRect(g.left(), g.top(), g.width(), 2), ink);
            break;
        }
    } else if (!text().isEmpty()) {
        QFont f = font();
        const QFont caption = FOwner->CaptionFont();
        if (caption.pixelSize() > 0)
            f.setPixelSize(caption.pixelSize());
        else
            f.setPointSizeF(caption.pointSizeF());
        p.setFont(f);
        p.setPen(ink);
        p.drawText(content, Qt::AlignCenter, text().left(1));
    }
    p.restore();
}

// ---------------------------------------------------------------------------
// ToxForm: creation

QWidget *ToxForm::CheckOwner(QWidget *owner)
{
    if (!owner || !owner->isWindow())
        throw ENotOwnerError(QStringLiteral("A Form MUST be the owner"));
    if (owner->findChild<ToxForm *>(QString(), Qt::FindDirectChildrenOnly))
        throw EDuplicationError(QStringLiteral("Only %1 ToxForm component(s) are allowed on the selected Form").arg(1));
    return owner;
}

ToxForm::ToxForm(QWidget *owner) : QObject(CheckOwner(owner)), FForm(owner)
{
    setObjectName(QStringLiteral("oxForm"));
    ShowHelp = [](int topic, bool popup, const QPoint &globalPos) {
        if (popup)
            HelpShowPopup(topic, globalPos);
        else
            HelpShowTopic(topic);
    };

    // The platform buttons the form asked for; the window manager then gets a
    // frameless window and the component draws them.
    const Qt::WindowFlags flags = FForm->windowFlags();
    FWindowType = Qt::WindowType(int(flags & Qt::WindowType_Mask));
    FHasClose = flags.testFlag(Qt::WindowCloseButtonHint) && !flags.testFlag(Qt::FramelessWindowHint);
    FHasMinMax = bool(flags & kMinMaxHints);
    FHasContextHelp = flags.testFlag(Qt::WindowContextHelpButtonHint);
    const bool wasVisible = FForm->isVisible();
    const QSize formerSize = FForm->testAttribute(Qt::WA_Resized) ? FForm->size() : QSize();
    const QList<QWidget *> existing = FForm->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    FForm->setWindowFlags((flags & (Qt::WindowType_Mask | Qt::WindowStaysOnTopHint)) | Qt::FramelessWindowHint);
    FForm->setAttribute(Qt::WA_Hover, false);

    FClient = new QWidget(FForm);
    FClient->setObjectName(QStringLiteral("oxFormClient"));
    // Controls already on the form move onto the client with their places.
    for (QWidget *w : existing) {
        if (w->isWindow())
            continue;
        const bool shown = !w->isHidden();
        const QRect g = w->geometry();
        w->setParent(FClient);
        w->setGeometry(g);
        w->setVisible(shown);
    }

    CreateButtons();
    FForm->installEventFilter(this);
    new THelpFilter(this, [this](QWidget *w, QEvent *e) { return HelpEvent(w, e); });
    RecomputeMetrics();
    if (formerSize.isValid())
        SetClientSize(formerSize.width(), formerSize.height());
    if (wasVisible)
        FForm->show();
}

ToxForm::~ToxForm()
{
    FForm->removeEventFilter(this);
    for (const TSlot &slot : FSlots)
        delete slot.Button;
    delete FClose;
}

void ToxForm::CreateButtons()
{
    // Creation order: on-top (no gap), roll-up, help, start, then the custom
    // ones. A button becomes a widget the first time it is shown, so that a
    // form that shows none of them does not pay for them.
    FSlots = {{TNCButton::nkOnTop, false, -1, nullptr},
              {TNCButton::nkRollUp, true, -1, nullptr},
              {TNCButton::nkHelp, true, -1, nullptr},
              {TNCButton::nkStart, true, -1, nullptr}};
    RebuildCustomButtons();
}

void ToxForm::MakeButtonsLive()
{
    if (FButtonsLive)
        return;
    FButtonsLive = true;
    RebuildCustomButtons();
}

void ToxForm::RebuildCustomButtons()
{
    for (auto it = FSlots.begin(); it != FSlots.end();) {
        if (it->Kind == TNCButton::nkCustom) {
            delete it->Button;
            it = FSlots.erase(it);
        } else {
            ++it;
        }
    }
    for (int i = 0; i < FCustomButtons.size(); ++i)
        FSlots.push_back({TNCButton::nkCustom, true, i, nullptr});
    // Until the form is first polished only the choice is kept: a form that
    // sets its own buttons after creating the component makes no others.
    if (!FButtonsLive)
        return;
    FButtons.clear();
    for (TSlot &slot : FSlots) {
        bool shown = false;
        switch (slot.Kind) {
        case TNCButton::nkOnTop: shown = FCaptionButtons.testFlag(oxbOnTop); break;
        case TNCButton::nkRollUp: shown = FCaptionButtons.testFlag(oxbRollUp); break;
        case TNCButton::nkHelp: shown = FCaptionButtons.testFlag(oxbHelp); break;
        case TNCButton::nkStart: shown = FCaptionButtons.testFlag(oxbStart); break;
        case TNCButton::nkCustom: shown = FCaptionButtons.testFlag(oxbCustom); break;
        case TNCButton::nkClose: break;
        }
        if (shown && !slot.Button) {
            slot.Button = new TNCButton(this, FForm, slot.Kind, slot.CustomIndex);
            slot.Button->SetGap(slot.Gap);
            slot.Button->setEnabled(FEnabled);
            if (slot.Kind == TNCButton::nkCustom) {
                slot.Button->setText(FCustomButtons.at(slot.CustomIndex));
                slot.Button->setAccessibleName(FCustomButtons.at(slot.CustomIndex));
            }
            if (slot.Kind == TNCButton::nkOnTop)
                slot.Button->setChecked(FOnTop);
        }
        if (slot.Button) {
            slot.Button->SetShown(shown);
            FButtons.push_back(slot.Button);
        }
    }
    if (FHasClose && !FClose)
        FClose = new TNCButton(this, FForm, TNCButton::nkClose);
    if (FClose)
        FClose->SetShown(FHasClose);
    LayoutButtons();
}

// ---------------------------------------------------------------------------
// Properties

void ToxForm::SetEffect(int index, T3DEffect e)
{
    if (FEffects[size_t(index)] == e)
        return;
    FEffects[size_t(index)] = e;
    LookChanged();
}

void ToxForm::SetActiveGradient(TColor c)
{
    if (c == FActiveGradient)
        return;
    FActiveGradient = c;
    LookChanged();
}

void ToxForm::SetInactiveGradient(TColor c)
{
    if (c == FInactiveGradient)
        return;
    FInactiveGradient = c;
    LookChanged();
}

void ToxForm::SetOptions(ToxFormOptions o)
{
    if (o == FOptions)
        return;
    FOptions = o;
    ApplyMinMax();
    LookChanged();
}

void ToxForm::SetItalicWords(int n)
{
    if (n == FItalicWords)
        return;
    FItalicWords = n;
    LookChanged();
}

void ToxForm::SetAlignment(TAlignment a)
{
    if (a == FAlignment)
        return;
    FAlignment = a;
    LookChanged();
}

void ToxForm::SetCaptionButtons(ToxCaptionButtons b)
{
    if (b == FCaptionButtons)
        return;
    FCaptionButtons = b;
    RebuildCustomButtons();
    LookChanged();
}

void ToxForm::SetCustomButtons(const QStringList &captions)
{
    FCustomButtons = captions;
    RebuildCustomButtons();
    LookChanged();
}

void ToxForm::SetEnabled(bool on)
{
    FEnabled = on;
    for (TNCButton *b : FButtons)
        b->setEnabled(on);
}

void ToxForm::SetOnTop(bool on)
{
    if (on == FOnTop)
        return;
    FOnTop = on;
    if (TNCButton *b = CaptionButton(oxbOnTop))
        b->setChecked(on);
    const bool visible = FForm->isVisible();
    FForm->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible)
        FForm->show();
}

void ToxForm::SetRollUp(bool on)
{
    if (on == FRollUp)
        return;
    FRollUp = on;
    if (on) {
        FUnrolledSize = FForm->size();
        FClient->hide();
        FForm->setFixedSize(FForm->width(), 2 * FFrameY + FCaptionHeight);
    } else {
        FForm->setFixedSize(FUnrolledSize);
        FClient->show();
    }
    if (OnRollUp)
        OnRollUp();
}

void ToxForm::ApplyMinMax()
{
    if (!FOptions.testFlag(oxfMinMax))
        return;
    FForm->setMinimumSize(FMinWidth, FMinHeight);
    FForm->setMaximumSize(FMaxWidth > 0 ? FMaxWidth : QWIDGETSIZE_MAX, FMaxHeight > 0 ? FMaxHeight : QWIDGETSIZE_MAX);
}

void ToxForm::SetClientSize(int w, int h)
{
    // A fixed client size makes a fixed frame.
    FClientSize = QSize(w, h);
    ApplyFrame();
}

QSize ToxForm::ClientSize() const { return FClientSize.isValid() ? FClientSize : ClientRect().size(); }

void ToxForm::LookChanged()
{
    FCacheRect = {};
    FForm->update(QRegion(FForm->rect()) - QRegion(ClientRect()));
}

// ---------------------------------------------------------------------------
// Metrics and geometry

bool ToxForm::IsToolWindow() const { return FWindowType == Qt::Tool; }

bool ToxForm::IsSizeable() const
{
    return !FClientSize.isValid() && FForm->minimumSize() != FForm->maximumSize();
}

bool ToxForm::HasMinMax() const { return FHasMinMax; }
bool ToxForm::HasCloseButton() const { return FHasClose; }
bool ToxForm::HasIcon() const { return FWindowType != Qt::Dialog && FWindowType != Qt::Tool; }

bool ToxForm::Active() const { return FForm->isActiveWindow(); }

void ToxForm::RecomputeMetrics()
{
    QStyle *style = FForm->style();
    QStyleOptionTitleBar opt;
    opt.initFrom(FForm);
    opt.text = FForm->windowTitle();
    opt.titleBarFlags = IsToolWindow() ? Qt::WindowFlags(Qt::Tool) : Qt::WindowFlags(Qt::Window);
    opt.titleBarState = FForm->windowState();

    FCaptionFont = PlatformCaptionFont(false);
    if (IsToolWindow()) {
        if (FCaptionFont.pixelSize() > 0)
            FCaptionFont.setPixelSize(qMax(6, FCaptionFont.pixelSize() - 1));
        else
            FCaptionFont.setPointSizeF(qMax(6.0, FCaptionFont.pointSizeF() - 1));
    }
    const QFontMetrics fm(FCaptionFont);
    opt.fontMetrics = fm;

    FSizingFrame = qMax(4, style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, &opt, nullptr));
    FCaptionHeight = qMax(style->pixelMetric(QStyle::PM_TitleBarHeight, &opt, nullptr), fm.height() + 4);
    const int button = style->pixelMetric(QStyle::PM_TitleBarButtonSize, &opt, nullptr);
    FButtonWidth = (button > 8 && button <= FCaptionHeight) ? button : FCaptionHeight;
    ApplyFrame();
}

void ToxForm::ApplyFrame()
{
    // Dialog frames are one pixel narrower than sizing frames, as on the
    // platforms this look comes from.
    FFrameX = FFrameY = IsSizeable() ? FSizingFrame : FSizingFrame - 1;
    if (FClientSize.isValid())
        FForm->setFixedSize(FClientSize.width() + 2 * FFrameX, FClientSize.height() + 2 * FFrameY + FCaptionHeight);
    // A sizeable form shows the sizing pointer over its frame.
    FForm->setMouseTracking(IsSizeable());
    LayoutButtons();
    LayoutClient();
    LookChanged();
}

int ToxForm::PlatformButtonsWidth() const
{
    const int k = HasMinMax() ? 3 : 1;
    int w = FFrameX + k * (FButtonWidth - 2) + 4;
    if (IsToolWindow())
        w += FButtonWidth - 2;
    return w;
}

QRect ToxForm::CaptionRect() const
{
    const int right = FForm->width() - PlatformButtonsWidth();
    return QRect(FFrameX, FFrameY, qMax(0, right - FFrameX), FCaptionHeight);
}

QRect ToxForm::PlatformButtonsRect() const
{
    const int left = FForm->width() - PlatformButtonsWidth();
    return QRect(left, FFrameY, qMax(0, FForm->width() - FFrameX - left), FCaptionHeight);
}

QRect ToxForm::ClientRect() const
{
    return QRect(FFrameX, FFrameY + FCaptionHeight, qMax(0, FForm->width() - 2 * FFrameX),
                 qMax(0, FForm->height() - 2 * FFrameY - FCaptionHeight));
}

QRect ToxForm::TextRect() const
{
    const QRect bar = CaptionRect();
    int left = bar.left() + (HasIcon() ? 1 + IconSize().width() + 4 : 2);
    int right = bar.right() + 1;
    for (const TNCButton *b : FButtons)
        if (b->Shown())
            right = qMin(right, b->x() - 2);
    return QRect(left, bar.top(), qMax(0, right - left), bar.height());
}

void ToxForm::LayoutButtons()
{
    const int w = FButtonWidth - 2;
    const int h = FCaptionHeight - 4;
    int x = FForm->width() - PlatformButtonsWidth() - 2;
    for (TNCButton *b : FButtons) {
        if (!b->Shown())
            continue;
        x -= w;
        b->setGeometry(x, FFrameY + 2, w, h);
        if (b->Gap())
            x -= 2;
    }
    if (FClose)
        FClose->setGeometry(FForm->width() - FFrameX - 2 - w, FFrameY + 2, w, h);
}

void ToxForm::LayoutClient()
{
    if (FClient && !FRollUp)
        FClient->setGeometry(ClientRect());
}

TNCButton *ToxForm::CaptionButton(ToxCaptionButton which) const
{
    const_cast<ToxForm *>(this)->MakeButtonsLive();
    TNCButton::TKind kind;
    switch (which) {
    case oxbOnTop: kind = TNCButton::nkOnTop; break;
    case oxbRollUp: kind = TNCButton::nkRollUp; break;
    case oxbHelp: kind = TNCButton::nkHelp; break;
    case oxbStart: kind = TNCButton::nkStart; break;
    default: kind = TNCButton::nkCustom; break;
    }
    for (TNCButton *b : FButtons)
        if (b->Kind() == kind)
            return b;
    return nullptr;
}

QColor ToxForm::CaptionColor(bool active) const { return Sys(active ? clActiveCaption : clInactiveCaption); }

QColor ToxForm::TextColor(bool active) const
{
    const TColor c = ColorToRGB(active ? FActiveGradient : FInactiveGradient);
    return QColor(255 - (c & 0xFF), 255 - ((c >> 8) & 0xFF), 255 - ((c >> 16) & 0xFF));
}

// ---------------------------------------------------------------------------
// Painting

const QPixmap &ToxForm::CaptionBitmap(bool active)
{
    const size_t i = active ? 1 : 0;
    const QRect bar = CaptionRect();
    if (FCache[i].isNull() || FCacheRect[i] != bar) {
        // A dialog opened again (a new form each time) finds the caption its
        // predecessor drew, as long as everything that goes into it is the same.
        const qreal dpr = FForm->devicePixelRatioF();
        const QString key = CaptionKey(active, bar.size(), dpr);
        if (const QPixmap *shared = SharedCaptions().object(key)) {
            FCache[i] = *shared;
        } else {
            FCache[i] = DrawCaptionBitmap(active, bar.size(), dpr);
            ++FCaptionBuilds;
            SharedCaptions().insert(key, new QPixmap(FCache[i]));
        }
        FCacheRect[i] = bar;
    }
    return FCache[i];
}

QString ToxForm::CaptionKey(bool active, const QSize &size, qreal dpr) const
{
    QStringList k;
    auto rgb = [](const QColor &c) { return QString::number(c.rgb(), 16); };
    k << FForm->windowTitle() << QString::number(size.width()) << QString::number(size.height())
      << QString::number(dpr) << QString::number(active) << QString::number(int(FOptions))
      << QString::number(ColorToRGB(active ? FActiveGradient : FInactiveGradient)) << rgb(CaptionColor(active))
      << QString::number(FEffects[active ? 2 : 3]) << QString::number(FItalicWords) << QString::number(FAlignment)
      << FCaptionFont.key();
    for (TColor c : {clBtnFace, clBtnHighlight, clBtnShadow, clWindowFrame, clBtnText, clWindowText})
        k << rgb(Sys(c));
    const QRect text = TextRect().translated(-CaptionRect().topLeft());
    k << QString::number(text.left()) << QString::number(text.width());
    if (HasIcon()) {
        const QIcon icon = FForm->windowIcon().isNull() ? QApplication::windowIcon() : FForm->windowIcon();
        k << QString::number(icon.cacheKey());
    }
    for (const TNCButton *b : FButtons)
        if (b->Shown())
            k << QStringLiteral("%1:%2:%3:%4:%5:%6:%7")
                     .arg(int(b->Kind()))
                     .arg(b->isDown())
                     .arg(b->isChecked())
                     .arg(b->text())
                     .arg(b->Glyph().cacheKey())
                     .arg(b->x())
                     .arg(b->font().key());
    return k.join(QChar(0x1F));
}

QPixmap ToxForm::DrawCaptionBitmap(bool active, const QSize &size, qreal dpr) const
{
    QPixmap pm(size.expandedTo(QSize(1, 1)) * dpr);
    pm.setDevicePixelRatio(dpr);
    QPainter p(&pm);
    PaintCaption(p, size, active);
    return pm;
}

void ToxForm::PaintCaption(QPainter &p, const QSize &size, bool active) const
{
    const QRect r(QPoint(0, 0), size);
    const QColor end = CaptionColor(active);
    const bool gradient = FOptions.testFlag(active ? oxfActiveGradient : oxfInactiveGradient);
    if (!gradient) {
        p.fillRect(r, end);
    } else {
        // 128 bands from the gradient colour on the left to the caption colour.
        const QColor start = Sys(active ? FActiveGradient : FInactiveGradient);
        const int w = r.width();
        const int bandWidth = w / 128 + 1;
        for (int i = 0; i < 128; ++i) {
            auto channel = [i](int s, int e) { return s - int(double(s - e) / 128.0 * i); };
            const QColor c(channel(start.red(), end.red()), channel(start.green(), end.green()),
                           channel(start.blue(), end.blue()));
            p.fillRect(QRect(i * w / 128, 0, bandWidth, r.height()), c);
        }
    }
    if (HasIcon()) {
        QIcon icon = FForm->windowIcon();
        if (icon.isNull())
            icon = QApplication::windowIcon();
        if (!icon.isNull())
            p.drawPixmap(QRect(QPoint(1, 1), IconSize()), icon.pixmap(IconSize()));
    }
    const QRect text = TextRect().translated(-CaptionRect().topLeft());
    PaintCaptionText(p, QRect(text.left(), 0, text.width(), size.height()), active);
    for (const TNCButton *b : FButtons)
        if (b->Shown())
            b->PaintFace(p, b->geometry().translated(-CaptionRect().topLeft()));
}

void ToxForm::PaintCaptionText(QPainter &p, const QRect &area, bool active) const
{
    const T3DEffect effect = FEffects[active ? 2 : 3];
    if (effect == ox3None || effect == ox3Disabled)
        return;
    QFont plain = FCaptionFont;
    plain.setItalic(false);
    QFont italic = plain;
    italic.setItalic(true);
    // Measured on the bitmap itself, whose resolution may differ from the screen's.
    const QFontMetrics fmPlain(plain, p.device()), fmItalic(italic, p.device());
    auto widthOf = [&](const QString &t) {
        const auto [a, b] = SplitItalic(t, FItalicWords);
        return fmItalic.horizontalAdvance(a) + fmPlain.horizontalAdvance(b);
    };

    QString text = FForm->windowTitle();
    int width = widthOf(text);
    bool shortened = false;
    if (width > area.width()) {
        // Drop characters until the rest with "..." fits, keeping at least one.
        QString t = text;
        while (t.size() > 1) {
            t.chop(1);
            if (widthOf(t + QStringLiteral("...")) <= area.width())
                break;
        }
        text = t + QStringLiteral("...");
        width = widthOf(text);
        shortened = true;
    }
    int x = area.left();
    if (!shortened) {
        if (FAlignment == taRightJustify)
            x = area.left() + area.width() - width;
        else if (FAlignment == taCenter)
            x = area.left() + (area.width() - width) / 2;
    }
    const int top = area.top() + RoundHalfEven((area.height() - fmPlain.height()) * 0.5);
    const int baseline = top + fmPlain.ascent();
    const auto [italicPart, plainPart] = SplitItalic(text, FItalicWords);
    const int plainX = x + fmItalic.horizontalAdvance(italicPart);

    auto layer = [&](const QColor &c, int dx, int dy) {
        p.setPen(c);
        if (!italicPart.isEmpty()) {
            p.setFont(italic);
            p.drawText(x + dx, baseline + dy, italicPart);
        }
        if (!plainPart.isEmpty()) {
            p.setFont(plain);
            p.drawText(plainX + dx, baseline + dy, plainPart);
        }
    };
    const QColor ink = TextColor(active);
    const QColor hl = Sys(clBtnHighlight), sh = Sys(clBtnShadow);
    auto layerUnlessInk = [&](const QColor &c, int dx, int dy) {
        if (c.rgb() != ink.rgb())
            layer(c, dx, dy);
    };
    switch (effect) {
    case ox3Raised:
        layerUnlessInk(hl, -1, -1);
        layerUnlessInk(sh, 1, 1);
        layer(ink, 0, 0);
        break;
    case ox3Inset:
        layerUnlessInk(sh, -1, -1);
        layerUnlessInk(hl, 1, 1);
        layer(ink, 0, 0);
        break;
    case ox3Ridged:
        layer(sh, 1, 1);
        layer(hl, -1, -1);
        layer(Sys(clWindowText), 0, 0);
        break;
    case ox3Grooved:
        layer(hl, 1, 1);
        layer(sh, -1, -1);
        layer(Sys(clWindowText), 0, 0);
        break;
    case ox3Shadow:
        layer(sh, 2, 2);
        layer(ink, 0, 0);
        break;
    default:
        layer(ink, 0, 0);
        break;
    }
}

void ToxForm::PaintShadowOutline(QPainter &p, QRect &r) const
{
    // A two-pixel black drop shadow on the right and bottom, starting two
    // pixels in, with light grey squares where it leaves the corners.
    const QColor grey = ToQColor(TColor(12632256));
    p.fillRect(QRect(r.right() - 1, r.top() + 2, 2, r.height() - 2), Qt::black);
    p.fillRect(QRect(r.left() + 2, r.bottom() - 1, r.width() - 2, 2), Qt::black);
    p.fillRect(QRect(r.right() - 1, r.top(), 2, 2), grey);
    p.fillRect(QRect(r.left(), r.bottom() - 1, 2, 2), grey);
    r.adjust(0, 0, -2, -2);
}

void ToxForm::PaintBorder(QPainter &p, T3DEffect effect) const
{
    const QColor face = Sys(clBtnFace), hl = Sys(clBtnHighlight), sh = Sys(clBtnShadow),
                 frame = Sys(clWindowFrame);
    QRect r = FForm->rect();
    const int fw = FFrameX;
    switch (effect) {
    case ox3Flat:
        Frame3D(p, r, hl, sh, 1);
        Frame3D(p, r, face, frame, 1);
        Frame3D(p, r, face, face, fw - 2);
        break;
    case ox3Raised:
        Frame3D(p, r, face, frame, 1);
        Frame3D(p, r, hl, sh, 2);
        Frame3D(p, r, face, face, fw - 3);
        break;
    case ox3Inset:
        Frame3D(p, r, frame, face, 1);
        Frame3D(p, r, sh, hl, 1);
        Frame3D(p, r, face, face, fw - 2);
        break;
    case ox3Ridged:
        Frame3D(p, r, face, sh, 1);
        Frame3D(p, r, hl, face, 1);
        Frame3D(p, r, face, hl, 1);
        Frame3D(p, r, sh, face, fw - 3);
        break;
    case ox3Grooved:
        Frame3D(p, r, sh, face, 1);
        Frame3D(p, r, face, hl, 1);
        Frame3D(p, r, hl, face, 1);
        Frame3D(p, r, face, sh, fw - 3);
        break;
    case ox3Shadow:
        PaintShadowOutline(p, r);
        Frame3D(p, r, face, frame, 1);
        Frame3D(p, r, hl, sh, 1);
        Frame3D(p, r, face, face, fw - 2);
        break;
    default: {
        // The platform's own frame, as its style draws window frames.
        Frame3D(p, r, face, face, fw);
        QStyleOptionFrame opt;
        opt.initFrom(FForm);
        opt.rect = FForm->rect();
        opt.lineWidth = fw;
        opt.midLineWidth = 0;
        if (Active())
            opt.state |= QStyle::State_Active;
        FForm->style()->drawPrimitive(QStyle::PE_FrameWindow, &opt, &p, FForm);
        break;
    }
    }
}

void ToxForm::PaintCaptionFrame(QPainter &p, T3DEffect effect) const
{
    const QColor hl = Sys(clBtnHighlight), sh = Sys(clBtnShadow), frame = Sys(clWindowFrame);
    const QRect bar = CaptionRect();
    QRect r = bar.adjusted(-1, -1, 1, 1);
    QRect outer = bar.adjusted(-2, -2, 2, 2);
    switch (effect) {
    case ox3Flat: Frame3D(p, r, frame, frame, 1); break;
    case ox3Inset: Frame3D(p, r, sh, hl, 1); break;
    case ox3Raised: Frame3D(p, r, hl, sh, 1); break;
    case ox3Ridged:
        Frame3D(p, outer, hl, sh, 1);
        Frame3D(p, outer, sh, hl, 1);
        break;
    case ox3Grooved:
        Frame3D(p, outer, sh, hl, 1);
        Frame3D(p, outer, hl, sh, 1);
        break;
    case ox3Shadow:
        PaintShadowOutline(p, outer);
        Frame3D(p, r, hl, sh, 1);
        break;
    default: break;
    }
}

void ToxForm::PaintNonClient(QPainter &p)
{
    const bool active = Active();
    p.fillRect(PlatformButtonsRect(), CaptionColor(active));
    const QRect bar = CaptionRect();
    if (!bar.isEmpty())
        p.drawPixmap(bar.topLeft(), CaptionBitmap(active));
    PaintBorder(p, FEffects[active ? 4 : 5]);
    PaintCaptionFrame(p, FEffects[active ? 0 : 1]);
}

// ---------------------------------------------------------------------------
// Events

bool ToxForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FForm)
        return FormEvent(event);
    return false;
}

bool ToxForm::FormEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Polish:
        MakeButtonsLive();
        return false;
    case QEvent::Paint:
        if (!FForm->isMinimized()) {
            QPainter p(FForm);
            PaintNonClient(p);
        }
        return false;
    case QEvent::Resize:
        LayoutButtons();
        LayoutClient();
        FForm->update(QRegion(FForm->rect()) - QRegion(ClientRect()));
        return false;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ActivationChange:
        if (!FForm->isMinimized())
            FForm->update(QRegion(FForm->rect()) - QRegion(ClientRect()));
        return false;
    case QEvent::ApplicationFontChange:
    case QEvent::ThemeChange:
        PlatformCaptionFont(true);
        RecomputeMetrics();
        return false;
    case QEvent::WindowTitleChange:
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::ScreenChangeInternal:
        RecomputeMetrics();
        return false;
    case QEvent::MouseButtonPress: {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint pos = me->position().toPoint();
        if (ClientRect().contains(pos))
            return false;
        // Any press on the caption or the border brings the form forward.
        FForm->raise();
        FForm->activateWindow();
        if (me->button() != Qt::LeftButton)
            return true;
        QWindow *handle = FForm->windowHandle();
        if (const Qt::Edges edges = EdgesAt(pos)) {
            if (!StartWindowSystemMove(handle, edges)) {
                FResizing = edges;
                FResizeStart = me->globalPosition().toPoint();
                FResizeGeometry = FForm->geometry();
            }
        } else if (CaptionRect().contains(pos) || PlatformButtonsRect().contains(pos)) {
            if (!StartWindowSystemMove(handle)) {
                // No window manager move: follow the pointer ourselves.
                FDragging = true;
                FDragOffset = me->globalPosition().toPoint() - FForm->pos();
            }
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (FDragging) {
            FForm->move(me->globalPosition().toPoint() - FDragOffset);
            return true;
        }
        if (FResizing) {
            ResizeTo(me->globalPosition().toPoint());
            return true;
        }
        if (me->buttons() == Qt::NoButton)
            UpdateResizeCursor(me->position().toPoint());
        return false;
    }
    case QEvent::MouseButtonRelease:
        if ((FDragging || FResizing) && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            FDragging = false;
            FResizing = {};
            return true;
        }
        return false;
    case QEvent::MouseButtonDblClick:
        return !ClientRect().contains(static_cast<QMouseEvent *>(event)->position().toPoint());
    default:
        return false;
    }
}

Qt::Edges ToxForm::EdgesAt(const QPoint &pos) const
{
    Qt::Edges edges;
    if (!IsSizeable() || FRollUp)
        return edges;
    // The frame, widened along the caption's height at the corners.
    const int corner = FFrameY + FCaptionHeight;
    if (pos.x() < FFrameX)
        edges |= Qt::LeftEdge;
    else if (pos.x() >= FForm->width() - FFrameX)
        edges |= Qt::RightEdge;
    if (pos.y() < FFrameY)
        edges |= Qt::TopEdge;
    else if (pos.y() >= FForm->height() - FFrameY)
        edges |= Qt::BottomEdge;
    if (edges & (Qt::LeftEdge | Qt::RightEdge)) {
        if (pos.y() < corner)
            edges |= Qt::TopEdge;
        else if (pos.y() >= FForm->height() - corner)
            edges |= Qt::BottomEdge;
    } else if (edges & (Qt::TopEdge | Qt::BottomEdge)) {
        if (pos.x() < corner)
            edges |= Qt::LeftEdge;
        else if (pos.x() >= FForm->width() - corner)
            edges |= Qt::RightEdge;
    }
    return edges;
}

void ToxForm::ResizeTo(const QPoint &globalPos)
{
    // Where no window manager resizes the window, its edges follow the pointer
    // within the form's size limits.
    const QPoint d = globalPos - FResizeStart;
    QRect g = FResizeGeometry;
    const QSize lo = FForm->minimumSize().expandedTo(QSize(2 * FFrameX + 1, 2 * FFrameY + FCaptionHeight));
    const QSize hi = FForm->maximumSize();
    if (FResizing & Qt::LeftEdge)
        g.setLeft(qBound(g.right() + 1 - hi.width(), g.left() + d.x(), g.right() + 1 - lo.width()));
    if (FResizing & Qt::RightEdge)
        g.setRight(qBound(g.left() - 1 + lo.width(), g.right() + d.x(), g.left() - 1 + hi.width()));
    if (FResizing & Qt::TopEdge)
        g.setTop(qBound(g.bottom() + 1 - hi.height(), g.top() + d.y(), g.bottom() + 1 - lo.height()));
    if (FResizing & Qt::BottomEdge)
        g.setBottom(qBound(g.top() - 1 + lo.height(), g.bottom() + d.y(), g.top() - 1 + hi.height()));
    FForm->setGeometry(g);
}

void ToxForm::UpdateResizeCursor(const QPoint &pos)
{
    const Qt::Edges e = EdgesAt(pos);
    if (!e) {
        if (FForm->testAttribute(Qt::WA_SetCursor) && FResizeCursor)
            FForm->unsetCursor();
        FResizeCursor = false;
        return;
    }
    Qt::CursorShape shape = Qt::SizeHorCursor;
    if (e == (Qt::LeftEdge | Qt::TopEdge) || e == (Qt::RightEdge | Qt::BottomEdge))
        shape = Qt::SizeFDiagCursor;
    else if (e == (Qt::RightEdge | Qt::TopEdge) || e == (Qt::LeftEdge | Qt::BottomEdge))
        shape = Qt::SizeBDiagCursor;
    else if (e & (Qt::TopEdge | Qt::BottomEdge))
        shape = Qt::SizeVerCursor;
    FForm->setCursor(shape);
    FResizeCursor = true;
}

void ToxForm::ButtonClicked(TNCButton *b)
{
    switch (b->Kind()) {
    case TNCButton::nkClose:
        CloseClicked();
        return;
    case TNCButton::nkHelp:
        EnterHelpMode();
        break;
    case TNCButton::nkOnTop:
        SetOnTop(b->isChecked());
        break;
    case TNCButton::nkRollUp:
        SetRollUp(!FRollUp);
        break;
    default:
        break;
    }
    if (OnButtonClick)
        OnButtonClick(b);
}

void ToxForm::CloseClicked()
{
    // A dialog closed from its caption reports Cancel.
    if (auto *dialog = qobject_cast<QDialog *>(FForm))
        dialog->done(mrCancel);
    else
        FForm->close();
}

void ToxForm::EnterHelpMode() { QWhatsThis::enterWhatsThisMode(); }

bool ToxForm::HelpRequest(QWidget *control, const QPoint &globalPos)
{
    if (!control || control->window() != FForm)
        return false;
    if (OnHelpSelect) {
        bool handled = false;
        OnHelpSelect(control, HelpContextOf(control), handled);
        if (handled)
            return true;
    }
    int context = 0;
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        context = HelpContextOf(w);
        if (context != 0 || w->isWindow())
            break;
    }
    if (context == 0)
        return false;
    const bool popup = FCaptionButtons.testFlag(oxbHelp) || FHasContextHelp;
    if (ShowHelp)
        ShowHelp(context, popup, globalPos);
    return true;
}

bool ToxForm::HelpEvent(QWidget *w, QEvent *event)
{
    if (w->window() != FForm)
        return false;
    switch (event->type()) {
    case QEvent::WhatsThis: {
        // The click that ends help mode. The event is taken here for good, so
        // it does not travel on to the parents and ask again.
        auto *he = static_cast<QHelpEvent *>(event);
        he->accept();
        QWhatsThis::leaveWhatsThisMode();
        if (w != FForm && !qobject_cast<TNCButton *>(w))
            HelpRequest(w, he->globalPos());
        return true;
    }
    case QEvent::QueryWhatsThis: {
        // The help cursor over controls that have help somewhere up their parents.
        bool has = false;
        for (const QWidget *c = w; c && !has; c = c->isWindow() ? nullptr : c->parentWidget())
            has = HelpContextOf(c) != 0;
        event->setAccepted(has);
        return true;
    }
    case QEvent::KeyPress: {
        auto *ke = static_cast<QKeyEvent *>(event);
        if (ke->key() != Qt::Key_F1 || (ke->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        HelpRequest(w, QCursor::pos());
        return true;
    }
    default:
        return false;
    }
}
