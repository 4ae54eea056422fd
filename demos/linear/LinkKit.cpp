#include "demos/linear/LinkKit.h"

#include <QFontMetrics>
#include <algorithm>
#include <optional>

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/MarkPlaces.h"
#include "framework/drawkit/Pointer2.h"
#include "platform/Forms.h"
#include "platform/Pacing.h"
#include "platform/TextRules.h"

namespace linkkit {

QPoint TLinkGeometry::Place(int k) const {
  const int i = (k - 1) / Columns + 1;
  const int j = (k - 1) % Columns + 1;
  return Margin + QPoint((4 * j - 3) * QuarterW, (4 * i - 3) * QuarterH);
}

QPoint TLinkGeometry::FloatingPlace(int index) const {
  const int m = index % Columns;
  const int rowTop = Margin.y() + 4 * QuarterH * ((index - 1) / Columns);
  if (m != 0) return {Margin.x() + (4 * m - 1) * QuarterW, rowTop + NodeH * 16 / 9};
  // Under the row's last node: in the middle of the gap between its row and the next.
  const int below = QuarterH + NodeH;
  const int gap = 4 * QuarterH - NodeH;
  return {Margin.x() + (4 * Columns - 3) * QuarterW, rowTop + below + std::max(0, gap - NodeH) / 2};
}

namespace {

// A node's width against its height, so that its letter and its pointer part both have room.
constexpr double kNodeAspect = 1.6;

TLinkGeometry Grid(int width, int height, int rows, int columns, double ratio, QPoint margin) {
  TLinkGeometry g;
  g.Rows = rows;
  g.Columns = columns;
  g.Margin = margin;
  g.QuarterH = (height - margin.y()) / (rows * 4);
  g.QuarterW = (width - margin.x()) / (columns * 4);
  g.NodeH = text::Round(g.QuarterH * ratio);
  g.NodeW = text::Round(g.QuarterW * ratio);
  return g;
}

// How large a node of the grid is, as its letter sees it.
double NodeSize(const TLinkGeometry& g) { return std::min<double>(g.NodeH, g.NodeW / kNodeAspect); }

}  // namespace

TLinkGeometry LinkGeometry(int width, int height, int row, int column, double ratio,
                           int nodeCount, int floatAfter, QPoint margin) {
  const int columns = std::clamp(column, 1, MaxNodes);
  const int rows = std::max(row, 1);
  const int count = std::min(nodeCount, MaxNodes);
  // The grid of r rows and c columns, one row more when the floating node would leave it.
  const auto grid = [&](int r, int c) {
    TLinkGeometry g = Grid(width, height, r, c, ratio, margin);
    if (floatAfter < 1 || floatAfter > count) return g;
    // Under the list's last row the floating node also leaves a mark's room below its node.
    int floatTop = g.FloatingPlace(floatAfter).y();
    if ((floatAfter - 1) / c == (count - 1) / c) floatTop = std::max(floatTop, g.Place(floatAfter).y() + 2 * g.NodeH);
    if (floatTop + g.NodeH > height) g = Grid(width, height, r + 1, c, ratio, margin);
    return g;
  };
  TLinkGeometry best = grid(rows, columns);
  if (count <= rows * columns) return best;
  // A list longer than its grid: the columns, and the rows they need, that give the largest
  // nodes, so that a long list is not squeezed flat into more and more rows.
  best.Rows = 0;
  for (int c = 1; c <= count; ++c) {
    const TLinkGeometry g = grid((count + c - 1) / c, c);
    if (best.Rows == 0 || NodeSize(g) > NodeSize(best)) best = g;
  }
  return best;
}

TNodeShape NodeShape(int width, int height, int depth) {
  TNodeShape s;
  s.W = width - depth;
  s.H = height - depth;
  s.Split = text::Round(s.W * 0.75);
  return s;
}

int NodeShadow(int nodeH) { return std::clamp((nodeH - 9) / 3, 2, 5); }

QPoint PointerCentre(const QRect& bounds, int depth) {
  const TNodeShape s = NodeShape(bounds.width(), bounds.height(), depth);
  return {bounds.left() + (s.W + s.Split) / 2, bounds.top() + s.H / 2};
}

QPoint EntryPoint(const QRect& bounds, int depth) {
  return {bounds.left(), bounds.top() + (bounds.height() - depth) / 2};
}

TLinkPath LinkPath(QPoint from, QPoint to, int depth, int mode, int nodeW, int nodeH) {
  TLinkPath path;
  int left = from.x() - 2;
  int right = to.x() + 2;
  if (mode == 2) {
    const int midX = (from.x() + to.x()) / 2;
    path.Points = {from, {midX, from.y()}, {midX, to.y()}, to};
  } else if (mode == 3 || mode == 5) {
    const int outX = from.x() + nodeW / 2;
    const int backX = to.x() - nodeW / 3;
    const int midY = mode == 3 ? from.y() + (to.y() - from.y()) * 2 / 3 : from.y() + nodeH;
    path.Points = {from, {outX, from.y()}, {outX, midY}, {backX, midY}, {backX, to.y()}, to};
    left = backX - 2;
    right = outX + depth + 2;
  } else {
    path.Points = {from, to};
  }
  const int top = std::min(from.y(), to.y()) - 10;
  const int bottom = std::max(from.y(), to.y()) + depth + 10;
  path.Bounds = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
  return path;
}

int LinkMode(QPoint fromCentre, const QRect& toBounds, QPoint toEntry) {
  if (toBounds.left() <= fromCentre.x()) return 3;
  return toEntry.y() != fromCentre.y() ? 2 : 1;
}

}  // namespace linkkit

