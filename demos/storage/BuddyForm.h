#pragma once
// The drawing window of the buddy system: one row per size class with its free list, the
// memory as a bar of blocks on the right (occupied red, free white), a status line below.
#include "demos/storage/MemGraphForm.h"

class TBuddyMemory;

class TBuddyForm : public TMemGraphForm {
 public:
  explicit TBuddyForm(QWidget* parent = nullptr);

  // The memory drawn (not owned).
  const TBuddyMemory* Memory = nullptr;

  // The geometry for a bar of `words` words and free lists of classes 0..classes.
  void InitMemoryPicture(int words, int classes);
  // Paints the free lists and the memory bar as they are now.
  void ShowInfor() { Redraw(); }

 protected:
  void FormPaint() override;

 private:
  void DrawFreeLists();
  void DrawMemoryBar();
  int words_ = 64;
  int classes_ = 6;
};
