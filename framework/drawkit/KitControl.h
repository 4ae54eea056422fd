#pragma once
// What every kit control can say about itself in words and in shapes: what it shows, which
// controls it points at, and what its drawing means to a reader (nodes, the links between
// them, the labels on links and the marks that point at nodes). The scripted driver's
// "print drawing" reads a drawing through the words, "check drawing" through the shapes, so a
// transcript can tell a right drawing from a wrong one. The kit's bases (TNodeContainer,
// TRectbase, TPointer2, TPointerBase) carry it; a new kit control overrides what its look
// needs:
//
//   class TListNode : public TRectbase {
//     QString DrawingText() const override { return Data; }
//     QList<const QWidget*> DrawingTargets() const override { return {Next}; }
//   };
//
// A panel that paints its own nodes and links says where they are in its own pixels:
//
//   std::vector<TDrawnShape> TGraphPanel::DrawingShapes() const {
//     std::vector<TDrawnShape> out;
//     for (int v : vertices) out.push_back(TDrawnShape::NodeAt(VertexRect(v), Name(v), true));
//     for (const Arc& a : arcs) {
//       out.push_back(TDrawnShape::LinkBetween({this, a.tail}, {this, a.head}, ArcLine(a)));
//       out.push_back(TDrawnShape::LabelOf(static_cast<int>(out.size()) - 1, WeightRect(a), a.text));
//     }
//     return out;
//   }
//
// The shapes come from the same geometry the control paints with (one function for both),
// so that what is checked is what is drawn.
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

// A node that a link or mark refers to: a control that is itself a node (Index -1: its first
// Node shape), or the node at place Index of a control's DrawingShapes().
struct TShapeRef {
  const QWidget* Control = nullptr;
  int Index = -1;
  friend bool operator==(const TShapeRef&, const TShapeRef&) = default;
};

// What a mark stands for, so that a check can hold its target to that value at every line,
// whether or not the variable window lists the variable:
//
//   TMarkMeaning{.Of = "ls"}                                  the innermost call's ls
//   TMarkMeaning{.Of = "j", .ZeroNamesNone = true}            0 names no vertex: no mark then
//   TMarkMeaning{.Call = TMarkMeaning::Global, .Of = "T"}     a global
//   TMarkMeaning{.Value = [this] { return RootName(); }}     the tree's root, no variable
//   TMarkMeaning{.Node = [this] { return TShapeRef{Root()}; }} the same where nodes have no name
//
// The value (a pointer's target's name, a number, a letter) names the node whose Name is
// NodeName.arg(value).
struct TMarkMeaning {
  enum TCall {
    Innermost,  // the call the run stands in
    Global,     // the demonstration's globals
    Depth,      // the call at CallDepth, the first procedure being 0
  };
  TCall Call = Innermost;
  int CallDepth = 0;
  // The variable's name; empty: the mark's caption.
  QString Of{};
  // How a value names a node: "%1" when the value is the node's Name itself, "n%1" for a number
  // that names node n<number>.
  QString NodeName = QStringLiteral("%1");
  // 0 (as nil) names no element: the mark is then not shown.
  bool ZeroNamesNone = false;
  // The value when the mark stands for an expression (r[adr[k]]) or for something that is no
  // variable (the tree's root); nothing: no value, the mark is not shown. Leaves Of and Call
  // unused.
  std::function<std::optional<QString>()> Value{};
  // The node itself when the mark stands for one that no value names: the tree's root in a
  // drawing whose nodes carry no names, the record an expression (r[adr[k]]) picks. A
  // reference to no control: it stands for nothing now, the mark is not shown. Leaves the
  // rest unused.
  std::function<TShapeRef()> Node{};
};

