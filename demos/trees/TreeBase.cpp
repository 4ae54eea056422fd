#include "demos/trees/TreeBase.h"

#include <QFontMetrics>
#include <cmath>
#include <numeric>

#include "demos/trees/BinCharTreeCreateDlg.h"
#include "demos/trees/TreeFile.h"
#include "demos/trees/TreeLayout.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/MarkPlaces.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/Errors.h"
#include "platform/Forms.h"
#include "platform/Random.h"
#include "platform/TextRules.h"

namespace {

using stream::TComponentClass;
using stream::TPropertyKind;
using stream::TPropertyValues;

std::int32_t IntValue(const TPropertyValues& values, const char* name, std::int32_t fallback) {
  const stream::TPropertyValue* v = stream::FindValue(values, QString::fromLatin1(name));
  return v && std::holds_alternative<std::int32_t>(*v) ? std::get<std::int32_t>(*v) : fallback;
}

int Pow2(int n) { return static_cast<int>(std::lround(std::pow(2.0, n))); }

// Below this (design pixels, grown with the window) a node's letter and links are lost.
constexpr int kLeastNode = 16;
// Nodes keep this far (design pixels, grown with the window) off the panel's frame.
constexpr int kEdge = 3;
// Captions are never written smaller than this many pixels (fewer in a window made smaller than
// the screen, as few as it may write).
constexpr int kLeastCaption = 10;

}  // namespace

// ---------------------------------------------------------------- TTreeNodeBase

TTreeNodeBase::TTreeNodeBase(TTreeBase& tree) : TRectbase(&tree), tree_(tree) {
  OnClick = [this] { tree_.DoNodeClick(*this); };
  show();
}

TTreeNodeBase::~TTreeNodeBase() = default;

void TTreeNodeBase::SetHighlighted(bool flag) {
  highlighted_ = flag;
  Repaint();
}

QString TTreeNodeBase::GetCaption() const { return caption_; }

void TTreeNodeBase::SetCaption(const QString& caption) {
  caption_ = text::CutToBytes(caption, TData::MaxNameBytes);
  tree_.Invalidate();  // the tree writes it
}

void TTreeNodeBase::FreeSubtree() { delete this; }

void TTreeNodeBase::DrawLinkTo(const TTreeNodeBase& other, TCanvas& canvas, TColor color) const {
  const QLine line = LinkLineTo(other);
  canvas.Pen.Color = color;
  canvas.Pen.Width = tree_.Ratio().Text(1, 2);  // a pixel wider for each design size
  canvas.MoveTo(line.x1(), line.y1());
  canvas.LineTo(line.x2(), line.y2());
}

QLine TTreeNodeBase::LinkLineTo(const TTreeNodeBase& other) const {
  if (stair == other.stair) throw Exception(QStringLiteral("temp to link two nodes that are on same stair"));
  const TTreeNodeBase& upper = stair < other.stair ? *this : other;
  const TTreeNodeBase& lower = stair < other.stair ? other : *this;
  return {upper.x() + upper.width() / 2, upper.y() + upper.height() / 2, lower.x() + lower.width() / 2, lower.y()};
}

bool TTreeNodeBase::ForEach(const std::function<bool(TTreeNodeBase&)>& /*callback*/) { return true; }

int TTreeNodeBase::GenerateRandomSubtree(int /*levels*/, int /*number*/) { return 1; }

void TTreeNodeBase::SaveToStream(QByteArray& out) const {
  out.append(stream::WriteComponentRecord(FileClass(), FileValues()));
}

const TComponentClass& TTreeNodeBase::StreamClass() {
  static const TComponentClass cls{QStringLiteral("TTreeNodeBase"),
                                   {{QStringLiteral("Left"), TPropertyKind::Integer},
                                    {QStringLiteral("Top"), TPropertyKind::Integer},
                                    {QStringLiteral("Width"), TPropertyKind::Integer},
                                    {QStringLiteral("Height"), TPropertyKind::Integer},
                                    {QStringLiteral("stair"), TPropertyKind::Integer},
                                    {QStringLiteral("ShowName"), TPropertyKind::Boolean}}};
  return cls;
}

TPropertyValues TTreeNodeBase::FileValues() const {
  return {{QStringLiteral("Left"), x()},           {QStringLiteral("Top"), y()},
          {QStringLiteral("Width"), width()},      {QStringLiteral("Height"), height()},
          {QStringLiteral("stair"), stair},        {QStringLiteral("ShowName"), ShowName}};
}

void TTreeNodeBase::SetFileValues(const TPropertyValues& values) {
  setGeometry(IntValue(values, "Left", x()), IntValue(values, "Top", y()),
              std::max(0, IntValue(values, "Width", width())), std::max(0, IntValue(values, "Height", height())));
  stair = IntValue(values, "stair", stair);
  if (const auto* v = stream::FindValue(values, QStringLiteral("ShowName")); v && std::holds_alternative<bool>(*v))
    ShowName = std::get<bool>(*v);
}

QString TTreeNodeBase::DrawingText() const {
  const QString value = NodeData ? NodeData->GetText() : QString();
  if (!ShowName || caption_.isEmpty()) return value;
  return value.isEmpty() ? caption_ : caption_ + ' ' + value;
}

