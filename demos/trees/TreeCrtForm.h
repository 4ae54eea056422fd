#pragma once
// The drawing window of the tree built from its preorder and inorder sequences: the
// growing tree above two rows of letter cells, the preorder and the inorder sequence, each
// cell coloured by its part in the current call (yellow the range being built, red what is
// placed, green what waits for a later call).
#include <QString>
#include <vector>

#include "framework/drawkit/GraphForm.h"

class TBinCharTree;
class TNodeContainer;
class TPaintBox;
class TZqStaticText;

class TTreeCrtForm : public TGraphForm {
 public:
  enum TCellKind { ckWaiting = 0, ckBuilding = 1, ckPlaced = 2 };

  explicit TTreeCrtForm(QWidget* parent = nullptr);

  TBinCharTree* BinCharTree;
  TZqStaticText* StaticText1;
  TZqStaticText* StaticText2;
  TNodeContainer* NodeContainer1;
  TPaintBox* PaintBox;

  // Both rows green.
  void SetSequences(const QString& pre, const QString& ino);
  // Count cells of row 1 (preorder) or 2 (inorder) from position first (1-based) on.
  void DrawCells(int row, int first, TCellKind kind, int count);
  // A single hidden root, the cells empty.
  void ResetTree();
  // The kinds of a row's cells as letters, "GYR" (for tests and scripts).
  QString CellKinds(int row) const;

 private:
  void PaintBoxPaint();
  QString sequences_[2];
  std::vector<TCellKind> kinds_[2];
};
