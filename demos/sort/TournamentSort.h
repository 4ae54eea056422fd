#pragma once
// Tournament sort: the keys are the leaves of a winner tree, each inner node takes the
// smaller of its children with the index of its record; the root is output, its leaf set to
// a maximum key, and only the path from that leaf to the root is played again.
#include <memory>
#include <vector>

#include "demos/sort/SortDemo.h"

class TWinnerTree;

class TTourSortGraphForm : public TSortGraphForm {
 public:
  explicit TTourSortGraphForm(QWidget* parent = nullptr);
  TZqStaticText* AutoSizeEdit1;
  TWinnerTree* Tree;
};

class TTournamentSort : public TFormSortDemo<TTourSortGraphForm> {
  Q_OBJECT
 public:
  static constexpr char Max = '\\';  // above every capital letter

  using TFormSortDemo::TFormSortDemo;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void Reset() override;

  Q_INVOKABLE TData* tournament_C_Begin();
  Q_INVOKABLE void tournament_AfterBegin();
  Q_INVOKABLE bool tournament_F_For();
  Q_INVOKABLE void tournament_Line1();
  Q_INVOKABLE void tournament_Line2();
  Q_INVOKABLE TData* tournament_C_Line3();
  Q_INVOKABLE void tournament_AfterLine3() {}
  Q_INVOKABLE void tournament_Line3() {}
  Q_INVOKABLE void tournament_Line4();
  Q_INVOKABLE bool constructtree_F_Begin();
  Q_INVOKABLE void constructtree_Line1();
  Q_INVOKABLE void constructtree_Line2();
  Q_INVOKABLE void constructtree_Line3();
  Q_INVOKABLE bool constructtree_F_While();
  Q_INVOKABLE bool constructtree_F_If();
  Q_INVOKABLE void constructtree_Line4();
  Q_INVOKABLE void constructtree_Else();
  Q_INVOKABLE void constructtree_Line5();
  Q_INVOKABLE bool selectwinner_F_Begin();
  Q_INVOKABLE bool selectwinner_F_If();
  Q_INVOKABLE void selectwinner_Line1();
  Q_INVOKABLE void selectwinner_Else();
  Q_INVOKABLE void selectwinner_Line2();
  Q_INVOKABLE bool selectwinner_F_If2();
  Q_INVOKABLE void selectwinner_Line3();
  Q_INVOKABLE void selectwinner_Else2();
  Q_INVOKABLE void selectwinner_Line4();

 private:
  int N() const { return static_cast<int>(Keys.size()); }
  TData* W() const;
  TData* R() const;
  // One counted move: w[dest] takes w[src] (tree node with its Id, and the vector).
  void CopyWinner(int dest, int src);
  void Output(int i);

  int Counter = 1;
  // The winner ids w[1].id .. w[2n-1].id of the text, which the engine holds no variable of
  // (the tree shows them in its nodes); item 0 unused.
  std::vector<int> Ids;
};
