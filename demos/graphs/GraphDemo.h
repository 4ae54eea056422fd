#pragma once
// What the graph demonstrations share: the graph they were given, the vertex and arc
// colouring of a run's start, and the visited record of the variable window.
#include <QSize>
#include <memory>

#include "demos/graphs/Graph.h"
#include "platform/Color.h"
#include "framework/engine/BasicData.h"

class TGraphP;
class TGraphList;
class TNodeContainer;

namespace graphdemo {

// The design size of the windows laid out in code: what they get beside the algorithm text
// on a screen of 1024 x 768 (60 % of its width), so that their marks and fonts grow with
// larger screens and keep their size there.
constexpr QSize CodedWindowSize{612, 625};
// The blue of the status lines under the strong components and Floyd's paths: RGB(120, 120,
// 250) a shade darker, which keeps 3:1 on the palest of the sky behind them.
constexpr TColor StatusBlue = RGB(110, 110, 240);

// "visited": one character field per vertex, "[1]" .. "[n]", each 'F'.
std::unique_ptr<TRecord> VisitedRecord(int n);
// Marks field "[v]" of the visited record in rec (found by name) 'T'.
void MarkVisited(const TData* rec, int v);

// The colours of a run's start: every vertex unmarked in the graph and drawn in
// vertexColor, every arc black; list highlights off when there is a list view.
void ResetColours(TGraphm& graph, TGraphP& panel, TColor vertexColor, TGraphList* list = nullptr);
// Colours the arc between u and v both ways.
void ColourEdge(TGraphP& panel, int u, int v, TColor color);
// Colours the arc from tail to head; in an undirected graph, which draws each edge once in the
// colour of either of its two arcs, both ways.
void ColourArc(TGraphP& panel, int tail, int head, TColor color);

// A container at its design place in its window, but reaching the window's right edge while
// what stands beside it there is hidden (stacks and tables shown only during a run), so
// that a picture does not keep a corner of a large window.
void WidenWhileAlone(TNodeContainer& container, bool alone);

// The refusal of a network with a loop for a minimum spanning tree: a tree joins two different
// vertices by each of its edges, and a complete network of ten with a loop at every vertex
// leaves its weights no room to be read beside the table. Empty when there is none.
QString LoopRefusal(const TGraphm& graph);

// The share (percent) of the main window's width a drawing window docked on the left gets:
// `usual`, or more on a narrow screen, enough for `least` pixels (a full network's graph
// beside its matrix or table needs about 820 at 13 px).
int LeftPanePct(int usual, int least);
// The same for a window whose graph panel spans its width: wider for a large network with
// loops, whose loops stand out of the circle of vertices, which comes in and leaves its
// weights less room.
int NetworkPanePct(int usual, const TGraphm* graph, bool weighted);

}  // namespace graphdemo
