#pragma once
// Storage compaction on a memory of 100 units: no algorithm to step through; the user
// allocates named blocks and frees them with the window's two buttons, and the memory is
// compacted when a new block does not fit behind the last one.
#include <memory>

#include "framework/drawkit/GraphForm.h"
#include "framework/engine/AlgoDemo.h"

class TStoreBase;
class QPushButton;

class TMempackform : public TGraphForm {
 public:
  explicit TMempackform(QWidget* parent = nullptr);

  TStoreBase* Store;
  QPushButton* AllocBtn;
  QPushButton* FreeBtn;

 protected:
  void FormResize() override;
};

class TMemPack : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TMemPack(const QStringList& source);
  ~TMemPack() override;

  void CreateChildWindow() override;
  bool CreateData() override { return true; }
  void SetWindowRect() override;
  void UpdateChildWindow() override;

  TMempackform* Form() const { return form_.get(); }

 private:
  std::unique_ptr<TMempackform> form_;
};
