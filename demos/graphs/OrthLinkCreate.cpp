#include "demos/graphs/OrthLinkCreate.h"

#include "demos/graphs/GraphInput.h"
#include "demos/graphs/OrthLink.h"
#include "demos/graphs/GraphDemo.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/Random.h"

// The window: the orthogonal list over the whole client area.
class TOrthLinkForm : public TGraphForm {
 public:
  TOrthLinkForm() {
    SetCaption(QStringLiteral("十字链表创建演示"));
    // Docked at 70 % of the width rather than 60.
    SetDesignClientSize(graphdemo::CodedWindowSize.width() * 7 / 6, graphdemo::CodedWindowSize.height());
    Link = new TOrthogonalLink(this);
    Link->setObjectName(QStringLiteral("OrthogonalLink"));
  }
  TOrthogonalLink* Link;

 protected:
  void FormResize() override {
    Link->setGeometry(0, 0, width(), height());
    TGraphForm::FormResize();
    Link->Relayout();
  }
};

TOrthLinkCreate::TOrthLinkCreate(const QStringList& source) : TAlgoDemo(source) {}
TOrthLinkCreate::~TOrthLinkCreate() = default;

TOrthogonalLink* TOrthLinkCreate::Link() const { return form_->Link; }

void TOrthLinkCreate::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  form_ = std::make_unique<TOrthLinkForm>();
  HoldPictureToRun();
}

void TOrthLinkCreate::HoldPictureToRun() {
  // A head node shows the data read into G.xlist[v]; an arc node p^'s tailvex and headvex once
  // written, nothing while it is new.
  form_->Link->NodeMeans = [this](int row, int col) -> std::optional<QStringList> {
    const auto at = [](int v) { return static_cast<std::size_t>(v); };
    if (col == 0) return headRead_[at(row)] ? QStringList{Data(row)} : QStringList{};
    return arcMade_[at(row)][at(col)] >= 2 ? QStringList{QString::number(row), QString::number(col)} : QStringList{};
  };
  // i and j point at the head nodes LocateVex found, from the line that reads the arc to the
  // line that makes the node the first of its head's in-list.
  form_->Link->PointerMeans = [this](const QString& letter) {
    if (CurProc() == nullptr || CurLine() == nullptr || CurProc()->Name() != QLatin1String("OrthLinkCreate")) return 0;
    static const QStringList making{QStringLiteral("InputArcNode"), QStringLiteral("ShowArcNode"), QStringLiteral("Addheadline")};
    if (!making.contains(CurLine()->Label())) return 0;
    return Var(letter == QLatin1String("i") ? "i" : "j")->Value();
  };
}

std::unique_ptr<TData> TOrthLinkCreate::GetInitialParam() {
  auto rec = std::make_unique<TData>(QString());
  for (const char* name : {"VexNum", "ArcNum", "K", "i", "j"}) rec->Add(new TIntData(QString::fromLatin1(name), 0));
  rec->Add(new TCharData(QStringLiteral("V1"), ' '));
  rec->Add(new TCharData(QStringLiteral("V2"), ' '));
  return rec;
}

bool TOrthLinkCreate::CreateData() {
  std::unique_ptr<TGraphm> graph;
  // A cancelled input keeps the graph, its letters and the drawing as they were.
  if (!ShowGraphInput(QStringLiteral("创建有向图"), MaxVertices, true, false, graph)) return false;
  graph_ = std::move(graph);
  // A new graph: new letters and an empty drawing.
  TOrthogonalLink& link = *form_->Link;
  while (link.RealNodes() > 0) link.delnode(link.Data(1));
  link.SetCurrentArc(0, 0);
  link.SetHeadarrow(0);
  link.SetTailarrow(0);
  rnd::Randomize();
  data_.fill(QString());
  headRead_.fill(false);
  for (auto& row : arcMade_) row.fill(0);
  for (int i = 1; i <= graph_->VertexCount(); ++i) data_[static_cast<std::size_t>(i)] = QString(QChar('A' + 5 * (i - 1) + rnd::Random(5)));
  return true;
}

void TOrthLinkCreate::ResetLocalData(const QString& procName) {
  if (procName == QLatin1String("OrthLinkCreate")) row_ = col_ = 1;
}

void TOrthLinkCreate::SetWindowRect() { MainForm->DockThreePanes(form_.get(), 70, AlgorithmForm, 60, VariableForm); }

