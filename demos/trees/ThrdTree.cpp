#include "demos/trees/ThrdTree.h"

#include <cmath>

#include "demos/trees/ThrdInputDlg.h"
#include "demos/trees/TreeFile.h"
#include "demos/trees/TreeLayout.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/engine/Errors.h"

namespace {

using stream::TPropertyKind;
using stream::TPropertyValues;

// The colours of a node drawn outside a threaded tree are the threaded tree's defaults.
const TThrdColours& Colours(const TTreeBase& tree) {
  static const TThrdColours defaults;
  if (const auto* t = dynamic_cast<const TThrdTree*>(&tree)) return *t;
  return defaults;
}

bool ShowsTags(const TTreeBase& tree) {
  const auto* t = dynamic_cast<const TThrdTree*>(&tree);
  return !t || t->ShowTags;
}

// Whether p is still one of the tree's nodes (a link is only followed to a live node).
bool IsNodeOf(const TTreeBase& tree, const QObject* p) { return p && tree.children().contains(p); }

int IntOf(const TPropertyValues& values, const char* name, int fallback) {
  const auto* v = stream::FindValue(values, QString::fromLatin1(name));
  return v && std::holds_alternative<std::int32_t>(*v) ? std::get<std::int32_t>(*v) : fallback;
}

}  // namespace

// ---------------------------------------------------------------- TThrdTreeNode

TThrdTreeNode::TThrdTreeNode(TTreeBase& tree) : TBinCharTreeNode(tree) {}

int TThrdTreeNode::SubtreeDepth() const {
  const int left = RealLeft() ? RealLeft()->SubtreeDepth() : 0;
  const int right = RealRight() ? RealRight()->SubtreeDepth() : 0;
  return 1 + std::max(left, right);
}

void TThrdTreeNode::InOrderThread(TThrdTreeNode*& pre) {
  if (!LeftChild) {
    ltag = 1;
    LeftChild = pre;
  } else {
    LeftLink()->InOrderThread(pre);
  }
  if (!pre->RightChild) {
    pre->rtag = 1;
    pre->RightChild = this;
  }
  pre = this;
  if (RightChild) RightLink()->InOrderThread(pre);
}

void TThrdTreeNode::Assign(const TBinCharTreeNode& source) {
  const auto* from = dynamic_cast<const TThrdTreeNode*>(&source);
  if (!from) {
    TBinCharTreeNode::Assign(source);
    return;
  }
  if (Tree().MaxDepth < stair) throw Exception(QStringLiteral("Tree depth exceeds limit"));
  if (RealLeft()) RealLeft()->FreeSubtree();
  if (RealRight()) RealRight()->FreeSubtree();
  SetLeft(nullptr);
  SetRight(nullptr);
  ltag = rtag = 0;
  CopyValueFrom(source);
  for (bool left : {true, false}) {
    const TThrdTreeNode* child = left ? from->RealLeft() : from->RealRight();
    if (!child) continue;
    auto* copy = new TThrdTreeNode(Tree());
    AttachChild(*copy, left);
    copy->Assign(*child);
  }
}

void TThrdTreeNode::FreeSubtree() {
  if (RealLeft()) RealLeft()->FreeSubtree();
  if (RealRight()) RealRight()->FreeSubtree();
  delete this;
}

void TThrdTreeNode::DrawLinkTo(const TTreeNodeBase& other, TCanvas& canvas, TColor color) const {
  const QLine line = LinkLineTo(other);
  canvas.Pen.Color = color;
  canvas.Pen.Width = std::max(1, Tree().Ratio().Text(1) - 1);  // thinner than the threads
  canvas.MoveTo(line.x1(), line.y1());
  canvas.LineTo(line.x2(), line.y2());
}

QLine TThrdTreeNode::LinkLineTo(const TTreeNodeBase& other) const {
  const TTreeNodeBase& upper = stair < other.stair ? static_cast<const TTreeNodeBase&>(*this) : other;
  const TTreeNodeBase& lower = stair < other.stair ? other : static_cast<const TTreeNodeBase&>(*this);
  return {upper.x() + upper.width() / 2, upper.y() + upper.height(), lower.x() + lower.width() / 2, lower.y()};
}

