#include "demos/search/NOSTFrm.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "demos/search/BsTreeClass.h"
#include "demos/trees/TreeBase.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"

namespace {

// Rounding of the drawing: to the nearest whole number, halves to the even neighbour.
int R(double v) { return static_cast<int>(std::lrint(v)); }

enum { kI, kJ, kLow, kHigh };

// Where a marker's tab stands in the quarters of its column: low, i, j, high from the left.
int QuarterOf(int kind) {
  constexpr int quarters[] = {1, 2, 0, 3};
  return quarters[kind];
}

// The markers' labels (the em in pixels): readable on the largest screen, and as tall as the
// band above the keys allows.
constexpr int kLabelHeight = 16;
constexpr int kLeastLabel = 13;

}  // namespace

int NostMoveFrames(int current, int target, int count) {
  return std::abs(R((target - current) * 150.0 / (count + 5)));
}

TNOSTForm::TNOSTForm(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("NOSTForm"));
  SetCaption(QStringLiteral("构造次优查找树"));
  SetDesignClientSize(569, 458);
  Canvas().Font = TFont{.Name = QStringLiteral("Times New Roman"), .Height = -15};

  Tree = Place(new TNOSTTree(this), 0, 128, 569, 329);
  Tree->setObjectName(QStringLiteral("Tree"));
  Tree->MaxDepth = 4;
  Tree->LineColor = clBlack;
  Tree->PointerSize = 32;
  // T on a node made between two others (J under I, beside H) stands under it.
  Tree->RoomForPointersBelow = true;

  Pointer = new TPointer2(Tree);
  Pointer->setObjectName(QStringLiteral("Pointer"));
  Pointer->setGeometry(184, 40, 33, 33);
  Pointer->SetCaption(QStringLiteral("T"));
  Pointer->SetColor(clBlue);
  Pointer->SetBorderColor(clWhite);
  Pointer->SetFontColor(clBlue);
  Pointer->KeepInside = true;
  Pointer->hide();
}

int TNOSTTree::ColumnOf(const TBinCharTreeNode& node) const {
  const int key = node.Value() - 64;
  return key >= 1 && key <= Count ? key : PendingColumn;
}

int TNOSTTree::ComputeLayout() {
  // As large as a column pair and a level allow, and never below the kit's size.
  const double column = width() / static_cast<double>(Count + 5);
  const int levels = std::max(MaxDepth, 1);
  const int level = (height() - PointerBand() - BottomMargin()) / levels;
  return std::max(TBinCharTree::ComputeLayout(), std::min(R(column * 1.6), level * 3 / 4));
}

void TNOSTTree::Arrange() {
  if (Root()) {
    const double column = width() / static_cast<double>(Count + 5);
    const int band = PointerBand();
    const int size = ComputeLayout();
    const int levels = std::max(MaxDepth, 1);
    // The last level keeps a quarter of a node clear of the bottom edge, and the room of a
    // pointer standing under a node there.
    const int below = std::max(size / 4, BottomMargin());
    const int step = levels > 1 ? (height() - band - size - below) / (levels - 1) : 0;
    Root()->ForEach([&](TTreeNodeBase& base) {
      auto& node = static_cast<TBinCharTreeNode&>(base);
      const int level = std::clamp(node.stair, 1, levels);
      node.setGeometry(R(column * (ColumnOf(node) + 3.5)) - size / 2, band + (level - 1) * step, size, size);
      return true;
    });
  }
  NameNodes();
  PlacePointers();
  Invalidate();
}

void TNOSTTree::PlacePointers() { SpreadPointers(*this); }

void TNOSTForm::HideMarkers() {
  SetMark(MarkI, -1);
  SetMark(MarkJ, -1);
  SetMark(MarkLow, -1);
  SetMark(MarkHigh, -1);
  MarkMin = -1;
}

double TNOSTForm::CellWidth() const { return width() / static_cast<double>(Count + 5); }

int TNOSTForm::FontHeight() const { return std::min(R(CellWidth() * 2 / 3), 33); }

int TNOSTForm::KeyTop() const { return (50 - FontHeight()) / 2 + 20; }

