#include "demos/graphs/MiniTreeKruskal.h"

#include <algorithm>

#include "demos/graphs/GraphInput.h"
#include "demos/graphs/GraphP.h"
#include "demos/graphs/KruskalForm.h"
#include "demos/graphs/GraphDemo.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/ModalHost.h"
#include "platform/Pacing.h"

TMiniTreeKRUSKAL::TMiniTreeKRUSKAL(const QStringList& source) : TFormDemo(source) {}
TMiniTreeKRUSKAL::~TMiniTreeKRUSKAL() = default;

namespace {
constexpr TColor TreeRed = RGB(255, 0, 0);
}  // namespace

void TMiniTreeKRUSKAL::CreateChildWindow() {
  TFormDemo::CreateChildWindow();
  HoldPictureToRun();
}

void TMiniTreeKRUSKAL::HoldPictureToRun() {
  TKruskalForm& f = *graphForm_;
  // Row k shows hp.fo[k] of the call of Kruskal (item k of hp: No., v1, v2, cost).
  f.RowMeans = [](int k) {
    QStringList fields;
    for (int field = 0; field < 4; ++field) fields << QStringLiteral("hp[%1][%2]").arg(k).arg(field);
    return TValueMeaning{.Call = TMarkMeaning::Depth, .CallDepth = 1, .Of = fields, .Shows = QStringLiteral("%1 %2 <---> %3 %4")};
  };
  f.SizeMeans = [this](int v) {
    return TValueMeaning{.Value = [this, v] { return std::optional<QString>(QString::number(Pa(v))); }};
  };
  // fix_mfset lights what s[j].pa names while it climbs to the root (its first loop);
  // mix_mfset the size boxes of the two roots it unites.
  f.LitMeans = [this](int index) {
    return TValueMeaning{.Value = [this, index]() -> std::optional<QString> {
      if (CurProc() == nullptr || CurLine() == nullptr) return std::nullopt;
      bool lit = false;
      if (CurProc()->Name() == QLatin1String("MixSet")) {
        lit = index == -Var("i")->Value() || index == -Var("j")->Value();
      } else if (CurProc()->Name() == QLatin1String("FixSet") &&
                 (CurLine()->Label() == QLatin1String("WhileDo1") || CurLine()->Label() == QLatin1String("GetPa"))) {
        const int j = Var("j")->Value();
        lit = index == (Pa(j) > 0 ? Pa(j) : -j);
      }
      return lit ? QStringLiteral("lit") : QString();
    }};
  };
  TGraphP& panel = *f.GraphP1;
  panel.VertexWords = {{TreeRed, QStringLiteral("tree")}};
  panel.ArcWords = {{TreeRed, QStringLiteral("tree")}};
  panel.VertexMeans = [this](int v) {
    return TValueMeaning{.Value = [this, v] {
      const bool inTree = std::ranges::any_of(accepted_, [v](const auto& e) { return e.first == v || e.second == v; });
      return std::optional<QString>(inTree ? QStringLiteral("tree") : QString());
    }};
  };
  panel.ArcMeans = [this](int tail, int head) {
    return TValueMeaning{.Value = [this, tail, head] {
      const bool inTree = std::ranges::any_of(accepted_, [&](const auto& e) {
        return (e.first == tail && e.second == head) || (e.first == head && e.second == tail);
      });
      return std::optional<QString>(inTree ? QStringLiteral("tree") : QString());
    }};
  };
}

std::unique_ptr<TData> TMiniTreeKRUSKAL::GetInitialParam() { return std::make_unique<TData>(QString()); }

bool TMiniTreeKRUSKAL::CreateData() {
  if (!ShowGraphInput(QStringLiteral("Input the Graph:"), 10, false, true, graph_, graphdemo::LoopRefusal)) return false;
  graphForm_->SetGraph(graph_.get());
  graphForm_->GreyAllArcs();
  return true;
}

void TMiniTreeKRUSKAL::SetWindowRect() { MainForm->DockThreePanes(graphForm_.get(), graphdemo::LeftPanePct(70, 820), AlgorithmForm, 60, VariableForm); }

