#pragma once
// Maze search: Seek(k, x, y) walks from cell (1, 1) of the 8 x 8 maze to cell (8, 8). An
// empty cell is marked visited, the goal ends the search, otherwise the four directions
// (right, down, left, up) are tried in turn and each step into the grid recurses; a cell
// from which no way leads on is marked returned. Each cell shows an arrow for the direction
// last taken from it, and a paged stack window lists the active calls.
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TfrmMazeGraphForm;
class TMazeData;
class TStkContainerForm;

// One row of the drawn stack: the line of the call that made the frame (0 from Main, 2 for
// the recursive call), succ, k, x, y and i (-1 while the frame has not set it).
class TMazeStkData : public TData {
 public:
  TMazeStkData(const QString& name, int addr, bool succ, int k, int x, int y, int i);
  // "2     FALSE   2   2   1   1" under "Addr   succ   k   x   y   i": Addr from the heading's
  // first letter, the others flush with their headings' last letters (i blank while -1).
  QString GetText() const override;

  int Addr, k, x, y, i;
  bool succ;
};

class TMaze : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TMaze(const QStringList& source);
  ~TMaze() override;

  void DemoFinished() override;
  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  bool CreateData() override;
  void ResetLocalData(const QString& procName) override;
  void SaveData(const QString& fileName) override;
  void LoadData(const QString& fileName) override;
  void SetWindowRect() override;
  void Reset() override;
  void UpdateChildWindow() override;
  void AfterConstruction() override;

  TfrmMazeGraphForm* GraphForm() const { return graphForm_.get(); }
  TStkContainerForm* StkContainer() const { return stkContainer_.get(); }
  TMazeData* Maze() const;

  // Steps of direction i = 1 .. 4 (right, down, left, up; x the column, y the row) and the
  // cell state of the arrow left for it.
  static int Dx(int i);
  static int Dy(int i);
  static std::uint8_t Arrow(int i);

  // ---- Step methods (procedure "Main", then "Seek", by line label)
  Q_INVOKABLE void Main_Begin();
  Q_INVOKABLE TData* Main_C_StartSeek();
  Q_INVOKABLE void Main_AfterStartSeek();
  Q_INVOKABLE bool Seek_F_Begin();
  Q_INVOKABLE void Seek_visit();
  Q_INVOKABLE bool Seek_F_TestGoal();
  Q_INVOKABLE void Seek_Goal();
  Q_INVOKABLE void Seek_Seti();
  Q_INVOKABLE bool Seek_F_Search();
  Q_INVOKABLE void Seek_Inci();
  Q_INVOKABLE bool Seek_F_TestBound();
  Q_INVOKABLE TData* Seek_C_NextStep();
  Q_INVOKABLE void Seek_AfterNextStep();
  Q_INVOKABLE void Seek_NextStep();
  Q_INVOKABLE bool Seek_F_TestSucc();
  Q_INVOKABLE void Seek_Mark();

 private:
  // The callee's record (a fresh succ, k, x, y), made the frame worked on, and its row
  // pushed on the drawn stack.
  TData* Call(int addr, int k, int x, int y);
  // The top row shows the frame's present succ, k, x, y and i.
  void ReplaceTopRow();
  // The algorithm's m[x, y] (its place in m_), and m[x, y] := state shown in the maze.
  static std::size_t MIndex(int x, int y);
  std::uint8_t M(int x, int y) const { return m_.at(MIndex(x, y)); }
  void SetM(int x, int y, std::uint8_t state);
  // What the maze and the stack rows stand for: the algorithm's m and each call's record.
  std::optional<QString> RowFor(int depth) const;

  // succ of the most recent callee: every call makes a fresh one, and the one that reaches
  // the goal turns true, which every resumed frame then tests. Its record goes when its frame
  // returns, so its value is kept here.
  bool succ_ = false;
  // The algorithm's maze m, in file order: the walls edited, then what the search marks. The
  // drawn maze shows it.
  std::array<std::uint8_t, 64> m_{};
  std::unique_ptr<TfrmMazeGraphForm> graphForm_;
  std::unique_ptr<TStkContainerForm> stkContainer_;
};
