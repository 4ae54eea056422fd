#pragma once
// The geometry of a drawn tree that does not need its controls: where node captions go, and
// the columns of the compact layout a tree takes when the level layout would make its nodes
// too small to be seen.
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "platform/Font.h"

// A node's caption to place: the node's bounds, the centre of its parent (the link from the
// parent runs from there to the node's top centre, or to its centre when LinkToCentre), and
// the text. A spot without text is a node without a caption: the others keep off its box and
// its link, and its own box is empty.
struct TCaptionSpot {
  QRect Node;
  std::optional<QPoint> ParentCentre;
  QString Text;
  bool LinkToCentre = false;
  // Only where the caption stands clearly nearer its own node than any other (round nodes
  // measured to their circle): a caption that travels with the keys names no node, so only
  // its place tells whose it is.
  bool NearestOwn = false;
};

// The captions of a tree and the font they share; a caption that finds room only in smaller
// letters has its own pixel height in Ems.
struct TCaptionPlan {
  TFont Font;
  std::vector<QRect> Boxes;  // one a spot, in the spots' order
  std::vector<int> Ems;      // the pixel height of each, in the same order
  int Unplaced = 0;          // how many found no free place at any size (on their node's left half)
};

// Each caption stands just above its node, off the node, its letter and every link: on the
// node's left half (clear of the link that comes down from the parent, and right of the
// pointer that may stand on the node's top-left corner), or else beside the right half, short
// of the place where the next node's pointer would stand. Given the panel's height, one that
// finds no place above its node stands under it when the node is a leaf, or beside it half way
// down, clear of pointers' places. No caption placed is crossed by a link.
// The font is the largest up to largestEm pixels (half a node's height, and at least
// LegiblePixels(), when 0) at which as many captions find their place as at LegiblePixels()
// (or leastEm when larger); one that finds no place at that size takes the largest smaller
// one at which it does: down to LegiblePixels() its own places, then at a readable size the
// place beside the right half that the next node's pointer would take (a pointer steps off a
// caption), then smaller ones down to leastEm; one that finds none stands on its node's left
// half, inside the panel.
// Pointer heads standing under their nodes (heads.Heads, in the room heads.Room pixels high kept
// under panelHeight) change only the captions under a node that they cover: such a caption
// stands above its node instead, left or right of the link from the parent (its own pointer's
// place given up), or else under the heads, in that room; always off them, within a node's size
// of its node and nearer it than any other. One without such a place stays where it was.
// Heads over captions (heads.Over: a pointer that found no other place on its node stands over
// its node's caption) move the captions they cover the same way.
struct THeadsBelow {
  std::vector<QRect> Heads;
  int Room = 0;
  std::vector<QRect> Over{};
};
TCaptionPlan PlanCaptions(const std::vector<TCaptionSpot>& spots, int panelWidth, int pointerSize, int leastEm,
                          int largestEm = 0, int panelHeight = 0, const THeadsBelow& heads = {});

// The font of node captions at a pixel height.
TFont CaptionFont(int em);

// The path of a thread between two nodes of one row, the last leg its arrow. A right thread bows
// over the two nodes and a left one under them, each leaving from its own tag box (the node's
// outer eighth on that side) and entering the target's box that faces it, so the two threads of a
// pair of neighbours never meet and neither runs past the nodes by more than depth. Over the
// nodes it rises no higher than ceiling. A thread past another node of the row (far) bows twice
// as deep and comes into the target's corner, so it keeps off a neighbour's thread into the same
// target.
std::vector<QPoint> RowThreadPath(const QRect& node, const QRect& target, bool left, int depth, int ceiling = 0,
                                  bool far = false);

// The threads between two nodes of the head's row (the top row: the head, the root and a node
// waiting to be inserted), which all run under the row, the room over it being the marks':
// a right thread, a left thread, a left thread past another node of the row, and the head's right
// thread to the last node. The head's line down to the root runs in the lane between the left
// threads' (UnderRowLinkLane).
enum class TUnderRow { Right, Left, FarLeft, Head };

// Such a thread's path, its last leg the arrow: out of its node's bottom edge under the tag it
// belongs to (the left tag for a left thread, else the right tag), down to its own lane (step
// apart: right threads nearest the row, then left threads, the head's line, threads past a node,
// the head's thread deepest), across, and up into the target's bottom edge at a place of its
// own: from the facing side, two eighths in for a right thread, three for a left one, five for
// one past a node; the head's thread into the target's far corner. So no two of them leave or
// enter a node at one place or run along one lane, the corners stay free for the threads coming
// up from the lower rows, and a right thread runs inside the left thread of the same two nodes.
std::vector<QPoint> UnderRowThreadPath(const QRect& node, const QRect& target, TUnderRow kind, int step);
int UnderRowLinkLane(int step);

// A node's thread to itself (the empty head's), its last leg the arrow: out of the node's left
// (right) side a fifth of its height below the top, loop pixels outward, down, and back into the
// side a fifth above the bottom, so it keeps beside the node, off the room over it where the marks
// on it stand.
std::vector<QPoint> SelfThreadPath(const QRect& node, bool left, int loop);

// The path of a thread from a corner of one node (from, on the node's top edge when the target
// stands higher, on its bottom edge when lower) to the facing corner of a node on another row
// (to), the last leg its arrow: the straight line when it meets none of the other nodes' boxes;
// otherwise legs along the gaps between the rows and beside the boxes, leaving the node
// upright away from it and coming upright into the target's corner, with as few bends as it
// can, so that the thread plainly starts at its own node and crosses no other; of two ways alike
// the one running across nearer its own node. Every leg stays inside area. lane shifts the legs
// along the gaps (threads of the two sides keep apart there). An upright leg keeps out of rooms
// (where the marks on the other nodes stand, over them) where a way round them, beside them,
// costs no more than two more bends; a line crossed (one of the tree's links) costs a quarter of
// a bend, a leg running along one (RunsAlong) as much as a room. Without any clear way: the
// straight line.
std::vector<QPoint> LevelThreadPath(QPoint from, QPoint to, const std::vector<QRect>& others, const QRect& area,
                                    int lane = 0, const std::vector<QRect>& rooms = {},
                                    const std::vector<QLine>& lines = {});

// Where a pointer head goes among the heads already placed (placed), given its natural box (its
// tip, the box's lower right corner, on its node's top edge) and its node: the natural box when
// no head on its row is in the way; else the nearest box to the right, then to the left, beside
// those in its way, whose tip stays on the node (within 2 pixels) and that keeps inside the panel;
// else, with no such room, the box whose tip lies on the node's top edge where it overlaps the
// others least: the heads on one node fan out, each pointing at it.
QRect PointerPlace(const QRect& natural, const QRect& node, const std::vector<QRect>& placed, int panelWidth);

// Whether two upright (or two level) segments run side by side, at most 3 pixels apart, for
// more than 4 pixels: drawn, they read as one line.
bool RunsAlong(const QLine& leg, const QLine& line);

// Whether the straight segment from a to b passes through the inside of box (touching an
// edge or a corner does not count).
bool SegmentCrosses(QPoint a, QPoint b, const QRect& box);

// Inorder ranks for the compact layout: parents[i] is the index of node i's parent (-1 for the
// root) and leftOfParent[i] whether it hangs on the left; the answer is node i's column.
std::vector<int> InorderColumns(const std::vector<int>& parents, const std::vector<bool>& leftOfParent);