std::vector<TDrawnShape> TTreeNodeBase::DrawingShapes() const {
  // A caption that travels with the key is the tree's label of the node (TBinTree::DrawingShapes).
  const bool travels = CaptionShown() && tree_.CaptionsTravel && NodeData;
  const QString name = CaptionShown() && !travels ? caption_ : QString();
  const QString text = travels ? NodeData->GetText() : DrawingText();
  // Nothing is painted in a blank node: what it holds is listed, not read (its caption, written
  // beside it, is its name).
  TDrawnShape node = BlankLetter() ? TDrawnShape::NodeAt(rect(), QString()).Named(name).Noted(text)
                                   : TDrawnShape::NodeAt(rect(), text).Named(name);
  if (tree_.NotesHighlight && highlighted_) node.Note = node.Note.isEmpty() ? QStringLiteral("lit") : node.Note + QStringLiteral(" lit");
  node.Stands = Stands;
  return {node};
}

bool TTreeNodeBase::BlankLetter() const {
  const auto* letter = dynamic_cast<const TCharData*>(NodeData.get());
  return letter && letter->Assigned() && letter->Value() == ' ';
}

void TTreeNodeBase::Paint() {
  PaintBody();
  PaintTexts();
}

void TTreeNodeBase::moveEvent(QMoveEvent* event) {
  TRectbase::moveEvent(event);
  Invalidate();
}

void TTreeNodeBase::PaintBody() {
  TCanvas& c = Canvas();
  tree_.PaintGround(c, *this, ClientRect());
  const int index = highlighted_ ? 1 : 0;
  if (index < tree_.Images.Count()) {
    TBitmap picture;
    tree_.Images.GetBitmap(index, picture);
    picture.Transparent = true;
    c.StretchDraw(ClientRect(), picture);
  }
}

void TTreeNodeBase::PaintTexts() {
  TCanvas& c = Canvas();
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Style = fsBold;
  c.Brush.Style = bsClear;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  if (NodeData) {
    // A letter node shows its letter as it stands: a blank one shows nothing, not the "' '" the
    // variables window writes for it.
    const QString text = BlankLetter() ? QString() : NodeData->GetText();
    // Four fifths of the node, named or not: a letter the height of the whole node runs its
    // descender ("g") out of the round picture.
    c.Font.Height = static_cast<int>(std::lround(0.8 * height()));
    // Outlined: the yellow alone fades into the light rim of the ball.
    TextOutOutlined(c, (width() - c.TextWidth(text)) / 2, (height() - c.TextHeight(text)) / 2, text, RGB(255, 255, 0));
  }
}

void TTreeNodeBase::PaintKeyOverNumber(const QString& key, const QString& number) {
  TCanvas& c = Canvas();
  c.Font.Name = QStringLiteral("Arial");
  c.Brush.Style = bsClear;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  // Cell heights in pixels, the two texts filling the node's height between them; a small node
  // keeps both at a size where a sign and a digit can still be told apart.
  const int h = height();
  const int keyCell = std::max(h * 11 / 20, 12);
  const int numberCell = std::max(h * 9 / 20, 11);
  const int top = std::max(0, (h - keyCell - numberCell) / 2);
  c.Font.Style = fsBold;
  // Outlined: the yellow alone fades into the light rim of the ball.
  c.Font.Height = keyCell;
  TextOutOutlined(c, (width() - c.TextWidth(key)) / 2, top, key, RGB(255, 255, 0));
  c.Font.Height = numberCell;
  TextOutOutlined(c, (width() - c.TextWidth(number)) / 2, top + keyCell, number, RGB(255, 255, 0));
}

// ---------------------------------------------------------------- TBinTreeNode

TBinTreeNode::TBinTreeNode(TTreeBase& tree) : TTreeNodeBase(tree) {}

void TBinTreeNode::SetLeft(TBinTreeNode* node) {
  LeftChild = node;
  if (node) node->ParentNode = this;
  lctag = node ? 1 : 0;
}

void TBinTreeNode::SetRight(TBinTreeNode* node) {
  RightChild = node;
  if (node) node->ParentNode = this;
  rctag = node ? 1 : 0;
}

void TBinTreeNode::AttachChild(TBinTreeNode& child, bool left) {
  left ? SetLeft(&child) : SetRight(&child);
  child.stair = stair + 1;
}

bool TBinTreeNode::IsLeftChild() const {
  const auto* parent = static_cast<const TBinTreeNode*>(ParentNode);
  return parent && parent->LeftChild == this;
}

void TBinTreeNode::PlaceNode(int areaHeight, int areaWidth, int nodeWidth, int nodeHeight, int topMargin,
                             int levels) {
  if (ParentNode) {
    // A tree deeper than its levels (a level above MaxDepth) keeps its lowest levels on
    // the last row rather than dividing by zero.
    const int step = levels > 1 ? (areaHeight - nodeHeight) / (levels - 1) : 0;
    const int top = step * (std::min(stair, std::max(levels, 1)) - 1) + topMargin;
    const int offset = areaWidth / Pow2(stair);
    const int centre = ParentNode->x() + ParentNode->width() / 2;
    const int left = IsLeftChild() ? centre - offset - nodeWidth / 2 : centre + offset - nodeWidth / 2;
    setGeometry(left, top, nodeWidth, nodeHeight);
  } else {
    resize(nodeWidth, nodeHeight);
  }
  if (LeftChild) LeftChild->PlaceNode(areaHeight, areaWidth, nodeWidth, nodeHeight, topMargin, levels);
  if (RightChild) RightChild->PlaceNode(areaHeight, areaWidth, nodeWidth, nodeHeight, topMargin, levels);
}

void TBinTreeNode::FreeSubtree() {
  if (LeftChild) LeftChild->FreeSubtree();
  if (RightChild) RightChild->FreeSubtree();
  delete this;
}

bool TBinTreeNode::ForEach(const std::function<bool(TTreeNodeBase&)>& callback) {
  bool goOn = callback(*this);
  if (goOn && LeftChild) goOn = LeftChild->ForEach(callback);
  if (goOn && RightChild) goOn = RightChild->ForEach(callback);
  return goOn;
}