void TOrthLinkCreate::Advance() {
  col_ += 1;
  if (col_ > graph_->VertexCount()) {
    col_ = 1;
    row_ += 1;
  }
}

// read(G.vexnum, G.arcnum)
void TOrthLinkCreate::OrthLinkCreate_Begin() {
  if (!graph_) return;
  Var("VexNum")->SetValue(graph_->VertexCount());
  Var("ArcNum")->SetValue(graph_->ArcCount());
  headRead_.fill(false);
  for (int i = 1; i <= graph_->VertexCount(); ++i) {
    form_->Link->SetKind(i, 2);
    form_->Link->addnode(Data(i));
  }
  form_->Link->Relayout();
}

// FOR K := 1 TO G.vexnum DO
bool TOrthLinkCreate::OrthLinkCreate_F_Judge1() {
  auto k = Var("K");
  k->SetValue(k->Value() + 1);
  if (k->Value() <= Var("VexNum")->Value()) return true;
  k->SetValue(0);
  return false;
}

// read(G.xlist[K].data)
void TOrthLinkCreate::OrthLinkCreate_InputHeadNode() {
  headRead_[static_cast<std::size_t>(Var("K")->Value())] = true;
  form_->Link->SetKind(Var("K")->Value(), 1);
  form_->Link->Relayout();
}

// G.xlist[K].firstin := NIL; G.xlist[K].firstout := NIL
void TOrthLinkCreate::OrthLinkCreate_ShowHeadNode() {
  form_->Link->SetKind(Var("K")->Value(), 0);
  form_->Link->Relayout();
}

// FOR K := 1 TO G.arcnum DO
bool TOrthLinkCreate::OrthLinkCreate_F_Judge2() {
  auto k = Var("K");
  k->SetValue(k->Value() + 1);
  return k->Value() <= Var("ArcNum")->Value();
}

// read(V1, V2); i := LocateVex(G, V1); j := LocateVex(G, V2)
void TOrthLinkCreate::OrthLinkCreate_showpointer() {
  if (!graph_) return;
  const int n = graph_->VertexCount();
  // The current place first, then on in row-major order, never past the last row; a loop
  // (row = column) is an arc like any other.
  while (row_ <= n && !graph_->IsArc(row_, col_)) Advance();
  if (row_ > n) return;
  Var("i")->SetValue(row_);
  Var("j")->SetValue(col_);
  Var<TCharData>("V1")->SetValue(Data(row_).at(0).toLatin1());
  Var<TCharData>("V2")->SetValue(Data(col_).at(0).toLatin1());
  form_->Link->SetHeadarrow(row_);
  form_->Link->SetTailarrow(col_);
  form_->Link->Relayout();
}

// new(p); p^ := (i, j, G.xlist[j].firstin, G.xlist[i].firstout)
void TOrthLinkCreate::OrthLinkCreate_InputArcNode() {
  if (!graph_ || row_ > graph_->VertexCount()) return;
  TOrthogonalLink& link = *form_->Link;
  link.SetCurrentArc(row_, col_);
  link.SetKind(6, 2);
  link.headline = false;
  link.tailline = false;
  // new(p): a node of its own, its fields written next (a second run makes it again).
  arcMade_[static_cast<std::size_t>(row_)][static_cast<std::size_t>(col_)] = 1;
  link.addarc(Data(row_), Data(col_));
}

void TOrthLinkCreate::OrthLinkCreate_ShowArcNode() {
  if (graph_ && row_ <= graph_->VertexCount()) arcMade_[static_cast<std::size_t>(row_)][static_cast<std::size_t>(col_)] = 2;
  form_->Link->SetKind(6, 1);
  form_->Link->Relayout();
}

// G.xlist[j].firstin := p
void TOrthLinkCreate::OrthLinkCreate_Addheadline() {
  TOrthogonalLink& link = *form_->Link;
  link.headline = true;
  link.SetHeadarrow(0);
  link.SetTailarrow(0);
  link.Relayout();
  if (graph_) Advance();
}

// G.xlist[i].firstout := p
void TOrthLinkCreate::OrthLinkCreate_Addtailline() {
  TOrthogonalLink& link = *form_->Link;
  link.SetCurrentArc(0, 0);
  link.tailline = true;
  link.Relayout();
}
