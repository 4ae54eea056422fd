#pragma once
// Colours as the class library stores them: one 32-bit value $00BBGGRR (red in the low
// byte). The system colours are fixed to the classic grey desktop scheme.
#include <QColor>
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor RGB(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

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
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;

// System colours (fixed values of the classic scheme).
constexpr TColor clBtnFace = 0xC0C0C0;
constexpr TColor clBtnShadow = 0x808080;
constexpr TColor clBtnHighlight = 0xFFFFFF;
constexpr TColor clBtnText = 0x000000;
constexpr TColor cl3DDkShadow = 0x000000;
constexpr TColor cl3DLight = 0xC0C0C0;
constexpr TColor clWindow = 0xFFFFFF;
constexpr TColor clWindowText = 0x000000;
constexpr TColor clWindowFrame = 0x000000;
constexpr TColor clHighlight = 0x800000;
constexpr TColor clHighlightText = 0xFFFFFF;
constexpr TColor clGrayText = 0x808080;
constexpr TColor clInfoBk = 0xE1FFFF;
constexpr TColor clInfoText = 0x000000;
constexpr TColor clActiveCaption = 0x800000;
constexpr TColor clCaptionText = 0xFFFFFF;
constexpr TColor clMenu = 0xC0C0C0;
constexpr TColor clMenuText = 0x000000;
constexpr TColor clScrollBar = 0xC0C0C0;
constexpr TColor clAppWorkSpace = 0x808080;
constexpr TColor clBackground = 0x808000;

// "No colour" (a transparent fill, no transparent colour set) and "the default colour".
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// Conversions done in one place. clNone converts to a transparent QColor.
QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);
// A 32-bit image pixel (0xAARRGGBB) and back; alpha is ignored / set opaque.
constexpr TColor FromQRgb(std::uint32_t argb) {
  return RGB(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
             static_cast<int>(argb & 0xFF));
}
// How far apart two colours stand to the eye: the ratio of their relative luminances (each
// plus 0.05), 1 for equal colours up to 21 for black and white.
double ContrastRatio(TColor a, TColor b);
// The one of black and white that stands further from color: the outline that makes a text of
// color read on any ground.
TColor OutlineColorFor(TColor color);

constexpr std::uint32_t ToQRgb(TColor c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(c)) << 8) | static_cast<std::uint32_t>(GetBValue(c));
}
