#pragma once
// The drawn B-tree of order 5 (keys 0 .. 99): a node is a row of coloured cells, one a key;
// the tree panel places the nodes level by level, draws the links and saves itself as a data
// file of one component record per node in preorder. The B+-tree (BPTreeClass.h) derives
// from both classes and changes what a child position means.
//
//   TBTreeClass tree(form);
//   tree.Insert(30);  tree.Insert(10);  ...        // the quiet insertion
//   TBTreeNode* p; int i;
//   if (tree.Search(10, p, i)) ...                 // p holds 10 as its key i
//   tree.MarkRoot();  tree.Arrange();  tree.Repaint();
//
// A node keeps its keys as two decimal digits each in KeyStr and a '0'/'1' flag a child
// position in TagStr, as the data file stores them. The children sit at positions
// 0 .. ChildSlots() - 1 (KeyNum + 1 here); child j holds the keys between key j and key j+1.
// Levels and parents are right only after MarkRoot, which every structural change is
// followed by.
#include <QByteArray>
#include <QLine>
#include <QString>
#include <algorithm>
#include <array>
#include <functional>

#include "demos/trees/TreeBase.h"

class TBTreeClass;
class TForm;

// The narrowest key cell whose two digits are painted at a size this screen reads.
int LegibleKeyCell();

class TBTreeNode : public TTreeNodeBase {
 public:
  static constexpr int kMaxKeys = 5;      // 5 only between an insertion and its split
  static constexpr int kChildSlots = 6;

  explicit TBTreeNode(TTreeBase& tree);

  int KeyNum = 0;
  QString KeyStr = QStringLiteral("0000000000");
  QString TagStr = QStringLiteral("000000");

  TBTreeClass& BTree() const;
  TBTreeNode* Parent() const { return static_cast<TBTreeNode*>(ParentNode); }

  // Key i (1 .. 5) as two digits; a key outside 0 .. 99 or an index outside raises the
  // range error.
  void SetKey(int i, int key);
  int GetKey(int i) const;
  // Child j (0 .. 5): stores node (its parent becomes this node) and the flag of j.
  void SetChild(int j, TBTreeNode* node);
  TBTreeNode* GetChild(int j) const;
  void SetChildFlag(int j, int flag);
  int HasChild(int j) const;

  // Keys KeyNum down to pos move up a place; key pos := key; KeyNum + 1.
  void InsertKey(int pos, int key);
  // Key pos and child pos go, the later keys and children move down a place; KeyNum - 1.
  void DeleteKey(int pos);
  // Children KeyNum down to pos move up a place; child pos := node. Called before
  // InsertKey, with the old KeyNum.
  void InsertChild(int pos, TBTreeNode* node);

  // The child positions in use: 0 .. KeyNum in a B-tree (the tree's rule).
  int ChildSlots() const;
  // The position of node among the children in use, or -1.
  int ChildIndex(const TBTreeNode* node) const;
  bool IsLeaf() const;
  // The keys as the drawing shows them: "10 20".
  QString KeysText() const;

  // Frees the own children in use, then copies source's keys and a copy of its subtree in
  // nodes of the tree's node class (NewNode). Levels and places are left to MarkRoot and
  // Arrange.
  virtual void Assign(const TBTreeNode& source);
  void FreeSubtree() override;
  bool ForEach(const std::function<bool(TTreeNodeBase&)>& callback) override;
  void SaveToStream(QByteArray& out) const override;
  // Each child in use one level below this node and with this node as its parent, down to
  // the leaves.
  virtual void SetLevels();
  // Sizes and places the node (index: its position in its parent), then its children.
  virtual void SetPosition(int base, int unitWidth, int index, int areaHeight, int areaWidth, int unitHeight);

  static const stream::TComponentClass& StreamClass();
  const stream::TComponentClass& FileClass() const override { return StreamClass(); }
  stream::TPropertyValues FileValues() const override;
  void SetFileValues(const stream::TPropertyValues& values) override;

  QString DrawingText() const override { return KeysText(); }
  QList<const QWidget*> DrawingTargets() const override;
  QString ClassName() const override { return QStringLiteral("TBTreeNode"); }

