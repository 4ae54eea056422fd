#pragma once
// The loser tree of the external sorts: internal nodes ls[0..k-1] (each naming a leaf),
// leaves b[0..k-1] holding keys and the minimum-key sentinel b[k], laid out by heap position
// (leaf b[s] at position k+s, the parent of position i at i div 2, ls[0] above ls[1]).
// The controls only show what the demonstrations copy into them.
#include <QLine>
#include <QPolygon>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "framework/drawkit/KitControl.h"
#include "platform/Geometry.h"
#include "platform/PaintBox.h"

// One drawn record: ls records hold a leaf number, leaves a key; -1 is drawn blank, but
// in the sentinel, where it is the key MINKEY that lies below every run's key.
struct TLsNodeRec {
  int Value = -1;
  int Index = 0;
  bool Shown = true;      // false draws the box grey
  bool Highlight = false;  // true draws it fuchsia
};

// The keys of one input run still to be read, shown as a column under its leaf.
struct TLsRunRec {
  int LastKey = 0;  // index of the last key held
  std::array<int, 10> Keys{999};
};

// The geometry of a tree of leaf numbers 0..n (pure, recomputed at every paint).
struct TLoserLayout {
  enum Kind { Loser, RepSel };
  static constexpr int Positions = 33;
  static constexpr int LeastFont = 13;  // the smallest label that still reads (pixels)

  int Rows = 2;
  int Cols = 1;
  int NodeWidth = 0;  // the width the positions are laid out by
  int NodeHeight = 0;
  // The top part of a node's cell, where its value stands; the shape fills the rest.
  int ValueBand = 0;
  // Pixel heights of the Arial labels ("ls[3]", "b[3]") and of the values above the shapes.
  int LabelFont = 1;
  int ValueFont = 1;
  int Row = 0;  // from one level to the next
  int Top = 0;  // the top of the first level
  // The height of a key box under a leaf (run columns, run numbers): high enough for a key
  // in the label's size.
  int KeySide = 0;
  std::array<int, Positions> X{};  // left edges of boxes NodeWidth wide
  // The width of each position's box, centred where a box NodeWidth wide stands: wider than
  // NodeWidth where its label needs it and its row has the room.
  std::array<int, Positions> W{};
  int Width = 0;
  int Height = 0;

  static int TreeDepth(int n);
  void SetLeafCount(int n);
  // The positions follow the columns and the levels; the labels and values are as large as a
  // third of the node, never below leastFont while the row's spacing takes them, and the
  // nodes grow and the levels spread to hold them. keysUnder key boxes (a run's column, a run
  // number) stand under each leaf, at least as high as the labels' text.
  // leastFont: LeastFont on a window of its design size and more on a larger one; floorFont:
  // the least a crowded row may force (FloorOf(leastFont), less in a window made smaller than
  // the screen), never above leastFont.
  void Compute(int width, int height, int lastIndex, Kind kind, int leastFont = LeastFont, int keysUnder = 0,
               int floorFont = FloorOf(LeastFont));
  // Eleven pixels of every thirteen of the least size.
  static constexpr int FloorOf(int leastFont) { return leastFont * 11 / 13; }
  int Y(int position) const;
  int Mid(int position) const { return X[position] + NodeWidth / 2; }
  int Left(int position) const { return Mid(position) - W[position] / 2; }
  // The box of a value textWidth x textHeight drawn above the shape at position, whose cell
  // starts at y.
  TRect ValueRect(int position, int y, int textWidth, int textHeight) const;
  // Where a link leaves the shape at position (cell at y) for a point at x above it: on the
  // shape's upper rim towards x, far enough from the middle to pass beside the value above
  // the shape rather than through it.
  TPoint LinkStart(int position, int y, int x, bool ellipse) const;
  // The lower rim of the shape at position (cell at y) under x.
  int LowerRim(int position, int y, int x, bool ellipse) const;
};

class TLoserTree : public TCanvasWidget, public TKitControl {
 public:
  static constexpr int MaxLastIndex = 16;
  static constexpr int NodeCount = 33;
  static constexpr int RunCount = 17;