void TBinTreeNode::SaveToStream(QByteArray& out) const {
  TTreeNodeBase::SaveToStream(out);
  if (LeftChild) LeftChild->SaveToStream(out);
  if (RightChild) RightChild->SaveToStream(out);
}

const TComponentClass& TBinTreeNode::StreamClass() {
  static const TComponentClass cls = TTreeNodeBase::StreamClass().Derived(
      QStringLiteral("TBinTreeNode"),
      {{QStringLiteral("lctag"), TPropertyKind::Integer}, {QStringLiteral("rctag"), TPropertyKind::Integer}});
  return cls;
}

TPropertyValues TBinTreeNode::FileValues() const {
  TPropertyValues v = TTreeNodeBase::FileValues();
  v.emplace_back(QStringLiteral("lctag"), lctag);
  v.emplace_back(QStringLiteral("rctag"), rctag);
  return v;
}

void TBinTreeNode::SetFileValues(const TPropertyValues& values) {
  TTreeNodeBase::SetFileValues(values);
  lctag = IntValue(values, "lctag", lctag);
  rctag = IntValue(values, "rctag", rctag);
}

// ---------------------------------------------------------------- TBinCharTreeNode

TBinCharTreeNode::TBinCharTreeNode(TTreeBase& tree) : TBinTreeNode(tree) {
  NodeData = std::make_unique<TCharData>(QString(), ' ');
}

namespace {
TCharData& CharData(const TTreeNodeBase& node) {
  auto* data = dynamic_cast<TCharData*>(node.NodeData.get());
  if (!data) throw Exception(QStringLiteral("nil data in TBinCharTreeNode"));
  return *data;
}
}  // namespace

char TBinCharTreeNode::Value() const { return CharData(*this).Value(); }

void TBinCharTreeNode::SetValue(char value) {
  CharData(*this).SetValue(value);
  Repaint();
}

TBinCharTreeNode* TBinCharTreeNode::Left() const { return dynamic_cast<TBinCharTreeNode*>(LeftChild); }
TBinCharTreeNode* TBinCharTreeNode::Right() const { return dynamic_cast<TBinCharTreeNode*>(RightChild); }
TBinCharTreeNode* TBinCharTreeNode::Parent() const { return dynamic_cast<TBinCharTreeNode*>(ParentNode); }

void TBinCharTreeNode::CopyValueFrom(const TBinCharTreeNode& node) {
  SetValue(node.Value());
  SetCaption(node.GetCaption());
  ShowName = node.ShowName;
}

void TBinCharTreeNode::Assign(const TBinCharTreeNode& source) {
  if (Tree().MaxDepth < stair) throw Exception(QStringLiteral("Tree depth exceeds limit"));
  if (LeftChild) LeftChild->FreeSubtree();
  if (RightChild) RightChild->FreeSubtree();
  SetLeft(nullptr);
  SetRight(nullptr);
  CopyValueFrom(source);
  auto copyChild = [this](const TBinCharTreeNode* from, bool left) {
    if (!from) return;
    auto* child = new TBinCharTreeNode(Tree());
    AttachChild(*child, left);
    child->Assign(*from);
  };
  copyChild(source.Left(), true);
  copyChild(source.Right(), false);
}

void TBinCharTreeNode::RandomValue() { SetValue(static_cast<char>(rnd::Random(26) + 65)); }

int TBinCharTreeNode::GenerateRandomSubtree(int levels, int number) {
  RandomValue();
  int result = number;
  if (levels <= 1) return result;
  auto* tree = dynamic_cast<TBinTree*>(&Tree());
  for (bool left : {true, false}) {
    if (rnd::RandomReal() > 0.7) continue;
    TBinTreeNode* made = tree ? tree->NewNode() : new TBinCharTreeNode(Tree());
    AttachChild(*made, left);
    made->SetCaption(QStringLiteral("n") + QString::number(result).left(3));
    made->ShowName = ShowName;
    result = made->GenerateRandomSubtree(levels - 1, result + 1);
  }
  return result;
}

const TComponentClass& TBinCharTreeNode::StreamClass() {
  static const TComponentClass cls = TBinTreeNode::StreamClass().Derived(
      QStringLiteral("TBinCharTreeNode"), {{QStringLiteral("Value"), TPropertyKind::Char}});
  return cls;
}

TPropertyValues TBinCharTreeNode::FileValues() const {
  TPropertyValues v = TBinTreeNode::FileValues();
  v.emplace_back(QStringLiteral("Value"), QString(QChar::fromLatin1(Value())));
  return v;
}

void TBinCharTreeNode::SetFileValues(const TPropertyValues& values) {
  TBinTreeNode::SetFileValues(values);
  const auto* v = stream::FindValue(values, QStringLiteral("Value"));
  if (v && std::holds_alternative<QString>(*v)) {
    const QString s = std::get<QString>(*v);
    const char c = s.size() == 1 && s[0].unicode() < 0x80 ? static_cast<char>(s[0].unicode()) : ' ';
    CharData(*this).SetValue(c);
  }
}

// ---------------------------------------------------------------- TTreeBase

TTreeBase::TTreeBase(QWidget* parent) : TNodeContainer(parent) { rnd::Randomize(); }

TTreeBase::~TTreeBase() { Clear(); }

void TTreeBase::Clear() {
  if (root_) std::exchange(root_, nullptr)->FreeSubtree();
}

void TTreeBase::DoNodeClick(TTreeNodeBase& node) {
  if (OnNodeClick) OnNodeClick(node);
}

