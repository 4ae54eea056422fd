#include "demos/stacks/PkgForm.h"

#include <algorithm>

#include "demos/stacks/PkgMsgForm.h"
#include "framework/drawkit/BesidePlace.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Errors.h"
#include "framework/engine/Globals.h"

namespace {

// The label positions were drawn for a window a quarter larger than this one's design size
// (500 x 424 against 400 x 339); the labels follow the window in proportion, like every
// container of it, so the piles keep their room on any screen.
constexpr QSize kLabelSpace{500, 424};
// In that space: the upper row of labels, and the lower row, which stands directly on the
// stack display (its top lies at 280).
constexpr int kUpperRow = 128;
constexpr int kLowerRow = 246;
constexpr int kLabelHeight = 30;
constexpr int kItemLabelWidth = 40;
constexpr int kWeightLabelWidth = 25;

TZqStaticText* NewLabel(QWidget* parent, const QString& caption) {
  auto* label = new TZqStaticText(parent);
  label->SetTransparent(false);
  label->Color = clBtnFace;
  const TFont font{.Name = QStringLiteral("宋体"), .Height = -16, .Color = clBlack};
  label->SetFont(font);
  label->SetCaption(caption);
  return label;
}

}  // namespace

const TPkgPositions& PkgPositionTable(int count) {
  static const TPkgPositions table[TPkgForm::MaxItems + 1] = {
      {{}, {110, 320}},
      {{}, {110, 320}},
      {{}, {50, 215, 380}},
      {{}, {20, 140, 260, 380}},
      {{50, 215}, {50, 215, 380}},
      {{10, 155, 300}, {50, 200, 380}},
      {{10, 140, 270}, {10, 140, 270, 380}},
      {{10, 110, 210, 310}, {50, 150, 250, 390}},
      {{10, 100, 190, 280}, {10, 100, 190, 280, 380}},
  };
  return table[std::clamp(count, 1, TPkgForm::MaxItems)];
}

int TPkgPositions::X(int index) const {
  return InUpperRow(index) ? Upper[static_cast<std::size_t>(index - 1)]
                           : Lower[static_cast<std::size_t>(index - 1) - Upper.size()];
}

TPkgForm::TPkgForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("背包问题演示"));
  SetDesignClientSize(400, 339);
  StackBox = Place(new TStackBox(this), 0, 224, 400, 112);
  StackBox->setObjectName(QStringLiteral("StackBox"));
  StackBox->SetLook({.Color = clNavy,
                     .ColCount = 2,
                     .RowCount = 5,
                     .NodeColor = clTeal,
                     .NodeFont = {.Name = QStringLiteral("楷体_GB2312"), .Height = -23, .Color = clYellow},
                     .PointerColor = clNavy,
                     .PointerFont = {.Name = QStringLiteral("Arial"), .Height = -19, .Color = clYellow},
                     .Title = QStringLiteral("          背包堆栈      "),
                     .TitleColor = clBlue,
                     .ShowAnimate = true});

  // FormCreate
  background_ = LoadPicture(QStringLiteral("PkgBack.bmp"));
  for (int d = 0; d <= 9; ++d) {
    blockPictures_[d] = LoadPicture(QStringLiteral("PkgBmp%1.bmp").arg(d));
    if (blockPictures_[d]) blockPictures_[d]->Transparent = true;
  }
  cells_.fill(NoCell);
  LayoutBlocks();
}

TPkgForm::~TPkgForm() = default;

void TPkgForm::FreeLabels() {
  for (int i = 1; i <= MaxItems + 1; ++i) {
    delete itemLabels_[i];
    delete weightLabels_[i];
    itemLabels_[i] = weightLabels_[i] = nullptr;
  }
}

