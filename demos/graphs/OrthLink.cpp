#include "demos/graphs/OrthLink.h"

#include <cmath>

#include "demos/graphs/TextFit.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitGlobals.h"
#include "platform/TextRules.h"

namespace {
constexpr TColor OutColour = RGB(255, 0, 0);
constexpr TColor InColour = RGB(0, 128, 0);
}  // namespace

// ---------------------------------------------------------------- TArcRect

TArcRect::TArcRect(QWidget* parent) : TRectbase(parent) {}

std::array<int, 3> TArcRect::Separators(int width) const {
  return {width * 3 / 10, width * 6 / 10, width * 8 / 10};
}

void TArcRect::Paint() {
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = clBtnFace;
  c.Pen = TPen{};
  c.Pen.Color = clBtnFace;
  c.Rectangle(0, 0, width(), height());
  const int s = Shadow();
  const int w = width() - s;
  const int h = height() - s;
  c.Brush.Color = clGray;
  c.Pen.Color = clGray;
  c.Rectangle(s, s, width(), height());
  const std::array<int, 3> sep = Separators(w);
  const std::array<int, 5> edges{0, sep[0], sep[1], sep[2], w};
  for (std::size_t f = 0; f < 4; ++f) {
    if (edges[f + 1] <= edges[f]) continue;
    c.Brush.Color = FieldColor[f];
    c.Pen.Color = FieldColor[f];
    c.Rectangle(edges[f], 0, edges[f + 1], h);
    Frame3D(c, edges[f], 0, edges[f + 1], h, clWhite, clBtnShadow);
  }
  TRectbase::Paint();
}

// ---------------------------------------------------------------- TVexNode

TVexNode::TVexNode(QWidget* parent) : TArcRect(parent) {
  SetShadow(5);
  Font.Name = QStringLiteral("Times New Roman");
  Font.Color = clWhite;
}

void TVexNode::Set(const QString& tail, const QString& head, TContent in, TContent out) {
  tail_ = tail;
  head_ = head;
  in_ = in;
  out_ = out;
  Invalidate();
}

void TVexNode::SetNodeIsArcNode(bool headNode) {
  headNode_ = headNode;
  Invalidate();
}

std::array<int, 3> TVexNode::Separators(int width) const {
  if (headNode_) return {width / 2, width / 2, width * 3 / 4};
  return TArcRect::Separators(width);
}

QPoint TVexNode::OutAnchor() const {
  const int w = width() - Shadow();
  const std::array<int, 3> sep = Separators(w);
  return pos() + QPoint((sep[2] + w) / 2, (height() - Shadow()) / 2);
}

QPoint TVexNode::InAnchor() const {
  const std::array<int, 3> sep = Separators(width() - Shadow());
  return pos() + QPoint((sep[1] + sep[2]) / 2, (height() - Shadow()) / 2);
}

QPoint TVexNode::LeftAnchor() const { return pos() + QPoint(0, (height() - Shadow()) / 2); }

QPoint TVexNode::TopAnchor() const {
  const std::array<int, 3> sep = Separators(width() - Shadow());
  return pos() + QPoint((sep[0] + sep[1]) / 2, 0);
}

namespace {
QString ContentText(TContent c) { return c == clend ? QStringLiteral("^") : c == clnull ? QStringLiteral("-") : QStringLiteral(">"); }
}  // namespace

QString TVexNode::Text() const {
  QStringList parts{tail_.isEmpty() ? QStringLiteral("-") : tail_};
  if (!headNode_) parts << (head_.isEmpty() ? QStringLiteral("-") : head_);
  parts << ContentText(in_) << ContentText(out_);
  return parts.join(' ');
}

