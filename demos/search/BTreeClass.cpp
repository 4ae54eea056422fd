#include "demos/search/BTreeClass.h"

#include <QSet>
#include <algorithm>
#include <climits>

#include "demos/search/BPTreeClass.h"
#include "demos/search/BTreeInDlg.h"
#include "demos/search/BsTreeClass.h"
#include "demos/trees/TreeFile.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/Errors.h"
#include "platform/Forms.h"
#include "platform/Random.h"

namespace {

using stream::TComponentClass;
using stream::TPropertyKind;
using stream::TPropertyValues;

const stream::TPropertyValue* Value(const TPropertyValues& values, const char* name) {
  return stream::FindValue(values, QString::fromLatin1(name));
}

// Key i (from 1) of a key string, its two decimal digits.
int KeyAt(const QString& keys, int i) {
  return (keys[2 * i - 2].unicode() - '0') * 10 + (keys[2 * i - 1].unicode() - '0');
}

}  // namespace

// ---------------------------------------------------------------- TBTreeNode

TBTreeNode::TBTreeNode(TTreeBase& tree) : TTreeNodeBase(tree) {}

TBTreeClass& TBTreeNode::BTree() const { return static_cast<TBTreeClass&>(Tree()); }

int TBTreeNode::ChildSlots() const { return BTree().ChildSlotsOf(KeyNum); }

void TBTreeNode::SetKey(int i, int key) {
  if (i < 1 || i > kMaxKeys || key < 0 || key > 99) throw ERangeError();
  KeyStr[2 * i - 2] = QChar('0' + key / 10);
  KeyStr[2 * i - 1] = QChar('0' + key % 10);
}

int TBTreeNode::GetKey(int i) const {
  if (i < 1 || i > kMaxKeys) throw ERangeError();
  return KeyAt(KeyStr, i);
}

void TBTreeNode::SetChild(int j, TBTreeNode* node) {
  if (j < 0 || j >= kChildSlots) throw ERangeError();
  children_[j] = node;
  if (node) node->ParentNode = this;
  SetChildFlag(j, node ? 1 : 0);
}

TBTreeNode* TBTreeNode::GetChild(int j) const {
  if (j < 0 || j >= kChildSlots) throw ERangeError();
  return children_[j];
}

void TBTreeNode::SetChildFlag(int j, int flag) {
  if (j < 0 || j >= kChildSlots) throw ERangeError();
  TagStr[j] = QChar('0' + (flag != 0 ? 1 : 0));
}

int TBTreeNode::HasChild(int j) const {
  if (j < 0 || j >= kChildSlots) throw ERangeError();
  return TagStr[j] == '1' ? 1 : 0;
}

void TBTreeNode::InsertKey(int pos, int key) {
  for (int k = KeyNum; k >= pos; --k) SetKey(k + 1, GetKey(k));
  SetKey(pos, key);
  ++KeyNum;
}

void TBTreeNode::DeleteKey(int pos) {
  for (int j = pos; j < KeyNum; ++j) {
    SetKey(j, GetKey(j + 1));
    SetChild(j, children_[j + 1]);
  }
  // The dropped position is cleared, so no stale link outlives the node it named.
  if (KeyNum >= 0 && KeyNum < kChildSlots) SetChild(KeyNum, nullptr);
  --KeyNum;
}

void TBTreeNode::InsertChild(int pos, TBTreeNode* node) {
  for (int k = std::min(KeyNum, kChildSlots - 2); k >= pos; --k) SetChild(k + 1, children_[k]);
  SetChild(pos, node);
}

int TBTreeNode::ChildIndex(const TBTreeNode* node) const {
  for (int j = 0; j < ChildSlots(); ++j)
    if (children_[j] == node) return j;
  return -1;
}

bool TBTreeNode::IsLeaf() const {
  for (int j = 0; j < ChildSlots(); ++j)
    if (children_[j]) return false;
  return true;
}

QString TBTreeNode::KeysText() const {
  QStringList keys;
  for (int k = 1; k <= std::min(KeyNum, kMaxKeys); ++k) keys << QString::number(GetKey(k));
  return keys.join(' ');
}

