#pragma once
// The drawing window of the three sequential-list demonstrations: a list as a row of
// cells, one character each, over the backdrop, with a pointer under the cell an index
// points at; or, for the merge, the three lists a, b and c with their current cells
// marked. Its cell geometry follows its own size at every paint. The step methods change
// its fields, call FormPaint, and play its small animations: a cell sliding to its
// neighbour, a new element dropping into its cell, a cell blinking.
#include <QString>
#include <array>
#include <vector>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

// Where the cells of a single list or of the merge's three lists stand in a window.
struct TSqlstGeometry {
  int CellWidth = 0;
  int CellHeight = 0;
  int RowY = 0;  // the single list's row

  // One list of length characters: Width div (length + 2) by Height div 4, row at a third.
  static TSqlstGeometry Single(int width, int height, int length);
  // The merge: Width div (lengthA + lengthB + 1) by Height div 5.
  static TSqlstGeometry Merge(int width, int height, int lengthA, int lengthB);
  // The index pointer under cell p of the single list: its apex touches the cell's lower edge.
  TRect PointerRect(int p) const;
  // The pointer's triangle in r: apex, then the two corners of its base.
  static std::array<TPoint, 3> PointerTriangle(const TRect& r);
  // The new element's box above cell p.
  TRect NewElemRect(int p) const;
};

// Frame waits of the animations at a run speed 0 .. 99, in milliseconds.
int SqlstSlideFrameMs(int speed);   // slide and drop frames
int SqlstBlinkMs(int speed);        // half a blink of the single list
int SqlstMergeBlinkMs(int speed);   // half a blink of the merge

// Character k (from 1) of s; a blank outside it.
inline QChar CharAt(const QString& s, int k) { return k >= 1 && k <= s.size() ? s[k - 1] : QChar(' '); }

// 1, 0 or -1.
int RealSign(double x);

class TSqlstGraphForm : public TGraphForm, public TKitControl {
 public:
  explicit TSqlstGraphForm(QWidget* parent = nullptr);

  int PosA = 0;
  int PosB = 0;
  int PosC = 0;
  int PosI = 0;
  int PosJ = 0;
  char NewElem = '\0';
  bool Inserted = false;
  int CellWidth = 0;
  int CellHeight = 0;
  QString Current;
  QString Mode;
  QString TextA;
  QString TextB;
  QString TextC;

  void SetPosA(int v) { PosA = v; }
  void SetPosB(int v) { PosB = v; }
  void SetPosC(int v) { PosC = v; }
  void SetNewElem(char v) { NewElem = v; }
  void SetPosI(int v) { PosI = v; }
  void SetInserted(bool v) { Inserted = v; }
  void SetPosJ(int v) { PosJ = v; }

  // The whole drawing, now.
  void FormPaint() override;
  void CellSize();

  // The element of cell src slides to cell dest, which then holds it.
  void SlideCell(int dest, int src);
  // NewElem drops from its box into cell i, which then holds it.
  void AnimateMove(int i);
  // Cell i (the last) blinks three times and vanishes with its pointer; Current is left as
  // it is.
  void BlinkCell(int i);
  // The current cell of list 'a' or 'b' of the merge blinks three times.
  void BlinkMergeCell(char list);

  // The cells (the new element's box among them) as nodes, and the index pointer as a mark on
  // the cell above it, as the window shows them now.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  // The cell geometry follows the size at every drawing.
  void FormResize() override { Repaint(); }

 private:
  // What the last whole drawing put on the window; the blink that takes the last cell away
  // takes it and the pointer off without drawing again.
  // One row of cells as drawn: its characters, its top, the list it shows ("v", "va"...) and,
  // in the merge, its label and the cell its colour marks (the index naming that cell).
  struct TShownRow {
    QString Text{};
    int Top = 0;
    QString List{};
    QString Label{};
    QRect LabelBox{};
    int Marked = 0;
    QString Index{};
  };
  struct TShown {
    TSqlstGeometry Geometry;
    std::vector<TShownRow> Rows;
    int NewAt = 0;  // the cell the new element waits above; 0: none
    QChar NewElem;
    int Pointer = -1;  // the cell the pointer stands under; -1: none
  };
  TShown shown_;

  void DrawCell(int x, TColor fontColor, TColor brushColor, TColor penColor, QChar ch, int h,
                int w, int y);
  void DrawList(const QString& s, int h, int w, int y);
  void DrawListMarked(const QString& s, TColor markColor, int markIndex, int h, int w, int y);
  void DrawPointer(const TRect& r, TColor color);
  void MergeSize();
  void CellText(const TRect& clip, int x, int y, QChar ch, TColor color, TColor ground, int h);
};
