#pragma once
// "print shapes" and "check drawing": what the drawing windows mean to a reader, as nodes,
// links, labels and marks (TDrawnShape, framework/drawkit/KitControl.h), and whether their
// geometry tells the story the algorithm tells.
//
//   node FORM "TEXT" X Y W H            a node's box ("round" after it for a circle)
//   link FORM "FROM>TO" X,Y X,Y ...      a link's line, its ends by their texts
//   label FORM "TEXT" X Y W H of "FROM>TO"
//   mark FORM "TEXT" X Y W H tip X Y -> "TARGET"
//   cell FORM "TEXT" X Y W H
//
// FORM is the object name (else the class) of the drawing window the shape is in, the
// innermost one; coordinates are that window's client pixels, as "print drawing" gives them.
#include <QList>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "framework/drawkit/KitControl.h"

class QWidget;

namespace script {

struct Shape {
  TDrawnShape::TKind kind = TDrawnShape::Node;
  int drawing = 0;       // shapes of one drawing window share the number
  QString form{};        // that window's name
  QString text{};
  QRect box{};           // Node, Label; Mark: its head
  bool round = false;    // Node: the ellipse inside box
  QPolygon path{};       // Link
  bool head = false;     // Link: an arrowhead at its second end
  QPoint tip{};          // Mark
  int from = -1;         // Link: its ends; Mark: to is its target; -1: not among the shapes
  int to = -1;
  bool aimsAtHidden = false;  // Mark: its target is a control that is not shown
  int of = -1;           // Label: its link
  QRect room{};          // where it can show: its window cut by every control holding it
  const QWidget* owner = nullptr;  // the control that reported it (nested nodes are not compared)
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

// Whether a variable of the current call (its locals, then the globals) is named so and
// whether it has a value; nothing when there is none of that name.
using AssignedLookup = std::function<std::optional<bool>(const QString& name)>;

// The geometry rules, one line per finding, "wrong RULE " and the shapes involved:
//   overlap  two node boxes of one drawing meet by more than 1 px both ways;
//   outside  a node, mark or label is not wholly inside its drawing window (and the
//            controls holding it);
//   aim      a mark's tip is not on its target's box (within 2 px), lies inside another
//            node, points at a node not shown, or the mark stands for a variable (its caption
//            names one) not yet assigned in this call;
//   through  a link passes through a node box other than its two ends, or two links run
//            along one another for more than a few pixels;
//   label    a link's label is nearer another line or node than its own line, or lies on
//            another line or on a node;
//   covered  a window open over a drawing covers one of its node boxes;
//   painted  a shape is not painted as reported (tests/scriptdriver/Painted.h).
QStringList DrawingFindings(const Scene& scene, const AssignedLookup& assigned = {});
// The same in two halves: what the shapes alone tell (every rule but the variables'), and what
// the marks tell against the variables of the current call, which change while the drawing
// may not.
QStringList ShapeFindings(const Scene& scene);
QStringList VariableFindings(const Scene& scene, const AssignedLookup& assigned);

}  // namespace script
