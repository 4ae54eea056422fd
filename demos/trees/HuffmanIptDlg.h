#pragma once
// The weight dialog of the Huffman coding and the nearly optimal search tree: up to ten
// positive integer weights typed as one comma-separated line, or drawn at random.
#include <QString>
#include <array>
#include <limits>
#include <optional>
#include <vector>

#include "platform/Forms.h"

class QGroupBox;
class TEdit;

// The weights of a line "5,5,5": the pieces between commas, at most ten (text after the
// tenth comma is ignored), each an integer of at least 1, their total within a 32-bit
// integer; none when a piece is empty, not a number or below 1, or the total is too large.
std::optional<std::vector<int>> ParseWeights(const QString& text);

class THuffmanIptDlg : public TForm {
 public:
  static constexpr int kMaxWeights = 10;

  explicit THuffmanIptDlg(QWidget* parent = nullptr);

  // Shows the dialog; on OK n and the first n places of w take the weights (w has room for
  // ten) and the answer is true.
  bool Execute(int& n, int* w);

  // The largest total of the weights the caller can show: a larger one is refused with a
  // message naming it, the dialog kept open. The Huffman tree writes every sum in a node no
  // wider than a leaf's column, ten columns across the drawing: seven digits at most.
  qint64 MaxTotal = std::numeric_limits<int>::max();
  static constexpr qint64 kHuffmanMaxTotal = 9999999;

  int Count = 0;
  std::array<int, kMaxWeights + 1> Weights{};  // [1..Count]

  QGroupBox* GroupBox1;
  TEdit* Edit1;
  TButton* RandomBtn;
  TButton* OKBtn;
  TButton* CancelBtn;

  void RandomBtnClick();
  void OKBtnClick();
};
