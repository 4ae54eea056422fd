#pragma once
// The binary-tree kit: drawn trees whose nodes are small pictures carrying a letter, laid
// out by level inside a rescalable panel, with a line from every node to its parent. Every
// tree demonstration draws with it, and the searching and sorting chapters derive their own
// trees and nodes from these classes (binary sort and AVL trees, the arrayed trees of the
// heap and tournament sorts from TBinCharTree / TBinCharTreeNode; the B-tree from TTreeBase
// / TTreeNodeBase), so every virtual here may be overridden and none is pure.
//
//   auto* tree = form->Place(new TBinCharTree(form), 0, 0, 441, 345);
//   tree->MaxDepth = 4;
//   tree->NewRoot();                        // one node "n1" on level 1
//   auto* b = tree->MakeNode<TBinCharTreeNode>();
//   tree->Root()->AttachChild(*b, true);    // on level 2
//   b->SetValue('B');
//   tree->NumberNodes();  tree->Arrange();  tree->Repaint();
//
// Ownership: a node is a child control of its tree panel, which frees it with itself; the
// tree's shape lives in the node links. Root owns the whole tree: FreeSubtree frees a node
// with everything below it (it does not clear the parent's link).
//
// Nodes are named by place at every arrangement: "Node1" the root, "Node2k" and "Node2k+1"
// the children of "Nodek", so scripts and tests can click and read them.
#include <QLine>
#include <QString>
#include <functional>
#include <memory>

#include "framework/drawkit/NodeContainer.h"
#include "framework/drawkit/Rect.h"
#include "framework/engine/BasicData.h"
#include "platform/Bitmap.h"
#include "platform/ComponentStream.h"

struct TTreeRecord;
using TRecordCheck = std::function<QString(const stream::TPropertyValues&)>;
struct TCaptionPlan;
struct TCaptionSpot;
class TForm;

class TTreeBase;
class TPointer2;
class TBinCharTreeNode;

// ---------------------------------------------------------------- nodes

class TTreeNodeBase : public TRectbase {
 public:
  // The node is a child control of tree (its owner and parent), on no level yet (stair 0),
  // with the tree's normal picture.
  explicit TTreeNodeBase(TTreeBase& tree);
  ~TTreeNodeBase() override;

  TTreeBase& Tree() const { return tree_; }

  int stair = 0;  // level: the root is 1, a child its parent's + 1
  bool ShowName = true;
  TTreeNodeBase* ParentNode = nullptr;
  // The node's value (a TCharData for letter nodes).
  std::unique_ptr<TData> NodeData;

  // The highlighted picture (the tree's second image) or the normal one; repaints.
  void SetHighlighted(bool flag);
  bool Highlighted() const { return highlighted_; }
  // The caption written on the node's upper left, at most 16 bytes.
  QString GetCaption() const;
  void SetCaption(const QString& caption);

  // Frees the node with its whole subtree; the parent's link is left as it is.
  virtual void FreeSubtree();
  // A line from the centre of the node nearer the root to the top centre of the other.
  // Raises "temp to link two nodes that are on same stair" for two nodes of one level.
  virtual void DrawLinkTo(const TTreeNodeBase& other, TCanvas& canvas, TColor color) const;
  // The line DrawLinkTo draws, in the tree panel's pixels (the same raise).
  virtual QLine LinkLineTo(const TTreeNodeBase& other) const;
  // Preorder walk while callback answers true; answers the last answer. Here: true.
  virtual bool ForEach(const std::function<bool(TTreeNodeBase&)>& callback);
  virtual void RandomValue() {}
  // Gives the subtree random children down to levels levels, numbering them from number
  // on; answers the next free number. Here: 1.
  virtual int GenerateRandomSubtree(int levels, int number);
  // The node's record and those of its subtree, in preorder (see TreeFile.h).
  virtual void SaveToStream(QByteArray& out) const;

  // The record class of the node in the tree files and the values of its properties.
  static const stream::TComponentClass& StreamClass();
  virtual const stream::TComponentClass& FileClass() const { return StreamClass(); }
  virtual stream::TPropertyValues FileValues() const;
  // Takes the values of a record read back (those it holds; geometry included).
  virtual void SetFileValues(const stream::TPropertyValues& values);

  // In words: the caption when it is drawn, then the value ("n1 A").
  QString DrawingText() const override;
  // Itself as a node, named by its caption where the tree writes it; a blank letter, which is
  // painted as nothing, is noted rather than read from the picture.
  std::vector<TDrawnShape> DrawingShapes() const override;
  // Whether the tree writes the caption beside the node (the node itself never draws it).
  virtual bool CaptionShown() const { return ShowName && !caption_.isEmpty(); }
  // The node's class name as the code names it (derived nodes of other chapters give theirs).
  virtual QString ClassName() const { return QStringLiteral("TTreeNodeBase"); }