// ---------------------------------------------------------------- TDoubleRect

TDoubleRect::TDoubleRect(QWidget* parent) : TRectbase(parent) {}

void TDoubleRect::SetPartColor(int index, TColor color) {
  if (index == 1) dataColor_ = color;
  if (index == 2) pointerColor_ = color;
  Repaint();
}

void TDoubleRect::SetSplit(int value) {
  split_ = value;
  Repaint();
}

void TDoubleRect::Paint() {
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect(), Color);
  const int depth = Shadow();
  c.Brush.Style = bsSolid;
  c.Brush.Color = clBtnShadow;
  c.FillRect(Rect(depth, depth, width(), height()));
  c.Pen.Color = clWhite;
  c.Pen.Width = 1;
  c.Brush.Color = dataColor_;
  c.Rectangle(0, 0, split_, height() - depth);
  c.Brush.Color = pointerColor_;
  c.Rectangle(split_ - 1, 0, width() - depth, height() - depth);
  TRectbase::Paint();
}

// ---------------------------------------------------------------- TListNode

TListNode::TListNode(QWidget* parent) : TDoubleRect(parent) {
  SetShadow(5);
  Font.Name = QStringLiteral("Times New Roman");
  Font.Color = clWhite;
}

void TListNode::SetNodeString(const QString& s) {
  nodeString_ = s;
  RebuildCaption();
}

void TListNode::UpdateGeometry() {
  split_ = linkkit::NodeShape(width(), height(), Shadow()).Split;
  pointerCentre_ = linkkit::PointerCentre(geometry(), Shadow());
  entry_ = linkkit::EntryPoint(geometry(), Shadow());
}

void TListNode::RebuildCaption() {
  const linkkit::TNodeShape s = linkkit::NodeShape(width(), height(), Shadow());
  // The caption holds the "^" of a nil pointer; the text is drawn by Paint, since a caption
  // piece cannot hold a comma. The text is h - 7 points high, but never so high that it
  // would stand out of the box above its baseline (4 pixels above the bottom).
  Font.SetSize(std::max(1, s.H - 7));
  while (Font.Height < -1 && Font.Ascent() > s.H - 5) ++Font.Height;
  // A small node (a long list in a window made smaller) starts from the least height its
  // window may write; Paint fits the letter into the box.
  Font.Height = std::min(Font.Height, -LegiblePixelsIn(*this));
  SetCaptionText(next_ ? QString() : QStringLiteral("%1,%2,^").arg((s.Split + s.W) / 2).arg(s.H));
}

// As a reader reads the box: the data part first, then the pointer part's "^" of a nil pointer.
QString TListNode::DrawingText() const {
  return next_ ? nodeString_ : nodeString_ + QStringLiteral(" ^");
}

void TListNode::SetNext(TListNode* next) {
  next_ = next;
  UpdateGeometry();
  RebuildCaption();
  auto* link = dynamic_cast<TLink*>(parentWidget());
  // Every link is drawn anew, so that a link this node had before does not stay.
  if (link) link->RenderLinks();
}

std::vector<TDrawnShape> TListNode::DrawingShapes() const {
  std::vector<TDrawnShape> out = TDoubleRect::DrawingShapes();
  const auto* link = dynamic_cast<const TLink*>(parentWidget());
  if (link && link->ColourNote) out.front().Note = link->ColourNote(DataColor(), PointerColor());
  return out;
}

