#include "demos/search/BPTreeClass.h"

#include <algorithm>
#include <functional>

#include "demos/search/BPTreeInDlg.h"
#include "demos/search/BsTreeClass.h"
#include "platform/ModalHost.h"
#include "platform/Random.h"

// ---------------------------------------------------------------- TBPTreeNode

TBPTreeNode::TBPTreeNode(TTreeBase& tree) : TBTreeNode(tree) {}

void TBPTreeNode::DeleteEntry(int pos) {
  for (int t = pos; t < KeyNum; ++t) SetKey(t, GetKey(t + 1));
  for (int t = pos - 1; t < KeyNum - 1; ++t) SetChild(t, GetChild(t + 1));
  if (KeyNum >= 1) SetChild(KeyNum - 1, nullptr);
  --KeyNum;
}

void TBPTreeNode::SetPosition(int base, int unitWidth, int index, int areaHeight, int areaWidth, int unitHeight) {
  const int w = unitWidth * KeyNum;
  const int h = unitHeight;
  const int span = areaWidth - 16 * unitWidth;
  const TBTreeNode* parent = Parent();
  int left = 0;
  int top = 0;
  if (stair <= 1) {
    top = base;
    left = base + span / 2 - w / 2;
  } else if (!parent) {
    modal::ShowMessage(QStringLiteral("strange"));
  } else if (stair == 2) {
    top = base + areaHeight / 2 - h;
    left = base + index * (span / std::max(parent->KeyNum - 1, 1));
  } else {
    // All leaves on the bottom row, which the tree lays out as a whole (AfterPlacing).
    top = base + areaHeight - h;
    left = parent->x();
  }
  setGeometry(left, top, w, h);
  for (int j = 0; j < ChildSlots(); ++j)
    if (TBTreeNode* child = GetChild(j)) child->SetPosition(base, unitWidth, j, areaHeight, areaWidth, unitHeight);
}

const stream::TComponentClass& TBPTreeNode::StreamClass() {
  static const stream::TComponentClass cls{QStringLiteral("TBPTreeNode"), TBTreeNode::StreamClass().properties};
  return cls;
}

int BPlusLeafUnit(int w, int leafKeys, int leaves, int groups, int maxUnit) {
  const int units = leafKeys + (leaves - groups) + 2 * std::max(groups - 1, 0) + 1;
  return std::max(std::min(maxUnit, w / std::max(units, 1)), 1);
}

std::vector<int> BPlusGroupLefts(const std::vector<int>& wanted, const std::vector<int>& widths, int gap, int left,
                                 int right) {
  const int n = static_cast<int>(wanted.size());
  std::vector<int> lefts(wanted);
  // The first place group g may take: the row's left end, or gap after the group before it.
  const auto firstFree = [&](int g) { return g == 0 ? left : lefts[g - 1] + widths[g - 1] + gap; };
  for (int g = 0; g < n; ++g) lefts[g] = std::max(lefts[g], firstFree(g));
  // Back from the right end, as far as the row allows.
  int limit = right;
  for (int g = n - 1; g >= 0; --g) {
    lefts[g] = std::min(lefts[g], limit - widths[g]);
    limit = lefts[g] - gap;
  }
  for (int g = 0; g < n; ++g) lefts[g] = std::max(lefts[g], firstFree(g));
  return lefts;
}

// ---------------------------------------------------------------- TBPTreeClass

TBPTreeClass::TBPTreeClass(QWidget* parent) : TBTreeClass(parent) {}

TBTreeNode* TBPTreeClass::NewNode() {
  auto* node = new TBPTreeNode(*this);
  node->ShowName = ShowName;
  return node;
}

bool TBPTreeClass::Input() {
  TBPTreeInputDlg dlg;
  return InputWith(dlg, *dlg.Tree);
}

void TBPTreeClass::RandomBuild() {
  Clear();
  rnd::Randomize();
  const int count = rnd::Random(20) + 10;
  for (int n = 0; n < count; ++n) Insert(rnd::Random(99));
  MarkRoot();
}

bool TBPTreeClass::Search(int k, TBTreeNode*& p, int& i) const {
  TBTreeNode* node = Root();
  p = nullptr;
  i = 0;
  while (node) {
    p = node;
    i = PositionFor(*node, k);
    if (i > node->KeyNum) i = node->KeyNum;
    node = i >= 1 ? node->GetChild(i - 1) : nullptr;
  }
  if (!p || i < 1) return false;
  const bool found = p->GetKey(i) == k;
  if (p->GetKey(i) < k) ++i;
  return found;
}

int TBPTreeClass::PositionFor(const TBTreeNode& p, int x) {
  int i = 1;
  while (i <= p.KeyNum && p.GetKey(i) < x) ++i;
  return i;
}

