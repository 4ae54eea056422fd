#include "demos/graphs/ShortestPath.h"

#include <QTextDocument>
#include <QTextEdit>

#include "demos/graphs/GraphInput.h"
#include "demos/graphs/GraphMatrix.h"
#include "demos/graphs/TraverWindow.h"
#include "demos/graphs/GraphP.h"
#include "demos/graphs/PathLog.h"
#include "demos/graphs/GraphDemo.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/Globals.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/Forms.h"
#include "platform/Pacing.h"
#include "platform/TextRules.h"

namespace {
constexpr TColor Plain = RGB(200, 0, 200);
constexpr TColor LitVertex = RGB(0, 220, 110);
constexpr TColor LitArc = RGB(220, 0, 110);
const QString Infinite = QStringLiteral("无穷");
// The log's lavender, dark enough to read on its white ground.
constexpr TColor LogColour = RGB(70, 70, 200);
}  // namespace

// The window of both demonstrations: the graph above, the log and the matrix side by side
// under it, the status line at the bottom.
class TPathWindow : public TGraphForm {
 public:
  TPathWindow(const QString& caption, TColor ground, TColor status, TColor log) {
    SetCaption(caption);
    SetDesignClientSize(graphdemo::CodedWindowSize.width(), graphdemo::CodedWindowSize.height());
    GraphP = new TGraphP(this);
    GraphP->setObjectName(QStringLiteral("GraphP"));
    GraphP->SetState(csDisplay);
    GraphP->SetGroundColor(ground);
    Matrix = new TGraphMatrix(this);
    Matrix->setObjectName(QStringLiteral("GraphMatrix"));
    Matrix->SetColor(2, RGB(100, 100, 250));
    Matrix->SetColor(1, clWhite);
    StatusText = TTraverWindow::Caption(this, "StatusText", 18, status);
    StatusText->SetBevel(bvRaised);
    LogText = new TPathLog(this);
    LogText->setObjectName(QStringLiteral("LogText"));
    LogText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    logFont_.SetSize(12);
    logFont_.Style = fsBold;
    logFont_.Color = log;
    ApplyFont(*LogText, logFont_);
  }

  TGraphP* GraphP;
  TGraphMatrix* Matrix;
  TZqStaticText* StatusText;
  TPathLog* LogText;

 protected:
  void FormResize() override {
    const int w = width();
    const int h = height();
    GraphP->setGeometry(0, 0, w, h / 10 * 6);
    // Three fifths of the width for the matrix: ten columns of three-digit weights.
    Matrix->setGeometry(LogWidth(w), h / 10 * 6, w - LogWidth(w), h / 10 * 3);
    ApplyFont(*LogText, Ratio().Font(logFont_, -logFont_.Height));
    PlaceLog();
    TTraverWindow::ScaleCaptions(*this);
    TGraphForm::FormResize();
  }
  virtual void PlaceLogAndStatus(int w, int h) = 0;
  // Two fifths for the log, less, down to a quarter, where the matrix needs the width for
  // letters and entries of the least size the window reads (a window made smaller).
  int LogWidth(int w) const {
    const TGraphm* g = Matrix->Graph();
    const int need = g != nullptr ? TGraphMatrix::WidthFor(*g, LegiblePixelsIn(*this)) : 0;
    return std::clamp(w - need, w / 4, w * 2 / 5);
  }

 public:
  // The log in its place, a little lower where that leaves room for whole lines only, so
  // that the last line written sits at the bottom and the top line is not cut in half.
  void PlaceLog() {
    PlaceLogAndStatus(width(), height());
    const QTextDocument& doc = *LogText->document();
    const int line = LogText->LineHeight();
    const int frame = LogText->height() - LogText->viewport()->height();
    const int spare = (LogText->viewport()->height() - text::Round(doc.documentMargin())) % std::max(line, 1);
    if (spare > 0 && spare < LogText->height() - frame) LogText->resize(LogText->width(), LogText->height() - spare);
  }

 private:
  TFont logFont_;
};

namespace dij {
class TTraverform : public TPathWindow {
 public:
  TTraverform() : TPathWindow(QStringLiteral("Dijkstra最短路径"), RGB(100, 100, 250), RGB(100, 100, 250), LogColour) {
    LogText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }

 protected:
  void PlaceLogAndStatus(int w, int h) override {
    LogText->setGeometry(0, h / 10 * 6, LogWidth(w), h / 10 * 3);
    StatusText->setGeometry(0, h / 10 * 9, w, h - h / 10 * 9);
  }
};
}  // namespace dij

