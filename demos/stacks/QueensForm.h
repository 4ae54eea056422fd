#pragma once
// The board window of the N-queens demonstration: one queen per column, queens of finished
// columns on their squares, the queen being tried sliding down its column, queens of later
// columns waiting above the board, and at every collision test the queens that conflict with
// the current one in a third picture. A stack display to the right of the board shows one
// row per active call.
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "framework/drawkit/AdvancedTools.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/Bitmap.h"

class TStackBox;
class TQueensForm;

// Where the board of n columns stands left of a stack display whose left edge is width, in
// a client area height pixels high. Half-way values round to the even neighbour; a queen's
// place is truncated.
struct TQueensBoardLayout {
  TQueensBoardLayout(int width, int height, int n);

  // The queen of column c (1 .. n) at row r (1 .. n; 0 = waiting above the board).
  QRect QueenRect(int c, int r) const;
  // The strip of column c, the whole client height.
  QRect ColumnStrip(int c) const;
  // Column c's part of the board.
  QRect ColumnCells(int c) const;
  // The board's frame: bars above, below, left and right of it, and the shelf of the
  // waiting queens.
  std::array<QRect, 5> FrameBars() const;

  int Width;
  int Height;
  int N;
  int CellSize;
  int BoardLeft;
  int BoardTop;
  int FrameWidth;
  int SpriteSize;  // queens are square sprites four fifths of a cell
};

// The sprite mover of a sliding queen: over the board bitmap, keeping the red top edge of
// the current column's frame drawn under the moving queen.
class TQueenAnim : public TImgAnim {
 public:
  TQueenAnim(TCanvas& canvas, const TQueensForm& form);

 protected:
  void CopyBackground(const TRect& r) override;

 private:
  const TQueensForm& form_;
};

class TQueensForm : public TGraphForm, public TKitControl {
 public:
  static constexpr int MaxColumns = 10;

  explicit TQueensForm(QWidget* parent = nullptr);
  ~TQueensForm() override;

  TStackBox* StackBox;

  // A new board of n columns: every queen waiting, no column current, no conflicts shown.
  void StartBoard(int n);
  // The next column becomes current; its queen is tried (picture 2).
  void CursorNext();
  // The previous column becomes current again.
  void CursorBack();
  // The current queen slides to the next row, after row n back to its waiting place.
  void MoveQueenDown();
  // The current queen as placed (picture 1) or being tried (picture 2).
  void SetQueenState(bool placed);
  // Marks (On) or unmarks the queens of earlier columns that share a row or a diagonal with
  // the current one; true when there is none.
  bool ShowCollision(bool on);
  // Builds the board bitmap and the sprites for the present size.
  void BuildBoard();

  TQueensBoardLayout Layout() const;
  // The queens as nodes where they are drawn, each a picture without glyphs noted with the
  // column and row its place on the board says and what its picture says: "3 5 placed" (row
  // 0 waiting above the board; "tried", "conflict"), "current" when its column is framed. The
  // squares of the board are its ground, no nodes. Each stands for QueenStandsFor of its column.
  std::vector<TDrawnShape> DrawingShapes() const override;
  std::function<std::optional<QString>(int column)> QueenStandsFor;
  // "3 5 placed", with " current" for the column framed in red.
  static QString QueenNote(int column, int row, int picture, bool current);
  // The picture column c's queen is drawn with now: placed (1), tried (2), in conflict (3).
  int PictureOf(int c) const;
  // Whether the queen of column j shares a row or a diagonal with the one of column c.
  static bool Conflict(int j, int rj, int c, int r) { return rj == r || rj + j == r + c || rj - j == r - c; }
  // The row of column c's queen (0 = waiting); 0 for a column the board does not have.
  int Row(int column) const {
    return column >= 1 && column <= MaxColumns ? Rows[static_cast<std::size_t>(column - 1)] : 0;
  }

  TBitmap BoardPicture;
  TBitmap BoardBitmap;
  std::unique_ptr<TBitmap> CheckerBitmap;
  std::array<TBitmap, 3> QueenPictures;  // 1 placed, 2 not placed, 3 in conflict
  std::array<TBitmap, 3> QueenSprites;
  bool Active = false;
  std::array<int, MaxColumns> Rows{};  // Rows[c - 1]: row of column c's queen, 0 = waiting
  int CurrentPicture = 2;
  bool ShowConflicts = false;
  int BoardLeft = 0;
  int BoardTop = 0;
  int FrameWidth = 0;
  int CellSize = 0;
  int CurrentColumn = 0;
  int QueenCount = 0;

 protected:
  void FormPaint() override;
  void FormResize() override;

 private:
  TBitmap& Sprite(int picture) { return QueenSprites[static_cast<std::size_t>(picture - 1)]; }
  // Draws column c's queen and, for the current column, its red frame; restore first puts
  // the board back under the column.
  void DrawColumn(int c, bool restore);
  // Draws column c's queen in a picture; restore first puts the board back under it.
  void DrawQueen(int c, int picture, bool restore);
  void Restore(const QRect& r);
};

// The board window of the running demonstration; set while one exists.
inline TQueensForm* QueensForm = nullptr;