bool TThrdTreeNode::ForEach(const std::function<bool(TTreeNodeBase&)>& callback) {
  bool goOn = callback(*this);
  if (goOn && RealLeft()) goOn = RealLeft()->ForEach(callback);
  if (goOn && RealRight()) goOn = RealRight()->ForEach(callback);
  return goOn;
}

void TThrdTreeNode::SaveToStream(QByteArray& out) const {
  TTreeNodeBase::SaveToStream(out);
  if (RealLeft()) RealLeft()->SaveToStream(out);
  if (RealRight()) RealRight()->SaveToStream(out);
}

void TThrdTreeNode::PlaceNode(int areaHeight, int areaWidth, int nodeWidth, int nodeHeight, int topMargin,
                              int levels) {
  // The root narrows the area by the room the tree keeps right of its last column, the whole
  // tree moving left by half of it.
  if (const auto* tree = dynamic_cast<const TThrdTree*>(&Tree()); tree && tree->Root() == this) {
    const int room = tree->PointerRoomRight();
    move(x() - room / 2, y());
    areaWidth -= room;
  }
  // Place this node only, then recurse over the real links.
  TThrdTreeNode* left = RealLeft();
  TThrdTreeNode* right = RealRight();
  TBinTreeNode* savedLeft = std::exchange(LeftChild, nullptr);
  TBinTreeNode* savedRight = std::exchange(RightChild, nullptr);
  TBinTreeNode::PlaceNode(areaHeight, areaWidth, nodeWidth, nodeHeight, topMargin, levels);
  LeftChild = savedLeft;
  RightChild = savedRight;
  if (left) left->PlaceNode(areaHeight, areaWidth, nodeWidth, nodeHeight, topMargin, levels);
  if (right) right->PlaceNode(areaHeight, areaWidth, nodeWidth, nodeHeight, topMargin, levels);
}

bool TThrdTreeNode::IsLeftChild() const {
  const auto* parent = dynamic_cast<const TThrdTreeNode*>(ParentNode);
  return parent && parent->RealLeft() == this;
}

const stream::TComponentClass& TThrdTreeNode::StreamClass() {
  static const stream::TComponentClass cls = TBinCharTreeNode::StreamClass().Derived(
      QStringLiteral("TThrdTreeNode"),
      {{QStringLiteral("ltag"), TPropertyKind::Integer}, {QStringLiteral("rtag"), TPropertyKind::Integer}});
  return cls;
}

TPropertyValues TThrdTreeNode::FileValues() const {
  // A file holds the real tree only: threads are made again after loading, and a tag 1
  // read back would hide a real child.
  TPropertyValues v = TBinCharTreeNode::FileValues();
  for (auto& [name, value] : v) {
    if (name == QLatin1String("lctag")) value = RealLeft() ? 1 : 0;
    if (name == QLatin1String("rctag")) value = RealRight() ? 1 : 0;
  }
  v.emplace_back(QStringLiteral("ltag"), 0);
  v.emplace_back(QStringLiteral("rtag"), 0);
  return v;
}

void TThrdTreeNode::SetFileValues(const TPropertyValues& values) {
  TBinCharTreeNode::SetFileValues(values);
  ltag = IntOf(values, "ltag", ltag);
  rtag = IntOf(values, "rtag", rtag);
}

QString TThrdTreeNode::DrawingText() const {
  return QStringLiteral("%1 %2 %3").arg(QChar::fromLatin1(Value())).arg(ltag).arg(rtag);
}

std::vector<TDrawnShape> TThrdTreeNode::DrawingShapes() const {
  return {TDrawnShape::NodeAt(rect(), QStringLiteral("%1 %2 %3").arg(ltag).arg(QChar::fromLatin1(Value())).arg(rtag))};
}

void TThrdTreeNode::PaintBody() {
  const TThrdColours& t = Colours(Tree());
  TCanvas& c = Canvas();
  const int w = width(), h = height();
  c.Pen.Color = t.BoxPenColor;
  c.Pen.Width = 1;
  c.Brush.Style = bsSolid;
  if (!ShowsTags(Tree())) {
    c.Brush.Color = t.ChrBoxColor;
    c.Rectangle(0, 0, w, h);
    return;
  }
  c.Brush.Color = t.TagBoxColor;
  c.Rectangle(0, 0, w / 4, h);
  c.Rectangle(w * 3 / 4, 0, w, h);
  c.Brush.Color = t.ChrBoxColor;
  c.Rectangle(w / 4 - 1, 0, w * 3 / 4 + 1, h);
}