void TTreeBase::NumberNodes() {
  NodeCounter = 1;
  if (!root_) return;
  root_->ForEach([this](TTreeNodeBase& node) {
    node.SetCaption(NodeCaption + QString::number(NodeCounter++));
    return true;
  });
}

void TTreeBase::ComputeLevels() {
  if (!root_) return;
  root_->stair = 1;
  root_->ForEach([this](TTreeNodeBase& node) {
    if (&node != root_ && node.ParentNode) node.stair = node.ParentNode->stair + 1;
    return true;
  });
}

int TTreeBase::DeepestLevel() const {
  int deepest = 0;
  if (root_)
    root_->ForEach([&deepest](TTreeNodeBase& node) {
      deepest = std::max(deepest, node.stair);
      return true;
    });
  return deepest;
}

// ---------------------------------------------------------------- TBinTree

TBinTree::TBinTree(QWidget* parent) : TTreeBase(parent), NodeClass(TNodeClass::Of<TBinCharTreeNode>()) {
  const std::unique_ptr<TBitmap> normal = LoadPicture(QStringLiteral("treenode1.bmp"));
  const std::unique_ptr<TBitmap> highlighted = LoadPicture(QStringLiteral("treenode2.bmp"));
  if (!normal) return;
  Images.SetSize(normal->Width(), normal->Height());
  Images.Add(*normal);
  if (highlighted) Images.Add(*highlighted);
}

TBinTreeNode* TBinTree::NewNode() {
  TBinTreeNode* node = NodeClass.Make(*this);
  node->ShowName = ShowName;
  return node;
}

int TBinTree::ComputeLayout() {
  const int w = width() - PointerSize;
  const int h = height() - PointerSize;
  // Nodes of one level stand apart by the width over its number of places: a tree that has not
  // reached its last level yet sizes its nodes for its own lowest level, not the last one.
  const int a = (w / Pow2(std::clamp(DeepestLevel(), 1, std::max(MaxDepth, 1)) - 1)) * 3 / 4;
  const int b = (h / std::max(MaxDepth, 1)) * 3 / 5;
  return a < b ? a : b;
}

int TBinTree::Relayout() { return ComputeLayout(); }

int TBinTree::LeastNodeSize() const { return Ratio().Grow(kLeastNode); }

void TBinTree::Arrange() {
  if (TBinTreeNode* root = Root()) {
    // The band above and left of the tree holds its pointers; a tree without them still keeps its
    // nodes off the frame, as it does below the last level.
    const int edge = Ratio().Grow(kEdge);
    const int band = std::max(PointerBand(), edge);
    const int w = width() - band;
    const int nodeWidth = ComputeLayout();
    const int nodeHeight = Relayout();
    const int h = height() - band - BottomMargin() - CaptionRoomBelow(nodeHeight) - edge;
    // Columns are worth it only where the level layout loses the nodes and they do better.
    int count = 0;
    root->ForEach([&count](TTreeNodeBase&) {
      ++count;
      return true;
    });
    const int levels = std::max(MaxDepth, 1);
    // Nodes on one level stand two columns apart at least; a node is three quarters of that,
    // and the outer columns keep their nodes inside the area.
    const int columnSize = std::min(3 * (w - edge) / (2 * count + 1), h / levels * 3 / 5);
    if (std::min(nodeWidth, nodeHeight) < LeastNodeSize() && columnSize > std::min(nodeWidth, nodeHeight)) {
      ArrangeByColumns(band, w - edge, h, columnSize);
    } else {
      root->setGeometry((w - nodeWidth) / 2 + band, band, nodeWidth, nodeHeight);
      root->PlaceNode(h, w, nodeWidth, nodeHeight, band, MaxDepth);
    }
  }
  NameNodes();
  PlacePointers();
  Invalidate();
}

bool TBinTree::PlacesPointer(const TPointer2& pointer) const {
  return pointer.Target() != nullptr && pointer.Target()->parentWidget() == this;
}

void TBinTree::PlacePointers() {
  std::vector<TPointer2*> placed;
  std::vector<QRect> boxes;
  const QObjectList kids = children();  // a copy: placing a pointer raises it, reordering them
  for (QObject* child : kids) {
    auto* pointer = dynamic_cast<TPointer2*>(child);
    if (!pointer || pointer->isHidden() || !pointer->Target() || pointer->Target()->parentWidget() != this) continue;
    // Its usual place first; StepOffLinks turns it or puts it under its node where that is taken.
    pointer->PointsLeft = false;
    pointer->PointsUp = false;
    pointer->Reposition();
    pointer->setGeometry(PointerPlace(pointer->geometry(), pointer->Target()->geometry(), boxes, width()));
    placed.push_back(pointer);
    boxes.push_back(pointer->geometry());
  }
  StepOffLinks(placed);
  // Heads fanned out on one node: each one right of another stands above it, its caption clear of
  // the other's head.
  std::stable_sort(placed.begin(), placed.end(), [](const TPointer2* a, const TPointer2* b) { return a->x() < b->x(); });
  for (TPointer2* pointer : placed) pointer->raise();
}

int TBinTree::PointerRoomBelow() const {
  return RoomForPointersBelow ? std::max(PointerBand(), TPointer2::LeastSide) : 0;
}

int TBinTree::CaptionRoomBelow(int nodeHeight) const {
  if (!RoomForCaptionsBelow) return 0;
  // As tall as the captions the planner gives nodes of that size: half their height, readable.
  const int em = std::max(LegiblePixels(), nodeHeight / 2);
  return QFontMetrics(CaptionFont(em).ToQFont()).height() + std::max(2, nodeHeight / 40) + 1;
}

