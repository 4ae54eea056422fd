#pragma once
// The drawing window of the buddy system: one row per size class with its free list, the
// memory as a bar of blocks on the right (occupied red, free white), a status line below.
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "demos/storage/BuddyMemory.h"
#include "demos/storage/MemGraphForm.h"
#include "framework/drawkit/NodeContainer.h"

class TMemBox;
class TMemList;

// The memory as a column of blocks, each as high as its words, labelled with its address.
class TBuddyBar : public TNodeContainer {
 public:
  explicit TBuddyBar(QWidget* parent = nullptr);

  // The blocks of memory and those an allocation or release holds off the block list while it
  // works on them, laid out and repainted; nothing for no memory.
  void Show(const TBuddyMemory* memory, const std::vector<TBuddyMemory::TBlock>& working, int words);
  // The blocks from the lowest address: "0-7 used | 8-15 free | ...".
  QString DrawingText() const override;
  // What the block drawn from word addr on stands for: the address it is labelled with and,
  // in its note, "used" or "free" as its fill says; nothing: not held.
  std::function<std::optional<QString>(int addr)> AddressStandsFor;
  std::function<std::optional<QString>(int addr)> FillStandsFor;
  // The first word a block drawn at top starts at, -1 for none.
  int AddressAt(int top) const;
  void AfterRescale() override { Layout(); }

 protected:
  // The ground, without a frame of its own.
  void Paint() override;

 private:
  void Layout();
  const TBuddyMemory* memory_ = nullptr;
  int words_ = 64;
  // The blocks as last laid out: a redraw that changes nothing paints nothing.
  std::vector<TBuddyMemory::TBlock> shown_;
  std::vector<TMemBox*> blocks_;
};

class TBuddyForm : public TMemGraphForm {
 public:
  explicit TBuddyForm(QWidget* parent = nullptr);

  // The memory drawn (not owned).
  const TBuddyMemory* Memory = nullptr;
  // The blocks the demonstration holds off the block list while it splits or merges them
  // (not owned): they are still in memory and drawn as such.
  const std::vector<TBuddyMemory::TBlock>* Working = nullptr;
  // What entry j of the free list of class k stands for; nothing: not held.
  std::function<std::optional<QString>(int k, int entry)> ListStandsFor;
  TBuddyBar& Bar() const { return *bar_; }

  // The geometry for a bar of `words` words and free lists of classes 0..classes.
  void InitMemoryPicture(int words, int classes);
  // Shows the free lists and the memory bar as they are now.
  void ShowMemory() override;
  void ShowInfor() { ShowMemory(); }

 private:
  int words_ = 64;
  int classes_ = 6;
  std::array<TMemList*, 7> lists_{};
  TBuddyBar* bar_;
};
