#pragma once
// The panel on which a graph is entered and shown. In the input window the user places
// vertices with the mouse (csInputVert), then draws arcs between them (csInputEdge); every
// graph demonstration keeps one in csDisplay, attaches its graph and colours vertices and
// arcs as the algorithm runs. In csDisplay the vertices sit on a circle about the centre.
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "demos/graphs/Graph.h"
#include "framework/drawkit/NodeContainer.h"

class TGraphNode;
class TWDialog;

enum TControlState { csInputVert, csInputEdge, csDisplay };

// Where the display mode puts n vertices in a panel of width x height: Position[i] for
// i = 1..n (item 0 unused), the circle's radius, a vertex circle's radius and the font size
// of letters and weights. The circle reaches share of the panel's height out from its middle,
// and as far of its width; a network's weights need share 0.44, the room between the lines
// more than big vertices.
struct TCircleLayout {
  std::vector<QPoint> Position;
  int Radius = 0;
  int NodeRadius = 0;
  int LabelSize = 2;
  int WeightSize = 2;
};
// shareAcross, when given, sets how far across the circle reaches instead (loops at the sides
// may need less room than loops at the top). Where the panel's edge would leave a vertex
// circle less than leastNode (of what its neighbours leave it), the circle comes in.
TCircleLayout LayoutCircle(int width, int height, int n, double share = 0.4, double shareAcross = 0, int leastNode = 0);

// A weight to write on the arc drawn from From to To, in a text of Size. Where the opposite
// arc shares the line (TowardHead), each weight keeps to the half of the line before its own
// arrow head, so that a reader tells the two apart.
struct TWeightLabel {
  QPoint From;
  QPoint To;
  QSize Size;
  bool TowardHead = false;
  friend bool operator==(const TWeightLabel&, const TWeightLabel&) = default;
};
// A vertex circle the weights keep clear of.
struct TDisc {
  QPoint Centre;
  int Radius = 0;
  friend bool operator==(const TDisc&, const TDisc&) = default;
};
// A vertex joined to itself, hung on the circle of a vertex (rim): a small circle standing
// out of it on the side away from middle (the picture's middle, where the other arcs run),
// drawn from where it leaves the rim round its far side to where it comes back (its arrow
// head there), and the cell of its weight (of the size given) clear of the vertex and its
// letter: beyond the loop (side 0), or beside it, turned a quarter to the left (1) or to the
// right (-1) where the picture has no room beyond.
struct TLoopShape {
  QPolygon Path;
  TDisc Circle;
  QRect Weight;
};
TLoopShape LoopAt(const TDisc& rim, QPoint middle, QSize weight = {}, int side = 0);

// How hard PlaceWeights looks: on and a little beside each line (OnLine); as well, a weight
// that found no free place moving another out of its way (MakeRoom); as well, every pixel's
// place while the line still meets the digits, and moving two (Utmost: for the least size,
// where no smaller one is left to try).
enum class TWeightSearch { OnLine, MakeRoom, Utmost };
// Where each weight goes: on its own line (on its own half of a shared one), as near the
// line's middle as it can be, or a little to one side while its line still runs through it,
// without covering another weight or a vertex, without another line passing under it or
// nearer its middle than its own, inside bounds. Where no place is free (a crowded picture),
// the one least covered: where its own line is still the nearest rather than over another
// line, and over a line rather than over another weight.
std::vector<QRect> PlaceWeights(const std::vector<TWeightLabel>& labels, const std::vector<TDisc>& vertices,
                                const QRect& bounds, TWeightSearch search = TWeightSearch::MakeRoom);
// How many of the placed weights a reader cannot read whole or cannot tell whose they are:
// cut by the edge of bounds, touching another weight or a vertex, crossed by another line
// (a pixel in from its edges), or nearer another line (another half of a shared one) than
// their own.
int UnclearWeights(const std::vector<TWeightLabel>& labels, const std::vector<QRect>& places,
                   const std::vector<TDisc>& vertices, const QRect& bounds);
// The label whose line a reader takes a weight whose box centre is at c to belong to: the
// nearest line, and of a line that two labels share, the one whose head half holds c.
std::size_t NearestLabel(const std::vector<TWeightLabel>& labels, QPointF c);

class TGraphP : public TNodeContainer {
 public:
  static constexpr int MaxHandVertices = 9;

  explicit TGraphP(QWidget* parent = nullptr);
  ~TGraphP() override;