QList<const QWidget*> TBTreeNode::DrawingTargets() const {
  QList<const QWidget*> targets;
  if (IsLeaf()) return targets;
  for (int j = 0; j < ChildSlots(); ++j) targets << children_[j];
  return targets;
}

void TBTreeNode::Assign(const TBTreeNode& source) {
  for (int j = 0; j < ChildSlots(); ++j)
    if (TBTreeNode* child = std::exchange(children_[j], nullptr)) child->FreeSubtree();
  KeyNum = source.KeyNum;
  for (int k = 1; k <= KeyNum; ++k) SetKey(k, source.GetKey(k));
  ShowName = source.ShowName;
  for (int j = 0; j < ChildSlots(); ++j) {
    const TBTreeNode* from = source.children_[j];
    if (!from) {
      SetChild(j, nullptr);
      continue;
    }
    TBTreeNode* child = BTree().NewNode();
    SetChild(j, child);
    child->Assign(*from);
  }
}

void TBTreeNode::FreeSubtree() {
  for (int j = 0; j < ChildSlots(); ++j)
    if (TBTreeNode* child = std::exchange(children_[j], nullptr)) child->FreeSubtree();
  delete this;
}

bool TBTreeNode::ForEach(const std::function<bool(TTreeNodeBase&)>& callback) {
  bool goOn = callback(*this);
  for (int j = 0; goOn && j < ChildSlots(); ++j)
    if (children_[j]) goOn = children_[j]->ForEach(callback);
  return goOn;
}

void TBTreeNode::SaveToStream(QByteArray& out) const {
  TTreeNodeBase::SaveToStream(out);
  for (int j = 0; j < ChildSlots(); ++j)
    if (HasChild(j) && children_[j]) children_[j]->SaveToStream(out);
}

void TBTreeNode::SetLevels() {
  for (int j = 0; j < ChildSlots(); ++j) {
    if (TBTreeNode* child = children_[j]) {
      child->stair = stair + 1;
      child->ParentNode = this;
      child->SetLevels();
    }
  }
}

void TBTreeNode::SetPosition(int base, int unitWidth, int index, int areaHeight, int areaWidth, int unitHeight) {
  const int w = unitWidth * KeyNum;
  const int h = unitHeight;
  int left = 0;
  int top = 0;
  const TBTreeNode* parent = Parent();
  if (stair <= 1 || !parent) {
    top = base;
    left = base + areaWidth / 2 - w / 2;
  } else if (stair == 2) {
    top = base + areaHeight / 2 - h;
    left = base + index * ((areaWidth - 8 * unitWidth) / std::max(parent->KeyNum, 1));
  } else {
    // The children of one node rise to the right like a staircase.
    left = parent->x() + unitWidth * index;
    top = base + areaHeight - (3 * unitHeight * index) / 2 - unitHeight;
  }
  setGeometry(left, top, w, h);
  for (int j = 0; j < ChildSlots(); ++j)
    if (children_[j]) children_[j]->SetPosition(base, unitWidth, j, areaHeight, areaWidth, unitHeight);
}

const TComponentClass& TBTreeNode::StreamClass() {
  static const TComponentClass cls = TTreeNodeBase::StreamClass().Derived(
      QStringLiteral("TBTreeNode"), {{QStringLiteral("KeyNum"), TPropertyKind::Integer},
                                     {QStringLiteral("KeyStr"), TPropertyKind::String},
                                     {QStringLiteral("TagStr"), TPropertyKind::String}});
  return cls;
}

TPropertyValues TBTreeNode::FileValues() const {
  TPropertyValues v = TTreeNodeBase::FileValues();
  v.emplace_back(QStringLiteral("KeyNum"), KeyNum);
  v.emplace_back(QStringLiteral("KeyStr"), KeyStr);
  v.emplace_back(QStringLiteral("TagStr"), TagStr);
  return v;
}

void TBTreeNode::SetFileValues(const TPropertyValues& values) {
  TTreeNodeBase::SetFileValues(values);
  // Records reach here checked (TBTreeClass::ParseFile).
  if (const auto* v = Value(values, "KeyNum")) KeyNum = std::get<std::int32_t>(*v);
  if (const auto* v = Value(values, "KeyStr")) KeyStr = std::get<QString>(*v);
  if (const auto* v = Value(values, "TagStr")) TagStr = std::get<QString>(*v);
}

