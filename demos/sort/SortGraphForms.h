#pragma once
// The drawing windows of the internal sorts built on one key row: each places its row, its
// captions, its counters and the boxes its demonstration moves beside the row.
#include <QPointer>
#include <array>
#include <initializer_list>
#include <vector>

#include "demos/sort/SortDemo.h"
#include "platform/Controls.h"

// An arrow under a row that stands for a variable and points up at the box it names, its
// caption (the variable) under its tail. Two arrows on one box lean apart, their tips side by
// side on the box, so that each can be told and read.
class TRowPointer : public TGraphicControl, public TKitControl {
 public:
  // body and rim: the arrow's colours (the caption is written in rim).
  TRowPointer(QWidget* parent, const QString& caption, TColor body, TColor rim);
  const QString& Caption() const { return caption_; }
  TSortNode* Target() const { return target_; }
  // Points at box (nullptr hides the arrow) with its tip at tip (parent's pixels); side is
  // the arrow's length; lean -1 puts its tail left of the tip, 1 right of it (30 degrees), -2
  // and 2 further (45 degrees), 0 straight under; no part of the arrow stands above its tip;
  // the caption stands under the tail, inside the parent, moved by nudge.
  void Place(TSortNode* box, QPoint tip, int side, int lean, QPoint nudge = {});
  // The caption's box, in the parent's pixels.
  QRect CaptionBox() const { return caption_box_.translated(pos()); }
  // Where the tip is, in its own pixels.
  QPoint Tip() const { return tip_; }

  QString DrawingText() const override { return caption_; }
  QList<const QWidget*> DrawingTargets() const override { return {target_.data()}; }
  // A mark on its box, its tip at Tip(), meaning Means.
  std::vector<TDrawnShape> DrawingShapes() const override;

  // What the arrow stands for; by default the variable its caption names.
  TMarkMeaning Means{};

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  TColor body_, rim_;
  QPointer<TSortNode> target_;
  QPoint tip_;
  QPolygon arrow_;    // in own pixels
  QRect caption_box_;  // in own pixels
  int fontHeight_ = 13;
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
  TRowPointer *kp, *addrkp, *addrjp, *rjp, *rkp, *rip, *ip, *jp;
  TZqStaticText* ZqStaticText1;
  TZqStaticText* ZqStaticText2;
  // Puts the pointer under the record or address place index (hides it for none).
  void PointAtRecord(TRowPointer* pointer, int index) { PointAt(pointer, index); }
  void PointAtAddr(TRowPointer* pointer, int index) { PointAt(pointer, index); }
  void Hide(std::initializer_list<TRowPointer*> pointers);
  void HideAllPointers();
  // Puts the shown pointers back under their places after a resize.
  void Repoint();

 private:
  void PointAt(TRowPointer* pointer, int index);
  // Places every shown pointer under its box; two on one box lean apart.
  void Arrange();
  bool UnderRecords(const TRowPointer* pointer) const;
};
