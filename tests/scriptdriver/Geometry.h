#pragma once
// "print shapes" and "check drawing": what the drawing windows mean to a reader, as nodes,
// links, labels and marks (TDrawnShape, framework/drawkit/KitControl.h), and whether their
// geometry tells the story the algorithm tells.
//
//   node FORM "TEXT" X Y W H            a node's box ("round" after it for a circle)
//   link FORM "FROM>TO" X,Y X,Y ...      a link's line, its ends by their texts
//   label FORM "TEXT" X Y W H of "FROM>TO"
//   mark FORM "TEXT" X Y W H tip X Y -> "TARGET"   ("hidden" after it for one not shown)
//   cell FORM "TEXT" X Y W H
//
// A node that carries a name says it after its text: node FORM "TEXT" X Y W H name n8.
//
// FORM is the object name (else the class) of the drawing window the shape is in, the
// innermost one; coordinates are that window's client pixels, as "print drawing" gives them.
#include <QList>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "framework/drawkit/KitControl.h"

class QWidget;

namespace script {

struct Shape {
  TDrawnShape::TKind kind = TDrawnShape::Node;
  int drawing = 0;       // shapes of one drawing window share the number
  QString form{};        // that window's name
  QString text{};        // as listed: the glyphs, then what the picture says without them
  QString glyphs{};      // the part of text painted as glyphs
  QString note{};        // the part the picture says without glyphs
  QRect box{};           // Node, Label; Mark: its head
  bool round = false;    // Node: the ellipse inside box
  QPolygon path{};       // Link
  bool head = false;     // Link: an arrowhead at its second end
  QPoint tip{};          // Mark
  int from = -1;         // Link: its ends; Mark: to is its target; -1: not among the shapes
  int to = -1;
  bool aimsAtHidden = false;  // Mark: its target is a control that is not shown
  int of = -1;           // Label: its link
  int ofNode = -1;       // Label of a node: that node
  bool inColumn = false; // Label of a node: in its column, only the horizontal distance counts
  QString name{};        // Node: its name as the drawing writes it
  std::optional<TMarkMeaning> means{};  // Mark: what it stands for (none: its caption's variable)
  bool shown = true;     // Mark: false for a pointer that is hidden
  std::vector<TValueMeaning> stands{};  // what its glyphs or note stand for
  QRect room{};          // where it can show: its window cut by every control holding it
  const QWidget* owner = nullptr;  // the control that reported it (nested nodes are not compared)
  int place = -1;        // its place among that control's shapes
  QString Line(const std::vector<Shape>& all) const;
};

// A window open over a drawing window (a dialog, a prompt, a message window), in that
// drawing window's pixels.
struct Cover {
  int drawing = 0;
  QString form;    // the drawing window's name
  QString window;  // its caption
  QRect rect;
  QString Line() const;  // window "CAPTION" X Y W H over FORM
};

struct Scene {
  std::vector<Shape> shapes;
  std::vector<Cover> covers;
};

// The shapes of the shown drawing windows among windows (bottom up, as ScreenWindows gives
// them), with the windows above each one that are not the shell's own.
Scene GatherShapes(const QList<QWidget*>& windows);

// The value of a variable as a mark reads it: a pointer gives its target's name, a number or a
// letter its text.
struct Variable {
  enum TState {
    Value,       // text holds it
    Unassigned,  // not yet assigned
    Nil,         // points nowhere, or has no value a node could carry
    Returned,    // of a call that has returned
  };
  TState state = Value;
  QString text{};
  // A pointer's value is a node's name itself; a number or letter names a node only through
  // a meaning's NodeName pattern other than "%1" (or its Value function).
  bool pointer = false;
};

// The variables of every call on the run stack and the globals, whether or not the variable
// window lists them, read at one line of the run.
struct Variables {
  static constexpr int GlobalCall = -1;
  // Whether the run stands at a line; before the first and after the last no mark is held to
  // a variable.
  bool running = false;
  // The calls on the stack; the first procedure's is call 0, the innermost calls - 1.
  int calls = 0;
  // By (call, name); GlobalCall for the globals.
  std::map<std::pair<int, QString>, Variable> values{};
  // Reads a path ("v.elem[3]", "la^.next^.data") in the call a value's meaning names, as it
  // stood meaning.Lag lines ago: nothing when the path names nothing (or that line is not
  // known). Without it a path is read from values, a plain name only, as it stands now.
  std::function<std::optional<Variable>(const TValueMeaning& meaning, const QString& path)> read{};

