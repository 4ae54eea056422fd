#pragma once
// Merging two ordered sequential lists va and vb into vc: the smaller of the two current
// elements blinks and is copied to the end of vc; what is left of either list follows.
#include <QString>
#include <memory>

#include "demos/linear/SqlstGraphForm.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TMergeSqlist : public TFormDemo<TSqlstGraphForm> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  // Sorts s by character code in place; when it was not ordered, asks whether to go on with
  // the sorted text ("您输入的并非有序串,调整为..."): false when the user cancels. Needs no
  // demonstration: the searching demonstrations check their keys with it.
  static bool CheckOrderedString(QString& s);

  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;

  static constexpr int MaxLen = 10;
  QString TextA = QStringLiteral("acdijtuy");
  QString TextB = QStringLiteral("cfklns");

  Q_INVOKABLE void MergeSqlist_Begin();
  Q_INVOKABLE bool MergeSqlist_F_IfWhile1();
  Q_INVOKABLE bool MergeSqlist_F_CmpAB();
  Q_INVOKABLE void MergeSqlist_MergeA();
  Q_INVOKABLE void MergeSqlist_MergeB();
  Q_INVOKABLE bool MergeSqlist_F_IfWhile2();
  Q_INVOKABLE void MergeSqlist_LeaveA();
  Q_INVOKABLE bool MergeSqlist_F_IfWhile3();
  Q_INVOKABLE void MergeSqlist_LeaveB();
  Q_INVOKABLE void MergeSqlist_Finish();

 private:
  TData* List(const char* name) const;
  // k := k + 1; vc.elem[k] := from.elem[index]; index := index + 1.
  void Take(const char* from, const char* index);
};