  TControlState State() const { return state_; }
  // csInputEdge attaches a fresh graph of the placed vertices (owned by the panel);
  // csDisplay frees the vertex boxes.
  void SetState(TControlState state);

  bool Directed() const { return directed_; }
  void SetDirected(bool on);
  bool Weighted() const { return weighted_; }
  void SetWeighted(bool on);
  TColor GroundColor() const { return groundColor_; }
  void SetGroundColor(TColor color);
  TColor ForeColor() const { return foreColor_; }

  // The attached graph; a demonstration's graph is not owned by the panel.
  TGraphm* Graph() const { return graph_; }
  void SetGraph(TGraphm* graph);
  // Attaches a graph the panel owns from now on (a loaded or made one), or none.
  void AdoptGraph(std::unique_ptr<TGraphm> graph);
  // Hands over the graph the panel owns (nullptr when it owns none) and detaches it.
  std::unique_ptr<TGraphm> ReleaseGraph();

  TColor VertexColor(int i) const { return vertexColor_[Slot(i)]; }
  void SetVertexColor(int i, TColor color);
  TColor ArcColor(int i, int j) const { return arcColor_[Slot(i)][Slot(j)]; }
  void SetArcColor(int i, int j, TColor color);

  // Frees every vertex box; the next vertex placed is A again.
  void ClearNodes();
  int PlacedVertices() const { return nextVertex_ - 1; }
  TGraphNode* Node(int i) const { return nodes_[Slot(i)]; }

  // What a left press at (x, y) does in csInputVert: a vertex box there.
  void MouseDown(int x, int y);
  // A click on a vertex box in csInputEdge: the first click chooses the tail, the second
  // the head (asking for the weight on a weighted panel) and stores the arc.
  void CreateArc(TGraphNode* node);

  const TCircleLayout& Layout() const { return layout_; }

  // What the colours say in a run, for the checks: the demonstration names the colours that
  // carry a meaning (VertexWords, ArcWords: "visited", "tree") and says what each vertex's fill and
  // each arc's line stand for in the algorithm's variables or records (a meaning whose text
  // is the word, empty for a colour of no meaning). The shapes note the word of the colour
  // painted and hold it to that.
  std::map<TColor, QString> VertexWords;
  std::map<TColor, QString> ArcWords;
  std::function<TValueMeaning(int v)> VertexMeans;
  std::function<TValueMeaning(int tail, int head)> ArcMeans;

  // In csDisplay: every vertex with its colour, "A(128,200,0)", then the weights as a reader
  // sees them, in the order of the arcs: the arc a reader takes each to belong to, its digits
  // (a digit another weight covers or the panel cuts off as "?") and the vertex it lies on,
  // "A(128,200,0) B(128,200,0) | [A>B 639, B>A 5?3 on C]".
  QString DrawingText() const override;
  // In csDisplay: the vertex circles as round nodes, the arcs as links (an arc whose opposite
  // shares its line is the half it is drawn on, a loop its round) and the weights as labels
  // of their arcs, each weight standing for the graph's; the colours' words as notes.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void Paint() override;
  void AfterRescale() override { Invalidate(); }

