#pragma once
// The drawing windows of the internal sorts built on one key row: each places its row, its
// captions, its counters and the boxes its demonstration moves beside the row.
#include <QPointer>
#include <array>

#include "demos/sort/SortDemo.h"
#include "platform/Controls.h"

// An arrow picture under a row that stands for a variable and points up at the box it names.
class TPointerPicture : public TImage, public TKitControl {
 public:
  TPointerPicture(QWidget* parent, const QString& variable);
  // The box pointed at; nullptr hides the arrow.
  void PointAt(TSortNode* box) { target_ = box; }
  QString DrawingText() const override { return accessibleDescription(); }
  QList<const QWidget*> DrawingTargets() const override { return {target_.data()}; }
  // A mark on its box, its tip at the middle of the picture's top edge.
  std::vector<TDrawnShape> DrawingShapes() const override;

 private:
  QString variable_;
  QPointer<TSortNode> target_;
};

class TInSortGraphForm : public TSortGraphForm {
 public:
  explicit TInSortGraphForm(QWidget* parent = nullptr);
  TSortNode* x;
  TSortNode* r0;
  TZqStaticText* LabelR0;
  TZqStaticText* ZqStaticText2;
};

class TBubGraphForm : public TSortGraphForm {
 public:
  explicit TBubGraphForm(QWidget* parent = nullptr);
  TZqStaticText* ZqStaticText1;
};

class TSelSortGraphForm : public TSortGraphForm {
 public:
  explicit TSelSortGraphForm(QWidget* parent = nullptr);
  TZqStaticText* ZqStaticText1;
};

class TListSortGraphForm : public TSortGraphForm {
 public:
  explicit TListSortGraphForm(QWidget* parent = nullptr);
  TListSortNode* r0;
  TZqStaticText* LabelR0;
  TZqStaticText* ZqStaticText2;
};

class TShellSortGraphForm : public TSortGraphForm {
 public:
  explicit TShellSortGraphForm(QWidget* parent = nullptr);
  TZqStaticText* LabelR0;
  TZqStaticText* ZqStaticText1;
};

class TQkSortGraphForm : public TSortGraphForm {
 public:
  explicit TQkSortGraphForm(QWidget* parent = nullptr);
  TSortNode* rp;
  TSortNode* x;
  TZqStaticText* LabelR0;
  TZqStaticText* ZqStaticText2;
};

class TQkAddrSortGraphForm : public TSortGraphForm {
 public:
  explicit TQkAddrSortGraphForm(QWidget* parent = nullptr);
  TAddrdata* Addr;
  // Pointers under R mark records, pointers under Addr mark address places.
  TPointerPicture *kp, *addrkp, *addrjp, *rjp, *rkp, *rip, *ip, *jp;
  TZqStaticText* ZqStaticText1;
  TZqStaticText* ZqStaticText2;
  // Puts the pointer under the record or address place index (hides it for none).
  void PointAtRecord(TPointerPicture* pointer, int index) { PointAt(pointer, *R, index); }
  void PointAtAddr(TPointerPicture* pointer, int index) { PointAt(pointer, *Addr, index); }
  void HideAllPointers();
  // Puts the shown pointers back under their places after a resize.
  void Repoint();

 private:
  void PointAt(TPointerPicture* pointer, const TSortData& row, int index);
};