namespace floyd {
class TTraverform : public TPathWindow {
 public:
  TTraverform() : TPathWindow(QStringLiteral("Floyd最短路径"), RGB(150, 150, 250), graphdemo::StatusBlue, LogColour) {}

 protected:
  void PlaceLogAndStatus(int w, int h) override {
    LogText->setGeometry(0, h / 10 * 6, LogWidth(w), h - h / 10 * 7);
    StatusText->setGeometry(0, h / 11 * 10, w, h - h / 11 * 10);
  }
};
}  // namespace floyd

// ================================================================ shared

TShortestPathBase::TShortestPathBase(const QStringList& source) : TAlgoDemo(source) {}
TShortestPathBase::~TShortestPathBase() = default;

bool TShortestPathBase::CreateData() {
  bool directed = true;
  bool weighted = false;
  // A cancelled type dialog keeps the preset kind.
  SelectGraphType(QStringLiteral("选择图的类型"), true, true, directed, weighted);
  if (!ShowGraphInput(QStringLiteral("创建有向图"), 10, directed, weighted, graph_)) return false;
  window_->GraphP->SetDirected(directed);
  window_->GraphP->SetWeighted(weighted);
  window_->GraphP->SetGraph(graph_.get());
  window_->Matrix->SetGraph(graph_.get());
  // New data of a running demonstration may want the other split (a start docks the windows
  // itself once the data is in).
  if (MainForm != nullptr && CurrentDemo == this) SetWindowRect();
  return true;
}

void TShortestPathBase::SetWindowRect() {
  MainForm->DockThreePanes(window_.get(), graphdemo::NetworkPanePct(60, graph_.get(), window_->GraphP->Weighted()), AlgorithmForm,
                           70, VariableForm);
}

void TShortestPathBase::RecolourGraph() {
  const int n = graph_->VertexCount();
  for (int v = 1; v <= n; ++v) {
    graph_->ClearVData(v);
    window_->GraphP->SetVertexColor(v, Plain);
    for (int w = 1; w <= n; ++w) window_->GraphP->SetArcColor(v, w, clBlack);
  }
}

TColor TShortestPathBase::PathColour(int v) {
  if (v <= 3) return RGB(60 * v, 80 * v, 255 - 30 * v);
  // Beyond the third the formula runs into pale yellows that vanish on the backdrop: mid
  // tones of their own instead, dark enough for a line and light enough for a letter.
  static constexpr std::array<TColor, 7> further{RGB(255, 140, 0),  RGB(0, 170, 170), RGB(170, 100, 255),
                                                 RGB(200, 120, 60), RGB(255, 110, 180), RGB(60, 190, 60),
                                                 RGB(100, 150, 220)};
  return further[static_cast<std::size_t>(std::min(v, 10) - 4)];
}

QString TShortestPathBase::PathText(const TVertexPath& path, const QString& separator) {
  QStringList letters;
  for (int v : path) letters << VertexLetter(v);
  return letters.join(separator);
}

void TShortestPathBase::FlashEdge(const TVertexPath& path) {
  TGraphP& p = *window_->GraphP;
  const auto paint = [&](TColor vertex, TColor arc) {
    for (std::size_t t = 0; t + 1 < path.size(); ++t) {
      p.SetVertexColor(path[t], vertex);
      ColourArc(path[t], path[t + 1], arc);
      p.SetVertexColor(path[t + 1], vertex);
    }
    p.Repaint();
  };
  for (int round = 0; round < 3; ++round) {
    paint(LitVertex, LitArc);
    paint(Plain, clBlack);
    pacing::Sleep(200);
  }
}

void TShortestPathBase::ShowEdge(const TVertexPath& path, int v) {
  TGraphP& p = *window_->GraphP;
  const TColor colour = PathColour(v);
  for (std::size_t t = 0; t < path.size(); ++t) {
    p.SetVertexColor(path[t], colour);
    if (t + 1 < path.size()) ColourArc(path[t], path[t + 1], colour);
  }
  p.Repaint();
}

void TShortestPathBase::Log(const QString& line) {
  const bool first = window_->LogText->Lines().isEmpty();
  window_->LogText->AppendLine(line);
  // The log scrolls by whole lines from its first line on.
  if (first) window_->PlaceLog();
}

void TShortestPathBase::FlashEntry(int r, int c) {
  window_->Matrix->SetCellColor(r, c, RGB(255, 0, 0));
  window_->Matrix->Repaint();
  pacing::Sleep(500);
  window_->Matrix->SetCellColor(r, c, clBlack);
}

void TShortestPathBase::SetVar(const char* name, int value) { Var(name)->SetValue(value); }