QList<const QWidget*> TListNode::DrawingTargets() const {
  if (!next_) return {};
  return {next_};
}

void TListNode::Paint() {
  const linkkit::TNodeShape s = linkkit::NodeShape(width(), height(), Shadow());
  // The nil mark is drawn as the caption, in a font small enough for the narrow pointer
  // part; the data text keeps the full height.
  const TFont whole = Font;
  const int least = LegiblePixelsIn(*this);
  if (!next_) {
    const int room = s.W - s.Split - 1;  // inside the pointer part's border
    // Never below the least height: the mark's ink is narrower than its advance.
    Font = FitFont(Font, {QStringLiteral("^")}, room, kAnyHeight, least);
  }
  TDoubleRect::Paint();
  Font = whole;
  // Centred in the data part, the baseline 4 pixels above its bottom; a letter reaching below
  // the line (Q, g, p, y) is lifted, and a wide one (W, M) narrowed, in a smaller font where it
  // must, so that the letter and its shadow stay inside the box's border.
  // At the least height the window may write, a letter that does not fit so stands nearer the
  // borders (its shadow just inside them) before it is made smaller.
  int baseline = s.H - 4;
  if (!nodeString_.isEmpty()) {
    TFont font = Font;
    for (;;) {
      const QRect ink = QFontMetrics(font.ToQFont()).tightBoundingRect(nodeString_);
      baseline = std::min(s.H - 4, s.H - 4 - ink.bottom());
      bool fits = baseline + ink.top() >= 2 && ink.width() + 1 <= s.Split - 4;
      if (!fits && -font.Height <= least) {
        baseline = std::min(s.H - 3, s.H - 3 - ink.bottom());
        fits = baseline + ink.top() >= 1 && ink.width() + 1 <= s.Split - 2;
      }
      if (fits || font.Height >= -1) break;
      ++font.Height;
    }
    Canvas().Font = font;
  } else {
    Canvas().Font = Font;
  }
  // A data part whose colour stands too near the letter's (white on a yellow node) outlines it.
  if (ContrastRatio(Font.Color, DataColor()) < 3.0)
    TextOutOutlined(Canvas(), s.Split / 2, baseline, nodeString_, Font.Color);
  else
    TextOutShadow(Canvas(), s.Split / 2, baseline, nodeString_, Font.Color);
  if (next_) {
    const int y = s.H / 2;
    DrawLine3D(Canvas(), (s.W + s.Split) / 2, y, s.W, y, clFuchsia, clFuchsia, true);
  }
}

// ---------------------------------------------------------------- TLink

TLink::TLink(QWidget* parent) : TNodeContainer(parent) {
  links_.Transparent = true;
  for (auto& c : colors_) c = {clTeal, clMaroon};
}

TLink::~TLink() = default;

void TLink::SetRow(int row) {
  row_ = std::max(row, 1);
  Rebuild(true);
}

void TLink::SetColumn(int column) {
  column_ = std::clamp(column, 1, linkkit::MaxNodes);
  Rebuild(true);
}

void TLink::SetRatio(double ratio) {
  ratio_ = ratio;
  Rebuild(true);
}

void TLink::SetFloatingRoom(int index) {
  floatingRoom_ = index;
  Rebuild(true);
}

void TLink::SetMarkRoom(bool room) {
  markRoom_ = room;
  Rebuild(true);
}

void TLink::SetContent(const QStringList& lines) {
  content_ = lines;
  Rebuild(false);
}

TListNode* TLink::Node(int index) const {
  if (index < 1 || index > nodeCount_) return nullptr;
  return nodes_[static_cast<std::size_t>(index - 1)].get();
}

void TLink::Clear() {
  content_.clear();
  floating_.reset();
  floatingIndex_ = 0;
  linkedToFloating_ = 0;
  floatingNext_ = 0;
  for (auto& [mark, index] : marks_) {
    if (mark) mark->SetTarget(nullptr);
  }
  marks_.clear();
  Rebuild(false);
}

bool TLink::InsertItem(int index, const QString& s) {
  const bool ok = index >= 0 && index <= content_.size();
  if (ok) content_.insert(index, s);
  Rebuild(false);
  return ok;
}

bool TLink::SetItem(int index, const QString& s) {
  const bool ok = index >= 0 && index < content_.size();
  if (ok) content_[index] = s;
  Rebuild(!ok);
  return ok;
}

bool TLink::DeleteItem(int index) {
  const bool ok = index >= 0 && index < content_.size();
  if (ok) content_.removeAt(index);
  Rebuild(false);
  return ok;
}