void TPkgForm::SetupItems(int count, const std::array<int, 10>& weights) {
  count = std::clamp(count, 1, MaxItems);
  setUpdatesEnabled(false);  // rebuilt out of sight
  itemCount_ = count;
  Sizes = weights;
  Levels.fill(0);
  for (int i = 1; i <= count; ++i) Levels[i] = Sizes[i];
  const int volume = Sizes[count + 1];
  for (int k = 1; k <= MaxCells; ++k) cells_[k] = k <= volume ? EmptyCell : NoCell;

  FreeLabels();
  for (int i = 1; i <= count + 1; ++i) {
    itemLabels_[i] = NewLabel(this, i <= count ? QStringLiteral("W%1=").arg(i) : QStringLiteral("T ="));
    weightLabels_[i] = NewLabel(this, QString::number(Sizes[i]));
    itemLabels_[i]->setObjectName(QStringLiteral("ItemLabel%1").arg(i));
    weightLabels_[i]->setObjectName(QStringLiteral("WeightLabel%1").arg(i));
  }
  LayoutLabels();
  active_ = true;
  LayoutBlocks();
  setUpdatesEnabled(true);
  Invalidate();
}

void TPkgForm::LayoutLabels() {
  const TPkgPositions& table = PkgPositionTable(itemCount_);
  for (int i = 1; i <= itemCount_ + 1; ++i) {
    if (!itemLabels_[i]) continue;
    const int x = table.X(i);
    const int y = table.InUpperRow(i) ? kUpperRow : kLowerRow;
    itemLabels_[i]->SetDesignBounds(x, y, kItemLabelWidth, kLabelHeight, kLabelSpace);
    weightLabels_[i]->SetDesignBounds(x + kItemLabelWidth, y, kWeightLabelWidth, kLabelHeight, kLabelSpace);
    for (TZqStaticText* label : {itemLabels_[i], weightLabels_[i]}) {
      label->Rescale(width(), height());
      label->show();
    }
  }
}

void TPkgForm::LayoutBlocks() {
  unitSize_ = std::max(1, std::min(StackBox->y() / 14, width() / 20));
}

TRect TPkgForm::BlockRect(int item, int block) const {
  const TZqStaticText* label = itemLabels_[item];
  if (!label) return {};
  const int u = unitSize_;
  return Bounds(label->x() + ((block - 1) % 3) * u, label->y() - u - ((block - 1) / 3) * u, u, u);
}

TRect TPkgForm::CellRect(int k) const {
  const TZqStaticText* label = itemLabels_[itemCount_ + 1];
  if (!label) return {};
  const int u = unitSize_;
  return Bounds(label->x() + ((k - 1) % 4) * u, label->y() - u - ((k - 1) / 4) * u, u, u);
}

QString TPkgForm::ItemNote(int item) { return item >= 1 && item <= MaxItems ? QStringLiteral("W%1").arg(item) : QString(); }

std::vector<TDrawnShape> TPkgForm::DrawingShapes() const {
  if (!active_) return {};
  std::vector<TDrawnShape> out;
  for (int k = 1; k <= MaxCells; ++k) {
    if (cells_[k] == NoCell) continue;
    TDrawnShape cell = TDrawnShape::NodeAt(CellRect(k).ToQRect(), QString()).Noted(ItemNote(cells_[k]));
    if (CellStandsFor) cell = cell.StandingFor({.Value = [stands = CellStandsFor, k] { return stands(k); }, .Part = TValueMeaning::InNote});
    out.push_back(cell);
  }
  for (int i = 1; i <= itemCount_ && LabelStandsFor; ++i) {
    const TZqStaticText* label = itemLabels_[i];
    if (label == nullptr || label->isHidden()) continue;
    out.push_back(TDrawnShape::CellAt(label->geometry(), label->Caption())
                      .Noted(PackedNote(label->Color == clGreen))
                      .StandingFor({.Value = [stands = LabelStandsFor, i] { return stands(i); }, .Part = TValueMeaning::InNote}));
  }
  for (int i = 1; i <= itemCount_; ++i)
    for (int j = 1; j <= Levels[i]; ++j) {
      TDrawnShape block = TDrawnShape::NodeAt(BlockRect(i, j).ToQRect(), QString()).Noted(ItemNote(i));
      if (PileStandsFor)
        block = block.StandingFor({.Value = [stands = PileStandsFor, i] { return stands(i); }, .Part = TValueMeaning::InNote});
      out.push_back(block);
    }
  return out;
}