namespace {

// How far apart the places between a head's usual ones are tried.
constexpr int kFineStep = 4;
// Two heads sharing the room on one node keep their tips at least this far apart.
constexpr int kTipsApart = 4;
// How many places the pointers on the nodes may try together before the first that fit are kept.
constexpr int kPlacesSearched = 20000;

// The head sizes a pointer may take, largest first: its own, then a sixth smaller each time,
// down to the least side of a pointer, as long as its caption stays legible.
std::vector<QSize> HeadSizes(const TPointer2& pointer) {
  const QSize full = pointer.size();
  std::vector<QSize> sizes{full};
  const int least = TPointer2::LeastSide;
  const int legible = std::min(LegiblePixels(), TPointer2::CaptionPixels(pointer.Caption(), full));
  const auto add = [&](int side) {
    const QSize size(std::max(least, full.width() * side / full.height()), side);
    if (TPointer2::CaptionPixels(pointer.Caption(), size) >= legible) sizes.push_back(size);
  };
  for (int side = full.height() * 5 / 6; side > least; side = side * 5 / 6) add(side);
  if (full.height() > least) add(least);
  return sizes;
}

// The heads smaller than the least side a pointer may take in a window made smaller, where its
// caption still reads at the size that window asks (LegibleSide), a sixth smaller each time.
std::vector<QSize> SmallHeads(const TPointer2& pointer) {
  std::vector<QSize> sizes;
  const int legible = pointer.LegibleSide();
  for (int side = std::min(pointer.height(), TPointer2::LeastSide) * 5 / 6; side >= legible; side = side * 5 / 6)
    sizes.emplace_back(side, side);
  return sizes;
}

}  // namespace

