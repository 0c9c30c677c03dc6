#include "platform/keys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace {

struct TKeyPair {
    int Qt;
    uint16_t Vk;
};

// Keys whose Qt code differs from the virtual key code. Letters and digits share
// their codes; shifted punctuation is given the code of its key on a US layout,
// which is what the virtual key of that key is.
constexpr TKeyPair KeyTable[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU}, {Qt::Key_AltGr, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE}, {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE}, {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END}, {Qt::Key_Home, VK_HOME}, {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP}, {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Print, VK_SNAPSHOT}, {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Meta, VK_LWIN}, {Qt::Key_Menu, VK_APPS}, {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186}, {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188}, {Qt::Key_Less, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190}, {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191}, {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
};

uint16_t KeypadKey(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return uint16_t(VK_NUMPAD0 + (qtKey - Qt::Key_0));
    switch (qtKey) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    case Qt::Key_Slash: return VK_DIVIDE;
    default: return 0;
    }
}

QString KeyName(uint16_t vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return QString(QChar(vk));
    if (vk >= VK_F1 && vk <= VK_F24)
        return QCoreApplication::translate("Keys", "F%1").arg(vk - VK_F1 + 1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return QCoreApplication::translate("Keys", "Num %1").arg(vk - VK_NUMPAD0);
    switch (vk) {
    case VK_BACK: return QCoreApplication::translate("Keys", "BkSp");
    case VK_TAB: return QCoreApplication::translate("Keys", "Tab");
    case VK_RETURN: return QCoreApplication::translate("Keys", "Enter");
    case VK_ESCAPE: return QCoreApplication::translate("Keys", "Esc");
    case VK_SPACE: return QCoreApplication::translate("Keys", "Space");
    case VK_PRIOR: return QCoreApplication::translate("Keys", "PgUp");
    case VK_NEXT: return QCoreApplication::translate("Keys", "PgDn");
    case VK_END: return QCoreApplication::translate("Keys", "End");
    case VK_HOME: return QCoreApplication::translate("Keys", "Home");
    case VK_LEFT: return QCoreApplication::translate("Keys", "Left");
    case VK_UP: return QCoreApplication::translate("Keys", "Up");
    case VK_RIGHT: return QCoreApplication::translate("Keys", "Right");
    case VK_DOWN: return QCoreApplication::translate("Keys", "Down");
    case VK_INSERT: return QCoreApplication::translate("Keys", "Ins");
    case VK_DELETE: return QCoreApplication::translate("Keys", "Del");
    default: break;
    }
    const int qtKey = VirtualKeyToQtKey(vk);
    if (qtKey != Qt::Key_unknown && qtKey >= 0x20 && qtKey < 0x7F)
        return QString(QChar(qtKey));
    return QStringLiteral("#%1").arg(vk);
}

} // namespace

uint16_t QtKeyToVirtualKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (uint16_t vk = KeypadKey(qtKey))
            return vk;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return uint16_t(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return uint16_t(VK_F1 + (qtKey - Qt::Key_F1));
    for (const TKeyPair &p : KeyTable)
        if (p.Qt == qtKey)
            return p.Vk;
    return 0;
}

uint16_t VirtualKeyOf(const QKeyEvent &event)
{
    if (uint16_t vk = QtKeyToVirtualKey(event.key(), event.modifiers()))
        return vk;
    // Keys Qt does not name (a letter of another layout typed with a modifier, say)
    // still carry the window system's key symbol.
    const quint32 native = event.nativeVirtualKey();
    if (native >= 'a' && native <= 'z')
        return uint16_t(native - 'a' + 'A');
    if ((native >= 'A' && native <= 'Z') || (native >= '0' && native <= '9'))
        return uint16_t(native);
    return 0;
}

int VirtualKeyToQtKey(uint16_t vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return vk;
    if (vk >= VK_F1 && vk <= VK_F24)
        return Qt::Key_F1 + (vk - VK_F1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return Qt::Key_0 + (vk - VK_NUMPAD0);
    switch (vk) {
    case VK_MULTIPLY: return Qt::Key_Asterisk;
    case VK_ADD: return Qt::Key_Plus;
    case VK_SUBTRACT: return Qt::Key_Minus;
    case VK_DECIMAL: return Qt::Key_Period;
    case VK_DIVIDE: return Qt::Key_Slash;
    default: break;
    }
    // The first pair of a code is its unshifted key.
    for (const TKeyPair &p : KeyTable)
        if (p.Vk == vk)
            return p.Qt;
    return Qt::Key_unknown;
}

TShiftState ShiftStateFromModifiers(Qt::KeyboardModifiers modifiers)
{
    TShiftState s = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        s |= ssShift;
    if (modifiers.testFlag(Qt::ControlModifier))
        s |= ssCtrl;
    if (modifiers.testFlag(Qt::AltModifier))
        s |= ssAlt;
    return s;
}

Qt::KeyboardModifiers ModifiersFromShiftState(TShiftState shift)
{
    Qt::KeyboardModifiers m;
    if (shift & ssShift)
        m |= Qt::ShiftModifier;
    if (shift & ssCtrl)
        m |= Qt::ControlModifier;
    if (shift & ssAlt)
        m |= Qt::AltModifier;
    return m;
}

TShiftState KeyboardShiftState()
{
    return ShiftStateFromModifiers(QGuiApplication::queryKeyboardModifiers());
}

uint16_t ShortCut(uint16_t key, TShiftState shift)
{
    uint16_t sc = key & scKeyMask;
    if (shift & ssShift)
        sc |= scShift;
    if (shift & ssCtrl)
        sc |= scCtrl;
    if (shift & ssAlt)
        sc |= scAlt;
    return sc;
}

void ShortCutToKey(uint16_t shortCut, uint16_t &key, TShiftState &shift)
{
    key = shortCut & scKeyMask;
    shift = 0;
    if (shortCut & scShift)
        shift |= ssShift;
    if (shortCut & scCtrl)
        shift |= ssCtrl;
    if (shortCut & scAlt)
        shift |= ssAlt;
}

QKeyCombination ShortCutToKeyCombination(uint16_t shortCut)
{
    uint16_t key;
    TShiftState shift;
    ShortCutToKey(shortCut, key, shift);
    Qt::KeyboardModifiers m = ModifiersFromShiftState(shift);
    if (key >= VK_NUMPAD0 && key <= VK_DIVIDE)
        m |= Qt::KeypadModifier;
    return QKeyCombination(m, Qt::Key(VirtualKeyToQtKey(key)));
}

uint16_t KeyCombinationToShortCut(QKeyCombination combination)
{
    const uint16_t key = QtKeyToVirtualKey(combination.key(), combination.keyboardModifiers());
    if (key == 0)
        return 0;
    return ShortCut(key, ShiftStateFromModifiers(combination.keyboardModifiers()));
}

QString ShortCutToText(uint16_t shortCut)
{
    uint16_t key;
    TShiftState shift;
    ShortCutToKey(shortCut, key, shift);
    if (key == 0)
        return {};
    QString text;
    if (shift & ssShift)
        text += QCoreApplication::translate("Keys", "Shift+");
    if (shift & ssCtrl)
        text += QCoreApplication::translate("Keys", "Ctrl+");
    if (shift & ssAlt)
        text += QCoreApplication::translate("Keys", "Alt+");
    return text + KeyName(key);
}
