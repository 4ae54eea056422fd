#pragma once
// The drawing window of the Towers of Hanoi: the towers on top, and under them the list of
// moves made so far in 32 numbered cells "ResText1" .. "ResText32", four to a row.
#include <array>

#include "framework/drawkit/GraphForm.h"

class THanoiTowers;
class TZqStaticText;

class THanoiGraphForm : public TGraphForm {
 public:
  static constexpr int CellCount = 32;

  explicit THanoiGraphForm(QWidget* parent = nullptr);

  THanoiTowers* Towers;
  TZqStaticText* ZqStaticText2;  // the heading of the move list
  std::array<TZqStaticText*, CellCount> ResText{};  // ResText[0] is "ResText1"
};
