#pragma once
// The animation view of the bank simulation ("动画模拟"): the hall seen from above with its
// four tellers and their queues, a customer walking in from the door, to a queue and out
// again, what is said, the counters of customers and of their total time, and the walking
// speed. Scenes play only while animation is on (the view is the one shown).
#include <QLabel>
#include <QPoint>
#include <QSlider>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/drawkit/ScaledControls.h"
#include "framework/drawkit/AdvancedTools.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/NodeContainer.h"

class TBankModel;
struct TBankCustomer;

// The hall: the hall picture, the tellers, the queued customers (the first six of each
// queue, then how many more) and one walking customer, laid out at 460 x 340 and scaled to
// the container's size.
class TBankHall : public TNodeContainer {
 public:
  static constexpr int DesignWidth = 460;
  static constexpr int DesignHeight = 340;
  static constexpr int ShownPerQueue = 6;
  enum Facing { Down, Up, Left, Right };

  explicit TBankHall(QWidget* parent = nullptr);
  ~TBankHall() override;

  const TBankModel* Model = nullptr;

  // Design places: the top-left corner of a customer at place j of queue k (0 = at the
  // counter), of one at the door, and the x of the aisle beside queue k a customer leaves by.
  static QPoint QueuePlace(int k, int j);
  static QPoint DoorPlace();
  static int AisleY();
  static int ExitX(int k);

  // While a customer walks, the hall draws queue k as it was: without its last `hiddenTail`
  // customers (still on the way) or with everyone `shift` places further back (the first is
  // leaving). Cleared by ClearPending.
  void SetPending(int k, int hiddenTail, int shift);
  void ClearPending();
  // Draws the hall again from the model, with the walking customer where he stands.
  void Redraw();

  // The walking customer at a design place, in a picture (frame 0 .. 2 of a direction, or
  // standing).
  void PlaceWalker(QPoint place, Facing facing, int frame);
  void PlaceStanding(QPoint place);
  void HideWalker();
  bool WalkerShown() const { return walker_ != nullptr; }
  QPoint WalkerPlace() const { return walkerAt_; }
  // Walks from the walker's place through the points one design pixel at a time, turning
  // and stepping through the three pictures of each direction; wait() runs after every
  // step and ends the walk early by answering false. Returns whether the walk was finished.
  bool WalkThrough(const std::vector<QPoint>& points, const std::function<bool()>& wait);

  // The number of customers drawn in queue k, and the "+n" shown under it (for the tests).
  int DrawnInQueue(int k) const;
  int DrawnWaiting(int k) const;
  // Where the customers drawn in queue k stand, from the counter back (control pixels).
  std::vector<QRect> QueueRects(int k) const;
  // The part of each that shows: down to where the one behind him stands.
  static std::vector<QRect> SeenRects(const std::vector<QRect>& queue);

  // The customers drawn in the queues, each as far as the one behind him leaves him in view,
  // and the one walking, as nodes: pictures without glyphs, noted by the place they stand on,
  // "Q2 #1" (queue 2, at the counter), and "walking". Place j (0 at the counter) of queue k
  // stands for PlaceStandsFor(k, j).
  std::vector<TDrawnShape> DrawingShapes() const override;
  std::function<std::optional<QString>(int k, int j)> PlaceStandsFor;
  static QString PlaceNote(int k, int j);

 protected:
  void Paint() override;

 private:
  void ScalePictures();
  void BuildScene();
  QPoint ToScreen(QPoint design) const;
  void DrawWalker();

  std::unique_ptr<TBitmap> hallPicture_;
  std::unique_ptr<TBitmap> tellerPicture_;
  std::array<std::array<std::unique_ptr<TBitmap>, 3>, 4> walkPictures_;
  std::unique_ptr<TBitmap> standPicture_;
  // The same at the present scale.
  QSize scaledFor_;
  TBitmap teller_;
  std::array<std::array<TBitmap, 3>, 4> walk_;
  TBitmap stand_;

  TBitmap scene_;  // everything but the walking customer, at the control's size
  bool sceneStale_ = true;
  std::array<int, 4> hiddenTail_{};
  std::array<int, 4> shift_{};

  TImgAnim anim_;
  TBitmap* walker_ = nullptr;  // the picture of the walking customer, nullptr when none
  QPoint walkerAt_;
};

class TGF : public TGraphForm, public TKitControl {
 public:
  explicit TGF(QWidget* parent = nullptr);

  // The two counters as cells whose notes are their texts (a label's glyphs are Qt's own),
  // standing for what these say.
  std::vector<TDrawnShape> DrawingShapes() const override;
  std::function<std::optional<QString>()> CustomersStandFor;
  std::function<std::optional<QString>()> TotalTimeStandsFor;

  TBankHall* Hall;
  QLabel* SayWho;         // "Arrive" over "Welcome" while a customer comes in
  QLabel* Say;            // what is said, up to two lines
  QLabel* CusNumLabel;    // "客户总数": n + "人次"
  QLabel* TotalTimeLabel; // "累计时间": t + "分钟"
  QSlider* TB;            // walking speed 0 .. 25; the larger, the faster

  // Scenes play only while this is set (the animation view is the one shown) and the
  // simulation runs.
  bool AnimOn = true;

  void SetModel(const TBankModel* model);
  void ShowCustomers(int n);
  void ShowTotalTime(int minutes);
  void ClearCounters();
  // Back to the empty hall: nobody walking, nothing said.
  void ResetScene();

  // ---- Scenes
  // "据说，有一客户将于北京时间 hh:mm 光顾。"
  void Announce(int time);
  // The customer comes in at the door: "我进门的时候是 hh:mm".
  void Enter(int time);
  // "我想" + what + ", 估计要花" + n + "分钟。"
  void Wish(int durTime);
  // The last customer of queue k walks from the door to his place.
  void WalkToQueue(int k);
  // The first customer of queue k is served until `until`.
  void Served(const TBankCustomer& customer, int until);
  // The customer who was first in queue k leaves at `time`; the queue then moves up.
  void Leave(int k, int time);
  // The day is over: the hall empties.
  void Finish();

  // Milliseconds a step of the walk waits: (60 - 2 * position) div divisor.
  int WalkDelay(int divisor) const;

 protected:
  void FormPaint() override;
  void FormResize() override;

 private:
  // While animation is on and the simulation runs.
  bool Playing() const;
  void Speak(const QString& line1, const QString& line2 = QString());
  bool WalkWait(int divisor);

  const TBankModel* model_ = nullptr;
  TScaledControls controls_;
};