void TPkgForm::SetCell(int k, int picture) {
  if (k < 1 || k > MaxCells) throw ERangeError(QStringLiteral("knapsack cell %1 out of range").arg(k));
  cells_[k] = picture;
}

int TPkgForm::Cell(int k) const { return k >= 1 && k <= MaxCells ? cells_[k] : NoCell; }

void TPkgForm::EmptyCells(int from, int to) {
  for (int k = from; k <= to; ++k) SetCell(k, k <= Volume() ? EmptyCell : NoCell);
}

// ---------------------------------------------------------------- drawing

const TBitmap& TPkgForm::StretchedBackground() {
  if (stretched_.Width() != width() || stretched_.Height() != height()) {
    stretched_.SetSize(width(), height());
    if (background_) {
      stretched_.Canvas().StretchDraw(ClientRect(), *background_);
    } else {
      stretched_.Canvas().Brush.Color = clNavy;
      stretched_.Canvas().FillRect(ClientRect());
    }
  }
  return stretched_;
}

void TPkgForm::DrawBlock(TCanvas& canvas, const TRect& r, int picture, bool overflow) const {
  if (picture < 0 || picture > 9 || r.IsEmpty()) return;
  if (const TBitmap* pic = blockPictures_[picture].get()) {
    canvas.StretchDraw(r, *pic);
  } else {
    canvas.Brush.Color = clSilver;
    canvas.FillRect(InflateRect(r, -1, -1));
  }
  if (overflow) {
    // The part of an item that sticks out over the knapsack's top: it does not fit.
    canvas.Brush.Color = clRed;
    canvas.FrameRect(r);
    canvas.FrameRect(InflateRect(r, -1, -1));
  }
}

void TPkgForm::FormPaint() {
  if (!active_) {
    TGraphForm::FormPaint();
    return;
  }
  TBitmap off(width(), height());
  off.Canvas().Draw(0, 0, StretchedBackground());
  const int volume = Volume();
  for (int k = 1; k <= MaxCells; ++k) DrawBlock(off.Canvas(), CellRect(k), cells_[k], k > volume);
  for (int i = 1; i <= itemCount_; ++i)
    for (int j = 1; j <= Levels[i]; ++j) DrawBlock(off.Canvas(), BlockRect(i, j), i, false);
  Canvas().Draw(0, 0, off);
}

void TPkgForm::FormResize() {
  RescaleContents();
  LayoutBlocks();
  if (CurrentDemo) CurrentDemo->ShowGraph();
  Update();
}

void TPkgForm::RedrawRect(const TRect& r, int picture, bool overflow) {
  if (r.IsEmpty() || !active_) return;
  Canvas().CopyRect(r, StretchedBackground().Canvas(), r);
  DrawBlock(Canvas(), r, picture, overflow);
}

void TPkgForm::TakeBlock(int item, int block) {
  RedrawRect(BlockRect(item, block), block <= Levels[item] ? item : NoCell, false);
}

void TPkgForm::DrawKnapsackCell(int k) { RedrawRect(CellRect(k), Cell(k), k > Volume()); }

void TPkgForm::RestorePile(int item) {
  for (int j = 1; j <= MaxWeight; ++j) TakeBlock(item, j);
}

void TPkgForm::ClearKnapsackCells(int from, int to) {
  for (int k = from; k <= to; ++k) DrawKnapsackCell(k);
}

// ---------------------------------------------------------------- a solution

void TPkgForm::ShowPacking() {
  for (int i = 1; i <= itemCount_; ++i) {
    if (Levels[i] != 0) continue;
    itemLabels_[i]->Color = clGreen;
    itemLabels_[i]->SetFontColor(clYellow);
    itemLabels_[i]->Repaint();
  }
  TPkgMsgForm msg;
  // Beside the drawing: the packed items stay in view.
  PlaceBeside(msg, *this);
  msg.ShowModal();
  for (int i = 1; i <= itemCount_; ++i) {
    itemLabels_[i]->Color = clBtnFace;
    itemLabels_[i]->SetFontColor(clBlack);
    itemLabels_[i]->Repaint();
  }
}
