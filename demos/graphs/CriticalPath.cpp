#include "demos/graphs/CriticalPath.h"

#include "demos/graphs/CrtPathDlg.h"
#include "demos/graphs/GraphInput.h"
#include "demos/graphs/GraphList.h"
#include "demos/graphs/GraphP.h"
#include "demos/graphs/TopoKit.h"
#include "demos/graphs/GraphDemo.h"
#include "framework/drawkit/BesidePlace.h"
#include "framework/drawkit/CoolMsg.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/StackBox.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/Forms.h"
#include "platform/TextRules.h"

using namespace topokit;

namespace {

TStackBox* ConfigureStack(TStackBox* box, const char* name, const QString& title, TColor back, TColor titleColor,
                          TColor node, TColor nodeFont) {
  box->setObjectName(QString::fromLatin1(name));
  box->SetLook({.Color = back,
                .RowCount = 10,
                .NodeColor = node,
                .NodeFont = {.Name = QStringLiteral("Times New Roman"), .Height = -16, .Style = fsBold, .Color = nodeFont},
                .PointerColor = back,
                .PointerFont = {.Name = QStringLiteral("Courier New"), .Height = -15, .Style = fsBold, .Color = clBlue},
                .Title = title,
                .TitleColor = titleColor,
                .ShowAnimate = true});
  box->hide();
  return box;
}

}  // namespace

// The adjacency lists and stack T above, the graph, the event table and stack S below.
class TCrtForm : public TGraphForm {
 public:
  TCrtForm() {
    SetCaption(QStringLiteral("关键路径"));
    SetDesignClientSize(348, 386);
    Color = clWhite;
    GraphP = Place(new TGraphP(this), 0, 193, 177, 192);
    GraphP->setObjectName(QStringLiteral("GraphP"));
    GraphP->SetState(csDisplay);
    GraphP->SetDirected(true);
    GraphP->SetWeighted(true);
    GraphP->SetGroundColor(clAqua);
    GraphList = Place(new TGraphList(this), 0, 0, 281, 192);
    GraphList->setObjectName(QStringLiteral("GraphList"));
    for (int i = 1; i <= 4; ++i) GraphList->SetColor(i, clBlack);
    GraphList->SetWeighted(true);
    StackBoxT = ConfigureStack(Place(new TStackBox(this), 282, 0, 65, 192), "StackBoxT", QStringLiteral("T栈    "),
                               clWhite, clBlack, clYellow, clBlue);
    StackBoxS = ConfigureStack(Place(new TStackBox(this), 282, 193, 65, 192), "StackBoxS", QStringLiteral("S栈    "),
                               clAqua, clBlue, clLime, clTeal);
    Grid = new TCentredGrid(this);
    Grid->setObjectName(QStringLiteral("StringGrid"));
    Grid->Color = clAqua;
    Grid->FixedColor = clTeal;
    Grid->SetColCount(4);
    Grid->SetRowCount(2);
    Grid->SetFixedCols(0);
    Grid->Font.Name = QStringLiteral("宋体");
    Grid->Font.Style = fsBold;
    Grid->Font.Color = clBlue;
    Grid->SetScrollBars(ssNone);
    Grid->setEnabled(false);
    Grid->hide();
  }

  // The table between the graph and stack S (or the window's edge while S is hidden), as wide
  // as its three columns' texts need in letters its rows hold (a network's weights need the
  // room more than the table's letters need to be big); the lists and the graph take the
  // width of stack T and the table while those are hidden.
  void LayGrid() {
    graphdemo::WidenWhileAlone(*GraphList, StackBoxT->isHidden());
    graphdemo::WidenWhileAlone(*GraphP, Grid->isHidden());
    const int right = !StackBoxS->isHidden() ? StackBoxS->x() : width();
    const int rowHeight = std::max(1, GraphP->height() / 11);
    // Letters as small as a class reads in the window as it is now leave the graph the width.
    Grid->Font.Height = -std::max(LegiblePixelsIn(*this), text::Round(rowHeight * 0.55));
    int column = 0;
    for (const QString& t : {QStringLiteral("顶点"), QStringLiteral("Ve值"), QStringLiteral("入度"), QStringLiteral("Vl值"), WidestTime})
      column = std::max(column, Grid->Font.TextWidth(t) + 8);
    if (!Grid->isHidden() && right - 3 * column > GraphP->width())
      GraphP->setGeometry(GraphP->x(), GraphP->y(), right - 3 * column - GraphP->x(), GraphP->height());
    const int left = GraphP->x() + GraphP->width();
    Grid->setGeometry(left, GraphP->y(), right - left, GraphP->height());
    // Three columns and the lines after them.
    Grid->SetDefaultColWidth(std::max(1, (Grid->width() - 3) / 3));
    Grid->SetDefaultRowHeight(rowHeight);
    Grid->Invalidate();
  }

