#pragma once
// The colour button: shows its colour and drops down a palette of twenty
// colours with an "&Other" button that opens the colour dialog.
#include "platform/Colors.h"

#include <QAbstractButton>
#include <QFrame>
#include <array>
#include <functional>

// The palette's colours in their order (red, green, blue as written).
extern const std::array<TColor, 20> ColorPaletteColors;

// Asks the user for a colour starting from `color`; true and the colour in
// `color` when one was chosen. Tests replace it with SetColorDialogHook.
using TColorDialogHook = std::function<bool(TColor &color, QWidget *parent)>;
// Installs a replacement for the colour dialog; an empty hook restores the
// real one. Returns the hook it replaced.
TColorDialogHook SetColorDialogHook(TColorDialogHook hook);

class TColorPalette;

class TColorButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TColorButton(QWidget *parent = nullptr);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    // Opens the palette below the button (a click, Space or Alt+Down does too).
    void DropDown();
    // The palette while it is open, else nullptr.
    TColorPalette *Palette() const { return FPalette; }

    QSize sizeHint() const override;

signals:
    // The user or the program changed the colour.
    void OnChange();

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TColor FColor = clBlack;
    TColorPalette *FPalette = nullptr;
};

// The drop-down: a grid of 5 by 4 colour swatches and "&Other". Arrow keys
// move between the swatches, Enter or Space takes one, Escape closes.
class TColorPalette : public QFrame {
    Q_OBJECT
public:
    TColorPalette(TColor current, QWidget *owner);

    QAbstractButton *Swatch(int index) const { return FSwatches[index]; }
    QAbstractButton *OtherButton() const { return FOther; }

signals:
    void Picked(TColor color);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Pick(TColor color);
    void Other();
    std::array<QAbstractButton *, 20> FSwatches{};
    QAbstractButton *FOther;
    TColor FCurrent;
    QWidget *FOwner;
};