TColor TBTreeNode::CellColor(int k) {
  static const TColor colors[] = {TColor(0x0000FF), TColor(0x008000), TColor(0x00FFFF), TColor(0xFF0000),
                                  TColor(0x800080)};
  return colors[std::clamp(k, 1, kMaxKeys) - 1];
}

namespace {
TFont KeyFont() { return TFont{.Name = QStringLiteral("Arial"), .Style = fsBold}; }
}  // namespace

int LegibleKeyCell() {
  TFont font = KeyFont();
  font.Height = -LegiblePixels();
  return font.TextWidth(QStringLiteral("99")) + 2;
}

void TBTreeNode::Paint() {
  if (KeyNum <= 0) return;
  TCanvas& c = Canvas();
  const int cw = width() / KeyNum;
  c.Font = KeyFont();
  // Digits two thirds of the cell's height; two of them fit their cell: narrow cells (a full
  // row of leaves) take a smaller font.
  c.Font.Height = -std::max(8, height() * 2 / 3);
  c.Font = FitFont(c.Font, {QStringLiteral("99")}, cw - 2, kAnyHeight, 6);
  c.Font.Color = clBlack;
  c.Brush.Style = bsSolid;
  for (int k = 1; k <= std::min(KeyNum, kMaxKeys); ++k) {
    const TRect cell{(k - 1) * cw, 0, k * cw, height()};
    c.Brush.Color = CellColor(k);
    c.FillRect(cell);
    Frame3D(c, cell.Left, cell.Top, cell.Right, cell.Bottom, clWhite, clGray);
    const QString text = QString::number(GetKey(k));
    c.Brush.Style = bsClear;
    c.SetBkMode(TRANSPARENT);
    c.SetTextAlign(TA_LEFT | TA_TOP);
    // Dark cells take a light text.
    c.Font.Color = (k == 2 || k == 4 || k == 5) ? clWhite : clBlack;
    c.TextOut((k - 1) * cw + cw / 2 - c.TextWidth(text) / 2, (height() - c.TextHeight(text)) / 2, text);
    c.Brush.Style = bsSolid;
  }
}

// ---------------------------------------------------------------- TBTreeClass

TBTreeClass::TBTreeClass(QWidget* parent) : TTreeBase(parent) {}

TBTreeNode* TBTreeClass::NewNode() {
  auto* node = new TBTreeNode(*this);
  node->ShowName = ShowName;
  return node;
}

void TBTreeClass::Assign(const TBTreeClass& source) {
  MaxDepth = source.MaxDepth;
  ShowName = source.ShowName;
  NodeCaption = source.NodeCaption;
  Clear();
  if (!source.Root()) return;
  TBTreeNode* root = NewNode();
  root->Assign(*source.Root());
  root_ = root;
  MarkRoot();
  Arrange();
}

bool TBTreeClass::Input() {
  TBTreeInputDlg dlg;
  return InputWith(dlg, *dlg.Tree);
}

bool TBTreeClass::InputWith(TForm& dlg, TBTreeClass& dlgTree) {
  dlgTree.Assign(*this);
  if (dlg.ShowModal() != mrOk) return false;
  Assign(dlgTree);
  MarkRoot();
  Arrange();
  Repaint();
  return true;
}

void TBTreeClass::RandomBuild() {
  Clear();
  rnd::Randomize();
  const int count = rnd::Random(50) + 30;
  for (int n = 0; n < count; ++n) Insert(rnd::Random(99));
  MarkRoot();
}

// ---- the data file

QByteArray TBTreeClass::SaveToBytes() const {
  QByteArray bytes;
  if (Root()) Root()->SaveToStream(bytes);
  return bytes;
}

void TBTreeClass::SaveToFile(const QString& fileName) { WriteTreeFile(fileName, SaveToBytes(), KindName()); }

void TBTreeClass::LoadFromFile(const QString& fileName) { LoadFromBytes(ReadTreeFile(fileName, KindName()), fileName); }

