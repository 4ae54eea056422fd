#include "framework/shell/SplitWnds.h"

#include <QBoxLayout>
#include <QSplitter>

#include "framework/drawkit/AdvancedTools.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/engine/AlgoSrc.h"
#include "framework/engine/Globals.h"
#include "platform/Controls.h"
#include "platform/Screen.h"

namespace {

constexpr int kMinPaneSize = 8;
constexpr int kSplitterWidth = 4;
const QString kFoldUp = QStringLiteral("▲");
const QString kFoldDown = QStringLiteral("▼");

struct TitleColours {
  TColor back, button, text;
};

// The title colours of a level in the current theme (the default theme's without one).
TitleColours TitleColoursOf(int level) {
  const TZqThemes* theme = CurrentThemes ? CurrentThemes : ProcSrcContainer().DefaultThemes();
  return {theme->TitleBackColor(level), theme->TitleButtonColor(level), theme->TitleTextColor(level)};
}

// A stripe one title bar high and a screen wide, filled with the level's checker pattern;
// drawn transparently, only the dots in the level's back colour show.
std::unique_ptr<TBitmap> MakeTitleBitmap(int level, int height) {
  const std::unique_ptr<TBitmap> pattern = MakeCheckerBitmap(TitleColoursOf(level).back);
  auto stripe = std::make_unique<TBitmap>(screen::Width(), height);
  stripe->Canvas().Brush.Bitmap = pattern.get();
  stripe->Canvas().FillRect(Rect(0, 0, stripe->Width(), stripe->Height()));
  stripe->Canvas().Brush.Bitmap = nullptr;
  stripe->Transparent = true;
  stripe->SetTransparentColor(stripe->Canvas().Pixels(0, 0));
  return stripe;
}

}  // namespace

TitleBarMetrics TitleBarMetrics::ForScreenHeight(int screenHeight) {
  TitleBarMetrics m;
  m.height = screenHeight / 27;
  m.fontHeight = screenHeight / 33;
  m.buttonSide = m.height - 4;
  return m;
}

// ---------------------------------------------------------------- title bar

TPaneTitle::TPaneTitle(TSplitPane& pane, int level) : TCanvasWidget(&pane), pane_(pane), level_(level) {
  setFixedHeight(TitleBarMetrics::ForScreenHeight(screen::Height()).height);
}

void TPaneTitle::Paint() {
  TCanvas& c = Canvas();
  const TRect r = ClientRect();
  CopyBackdrop(c, *this, r, clSilver);
  if (const TBitmap* stripe = pane_.TitleBitmap()) c.Draw(0, 0, *stripe);
  Frame3D(c, r.Left, r.Top, r.Right, r.Bottom, clWhite, clBlack);
  const TitleColours colours = TitleColoursOf(level_);
  c.Brush.Style = bsClear;
  c.Font.Name = QStringLiteral("宋体");
  c.Font.Height = TitleBarMetrics::ForScreenHeight(screen::Height()).fontHeight;
  const int f = c.Font.Height;
  const int y = (height() - f) / 2;
  c.Font.Color = colours.button;
  c.TextOut(f, y, QStringLiteral("◆"));
  // Outlined: a light caption's strokes merge with the stripe's light dots, a dark one's with
  // its coloured dots.
  TextOutOutlined(c, 2 * f + 4, y, pane_.Caption(), colours.text);
}

// ---------------------------------------------------------------- pane

TSplitPane::TSplitPane(int level, bool foldable, QWidget* parent)
    : TZqStaticText(parent), level_(level), title_(new TPaneTitle(*this, level)) {
  SetBevel(bvLowered);
  setMinimumSize(kMinPaneSize, kMinPaneSize);
  if (foldable) {
    const TitleBarMetrics m = TitleBarMetrics::ForScreenHeight(screen::Height());
    fold_ = new TSpeedButton(kFoldUp, this);
    fold_->setObjectName(QStringLiteral("SpeedButton%1").arg(level));
    fold_->setFixedSize(m.buttonSide, m.buttonSide);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(qMax(8, m.buttonSide * 11 / 14));
    fold_->setFont(f);
    QPalette pal = fold_->palette();
    pal.setColor(QPalette::ButtonText, ToQColor(TitleColoursOf(level).button));
    fold_->setPalette(pal);
    fold_->setFocusPolicy(Qt::NoFocus);
  }
  Arrange();
}

