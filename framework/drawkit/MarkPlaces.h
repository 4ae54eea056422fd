#pragma once
// Where the marks of one drawing stand, so that a reader can tell each one's node and read
// its caption: marks on one node fan out from one another, and every head (its caption with
// it) is kept off the other nodes, the links and the marks placed before it, as far as the
// drawing's area allows.
//
//   std::vector<TMarkToPlace> marks{{.Target = NodeBox(p), .Head = {40, 40}},
//                                   {.Target = NodeBox(q), .Head = {40, 40}}};
//   const std::vector<TPlacedMark> at = PlaceMarks(marks, nodeBoxes, linkPaths, rect());
//
// FanOutPointers does the same for the pointers (TPointer2) of a drawing window: the nodes and
// links are what its kit controls report.
#include <QLineF>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

struct TMarkToPlace {
  QRect Target;  // the node it points at
  QSize Head;    // its head, caption included
  // Its tip at the head's lower left corner (a head right of its node), else the lower right.
  bool PointsLeft = false;
  // A head that can point up may stand under its node, its tip on the node's bottom edge (at
  // the head's upper corner), where everything above is in the way.
  bool MayStandBelow = false;
  // How far apart the places along the node's edges are tried: half the head when 0.
  int Step = 0;
};

struct TPlacedMark {
  QRect Head;
  QPoint Tip;          // on the node's outline
  bool Below = false;  // under the node, pointing up
};

// The places a mark may take on its node, in the order PlaceMarks tries them.
std::vector<TPlacedMark> PlacesOn(const TMarkToPlace& mark);

// Each mark in turn takes the first of its places with the least in its way: its head above
// and left of the node's top-left corner (above and right of the top-right corner for one
// that points left), then further along the node's top edge, then down its side; one that
// may stand below, then under the node's bottom edge from the same corner on. Nodes are the
// boxes of every node of the drawing (a mark's own target among them), links their lines as
// drawn.
std::vector<TPlacedMark> PlaceMarks(const std::vector<TMarkToPlace>& marks, const std::vector<QRect>& nodes,
                                    const std::vector<QPolygon>& links, const QRect& area);

// Whether a line segment runs into a box (an end inside it, or through one of its edges).
bool SegmentCrossesBox(const QLineF& segment, const QRectF& box);

// Places the shown pointers of drawing (its TPointer2 children that have a target) by
// PlaceMarks among the nodes and links its kit controls report; each keeps its size and
// direction. In the order they were created.
void FanOutPointers(QWidget& drawing);
