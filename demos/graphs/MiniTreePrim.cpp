#include "demos/graphs/MiniTreePrim.h"

#include "demos/graphs/GraphInput.h"
#include "demos/graphs/GraphMatrix.h"
#include "demos/graphs/GraphP.h"
#include "demos/graphs/GraphDemo.h"
#include "demos/graphs/TextFit.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"
#include "platform/PaintBox.h"
#include "platform/TextRules.h"

namespace {

TZqStaticText* Label(TZqStaticText* t, const QString& caption) {
  t->SetCaption(caption);
  TFont font;
  font.Height = -12;
  font.Color = clBlue;
  t->SetFont(font);
  return t;
}

}  // namespace

// ================================================================ window

namespace {
// The most vertices whose weights and matrix read at 13 px with the usual split on a
// 1024 x 768 screen: larger networks widen the drawing window and narrow the matrix.
constexpr int kVerticesInUsualWidth = 6;
}  // namespace

TPrimForm::TPrimForm() {
  SetCaption(QStringLiteral("普里姆算法构造最小生成树"));
  SetDesignClientSize(386, 329);
  GraphP1 = Place(new TGraphP(this), 5, 6, 191, 203);
  GraphP1->setObjectName(QStringLiteral("GraphP1"));
  GraphP1->SetWeighted(true);
  GraphP1->hide();
  GraphMatrix1 = Place(new TGraphMatrix(this), 201, 6, 182, 203);
  GraphMatrix1->setObjectName(QStringLiteral("GraphMatrix1"));
  GraphMatrix1->SetColor(2, clOlive);
  GraphMatrix1->SetColor(3, clPurple);
  GraphMatrix1->hide();
  Label(Place(new TZqStaticText(this), 8, 228, 81, 28), QStringLiteral("closedge[..]"));
  Label(Place(new TZqStaticText(this), 56, 264, 33, 28), QStringLiteral("vex"));
  Label(Place(new TZqStaticText(this), 22, 299, 67, 28), QStringLiteral("lowcost"));
  auto* holder = Place(new TZqStaticText(this), 96, 224, 289, 105);
  PaintBox = new TPaintBox(holder);
  PaintBox->setObjectName(QStringLiteral("ClosedgeTable"));
  SetAlign(*PaintBox, alClient);
  PaintBox->OnPaint = [this](TPaintBox& box) { PaintTable(box); };
}

void TPrimForm::FormResize() {
  TGraphForm::FormResize();
  LayMatrix();
}

void TPrimForm::LayMatrix() {
  const TGraphm* graph = GraphMatrix1->Graph();
  // A small network's weights have room enough beside a matrix of the usual width.
  if (graph == nullptr || graph->VertexCount() <= kVerticesInUsualWidth) return;
  // A large network's matrix narrows to the least a class reads, leaving the network the room;
  // in a window made smaller, one too narrow for the least the window reads widens as far.
  const QRect matrix = GraphMatrix1->geometry();
  int least = TGraphMatrix::WidthFor(*graph, LegiblePixels());
  if (least >= matrix.width()) {
    least = TGraphMatrix::WidthFor(*graph, LegiblePixelsIn(*GraphMatrix1));
    if (least <= matrix.width()) return;
  }
  const int gap = matrix.left() - GraphP1->geometry().right();
  GraphMatrix1->setGeometry(matrix.right() + 1 - least, matrix.top(), least, matrix.height());
  GraphP1->setGeometry(GraphP1->x(), GraphP1->y(), GraphMatrix1->x() - gap + 1 - GraphP1->x(), GraphP1->height());
}

void TPrimForm::ClearTable() {
  GraphP1->hide();
  GraphMatrix1->hide();
  columns_ = 0;
  vex_.fill(QString());
  cost_.fill(QString());
  PaintBox->setAccessibleDescription(TableText());
  PaintBox->Invalidate();
}

