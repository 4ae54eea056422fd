#pragma once
// The knapsack's drawing window: each item as a pile of blocks above its label "Wi=" and
// weight, the knapsack as a column of T cells above "T =", and under them the stack display
// of the active calls. Putting an item in moves its blocks into the column; returning moves
// them back. Every redraw of a block is immediate.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/Bitmap.h"

class TStackBox;
class TZqStaticText;

// The position table of the items' labels (drawing window) and fields (weights dialog) for
// an item count: the x of items 1 .. count and last of T, upper row first, then the lower row.
struct TPkgPositions {
  std::vector<int> Upper;
  std::vector<int> Lower;
  // Items 1 .. Upper.size() stand in the upper row.
  bool InUpperRow(int index) const { return index <= static_cast<int>(Upper.size()); }
  int X(int index) const;
};
const TPkgPositions& PkgPositionTable(int count);

class TPkgForm : public TGraphForm, public TKitControl {
 public:
  static constexpr int MaxItems = 8;
  static constexpr int MaxWeight = 10;
  static constexpr int MaxVolume = 30;
  // Every cell the column can reach: an item goes in only while the level is below T, and
  // it adds at most MaxWeight cells.
  static constexpr int MaxCells = MaxVolume + MaxWeight - 1;
  // Picture numbers: item i's blocks use picture i, an empty cell of the column picture 9.
  static constexpr int EmptyCell = 9;
  static constexpr int NoCell = -1;

  explicit TPkgForm(QWidget* parent = nullptr);
  ~TPkgForm() override;

  TStackBox* StackBox;

  // Rebuilds the piles for count items (weights[1 .. count]) and an empty column of
  // weights[count + 1] cells.
  void SetupItems(int count, const std::array<int, 10>& weights);
  // Places the labels from the position table for the item count.
  void LayoutLabels();
  // Block size for the present window size.
  void LayoutBlocks();
  // A solution: the packed items' labels turn yellow on green while the message window is
  // open (modal), then back.
  void ShowPacking();

  // Immediate redraws: block j of item i's pile (drawn while j <= Levels[i]), knapsack
  // cell k, a whole pile, and the column's cells from .. to.
  void TakeBlock(int item, int block);
  void DrawKnapsackCell(int k);
  void RestorePile(int item);
  void ClearKnapsackCells(int from, int to);

  // The knapsack cell k (1 .. MaxCells) takes picture (an item, EmptyCell) or is emptied.
  // Above the column's top an emptied cell is no cell at all.
  void SetCell(int k, int picture);
  int Cell(int k) const;
  void EmptyCells(int from, int to);

  int ItemCount() const { return itemCount_; }
  bool Active() const { return active_; }
  int UnitSize() const { return unitSize_; }
  int Volume() const { return Sizes[itemCount_ + 1]; }
  TZqStaticText* ItemLabel(int i) const { return itemLabels_[i]; }
  TZqStaticText* WeightLabel(int i) const { return weightLabels_[i]; }
  // Where block j of item i's pile and knapsack cell k stand (client coordinates).
  TRect BlockRect(int item, int block) const;
  TRect CellRect(int k) const;
  // The blocks left in the piles and the knapsack's cells (empty ones too) as nodes, where
  // FormPaint draws them. A block's picture (no glyphs) says its item, noted "W3"; a cell's
  // the item in it (an empty cell's nothing). Cell k stands for CellStandsFor(k), a block of
  // item i's pile for PileStandsFor(i).
  std::vector<TDrawnShape> DrawingShapes() const override;
  std::function<std::optional<QString>(int k)> CellStandsFor;
  std::function<std::optional<QString>(int item)> PileStandsFor;
  // The items' labels too, as cells noted "packed" while their colours say an item is packed
  // in the solution shown; each stands for LabelStandsFor of its item.
  std::function<std::optional<QString>(int item)> LabelStandsFor;
  static QString PackedNote(bool packed) { return packed ? QStringLiteral("packed") : QString(); }
  // The note of a block or cell showing item (nothing for an empty cell).
  static QString ItemNote(int item);

  // Weights of items 1 .. ItemCount and, at ItemCount + 1, the volume T; Levels hold the
  // blocks left in each pile and, at ItemCount + 1, the cells filled in the knapsack.
  std::array<int, 10> Sizes{};
  std::array<int, 10> Levels{};

 protected:
  void FormPaint() override;
  void FormResize() override;

 private:
  void FreeLabels();
  // The background stretched over the client area, made again when the size changed.
  const TBitmap& StretchedBackground();
  void DrawBlock(TCanvas& canvas, const TRect& r, int picture, bool overflow) const;
  void RedrawRect(const TRect& r, int picture, bool overflow);

  std::unique_ptr<TBitmap> background_;
  std::array<std::unique_ptr<TBitmap>, 10> blockPictures_;
  std::array<TZqStaticText*, 10> itemLabels_{};
  std::array<TZqStaticText*, 10> weightLabels_{};
  std::array<int, MaxCells + 1> cells_{};
  TBitmap stretched_;
  int itemCount_ = 1;
  bool active_ = false;
  int unitSize_ = 25;
};
