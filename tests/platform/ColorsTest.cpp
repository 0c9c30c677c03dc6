#include "platform/Colors.h"
#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

TEST(Colors, PlainValuesKeepRedInTheLowByte)
{
    EXPECT_EQ(ToQColor(clNavy), QColor(0, 0, 0x80));
    EXPECT_EQ(ToQColor(11927551), QColor(0xFF, 0xFF, 0xB5));
    EXPECT_EQ(FromQColor(QColor(0xFF, 0, 0)), clRed);
    EXPECT_EQ(ColorToRGB(clTeal), clTeal);
}

TEST(Colors, SystemColoursResolveThroughThePalette)
{
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_FALSE(IsSystemColor(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(ToQColor(clBtnFace), QGuiApplication::palette().color(QPalette::Button));
}