void TMiniTreeKRUSKAL::Reset() {
  TAlgoDemo::Reset();
  accepted_.clear();
  graphForm_->ClearTable();
  graphForm_->SetGraph(graph_.get());
  // A run made again starts with no tree: the last run's arcs grey again, as the first run's.
  graphForm_->GreyAllArcs();
}

int& TMiniTreeKRUSKAL::Pa(int v) { return graphForm_->s[static_cast<std::size_t>(v)].pa; }

TData* TMiniTreeKRUSKAL::EdgeRecord(const QString& name, int number, int v1, int v2, int cost) {
  auto* rec = new TRecord(name);
  rec->Add(new TIntData(QStringLiteral("No."), number));
  rec->Add(new TCharData(QStringLiteral("v1"), v1 > 0 ? static_cast<char>(64 + v1) : '-'));
  rec->Add(new TCharData(QStringLiteral("v2"), v2 > 0 ? static_cast<char>(64 + v2) : '-'));
  rec->Add(new TIntData(QStringLiteral("cost"), cost));
  return rec;
}

void TMiniTreeKRUSKAL::SetEdgeRecord(TData* rec, int number) {
  const TKruskalForm::TEdgeRec& e = graphForm_->Edges[static_cast<std::size_t>(number)];
  TFrameVar<>(rec, "No.")->SetValue(number);
  TFrameVar<TCharData>(rec, "v1")->SetValue(static_cast<char>(64 + e.v1));
  TFrameVar<TCharData>(rec, "v2")->SetValue(static_cast<char>(64 + e.v2));
  TFrameVar<>(rec, "cost")->SetValue(e.cost);
}

void TMiniTreeKRUSKAL::RewriteHeap() {
  TData* hp = Locals()->FindByName(QStringLiteral("hp"));
  for (int k = 1; k <= graphForm_->Last; ++k)
    if (TData* entry = hp->FindByName(QStringLiteral("fo[%1]").arg(k))) SetEdgeRecord(entry, graphForm_->fo[static_cast<std::size_t>(k)]);
}

// ---- Main

// Kruskal(g, T)
TData* TMiniTreeKRUSKAL::Main_C_Begin() {
  auto* rec = new TData(QString());
  rec->Add(new TIntData(QStringLiteral("i"), 0));
  rec->Add(new TIntData(QStringLiteral("j"), 0));
  rec->Add(EdgeRecord(QStringLiteral("e"), 0, 0, 0, 0));
  auto* t = rec->Add(new TRecord(QStringLiteral("T")));
  t->Add(new TIntData(QStringLiteral("Arcn"), 0));
  auto* hp = rec->Add(new TRecord(QStringLiteral("hp")));
  hp->Add(new TIntData(QStringLiteral("last"), 0));
  rec->Add(new TIntData(QStringLiteral("g.vexn"), graph_->VertexCount()));
  graphForm_->CurrentEdge = false;
  return rec;
}

// ---- Kruskal

// T.init(g.vexn)
void TMiniTreeKRUSKAL::Kruskal_TreeInit() { graphForm_->InitSets(); }

// hp.init(g)
void TMiniTreeKRUSKAL::Kruskal_HpInit() {
  graphForm_->InitHeap();
  TData* hp = Locals()->FindByName(QStringLiteral("hp"));
  TFrameVar<>(hp, "last")->SetValue(graphForm_->Last);
  for (int k = 1; k <= graphForm_->Last; ++k) {
    const TKruskalForm::TEdgeRec& e = graphForm_->Edges[static_cast<std::size_t>(k)];
    hp->Add(EdgeRecord(QStringLiteral("fo[%1]").arg(k), k, e.v1, e.v2, e.cost));
  }
}

// heap_sort(hp)
void TMiniTreeKRUSKAL::Kruskal_HeapSort() {
  graphForm_->BuildHeap();
  RewriteHeap();
}

// WHILE (hp.last > 0) AND (T.Arcn < g.vexn - 1)
bool TMiniTreeKRUSKAL::Kruskal_F_WhileDo() { return graphForm_->Last > 0 && graphForm_->Arcn < graphForm_->n - 1; }

