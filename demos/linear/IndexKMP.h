#pragma once
// The Knuth-Morris-Pratt search in two procedures: GetNext computes the next function of
// the pattern by matching it against itself, IndexKMP then searches without moving i
// back, taking j from next[j] after a mismatch. TIndexKMPNVal computes nextval instead.
#include <array>

#include "demos/linear/IndexBF.h"

class TIndexKMP : public TIndexDemo {
  Q_OBJECT
 public:
  explicit TIndexKMP(const QStringList& source);

  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;

  // next[k] as computed, 1-based.
  int Next(int k) const { return k >= 1 && k <= static_cast<int>(NextArray.size()) ? NextArray[k - 1] : 0; }
  int MatchResult = 0;

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE TData* Main_C_GetIndex();
  Q_INVOKABLE void Main_AfterGetIndex();

  Q_INVOKABLE void GetNext_Begin();
  Q_INVOKABLE bool GetNext_F_Loop();
  Q_INVOKABLE bool GetNext_F_IsEqual();
  Q_INVOKABLE void GetNext_NextChar();
  Q_INVOKABLE void GetNext_NextValue();
  Q_INVOKABLE void GetNext_NotEqual();

  Q_INVOKABLE void IndexKMP_Begin();
  Q_INVOKABLE bool IndexKMP_F_Loop();
  Q_INVOKABLE bool IndexKMP_F_IsEqual();
  Q_INVOKABLE void IndexKMP_NextChar();
  Q_INVOKABLE void IndexKMP_NotEqual();
  Q_INVOKABLE bool IndexKMP_F_IsFound();
  Q_INVOKABLE void IndexKMP_Found() {}
  Q_INVOKABLE void IndexKMP_NotFound() {}

 protected:
  // next[i] := value, in the array, the vector "next" and the drawn next row (copied from
  // cell `from` when given).
  void SetNext(int i, int value, int from = 0);
  // i := i + 1; j := j + 1 and the markers follow.
  void Advance();

  std::array<int, 25> NextArray{};
};

class TIndexKMPNVal : public TIndexKMP {
  Q_OBJECT
 public:
  explicit TIndexKMPNVal(const QStringList& source);

  Q_INVOKABLE bool GetNext_F_IsNotEqual();
  Q_INVOKABLE void GetNext_NextV1();
  Q_INVOKABLE void GetNext_NextV2();
};