void TNOSTForm::FormResize() {
  TGraphForm::FormResize();
  Repaint();
}

namespace {
const QString kMinHead = QStringLiteral("min=");
const QString kMinGap = QStringLiteral("        ");
const QString kFormula = QStringLiteral("(sw[h]-sw[j])-(sw[j-1]-sw[l-1])=");
constexpr int kMinTop = 140;
constexpr int kWeightTop = 80;
constexpr int kSumTop = 110;
}  // namespace

TNOSTForm::TMinLine TNOSTForm::MinLine() const {
  TMinLine line;
  line.X = R(CellWidth());
  line.Font = TFont{.Name = QStringLiteral("Times New Roman"), .Height = R(FontHeight() * 0.8)};
  // The line with its largest numbers (no side exceeds the sum of the weights) stays inside
  // the window: a large font (few keys) is written smaller where it would run past the edge.
  int total = 0;
  for (int k = 1; k <= Count; ++k) total += Weights[k];
  const QString most = QString::number(total);
  const QString diff = most + QLatin1Char('-') + most + QStringLiteral("=-") + most;
  line.Font = FitFont(line.Font, {kMinHead + kMinGap + kFormula + diff, kMinHead + most + QLatin1Char(' ') + kFormula + diff},
                      width() - line.X - 4, kAnyHeight, 6);
  line.NumberX = line.X + line.Font.TextWidth(kMinHead);
  line.FormulaX = line.NumberX + std::max(line.Font.TextWidth(kMinGap), line.Font.TextWidth(most + QLatin1Char(' ')));
  line.DiffX = line.FormulaX + line.Font.TextWidth(kFormula);
  return line;
}

QString TNOSTForm::DiffText() const {
  const int h = MarkHigh.Index, l = MarkLow.Index, j = MarkJ.Index;
  if (h <= 0 || l <= 0 || j <= 0) return {};
  const int a = SW[h] - SW[j];
  const int b = SW[j - 1] - SW[l - 1];
  return QString::number(a) + QLatin1Char('-') + QString::number(b) + QLatin1Char('=') + QString::number(a - b);
}

QRect TNOSTForm::NumberBox(int k, int y) const {
  const double cw = CellWidth();
  const TFont font{.Name = QStringLiteral("Times New Roman"), .Height = FontHeight()};
  return QRect(QPoint(R(cw * (k + 3)), y), QPoint(R(cw * (k + 4)) - 1, y + font.TextHeight(QStringLiteral("0")) - 1));
}

void TNOSTForm::FormPaint() {
  TGraphForm::FormPaint();
  if (Count <= 0) return;
  TCanvas& c = Canvas();
  const double cw = CellWidth();
  const int fh = FontHeight();
  c.SetBkMode(TRANSPARENT);
  c.Font.Height = fh;
  c.Font.Color = TColor(0xFF0000);
  const int x0 = R(cw);
  c.TextOut(x0, KeyTop(), QStringLiteral("关键字:"));
  c.TextOut(x0, kWeightTop, QStringLiteral("权值:"));
  c.TextOut(x0, kSumTop, QStringLiteral("累计权值:"));
  const TMinLine line = MinLine();
  c.Font = line.Font;
  c.Font.Color = TColor(0xFF0000);
  // Written in two pieces, so that the minimum stands in the gap between them, not over one.
  c.TextOut(line.X, kMinTop, kMinHead);
  c.TextOut(line.FormulaX, kMinTop, kFormula);
  c.Font.Color = clBlack;
  if (MarkMin > 0) c.TextOut(line.NumberX, kMinTop, QString::number(MarkMin));
  if (const QString diff = DiffText(); !diff.isEmpty()) c.TextOut(line.DiffX, kMinTop, diff);
  // Each number centred under its key; one wider than its column is written smaller, so
  // that neighbouring numbers do not run together.
  const auto underKey = [&](int k, int y, const QString& text) {
    c.Font.Height = fh;
    const int full = c.TextHeight(text);
    c.Font = FitFont(c.Font, {text}, cw - 4, kAnyHeight, 6);
    c.TextOut(R(cw * (k + 3.5) - c.TextWidth(text) / 2.0), y + full - c.TextHeight(text), text);
  };
  for (int k = 1; k <= Count; ++k) {
    underKey(k, kWeightTop, QString::number(Weights[k]));
    underKey(k, kSumTop, QString::number(SW[k]));
  }
  c.Font.Height = fh;
  DrawSqList();
}