  // What a mark of this meaning and caption stands for; nothing when it names no variable
  // (or the run stands nowhere). The innermost call's name falls back to a global of that
  // name; a mark's Value function, when it has one, gives the value itself.
  std::optional<Variable> Of(const TMarkMeaning& meaning, const QString& caption) const;
  // A path of a value's meaning, in the call the meaning names (the innermost one's falling
  // back to the globals); nothing when it names nothing.
  std::optional<Variable> Path(const TValueMeaning& meaning, const QString& path) const;
};

// The text a value's meaning expects now: nothing where it holds nothing (a value function or
// Map that gives none, a value not yet assigned or nil); an error text (why) when a path names
// nothing.
struct Expected {
  std::optional<QString> text;
  QString error;  // a path that names no value
  QString said;   // how it was read, for the finding: "v.elem[3] = c"
};
Expected ExpectedText(const TValueMeaning& meaning, const Variables& variables);

// The geometry rules, one line per finding, "wrong RULE " and the shapes involved:
//   overlap  two node boxes of one drawing meet by more than 1 px both ways;
//   outside  a node, mark or label is not wholly inside its drawing window (and the
//            controls holding it);
//   aim      a mark's tip is not on its target's box (within 2 px), lies inside another
//            node, points at a node not shown; or, held to what it stands for (its meaning,
//            by default the variable its caption names): it is shown while that is not yet
//            assigned, nil, 0 where 0 names no element, or of a call that has returned; it
//            points at another node than the one its value names; it is not shown while its
//            value names a drawn node; a mark that stands for a node itself is held to it;
//   stacked  two shown marks stand at one place (tips within 2 px, heads overlapping);
//   onto     a mark's head (with its caption) lies on a node, link or other mark other than
//            its own target;
//   name     two nodes of one drawing carry one name;
//   through  a link passes through a node box other than its two ends, or two links run
//            along one another for more than a few pixels;
//   label    a link's label is nearer another line or node than its own line, or lies on
//            another line or on a node; a node's label is no nearer its own node than
//            another (horizontally, for a label in its node's column);
//   covered  a window open over a drawing covers one of its node boxes;
//   painted  a shape is not painted as reported (tests/scriptdriver/Painted.h);
//   value    a shape's text or note is not what the algorithm's values it stands for say
//            (TValueMeaning), or its meaning names no value.
QStringList DrawingFindings(const Scene& scene, const Variables& variables = {});
// The same in two halves: what the shapes alone tell (every rule but the variables'), and what
// the marks tell against the variables of the current call, which change while the drawing
// may not.
QStringList ShapeFindings(const Scene& scene);
QStringList VariableFindings(const Scene& scene, const Variables& variables);
// The rule value alone (part of VariableFindings).
QStringList ValueFindings(const Scene& scene, const Variables& variables);
// A shape's meanings as "print shapes" adds them: " = v.elem[3]" (nothing without any).
QString MeaningsOf(const Shape& shape);

// The rules a demonstration does not keep yet, one line of the pending file each:
// "DEMO RULE RULE ...", "#" starting a comment; a rule names the drawing rule's findings
// ("wrong RULE") and the legibility rule's ("illegible RULE") alike. "DEMO resized RULE ..."
// lets those rules' findings pass only once the window was resized in the class (the
// faults a drawing shows after a resize). A line naming no rule is the legibility sweep's
// alone (sweep.sh lets the whole demonstration pass).
struct PendingRules {
  QString demo;
  QStringList rules;
  bool afterResize = false;
};
std::vector<PendingRules> ParsePending(const QString& text);
// Whether a finding ("wrong RULE ..." or "illegible RULE ...") is of a rule pending for the
// demonstration; resized: the window was resized in the class.
bool IsPending(const std::vector<PendingRules>& pending, const QString& demo, const QString& finding,
               bool resized = false);

}  // namespace script