void TSplitPane::SetPaneCaption(const QString& caption) {
  SetCaption(caption);
  title_->Invalidate();
}

void TSplitPane::Dock(QWidget* form) {
  if (form_ && form_ != form) Release();
  form_ = form;
  if (!form) return;
  form->setParent(this);
  form->setWindowFlags(Qt::Widget);
  Arrange();
  form->show();
  if (fold_) fold_->raise();
}

void TSplitPane::Release() {
  if (!form_) return;
  form_->hide();
  form_->setParent(nullptr);
  form_ = nullptr;
}

void TSplitPane::resizeEvent(QResizeEvent* e) {
  TZqStaticText::resizeEvent(e);
  Arrange();
}

void TSplitPane::Arrange() {
  // A one-pixel lowered edge; the title bar along the top, the form filling the rest.
  const int inner = width() - 2;
  title_->setGeometry(1, 1, inner, title_->height());
  const int formTop = 1 + title_->height();
  if (form_) form_->setGeometry(1, formTop, inner, qMax(0, height() - 1 - formTop));
  if (fold_) fold_->move(width() - 2 - fold_->width(), 3);
}

// ---------------------------------------------------------------- frames

TSplitWnds::TSplitWnds(QWidget* parent) : QWidget(parent) {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  setFont(f);
}

TSplitWnds::~TSplitWnds() = default;

void TSplitWnds::AddPanes(std::initializer_list<TSplitPane*> panes,
                          std::initializer_list<QSplitter*> splitters) {
  splitters_ = splitters;
  const int h = TitleBarMetrics::ForScreenHeight(screen::Height()).height;
  for (TSplitPane* pane : panes) {
    panes_ << pane;
    pane->setObjectName(QStringLiteral("Panel%1").arg(panes_.size()));
    const int level = pane->Level();
    if (!titleBitmaps_[level - 1]) titleBitmaps_[level - 1] = MakeTitleBitmap(level, h);
    pane->SetTitleBitmap(titleBitmaps_[level - 1].get());
    const int index = static_cast<int>(panes_.size());
    if (TSpeedButton* b = pane->FoldButton())
      connect(b, &TSpeedButton::clicked, this, [this, index] { ToggleFold(index); });
    if (pane->FoldButton()) pane->TitleBar()->OnDblClick = [this, index] { ToggleFold(index); };
  }
}

QSplitter* TSplitWnds::MakeSplitter(Qt::Orientation orientation, QWidget* parent) {
  auto* s = new QSplitter(orientation, parent);
  s->setHandleWidth(kSplitterWidth);
  s->setChildrenCollapsible(false);
  s->setOpaqueResize(true);
  // No pane has a stretch factor: resized with the window, a splitter then shares the change
  // out in proportion to the lengths the panes were given or dragged to, so each keeps its
  // share (a stretching pane would take all of the change: a narrower window would squeeze
  // it to nothing).
  s->setStyleSheet(QStringLiteral("QSplitter::handle { background: #C0C0C0; }"));
  return s;
}

void TSplitWnds::SetFoldCaption(int pane, bool enlarged) {
  if (TSpeedButton* b = Pane(pane)->FoldButton()) b->setText(enlarged ? kFoldDown : kFoldUp);
}

void TSplitWnds::SetSplit(QSplitter& splitter, int first) {
  const int extent = splitter.orientation() == Qt::Horizontal ? splitter.width() : splitter.height();
  splitter.setSizes({first, qMax(0, extent - first - splitter.handleWidth())});
}