void TThrdTreeNode::PaintTexts() {
  const TThrdColours& t = Colours(Tree());
  TCanvas& c = Canvas();
  const int w = width(), h = height();
  c.Brush.Style = bsClear;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  // The letter keeps inside the middle box, and a tag inside its own, the widest of them too.
  c.Font = FitFont(TFont{.Name = QStringLiteral("Times New Roman"), .Height = std::max(1, h * 3 / 4), .Style = fsBold,
                         .Color = t.ChrColor},
                   {QStringLiteral("M"), QStringLiteral("W")}, (ShowsTags(Tree()) ? w / 2 : w) - 4);
  const QString letter(QChar::fromLatin1(Value()));
  c.TextOut((w - c.TextWidth(letter)) / 2, (h - c.TextHeight(letter)) / 2, letter);
  if (!ShowsTags(Tree())) return;
  // A small node (a window made smaller) gives its digits all but the outline's pixel each side,
  // up to the width of a digit that reads at 12 px.
  c.Font = FitFont(TFont{.Name = c.Font.Name, .Height = std::max(1, h * 2 / 3), .Style = fsBold},
                   {QStringLiteral("0"), QStringLiteral("1")}, std::max(w / 4 - 4, std::min(w / 4 - 2, 6)));
  for (const auto& [tag, centre] : {std::pair{ltag, w / 8}, std::pair{rtag, w * 7 / 8}}) {
    const QString digit = QString::number(tag);
    // Outlined: a 1 in blue hardly shows on the green tag box by itself.
    TextOutOutlined(c, centre - c.TextWidth(digit) / 2, (h - c.TextHeight(digit)) / 2, digit,
                    tag == 0 ? t.Tag0Color : t.Tag1Color);
  }
}

void TThrdTreeNode::DrawLeftThread(TCanvas& canvas, TColor color) const { DrawThread(canvas, color, true); }
void TThrdTreeNode::DrawRightThread(TCanvas& canvas, TColor color) const { DrawThread(canvas, color, false); }

std::vector<QPoint> TThrdTreeNode::ThreadPath(bool left) const {
  const TBinTreeNode* target = left ? LeftChild : RightChild;
  if (!IsNodeOf(Tree(), target)) return {};
  const TDesignRatio r = Tree().Ratio();
  const int x = left ? this->x() : this->x() + width();
  const int tx = left ? target->x() : target->x() + target->width();
  const int top = y(), bottom = y() + height();
  const int loop = r.Grow(15), bracket = r.Grow(10);
  if (target == this) return SelfThreadPath(geometry(), left, loop);
  const auto* tree = dynamic_cast<const TThrdTree*>(&Tree());
  const bool head = !left && tree && tree->thrt == this;
  std::vector<QRect> others;
  for (const QObject* child : Tree().children()) {
    const auto* node = dynamic_cast<const TTreeNodeBase*>(child);
    if (node && node != this && node != target && !node->isHidden()) others.push_back(node->geometry());
  }
  // Rows are told by where the nodes stand, not by their levels: a node waiting to be inserted
  // keeps its place in the corner while its level changes.
  if (target->y() == top) {
    // Past a node standing between the two (a node waiting to be inserted, the root, the head).
    const int from = std::min(this->x(), target->x()), to = std::max(this->x(), target->x());
    const bool far = std::any_of(others.begin(), others.end(),
                                 [&](const QRect& o) { return o.top() == top && o.x() > from && o.x() < to; });
    // The head's row keeps the room over it for the marks on the head and the root: its threads
    // run under it.
    if (tree && tree->thrt && tree->thrt->y() == top) {
      const TUnderRow kind = head ? TUnderRow::Head
                             : !left ? TUnderRow::Right
                             : far   ? TUnderRow::FarLeft
                                     : TUnderRow::Left;
      return UnderRowThreadPath(geometry(), target->geometry(), kind, tree->UnderRowStep());
    }
    return RowThreadPath(geometry(), target->geometry(), left, bracket, 2, far);
  }
  // Between rows: straight, unless that would pass through another node's box.
  const bool higher = target->y() < top;
  const int inside = head ? width() * 3 / 16 : 0;
  const QPoint from(x - inside, higher ? top : bottom);
  const QPoint to(tx - (head ? target->width() * 3 / 16 : 0), higher ? target->y() + target->height() : target->y());
  // A thread to the head runs round the tree, off the rooms over the nodes it passes, where their
  // marks stand, and across as few of the tree's links as it can, the head's line to the root
  // among them (it keeps off running along that line's legs, where the two would read as one).
  std::vector<QRect> rooms;
  std::vector<QLine> links;
  if (tree && target == tree->thrt) {
    if (const int side = tree->PointerBand(); side > 0) {
      for (const QRect& o : others) rooms.emplace_back(o.left() - side, o.top() - side, o.width() + side, side);
      for (const QObject* child : Tree().children())
        if (const auto* node = dynamic_cast<const TTreeNodeBase*>(child);
            node && !node->isHidden() && node->ParentNode && IsNodeOf(Tree(), node->ParentNode))
          links.push_back(node->LinkLineTo(*node->ParentNode));
    }
    const std::vector<QPoint> headLine = tree->HeadLinkPath();
    for (std::size_t i = 1; i < headLine.size(); ++i) links.emplace_back(headLine[i - 1], headLine[i]);
  }
  return LevelThreadPath(from, to, others, Tree().rect(), left ? -r.Grow(3) : r.Grow(head ? 9 : 3), rooms, links);
}

