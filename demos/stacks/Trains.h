#pragma once
// Railway cars through a stack: four cars enter in the order 1, 2, 3, 4 and may leave only
// through a dead-end siding. A recursive procedure generates every valid sequence of pushes
// ("S") and pops ("X"), depth first with S before X; each complete sequence is performed
// with animated cars and its output order recorded in one of fourteen result cells.
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TAckmanGraphForm;
class TTrainForm;

class TTrains : public TAlgoDemo {
  Q_OBJECT
 public:
  static constexpr int Cars = 4;

  explicit TTrains(const QStringList& source);
  ~TTrains() override;

  void CreateChildWindow() override;
  void DestroyChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override { return true; }
  void SetWindowRect() override;
  void Reset() override;
  void AfterConstruction() override;

  TTrainForm* Railway() const { return trainForm_.get(); }
  TAckmanGraphForm* StackForm() const { return stackForm_.get(); }

  // The stack window's row of a call: "1    0    4   S".
  static QString RowText(int pun, int pon, int n, const QString& order);
  // Every sequence Gen(0, 0, n, '') completes, in the order it completes them (S before X).
  static QStringList Sequences(int n);
  // The output order of a complete sequence ("4321"), cars numbered from 1.
  static QString OutputOf(const QString& sequence);

  // ---- Step methods: "Trains", then "GenOrder", then "Perform", by line label
  Q_INVOKABLE TData* Trains_C_Begin();
  Q_INVOKABLE void Trains_AfterBegin();
  Q_INVOKABLE bool GenOrder_F_Begin();
  Q_INVOKABLE TData* GenOrder_C_Over();
  Q_INVOKABLE void GenOrder_AfterOver();
  Q_INVOKABLE void GenOrder_Over() {}  // its jump goes to the closing line
  Q_INVOKABLE bool GenOrder_F_PunLess();
  Q_INVOKABLE TData* GenOrder_C_AddS();
  Q_INVOKABLE void GenOrder_AfterAddS();
  Q_INVOKABLE bool GenOrder_F_PonLess();
  Q_INVOKABLE TData* GenOrder_C_AddX();
  Q_INVOKABLE void GenOrder_AfterAddX();
  Q_INVOKABLE void Perform_Begin();
  Q_INVOKABLE bool Perform_F_WhileDo();
  Q_INVOKABLE bool Perform_F_IF_S();
  Q_INVOKABLE void Perform_PushIn();
  Q_INVOKABLE void Perform_PopOut();
  Q_INVOKABLE void Perform_IncPos();

 private:
  int Int(const char* name) const;
  QString Order() const;
  // The callee's arguments of Gen, with its row pushed on the stack window.
  TData* GenCall(int pun, int pon, int n, const QString& order);
  void PopRow();
  // The operation at pos (1-based) of the order, or nothing past its end.
  QString OpAt(int pos) const;

  // What the railway, its texts and the stack rows stand for, read from the calls on the run
  // stack: how many orders Gen has completed by the line it stands on, the order Perform
  // works on and how far, each call's row.
  struct TRunState {
    int completed = 0;      // orders recorded
    QString shown;          // the sequence whose performing the railway shows ("" none yet)
    int done = 0;           // its operations performed
    bool performing = false;
    int pos = 0;            // Perform's pos, while it performs
  };
  TRunState RunState() const;
  void SayMeanings();
  std::optional<QString> RowFor(int depth) const;

  std::unique_ptr<TTrainForm> trainForm_;
  std::unique_ptr<TAckmanGraphForm> stackForm_;
};
