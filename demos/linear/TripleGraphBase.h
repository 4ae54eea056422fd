#pragma once
#include <QHash>
// What the two transpose views share: rows of triples drawn as three stacked cells (the
// source table a on top, the result b below, a moving triple between them), paced pauses
// that let messages through, and the moving triple's drop from one row to the next.
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

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
  // The box of a triple of width w drawn at (x, y): three cells of a third of H.
  QRect Box(int x, int y, int w) const { return {x, y, w, 3 * (H / 3)}; }
};

// The length of v written in decimal, its sign included.
int DecimalLength(int v);

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
  // The triple of the algorithm the moving triple stands for (b.data[q] as it is being
  // written), read from its records; nothing: it is held to nothing.
  std::function<std::optional<TTriple>()> MovingStandsFor;
  // The variable the number the frame carries stands for (none: it carries none).
  QString FrameShows;
  // A triple's three cells as they stand, and the colours of the next triple's.
  static constexpr std::array<TColor, 3> StandardCells{clMaroon, clLime, clYellow};
  std::array<TColor, 3> CellColors = StandardCells;

  // The rows of triples as they can be read, "a: (i,j,v) (1,2,5) ... | b: (i,j,v) ...".
  QString DrawingText() const override = 0;
  // The whole picture, now.
  void FormPaint() override;
  // Erases area (and the frame, when it stands there) and draws again the triples of the
  // whole picture standing in it.
  void RepaintArea(QRect area);
  // The triples shown (a's, b's, the view's counters and the moving one) as nodes; the frame
  // walking along a as a mark on the element it stands on.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  // A triple of the whole picture: where it stands, how wide, what it holds (i = -1 and -2:
  // a header column, a heading rather than a triple).
  struct TPlacedTriple {
    int X = 0;
    int Y = 0;
    int W = 0;
    TTriple T;
    // What its three cells stand for: paths of the algorithm's values (an empty one: none).
    std::array<QString, 3> Of{};
  };
  // The cells of triple k of table name ("a", "b"): name.data[k-1].i, .j and .v.
  static std::array<QString, 3> TripleOf(const QString& name, int k);
  virtual std::vector<TPlacedTriple> WholePicture() const = 0;
  // The moving triple where it stands (nothing while it is not shown apart from a and b), and
  // the frame on an element of a with what it carries; the whole picture shows neither.
  std::optional<QRect> moving_;
  struct TFrame {
    QRect Box;
    QString Text;
    // The box and the cell above it that holds the text.
    QRect Area() const;
  };
  std::optional<TFrame> frame_;

  virtual TTripleGeometry Geometry() const = 0;
  // Of the layouts make(1), make(2) and make(3) lines, the one whose cells hold the widest
  // value in the largest font (the fewest lines among equals).
  // Kept for the size, table and widest value it was made for: every triple drawn asks for it.
  template <class Make>
  TTripleGeometry Folded(Make make) const {
    const QString widest = WidestValue();
    const TFoldKey key{size(), A.tu, A.nu, widest};
    if (fold_ && fold_->first == key) return fold_->second;
    TTripleGeometry best = make(1);
    int bestHeight = CellFontHeight(best.W, best.H / 3, widest);
    for (int lines = 2; lines <= 3; ++lines) {
      const TTripleGeometry g = make(lines);
      const int height = CellFontHeight(g.W, g.H / 3, widest);
      if (height > bestHeight) {
        best = g;
        bestHeight = height;
      }
    }
    fold_ = {key, best};
    return best;
  }
  // The cell height of the font the widest value takes in a cell of w x h.
  int CellFontHeight(int w, int h, const QString& widest) const;
  // Only repaints: the layout follows the window's size at every drawing.
  void FormResize() override { Repaint(); }
  // The view's own ground (button face, no backdrop) and the labels "a" and "b"; nothing
  // moving or framed stands on it.
  void DrawGround();
  // The labels of the rows a and b: where each is written and its text, the name of the table
  // it labels.
  struct TRowLabel {
    QPoint At;
    QString Text;
  };
  std::array<TRowLabel, 2> RowLabels(const TTripleGeometry& g) const;
  TFont LabelFont(const TTripleGeometry& g) const;
  // Three stacked cells of width w at (x, y); first = -1 shows "i", "j", "v", -2 "col",
  // "num[col]", "cpot[col]".
  void DrawTriple(int x, int y, int w, const TTriple& t);
  // The triple as it can be read in cells of width w of the layout g: "(1,2,-5)".
  QString ReadTriple(const TTripleGeometry& g, int w, const TTriple& t) const;
  void EraseRect(int x, int y, int w, int h);
  // A white outline of three cells of width w at (x, y) (the frame on an element of a);
  // middle, when there is one, is written in a cell's height just above it.
  void DrawFrame(int x, int y, int w, const QString& middle, TColor textColor);
  // The moving triple drops in 7 frames from (x, y0) by dy and stays there; what it passed
  // over is drawn again.
  void DropTriple(int x, int y0, int dy);
  // The moving triple slides along the middle row from element p's column to element q's,
  // and is off the window at the end.
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
  struct TFoldKey {
    QSize Size;
    int Tu = 0;
    int Nu = 0;
    QString Widest;
    bool operator==(const TFoldKey&) const = default;
  };
  mutable std::optional<std::pair<TFoldKey, TTripleGeometry>> fold_;
};