void TLink::SetNodeColors(int index, TColor dataColor, TColor pointerColor) {
  if (index < 1 || index > linkkit::MaxNodes) return;
  colors_[static_cast<std::size_t>(index - 1)] = {dataColor, pointerColor};
  if (TListNode* node = Node(index)) {
    node->SetPartColor(1, dataColor);
    node->SetPartColor(2, pointerColor);
  }
}

void TLink::InsertNodeAnimated(int index, const QString& s) {
  for (auto& [mark, at] : marks_) {
    if (mark && at == FloatingMark) mark->SetTarget(nullptr);
  }
  floating_ = std::make_unique<TListNode>(this);
  floating_->setObjectName(QStringLiteral("FloatNode"));
  floating_->SetShadow(linkkit::NodeShadow(geometry_.NodeH));
  floating_->setGeometry(FloatingRect(index));
  floating_->SetNodeString(s);
  floating_->SetNext(nullptr);
  if (NodeStands) floating_->Stands = NodeStands(0);
  floating_->show();
  floatingIndex_ = index;
  linkedToFloating_ = 0;
  floatingNext_ = 0;
}

void TLink::FreeFloatingNode() {
  if (!floating_) return;
  for (auto& [mark, index] : marks_) {
    if (mark && index == FloatingMark) {
      mark->SetTarget(nullptr);
      index = 0;
    }
  }
  if (TListNode* before = Node(linkedToFloating_)) before->SetNext(nullptr);
  floating_.reset();
  floatingIndex_ = 0;
  linkedToFloating_ = 0;
  floatingNext_ = 0;
  RenderLinks();
}

void TLink::SetFloatingNext(TListNode* next) {
  if (!floating_) return;
  floatingNext_ = 0;
  for (int i = 1; i <= nodeCount_; ++i) {
    if (Node(i) == next) floatingNext_ = i;
  }
  floating_->SetNext(next);
}

void TLink::SetNodeNextToFloating(int index) {
  TListNode* node = Node(index);
  if (!node || !floating_) return;
  linkedToFloating_ = index;
  node->SetNext(floating_.get());
}

void TLink::AttachMark(TPointer2* mark, int index) {
  marks_[mark] = index;
  PlaceMarks();
}

void TLink::AttachMarkToFloating(TPointer2* mark) {
  marks_[mark] = FloatingMark;
  PlaceMarks();
}

int TLink::MarkSize() const {
  const double gap = 4 - ratio_;  // quarter cells between two nodes
  const int room = std::min({geometry_.NodeH * 4 / 3, static_cast<int>(gap * geometry_.QuarterH),
                             static_cast<int>(gap * geometry_.QuarterW)});
  return std::max(kMarkDesign,
                  std::min(std::max(TNodeContainer::Ratio().Grow(kMarkDesign), TPointer2::LeastSide), room));
}

QRect TLink::FloatingRect(int index) const {
  QPoint at = geometry_.FloatingPlace(index);
  // Below the list's last row nothing else stands: the node goes low enough there that a mark
  // on it stands clear of the node it hangs from.
  const int columns = std::max(geometry_.Columns, 1);
  if (index % columns != 0 && (index - 1) / columns == (nodeCount_ - 1) / columns) {
    const int clear = geometry_.Place(index).y() + geometry_.NodeH + MarkSize() * 5 / 8;
    at.setY(std::max(at.y(), std::min(clear, height() - geometry_.NodeH)));
  }
  // Beside the next place, far enough right of the node it hangs from that a mark on it stands
  // in the gap rather than on that node.
  if (markRoom_ && index % columns != 0)
    at.setX(std::max(at.x(), geometry_.Place(index).x() + geometry_.NodeW + 1 + MarkSize()));
  return {at, QSize(geometry_.NodeW, geometry_.NodeH)};
}