  // The widest event time the table may show ("8888" for times of four digits).
  QString WidestTime = QStringLiteral("8888");
  TGraphP* GraphP;
  TGraphList* GraphList;
  TStackBox* StackBoxT;
  TStackBox* StackBoxS;
  TCentredGrid* Grid;

 protected:
  void FormResize() override {
    TGraphForm::FormResize();
    LayGrid();
  }
};

TCriticalPath::TCriticalPath(const QStringList& source) : TAlgoDemo(source) {}
TCriticalPath::~TCriticalPath() = default;

void TCriticalPath::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<TCrtForm>();
  msgDlg_ = std::make_unique<TCoolMsgDlg>();
  msgDlg_->SetPosition(poScreenCenter);
  msgDlg_->SetCaption(QStringLiteral("拓扑排序"));
  HoldPictureToRun();
}

void TCriticalPath::HoldPictureToRun() {
  // Column 1 is ve of the call that runs (Toposort's, then CriticalPath's copy), column 2
  // the in-degrees while Toposort runs and vl afterwards: each once given a value.
  form_->Grid->CellMeans = [this](int col, int row) -> std::optional<TValueMeaning> {
    if (col < 1 || row < 1) return std::nullopt;
    const bool sorting = CurProc() != nullptr && CurProc()->Name() == QLatin1String("Toposort");
    const std::size_t v = At(row);
    const QString vector = col == 1 ? QStringLiteral("ve") : sorting ? QStringLiteral("indegree") : QStringLiteral("vl");
    const bool set = col == 1 ? veSet_[v] : sorting ? counted_ : vlSet_[v];
    return TValueMeaning{.Of = {QStringLiteral("%1[%2]").arg(vector).arg(row - 1)},
                         .Map = [set](const QStringList& value) { return std::optional<QString>(set ? value[0] : QString()); }};
  };
  HoldArcMeans(*form_->GraphP, *form_->GraphList, arc_, taken_);
}

std::unique_ptr<TData> TCriticalPath::GetGlobalData() {
  auto rec = std::make_unique<TData>(QString());
  if (!UseCLanguage) rec->Add(new TIntData(QStringLiteral("n"), graph_->VertexCount()));
  return rec;
}

bool TCriticalPath::CreateData() {
  if (!ShowGraphInput(QStringLiteral("请输入有向图"), 9, true, true, graph_)) return false;
  // The views never keep the graph that was replaced.
  form_->GraphP->SetGraph(graph_.get());
  form_->GraphList->SetGraph(graph_.get());
  return true;
}

void TCriticalPath::SetWindowRect() {
  // Wider on a narrow screen: the graph beside the table and stack S holds a network's weights.
  MainForm->DockThreePanes(form_.get(), graphdemo::LeftPanePct(63, 700), AlgorithmForm, 60, VariableForm);
}

