#pragma once
#include <QHash>
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
// the fast transpose divides it in 17, with a row of column counters at the bottom. A long
// table whose values would not fit their narrow columns at a readable size folds a and b
// into two or three lines each: element k then stands on line (k - 1) div PerLine, the
// lines four parts apart, and the height is divided in as many more parts.
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
  int Lines = 1;        // lines of a (and of b)
  int PerLine = 0;      // elements on a full line
  int Height = 0;       // the height divided
  int Parts = 13;       // in this many parts

  static TTripleGeometry Plain(int width, int height, int tu, int lines = 1);
  static TTripleGeometry Fast(int width, int height, int tu, int nu, int lines = 1);
  // The line of element k (the header and the place after the last element included).
  int Line(int k) const;
  int X(int k) const { return (k - Line(k) * PerLine + FirstColumn) * W + W / 2; }
  int HeaderX() const { return X(0); }
  int CounterX(int c) const { return (c + 1) * W2; }
  // The top of element k in a and in b.
  int AY(int k) const { return Height * (1 + 4 * Line(k)) / Parts; }
  int BY(int k) const { return Height * (5 + 4 * Lines + 4 * Line(k)) / Parts; }
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
  // Of the layouts make(1), make(2) and make(3) lines, the one whose cells hold the widest
  // value in the largest font (the fewest lines among equals).
  template <class Make>
  TTripleGeometry Folded(Make make) const {
    TTripleGeometry best = make(1);
    int bestHeight = CellFontHeight(best.W, best.H / 3);
    for (int lines = 2; lines <= 3; ++lines) {
      const TTripleGeometry g = make(lines);
      const int height = CellFontHeight(g.W, g.H / 3);
      if (height > bestHeight) {
        best = g;
        bestHeight = height;
      }
    }
    return best;
  }
  // The cell height of the font the widest value takes in a cell of w x h.
  int CellFontHeight(int w, int h) const;
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
  // A white outline of three cells of width w at (x, y); middle, when there is one, is
  // written in a cell's height just above it.
  void DrawFrame(int x, int y, int w, const QString& middle, TColor textColor);
  // The moving triple drops in 7 frames from (x, y0) by dy; element restores what it
  // covered at the start (mode 0).
  void DropTriple(int x, int y0, int dy, int restoreElement);
  // The moving triple slides along the middle row from element p's column to element q's.
  void SlideAcross(int p, int q);
  // text centred in the cell (x, y, w, h) filled with ground, in a font that lets the view's
  // widest value fit the cell; outlined where color and ground stand too close.
  void CellText(int x, int y, int w, int h, const QString& text, TColor color, TColor ground);
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
  // The font of text in a cell of w x h (fitted once, then kept).
  TFont CellFont(int w, int h, const QString& text) const;
 private:
  mutable QHash<QString, TFont> fonts_;
};
