#pragma once
// The sort-data kit: the keys of an internal sort drawn as a row of coloured boxes standing
// on the bottom of a panel, their heights following the keys. A demonstration reads,
// writes, compares, exchanges and moves keys by their index in the row, and the kit
// animates each of these with coloured flashes. The kit counts nothing: the demonstrations
// keep the counts and write them into their LabelComp / LabelMove captions.
#include <QLabel>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "framework/drawkit/KitControl.h"
#include "framework/drawkit/NodeContainer.h"
#include "framework/engine/BasicData.h"
#include "platform/Font.h"

// ---------------------------------------------------------------- key boxes

class TSortData;

// One key: a raised box filled with its colour. The key itself is not written in the box;
// its height tells it.
class TSortNode : public TCanvasWidget, public TKitControl {
 public:
  explicit TSortNode(QWidget* parent = nullptr);
  ~TSortNode() override;

  char Key() const { return data_->Value(); }
  void SetKey(char key) { data_->SetValue(key); }
  TCharData& Data() { return *data_; }

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption) { caption_ = caption.left(16); }
  // The face colour; the box repaints at once so that a flash shows.
  TColor FaceColor() const { return Color; }
  void SetColor(TColor color);

  int Index = 0;  // the place of the box in its row

  // Copies the key, the size and what the box class adds (link, address) into dest, a box
  // of the same family; index, colour and caption stay.
  virtual void AssignTo(TSortNode& dest) const;

  // What the box stands for in the algorithm, for a box of no row (x, r[0], t); a row's boxes
  // take theirs from the row (TSortData::Means).
  std::vector<TValueMeaning> Stands;
  // The row whose heights a box of no row takes (it copies a row box's size): its height
  // tells its key against that row's.
  const TSortData* HeightRow = nullptr;
  // The key the box's height tells: its own where the height is the one its row gives that
  // key, else the key whose height is nearest (a box left at another key's height). A box of
  // no row and no HeightRow tells its own key.
  char ToldKey() const;

  // "D purple": the key and the face colour (a silver box is an emptied place).
  QString DrawingText() const override;
  // The box is a node of the drawing: a record, or a variable holding one. Its text is what
  // the box writes (nothing, a link, an address); the key its height tells and its colour are
  // what the picture says without glyphs (SortBoxLook).
  std::vector<TDrawnShape> DrawingShapes() const override;
  // The text painted in the box.
  virtual QString Glyphs() const { return {}; }

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TCharData> data_;
  QString caption_ = QStringLiteral(" ");
};

// A record of a static linked list: the box shows the index of the next record under a line.
class TListSortNode : public TSortNode {
 public:
  using TSortNode::TSortNode;
  int Next() const { return next_; }
  void SetNext(int next);
  void AssignTo(TSortNode& dest) const override;
  QString DrawingText() const override;
  QString Glyphs() const override { return QString::number(next_); }

 protected:
  void Paint() override;

 private:
  int next_ = 0;
};

// An entry of an address table: the box shows the address it holds.
class TAddrNode : public TSortNode {
 public:
  using TSortNode::TSortNode;
  TColor AddrColor = clBlack;
  int Addr = 0;  // written directly; repaint to show it
  void AssignTo(TSortNode& dest) const override;
  QString DrawingText() const override;
  QString Glyphs() const override { return QString::number(Addr); }

 protected:
  void Paint() override;
  // The address as drawn: in the digit size its row gives every box alike (in a box of no row,
  // width div sizeDivisor points), smaller only where the text would not fit.
  void PaintAddr(const QString& text, int sizeDivisor);
};

// An entry of a radix queue table: the address in two digits.
class TRadixNode : public TAddrNode {
 public:
  using TAddrNode::TAddrNode;
  // Two digits: "07".
  QString Glyphs() const override;

 protected:
  void Paint() override;
};

// The name of a box colour as the drawing texts write it ("purple"), else "$00BBGGRR".
QString SortColorName(TColor color);
// What a box says without glyphs: "D purple", its key and its colour; a box of a blank key
// only its colour.
QString SortBoxLook(char key, TColor color);

// ---------------------------------------------------------------- key rows

using TSortNodeClass = std::function<TSortNode*(QWidget* parent)>;

template <class T>
TSortNodeClass SortNodeClass() {
  return [](QWidget* parent) -> TSortNode* { return new T(parent); };
}

// The geometry of one box in a row (pure, for the layout and its tests).
struct TRowLayout {
  int RowWidth = 0;
  int RowHeight = 0;
  int Capacity = 1;
  int StartIndex = 1;
  int NodeWidthRatio = 1;
  bool FixedNodeSize = false;
  char LowKey = '0';
  char HighKey = '0';
  int LabelBand = 18;   // the place numbers' height at the top of the row
  bool Digits = false;  // the boxes show a number, which the lowest box must still hold