void TLink::PlaceMarks() {
  // Marks grow with the list as its nodes do (at most as the list's design ratio has it, at
  // least to a readable caption) as far as the gaps between the nodes leave room, never
  // taller than a node and a third nor smaller than designed. Their offsets grow with them.
  constexpr int design = kMarkDesign;
  const int size = MarkSize();
  for (const auto& [mark, index] : marks_) {
    if (!mark) continue;
    const int designOffY = designOffY_.try_emplace(mark, mark->OffY).first->second;
    mark->resize(size, size);
    mark->OffY = designOffY * size / design;
    QWidget* target = index == FloatingMark ? floating_.get() : Node(index);
    mark->SetTarget(target);
  }
  // Then each, the one designed highest first, takes the place nearest its usual one where its
  // head lies on no other node, link or mark (along its node's top edge, then down its side),
  // its tip still on its node.
  std::vector<TPointer2*> shown;
  for (const auto& [mark, index] : marks_)
    if (mark && mark->Target()) shown.push_back(mark);
  std::ranges::sort(shown, {}, [this](TPointer2* m) { return std::pair(designOffY_[m], m->Caption()); });
  std::vector<QRect> boxes;
  for (int i = 1; i <= nodeCount_; ++i) boxes.push_back(Node(i)->geometry());
  if (floating_) boxes.push_back(floating_->geometry());
  std::vector<QPolygon> lines;
  for (const DrawnLink& l : drawn_) {
    QPolygon path;
    for (const QPoint& p : l.Points) path << p;
    lines.push_back(path);
  }
  // A mark with no clear place at its size (a node floating in a narrow gap) tries a smaller
  // head, down to the least that keeps its caption readable. The heads placed count as nodes
  // for the marks after them.
  const auto clear = [&](const QRect& head, const QRect& target) {
    const QRect inner = head.adjusted(2, 2, -2, -2);
    for (const QRect& b : boxes)
      if (b != target && b.intersects(inner)) return false;
    for (const QPolygon& l : lines)
      for (qsizetype i = 1; i < l.size(); ++i)
        if (QRect(l[i - 1], l[i]).normalized().adjusted(0, 0, 1, 1).intersects(inner)) return false;
    return true;
  };
  // In a window made smaller, whose letters may be smaller too, a head smaller still, down to
  // the least whose caption that window reads, before one that lies on a node or a link.
  const int legible = LegiblePixelsIn(*this);
  for (TPointer2* mark : shown) {
    const QRect target = mark->Target()->geometry();
    std::vector<int> sides{size, std::max(TPointer2::LeastSide, size * 5 / 6), TPointer2::LeastSide};
    for (int side = TPointer2::LeastSide - 2;
         side > 0 && TPointer2::CaptionPixels(mark->Caption(), QSize(side, side)) >= legible; side -= 2)
      sides.push_back(side);
    std::optional<TPlacedMark> place;
    for (const int side : sides) {
      const TPlacedMark at = ::PlaceMarks({{.Target = target, .Head = QSize(side, side)}}, boxes, lines, rect()).front();
      if (clear(at.Head, target)) {
        place = at;
        break;
      }
    }
    // None clear: the least head of a full window, where it is least in the way.
    if (!place)
      place = ::PlaceMarks({{.Target = target, .Head = QSize(TPointer2::LeastSide, TPointer2::LeastSide)}}, boxes,
                           lines, rect())
                  .front();
    mark->resize(place->Head.size());
    boxes.push_back(place->Head);
    // Held as the tip's offset from the node's corner, which a rescale of the window keeps.
    mark->OffX = place->Tip.x() - target.left();
    mark->OffY = place->Tip.y() - target.top();
    mark->Reposition();
  }
}

void TLink::DrawPath(const std::vector<QPoint>& points, int depth, TColor lineColor, TColor shadowColor) {
  TCanvas& bc = links_.Canvas();
  if (points.size() > 2)
    DrawShadowedPolyline(bc, depth, std::span(points.data(), points.size() - 1), lineColor, shadowColor);
  const QPoint a = points[points.size() - 2], b = points.back();
  DrawShadowedArrow(bc, a.x(), a.y(), b.x(), b.y(), depth, lineColor, shadowColor);
}

const TListNode* TLink::NodeFrom(QPoint from) const {
  if (floating_ && floating_->PointerCentre() == from) return floating_.get();
  for (int i = 1; i <= nodeCount_; ++i) {
    if (Node(i)->PointerCentre() == from) return Node(i);
  }
  return nullptr;
}

const TListNode* TLink::NodeTo(QPoint to) const {
  if (floating_ && floating_->Entry() == to) return floating_.get();
  for (int i = 1; i <= nodeCount_; ++i) {
    if (Node(i)->Entry() == to) return Node(i);
  }
  return nullptr;
}

