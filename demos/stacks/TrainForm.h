#pragma once
// The railway of the cars-through-a-stack demonstration: four cars wait on the input track
// on the right, a dead-end siding (the stack) leaves the main line at the switch, and the
// cars that leave go on along the output track to the left. Below the railway the sequence
// being performed, the position in it and its operation, and the fourteen result cells.
//
// The track lies on a grid of 10 columns by 6 rows: the main line along row 1, the switch
// at column 4, the siding down column 4 to its buffer stop in row 5.
#include <QPoint>
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "framework/drawkit/NodeContainer.h"
#include "platform/Bitmap.h"
#include "platform/PaintBox.h"

class TAutoSizeEdit;
class TTrainForm;
class TZqStaticText;

// The railway's paint box: it tells where the cars stand, as nodes named by their numbers.
class TRailwayBox : public TPaintBox, public TKitControl {
 public:
  TRailwayBox(QWidget* parent, const TTrainForm& form);
  std::vector<TDrawnShape> DrawingShapes() const override;

 private:
  const TTrainForm& form_;
};

class TTrainForm : public TGraphForm {
 public:
  static constexpr int CarCount = 4;
  static constexpr int NoCar = 4;  // an empty place
  static constexpr int ResultCells = 14;

  explicit TTrainForm(QWidget* parent = nullptr);
  ~TTrainForm() override;

  TZqStaticText* Title;  // "产生过程演示"
  TNodeContainer* Bevel;  // the frame of the railway
  TRailwayBox* PaintBox;
  TAutoSizeEdit* EOrder;  // the sequence being performed
  TAutoSizeEdit* EPos;    // the position in it
  TAutoSizeEdit* EAct;    // the operation there
  std::array<TAutoSizeEdit*, ResultCells + 1> Edits{};  // 1 .. 14, hidden until recorded

  void SetOrder(const QString& order);
  void SetPos(const QString& posText, const QString& op);
  // The cars back on the input track in the order 1, 2, 3, 4; the position texts cleared.
  void Reset();
  // The front car of the input track runs to the switch and down into the siding.
  void PushIn();
  // The top car of the siding runs up to the switch and on along the output track.
  void PopOut();
  // The output order ("4321") into the next result cell.
  void RecordOrder();
  // No result recorded; the cells hidden.
  void ClearResults();

  // Frames of one leg of a car's run at a speed (0 .. 99).
  static int FramesPerLeg(int speed);

  // The model (cars numbered 0 .. 3 here, shown as 1 .. 4).
  int InputLeft = CarCount;
  int InStack = 0;
  int OutCount = 0;
  std::array<int, CarCount> InTrack{};
  std::array<int, CarCount> StackCars{};
  std::array<int, CarCount> OutTrack{};
  bool SwitchToStack = false;
  int OrderCount = 0;
  // The output order of the cars that have left so far ("43").
  QString OutputText() const;

  // Pixel centre of a grid place of the paint box.
  QPoint GridPlace(int column, int row) const;
  struct TCarPlace {
    int car;     // 0 .. 3
    QRect cell;  // in the paint box
  };
  // The cars standing on the input track, in the siding and on the output track.
  std::vector<TCarPlace> CarPlaces() const;
  // The grid place (column, row) a car's cell stands on.
  QPoint GridOf(const QRect& cell) const;
  // The car (1 .. 4) the algorithm has at a grid place, as its number; nothing: not held now.
  std::function<std::optional<QString>(int column, int row)> CarStandsFor;

  // The yard after a sequence of "S" and "X" was performed: each car is numbered from 0 as it
  // enters; the cars sent out, in their order; the siding's, from the bottom; the first car
  // still on the input track.
  struct TYard {
    std::vector<int> out;
    std::vector<int> siding;
    int next = 0;
  };
  static TYard YardAfter(const QString& ops);
  // Where each car stands then, as a grid place; a car on the input track keeps its place.
  struct TCarAt {
    int car;
    QPoint grid;
  };
  static std::vector<TCarAt> PlacesAfter(const QString& ops);
  static QPoint InputPlace(int car);
  static QPoint SidingPlace(int depth);
  static QPoint OutputPlace(int k);
 protected:
  void FormResize() override;

 private:
  void BevelResize();
  void PaintBoxPaint(TCanvas& canvas);
  void MakeCarBitmaps();
  // Moves a car's sprite along the given grid places, one leg after the other.
  void RunCar(int car, std::initializer_list<QPoint> places);

  std::unique_ptr<TBitmap> track_;  // "TrainPic.bmp"
  std::array<TBitmap, CarCount> cars_;
  int cellWidth_ = 1;
  int cellHeight_ = 1;
};

// The railway window of the running demonstration.
inline TTrainForm* TrainForm = nullptr;
