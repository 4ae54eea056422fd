#pragma once
// The knapsack problem: every choice among n items (1 to 8, weights 1 to 10) that fills a
// knapsack of volume T exactly, by the recursive procedure Package(n, t): t = 0 is a
// solution; otherwise, while t > 0 and n > 0, item n is put in and Package(n-1, t-w[n])
// follows, then it is left out and Package(n-1, t) follows. Pascal text only.
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TPkgForm;

// One row of the knapsack's stack display: " 7   3  12" for Adr 7, n 3, t 12. Adr is the
// line the call returns to: 7 for the first call, 4 for putting the item in, 5 for leaving
// it out.
class TPackagesStkData : public TData {
 public:
  TPackagesStkData(const QString& name, int adr, int n, int t);
  QString GetText() const override;

  int Adr, n, t;
};

class TPackages : public TAlgoDemo {
  Q_OBJECT
 public:
  static constexpr int MaxItems = 8;

  explicit TPackages(const QStringList& source);
  ~TPackages() override;

  void CreateChildWindow() override;
  void DestroyChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;
  void ShowGraph() override;

  // Weights of items 1 .. 8 and the volume, as entered (index 1 .. 9).
  void SetWeights(const std::array<int, 10>& weights);
  int ItemCount() const { return itemCount_; }
  void SetItemCount(int count);
  const std::array<int, 10>& Weights() const { return weights_; }
  int Volume() const { return weights_[static_cast<std::size_t>(itemCount_ + 1)]; }
  TPkgForm* GraphForm() const { return graphForm_.get(); }

  // ---- Step methods of the procedure "Packages", by line label
  Q_INVOKABLE bool Packages_F_Begin();
  Q_INVOKABLE bool Packages_F_Check();
  Q_INVOKABLE TData* Packages_C_PutinThis();
  Q_INVOKABLE void Packages_AfterPutinThis();
  Q_INVOKABLE TData* Packages_C_TryNext();
  Q_INVOKABLE void Packages_AfterTryNext();

 private:
  // The callee's record (n, t) and its row on the stack display.
  TData* Call(int adr, int n, int t);
  // The top row of the stack display, copied into TopRow.
  void CopyTopRow();
  int Weight(int item) const { return weights_[static_cast<std::size_t>(item)]; }
  // What the drawing stands for, read from the calls on the run stack: the items packed, in
  // the order the calls put them in (a call made from line 4 has put its caller's item n in,
  // t - w[n] being what is left), each call's row.
  void SayMeanings();
  std::vector<int> PackedLevels() const;
  std::optional<QString> RowFor(int index) const;

  std::unique_ptr<TPkgForm> graphForm_;
  int itemCount_ = 1;
  std::array<int, 10> weights_{};
  // The row of the frame being worked on (a copy; not on the stack display).
  TPackagesStkData TopRow{QString(), 7, 1, 1};
};
