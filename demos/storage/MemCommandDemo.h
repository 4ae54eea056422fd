#pragma once
// The allocation methods run from the command window (boundary tags, buddy system):
// TMemCommandDemo, their common base.
#include <initializer_list>
#include <memory>

#include "demos/storage/MemUserGraph.h"
#include "framework/engine/AlgoDemo.h"

class TMemGraphForm;

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
  // The memory window beside the algorithm and the variables.
  void SetWindowRect() override;
  // Nothing of the memory drawn until it is initialised again.
  void Reset() override;
  // The memory drawn as it is after every line, also inside a call that is still changing it.
  void UpdateChildWindow() override;

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
  // The command window where it covers neither the toolbar nor the memory drawing.
  void PlaceUserForm();

  TMemUserForm::TAction action_ = TMemUserForm::Allocate;
  std::unique_ptr<TMemUserForm> userForm_;
};
