#pragma once
// What the two transpose views share: rows of triples drawn as three stacked cells (the
// source table a on top, the result b below, a moving triple between them), paced pauses
// that let messages through, and the moving triple's drop from one row to the next.
#include <QString>
#include <array>

#include "demos/linear/TripleTable.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/Color.h"

// Where the rows and columns of a transpose view stand. The plain view divides the height
// in 13 parts and gives every element of a a column after two header columns; the view of
// the fast transpose divides it in 17, with a row of column counters at the bottom.
struct TTripleGeometry {
  int W = 0;       // a triple's column width
  int W2 = 0;      // a counter's column width (fast transpose)
  int H = 0;       // a triple's height
  int RowA = 0;
  int RowMid = 0;
  int RowB = 0;
  int RowCount = 0;  // the counters' row (fast transpose)
  int LabelAY = 0;
  int LabelBY = 0;
  int FirstColumn = 0;  // column of element 1: element k stands at (k + FirstColumn) * W + W div 2

  static TTripleGeometry Plain(int width, int height, int tu);
  static TTripleGeometry Fast(int width, int height, int tu, int nu);
  int X(int k) const { return (k + FirstColumn) * W + W / 2; }
  int HeaderX() const { return X(0); }
  int CounterX(int c) const { return (c + 1) * W2; }
};

// Pause of the views: ms, then pending messages.
void TriplePause(int ms);
// 125 - speed, the frame pause of the transpose views.
int TripleFrameMs(int speed);

class TTripleGraphBase : public TGraphForm, public TKitControl {
 public:
  TTripleGraphBase(int width, int height, QWidget* parent);

  TTripleTable A;
  TTripleTable B;
  TTriple MovingTriple;
  // The colours of the next triple's three cells.
  std::array<TColor, 3> CellColors{clMaroon, clLime, clYellow};

  // The rows of triples as they can be read, "a: (i,j,v) (1,2,5) ... | b: (i,j,v) ...".
  QString DrawingText() const override = 0;

 protected:
  virtual TTripleGeometry Geometry() const = 0;
  // Only repaints: the layout follows the window's size at every drawing.
  void FormResize() override { Repaint(); }
  // The view's own ground (button face, no backdrop) and the labels "a" and "b".
  void DrawGround();
  // Three stacked cells of width w at (x, y); first = -1 shows "i", "j", "v", -2 "col",
  // "num[col]", "cpot[col]".
  void DrawTriple(int x, int y, int w, const TTriple& t);
  // The triple as it can be read in cells of width w: "(1,2,-5)".
  QString ReadTriple(int w, const TTriple& t) const;
  void EraseRect(int x, int y, int w, int h);
  // A white outline of three cells of width w at (x, y), the middle one showing text.
  void DrawFrame(int x, int y, int w, const QString& middle, TColor textColor);
  // The moving triple drops in 7 frames from (x, y0) by dy; element restores what it
  // covered at the start (mode 0).
  void DropTriple(int x, int y0, int dy, int restoreElement);
  // The moving triple slides along the middle row from element p's column to element q's.
  void SlideAcross(int p, int q);
  // text centred in the cell (x, y, w, h), in a font that lets the view's widest value fit
  // the cell.
  void CellText(int x, int y, int w, int h, const QString& text, TColor color);
  // The longest value the view shows (its width decides the font of every cell).
  virtual QString WidestValue() const;

 private:
  // How text stands in the cell (x, y, w, h): its font, where it starts, what can be read.
  struct TCellLook {
    TFont Font;
    int Left = 0;
    int Top = 0;
    QString Seen;
  };
  TCellLook Look(int x, int y, int w, int h, const QString& text) const;
};
