#pragma once
// The drawing window of the four static-table searches: the table as one row of letter
// cells, coloured by the low end, high end and probe markers and by the live range (cells
// outside it are grey), with the key box over the probe. The step methods set its fields,
// call FormPaint, and play its animations: the end and probe markers sliding, the key box
// dipping towards the probe cell (a comparison) and dropping into it (found).
#include <QRect>
#include <QString>
#include <vector>

#include "framework/drawkit/KitControl.h"
#include "platform/Color.h"
#include "platform/PaintBox.h"

// Frame waits of the animations at a run speed 0 .. 99, in milliseconds.
inline int SrchMarkerFrameMs(int speed) { return (100 - speed) / 2 + 10; }
inline int SrchKeyFrameMs(int speed) { return 125 - speed; }
// The letters of the table are black, white on the dark fills (the live range, the probe and
// the high end), where black would hardly show.
TColor LetterColorOn(TColor fill);

class TStaticSrchForm : public TCanvasWidget, public TKitControl {
 public:
  explicit TStaticSrchForm(QWidget* parent = nullptr);

  QString Table;
  // The Fibonacci search thinks of the table as this long: the cells past its last letter stand
  // for keys larger than any (dashed, "∞"). 0 for the other searches.
  int ExtendedLength = 0;
  int CellWidth = 0;
  int CellHeight = 0;
  int HighIndex = 0;
  int MidIndex = 0;
  int LowIndex = 0;
  int RangeLow = 0;
  int RangeHigh = 0;
  bool ShowMarkers = false;
  bool Found = false;
  char MovedEnd = '\0';
  QChar Key;

  void SetHigh(int v) { HighIndex = v; }
  void SetMid(int v) { MidIndex = v; }
  void SetLow(int v) { LowIndex = v; }
  void SetRangeHigh(int v) { RangeHigh = v; }
  void SetRangeLow(int v) { RangeLow = v; }
  void SetShowMarkers(bool v) { ShowMarkers = v; }
  void SetFound(bool v) { Found = v; }
  void SetMovedEnd(char v) { MovedEnd = v; }
  void SetKey(QChar v) { Key = v; }

  void FormPaint() { Repaint(); }
  // The cells of the row: the table's letters and the cells past them.
  int CellCount() const;
  bool IsPastTable(int i) const { return i > Table.size(); }
  // What cell i (from 1) shows: its letter, or "∞" past the table.
  QChar CellText(int i) const;
  void ComputeCellSize();
  // The fill colour of cell i (from 1) by the markers, the range and Found.
  TColor CellColor(int i) const;

  // The end marker named caption slides from fromCell to toCell while the probe box slides
  // from oldMid to newMid; nothing moves when the end does not.
  void DrawRangeMarker(int fromCell, int toCell, const QString& caption, int newMid, int oldMid);
  // The same with " i" on the probe box (the sequential search).
  void DrawSeqMarker(int fromCell, int toCell, const QString& caption, int newMid, int oldMid);
  // The key box dips towards the probe cell and comes back.
  void NodKey();
  // The key box drops into the probe cell.
  void DropKey();

  // The cell of letter i (from 1) on the row, and the cells as nodes.
  QRect CellRect(int i) const;
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void Paint() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A box filled and outlined; false (the backdrop restored) when filled in the form's colour.
  bool DrawBox(int x, int y, int w, int h, TColor fillColor, TColor lineColor);
  void DrawCell(int x, TColor textColor, TColor fillColor, TColor lineColor, QChar letter, int h, int w,
                int y);
  void DrawLabelBox(int x, TColor textColor, TColor fillColor, TColor lineColor, const QString& caption,
                    int h, int w, int y);
  void SlideMarkers(int fromCell, int toCell, const QString& caption, const QString& probe, int newMid,
                    int oldMid);
  void KeyFrame(int k, bool restore);
};