std::vector<TDrawnShape> TVexNode::DrawingShapes() const {
  // The glyphs as a reader reads them, left to right: the strings and a "^" where a list
  // ends. A field whose link is drawn as a line, or that is left blank, has none: it is what
  // the picture says without glyphs.
  QStringList glyphs{tail_};
  if (!headNode_) glyphs << head_;
  QStringList unpainted;
  const auto field = [&](const QString& name, TContent content) {
    if (content == clend) {
      glyphs << QStringLiteral("^");
    } else {
      unpainted << name + QLatin1Char(' ') + ContentText(content);
    }
  };
  field(headNode_ ? QStringLiteral("firstin") : QStringLiteral("hlink"), in_);
  field(headNode_ ? QStringLiteral("firstout") : QStringLiteral("tlink"), out_);
  glyphs.removeAll(QString());
  TDrawnShape node = TDrawnShape::NodeAt(rect(), glyphs.join(QLatin1Char(' '))).Noted(unpainted.join(QLatin1Char(' ')));
  node.Stands = Stands;
  return {node};
}

void TVexNode::Paint() {
  TArcRect::Paint();
  const int w = width() - Shadow();
  const int h = height() - Shadow();
  const std::array<int, 3> sep = Separators(w);
  TCanvas& c = Canvas();
  c.Font = Font;
  if (TextEm > 0) {
    c.Font.Height = -TextEm;
  } else {
    c.Font.SetSize(h >= 8 ? std::max((h - 5) / 3 * 2, 2) : 2);
  }
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  const int baseline = (h + TTextFit::CapHeightOf(c.Font)) / 2;
  const auto piece = [&](int left, int right, const QString& text) {
    if (!text.isEmpty()) TextOutShadow(c, (left + right) / 2, baseline, text, clWhite);
  };
  const auto end = [](TContent content) { return content == clend ? QStringLiteral("^") : QString(); };
  piece(0, sep[0], tail_);
  if (!headNode_) piece(sep[0], sep[1], head_);
  piece(sep[1], sep[2], end(in_));
  piece(sep[2], w, end(out_));
}

int TVexNode::FittedEm(int width, int height, int shadow) {
  // The narrowest fields of both layouts hold a vertex number (three tenths) or "^" (a
  // fifth, a quarter in a head node); a head node's data, one letter, has half the width.
  const int w = width - shadow;
  TTextFit fit{TFont{.Name = QStringLiteral("Times New Roman")}};
  fit.CapHeight((height - shadow) * 3 / 5);
  fit.Width(QStringLiteral("5"), w * 3 / 10 - w / 20);
  fit.Width(QStringLiteral("^"), w / 5 - w / 20);
  fit.Width(QStringLiteral("W"), w / 2 - w / 20);
  return fit.Em();
}

// ---------------------------------------------------------------- TOrthogonalLink

TOrthogonalLink::TOrthogonalLink(QWidget* parent) : TNodeContainer(parent) {}

void TOrthogonalLink::SetHeadarrow(int v) {
  if (v < 0 || v > realNodes_) return;
  headArrow_ = v;
  Invalidate();
}

void TOrthogonalLink::SetTailarrow(int v) {
  if (v < 0 || v > realNodes_) return;
  tailArrow_ = v;
  Invalidate();
}

void TOrthogonalLink::addnode(const QString& s) {
  if (realNodes_ >= MaxNodes) return;
  for (int k = 1; k <= realNodes_; ++k)
    if (data_[At(k)] == s) return;
  realNodes_ += 1;
  data_[At(realNodes_)] = s;
  Relayout();
}

void TOrthogonalLink::delnode(const QString& s) {
  int i = 0;
  for (int k = 1; k <= realNodes_; ++k)
    if (data_[At(k)] == s) i = k;
  if (i == 0) return;
  for (int r = i; r < realNodes_; ++r) {
    adj_[At(r)] = adj_[At(r + 1)];
    data_[At(r)] = data_[At(r + 1)];
  }
  adj_[At(realNodes_)].fill(0);
  data_[At(realNodes_)].clear();
  for (auto& row : adj_) {
    for (int c = i; c < realNodes_; ++c) row[At(c)] = row[At(c + 1)];
    row[At(realNodes_)] = 0;
  }
  realNodes_ -= 1;
  if (headArrow_ > realNodes_) headArrow_ = 0;
  if (tailArrow_ > realNodes_) tailArrow_ = 0;
  Relayout();
}

