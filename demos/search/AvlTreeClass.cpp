#include "demos/search/AvlTreeClass.h"

#include <algorithm>

#include "demos/search/AvlTreeInDlg.h"
#include "demos/search/BsTreeClass.h"
#include "framework/engine/Errors.h"
#include "platform/Canvas.h"
#include "platform/Forms.h"
#include "platform/Screen.h"

// ---------------------------------------------------------------- TAVlTreeNode

TAVlTreeNode::TAVlTreeNode(TTreeBase& tree) : TBinCharTreeNode(tree) {
  // The drawn tree is the algorithm's tree: a node's texts are its record's key and bf.
  Stands = {{.Value = [this] { return std::optional<QString>(KeyAndBf(Value(), bf)); }}};
}

QString TAVlTreeNode::KeyAndBf(char key, int bf) { return QString(QChar::fromLatin1(key)) + ' ' + QString::number(bf); }

void TAVlTreeNode::SetBf(int value) {
  bf = value;
  Repaint();
}

TAVlTreeNode* TAVlTreeNode::AvlLeft() const { return dynamic_cast<TAVlTreeNode*>(LeftChild); }
TAVlTreeNode* TAVlTreeNode::AvlRight() const { return dynamic_cast<TAVlTreeNode*>(RightChild); }
TAVlTreeNode* TAVlTreeNode::AvlParent() const { return dynamic_cast<TAVlTreeNode*>(ParentNode); }

void TAVlTreeNode::Assign(const TBinCharTreeNode& source) {
  const auto* from = dynamic_cast<const TAVlTreeNode*>(&source);
  if (!from) {
    TBinCharTreeNode::Assign(source);
    return;
  }
  if (Tree().MaxDepth < stair) throw Exception(QStringLiteral("Tree depth exceeds limit"));
  if (LeftChild) LeftChild->FreeSubtree();
  if (RightChild) RightChild->FreeSubtree();
  SetLeft(nullptr);
  SetRight(nullptr);
  CopyValueFrom(*from);
  bf = from->bf;
  for (const bool left : {true, false}) {
    const TAVlTreeNode* child = left ? from->AvlLeft() : from->AvlRight();
    if (!child) continue;
    auto* copy = new TAVlTreeNode(Tree());
    AttachChild(*copy, left);
    copy->Assign(*child);
  }
}

int TAVlTreeNode::NodeHeight(const TAVlTreeNode* node) {
  if (!node) return 0;
  return 1 + std::max(NodeHeight(node->AvlLeft()), NodeHeight(node->AvlRight()));
}

void TAVlTreeNode::ComputeBalance(TAVlTreeNode* node) {
  if (!node) return;
  ComputeBalance(node->AvlLeft());
  ComputeBalance(node->AvlRight());
  node->SetBf(NodeHeight(node->AvlLeft()) - NodeHeight(node->AvlRight()));
}

const stream::TComponentClass& TAVlTreeNode::StreamClass() {
  static const stream::TComponentClass cls = TBinCharTreeNode::StreamClass().Derived(
      QStringLiteral("TAVlTreeNode"), {{QStringLiteral("bf"), stream::TPropertyKind::Integer}});
  return cls;
}

stream::TPropertyValues TAVlTreeNode::FileValues() const {
  stream::TPropertyValues v = TBinCharTreeNode::FileValues();
  v.emplace_back(QStringLiteral("bf"), bf);
  return v;
}

void TAVlTreeNode::SetFileValues(const stream::TPropertyValues& values) {
  TBinCharTreeNode::SetFileValues(values);
  const auto* v = stream::FindValue(values, QStringLiteral("bf"));
  if (v && std::holds_alternative<std::int32_t>(*v)) bf = std::get<std::int32_t>(*v);
}

QString TAVlTreeNode::DrawingText() const { return TBinCharTreeNode::DrawingText() + ' ' + QString::number(bf); }

void TAVlTreeNode::PaintTexts() { PaintKeyOverNumber(QString(QChar::fromLatin1(Value())), QString::number(bf)); }

// ---------------------------------------------------------------- layout

namespace {

// The least pixel height of a letter or a balance factor: larger on a large screen.
int LeastTextPx() { return screen::Height() >= 1080 ? 16 : 13; }

int Pow2(int n) { return 1 << std::clamp(n, 0, 30); }

}  // namespace

int TAvlTreeClass::ComputeLayout() {
  const int w = width() - PointerSize;
  const int h = height() - PointerSize;
  const int levels = std::max(MaxDepth, 1);
  const int place = w / Pow2(std::clamp(DeepestLevel(), 1, levels) - 1);
  return std::max(1, std::min(place - std::max(3, place / 8), (h / levels) * 3 / 5));
}

int TAvlTreeClass::Relayout() {
  const int nodeWidth = ComputeLayout();
  const int levels = std::max(MaxDepth, 1);
  const int roomy = ((height() - PointerSize) / levels) * 3 / 5;
  // The balance factor takes the lower 9/20 of the node's height as its cell.
  const TFont least{.Name = QStringLiteral("Arial"), .Height = -LeastTextPx(), .Style = fsBold};
  const int needed = (least.TextHeight(QStringLiteral("-1")) * 20 + 8) / 9;
  return std::max(nodeWidth, std::min(needed, roomy));
}