void TBTreeClass::LoadFromBytes(const QByteArray& bytes, const QString& fileName) {
  const std::unique_ptr<TBTreeRecord> records = ParseFile(bytes, fileName);
  Clear();
  if (!records) return;
  std::function<TBTreeNode*(const TBTreeRecord&)> build = [&](const TBTreeRecord& record) {
    TBTreeNode* node = NewNode();
    node->SetFileValues(record.Values);
    for (int j = 0; j < TBTreeNode::kChildSlots; ++j)
      if (record.Children[j]) node->SetChild(j, build(*record.Children[j]));
    return node;
  };
  root_ = build(*records);
  MarkRoot();
}

namespace {

// The tree a node class of the files belongs to, as the messages name it.
QString TreeOfNodeClass(const QString& className) {
  if (className.compare(TBTreeNode::StreamClass().name, Qt::CaseInsensitive) == 0) return QStringLiteral("B-树");
  if (className.compare(TBPTreeNode::StreamClass().name, Qt::CaseInsensitive) == 0) return QStringLiteral("B+树");
  return {};
}

// Reads node records in preorder, checking each one as it comes; a node's children follow
// it at the positions its flags name.
class BTreeFileReader : TTreeRecordReader {
 public:
  BTreeFileReader(const QByteArray& bytes, const TComponentClass& cls, int maxLevels,
                  std::function<int(int)> childSlots)
      : TTreeRecordReader(bytes, cls, maxLevels), childSlots_(std::move(childSlots)) {}

  std::unique_ptr<TBTreeRecord> Tree() { return ReadTree([this](int level) { return Node(level); }); }

 private:
  std::unique_ptr<TBTreeRecord> Node(int level) {
    auto record = std::make_unique<TBTreeRecord>();
    record->Values = Next(level);
    const int n = Count();
    if (LastClassName().compare(Class().name, Qt::CaseInsensitive) != 0) {
      const QString other = TreeOfNodeClass(LastClassName());
      if (other.isEmpty()) Fail(QStringLiteral("第 %1 个结点的记录不是%2的结点").arg(n).arg(TreeOfNodeClass(Class().name)));
      Fail(QStringLiteral("第 %1 个结点是%2的结点，不是%3的").arg(n).arg(other, TreeOfNodeClass(Class().name)));
    }

    const auto* keyNum = Value(record->Values, "KeyNum");
    if (!keyNum || std::get<std::int32_t>(*keyNum) < 1 || std::get<std::int32_t>(*keyNum) > 4)
      Fail(QStringLiteral("第 %1 个结点的关键字个数不在 1 到 4 之间").arg(n));
    record->KeyNum = std::get<std::int32_t>(*keyNum);

    const auto* keyStr = Value(record->Values, "KeyStr");
    const QString keys = keyStr ? std::get<QString>(*keyStr) : QString();
    if (keys.size() != 10 || !std::all_of(keys.begin(), keys.end(), [](QChar c) { return c >= '0' && c <= '9'; }))
      Fail(QStringLiteral("第 %1 个结点的关键字串不是十位数字").arg(n));
    for (int k = 1; k <= record->KeyNum; ++k)
      record->Keys[k] = KeyAt(keys, k);

    const auto* tagStr = Value(record->Values, "TagStr");
    const QString tags = tagStr ? std::get<QString>(*tagStr) : QString();
    if (tags.size() != 6 || !std::all_of(tags.begin(), tags.end(), [](QChar c) { return c == '0' || c == '1'; }))
      Fail(QStringLiteral("第 %1 个结点的孩子标志串不是六个 0 或 1").arg(n));

    for (int j = 0; j < childSlots_(record->KeyNum); ++j)
      if (tags[j] == '1') record->Children[j] = Node(level + 1);
    return record;
  }

  std::function<int(int)> childSlots_;
};

}  // namespace

std::unique_ptr<TBTreeRecord> TBTreeClass::ParseFile(const QByteArray& bytes, const QString& fileName) const {
  try {
    auto root = BTreeFileReader(bytes, NodeFileClass(), MaxFileLevels(), [this](int keyNum) { return ChildSlotsOf(keyNum); }).Tree();
    if (root) {
      const QString fault = CheckShape(*root);
      if (!fault.isEmpty()) throw TTreeFileRefusal{fault};
    }
    return root;
  } catch (const TTreeFileRefusal& r) {
    throw TreeFileRefused(fileName, KindName(), r);
  }
}

