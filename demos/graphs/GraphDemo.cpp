#include "demos/graphs/GraphDemo.h"

#include "demos/graphs/GraphList.h"
#include "demos/graphs/GraphP.h"
#include "framework/drawkit/NodeContainer.h"
#include "framework/shell/MainForm.h"

namespace graphdemo {

std::unique_ptr<TRecord> VisitedRecord(int n) {
  auto rec = std::make_unique<TRecord>(QStringLiteral("visited"));
  for (int i = 1; i <= n; ++i) rec->Add(new TCharData(QStringLiteral("[%1]").arg(i), 'F'));
  return rec;
}

void MarkVisited(const TData* rec, int v) {
  if (rec == nullptr) return;
  if (auto* field = static_cast<TCharData*>(rec->FindByName(QStringLiteral("[%1]").arg(v)))) field->SetValue('T');
}

void ResetColours(TGraphm& graph, TGraphP& panel, TColor vertexColor, TGraphList* list) {
  const int n = graph.VertexCount();
  for (int i = 1; i <= n; ++i) {
    graph.ClearVData(i);
    panel.SetVertexColor(i, vertexColor);
    for (int j = 1; j <= n; ++j) panel.SetArcColor(i, j, clBlack);
  }
  if (list != nullptr) list->ClearHighlights();
}

void ColourEdge(TGraphP& panel, int u, int v, TColor color) {
  panel.SetArcColor(u, v, color);
  panel.SetArcColor(v, u, color);
}

void ColourArc(TGraphP& panel, int tail, int head, TColor color) {
  if (panel.Directed()) {
    panel.SetArcColor(tail, head, color);
  } else {
    ColourEdge(panel, tail, head, color);
  }
}

QString LoopRefusal(const TGraphm& graph) {
  for (int v = 1; v <= graph.VertexCount(); ++v)
    if (graph.IsArc(v, v))
      return QStringLiteral("顶点%1有自环：生成树的边连接两个不同的顶点，本演示只接受没有自环的网。").arg(VertexLetter(v));
  return {};
}

int LeftPanePct(int usual, int least) {
  const int width = MainForm != nullptr ? MainForm->width() : 0;
  if (width <= 0) return usual;
  return std::clamp((least * 100 + width - 1) / width, usual, 80);
}

int NetworkPanePct(int usual, const TGraphm* graph, bool weighted) {
  const bool crowded = graph != nullptr && weighted && graph->VertexCount() > 6 && graph->Loops() > 0;
  return LeftPanePct(usual, crowded ? 820 : 0);
}

void WidenWhileAlone(TNodeContainer& container, bool alone) {
  const QWidget* window = container.parentWidget();
  if (window == nullptr) return;
  const auto bounds = RescaledBounds(container.Design, window->width(), window->height());
  if (!bounds) return;
  QRect r = *bounds;
  if (alone) r.setRight(window->width() - 1);
  container.setGeometry(r);
}

}  // namespace graphdemo
