#include "demos/graphs/Traverse.h"

#include "demos/graphs/GraphDemo.h"
#include "demos/graphs/GraphInput.h"
#include "demos/graphs/GraphList.h"
#include "demos/graphs/GraphP.h"
#include "demos/graphs/TraverWindow.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"

namespace {

constexpr TColor Unvisited = RGB(128, 128, 200);
constexpr TColor VisitedColour = RGB(255, 0, 0);
constexpr TColor TreeArc = RGB(255, 128, 128);

// The picture held to the walk: a vertex red while its visited field is 'T' (the field
// "[v]" of the record at path visited, item v - 1), an arc pink while it joins a vertex to the
// one it was reached from, a list node lit once the walk has looked at its arc, the order
// line the letters visited.
void HoldToWalk(TTraverWindow& window, const TWalkRecord& walk, TMarkMeaning::TCall visitedCall) {
  window.GraphP->VertexWords = {{VisitedColour, QStringLiteral("visited")}, {Unvisited, QStringLiteral("unvisited")}};
  window.GraphP->ArcWords = {{TreeArc, QStringLiteral("tree")}};
  window.GraphP->VertexMeans = [visitedCall](int v) {
    return TValueMeaning{.Call = visitedCall,
                         .Of = {QStringLiteral("visited[%1]").arg(v - 1)},
                         .Map = [](const QStringList& value) {
                           return std::optional<QString>(value[0] == QLatin1String("T") ? QStringLiteral("visited")
                                                                                        : QStringLiteral("unvisited"));
                         }};
  };
  // Either way: in a directed graph the arc back from the vertex reached to the one it was
  // reached from, where there is one, is pink as well as the arc the walk took.
  window.GraphP->ArcMeans = [&walk](int tail, int head) {
    return TValueMeaning{.Value = [&walk, tail, head] {
      const bool tree = walk.From[static_cast<std::size_t>(head)] == tail || walk.From[static_cast<std::size_t>(tail)] == head;
      return std::optional<QString>(tree ? QStringLiteral("tree") : QString());
    }};
  };
  window.GraphList->LitMeans = [&walk](int row, int vertex) {
    return std::optional<bool>(walk.Examined[static_cast<std::size_t>(row)][static_cast<std::size_t>(vertex)]);
  };
}

}  // namespace

QString TWalkRecord::Letters(const QString& sep) const {
  QString text;
  for (int v : Order) text += sep + VertexLetter(v);
  return text;
}

namespace traverb {
class TTraverform : public TTraverWindow {
 public:
  explicit TTraverform(const QString& caption) : TTraverWindow(caption, "OrderText", 12) {
    QueueText = Caption(this, "QueueText", 12);
  }
  TZqStaticText* QueueText;

 protected:
  void PlaceCaptions(int w, int h) override {
    OrderText->setGeometry(0, h / 10 * 9, w / 2, h - h / 10 * 9);
    QueueText->setGeometry(w / 2, h / 10 * 9, w / 2, h - h / 10 * 9);
  }
};
}  // namespace traverb

namespace traverd {
class TTraverform : public TTraverWindow {
 public:
  explicit TTraverform(const QString& caption) : TTraverWindow(caption, "OrderText", 16) {}

 protected:
  void PlaceCaptions(int w, int h) override { OrderText->setGeometry(0, h - h / 10, w, h / 10); }
};
}  // namespace traverd

bool AskTraversalGraph(std::unique_ptr<TGraphm>& graph, TTraverWindowParts window) {
  bool directed = true;
  bool weighted = false;
  SelectGraphType(QStringLiteral("选择图的类型"), true, false, directed, weighted);
  if (!ShowGraphInput(QStringLiteral("创建有向图"), 10, directed, weighted, graph)) return false;
  window.panel.SetDirected(directed);
  window.panel.SetGraph(graph.get());
  window.list.SetGraph(graph.get());
  return true;
}

// ================================================================ breadth-first

TTraverGfs::TTraverGfs(const QStringList& source) : TAlgoDemo(source) {}
TTraverGfs::~TTraverGfs() = default;

void TTraverGfs::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<traverb::TTraverform>(QStringLiteral("有向图广度优先遍历"));
  HoldToWalk(*form_, walk_, TMarkMeaning::Innermost);
  form_->OrderText->Stands = {{.Value = [this] { return std::optional<QString>(QStringLiteral("遍历顺序:") + walk_.Letters(QStringLiteral(" "))); }}};
  form_->QueueText->Stands = {{.Value = [this] {
    // "队列:" with the letters enqueued until the first dequeue writes the line anew.
    QString text = dequeued_ ? QStringLiteral("队列") : QStringLiteral("队列:");
    for (int i = head_; i != tail_; i = i % QueueSize + 1) text += QStringLiteral(" ") + VertexLetter(queue_[static_cast<std::size_t>(i)]);
    return std::optional<QString>(text);
  }}};
}

