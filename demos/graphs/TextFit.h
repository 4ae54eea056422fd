#pragma once
// How the graph kit sizes its texts: the largest font at which every text fits the room its
// box or field gives it. Widths are measured once at a large size and scaled, so fitting
// costs a few measurements, not a search.
#include <QString>
#include <limits>
#include <utility>
#include <vector>

#include "platform/Font.h"

class TTextFit {
 public:
  // Fits texts of font's name and style (its height is ignored).
  explicit TTextFit(const TFont& font);

  // text must fit width pixels, less a pixel on each side.
  void Width(const QString& text, int width);
  // Capitals and digits at most height pixels high (the cell above and below them is not
  // counted: the texts fitted are numbers and letters).
  void CapHeight(int height);
  // The fitted em height in pixels, at least least; font with that height.
  int Em(int least = 2) const;
  TFont Font(int least = 2) const;

  // The height of capitals and digits of font, for centring them in a box.
  static int CapHeightOf(const TFont& font);

 private:
  bool Fits(int em) const;

  TFont probe_;
  double em_ = std::numeric_limits<double>::infinity();
  // The widths asked for, checked again at the size found: small sizes do not scale exactly.
  std::vector<std::pair<QString, int>> widths_;
};