 private:
  static std::size_t Slot(int i);
  void MouseMove(int x, int y);
  // The word words give a colour (empty for one they do not name).
  static QString WordOf(const std::map<TColor, QString>& words, TColor colour);
  // What the weights are laid out among: the arcs (tail, head) drawn, each line's ends (by
  // vertex number), the circles loops hang on (by vertex number) and the picture's middle
  // they stand away from, and the discs the weights keep clear of (the vertices).
  struct TArcScene {
    std::vector<std::pair<int, int>> Arcs;
    std::vector<QPoint> Centres;
    std::vector<TDisc> Rims;
    QPoint Middle;
    std::vector<TDisc> Vertices;
    friend bool operator==(const TArcScene&, const TArcScene&) = default;
  };
  // The line arc (tail, head) is drawn on between vertices at centres (by vertex number):
  // from vertex to vertex, or, where the opposite arc shares the line, the half before its
  // own head, from the middle on, so that each arc shows its own colour.
  QLine ArcLine(const std::vector<QPoint>& centres, int tail, int head) const;
  // Arc (tail, head) of the scene on its line, or a loop (tail = head) round the far side of
  // its vertex's rim.
  void DrawArc(const TArcScene& scene, int tail, int head, TColor color);
  // The head of the arc from `from` to `to`, three quarters of the way, on a shaft from start.
  void DrawArrowHead(QPoint start, QPoint from, QPoint to, TColor color);
  // The face of vertex i's circle in a layout (its shadow lies 2 px down and right).
  static QRect VertexFace(const TCircleLayout& layout, int i);
  // The arcs drawn in csDisplay: each edge once when undirected, loops too.
  std::vector<std::pair<int, int>> DrawnArcs() const;
  // How far out a network's vertices stand: its weights need the room between the lines.
  static constexpr double NetworkShare = 0.44;
  // The layout of n vertices in the display mode at the present size.
  TCircleLayout DisplayLayout(int n) const;
  // The last layout drawn for a graph with loops, kept while nothing its fitting reads changes
  // (a run only recolours): the size, the vertices, the arcs and the loops' weights' digits.
  struct TLoopLayout {
    QSize Size;
    int N = 0;
    bool Weighted = false;
    bool Directed = false;
    int Least = 0;
    std::vector<std::pair<int, int>> Arcs;
    std::vector<QString> LoopTexts;
    bool operator==(const TLoopLayout&) const = default;
  };
  mutable std::optional<std::pair<TLoopLayout, TCircleLayout>> loopLayout_;
  // The vertex circles of a layout, as the weights keep clear of them.
  static std::vector<TDisc> Discs(const TCircleLayout& layout);
  // The scene of the display mode at the present size.
  TArcScene DisplayScene(const TCircleLayout& layout) const;
  // The weights of a scene's arcs, each on its own line and each loop's beside its loop, in
  // points of size or smaller where they crowd.
  void DrawWeights(const TArcScene& scene, int size);
  // The places of the last weights drawn, kept while nothing they depend on changes (a run
  // only recolours): the scene and its weights' digits, the pixel height the font came down
  // to (from the points asked for, not below the least a class reads) so that every weight is
  // clear, each weight's white cell, a pixel round its digits' ink, and where its digits'
  // baseline starts (for every arc, a loop's too); the lines' labels and the arc each stands
  // for.
  struct TWeightPlaces {
    TArcScene Scene;
    std::vector<QString> Texts;
    QRect Bounds;
    int StartSize = 0;
    int Least = 0;
    int Size = 0;
    std::vector<TWeightLabel> Labels;
    std::vector<std::size_t> LabelArcs;
    std::vector<QRect> Places;
    std::vector<QPoint> Origins;
  };
  mutable TWeightPlaces weightPlaces_;
  const TWeightPlaces& WeightPlaces(const TArcScene& scene, int size) const;
  // The least pixel height a class reads here: in the demonstration's window, as that window
  // is now (smaller in a window made smaller), else the screen's.
  int LeastPixels() const;
  // The pixel height a loop's weight may come to: the size asked for, at least the least a
  // class reads.
  int LoopWeightPixels(const TCircleLayout& layout) const;
  // Whether every loop of the graph stands inside the panel in a layout, with a place for its
  // weight there: across, and down.
  std::pair<bool, bool> LoopsFit(const TCircleLayout& layout) const;
  // Where the weight of each loop of a scene goes, its cell size given: the first of its
  // places (beyond, then beside) inside bounds clear of the vertices, the loops and the loop
  // weights placed before it, else the one least in their way (clear, when given, says which
  // loops' weights found a clear place, in the loops' order).
  static std::vector<QRect> PlaceLoopWeights(const TArcScene& scene, const std::vector<QSize>& cells, const QRect& bounds,
                                             std::vector<bool>* clear = nullptr);
  void DrawVertex(int i);
  void DrawRubberBand();

  TControlState state_ = csDisplay;
  bool directed_ = false;
  bool weighted_ = false;
  TColor groundColor_ = RGB(0, 0, 255);
  TColor foreColor_ = RGB(255, 0, 0);
  std::array<TColor, TGraphm::MaxVertices + 1> vertexColor_{};
  std::array<std::array<TColor, TGraphm::MaxVertices + 1>, TGraphm::MaxVertices + 1> arcColor_{};
  TGraphm* graph_ = nullptr;
  std::unique_ptr<TGraphm> owned_;
  TCircleLayout layout_;
  int nextVertex_ = 1;
  bool arcIdle_ = true;
  int arcTail_ = 0;
  QPoint arcStart_;
  QPoint arcEnd_;
  std::array<TGraphNode*, TGraphm::MaxVertices + 1> nodes_{};
  std::unique_ptr<TWDialog> weightDialog_;
};
