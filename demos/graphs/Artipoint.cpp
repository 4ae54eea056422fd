#include "demos/graphs/Artipoint.h"

#include "demos/graphs/GraphDemo.h"
#include "demos/graphs/GraphInput.h"
#include "demos/graphs/GraphP.h"
#include "demos/graphs/TableBase.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/ModalHost.h"

namespace {
constexpr TColor Working = RGB(128, 200, 0);
constexpr TColor Red = RGB(255, 0, 0);
constexpr TColor Yellow = RGB(255, 255, 0);
constexpr int VisitedRow = 2;
constexpr int LowRow = 3;
constexpr int SqulowRow = 4;
constexpr int ArtRow = 5;
}  // namespace

// The graph above, the table of vertex values below it.
class Tartform : public TGraphForm {
 public:
  Tartform() {
    SetCaption(QStringLiteral("求关节点"));
    SetDesignClientSize(graphdemo::CodedWindowSize.width(), graphdemo::CodedWindowSize.height());
    GraphP = new TGraphP(this);
    GraphP->setObjectName(QStringLiteral("GraphP"));
    GraphP->SetState(csDisplay);
    Table = new Ttablebase(this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->groundcolor = clBtnFace;
  }
  TGraphP* GraphP;
  Ttablebase* Table;

 protected:
  void FormResize() override {
    const int panel = height() / 5 * 3;
    GraphP->setGeometry(0, 0, width(), panel);
    Table->setGeometry(0, panel, width(), height() - panel);
    TGraphForm::FormResize();
  }
};

TArtipoint::TArtipoint(const QStringList& source) : TAlgoDemo(source) {}
TArtipoint::~TArtipoint() = default;

Ttablebase* TArtipoint::Table() const { return form_->Table; }

void TArtipoint::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<Tartform>();
  HoldPictureToRun();
}

void TArtipoint::HoldPictureToRun() {
  form_->Table->CellMeans = [this](int row, int column) {
    return TValueMeaning{.Value = [this, row, column]() -> std::optional<QString> {
      const std::size_t c = static_cast<std::size_t>(column);
      const auto number = [](int v) { return v == 0 ? QString() : QString::number(v); };
      switch (row) {
        case VisitedRow: return number(visited_[c]);
        case LowRow: return number(low_[c]);
        case SqulowRow: return number(settled_[c]);
        default: return c <= points_.size() ? VertexLetter(points_[c - 1]) : QString();
      }
    }};
  };
  TGraphP& panel = *form_->GraphP;
  panel.VertexWords = {{Red, QStringLiteral("visited")}, {Working, QStringLiteral("current")},
                       {RGB(128, 128, 200), QStringLiteral("unvisited")}, {Yellow, QStringLiteral("examined")}};
  panel.ArcWords = {{Red, QStringLiteral("tree")}, {Yellow, QStringLiteral("examined")}};
  panel.VertexMeans = [this](int v) {
    return TValueMeaning{.Value = [this, v] {
      if (examined_.second == v) return std::optional<QString>(QStringLiteral("examined"));
      if (current_ == v) return std::optional<QString>(QStringLiteral("current"));
      return std::optional<QString>(visited_[static_cast<std::size_t>(v)] != 0 ? QStringLiteral("visited") : QStringLiteral("unvisited"));
    }};
  };
  panel.ArcMeans = [this](int tail, int head) {
    return TValueMeaning{.Value = [this, tail, head] {
      const auto is = [&](std::pair<int, int> e) { return (e.first == tail && e.second == head) || (e.first == head && e.second == tail); };
      if (is(examined_)) return std::optional<QString>(QStringLiteral("examined"));
      const bool tree = parent_[static_cast<std::size_t>(head)] == tail || parent_[static_cast<std::size_t>(tail)] == head;
      return std::optional<QString>(tree ? QStringLiteral("tree") : QString());
    }};
  };
}

std::unique_ptr<TData> TArtipoint::GetInitialParam() {
  auto rec = std::make_unique<TData>(QString());
  rec->Add(new TIntData(QStringLiteral("VexNum"), graph_->VertexCount()));
  rec->Add(new TIntData(QStringLiteral("count"), 0));
  rec->Add(new TIntData(QStringLiteral("v"), 0));
  return rec;
}

