#pragma once
// The drawing window of the boundary-tag method: the 64 words in four columns of sixteen,
// each head with its llink, tag, size and rlink boxes and each foot with uplink and tag,
// occupied blocks in green; below them the free list from pav; a status line at the bottom.
#include "framework/drawkit/GraphForm.h"

class TBoundMemory;
class TZqStaticText;

class TBoundForm : public TGraphForm {
 public:
  explicit TBoundForm(QWidget* parent = nullptr);

  // The memory drawn (not owned); nothing of it is drawn until MemoryShown is set.
  const TBoundMemory* Memory = nullptr;
  bool MemoryShown = false;

  // The geometry for Cols words in each of Rows columns, and a redraw.
  void InitMemoryPicture(int cols, int rows);
  void SetStatusText(const QString& s);
  // Paints the memory and the free list as they are now.
  void Redraw();

  TZqStaticText* Panel1;

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
