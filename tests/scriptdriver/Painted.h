#pragma once
// The rule "painted": every shape a drawing reports is held to what was painted
// (platform/PaintRecord.h), so that a fault in painting code alone, with the reported shapes
// left as they were, is found. The record read for a shape is that of the control that
// reported it, the controls holding it up to its drawing window and the controls it holds.
//
//   node   an outline (a figure with an edge or a fill, or lines round it) painted on its box
//          within 2 px, and the texts whose middle lies in its box reading its text;
//   link   painted lines within 2 px of at least 70 % of its path (where no node, label, cell
//          or mark lies over it), and with a head, two strokes or a filled figure at its end;
//   mark   a figure or stroke of its head ending at its tip (within 2 px), and its caption
//          painted in or beside its head;
//   label, cell  the texts whose middle lies in its box reading its text.
//
// Texts are compared without their whitespace, in the order they were painted or the order
// they read (rows top down, left to right in a row).
#include <QList>
#include <QRect>
#include <QStringList>
#include <vector>

#include "platform/PaintRecord.h"
#include "tests/scriptdriver/Geometry.h"

class QWidget;

namespace script {

// The findings of the rule, "wrong painted SHAPE -- what differs".
QStringList PaintedFindings(const Scene& scene);

// What was painted near a shape, in the same pixels as the shape; and the shape's findings
// against it (one line each, without the shape). scene gives the other shapes that lie over
// a link; empty without them.
QStringList PaintedDifferences(const Shape& shape, const paintrecord::Record& painted,
                               const std::vector<Shape>& scene = {});

// What of a control shows, in its own pixels: it cut by every control holding it up to its
// window (a drawing window embedded in another pages its columns through the one that holds it).
QRect ShownOf(const QWidget& control);

}  // namespace script
