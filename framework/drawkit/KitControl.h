#pragma once
// What every kit control can say about itself in words: what it shows and which controls it
// points at. The scripted driver's "print drawing" reads a drawing through these two, so a
// transcript can tell a right drawing from a wrong one. The kit's bases (TNodeContainer,
// TRectbase, TPointer2, TPointerBase) carry it; a new kit control overrides what its look
// needs:
//
//   class TListNode : public TRectbase {
//     QString DrawingText() const override { return Data; }
//     QList<const QWidget*> DrawingTargets() const override { return {Next}; }
//   };
#include <QList>
#include <QString>

class QWidget;

class TKitControl {
 public:
  virtual ~TKitControl() = default;

  // What the control shows: its caption, its node string, or its caption pieces joined by
  // one space in the order they are drawn. Empty by default.
  virtual QString DrawingText() const { return {}; }
  // The controls it points at, in order; nullptr stands for a missing one (a tree node
  // without a left child). A control that points nowhere gives an empty list (the default).
  virtual QList<const QWidget*> DrawingTargets() const { return {}; }
};
