#pragma once
// A colour theme: the backdrop picture of a demonstration and the colours of the three
// levels of pane title bars, of the algorithm text and of the variable view. The themes
// are held by the text holder (TProcSrcContainer) and read-only while the program runs.
#include <QString>
#include <array>
#include <utility>

#include "platform/Color.h"

class TZqThemes {
 public:
  // Property indexes of the colours, in the order of the properties.
  enum Index {
    Title1BackColor = 1,
    Title1ButtonColor,
    Title1TextColor,
    Title2BackColor,
    Title2ButtonColor,
    Title2TextColor,
    Title3BackColor,
    Title3ButtonColor,
    Title3TextColor,
    AlgoSrcColor,
    VarNameColor,
    VarValueColor,
    ModifiedValueColor,
    VarTitleColor,
  };

  // The colours of a fresh theme: titles teal/red/white, aqua/red/blue, yellow/red/green;
  // black text, blue names, green values, red modified values, black titles.
  explicit TZqThemes(const QString& name = QString());

  const QString& Name() const { return name_; }
  // Picture file name without extension, in the image folder.
  QString BackBitmapName;

  // Indexed access 1 .. 14 (Index); another index raises ERangeError.
  TColor GetColor(int index) const;
  void SetColor(int index, TColor color);

  // Title-bar colours of a level 1 .. 3; another level raises ERangeError.
  TColor TitleBackColor(int level) const;
  TColor TitleButtonColor(int level) const;
  TColor TitleTextColor(int level) const;

  TColor AlgoSrc() const { return GetColor(AlgoSrcColor); }
  TColor VarName() const { return GetColor(VarNameColor); }
  TColor VarValue() const { return GetColor(VarValueColor); }
  TColor ModifiedValue() const { return GetColor(ModifiedValueColor); }
  TColor VarTitle() const { return GetColor(VarTitleColor); }

  // Reads "Key=Value" lines (see docs/architecture.md); throws Exception on a bad line.
  void ReadSettings(const QString& content);
  // Colour names ("clTeal") and "$00BBGGRR" values as the theme files write them.
  static bool ParseColor(const QString& text, TColor& color);
  // The property name of an index ("Title2TextColor").
  static QString PropertyName(int index);

 private:
  static int LevelSlot(int level, const char* what);
  // The colour of property index 1 .. 14; another index raises ERangeError.
  const TColor& Slot(int index) const;
  TColor& Slot(int index) { return const_cast<TColor&>(std::as_const(*this).Slot(index)); }

  QString name_;
  std::array<TColor, 3> titleBack_;
  std::array<TColor, 3> titleButton_;
  std::array<TColor, 3> titleText_;
  std::array<TColor, 5> textColors_;  // AlgoSrc .. VarTitle
};