void TThrdTreeNode::DrawThread(TCanvas& canvas, TColor color, bool left) const {
  const std::vector<QPoint> path = ThreadPath(left);
  if (path.size() < 2) return;
  canvas.Pen.Color = color;
  canvas.Pen.Width = Tree().Ratio().Text(1, 2);
  canvas.MoveTo(path[0].x(), path[0].y());
  for (std::size_t i = 1; i + 1 < path.size(); ++i) canvas.LineTo(path[i].x(), path[i].y());
  const QPoint& from = path[path.size() - 2];
  DrawThinArrow(canvas, from.x(), from.y(), path.back().x(), path.back().y(), color);
}

// ---------------------------------------------------------------- TThrdTree

TThrdTree::TThrdTree(QWidget* parent) : TBinCharTree(parent) { NodeClass = TNodeClass::Of<TThrdTreeNode>(); }

int TThrdTree::ComputeLayout() {
  const int levels = static_cast<int>(std::lround(std::pow(2.0, std::max(MaxDepth, 1) - 1)));
  return (width() - PointerSize - PointerRoomRight()) / levels * 5 / 6;
}

int TThrdTree::PointerRoomRight() const { return Root() ? PointerRoomBelow() : 0; }

int TThrdTree::UnderRowStep() const { return std::max(4, Ratio().Grow(10) / 2); }

int TThrdTree::Relayout() { return (height() - PointerSize) / std::max(MaxDepth, 1) / 3; }

void TThrdTree::Arrange() {
  // The head keeps room on its right for the loop of a thread to itself (an empty tree's) and
  // for a pointer on it that points left (the marks crowd on an empty tree's head), so that
  // beside a tree it stands over the last column and the threads between the two leave that room
  // free.
  const TDesignRatio r = Ratio();
  const int right = std::max({12, r.Grow(15) + r.Text(1, 2) + 2, PointerRoomBelow()});
  if (thrt) thrt->setGeometry(width() - ComputeLayout() - right, PointerBand(), ComputeLayout(), Relayout());
  // The waiting node first: the pointers are placed off its threads too.
  PlaceWaiting();
  TBinCharTree::Arrange();
}

void TThrdTree::PlaceWaiting() {
  if (!Waiting || !thrt || Waiting->ParentNode || Waiting == Root()) return;
  Waiting->setGeometry(PointerBand(), PointerBand(), thrt->width(), thrt->height());
}