QString TBTreeClass::CheckShape(const TBTreeRecord& root) const {
  // Keys ascend across the whole tree (each child between its parent's neighbouring keys),
  // every inner node has all its children, leaves share one level, and only the root may
  // hold a single key.
  int leafLevel = 0;
  QString fault;
  const auto fail = [&fault](const QString& text) {
    if (fault.isEmpty()) fault = text;
  };
  std::function<void(const TBTreeRecord&, int, int, int)> walk = [&](const TBTreeRecord& r, int level, int low,
                                                                       int high) {
    if (!fault.isEmpty()) return;
    if (level > 1 && r.KeyNum < 2) fail(QStringLiteral("根以外的结点只有一个关键字"));
    for (int k = 1; k <= r.KeyNum; ++k)
      if (r.Keys[k] <= low || r.Keys[k] >= high || (k > 1 && r.Keys[k] <= r.Keys[k - 1]))
        fail(QStringLiteral("关键字没有按从小到大的次序排列"));
    int present = 0;
    for (int j = 0; j <= r.KeyNum; ++j) present += r.Children[j] ? 1 : 0;
    if (present == 0) {
      if (leafLevel == 0) leafLevel = level;
      if (leafLevel != level) fail(QStringLiteral("叶子结点不在同一层上"));
      return;
    }
    if (present != r.KeyNum + 1) fail(QStringLiteral("有的结点缺少孩子"));
    for (int j = 0; j <= r.KeyNum && fault.isEmpty(); ++j)
      if (r.Children[j]) walk(*r.Children[j], level + 1, j == 0 ? low : r.Keys[j], j == r.KeyNum ? high : r.Keys[j + 1]);
  };
  walk(root, 1, -1, 100);
  return fault;
}

// ---- searching and inserting

bool TBTreeClass::Search(int k, TBTreeNode*& p, int& i) const {
  TBTreeNode* node = Root();
  p = nullptr;
  i = 0;
  while (node) {
    i = 0;
    while (i < node->KeyNum && node->GetKey(i + 1) < k) ++i;
    p = node;
    if (i < node->KeyNum && node->GetKey(i + 1) == k) {
      ++i;
      return true;
    }
    node = node->GetChild(i);
  }
  return false;
}

void TBTreeClass::Insert(int k) {
  TBTreeNode* q = nullptr;
  int i = 0;
  if (Search(k, q, i)) return;
  int x = k;
  TBTreeNode* ap = nullptr;
  TBTreeNode* prev = q;
  while (q) {
    if (InsertRefused(*q)) return;  // the key is dropped
    InsertInto(*q, i, x, ap);
    if (q->KeyNum < TBTreeNode::kMaxKeys) {
      MarkRoot();
      return;
    }
    ap = Split(*q, x);
    prev = q;
    q = q->Parent();
    if (q) i = ParentPosition(*q, x);
  }
  NewRootOver(prev, ap, x);
  MarkRoot();
}

QList<TBTreeNode*> TBTreeClass::InsertInto(TBTreeNode& q, int i, int x, TBTreeNode* ap) {
  q.InsertChild(i + 1, ap);
  q.InsertKey(i + 1, x);
  return {&q};
}

int TBTreeClass::ParentPosition(const TBTreeNode& parent, int x) const {
  int i = 0;
  while (i < parent.KeyNum && parent.GetKey(i + 1) < x) ++i;
  return i;
}

TBTreeNode* TBTreeClass::NewRootOver(TBTreeNode* left, TBTreeNode* right, int x) {
  TBTreeNode* root = NewNode();
  root->stair = 1;
  root->KeyNum = 1;
  root->SetKey(1, x);
  root->SetChild(0, left);
  root->SetChild(1, right);
  root_ = root;
  return root;
}

void TBTreeClass::MarkRoot() {
  if (TBTreeNode* root = Root()) {
    root->stair = 1;
    root->ParentNode = nullptr;
    root->SetLevels();
  }
}