linkkit::TLinkPath TLink::Route(const TListNode& from, const TListNode& to) const {
  const int depth = from.Shadow();
  if (&from == floating_.get()) return FloatingRoute(from, to);
  // Into the floating node below and to the right: along the row and down into its upper edge,
  // clear of the mark that hangs at its left.
  if (&to == floating_.get() && to.geometry().top() > from.geometry().bottom() &&
      to.x() + to.Split() / 2 > from.geometry().right())
    return EdgeRoute(from, to, from.PointerCentre().y());
  // Into the floating node hanging below: down into its upper edge through the band between,
  // so that its left side stays free for its mark.
  if (&to == floating_.get() && to.geometry().top() > from.geometry().bottom())
    return EdgeRoute(from, to, (from.geometry().bottom() + 1 + to.geometry().top() - from.Shadow()) / 2);
  const int mode = linkkit::LinkMode(from.PointerCentre(), to.geometry(), to.Entry());
  linkkit::TLinkPath path =
      linkkit::LinkPath(from.PointerCentre(), to.Entry(), depth, mode, geometry_.NodeW, geometry_.NodeH);
  if (mode != 3) return path;
  // The stretch back runs from the start's way out to just left of the target, above the
  // target, in the first band free of nodes below the start: above the floating node when it
  // stands in the gap (its own link to the next row takes the band below it).
  std::vector<QPoint>& p = path.Points;
  const int left = p[3].x(), right = p[1].x();
  const int top = to.geometry().top();
  using Band = std::pair<int, int>;  // from, to (exclusive)
  std::vector<Band> bands{{std::min(from.geometry().bottom() + 1, top), top}};
  const auto obstacle = [&](const TListNode* n) {
    if (!n || n == &to) return;
    const QRect r = n->geometry();
    if (r.bottom() >= top || r.right() < left || r.left() > right) return;
    std::vector<Band> rest;
    for (const auto& [a, b] : bands) {
      if (r.top() > a) rest.emplace_back(a, std::min(b, r.top()));
      if (r.bottom() + 1 < b) rest.emplace_back(std::max(a, r.bottom() + 1), b);
    }
    bands = rest;
  };
  for (int i = 1; i <= nodeCount_; ++i) obstacle(Node(i));
  obstacle(floating_.get());
  // Close under the row it leaves, so that the room above the target's row stays free for
  // the marks standing on its nodes.
  constexpr int margin = 3;
  const auto holds = [&](const Band& b, int y) { return y - margin >= b.first && y + depth + margin <= b.second; };
  const auto upper = [&](const Band& b) { return b.first + margin + depth; };
  auto band = std::ranges::find_if(bands, [&](const Band& b) { return holds(b, upper(b)); });
  if (band == bands.end())
    band = std::ranges::max_element(bands, {}, [](const Band& b) { return b.second - b.first; });
  int y = p[2].y();
  if (band != bands.end()) y = holds(*band, upper(*band)) ? upper(*band) : (band->first + band->second - depth) / 2;
  p[2].setY(y);
  p[3].setY(y);
  return path;
}

linkkit::TLinkPath TLink::FloatingRoute(const TListNode& from, const TListNode& to) const {
  // Beside the row (the same height) to a successor on the row above; along the band below the
  // floating node to one on the next row.
  const int band = to.geometry().top() > from.geometry().bottom()
                       ? (from.geometry().bottom() + 1 + to.geometry().top() - from.Shadow()) / 2
                       : from.PointerCentre().y();
  return EdgeRoute(from, to, band);
}

linkkit::TLinkPath TLink::EdgeRoute(const TListNode& from, const TListNode& to, int band) const {
  // Into the middle of the target's data part, through its lower edge when it stands above the
  // band, its upper edge when below.
  const int depth = from.Shadow();
  const QPoint start = from.PointerCentre();
  const QRect box = to.geometry().adjusted(0, 0, -depth, -depth);  // without the shadow
  const int x = box.left() + to.Split() / 2;
  const int edge = box.top() > band ? box.top() : box.bottom() + 1;
  linkkit::TLinkPath path;
  if (band == start.y()) {
    path.Points = {start, {x, start.y()}, {x, edge}};
  } else {
    const int out = start.x() + geometry_.NodeW / 2;
    path.Points = {start, {out, start.y()}, {out, band}, {x, band}, {x, edge}};
  }
  QRect bounds;
  for (const QPoint& q : path.Points) bounds |= QRect(q, QSize(1, 1));
  path.Bounds = bounds.adjusted(-2, -10, depth + 2, depth + 10);
  return path;
}