void TPrimForm::SetGraph(TGraphm* graph) {
  GraphP1->show();
  GraphMatrix1->show();
  GraphP1->SetGraph(graph);
  GraphMatrix1->SetGraph(graph);
  GraphP1->SetState(csDisplay);
  GraphP1->SetGroundColor(RGB(255, 255, 255));
  const int n = graph->VertexCount();
  widestCost_ = QStringLiteral("*");
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      if (QString::number(graph->Entry(i, j)).size() > widestCost_.size()) widestCost_ = QString::number(graph->Entry(i, j));
  for (int i = 1; i <= n; ++i) {
    GraphP1->SetVertexColor(i, RGB(255, 255, 0));
    for (int j = i + 1; j <= n; ++j)
      if (graph->Entry(i, j) != 0) GraphP1->SetArcColor(i, j, RGB(128, 128, 128));
  }
  GraphMatrix1->SetCellColor(1, 1, RGB(255, 0, 0));
  GraphMatrix1->SetColor(2, RGB(0, 128, 0));
  GraphMatrix1->SetColor(3, RGB(0, 0, 0));
  GraphMatrix1->SetColor(1, RGB(255, 255, 0));
  RescaleContents();
  LayMatrix();
}

void TPrimForm::DrawTable(int n) {
  columns_ = n;
  PaintBox->setAccessibleDescription(TableText());
  PaintBox->Invalidate();
}

void TPrimForm::DrawColumn(int c, const QString& vexText, const QString& costText) {
  vex_[static_cast<std::size_t>(c)] = vexText;
  cost_[static_cast<std::size_t>(c)] = costText;
  PaintBox->setAccessibleDescription(TableText());
  PaintBox->Invalidate();
}

void TPrimForm::MarkVertex(int v) { GraphP1->SetVertexColor(v, RGB(255, 0, 0)); }

void TPrimForm::MarkArc(int a, int b) { GraphP1->SetArcColor(std::min(a, b), std::max(a, b), RGB(255, 0, 0)); }

QString TPrimForm::TableText() const {
  QStringList vex{QStringLiteral("vex")};
  QStringList cost{QStringLiteral("lowcost")};
  for (int c = 1; c <= columns_; ++c) {
    vex << (vex_[static_cast<std::size_t>(c)].trimmed().isEmpty() ? QStringLiteral("-") : vex_[static_cast<std::size_t>(c)].trimmed());
    cost << (cost_[static_cast<std::size_t>(c)].trimmed().isEmpty() ? QStringLiteral("-") : cost_[static_cast<std::size_t>(c)].trimmed());
  }
  return vex.join(' ') + QStringLiteral(" | ") + cost.join(' ');
}

TPrimForm::TTableShape TPrimForm::TableShape() const {
  TTableShape t;
  const TDesignRatio r = RatioOf(*PaintBox);
  const int n = std::max(columns_, 1);
  t.Pitch = std::max(1, std::min(r.Grow(35), (PaintBox->width() - 10) / n));
  t.CellWidth = std::max(1, t.Pitch * 6 / 7);
  t.Margin = r.Y(5);
  t.Gap = r.Y(10);
  t.RowHeight = std::max(1, text::Round(PaintBox->height() / 3.0 - t.Gap));
  TTextFit fit{TFont{.Height = -20}};
  fit.CapHeight(t.RowHeight / 2);
  for (const QString& text : {QString::number(n), widestCost_}) fit.Width(text, t.CellWidth * 4 / 5);
  t.Font = fit.Font();
  return t;
}

QString TPrimForm::CellText(int column, int row) const {
  return (row == 1 ? QString::number(column) : row == 2 ? vex_[static_cast<std::size_t>(column)] : cost_[static_cast<std::size_t>(column)]).trimmed();
}

std::vector<TDrawnShape> TPrimForm::DrawingShapes() const {
  if (!PaintBox->isVisible()) return {};
  const TTableShape t = TableShape();
  const QPoint at = PaintBox->mapTo(this, QPoint(0, 0));
  std::vector<TDrawnShape> out;
  for (int col = 1; col <= columns_; ++col) {
    for (int r = 1; r <= 3; ++r) {
      TDrawnShape cell = TDrawnShape::NodeAt(t.Cell(col, r).translated(at), CellText(col, r));
      if (r > 1 && CellMeans) cell = cell.StandingFor(CellMeans(col, r));
      out.push_back(cell);
    }
  }
  return out;
}

