#pragma once
// Proportional containers: every drawn data structure sits on a panel that remembers the
// geometry it was designed with and follows its window's client area in proportion.
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>

#include "framework/drawkit/KitControl.h"
#include "framework/drawkit/ScaledControls.h"
#include "platform/PaintBox.h"

// The geometry a container was designed with: its bounds and the client size of the window
// that owned it at design time (also for a container nested in another control).
struct TDesignGeometry {
  int ParentWidth = 0;
  int ParentHeight = 0;
  int OriginalTop = 0;
  int OriginalLeft = 0;
  int OriginalWidth = 0;
  int OriginalHeight = 0;
};

// The bounds for a window client area of newParentWidth x newParentHeight: each value scaled
// by its axis' ratio and rounded (halves to even). Depends only on the design geometry, so
// resizes never accumulate error. Nothing when the design client size is unknown (0).
std::optional<QRect> RescaledBounds(const TDesignGeometry& g, int newParentWidth,
                                    int newParentHeight);

// Base panel of every drawn data structure: paints the backdrop under itself (or its Color
// when not Transparent) with a sunken frame and rescales in proportion when its drawing
// window is resized.
class TPointer2;

class TNodeContainer : public TCanvasWidget, public TKitControl {
 public:
  explicit TNodeContainer(QWidget* parent = nullptr);

  // Design geometry; a container without one (ParentWidth or ParentHeight 0) keeps its
  // bounds when the window is resized.
  TDesignGeometry Design;

  // Puts the container at its design bounds in a window whose design client area is
  // designClient (TGraphForm::Place does this with the form's design size).
  void SetDesignBounds(int left, int top, int width, int height, QSize designClient);
  // Takes the present bounds as the design geometry, against the client size of the drawing
  // window that holds the container (or of its top-level window).
  void RecordDesignGeometry();

  // The present size against the design one (the design size when there is none): what the
  // container's own drawing scales its nodes, fonts and marks by.
  TDesignRatio Ratio() const;

  // Follows the new client size of the drawing window, then AfterRescale.
  virtual void Rescale(int newParentWidth, int newParentHeight);
  // Lays out the container's own contents after a rescale; nothing here.
  virtual void AfterRescale() {}
  // Whether the container places that pointer itself when it lays out its contents
  // (AfterRescale): the drawing window then leaves it where the container put it.
  virtual bool PlacesPointer(const TPointer2&) const { return false; }

  // Told after every change of size.
  std::function<void()> OnResize;

  // On the backdrop (the default), or on plain Color when false.
  bool Transparent = true;
  // Paints r (control's client coordinates) with this container's ground; control is the
  // container or a child drawn on it (a tree's node).
  void PaintGround(TCanvas& canvas, const QWidget& control, const TRect& r) const;

 protected:
  // The backdrop under the whole panel, then a sunken frame.
  void Paint() override;
  void resizeEvent(QResizeEvent* event) override;
};