// ---- the steps of the demonstration

TBTreeNode* TBTreeClass::Split(TBTreeNode& p, int& x) {
  TBTreeNode* ap = NewNode();
  ap->stair = p.stair;
  ap->SetKey(1, p.GetKey(4));
  ap->SetKey(2, p.GetKey(5));
  for (int j = 0; j <= 2; ++j) ap->SetChild(j, p.GetChild(3 + j));
  ap->KeyNum = 2;
  x = p.GetKey(3);
  p.KeyNum = 2;
  for (int j = 3; j < TBTreeNode::kChildSlots; ++j) p.SetChild(j, nullptr);
  return ap;
}

TBTreeNode* TBTreeClass::Sibling(const TBTreeNode& p) const {
  const TBTreeNode* parent = p.Parent();
  if (!parent) return nullptr;
  const int j = parent->ChildIndex(&p);
  if (j > 0 && parent->GetChild(j - 1)) return parent->GetChild(j - 1);
  return parent->GetChild(j + 1);
}

void TBTreeClass::Borrow(TBTreeNode& p, TBTreeNode& ap) {
  TBTreeNode& parent = *p.Parent();
  if (p.GetKey(1) < ap.GetKey(1)) {
    const int j = parent.ChildIndex(&p);
    p.InsertChild(p.KeyNum + 1, ap.GetChild(0));
    p.InsertKey(p.KeyNum + 1, parent.GetKey(j + 1));
    parent.SetKey(j + 1, ap.GetKey(1));
    // ap gives up its first key and first child.
    for (int t = 1; t < ap.KeyNum; ++t) ap.SetKey(t, ap.GetKey(t + 1));
    for (int t = 0; t < ap.KeyNum; ++t) ap.SetChild(t, ap.GetChild(t + 1));
    ap.SetChild(ap.KeyNum, nullptr);
    --ap.KeyNum;
  } else {
    const int j = parent.ChildIndex(&ap);
    p.InsertChild(0, ap.GetChild(ap.KeyNum));
    p.InsertKey(1, parent.GetKey(j + 1));
    parent.SetKey(j + 1, ap.GetKey(ap.KeyNum));
    ap.SetChild(ap.KeyNum, nullptr);  // now p's
    ap.DeleteKey(ap.KeyNum);
  }
}

TBTreeNode* TBTreeClass::Merge(TBTreeNode& p, TBTreeNode& ap) {
  TBTreeNode& parent = *p.Parent();
  // left absorbs right: the parent's key between them, then right's keys and children.
  const bool apRight = p.GetKey(1) < ap.GetKey(1);
  TBTreeNode& left = apRight ? p : ap;
  TBTreeNode& right = apRight ? ap : p;
  const int j = parent.ChildIndex(&left);
  const int n = left.KeyNum;
  left.SetKey(n + 1, parent.GetKey(j + 1));
  left.SetChild(n + 1, right.GetChild(0));
  parent.DeleteKey(j + 1);
  for (int k = 1; k <= right.KeyNum; ++k) {
    left.SetKey(n + 1 + k, right.GetKey(k));
    left.SetChild(n + 1 + k, right.GetChild(k));
  }
  left.KeyNum = n + 1 + right.KeyNum;
  right.children_.fill(nullptr);  // its children are left's now
  delete &right;
  return &left;
}

bool TBTreeClass::CollapseRoot() {
  TBTreeNode* root = Root();
  if (!root || root->KeyNum > RootKeysOverOneChild() || !root->GetChild(0)) return false;
  TBTreeNode* child = root->GetChild(0);
  root->children_.fill(nullptr);
  delete root;
  root_ = child;
  MarkRoot();
  return true;
}

void TBTreeClass::FreeStrayNodes() {
  QSet<const QObject*> inTree;
  if (Root()) Root()->ForEach([&inTree](TTreeNodeBase& node) {
    inTree.insert(&node);
    return true;
  });
  std::vector<TBTreeNode*> stray;
  for (QObject* child : children())
    if (auto* node = dynamic_cast<TBTreeNode*>(child); node && !inTree.contains(node)) stray.push_back(node);
  for (TBTreeNode* node : stray) delete node;
}

