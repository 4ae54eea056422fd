#pragma once
// A caption that shows a value of the algorithm's run (the visiting order, the queue, the
// finish order, the output line, the set S): it reports itself as a cell holding its caption,
// standing for what Means makes of the demonstration's records, so that the checks hold the
// caption to the run and not to its own text.
#include <functional>
#include <optional>

#include "framework/drawkit/ThemedControls.h"

class TValueCaption : public TZqStaticText {
 public:
  using TZqStaticText::TZqStaticText;

  // The caption the run stands for now; nothing: not held.
  std::function<std::optional<QString>()> Means;

  std::vector<TDrawnShape> DrawingShapes() const override {
    if (!Means) return {};
    return {TDrawnShape::CellAt(rect(), Caption()).StandingFor({.Value = Means})};
  }
};