void TBinTree::StepOffLinks(const std::vector<TPointer2*>& pointers) {
  std::vector<QRect> nodes;
  for (QObject* child : children())
    if (auto* node = dynamic_cast<TTreeNodeBase*>(child); node && node->isVisible()) nodes.push_back(node->geometry());
  // The captions written beside the nodes stand in a head's way as the nodes do.
  const std::vector<QRect> captions = CaptionBoxes();
  nodes.insert(nodes.end(), captions.begin(), captions.end());
  std::vector<QPolygon> links;
  for (const TDrawnShape& shape : DrawingShapes())
    if (shape.Kind == TDrawnShape::Link) links.push_back(shape.Path);
  // A head crossing a link or another node, or more than grazing another head, is in the way,
  // and so is one whose tip meets another's, unless the two point at one node from either side of
  // its edge (one over it, one under it pointing up) at tips of their own. Where nothing else is
  // left, a head may share the room with another head on its own node, as marks fanned on a node
  // do: covering at most half of it and neither of the two captions.
  // The pointers still to be moved: their usual places are in the way of nobody.
  std::vector<TPointer2*> unplaced;
  const auto inWay = [&](const TPlacedMark& at, bool left, const QRect& target, const TPointer2* self, bool share) {
    const QRect inner = at.Head.adjusted(2, 2, -2, -2);
    for (const QRect& node : nodes)
      if (node != target && inner.intersects(node)) return true;
    for (const TPointer2* other : pointers) {
      if (other == self || std::find(unplaced.begin(), unplaced.end(), other) != unplaced.end()) continue;
      const QRect box = other->geometry();
      if (const int apart = (box.topLeft() + other->Tip() - at.Tip).manhattanLength();
          apart <= kTipsApart && (apart == 0 || other->PointsUp == at.Below || other->Target() != self->Target()))
        return true;
      if (!inner.intersects(box)) continue;
      if (!share || other->Target() != self->Target()) return true;
      const QRect both = inner & box;
      const qint64 smaller = std::min(qint64(at.Head.width()) * at.Head.height(), qint64(box.width()) * box.height());
      if (2 * qint64(both.width()) * both.height() > smaller) return true;
      if (inner.intersects(TPointer2::CaptionQuarterOf(box, other->PointsLeft, other->PointsUp)) ||
          box.intersects(TPointer2::CaptionQuarterOf(inner, left, at.Below)))
        return true;
    }
    for (const QPolygon& link : links)
      for (qsizetype i = 1; i < link.size(); ++i)
        if (SegmentCrosses(link[i - 1], link[i], inner)) return true;
    return false;
  };
  for (TPointer2* pointer : pointers) {
    const TPlacedMark now{pointer->geometry(), pointer->pos() + pointer->Tip(), pointer->PointsUp};
    if (inWay(now, pointer->PointsLeft, pointer->Target()->geometry(), pointer, false)) unplaced.push_back(pointer);
  }
  // The places a pointer may take round its node, in the order it prefers them: its whole head
  // first, then the places between its usual ones, then smaller heads down to the least side;
  // after them all, the same sharing the room with the other heads on its node; last, in a window
  // made smaller, heads below the least side whose caption still reads there.
  struct TPlace {
    TPlacedMark At;
    bool Left, Share;
  };
  const auto placesOf = [&](const TPointer2& pointer) {
    std::vector<TPlace> out;
    const auto known = [&out](const TPlace& p) {
      return std::any_of(out.begin(), out.end(), [&p](const TPlace& q) {
        return q.At.Head == p.At.Head && q.At.Below == p.At.Below && q.Left == p.Left && q.Share == p.Share;
      });
    };
    for (const auto& sizes : {HeadSizes(pointer), SmallHeads(pointer)})
      for (const bool share : {false, true})
        for (const QSize& head : sizes)
          for (const int step : {0, kFineStep})
            for (const bool left : {pointer.PointsLeft, !pointer.PointsLeft}) {
              const TMarkToPlace mark{.Target = pointer.Target()->geometry(),
                                      .Head = head,
                                      .PointsLeft = left,
                                      .MayStandBelow = RoomForPointersBelow,
                                      .Step = step};
              for (const TPlacedMark& at : PlacesOn(mark))
                if (const TPlace p{at, left, share}; rect().contains(at.Head) && !known(p)) out.push_back(p);
            }
    return out;
  };
  const auto fits = [&](const TPointer2* pointer, const TPlace& p) {
    return !inWay(p.At, p.Left, pointer->Target()->geometry(), pointer, p.Share);
  };
  const auto stand = [](TPointer2* pointer, const TPlace& p) {
    pointer->PointsLeft = p.Left;
    pointer->PointsUp = p.At.Below;
    pointer->StandAt(p.At.Head);
  };
  if (unplaced.empty()) return;
  // The pointers to move, in every order (they are few). Each in turn takes the first of its
  // places clear of everything; one with none keeps its usual place. The first order that
  // places them all, else the one that places the most, is kept.
  struct TUsual {
    QRect Head;
    bool Left, Up;
  };
  std::vector<TUsual> usual;
  std::vector<std::vector<TPlace>> places;
  for (const TPointer2* pointer : unplaced) {
    usual.push_back({pointer->geometry(), pointer->PointsLeft, pointer->PointsUp});
    places.push_back(placesOf(*pointer));
  }
  const std::vector<TPointer2*> moving = unplaced;
  std::vector<std::size_t> order(moving.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  const auto reset = [&] {
    for (std::size_t i = 0; i < moving.size(); ++i) {
      moving[i]->PointsLeft = usual[i].Left;
      moving[i]->PointsUp = usual[i].Up;
      moving[i]->StandAt(usual[i].Head);
    }
    unplaced = moving;
  };
  const auto run = [&](const std::vector<std::size_t>& by) {
    reset();
    std::size_t placed = 0;
    for (const std::size_t i : by) {
      unplaced.erase(std::find(unplaced.begin(), unplaced.end(), moving[i]));
      const auto at = std::find_if(places[i].begin(), places[i].end(),
                                   [&](const TPlace& p) { return fits(moving[i], p); });
      if (at == places[i].end()) continue;
      stand(moving[i], *at);
      ++placed;
    }
    return placed;
  };
  std::vector<std::size_t> best = order;
  std::size_t most = 0;
  do {
    const std::size_t placed = run(order);
    if (placed > most || (placed == most && order == best)) {
      most = placed;
      best = order;
    }
    if (most == moving.size()) return;
  } while (std::next_permutation(order.begin(), order.end()));
  // No order placed them all, each taking its first clear place: one taking a later place of
  // its own may leave the room another needs (two heads on one node, each beside a different
  // corner). Each pointer tries its places in turn while those after it find none, as long as
  // the places tried stay within a bound.
  int budget = kPlacesSearched;
  std::function<bool(std::size_t)> all = [&](std::size_t k) {
    if (k == order.size()) return true;
    TPointer2* pointer = moving[order[k]];
    unplaced.erase(std::find(unplaced.begin(), unplaced.end(), pointer));
    for (const TPlace& p : places[order[k]]) {
      if (budget-- <= 0) break;
      if (!fits(pointer, p)) continue;
      stand(pointer, p);
      if (all(k + 1)) return true;
    }
    unplaced.push_back(pointer);
    return false;
  };
  std::iota(order.begin(), order.end(), std::size_t{0});
  do {
    reset();
    if (all(0)) return;
  } while (budget > 0 && std::next_permutation(order.begin(), order.end()));
  run(best);
}

void TBinTree::ArrangeByColumns(int band, int areaWidth, int areaHeight, int size) {
  std::vector<TBinTreeNode*> nodes;
  Root()->ForEach([&nodes](TTreeNodeBase& n) {
    nodes.push_back(static_cast<TBinTreeNode*>(&n));
    return true;
  });
  std::vector<int> parents(nodes.size(), -1);
  std::vector<bool> left(nodes.size(), false);
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const auto at = std::find(nodes.begin(), nodes.end(), nodes[i]->ParentNode);
    if (i > 0 && at != nodes.end()) parents[i] = static_cast<int>(at - nodes.begin());
    left[i] = nodes[i]->IsLeftChild();
  }
  const std::vector<int> columns = InorderColumns(parents, left);
  const int levels = std::max(MaxDepth, 1);
  const int step = levels > 1 ? (areaHeight - size) / (levels - 1) : 0;
  const double columnWidth =
      nodes.size() > 1 ? static_cast<double>(areaWidth - size) / static_cast<double>(nodes.size() - 1) : 0;
  const int first = band + (nodes.size() > 1 ? size / 2 : areaWidth / 2);
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const int centre = first + static_cast<int>(std::lround(columnWidth * columns[i]));
    const int top = step * (std::min(nodes[i]->stair, levels) - 1) + band;
    nodes[i]->setGeometry(centre - size / 2, top, size, size);
  }
}

void TBinTree::NameNodes() {
  std::function<void(TBinTreeNode*, qint64)> name = [&name](TBinTreeNode* node, qint64 place) {
    if (!node) return;
    node->setObjectName(QStringLiteral("Node") + QString::number(place));
    name(node->LeftChild, 2 * place);
    name(node->RightChild, 2 * place + 1);
  };
  name(Root(), 1);
}

TBinTreeNode* TBinTree::NewRoot() {
  Clear();
  TBinTreeNode* root = NewNode();
  root->ParentNode = nullptr;
  root->SetCaption(QStringLiteral("n1"));
  root->stair = 1;
  root_ = root;
  return root;
}

void TBinTree::AddChild(TBinTreeNode& parent, TBinTreeNode& child, bool left) {
  parent.AttachChild(child, left);
  MaxDepth = std::max(MaxDepth, child.stair);
}

