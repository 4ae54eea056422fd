#include "demos/graphs/Toposort.h"

#include <QFontMetrics>

#include "demos/graphs/GraphInput.h"
#include "demos/graphs/GraphList.h"
#include "demos/graphs/GraphP.h"
#include "demos/graphs/TopoKit.h"
#include "demos/graphs/GraphDemo.h"
#include "framework/drawkit/BesidePlace.h"
#include "framework/drawkit/CoolMsg.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/TextRules.h"

using namespace topokit;

// The adjacency lists and the stack above, the graph and the in-degree table below, the
// output line at the bottom.
class TTopSortForm : public TGraphForm {
 public:
  TTopSortForm() {
    SetCaption(QStringLiteral("拓扑排序"));
    SetDesignClientSize(386, 449);
    GraphList = Place(new TGraphList(this), 0, 0, 264, 196);
    GraphList->setObjectName(QStringLiteral("GraphList"));
    GraphList->SetColor(1, clYellow);
    GraphList->SetColor(2, clBlue);
    GraphList->SetColor(3, clTeal);
    StackBox = Place(new TStackBox(this), 265, 0, 112, 196);
    StackBox->setObjectName(QStringLiteral("StackBox"));
    StackBox->SetLook({.RowCount = 10,
                       .NodeColor = clTeal,
                       .NodeFont = {.Name = QStringLiteral("Times New Roman"), .Height = -19, .Style = fsBold, .Color = clRed},
                       .PointerColor = clBtnFace,
                       .PointerFont = {.Color = clBlue},
                       .Title = QStringLiteral("Vex     "),
                       .ShowAnimate = true});
    StackBox->hide();
    GraphP = Place(new TGraphP(this), 0, 197, 264, 196);
    GraphP->setObjectName(QStringLiteral("GraphP"));
    GraphP->SetState(csDisplay);
    GraphP->SetDirected(true);
    GraphP->SetGroundColor(clYellow);
    Grid = new TCentredGrid(this);
    Grid->setObjectName(QStringLiteral("StringGrid"));
    Grid->Color = clAqua;
    Grid->FixedColor = clTeal;
    Grid->SetColCount(3);
    Grid->SetRowCount(2);
    Grid->SetFixedCols(0);
    Grid->Font.Name = QStringLiteral("宋体");
    Grid->Font.Style = fsBold | fsItalic;
    Grid->Font.Color = clBlue;
    Grid->SetScrollBars(ssNone);
    Grid->setEnabled(false);
    Grid->hide();
    ResultText = Place(new TZqStaticText(this), 0, 394, 378, 26);
    ResultText->setObjectName(QStringLiteral("ResultText"));
    ResultText->SetBevel(bvLowered);
    TFont font;
    font.Name = QStringLiteral("Courier New");
    font.Height = -19;
    font.Style = fsBold;
    font.Color = clTeal;
    ResultText->SetFont(font);
    ResultText->SetAlignment(taLeftJustify);
  }

  TGraphList* GraphList;
  TStackBox* StackBox;
  TGraphP* GraphP;
  TCentredGrid* Grid;
  TZqStaticText* ResultText;

 protected:
  void FormResize() override {
    TGraphForm::FormResize();
    Arrange();
  }

 public:
  // The table under the stack; while both are hidden the lists and the graph take their
  // width too.
  void Arrange() {
    graphdemo::WidenWhileAlone(*GraphList, StackBox->isHidden());
    graphdemo::WidenWhileAlone(*GraphP, Grid->isHidden());
    Grid->setGeometry(StackBox->x(), GraphP->y(), StackBox->width(), GraphP->height());
    // Two columns and the lines after them.
    Grid->SetDefaultColWidth(std::max(1, (Grid->width() - 2) / 2));
    Grid->SetDefaultRowHeight(std::max(1, Grid->height() / 11));
    // Characters as high as the row less its line and a pixel above and below (the headings'
    // Chinese fill their whole em), small enough that the slanted, outlined headings keep
    // inside their columns in a narrow window.
    int em = std::max(1, Grid->DefaultRowHeight() - 3);
    const auto fits = [this](int height) {
      TFont f = Grid->Font;
      f.Height = -height;
      const QFontMetrics m(f.ToQFont());
      const int width = Grid->DefaultColWidth() - 1;  // less the line between the columns
      for (const QString& heading : {QStringLiteral("顶点"), QStringLiteral("入度")}) {
        // Centred by its advance; the slant reaches past it on the right, the outline a pixel
        // all round.
        const QRect ink = m.tightBoundingRect(heading).adjusted(-1, 0, 1, 0).translated((width - f.TextWidth(heading)) / 2, 0);
        if (ink.left() < 0 || ink.right() >= width) return false;
      }
      return true;
    };
    while (em > 1 && !fits(em)) --em;
    Grid->Font.Height = -em;
    Grid->Invalidate();
  }
};

