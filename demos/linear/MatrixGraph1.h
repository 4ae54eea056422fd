#pragma once
// The view of the fast transpose: a and b as rows of triples, and below them a row of
// column counters (col, num[col], cpot[col]). The counters fill in, a white frame walks
// along a, and each triple drops, is rewritten and slides straight to its slot in b.
#include "demos/linear/TripleGraphBase.h"

struct TColInfo {
  int col = 0;
  int num = 0;
  int cpot = 0;
};

class TMatrixGraph1Form : public TTripleGraphBase {
 public:
  explicit TMatrixGraph1Form(QWidget* parent = nullptr);

  int P = 0;
  int Q = 0;
  int Col = 0;
  int T = 0;
  std::array<TColInfo, 100> ColInfo{};  // ColInfo[c - 1] for column c

  TColInfo& Info(int c) { return ColInfo[static_cast<std::size_t>(c - 1)]; }

  void FlashNum();
  void ShowNumOf();
  void ShowCpotOf();
  void ShowT();
  void SlideFrame();
  void DropEmpty();
  void MoveTriple(int mode);
  void SetMovingIJ();
  void PlaceInB();
  QString DrawingText() const override;

 protected:
  TTripleGeometry Geometry() const override;
  std::vector<TPlacedTriple> WholePicture() const override;
  QString WidestValue() const override;

 private:
  void DrawCounter(int c);
};