void TBinTree::Paint() {
  TCanvas& c = Canvas();
  PaintGround(c, *this, ClientRect());
  Frame3D(c, 0, 0, width(), height(), clGray, clWhite);
  for (QObject* child : children()) {
    auto* node = dynamic_cast<TTreeNodeBase*>(child);
    if (node && node->ParentNode) node->DrawLinkTo(*node->ParentNode, c, LineColor);
  }
  PaintCaptions(c);
}

std::vector<TDrawnShape> TBinTree::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  for (QObject* child : children()) {
    const auto* node = dynamic_cast<const TTreeNodeBase*>(child);
    if (!node || !node->ParentNode || node->isHidden() || node->ParentNode->isHidden()) continue;
    if (node->stair == node->ParentNode->stair) continue;  // Paint refuses such a link
    const QLine line = node->LinkLineTo(*node->ParentNode);
    out.push_back(TDrawnShape::LinkBetween({node->ParentNode, -1}, {node, -1}, QPolygon({line.p1(), line.p2()})));
  }
  if (CaptionsTravel) {
    std::vector<TCaptionSpot> spots;
    std::vector<const TTreeNodeBase*> nodes;
    const TCaptionPlan plan = PlannedCaptions(spots, &nodes);
    for (std::size_t i = 0; i < nodes.size(); ++i)
      out.push_back(TDrawnShape::LabelOfNode({nodes[i], -1}, plan.Boxes[i], spots[i].Text));
  }
  return out;
}

std::vector<QRect> TBinTree::CaptionBoxes() const {
  std::vector<TCaptionSpot> spots;
  return PlannedCaptions(spots).Boxes;
}

std::vector<QRect> TBinTree::CaptionBoxes(const std::vector<QRect>& headsBelow, const std::vector<QRect>& headsOver) const {
  std::vector<TCaptionSpot> spots;
  return PlannedCaptions(spots, nullptr, headsBelow, headsOver).Boxes;
}

TCaptionPlan TBinTree::PlannedCaptions(std::vector<TCaptionSpot>& spots,
                                       std::vector<const TTreeNodeBase*>* nodes) const {
  std::vector<QRect> heads, over;
  for (QObject* child : children()) {
    const auto* pointer = dynamic_cast<const TPointer2*>(child);
    if (!pointer || !pointer->Target() || pointer->isHidden()) continue;
    if (pointer->PointsUp) heads.push_back(pointer->geometry());
    else if (CaptionsGiveWay) over.push_back(pointer->geometry());
  }
  return PlannedCaptions(spots, nodes, heads, over);
}

TCaptionPlan TBinTree::PlannedCaptions(std::vector<TCaptionSpot>& spots, std::vector<const TTreeNodeBase*>* nodes,
                                       const std::vector<QRect>& headsBelow, const std::vector<QRect>& headsOver) const {
  // The room a pointer on a node takes: the band's, or as much as the tree's pointers grow to;
  // none on a tree without pointers.
  int pointerSide = 0;
  for (QObject* child : children()) {
    if (auto* pointer = dynamic_cast<TPointer2*>(child))
      pointerSide = std::max({pointerSide, PointerBand(), pointer->width(), TPointer2::LeastSide});
    auto* node = dynamic_cast<TTreeNodeBase*>(child);
    if (!node || node->isHidden()) continue;
    // A node without a caption yet (one being built) still has its box and its link, which the
    // others' captions keep off: its spot has no text and is dropped from the answer.
    TCaptionSpot spot{node->geometry(), std::nullopt, node->CaptionShown() ? node->GetCaption() : QString()};
    if (node->ParentNode) spot.ParentCentre = node->ParentNode->geometry().center();
    spot.NearestOwn = CaptionsTravel;
    spots.push_back(spot);
    if (nodes) nodes->push_back(node);
  }
  const auto blank = [](const TCaptionSpot& s) { return s.Text.isEmpty(); };
  if (std::all_of(spots.begin(), spots.end(), blank)) {
    spots.clear();
    if (nodes) nodes->clear();
    return {};
  }
  const int least = std::min(kLeastCaption, LegiblePixelsIn(*this));
  TCaptionPlan plan = PlanCaptions(spots, width(), pointerSide, least, 0, height() - PointerRoomBelow(),
                                   {headsBelow, PointerRoomBelow(), headsOver});
  std::size_t kept = 0;
  for (std::size_t i = 0; i < spots.size(); ++i) {
    if (blank(spots[i])) continue;
    spots[kept] = spots[i];
    plan.Boxes[kept] = plan.Boxes[i];
    plan.Ems[kept] = plan.Ems[i];
    if (nodes) (*nodes)[kept] = (*nodes)[i];
    ++kept;
  }
  spots.resize(kept);
  plan.Boxes.resize(kept);
  plan.Ems.resize(kept);
  if (nodes) nodes->resize(kept);
  return plan;
}

void TBinTree::PaintCaptions(TCanvas& canvas) const {
  std::vector<TCaptionSpot> spots;
  const TCaptionPlan plan = PlannedCaptions(spots);
  if (spots.empty()) return;
  canvas.Brush.Style = bsClear;
  canvas.SetBkMode(TRANSPARENT);
  canvas.SetTextAlign(TA_LEFT | TA_TOP);
  for (std::size_t i = 0; i < spots.size(); ++i) {
    canvas.Font = CaptionFont(plan.Ems[i]);
    canvas.TextOut(plan.Boxes[i].left(), plan.Boxes[i].top(), spots[i].Text);
  }
}

QByteArray TBinTree::SaveToBytes() const {
  QByteArray bytes;
  if (Root()) Root()->SaveToStream(bytes);
  return bytes;
}

