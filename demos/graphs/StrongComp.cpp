#include "demos/graphs/StrongComp.h"

#include "demos/graphs/GraphInput.h"
#include "demos/graphs/GraphList.h"
#include "demos/graphs/GraphP.h"
#include "demos/graphs/GraphDemo.h"
#include "demos/graphs/TraverWindow.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/Pacing.h"

namespace {
constexpr TColor Plain = RGB(255, 255, 200);
constexpr TColor Flash = RGB(255, 0, 0);
// An arc once flashed stays in this gold.
constexpr TColor Walked = RGB(220, 200, 0);
// One colour per component, ten apart from one another, from the unvisited vertices' cream,
// from the red of a flash and from the panel's blue, so that a projector still tells them
// apart; dark letters stay readable on each.
constexpr std::array<TColor, 10> Components{RGB(50, 255, 255),  RGB(200, 250, 55),  RGB(255, 100, 255),
                                            RGB(255, 170, 0),   RGB(0, 200, 80),    RGB(190, 190, 190),
                                            RGB(0, 170, 255),   RGB(255, 185, 210), RGB(135, 135, 0),
                                            RGB(75, 135, 120)};
const QString Finished = QStringLiteral(" Finished: ");
}  // namespace

namespace strongcomp {
// The graph above, its adjacency lists below it, the finish order at the bottom.
class TTraverform : public TTraverWindow {
 public:
  TTraverform() : TTraverWindow(QStringLiteral("强连通分量"), "StatusText", 18, graphdemo::StatusBlue) {
    GraphP->SetGroundColor(RGB(150, 150, 250));
    GraphList->SetColor(3, RGB(200, 200, 250));
    GraphList->SetColor(2, RGB(150, 50, 0));
    OrderText->SetCaption(Finished);
  }

 protected:
  void PlaceCaptions(int w, int h) override { OrderText->setGeometry(0, h / 10 * 9, w, h - h / 10 * 9); }
};
}  // namespace strongcomp

TStrongComp::TStrongComp(const QStringList& source) : TAlgoDemo(source) {}
TStrongComp::~TStrongComp() = default;

TColor TStrongComp::ComponentColour(int n) { return Components[static_cast<std::size_t>((std::max(n, 1) - 1) % 10)]; }

void TStrongComp::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<strongcomp::TTraverform>();
  HoldPictureToRun();
}

void TStrongComp::HoldPictureToRun() {
  const auto colourWord = [](int n) { return QStringLiteral("colour %1").arg((std::max(n, 1) - 1) % 10 + 1); };
  TGraphP& panel = *form_->GraphP;
  panel.VertexWords = {{Plain, QStringLiteral("unvisited")}};
  for (int n = 1; n <= 10; ++n) panel.VertexWords[ComponentColour(n)] = colourWord(n);
  panel.ArcWords = {{Walked, QStringLiteral("taken")}};
  panel.VertexMeans = [this, colourWord](int v) {
    return TValueMeaning{.Value = [this, colourWord, v] {
      const std::size_t at = At(v);
      if (visited_[at]) return std::optional<QString>(colourWord(colourOf_[at]));
      return std::optional<QString>(cleared_[at] ? QStringLiteral("unvisited") : QString());
    }};
  };
  // An undirected graph draws each edge once: taken either way.
  panel.ArcMeans = [this, &panel](int tail, int head) {
    return TValueMeaning{.Value = [this, &panel, tail, head] {
      const bool taken = taken_[At(tail)][At(head)] || (!panel.Directed() && taken_[At(head)][At(tail)]);
      return std::optional<QString>(taken ? QStringLiteral("taken") : QString());
    }};
  };
  form_->GraphList->LitMeans = [this](int row, int vertex) { return std::optional<bool>(taken_[At(row)][At(vertex)]); };
  form_->OrderText->Stands = {{.Value = [this] {
    QString text = Finished;
    for (int k = 1; k <= graph_->VertexCount(); ++k)
      if (finished_[At(k)] != 0) text += VertexLetter(finished_[At(k)]) + QStringLiteral(" ");
    return std::optional<QString>(text);
  }}};
}

std::unique_ptr<TData> TStrongComp::GetInitialParam() {
  loop1_ = loop2_ = loop3_ = 0;
  tailDepth_ = headDepth_ = 0;
  i_ = graph_->VertexCount() + 1;
  auto rec = std::make_unique<TData>(QString());
  rec->Add(new TIntData(QStringLiteral("VexNum"), graph_->VertexCount()));
  for (const char* name : {"vi", "i", "v0", "w", "count", "n"}) rec->Add(new TIntData(QString::fromLatin1(name), 0));
  return rec;
}

