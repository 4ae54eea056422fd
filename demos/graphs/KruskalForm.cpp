#include "demos/graphs/KruskalForm.h"

#include <QLineF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "demos/graphs/GraphP.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/Forms.h"
#include "platform/TextRules.h"

namespace {
constexpr TColor Grey = RGB(128, 128, 128);
constexpr std::array<TColor, 4> PointerColours{clBlack, RGB(0, 0, 255), RGB(0, 128, 0), RGB(128, 0, 128)};
constexpr std::array<const char*, 4> PointerLetters{"", "i", "j", "t"};
const QString Heading = QStringLiteral("No.  v1 <---> v2 Cost");
// A pointer's letter keeps the height a class reads however small the forest is drawn.
// (The design gives its cell height; the result is a character height, negative.)
int PointerLetterHeight(const TKruskalForm::TForestShape& f) {
  const int em = TFont{.Name = QStringLiteral("MS Sans Serif"), .Height = f.S(16)}.ToQFont().pixelSize();
  return -std::max(em, LegiblePixels());
}
}  // namespace

TKruskalForm::TableShape TKruskalForm::ShapeTable(int width, int height, int rows, const TDesignRatio& r) {
  // The largest font whose heading (as wide as a row) fits a column with a little room.
  const auto widest = [](int columnWidth, int tallest) {
    int h = std::max(2, tallest);
    while (h > 2 && TFont{.Name = QStringLiteral("Courier New"), .Height = -h}.TextWidth(Heading) > columnWidth - 4) --h;
    return h;
  };
  const auto shape = [&](int columns) {
    TableShape t;
    t.columns = columns;
    t.rows = std::max(1, (rows + columns - 1) / columns);
    t.rowHeight = std::max(1, std::min(r.Grow(30), height / t.rows));
    t.fontHeight = widest(width / columns, std::min(t.rowHeight - 2, r.Grow(20)));
    return t;
  };
  TableShape best = shape(1);
  for (int columns = 2; columns <= 4 && columns <= rows; ++columns) {
    const TableShape t = shape(columns);
    if (t.fontHeight > best.fontHeight) best = t;
  }
  return best;
}

TKruskalForm::TKruskalForm() {
  SetCaption(QStringLiteral("克鲁斯卡尔算法构造最小生成树"));
  SetDesignClientSize(480, 435);
  GraphP1 = Place(new TGraphP(this), 0, 0, 270, 270);
  GraphP1->setObjectName(QStringLiteral("GraphP1"));
  GraphP1->SetState(csDisplay);
  GraphP1->SetWeighted(true);
  GraphP1->SetGroundColor(clWhite);
  GraphP1->hide();
  // The edge table runs down the whole right side: its 45 rows of a full network of ten
  // vertices need the height more than the set trees beneath the graph do.
  StaticText2 = Place(new TZqStaticText(this), 0, 270, 270, 30);
  StaticText2->setObjectName(QStringLiteral("StaticText2"));
  StaticText2->SetCaption(QStringLiteral("The SetTree Show:"));
  // Empty widgets that only name the two pictures for readers of the window.
  table_ = new QWidget(this);
  table_->setObjectName(QStringLiteral("EdgeTable"));
  table_->setAttribute(Qt::WA_TransparentForMouseEvents);
  trees_ = new QWidget(this);
  trees_->setObjectName(QStringLiteral("SetTree"));
  trees_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect TKruskalForm::Head(const TMark& m) {
  return QPolygon(QList<QPoint>(m.Arrow.begin(), m.Arrow.end())).boundingRect().united(m.Letter);
}

int TKruskalForm::TForestShape::S(int designLength) const { return text::Round(designLength * Scale); }

TKruskalForm::TForestShape TKruskalForm::ShapeForest(const TDesignRatio& r, int width, int height, int across, int levels) {
  TForestShape f;
  // Neighbours stand width / across apart, levels about height / (levels + 1).
  // Neighbours keep a gap of some 30 % of their pitch, so that a pointer's letter between
  // two of them reads as the mark of one.
  const double roomAcross = width * 0.7 / (2.0 * std::max(across, 1)) - 2;
  const double roomDown = height / (3.0 * (std::max(levels, 1) + 1)) - 2;
  f.Scale = std::max(0.5, std::min({r.Grow(100) / 100.0, roomAcross / 15, roomDown / 15}));
  f.Radius = f.S(15);
  return f;
}

QString TKruskalForm::RowText(int number, int v1, int v2, int cost) {
  return QStringLiteral("%1    %2 <---> %3  %4 ").arg(number, 2).arg(VertexLetter(v1), VertexLetter(v2)).arg(cost, 3);
}

void TKruskalForm::SetGraph(TGraphm* graph) {
  graph_ = graph;
  n = graph->VertexCount();
  GraphP1->SetGraph(graph);
  for (int v = 1; v <= n; ++v) GraphP1->SetVertexColor(v, RGB(255, 255, 0));
  GraphP1->show();
}

void TKruskalForm::GreyAllArcs() {
  for (int i = 1; i <= TGraphm::MaxVertices; ++i)
    for (int j = 1; j <= TGraphm::MaxVertices; ++j) GraphP1->SetArcColor(i, j, Grey);
}

void TKruskalForm::ClearTable() {
  tableShown_ = false;
  Arcn = 0;
  Last = 0;
  CurrentEdge = false;
  GraphP1->hide();
  DrawAll();
}

void TKruskalForm::InitSets() {
  for (int v = 1; v <= n; ++v) s[static_cast<std::size_t>(v)] = TSetRec{};
  maxLevel_ = 3;
  highlight_.fill(false);
  for (auto& p : pointers_) p.shown = false;
  LayoutTrees();
  DrawAll();
}

void TKruskalForm::InitHeap() {
  Last = 0;
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      if (graph_->Entry(i, j) == 0 || Last == MaxEdges) continue;
      Last += 1;
      fo[static_cast<std::size_t>(Last)] = Last;
      Edges[static_cast<std::size_t>(Last)] = {i, j, graph_->Entry(i, j), RowText(Last, i, j, graph_->Entry(i, j))};
      GraphP1->SetArcColor(i, j, Grey);
      GraphP1->SetArcColor(j, i, Grey);
    }
  }
  tableShown_ = true;
  DrawAll();
}

