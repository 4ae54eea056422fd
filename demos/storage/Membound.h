#pragma once
// Dynamic storage allocation by the boundary-tag method on a memory of 64 words. The main
// procedure loops on commands from the command window: allocate N words first fit from
// pav (cut from the high end of the block found), free the occupied block starting at N
// (one of four releases by the state of its neighbours), or end.
#include <memory>

#include "demos/storage/BoundMemory.h"
#include "demos/storage/MemCommandDemo.h"

class TBoundForm;

class TMemBound : public TMemCommandDemo {
  Q_OBJECT
 public:
  explicit TMemBound(const QStringList& source);
  ~TMemBound() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override { return true; }
  void ResetLocalData(const QString& procName) override;

  TBoundForm* BoundForm() const { return boundForm_.get(); }
  const TBoundMemory& Memory() const { return mem_; }

  // ---- MemBoundTag
  Q_INVOKABLE void MemBoundTag_Begin();
  Q_INVOKABLE void MemBoundTag_GetUserOrder();
  Q_INVOKABLE bool MemBoundTag_F_ActionA();
  Q_INVOKABLE bool MemBoundTag_F_ActionD();
  Q_INVOKABLE bool MemBoundTag_F_EndShow();
  Q_INVOKABLE void MemBoundTag_BoundA();
  Q_INVOKABLE TData* MemBoundTag_C_BoundA();
  Q_INVOKABLE void MemBoundTag_AfterBoundA();
  Q_INVOKABLE bool MemBoundTag_F_InputError();
  Q_INVOKABLE void MemBoundTag_ShowError();
  Q_INVOKABLE TData* MemBoundTag_C_BoundD();
  Q_INVOKABLE void MemBoundTag_AfterBoundD();
  // ---- Alloc
  Q_INVOKABLE void Alloc_Begin();
  Q_INVOKABLE bool Alloc_F_WhileDo();
  Q_INVOKABLE void Alloc_NextP();
  Q_INVOKABLE bool Alloc_F_Find();
  Q_INVOKABLE void Alloc_ReturnNull();
  Q_INVOKABLE bool Alloc_F_NotNUll();
  Q_INVOKABLE void Alloc_Getrlink();
  Q_INVOKABLE bool Alloc_F_Onlyone();
  Q_INVOKABLE void Alloc_SetNull();
  Q_INVOKABLE void Alloc_DeleteP();
  Q_INVOKABLE void Alloc_ChangeTag();
  Q_INVOKABLE void Alloc_Devide();
  Q_INVOKABLE void Alloc_ChangeSize();
  Q_INVOKABLE void Alloc_ChangeDown();
  Q_INVOKABLE void Alloc_NewMem();
  Q_INVOKABLE void Alloc_ReturnP();
  // ---- DeAlloc and its four cases
  Q_INVOKABLE bool DeAlloc_F_Begin();
  Q_INVOKABLE bool DeAlloc_F_RightFree();
  Q_INVOKABLE bool DeAlloc_F_LeftUsed();
  Q_INVOKABLE TData* DeAlloc_C_FreeFree();
  Q_INVOKABLE TData* DeAlloc_C_FreeUsed();
  Q_INVOKABLE TData* DeAlloc_C_UsedFree();
  Q_INVOKABLE TData* DeAlloc_C_UsedUsed();
  Q_INVOKABLE void DeAlloc_AfterFreeFree() {}
  Q_INVOKABLE void DeAlloc_AfterFreeUsed() {}
  Q_INVOKABLE void DeAlloc_AfterUsedFree() {}
  Q_INVOKABLE void DeAlloc_AfterUsedUsed() {}
  Q_INVOKABLE void Free_Free_Begin();
  Q_INVOKABLE void Free_Used_Begin();
  Q_INVOKABLE void Used_Free_Begin();
  Q_INVOKABLE void Used_Used_Begin();

 protected:
  TMemGraphForm& MemoryForm() const override;
  void InitMemoryPicture() override;
  void InitMemory() override;

 private:
  // The main procedure's record, also while a callee runs (it is then saved in the frame
  // of the first call).
  TData* MainRecord() const;
  void SetMain(const char* name, int value);
  void SetLocal(const char* name, int value);
  int P() const { return p_; }
  void SetP(int p);
  // pav as the memory has it, shown.
  void ShowPav();
  TData* CaseCall(const QString& status);

  TBoundMemory mem_;
  int p_ = 0;
  int f_ = 0;
  std::unique_ptr<TBoundForm> boundForm_;
};
