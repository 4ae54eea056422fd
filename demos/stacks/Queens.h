#pragma once
// The N-queens problem by the recursive procedure seek(k): column k tries the rows one by
// one, a queen stays where it collides with none of the queens of the earlier columns, and
// seek(k+1) follows. The board window shows the search; every complete placement is
// announced in the message window. The Pascal text counts columns, rows and the array q
// from 1, the C text from 0; the board always draws rows from 1.
#include <QString>
#include <memory>
#include <optional>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TCoolMsgDlg;
class TQueensForm;

// One row of the drawn stack: the line of the call that made the frame (0 for the call
// from Main, 8 for the recursive call), then k and i.
class TQueensStkData : public TData {
 public:
  TQueensStkData(const QString& name, int addr, int k, int i);
  // "8       2    3": Addr, then k and i, each under its heading.
  QString GetText() const override;

  int Addr, k, i;
};

class TQueens : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TQueens(const QStringList& source);
  ~TQueens() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  TQueensForm* BoardForm() const { return boardForm_.get(); }
  int N = 8;
  int SolutionCount = 0;

  // ---- Step methods (procedure "Main", then "Queens", by line label)
  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE bool Queens_F_Begin();
  Q_INVOKABLE bool Queens_F_TestCollid();
  Q_INVOKABLE void Queens_PlaceQueen();
  Q_INVOKABLE bool Queens_F_LastOne();
  Q_INVOKABLE void Queens_PrintQueen();
  Q_INVOKABLE TData* Queens_C_Seek();
  Q_INVOKABLE void Queens_AfterSeek();
  Q_INVOKABLE void Queens_Recurse();
  Q_INVOKABLE bool Queens_F_NextPos();

 private:
  // The first column, row and array index of the chosen language (1 in Pascal, 0 in C).
  static int Base();
  // A call of seek for column k: the callee's record and a new row on the drawn stack.
  TData* Call(int addr, int k);
  // i of the frame being worked on := value, shown in the top row too.
  void SetI(int value);
  // q[k] := value.
  void SetQ(int value);
  // What the board and the stack rows stand for, read from the calls on the run stack and
  // the global q: each call's row, each column's queen (its row, and whether it is placed,
  // tried or in conflict with the one being tried).
  void SayMeanings();
  std::optional<QString> RowFor(int depth) const;
  std::optional<QString> QueenFor(int column) const;

  std::unique_ptr<TCoolMsgDlg> msgDlg_;
  std::unique_ptr<TQueensForm> boardForm_;
};