// e := hp.fo[1]
void TMiniTreeKRUSKAL::Kruskal_GetEdge() {
  const int number = graphForm_->fo[1];
  edgeV1_ = graphForm_->Edges[static_cast<std::size_t>(number)].v1;
  edgeV2_ = graphForm_->Edges[static_cast<std::size_t>(number)].v2;
  SetEdgeRecord(Locals()->FindByName(QStringLiteral("e")), number);
  graphForm_->CurrentEdge = true;
  graphForm_->DrawAll();
}

TData* TMiniTreeKRUSKAL::FixCall(int vertex) {
  auto* rec = new TData(QString());
  rec->Add(new TIntData(QStringLiteral("i"), vertex));
  rec->Add(new TIntData(QStringLiteral("j"), 0));
  rec->Add(new TIntData(QStringLiteral("t"), 0));
  // The new call's j and t are 0 and name no vertex: the caller's j must not stay drawn.
  graphForm_->SetPointer(1, vertex, true);
  graphForm_->SetPointer(2, 0, false);
  graphForm_->SetPointer(3, 0, false);
  return rec;
}

// i := fix_mfset(T.set, e.v1)
TData* TMiniTreeKRUSKAL::Kruskal_C_FixI() { return FixCall(edgeV1_); }

void TMiniTreeKRUSKAL::Kruskal_AfterFixI() {
  Var("i")->SetValue(found_);
  graphForm_->SetPointer(1, found_, true);
  graphForm_->SetPointer(2, 0, false);
  graphForm_->SetPointer(3, 0, false);
}

// j := fix_mfset(T.set, e.v2)
TData* TMiniTreeKRUSKAL::Kruskal_C_FixJ() { return FixCall(edgeV2_); }

void TMiniTreeKRUSKAL::Kruskal_AfterFixJ() {
  Var("j")->SetValue(found_);
  graphForm_->SetPointer(1, Var("i")->Value(), true);
  graphForm_->SetPointer(2, found_, true);
  graphForm_->SetPointer(3, 0, false);
}

// IF i <> j
bool TMiniTreeKRUSKAL::Kruskal_F_Equal() { return Var("i")->Value() != Var("j")->Value(); }

// T.addArc(e)
void TMiniTreeKRUSKAL::Kruskal_AddEdge() {
  accepted_.emplace_back(edgeV1_, edgeV2_);
  graphForm_->AddTreeArc(edgeV1_, edgeV2_);
  TData* t = Locals()->FindByName(QStringLiteral("T"));
  TFrameVar<>(t, "Arcn")->SetValue(graphForm_->Arcn);
  const TData* e = Locals()->FindByName(QStringLiteral("e"));
  t->Add(EdgeRecord(QStringLiteral("Arc[%1]").arg(graphForm_->Arcn), TFrameVar<>(e, "No.")->Value(), edgeV1_, edgeV2_,
                    TFrameVar<>(e, "cost")->Value()));
}

// mix_mfset(T.set, i, j)
TData* TMiniTreeKRUSKAL::Kruskal_C_MixIJ() {
  const int i = Var("i")->Value();
  const int j = Var("j")->Value();
  graphForm_->SetHighlight(-i, true);
  graphForm_->SetHighlight(-j, true);
  auto* rec = new TData(QString());
  rec->Add(new TIntData(QStringLiteral("i"), i));
  rec->Add(new TIntData(QStringLiteral("j"), j));
  return rec;
}

void TMiniTreeKRUSKAL::Kruskal_AfterMixIJ() {
  graphForm_->SetHighlight(-Var("i")->Value(), false);
  graphForm_->SetHighlight(-Var("j")->Value(), false);
  graphForm_->LayoutTrees();
  graphForm_->DrawAll();
}

// hp.fo[1] := hp.fo[hp.last]; hp.last := hp.last - 1
void TMiniTreeKRUSKAL::Kruskal_HpNext() {
  graphForm_->CurrentEdge = false;
  TData* hp = Locals()->FindByName(QStringLiteral("hp"));
  const int last = graphForm_->Last;
  graphForm_->HeapNext();
  // The shown entry 1 takes the last one's values; the last entry goes.
  TData* first = hp->FindByName(QStringLiteral("fo[1]"));
  if (first != nullptr && graphForm_->Last >= 1) SetEdgeRecord(first, graphForm_->fo[1]);
  if (hp->FindByName(QStringLiteral("fo[%1]").arg(last)) != nullptr) hp->Delete(hp->Count() - 1).reset();
  TFrameVar<>(hp, "last")->SetValue(graphForm_->Last);
}

