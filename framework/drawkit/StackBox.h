#pragma once
// The animated stack display: rows of data-model records filling a grid from the bottom row
// of the rightmost column upwards, then column by column to the left, with a "top" marker
// over the newest row and a title band at the bottom. Push and pop slide the row in from
// above and out upwards, paced by AnimSpeed.
//
//   Stack->Push(std::make_unique<TAckStackData>("", 0, m, n, -1, -1));
//   auto* top = static_cast<TAckStackData*>(Stack->Top());
//   top->result = 5;
//   Stack->UpdateRow(Stack->Count() - 1, top);   // re-text the row
//   Stack->Pop();                                 // the record is freed unless kept
//
// Ownership: the box owns the records it shows. Pop hands the record back (dropping the
// result frees it); Clear and the box's destruction free the records still in it.
#include <QPoint>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/NodeContainer.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/Rect.h"
#include "framework/engine/Data.h"
#include "platform/Font.h"

// Where everything of a stack display of a given size stands.
struct TStackLayout {
  int Width = 0;
  int Height = 0;
  int ColCount = 1;
  int RowCount = 1;
  int CellWidth = 0;
  int CellHeight = 0;
  int TitleBand = 0;     // height of the title band at the bottom, 0 without a title
  int MarkerHeight = 0;  // height of the "top" marker, 0 when it is not shown

  TStackLayout(QSize box, int colCount, int rowCount, bool pointerVisible, bool titleVisible);
  // Top-left corner of entry index (0 = bottom of the rightmost column).
  QPoint Cell(int index) const;
  int Capacity() const { return ColCount * RowCount; }
};

// Frames of a push or pop slide at an animation speed (0 .. 99, clamped): N + 1 frames,
// frame k of 0 .. N at from + (to - from) * k div N.
int SlideSteps(int animSpeed);
int SlideFrameY(int from, int to, int k, int steps);

// Where a row's text starts when the records are laid out in columns.
constexpr int FieldLeft = 3;

// One row of the stack display: a raised frame filled in its Color with the row text
// centred in a fixed-pitch font, squeezed when it is wider than the row.
class TNodeRect : public TRectbase {
 public:
  explicit TNodeRect(QWidget* parent = nullptr);
  QString RowText;
  // Fields in columns: the text starts at FieldLeft in a font of FieldHeight pixels (0: the
  // text is centred in a font sized from the row's height).
  int FieldHeight = 0;
  // Draws the row on canvas at the row's size (for the row and for its slide sprite).
  void DrawRow(TCanvas& canvas) const;
  QString DrawingText() const override { return RowText; }
  // A row is a cell of the stack's table: its box and the record's text painted in it,
  // standing for what the demonstration says it does (Stands: the call the row shows).
  std::vector<TDrawnShape> DrawingShapes() const override {
    TDrawnShape cell = TDrawnShape::CellAt(rect(), RowText);
    cell.Stands = Stands;
    return {cell};
  }

 protected:
  void Paint() override;
};

// How a stack display looks, given in one go as a window's design has it (the fields as
// TStackBox names them; the box's own background stays unless Color is given).
struct TStackLook {
  std::optional<TColor> Color = std::nullopt;
  int ColCount = 1;
  int RowCount = 1;
  TColor NodeColor = clSilver;
  TFont NodeFont = {};
  TColor PointerColor = clYellow;
  TFont PointerFont = {};
  QString Title = {};
  TColor TitleColor = clBlack;
  bool ShowAnimate = false;
  bool FieldColumns = false;
};

class TStackBox : public TNodeContainer {
 public:
  explicit TStackBox(QWidget* parent = nullptr);
  ~TStackBox() override;

  // Columns and rows, 1 .. 20 each; capacity ColCount x RowCount. Read at the next layout.
  int ColCount = 1;
  int RowCount = 1;
  TColor PointerColor = clYellow;
  TFont PointerFont;
  TColor NodeColor = clSilver;
  TFont NodeFont;
  QString Title;
  TColor TitleColor = clBlack;
  // Slide rows in and out on push and pop.
  bool ShowAnimate = false;
  // The records' texts are fields in fixed-pitch columns: the rows start at one left edge
  // and the title (without its outer blanks) is written in the rows' font from that same
  // edge under the rightmost column, so that headings stand over their fields. The font is the largest in which the
  // title and a text of FieldChars characters fit a row; it changes only with the layout, so
  // that the fields keep their places while rows come and go (a record wider than that is
  // squeezed into its row).
  bool FieldColumns = false;
  int FieldChars = 0;
  // Pixels at the right of each row the fields leave free (for controls a window lays under
  // them); the rows refit at once.
  void SetFieldReserve(int pixels);
  // What row index (0 = bottom) stands for in the algorithm: the row's text as the call at
  // some depth, or the item of a stack, makes it. When given, every row pushed from then on
  // is held to it (its Stands); nothing: not held now.
  std::function<std::optional<QString>(int index)> RowsStandFor;