void TBinTree::SaveToFile(const QString& fileName) { WriteTreeFile(fileName, SaveToBytes()); }

void TBinTree::LoadFromFile(const QString& fileName) { LoadFromBytes(ReadTreeFile(fileName), fileName); }

void TBinTree::LoadFromBytes(const QByteArray& bytes, const QString& fileName) {
  const std::unique_ptr<TTreeRecord> records = ParseTreeFile(bytes, *NodeClass.Stream, MaxDepth, fileName, FileCheck());
  Clear();
  if (!records) return;
  std::function<TBinTreeNode*(const TTreeRecord&)> build = [&](const TTreeRecord& record) {
    TBinTreeNode* node = NewNode();
    node->SetFileValues(record.Values);
    if (record.Left) node->SetLeft(build(*record.Left));
    if (record.Right) node->SetRight(build(*record.Right));
    return node;
  };
  root_ = build(*records);
}

// ---------------------------------------------------------------- TBinCharTree

TBinCharTree::TBinCharTree(QWidget* parent) : TBinTree(parent) { NodeClass = TNodeClass::Of<TBinCharTreeNode>(); }

void TBinCharTree::Assign(const TBinCharTree& source) {
  MaxDepth = source.MaxDepth;
  ShowName = source.ShowName;
  NodeCaption = source.NodeCaption;
  if (source.Root()) {
    auto* root = dynamic_cast<TBinCharTreeNode*>(NewRoot());
    if (root) root->Assign(*source.Root());
    Arrange();
  } else {
    Clear();
  }
}

bool TBinCharTree::Input() {
  TBinCharTreeInputDlg dlg;
  return InputWith(dlg, *dlg.Tree);
}

bool TBinCharTree::InputWith(TForm& dlg, TBinCharTree& dlgTree) {
  dlgTree.Assign(*this);
  dlgTree.Arrange();
  if (dlg.ShowModal() != mrOk) return false;
  dlgTree.RemoveBlankNodes();
  Assign(dlgTree);
  NumberNodes();
  Arrange();
  Repaint();
  return true;
}

TBinTreeNode* TBinCharTree::NewFullTreeNode() { return MakeNode<TBinCharTreeNode>(); }

void TBinCharTree::CreateFullTree() {
  TBinTreeNode* node = NewRoot();
  auto makeChild = [this](TBinTreeNode* parent, bool left) {
    TBinTreeNode* child = NewFullTreeNode();
    parent->AttachChild(*child, left);
    return child;
  };
  while (node && !(node->stair == 1 && node->LeftChild && node->RightChild)) {
    auto* parent = static_cast<TBinTreeNode*>(node->ParentNode);
    if (node->stair >= MaxDepth) node = parent;
    else if (!node->LeftChild) node = makeChild(node, true);
    else if (!node->RightChild) node = makeChild(node, false);
    else node = parent;
  }
  Arrange();
}

void TBinCharTree::RandomBuild() {
  NewRoot()->GenerateRandomSubtree(MaxDepth, 2);
  Arrange();
}

void TBinCharTree::RemoveBlankNodes() {
  TBinCharTreeNode* root = Root();
  if (!root) return;
  if (root->Value() == ' ') {
    Clear();
    return;
  }
  std::function<void(TBinCharTreeNode*)> cut = [&cut](TBinCharTreeNode* node) {
    for (bool left : {true, false}) {
      TBinCharTreeNode* child = left ? node->Left() : node->Right();
      if (!child) continue;
      if (child->Value() == ' ') {
        child->FreeSubtree();
        left ? node->SetLeft(nullptr) : node->SetRight(nullptr);
      } else {
        cut(child);
      }
    }
  };
  cut(root);
}

// ---------------------------------------------------------------- TCharNodeData

TCharNodeData::TCharNodeData(const QString& name, char key)
    : TRecord(name),
      key_(Add(new TCharData(QStringLiteral("key"), key))),
      lchild_(Add(new TPtrData(QStringLiteral("lchild")))),
      rchild_(Add(new TPtrData(QStringLiteral("rchild")))) {}

TCharNodeData::TCharNodeData(const TBinCharTreeNode& node) : TCharNodeData(node.GetCaption(), node.Value()) {
  if (const TBinCharTreeNode* l = node.Left()) lchild_->SetTarget(new TCharNodeData(*l));
  if (const TBinCharTreeNode* r = node.Right()) rchild_->SetTarget(new TCharNodeData(*r));
}

TCharNodeData::~TCharNodeData() {
  // A record owns the subtree its pointers show; a child destroyed meanwhile left nil.
  delete GetLChild();
  delete GetRChild();
}

std::unique_ptr<TData> TCharNodeData::NewInstance(const QString& name) const {
  return std::make_unique<TCharNodeData>(name);
}

char TCharNodeData::GetKey() const { return key_->Value(); }
void TCharNodeData::SetKey(char key) { key_->SetValue(key); }
TCharNodeData* TCharNodeData::GetLChild() const { return dynamic_cast<TCharNodeData*>(lchild_->Target()); }
TCharNodeData* TCharNodeData::GetRChild() const { return dynamic_cast<TCharNodeData*>(rchild_->Target()); }
void TCharNodeData::SetLChild(TCharNodeData* child) { lchild_->SetTarget(child); }
void TCharNodeData::SetRChild(TCharNodeData* child) { rchild_->SetTarget(child); }

void TCharNodeData::AssignTo(TData* dest) {
  auto* d = dynamic_cast<TCharNodeData*>(dest);
  if (!d) return;
  d->SetKey(GetKey());
  d->SetLChild(GetLChild());
  d->SetRChild(GetRChild());
}