void TLink::DrawLink(QPoint from, QPoint to, int depth, bool immediate, TColor lineColor,
                     TColor shadowColor, int mode) {
  if (lineColor == Color) {
    RemoveLink(from, to, depth, mode);
    return;
  }
  const TListNode* a = NodeFrom(from);
  const TListNode* b = NodeTo(to);
  // A present link, or one into or out of the floating node, takes its route.
  const bool routed = a && b && (a->Next() == b || a == floating_.get() || b == floating_.get());
  // A detour below the row (mode 5, past a node being deleted, which still points at the same
  // target) enters its target through the edge that faces it, apart from the arrow still there.
  std::vector<QPoint> points;
  if (routed)
    points = Route(*a, *b).Points;
  else if (mode == 5 && a && b)
    points = EdgeRoute(*a, *b, from.y() + geometry_.NodeH).Points;
  else
    points = linkkit::LinkPath(from, to, depth, mode, geometry_.NodeW, geometry_.NodeH).Points;
  DrawPath(points, depth, lineColor, shadowColor);
  drawn_.push_back({a, b, points});
  if (building_) return;
  PlaceMarks();
  if (!immediate) {
    // The pen walks each segment in steps of at most 3 pixels.
    TCanvas& c = Canvas();
    for (std::size_t k = 1; k < points.size(); ++k) {
      int x = points[k - 1].x(), y = points[k - 1].y();
      const int tx = points[k].x(), ty = points[k].y();
      while (x != tx || y != ty) {
        pacing::Sleep(SleepTime);
        const int nx = x + std::clamp(tx - x, -3, 3);
        const int ny = y + std::clamp(ty - y, -3, 3);
        DrawLine3D(c, x + depth, y + depth, nx + depth, ny + depth, shadowColor, shadowColor, true);
        DrawLine3D(c, x, y, nx, ny, lineColor, lineColor, true);
        x = nx;
        y = ny;
      }
    }
  }
  Repaint();
}

void TLink::RemoveLink(QPoint from, QPoint to, int, int) { RenderLinksExcept(from, to); }

void TLink::RenderLinksExcept(QPoint from, QPoint to) {
  if (building_) return;  // the layout draws them once it has placed every node
  links_.Canvas().Brush.Style = bsSolid;
  links_.Canvas().Brush.Color = Color;
  links_.Canvas().FillRect(Rect(0, 0, links_.Width(), links_.Height()));
  drawn_.clear();
  const auto draw = [&](const TListNode* node) {
    if (!node || !node->Next()) return;
    if (node->PointerCentre() == from && node->Next()->Entry() == to) return;
    const std::vector<QPoint> points = Route(*node, *node->Next()).Points;
    DrawPath(points, node->Shadow(), clFuchsia, clBtnShadow);
    drawn_.push_back({node, node->Next(), points});
  };
  for (int i = 1; i <= nodeCount_; ++i) draw(Node(i));
  draw(floating_.get());
  PlaceMarks();
  Repaint();
}

QString TLink::DrawingText() const {
  QStringList lines;
  const auto name = [](const TListNode* node) { return node ? node->objectName() : QStringLiteral("?"); };
  for (const DrawnLink& l : drawn_) {
    QString line = name(l.From) + QLatin1Char('>') + name(l.To);
    for (const QPoint& p : l.Points) line += QStringLiteral(" %1,%2").arg(p.x()).arg(p.y());
    lines << line;
  }
  return lines.join(QLatin1Char('\n'));
}

std::vector<TDrawnShape> TLink::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  for (const DrawnLink& l : drawn_) {
    QPolygon path;
    for (const QPoint& p : l.Points) path << p;
    out.push_back(TDrawnShape::LinkBetween({l.From.data(), -1}, {l.To.data(), -1}, path));
  }
  return out;
}

void TLink::AfterRescale() { Rebuild(true); }

bool TLink::PlacesPointer(const TPointer2& pointer) const {
  return std::any_of(marks_.begin(), marks_.end(), [&pointer](const auto& m) { return m.first == &pointer; });
}