  // The fill colour of key cell k (1 .. 5).
  static TColor CellColor(int k);

 protected:
  void Paint() override;

  std::array<TBTreeNode*, kChildSlots> children_{};
  friend class TBTreeClass;
};

// One node of a file as read and checked, with its children at their positions.
struct TBTreeRecord {
  stream::TPropertyValues Values;
  int KeyNum = 0;
  std::array<int, TBTreeNode::kMaxKeys + 1> Keys{};  // [1..KeyNum]
  std::array<std::unique_ptr<TBTreeRecord>, TBTreeNode::kChildSlots> Children;
};

class TBTreeClass : public TTreeBase {
 public:
  explicit TBTreeClass(QWidget* parent = nullptr);
  // The nodes go while the tree still knows its child rule.
  ~TBTreeClass() override { Clear(); }

  TBTreeNode* Root() const { return static_cast<TBTreeNode*>(root_); }
  void SetRoot(TBTreeNode* root) { root_ = root; }
  // A node of the tree's node class, owned by the panel, on no level yet.
  virtual TBTreeNode* NewNode();

  // Copies MaxDepth, ShowName, NodeCaption and a copy of source's nodes.
  virtual void Assign(const TBTreeClass& source);
  // The creation dialog on a copy of the tree; on OK the tree takes the dialog's tree.
  bool Input() override;
  // 30 to 79 random keys 0 .. 98 inserted one by one (repeats dropped).
  void RandomBuild() override;
  // An empty tree writes an empty file; a failed save leaves an existing file as it was.
  // Raises ETreeFileError.
  void SaveToFile(const QString& fileName) override;
  // Reads and checks the whole file before the tree changes (see ParseFile); an empty file
  // gives an empty tree. Levels and parents come from the shape.
  void LoadFromFile(const QString& fileName) override;
  QByteArray SaveToBytes() const;
  void LoadFromBytes(const QByteArray& bytes, const QString& fileName);
  // The checked records of a file, nullptr for an empty one; raises ETreeFileError naming
  // fileName and the first fault: a damaged record, a record of another node class, KeyNum
  // outside 1 .. 4, a KeyStr not ten digits, a TagStr not six '0'/'1', bytes after the last
  // record, too many levels, or a shape that is no tree of this kind.
  std::unique_ptr<TBTreeRecord> ParseFile(const QByteArray& bytes, const QString& fileName) const;

  // Found: p holds k as its key i. Not found: p is the leaf where k belongs (none for an
  // empty tree) and i the number of p's keys below k.
  virtual bool Search(int k, TBTreeNode*& p, int& i) const;
  // The quiet insertion (no drawing between the steps): the steps below one after another.
  void Insert(int k);
  // The root on level 1, every other node one below its parent.
  void MarkRoot();
  void Arrange() override;
  // Told after every arrangement (a resize arranges the tree again): what stands outside the
  // tree (the halves of a split) goes beside the nodes again.
  std::function<void()> OnArranged;
  // A mark whose room above its node is crossed by links (a staircase's step, a leaf between
  // its siblings' links) stands under the node where there is room.
  bool PointersMayStandUnder() const override { return true; }
  // The links from each node to its children, as Paint draws them.
  std::vector<TDrawnShape> DrawingShapes() const override;

  // A cell of a node at its least, where the area divided by 20 or 30 is smaller.
  static constexpr int kLeastCell = 15;
  // The height of a node in a drawing area h high: the area divided by 20, at least
  // kLeastCell as far as the third level's staircase stays below the second level.
  static int UnitHeight(int h);