void TThrdTree::NameNodes() {
  std::function<void(TThrdTreeNode*, qint64)> name = [&name](TThrdTreeNode* node, qint64 place) {
    if (!node) return;
    node->setObjectName(QStringLiteral("Node") + QString::number(place));
    name(node->RealLeft(), 2 * place);
    name(node->RealRight(), 2 * place + 1);
  };
  name(Root(), 1);
  if (thrt) thrt->setObjectName(QStringLiteral("Head"));
}

bool TThrdTree::Input() {
  TThrdInputDlg dlg;
  return InputWith(dlg, *dlg.Tree);
}

void TThrdTree::Clear() {
  TBinCharTree::Clear();
  if (thrt) {
    thrt->LeftChild = thrt->RightChild = nullptr;
    thrt->ltag = thrt->rtag = 0;
  }
}

void TThrdTree::ClearThreads() {
  if (!Root()) return;
  Root()->ForEach([](TTreeNodeBase& n) {
    auto& node = static_cast<TThrdTreeNode&>(n);
    if (node.ltag == 1) {
      node.LeftChild = nullptr;
      node.ltag = 0;
    }
    if (node.rtag == 1) {
      node.RightChild = nullptr;
      node.rtag = 0;
    }
    node.Repaint();
    return true;
  });
}

void TThrdTree::InOrderThreading() {
  ClearThreads();
  if (!thrt) {
    thrt = new TThrdTreeNode(*this);
    thrt->setGeometry(0, 0, ComputeLayout(), Relayout());
    thrt->stair = 1;
    thrt->ShowName = ShowName;
  }
  thrt->ParentNode = nullptr;
  thrt->ltag = thrt->rtag = 0;
  thrt->RightChild = thrt;
  if (!Root()) {
    thrt->LeftChild = thrt;
    thrt->ltag = thrt->rtag = 1;
  } else {
    thrt->LeftChild = Root();
    TThrdTreeNode* pre = thrt;
    Root()->InOrderThread(pre);
    pre->rtag = 1;
    pre->RightChild = thrt;
    thrt->rtag = 1;
    thrt->RightChild = pre;
  }
  Arrange();
  Repaint();
  for (QObject* child : children())
    if (auto* node = dynamic_cast<TThrdTreeNode*>(child)) node->Repaint();
}

bool TThrdTree::RethreadTree() {
  if (!Input()) return false;
  InOrderThreading();
  Repaint();
  return true;
}

void TThrdTree::DropStrayNodes() {
  QList<QObject*> reached;
  if (Root())
    Root()->ForEach([&reached](TTreeNodeBase& n) {
      reached.append(&n);
      return true;
    });
  for (QObject* child : children()) {
    auto* node = dynamic_cast<TTreeNodeBase*>(child);
    if (node && node != thrt && !reached.contains(node)) delete node;
  }
}

void TThrdTree::Restore(const QByteArray& bytes) {
  Clear();
  DropStrayNodes();
  LoadFromBytes(bytes, QString());
  NumberNodes();
  InOrderThreading();
}

TBinTreeNode* TThrdTree::NewFullTreeNode() { return MakeNode<TThrdTreeNode>(); }

int TThrdTree::BottomMargin() const {
  const TDesignRatio r = Ratio();
  return r.Grow(10) + r.Text(1, 2) + 1 + PointerRoomBelow();  // the bracket's depth and its pen
}

std::vector<TThrdTree::TDrawnThread> TThrdTree::DrawnThreads() const {
  std::vector<TDrawnThread> out;
  for (const QObject* child : children()) {
    const auto* node = dynamic_cast<const TThrdTreeNode*>(child);
    if (!node || node->isHidden()) continue;
    for (const bool left : {true, false}) {
      if ((left ? node->ltag : node->rtag) != 1) continue;
      if (std::vector<QPoint> path = node->ThreadPath(left); !path.empty())
        out.push_back({node, left, left ? node->LeftChild : node->RightChild, std::move(path)});
    }
  }
  return out;
}

QString TThrdTree::DrawingText() const {
  QStringList threads;
  for (const TDrawnThread& t : DrawnThreads()) {
    QStringList points;
    for (const QPoint& p : t.Path) points << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    threads << QStringLiteral("%1 %2 %3: %4")
                   .arg(t.Node->objectName(), t.Left ? QStringLiteral("left") : QStringLiteral("right"),
                        t.Target->objectName(), points.join(' '));
  }
  return threads.join(QStringLiteral(" | "));
}