TToposort::TToposort(const QStringList& source) : TAlgoDemo(source) {}
TToposort::~TToposort() = default;

void TToposort::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<TTopSortForm>();
  msgDlg_ = std::make_unique<TCoolMsgDlg>();
  msgDlg_->SetPosition(poScreenCenter);
  msgDlg_->SetCaption(QStringLiteral("拓扑排序"));
  HoldPictureToRun();
}

void TToposort::HoldPictureToRun() {
  // The in-degree column: indegree[v] of the call of Toposort, once counted.
  form_->Grid->CellMeans = [this](int col, int row) -> std::optional<TValueMeaning> {
    if (col != 1 || row < 1) return std::nullopt;
    return TValueMeaning{.Of = {QStringLiteral("indegree[%1]").arg(row - 1)},
                         .Map = [this](const QStringList& v) { return std::optional<QString>(counted_ ? v[0] : QString()); }};
  };
  form_->ResultText->Stands = {{.Value = [this] {
    QStringList letters;
    for (int v : order_) letters << VertexLetter(v);
    return std::optional<QString>(QStringLiteral("输出结果:") + letters.join(QStringLiteral(" - ")));
  }}};
  // The arc p stands at lit in the lists; an arc taken is blue, a vertex done silver.
  TGraphP& panel = *form_->GraphP;
  HoldArcMeans(panel, *form_->GraphList, arc_, taken_);
  panel.VertexWords = {{Silver, QStringLiteral("done")}};
  panel.VertexMeans = [this](int v) {
    return TValueMeaning{.Value = [this, v] {
      return std::optional<QString>(done_[static_cast<std::size_t>(v)] ? QStringLiteral("done") : QString());
    }};
  };
}

std::unique_ptr<TData> TToposort::GetGlobalData() {
  auto rec = std::make_unique<TData>(QString());
  if (!UseCLanguage) rec->Add(new TIntData(QStringLiteral("n"), graph_->VertexCount()));
  return rec;
}

bool TToposort::CreateData() {
  if (!ShowGraphInput(QStringLiteral("请输入有向图"), 9, true, false, graph_)) return false;
  // The views never keep the graph that was replaced.
  form_->GraphP->SetGraph(graph_.get());
  form_->GraphList->SetGraph(graph_.get());
  return true;
}

void TToposort::SetWindowRect() { MainForm->DockThreePanes(form_.get(), 63, AlgorithmForm, 60, VariableForm); }

void TToposort::Reset() {
  TAlgoDemo::Reset();
  arc_.reset();
  form_->StackBox->Clear();
  count_ = 0;
  counted_ = false;
  order_.clear();
  done_.fill(false);
  for (auto& row : taken_) row.fill(false);
  form_->GraphP->SetGraph(graph_.get());
  form_->GraphList->SetGraph(graph_.get());
  form_->GraphList->ClearHighlights();
  form_->StackBox->hide();
  form_->Grid->hide();
  form_->Arrange();
  const int n = graph_->VertexCount();
  TStringGrid& grid = *form_->Grid;
  grid.SetRowCount(n + 1);
  grid.SetCells(0, 0, QStringLiteral("顶点"));
  grid.SetCells(1, 0, QStringLiteral("入度"));
  for (int v = 1; v <= n; ++v) {
    grid.SetCells(0, v, VertexLetter(v));
    grid.SetCells(1, v, QString());
    form_->GraphP->SetVertexColor(v, Green);
    for (int w = 1; w <= n; ++w) form_->GraphP->SetArcColor(v, w, clBlack);
  }
  form_->ResultText->SetCaption(QStringLiteral("输出结果:"));
}

int TToposort::V() const { return VertexOf(Var("i")->Value()); }

void TToposort::Push(int value) {
  form_->StackBox->Push(std::make_unique<TTopoStkData>(value));
  count_ += 1;
  stack_[static_cast<std::size_t>(count_)] = value;
  // The row stands for the entry of S at its height, while S holds it.
  HoldTopRow(*form_->StackBox, count_, stack_);
}

// Toposort(dig, n)
TData* TToposort::Main_C_Begin() {
  output_ = 0;
  auto* rec = new TData(QString());
  rec->Add(new TIntData(QStringLiteral("m"), 0));
  rec->Add(new TIntData(QStringLiteral("i"), 0));
  rec->Add(new TIntData(QStringLiteral("k"), 0));
  rec->Add(NumberedVector(QStringLiteral("indegree"), graph_->VertexCount()));
  form_->StackBox->show();
  form_->Grid->show();
  form_->Arrange();
  return rec;
}

