#pragma once
// The plain dialog controls of the configuration dialog: the font-name combo
// box, the numeric spin edit, the track bar and the hot-key entry (framed
// panels are TPGPanel, picture/PGImage.h). Each keeps the value its dialog
// stores and applies a change at once.
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <cstdint>

// Lists the installed font families. A name asked for that is not installed
// (a settings file written elsewhere) is added to the list as it stands, so
// it is shown and comes back unchanged; the font system substitutes it when
// text is drawn.
class TFontComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TFontComboBox(QWidget *parent = nullptr);
    QString FontName() const { return currentText(); }
    void SetFontName(const QString &name);
};

// A whole-number entry with up and down arrows. Text that is not a number
// counts as the minimum; a value with a fraction is cut toward zero; every
// value is kept between the minimum and the maximum.
class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget *parent = nullptr);

    int MinValue() const { return FMinValue; }
    int MaxValue() const { return FMaxValue; }
    void SetRange(int minValue, int maxValue);
    int Increment() const { return FIncrement; }
    void SetIncrement(int step) { FIncrement = step; }
    int PageIncrement() const { return FPageIncrement; }
    void SetPageIncrement(int step) { FPageIncrement = step; }

    // The value the text stands for, within the range.
    int Value() const;
    void SetValue(int value);

    void stepBy(int steps) override;

signals:
    void OnChange();

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int Clamp(long long value) const;
    int FMinValue = 0;
    int FMaxValue = 100;
    int FIncrement = 1;
    int FPageIncrement = 10;
};

// A horizontal track bar; the position is kept within its range.
class TTrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TTrackBar(QWidget *parent = nullptr);
    int Position() const { return value(); }
    void SetPosition(int position) { setValue(position); }

signals:
    void OnChange();
};

// Which modifier combinations the hot-key entry refuses as they are.
enum THKComb : uint16_t {
    hcNone = 1, hcShift = 2, hcCtrl = 4, hcAlt = 8, hcShiftCtrl = 16, hcShiftAlt = 32,
    hcCtrlAlt = 64, hcShiftCtrlAlt = 128
};

// Takes one key with its modifiers as the 16-bit shortcut (key code in bits
// 0-12, Shift 0x2000, Ctrl 0x4000, Alt 0x8000). A combination listed in
// InvalidKeys gets the replacement Modifiers added; with no replacement it is
// kept as typed. Backspace and Delete clear it to 0 ("None"); Tab, Enter and
// Escape keep their dialog meaning.
class THotKey : public QLineEdit {
    Q_OBJECT
public:
    explicit THotKey(QWidget *parent = nullptr);

    uint16_t HotKey() const { return FHotKey; }
    void SetHotKey(uint16_t shortCut);
    uint16_t InvalidKeys() const { return FInvalidKeys; }
    void SetInvalidKeys(uint16_t combinations) { FInvalidKeys = combinations; }
    // Shift 0x2000, Ctrl 0x4000, Alt 0x8000 as in the shortcut.
    uint16_t Modifiers() const { return FModifiers; }
    void SetModifiers(uint16_t modifiers) { FModifiers = modifiers; }

signals:
    void OnChange();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void ShowValue();
    uint16_t FHotKey = 0;
    uint16_t FInvalidKeys = 0;
    uint16_t FModifiers = 0;
};