void TCriticalPath::Reset() {
  TAlgoDemo::Reset();
  arc_.reset();
  form_->StackBoxS->Clear();
  form_->StackBoxT->Clear();
  sCount_ = tCount_ = 0;
  cycle_ = false;
  counted_ = false;
  veSet_.fill(false);
  vlSet_.fill(false);
  for (auto& row : taken_) row.fill(false);
  form_->GraphP->SetGraph(graph_.get());
  form_->GraphList->SetGraph(graph_.get());
  form_->GraphList->ClearHighlights();
  form_->StackBoxS->hide();
  form_->StackBoxT->hide();
  form_->Grid->hide();
  // An event time is a path's length: at most n - 1 of the longest duration.
  int longest = 0;
  for (int v = 1; v <= graph_->VertexCount(); ++v)
    for (int w = 1; w <= graph_->VertexCount(); ++w) longest = std::max(longest, graph_->Entry(v, w));
  form_->WidestTime = QString(QString::number(longest * std::max(1, graph_->VertexCount() - 1)).size(), QLatin1Char('8'));
  form_->LayGrid();
  const int n = graph_->VertexCount();
  TStringGrid& grid = *form_->Grid;
  grid.SetRowCount(n + 1);
  grid.SetCells(0, 0, QStringLiteral("顶点"));
  grid.SetCells(1, 0, QStringLiteral("Ve值"));
  grid.SetCells(2, 0, QString());
  for (int v = 1; v <= n; ++v) {
    form_->GraphP->SetVertexColor(v, Green);
    grid.SetCells(0, v, VertexLetter(v));
    grid.SetCells(1, v, QString());
    grid.SetCells(2, v, QString());
    for (int w = 1; w <= n; ++w) form_->GraphP->SetArcColor(v, w, clBlack);
  }
}

int TCriticalPath::V() const { return VertexOf(Var("i")->Value()); }

void TCriticalPath::PushS(int value) {
  form_->StackBoxS->Push(std::make_unique<TTopoStkData>(value));
  sCount_ += 1;
  s_[At(sCount_)] = value;
  HoldTopRow(*form_->StackBoxS, sCount_, s_);
}

void TCriticalPath::FirstArc() {
  arc_ = graph_->FirstAdj(V());
  ShowArc(arc_.get(), *form_->GraphP, *form_->GraphList);
}

void TCriticalPath::SetTime(Array& times, Flags& set, const char* vector, int column, int v, int value) {
  set[At(v)] = true;
  times[At(v)] = value;
  form_->Grid->SetCells(column, v, QString::number(value));
  SetItem(Locals()->FindByName(QString::fromLatin1(vector)), v, value);
}

// ---- Main

// CriticalPath(dig, n)
TData* TCriticalPath::Main_C_Begin() {
  auto* rec = new TData(QString());
  rec->Add(new TIntData(QStringLiteral("i"), 0));
  rec->Add(new TIntData(QStringLiteral("k"), 0));
  rec->Add(NumberedVector(QStringLiteral("ve"), graph_->VertexCount()));
  rec->Add(NumberedVector(QStringLiteral("vl"), graph_->VertexCount()));
  form_->StackBoxT->show();
  form_->Grid->show();
  form_->LayGrid();
  return rec;
}

void TCriticalPath::Main_AfterBegin() {
  form_->StackBoxT->hide();
  form_->Grid->hide();
  form_->LayGrid();
}

// ---- CriticalPath

// IF NOT Toposort(dig, n) THEN
TData* TCriticalPath::CriticalPath_C_Begin() {
  m_ = 0;
  auto* rec = new TData(QString());
  rec->Add(new TIntData(QStringLiteral("m"), 0));
  rec->Add(new TIntData(QStringLiteral("i"), 0));
  rec->Add(new TIntData(QStringLiteral("k"), 0));
  rec->Add(NumberedVector(QStringLiteral("indegree"), graph_->VertexCount()));
  rec->Add(NumberedVector(QStringLiteral("ve"), graph_->VertexCount()));
  form_->StackBoxS->show();
  form_->LayGrid();
  form_->Grid->SetCells(2, 0, QStringLiteral("入度"));
  return rec;
}

void TCriticalPath::CriticalPath_AfterBegin() {
  TData* ve = Locals()->FindByName(QStringLiteral("ve"));
  for (int v = 1; v <= graph_->VertexCount(); ++v) SetItem(ve, v, ve_[At(v)]);
  form_->StackBoxS->hide();
  form_->LayGrid();
  form_->Grid->SetCells(2, 0, QStringLiteral("Vl值"));
  for (int v = 1; v <= graph_->VertexCount(); ++v) form_->Grid->SetCells(2, v, QString());
  vlSet_.fill(false);
}