  explicit TLoserTree(QWidget* parent = nullptr);

  int LastIndex() const { return lastIndex_; }
  // Accepted for 0 .. 16; any other value changes nothing.
  void SetLastIndex(int n);
  bool ShowSentinel() const { return showSentinel_; }
  void SetShowSentinel(bool show);
  bool ShowRuns = false;  // set directly; no repaint of its own

  // Records 0 .. 2n+2 (2n+2 is the sentinel); runs 0 .. n. Outside them the getters answer
  // an empty record and the setters change nothing.
  TLsNodeRec GetNode(int i) const;
  void SetNode(int i, const TLsNodeRec& rec);
  TLsRunRec GetRun(int j) const;
  void SetRun(int j, const TLsRunRec& rec);

  // The record numbers of leaf s and of the sentinel.
  int Leaf(int s) const { return lastIndex_ + 1 + s; }
  int Sentinel() const { return 2 * lastIndex_ + 2; }

  // The layout as the last paint (or the present size) computed it.
  TLoserLayout Layout() const;
  // Where the run columns start: under the lowest leaf.
  int ColumnTop(const TLoserLayout& l) const;
  // The box of key k of run j's column (empty when the run holds no such key or it would
  // pass the bottom edge).
  TRect ColumnBox(const TLoserLayout& l, int j, int k) const;

  // The display of an exchange of s and ls[t] the demonstration made: leaf s loses its
  // highlight, the leaf ls[t] named gains it, ls[t] names s.
  void ShowSwap(int t, int s);

  // "ls 1*,0,2 b 12,7,500# b[k] 0 runs 300/8 900/": the values of the ls records and the
  // leaves ("_" blank, "*" highlighted, "#" grey), the sentinel when shown, the run columns
  // when shown.
  QString DrawingText() const override;
  // The ls ellipses, the leaf boxes and the sentinel's as nodes (a grey one noted "grey"),
  // the tree's links and the arrows from each ls record to the leaf it names as links, the key
  // boxes under the leaves as nodes, and the value over each record's shape as its label
  // (empty over a blank record), all as Paint draws them.
  std::vector<TDrawnShape> DrawingShapes() const override;

  // What the demonstration's values stand for, set by it: the value over record r (a record
  // number 0 .. 2n+1, or the sentinel's), the colour of record r's shape, and key box k under
  // leaf j (of its run column, or its run number). Nothing: not held.
  std::function<std::vector<TValueMeaning>(int record)> ValueMeans;
  std::function<std::vector<TValueMeaning>(int record)> ShapeMeans;
  std::function<std::vector<TValueMeaning>(int leaf, int k)> UnderMeans;