void TPrimForm::PaintTable(TPaintBox& box) {
  TCanvas& c = box.Canvas();
  CopyBackdrop(c, box, box.ClientRect());
  const TTableShape t = TableShape();
  c.Font = t.Font;
  c.SetBkMode(TRANSPARENT);
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  const int cap = TTextFit::CapHeightOf(c.Font);
  static constexpr std::array<TColor, 3> Rows{RGB(0, 128, 0), RGB(255, 255, 0), RGB(255, 255, 255)};
  for (int col = 1; col <= columns_; ++col) {
    for (int r = 1; r <= 3; ++r) {
      const QRect cell = t.Cell(col, r);
      c.Brush.Style = bsSolid;
      c.Brush.Color = Rows[static_cast<std::size_t>(r - 1)];
      c.Pen = TPen{};
      c.Rectangle(cell.left(), cell.top(), cell.left() + cell.width(), cell.top() + cell.height());
      c.Font.Color = clBlack;
      // " 0" is centred as its digit.
      c.TextOut(cell.left() + cell.width() / 2, cell.top() + (cell.height() + cap) / 2, CellText(col, r));
    }
  }
}

// ================================================================ demonstration

TMinispantreePRIM::TMinispantreePRIM(const QStringList& source) : TFormDemo(source) {}
TMinispantreePRIM::~TMinispantreePRIM() = default;

void TMinispantreePRIM::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  HoldPictureToRun();
}

void TMinispantreePRIM::HoldPictureToRun() {
  graphForm_->CellMeans = [this](int column, int row) {
    return TValueMeaning{.Value = [this, column, row] {
      const TClosedge& e = Edge(column);
      if (!set_[static_cast<std::size_t>(column)]) return std::optional<QString>(QString());
      if (row == 2) return std::optional<QString>(QString::number(e.vex));
      return std::optional<QString>(e.lowcost == TPrimForm::NoEdge ? QStringLiteral("*") : QString::number(e.lowcost));
    }};
  };
  TGraphP& panel = *graphForm_->GraphP1;
  panel.VertexWords = {{RGB(255, 0, 0), QStringLiteral("tree")}};
  panel.ArcWords = {{RGB(255, 0, 0), QStringLiteral("tree")}};
  panel.VertexMeans = [this](int v) {
    return TValueMeaning{.Value = [this, v] {
      return std::optional<QString>(inTree_[static_cast<std::size_t>(v)] ? QStringLiteral("tree") : QString());
    }};
  };
  panel.ArcMeans = [this](int tail, int head) {
    return TValueMeaning{.Value = [this, tail, head] {
      const bool tree = treeArc_[static_cast<std::size_t>(tail)] == head || treeArc_[static_cast<std::size_t>(head)] == tail;
      return std::optional<QString>(tree ? QStringLiteral("tree") : QString());
    }};
  };
}

std::unique_ptr<TData> TMinispantreePRIM::GetInitialParam() {
  auto rec = std::make_unique<TData>(QString());
  rec->Add(new TIntData(QStringLiteral("u0"), 1));
  return rec;
}

bool TMinispantreePRIM::CreateData() {
  if (!ShowGraphInput(QStringLiteral("Input a Graph :"), 10, false, true, graph_, graphdemo::LoopRefusal)) return false;
  graphForm_->SetGraph(graph_.get());
  // New data of a running demonstration may want the other split (a start docks the windows
  // itself once the data is in).
  if (MainForm != nullptr && CurrentDemo == this) SetWindowRect();
  return true;
}

void TMinispantreePRIM::ResetLocalData(const QString& procName) {
  if (procName != QLatin1String("Prim")) return;
  for (const char* name : {"v", "i", "k"}) Locals()->Add(new TIntData(QString::fromLatin1(name), 1));
}

void TMinispantreePRIM::SetWindowRect() {
  // A network of many vertices needs the drawing window wide on a narrow screen (its weights
  // and matrix at a readable size); a small one leaves the algorithm its usual width.
  const bool large = graph_ && graph_->VertexCount() > kVerticesInUsualWidth;
  MainForm->DockThreePanes(graphForm_.get(), graphdemo::LeftPanePct(60, large ? 820 : 0), AlgorithmForm, 70, VariableForm);
}

void TMinispantreePRIM::Reset() {
  TAlgoDemo::Reset();
  graphForm_->ClearTable();
  vtxnum_ = graph_->VertexCount();
  closedge_.fill(TClosedge{});
  set_.fill(false);
  inTree_.fill(false);
  treeArc_.fill(0);
  graphForm_->SetGraph(graph_.get());
  graphForm_->DrawTable(vtxnum_);
}