void TKruskalForm::Sift(int k) {
  const auto cost = [this](int entry) { return Edges[static_cast<std::size_t>(fo[static_cast<std::size_t>(entry)])].cost; };
  const int x = fo[static_cast<std::size_t>(k)];
  const int xCost = Edges[static_cast<std::size_t>(x)].cost;
  int c = 2 * k;
  while (c <= Last) {
    if (c < Last && cost(c) > cost(c + 1)) c += 1;
    if (xCost <= cost(c)) break;
    fo[static_cast<std::size_t>(k)] = fo[static_cast<std::size_t>(c)];
    k = c;
    c = 2 * c;
  }
  fo[static_cast<std::size_t>(k)] = x;
  DrawAll();
}

void TKruskalForm::BuildHeap() {
  for (int k = Last / 2; k >= 1; --k) Sift(k);
}

void TKruskalForm::HeapNext() {
  std::swap(fo[1], fo[static_cast<std::size_t>(Last)]);
  Last -= 1;
  DrawAll();
}

void TKruskalForm::AddTreeArc(int v1, int v2) {
  GraphP1->SetVertexColor(v1, RGB(255, 0, 0));
  GraphP1->SetVertexColor(v2, RGB(255, 0, 0));
  GraphP1->SetArcColor(v1, v2, RGB(255, 0, 0));
  GraphP1->SetArcColor(v2, v1, RGB(255, 0, 0));
  Arcn += 1;
}

void TKruskalForm::SetPointer(int k, int vertex, bool shown) {
  pointers_[static_cast<std::size_t>(k)] = {vertex, shown};
  DrawAll();
}

void TKruskalForm::SetHighlight(int index, bool on) {
  highlight_[static_cast<std::size_t>(index + MaxVertices)] = on;
  DrawAll();
}

int TKruskalForm::Level(int v) const {
  int level = 1;
  for (int p = s[static_cast<std::size_t>(v)].pa; p > 0 && level <= n; p = s[static_cast<std::size_t>(p)].pa) level += 1;
  return level;
}