// ---- drawing

void TBTreeClass::Arrange() {
  if (TBTreeNode* root = Root()) {
    const int base = PointerBand();
    const int w = width() - base;
    const int h = height() - base;
    const int unitWidth = std::max(UnitWidth(w), 1);
    root->SetPosition(base, unitWidth, 0, h, w, UnitHeight(h));
    AfterPlacing(base, w, h, unitWidth);
    ArrangeChildrenOrder();
  }
  update();
}

void TBTreeClass::AfterPlacing(int base, int w, int h, int unitWidth) {
  const int depth = DeepestLevel();
  if (depth >= 4 || (depth == 3 && (StaircasesMeet(unitWidth) || PastRightEdge()))) {
    ArrangeDeep(base, w, h, depth);
    return;
  }
  // A node of five keys (between an insertion and its split) at the end of the last staircase
  // steps back inside the panel.
  Root()->ForEach([this](TTreeNodeBase& node) {
    if (node.x() + node.width() > width()) node.move(std::max(width() - node.width(), 0), node.y());
    return true;
  });
}

void TBTreeClass::ArrangeDeep(int base, int w, int h, int depth) {
  // The nodes of each level from left to right (a preorder walk meets them in that order).
  std::vector<std::vector<TBTreeNode*>> levels(depth + 1);
  Root()->ForEach([&levels, depth](TTreeNodeBase& node) {
    levels[std::clamp(node.stair, 1, depth)].push_back(static_cast<TBTreeNode*>(&node));
    return true;
  });
  const int unitHeight = UnitHeight(h);
  // A group: a parent of leaves over the staircase of its leaves, child j a unit further right.
  const std::vector<TBTreeNode*>& parents = levels[depth - 1];
  std::vector<int> extents;
  int units = 0;
  for (const TBTreeNode* parent : parents) {
    int extent = parent->KeyNum;
    for (int j = 0; j < parent->ChildSlots(); ++j)
      if (const TBTreeNode* child = parent->GetChild(j)) extent = std::max(extent, j + child->KeyNum);
    extents.push_back(extent);
    units += extent;
  }
  const int groups = static_cast<int>(parents.size());
  // At least half a unit between groups, half of it before the first and after the last: wider
  // gaps would cost the keys their size in a full tree.
  const int unit = std::max(std::min(UnitWidth(w), 2 * w / std::max(2 * units + groups, 1)), 1);
  // The groups share the free width evenly.
  const int spacing = groups > 0 ? std::max((w - unit * units) / groups, unit / 2) : 0;
  // The first leaf of each staircase stands a pointer's height below the second, so that a
  // pointer on it (the successor of a deleted key is always one) finds the room above it
  // free of nodes, as far as the levels above keep that room between them.
  const int pointer = MarkerHeight(*this, unitHeight);
  int firstStep = std::max(pointer - unitHeight / 2, 0);
  const int lowest = base + h - (3 * unitHeight * 5) / 2 - unitHeight;  // a sixth leaf's top
  if (lowest - firstStep - unitHeight * 3 / 2 - base < (depth - 2) * (unitHeight + pointer)) firstStep = 0;
  const int stairTop = lowest - firstStep;
  const auto levelTop = [&](int level) {
    return base + (level - 1) * (stairTop - unitHeight * 3 / 2 - base) / std::max(depth - 2, 1);
  };
  const auto leafTop = [&](int j) {
    return base + h - (3 * unitHeight * j) / 2 - unitHeight - (j > 0 ? firstStep : 0);
  };
  int x = base + spacing / 2;
  for (int g = 0; g < groups; ++g) {
    TBTreeNode* parent = parents[g];
    parent->setGeometry(x, levelTop(depth - 1), unit * parent->KeyNum, unitHeight);
    for (int j = 0; j < parent->ChildSlots(); ++j)
      if (TBTreeNode* leaf = parent->GetChild(j))
        leaf->setGeometry(x + unit * j, leafTop(j), unit * leaf->KeyNum, unitHeight);
    x += unit * extents[g] + spacing;
  }
  for (int level = depth - 2; level >= 1; --level) {
    for (TBTreeNode* node : levels[level]) {
      int left = INT_MAX;
      int right = INT_MIN;
      for (int j = 0; j < node->ChildSlots(); ++j) {
        if (const TBTreeNode* child = node->GetChild(j)) {
          left = std::min(left, child->x());
          right = std::max(right, child->x() + child->width());
        }
      }
      const int width = unit * node->KeyNum;
      const int centre = left <= right ? (left + right) / 2 : node->x() + width / 2;
      node->setGeometry(std::max(centre - width / 2, base), levelTop(level), width, unitHeight);
    }
  }
}