bool TArtipoint::IsConnected(const TGraphm& graph) {
  const int n = graph.VertexCount();
  if (n < 1) return false;
  std::array<bool, TGraphm::MaxVertices + 1> reached{};
  reached[1] = true;
  for (bool changed = true; changed;) {
    changed = false;
    for (int i = 1; i <= n; ++i) {
      if (!reached[static_cast<std::size_t>(i)]) continue;
      for (int j = 1; j <= n; ++j) {
        if (graph.IsArc(i, j) && !reached[static_cast<std::size_t>(j)]) {
          reached[static_cast<std::size_t>(j)] = true;
          changed = true;
        }
      }
    }
  }
  for (int i = 1; i <= n; ++i)
    if (!reached[static_cast<std::size_t>(i)]) return false;
  return true;
}

bool TArtipoint::CreateData() {
  for (;;) {
    std::unique_ptr<TGraphm> graph;
    // The search starts from the head of A's first arc, which must be another vertex: a loop
    // at A cannot be taken (loops elsewhere are arcs back to a vertex already visited).
    const auto loopAtA = [](const TGraphm& g) {
      return g.VertexCount() >= 1 && g.IsArc(1, 1)
                 ? QStringLiteral("顶点A有自环：求关节点从A的第一条边出发，这条边不能是自环。请输入A没有自环的图。")
                 : QString();
    };
    if (!ShowGraphInput(QStringLiteral("创建无向连通图"), 10, false, false, graph, loopAtA)) return false;
    if (graph->VertexCount() < 2) {
      // With one vertex the search from A would find no arc to start from.
      modal::ShowMessage(QStringLiteral("请输入至少有两个结点的连通图!"));
    } else if (!IsConnected(*graph)) {
      modal::ShowMessage(QStringLiteral("请输入连通图!"));
    } else {
      graph_ = std::move(graph);
      break;
    }
  }
  form_->GraphP->SetDirected(false);
  form_->GraphP->SetWeighted(false);
  form_->GraphP->SetGraph(graph_.get());
  form_->Table->SetTotalnumber(graph_->VertexCount());
  return true;
}

void TArtipoint::SetWindowRect() { MainForm->DockThreePanes(form_.get(), 60, AlgorithmForm, 70, VariableForm); }

void TArtipoint::Reset() {
  TAlgoDemo::Reset();
  form_->GraphP->SetGroundColor(RGB(0, 255, 255));
  graphdemo::ResetColours(*graph_, *form_->GraphP, RGB(128, 128, 200));
  form_->Table->ClearValues();
  for (auto& e : edge_) e.reset();
  written_.fill(false);
  visited_.fill(0);
  low_.fill(0);
  settled_.fill(0);
  points_.clear();
  parent_.fill(0);
  current_ = 0;
  examined_ = {};
  depth_ = 0;
  found_ = squlow_ = count_ = 0;
}

// ---- helpers

TColor TArtipoint::LevelColour(int depth) {
  // Levels 4 and 9 are teal and a dark orange rather than silver and lime, which vanish on
  // the light table; levels 7 and 10 a shade darker than magenta and grey, which a smaller
  // window's small digits on the backdrop could not tell apart from it (3:1 at least).
  static constexpr std::array<TColor, 10> colours{RGB(0, 128, 0),   RGB(128, 0, 128), RGB(128, 0, 0),
                                                  RGB(0, 128, 128), RGB(0, 0, 128),   RGB(0, 0, 255),
                                                  RGB(192, 0, 192), RGB(255, 0, 0),   RGB(153, 76, 0),
                                                  RGB(112, 112, 112)};
  return colours[static_cast<std::size_t>(std::clamp(depth, 1, 10) - 1)];
}

void TArtipoint::SetCell(int row, int column, int value, TColor colour) {
  if (row >= LowRow) form_->Table->SetColour(row - 2, column, colour);
  form_->Table->SetCell(row, column, value);
}

