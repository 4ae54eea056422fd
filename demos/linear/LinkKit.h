#pragma once
// The drawn singly linked list of the linked-list demonstrations: two-part node boxes (data
// and pointer part) on a row-major grid of places, joined by arrows drawn on the list's own
// transparent bitmap, plus one "floating" node that animates an insertion below the row.
//
// Nodes are rebuilt from scratch on every layout (content, Row, Column, each rescale), so a
// pointer mark never holds on to a node itself: marks are attached through the list by node
// index and put on the new node of that index after every rebuild.
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <utility>
#include <memory>
#include <vector>

#include "framework/drawkit/NodeContainer.h"
#include "framework/drawkit/Rect.h"
#include "framework/engine/BasicData.h"
#include "platform/Bitmap.h"

class TPointer2;

// ---------------------------------------------------------------- geometry

namespace linkkit {

constexpr int MaxNodes = 48;

// Where the nodes of a list of a given size stand.
struct TLinkGeometry {
  int Rows = 0;     // rows and columns of places actually laid out (Row x Column, or the
  int Columns = 1;  // grid a longer list takes)
  int QuarterW = 0;
  int QuarterH = 0;
  int NodeW = 0;
  int NodeH = 0;
  QPoint Margin;  // room kept left of the first column and above the first row
  // Top-left corner of place k (1-based, row-major).
  QPoint Place(int k) const;
  // Top-left corner of the floating node inserted after node index: half-way to the next
  // place below the row, or, after the last node of a row, below that node in the middle of
  // the gap between the two rows, so that the links into it and out of it have room there.
  QPoint FloatingPlace(int index) const;
};

// The grid for a container of width x height: row x column places, or, for a list of more
// nodes than that (at most MaxNodes), the columns and rows that give the largest nodes.
// floatAfter (0: none) names the node an insertion will float a node below: a grid in which
// that node stands on the last row takes one more row, so that the new node stays inside.
// margin is kept free left of and above the grid (the heads of the marks on the first column
// and row).
TLinkGeometry LinkGeometry(int width, int height, int row, int column, double ratio,
                           int nodeCount, int floatAfter = 0, QPoint margin = {});

// Two-part node box of a given outer size with a drop shadow of depth pixels.
struct TNodeShape {
  int W = 0;      // width without the shadow
  int H = 0;      // height without the shadow
  int Split = 0;  // where the pointer part begins
};
TNodeShape NodeShape(int width, int height, int depth);
// The drop shadow of a node nodeH pixels high: 5 pixels, less in a small node (a long list in
// a window made smaller), which keeps its height for the letter.
int NodeShadow(int nodeH);
// In the parent's coordinates: where an outgoing arrow starts, where an incoming one ends.
QPoint PointerCentre(const QRect& bounds, int depth);
QPoint EntryPoint(const QRect& bounds, int depth);

// The path of a link in mode 1 (straight), 2 (to another row further right), 3 (wrap back
// to a place at or left of the start) or 5 (detour below the row by one node height), and
// the rectangle it covers.
struct TLinkPath {
  std::vector<QPoint> Points;
  QRect Bounds;
};
TLinkPath LinkPath(QPoint from, QPoint to, int depth, int mode, int nodeW, int nodeH);
// The mode a node's arrow to its successor takes.
int LinkMode(QPoint fromCentre, const QRect& toBounds, QPoint toEntry);

}  // namespace linkkit

// ---------------------------------------------------------------- node boxes

// A rectangle split into a data part (left) and a pointer part (right), with a drop shadow.
class TDoubleRect : public TRectbase {
 public:
  explicit TDoubleRect(QWidget* parent = nullptr);
  TColor DataColor() const { return dataColor_; }
  TColor PointerColor() const { return pointerColor_; }
  // 1 = data part, 2 = pointer part; any other index changes nothing. Repaints.
  void SetPartColor(int index, TColor color);
  int Split() const { return split_; }
  void SetSplit(int value);

 protected:
  void Paint() override;
  int split_ = 0;

 private:
  TColor dataColor_ = clTeal;
  TColor pointerColor_ = clMaroon;
};

