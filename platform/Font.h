#pragma once
// Fonts as the class library describes them, mapped onto the fonts installed here.
// Height < 0: character height in pixels (the em); Height > 0: cell height in pixels
// (ascent + descent); 0: the default size. Text is always drawn without antialiasing.
#include <QFont>
#include <QSize>
#include <QString>

#include "platform/Color.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;  // fsBold | fsItalic ...

enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont {
 public:
  QString Name = QStringLiteral("MS Sans Serif");
  int Height = -11;
  TFontStyles Style = 0;
  TFontPitch Pitch = fpDefault;
  TColor Color = clWindowText;

  // Size in points at 96 dots per inch: Height = -Size * 96 / 72 (rounded).
  int Size() const;
  void SetSize(int points);

  bool HasStyle(TFontStyle s) const { return (Style & s) != 0; }

  QFont ToQFont() const;

  // Extent of a text in this font: width = advance, height = ascent + descent.
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;
  QSize TextExtent(const QString& text) const;
  int Ascent() const;
  int Descent() const;

  friend bool operator==(const TFont&, const TFont&) = default;
};

// The installed family that stands in for a font name of the program ("宋体", "Arial",
// "Fixedsys"...); unknown names give a default family with CJK glyphs.
QString SubstituteFamily(const QString& name);

// Lets the program's Chinese faces be drawn unhinted (called once, before any text is drawn).
// They carry no hinting instructions, so FreeType would auto-hint them, and the auto-hinter
// first measures about a hundred reference characters of each face: megabytes of font file
// read and milliseconds spent before the first caption shows, for glyphs that look the same
// at the sizes the program draws.
void DrawChineseFacesUnhinted();