void TShortestPathBase::ColourArc(int tail, int head, TColor colour) {
  graphdemo::ColourArc(*window_->GraphP, tail, head, colour);
}

void TShortestPathBase::ReadArc(int tail, int head, bool on) {
  read_ = on ? std::pair(tail, head) : std::pair(0, 0);
  ColourArc(tail, head, on ? LitVertex : clBlack);
}

void TShortestPathBase::HoldArcsToRun() {
  TGraphP& panel = *window_->GraphP;
  panel.ArcWords = {{LitVertex, QStringLiteral("read")}};
  // An undirected graph draws each edge once, for both its arcs.
  panel.ArcMeans = [this, &panel](int tail, int head) {
    return TValueMeaning{.Value = [this, &panel, tail, head] {
      const bool read = read_ == std::pair(tail, head) || (!panel.Directed() && read_ == std::pair(head, tail));
      return std::optional<QString>(read ? QStringLiteral("read") : QString());
    }};
  };
}

// ================================================================ Dijkstra

TShortestPathDIJ::TShortestPathDIJ(const QStringList& source) : TShortestPathBase(source) {}

void TShortestPathDIJ::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  window_ = std::make_unique<dij::TTraverform>();
  HoldArcsToRun();
  window_->StatusText->Stands = {{.Value = [this] {
    QString text = QStringLiteral("     最短路径终点集S:");
    for (std::size_t k = 0; k < sOrder_.size(); ++k) text += (k > 0 ? QStringLiteral(" ") : QString()) + QString::number(sOrder_[k]);
    return std::optional<QString>(text);
  }}};
}

std::unique_ptr<TData> TShortestPathDIJ::GetInitialParam() {
  i_ = j_ = k_ = 0;
  const int n = graph_->VertexCount();
  // An item for every vertex, and at least the nine the text has always shown.
  const int items = std::max(9, n + 1);
  auto rec = std::make_unique<TData>(QString());
  rec->Add(new TIntData(QStringLiteral("VexNum"), n));
  auto* dist = rec->Add(new TVector(QStringLiteral("dist")));
  dist->SetSize(items);
  auto* path = rec->Add(new TVector(QStringLiteral("path")));
  path->SetSize(items);
  for (int v = 0; v < items; ++v) {
    dist->SetItem(v, new TIntData(QString::number(v), 0));
    path->SetItem(v, new TStringData(QString(QChar(64 + v)), QString()));
  }
  for (const char* name : {"i", "j", "k", "wm"}) rec->Add(new TIntData(QString::fromLatin1(name), 0));
  return rec;
}

void TShortestPathDIJ::Reset() {
  RecolourGraph();
  sOrder_.clear();
  read_ = {};
  window_->StatusText->SetCaption(QStringLiteral("     最短路径终点集S:"));
  TAlgoDemo::Reset();
}

void TShortestPathDIJ::ShowDistance(int v) {
  static_cast<TIntData*>(Locals()->FindByName(QStringLiteral("dist"))->Items(v))->SetValue(dist_[At(v)]);
  const int d = dist_[At(v)];
  Log(QStringLiteral("v1到v%1的距离: %2").arg(v).arg(d < TGraphm::Infinity ? QString::number(d) : Infinite));
}

void TShortestPathDIJ::SetPathItem(int v, const QString& text) {
  static_cast<TStringData*>(Locals()->FindByName(QStringLiteral("path"))->Items(v))->SetValue(text);
}

QString TShortestPathDIJ::PathItem(int v) const {
  return static_cast<TStringData*>(Locals()->FindByName(QStringLiteral("path"))->Items(v))->Value();
}

// FOR i := 1 TO vtxnum DO
bool TShortestPathDIJ::ShortestPathDIJ_F_Begin() {
  SetVar("i", ++i_);
  return i_ <= graph_->VertexCount();
}

// dist[i] := cost[v0, i]
void TShortestPathDIJ::ShortestPathDIJ_SetDist() {
  dist_[At(i_)] = graph_->Weight(1, i_);
  FlashEntry(1, i_);
  if (i_ != 1) ShowDistance(i_);
  ReadArc(1, i_, true);
}

// IF dist[i] < max
bool TShortestPathDIJ::ShortestPathDIJ_F_IsDistLMax() {
  ReadArc(1, i_, false);
  return dist_[At(i_)] < TGraphm::Infinity;
}

// path[i] := [v0] + [i]
void TShortestPathDIJ::ShortestPathDIJ_SetPath() {
  FlashEntry(1, i_);
  path_[At(i_)] = {1, i_};
  const QString text = QStringLiteral("A-->") + VertexLetter(i_);
  SetPathItem(i_, text);
  Log(QStringLiteral("v1到v%1的路径: %2").arg(i_).arg(text));
  FlashEdge(path_[At(i_)]);
}