bool TStrongComp::CreateData() {
  bool directed = true;
  bool weighted = false;
  // A cancelled type dialog keeps a directed, unweighted graph.
  SelectGraphType(QStringLiteral("选择图的类型"), true, true, directed, weighted);
  if (!ShowGraphInput(QStringLiteral("创建有向图"), 10, directed, weighted, graph_)) return false;
  form_->GraphP->SetDirected(directed);
  form_->GraphP->SetWeighted(weighted);
  form_->GraphP->SetGraph(graph_.get());
  form_->GraphList->SetGraph(graph_.get());
  // New data of a running demonstration may want the other split (a start docks the windows
  // itself once the data is in).
  if (MainForm != nullptr && CurrentDemo == this) SetWindowRect();
  return true;
}

void TStrongComp::SetWindowRect() {
  MainForm->DockThreePanes(form_.get(), graphdemo::NetworkPanePct(60, graph_.get(), form_->GraphP->Weighted()), AlgorithmForm, 70,
                           VariableForm);
}

void TStrongComp::Reset() {
  const int n = graph_->VertexCount();
  for (int v = 1; v <= n; ++v) {
    graph_->ClearVData(v);
    form_->GraphP->SetVertexColor(v, RGB(255, 0, 0));
    for (int w = 1; w <= n; ++w) form_->GraphP->SetArcColor(v, w, clBlack);
  }
  form_->GraphList->ClearHighlights();
  form_->OrderText->SetCaption(Finished);
  visited_.fill(false);
  colourOf_.fill(0);
  cleared_.fill(false);
  for (auto& row : taken_) row.fill(false);
  finished_.fill(0);
  count_ = 0;
  n_ = 1;
  colour_ = 0;
  inHead_ = false;
  TAlgoDemo::Reset();
}

int TStrongComp::V0() const { return inHead_ ? headStack_[At(headDepth_)] : tailStack_[At(tailDepth_)]; }

TData* TStrongComp::CallArgs(int v0) {
  auto* rec = new TData(QString());
  rec->Add(new TIntData(QStringLiteral("w"), 0));
  rec->Add(new TIntData(QStringLiteral("v0"), v0));
  rec->Add(new TIntData(QStringLiteral("count"), count_));
  return rec;
}

void TStrongComp::Visit(int v0, int colour) {
  visited_[At(v0)] = true;
  colourOf_[At(v0)] = colour;
  graph_->SetVDataOne(v0);
  form_->GraphP->SetVertexColor(v0, ComponentColour(colour));
  form_->GraphP->Repaint();
}

void TStrongComp::Unvisit(int v) {
  visited_[At(v)] = false;
  cleared_[At(v)] = true;
  graph_->ClearVData(v);
  form_->GraphP->SetVertexColor(v, Plain);
}

void TStrongComp::FlashV(int v) {
  TGraphP& p = *form_->GraphP;
  const TColor kept = p.VertexColor(v);
  for (int round = 0; round < 3; ++round) {
    p.SetVertexColor(v, Flash);
    p.Repaint();
    pacing::Sleep(100);
    p.SetVertexColor(v, kept);
    p.Repaint();
    pacing::Sleep(400);
  }
  p.Repaint();
  pacing::Sleep(500);
}

void TStrongComp::FlashEdge(int tail, int head) {
  TGraphP& p = *form_->GraphP;
  for (int round = 0; round < 3; ++round) {
    const TColor tailColour = p.VertexColor(tail);
    const TColor headColour = p.VertexColor(head);
    p.SetVertexColor(tail, Flash);
    p.SetVertexColor(head, Flash);
    graphdemo::ColourArc(p, tail, head, Flash);
    p.Repaint();
    p.SetVertexColor(tail, tailColour);
    graphdemo::ColourArc(p, tail, head, Walked);
    p.SetVertexColor(head, headColour);
    p.Repaint();
    pacing::Sleep(200);
  }
}

// The arc a search takes next: w := its other end (0 when none), flashed and marked.
void TStrongComp::TakeArc(std::unique_ptr<TEdge> arc, bool outward) {
  if (!arc) {
    SetVar("w", 0);
    return;
  }
  SetVar("w", outward ? arc->Head : arc->Tail);
  taken_[At(arc->Tail)][At(arc->Head)] = true;
  FlashEdge(arc->Tail, arc->Head);
  form_->GraphList->Highlight(arc->Tail, arc->Head, true);
}

// ---- StrongComp

// count := 0; n := 1
void TStrongComp::StrongComp_Begin() {
  SetVar("count", count_ = 0);
  SetVar("n", n_ = 1);
}

// FOR vi := 1 TO G.vexnum DO (three such loops)
bool TStrongComp::StrongComp_F_Loop1() {
  SetVar("vi", ++loop1_);
  return loop1_ <= graph_->VertexCount();
}