  // The steps the demonstration shows one by one.
  // Whether x may not go into q at all (the tree would grow too deep); never here.
  virtual bool InsertRefused(const TBTreeNode& /*q*/) const { return false; }
  // x goes into q where the search put it (i as Search answers it), with the node ap
  // split off below (none in a leaf) beside it. Answers the nodes whose keys changed.
  virtual QList<TBTreeNode*> InsertInto(TBTreeNode& q, int i, int x, TBTreeNode* ap);
  // Split: p (five keys) keeps its lower keys, the new node returned takes the upper ones;
  // x is the key that moves up.
  virtual TBTreeNode* Split(TBTreeNode& p, int& x);
  // Where x, moving up from a split child, goes in parent (as Search would answer it).
  virtual int ParentPosition(const TBTreeNode& parent, int x) const;
  // A new root over the halves of a split root (both none for an empty tree), x the key
  // that moved up.
  virtual TBTreeNode* NewRootOver(TBTreeNode* left, TBTreeNode* right, int x);
  // The sibling p borrows from or merges with: the left one, or the right one for the
  // first child.
  TBTreeNode* Sibling(const TBTreeNode& p) const;
  // p (one key short) takes a key from ap through their parent.
  virtual void Borrow(TBTreeNode& p, TBTreeNode& ap);
  // p and ap become one node with the parent's key between them; the emptied node is freed.
  // Answers the node that stays.
  virtual TBTreeNode* Merge(TBTreeNode& p, TBTreeNode& ap);
  // A root left by a merge with no key of its own to separate (a single child) gives way
  // to that child: the tree loses a level. Answers whether it did.
  bool CollapseRoot();
  // Frees the nodes on the panel that are not in the tree (the halves and keys an
  // operation given up left floating).
  void FreeStrayNodes();

  // The child positions a node of keyNum keys uses (0 .. keyNum here) and its file record.
  virtual int ChildSlotsOf(int keyNum) const { return keyNum + 1; }
  virtual const stream::TComponentClass& NodeFileClass() const { return TBTreeNode::StreamClass(); }

 protected:
  // The creation dialog's part of Input: dlgTree (on dlg) takes a copy of this tree; on
  // OK this tree takes dlgTree's.
  bool InputWith(TForm& dlg, TBTreeClass& dlgTree);
  void Paint() override;
  // How many keys a root keeps over a single child at the least: 0 here.
  virtual int RootKeysOverOneChild() const { return 0; }
  // The room kept free under the lowest nodes: none here (the staircases leave room under
  // their upper steps).
  virtual int RoomBelow() const { return 0; }
  // The width of a key cell in a drawing area w wide: the area divided by 30.
  virtual int UnitWidth(int w) const { return std::max(w / 30, std::min(kLeastCell, w / 26)); }
  // Moves nodes placed by SetPosition where they would stand on each other. Here: a tree of
  // four levels or more, whose deeper levels would share the third level's staircase, and one
  // of three whose staircases run into each other (StaircasesMeet) or past the right edge (a
  // leaf of five keys at the end) are laid out as a whole (ArrangeDeep).
  virtual void AfterPlacing(int base, int w, int h, int unitWidth);
  // Whether a staircase of leaves under one node of the second level reaches to within half a
  // unit of the next one's, where the link down to that one's first leaf would run through it.
  bool StaircasesMeet(int unitWidth) const;
  bool PastRightEdge() const;
  // The leaves as staircases under their parents at the bottom, every parent a group of its
  // own beside the others, each node above them centred over its children, the levels
  // spread down the rest of the area; a unit narrower than the area's thirtieth where the
  // groups would not fit side by side.
  void ArrangeDeep(int base, int w, int h, int depth);
  // The words of the messages ("B-树") and the deepest level a file may hold.
  virtual QString KindName() const { return QStringLiteral("B-树"); }
  virtual int MaxFileLevels() const { return 6; }
  // What a checked tree of this kind must further hold; empty when it does.
  virtual QString CheckShape(const TBTreeRecord& root) const;
  // The link from the boundary below a key (or the middle of one) to child j.
  virtual QPoint LinkStart(const TBTreeNode& node, int j) const;
  // The line drawn from node to its child j (present): from LinkStart to the middle of the
  // child's first cell.
  QLine LinkLine(const TBTreeNode& node, int j) const;
  // Every link of the shown nodes, as painted.
  void ForEachLink(const std::function<void(const TBTreeNode&, const TBTreeNode&, QLine)>& visit) const;
  void ArrangeChildrenOrder();
};