bool TBTreeClass::PastRightEdge() const {
  bool past = false;
  Root()->ForEach([this, &past](TTreeNodeBase& node) {
    past = node.x() + node.width() > width();
    return !past;
  });
  return past;
}

bool TBTreeClass::StaircasesMeet(int unitWidth) const {
  // Each node of the second level and its staircase of leaves, from left to right: the
  // stretch they take on the panel.
  std::vector<std::pair<int, int>> spans;
  for (int j = 0; j < Root()->ChildSlots(); ++j) {
    const TBTreeNode* node = Root()->GetChild(j);
    if (!node) continue;
    int left = node->x(), right = node->x() + node->width();
    for (int k = 0; k < node->ChildSlots(); ++k)
      if (const TBTreeNode* leaf = node->GetChild(k)) {
        left = std::min(left, leaf->x());
        right = std::max(right, leaf->x() + leaf->width());
      }
    spans.emplace_back(left, right);
  }
  for (std::size_t k = 1; k < spans.size(); ++k)
    if (spans[k - 1].second + unitWidth / 2 > spans[k].first) return true;
  return false;
}

int TBTreeClass::UnitHeight(int h) {
  // A small panel (the creation dialog's) keeps its cells tall enough for two digits, as far
  // as the third level's staircase still stays below the second level.
  return std::max(h / 20, std::min(kLeastCell, h / 15));
}

void TBTreeClass::ArrangeChildrenOrder() {
  // Nodes stand in preorder among the panel's controls, so a drawing reads from the root
  // down; the pointer marks stay in front of them.
  if (TBTreeNode* root = Root()) root->ForEach([](TTreeNodeBase& node) {
    node.raise();
    return true;
  });
  for (QObject* child : children())
    if (auto* mark = dynamic_cast<TPointer2*>(child); mark && mark->isVisible()) mark->raise();
}

QPoint TBTreeClass::LinkStart(const TBTreeNode& node, int j) const {
  return {node.x() + node.width() * j / std::max(node.KeyNum, 1), node.y() + node.height()};
}

QLine TBTreeClass::LinkLine(const TBTreeNode& node, int j) const {
  const TBTreeNode& child = *node.GetChild(j);
  return {LinkStart(node, j), QPoint(child.x() + (child.width() / std::max(child.KeyNum, 1)) / 2, child.y())};
}

void TBTreeClass::ForEachLink(const std::function<void(const TBTreeNode&, const TBTreeNode&, QLine)>& visit) const {
  for (QObject* object : children()) {
    const auto* node = dynamic_cast<const TBTreeNode*>(object);
    if (!node || node->isHidden()) continue;
    for (int j = 0; j < node->ChildSlots(); ++j)
      if (const TBTreeNode* child = node->GetChild(j)) visit(*node, *child, LinkLine(*node, j));
  }
}

void TBTreeClass::Paint() {
  TNodeContainer::Paint();
  TCanvas& c = Canvas();
  c.Pen.Color = LineColor;
  c.Pen.Width = 2;
  ForEachLink([&c](const TBTreeNode&, const TBTreeNode&, QLine line) {
    c.MoveTo(line.x1(), line.y1());
    c.LineTo(line.x2(), line.y2());
  });
}

std::vector<TDrawnShape> TBTreeClass::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  ForEachLink([&out](const TBTreeNode& node, const TBTreeNode& child, QLine line) {
    out.push_back(TDrawnShape::LinkBetween({&node, -1}, {&child, -1}, QPolygon({line.p1(), line.p2()})));
  });
  return out;
}