void TLink::Rebuild(bool keepColors) {
  if (!keepColors) {
    for (auto& c : colors_) c = {clTeal, clMaroon};
  }
  links_.SetSize(std::max(width(), 1), std::max(height(), 1));
  links_.SetTransparentColor(Color);
  links_.Canvas().Brush.Style = bsSolid;
  links_.Canvas().Brush.Color = Color;
  links_.Canvas().FillRect(Rect(0, 0, links_.Width(), links_.Height()));

  const int count = static_cast<int>(content_.size());
  geometry_ = linkkit::LinkGeometry(width(), height(), row_, column_, ratio_, count, floatingRoom_);
  // A mark's head stands above and left of its node: the first row and the first column leave
  // it room (the places, and with them the marks, shrink a little as they do: a second look
  // settles it).
  for (int pass = 0; markRoom_ && pass < 3; ++pass) {
    const QPoint lack = QPoint(MarkSize(), MarkSize()) - geometry_.Place(1);
    if (lack.x() <= 0 && lack.y() <= 0) break;
    const QPoint margin = geometry_.Margin + QPoint(std::max(0, lack.x()), std::max(0, lack.y()));
    geometry_ = linkkit::LinkGeometry(width(), height(), row_, column_, ratio_, count, floatingRoom_, margin);
  }
  if (floating_) floating_->SetNext(nullptr);
  for (auto& node : nodes_) node.reset();
  if (linkedToFloating_ > content_.size()) linkedToFloating_ = 0;
  if (floatingNext_ > content_.size()) floatingNext_ = 0;

  building_ = true;
  nodeCount_ = std::min(static_cast<int>(content_.size()), linkkit::MaxNodes);
  const QSize nodeSize(geometry_.NodeW, geometry_.NodeH);
  for (int i = nodeCount_; i >= 1; --i) {
    auto& node = nodes_[static_cast<std::size_t>(i - 1)];
    node = std::make_unique<TListNode>(this);
    node->setObjectName(QStringLiteral("Node%1").arg(i));
    node->SetShadow(linkkit::NodeShadow(geometry_.NodeH));
    node->setGeometry(QRect(geometry_.Place(i), nodeSize));
    node->SetNodeString(content_[i - 1]);
    node->SetPartColor(1, colors_[static_cast<std::size_t>(i - 1)].first);
    node->SetPartColor(2, colors_[static_cast<std::size_t>(i - 1)].second);
    node->SetNext(i < nodeCount_ && i != linkedToFloating_ ? Node(i + 1) : nullptr);
    if (NodeStands) node->Stands = NodeStands(i);
    node->show();
  }
  if (floating_) {
    // The floating node keeps its place after its node.
    floating_->SetShadow(linkkit::NodeShadow(geometry_.NodeH));
    floating_->setGeometry(FloatingRect(floatingIndex_));
    floating_->SetNext(Node(floatingNext_));
    if (TListNode* before = Node(linkedToFloating_)) before->SetNext(floating_.get());
    floating_->raise();
  }
  building_ = false;
  RenderLinks();

  PlaceMarks();
  Invalidate();
}

void TLink::Paint() {
  TNodeContainer::Paint();
  Canvas().Draw(0, 0, links_);
}

// ---------------------------------------------------------------- TLinkNode

QString linkkit::RecordText(const TLinkNode& record, const TLinkNode* nil) {
  const TLinkNode* next = record.GetNext();
  const QString letter = QString(QChar::fromLatin1(record.GetData())).trimmed();
  return next == nullptr || next == nil ? letter + QStringLiteral(" ^") : letter;
}

std::vector<const TLinkNode*> linkkit::Chain(const TLinkNode* head, const TLinkNode* skip, const TLinkNode* nil) {
  std::vector<const TLinkNode*> out;
  // A list that loops would never end: no more records than a list can hold are taken.
  for (const TLinkNode* r = head; r && r != nil && out.size() <= MaxNodes; r = r->GetNext())
    if (r != skip) out.push_back(r);
  return out;
}

std::vector<TValueMeaning> linkkit::NodeOf(std::function<std::vector<const TLinkNode*>()> records, int index,
                                           std::function<QString(const TLinkNode&)> note, const TLinkNode* nil) {
  const auto record = [records, index]() -> const TLinkNode* {
    const std::vector<const TLinkNode*> all = records();
    return index >= 1 && index <= static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index - 1)] : nullptr;
  };
  std::vector<TValueMeaning> out{{.Value = [record, nil]() -> std::optional<QString> {
    const TLinkNode* r = record();
    return r ? RecordText(*r, nil) : QStringLiteral("(no record)");
  }}};
  if (note)
    out.push_back({.Value = [record, note]() -> std::optional<QString> {
                     const TLinkNode* r = record();
                     return r ? std::optional<QString>(note(*r)) : std::nullopt;
                   },
                   .Part = TValueMeaning::InNote});
  return out;
}

TLinkNode::TLinkNode(const QString& name) : TRecord(name) {
  Add(new TCharData(QStringLiteral("Data"), ' '));
  Add(new TPtrData(QStringLiteral("Next")));
}

char TLinkNode::GetData() const { return DataItem()->Value(); }

void TLinkNode::SetData(char c) { DataItem()->SetValue(c); }

TLinkNode* TLinkNode::GetNext() const { return static_cast<TLinkNode*>(NextItem()->Target()); }

void TLinkNode::SetNext(TLinkNode* next) { NextItem()->SetTarget(next); }
