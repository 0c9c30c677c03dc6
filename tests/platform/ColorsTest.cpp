#include "platform/Colors.h"
#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

TEST(Colors, PlainValuesKeepRedInTheLowByte)
{
    EXPECT_EQ(ToQColor(clNavy), QColor(0, 0, 0x80));
    EXPECT_EQ(ToQColor(11927551), QColor(0xFF, 0xFF, 0xB5));
    EXPECT_EQ(ToQColor(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(FromQColor(QColor(0xFF, 0, 0)), 255);
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_EQ(ToQColor(clNone).alpha(), 0);
}

TEST(Colors, SystemColoursFollowTheApplicationPalette)
{
    const QPalette saved = QGuiApplication::palette();
    QPalette p(saved);
    p.setColor(QPalette::Button, QColor(0x10, 0x20, 0x30));
    p.setColor(QPalette::Dark, QColor(0x40, 0x50, 0x60));
    p.setColor(QPalette::Light, QColor(0x70, 0x80, 0x90));
    p.setColor(QPalette::ButtonText, QColor(0xA0, 0xB0, 0xC0));
    QGuiApplication::setPalette(p);

    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_EQ(ColorToRGB(clBtnFace), 0x302010);
    EXPECT_EQ(ColorToRGB(clBtnShadow), 0x605040);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), 0x908070);
    EXPECT_EQ(ToQColor(clBtnText), QColor(0xA0, 0xB0, 0xC0));

    QGuiApplication::setPalette(saved);
}