  int PlaceWidth() const { return RowWidth / Capacity; }
  int NodeWidth() const { return ((PlaceWidth() / 4) * (NodeWidthRatio + 4)) / 5; }
  int NodeHeight(char key) const;
  int NodeLeft(int index) const;
  // The pixel height of the numbers in the boxes: two digits side by side fit a box, and the
  // lowest box holds them.
  int DigitHeight() const;
};

// The number of a place, over its box at the top of a row.
class TPlaceLabel : public QLabel {
 public:
  using QLabel::QLabel;
};

// A row of key boxes with the places StartIndex .. StartIndex + Capacity - 1.
class TSortData : public TNodeContainer {
 public:
  explicit TSortData(QWidget* parent = nullptr);
  ~TSortData() override;

  int StartIndex = 1;
  int Capacity = 1;
  bool FixedNodeSize = false;
  TColor NodeColor = clSilver;
  TFont NodeFont;
  int NodeWidthRatio = 1;  // 1 .. 10
  QString Caption;
  // The class of the boxes the row creates; a drawing window may put another one here.
  TSortNodeClass NodeClass = SortNodeClass<TSortNode>();

  int NodeCount() const { return nodeCount_; }
  int Count() const { return count_; }
  char LowKey() const { return lowKey_; }
  char HighKey() const { return highKey_; }
  int LastIndex() const { return StartIndex + Capacity - 1; }

  // Raises "reading to non-exisit item in TSortData" when there is no box at i.
  char GetKey(int i) const;
  // Raises "index out of bounds" outside the places, changing nothing.
  void SetKey(int i, char key);
  TSortNode* NewNode(char key, int i);
  void DeleteNode(int i);
  void LayoutNode(TSortNode& node) const;
  TSortNode* NodeAt(int i) const;
  QString GetDataString() const;
  void SetDataString(const QString& s);
  // Shows s place by place from 1: a blank leaves its place empty, and no box stays past it
  // (a row that shrank keeps none of the places it no longer has).
  void ShowKeys(const QString& s);
  // Deletes every key box from place first on.
  void DeleteFrom(int first);
  // The key range the heights are drawn against, taken over from another row.
  void SetKeyRange(char low, char high) {
    lowKey_ = low;
    highKey_ = high;
  }

  // What the box at a place stands for in the algorithm (its element, the colour the
  // algorithm gives the place), set by the demonstration; nothing for a place that stands
  // for none. A place of the algorithm's array that shows no box is reported as an empty
  // cell standing for the same, so that a box missing where the element holds a key is told.
  std::function<std::vector<TValueMeaning>(int index)> Means;
  // The empty places that stand for an element, as cells where a box would stand.
  std::vector<TDrawnShape> DrawingShapes() const override;

  // The row's input dialog; true when the user pressed OK.
  bool InputData();
  // What OK does with the dialog's text: a text longer than the row is reported and cut.
  void AcceptInput(QString s);

  // Whether key i is greater than key j, after three green flashes when animated.
  bool Compare(int i, int j, bool animate);
  // Exchanges the contents of boxes i and j (not their places), with red flashes.
  void Swap(int i, int j, bool animate);
  // Copies box src onto box dest (creating it when missing); animated, src is left silver.
  void MoveKey(int dest, int src, bool animate);

  TRowLayout Layout() const;
  // The place numbers' font, grown with the row and never wider than a place.
  TFont LabelFont() const;
  void AfterRescale() override;
  // The keys place by place from 1 to the last box, a blank for an empty place; the boxes
  // and the place numbers say the rest.
  QString DrawingText() const override;

  // Two rounds of a colour flash on one box; the wait of one flash phase.
  void Flash(TSortNode& node, TColor color, int rounds);
  static int FlashWait();

 protected:
  void Paint() override;
  bool digits_ = false;  // the boxes show numbers (address rows)

 private:
  void WidenKeys(char key);
  // Numbers the places from the first to the last that holds a box (at least NodeCount
  // places, as many as the keys), each over the middle of its place's box.
  void PlaceLabels();

  std::vector<TSortNode*> nodes_;  // the boxes the row made (children of the row)
  std::vector<TPlaceLabel*> labels_;
  int nodeCount_ = 0;
  int count_ = 0;
  char lowKey_ = '0';
  char highKey_ = '0';
};

// A row of address boxes.
class TAddrdata : public TSortData {
 public:
  explicit TAddrdata(QWidget* parent = nullptr);
  TAddrNode* AddrAt(int i) const { return static_cast<TAddrNode*>(NodeAt(i)); }
  // Deletes the boxes past the length of s.
  void TrimToString(const QString& s);
  // The addresses of the places in order.
  QString DrawingText() const override;
};

// A row of radix queue boxes.
class TRadixdata : public TAddrdata {
 public:
  explicit TRadixdata(QWidget* parent = nullptr);
  TRadixNode* RadixAt(int i) const { return static_cast<TRadixNode*>(NodeAt(i)); }
};
