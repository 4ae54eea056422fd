#pragma once
// The drawing window of the boundary-tag method: the 64 words in four columns of sixteen,
// each head with its llink, tag, size and rlink boxes and each foot with uplink and tag,
// occupied blocks in green; below them the free list from pav; a status line at the bottom.
#include <QList>
#include <array>
#include <functional>
#include <optional>

#include "demos/storage/MemGraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/PaintBox.h"

class TBoundMemory;
class TMemList;
class TNodeContainer;

// One word of the memory: its address and field boxes when it is a head or a foot.
class TBoundWord : public TCanvasWidget, public TKitControl {
 public:
  struct TLook {
    bool occupied = false;
    // The fields shown in boxes, left to right; none for an inner word.
    QList<int> fields;
    TFont font;
    friend bool operator==(const TLook&, const TLook&) = default;
  };
  TBoundWord(int address, QWidget* parent);

  // Repaints only when the look changed.
  void Show(const TLook& look);

  // "address field field ..." for a head or a foot, nothing for an inner word.
  QString DrawingText() const override;
  // A head or a foot is a node of the memory; an inner word shows nothing to read, a cell
  // of it. Each is noted with what its fill says, "used" or "free", and stands for Stands.
  std::vector<TDrawnShape> DrawingShapes() const override;
  std::vector<TValueMeaning> Stands;

 protected:
  void Paint() override;

 private:
  int address_;
  TLook look_;
};

class TBoundForm : public TMemGraphForm {
 public:
  explicit TBoundForm(QWidget* parent = nullptr);

  // The memory drawn (not owned).
  const TBoundMemory* Memory = nullptr;
  // What word i (its text, and its fill in its note) and entry j of the free list stand for
  // in the algorithm; nothing: not held.
  std::function<std::optional<QString>(int word)> WordTextStandsFor;
  std::function<std::optional<QString>(int word)> WordFillStandsFor;
  std::function<std::optional<QString>(int entry)> FreeListStandsFor;

  // The geometry for Cols words in each of Rows columns, and the memory drawn again.
  void InitMemoryPicture(int cols, int rows);
  void ShowMemory() override;

 protected:
  void FormResize() override;

 private:
  void LayoutWords();
  int cols_ = 16;
  int rows_ = 4;
  std::array<TNodeContainer*, 4> columns_{};
  std::array<TBoundWord*, 64> words_{};
  TMemList* freeList_;
};