std::pair<int, int> TOrthogonalLink::Ends(const QString& s1, const QString& s2) const {
  int tail = 0;
  int head = 0;
  for (int k = 1; k <= realNodes_; ++k) {
    if (data_[At(k)] == s1) tail = k;
    if (data_[At(k)] == s2) head = k;
  }
  return {tail, head};
}

void TOrthogonalLink::SetArc(const QString& s1, const QString& s2, int present) {
  const auto [tail, head] = Ends(s1, s2);
  if (tail == 0 || head == 0) return;
  adj_[At(tail)][At(head)] = present;
  Relayout();
}

void TOrthogonalLink::addarc(const QString& s1, const QString& s2) { SetArc(s1, s2, 1); }
void TOrthogonalLink::delarc(const QString& s1, const QString& s2) { SetArc(s1, s2, 0); }

void TOrthogonalLink::modify(int row, int col, const QString& tail, const QString& head, TContent in, TContent out) {
  if (row < 1 || col < 0 || row > realNodes_ || col > realNodes_) return;
  if (TVexNode* node = box_[At(row)][At(col)]) node->Set(tail, head, in, out);
}

void TOrthogonalLink::SetKind(int index, int kind) {
  if (index < 1 || index > MaxNodes + 1) return;
  kind_[At(index)] = kind;
}

void TOrthogonalLink::SetCurrentArc(int tail, int head) {
  curTail_ = tail;
  curHead_ = head;
}

int TOrthogonalLink::NodeCount() const {
  int count = 0;
  for (int r = 1; r <= realNodes_; ++r)
    for (int c = 0; c <= realNodes_; ++c) count += box_[At(r)][At(c)] != nullptr ? 1 : 0;
  return count;
}

int TOrthogonalLink::NextInRow(int row, int col) const {
  for (int c = col + 1; c <= realNodes_; ++c)
    if (adj_[At(row)][At(c)] != 0) return c;
  return 0;
}

int TOrthogonalLink::NextInColumn(int row, int col) const {
  for (int r = row + 1; r <= realNodes_; ++r)
    if (adj_[At(r)][At(col)] != 0) return r;
  return 0;
}

void TOrthogonalLink::Relayout() {
  Rebuild();
  // What the drawing shows, in words: "3 nodes: A ^ > | 1 2 ^ ^ | ...".
  QStringList nodes;
  for (int r = 1; r <= realNodes_; ++r)
    for (int c = 0; c <= realNodes_; ++c)
      if (const TVexNode* node = box_[At(r)][At(c)]) nodes << node->Text();
  setAccessibleDescription(QStringLiteral("%1 nodes: %2").arg(nodes.size()).arg(nodes.join(QStringLiteral(" | "))));
  Invalidate();
}

