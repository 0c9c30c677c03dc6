#include "platform/keys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

TEST(Keys, LettersDigitsAndNamedKeysHaveTheirVirtualCodes)
{
    for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k)
        EXPECT_EQ(QtKeyToVirtualKey(k), 65 + (k - Qt::Key_A));
    for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
        EXPECT_EQ(QtKeyToVirtualKey(k), 48 + (k - Qt::Key_0));
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Space), 32);
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Escape), 27);
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_F1), 112);
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_F12), 123);
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Return), 13);
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Left), 37);
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Control), 17);
    // Keypad keys are told apart from the main keys by the event's modifier.
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Plus, Qt::KeypadModifier), 107);
    // Shifted punctuation is its key's code: Shift+1 is still key 49.
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_Exclam, Qt::ShiftModifier), 49);
    EXPECT_EQ(QtKeyToVirtualKey(Qt::Key_unknown), 0);
}

TEST(Keys, VirtualCodesRoundTripToQtKeys)
{
    for (uint16_t vk : {uint16_t(8), uint16_t(9), uint16_t(13), uint16_t(27), uint16_t(32), uint16_t(37),
                        uint16_t(46), uint16_t('0'), uint16_t('9'), uint16_t('A'), uint16_t('N'),
                        uint16_t('Z'), uint16_t(112), uint16_t(135), uint16_t(186), uint16_t(222)}) {
        const int qtKey = VirtualKeyToQtKey(vk);
        ASSERT_NE(qtKey, Qt::Key_unknown) << vk;
        EXPECT_EQ(QtKeyToVirtualKey(qtKey), vk) << vk;
    }
    EXPECT_EQ(QtKeyToVirtualKey(VirtualKeyToQtKey(VK_NUMPAD0 + 7), Qt::KeypadModifier), VK_NUMPAD0 + 7);
}

TEST(Keys, ShortcutPacksShiftCtrlAltIntoTheTopBits)
{
    EXPECT_EQ(ShortCut('N', ssCtrl), 0x404E);
    EXPECT_EQ(ShortCut(VK_F1 + 4, ssShift | ssAlt), 0xA000 | 116);
    EXPECT_EQ(ShortCut(VK_SPACE, 0), 32);

    uint16_t key;
    TShiftState shift;
    ShortCutToKey(0xE041, key, shift);
    EXPECT_EQ(key, 'A');
    EXPECT_EQ(shift, ssShift | ssCtrl | ssAlt);
    ShortCutToKey(32, key, shift);
    EXPECT_EQ(key, 32);
    EXPECT_EQ(shift, 0);
    // A code wider than 13 bits cannot spill into the modifier bits.
    EXPECT_EQ(ShortCut(0xFFFF, 0), 0x1FFF);
}

TEST(Keys, ShortcutsConvertToQtCombinationsAndText)
{
    const QKeyCombination ctrlN = ShortCutToKeyCombination(0x404E);
    EXPECT_EQ(ctrlN.key(), Qt::Key_N);
    EXPECT_EQ(ctrlN.keyboardModifiers(), Qt::ControlModifier);
    EXPECT_EQ(KeyCombinationToShortCut(ctrlN), 0x404E);
    EXPECT_EQ(KeyCombinationToShortCut(QKeyCombination(Qt::ShiftModifier | Qt::AltModifier, Qt::Key_F5)),
              0xA000 | 116);

    EXPECT_EQ(ShortCutToText(0x404E), "Ctrl+N");
    EXPECT_EQ(ShortCutToText(32), "Space");
    EXPECT_EQ(ShortCutToText(0xA000 | 116), "Shift+Alt+F5");
    EXPECT_EQ(ShortCutToText(0), "");
}

TEST(Keys, KeypadShortcutsConvertToKeypadCombinationsAndBack)
{
    // Num 0 to Num 9, Num *, Num +, Num -, Num . and Num /, by their virtual codes.
    const struct {
        uint16_t vk;
        Qt::Key key;
    } keypad[] = {{96, Qt::Key_0}, {97, Qt::Key_1}, {98, Qt::Key_2}, {99, Qt::Key_3}, {100, Qt::Key_4},
                  {101, Qt::Key_5}, {102, Qt::Key_6}, {103, Qt::Key_7}, {104, Qt::Key_8}, {105, Qt::Key_9},
                  {106, Qt::Key_Asterisk}, {107, Qt::Key_Plus}, {109, Qt::Key_Minus},
                  {110, Qt::Key_Period}, {111, Qt::Key_Slash}};
    for (const auto &k : keypad) {
        const QKeyCombination plain = ShortCutToKeyCombination(k.vk);
        EXPECT_EQ(plain.key(), k.key) << k.vk;
        EXPECT_EQ(plain.keyboardModifiers(), Qt::KeypadModifier) << k.vk;
        EXPECT_EQ(KeyCombinationToShortCut(plain), k.vk) << k.vk;

        const QKeyCombination ctrl = ShortCutToKeyCombination(uint16_t(0x4000 | k.vk));
        EXPECT_EQ(ctrl.key(), k.key) << k.vk;
        EXPECT_EQ(ctrl.keyboardModifiers(), Qt::KeypadModifier | Qt::ControlModifier) << k.vk;
        EXPECT_EQ(KeyCombinationToShortCut(ctrl), 0x4000 | k.vk) << k.vk;
    }
    // The main keyboard's keys of the same Qt key carry no keypad flag.
    EXPECT_EQ(ShortCutToKeyCombination('5').keyboardModifiers(), Qt::NoModifier);
    EXPECT_EQ(ShortCutToKeyCombination(189).keyboardModifiers(), Qt::NoModifier);
    EXPECT_EQ(ShortCutToText(103), "Num 7");
}

TEST(Keys, KeyEventsGiveCodeAndModifiers)
{
    QKeyEvent ctrlN(QEvent::KeyRelease, Qt::Key_N, Qt::ControlModifier, QStringLiteral("n"));
    EXPECT_EQ(VirtualKeyOf(ctrlN), 'N');
    EXPECT_EQ(ShiftStateFromModifiers(ctrlN.modifiers()), ssCtrl);
    EXPECT_EQ(ShiftStateFromModifiers(Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier), ssShift | ssAlt);
    EXPECT_EQ(ModifiersFromShiftState(ssShift | ssCtrl), Qt::ShiftModifier | Qt::ControlModifier);
}
