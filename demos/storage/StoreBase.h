#pragma once
// The drawing kit of storage compaction: TStoreUnit, one drawn memory unit or table cell,
// and TStoreBase, the memory of 100 units on the left with the table of its blocks beside it
// and the operations the compaction window's buttons call.
#include <QString>
#include <array>

#include "demos/storage/StoreModel.h"
#include "framework/drawkit/KitControl.h"
#include "framework/drawkit/NodeContainer.h"
#include "platform/Font.h"

enum Tstate { clnormal = 0, clread = 1, clwrite = 2 };
// The state of a unit of an allocated block (and of a coloured table cell).
constexpr int kStateAllocated = 3;

class TStoreUnit : public TCanvasWidget, public TKitControl {
 public:
  explicit TStoreUnit(QWidget* parent = nullptr);

  // The setters store without repainting; callers repaint.
  int state = clnormal;
  QString data;
  TColor color = clWhite;
  // The font of its text, set with its place.
  TFont font;

  // What the unit shows: its data when normal, "R" or "w" when read or written, nothing
  // when it shows a block's colour.
  QString DrawingText() const override;

 protected:
  void Paint() override;
};

class TStoreBase : public TNodeContainer {
 public:
  explicit TStoreBase(QWidget* parent = nullptr);

  int totalnumber = TStoreModel::kUnits;
  // The table's first line.
  static constexpr std::array<const char*, 5> kHeader = {"name", "begin", "size", "state", "color"};
  static constexpr int kLines = TStoreModel::kMaxRows + 1;
  // The longest name the table's name cells show at a readable size (twelve wide letters).
  static constexpr int kMaxName = 12;

  // Places the units and the table cells for the present size and shows the blocks.
  virtual void Layout();
  void AfterRescale() override { Layout(); }

  // Appends a block (compacting first when needed); refusals are told in a message box.
  void Allocate(const QString& name, int size);
  void Free(const QString& name);
  void Compact();
  // The two questions of the compaction window's buttons. They ask under the units, where
  // they hide neither the memory nor the table's names.
  void AllocateSpaceQuery();
  void FreeSpaceQuery();
  // That place on the screen: the left half below the units, down to the window's bottom.
  QRect QueryPlace() const;

  // The 100 units as nodes, each noted with the block whose colour it shows (a free one:
  // nothing), and the table's cells beside them; each stands for what the model holds there.
  // The table lists the blocks, as the variables do: no node of the memory.
  std::vector<TDrawnShape> DrawingShapes() const override;
  // The name of the allocated block whose colour a unit or colour cell shows; nothing for a
  // white one.
  QString ColourSays(const TStoreUnit& unit) const;

  const TStoreModel& Model() const { return model_; }
  TStoreUnit* Unit(int u) const { return units_.at(static_cast<std::size_t>(u - 1)); }
  TStoreUnit* Cell(int line, int col) const { return cells_.at(static_cast<std::size_t>(line * 5 + col)); }

 private:
  // Units and table as the model has them now, repainted.
  void ShowBlocks();
  TStoreModel model_;
  TFont font_;
  QSize textRoom_;
  std::array<TStoreUnit*, TStoreModel::kUnits> units_{};
  std::array<TStoreUnit*, kLines * 5> cells_{};
};
