#pragma once
// The data view of the bank simulation ("数据演示"): for each of the four tellers a queue row
// with the arrival times and transaction times of the first six customers (and how many more
// wait), and the ordered event list with its five entries. Cells are re-texted from the
// simulation state when a step changes a queue or the event list.
#include <QLabel>
#include <array>

#include "framework/drawkit/ScaledControls.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"

class TBankModel;

class TADTF : public TGraphForm, public TKitControl {
 public:
  static constexpr int ShownCustomers = 6;
  static constexpr int EventEntries = 5;

  explicit TADTF(QWidget* parent = nullptr);

  // The cells as cells of the view whose notes are their texts (a label's glyphs are Qt's
  // own), each standing for what the simulation's state Model holds there (when given).
  std::vector<TDrawnShape> DrawingShapes() const override;
  // What a cell shows of a model: queue k's customer j, how many more wait, event j.
  static QString ArriveText(const TBankModel& model, int k, int j);
  static QString DurText(const TBankModel& model, int k, int j);
  static QString MoreText(const TBankModel& model, int k);
  static QString EvTimeText(const TBankModel& model, int j);
  static QString EvKindText(const TBankModel& model, int j);

  // The state the cells show; not owned.
  const TBankModel* Model = nullptr;

  // Re-texts queue k (1 .. 4) / the whole event list / everything.
  void ShowQueue(int k);
  void ShowEvents();
  void ShowAll();

  // Cells: queue k 1 .. 4, customer j 1 .. 6, entry j 1 .. 5.
  QLabel* ArriveCell(int k, int j) const { return arrive_[Index(k, j)]; }
  QLabel* DurCell(int k, int j) const { return dur_[Index(k, j)]; }
  QLabel* MoreCell(int k) const { return more_[static_cast<std::size_t>(k - 1)]; }
  QLabel* EvTimeCell(int j) const { return evTime_[static_cast<std::size_t>(j - 1)]; }
  QLabel* EvKindCell(int j) const { return evKind_[static_cast<std::size_t>(j - 1)]; }

 protected:
  void FormPaint() override;
  void FormResize() override;

 private:
  static std::size_t Index(int k, int j) { return static_cast<std::size_t>((k - 1) * ShownCustomers + j - 1); }
  TRect Scaled(const QRect& design) const;

  TScaledControls controls_;
  std::array<QLabel*, 4 * ShownCustomers> arrive_{};
  std::array<QLabel*, 4 * ShownCustomers> dur_{};
  std::array<QLabel*, 4> more_{};
  std::array<QLabel*, EventEntries> evTime_{};
  std::array<QLabel*, EventEntries> evKind_{};
};
