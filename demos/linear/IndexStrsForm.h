#pragma once
// The drawing window of the three pattern-matching demonstrations: the source string S and
// the pattern T as rows of cells in bevelled boxes, the pattern shifted under the source so
// that the two compared characters stand one above the other, an "i" marker above and a
// "j" marker below them, the matched part coloured and, for KMP, the next values in a
// second row of the pattern's box. Every movement is a short glide over the backdrop.
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <memory>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"

class TIndexStrsForm;

// Where the boxes and markers stand in a window of a given client size.
struct TIndexLayout {
  int Cell = 0;
  int BorderWidth = 0;
  int BoxLeft = 0;
  int UpperTop = 0;
  int LowerTop = 0;
  int UpperMarkerTop = 0;
  int LowerMarkerTop = 0;
  // The markers' height: one and a half cells, never less than their least readable caption
  // and tip take (small cells in a narrow window).
  int MarkerH = 0;

  // stage 2 makes the upper box two rows tall, stage 3 the lower one; upperLength and
  // lowerLength are the lengths of the two boxes' strings. The lower box may stand shifted
  // by up to upperLength cells (past the upper string's end when nothing matches): where the
  // usual cell size would take it or its marker out of the window, the cells shrink and the
  // pair is centred.
  static TIndexLayout Compute(int clientWidth, int clientHeight, int stage, int upperLength, int lowerLength);
  // The right edge of what the boxes and markers may reach.
  int Right(int upperLength, int lowerLength) const;
  // x of the markers over cell k.
  int MarkerX(int k) const;
};

// Frames of a glide after its start frame, at a run speed 0 .. 99 (54 .. 5).
int GlideSteps(int speed);

// One drawn string.
class TIndexStrBox {
 public:
  TIndexStrBox(TIndexStrsForm* form, const QString& name, const QString& text, bool hasNextRow,
               TColor back, TColor normal, TColor matched, TColor current);

  TIndexStrsForm* Form;
  QString Caption;
  QString Text;
  int TextLength = 0;
  bool HasNextRow = false;
  TColor BackColor, NormalColor, MatchedColor, CurrentColor;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Cell = 0;
  int FirstMark = -1;
  int LastMark = -1;
  std::array<int, 25> NextValues{};
  int NextCount = 0;
  TBitmap Bitmap;

  // Renders the whole box at (x, y) with cells of the given size.
  void Layout(int x, int y, int cell);
  // A new box enters the window from its left edge and glides to (x, y).
  void Place(int x, int y, int cell);
  void GlideTo(int x, int y);
  void SetHighlight(int first, int last);
  void DrawCell(int k);
  // Copies the box onto the window.
  void Blit();
  void AppendNextValue(int value);
  // The value of next-row cell fromCell shows over it, then glides to the next free cell.
  void CopyNextValue(int fromCell);
  // x of cell k within the box.
  int CellX(int k) const;
  // y of the cells of row 0 (the string) or row 1 (the next values) within the box.
  int RowTop(int row) const;
  // Cell k of a row, in the window's pixels.
  QRect CellRect(int k, int row) const;
  // The row nearest the box's lower edge.
  int LastRow() const { return HasNextRow ? 1 : 0; }

 private:
  void DrawCellIn(int k, int top, const QString& text);
};

class TIndexStrsForm : public TGraphForm, public TKitControl {
 public:
  explicit TIndexStrsForm(QWidget* parent = nullptr);
  ~TIndexStrsForm() override;

  // Each box with its cells where they stand ("S[3]=a@112": cell 3 holds a, its left edge at
  // x 112), the next row, and the markers' boxes.
  QString DrawingText() const override;
  // The cells of the strings and the next values shown as nodes; the markers i and j as marks
  // on the cells they point at.
  std::vector<TDrawnShape> DrawingShapes() const override;

  int Stage = 0;
  int StrLength = 0;
  int LowerLength = 0;  // length of the lower box's string
  std::unique_ptr<TIndexStrBox> UpperBox;
  std::unique_ptr<TIndexStrBox> LowerBox;
  int BoxLeft = 0;
  int Cell = 0;
  int UpperTop = 0;
  int LowerTop = 0;
  int UpperMarkerTop = 0;
  int LowerMarkerTop = 0;
  TBitmap IMarker;
  TBitmap JMarker;
  int MarkI = 0;
  int MarkJ = 0;
  bool MarkersShown = false;
  // i and j of the matching procedure the run stands in (nothing outside it), read from the
  // algorithm's variables: what the cells' colours and the pattern's column stand for.
  std::function<std::optional<std::pair<int, int>>()> Indexes;

  void SetStage(int n);
  void ComputeLayout();
  void CreateStrBoxes(const QString& text1, TColor back1, TColor normal1, TColor matched1,
                      TColor current1, const QString& text2, TColor back2, TColor normal2,
                      TColor matched2, TColor current2);
  void MoveMarkers(int i, int j);
  void DropNextRow();
  void StartMatching(const QString& source, TColor back, TColor normal, TColor matched, TColor current);
  void Reset();
  void ShowMarkers(bool show);
  // The stems again over a box repainted under them, while the markers are shown.
  void RestoreStems();

 protected:
  void FormPaint() override;
  void FormResize() override;

 private:
  TIndexLayout Layout() const;
  // What the colour (and, in the pattern's box, the column) of cell k stands for: the source's
  // cell i is compared and i - j + 1 .. i - 1 matched, the pattern's cell j is compared, the
  // cells before it matched, and cell k stands under the source's i - j + k.
  TValueMeaning ComparedAt(int k, bool lower) const;
  void BuildMarkers();
  // Left edge of the two markers, centred where a marker of the design width stands.
  int MarkerLeft() const;
  // The stems that carry the markers' tips to their cells, drawn on the boxes' borders: from
  // the i marker down to the upper box's cell i, from the lower box's cell j (its edge where
  // it has no cell j) up to the j marker.
  QRect UpperStem() const;
  QRect LowerStem() const;
  void DrawMarkers();
  void DrawStems();
  // The markers and their stems off the window, the boxes whole again.
  void EraseMarkers();
  // The window without its markers: the backdrop and the boxes, for the markers to glide over.
  TBitmap Ground();
};

// The shared width of the boxes' bevelled borders: a quarter of a cell.
inline int BorderWidth = 0;