// One drawn node: its text in the data part and an arrow to its successor ("^" for none).
class TListNode : public TDoubleRect {
 public:
  explicit TListNode(QWidget* parent = nullptr);
  const QString& NodeString() const { return nodeString_; }
  void SetNodeString(const QString& s);
  TListNode* Next() const { return next_; }
  // Stores the successor and draws the arrow to it at once (on a list).
  void SetNext(TListNode* next);
  // Geometry after a move or resize.
  void UpdateGeometry();
  QPoint PointerCentre() const { return pointerCentre_; }
  QPoint Entry() const { return entry_; }
  // "c ^" without a successor, "c" with one (then named as the target).
  QString DrawingText() const override;
  QList<const QWidget*> DrawingTargets() const override;
  // Itself as a node, its colours told as its list says they read (the pointer they mark).
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void Paint() override;

 private:
  // The caption pieces: "^" in the pointer part without a successor, then the text.
  void RebuildCaption();
  QString nodeString_;
  TListNode* next_ = nullptr;
  QPoint pointerCentre_;
  QPoint entry_;
};

// ---------------------------------------------------------------- the list

class TLink : public TNodeContainer {
 public:
  explicit TLink(QWidget* parent = nullptr);
  ~TLink() override;

  int Row() const { return row_; }
  int Column() const { return column_; }
  double Ratio() const { return ratio_; }
  void SetRow(int row);
  void SetColumn(int column);
  void SetRatio(double ratio);
  // The node an insertion will float a new node below (0: none); the grid keeps room for it.
  void SetFloatingRoom(int index);
  // Keeps room above the first row and left of the first column for a mark's head, so that a
  // mark on a node there points at it from above and left rather than being pushed past it.
  void SetMarkRoom(bool room);
  int SleepTime = 50;

  const QStringList& Content() const { return content_; }
  void SetContent(const QStringList& lines);
  int NodeCount() const { return nodeCount_; }
  // Node index 1 .. NodeCount (nullptr outside).
  TListNode* Node(int index) const;
  TListNode* FloatingNode() const { return floating_.get(); }
  const linkkit::TLinkGeometry& Geometry() const { return geometry_; }

  void Clear();
  // Inserts s as line index when index <= the number of lines; rebuilds in any case.
  bool InsertItem(int index, const QString& s);
  // Replaces line index when index < the number of lines; rebuilds in any case.
  bool SetItem(int index, const QString& s);
  // Deletes line index when it exists; rebuilds.
  bool DeleteItem(int index);
  void InsertNodeAnimated(int index, const QString& s);
  void FreeFloatingNode();
  // The floating node's successor and the node linked to the floating node, kept across
  // rebuilds (nullptr: none).
  void SetFloatingNext(TListNode* next);
  void SetNodeNextToFloating(int index);

  // Draws one link from a pointer part to an entry. A present link, or one into or out of the
  // floating node, takes its route (see Route) whatever the mode asked for, and a detour
  // (mode 5) enters its target from below. It stays until the links are next drawn anew, when
  // only the present links are drawn.
  void DrawLink(QPoint from, QPoint to, int depth, bool immediate, TColor lineColor,
                TColor shadowColor, int mode);
  // The arrow from a pointer part to an entry taken off the drawing: every other present
  // link is drawn anew.
  void RemoveLink(QPoint from, QPoint to, int depth, int mode);
  // Draws every present link (each node's and the floating node's Next) anew, and nothing else.
  void RenderLinks() { RenderLinksExcept(QPoint(-1, -1), QPoint(-1, -1)); }
  // The path of the link from one node to another: mode 1 on a row, mode 2 to another row
  // further right, mode 3 back to a place at or left of the start, its stretch across
  // running in the first band free of nodes above the target (so above a floating node in
  // the gap). The floating node's link enters its successor from below (on the row above)
  // or from above (on the next row), apart from the link of the node before it; a link into
  // the floating node from a node left of it enters it from above.
  linkkit::TLinkPath Route(const TListNode& from, const TListNode& to) const;

  // Each link drawn, "Node3>FloatNode x,y x,y ...", one a line, in the order drawn.
  QString DrawingText() const override;
  // Each link drawn, between the nodes it joins (the nodes say themselves that they are nodes).
  std::vector<TDrawnShape> DrawingShapes() const override;

  // Pointer marks: mark stands on node index (0 detaches it), or on the floating node.
  void AttachMark(TPointer2* mark, int index);
  void AttachMarkToFloating(TPointer2* mark);

  // Node colours survive a rescale; a change of content gives every node its defaults.
  void SetNodeColors(int index, TColor dataColor, TColor pointerColor);