 protected:
  // The backdrop and the picture, then the texts: derived nodes replace either half.
  void Paint() override;
  virtual void PaintBody();
  virtual void PaintTexts();
  // A letter node whose letter is a blank: it shows no glyph.
  bool BlankLetter() const;
  // The texts of a node showing a number under its key: key in the upper half and, smaller,
  // number in the lower, centred in yellow (the tree writes the caption above the node).
  void PaintKeyOverNumber(const QString& key, const QString& number);
  // Moved, the node paints again: the backdrop behind its picture is the one of its new place.
  void moveEvent(QMoveEvent* event) override;

 private:
  TTreeBase& tree_;
  QString caption_;
  bool highlighted_ = false;
};

class TBinTreeNode : public TTreeNodeBase {
 public:
  explicit TBinTreeNode(TTreeBase& tree);

  TBinTreeNode* LeftChild = nullptr;
  TBinTreeNode* RightChild = nullptr;
  int lctag = 0;  // 1 while the left child exists (drives the file's reading)
  int rctag = 0;

  // Attach a child (its ParentNode becomes this node) or detach with nullptr; the tags
  // follow. The child's level is left to the caller.
  virtual void SetLeft(TBinTreeNode* node);
  virtual void SetRight(TBinTreeNode* node);
  // Attaches child on the left or the right, one level below this node.
  void AttachChild(TBinTreeNode& child, bool left);

  // Places the node and its subtree: levels spread from the top margin to the bottom of
  // the area, each child a quarter, an eighth, ... of the width beside its parent's centre.
  virtual void PlaceNode(int areaHeight, int areaWidth, int nodeWidth, int nodeHeight,
                         int topMargin, int levels);

  void FreeSubtree() override;
  bool ForEach(const std::function<bool(TTreeNodeBase&)>& callback) override;
  void SaveToStream(QByteArray& out) const override;

  static const stream::TComponentClass& StreamClass();
  const stream::TComponentClass& FileClass() const override { return StreamClass(); }
  stream::TPropertyValues FileValues() const override;
  void SetFileValues(const stream::TPropertyValues& values) override;

  // Whether the node hangs on its parent's left link (placement puts it on the left).
  virtual bool IsLeftChild() const;
  // The two links as stored: "-> L,R".
  QList<const QWidget*> DrawingTargets() const override { return {LeftChild, RightChild}; }
};

class TBinCharTreeNode : public TBinTreeNode {
 public:
  // Its data is a TCharData with an empty name and the value space.
  explicit TBinCharTreeNode(TTreeBase& tree);

  // Raise "nil data in TBinCharTreeNode" when the node has no data.
  char Value() const;
  void SetValue(char value);

  // Copies the letter, caption and ShowName of node (not its children).
  virtual void CopyValueFrom(const TBinCharTreeNode& node);
  // Frees the own subtrees, then copies source's value, caption and whole subtree (plain
  // TBinCharTreeNode children). Raises "Tree depth exceeds limit" when this node lies below
  // the tree's MaxDepth; what was copied so far stays.
  virtual void Assign(const TBinCharTreeNode& source);
  // A random capital letter.
  void RandomValue() override;
  int GenerateRandomSubtree(int levels, int number) override;

  static const stream::TComponentClass& StreamClass();
  const stream::TComponentClass& FileClass() const override { return StreamClass(); }
  stream::TPropertyValues FileValues() const override;
  void SetFileValues(const stream::TPropertyValues& values) override;

  TBinCharTreeNode* Left() const;
  TBinCharTreeNode* Right() const;
  TBinCharTreeNode* Parent() const;
};

// ---------------------------------------------------------------- node classes

// A node class of a tree: how to make one, and its record class in the files.
struct TNodeClass {
  std::function<TBinTreeNode*(TTreeBase&)> Make;
  const stream::TComponentClass* Stream = nullptr;

  template <class Node>
  static TNodeClass Of() {
    return {[](TTreeBase& tree) -> TBinTreeNode* { return new Node(tree); }, &Node::StreamClass()};
  }
};

// ---------------------------------------------------------------- trees

class TTreeBase : public TNodeContainer {
 public:
  explicit TTreeBase(QWidget* parent = nullptr);
  ~TTreeBase() override;

  TTreeNodeBase* RootBase() const { return root_; }
  // Sets the root without freeing the old tree (a demonstration that moves nodes around).
  void SetRootBase(TTreeNodeBase* root) { root_ = root; }