void TOrthogonalLink::Rebuild() {
  for (auto& row : box_) {
    for (TVexNode*& node : row) {
      delete node;  // a child widget: deleting it takes it off the container
      node = nullptr;
    }
  }
  if (realNodes_ < 1) return;
  const int hu = height() / 20;
  const int wu = width() / ((realNodes_ + 1) * 4);
  const int nodeHeight = text::Round(hu * ratioT);
  // Half as wide again as the grid's unit gives, so that four fields hold their numbers and
  // nil marks; the gap of a unit between columns still shows the arrows.
  const int nodeWidth = text::Round(wu * ratioT * 1.5);
  const int em = TVexNode::FittedEm(nodeWidth, nodeHeight, 5);
  // Column 0 holds the head nodes; column j the arcs into vertex j.
  const auto make = [&](int i, int j) {
    auto* node = new TVexNode(this);
    const bool headNode = j == 0;
    node->setObjectName(headNode ? QStringLiteral("Vex%1").arg(i) : QStringLiteral("Arc%1%2").arg(i).arg(j));
    node->setGeometry(headNode ? wu : (4 * j + 1) * wu, (4 * i - 3) * hu, nodeWidth, nodeHeight);
    node->TextEm = em;
    node->SetNodeIsArcNode(headNode);
    const TContent out = NextInRow(i, j) != 0 ? clline : clend;
    const TContent in = NextInColumn(headNode ? 0 : i, headNode ? i : j) != 0 ? clline : clend;
    node->Set(headNode ? data_[At(i)] : QString::number(i), headNode ? QString() : QString::number(j), in, out);
    node->show();
    box_[At(i)][At(j)] = node;
  };
  for (int i = 1; i <= realNodes_; ++i) {
    make(i, 0);
    for (int j = 1; j <= realNodes_; ++j)
      if (adj_[At(i)][At(j)] != 0) make(i, j);
  }
  // What each node points at, for readers of the drawing.
  for (int i = 1; i <= realNodes_; ++i) {
    for (int j = 0; j <= realNodes_; ++j) {
      TVexNode* node = box_[At(i)][At(j)];
      if (node == nullptr) continue;
      const int right = NextInRow(i, j);
      node->OutNext = right != 0 ? box_[At(i)][At(right)] : nullptr;
      const int column = j == 0 ? i : j;
      const int below = NextInColumn(j == 0 ? 0 : i, column);
      node->InNext = below != 0 ? box_[At(below)][At(column)] : nullptr;
    }
  }
  // Display kinds of the head nodes.
  for (int v = 1; v <= realNodes_; ++v) {
    TVexNode* node = box_[At(v)][0];
    if (kind_[At(v)] == 2) node->Set(QString(), QString(), clnull, clnull);
    if (kind_[At(v)] == 1) node->Set(data_[At(v)], QString(), clnull, clnull);
  }
  // The arc being inserted: the links that will point to it are not there yet (the one
  // from the node before it in its row, head node or arc node, and the one from the node
  // above it in its column).
  if (curTail_ > 0 && curHead_ > 0 && box_[At(curTail_)][At(curHead_)] != nullptr) {
    int before = 0;
    for (int c = curHead_ - 1; c >= 1 && before == 0; --c) before = adj_[At(curTail_)][At(c)] != 0 ? c : 0;
    TVexNode* left = box_[At(curTail_)][At(before)];
    left->Set(left->TailString(), left->HeadString(), left->firstin(), clnull);
    int above = 0;
    for (int r = curTail_ - 1; r >= 1 && above == 0; --r) above = adj_[At(r)][At(curHead_)] != 0 ? r : 0;
    TVexNode* up = above != 0 ? box_[At(above)][At(curHead_)] : box_[At(curHead_)][0];
    up->Set(up->TailString(), up->HeadString(), clnull, up->FirstOut());
    TVexNode* arc = box_[At(curTail_)][At(curHead_)];
    if (kind_[6] == 2) arc->Set(QString(), QString(), clnull, clnull);
    if (kind_[6] == 1) arc->Set(QString::number(curTail_), QString::number(curHead_), clend, clend);
  }
  // What each node shows is held to what the run has read (NodeMeans), the nil marks of its
  // link fields as it draws them: the lists are drawn in the order of their nodes' places, not
  // in the order the run links them (each new arc goes first), so the run's pointers cannot say
  // which node ends a drawn list.
  for (int i = 1; i <= realNodes_; ++i) {
    for (int j = 0; j <= realNodes_; ++j) {
      TVexNode* node = box_[At(i)][At(j)];
      if (node == nullptr || !NodeMeans) continue;
      node->Stands = {{.Value = [this, node, i, j]() -> std::optional<QString> {
        std::optional<QStringList> strings = NodeMeans(i, j);
        if (!strings) return std::nullopt;
        if (node->firstin() == clend) *strings << QStringLiteral("^");
        if (node->FirstOut() == clend) *strings << QStringLiteral("^");
        return strings->join(' ');
      }}};
    }
  }
}

