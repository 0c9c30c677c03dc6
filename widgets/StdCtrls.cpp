#include "widgets/StdCtrls.h"

#include "platform/keys.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------------------
// TFontComboBox

namespace {

const QStringList &InstalledFamilies()
{
    // The font database does not change while the program runs; listing it
    // once keeps reopening the dialog cheap.
    static const QStringList families = [] {
        QStringList list;
        for (const QString &family : QFontDatabase::families())
            if (!QFontDatabase::isPrivateFamily(family))
                list << family;
        list.sort(Qt::CaseInsensitive);
        return list;
    }();
    return families;
}

} // namespace

TFontComboBox::TFontComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(12);
    addItems(InstalledFamilies());
}

void TFontComboBox::SetFontName(const QString &name)
{
    int index = findText(name, Qt::MatchFixedString);
    if (index < 0) {
        index = 0;
        while (index < count() && itemText(index).compare(name, Qt::CaseInsensitive) < 0)
            ++index;
        insertItem(index, name);
    }
    setCurrentIndex(index);
}

// ---------------------------------------------------------------------------
// TSpinEdit

TSpinEdit::TSpinEdit(QWidget *parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setWrapping(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lineEdit()->setText(QStringLiteral("0"));
    connect(lineEdit(), &QLineEdit::textChanged, this, &TSpinEdit::OnChange);
}

int TSpinEdit::Clamp(long long value) const
{
    return int(std::clamp<long long>(value, FMinValue, FMaxValue));
}

void TSpinEdit::SetRange(int minValue, int maxValue)
{
    FMinValue = minValue;
    FMaxValue = std::max(minValue, maxValue);
    SetValue(Value());
}

int TSpinEdit::Value() const
{
    const QString t = text().trimmed();
    bool ok = false;
    const long long whole = t.toLongLong(&ok);
    if (ok)
        return Clamp(whole);
    const double real = t.toDouble(&ok);
    if (ok && std::isfinite(real))
        return Clamp((long long)std::clamp(std::trunc(real), -9e18, 9e18));
    return FMinValue;
}

void TSpinEdit::SetValue(int value)
{
    const QString t = QString::number(Clamp(value));
    if (lineEdit()->text() != t)
        lineEdit()->setText(t);
}

void TSpinEdit::stepBy(int steps)
{
    SetValue(Clamp((long long)Value() + (long long)steps * FIncrement));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    StepEnabled e = StepNone;
    if (isReadOnly())
        return e;
    const int v = Value();
    if (v < FMaxValue)
        e |= StepUpEnabled;
    if (v > FMinValue)
        e |= StepDownEnabled;
    return e;
}

QValidator::State TSpinEdit::validate(QString &, int &) const
{
    // Anything may be typed; what is not a number counts as the minimum.
    return QValidator::Acceptable;
}

void TSpinEdit::fixup(QString &input) const { input = QString::number(Value()); }

void TSpinEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        const long long step = event->key() == Qt::Key_PageUp ? FPageIncrement : -FPageIncrement;
        SetValue(Clamp(Value() + step));
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent *event)
{
    // Leaving the box shows the value the text counts as.
    SetValue(Value());
    QAbstractSpinBox::focusOutEvent(event);
}

// ---------------------------------------------------------------------------
// TTrackBar

TTrackBar::TTrackBar(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    connect(this, &QSlider::valueChanged, this, &TTrackBar::OnChange);
}

// ---------------------------------------------------------------------------
// THotKey

THotKey::THotKey(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    ShowValue();
}

void THotKey::SetHotKey(uint16_t shortCut)
{
    const bool changed = shortCut != FHotKey;
    FHotKey = shortCut;
    ShowValue();
    if (changed)
        emit OnChange();
}

void THotKey::ShowValue()
{
    setText(FHotKey == 0 ? tr("None") : ShortCutToText(FHotKey));
}

namespace {

uint16_t CombinationOf(TShiftState shift)
{
    static const uint16_t table[8] = {
        hcNone, hcShift, hcAlt, hcShiftAlt, hcCtrl, hcShiftCtrl, hcCtrlAlt, hcShiftCtrlAlt
    };
    return table[(shift & ssShift ? 1 : 0) | (shift & ssAlt ? 2 : 0) | (shift & ssCtrl ? 4 : 0)];
}

bool IsModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
        || key == Qt::Key_AltGr;
}

} // namespace

void THotKey::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !(mods & (Qt::ControlModifier | Qt::AltModifier)))
        || ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) && mods == Qt::NoModifier)) {
        event->ignore();
        return;
    }
    event->accept();
    if (IsModifierKey(key)) {
        // While only modifiers are held the entry shows them, as a start.
        const uint16_t held = ShortCut(0, ShiftStateFromModifiers(mods));
        QString t;
        if (held & scShift)
            t += QCoreApplication::translate("Keys", "Shift+");
        if (held & scCtrl)
            t += QCoreApplication::translate("Keys", "Ctrl+");
        if (held & scAlt)
            t += QCoreApplication::translate("Keys", "Alt+");
        setText(t.isEmpty() ? tr("None") : t);
        return;
    }
    if ((key == Qt::Key_Backspace || key == Qt::Key_Delete) && mods == Qt::NoModifier) {
        SetHotKey(0);
        return;
    }
    const uint16_t vk = VirtualKeyOf(*event);
    if (vk == 0)
        return;
    uint16_t shortCut = ShortCut(vk, ShiftStateFromModifiers(mods));
    if (FInvalidKeys & CombinationOf(ShiftStateFromModifiers(mods)))
        shortCut |= FModifiers & (scShift | scCtrl | scAlt);
    SetHotKey(shortCut);
}

void THotKey::keyReleaseEvent(QKeyEvent *event)
{
    if (IsModifierKey(event->key()))
        ShowValue();
    event->accept();
}

void THotKey::focusOutEvent(QFocusEvent *event)
{
    ShowValue();
    QLineEdit::focusOutEvent(event);
}

void THotKey::contextMenuEvent(QContextMenuEvent *event) { event->accept(); }