  // What node index (1 .. NodeCount; 0: the floating node) stands for in the algorithm: its
  // record's letter and nil pointer, and what its colours mean. Given to each node as it is
  // made.
  std::function<std::vector<TValueMeaning>(int index)> NodeStands;
  // What a node's two colours say (the pointer standing on it: "p"); nothing for plain ones.
  std::function<QString(TColor dataColor, TColor pointerColor)> ColourNote;

  // The layout: a rescale keeps the nodes' colours.
  void AfterRescale() override;
  // The marks attached to its nodes are placed with them (PlaceMarks).
  bool PlacesPointer(const TPointer2& pointer) const override;

 protected:
  void Paint() override;

 private:
  // Lays the nodes out again; keepColors after a mere rescale.
  void Rebuild(bool keepColors);
  void RenderLinksExcept(QPoint from, QPoint to);
  void DrawPath(const std::vector<QPoint>& points, int depth, TColor lineColor, TColor shadowColor);
  // The node (the floating one included) whose pointer part starts at from, or whose entry is at to.
  const TListNode* NodeFrom(QPoint from) const;
  const TListNode* NodeTo(QPoint to) const;
  struct DrawnLink {
    QPointer<const TListNode> From, To;  // nullptr: no node there
    std::vector<QPoint> Points;
  };
  std::vector<DrawnLink> drawn_;
  // The path out of the floating node (Route's case for it).
  linkkit::TLinkPath FloatingRoute(const TListNode& from, const TListNode& to) const;
  // From a pointer part out to the right, along band (a y; the start's own height: straight
  // across), into the target through its edge facing the band.
  linkkit::TLinkPath EdgeRoute(const TListNode& from, const TListNode& to, int band) const;
  // Sizes the marks for the present nodes and puts each on its node.
  void PlaceMarks();
  static constexpr int FloatingMark = -1;
  static constexpr int kMarkDesign = 32;  // a pointer mark's designed side
  // The side of the pointer marks on the list as its nodes now stand.
  int MarkSize() const;
  // Where the floating node inserted after node index stands.
  QRect FloatingRect(int index) const;

  bool building_ = false;  // links go to the bitmap only; one repaint at the end
  bool markRoom_ = false;
  int row_ = 2;
  int column_ = 5;
  double ratio_ = 2.0;
  QStringList content_;
  int nodeCount_ = 0;
  linkkit::TLinkGeometry geometry_;
  std::array<std::unique_ptr<TListNode>, linkkit::MaxNodes> nodes_;
  std::unique_ptr<TListNode> floating_;
  int floatingIndex_ = 0;     // the node the floating node was inserted after
  int floatingRoom_ = 0;      // the node a floating node will go below (room kept for it)
  int linkedToFloating_ = 0;  // the node whose Next is the floating node
  int floatingNext_ = 0;      // the node the floating node's Next points to
  TBitmap links_;
  std::map<TPointer2*, int> marks_;
  std::map<TPointer2*, int> designOffY_;  // each mark's offset at its design size
  std::array<std::pair<TColor, TColor>, linkkit::MaxNodes> colors_{};
};

// ---------------------------------------------------------------- the data-model node

class TLinkNode;

namespace linkkit {
// What a drawn node of record reads: its letter, then "^" where its Next is nil (or is the
// record nil, which only names nil in the variable window).
QString RecordText(const TLinkNode& record, const TLinkNode* nil = nullptr);
// The records from head on along their Next, skip left out (a node drawn apart from the row),
// up to nil (nullptr, or the record that names nil).
std::vector<const TLinkNode*> Chain(const TLinkNode* head, const TLinkNode* skip = nullptr, const TLinkNode* nil = nullptr);
// What drawn node index (from 1) of a row standing for records shows, and what its colours say
// (note(record): the pointer standing on it): a node the records have none for reads
// "(no record)", so that a node too many shows.
std::vector<TValueMeaning> NodeOf(std::function<std::vector<const TLinkNode*>()> records, int index,
                                  std::function<QString(const TLinkNode&)> note = {}, const TLinkNode* nil = nullptr);
}  // namespace linkkit

// The list node of the variable window: "Data" (a character) and "Next" (a pointer).
class TLinkNode : public TRecord {
 public:
  explicit TLinkNode(const QString& name = QString());
  static TLinkNode* NewLinkNode(const QString& name) { return new TLinkNode(name); }
  char GetData() const;
  void SetData(char c);
  TLinkNode* GetNext() const;
  void SetNext(TLinkNode* next);
  TCharData* DataItem() const { return static_cast<TCharData*>(Items(0)); }
  TPtrData* NextItem() const { return static_cast<TPtrData*>(Items(1)); }
};