// IF hp.last > 1
bool TMiniTreeKRUSKAL::Kruskal_F_NotNull() { return graphForm_->Last > 1; }

// heap_sift(hp, 1)
void TMiniTreeKRUSKAL::Kruskal_HeapSift() {
  graphForm_->Sift(1);
  RewriteHeap();
}

// IF T.Arcn < g.vexn - 1
bool TMiniTreeKRUSKAL::Kruskal_F_Finish() { return graphForm_->Arcn < graphForm_->n - 1; }

void TMiniTreeKRUSKAL::Kruskal_ShowError() { modal::ShowMessage(QStringLiteral("Error: The Graph is not connected!")); }

// ---- FixSet

void TMiniTreeKRUSKAL::MarkParent(int j, bool on) {
  const int pa = Pa(j);
  graphForm_->SetHighlight(pa > 0 ? pa : -j, on);
}

// j := i
void TMiniTreeKRUSKAL::FixSet_Begin() {
  const int j = Var("i")->Value();
  Var("j")->SetValue(j);
  graphForm_->SetPointer(2, j, true);
  MarkParent(j, true);
}

// WHILE s[j].pa > 0
bool TMiniTreeKRUSKAL::FixSet_F_WhileDo1() {
  const int j = Var("j")->Value();
  if (Pa(j) > 0) return true;
  MarkParent(j, false);
  return false;
}

// j := s[j].pa
void TMiniTreeKRUSKAL::FixSet_GetPa() {
  const int old = Var("j")->Value();
  MarkParent(old, false);
  const int j = Pa(old);
  Var("j")->SetValue(j);
  MarkParent(j, true);
  graphForm_->SetPointer(2, j, true);
}

// WHILE i <> j
bool TMiniTreeKRUSKAL::FixSet_F_WhileDo2() {
  if (Var("i")->Value() != Var("j")->Value()) return true;
  found_ = Var("j")->Value();
  return false;
}

// t := s[i].pa; s[i].pa := j; i := t
void TMiniTreeKRUSKAL::FixSet_FixPath() {
  const int pause = 1000 / (RunSpeed + 1) + 100;
  const int i = Var("i")->Value();
  const int j = Var("j")->Value();
  const int t = Pa(i);
  Var("t")->SetValue(t);
  graphForm_->SetPointer(3, t, true);
  pacing::Sleep(pause);
  graphForm_->s[static_cast<std::size_t>(t)].children -= 1;
  graphForm_->s[static_cast<std::size_t>(j)].children += 1;
  graphForm_->SetPointer(2, j, true);
  pacing::Sleep(pause);
  Pa(i) = j;
  graphForm_->LayoutTrees();
  graphForm_->DrawAll();
  pacing::Sleep(pause);
  Var("i")->SetValue(t);
  graphForm_->SetPointer(1, t, true);
}

// ---- MixSet

// IF s[i].pa > s[j].pa
bool TMiniTreeKRUSKAL::MixSet_F_Begin() { return Pa(Var("i")->Value()) > Pa(Var("j")->Value()); }

// s[j].pa := s[j].pa + s[i].pa; s[i].pa := j
void TMiniTreeKRUSKAL::MixSet_SiLess() {
  const int i = Var("i")->Value();
  const int j = Var("j")->Value();
  Pa(j) += Pa(i);
  Pa(i) = j;
  graphForm_->s[static_cast<std::size_t>(j)].children += 1;
  graphForm_->LayoutTrees();
  graphForm_->DrawAll();
}

// s[i].pa := s[i].pa + s[j].pa; s[j].pa := i
void TMiniTreeKRUSKAL::MixSet_SjLess() {
  const int i = Var("i")->Value();
  const int j = Var("j")->Value();
  Pa(i) += Pa(j);
  Pa(j) = i;
  graphForm_->s[static_cast<std::size_t>(i)].children += 1;
  graphForm_->LayoutTrees();
  graphForm_->DrawAll();
}
