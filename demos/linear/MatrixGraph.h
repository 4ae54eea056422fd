#pragma once
// The view of the transpose column by column: a marker carrying the sought column walks
// along a, each triple of that column drops to the middle row, has its i and j exchanged,
// slides to its place and drops into b.
#include "demos/linear/TripleGraphBase.h"

class TMatrixGraphForm : public TTripleGraphBase {
 public:
  explicit TMatrixGraphForm(QWidget* parent = nullptr);

  int Col = 0;
  int P = 0;
  int Q = 0;
  void SetCol(int v) { Col = v; }
  void SetP(int v) { P = v; }
  void SetQ(int v) { Q = v; }

  void ShowCol();
  void ShowP();
  void MatchFound();
  void MoveTriple(int mode);
  void SetMovingI();
  void SetMovingJ();
  void PlaceInB();
  QString DrawingText() const override;

 protected:
  TTripleGeometry Geometry() const override;
  std::vector<TPlacedTriple> WholePicture() const override;

 private:
  void Marker(int x, int y);
};
