#pragma once
// A string shown as it stands, without the quotes of the chosen language: the heading row
// that the knapsack's stack display keeps at its bottom, and the rows of the railway cars'
// stack window.
#include "framework/engine/BasicData.h"

class TMyStringData : public TStringData {
 public:
  using TStringData::TStringData;
  std::unique_ptr<TData> NewInstance(const QString& name) const override {
    return std::make_unique<TMyStringData>(name);
  }
  QString GetText() const override { return CutText(Value()); }
};
