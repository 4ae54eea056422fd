#pragma once
// Allocation and release by the buddy system on a memory of 64 words. The main procedure
// loops on commands from the command window: allocate N words from the smallest size class
// that holds them (splitting a larger block into buddies), free the occupied block starting
// at N (merging it with its free buddy as long as there is one), or end.
#include <memory>
#include <optional>
#include <vector>

#include "demos/storage/BuddyMemory.h"
#include "demos/storage/MemCommandDemo.h"

class TBuddyForm;

class TMemBuddy : public TMemCommandDemo {
  Q_OBJECT
 public:
  explicit TMemBuddy(const QStringList& source);
  ~TMemBuddy() override;

  void CreateChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override { return true; }
  void ResetLocalData(const QString& procName) override;

  Q_INVOKABLE QString GetString(int n) const;
  Q_INVOKABLE void ShowInfor();

  TBuddyForm* BuddyForm() const { return buddyForm_.get(); }

  // ---- MemBuddy
  Q_INVOKABLE void MemBuddy_Begin();
  Q_INVOKABLE void MemBuddy_GetUserOrder();
  Q_INVOKABLE bool MemBuddy_F_ActionA();
  Q_INVOKABLE bool MemBuddy_F_ActionD();
  Q_INVOKABLE bool MemBuddy_F_EndShow();
  Q_INVOKABLE void MemBuddy_BoundA();
  Q_INVOKABLE TData* MemBuddy_C_BoundA();
  Q_INVOKABLE void MemBuddy_AfterBoundA();
  Q_INVOKABLE bool MemBuddy_F_InputError();
  Q_INVOKABLE void MemBuddy_ShowError();
  Q_INVOKABLE TData* MemBuddy_C_BuddyD();
  Q_INVOKABLE void MemBuddy_AfterBuddyD();
  // ---- Alloc
  Q_INVOKABLE void Alloc_Begin();
  Q_INVOKABLE bool Alloc_F_WhileDo();
  Q_INVOKABLE bool Alloc_F_Enough();
  Q_INVOKABLE void Alloc_Inck();
  Q_INVOKABLE void Alloc_Find();
  Q_INVOKABLE bool Alloc_F_NotFound();
  Q_INVOKABLE void Alloc_ReturnN();
  Q_INVOKABLE void Alloc_GetMem();
  Q_INVOKABLE void Alloc_Seti();
  Q_INVOKABLE bool Alloc_F_Larger();
  Q_INVOKABLE void Alloc_Insert();
  // ---- DeAlloc
  Q_INVOKABLE void DeAlloc_Begin();
  Q_INVOKABLE bool DeAlloc_F_ModP0();
  Q_INVOKABLE void DeAlloc_Buddy1();
  Q_INVOKABLE void DeAlloc_Buddy2();
  Q_INVOKABLE void DeAlloc_MemFree();
  Q_INVOKABLE bool DeAlloc_F_CheckMem();
  Q_INVOKABLE void DeAlloc_Delete();
  Q_INVOKABLE void DeAlloc_DoubleMem();
  Q_INVOKABLE bool DeAlloc_F_PLarger();
  Q_INVOKABLE void DeAlloc_ChangeP();
  Q_INVOKABLE bool DeAlloc_F_Finished();
  Q_INVOKABLE void DeAlloc_Insert();

 protected:
  TMemGraphForm& MemoryForm() const override;
  void InitMemoryPicture() override;
  void InitMemory() override;

 private:
  void SetInt(const char* name, int value);
  void SetBool(const char* name, bool value);
  void SetK(int k);
  void SetP(int p);
  void SetBuddy(int buddy);

  TBuddyMemory mem_;
  // The run's registers: Alloc's class, split counter, found flag and block; DeAlloc's block
  // address, buddy and merge flag.
  int k_ = 0;
  int i_ = 0;
  bool found_ = false;
  std::optional<int> pa_;
  int p_ = 0;
  int buddy_ = 0;
  bool freemem_ = false;
  // The record of the block being released, out of the block list while it merges.
  TBuddyMemory::TBlock released_;
  // What the memory bar draws of the blocks off the block list: the block being split, or the
  // block being released with the buddy it is merging with. They are still in memory.
  std::vector<TBuddyMemory::TBlock> working_;
  std::unique_ptr<TBuddyForm> buddyForm_;
};