  int MaxDepth = 1;  // the levels the tree may have: drives layout, random and full trees
  TColor LineColor = clBlack;
  bool ShowName = true;  // copied into every node the tree makes
  int PointerSize = 32;  // free band on the left and at the top, room for pointers (design pixels)
  QString NodeCaption;   // prefix of the captions NumberNodes gives
  // Captions that travel with the keys (a heap's record numbers, copied with each key moved):
  // two nodes may show one caption at once, so a caption labels its node and does not name it.
  bool CaptionsTravel = false;
  std::function<void(TTreeNodeBase&)> OnNodeClick;

  // Picture 0 the normal node, 1 the highlighted one (empty when the pictures are missing).
  TImageList Images{64, 64};

  // The band kept for pointers at the present size: PointerSize grown with the window, so the
  // pointers standing on the top nodes grow as the rest of the drawing does.
  int PointerBand() const { return Ratio().Grow(PointerSize); }

  void DoNodeClick(TTreeNodeBase& node);
  // Captions NodeCaption + 1, 2, ... in preorder; NodeCounter ends one past the last.
  void NumberNodes();
  int NodeCounter = 1;
  // The root on level 1, every other node one below its parent.
  void ComputeLevels();
  // The level of the lowest node (stair), 0 for an empty tree.
  int DeepestLevel() const;

  // The node width and height for the present size; 0 here.
  virtual int ComputeLayout() { return 0; }
  virtual int Relayout() { return 0; }
  // Places every node (AfterRescale calls it); here it only names nothing.
  virtual void Arrange() {}
  void AfterRescale() override { Arrange(); }
  // The input dialog; true when confirmed. Here: false.
  virtual bool Input() { return false; }
  virtual void CreateFullTree() {}
  virtual void RandomBuild() {}
  virtual void SaveToFile(const QString& /*fileName*/) {}
  virtual void LoadFromFile(const QString& /*fileName*/) {}
  // Frees the tree.
  virtual void Clear();

 protected:
  TTreeNodeBase* root_ = nullptr;
};

class TBinTree : public TTreeBase {
 public:
  // Takes the node pictures "treenode1.bmp" and "treenode2.bmp" of the image folder.
  explicit TBinTree(QWidget* parent = nullptr);

  TBinTreeNode* Root() const { return static_cast<TBinTreeNode*>(root_); }

  // Keeps a pointer's room under the last level, so that a pointer on a node of that level
  // whose room above is crossed by links can stand under it.
  bool RoomForPointersBelow = false;
  // Keeps a caption's room under the last level, so that leaves too close together for their
  // captions to stand side by side above them can have some stand under them.
  bool RoomForCaptionsBelow = false;

  // The class of every node the tree makes through NewRoot, random trees and loading.
  TNodeClass NodeClass;
  // A node of the tree's node class (or of Node), owned by the tree, ShowName from it.
  TBinTreeNode* NewNode();
  template <class Node>
  Node* MakeNode() {
    auto* node = new Node(*this);
    node->ShowName = ShowName;
    return node;
  }

  int ComputeLayout() override;
  int Relayout() override;
  // Places the root centred in the free area and its subtree by PlaceNode, then names the
  // nodes by place and puts the pointers standing on nodes back on them. A tree so deep that
  // this makes its nodes smaller than LeastNodeSize gets one column a node in inorder
  // instead, its nodes as large as two columns and its levels allow.
  void Arrange() override;
  // The smallest node at which a letter and the links to it can still be seen.
  int LeastNodeSize() const;
  // The pointers on its nodes are placed with the nodes (Arrange, PlacePointers): a resize
  // keeps them where that put them, clear of links, and a hidden one hidden.
  bool PlacesPointer(const TPointer2& pointer) const override;
  // Puts every shown pointer standing on a node back on it; a pointer that would cover
  // another one on its row (two variables on one node) steps beside it or fans out over the
  // node (PointerPlace), so both captions show. The search trees place theirs round their
  // nodes instead (SpreadPointers).
  virtual void PlacePointers();
  // A placed pointer whose head lies on a link, another node, a caption or another head takes
  // the first place on its node clear of them all (PlaceMarks), beside its lower half where
  // the room above is taken, else (in a tree that keeps room for them) under the node pointing
  // up; one with no such place keeps its own.
  void StepOffLinks(const std::vector<TPointer2*>& pointers);
  // Frees the tree and makes a root of NodeClass: level 1, caption "n1".
  virtual TBinTreeNode* NewRoot();
  // Attaches child under parent; a child below the last level deepens the tree (MaxDepth),
  // so a tree being built grows its drawing rather than losing nodes.
  void AddChild(TBinTreeNode& parent, TBinTreeNode& child, bool left);

  // An empty tree writes an empty file; saving goes through a temporary file, so a failed
  // save leaves an existing file as it was. Raises ETreeFileError.
  void SaveToFile(const QString& fileName) override;
  // Reads and checks the whole file before the tree changes: a bad file raises
  // ETreeFileError and leaves the tree as it was. An empty file gives an empty tree.
  // Captions stay empty and nothing is arranged: callers NumberNodes and Arrange.
  void LoadFromFile(const QString& fileName) override;
  // The same from the file's bytes (name only for messages).
  void LoadFromBytes(const QByteArray& bytes, const QString& fileName);
  QByteArray SaveToBytes() const;