 protected:
  // keyed: a negative value is a key (the sentinel's), not an empty record.
  static QString RecordText(const TLsNodeRec& rec, bool keyed = false);
  // "ls[3]", "b[3]": what the shape of a record says.
  QString LabelOf(int record) const;
  void Paint() override;
  virtual TLoserLayout::Kind LayoutKind() const { return TLoserLayout::Loser; }
  // How many key boxes stand under a leaf: the longest run column when the columns show.
  virtual int KeysUnder() const;
  // Under the leaves: the run columns here, the run numbers in the replacement selection.
  virtual void DrawUnderLeaves(const TLoserLayout& l);
  // The shape of a record drawn at position, its top at y.
  void DrawNodeBox(const TLoserLayout& l, int record, int position, int y);
  // Where DrawNodeBox draws the shape (an ellipse for an ls record, else a box), whose cell
  // starts at y.
  static TRect ShapeRect(const TLoserLayout& l, int position, int y);
  // The link from record r (1 .. 2n+1) up to its parent, from the child's end.
  QLine TreeLink(const TLoserLayout& l, int r) const;
  // The arrow from ls[i] to the record it names, from its start to its point; empty when it
  // names none or its arrow is not drawn (one arrow a leaf). To the sentinel it is straight. To
  // a leaf it runs down from the node into the gap under its level, along the gap to over the
  // leaf's middle, and down onto the leaf's key: it goes round the nodes between them and never
  // lies on a link of the tree.
  QPolygon NameArrow(const TLoserLayout& l, int i) const;
  // The key boxes drawn under leaf j, top down, with what each shows.
  virtual std::vector<std::pair<TRect, QString>> BoxesUnder(const TLoserLayout& l, int j) const;
  // The value above the shape of a record, on a patch of the backdrop, so that no line runs
  // through it.
  void DrawValue(const TLoserLayout& l, int record, int position, int y);
  // The value DrawValue writes over a record ("" for a blank one) and the box it takes in the
  // values' font (a digit's for a blank one).
  QString ValueText(int record) const;
  static TRect ValueBox(const TLoserLayout& l, const TFont& font, const QString& value, int position, int y);
  // What a key box under a leaf says without glyphs: "grey" for one drawn grey.
  virtual QString UnderNote(int /*leaf*/) const { return {}; }
  // A key box as wide as the box at position and height high (square when 0), at y, drawn
  // straight on the canvas.
  void DrawKeyBox(const TLoserLayout& l, int position, int y, int key, TColor color, int height = 0) {
    DrawKeyBox(l, position, y, QString::number(key), color, height);
  }
  void DrawKeyBox(const TLoserLayout& l, int position, int y, const QString& text, TColor color, int height = 0);
  // The box DrawKeyBox draws.
  static TRect KeyBoxRect(const TLoserLayout& l, int position, int y, int height = 0);
  // Moves a key box from the leaf of s up to the top edge in frames + 1 steps.
  int MoveKeyOut(int speed, int s, int frames);
  // A moving key box is drawn over a still of the tree taken before it sets out, and wiped
  // by putting the still back under it: the tree is painted before and after the move, not
  // once a frame.
  QImage Still();
  void PutBack(const QImage& still, const TRect& r);
  bool ValidNode(int i) const { return i >= 0 && i <= Sentinel() && i < NodeCount; }

  std::array<TLsNodeRec, NodeCount> nodes_{};
  std::array<TLsRunRec, RunCount> runs_{};

 private:
  // A polyline with a filled head at its last point.
  void DrawArrow(const QPolygon& path);
  int lastIndex_ = 0;
  bool showSentinel_ = false;
  int columnSlots_ = 0;  // the longest run column since the tree was last sized
};

// The tree of the k-way merge: a key leaving the tree is animated.
class TMovingLsTree : public TLoserTree {
 public:
  using TLoserTree::TLoserTree;
  // Takes the key of leaf s (the leaf becomes blank) and moves it to the top edge; returns it.
  int MoveKeyOut(int speed, int s) { return TLoserTree::MoveKeyOut(speed, s, 7); }
};

// The tree of the replacement selection: a run number under every leaf, keys moving in
// from the bottom edge and out to the top.
class TRepSelTree : public TLoserTree {
 public:
  using TLoserTree::TLoserTree;
  TLsNodeRec GetRunNumber(int j) const;
  void SetRunNumber(int j, const TLsNodeRec& rec);
  void MoveKeyIn(int s, int key, int speed);
  int MoveKeyOut(int speed, int s) { return TLoserTree::MoveKeyOut(speed, s, 5); }
  // The tree's text, then "rnum" and the run number under each leaf.
  QString DrawingText() const override;

 protected:
  TLoserLayout::Kind LayoutKind() const override { return TLoserLayout::RepSel; }
  int KeysUnder() const override { return 1; }
  void DrawUnderLeaves(const TLoserLayout& l) override;
  std::vector<std::pair<TRect, QString>> BoxesUnder(const TLoserLayout& l, int j) const override;
  QString UnderNote(int leaf) const override { return runNumbers_[leaf].Shown ? QString() : QStringLiteral("grey"); }

 private:
  std::array<TLsNodeRec, RunCount> runNumbers_{};
};

// The wait of one animation frame at a speed 0 .. 99.
int LsFrameWait(int speed);
