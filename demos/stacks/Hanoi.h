#pragma once
// The Towers of Hanoi by the recursive procedure hanoi(n, x, y, z): n plates go from pole a
// to pole c through pole b. Each move of the text moves a plate on the towers and is written
// into the next numbered cell of the move list; each call pushes a row on the stack window
// and each return pops it.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TAckmanGraphForm;
class THanoiGraphForm;

// One row of the drawn stack: the line of the call that made the frame (0 for the call
// from Main, 5 and 7 for the two recursive calls) and the frame's n, x, y and z.
class THanoiStkData : public TData {
 public:
  THanoiStkData(const QString& name, int addr, int n, char x, char y, char z);
  // "0      3   a   b   c": Addr, n and the three poles, each under its heading.
  QString GetText() const override;

  int Addr, n;
  char x, y, z;
};

// The moves of hanoi(n, 'a', 'b', 'c') in the order the procedure makes them: the pole a
// plate leaves, its number in the text (1 the smallest) and the pole it goes to.
struct THanoiMove {
  char from;
  int plate;
  char to;
};
std::vector<THanoiMove> HanoiMoves(int n);

// The caption of a move's cell: the move number, ": " padded to 4 characters, then
// "a--2-->c" for plate 2 going from a to c.
QString HanoiMoveText(int moveNo, char from, int plate, char to);

class THanoi : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit THanoi(const QStringList& source);
  ~THanoi() override;

  void CreateChildWindow() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;
  void UpdateChildWindow() override;

  THanoiGraphForm* GraphForm() const { return graphForm_.get(); }
  TAckmanGraphForm* StackForm() const { return stackForm_.get(); }
  int N = 3;
  int MoveCount = 0;

  // ---- Step methods (procedure "Main", then "Hanoi", by line label)
  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE bool Hanoi_F_Begin();
  Q_INVOKABLE void Hanoi_LastMove();
  Q_INVOKABLE TData* Hanoi_C_FirstHanoi();
  Q_INVOKABLE void Hanoi_AfterFirstHanoi();
  Q_INVOKABLE void Hanoi_MiddleMove();
  Q_INVOKABLE TData* Hanoi_C_SecondHanoi();
  Q_INVOKABLE void Hanoi_AfterSecondHanoi();

 private:
  // A call made on line addr: the callee's record and a new row on the drawn stack.
  TData* Call(int addr, int n, char x, char y, char z);
  // The peg x, y or z of the running call.
  char Peg(const char* name) const;
  // Moves the top plate of x to z and writes the move into the next cell.
  void Move(int plate);
  // What the drawings stand for, read from the calls on the run stack: the moves the
  // procedure has made by the line it stands on, each call's row, each plate's place.
  void SayMeanings();
  int MovesMade() const;
  std::optional<QString> RowFor(int depth) const;
  std::optional<QString> PlateFor(int size) const;

  std::unique_ptr<THanoiGraphForm> graphForm_;
  std::unique_ptr<TAckmanGraphForm> stackForm_;
};