TRecordCheck TThrdTree::FileCheck() const {
  return [](const TPropertyValues& values) {
    return IntOf(values, "ltag", 0) != 0 || IntOf(values, "rtag", 0) != 0
               ? QStringLiteral("带有线索标志（ltag 或 rtag 不为 0）")
               : QString();
  };
}

void TThrdTree::Paint() {
  TCanvas& c = Canvas();
  PaintGround(c, *this, ClientRect());
  Frame3D(c, 0, 0, width(), height(), clGray, clWhite);
  for (QObject* child : children()) {
    auto* node = dynamic_cast<TTreeNodeBase*>(child);
    if (node && node->ParentNode && IsNodeOf(*this, node->ParentNode)) node->DrawLinkTo(*node->ParentNode, c, LineColor);
  }
  if (const std::vector<QPoint> head = HeadLinkPath(); !head.empty()) {
    c.Pen.Color = LineColor;
    c.Pen.Width = std::max(1, Ratio().Text(1) - 1);
    c.MoveTo(head.front().x(), head.front().y());
    for (std::size_t i = 1; i < head.size(); ++i) c.LineTo(head[i].x(), head[i].y());
  }
  for (QObject* child : children()) {
    auto* node = dynamic_cast<TThrdTreeNode*>(child);
    if (!node) continue;
    if (node->ltag == 1) node->DrawLeftThread(c, ThreadColour(true));
    if (node->rtag == 1) node->DrawRightThread(c, ThreadColour(false));
  }
}

std::vector<QPoint> TThrdTree::HeadLinkPath() const {
  if (!thrt || thrt->ltag != 0 || !thrt->LeftChild || thrt->LeftChild != Root()) return {};
  const TThrdTreeNode& root = *Root();
  const QPoint from(thrt->x() + thrt->width() / 2, thrt->y() + thrt->height());
  const int rx = root.x() + root.width() / 2;
  if (thrt->y() != root.y()) return {from, {rx, root.y()}};
  // Side by side: down, across below both in the lane between the left threads' under the row,
  // and up into the root.
  const int below = from.y() + UnderRowLinkLane(UnderRowStep());
  return {from, {from.x(), below}, {rx, below}, {rx, root.y() + root.height()}};
}

std::vector<TDrawnShape> TThrdTree::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  const auto shown = [this](const QObject* p) {
    return IsNodeOf(*this, p) && !static_cast<const QWidget*>(p)->isHidden();
  };
  const auto link = [&out](const QWidget* from, const QWidget* to, const std::vector<QPoint>& path) {
    out.push_back(TDrawnShape::LinkBetween({from, -1}, {to, -1}, QPolygon(QList<QPoint>(path.begin(), path.end()))));
  };
  for (const QObject* child : children()) {
    const auto* node = dynamic_cast<const TTreeNodeBase*>(child);
    if (!node || !shown(node) || !shown(node->ParentNode)) continue;
    const QLine line = node->LinkLineTo(*node->ParentNode);
    link(node->ParentNode, node, {line.p1(), line.p2()});
  }
  if (const std::vector<QPoint> head = HeadLinkPath(); !head.empty() && shown(thrt) && shown(Root()))
    link(thrt, Root(), head);
  // The threads, each from its node to the node it leads to, its colour the side it is of.
  const auto side = [this](TColor colour) {
    return colour == PreLineColor ? QStringLiteral("left") : colour == PostLineColor ? QStringLiteral("right") : QString();
  };
  for (const TDrawnThread& t : DrawnThreads()) {
    if (!shown(t.Target)) continue;
    link(t.Node, t.Target, t.Path);
    // Its side while the node's tag says that link is a thread, none once it is a child.
    const QString is = t.Left ? QStringLiteral("left") : QStringLiteral("right");
    const QPointer<const TThrdTreeNode> node = t.Node;
    out.back() = out.back().Noted(side(ThreadColour(t.Left))).StandingFor(
        {.Value = [is, node, left = t.Left]() -> std::optional<QString> {
           if (!node) return std::nullopt;
           return (left ? node->ltag : node->rtag) == 1 ? is : QString();
         },
         .Part = TValueMeaning::InNote});
  }
  return out;
}
