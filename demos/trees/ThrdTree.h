#pragma once
// Threaded binary trees: a node's empty left (right) link may hold a thread to its
// predecessor (successor), told apart from a child by its tag ltag (rtag) = 1. The tree
// owns a head node thrt, threads itself in inorder through it, and draws each node as a box
// of three parts (ltag, letter, rtag) and each thread as a thin coloured arrow.
//
// ParentNode, lctag and rctag keep describing the real tree; threads are stored straight
// into LeftChild / RightChild, never through SetLeft / SetRight. Every walk of the kit
// (freeing, ForEach, layout, saving, naming) follows a link only while its tag is 0.
#include <QPointer>

#include "demos/trees/TreeBase.h"

class TThrdTreeNode : public TBinCharTreeNode {
 public:
  explicit TThrdTreeNode(TTreeBase& tree);

  int ltag = 0;  // 1: LeftChild is a thread (or nil waiting for one)
  int rtag = 0;

  TThrdTreeNode* LeftLink() const { return static_cast<TThrdTreeNode*>(LeftChild); }
  TThrdTreeNode* RightLink() const { return static_cast<TThrdTreeNode*>(RightChild); }
  // The real children: nil where the link is a thread.
  TThrdTreeNode* RealLeft() const { return ltag == 0 ? LeftLink() : nullptr; }
  TThrdTreeNode* RealRight() const { return rtag == 0 ? RightLink() : nullptr; }

  // Levels of the real subtree, the node included.
  int SubtreeDepth() const;
  // Threads the real subtree in inorder after pre (a tree without threads).
  void InOrderThread(TThrdTreeNode*& pre);
  void DrawLeftThread(TCanvas& canvas, TColor color) const;
  void DrawRightThread(TCanvas& canvas, TColor color) const;
  // The way the left (right) thread is drawn, its last leg the arrow; empty while the link
  // leads to no node of the tree.
  std::vector<QPoint> ThreadPath(bool left) const;

  // From a threaded node: value, caption and the real subtree, unthreaded.
  void Assign(const TBinCharTreeNode& source) override;
  void FreeSubtree() override;
  // A thin line from the bottom centre of the upper node to the top centre of the lower.
  void DrawLinkTo(const TTreeNodeBase& other, TCanvas& canvas, TColor color) const override;
  QLine LinkLineTo(const TTreeNodeBase& other) const override;
  bool ForEach(const std::function<bool(TTreeNodeBase&)>& callback) override;
  void SaveToStream(QByteArray& out) const override;
  void PlaceNode(int areaHeight, int areaWidth, int nodeWidth, int nodeHeight, int topMargin,
                 int levels) override;
  // Only a real left link counts: a left thread may lead to the node's own right child.
  bool IsLeftChild() const override;

  static const stream::TComponentClass& StreamClass();
  const stream::TComponentClass& FileClass() const override { return StreamClass(); }
  stream::TPropertyValues FileValues() const override;
  void SetFileValues(const stream::TPropertyValues& values) override;
  // In words: the letter and the two tags, "D 1 1".
  QString DrawingText() const override;
  // In shapes: the box and its three fields as they read, "1 D 1".
  std::vector<TDrawnShape> DrawingShapes() const override;
  // The box holds the tags and the letter; no caption is written.
  bool CaptionShown() const override { return false; }

 protected:
  // Three boxes: the tags on either side of the letter; no picture, no caption.
  void PaintBody() override;
  void PaintTexts() override;

 private:
  void DrawThread(TCanvas& canvas, TColor color, bool left) const;
};

// The colours a threaded tree draws its nodes and threads in.
struct TThrdColours {
  TColor PreLineColor = clRed;    // left threads
  // The tags beside each letter; the input dialog, whose tree is never threaded, leaves them out
  // and gives its small nodes' width to the letters.
  bool ShowTags = true;
  TColor PostLineColor = clAqua;  // right threads
  TColor TagBoxColor = clGreen;
  TColor ChrBoxColor = clBlue;
  TColor Tag0Color = clYellow;
  TColor Tag1Color = clBlue;
  TColor BoxPenColor = clWhite;
  TColor ChrColor = clYellow;
};

class TThrdTree : public TBinCharTree, public TThrdColours {
 public:
  explicit TThrdTree(QWidget* parent = nullptr);
  // The head node, made by the first InOrderThreading and kept with the tree.
  TThrdTreeNode* thrt = nullptr;

  // A node made to be inserted, waiting in the top left corner until the run links it into the
  // tree: Arrange keeps it there, as large as the head, when the window changes.
  QPointer<TThrdTreeNode> Waiting;
  // Puts Waiting, while the run has not linked it (it has no parent and is not the root), in
  // that corner.
  void PlaceWaiting();

  TThrdTreeNode* Root() const { return static_cast<TThrdTreeNode*>(root_); }

  int ComputeLayout() override;
  // Room right of the last column for the pointers on the rightmost nodes, as much as under
  // the last level (none without RoomForPointersBelow, nor for an empty tree).
  int PointerRoomRight() const;
  // How far apart the threads under the head's row run (TUnderRow).
  int UnderRowStep() const;
  int Relayout() override;
  // The head in the top right corner, then the real tree.
  void Arrange() override;
  void NameNodes() override;
  // The threaded-tree dialog; the tree comes back unthreaded.
  bool Input() override;
  // Frees the tree; the head's links no longer lead into it.
  void Clear() override;

  // Every thread removed (the head keeps its links until the next threading).
  void ClearThreads();
  // Threads the tree in inorder through the head (made on first use).
  void InOrderThreading();
  // Input, then threading when confirmed.
  bool RethreadTree();
  // Frees nodes the tree no longer reaches (all but the tree's and the head).
  void DropStrayNodes();
  // The tree of saved bytes (SaveToBytes) again, threaded: what an interrupted operation
  // changed is dropped, stray nodes too.
  void Restore(const QByteArray& bytes);

  // The parent links, the head's line to the root and every thread, as Paint draws them; a thread
  // noted by what its colour tells ("left" in PreLineColor, "right" in PostLineColor) and held
  // to the link it is.
  std::vector<TDrawnShape> DrawingShapes() const override;
  // The colour a left (right) thread is drawn in.
  TColor ThreadColour(bool left) const { return left ? PreLineColor : PostLineColor; }
  // The head's line down to the root as drawn; empty when its left link is no real one.
  std::vector<QPoint> HeadLinkPath() const;

 protected:
  void Paint() override;
  // A thread as drawn: its node, its side, the node it leads to and its way.
  struct TDrawnThread {
    const TThrdTreeNode* Node;
    bool Left;
    const TBinTreeNode* Target;
    std::vector<QPoint> Path;
  };
  // Every thread of a shown node, in the order of the nodes, left before right.
  std::vector<TDrawnThread> DrawnThreads() const;
  // Room under the last level for the threads that bend below a node.
  int BottomMargin() const override;
 public:
  // In words, every thread drawn: "Node11 right Node3: 530,285 530,262 400,262 400,200",
  // one after another, " | " between them.
  QString DrawingText() const override;

 protected:
  TBinTreeNode* NewFullTreeNode() override;
  // A record whose tags are not 0 is refused: saved trees are never threaded.
  TRecordCheck FileCheck() const override;
};
