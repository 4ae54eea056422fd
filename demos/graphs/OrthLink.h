#pragma once
// A directed graph of at most 5 vertices drawn as an orthogonal list: a head node per
// vertex in the first column, an arc node per arc in its tail's row and its head's column,
// the out-lists along the rows (red) and the in-lists down the columns (green), and the two
// pointers i and j.
#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <utility>

#include "framework/drawkit/NodeContainer.h"
#include "framework/drawkit/Rect.h"

// A node box of four coloured fields.
class TArcRect : public TRectbase {
 public:
  explicit TArcRect(QWidget* parent = nullptr);
  std::array<TColor, 4> FieldColor{RGB(0, 128, 128), RGB(0, 128, 0), RGB(0, 0, 255), RGB(128, 0, 0)};

 protected:
  void Paint() override;
  // Separators from the left, in pixels of the width less the shadow.
  virtual std::array<int, 3> Separators(int width) const;
};

enum TContent { clend, clnull, clline };

// A vertex head node (data, firstin, firstout) or an arc node (tailvex, headvex, hlink,
// tlink).
class TVexNode : public TArcRect {
 public:
  explicit TVexNode(QWidget* parent = nullptr);

  QString TailString() const { return tail_; }
  QString HeadString() const { return head_; }
  TContent firstin() const { return in_; }
  TContent FirstOut() const { return out_; }
  bool NodeIsArcNode() const { return headNode_; }
  void Set(const QString& tail, const QString& head, TContent in, TContent out);
  void SetNodeIsArcNode(bool headNode);

  // Where links leave (out: the last field, in: the one before it) and arrive (the left
  // edge's middle; the top of the second field), in the parent's coordinates.
  QPoint OutAnchor() const;
  QPoint InAnchor() const;
  QPoint LeftAnchor() const;
  QPoint TopAnchor() const;
  // What the node shows in words: "A ^ ^" or "1 2 ^ -".
  QString Text() const;
  QString DrawingText() const override { return Text(); }
  // Itself as a node whose text is the glyphs painted in it ("1 2 ^"), its link fields noted.
  std::vector<TDrawnShape> DrawingShapes() const override;
  // The next nodes of its in-list and out-list (nullptr where a list ends or its link is
  // not shown).
  QList<const QWidget*> DrawingTargets() const override {
    return {in_ == clline ? InNext : nullptr, out_ == clline ? OutNext : nullptr};
  }
  const QWidget* InNext = nullptr;
  const QWidget* OutNext = nullptr;
  // The em height its texts are written in (0: two thirds of a third of its height, less
  // the shadow); the container gives all its nodes one size that fits every field.
  int TextEm = 0;
  // The em height at which a vertex number, a nil mark and a head node's letter fit the
  // fields of a node width x height with that shadow.
  static int FittedEm(int width, int height, int shadow);

 protected:
  void Paint() override;
  std::array<int, 3> Separators(int width) const override;

 private:
  QString tail_;
  QString head_;
  TContent in_ = clend;
  TContent out_ = clend;
  bool headNode_ = true;  // true: the three-field layout of a vertex head node
};

// The container: vertex v's head node in the first column of row v, the arc node of v -> w
// (a loop v -> v too) in row v and the column of w.
class TOrthogonalLink : public TNodeContainer {
 public:
  static constexpr int MaxNodes = 5;

  explicit TOrthogonalLink(QWidget* parent = nullptr);

  int RealNodes() const { return realNodes_; }
  void SetRealNodes(int n) { realNodes_ = n; }
  float ratioT = 2.0f;
  int headarrow() const { return headArrow_; }
  int tailarrow() const { return tailArrow_; }
  void SetHeadarrow(int v);
  void SetTailarrow(int v);
  bool headline = false;
  bool tailline = false;

  void addnode(const QString& s);
  void delnode(const QString& s);
  // An arc from the vertex whose data is s1 to the one whose data is s2 (the same vertex: a
  // loop).
  void addarc(const QString& s1, const QString& s2);
  void delarc(const QString& s1, const QString& s2);
  // Column 0 is the head node of vertex row.
  void modify(int row, int col, const QString& tail, const QString& head, TContent in, TContent out);
  // Display kinds 1..5 of the vertices and 6 of the arc being inserted: 0 full, 1 texts with
  // blank links, 2 all blank.
  void SetKind(int index, int kind);
  void SetCurrentArc(int tail, int head);
  bool HasArc(int tail, int head) const { return adj_[At(tail)][At(head)] != 0; }
  const QString& Data(int v) const { return data_[At(v)]; }
  // The head node of vertex row (col 0) or the arc node row -> col.
  TVexNode* Box(int row, int col) const { return box_[At(row)][At(col)]; }
  // The nodes shown, row by row.
  int NodeCount() const;

  void Relayout();
  void AfterRescale() override { Relayout(); }

  // The lists' links between the nodes as links, the pointers i and j as marks on their head
  // nodes.
  std::vector<TDrawnShape> DrawingShapes() const override;
  // What the nodes and the pointers stand for in the run, for the checks (the demonstration
  // says): the strings node (row, col) shows (empty: blank; nothing: not held), and the vertex
  // whose head node pointer "i" or "j" points at (0: the pointer is not shown).
  std::function<std::optional<QStringList>(int row, int col)> NodeMeans;
  std::function<int(const QString& letter)> PointerMeans;

 protected:
  void Paint() override;

 private:
  static std::size_t At(int i) { return static_cast<std::size_t>(i); }
  void Rebuild();
  // The vertices whose data are s1 (tail) and s2 (head); 0 when not found.
  std::pair<int, int> Ends(const QString& s1, const QString& s2) const;
  void SetArc(const QString& s1, const QString& s2, int present);
  // The next arc node along row row after column col (col 0: the head node; the out-list),
  // or down column col after row row (row 0: from vertex col's head node; the in-list); 0
  // when there is none.
  int NextInRow(int row, int col) const;
  int NextInColumn(int row, int col) const;
  // Each shown link: the node it leaves, the node it enters, its path (the last leg ends in
  // the arrow's head) and whether it is an out-list (row) link.
  struct TLinkPath {
    const TVexNode* From;
    const TVexNode* To;
    QPolygon Path;
    bool Row;
  };
  std::vector<TLinkPath> Links() const;
  // A pointer at vertex's head node: its line from the letter's corner to the tip on the
  // node's left edge (from above left; j from below left where i points at the same node),
  // the head's strokes, and the letter's font.
  struct TPointerShape {
    QPoint Tail;
    QPoint Tip;
    int Head = 0;
    bool Below = false;
    TFont Font;
  };
  TPointerShape PointerShape(int vertex, const QString& letter) const;
  void DrawPointer(TCanvas& c, int vertex, const QString& letter);

  int realNodes_ = 0;
  int headArrow_ = 0;
  int tailArrow_ = 0;
  // adj_[tail][head]: 1 for an arc (a loop on the diagonal).
  std::array<std::array<int, MaxNodes + 1>, MaxNodes + 1> adj_{};
  std::array<QString, MaxNodes + 1> data_{};
  std::array<std::array<TVexNode*, MaxNodes + 1>, MaxNodes + 1> box_{};
  std::array<int, MaxNodes + 2> kind_{};
  int curTail_ = 0;
  int curHead_ = 0;
};