std::vector<TOrthogonalLink::TLinkPath> TOrthogonalLink::Links() const {
  std::vector<TLinkPath> out;
  // The grid's units (as Rebuild lays the nodes out): rows 4 units high with a gap of two
  // between them, the head nodes' column, then a unit's corridor before the arc nodes.
  const int hu = height() / 20;
  const int wu = width() / ((realNodes_ + 1) * 4);
  // Each vertex's in-list from its head node keeps a lane of its own in the gaps and the
  // corridor, so that no two run along one another.
  const int lane = std::max(3, std::min(2 * hu, wu) / (realNodes_ + 2));
  const auto offset = [&](int v) { return (v - (realNodes_ + 1) / 2) * lane; };
  // The middle of the gap above row r (above the first row: the margin over it).
  const auto gapAbove = [&](int r) { return r == 1 ? hu / 2 : (4 * r - 4) * hu; };
  for (int i = 1; i <= realNodes_; ++i) {
    for (int j = 0; j <= realNodes_; ++j) {
      const TVexNode* node = box_[At(i)][At(j)];
      if (node == nullptr) continue;
      if (node->FirstOut() == clline) {
        if (const int next = NextInRow(i, j)) {
          const TVexNode* to = box_[At(i)][At(next)];
          out.push_back({node, to, QPolygon({node->OutAnchor(), to->LeftAnchor()}), true});
        }
      }
      if (node->firstin() != clline) continue;
      const int column = j == 0 ? i : j;
      const int next = NextInColumn(j == 0 ? 0 : i, column);
      if (next == 0) continue;
      const TVexNode* to = box_[At(next)][At(column)];
      const QPoint from = node->InAnchor();
      const QPoint target = to->TopAnchor();
      if (j != 0) {
        // Down the column from one arc node to the next.
        out.push_back({node, to, QPolygon({from, target}), false});
        continue;
      }
      // From a head node: out of it into the gap on the target's side (below its own row
      // when the target is a loop in that row), along the gap to the corridor beside the head
      // nodes, along the corridor to the gap above the target's row, along that to the
      // target's column, and down into it.
      const int side = (next < i ? gapAbove(i) : gapAbove(i + 1)) + offset(i);
      const int corridor = 4 * wu + (wu + 4) / 2 + offset(i);
      const int over = gapAbove(next) + offset(i);
      out.push_back({node, to,
                     QPolygon({from, QPoint(from.x(), side), QPoint(corridor, side), QPoint(corridor, over),
                               QPoint(target.x(), over), target}),
                     false});
    }
  }
  return out;
}

TOrthogonalLink::TPointerShape TOrthogonalLink::PointerShape(int vertex, const QString& letter) const {
  const TVexNode* node = box_[At(vertex)][0];
  TPointerShape p;
  if (node == nullptr) return p;
  p.Tip = node->LeftAnchor();
  // 25 px long with a head of 7 and a bold letter at the design size, grown with the window,
  // but short enough to keep the letter inside the container.
  const TDesignRatio r = TGraphForm::RatioOf(*this);
  p.Font.Style = fsBold;
  p.Font.Height = -r.Grow(13);
  p.Font.Color = RGB(128, 0, 0);
  const int length = std::max(4, std::min(r.Grow(25), p.Tip.x() - p.Font.TextWidth(letter) - 2));
  p.Head = std::min(r.Grow(7), length / 2);
  // j on the same node as i (a loop being read) comes from below, clear of i.
  p.Below = letter == QLatin1String("j") && headArrow_ == tailArrow_;
  p.Tail = p.Tip + QPoint(-length, p.Below ? length : -length);
  return p;
}