bool TBPTreeClass::InsertRefused(const TBTreeNode& p) const {
  const TBTreeNode* parent = p.Parent();
  const TBTreeNode* grand = parent ? parent->Parent() : nullptr;
  return p.stair >= kMaxLevels && p.KeyNum >= 4 && parent && parent->KeyNum >= 4 && grand && grand->KeyNum >= 4;
}

QList<TBTreeNode*> TBPTreeClass::InsertInto(TBTreeNode& p, int i, int x, TBTreeNode* ap) {
  QList<TBTreeNode*> raised{&p};
  p.InsertChild(i, ap);
  if (i > p.KeyNum) {
    for (TBTreeNode* a = p.Parent(); a; a = a->Parent()) {
      a->SetKey(a->KeyNum, x);
      raised << a;
    }
  }
  p.InsertKey(i, x);
  return raised;
}

QList<TBTreeNode*> TBPTreeClass::ReplaceLargestKey(TBTreeNode& p, int i) {
  QList<TBTreeNode*> changed;
  if (i < 2) return changed;  // a leaf's only key goes only from the root
  const int old = p.GetKey(i);
  for (TBTreeNode* a = p.Parent(); a; a = a->Parent()) {
    for (int k = 1; k <= a->KeyNum; ++k) {
      if (a->GetKey(k) == old) {
        a->SetKey(k, p.GetKey(i - 1));
        changed << a;
        break;
      }
    }
  }
  return changed;
}

TBTreeNode* TBPTreeClass::NewRootOver(TBTreeNode* left, TBTreeNode* right, int x) {
  TBTreeNode* root = NewNode();
  root->stair = 1;
  if (left && right) {
    root->KeyNum = 2;
    root->SetKey(1, left->GetKey(2));
    root->SetKey(2, right->GetKey(3));
    root->SetChild(0, left);
    root->SetChild(1, right);
  } else {
    root->KeyNum = 1;
    root->SetKey(1, x);
  }
  SetRoot(root);
  return root;
}

TBTreeNode* TBPTreeClass::Split(TBTreeNode& p, int& x) {
  TBTreeNode* ap = NewNode();
  ap->stair = p.stair;
  for (int k = 1; k <= 3; ++k) ap->SetKey(k, p.GetKey(k + 2));
  for (int j = 0; j <= 2; ++j) ap->SetChild(j, p.GetChild(j + 2));
  ap->KeyNum = 3;
  p.KeyNum = 2;
  x = p.GetKey(2);
  for (int j = 2; j < TBTreeNode::kChildSlots; ++j) p.SetChild(j, nullptr);
  return ap;
}

void TBPTreeClass::Borrow(TBTreeNode& p, TBTreeNode& ap) {
  TBTreeNode& parent = *p.Parent();
  auto& from = static_cast<TBPTreeNode&>(ap);
  if (p.GetKey(1) < ap.GetKey(1)) {
    const int n = p.KeyNum;
    p.SetKey(n + 1, ap.GetKey(1));
    p.SetChild(n, ap.GetChild(0));
    p.KeyNum = n + 1;
    parent.SetKey(parent.ChildIndex(&p) + 1, p.GetKey(p.KeyNum));
    from.SetChild(0, nullptr);  // now p's
    from.DeleteEntry(1);
  } else {
    p.InsertChild(0, ap.GetChild(ap.KeyNum - 1));
    p.InsertKey(1, ap.GetKey(ap.KeyNum));
    parent.SetKey(parent.ChildIndex(&ap) + 1, ap.GetKey(ap.KeyNum - 1));
    from.SetChild(ap.KeyNum - 1, nullptr);  // now p's
    from.DeleteEntry(ap.KeyNum);
  }
}

TBTreeNode* TBPTreeClass::Merge(TBTreeNode& p, TBTreeNode& ap) {
  auto& parent = static_cast<TBPTreeNode&>(*p.Parent());
  // The left node takes the right one's keys and children; the parent's entry for the
  // left node takes the right one's largest key, and the right one's entry goes.
  const bool apRight = p.GetKey(1) < ap.GetKey(1);
  TBTreeNode& left = apRight ? p : ap;
  TBTreeNode& right = apRight ? ap : p;
  const int j = parent.ChildIndex(&left);
  const int n = left.KeyNum;
  for (int k = 1; k <= right.KeyNum; ++k) {
    left.SetKey(n + k, right.GetKey(k));
    left.SetChild(n + k - 1, right.GetChild(k - 1));
  }
  left.KeyNum = n + right.KeyNum;
  parent.SetKey(j + 1, right.GetKey(right.KeyNum));
  parent.DeleteEntry(j + 2);
  for (int t = 0; t < TBTreeNode::kChildSlots; ++t) right.SetChild(t, nullptr);  // its children are left's now
  delete &right;
  return &left;
}