void TNOSTForm::DrawSqList() {
  if (Count <= 0) return;
  TCanvas& c = Canvas();
  const double cw = CellWidth();
  c.SetBkMode(TRANSPARENT);
  c.Font.Height = FontHeight();
  c.Font.Color = clBlack;
  // The band of the markers' tabs, cleared of the tabs of a marker on its way.
  CopyBackdrop(c, *this, TRect{0, 0, width(), KeyCell(1).top()}, Color);
  for (int k = 1; k <= Count; ++k) {
    c.Pen = TPen{.Color = clWhite, .Width = 1};
    c.Brush = TBrush{.Color = TColor(0x008000)};
    const QRect cell = KeyCell(k);
    c.Rectangle(cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1);
    const QString key(QChar::fromLatin1(Keys[k]));
    c.TextOut(R(cw * (k + 3.5) - c.TextWidth(key) / 2.0), KeyTop(), key);
  }
  DrawMarker(MarkI, kI);
  DrawMarker(MarkJ, kJ);
  DrawMarker(MarkLow, kLow);
  DrawMarker(MarkHigh, kHigh);
}

void TNOSTForm::DrawMarker(const TMarker& marker, int kind) {
  if (marker.Index < 0) return;
  TCanvas& c = Canvas();
  const QRect frame = MarkerFrame(marker);
  c.Pen = TPen{.Color = clRed, .Width = 3};
  c.Brush = TBrush{.Style = bsClear};
  c.Rectangle(frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1);
  // The cell's letter, just drawn by DrawSqList, shows inside the frame as it is. The label
  // stands on a red tab sitting on the frame's top edge, above the key, never over it.
  const QRect tab = MarkerTab(marker, kind);
  c.Pen = TPen{.Color = clWhite, .Width = 1};
  c.Brush = TBrush{.Color = clRed};
  c.Rectangle(tab.left(), tab.top(), tab.right() + 1, tab.bottom() + 1);
  const TFont letters = c.Font;
  c.Font = LabelFont();
  c.Font.Color = TColor(0x00FFFF);
  const QString label = MarkerLabel(marker, kind);
  c.TextOut(tab.left() + (tab.width() - c.TextWidth(label)) / 2, tab.top() + (tab.height() - c.TextHeight(label)) / 2,
            label);
  c.Font = letters;
}

TFont TNOSTForm::LabelFont() const {
  // As large as a quarter of a column holds "<" or ">", down to the least a screen reads.
  TFont font{.Name = QStringLiteral("Times New Roman"), .Height = -kLabelHeight, .Style = fsBold};
  const int room = static_cast<int>(CellWidth() / 4) - 2;
  while (-font.Height > kLeastLabel &&
         std::max(font.TextWidth(QStringLiteral("<")), font.TextWidth(QStringLiteral(">"))) > room)
    ++font.Height;
  return font;
}

QString TNOSTForm::MarkerLabel(const TMarker& marker, int kind) {
  switch (kind) {
    case kI: return QStringLiteral("i");
    case kJ: return QStringLiteral("j");
    case kLow: return marker.Index == 0 ? QStringLiteral("low") : QStringLiteral("<");
    default: return marker.Index == 0 ? QStringLiteral("high") : QStringLiteral(">");
  }
}

QRect TNOSTForm::MarkerTab(const TMarker& marker, int kind) const {
  // Each marker its own quarter of the column (low, i, j, high from the left), so that the
  // tabs of markers on one key stand side by side; a moving low or high, written out in
  // full, as wide as its word.
  const double cw = CellWidth();
  const double m = marker.Index == 0 ? marker.Pos : marker.Index;
  const double quarter = cw / 4;
  const double left = cw * (m + 3) + quarter * QuarterOf(kind);
  const int top = 1, bottom = KeyCell(1).top() - 1;
  const QString label = MarkerLabel(marker, kind);
  const int wide = LabelFont().TextWidth(label) + 4;
  if (marker.Index != 0 || wide <= R(quarter)) return QRect(QPoint(R(left), top), QPoint(R(left + quarter) - 1, bottom));
  const int middle = R(left + quarter / 2);
  return QRect(QPoint(middle - wide / 2, top), QSize(wide, bottom - top + 1));
}