void TOrthogonalLink::DrawPointer(TCanvas& c, int vertex, const QString& letter) {
  if (box_[At(vertex)][0] == nullptr) return;
  const TPointerShape p = PointerShape(vertex, letter);
  const TDesignRatio r = TGraphForm::RatioOf(*this);
  c.Font = p.Font;
  c.Pen = TPen{};
  c.Pen.Color = RGB(128, 0, 0);
  c.Pen.Width = r.Grow(2);
  c.MoveTo(p.Tail.x(), p.Tail.y());
  c.LineTo(p.Tip.x(), p.Tip.y());
  c.MoveTo(p.Tip.x(), p.Tip.y());
  c.LineTo(p.Tip.x() - p.Head, p.Tip.y());
  c.MoveTo(p.Tip.x(), p.Tip.y());
  c.LineTo(p.Tip.x(), p.Tip.y() + (p.Below ? p.Head : -p.Head));
  c.Pen.Width = 1;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_RIGHT | (p.Below ? TA_TOP : TA_BOTTOM));
  // Outlined: the letter may stand on a node's grey shadow.
  TextOutOutlined(c, p.Tail.x(), p.Tail.y(), letter, p.Font.Color);
}

std::vector<TDrawnShape> TOrthogonalLink::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  for (const TLinkPath& l : Links()) out.push_back(TDrawnShape::LinkBetween({l.From, -1}, {l.To, -1}, l.Path));
  const std::pair<int, const char*> pointers[] = {{headArrow_, "i"}, {tailArrow_, "j"}};
  for (const auto& [vertex, letter] : pointers) {
    const QString caption = QString::fromLatin1(letter);
    // The pointer stands for the head node of the vertex LocateVex found (none: hidden).
    const std::optional<TMarkMeaning> meaning =
        PointerMeans ? std::optional<TMarkMeaning>({.Node = [this, caption] {
          const int v = PointerMeans(caption);
          return v > 0 && v <= realNodes_ && box_[At(v)][0] != nullptr ? TShapeRef{box_[At(v)][0], -1} : TShapeRef{};
        }})
                     : std::nullopt;
    if (vertex <= 0 || box_[At(vertex)][0] == nullptr) {
      if (meaning) out.push_back(TDrawnShape::MarkOn({}, QRect(), QPoint(), caption).Meaning(*meaning).Hidden());
      continue;
    }
    const TPointerShape p = PointerShape(vertex, caption);
    TDrawnShape mark = TDrawnShape::MarkOn({box_[At(vertex)][0], -1}, QRect(p.Tail, p.Tip).normalized(), p.Tip, caption);
    out.push_back(meaning ? mark.Meaning(*meaning) : mark);
  }
  return out;
}

void TOrthogonalLink::Paint() {
  TCanvas& c = Canvas();
  CopyBackdrop(c, *this, ClientRect());
  if (realNodes_ < 1) return;
  const TVexNode* first = box_[1][0];
  const TVexNode* last = box_[At(realNodes_)][0];
  if (first != nullptr && last != nullptr) {
    c.Brush.Style = bsClear;
    c.Pen = TPen{};
    c.Pen.Color = RGB(0, 0, 255);
    c.Rectangle(first->x() - 4, first->y() - 4, last->x() + last->width() + 4, last->y() + last->height() + 4);
    c.Brush.Style = bsSolid;
  }
  for (const TLinkPath& l : Links()) {
    const TColor colour = l.Row ? OutColour : InColour;
    const QPolygon& p = l.Path;
    if (p.size() > 2) {
      std::vector<TPoint> bend;
      for (qsizetype k = 0; k + 1 < p.size(); ++k) bend.push_back(TPoint{p[k].x(), p[k].y()});
      DrawPolyline3D(c, bend, colour, colour);
    }
    const QPoint a = p[p.size() - 2];
    const QPoint b = p[p.size() - 1];
    DrawArrow3D(c, a.x(), a.y(), b.x(), b.y(), colour, colour, colour);
  }
  if (headArrow_ > 0) DrawPointer(c, headArrow_, QStringLiteral("i"));
  if (tailArrow_ > 0) DrawPointer(c, tailArrow_, QStringLiteral("j"));
}
