#pragma once
// The 32-bit colour value the settings file and every component use: red in
// bits 0-7, green in 8-15, blue in 16-23. Plain colours have a zero top byte;
// a top byte of 0x80 marks a system colour whose low byte is its index.
#include <QColor>
#include <cstdint>

using TColor = int32_t;

constexpr TColor RGBColor(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours: 0x80000000 | index.
constexpr TColor clScrollBar = TColor(0x80000000u | 0);
constexpr TColor clBackground = TColor(0x80000000u | 1);
constexpr TColor clActiveCaption = TColor(0x80000000u | 2);
constexpr TColor clInactiveCaption = TColor(0x80000000u | 3);
constexpr TColor clMenu = TColor(0x80000000u | 4);
constexpr TColor clWindow = TColor(0x80000000u | 5);
constexpr TColor clWindowFrame = TColor(0x80000000u | 6);
constexpr TColor clMenuText = TColor(0x80000000u | 7);
constexpr TColor clWindowText = TColor(0x80000000u | 8);
constexpr TColor clCaptionText = TColor(0x80000000u | 9);
constexpr TColor clActiveBorder = TColor(0x80000000u | 10);
constexpr TColor clInactiveBorder = TColor(0x80000000u | 11);
constexpr TColor clAppWorkSpace = TColor(0x80000000u | 12);
constexpr TColor clHighlight = TColor(0x80000000u | 13);
constexpr TColor clHighlightText = TColor(0x80000000u | 14);
constexpr TColor clBtnFace = TColor(0x80000000u | 15);
constexpr TColor clBtnShadow = TColor(0x80000000u | 16);
constexpr TColor clGrayText = TColor(0x80000000u | 17);
constexpr TColor clBtnText = TColor(0x80000000u | 18);
constexpr TColor clInactiveCaptionText = TColor(0x80000000u | 19);
constexpr TColor clBtnHighlight = TColor(0x80000000u | 20);
constexpr TColor cl3DDkShadow = TColor(0x80000000u | 21);
constexpr TColor cl3DLight = TColor(0x80000000u | 22);
constexpr TColor clInfoText = TColor(0x80000000u | 23);
constexpr TColor clInfoBk = TColor(0x80000000u | 24);

constexpr bool IsSystemColor(TColor c) { return (uint32_t(c) & 0xFF000000u) == 0x80000000u; }

// A system colour resolved to its plain RGB value through the application
// palette; plain colours come back unchanged.
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor &color);
