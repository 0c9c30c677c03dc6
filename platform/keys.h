#pragma once
// Key codes as the settings file and the key handlers know them: 16-bit virtual key
// codes (space 32, Esc 27, 0-9 48-57, A-Z 65-90, F1 112 ...) and the 16-bit key
// shortcut that packs a code with its modifiers (Shift 0x2000, Ctrl 0x4000,
// Alt 0x8000). Qt's keys and modifiers are translated here and nowhere else.
#include <QKeyCombination>
#include <QString>
#include <Qt>
#include <cstdint>

class QKeyEvent;

// Virtual key codes the program names.
enum : uint16_t {
    VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
    VK_PAUSE = 19, VK_CAPITAL = 20, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34,
    VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
    VK_SNAPSHOT = 44, VK_INSERT = 45, VK_DELETE = 46, VK_LWIN = 91, VK_APPS = 93,
    VK_NUMPAD0 = 96, VK_MULTIPLY = 106, VK_ADD = 107, VK_SEPARATOR = 108, VK_SUBTRACT = 109,
    VK_DECIMAL = 110, VK_DIVIDE = 111, VK_F1 = 112, VK_F24 = 135, VK_NUMLOCK = 144,
    VK_SCROLL = 145
};

// The modifier set of a key event or a shortcut.
enum TShiftFlag : uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = uint8_t;

constexpr uint16_t scShift = 0x2000;
constexpr uint16_t scCtrl = 0x4000;
constexpr uint16_t scAlt = 0x8000;
constexpr uint16_t scKeyMask = 0x1FFF;

// A Qt key (with the modifiers of its event, which tell keypad keys apart) to its
// virtual key code; 0 for a key that has none.
uint16_t QtKeyToVirtualKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The virtual key code of a key event: from Qt's key, or failing that from the
// window system's own virtual key when it is a plain letter or digit.
uint16_t VirtualKeyOf(const QKeyEvent &event);
// A virtual key code to the Qt key that produces it; Qt::Key_unknown when none.
int VirtualKeyToQtKey(uint16_t vk);

TShiftState ShiftStateFromModifiers(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers ModifiersFromShiftState(TShiftState shift);
// The modifiers held down at this moment.
TShiftState KeyboardShiftState();

// Packing and unpacking of the 16-bit shortcut.
uint16_t ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(uint16_t shortCut, uint16_t &key, TShiftState &shift);
QKeyCombination ShortCutToKeyCombination(uint16_t shortCut);
uint16_t KeyCombinationToShortCut(QKeyCombination combination);
// "Ctrl+N", "Shift+Alt+F5", "Space"; empty for 0.
QString ShortCutToText(uint16_t shortCut);
