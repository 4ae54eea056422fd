#pragma once
// The Huffman table drawn as a growing tree: leaves as circles, made nodes as squares, each
// with its weight and "HT[i]" beside it, links to the parents, the code digits written on
// the way up and the codes in a row at the bottom.
#include <QPoint>
#include <QRect>
#include <QString>
#include <utility>
#include <vector>

#include "framework/drawkit/NodeContainer.h"
#include "platform/Font.h"

// One entry of the table HT[1..m].
struct THuffNode {
  int weight = 0;
  int parent = 0;
  int lchild = 0;
  int rchild = 0;
};

// s1 and s2 of the construction: among HT[1..upTo] with parent 0, the first entry with the
// smallest weight, then the first with the smallest weight other than s1 (index 0 unused).
std::pair<int, int> HuffmanSelect(const std::vector<THuffNode>& ht, int upTo);

class THuffmanTree : public TNodeContainer {
 public:
  // The edge label of a node whose code digit has been written.
  enum TLabel { Blue0 = 0, Blue1 = 1, Yellow0 = 2, Yellow1 = 3, NoLabel = 4 };

  explicit THuffmanTree(QWidget* parent = nullptr);

  // Starts again with n leaves of these weights (nothing made yet).
  void SetWeights(const std::vector<int>& weights);
  // The first n entries shown as leaves.
  void ShowLeaves();
  // Node i made the parent of s1 (left) and s2 (right); its weight is shown by SetWeight.
  void Join(int i, int s1, int s2);
  void SetWeight(int i, int weight);
  void SetHighlight(int i, bool on);
  void ClearHighlights();
  void SetLabel(int i, TLabel label);
  // Every blue label turns yellow: the leaf's code is finished.
  void FinishLabels();
  void SetCodeRow(const QString& text);
  void SetCode(int leaf, const QString& code);

  QString DrawingText() const override;
  // The nodes (leaves round), the links up to their parents and the code digits on them, as
  // Paint draws them from Layout(), and each leaf's codes as labels of the leaf; the captions
  // belong to nothing.
  std::vector<TDrawnShape> DrawingShapes() const override;

  // Where everything is drawn at the present size: nodes (index 1..m, empty for one not
  // shown yet) and the texts beside them, each with its box.
  struct TText {
    enum TKind { Caption, BlueLabel, YellowLabel, LeafCode, RowCode };
    QString Text;
    QRect Box;
    TKind Kind;
    int Em = 0;  // a caption's own pixel height
    int Node = 0;  // a code digit's node (it labels the link up to the node's parent); a code's leaf
  };
  struct TLayout {
    std::vector<QPoint> Centre;
    std::vector<QRect> Node;
    std::vector<QString> Weight;  // what each node shows, as painted and reported
    std::vector<TText> Texts;
    TFont WeightFont, CaptionFont, LabelFont, CodeFont;
    int LinkWidth = 1;
  };
  TLayout Layout() const;

 protected:
  void Paint() override;

 private:
  struct TNode {
    THuffNode link;
    TLabel label = NoLabel;
    bool highlight = false;
    bool shown = false;
  };
  // Leaf columns and levels as the entries are linked now.
  void Relayout();
  std::vector<TNode> nodes_;  // [1..m]
  std::vector<QString> codes_;  // [1..n]
  std::vector<int> column_;  // leaves: their column
  std::vector<int> level_;
  int n_ = 0;
  int maxLevel_ = 1;
  QString codeRow_;
};
