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
#include "platform/Forms.h"
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

// The markers' labels (the em in pixels): readable on the largest screen.
constexpr int kLabelHeight = 16;

}  // namespace

int NostMoveFrames(int current, int target, int count) {
  return std::abs(R((target - current) * 150.0 / (count + 5)));
}

TNOSTForm::TNOSTForm(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("NOSTForm"));
  SetCaption(QStringLiteral("构造次优查找树"));
  SetDesignClientSize(569, 458);
  Canvas().Font = TFont{.Name = QStringLiteral("Times New Roman"), .Height = -15};

  auto* tree = new TNOSTTree(this);
  tree->Columns = [this] {
    const TTable t = Table();
    return std::pair(t.Left, t.Column);
  };
  Tree = Place(tree, 0, 128, 569, 329);
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
  const double column = Columns().second;
  const int levels = std::max(MaxDepth, 1);
  const int level = (height() - PointerBand() - BottomMargin()) / levels;
  return std::max(TBinCharTree::ComputeLayout(), std::min(R(column * 1.6), level * 3 / 4));
}

void TNOSTTree::Arrange() {
  if (Root()) {
    const auto [left, column] = Columns();
    const int band = PointerBand();
    const int size = ComputeLayout();
    const int levels = std::max(MaxDepth, 1);
    // The last level keeps a quarter of a node clear of the bottom edge, and the room of a
    // pointer standing under a node there.
    const int below = std::max(size / 4, BottomMargin());
    const int step = levels > 1 ? std::max(height() - band - size - below, 0) / (levels - 1) : 0;
    Root()->ForEach([&](TTreeNodeBase& base) {
      auto& node = static_cast<TBinCharTreeNode&>(base);
      const int level = std::clamp(node.stair, 1, levels);
      // A node wider than its column stays inside the panel at either end of the table.
      const int x = std::clamp(R(left + column * (ColumnOf(node) - 0.5)) - size / 2, 0, std::max(width() - size, 0));
      node.setGeometry(x, band + (level - 1) * step, size, size);
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

namespace {
const QString kMinHead = QStringLiteral("min=");
const QString kMinGap = QStringLiteral("        ");
const QString kFormula = QStringLiteral("(sw[h]-sw[j])-(sw[j-1]-sw[l-1])=");
const QString kLongestLabel = QStringLiteral("累计权值:");
constexpr int kDesignHeight = 458;
TFont Times(int height) { return TFont{.Name = QStringLiteral("Times New Roman"), .Height = height}; }
}  // namespace

TNOSTForm::TTable TNOSTForm::Table() const {
  int total = 0;
  for (int k = 1; k <= Count; ++k) total += Weights[k];
  const TTableFit fit{size(), Count, total, LegiblePixels()};
  if (!table_ || table_->first != fit) table_ = std::pair(fit, MeasureTable(total));
  return table_->second;
}

TNOSTForm::TTable TNOSTForm::MeasureTable(int total) const {
  TTable t;
  t.Total = total;
  const int n = std::max(Count, 1);
  const int least = LegiblePixels();
  const int widest = Times(-least).TextWidth(QString::number(std::max(total, 1))) + 4;
  t.Column = width() / static_cast<double>(n + 5);
  t.Left = t.Column * 4;
  t.LabelX = R(t.Column);
  t.Font = std::min(R(t.Column * 2 / 3), 33);
  t.LabelFont = Times(t.Font);
  if (t.Column < widest || t.LabelFont.TextWidth(kLongestLabel) > R(t.Left) - t.LabelX - 4) {
    t.LabelFont = Times(-least);
    t.LabelX = 4;
    t.Left = t.LabelX + t.LabelFont.TextWidth(kLongestLabel) + 6;
    t.Column = std::max(width() - t.Left - 4, 1.0) / n;
    t.Font = std::min(R(t.Column * 2 / 3), 33);
  }
  const TFont quarter = TabFont(t.Column / 4);
  t.TabsBelow = std::max(quarter.TextWidth(QStringLiteral("<")), quarter.TextWidth(QStringLiteral(">"))) >
                static_cast<int>(t.Column / 4) - 2;
  t.TabHeight = TabFont(t).TextHeight(QStringLiteral("<"));
  t.KeyTop = std::max(20, t.TabHeight + 1);
  // A window lower than the design pulls the rows together, as far as their texts allow.
  const double r = std::min(1.0, height() / static_cast<double>(kDesignHeight));
  const int text = Times(t.Font).TextHeight(QStringLiteral("0"));
  t.KeyHeight = std::max(R(50 * r), text + 6);
  const int pitch = std::max(R(30 * r), R(text * 0.8) + 4);
  t.WeightTop = t.KeyTop + t.KeyHeight + (t.TabsBelow ? t.TabHeight + 2 : std::max(R(10 * r), 4));
  t.SumTop = t.WeightTop + pitch;
  t.MinTop = t.SumTop + pitch;
  // The line with its largest numbers (no side exceeds the sum of the weights) stays inside
  // the window: a large font (few keys) is written smaller where it would run past the edge.
  const QString most = QString::number(total);
  const QString diff = most + QLatin1Char('-') + most + QStringLiteral("=-") + most;
  t.MinFont = FitFont(Times(R(t.Font * 0.8)),
                      {kMinHead + kMinGap + kFormula + diff, kMinHead + most + QLatin1Char(' ') + kFormula + diff},
                      width() - t.LabelX - 4, kAnyHeight, 6);
  t.Bottom = t.MinTop + t.MinFont.TextHeight(kFormula) + 4;
  return t;
}

void TNOSTForm::PlaceTree() {
  const TTable t = Table();
  Tree->setGeometry(0, t.Bottom, width(), std::max(height() - t.Bottom, 1));
  Tree->Arrange();
}

void TNOSTForm::FormResize() {
  TGraphForm::FormResize();
  PlaceTree();
  Repaint();
}

TNOSTForm::TMinLine TNOSTForm::MinLine(const TTable& t) const {
  TMinLine line;
  line.X = t.LabelX;
  line.Font = t.MinFont;
  const QString most = QString::number(t.Total);
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

QRect TNOSTForm::NumberBox(const TTable& t, int k, int y) const {
  return QRect(QPoint(R(t.Left + t.Column * (k - 1)), y),
               QPoint(R(t.Left + t.Column * k) - 1, y + Times(t.Font).TextHeight(QStringLiteral("0")) - 1));
}

void TNOSTForm::FormPaint() {
  TGraphForm::FormPaint();
  if (Count <= 0) return;
  TCanvas& c = Canvas();
  const TTable t = Table();
  c.SetBkMode(TRANSPARENT);
  c.Font = t.LabelFont;
  c.Font.Color = TColor(0xFF0000);
  c.TextOut(t.LabelX, t.KeyTop + (t.KeyHeight - c.TextHeight(QStringLiteral("关"))) / 2, QStringLiteral("关键字:"));
  c.TextOut(t.LabelX, t.WeightTop, QStringLiteral("权值:"));
  c.TextOut(t.LabelX, t.SumTop, kLongestLabel);
  const TMinLine line = MinLine(t);
  c.Font = line.Font;
  c.Font.Color = TColor(0xFF0000);
  // Written in two pieces, so that the minimum stands in the gap between them, not over one.
  c.TextOut(line.X, t.MinTop, kMinHead);
  c.TextOut(line.FormulaX, t.MinTop, kFormula);
  c.Font.Color = clBlack;
  if (MarkMin > 0) c.TextOut(line.NumberX, t.MinTop, QString::number(MarkMin));
  if (const QString diff = DiffText(); !diff.isEmpty()) c.TextOut(line.DiffX, t.MinTop, diff);
  // Each number centred under its key; one wider than its column is written smaller, so
  // that neighbouring numbers do not run together.
  const auto underKey = [&](int k, int y, const QString& text) {
    c.Font = Times(t.Font);
    const int full = c.TextHeight(text);
    c.Font = FitFont(c.Font, {text}, t.Column - 4, kAnyHeight, 6);
    c.TextOut(R(t.Left + t.Column * (k - 0.5) - c.TextWidth(text) / 2.0), y + full - c.TextHeight(text), text);
  };
  for (int k = 1; k <= Count; ++k) {
    underKey(k, t.WeightTop, QString::number(Weights[k]));
    underKey(k, t.SumTop, QString::number(SW[k]));
  }
  DrawSqList();
}

void TNOSTForm::DrawSqList() {
  if (Count <= 0) return;
  TCanvas& c = Canvas();
  const TTable t = Table();
  c.SetBkMode(TRANSPARENT);
  c.Font = Times(t.Font);
  c.Font.Color = clBlack;
  // The bands of the markers' tabs, cleared of the tabs of a marker on its way.
  CopyBackdrop(c, *this, TRect{0, 0, width(), t.KeyTop}, Color);
  if (t.TabsBelow) CopyBackdrop(c, *this, TRect{0, t.KeyTop + t.KeyHeight, width(), t.WeightTop - 1}, Color);
  for (int k = 1; k <= Count; ++k) {
    c.Pen = TPen{.Color = clWhite, .Width = 1};
    c.Brush = TBrush{.Color = TColor(0x008000)};
    const QRect cell = KeyCell(t, k);
    c.Rectangle(cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1);
    const QString key(QChar::fromLatin1(Keys[k]));
    c.TextOut(R(t.Left + t.Column * (k - 0.5) - c.TextWidth(key) / 2.0), t.KeyTop + (t.KeyHeight - c.TextHeight(key)) / 2,
              key);
  }
  DrawMarker(t, MarkI, kI);
  DrawMarker(t, MarkJ, kJ);
  DrawMarker(t, MarkLow, kLow);
  DrawMarker(t, MarkHigh, kHigh);
}

void TNOSTForm::DrawMarker(const TTable& t, const TMarker& marker, int kind) {
  if (marker.Index < 0) return;
  TCanvas& c = Canvas();
  const QRect frame = MarkerFrame(t, marker);
  c.Pen = TPen{.Color = clRed, .Width = 3};
  c.Brush = TBrush{.Style = bsClear};
  c.Rectangle(frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1);
  // The cell's letter, just drawn by DrawSqList, shows inside the frame as it is. The label
  // stands on a red tab sitting on the frame's edge, above or under the key, never over it.
  const QRect tab = MarkerTab(t, marker, kind);
  c.Pen = TPen{.Color = clWhite, .Width = 1};
  c.Brush = TBrush{.Color = clRed};
  c.Rectangle(tab.left(), tab.top(), tab.right() + 1, tab.bottom() + 1);
  const TFont letters = c.Font;
  c.Font = TabFont(t);
  c.Font.Color = TColor(0x00FFFF);
  // On the tab's red, not on a cell of its own: the tab stays whole under its label.
  c.SetBkMode(TRANSPARENT);
  const QString label = MarkerLabel(marker, kind);
  c.TextOut(tab.left() + (tab.width() - c.TextWidth(label)) / 2, tab.top() + (tab.height() - c.TextHeight(label)) / 2,
            label);
  c.Font = letters;
}

TFont TNOSTForm::TabFont(double room) {
  // As large as the tab's width holds "<" or ">", down to the least a screen reads.
  TFont font{.Name = QStringLiteral("Times New Roman"), .Height = -kLabelHeight, .Style = fsBold};
  const int inside = static_cast<int>(room) - 2;
  while (-font.Height > LegiblePixels() &&
         std::max(font.TextWidth(QStringLiteral("<")), font.TextWidth(QStringLiteral(">"))) > inside)
    ++font.Height;
  return font;
}

TFont TNOSTForm::TabFont(const TTable& t) const { return TabFont(t.Column / (t.TabsBelow ? 2 : 4)); }

QString TNOSTForm::MarkerLabel(const TMarker& marker, int kind) {
  switch (kind) {
    case kI: return QStringLiteral("i");
    case kJ: return QStringLiteral("j");
    case kLow: return marker.Index == 0 ? QStringLiteral("low") : QStringLiteral("<");
    default: return marker.Index == 0 ? QStringLiteral("high") : QStringLiteral(">");
  }
}

QRect TNOSTForm::MarkerTab(const TTable& t, const TMarker& marker, int kind) const {
  // Each marker its own quarter of the column (low, i, j, high from the left), so that the
  // tabs of markers on one key stand side by side; in a narrow column each its own half, i and
  // j above the key, low and high under it. A moving low or high, written out in full, is as
  // wide as its word.
  const double m = marker.Index == 0 ? marker.Pos : marker.Index;
  const double part = t.Column / (t.TabsBelow ? 2 : 4);
  const int place = !t.TabsBelow ? QuarterOf(kind) : (kind == kLow || kind == kI ? 0 : 1);
  const double left = t.Left + t.Column * (m - 1) + part * place;
  const bool below = t.TabsBelow && (kind == kLow || kind == kHigh);
  const int top = below ? t.KeyTop + t.KeyHeight + 1 : 1;
  const int bottom = below ? top + t.TabHeight - 1 : t.KeyTop - 1;
  const QString label = MarkerLabel(marker, kind);
  const int wide = TabFont(t).TextWidth(label) + 4;
  if (marker.Index != 0 || wide <= R(part)) return QRect(QPoint(R(left), top), QPoint(R(left + part) - 1, bottom));
  const int middle = R(left + part / 2);
  return QRect(QPoint(middle - wide / 2, top), QSize(wide, bottom - top + 1));
}

QPoint TNOSTForm::MarkerTip(const TTable& t, const QRect& tab) {
  return tab.top() > t.KeyTop ? QPoint(tab.center().x(), tab.top() - 1) : QPoint(tab.center().x(), tab.bottom() + 1);
}

QRect TNOSTForm::KeyCell(const TTable& t, int k) const {
  return QRect(QPoint(R(t.Left + t.Column * (k - 1)), t.KeyTop), QPoint(R(t.Left + t.Column * k) - 1, t.KeyTop + t.KeyHeight - 1));
}

QRect TNOSTForm::MarkerFrame(const TTable& t, const TMarker& marker) const {
  const double m = marker.Index == 0 ? marker.Pos : marker.Index;
  return QRect(QPoint(R(t.Left + t.Column * (m - 1)) + 1, t.KeyTop + 1),
               QPoint(R(t.Left + t.Column * m) - 2, t.KeyTop + t.KeyHeight - 2));
}

std::vector<TDrawnShape> TNOSTForm::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  const TTable t = Table();
  const auto standing = [this](TDrawnShape shape, TValueRow row, int k) {
    if (CellStands) shape.Stands = CellStands(row, k);
    return shape;
  };
  for (int k = 1; k <= Count; ++k)
    out.push_back(standing(TDrawnShape::NodeAt(KeyCell(t, k), QString(QChar::fromLatin1(Keys[k]))), KeyRow, k));
  for (int k = 1; k <= Count; ++k) {
    out.push_back(standing(TDrawnShape::CellAt(NumberBox(t, k, t.WeightTop), QString::number(Weights[k])), WeightRow, k));
    out.push_back(standing(TDrawnShape::CellAt(NumberBox(t, k, t.SumTop), QString::number(SW[k])), SumRow, k));
  }
  const TMinLine line = MinLine(t);
  const int lineHeight = line.Font.TextHeight(kFormula);
  if (MarkMin > 0) {
    const QString min = QString::number(MarkMin);
    TDrawnShape cell = TDrawnShape::CellAt(QRect(line.NumberX, t.MinTop, line.Font.TextWidth(min), lineHeight), min);
    cell.Stands = MinStands;
    out.push_back(cell);
  }
  if (const QString diff = DiffText(); !diff.isEmpty()) {
    TDrawnShape cell = TDrawnShape::CellAt(QRect(line.DiffX, t.MinTop, line.Font.TextWidth(diff), lineHeight), diff);
    cell.Stands = DiffStands;
    out.push_back(cell);
  }
  // A marker frames the key it stands at, its tab (the head) above or under it, touching its
  // edge; one on its way between two keys points at neither.
  const std::pair<const TMarker*, const char*> markers[] = {
      {&MarkI, "i"}, {&MarkJ, "j"}, {&MarkLow, "low"}, {&MarkHigh, "high"}};
  const int kinds[] = {kI, kJ, kLow, kHigh};
  for (int n = 0; n < 4; ++n) {
    const auto& [marker, name] = markers[n];
    if (marker->Index < 0) continue;
    const QRect tab = MarkerTab(t, *marker, kinds[n]);
    const int cell = marker->Index >= 1 && marker->Index <= Count ? marker->Index - 1 : -1;
    out.push_back(TDrawnShape::MarkOn({cell >= 0 ? this : nullptr, cell}, tab, MarkerTip(t, tab),
                                      MarkerLabel(*marker, kinds[n]))
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
