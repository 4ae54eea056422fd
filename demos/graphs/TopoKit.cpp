#include "demos/graphs/TopoKit.h"

#include "demos/graphs/Graph.h"
#include "demos/graphs/GraphList.h"
#include "demos/graphs/GraphP.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"

QString TTopoStkData::GetText() const {
  return CutText(QStringLiteral("      ") + QString::number(Value) + QStringLiteral("      "));
}

namespace topokit {

int Shown(int v) { return UseCLanguage ? v - 1 : v; }
int VertexOf(int shown) { return UseCLanguage ? shown + 1 : shown; }

std::unique_ptr<TVector> NumberedVector(const QString& name, int n) {
  auto vector = std::make_unique<TVector>(name);
  if (n < 1) return vector;
  vector->SetSize(n);
  for (int v = 1; v <= n; ++v)
    vector->SetItem(v - 1, new TIntData(QStringLiteral("%1[%2]").arg(name).arg(Shown(v)), 0));
  return vector;
}

void SetItem(TData* vector, int v, int value) {
  if (vector == nullptr) return;
  if (auto* item = static_cast<TIntData*>(vector->Items(v - 1))) item->SetValue(value);
}

void CountInDegrees(const TGraphm& graph, TGraphP& panel, TGraphList& list, TStringGrid& grid, int column,
                    TData* vector, int* indegree) {
  const int n = graph.VertexCount();
  for (int v = 1; v <= n; ++v) {
    indegree[v] = 0;
    panel.SetVertexColor(v, Red);
    for (int u = 1; u <= n; ++u) {
      if (!graph.IsArc(u, v)) continue;
      indegree[v] += 1;
      panel.SetArcColor(u, v, Red);
      list.Highlight(u, v, true);
    }
    grid.SetCells(column, v, QString::number(indegree[v]));
    SetItem(vector, v, indegree[v]);
    panel.Update();
    list.Update();
    pacing::Sleep((99 - RunSpeed) * 10);
    panel.SetVertexColor(v, Green);
    for (int u = 1; u <= n; ++u) {
      if (!graph.IsArc(u, v)) continue;
      panel.SetArcColor(u, v, clBlack);
      list.Highlight(u, v, false);
    }
  }
}

void HoldTopRow(TStackBox& box, const int& count, std::span<const int> entries) {
  if (box.Count() == 0) return;
  box.Row(box.Count() - 1)->Stands = {{.Value = [&count, entries, at = count]() -> std::optional<QString> {
    if (at > count) return std::nullopt;
    return QString::number(entries[static_cast<std::size_t>(at)]);
  }}};
}

void HoldArcMeans(TGraphP& panel, TGraphList& list, const std::unique_ptr<TEdge>& arc, const TakenArcs& taken) {
  list.LitMeans = [&arc](int row, int vertex) {
    return std::optional<bool>(arc != nullptr && arc->Tail == row && arc->Head == vertex);
  };
  panel.ArcWords = {{Blue, QStringLiteral("taken")}, {Red, QStringLiteral("p")}};
  panel.ArcMeans = [&arc, &taken](int tail, int head) {
    return TValueMeaning{.Value = [&arc, &taken, tail, head] {
      if (arc != nullptr && arc->Tail == tail && arc->Head == head) return std::optional<QString>(QStringLiteral("p"));
      return std::optional<QString>(taken[static_cast<std::size_t>(tail)][static_cast<std::size_t>(head)] ? QStringLiteral("taken")
                                                                                                          : QString());
    }};
  };
}

void ShowArc(const TEdge* arc, TGraphP& panel, TGraphList& list) {
  if (arc == nullptr) return;
  panel.SetArcColor(arc->Tail, arc->Head, Red);
  list.Highlight(arc->Tail, arc->Head, true);
}

TCentredGrid::TCentredGrid(QWidget* parent) : TStringGrid(parent) {}

std::vector<TDrawnShape> TCentredGrid::DrawingShapes() const {
  std::vector<TDrawnShape> out;
  const QPoint at = viewport()->mapTo(this, QPoint(0, 0));
  for (int row = 0; row < RowCount(); ++row) {
    for (int col = 0; col < ColCount(); ++col) {
      const TRect r = CellRect(col, row);
      if (r.IsEmpty() || r.Left >= ClientWidth() || r.Top >= ClientHeight()) continue;
      TDrawnShape cell = TDrawnShape::CellAt(QRect(r.Left, r.Top, r.Width(), r.Height()).translated(at), Cells(col, row));
      if (CellMeans)
        if (const std::optional<TValueMeaning> m = CellMeans(col, row)) cell = cell.StandingFor(*m);
      out.push_back(cell);
    }
  }
  return out;
}

void TCentredGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState) {
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = row == 0 ? FixedColor : Color;
  c.FillRect(rect);
  c.SetBkMode(TRANSPARENT);
  c.Font = Font;
  const QString text = Cells(col, row);
  // Blue letters stand too close to the teal headings: outlined there.
  TextOutOnGround(c, rect.Left + (rect.Right - rect.Left - c.TextWidth(text)) / 2,
                  rect.Top + (rect.Bottom - rect.Top - c.TextHeight(text)) / 2, text, Font.Color, c.Brush.Color);
}

}  // namespace topokit