bool TStrongComp::StrongComp_F_Loop2() {
  SetVar("vi", ++loop2_);
  return loop2_ <= graph_->VertexCount();
}

bool TStrongComp::StrongComp_F_Loop3() {
  SetVar("vi", ++loop3_);
  return loop3_ <= graph_->VertexCount();
}

// visited[vi] := FALSE
void TStrongComp::StrongComp_setFalse1() {
  Unvisit(loop1_);
  form_->GraphP->Repaint();
}

void TStrongComp::StrongComp_SetFalse2() { Unvisit(loop3_); }

// IF NOT visited[vi]
bool TStrongComp::StrongComp_F_notVisited() {
  colour_ += 1;
  return !visited_[At(loop2_)];
}

// dfs_tail(G, vi)
TData* TStrongComp::StrongComp_C_dfs_tail() {
  inHead_ = false;
  tailDepth_ = 0;
  tailStack_[0] = loop2_;
  return CallArgs(loop2_);
}

void TStrongComp::StrongComp_Afterdfs_tail() { SetVar("count", count_); }

// FOR i := G.vexnum DOWNTO 1 DO
bool TStrongComp::StrongComp_F_Loop4() {
  SetVar("i", --i_);
  return i_ >= 1;
}

// vi := finished[i]
void TStrongComp::StrongComp_getVi() {
  SetVar("vi", finished_[At(i_)]);
  if (finished_[At(i_)] > 0) FlashV(finished_[At(i_)]);
}

// IF NOT visited[vi]
bool TStrongComp::StrongComp_F_notVisted2() { return !visited_[At(Var("vi")->Value())]; }

// dfs_head(G, vi)
TData* TStrongComp::StrongComp_C_dfs_head() {
  inHead_ = true;
  headDepth_ = 0;
  headStack_[0] = Var("vi")->Value();
  return CallArgs(headStack_[0]);
}

void TStrongComp::StrongComp_Afterdfs_head() {
  inHead_ = false;
  SetVar("count", count_);
}

// n := n + 1
void TStrongComp::StrongComp_incN() { SetVar("n", ++n_); }

// ---- dfstail

// visited[v0] := TRUE
void TStrongComp::dfstail_Begin() { Visit(V0(), colour_); }

// w := FirstAdjVex(G, v0)
void TStrongComp::dfstail_setw() { TakeArc(graph_->FirstAdj(V0()), true); }

// WHILE w <> 0
bool TStrongComp::dfstail_F_wnot0() { return Var("w")->Value() != 0; }

// IF NOT visited[w]
bool TStrongComp::dfstail_F_notVisitedW() { return !visited_[At(Var("w")->Value())]; }

// dfs_tail(G, w)
TData* TStrongComp::dfstail_C_dfs_tailitr() {
  tailDepth_ += 1;
  tailStack_[At(tailDepth_)] = Var("w")->Value();
  return CallArgs(tailStack_[At(tailDepth_)]);
}

void TStrongComp::dfstail_Afterdfs_tailitr() {
  tailDepth_ -= 1;
  SetVar("count", count_);
}

// w := NextAdjVex(G, v0, w)
void TStrongComp::dfstail_setw2() { TakeArc(graph_->NextAdj(TEdge(V0(), Var("w")->Value())), true); }

// count := count + 1
void TStrongComp::dfstail_incC() { SetVar("count", ++count_); }

// finished[count] := v0
void TStrongComp::dfstail_setfinish() {
  SetVar("count", count_);
  finished_[At(count_)] = V0();
  QString text = Finished;
  for (int k = 1; k <= graph_->VertexCount(); ++k)
    if (finished_[At(k)] != 0) text += VertexLetter(finished_[At(k)]) + QStringLiteral(" ");
  form_->OrderText->SetCaption(text);
}

// ---- dfshead

// visited[v0] := TRUE
void TStrongComp::dfshead_Begin() { Visit(V0(), n_); }

// w := FirstInVex(G, v0)
void TStrongComp::dfshead_setw() { TakeArc(graph_->FirstIn(V0()), false); }

bool TStrongComp::dfshead_F_wnot0() { return dfstail_F_wnot0(); }
bool TStrongComp::dfshead_F_notVisitedw() { return dfstail_F_notVisitedW(); }

// dfs_head(G, w)
TData* TStrongComp::dfshead_C_dfs_headitr() {
  headDepth_ += 1;
  headStack_[At(headDepth_)] = Var("w")->Value();
  return CallArgs(headStack_[At(headDepth_)]);
}

void TStrongComp::dfshead_Afterdfs_headitr() {
  headDepth_ -= 1;
  SetVar("count", count_);
}

// w := NextInVex(G, v0, w)
void TStrongComp::dfshead_setw2() { TakeArc(graph_->NextIn(TEdge(Var("w")->Value(), V0())), false); }