QRect TNOSTForm::KeyCell(int k) const {
  const double cw = CellWidth();
  return QRect(QPoint(R(cw * (k + 3)), 20), QPoint(R(cw * (k + 4)) - 1, 69));
}

QRect TNOSTForm::MarkerFrame(const TMarker& marker) const {
  const double cw = CellWidth();
  const double m = marker.Index == 0 ? marker.Pos : marker.Index;
  return QRect(QPoint(R(cw * (m + 3)) + 1, 21), QPoint(R(cw * (m + 4)) - 2, 68));
}

std::vector<TDrawnShape> TNOSTForm::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  const auto standing = [this](TDrawnShape shape, TValueRow row, int k) {
    if (CellStands) shape.Stands = CellStands(row, k);
    return shape;
  };
  for (int k = 1; k <= Count; ++k)
    out.push_back(standing(TDrawnShape::NodeAt(KeyCell(k), QString(QChar::fromLatin1(Keys[k]))), KeyRow, k));
  for (int k = 1; k <= Count; ++k) {
    out.push_back(standing(TDrawnShape::CellAt(NumberBox(k, kWeightTop), QString::number(Weights[k])), WeightRow, k));
    out.push_back(standing(TDrawnShape::CellAt(NumberBox(k, kSumTop), QString::number(SW[k])), SumRow, k));
  }
  const TMinLine line = MinLine();
  const int lineHeight = line.Font.TextHeight(kFormula);
  if (MarkMin > 0) {
    const QString min = QString::number(MarkMin);
    TDrawnShape cell = TDrawnShape::CellAt(QRect(line.NumberX, kMinTop, line.Font.TextWidth(min), lineHeight), min);
    cell.Stands = MinStands;
    out.push_back(cell);
  }
  if (const QString diff = DiffText(); !diff.isEmpty()) {
    TDrawnShape cell = TDrawnShape::CellAt(QRect(line.DiffX, kMinTop, line.Font.TextWidth(diff), lineHeight), diff);
    cell.Stands = DiffStands;
    out.push_back(cell);
  }
  // A marker frames the key it stands at, its tab (the head) above it, touching its top edge;
  // one on its way between two keys points at neither.
  const std::pair<const TMarker*, const char*> markers[] = {
      {&MarkI, "i"}, {&MarkJ, "j"}, {&MarkLow, "low"}, {&MarkHigh, "high"}};
  const int kinds[] = {kI, kJ, kLow, kHigh};
  for (int n = 0; n < 4; ++n) {
    const auto& [marker, name] = markers[n];
    if (marker->Index < 0) continue;
    const QRect tab = MarkerTab(*marker, kinds[n]);
    const int cell = marker->Index >= 1 && marker->Index <= Count ? marker->Index - 1 : -1;
    out.push_back(TDrawnShape::MarkOn({cell >= 0 ? this : nullptr, cell}, tab,
                                      QPoint(tab.center().x(), tab.bottom() + 1), MarkerLabel(*marker, kinds[n]))
                      .Meaning({.Of = QString::fromLatin1(name)}));
  }
  return out;
}

void TNOSTForm::MoveMark(TMarker& marker, int target) {
  if (marker.Index == target) return;
  const int current = marker.Index;
  const int frames = NostMoveFrames(current, target, Count);
  if (frames > 0) {
    // Over a distance too short for one frame the marker simply lands.
    const double step = (target - current) / static_cast<double>(frames);
    marker.Pos = current;
    marker.Index = 0;
    for (int f = 0; f < frames; ++f) {
      marker.Pos += step;
      pacing::Sleep((100 - RunSpeed) / 2 + 10);
      DrawSqList();
      Update();
    }
  }
  SetMark(marker, target);
  Repaint();
}