void TArtipoint::SetVar(const char* name, int value) {
  // The variable may not be in the current frame: then there is nothing to show.
  if (Locals() == nullptr) return;
  if (auto* var = dynamic_cast<TIntData*>(Locals()->FindByName(QString::fromLatin1(name)))) var->SetValue(value);
}

TData* TArtipoint::CallDfs(int v) {
  v0_[D()] = v;
  auto* args = new TData(QString());
  args->Add(new TIntData(QStringLiteral("v0"), v));
  args->Add(new TIntData(QStringLiteral("w"), 0));
  args->Add(new TIntData(QStringLiteral("count"), count_));
  args->Add(new TIntData(QStringLiteral("min"), min_[D()]));
  return args;
}

// The arc under examination and its head flash yellow; their colours are kept for PutBack.
void TArtipoint::Flash(const TEdge& edge) {
  TGraphP& p = *form_->GraphP;
  examined_ = {edge.Tail, edge.Head};
  savedArcColour_ = p.ArcColor(edge.Tail, edge.Head);
  savedHeadColour_ = p.VertexColor(edge.Head);
  graphdemo::ColourEdge(p, edge.Tail, edge.Head, Yellow);
  p.SetVertexColor(edge.Head, Yellow);
}

void TArtipoint::PutBack(int u, int v) {
  examined_ = {};
  graphdemo::ColourEdge(*form_->GraphP, u, v, savedArcColour_);
  // The head as it was: red when visited, green when it is the vertex worked on (a loop).
  form_->GraphP->SetVertexColor(v, savedHeadColour_);
}

void TArtipoint::CompleteRoot() {
  settled_[1] = graph_->VertexCount();
  low_[1] = 1;
  SetCell(SqulowRow, 1, graph_->VertexCount(), Red);
  SetCell(LowRow, 1, 1, Red);
  if (current_ == 1) current_ = 0;
  form_->GraphP->SetVertexColor(1, Red);
}

void TArtipoint::List(int v, TColor colour) {
  if (written_[static_cast<std::size_t>(v)]) return;
  found_ += 1;
  points_.push_back(v);
  SetCell(ArtRow, found_, v, colour);
  written_[static_cast<std::size_t>(v)] = true;
}

// ---- ArtiPoint

// count := 1; visited[1] := 1
void TArtipoint::ArtiPoint_Begin() {
  found_ = squlow_ = 0;
  count_ = 1;
  SetVar("count", 1);
  form_->Table->VisitedColor = RGB(0, 0, 255);
  visited_[1] = 1;
  form_->Table->SetCell(VisitedRow, 1, 1);
  form_->GraphP->SetVertexColor(1, Red);
  graph_->SetVDataOne(1);
}

// p := the first arc of vertex 1; v := its head
void TArtipoint::ArtiPoint_Findfirst() {
  edge_[0] = graph_->FirstAdj(1);
  if (!edge_[0]) return;
  SetVar("v", edge_[0]->Head);
  current_ = 1;
  form_->GraphP->SetVertexColor(1, Working);
  Flash(*edge_[0]);
}

// DFSArticul(G, v)
TData* TArtipoint::ArtiPoint_C_Gotodfs1() {
  depth_ = 1;
  return CallDfs(Var("v")->Value());
}

void TArtipoint::ArtiPoint_AfterGotodfs1() { SetVar("count", count_); }

// IF count < G.vexnum
bool TArtipoint::ArtiPoint_F_Numchild() {
  if (count_ < Var("VexNum")->Value()) return true;
  CompleteRoot();
  return false;
}

// the root is an articulation point
void TArtipoint::ArtiPoint_Findpoint() { List(1, Red); }

// WHILE p^.nextarc <> NIL
bool TArtipoint::ArtiPoint_F_Notnil() {
  if (edge_[0] && graph_->NextAdj(*edge_[0])) return true;
  CompleteRoot();
  return false;
}

// p := p^.nextarc; v := p^.adjvex
void TArtipoint::ArtiPoint_Findnext() {
  edge_[0] = graph_->NextAdj(*edge_[0]);
  SetVar("v", edge_[0]->Head);
  Flash(*edge_[0]);
}

