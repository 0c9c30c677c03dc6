#include "widgets/ColorBtn.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

const std::array<TColor, 20> ColorPaletteColors = {
    RGBColor(0xFF, 0xFF, 0xFF), RGBColor(0xFF, 0x00, 0x00), RGBColor(0x00, 0xFF, 0x00),
    RGBColor(0x00, 0x00, 0xFF), RGBColor(0xBF, 0xD7, 0xBF), RGBColor(0x00, 0x00, 0x00),
    RGBColor(0x7F, 0x00, 0x00), RGBColor(0x00, 0x7F, 0x00), RGBColor(0x00, 0x00, 0x7F),
    RGBColor(0x9F, 0xBF, 0xEF), RGBColor(0xBF, 0xBF, 0xBF), RGBColor(0xFF, 0xFF, 0x00),
    RGBColor(0x00, 0xFF, 0xFF), RGBColor(0xFF, 0x00, 0xFF), RGBColor(0xFF, 0xF7, 0xEF),
    RGBColor(0x7F, 0x7F, 0x7F), RGBColor(0x7F, 0x7F, 0x00), RGBColor(0x00, 0x7F, 0x7F),
    RGBColor(0x7F, 0x00, 0x7F), RGBColor(0x9F, 0x9F, 0x9F),
};

namespace {

// The colour dialog's sixteen custom colours start white, once per run; what
// the user puts there stays for the rest of the run.
void InitCustomColors()
{
    static const bool done = [] {
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, Qt::white);
        return true;
    }();
    Q_UNUSED(done);
}

bool RunColorDialog(TColor &color, QWidget *parent)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = FromQColor(chosen);
    return true;
}

TColorDialogHook &DialogHook()
{
    static TColorDialogHook hook;
    return hook;
}

QString ColorName(TColor color)
{
    const QColor c = ToQColor(color);
    return QCoreApplication::translate("TColorButton", "Colour %1").arg(c.name(QColor::HexRgb).mid(1).toUpper());
}

// One colour of the palette.
class TColorSwatch : public QAbstractButton {
public:
    TColorSwatch(TColor color, bool current, QWidget *parent)
        : QAbstractButton(parent), FColor(color), FCurrent(current)
    {
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(ColorName(color));
        setToolTip(accessibleName());
    }
    TColor Color() const { return FColor; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect r = rect();
        if (hasFocus() || FCurrent) {
            p.fillRect(r, palette().color(QPalette::Highlight));
        }
        const QRect inner = r.adjusted(2, 2, -2, -2);
        p.setPen(palette().color(QPalette::Dark));
        p.setBrush(ToQColor(FColor));
        p.drawRect(inner.adjusted(0, 0, -1, -1));
    }
    void keyPressEvent(QKeyEvent *e) override
    {
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            click();
            return;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            // The palette moves through its grid, not along the sibling order.
            e->ignore();
            return;
        default:
            QAbstractButton::keyPressEvent(e);
        }
    }

private:
    TColor FColor;
    bool FCurrent;
};

constexpr int kColumns = 5;
constexpr int kCell = 20;
constexpr int kMargin = 4;

} // namespace

TColorDialogHook SetColorDialogHook(TColorDialogHook hook)
{
    TColorDialogHook old = std::move(DialogHook());
    DialogHook() = std::move(hook);
    return old;
}

// ---------------------------------------------------------------------------
// TColorButton

TColorButton::TColorButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    InitCustomColors();
    connect(this, &QAbstractButton::clicked, this, &TColorButton::DropDown);
}

void TColorButton::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    update();
    emit OnChange();
}

QSize TColorButton::sizeHint() const { return QSize(48, 22); }

void TColorButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.state |= (isDown() || FPalette) ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p, this);

    // The colour on the left, the drop arrow on the right.
    const int arrowWidth = 12;
    QRect swatch = rect().adjusted(4, 4, -4 - arrowWidth, -4);
    p.setPen(palette().color(isEnabled() ? QPalette::WindowText : QPalette::Mid));
    p.setBrush(isEnabled() ? ToQColor(FColor) : palette().color(QPalette::Button));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(width() - 4 - arrowWidth, 0, arrowWidth, height());
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &p, this);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void TColorButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)) {
        DropDown();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TColorButton::DropDown()
{
    if (FPalette)
        return;
    FPalette = new TColorPalette(FColor, this);
    FPalette->setAttribute(Qt::WA_DeleteOnClose);
    connect(FPalette, &TColorPalette::Picked, this, &TColorButton::SetColor);
    connect(FPalette, &QObject::destroyed, this, [this] {
        FPalette = nullptr;
        update();
    });
    FPalette->move(mapToGlobal(QPoint(0, height())));
    FPalette->show();
    update();
}

// ---------------------------------------------------------------------------
// TColorPalette

TColorPalette::TColorPalette(TColor current, QWidget *owner)
    : QFrame(owner, Qt::Popup), FCurrent(current), FOwner(owner)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAccessibleName(tr("Colours"));
    const int rows = int(ColorPaletteColors.size()) / kColumns;
    QAbstractButton *focus = nullptr;
    for (int i = 0; i < int(ColorPaletteColors.size()); ++i) {
        const TColor c = ColorPaletteColors[i];
        auto *s = new TColorSwatch(c, c == current, this);
        s->setGeometry(kMargin + (i % kColumns) * kCell, kMargin + (i / kColumns) * kCell, kCell, kCell);
        connect(s, &QAbstractButton::clicked, this, [this, c] { Pick(c); });
        FSwatches[i] = s;
        if (c == current && !focus)
            focus = s;
    }
    auto *other = new QPushButton(tr("&Other"), this);
    other->setAutoDefault(false);
    other->setGeometry(kMargin, kMargin + rows * kCell + 3, kColumns * kCell, 24);
    connect(other, &QPushButton::clicked, this, &TColorPalette::Other);
    FOther = other;
    setFixedSize(2 * kMargin + kColumns * kCell, kMargin + rows * kCell + 3 + 24 + kMargin);
    (focus ? focus : FSwatches[0])->setFocus();
}

void TColorPalette::Pick(TColor color)
{
    close();
    emit Picked(color);
}

void TColorPalette::Other()
{
    // The popup goes first: a modal dialog above an open popup would take
    // neither clicks nor keys.
    TColor color = FCurrent;
    QWidget *owner = FOwner;
    TColorDialogHook hook = DialogHook();
    hide();
    const bool chosen = hook ? hook(color, owner) : RunColorDialog(color, owner);
    if (chosen)
        emit Picked(color);
    close();
}

void TColorPalette::keyPressEvent(QKeyEvent *event)
{
    const auto focused = std::find(FSwatches.begin(), FSwatches.end(), focusWidget());
    const int index = focused == FSwatches.end() ? -1 : int(focused - FSwatches.begin());
    const int count = int(FSwatches.size());
    int next = -1;
    switch (event->key()) {
    case Qt::Key_Left: next = index > 0 ? index - 1 : index; break;
    case Qt::Key_Right: next = index >= 0 && index + 1 < count ? index + 1 : index; break;
    case Qt::Key_Up: next = index >= kColumns ? index - kColumns : index; break;
    case Qt::Key_Down:
        if (index >= 0 && index + kColumns < count)
            next = index + kColumns;
        else if (index >= 0) {
            FOther->setFocus();
            return;
        }
        break;
    case Qt::Key_Escape: close(); return;
    default: break;
    }
    if (next >= 0) {
        FSwatches[next]->setFocus();
        return;
    }
    QFrame::keyPressEvent(event);
}
