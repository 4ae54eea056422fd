#pragma once
// The drawing window of the tree built from its preorder and inorder sequences: the
// growing tree above two rows of letter cells, the preorder and the inorder sequence, each
// cell coloured by its part in the current call (yellow the range being built, red what is
// placed, green what waits for a later call).
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/NodeContainer.h"

class TBinCharTree;
class TPaintBox;
class TZqStaticText;

// The panel of the two cell rows: its paint box, filling it, paints the cells; the panel says
// where they are (the sequences' letters are the cells the building reads).
class TCellsContainer : public TNodeContainer {
 public:
  using TNodeContainer::TNodeContainer;
  std::function<std::vector<TDrawnShape>()> Cells;
  std::vector<TDrawnShape> DrawingShapes() const override { return Cells ? Cells() : std::vector<TDrawnShape>{}; }
};

class TTreeCrtForm : public TGraphForm {
 public:
  enum TCellKind { ckWaiting = 0, ckBuilding = 1, ckPlaced = 2 };

  explicit TTreeCrtForm(QWidget* parent = nullptr);

  TBinCharTree* BinCharTree;
  TZqStaticText* StaticText1;
  TZqStaticText* StaticText2;
  TCellsContainer* NodeContainer1;
  TPaintBox* PaintBox;

  // Both rows green.
  void SetSequences(const QString& pre, const QString& ino);
  // Count cells of row 1 (preorder) or 2 (inorder) from position first (1-based) on.
  void DrawCells(int row, int first, TCellKind kind, int count);
  // A single hidden root, the cells empty.
  void ResetTree();
  // The kinds of a row's cells as letters, "GYR" (for tests and scripts).
  QString CellKinds(int row) const;
  // What the algorithm says cell k (from 1) of row 1 or 2 is now, for the cells' notes to hold
  // to; nothing while it says nothing.
  std::function<std::optional<TCellKind>(int row, int k)> KindOf;

  // A kind's fill; what a fill tells a reader (green "waiting", yellow "building", red
  // "placed"); what a kind is, in those words.
  static TColor KindColour(TCellKind kind);
  static QString ColourWord(TColor fill);
  static QString KindWord(TCellKind kind);

 private:
  void PaintBoxPaint();
  // Cell k (from 0) of row (0 preorder, 1 inorder) in the paint box's pixels, as painted.
  QRect CellRect(int row, int k) const;
  QString sequences_[2];
  std::vector<TCellKind> kinds_[2];
};