// What a painted value stands for: the value (or values) of the algorithm it shows, read
// from the run's variables and records, so that a check holds what is painted to the
// algorithm's state at every line rather than to the drawing's own copy of it. Declared once
// where the value is reported, beside the text the control paints:
//
//   TValueMeaning{.Of = {"v.elem[3]"}}                      a list cell: item 3 of v.elem
//   TValueMeaning{.Of = {"r[2].key"}}                       a key box or a sort bar's key
//   TValueMeaning{.Of = {"i"}, .Shows = "i:%1"}             a caption with its number
//   TValueMeaning{.Call = TMarkMeaning::Global, .Of = {"num[4]"}}      a counter cell
//   TValueMeaning{.Of = {"la^.next^.data"}, .Shows = "%1 ^"}           a list node's letter
//   TValueMeaning{.Of = {"tag"}, .Part = TValueMeaning::InNote,
//                 .Map = [](const QStringList& v) { return v[0] == "1" ? "used" : "free"; }}
//   TValueMeaning{.Value = [this] { return ...; }}          made from the algorithm's records
//
// A path names a variable of the call, then fields (".key"), items ("[3]": item 3 of the
// record, counted from 0 as the engine holds them; "[2,5]": the matrix element of row 2 and
// column 5, from 0) and pointer targets ("^"; "->" reads as "^."). Each value is written as a
// mark reads it (a letter, a number, a string without its quotes, a pointer's target's name);
// they fill Shows's %1, %2 ...; Map, when given, makes the text from them instead. Blanks do
// not count when the shown text is compared with the expected one.
struct TValueMeaning {
  enum TPart {
    InText,  // the glyphs the shape paints (TDrawnShape::Text)
    InNote,  // what the picture says without glyphs (TDrawnShape::Note): a colour, a picture
  };
  TMarkMeaning::TCall Call = TMarkMeaning::Innermost;
  int CallDepth = 0;
  // The paths of the values it shows. A name the innermost call lacks is looked up among the
  // globals.
  QStringList Of{};
  QString Shows = QStringLiteral("%1");
  // The text from the values read (nothing: no text is expected now, the shape is not held).
  std::function<std::optional<QString>(const QStringList& values)> Map{};
  // The text itself, made from the algorithm's records where no path reaches them; nothing:
  // not held now. Leaves Of, Shows and Map unused.
  std::function<std::optional<QString>()> Value{};
  TPart Part = InText;
  // The picture shows the values as they were this many lines before, on purpose (a drawing
  // that follows its text one line later).
  int Lag = 0;
  // A Value that reads the demonstration's own records is held whether or not a run stands at
  // a line (a demonstration driven by its own buttons, with no text to step through); other
  // meanings are held only while a run stands.
  bool WithoutRun = false;
};

struct TDrawnShape {
  enum TKind {
    Node,   // a box the data structure is made of: a list or tree node, a vertex, a cell
    Link,   // a line that joins two nodes: a pointer field's arrow, an arc, a thread
    Label,  // a text that belongs to a link (an arc's weight) or to a node (a leaf's code)
    Mark,   // an arrow that stands for a variable and points at a node
    Cell,   // one cell of a table, matrix, key row, address row or stack row and its text
  };
  TKind Kind = Node;
  // What a reader sees of it: a node's key, a weight, a mark's caption. Painted as glyphs.
  QString Text{};
  // What the picture says of it without glyphs (a bar's colour, a customer's picture, a
  // queen): listed after Text where shapes are listed, never looked for among the glyphs.
  QString Note{};
  // Node, Label and Cell: the box; Mark: the head. In the reporting control's pixels.
  QRect Box{};
  // Node: the ellipse inside Box (a vertex circle) rather than the box.
  bool Round = false;
  // Link: the line as drawn, from its first end to its second (a polyline).
  QPolygon Path{};
  // Link: an arrowhead (two strokes or a filled triangle) is painted at its second end.
  bool Head = false;
  // Mark: where its point is.
  QPoint Tip{};
  // Link: its two ends; Mark: To is what it points at (no control: at nothing drawn).
  TShapeRef From{};
  TShapeRef To{};
  // Label: the place of its link among the same control's shapes.
  int Of = -1;
  // Label of a node: that node, and whether the label stands in the node's column (under it,
  // or in a row below the drawing), where only the horizontal distance tells whose it is.
  TShapeRef OfNode{};
  bool InColumn = false;
  // Node: its name as the drawing writes it beside or in the node ("n8"); empty when the
  // drawing writes none. Unique within one drawing.
  QString Name{};
  // Mark: what it stands for; none: a mark only its geometry is checked for.
  std::optional<TMarkMeaning> Means{};
  // Mark: whether it is shown. A pointer that is hidden is reported too, so that a variable
  // that points at a drawn node and has a mark that is not shown can be told.
  bool Shown = true;
  // What its text or note stands for (a node's key, a cell's value, a caption's number, a
  // colour that means used or visited): held to the algorithm's state at every line.
  std::vector<TValueMeaning> Stands{};