// IF visited[v] = 0
bool TArtipoint::ArtiPoint_F_Visited() {
  const int v = Var("v")->Value();
  if (!graph_->VDataIsOne(v)) return true;
  PutBack(1, v);
  return false;
}

TData* TArtipoint::ArtiPoint_C_Gotodfs2() { return ArtiPoint_C_Gotodfs1(); }
void TArtipoint::ArtiPoint_AfterGotodfs2() { ArtiPoint_AfterGotodfs1(); }

// ---- dfsarti

// count := count + 1; visited[v0] := count
void TArtipoint::dfsarti_Begin() {
  count_ += 1;
  SetVar("count", count_);
  const int v = v0_[D()];
  graph_->SetVDataOne(v);
  const int parent = depth_ > 1 ? v0_[D() - 1] : 1;
  examined_ = {};
  parent_[static_cast<std::size_t>(v)] = parent;
  current_ = v;
  graphdemo::ColourEdge(*form_->GraphP, parent, v, Red);
  form_->GraphP->SetVertexColor(parent, Red);
  form_->GraphP->SetVertexColor(v, Working);
  visited_[static_cast<std::size_t>(v)] = count_;
  form_->Table->SetCell(VisitedRow, v, count_);
}

// min := count; p := the first arc of v0
void TArtipoint::dfsarti_Gotofirst() {
  min_[D()] = count_;
  SetVar("min", count_);
  edge_[D()] = graph_->FirstAdj(v0_[D()]);
}

// WHILE p <> NIL
bool TArtipoint::dfsarti_F_Notnil() {
  if (edge_[D()]) return true;
  current_ = depth_ > 1 ? v0_[D() - 1] : 1;
  form_->GraphP->SetVertexColor(v0_[D()], Red);
  form_->GraphP->SetVertexColor(current_, Working);
  return false;
}

// w := p^.adjvex
void TArtipoint::dfsarti_Gotoadj() {
  w_[D()] = edge_[D()]->Head;
  SetVar("w", w_[D()]);
  Flash(*edge_[D()]);
}

// IF visited[w] = 0
bool TArtipoint::dfsarti_F_Visited() {
  if (!graph_->VDataIsOne(w_[D()])) return true;
  PutBack(v0_[D()], w_[D()]);
  return false;
}

// DFSArticul(G, w)
TData* TArtipoint::dfsarti_C_Gotodfs3() {
  const int w = w_[D()];
  depth_ += 1;
  return CallDfs(w);
}

void TArtipoint::dfsarti_AfterGotodfs3() {
  depth_ -= 1;
  SetVar("count", count_);
  SetVar("min", min_[D()]);
}

// IF low[w] < min THEN min := low[w]
void TArtipoint::dfsarti_Setmin() {
  const int low = low_[static_cast<std::size_t>(w_[D()])];
  if (low < min_[D()]) {
    min_[D()] = low;
    SetVar("min", low);
  }
}

// IF low[w] >= visited[v0]
bool TArtipoint::dfsarti_F_lowbigger() {
  return low_[static_cast<std::size_t>(w_[D()])] >= visited_[static_cast<std::size_t>(v0_[D()])];
}

// v0 is an articulation point
void TArtipoint::dfsarti_findpoint() { List(v0_[D()], LevelColour(depth_)); }

// ELSE IF visited[w] < min THEN min := visited[w]
void TArtipoint::dfsarti_Else() {
  PutBack(v0_[D()], w_[D()]);
  const int visited = visited_[static_cast<std::size_t>(w_[D()])];
  if (visited < min_[D()]) {
    min_[D()] = visited;
    SetVar("min", visited);
  }
}

// p := p^.nextarc
void TArtipoint::dfsarti_Setnext() { edge_[D()] = graph_->NextAdj(*edge_[D()]); }

// low[v0] := min
void TArtipoint::dfsarti_Setlow() {
  const int v = v0_[D()];
  low_[static_cast<std::size_t>(v)] = Var("min")->Value();
  SetCell(LowRow, v, Var("min")->Value(), LevelColour(depth_));
  squlow_ += 1;
  settled_[static_cast<std::size_t>(v)] = squlow_;
  SetCell(SqulowRow, v, squlow_, LevelColour(depth_));
}
