#pragma once
// The window of Kruskal's algorithm. Besides the network it holds what the algorithm works
// on and draws it: the edge heap (as a table of edges in heap order), the forest of vertex
// sets with the pointers i, j and t, and the count of tree arcs accepted.
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "demos/graphs/Graph.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"

class TGraphP;
class TZqStaticText;

class TKruskalForm : public TGraphForm, public TKitControl {
 public:
  // Every edge of a network of 10 vertices.
  static constexpr int MaxEdges = 45;
  static constexpr int MaxVertices = 10;

  struct TEdgeRec {
    int v1 = 0;
    int v2 = 0;
    int cost = 0;
    QString Text;
  };
  struct TSetRec {
    int pa = -1;        // parent vertex, or minus the set's size for a root
    int children = 0;   // for drawing
  };
  struct TPointer {
    int vertex = 0;
    bool shown = false;
  };

  TKruskalForm();

  void SetGraph(TGraphm* graph);
  void GreyAllArcs();
  void ClearTable();
  // T.init: every vertex a set of its own.
  void InitSets();
  // hp.init: the edges of the upper triangle in row order, unordered.
  void InitHeap();
  // heap_sort: the heap built bottom-up.
  void BuildHeap();
  // heap_sift: entry k sifted down by cost.
  void Sift(int k);
  // The last entry to the top, the heap one shorter.
  void HeapNext();
  void AddTreeArc(int v1, int v2);
  void SetPointer(int k, int vertex, bool shown);  // 1 i, 2 j, 3 t
  void SetHighlight(int index, bool on);           // v: vertex v; -v: the size box of root v
  // Layout and redraw of the forest and the table.
  void LayoutTrees();
  void DrawAll();

  // How the edge table is laid out in width x height (below its heading): as many columns
  // side by side as give its rows the largest legible text. Rows are at most 30 px high and
  // letters 20, both grown as the window r is larger than its design.
  struct TableShape {
    int columns = 1;
    int rows = 1;        // rows in a column
    int rowHeight = 30;
    int fontHeight = 2;
  };
  static TableShape ShapeTable(int width, int height, int rows, const TDesignRatio& r = {});

  // The forest's sizes in a window of ratio r whose forest has room for `across` vertices
  // side by side and `levels` levels in width x height: the design's circles of radius 15,
  // its font of 20 and its pointers, all grown alike, never so big that circles touch.
  struct TForestShape {
    double Scale = 1;
    int Radius = 15;
    int S(int designLength) const;  // a design length at this scale
  };
  static TForestShape ShapeForest(const TDesignRatio& r, int width, int height, int across, int levels);

  // Where the forest stands in area: each vertex's centre (item 0 unused), the sizes, the
  // deepest level, and each shown pointer's arrow and the box of its letter. Vertices keep
  // their places across, drawn in a little from the sides where a pointer's arrow would
  // otherwise leave the picture; a letter stands in the bend of its arrow, clear of it. An
  // arrow comes from its pointer's own corner of the circle unless its letter would fall on
  // a figure there (a circle, a size box, a line of the tree, another mark) or it would run
  // into one: then from a direction further round, shorter, or with its letter beyond a
  // wing.
  struct TMark {
    int Pointer = 0;
    int Vertex = 0;
    std::array<QPoint, 4> Arrow{};
    QRect Letter;
  };
  struct TForestGeometry {
    TForestShape Shape;
    int Levels = 3;
    std::vector<QPoint> Centres;
    std::vector<TMark> Marks;
  };
  TForestGeometry ForestGeometry(const QRect& area) const;
  // A mark's head as a reader takes it in: the box round its arrow and its letter. It may
  // graze what stands beside it by HeadGraze px.
  static QRect Head(const TMark& m);
  static constexpr int HeadGraze = 2;
  // Vertex v's circle, the size box above it while it is a root, and the line from the top of
  // its circle to its parent's circle or to its size box, in a forest g drawn in area.
  static QRect Circle(const TForestGeometry& g, int v);
  QRect SizeBox(const TForestGeometry& g, const QRect& area, int v) const;
  QLine TreeLine(const TForestGeometry& g, const QRect& area, int v) const;
  // Row k of the table (1 .. Last) laid out as shape in area below a heading that high.
  static QRect TableRow(const QRect& area, const TableShape& shape, int heading, int k);

  // The table's rows, the forest's circles and size boxes as nodes, its lines as links and
  // the pointers as marks, in the window's pixels; a lit circle or size box notes "lit".
  std::vector<TDrawnShape> DrawingShapes() const override;
  // What they stand for in the run (the demonstration says): row k of the table (heap entry
  // k), root v's size box (s[v].pa), and whether circle v (index v) or root v's size box
  // (index -v) is lit ("lit", empty for not).
  std::function<TValueMeaning(int k)> RowMeans;
  std::function<TValueMeaning(int v)> SizeMeans;
  std::function<TValueMeaning(int index)> LitMeans;

  // The row a table line shows for edge k: " 2    A <---> C    1 ".
  static QString RowText(int number, int v1, int v2, int cost);
  // The table's rows in heap order, and the set array, in words: "-3 1 1".
  QStringList TableRows() const;
  QString SetsText() const;
  // The pointers shown, as a reader sees them, "i->A, j->C": a pointer whose letter touches
  // an arrow or leaves the picture shows "?" for it, one whose arrow leaves the picture ends
  // in " cut". The two pictures' accessible descriptions are the table's rows and the set
  // array with the pointers, "-3 1 1 | [i->A, j->C]".
  QString MarksText() const;
  QString TreesText() const;

  TGraphP* GraphP1;
  TZqStaticText* StaticText2;
  std::array<TEdgeRec, MaxEdges + 1> Edges{};
  std::array<int, MaxEdges + 1> fo{};
  int Last = 0;
  std::array<TSetRec, MaxVertices + 1> s{};
  int n = 0;
  int Arcn = 0;
  bool CurrentEdge = false;

 protected:
  void FormPaint() override;
  void FormResize() override;

 private:
  void DrawTable(TCanvas& c, const QRect& area);
  void DrawTrees(TCanvas& c, const QRect& area);
  int Level(int v) const;
  // The shown pointers' marks, each where it stands clear (see ForestGeometry).
  void PlaceMarks(const QRect& area, TForestGeometry& g) const;

  TGraphm* graph_ = nullptr;
  bool tableShown_ = false;
  std::array<double, MaxVertices + 1> place_{};
  int maxLevel_ = 3;
  std::array<bool, 2 * MaxVertices + 1> highlight_{};  // index v + 10
  std::array<TPointer, 4> pointers_{};
  QWidget* table_;
  QWidget* trees_;
};