  static TDrawnShape NodeAt(const QRect& box, const QString& text, bool round = false) {
    return {.Kind = Node, .Text = text, .Box = box, .Round = round};
  }
  static TDrawnShape LinkBetween(TShapeRef from, TShapeRef to, const QPolygon& path) {
    return {.Kind = Link, .Path = path, .From = from, .To = to};
  }
  static TDrawnShape LabelOf(int link, const QRect& box, const QString& text) {
    return {.Kind = Label, .Text = text, .Box = box, .Of = link};
  }
  static TDrawnShape LabelOfNode(TShapeRef node, const QRect& box, const QString& text, bool inColumn = false) {
    return {.Kind = Label, .Text = text, .Box = box, .OfNode = node, .InColumn = inColumn};
  }
  static TDrawnShape CellAt(const QRect& box, const QString& text) { return {.Kind = Cell, .Text = text, .Box = box}; }
  // The same link with its arrowhead.
  TDrawnShape Headed() const {
    TDrawnShape s = *this;
    s.Head = true;
    return s;
  }
  static TDrawnShape MarkOn(TShapeRef target, const QRect& head, QPoint tip, const QString& caption) {
    return {.Kind = Mark, .Text = caption, .Box = head, .Tip = tip, .To = target};
  }
  // Copies that carry a node's name, a mark's meaning, a mark that is not shown.
  TDrawnShape Named(const QString& name) const {
    TDrawnShape s = *this;
    s.Name = name;
    return s;
  }
  TDrawnShape Noted(const QString& note) const {
    TDrawnShape s = *this;
    s.Note = note;
    return s;
  }
  TDrawnShape Meaning(const TMarkMeaning& meaning) const {
    TDrawnShape s = *this;
    s.Means = meaning;
    return s;
  }
  // A copy that says what its text (or its note) stands for; a shape may stand for both.
  TDrawnShape StandingFor(const TValueMeaning& meaning) const {
    TDrawnShape s = *this;
    s.Stands.push_back(meaning);
    return s;
  }
  TDrawnShape Hidden() const {
    TDrawnShape s = *this;
    s.Shown = false;
    return s;
  }
};

class TKitControl {
 public:
  virtual ~TKitControl() = default;

  // What the control shows: its caption, its node string, or its caption pieces joined by
  // one space in the order they are drawn. Empty by default.
  virtual QString DrawingText() const { return {}; }
  // The controls it points at, in order; nullptr stands for a missing one (a tree node
  // without a left child). A control that points nowhere gives an empty list (the default).
  virtual QList<const QWidget*> DrawingTargets() const { return {}; }
  // What it draws, in shapes of its own pixels: a node control gives itself as a Node, a
  // pointer its Mark, a panel that paints nodes, links and weights gives those. Empty by
  // default: a control with nothing a geometry rule can check (a caption, a backdrop).
  virtual std::vector<TDrawnShape> DrawingShapes() const { return {}; }
};