  bool PointerVisible() const { return pointerVisible_; }
  void SetPointerVisible(bool visible);
  bool TitleVisible() const { return titleVisible_; }
  void SetTitleVisible(bool visible);

  // Adds data as the new top row; the box takes it. Raises "invalid push action, stack
  // full" (before anything changes) when every cell is used, and the data model's error when
  // data already belongs to another record (which keeps it).
  TData* Push(std::unique_ptr<TData> data);
  template <class T>
  T* Push(std::unique_ptr<T> data) {
    return static_cast<T*>(Push(std::unique_ptr<TData>(std::move(data))));
  }
  // Takes the top row away and hands its record back. Raises "Invalid pop action" when empty.
  std::unique_ptr<TData> Pop();
  // Removes every row and frees their records; no animation. The box shows empty at once.
  void Clear();

  int Count() const { return static_cast<int>(entries_.size()); }
  // The record of the top entry / of entry index (0 = bottom); raises "index out of bounds"
  // when there is no such entry.
  TData* Top() const;
  TData* GetItem(int index) const;
  // Entry index shows data: its own record again (re-texted after a change in place), or a
  // new record that the box takes, freeing the one it replaces.
  void UpdateRow(int index, TData* data);
  void UpdateRow(int index, std::unique_ptr<TData> data);

  TStackLayout Layout() const;
  TStackTopPointer& Marker() { return *marker_; }
  // The row control of entry index (for tests and for drawings that point at rows).
  TNodeRect* Row(int index) const;
  // The font of the fields and of the title when FieldColumns is set (fitted at the layout
  // and kept until the size, the columns and rows or the texts it fits change).
  TFont FieldFont() const;
  // The field font the box would take at size box with reserve pixels left free at the rows'
  // right (a window choosing how wide to make it).
  TFont FieldFontFor(QSize box, int reserve) const;
  // Box x where the fields of column col (0 = the rightmost, which fills first) start.
  int FieldX(int col) const;
  // Writes a heading over the fields on canvas: in the field font and color, from x, centred
  // in the band [top, top + height); each word starts at its character cell, a wide (Chinese)
  // character counting two cells, so a record pads its field to the cells before the word.
  void WriteHeading(TCanvas& canvas, const QString& heading, TColor color, int x, int top, int height) const;

  // Lays the rows and the marker out for the present size.
  void AfterRescale() override;
  // Takes the look and lays the box out afresh.
  void SetLook(const TStackLook& look);

  // The title, when it is shown.
  QString DrawingText() const override { return titleVisible_ ? Title : QString(); }

 protected:
  void Paint() override;

 private:
  struct Entry {
    std::unique_ptr<TData> record;
    std::unique_ptr<TNodeRect> row;
  };
  // The entry at index; raises "index out of bounds" when there is none.
  const Entry& At(int index) const;
  Entry& At(int index) { return const_cast<Entry&>(std::as_const(*this).At(index)); }
  void RefreshRow(const Entry& entry);
  void PlaceMarker();
  void Slide(const TNodeRect& row, int fromY, int toY);
  // Gives every row the present field font; paints the box again when it changed.
  void FitFields();

  // What the field font was fitted to. Fitting measures the texts over and over, so the font
  // is kept and fitted again only when one of these changes, however the box's size, its
  // columns and rows or its texts were changed.
  struct FieldFit {
    int cellWidth = 0;
    int cellHeight = 0;
    TFont nodeFont;
    QString title;
    int chars = 0;
    int reserve = 0;
    friend bool operator==(const FieldFit&, const FieldFit&) = default;
  };
  mutable std::optional<std::pair<FieldFit, TFont>> fieldFont_;
  int fieldReserve_ = 0;

  std::vector<Entry> entries_;
  TStackTopPointer* marker_;
  bool pointerVisible_ = true;
  bool titleVisible_ = true;
};

// The stack window of the recursive demonstrations: one stack display named Stack, 3 columns
// of 18 rows of activation records under the title "  Addr  m  n  temp  result".
class TAckmanGraphForm : public TGraphForm {
 public:
  explicit TAckmanGraphForm(QWidget* parent = nullptr);
  TStackBox* Stack;
};

// A stack window of call records set up for one demonstration: its caption, columns x rows
// and the title band naming the fields; the records in a fixed-pitch font so that the fields
// stand in columns. An empty title hides the title band.
struct TStackPreset {
  QString caption = QStringLiteral("堆栈");
  int cols = 1;
  int rows = 5;
  QString title;
  // The records' fields stand in columns under the title's headings (FieldColumns), records
  // up to fieldChars characters wide (FieldChars).
  bool columns = false;
  int fieldChars = 0;
};
std::unique_ptr<TAckmanGraphForm> MakeStackWindow(const TStackPreset& preset);