QString TBPTreeClass::CheckShape(const TBTreeRecord& root) const {
  // Keys ascend across the leaves, an inner node repeats each child's largest key and has
  // all its children, leaves share one level, only the root holds a single key, and an
  // inner root separates at least two children.
  int leafLevel = 0;
  QString fault;
  const auto fail = [&fault](const QString& text) {
    if (fault.isEmpty()) fault = text;
  };
  std::function<void(const TBTreeRecord&, int, int)> walk = [&](const TBTreeRecord& r, int level, int low) {
    if (!fault.isEmpty()) return;
    if (level > 1 && r.KeyNum < 2) fail(QStringLiteral("根以外的结点只有一个关键字"));
    for (int k = 1; k <= r.KeyNum; ++k)
      if (r.Keys[k] <= low || (k > 1 && r.Keys[k] <= r.Keys[k - 1]))
        fail(QStringLiteral("关键字没有按从小到大的次序排列"));
    int present = 0;
    for (int j = 0; j < r.KeyNum; ++j) present += r.Children[j] ? 1 : 0;
    if (present == 0) {
      if (leafLevel == 0) leafLevel = level;
      if (leafLevel != level) fail(QStringLiteral("叶子结点不在同一层上"));
      return;
    }
    if (present != r.KeyNum) fail(QStringLiteral("有的结点缺少孩子"));
    if (level == 1 && r.KeyNum < 2) fail(QStringLiteral("根结点只有一个孩子"));
    for (int j = 0; j < r.KeyNum && fault.isEmpty(); ++j) {
      const TBTreeRecord& child = *r.Children[j];
      if (child.Keys[child.KeyNum] != r.Keys[j + 1]) fail(QStringLiteral("内部结点的关键字不是孩子的最大关键字"));
      walk(child, level + 1, j == 0 ? low : r.Keys[j]);
    }
  };
  walk(root, 1, -1);
  return fault;
}

namespace {
// The inner nodes of a three-level tree (children of the root that have children).
std::vector<TBTreeNode*> LeafParents(const TBTreeNode& root) {
  std::vector<TBTreeNode*> parents;
  for (int j = 0; j < root.ChildSlots(); ++j)
    if (TBTreeNode* child = root.GetChild(j); child && !child->IsLeaf()) parents.push_back(child);
  return parents;
}
}  // namespace

void TBPTreeClass::AfterPlacing(int base, int w, int h, int unitWidth) {
  const std::vector<TBTreeNode*> parents = LeafParents(*Root());
  if (parents.empty()) return;
  std::vector<std::vector<TBTreeNode*>> groups;
  int keys = 0;
  int leaves = 0;
  for (const TBTreeNode* parent : parents) {
    auto& group = groups.emplace_back();
    for (int j = 0; j < parent->ChildSlots(); ++j) {
      if (TBTreeNode* leaf = parent->GetChild(j)) {
        group.push_back(leaf);
        keys += leaf->KeyNum;
        ++leaves;
      }
    }
  }
  const int unit = BPlusLeafUnit(w, keys, leaves, static_cast<int>(parents.size()), unitWidth);
  if (unit < LegibleKeyCell()) {
    // One row would narrow the cells below a readable key: each parent's leaves step down
    // under it instead, as the B-tree's do.
    ArrangeDeep(base, w, h, kMaxLevels);
    return;
  }
  std::vector<int> wanted;
  std::vector<int> widths;
  for (size_t g = 0; g < groups.size(); ++g) {
    int width = -unit;
    for (const TBTreeNode* leaf : groups[g]) width += (leaf->KeyNum + 1) * unit;
    wanted.push_back(parents[g]->x());
    widths.push_back(std::max(width, 0));
  }
  // The last unit of the row stays free for the half a split puts beside its node.
  const std::vector<int> lefts = BPlusGroupLefts(wanted, widths, 2 * unit, base, base + w - unit);
  for (size_t g = 0; g < groups.size(); ++g) {
    // A parent stands over its first leaf, as the layout puts it.
    parents[g]->move(lefts[g], parents[g]->y());
    int x = lefts[g];
    for (TBTreeNode* leaf : groups[g]) {
      leaf->setGeometry(x, leaf->y(), leaf->KeyNum * unit, leaf->height());
      x += (leaf->KeyNum + 1) * unit;
    }
  }
}

int TBPTreeClass::RoomBelow() const {
  const int base = PointerBand();
  return MarkerHeight(*this, UnitHeight(height() - base));
}

QPoint TBPTreeClass::LinkStart(const TBTreeNode& node, int j) const {
  const int keys = std::max(node.KeyNum, 1);
  return {node.x() + (2 * j + 1) * node.width() / (2 * keys), node.y() + node.height()};
}
