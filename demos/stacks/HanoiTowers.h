#pragma once
// The Towers of Hanoi as a picture: three poles on a table and the plates on them. Each pole
// is a stack of the data model whose items are its plates, bottom first; a move takes the
// top plate (the same object, with its picture) from one pole to another. Poles and plates
// are placed in proportion to the control's size after every rescale.
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/drawkit/NodeContainer.h"
#include "framework/engine/Data.h"
#include "platform/Bitmap.h"

class TImage;
class THanoiTowers;

// Where poles and plates stand in a towers control of a given size; every division
// truncates. Plate size 1 is the largest, 5 the smallest.
struct THanoiLayout {
  THanoiLayout(QSize control, int plateCount);

  int CenterX(char pole) const;  // pole 'a', 'b' or 'c'
  int BaseY() const;
  QRect Pole(char pole) const;
  QSize Plate(int size) const;
  // The bounds of the plates of a pole standing at centerX on baseY, given their sizes
  // bottom first: each plate rests a third of its height into the one below it.
  std::vector<QRect> Stack(int centerX, int baseY, const std::vector<int>& sizes) const;
  // The part of a plate's picture that no plate resting on it covers: its lowest third, the
  // front of its rim (the plate resting on it, never larger, reaches two thirds of its own
  // height into it).
  static QRect PlateFront(const QRect& bounds);

  int Width;
  int Height;
  int PlateCount;
};

class TPlate : public TData {
 public:
  TPlate(THanoiTowers* towers, int size);
  ~TPlate() override;

  THanoiTowers* Towers;
  int Size;  // 1 = largest .. 5 = smallest
  std::unique_ptr<TImage> Image;  // hidden until placed
};

class TPole : public TStack {
 public:
  TPole(THanoiTowers* towers, char name);

  TPlate* Plate(int i) const { return static_cast<TPlate*>(Items(i)); }
  // Places the pole's plates over it, bottom first, and shows them.
  void Arrange();

  int CenterX = 0;
  int BaseY = 0;
  THanoiTowers* Towers;
  char PoleName;
  TImage* Image;  // owned by the towers control
};

class THanoiTowers : public TNodeContainer {
 public:
  explicit THanoiTowers(QWidget* parent = nullptr);
  ~THanoiTowers() override;

  // Count new plates on pole a, the largest at the bottom; the other poles emptied.
  void SetPlateCount(int count);
  // The top plate of pole from goes onto pole to; both are arranged again. A pole without
  // plates gives nothing to move.
  void MovePlate(char from, char to);
  // Places poles and plates for the present size.
  void AfterRescale() override;
  // The plates shown, as nodes: the front of each, as PlateFront gives it from the picture's
  // place, a picture without glyphs noted by where it is drawn: "3 on b, 1" for plate 3 on the
  // pole nearest its middle, one plate under it there (the poles hold them; they are no
  // nodes). Each stands for PlateStandsFor of its size.
  std::vector<TDrawnShape> DrawingShapes() const override;
  // Where the algorithm has plate size now, written as the note is; nothing: not held.
  std::function<std::optional<QString>(int size)> PlateStandsFor;
  // The note of plate size on pole at level (0 = the bottom plate).
  static QString PlaceNote(int size, char pole, int level);

  TPole* Pole(char name) const;
  THanoiLayout Layout() const { return THanoiLayout(size(), PlateCount); }

  std::unique_ptr<TPole> PoleA;
  std::unique_ptr<TPole> PoleB;
  std::unique_ptr<TPole> PoleC;
  int PlateCount = 0;
  TImageList PlateImages{212, 64};

 private:
  TImage* background_;
};
