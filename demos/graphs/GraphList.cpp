#include "demos/graphs/GraphList.h"

#include "demos/graphs/TextFit.h"

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"

namespace {
// A box's outline is a line and its shade beside it.
constexpr int LineWidth = 2;
}  // namespace

TGraphList::TGraphList(QWidget* parent) : TNodeContainer(parent) {}

std::size_t TGraphList::Slot(int i) {
  if (i < 0 || i > TGraphm::MaxVertices) throw ERangeError();
  return static_cast<std::size_t>(i);
}

void TGraphList::SetGraph(TGraphm* graph) {
  graph_ = graph;
  Invalidate();
}

void TGraphList::SetWeighted(bool on) {
  weighted_ = on;
  Invalidate();
}

void TGraphList::SetColor(int index, TColor color) {
  switch (index) {
    case 1: groundColor_ = color; break;
    case 2: frwColor_ = color; break;
    case 3: topColor_ = color; break;
    case 4: textColor_ = color; break;
    case 5: focusColor_ = color; break;
    default: return;
  }
  Invalidate();
}

void TGraphList::Highlight(int row, int vertex, bool on) {
  if (row < 1 || vertex < 1) throw ERangeError();
  focus_[Slot(row)][Slot(vertex)] = on;
  Invalidate();
}

void TGraphList::ClearHighlights() {
  for (auto& row : focus_) row.fill(false);
  Invalidate();
}

void TGraphList::Arrange() {
  if (graph_ == nullptr || graph_->VertexCount() < 1) return;
  const int n = graph_->VertexCount();
  maxOut_ = 0;
  for (int v = 1; v <= n; ++v) maxOut_ = std::max(maxOut_, graph_->OutDegree(v));
  columnWidth_ = width() / (maxOut_ + 1);
  // The rows share the whole height but a margin, and the boxes fill most of a row, so that
  // ten vertices in a low panel still get letters one can read (never smaller than rows of
  // height / (n + 1) with boxes half a row and 4 px high).
  constexpr int Margin = 3;
  rowHeight_ = std::max(height() / (n + 1), (height() - 2 * Margin) / n);
  // Boxes at least 16 px high where the rows allow: 10 px letters clear of the double lines.
  constexpr int LeastBox = 10 + 2 * (LineWidth + 1);
  boxHeight_ = std::max(1, std::min(rowHeight_ - 2, std::max({rowHeight_ / 2 + 4, rowHeight_ * 4 / 5, LeastBox})));
  // Half a column wide; up to three quarters where the texts would be hard to read otherwise.
  constexpr int Legible = 13;
  boxWidth_ = columnWidth_ / 2;
  fontHeight_ = FittedFont(boxWidth_);
  // Wider, down to an arrow of a dozen pixels between the boxes, where the texts need it, and
  // of eight where they need it still (a full network in a window made smaller).
  for (const int wide : {columnWidth_ * 3 / 4, columnWidth_ - std::max(12, columnWidth_ / 6),
                         columnWidth_ - std::max(8, columnWidth_ / 8)}) {
    if (fontHeight_ >= Legible) break;
    if (wide <= boxWidth_) continue;
    if (const int fitted = FittedFont(wide); fitted > fontHeight_) {
      boxWidth_ = wide;
      fontHeight_ = fitted;
    }
  }
  const int top = rowHeight_ * n <= height() - 2 * Margin ? Margin : 0;
  // A quarter column in, less where a wide box with its shade would pass the last column.
  const int left = std::max(0, std::min(columnWidth_ / 4, columnWidth_ - boxWidth_ - 2));
  for (int i = 1; i <= n; ++i)
    for (int k = 0; k <= maxOut_ && k < TGraphm::MaxVertices; ++k)
      cell_[Slot(i)][Slot(k)] = QPoint(k * columnWidth_ + left,
                                       top + (i - 1) * rowHeight_ + (rowHeight_ - boxHeight_) / 2);
}

int TGraphList::HeightFor(int em) const {
  if (graph_ == nullptr) return 0;
  // A pixel to spare: the fit rounds the em it finds down.
  TFont font;
  font.Height = -(em + 1);
  // Capitals clear of the double lines and two thirds of the box at most (FittedFont), the
  // boxes four fifths of their rows and two pixels lower at least (Arrange), a margin above
  // and below.
  const int cap = TTextFit::CapHeightOf(font);
  const int box = std::max(cap + 2 * (LineWidth + 1), (cap * 3 + 1) / 2);
  return graph_->VertexCount() * std::max(box + 2, (box * 5 + 3) / 4) + 6;
}

