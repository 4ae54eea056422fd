#pragma once
// The storage kit. For storage compaction: TStoreUnit, one drawn memory unit or table cell,
// and TStoreBase, the memory of 100 units on the left with the table of its blocks beside it
// and the operations the compaction window's buttons call. For the allocation methods run
// from the command window (boundary tags, buddy system): TMemCommandDemo, their common base.
#include <QString>
#include <array>
#include <initializer_list>
#include <memory>

#include "demos/storage/MemUserGraph.h"
#include "demos/storage/StoreModel.h"
#include "framework/drawkit/KitControl.h"
#include "framework/drawkit/NodeContainer.h"
#include "framework/engine/AlgoDemo.h"

class TMemGraphForm;

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

  // Places the units and the table cells for the present size and shows the blocks.
  virtual void Layout();
  void AfterRescale() override { Layout(); }

  // Appends a block (compacting first when needed); refusals are told in a message box.
  void Allocate(const QString& name, int size);
  void Free(const QString& name);
  void Compact();
  // The two questions of the compaction window's buttons.
  void AllocateSpaceQuery();
  void FreeSpaceQuery();

  const TStoreModel& Model() const { return model_; }
  TStoreUnit* Unit(int u) const { return units_.at(static_cast<std::size_t>(u - 1)); }
  TStoreUnit* Cell(int line, int col) const { return cells_.at(static_cast<std::size_t>(line * 5 + col)); }

 private:
  // Units and table as the model has them now, repainted.
  void ShowBlocks();
  TStoreModel model_;
  std::array<TStoreUnit*, TStoreModel::kUnits> units_{};
  std::array<TStoreUnit*, kLines * 5> cells_{};
};

// A demonstration whose main procedure loops on the commands of the command window and shows
// a memory in a TMemGraphForm: the command window, the last command and its number, and
// what the steps the main procedures share do. The step methods stay with each
// demonstration, named after its texts.
class TMemCommandDemo : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TMemCommandDemo(const QStringList& source);
  ~TMemCommandDemo() override;

  // The command window, hidden until a command is asked for; the derived class makes its
  // memory window after it.
  void CreateChildWindow() override;
  // The memory window beside the algorithm and the variables, the command window apart.
  void SetWindowRect() override;
  // Nothing of the memory drawn until it is initialised again.
  void Reset() override;

  TMemUserForm* UserForm() const { return userForm_.get(); }

 protected:
  // The derived class's memory window, and the layout of its picture for the memory's size.
  virtual TMemGraphForm& MemoryForm() const = 0;
  virtual void InitMemoryPicture() = 0;
  // Sets the memory up as free (and shows what the variables hold of it).
  virtual void InitMemory() = 0;

  // InitSpace: the memory set up and drawn from now on.
  void InitSpace();
  // GetUserOrder(Action, N): the next command; true when it brings a number (now in n_).
  bool GetUserOrder();
  bool Allocating() const { return action_ == TMemUserForm::Allocate; }
  bool Releasing() const { return action_ == TMemUserForm::DeAllocate; }
  bool Ending() const { return action_ == TMemUserForm::EndShow; }
  // The status line at an allocation, when it found no room, and for a number that is no
  // occupied block's first address.
  void ShowAllocating();
  void ShowNoSpace();
  void ShowInputError();
  // A record of integers (0) and booleans (true), named as given, for a call's frame.
  static TData* NewRecord(std::initializer_list<const char*> ints, std::initializer_list<const char*> bools = {});

  int n_ = 0;

 private:
  TMemUserForm::TAction action_ = TMemUserForm::Allocate;
  std::unique_ptr<TMemUserForm> userForm_;
};