void TSplitWnds::ToggleFold(int pane) {
  if (pane < 1 || pane > PaneCount()) return;
  if (!Folded_) {
    // Enlarge: every other pane (and a container left empty) is hidden.
    savedSizes_.clear();
    for (QSplitter* s : splitters_) savedSizes_ << s->sizes();
    TSplitPane* big = Pane(pane);
    if (auto* s = qobject_cast<QSplitter*>(big->parentWidget()))
      SavedSize_ = s->orientation() == Qt::Horizontal ? big->width() : big->height();
    for (TSplitPane* p : panes_)
      if (p != big) p->hide();
    for (QSplitter* s : splitters_.mid(1)) {
      bool holdsBig = false;
      for (int i = 0; i < s->count(); ++i) holdsBig = holdsBig || s->widget(i) == big;
      if (!holdsBig) s->hide();
    }
    Folded_ = true;
    SetFoldCaption(pane, true);
    return;
  }
  // Restore: every pane comes back with the sizes it had.
  Folded_ = false;
  for (int i = 1; i <= PaneCount(); ++i) SetFoldCaption(i, false);
  for (QSplitter* s : splitters_) s->show();
  for (TSplitPane* p : panes_) p->show();
  // The splitters learn of the panes shown again before they are given their sizes.
  for (QSplitter* s : splitters_) s->refresh();
  for (qsizetype i = 0; i < splitters_.size() && i < savedSizes_.size(); ++i)
    splitters_[i]->setSizes(savedSizes_[i]);
}

void TSplitWnds::ReleaseForms() {
  for (TSplitPane* pane : panes_) pane->Release();
}

namespace {
QBoxLayout* FillWith(QWidget& frame, QWidget* child) {
  auto* layout = new QVBoxLayout(&frame);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(child);
  return layout;
}
}  // namespace

TSplitWnds1::TSplitWnds1(QWidget* parent) : TSplitWnds(parent) {
  setObjectName(QStringLiteral("SplitWnds1"));
  Panel1 = new TSplitPane(1, false, this);
  Panel1->TitleBar()->setObjectName(QStringLiteral("PaintBox1"));
  FillWith(*this, Panel1);
  AddPanes({Panel1}, {});
}

TSplitWndsThree::TSplitWndsThree(Qt::Orientation outer, QWidget* parent) : TSplitWnds(parent) {
  const Qt::Orientation inner = outer == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal;
  Splitter1 = MakeSplitter(outer, this);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  Panel1 = new TSplitPane(1, true, Splitter1);
  PanelCtn = MakeSplitter(inner, Splitter1);
  PanelCtn->setObjectName(QStringLiteral("PanelCtn"));
  Panel2 = new TSplitPane(2, true, PanelCtn);
  Panel3 = new TSplitPane(3, true, PanelCtn);
  Splitter1->addWidget(Panel1);
  Splitter1->addWidget(PanelCtn);
  PanelCtn->addWidget(Panel2);
  PanelCtn->addWidget(Panel3);
  FillWith(*this, Splitter1);
  AddPanes({Panel1, Panel2, Panel3}, {Splitter1, PanelCtn});
}

void TSplitWndsThree::SetPaneSizes(int first, int second) {
  SetSplit(*Splitter1, first);
  SetSplit(*PanelCtn, second);
}

TSplitWnds2::TSplitWnds2(QWidget* parent) : TSplitWndsThree(Qt::Horizontal, parent) {
  setObjectName(QStringLiteral("SplitWnds2"));
}

TSplitWnds3::TSplitWnds3(QWidget* parent) : TSplitWndsThree(Qt::Vertical, parent) {
  setObjectName(QStringLiteral("SplitWnds3"));
}

TSplitWnds4::TSplitWnds4(QWidget* parent) : TSplitWnds(parent) {
  setObjectName(QStringLiteral("SplitWnds4"));
  Splitter1 = MakeSplitter(Qt::Horizontal, this);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  Panel1 = new TSplitPane(1, true, Splitter1);
  Panel2 = new TSplitPane(2, true, Splitter1);
  Splitter1->addWidget(Panel1);
  Splitter1->addWidget(Panel2);
  FillWith(*this, Splitter1);
  AddPanes({Panel1, Panel2}, {Splitter1});
}

void TSplitWnds4::SetPaneSizes(int leftWidth, int) { SetSplit(*Splitter1, leftWidth); }