// path[i] := []
void TShortestPathDIJ::ShortestPathDIJ_nilTopath() {
  path_[At(i_)].clear();
  SetPathItem(i_, QString());
}

// s := [v0]
void TShortestPathDIJ::ShortestPathDIJ_v0Tos() {
  inS_.fill(false);
  inS_[1] = true;
  sOrder_ = {1};
  window_->StatusText->SetCaption(window_->StatusText->Caption() + QStringLiteral("1"));
}

// FOR k := 1 TO vtxnum - 1 DO
bool TShortestPathDIJ::ShortestPathDIJ_F_Loop2() {
  SetVar("k", ++k_);
  return k_ < graph_->VertexCount();
}

// wm := max; j := v0
void TShortestPathDIJ::ShortestPathDIJ_Loop2Init() {
  SetVar("wm", wm_ = TGraphm::Infinity);
  SetVar("j", j_ = 1);
  SetVar("i", i_ = 0);
}

// FOR i := 1 TO vtxnum DO
bool TShortestPathDIJ::ShortestPathDIJ_F_Loop3() {
  if (i_ > 0) FlashEntry(1, i_);
  SetVar("i", ++i_);
  return i_ <= graph_->VertexCount();
}

// IF NOT (i IN s) AND (dist[i] < wm)
bool TShortestPathDIJ::ShortestPathDIJ_F_NotiIns() {
  FlashEntry(1, i_);
  return !inS_[At(i_)] && dist_[At(i_)] < wm_;
}

// j := i; wm := dist[i]
void TShortestPathDIJ::ShortestPathDIJ_SetJ() {
  SetVar("j", j_ = i_);
  SetVar("wm", wm_ = dist_[At(i_)]);
}

// s := s + [j]
void TShortestPathDIJ::ShortestPathDIJ_AppendS() {
  FlashEntry(1, j_);
  if (!inS_[At(j_)]) {
    inS_[At(j_)] = true;
    sOrder_.push_back(j_);
    window_->StatusText->SetCaption(window_->StatusText->Caption() + QStringLiteral(" ") + QString::number(j_));
  }
  SetVar("i", i_ = 0);
}

// FOR i := 1 TO vtxnum DO
bool TShortestPathDIJ::ShortestPathDIJ_F_Loop4() {
  SetVar("i", ++i_);
  if (i_ <= graph_->VertexCount()) FlashEntry(1, i_);
  return i_ <= graph_->VertexCount();
}

// IF NOT (i IN s) AND (dist[j] + cost[j, i] < dist[i])
bool TShortestPathDIJ::ShortestPathDIJ_F_NotiInsL() {
  FlashEntry(j_, i_);
  return !inS_[At(i_)] && graph_->Weight(j_, i_) + dist_[At(j_)] < dist_[At(i_)];
}

// dist[i] := dist[j] + cost[j, i]; path[i] := path[j] + [i]
void TShortestPathDIJ::ShortestPathDIJ_SetDistPath() {
  dist_[At(i_)] = graph_->Weight(j_, i_) + dist_[At(j_)];
  FlashEntry(j_, i_);
  if (i_ != 1) ShowDistance(i_);
  path_[At(i_)] = path_[At(j_)];
  path_[At(i_)].push_back(i_);
  const QString text = PathItem(j_) + QStringLiteral("-->") + VertexLetter(i_);
  SetPathItem(i_, text);
  Log(QStringLiteral("v1到v%1的路径: %2").arg(i_).arg(text));
  FlashEdge(path_[At(i_)]);
}

// the end: every vertex's shortest path
void TShortestPathDIJ::ShortestPathDIJ_End() {
  const int n = Var("VexNum")->Value();
  for (int v = 2; v <= n; ++v) {
    const QString text = PathItem(v);
    Log(QStringLiteral("A--->%1 的最短路径:  %2").arg(VertexLetter(v), text.isEmpty() ? QStringLiteral("None") : text));
    ShowEdge(path_[At(v)], v);
    pacing::Sleep(1000);
  }
}

// ================================================================ Floyd

TShortestPathFloy::TShortestPathFloy(const QStringList& source) : TShortestPathBase(source) {}

void TShortestPathFloy::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  window_ = std::make_unique<floyd::TTraverform>();
  HoldArcsToRun();
  window_->StatusText->Stands = {{.Value = [this]() -> std::optional<QString> {
    if (!current_) return std::nullopt;
    return QStringLiteral("     当前路径: ") + PathText(*current_, QStringLiteral("==>"));
  }}};
}