void TToposort::Main_AfterBegin() {
  form_->StackBox->hide();
  form_->Grid->hide();
  form_->Arrange();
}

// FindInDegree(dig, indegree)
void TToposort::Toposort_Begin() {
  CountInDegrees(*graph_, *form_->GraphP, *form_->GraphList, *form_->Grid, 1, Locals()->FindByName(QStringLiteral("indegree")),
                 indegree_.data());
  counted_ = true;
}

// InitStack(S)
void TToposort::Toposort_InitStack() {
  form_->StackBox->Clear();
  count_ = 0;
}

// FOR i := 1 TO n DO
bool TToposort::Toposort_F_LoopBegin() {
  Var("i")->SetValue(Shown(1));
  return graph_->VertexCount() > 0;
}

// IF indegree[i] = 0
bool TToposort::Toposort_F_IsIdZ1() {
  form_->GraphP->SetVertexColor(V(), Red);
  return indegree_[static_cast<std::size_t>(V())] == 0;
}

// Push(S, i)
void TToposort::Toposort_Push1() { Push(Var("i")->Value()); }

// the end of the FOR loop
bool TToposort::Toposort_F_LoopEnd() {
  const int v = V();
  form_->GraphP->SetVertexColor(v, Green);
  Var("i")->SetValue(Var("i")->Value() + 1);
  return v + 1 > graph_->VertexCount();
}

// m := 0
void TToposort::Toposort_SetCount() {
  output_ = 0;
  Var("m")->SetValue(0);
}

// WHILE NOT StackEmpty(S)
bool TToposort::Toposort_F_IsNotEmpty() { return count_ > 0; }

// Pop(S, i)
void TToposort::Toposort_Pop() {
  (void)form_->StackBox->Pop();
  Var("i")->SetValue(stack_[static_cast<std::size_t>(count_)]);
  form_->GraphP->SetVertexColor(V(), Red);
  count_ -= 1;
}

// write(dig[i].vex); m := m + 1
void TToposort::Toposort_PrintVex() {
  output_ += 1;
  order_.push_back(V());
  Var("m")->SetValue(output_);
  TZqStaticText& result = *form_->ResultText;
  result.SetCaption(result.Caption() + (output_ > 1 ? QStringLiteral(" - ") : QString()) + VertexLetter(V()));
}

// p := dig[i].firstarc
void TToposort::Toposort_FirstArc() {
  arc_ = graph_->FirstAdj(V());
  ShowArc(arc_.get(), *form_->GraphP, *form_->GraphList);
}

// WHILE p <> nil
bool TToposort::Toposort_F_IsPNotNil() {
  if (arc_) return true;
  done_[static_cast<std::size_t>(V())] = true;
  form_->GraphP->SetVertexColor(V(), Silver);
  return false;
}

// k := p^.adjvex
void TToposort::Toposort_GetVex() {
  Var("k")->SetValue(Shown(arc_->Head));
  form_->GraphP->SetVertexColor(arc_->Head, Blue);
}

// indegree[k] := indegree[k] - 1
void TToposort::Toposort_DecId() {
  const int k = arc_->Head;
  int& degree = indegree_[static_cast<std::size_t>(k)];
  degree -= 1;
  form_->Grid->SetCells(1, k, QString::number(degree));
  SetItem(Locals()->FindByName(QStringLiteral("indegree")), k, degree);
}

// IF indegree[k] = 0
bool TToposort::Toposort_F_IsIdZ2() { return indegree_[static_cast<std::size_t>(arc_->Head)] == 0; }

// Push(S, k)
void TToposort::Toposort_Push2() { Push(Var("k")->Value()); }

// p := p^.nextarc
void TToposort::Toposort_NextArc() {
  taken_[static_cast<std::size_t>(arc_->Tail)][static_cast<std::size_t>(arc_->Head)] = true;
  form_->GraphP->SetArcColor(arc_->Tail, arc_->Head, Blue);
  form_->GraphList->Highlight(arc_->Tail, arc_->Head, false);
  form_->GraphP->SetVertexColor(arc_->Head, Green);
  arc_ = graph_->NextAdj(*arc_);
  ShowArc(arc_.get(), *form_->GraphP, *form_->GraphList);
}

// IF m < n THEN write('cycle')
void TToposort::Toposort_IsCycle() {
  if (output_ >= graph_->VertexCount()) return;
  // Clear of the drawing: the lists and in-degrees left over are what the message speaks of
  // (in a window made too small for that, over the fewest of their nodes).
  PlaceBesideNodes(*msgDlg_, *form_);
  msgDlg_->Execute(QStringLiteral("网中存在自环!"));
}
