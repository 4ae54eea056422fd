#pragma once
// Huffman coding: the table HT[1..2n-1] built from n weights by joining the two lightest
// parentless entries each time, then each leaf's code read on the way from the leaf up to
// the root. The drawing window shows the table as a growing tree with the codes.
#include <memory>
#include <optional>
#include <vector>

#include "demos/trees/HuffmanTree.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/engine/AlgoDemo.h"

class THuffmanCodingGraph : public TGraphForm {
 public:
  explicit THuffmanCodingGraph(QWidget* parent = nullptr);
  THuffmanTree* HuffmanTree1;

 protected:
  void FormResize() override;
};

class THuffmanCoding : public TFormDemo<THuffmanCodingGraph> {
  Q_OBJECT
 public:
  using TFormDemo::TFormDemo;

  bool CreateData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  void SetWindowRect() override;
  void Reset() override;

  Q_INVOKABLE bool HuffmanCoding_F_Begin();
  Q_INVOKABLE void HuffmanCoding_InitM();
  Q_INVOKABLE void HuffmanCoding_HT();
  Q_INVOKABLE void HuffmanCoding_forP();
  Q_INVOKABLE void HuffmanCoding_forI1();
  Q_INVOKABLE bool HuffmanCoding_F_forI2();
  Q_INVOKABLE bool HuffmanCoding_F_forI2p();
  Q_INVOKABLE void HuffmanCoding_select();
  Q_INVOKABLE void HuffmanCoding_HT2();
  Q_INVOKABLE void HuffmanCoding_HT3();
  Q_INVOKABLE void HuffmanCoding_HT4();
  Q_INVOKABLE void HuffmanCoding_endforI2();
  Q_INVOKABLE void HuffmanCoding_HC1();
  Q_INVOKABLE void HuffmanCoding_cd1() {}
  Q_INVOKABLE void HuffmanCoding_cd2();
  Q_INVOKABLE bool HuffmanCoding_F_forI3();
  Q_INVOKABLE void HuffmanCoding_start();
  Q_INVOKABLE bool HuffmanCoding_F_forc();
  Q_INVOKABLE bool HuffmanCoding_F_ifHT();
  Q_INVOKABLE void HuffmanCoding_cd3p();
  Q_INVOKABLE void HuffmanCoding_else1p();
  Q_INVOKABLE void HuffmanCoding_decstartp();
  Q_INVOKABLE void HuffmanCoding_endwhilep() {}
  Q_INVOKABLE void HuffmanCoding_cd3();
  Q_INVOKABLE void HuffmanCoding_else1();
  Q_INVOKABLE void HuffmanCoding_HC2();
  Q_INVOKABLE void HuffmanCoding_strcpy();
  Q_INVOKABLE void HuffmanCoding_endforI3();
  Q_INVOKABLE void HuffmanCoding_free() {}

 private:
  void SetInt(const char* name, int value);
  void SetEntry(int i);
  void SetI(int i);
  // HC: n strings; cd: n-1 characters "-"; the code row shows cd.
  void MakeCodes();
  // The digit at the place start names (1-based), shown in cd, the code row and on c's edge.
  void WriteDigit(QChar digit);
  void MoveUp();
  // What the fills and the code digits stand for at the line the run stands at (the tree's
  // LitOf and DigitOf), from the run's i, s1, s2, c and HT.
  std::optional<bool> LitOf(int node) const;
  std::optional<QString> DigitOf(int node) const;
  // A whole-number variable of the innermost call, 0 while it has none.
  int Number(const char* name) const;
  int Parent(int node) const;

  int n_ = 0;
  std::vector<int> weights_;
  std::vector<THuffNode> ht_;
  int m_ = 0, i_ = 0, start_ = 0, s1_ = 0, s2_ = 0, c_ = 0, f_ = 0;
  QString cd_;
};