void TMinispantreePRIM::DrawColumn(int v) {
  set_[static_cast<std::size_t>(v)] = true;
  const TClosedge& e = closedge_[static_cast<std::size_t>(v)];
  graphForm_->DrawColumn(v, QString::number(e.vex),
                    e.lowcost == TPrimForm::NoEdge ? QStringLiteral("*") : QStringLiteral("%1").arg(e.lowcost, 2));
}

// Prim(g, u0)
TData* TMinispantreePRIM::Main_C_Begin() {
  auto* rec = new TData(QString());
  rec->Add(new TIntData(QStringLiteral("u0"), 1));
  return rec;
}

void TMinispantreePRIM::Prim_Begin() {
  Var("v")->SetValue(0);
  inTree_[static_cast<std::size_t>(Get("u0"))] = true;
  graphForm_->MarkVertex(Get("u0"));
}

// FOR v := 1 TO vtxnum DO
bool TMinispantreePRIM::Prim_F_ForTo1() {
  Var("v")->SetValue(Get("v") + 1);
  return Get("v") <= vtxnum_;
}

// IF v <> u0
bool TMinispantreePRIM::Prim_F_Equal() { return Get("v") != Get("u0"); }

// closedge[v] := (u0, g.arcs[u0, v])
void TMinispantreePRIM::Prim_Init() {
  const int v = Get("v");
  const int u0 = Get("u0");
  const int entry = graph_->Entry(u0, v);
  Edge(v) = {u0, entry == 0 ? TPrimForm::NoEdge : entry};
  DrawColumn(v);
}

// closedge[u0].lowcost := 0
void TMinispantreePRIM::Prim_Setu0() {
  const int u0 = Get("u0");
  Edge(u0) = {u0, 0};
  DrawColumn(u0);
  Var("i")->SetValue(0);
}

// FOR i := 1 TO vtxnum - 1 DO
bool TMinispantreePRIM::Prim_F_ForTo2() {
  Var("i")->SetValue(Get("i") + 1);
  return Get("i") < vtxnum_;
}

// k := minimum(closedge)
void TMinispantreePRIM::Prim_FindMin() {
  int k = 0;
  for (int v = 1; v <= vtxnum_; ++v) {
    const int cost = Edge(v).lowcost;
    if (cost > 0 && cost < TPrimForm::NoEdge && (k == 0 || cost < Edge(k).lowcost)) k = v;
  }
  Var("k")->SetValue(k);
}

// IF k = 0
bool TMinispantreePRIM::Prim_F_NotConnected() { return Get("k") == 0; }

void TMinispantreePRIM::Prim_ShowError() { modal::ShowMessage(QStringLiteral("Error: The Graph is not connected!")); }

// writeln(closedge[k].vex, k)
void TMinispantreePRIM::Prim_AddEdge() {
  const int k = Get("k");
  treeArc_[static_cast<std::size_t>(k)] = Edge(k).vex;
  graphForm_->MarkArc(Edge(k).vex, k);
}

// closedge[k].lowcost := 0
void TMinispantreePRIM::Prim_AddToSet() {
  const int k = Get("k");
  Edge(k).lowcost = 0;
  DrawColumn(k);
  inTree_[static_cast<std::size_t>(k)] = true;
  graphForm_->MarkVertex(k);
  Var("v")->SetValue(0);
}

// FOR v := 1 TO vtxnum DO
bool TMinispantreePRIM::Prim_F_ForTo3() { return Prim_F_ForTo1(); }

// IF g.arcs[k, v] < closedge[v].lowcost
bool TMinispantreePRIM::Prim_F_Shorter() {
  const int k = Get("k");
  const int v = Get("v");
  int w = graph_->Entry(k, v);
  if (w == 0 && v != k) w = TPrimForm::NoEdge;
  return w < Edge(v).lowcost;
}

// closedge[v].lowcost := g.arcs[k, v]
void TMinispantreePRIM::Prim_ChangeCost() {
  const int v = Get("v");
  Edge(v).lowcost = graph_->Entry(Get("k"), v);
  DrawColumn(v);
}

// closedge[v].vex := k
void TMinispantreePRIM::Prim_ChangeVex() {
  const int v = Get("v");
  Edge(v).vex = Get("k");
  DrawColumn(v);
}
