#pragma once
// What the memory drawings of the storage chapter share. Their sizes come from their drawing
// window's size through one ratio (TDesignRatio): a design length grows with the window and a
// text takes the largest font, never below its design size, that still fits its place.
// TMemBox is one labelled box (a free-list entry, a block of the buddy bar); TMemList a row of
// them joined by arrows (the free list from pav, a size class's free list), in a second line
// when one would make them too small to read.
#include <QList>
#include <QPolygon>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "framework/drawkit/KitControl.h"
#include "framework/drawkit/NodeContainer.h"
#include "platform/Font.h"
#include "platform/Forms.h"
#include "platform/PaintBox.h"

// The font of the storage drawings' numbers and names: a sans face (a "1" never looks like an
// "l"), designPixels high at the design size, scaled by the window's ratio and never smaller.
TFont MemFont(const TDesignRatio& r, int designPixels, TColor color);
// font made smaller until widest fits room, but never below least pixels. A number's digits
// stand inside their box at that size even when the font's whole cell does not.
TFont FitMemFont(const TFont& font, const QString& widest, QSize room, int least = LegiblePixels());
// What a block's or a word's fill says of it: "used" or "free".
inline QString FillNote(bool used) { return used ? QStringLiteral("used") : QStringLiteral("free"); }

class TMemBox : public TCanvasWidget, public TKitControl {
 public:
  explicit TMemBox(QWidget* parent = nullptr);

  // Sets what the box shows; repaints only when that changed.
  void Show(const QString& label, const TFont& font, TColor fill, TColor frame);

  // The box the arrow from this one points at (the next entry of a list), or none.
  const TMemBox* Next = nullptr;
  // The box only names a pointer ("pav"): it is no node of the memory.
  bool NamesPointer = false;
  // What its fill colour says (a block used or free), for its note; nothing said without it.
  std::function<QString(TColor fill)> FillSays;
  // What its label and its note stand for in the algorithm.
  std::vector<TValueMeaning> Stands;

  const QString& Label() const { return label_; }
  QString DrawingText() const override { return label_; }
  QList<const QWidget*> DrawingTargets() const override;
  // Itself as a node labelled with its number, unless it names a pointer.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  // The fill (clNone: the backdrop), the frame (clNone: none), the label centred.
  void Paint() override;

 private:
  QString label_;
  TFont font_;
  TColor fill_ = clNone;
  TColor frame_ = clNone;
};

// A row of boxes: a head (the list's name) and one box per entry, each joined to the next by a
// blue arrow. Boxes keep their design size while they fit; a long list shrinks them together,
// and a list that would shrink too much goes on in a second line.
class TMemList : public TNodeContainer {
 public:
  struct TLook {
    int left = 5;          // design distance of the head from the row's left edge
    QSize box{30, 20};     // design box size
    int gap = 20;          // design gap between two boxes (the arrow)
    bool framedHead = true;
  };
  TMemList(QWidget* parent, const TLook& look);

  // The head's label and the entries' numbers; laid out and repainted.
  void Show(const QString& head, const QList<int>& entries);
  // What entry i (0 the first after the head) stands for in the algorithm; nothing: not held.
  std::function<std::optional<QString>(int entry)> EntryStandsFor;
  void AfterRescale() override { Layout(); }

  // The boxes shown, head first.
  std::vector<const TMemBox*> Boxes() const;

  // The arrows between the boxes as links; from a head that names a pointer ("pav"), its
  // arrow as a mark on the first entry.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  // The ground (no frame of its own) and the arrows between the boxes.
  void Paint() override;

 private:
  void Layout();
  // The arrow from box a to the next box b, in this row's pixels: straight along a line, or
  // into the second line (right, down between the lines, back left, down into the box).
  QPolygon ArrowPath(const TMemBox& a, const TMemBox& b) const;
  TLook look_;
  QString head_;
  QList<int> entries_;
  int gap_ = 0;  // between two entries, as laid out
  std::vector<TMemBox*> boxes_;
};

// A number two characters wide: a blank before one below 10.
QString GetString(int n);