TFont TGraphList::TextFont() const {
  TFont font;
  font.Height = -fontHeight_;
  return font;
}

std::pair<int, int> TGraphList::FieldEdges(int boxWidth, bool arcNode) const {
  if (!arcNode || !weighted_ || graph_ == nullptr) return {boxWidth * 2 / 3, boxWidth * 2 / 3};
  // The link field keeps a sixth (a third of the data fields' room when both hold one digit);
  // the vertex and the weight share the rest by their widest numbers, so that a network's
  // three-digit weights get the room they need.
  const int n = graph_->VertexCount();
  int vertexDigits = 1;
  int weightDigits = 1;
  for (int v = 1; v <= n; ++v)
    for (int w = 1; w <= n; ++w)
      if (graph_->IsArc(v, w)) {
        vertexDigits = std::max<int>(vertexDigits, QString::number(w).size());
        weightDigits = std::max<int>(weightDigits, QString::number(graph_->Weight(v, w)).size());
      }
  const int data = boxWidth - std::max(boxWidth / 6, std::min(boxWidth / 3, 8));
  return {data * (vertexDigits + 1) / (vertexDigits + weightDigits + 2), data};
}

std::vector<TGraphList::TFieldText> TGraphList::NodeTexts(int row, int column, int vertex) const {
  const int w = boxWidth_;
  if (column == 0) return {{VertexLetter(vertex), 0, w * 2 / 3}};
  if (!weighted_) return {{QString::number(vertex), 0, w * 2 / 3}};
  const auto [split, link] = FieldEdges(w, true);
  return {{QString::number(vertex), 0, split}, {QString::number(graph_->Weight(row, vertex)), split, link}};
}

int TGraphList::FittedFont(int boxWidth) const {
  TTextFit fit{TFont{}};
  // Clear of the double lines above and below, with a pixel to spare on each side.
  fit.CapHeight(std::min(boxHeight_ * 2 / 3, boxHeight_ - 2 * (LineWidth + 1)));
  const int n = graph_->VertexCount();
  const auto [split, link] = FieldEdges(boxWidth, true);
  const int dataField = weighted_ ? split : boxWidth * 2 / 3;
  for (int v = 1; v <= n; ++v) {
    // A head letter keeps clear of the lines round it by their width again: the head nodes
    // stand in a frame of their own, and a letter close by both reads against their colour.
    fit.Width(VertexLetter(v), boxWidth * 2 / 3 - 2 * LineWidth);
    fit.Width(QString::number(v), dataField);
    for (int w = 1; weighted_ && w <= n; ++w)
      if (graph_->IsArc(v, w)) fit.Width(QString::number(graph_->Weight(v, w)), link - split);
  }
  return fit.Em();
}

void TGraphList::Paint() {
  if (graph_ == nullptr || graph_->VertexCount() < 1) return;
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect());
  Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
  Arrange();
  const int n = graph_->VertexCount();
  for (int i = 1; i <= n; ++i) {
    DrawNode(i, 0, i);
    int k = 1;
    for (int j = 1; j <= n; ++j)
      if (graph_->IsArc(i, j)) DrawNode(i, k++, j);
  }
  const QPoint top = Cell(1, 0);
  const QPoint bottom = Cell(n, 0);
  const std::array<TPoint, 5> column{TPoint{top.x(), top.y()}, TPoint{top.x() + boxWidth_, top.y()},
                                     TPoint{top.x() + boxWidth_, bottom.y() + boxHeight_},
                                     TPoint{top.x(), bottom.y() + boxHeight_}, TPoint{top.x(), top.y()}};
  DrawPolyline3D(c, column, RGB(0, 0, 255), clBtnShadow);
}

QRect TGraphList::NodeBox(int row, int column) const {
  // The outline runs along x .. x + width and its shade a pixel beyond.
  return {Cell(row, column), QSize(boxWidth_ + 2, boxHeight_ + 2)};
}

QLine TGraphList::ArrowInto(int row, int column) const {
  const QPoint at = Cell(row, column);
  const int previousLink = FieldEdges(boxWidth_, column > 1).second;
  return {at.x() - columnWidth_ + (previousLink + boxWidth_) / 2, at.y() + boxHeight_ / 2, at.x(), at.y() + boxHeight_ / 2};
}