std::unique_ptr<TData> TShortestPathFloy::GetInitialParam() {
  i_ = j_ = k_ = 0;
  auto rec = std::make_unique<TData>(QString());
  rec->Add(new TIntData(QStringLiteral("VexNum"), graph_->VertexCount()));
  for (const char* name : {"i", "j", "k"}) rec->Add(new TIntData(QString::fromLatin1(name), 0));
  return rec;
}

void TShortestPathFloy::Reset() {
  RecolourGraph();
  read_ = {};
  TAlgoDemo::Reset();
}

void TShortestPathFloy::NewPath(const TVertexPath& path) {
  const QString text = PathText(path, QStringLiteral("==>"));
  Log(QStringLiteral("v%1到v%2的路径: %3").arg(i_).arg(j_).arg(text));
  current_ = path;
  window_->StatusText->SetCaption(QStringLiteral("     当前路径: ") + text);
  FlashEdge(path);
}

// FOR i := 1 TO vtxnum DO
bool TShortestPathFloy::ShortestPathFloy_F_Begin() {
  SetVar("i", ++i_);
  SetVar("j", j_ = 0);
  return i_ <= graph_->VertexCount();
}

// FOR j := 1 TO vtxnum DO
bool TShortestPathFloy::ShortestPathFloy_F_Loop11() {
  SetVar("j", ++j_);
  return j_ <= graph_->VertexCount();
}

// dist[i, j] := cost[i, j]
void TShortestPathFloy::ShortestPathFloy_SetDist() {
  dist_[At(i_)][At(j_)] = graph_->Weight(i_, j_);
  ReadArc(i_, j_, true);
}

// IF dist[i, j] < max
bool TShortestPathFloy::ShortestPathFloy_F_IsDistLMax() {
  ReadArc(i_, j_, false);
  return dist_[At(i_)][At(j_)] < TGraphm::Infinity;
}

// path[i, j] := [j] + [i]
void TShortestPathFloy::ShortestPathFloy_SetPath() {
  path_[At(i_)][At(j_)] = {i_, j_};
  NewPath(path_[At(i_)][At(j_)]);
}

// path[i, j] := []
void TShortestPathFloy::ShortestPathFloy_nilTopath() { path_[At(i_)][At(j_)].clear(); }

// FOR k := 1 TO vtxnum DO
bool TShortestPathFloy::ShortestPathFloy_F_Loop2() {
  SetVar("k", ++k_);
  SetVar("i", i_ = 0);
  return k_ <= graph_->VertexCount();
}

// FOR i := 1 TO vtxnum DO
bool TShortestPathFloy::ShortestPathFloy_F_Loop21() {
  SetVar("i", ++i_);
  SetVar("j", j_ = 0);
  return i_ <= graph_->VertexCount();
}

// FOR j := 1 TO vtxnum DO
bool TShortestPathFloy::ShortestPathFloy_F_Loop22() {
  SetVar("j", ++j_);
  return j_ <= graph_->VertexCount();
}

// IF dist[i, k] + dist[k, j] < dist[i, j]
bool TShortestPathFloy::ShortestPathFloy_F_NotiInsL() {
  return dist_[At(i_)][At(k_)] + dist_[At(k_)][At(j_)] < dist_[At(i_)][At(j_)];
}

// dist[i, j] := dist[i, k] + dist[k, j]
void TShortestPathFloy::ShortestPathFloy_SetDist2() {
  dist_[At(i_)][At(j_)] = dist_[At(i_)][At(k_)] + dist_[At(k_)][At(j_)];
}

// path[i, j] := path[i, k] + path[k, j]
void TShortestPathFloy::ShortestPathFloy_SetDistPath2() {
  TVertexPath path = path_[At(i_)][At(k_)];
  if (!path.empty()) path.pop_back();
  const TVertexPath& tail = path_[At(k_)][At(j_)];
  path.insert(path.end(), tail.begin(), tail.end());
  path_[At(i_)][At(j_)] = path;
  NewPath(path);
}

// the end: the shortest path of every pair a < b
void TShortestPathFloy::ShortestPathFloy_End() {
  const int n = Var("VexNum")->Value();
  for (int a = 1; a <= n; ++a) {
    for (int b = a + 1; b <= n; ++b) {
      const TVertexPath& path = path_[At(a)][At(b)];
      Log(QStringLiteral("%1--->%2最短路径:  %3")
              .arg(VertexLetter(a), VertexLetter(b), path.empty() ? QStringLiteral("None") : PathText(path, QStringLiteral("==>"))));
      ShowEdge(path, b);
      pacing::Sleep(500);
    }
  }
}