void TAvlTreeClass::PlacePointers() { SpreadPointers(*this); }

// ---------------------------------------------------------------- rotations

void TAvlTreeClass::Replace(TAVlTreeNode* node, TAVlTreeNode* parent, bool wasLeft) {
  if (parent) {
    wasLeft ? parent->SetLeft(node) : parent->SetRight(node);
  } else {
    node->ParentNode = nullptr;
    SetRootBase(node);
  }
  ComputeLevels();
}

namespace {

TAVlTreeNode* Child(const TAVlTreeNode* node, bool left) { return left ? node->AvlLeft() : node->AvlRight(); }

void SetChild(TAVlTreeNode* node, bool left, TAVlTreeNode* child) {
  left ? node->SetLeft(child) : node->SetRight(child);
}

// Runs the relinking of a rotation around a and puts the new root in a's place.
template <class Relink>
TAVlTreeNode* Rotate(TAvlTreeClass& tree, TAVlTreeNode* a, Relink relink) {
  TAVlTreeNode* parent = a->AvlParent();
  const bool wasLeft = a->IsLeftChild();
  TAVlTreeNode* top = relink();
  tree.Replace(top, parent, wasLeft);
  return top;
}

}  // namespace

// The rotations on the right side are those on the left seen in a mirror.
TAVlTreeNode* RotateSingle(TAvlTreeClass& tree, TAVlTreeNode* a, bool left) {
  return Rotate(tree, a, [a, left] {
    TAVlTreeNode* b = Child(a, left);
    SetChild(a, left, Child(b, !left));
    SetChild(b, !left, a);
    return b;
  });
}

TAVlTreeNode* RotateDouble(TAvlTreeClass& tree, TAVlTreeNode* a, bool left) {
  return Rotate(tree, a, [a, left] {
    TAVlTreeNode* b = Child(a, left);
    TAVlTreeNode* c = Child(b, !left);
    SetChild(a, left, Child(c, !left));
    SetChild(b, !left, Child(c, left));
    SetChild(c, !left, a);
    SetChild(c, left, b);
    // a and b each took one of c's subtrees: the one that got the shorter leans away from it.
    const int side = left ? 1 : -1;
    a->SetBf(c->bf == side ? -side : 0);
    b->SetBf(c->bf == -side ? side : 0);
    c->SetBf(0);
    return c;
  });
}

// ---------------------------------------------------------------- TAvlTreeClass

TAvlTreeClass::TAvlTreeClass(QWidget* parent) : TBinCharTree(parent) { NodeClass = TNodeClass::Of<TAVlTreeNode>(); }

TAVlTreeNode* TAvlTreeClass::AvlRoot() const { return dynamic_cast<TAVlTreeNode*>(root_); }

bool TAvlTreeClass::Input() {
  TAVLTreeInputDlg dlg;
  dlg.Tree->Assign(*this);
  dlg.Tree->Arrange();
  if (dlg.ShowModal() != mrOk) return false;
  Assign(*dlg.Tree);
  Arrange();
  Repaint();
  return true;
}

void TAvlTreeClass::AvlInsertQuiet(char key) {
  TAVlTreeNode* root = AvlRoot();
  if (!root) {
    if (MaxDepth < 1) return;
    auto* node = MakeNode<TAVlTreeNode>();
    node->SetValue(key);
    node->stair = 1;
    SetRootBase(node);
    return;
  }
  // a: the last node on the path out of balance (a rotation finds its parent by the links).
  TAVlTreeNode* a = root;
  TAVlTreeNode* q = nullptr;
  for (TAVlTreeNode* p = root; p;) {
    if (p->bf != 0) a = p;
    q = p;
    if (p->Value() == key) return;
    p = p->Value() > key ? p->AvlLeft() : p->AvlRight();
  }
  if (q->stair >= MaxDepth) return;
  auto* s = MakeNode<TAVlTreeNode>();
  s->SetValue(key);
  q->AttachChild(*s, q->Value() > key);

  const int d = key < a->Value() ? 1 : -1;
  TAVlTreeNode* b = d == 1 ? a->AvlLeft() : a->AvlRight();
  for (TAVlTreeNode* p = b; p && p != s; p = key < p->Value() ? p->AvlLeft() : p->AvlRight())
    p->bf = key < p->Value() ? 1 : -1;
  if (a->bf == 0) {
    a->bf = d;
  } else if (a->bf + d == 0) {
    a->bf = 0;
  } else if (b->bf == d) {
    RotateSingle(*this, a, d == 1);  // LL or RR
  } else if (b->bf == -d) {
    RotateDouble(*this, a, d == 1);  // LR or RL
  }
  ComputeLevels();
  TAVlTreeNode::ComputeBalance(AvlRoot());
}

void TAvlTreeClass::LoadFromFile(const QString& fileName) {
  LoadSearchTreeFile(*this, fileName, true);
  ComputeLevels();
  TAVlTreeNode::ComputeBalance(AvlRoot());
}