std::vector<TDrawnShape> TGraphList::DrawingShapes() const {
  if (graph_ == nullptr || graph_->VertexCount() < 1 || boxWidth_ <= 0) return {};
  std::vector<TDrawnShape> out;
  const int n = graph_->VertexCount();
  for (int i = 1; i <= n; ++i) {
    int column = 0;
    for (int j = 0; j <= n; ++j) {
      const int vertex = j == 0 ? i : j;
      if (j > 0 && !graph_->IsArc(i, j)) continue;
      QStringList texts;
      for (const TFieldText& t : NodeTexts(i, column, vertex)) texts << t.Text;
      TDrawnShape node = TDrawnShape::NodeAt(NodeBox(i, column), texts.join(' '))
                             .Noted(focus_[Slot(i)][Slot(vertex)] ? QStringLiteral("lit") : QString());
      if (column > 0) {
        // The arc at this place of row i's list: the column-th the graph hands out.
        node = node.StandingFor({.Value = [graph = graph_, row = i, column, weighted = weighted_]() -> std::optional<QString> {
          std::unique_ptr<TEdge> arc = graph->FirstAdj(row);
          for (int k = 1; arc && k < column; ++k) arc = graph->NextAdj(*arc);
          if (!arc) return QStringLiteral("(no arc)");
          const QString head = QString::number(arc->Head);
          return weighted ? head + ' ' + QString::number(graph->EdgeWeight(*arc)) : head;
        }});
      }
      if (LitMeans)
        node = node.StandingFor({.Value = [means = LitMeans, row = i, vertex]() -> std::optional<QString> {
                                   const std::optional<bool> lit = means(row, vertex);
                                   if (!lit) return std::nullopt;
                                   return *lit ? QStringLiteral("lit") : QString();
                                 },
                                 .Part = TValueMeaning::InNote});
      out.push_back(node);
      if (column > 0) {
        const QLine arrow = ArrowInto(i, column);
        const int here = static_cast<int>(out.size()) - 1;
        // The node before is the last node put out before this one's arrow.
        const int before = column == 1 ? here - 1 : here - 2;
        out.push_back(TDrawnShape::LinkBetween({this, before}, {this, here}, QPolygon({arrow.p1(), arrow.p2()})));
      }
      ++column;
    }
  }
  return out;
}

void TGraphList::DrawNode(int row, int column, int vertex) {
  TCanvas& c = Canvas();
  const QPoint at = Cell(row, column);
  const int x = at.x();
  const int y = at.y();
  const int w = boxWidth_;
  const int h = boxHeight_;
  const auto field = [&](int l, int r, TColor color) {
    const std::array<TPoint, 5> p{TPoint{x + l, y}, TPoint{x + r, y}, TPoint{x + r, y + h}, TPoint{x + l, y + h},
                                  TPoint{x + l, y}};
    DrawPolyline3D(c, p, color, clBtnShadow);
  };
  const bool arcNode = column > 0;
  const auto [split, linkLeft] = FieldEdges(w, arcNode);
  const auto outline = [&](TColor box, TColor link) {
    field(0, w, box);
    field(linkLeft, w, link);
    if (arcNode && weighted_) field(0, split, link);
  };
  if (!arcNode) {
    // A head node's letter on white: the blue frame round the head nodes and the link field's
    // line stand close round it, and on the backdrop's shades they are what the eye sets it
    // against.
    const TBrush saved = c.Brush;
    c.Brush.Style = bsSolid;
    c.Brush.Color = clWhite;
    c.FillRect(TRect{x + 1, y + 1, x + linkLeft, y + h});
    c.Brush = saved;
  }
  outline(topColor_, frwColor_);
  if (arcNode) {
    // From the middle of the previous node's link field.
    const QLine arrow = ArrowInto(row, column);
    DrawArrow3D(c, arrow.x1(), arrow.y1(), arrow.x2(), arrow.y2(), RGB(255, 0, 0), RGB(255, 0, 0), RGB(255, 0, 0));
  }
  c.Font = TextFont();
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  const int baseline = y + (h + TTextFit::CapHeightOf(c.Font)) / 2;
  for (const TFieldText& t : NodeTexts(row, column, vertex)) {
    // A black shadow under black letters only blurs them.
    if (textColor_ == clBlack) {
      c.Font.Color = clBlack;
      c.TextOut(x + (t.Left + t.Right) / 2, baseline, t.Text);
    } else {
      TextOutShadow(c, x + (t.Left + t.Right) / 2, baseline, t.Text, textColor_);
    }
  }
  if (focus_[Slot(row)][Slot(vertex)]) outline(focusColor_, focusColor_);
}