  // Names the nodes by place ("Node1" ...); the arrangement calls it.
  virtual void NameNodes();

  // The link from every shown node to its shown parent, as Paint draws it (the nodes say
  // themselves that they are nodes); where captions travel, each caption as its node's label.
  std::vector<TDrawnShape> DrawingShapes() const override;
  // Where PaintCaptions writes the captions of the shown nodes (pointers keep off them).
  std::vector<QRect> CaptionBoxes() const;
  // Where they would stand were the heads of the pointers under their nodes those given: a
  // caption under its node that such a head covers steps aside where it can (PlanCaptions).
  std::vector<QRect> CaptionBoxes(const std::vector<QRect>& headsBelow) const;

 protected:
  // The backdrop, the links, then the captions above the nodes.
  void Paint() override;
  void PaintCaptions(TCanvas& canvas) const;
  // The captions of the shown nodes (into spots, their nodes into nodes when given) and where
  // they go, round the heads of the shown pointers standing under their nodes.
  TCaptionPlan PlannedCaptions(std::vector<TCaptionSpot>& spots,
                               std::vector<const TTreeNodeBase*>* nodes = nullptr) const;
  // The same round the heads given.
  TCaptionPlan PlannedCaptions(std::vector<TCaptionSpot>& spots, std::vector<const TTreeNodeBase*>* nodes,
                               const std::vector<QRect>& headsBelow) const;
  // Room kept free below the last level (for marks drawn under the nodes): a pointer's, for a
  // tree that keeps room for them there.
  virtual int BottomMargin() const { return PointerRoomBelow(); }
  // The pointers' room under the last level (RoomForPointersBelow); captions keep off it.
  int PointerRoomBelow() const;
  // The captions' room under the last level of nodes nodeHeight high (RoomForCaptionsBelow),
  // above the pointers'.
  int CaptionRoomBelow(int nodeHeight) const;
  // A further check of each record of a file being loaded; none here.
  virtual TRecordCheck FileCheck() const { return {}; }

 private:
  // The compact layout: every node in its inorder column, size x size, in the area right of and
  // below the band.
  void ArrangeByColumns(int band, int areaWidth, int areaHeight, int size);
};

class TBinCharTree : public TBinTree {
 public:
  explicit TBinCharTree(QWidget* parent = nullptr);

  TBinCharTreeNode* Root() const { return static_cast<TBinCharTreeNode*>(root_); }

  // Copies MaxDepth, ShowName, NodeCaption and the nodes of source.
  virtual void Assign(const TBinCharTree& source);
  // The "建树" dialog on a copy of the tree; on OK the tree takes the copy without its
  // blank nodes, numbered and arranged. True when confirmed; on Cancel nothing changes.
  bool Input() override;
  // Every path MaxDepth levels long, all values spaces, captions empty but the root's.
  void CreateFullTree() override;
  // A root and random children down to MaxDepth, numbered "n1", "n2" ... in preorder.
  void RandomBuild() override;
  // Cuts every node holding a space, with its subtree; a blank root empties the tree.
  void RemoveBlankNodes();

 protected:
  // The tree dialog's part of Input: dlgTree (on dlg) takes a copy of this tree; on OK this
  // tree takes dlgTree's without its blank nodes, numbered and arranged.
  bool InputWith(TForm& dlg, TBinCharTree& dlgTree);
  // A node of the full tree's template.
  virtual TBinTreeNode* NewFullTreeNode();
};

// ---------------------------------------------------------------- data-model record

// A record of the variable window mirroring a drawn subtree: named after the node's
// caption, members "key" (the letter), "lchild" and "rchild" (pointers to the children's
// records). Destroying a record destroys the records its pointers point at, so a record
// owns its subtree; a pointer to a record destroyed elsewhere becomes nil.
class TCharNodeData : public TRecord {
 public:
  explicit TCharNodeData(const TBinCharTreeNode& node);
  explicit TCharNodeData(const QString& name = QString(), char key = ' ');
  ~TCharNodeData() override;

  char GetKey() const;
  void SetKey(char key);
  TCharNodeData* GetLChild() const;
  TCharNodeData* GetRChild() const;
  void SetLChild(TCharNodeData* child);
  void SetRChild(TCharNodeData* child);
  // Into another TCharNodeData: key and the child references; other destinations ignored.
  void AssignTo(TData* dest) override;
  std::unique_ptr<TData> NewInstance(const QString& name) const override;

 private:
  TCharData* key_;
  TPtrData* lchild_;
  TPtrData* rchild_;
};