void TKruskalForm::LayoutTrees() {
  const auto at = [](int v) { return static_cast<std::size_t>(v); };
  // Leaves sorted by the path of vertex numbers up to their root, so that a set's leaves
  // stand together.
  std::vector<std::pair<double, int>> leaves;
  for (int v = 1; v <= n; ++v) {
    if (s[at(v)].children != 0) continue;
    double key = v;
    for (int p = s[at(v)].pa; p > 0 && leaves.size() <= static_cast<std::size_t>(n); p = s[at(p)].pa) key = key * 0.1 + p;
    leaves.emplace_back(key, v);
  }
  std::stable_sort(leaves.begin(), leaves.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  place_.fill(0);
  const double m = static_cast<double>(leaves.size());
  for (std::size_t k = 0; k < leaves.size(); ++k) {
    const int v = leaves[k].second;
    place_[at(v)] = (static_cast<double>(k) + 0.5) / m;
    if (s[at(v)].pa > 0) place_[at(s[at(v)].pa)] += place_[at(v)];
  }
  for (int v = 1; v <= n; ++v)
    if (s[at(v)].children > 0 && s[at(v)].pa > 0) place_[at(s[at(v)].pa)] += place_[at(v)];
  for (int v = 1; v <= n; ++v)
    if (s[at(v)].children > 1) place_[at(v)] /= s[at(v)].children;
}

QStringList TKruskalForm::TableRows() const {
  QStringList rows;
  for (int k = 1; k <= Last; ++k) rows << Edges[static_cast<std::size_t>(fo[static_cast<std::size_t>(k)])].Text;
  return rows;
}

QString TKruskalForm::SetsText() const {
  QStringList parts;
  for (int v = 1; v <= n; ++v) parts << QString::number(s[static_cast<std::size_t>(v)].pa);
  return parts.join(' ');
}

QString TKruskalForm::MarksText() const {
  if (!tableShown_) return {};
  const QRect area = trees_->geometry();
  const TForestGeometry g = ForestGeometry(area);
  QStringList marks;
  for (const TMark& m : g.Marks) {
    QPolygon arrows;
    bool letterClear = area.contains(m.Letter);
    const int gap = std::max(2, m.Letter.height() / 4);
    for (const TMark& other : g.Marks) {
      const QPolygon arrow(QList<QPoint>(other.Arrow.begin(), other.Arrow.end()));
      letterClear = letterClear && !arrow.intersects(QPolygon(m.Letter.adjusted(-gap, -gap, gap, gap), true));
    }
    bool whole = true;
    for (const QPoint& p : m.Arrow) whole = whole && area.contains(p);
    marks << QStringLiteral("%1->%2%3")
                 .arg(letterClear ? QString::fromLatin1(PointerLetters[static_cast<std::size_t>(m.Pointer)]) : QStringLiteral("?"),
                      VertexLetter(m.Vertex), whole ? QString() : QStringLiteral(" cut"));
  }
  return marks.join(QStringLiteral(", "));
}

QString TKruskalForm::TreesText() const {
  const QString marks = MarksText();
  return marks.isEmpty() ? SetsText() : SetsText() + QStringLiteral(" | [") + marks + QStringLiteral("]");
}

TKruskalForm::TForestGeometry TKruskalForm::ForestGeometry(const QRect& area) const {
  const auto at = [](int v) { return static_cast<std::size_t>(v); };
  TForestGeometry g;
  g.Levels = maxLevel_;
  for (int v = 1; v <= n; ++v) g.Levels = std::max(g.Levels, Level(v));
  int leaves = 0;
  for (int v = 1; v <= n; ++v) leaves += s[at(v)].children == 0 ? 1 : 0;
  g.Shape = ShapeForest(Ratio(), area.width(), area.height(), leaves, g.Levels);
  const TForestShape& f = g.Shape;
  // A pointer's arrow reaches this far left (i) or right (j, t) of its vertex's centre.
  const int reach = f.S(8) + f.S(30) + 4;
  double lo = 1;
  double hi = 0;
  for (int v = 1; v <= n; ++v) {
    lo = std::min(lo, place_[at(v)]);
    hi = std::max(hi, place_[at(v)]);
  }
  const double w = area.width();
  double inset = 0;
  if (lo < 0.5) inset = std::max(inset, (reach - w * lo) / (1 - 2 * lo));
  if (hi > 0.5) inset = std::max(inset, (reach - w * (1 - hi)) / (1 - 2 * (1 - hi)));
  inset = std::clamp(inset, 0.0, w / 2);
  // The levels share the height below the size boxes; where they would stand more than 45
  // design pixels apart, the roots come down from their boxes by up to a mark's height, so
  // that a mark finds room between a root and its box.
  const double room = area.height() - f.S(40);
  const double drop = std::clamp(room - g.Levels * f.S(45), 0.0, static_cast<double>(f.S(30)));
  const double pitch = (room - drop) / g.Levels;
  g.Centres.assign(at(n) + 1, QPoint());
  for (int v = 1; v <= n; ++v)
    g.Centres[at(v)] = QPoint(area.x() + text::Round(inset + (w - 2 * inset) * place_[at(v)]),
                              area.y() + text::Round(drop + pitch * Level(v)) + f.S(20));
  PlaceMarks(area, g);
  return g;
}

namespace {

// Whether two convex polygons (a line counts as one of two corners) share more than a
// border: no axis across one of their edges keeps them apart.
bool ConvexMeet(const QPolygonF& a, const QPolygonF& b) {
  const auto apart = [&](const QPolygonF& edges) {
    for (qsizetype i = 0; i < edges.size(); ++i) {
      const QPointF e = edges[(i + 1) % edges.size()] - edges[i];
      const QPointF axis(-e.y(), e.x());
      const auto span = [&](const QPolygonF& p) {
        double lo = QPointF::dotProduct(p[0], axis);
        double hi = lo;
        for (const QPointF& q : p) {
          lo = std::min(lo, QPointF::dotProduct(q, axis));
          hi = std::max(hi, QPointF::dotProduct(q, axis));
        }
        return std::pair(lo, hi);
      };
      const auto [aLo, aHi] = span(a);
      const auto [bLo, bHi] = span(b);
      if (aHi <= bLo || bHi <= aLo) return true;
    }
    return false;
  };
  return !apart(a) && !apart(b);
}

// Whether a disc and a convex polygon (or a line) overlap.
bool DiscMeets(QPointF centre, double radius, const QPolygonF& p) {
  if (p.size() > 2 && p.containsPoint(centre, Qt::OddEvenFill)) return true;
  for (qsizetype i = 0; i < p.size(); ++i) {
    const QPointF a = p[i];
    const QPointF b = p[(i + 1) % p.size()];
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(centre - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF near = a + t * ab - centre;
    if (QPointF::dotProduct(near, near) < radius * radius) return true;
  }
  return false;
}

QPolygonF Corners(const QRectF& r) { return QPolygonF({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}); }

// A pointer's arrow in its two convex halves, either side of its notch.
std::array<QPolygonF, 2> Halves(const std::array<QPoint, 4>& arrow) {
  return {QPolygonF({QPointF(arrow[0]), QPointF(arrow[1]), QPointF(arrow[2])}),
          QPolygonF({QPointF(arrow[0]), QPointF(arrow[2]), QPointF(arrow[3])})};
}

}  // namespace

void TKruskalForm::PlaceMarks(const QRect& area, TForestGeometry& g) const {
  const auto at = [](int v) { return static_cast<std::size_t>(v); };
  const TForestShape& f = g.Shape;
  const int r = f.Radius;
  // The figures as DrawTrees draws them: the circles, the size boxes and the tree's lines.
  std::vector<QPolygonF> boxes;
  std::vector<QPolygonF> lines;
  for (int v = 1; v <= n; ++v) {
    const QLine line = TreeLine(g, area, v);
    lines.push_back(QPolygonF({QPointF(line.p1()), QPointF(line.p2())}));
    if (s[at(v)].pa <= 0) boxes.push_back(Corners(QRectF(SizeBox(g, area, v))));
  }
  const TFont font{.Name = QStringLiteral("MS Sans Serif"), .Height = PointerLetterHeight(f)};
  // The arrow of pointer k at vertex, coming from direction u (a unit vector: the design's
  // corners are the diagonals), its wings length times the design's; the letter in the bend
  // between the wings (place 0) or beyond the end of one wing (1, 2), a little away from the
  // arrow.
  const auto mark = [&](int k, int vertex, QPointF u, double length, int place) {
    constexpr double root2 = std::numbers::sqrt2;
    const QPointF across(-u.y(), u.x());
    const double a = text::Round(f.S(15) * length);
    const double b = text::Round(f.S(30) * length);
    const QPointF tip = QPointF(g.Centres[at(vertex)]) + f.S(8) * root2 * u;
    const QPointF wings = (a + b) / root2 * u;
    const QPointF spread = (a - b) / root2 * across;
    const QPointF notch = tip + a * root2 * u;
    TMark m{k, vertex, {tip.toPoint(), (tip + wings - spread).toPoint(), notch.toPoint(), (tip + wings + spread).toPoint()}, {}};
    const QString letter = QString::fromLatin1(PointerLetters[at(k)]);
    const QSizeF size(font.TextWidth(letter), font.TextHeight(letter));
    const double gap = std::max(2.0, std::floor(size.height() / 4)) + 1;
    // The letter's box beyond p, seen from the arrow in direction w.
    const auto beyond = [&](QPointF p, QPointF w) {
      const auto side = [&](double from, double dir, double extent) {
        return dir > 0.3 ? from + gap : dir < -0.3 ? from - gap - extent : from - extent / 2;
      };
      return QRectF(QPointF(side(p.x(), w.x(), size.width()), side(p.y(), w.y(), size.height())), size).toRect();
    };
    if (place == 0) {
      // Out of the bend as far as the wings need (a corner's bend holds the box at once).
      const std::array<QPolygonF, 2> arrow = Halves(m.Arrow);
      const auto touches = [&] {
        const QPolygonF room = Corners(QRectF(m.Letter).adjusted(-gap, -gap, gap, gap));
        return ConvexMeet(room, arrow[0]) || ConvexMeet(room, arrow[1]);
      };
      m.Letter = beyond(notch, u);
      for (int step = 1; step <= b && touches(); ++step) m.Letter = beyond(notch + step * u, u);
    } else {
      const QPointF end = place == 1 ? QPointF(m.Arrow[3]) : QPointF(m.Arrow[1]);
      m.Letter = beyond(end, end - notch);
    }
    return m;
  };
  // What a mark meets: a letter on a figure or a mark cannot be read, an arrow over another
  // circle, a box or a mark hides it; a letter nearer another vertex than its own reads as
  // that one's; an arrow over a line only hides a little of the line. The mark's head as a
  // reader takes it in, the box round its arrow and letter, lies on no other circle, size
  // box or line, nor over most of another mark's.
  const auto meets = [&](const TMark& m) {
    const std::array<QPolygonF, 2> arrow = Halves(m.Arrow);
    const QPolygonF letter = Corners(QRectF(m.Letter).adjusted(-1, -1, 1, 1));
    const auto arrowMeets = [&](const QPolygonF& other) { return ConvexMeet(arrow[0], other) || ConvexMeet(arrow[1], other); };
    const QPointF middle = QRectF(m.Letter).center();
    const double ownDistance = QLineF(middle, g.Centres[at(m.Vertex)]).length();
    int hard = 0;
    int misleading = 0;
    int soft = 0;
    if (!area.contains(m.Letter)) ++hard;
    for (const QPoint& q : m.Arrow) hard += area.contains(q) ? 0 : 1;
    for (int v = 1; v <= n; ++v) {
      const QPointF c = g.Centres[at(v)];
      if (v != m.Vertex && (DiscMeets(c, r, arrow[0]) || DiscMeets(c, r, arrow[1]))) ++hard;
      if (DiscMeets(c, r, letter)) ++hard;
      if (v != m.Vertex && QLineF(middle, c).length() < ownDistance) misleading = 1;
    }
    for (const QPolygonF& box : boxes) hard += (arrowMeets(box) ? 1 : 0) + (ConvexMeet(letter, box) ? 1 : 0);
    for (const QPolygonF& line : lines) {
      hard += ConvexMeet(letter, line) ? 1 : 0;
      soft += arrowMeets(line) ? 1 : 0;
    }
    const QRectF head = QRectF(Head(m)).adjusted(HeadGraze, HeadGraze, -HeadGraze, -HeadGraze);
    const QPolygonF headCorners = Corners(head);
    for (int v = 1; v <= n; ++v)
      if (v != m.Vertex && DiscMeets(g.Centres[at(v)], r, headCorners)) ++hard;
    for (const QPolygonF& box : boxes) hard += ConvexMeet(headCorners, box) ? 1 : 0;
    for (const QPolygonF& line : lines) hard += ConvexMeet(headCorners, line) ? 1 : 0;
    for (const TMark& other : g.Marks) {
      const QRectF both = head & QRectF(Head(other));
      if (!both.isEmpty() && both.width() * both.height() > 0.5 * head.width() * head.height()) ++hard;
      const QPolygonF otherLetter = Corners(QRectF(other.Letter).adjusted(-1, -1, 1, 1));
      for (const QPolygonF& half : Halves(other.Arrow)) hard += (arrowMeets(half) ? 1 : 0) + (ConvexMeet(letter, half) ? 1 : 0);
      hard += (arrowMeets(otherLetter) ? 1 : 0) + (ConvexMeet(letter, otherLetter) ? 1 : 0);
    }
    return 100 * hard + 10 * misleading + soft;
  };
  // Each pointer from its own corner first (i upper left, j upper right, t lower right),
  // then from the directions next to it, turning further each time, then all eight with a
  // shorter arrow, and shorter still; at each, the letter in the bend first: the first that
  // meets nothing, else the one that meets least.
  static constexpr std::array<double, 4> OwnAngle{0, 225, 315, 45};  // degrees, y down
  for (int k = 1; k <= 3; ++k) {
    const TPointer& ptr = pointers_[at(k)];
    if (!ptr.shown || ptr.vertex <= 0 || ptr.vertex > n) continue;
    std::optional<TMark> best;
    int least = 0;
    for (const double length : {1.0, 0.7, 0.5, 0.35}) {
      for (const double turn : {0.0, 45.0, -45.0, 90.0, -90.0, 135.0, -135.0, 180.0, 22.5, -22.5, 67.5, -67.5, 112.5, -112.5, 157.5, -157.5}) {
        const double angle = (OwnAngle[at(k)] + turn) * std::numbers::pi / 180;
        const QPointF u(std::cos(angle), std::sin(angle));
        for (int place = 0; place < 3 && (!best || least > 0); ++place) {
          const TMark m = mark(k, ptr.vertex, u, length, place);
          const int met = meets(m);
          if (!best || met < least) {
            best = m;
            least = met;
          }
        }
        if (least == 0) break;
      }
      if (least == 0) break;
    }
    g.Marks.push_back(*best);
  }
}

void TKruskalForm::DrawAll() {
  table_->setAccessibleDescription(TableRows().join('|'));
  trees_->setAccessibleDescription(TreesText());
  Invalidate();
}

void TKruskalForm::FormResize() {
  TGraphForm::FormResize();
  // The table gets what two columns of rows a class reads need (in the window as it is now),
  // the graph the rest (at least half the width): a full network's weights need the room
  // between its lines.
  const int twoColumns =
      2 * (TFont{.Name = QStringLiteral("Courier New"), .Height = -LegiblePixelsIn(*this)}.TextWidth(Heading) + 5);
  const int graphWidth = std::max(width() / 2, width() - twoColumns);
  if (graphWidth != GraphP1->width()) {
    GraphP1->setGeometry(GraphP1->x(), GraphP1->y(), graphWidth, GraphP1->height());
    StaticText2->setGeometry(StaticText2->x(), StaticText2->y(), graphWidth, StaticText2->height());
  }
  table_->setGeometry(GraphP1->x() + GraphP1->width(), 0, width() - GraphP1->width(), height());
  const int top = StaticText2->y() + StaticText2->height();
  trees_->setGeometry(0, top, GraphP1->width(), height() - top);
  trees_->setAccessibleDescription(TreesText());
  // The kit painted the window before the table and the forest took their new places.
  Repaint();
}

void TKruskalForm::FormPaint() {
  TGraphForm::FormPaint();
  TCanvas& c = Canvas();
  DrawTable(c, table_->geometry());
  if (tableShown_) DrawTrees(c, trees_->geometry());
}

QRect TKruskalForm::TableRow(const QRect& area, const TableShape& shape, int heading, int k) {
  const int columnWidth = area.width() / shape.columns;
  return {area.x() + (k - 1) / shape.rows * columnWidth, heading + (k - 1) % shape.rows * shape.rowHeight, columnWidth,
          shape.rowHeight};
}

QRect TKruskalForm::Circle(const TForestGeometry& g, int v) {
  const QPoint p = g.Centres[static_cast<std::size_t>(v)];
  const int r = g.Shape.Radius;
  return {p.x() - r, p.y() - r, 2 * r, 2 * r};
}

QRect TKruskalForm::SizeBox(const TForestGeometry& g, const QRect& area, int v) const {
  const QPoint p = g.Centres[static_cast<std::size_t>(v)];
  const int r = g.Shape.Radius;
  return {p.x() - r, area.y() + g.Shape.S(5), 2 * r, g.Shape.S(35) - g.Shape.S(5)};
}

QLine TKruskalForm::TreeLine(const TForestGeometry& g, const QRect& area, int v) const {
  const QPoint p = g.Centres[static_cast<std::size_t>(v)];
  const int r = g.Shape.Radius;
  const int pa = s[static_cast<std::size_t>(v)].pa;
  if (pa > 0) {
    const QPoint q = g.Centres[static_cast<std::size_t>(pa)];
    return {p.x(), p.y() - r, q.x(), q.y() + r - 1};
  }
  return {p.x(), p.y() - r, p.x(), area.y() + g.Shape.S(34)};
}

std::vector<TDrawnShape> TKruskalForm::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  if (!tableShown_) return out;
  const QRect table = table_->geometry();
  const TDesignRatio r = Ratio();
  const int heading = r.Grow(30);
  const TableShape shape = ShapeTable(table.width(), table.height() - heading, Last, r);
  const auto meaning = [](TDrawnShape shape, const std::function<TValueMeaning(int)>& means, int index, bool note = false) {
    if (!means) return shape;
    TValueMeaning m = means(index);
    if (note) m.Part = TValueMeaning::InNote;
    return shape.StandingFor(m);
  };
  const auto lit = [this](int index) { return highlight_[static_cast<std::size_t>(index + MaxVertices)] ? QStringLiteral("lit") : QString(); };
  for (int k = 1; k <= Last; ++k)
    out.push_back(meaning(TDrawnShape::NodeAt(TableRow(table, shape, heading, k),
                                              Edges[static_cast<std::size_t>(fo[static_cast<std::size_t>(k)])].Text.simplified()),
                          RowMeans, k));
  const QRect area = trees_->geometry();
  const TForestGeometry g = ForestGeometry(area);
  const int circles = static_cast<int>(out.size());
  for (int v = 1; v <= n; ++v)
    out.push_back(meaning(TDrawnShape::NodeAt(Circle(g, v), VertexLetter(v), true).Noted(lit(v)), LitMeans, v, true));
  for (int v = 1; v <= n; ++v) {
    const int pa = s[static_cast<std::size_t>(v)].pa;
    int to = pa > 0 ? circles + pa - 1 : static_cast<int>(out.size());
    if (pa <= 0)
      out.push_back(meaning(meaning(TDrawnShape::NodeAt(SizeBox(g, area, v), QString::number(pa)).Noted(lit(-v)), SizeMeans, v),
                            LitMeans, -v, true));
    const QLine line = TreeLine(g, area, v);
    out.push_back(TDrawnShape::LinkBetween({this, circles + v - 1}, {this, to}, QPolygon({line.p1(), line.p2()})));
  }
  for (const TMark& m : g.Marks) {
    // i, j and t hold vertex numbers: 0 names no vertex.
    out.push_back(TDrawnShape::MarkOn({this, circles + m.Vertex - 1}, Head(m), m.Arrow[0],
                                      QString::fromLatin1(PointerLetters[static_cast<std::size_t>(m.Pointer)]))
                      .Meaning({.ZeroNamesNone = true}));
  }
  return out;
}

void TKruskalForm::DrawTable(TCanvas& c, const QRect& area) {
  c.SetBkMode(TRANSPARENT);
  c.Font.Name = QStringLiteral("Courier New");
  c.Font.Color = clBlue;
  // The heading's band is 30 px high at the design size.
  const TDesignRatio r = Ratio();
  const int heading = r.Grow(30);
  const TableShape shape = ShapeTable(area.width(), area.height() - heading, Last, r);
  const int columnWidth = area.width() / shape.columns;
  c.Font.Height = -shape.fontHeight;
  c.SetTextAlign(TA_CENTER | TA_TOP);
  for (int col = 0; col < shape.columns; ++col)
    c.TextOut(area.x() + col * columnWidth + columnWidth / 2, heading / 2 - shape.fontHeight / 2,
              Heading);
  c.Pen = TPen{};
  c.Pen.Color = Grey;
  c.MoveTo(area.x(), heading - 1);
  c.LineTo(area.x() + area.width(), heading - 1);
  if (!tableShown_) return;
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  for (int k = 1; k <= Last; ++k) {
    const QRect row = TableRow(area, shape, heading, k);
    const int left = row.left();
    const int top = row.top();
    const TColor ground = k == 1 && CurrentEdge ? RGB(255, 255, 0) : RGB(64, 160, 64);
    c.Brush.Style = bsSolid;
    c.Brush.Color = ground;
    c.Pen.Color = clBlack;
    c.Rectangle(left, top, left + row.width(), top + row.height());
    // Blue on the green rows stands too close: outlined there (not on the yellow current row).
    // The new brush made text cells opaque again, and the text's own cell would cover its
    // outline.
    c.SetBkMode(TRANSPARENT);
    TextOutOnGround(c, left + row.width() / 2, top + row.height() / 2 + c.Font.TextHeight(QStringLiteral("0")) / 3,
                    Edges[static_cast<std::size_t>(fo[static_cast<std::size_t>(k)])].Text, clBlue, ground);
  }
}

void TKruskalForm::DrawTrees(TCanvas& c, const QRect& area) {
  const auto at = [](int v) { return static_cast<std::size_t>(v); };
  const TForestGeometry g = ForestGeometry(area);
  maxLevel_ = g.Levels;
  const TForestShape& f = g.Shape;
  const TFont letters{.Name = QStringLiteral("MS Sans Serif"), .Height = f.S(20), .Color = clBlack};
  c.Font = letters;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  c.Pen = TPen{};
  for (int v = 1; v <= n; ++v) {
    const QPoint p = g.Centres[at(v)];
    const int pa = s[at(v)].pa;
    if (pa <= 0) {
      c.Brush.Color = highlight_[at(MaxVertices - v)] ? RGB(255, 0, 255) : RGB(0, 255, 255);
      const QRect box = SizeBox(g, area, v);
      c.Rectangle(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
    }
    const QLine line = TreeLine(g, area, v);
    c.MoveTo(line.x1(), line.y1());
    c.LineTo(line.x2(), line.y2());
    if (pa <= 0) c.TextOut(p.x(), area.y() + f.S(27), QString::number(pa));
    c.Brush.Color = highlight_[at(MaxVertices + v)] ? RGB(255, 0, 255) : RGB(0, 255, 255);
    const QRect circle = Circle(g, v);
    c.Ellipse(circle.left(), circle.top(), circle.left() + circle.width(), circle.top() + circle.height());
    c.TextOut(p.x(), p.y() + f.S(7), VertexLetter(v));
  }
  for (const TMark& m : g.Marks) {
    const std::array<TPoint, 4> arrow{TPoint{m.Arrow[0].x(), m.Arrow[0].y()}, TPoint{m.Arrow[1].x(), m.Arrow[1].y()},
                                      TPoint{m.Arrow[2].x(), m.Arrow[2].y()}, TPoint{m.Arrow[3].x(), m.Arrow[3].y()}};
    c.Brush.Color = PointerColours[at(m.Pointer)];
    c.Pen.Color = clWhite;
    c.Polygon(arrow);
  }
  // The letters last, so that no arrow covers one, on no ground of their own.
  c.Brush.Style = bsClear;
  c.Font.Height = PointerLetterHeight(f);
  c.SetTextAlign(TA_LEFT | TA_TOP);
  for (const TMark& m : g.Marks) {
    c.Font.Color = PointerColours[at(m.Pointer)];
    c.TextOut(m.Letter.x(), m.Letter.y(), QString::fromLatin1(PointerLetters[at(m.Pointer)]));
  }
  c.Brush.Style = bsSolid;
  c.Pen.Color = clBlack;
  c.Font = letters;
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
}
