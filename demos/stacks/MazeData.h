#pragma once
// The 8 x 8 maze: a drawn grid of 64 picture cells whose states the search changes, its
// random fill and its 64-byte data file.
//
// Cell states and their pictures (image folder):
//   0 empty "mazeEmpty.bmp"      1 wall "mazeBlocked.bmp"     2 visited "mazeVisited.bmp"
//   3 returned "mazeReturned.bmp" 4 left upward "mazeUp.bmp"   5 left downward "mazeDown.bmp"
//   6 left to the left "mazeLeft.bmp"                          7 left to the right "mazeRight.bmp"
//
// Maze file: exactly 64 bytes, no header; byte (x - 1) * 8 + (y - 1) is the state of cell
// [x, y] (x the column from the left, y the row from the top), so the first 8 bytes are the
// leftmost column from top to bottom.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "framework/drawkit/NodeContainer.h"
#include "framework/engine/Errors.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"

class TMazeData;

enum TMazeState : std::uint8_t {
  msEmpty = 0,
  msWall = 1,
  msVisited = 2,
  msReturned = 3,
  msUp = 4,
  msDown = 5,
  msLeft = 6,
  msRight = 7,
};

// A maze file that cannot be read or is not a maze file; the text says which and why.
class EMazeFileError : public Exception {
 public:
  using Exception::Exception;
};

// One cell: a stretched picture of its state; a click is passed to the maze. The cell is a
// node of the drawing by itself: its picture (no glyphs) says its state, written as the maze's
// rows write it (".#ox^v<>").
class TMazeNode : public TImage, public TKitControl {
 public:
  TMazeNode(TMazeData* maze, int x, int y);
  // Itself, noted with its picture's character, standing for what the maze's StandsFor says
  // of its cell.
  std::vector<TDrawnShape> DrawingShapes() const override;

  std::uint8_t State() const { return state_; }
  // Stores the state and shows picture number state of the maze's cell pictures.
  void SetState(std::uint8_t state);
  TMazeData* Maze() const { return maze_; }
  int X() const { return x_; }
  int Y() const { return y_; }

 private:
  TMazeData* maze_;
  int x_;
  int y_;
  std::uint8_t state_ = msEmpty;
};

class TMazeData : public TNodeContainer {
 public:
  static constexpr int Size = 8;
  static constexpr int FileSize = Size * Size;
  static constexpr int CellPictureSide = 50;

  // Loads the eight cell pictures and makes the 64 cells, all empty.
  explicit TMazeData(QWidget* parent = nullptr);

  int GetCell(int x, int y) const { return Node(x, y)->State(); }
  void SetCell(int x, int y, std::uint8_t state) { Node(x, y)->SetState(state); }
  // Cell [x, y], x and y 1 .. 8; raises "index out of bounds" outside the grid.
  TMazeNode* Node(int x, int y) const;

  // Reseeds the generator from the clock, then for x = 1..8, y = 1..8 a cell becomes a wall
  // when a uniform draw from [0, 1) exceeds 0.7, else empty. Entrance and exit included.
  void RandomFill();
  // Copies all 64 states of another maze.
  void Assign(const TMazeData& source);
  // Every cell that is not a wall becomes empty: the marks of a search are dropped.
  void ClearMarks();

  // Writes the maze file. The file is replaced only once the whole of it was written, so a
  // failed save keeps the previous file. Raises EMazeFileError.
  void SaveToFile(const QString& fileName) const;
  // Reads a maze file. The whole file is read and checked before any cell changes: a file
  // that cannot be read or is not 64 bytes long raises EMazeFileError and leaves the maze
  // as it was. A state other than a wall is read as empty.
  void LoadFromFile(const QString& fileName);

  // The file's bytes for the present states, and the states a file's bytes give.
  QByteArray FileBytes() const;
  using TCells = std::array<std::uint8_t, FileSize>;  // in file order
  static TCells StatesFromFile(const QByteArray& bytes);

  // Edits a copy in the maze editor (without the marks of a search); on OK the maze takes
  // the copy's states. Returns whether OK was pressed.
  bool Edit();

  // Told of a click on a cell.
  std::function<void(TMazeNode& node)> OnNodeClick;
  void DoNodeClick(TMazeNode& node);

  const TImageList& CellImages() const { return cellImages_; }

  // The maze in characters, rows from the top joined by "|", each cell as its picture shows
  // it: "." empty, "#" wall, "o" visited, "x" returned, "^" "v" "<" ">" the arrows. It is
  // also the control's accessible description (what its pictures show, in words).
  QString Rows() const;
  static QChar StateChar(std::uint8_t state);
  // What cell [x, y] stands for in the algorithm, written as StateChar writes it; nothing:
  // not held now.
  std::function<std::optional<QString>(int x, int y)> StandsFor;
  // A cell's state changed.
  void CellChanged();

  // Lays the cells out: a margin of 4 on every side, the rest shared by 8 x 8 cells.
  void AfterRescale() override;

 protected:
  // The backdrop under the margin and a red frame; the cells are their own controls.
  void Paint() override;

 private:
  TImageList cellImages_{CellPictureSide, CellPictureSide};
  std::array<TMazeNode*, FileSize> nodes_{};  // in file order; children of the maze
};