bool TCriticalPath::CriticalPath_F_Begin() {
  if (cycle_) {
    // Clear of the drawing: the events the order did not reach stay in sight (in a window made
    // too small for that, as many of them as it leaves room for).
    PlaceBesideNodes(*msgDlg_, *form_);
    msgDlg_->Execute(QStringLiteral("网中存在自环!"));
  }
  return cycle_;
}

// FOR i := 1 TO n DO
bool TCriticalPath::CriticalPath_F_LoopBegin() {
  Var("i")->SetValue(Shown(1));
  if (graph_->VertexCount() > 0) form_->GraphP->SetVertexColor(1, Red);
  return graph_->VertexCount() > 0;
}

// vl[i] := ve[GetTop(T)]
bool TCriticalPath::CriticalPath_F_InitVl() {
  const int v = V();
  SetTime(vl_, vlSet_, "vl", 2, v, ve_[At(VertexOf(t_[At(tCount_)]))]);
  form_->GraphP->SetVertexColor(v, Silver);
  Var("i")->SetValue(Var("i")->Value() + 1);
  if (v < graph_->VertexCount()) form_->GraphP->SetVertexColor(v + 1, Red);
  return v + 1 > graph_->VertexCount();
}

// WHILE NOT StackEmpty(T)
bool TCriticalPath::CriticalPath_F_IsNotEmpty() { return tCount_ > 0; }

// Pop(T, i)
void TCriticalPath::CriticalPath_PopT() {
  (void)form_->StackBoxT->Pop();
  Var("i")->SetValue(t_[At(tCount_)]);
  form_->GraphP->SetVertexColor(V(), Red);
  tCount_ -= 1;
}

// p := dig[i].firstarc
void TCriticalPath::CriticalPath_FirstArc() { FirstArc(); }

// WHILE p <> NIL
bool TCriticalPath::CriticalPath_F_IsPNotNil() {
  if (arc_) return true;
  form_->GraphP->SetVertexColor(V(), Green);
  return false;
}

// k := p^.adjvex
void TCriticalPath::CriticalPath_GetVex() {
  Var("k")->SetValue(Shown(arc_->Head));
  form_->GraphP->SetVertexColor(arc_->Head, Blue);
}

// IF vl[k] - p^.dut < vl[i]
bool TCriticalPath::CriticalPath_F_IsLighter() {
  return vl_[At(arc_->Head)] - graph_->EdgeWeight(*arc_) < vl_[At(arc_->Tail)];
}

// vl[i] := vl[k] - p^.dut
void TCriticalPath::CriticalPath_NewVl() {
  SetTime(vl_, vlSet_, "vl", 2, arc_->Tail, vl_[At(arc_->Head)] - graph_->EdgeWeight(*arc_));
}

// p := p^.nextarc
void TCriticalPath::CriticalPath_NextArc() {
  taken_[At(arc_->Tail)][At(arc_->Head)] = false;
  form_->GraphP->SetArcColor(arc_->Tail, arc_->Head, clBlack);
  form_->GraphList->Highlight(arc_->Tail, arc_->Head, false);
  form_->GraphP->SetVertexColor(arc_->Head, Silver);
  arc_ = graph_->NextAdj(*arc_);
  ShowArc(arc_.get(), *form_->GraphP, *form_->GraphList);
}

// WritePath
void TCriticalPath::CriticalPath_WritePath() {
  const int n = graph_->VertexCount();
  ExecuteCrtPathDlg(*graph_, std::vector<int>(ve_.begin(), ve_.begin() + n + 1),
                    std::vector<int>(vl_.begin(), vl_.begin() + n + 1), form_.get());
}

// ---- Toposort

// FindInDegree(dig, indegree)
void TCriticalPath::Toposort_Begin() {
  CountInDegrees(*graph_, *form_->GraphP, *form_->GraphList, *form_->Grid, 2,
                 Locals()->FindByName(QStringLiteral("indegree")), indegree_.data());
  counted_ = true;
}

// InitStack(S)
void TCriticalPath::Toposort_InitStkS() {
  form_->StackBoxS->Clear();
  sCount_ = 0;
}

// FOR i := 1 TO n DO
bool TCriticalPath::Toposort_F_LoopBegin() {
  Var("i")->SetValue(Shown(1));
  return graph_->VertexCount() > 0;
}