std::unique_ptr<TData> TTraverGfs::GetInitialParam() {
  auto rec = std::make_unique<TData>(QString());
  rec->Add(new TIntData(QStringLiteral("VexNum"), graph_->VertexCount()));
  rec->Add(new TIntData(QStringLiteral("vi"), 0));
  rec->Add(new TIntData(QStringLiteral("W"), 0));
  rec->Add(new TIntData(QStringLiteral("v"), 0));
  rec->Add(graphdemo::VisitedRecord(graph_->VertexCount()));
  return rec;
}

bool TTraverGfs::CreateData() { return AskTraversalGraph(graph_, {*form_->GraphP, *form_->GraphList}); }

void TTraverGfs::SetWindowRect() { MainForm->DockThreePanes(form_.get(), 60, AlgorithmForm, 70, VariableForm); }

void TTraverGfs::Reset() {
  TAlgoDemo::Reset();
  form_->GraphP->SetGroundColor(RGB(0, 255, 255));
  graphdemo::ResetColours(*graph_, *form_->GraphP, Unvisited, form_->GraphList);
  counter_ = 0;
  edge_.reset();
  form_->OrderText->SetCaption(QStringLiteral("遍历顺序:"));
  form_->QueueText->SetCaption(QStringLiteral("队列:"));
  head_ = tail_ = 1;
  dequeued_ = false;
  walk_.Clear();
}

void TTraverGfs::Visit(int x, int from) {
  walk_.Visit(x, from);
  graph_->SetVDataOne(x);
  graphdemo::MarkVisited(Locals()->FindByName(QStringLiteral("visited")), x);
  form_->GraphP->SetVertexColor(x, VisitedColour);
  form_->OrderText->SetCaption(form_->OrderText->Caption() + QStringLiteral(" ") + VertexLetter(x));
  if (from > 0) graphdemo::ColourEdge(*form_->GraphP, from, x, TreeArc);
}

void TTraverGfs::Enqueue(int x) {
  queue_[static_cast<std::size_t>(tail_)] = x;
  tail_ = tail_ % QueueSize + 1;
  form_->QueueText->SetCaption(form_->QueueText->Caption() + QStringLiteral(" ") + VertexLetter(x));
}

void TTraverGfs::TakeEdge(std::unique_ptr<TEdge> edge) {
  edge_ = std::move(edge);
  const int w = edge_ ? edge_->Head : 0;
  Var("W")->SetValue(w);
  if (!edge_) return;
  walk_.Examine(edge_->Tail, edge_->Head);
  form_->GraphList->Highlight(edge_->Tail, w, true);
}

// vi := vi + 1
void TTraverGfs::TraverGfs_Rotate() {
  counter_ += 1;
  Var("vi")->SetValue(counter_);
}

// IF NOT visited[vi]
bool TTraverGfs::TraverGfs_F_Judgedfs() { return !graph_->VDataIsOne(counter_); }

// visited[vi] := TRUE; VISIT(vi)
void TTraverGfs::TraverGfs_VisitV() { Visit(counter_, 0); }

// EnQueue(Q, vi)
void TTraverGfs::TraverGfs_Enqueue() { Enqueue(counter_); }

// WHILE NOT QueueEmpty(Q)
bool TTraverGfs::TraverGfs_F_WhileRotate() { return head_ != tail_; }

// DeQueue(Q, v)
void TTraverGfs::TraverGfs_DEQUEUE() {
  Var("v")->SetValue(queue_[static_cast<std::size_t>(head_)]);
  head_ = head_ % QueueSize + 1;
  dequeued_ = true;
  QString text = QStringLiteral("队列");
  for (int i = head_; i != tail_; i = i % QueueSize + 1)
    text += QStringLiteral(" ") + VertexLetter(queue_[static_cast<std::size_t>(i)]);
  form_->QueueText->SetCaption(text);
}

// W := FirstAdjVex(G, v)
void TTraverGfs::TraverGfs_GotoFirst() { TakeEdge(graph_->FirstAdj(Var("v")->Value())); }

// WHILE W <> 0
bool TTraverGfs::TraverGfs_F_Whilenotw() { return Var("W")->Value() != 0; }

// IF NOT visited[W]
bool TTraverGfs::TraverGfs_F_Notvisit() { return !graph_->VDataIsOne(Var("W")->Value()); }

// visited[W] := TRUE; VISIT(W)
void TTraverGfs::TraverGfs_Visit() { Visit(Var("W")->Value(), Var("v")->Value()); }

// EnQueue(Q, W)
void TTraverGfs::TraverGfs_Enqueue2() { Enqueue(Var("W")->Value()); }

// W := NextAdjVex(G, v, W)
void TTraverGfs::TraverGfs_Gotonext() { TakeEdge(graph_->NextAdj(TEdge(Var("v")->Value(), Var("W")->Value()))); }

// UNTIL vi >= VexNum
bool TTraverGfs::TraverGfs_F_ToRotate() { return Var("VexNum")->Value() <= Var("vi")->Value(); }

// ================================================================ depth-first

TTraverDfs::TTraverDfs(const QStringList& source) : TAlgoDemo(source) {}
TTraverDfs::~TTraverDfs() = default;

