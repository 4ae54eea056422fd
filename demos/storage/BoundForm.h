#pragma once
// The drawing window of the boundary-tag method: the 64 words in four columns of sixteen,
// each head with its llink, tag, size and rlink boxes and each foot with uplink and tag,
// occupied blocks in green; below them the free list from pav; a status line at the bottom.
#include "demos/storage/MemGraphForm.h"

class TBoundMemory;

class TBoundForm : public TMemGraphForm {
 public:
  explicit TBoundForm(QWidget* parent = nullptr);

  // The memory drawn (not owned).
  const TBoundMemory* Memory = nullptr;

  // The geometry for Cols words in each of Rows columns, and a redraw.
  void InitMemoryPicture(int cols, int rows);
 protected:
  void FormPaint() override;

 private:
  void DrawWord(int i);
  void DrawFreeList();
  int cols_ = 16;
  int rows_ = 4;
  int cellW_ = 0;
  int cellH_ = 0;
};

// A number two characters wide: a blank before one below 10.
QString GetString(int n);
