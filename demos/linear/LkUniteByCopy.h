#pragma once
// The union of two ordered linked lists la and lb into a new list lc built by copying: both
// lists are walked together, the smaller character is copied into a new node appended to
// lc, equal characters are copied once, and the rest of the longer list follows. Where ap,
// bp and cp stand is shown by node colours.
#include <memory>

#include "demos/linear/LinkForms.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"

class TLinkNode;

// The two ordered list texts asked for; kept while the program runs.
inline QString UniteTextA = QStringLiteral("adfi");
inline QString UniteTextB = QStringLiteral("cefi");

class TLkUniteByCopy : public TFormDemo<TLUF> {
  Q_OBJECT
 public:
  explicit TLkUniteByCopy(const QStringList& source);
  ~TLkUniteByCopy() override;
  void AfterConstruction() override;

  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void ResetLocalData(const QString& procName) override;
  void SetWindowRect() override;
  void Reset() override;
  void UpdateChildWindow() override;

  Q_INVOKABLE void LkUniteByCopy_Begin();
  Q_INVOKABLE void LkUniteByCopy_Init();
  Q_INVOKABLE bool LkUniteByCopy_F_Rotate();
  Q_INVOKABLE void LkUniteByCopy_NextC();
  Q_INVOKABLE bool LkUniteByCopy_F_IsANil();
  Q_INVOKABLE void LkUniteByCopy_BIntoC();
  Q_INVOKABLE bool LkUniteByCopy_F_IsBNil();
  Q_INVOKABLE void LkUniteByCopy_AIntoC();
  Q_INVOKABLE bool LkUniteByCopy_F_IsAEB();
  Q_INVOKABLE void LkUniteByCopy_ABIntoC();
  Q_INVOKABLE bool LkUniteByCopy_F_IsALB();
  Q_INVOKABLE void LkUniteByCopy_AIntoC2();
  Q_INVOKABLE void LkUniteByCopy_BIntoC2();
  Q_INVOKABLE void LkUniteByCopy_SetTail();

 private:
  // The node a pointer record ("ap", "bp", "cp", "tp") points at through its Next.
  TLinkNode* Ptr(const char* name) const;
  void SetPtr(const char* name, TLinkNode* node);
  // Copies the character under ap (list 1) or bp (list 2) into lc and moves that pointer on.
  void CopyInto(int list);

  int ai_ = 1, bi_ = 1, ci_ = 0;
  int newNodes_ = 0;
  std::unique_ptr<TLinkNode> nil_;  // what c's Next shows before the merge
};