void TTraverDfs::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<traverd::TTraverform>(QStringLiteral("有向图深度优先遍历"));
  HoldToWalk(*form_, walk_, TMarkMeaning::Global);
  form_->OrderText->Stands = {{.Value = [this] {
    return std::optional<QString>(QStringLiteral("     遍历顺序:") + walk_.Letters(QStringLiteral("   ")));
  }}};
}

std::unique_ptr<TData> TTraverDfs::GetGlobalData() {
  auto rec = std::make_unique<TData>(QString());
  rec->Add(graphdemo::VisitedRecord(graph_->VertexCount()));
  return rec;
}

std::unique_ptr<TData> TTraverDfs::GetInitialParam() {
  auto rec = std::make_unique<TData>(QString());
  rec->Add(new TIntData(QStringLiteral("VexNum"), graph_->VertexCount()));
  rec->Add(new TIntData(QStringLiteral("vi"), 0));
  return rec;
}

bool TTraverDfs::CreateData() { return AskTraversalGraph(graph_, {*form_->GraphP, *form_->GraphList}); }

void TTraverDfs::SetWindowRect() { MainForm->DockThreePanes(form_.get(), 60, AlgorithmForm, 70, VariableForm); }

void TTraverDfs::Reset() {
  TAlgoDemo::Reset();
  form_->GraphP->SetGroundColor(RGB(0, 255, 255));
  graphdemo::ResetColours(*graph_, *form_->GraphP, Unvisited, form_->GraphList);
  counter_ = 0;
  depth_ = 0;
  edge_.reset();
  form_->OrderText->SetCaption(QStringLiteral("     遍历顺序:"));
  walk_.Clear();
}

TData* TTraverDfs::DfsArgs(int v0) {
  auto* args = new TData(QString());
  args->Add(new TIntData(QStringLiteral("v0"), v0));
  args->Add(new TIntData(QStringLiteral("w"), 0));
  return args;
}

void TTraverDfs::TakeEdge(std::unique_ptr<TEdge> edge) {
  edge_ = std::move(edge);
  w_[static_cast<std::size_t>(depth_)] = edge_ ? edge_->Head : 0;
  if (edge_) {
    walk_.Examine(edge_->Tail, edge_->Head);
    form_->GraphList->Highlight(edge_->Tail, edge_->Head, true);
  }
  Var("w")->SetValue(w_[static_cast<std::size_t>(depth_)]);
}

// vi := vi + 1
void TTraverDfs::TraverDfs_Rotate() {
  counter_ += 1;
  Var("vi")->SetValue(counter_);
}

// IF NOT visited[vi]
bool TTraverDfs::TraverDfs_F_Judgedfs() { return !graph_->VDataIsOne(counter_); }

// DFS(G, vi)
TData* TTraverDfs::TraverDfs_C_Gotodfs() {
  depth_ = 1;
  v0_[1] = counter_;
  return DfsArgs(v0_[1]);
}

// UNTIL vi >= VexNum
bool TTraverDfs::TraverDfs_F_ToRotate() { return Var("VexNum")->Value() <= counter_; }

// visited[v0] := TRUE; VISIT(v0)
void TTraverDfs::dfs_Begin() {
  const int x = v0_[static_cast<std::size_t>(depth_)];
  walk_.Visit(x, depth_ > 1 ? v0_[static_cast<std::size_t>(depth_ - 1)] : 0);
  graph_->SetVDataOne(x);
  graphdemo::MarkVisited(Globals()->FindByName(QStringLiteral("visited")), x);
  form_->GraphP->SetVertexColor(x, VisitedColour);
  form_->OrderText->SetCaption(form_->OrderText->Caption() + QStringLiteral("   ") + VertexLetter(x));
  if (depth_ > 1) graphdemo::ColourEdge(*form_->GraphP, v0_[static_cast<std::size_t>(depth_ - 1)], x, TreeArc);
}

// w := FirstAdjVex(G, v0)
void TTraverDfs::dfs_ToFirst() { TakeEdge(graph_->FirstAdj(v0_[static_cast<std::size_t>(depth_)])); }

// WHILE w <> 0
bool TTraverDfs::dfs_F_Rotate() { return w_[static_cast<std::size_t>(depth_)] != 0; }

// IF NOT visited[w]
bool TTraverDfs::dfs_F_Judgevisit() { return !graph_->VDataIsOne(w_[static_cast<std::size_t>(depth_)]); }

// DFS(G, w)
TData* TTraverDfs::dfs_C_Gotodfs() {
  depth_ += 1;
  v0_[static_cast<std::size_t>(depth_)] = w_[static_cast<std::size_t>(depth_ - 1)];
  return DfsArgs(v0_[static_cast<std::size_t>(depth_)]);
}

void TTraverDfs::dfs_AfterGotodfs() { depth_ -= 1; }

// w := NextAdjVex(G, v0, w)
void TTraverDfs::dfs_ToNext() {
  const auto d = static_cast<std::size_t>(depth_);
  TakeEdge(graph_->NextAdj(TEdge(v0_[d], w_[d])));
}
