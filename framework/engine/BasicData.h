#pragma once
// The displayed values: scalars (integer, character, boolean, real, string, pointer) and
// composites (record, vector, matrix). Constructors store a value without marking it;
// SetValue stores and marks the value modified. Texts show "???" while not Assigned.
#include <QString>
#include <cstdint>

#include "framework/engine/Data.h"

class TIntData : public TLeafData {
 public:
  explicit TIntData(const QString& name = QString(), std::int32_t value = 0)
      : TLeafData(name), value_(value) {}
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  void AssignTo(TData* dest) override;
  QString GetText() const override;
  std::int32_t Value() const { return value_; }
  void SetValue(std::int32_t v);

 private:
  std::int32_t value_;
};

// One 8-bit character.
class TCharData : public TLeafData {
 public:
  explicit TCharData(const QString& name = QString(), char value = ' ')
      : TLeafData(name), value_(value) {}
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  void AssignTo(TData* dest) override;
  QString GetText() const override;
  char Value() const { return value_; }
  void SetValue(char v);

 private:
  char value_;
};

class TBoolData : public TLeafData {
 public:
  explicit TBoolData(const QString& name = QString(), bool value = false)
      : TLeafData(name), value_(value) {}
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  void AssignTo(TData* dest) override;
  QString GetText() const override;
  bool Value() const { return value_; }
  void SetValue(bool v);

 private:
  bool value_;
};

class TRealData : public TLeafData {
 public:
  explicit TRealData(const QString& name = QString()) : TLeafData(name) {}
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  void AssignTo(TData* dest) override;
  QString GetText() const override;
  double Value() const { return value_; }
  void SetValue(double v);

 private:
  double value_ = 0;
};

// A string of any length; shown quoted as the chosen language quotes ('ab' or "ab").
class TStringData : public TLeafData {
 public:
  explicit TStringData(const QString& name = QString(), const QString& value = QString())
      : TLeafData(name), value_(value) {}
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  void AssignTo(TData* dest) override;
  QString GetText() const override;
  const QString& Value() const { return value_; }
  void SetValue(const QString& v);

 private:
  QString value_;
};

// A pointer to another node. The target is not a child of the pointer; the pointer frees
// it only when OwnsTarget is set (at its own destruction) or through DisposeTarget.
class TPtrData : public TLeafData {
 public:
  enum { StateNormal = 0, StateDisposed = 1 };

  explicit TPtrData(const QString& name = QString(), TData* target = nullptr,
                    bool ownsTarget = false);
  ~TPtrData() override;
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  void AssignTo(TData* dest) override;
  QString GetText() const override;

  TData* Target() const { return target_; }
  int State() const { return state_; }
  bool OwnsTarget() const { return ownsTarget_; }
  // Points at t (normal state, not owning). A target this pointer owned is freed first,
  // unless it is t itself.
  void SetTarget(TData* t);
  // Destroys the target, owned or not, and shows the pointer as disposed ("非法状态").
  void DisposeTarget();

 private:
  friend class TData;
  void Watch(TData* t);
  void Unwatch();
  // The target was destroyed by someone else.
  void TargetDestroyed();

  TData* target_ = nullptr;
  int state_ = StateNormal;
  bool ownsTarget_ = false;
};

// Named fields as children: "(1,2)".
class TRecord : public TComplicateData {
 public:
  using TComplicateData::TComplicateData;
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  QString GetText() const override;
};

// Elements as children: "(1, 2)".
class TVector : public TComplicateData {
 public:
  using TComplicateData::TComplicateData;
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  QString GetText() const override;
  // Below 1 raises EInvalidDimension; shrinking hands back the elements taken out.
  std::vector<std::unique_ptr<TData>> SetSize(int n);
};

// Rows x Cols elements as children, row by row: "((1,2,),(3,4,))". The dimensions are
// given at creation; elements are then added with Add.
class TMatrix : public TComplicateData {
 public:
  explicit TMatrix(const QString& name = QString(), int rows = 0, int cols = 0)
      : TComplicateData(name), rows_(rows), cols_(cols) {}
  std::unique_ptr<TData> NewInstance(const QString& name) const override;
  // A copy into another matrix takes the dimensions along with the elements.
  void AssignTo(TData* dest) override;
  QString GetText() const override;

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  // Raises ERangeError "Matrix Sub: i j" outside the rows or columns.
  void CheckIndex(int i, int j) const;
  int LinearIndex(int i, int j) const;
  TData* Elements(int i, int j) const { return Items(LinearIndex(i, j)); }

 private:
  int rows_;
  int cols_;
};