// IF indegree[i] = 0
bool TCriticalPath::Toposort_F_IsIdZ1() {
  form_->GraphP->SetVertexColor(V(), Red);
  return indegree_[At(V())] == 0;
}

// Push(S, i)
void TCriticalPath::Toposort_PushS1() { PushS(Var("i")->Value()); }

// ve[i] := 0
void TCriticalPath::Toposort_InitVe() { SetTime(ve_, veSet_, "ve", 1, V(), 0); }

// the end of the FOR loop
bool TCriticalPath::Toposort_F_LoopEnd() {
  const int v = V();
  form_->GraphP->SetVertexColor(v, Green);
  Var("i")->SetValue(Var("i")->Value() + 1);
  return v + 1 > graph_->VertexCount();
}

// m := 0; InitStack(T)
void TCriticalPath::Toposort_InitStkT() {
  m_ = 0;
  Var("m")->SetValue(0);
  form_->StackBoxT->Clear();
  tCount_ = 0;
}

// WHILE NOT StackEmpty(S)
bool TCriticalPath::Toposort_F_IsNotEmpty() { return sCount_ > 0; }

// Pop(S, i)
void TCriticalPath::Toposort_PopS() {
  (void)form_->StackBoxS->Pop();
  Var("i")->SetValue(s_[At(sCount_)]);
  form_->GraphP->SetVertexColor(V(), Red);
  sCount_ -= 1;
}

// Push(T, i); m := m + 1
void TCriticalPath::Toposort_PushT() {
  const int value = Var("i")->Value();
  form_->StackBoxT->Push(std::make_unique<TTopoStkData>(value));
  tCount_ += 1;
  t_[At(tCount_)] = value;
  HoldTopRow(*form_->StackBoxT, tCount_, t_);
  m_ += 1;
  Var("m")->SetValue(m_);
}

// p := dig[i].firstarc
void TCriticalPath::Toposort_FirstArc() { FirstArc(); }

// WHILE p <> NIL
bool TCriticalPath::Toposort_F_IsPNotNil() {
  if (arc_) return true;
  form_->GraphP->SetVertexColor(V(), Silver);
  return false;
}

// k := p^.adjvex
void TCriticalPath::Toposort_GetVex() { CriticalPath_GetVex(); }

// indegree[k] := indegree[k] - 1
void TCriticalPath::Toposort_DecId() {
  const int k = arc_->Head;
  indegree_[At(k)] -= 1;
  form_->Grid->SetCells(2, k, QString::number(indegree_[At(k)]));
  SetItem(Locals()->FindByName(QStringLiteral("indegree")), k, indegree_[At(k)]);
}

// IF indegree[k] = 0
bool TCriticalPath::Toposort_F_IsIdZ2() { return indegree_[At(arc_->Head)] == 0; }

// Push(S, k)
void TCriticalPath::Toposort_PushS2() { PushS(Var("k")->Value()); }

// IF ve[i] + p^.dut > ve[k]
bool TCriticalPath::Toposort_F_IsGreater() {
  return ve_[At(arc_->Tail)] + graph_->EdgeWeight(*arc_) > ve_[At(arc_->Head)];
}

// ve[k] := ve[i] + p^.dut
void TCriticalPath::Toposort_NewVe() {
  SetTime(ve_, veSet_, "ve", 1, arc_->Head, ve_[At(arc_->Tail)] + graph_->EdgeWeight(*arc_));
}

// p := p^.nextarc
void TCriticalPath::Toposort_NextArc() {
  taken_[At(arc_->Tail)][At(arc_->Head)] = true;
  form_->GraphP->SetArcColor(arc_->Tail, arc_->Head, Blue);
  form_->GraphList->Highlight(arc_->Tail, arc_->Head, false);
  form_->GraphP->SetVertexColor(arc_->Head, Green);
  arc_ = graph_->NextAdj(*arc_);
  ShowArc(arc_.get(), *form_->GraphP, *form_->GraphList);
}

// IF m < n THEN RETURN(FALSE)
bool TCriticalPath::Toposort_F_IsNotCycle() {
  cycle_ = m_ < graph_->VertexCount();
  return !cycle_;
}
