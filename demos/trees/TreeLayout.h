#pragma once
// The geometry of a drawn tree that does not need its controls: where node captions go, and
// the columns of the compact layout a tree takes when the level layout would make its nodes
// too small to be seen.
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "platform/Font.h"

// A node's caption to place: the node's bounds, the centre of its parent (the link from the
// parent runs from there to the node's top centre, or to its centre when LinkToCentre), and
// the text.
struct TCaptionSpot {
  QRect Node;
  std::optional<QPoint> ParentCentre;
  QString Text;
  bool LinkToCentre = false;
};

// The captions of a tree and the one font they share.
struct TCaptionPlan {
  TFont Font;
  std::vector<QRect> Boxes;  // one a spot, in the spots' order
};

// Each caption stands just above its node, off the node, its letter and every link: on the
// node's left half (clear of the link that comes down from the parent, and right of the
// pointer that may stand on the node's top-left corner), or else beside the right half, short
// of the place where the next node's pointer would stand. The font is the largest up to
// largestEm pixels (half a node's height when 0), never below leastEm, at which as many captions
// find their place as at leastEm; one that finds none stands on its node's left half, inside
// the panel.
TCaptionPlan PlanCaptions(const std::vector<TCaptionSpot>& spots, int panelWidth, int pointerSize, int leastEm,
                          int largestEm = 0);

// The font of node captions at a pixel height.
TFont CaptionFont(int em);

// The path of a thread between two nodes of one row, the last leg its arrow. A right thread bows
// over the two nodes and a left one under them, each leaving from its own tag box (the node's
// outer eighth on that side) and entering the target's box that faces it, so the two threads of a
// pair of neighbours never meet and neither runs past the nodes by more than depth. Over the
// nodes it rises no higher than ceiling.
std::vector<QPoint> RowThreadPath(const QRect& node, const QRect& target, bool left, int depth, int ceiling = 0);

// Inorder ranks for the compact layout: parents[i] is the index of node i's parent (-1 for the
// root) and leftOfParent[i] whether it hangs on the left; the answer is node i's column.
std::vector<int> InorderColumns(const std::vector<int>& parents, const std::vector<bool>& leftOfParent);
