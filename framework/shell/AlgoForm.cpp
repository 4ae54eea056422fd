#include "framework/shell/AlgoForm.h"

#include <QChildEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTabBar>
#include <algorithm>
#include <array>
#include <functional>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "framework/engine/Proc.h"
#include "framework/engine/ZqThemes.h"
#include "framework/shell/Backdrop.h"
#include "platform/Grid.h"
#include "platform/ModalHost.h"
#include "platform/Screen.h"

namespace {

constexpr std::array<TColor, TAlgorithmForm::FrameColorCount> kFrameColors = {
    clBlack, clGreen, clPurple, clMaroon, clNavy, clBlue,  clFuchsia,
    clRed,   clLime,  clGray,   clTeal,   clOlive, clAqua};

// Cell height of the grid's text before zoom: the classic fixed-pitch system font's.
constexpr int kFontCellHeight = 15;

// The panel that holds the grid: it shows the backdrop where the grid does not reach and
// tells the window when its size changes.
class TBackdropPanel : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void()> OnResize;

 protected:
  void paintEvent(QPaintEvent*) override {
    QImage image(size().expandedTo({1, 1}), QImage::Format_RGB32);
    TCanvas canvas(&image);
    CopyBackdrop(canvas, this, Rect(0, 0, width(), height()), clSilver);
    QPainter(this).drawImage(0, 0, image);
  }
  void resizeEvent(QResizeEvent*) override {
    if (OnResize) OnResize();
  }
};

}  // namespace

// ---- TFramePanel ---------------------------------------------------------------------------

TFramePanel::TFramePanel(QWidget* parent, TColor color, int bevelWidth, int borderWidth)
    : QWidget(parent), color_(color), bevelWidth_(bevelWidth), borderWidth_(borderWidth) {}

QRect TFramePanel::InnerRect() const {
  const int inset = std::min({Inset(), width() / 2, height() / 2});
  return rect().adjusted(inset, inset, -inset, -inset);
}

void TFramePanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColor(color_));
  // The raised bevel: white at the top and left, gray at the bottom and right.
  for (int i = 0; i < bevelWidth_; ++i) {
    const QRect r = rect().adjusted(i, i, -i - 1, -i - 1);
    p.setPen(Qt::white);
    p.drawLine(r.left(), r.bottom(), r.left(), r.top());
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.setPen(ToQColor(clGray));
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
  }
}

void TFramePanel::PlaceChildren() {
  for (QObject* o : children())
    if (auto* w = qobject_cast<QWidget*>(o)) w->setGeometry(InnerRect());
}

void TFramePanel::resizeEvent(QResizeEvent*) { PlaceChildren(); }

void TFramePanel::childEvent(QChildEvent* event) {
  QWidget::childEvent(event);
  if (event->added() || event->polished()) PlaceChildren();
}

// ---- TAlgorithmForm ------------------------------------------------------------------------

TColor TAlgorithmForm::FrameColor(int depth) {
  const int i = ((depth % FrameColorCount) + FrameColorCount) % FrameColorCount;
  return kFrameColors[static_cast<size_t>(i)];
}

TAlgorithmForm::TAlgorithmForm(QWidget* parent) : QWidget(parent) {
  setWindowFlag(Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("算法"));

  panel_ = new TFramePanel(this, clBtnFace, 2, 0);
  auto* bk = new TBackdropPanel(panel_);
  bk->OnResize = [this] { PanelResize(); };
  bkPanel_ = bk;

  procBox_ = new TDrawGrid(bkPanel_);
  procBox_->setFrameShape(QFrame::NoFrame);
  procBox_->SetColCount(1);
  procBox_->SetRowCount(1);
  procBox_->SetFixedCols(0);
  procBox_->SetFixedRows(0);
  procBox_->SetOptions(0);
  procBox_->SetGridLineWidth(0);
  procBox_->Color = clSilver;
  procBox_->DefaultDrawing = false;
  procBox_->setToolTip(QStringLiteral("算法子程序源程序"));
  procBox_->OnDrawCell = [this](int, int row, const TRect& rect, TGridDrawState) {
    ProcBoxDrawCell(row, rect);
  };
  procBox_->OnDblClick = [this] { ProcBoxDblClick(); };
  // The backdrop behind the cells moves with them.
  procBox_->OnTopLeftChanged = [this] { procBox_->Invalidate(); };
  procBox_->SetScrollBars(ssVertical);
  hScroll_ = new QScrollBar(Qt::Horizontal, bkPanel_);
  hScroll_->hide();
  connect(hScroll_, &QScrollBar::valueChanged, this, [this] { procBox_->Invalidate(); });

  tabPanel_ = new QWidget(this);
  tabPanel_->setAutoFillBackground(true);
  QPalette pal = tabPanel_->palette();
  pal.setColor(QPalette::Window, ToQColor(clSilver));
  tabPanel_->setPalette(pal);
  procTabSet_ = new QTabBar(tabPanel_);
  procTabSet_->setShape(QTabBar::RoundedSouth);
  procTabSet_->setDrawBase(false);
  procTabSet_->setExpanding(false);
  procTabSet_->setUsesScrollButtons(true);
  procTabSet_->setToolTip(QStringLiteral("选择要浏览的子程序"));
  TFont tabFont;
  tabFont.Name = QStringLiteral("宋体");
  tabFont.Height = -13;
  tabFont.Style = fsBold;
  procTabSet_->setFont(tabFont.ToQFont());
  procTabSet_->setStyleSheet(QStringLiteral(
      "QTabBar::tab { background: white; color: black; border: 1px solid gray;"
      " border-top: none; padding: 1px 10px; margin-right: -1px; }"
      " QTabBar::tab:selected { background: lime; }"));
  connect(procTabSet_, &QTabBar::tabBarClicked, this, [this](int index) {
    procTabSet_->setCurrentIndex(index);
    ProcTabSetClick();
  });

  font_.Name = QStringLiteral("Fixedsys");
  font_.Height = kFontCellHeight;
  font_.Color = clBlack;
  ApplyFont();
  currentPanel_ = panel_;
  frameDepth_ = 0;
  frameBevelWidth_ = 1;
  frameBorderWidth_ = 1;
  resize(400, 300);
  LayoutForm();
}

TAlgorithmForm::~TAlgorithmForm() {
  // The engine must not reach a window that is going.
  if (&views::Algorithm() == this) views::SetAlgorithm(nullptr);
}

void TAlgorithmForm::ApplyFont() {
  procBox_->Font = font_;
  procBox_->SetDefaultRowHeight(font_.TextHeight(QStringLiteral(" ")) + 2);
  const int blank = font_.TextWidth(QStringLiteral(" "));
  charMargin_ = 4 * blank;
  gridWidth_ = 80 * blank + charMargin_ + 2;
}

int TAlgorithmForm::RowHeight() const { return procBox_->DefaultRowHeight(); }

void TAlgorithmForm::LayoutForm() {
  const int tabHeight = procTabSet_->sizeHint().height() + 2;
  tabPanel_->setGeometry(0, height() - tabHeight, width(), tabHeight);
  procTabSet_->setGeometry(2, 0, std::max(0, width() - 4), tabHeight - 2);
  panel_->setGeometry(0, 0, width(), std::max(0, height() - tabHeight));
}

void TAlgorithmForm::resizeEvent(QResizeEvent*) {
  // Zoom: a pane maximized to the screen's width shows the text twice as high.
  switch (zoom_.Resized(width(), screen::Width())) {
    case TPaneZoom::ZoomIn:
      procBox_->SetDefaultRowHeight(RowHeight() * 2);
      font_.Height = RowHeight() - 2;
      procBox_->Font = font_;
      break;
    case TPaneZoom::ZoomOut:
      procBox_->SetDefaultRowHeight(RowHeight() / 2);
      font_.Height = RowHeight() - 2;
      procBox_->Font = font_;
      break;
    case TPaneZoom::None: break;
  }
  LayoutForm();
  PanelResize();
}

// ---- Sizing ------------------------------------------------------------------------------

int TAlgorithmForm::MaxLines() const {
  const int h = RowHeight();
  return h > 0 ? procBox_->height() / h : 0;
}

bool TAlgorithmForm::LineVisible(int i) const {
  return procBox_->TopRow() <= i && i < procBox_->TopRow() + MaxLines();
}

void TAlgorithmForm::PanelResize() {
  if (inResize_) return;
  inResize_ = true;
  const int rowHeight = std::max(1, RowHeight());
  const int availWidth = bkPanel_->width();
  const int availHeight = bkPanel_->height();
  const int vBarWidth = procBox_->verticalScrollBar()->sizeHint().width();
  const int hBarHeight = hScroll_->sizeHint().height();
  // The text is as wide as the room, or as 80 characters when the room is narrower: then a
  // scroll bar under the rows moves it sideways. The grid's height holds whole rows.
  bool vBar = false, hBar = false;
  int rows = 0, clientWidth = availWidth;
  for (int pass = 0; pass < 2; ++pass) {
    clientWidth = std::max(0, availWidth - (vBar ? vBarWidth : 0));
    textWidth_ = clientWidth - 2 < gridWidth_ ? gridWidth_ : clientWidth - 2;
    hBar = textWidth_ > clientWidth;
    rows = std::max(0, (availHeight - (hBar ? hBarHeight : 0)) / rowHeight);
    vBar = procLineCount_ > rows;
  }
  procBox_->SetColWidths(0, clientWidth);
  procBox_->setGeometry(0, 0, availWidth, rows * rowHeight);
  procBox_->SetRowCount(std::max(procLineCount_, rows));
  hScroll_->setGeometry(0, rows * rowHeight, clientWidth, hBarHeight);
  hScroll_->setRange(0, std::max(0, textWidth_ - clientWidth));
  hScroll_->setPageStep(std::max(1, clientWidth));
  hScroll_->setSingleStep(std::max(1, font_.TextWidth(QStringLiteral(" "))));
  hScroll_->setVisible(hBar);
  procBox_->Invalidate();
  procTabSet_->update();
  inResize_ = false;
}

// ---- Tabs --------------------------------------------------------------------------------

void TAlgorithmForm::ClearProcTabs() {
  const QSignalBlocker block(procTabSet_);
  while (procTabSet_->count() > 0) procTabSet_->removeTab(0);
}

void TAlgorithmForm::AddProcTab(const QString& caption) {
  const QSignalBlocker block(procTabSet_);
  procTabSet_->addTab(caption);
  LayoutForm();
}

int TAlgorithmForm::SelectedTab() const { return procTabSet_->currentIndex(); }

void TAlgorithmForm::SelectTab(int index) {
  if (index < 0 || index >= procTabSet_->count()) return;
  {
    const QSignalBlocker block(procTabSet_);
    procTabSet_->setCurrentIndex(index);
  }
  ProcTabSetClick();
}

TProcedure* TAlgorithmForm::ShownProcedure() const {
  if (!CurrentDemo || procTabSet_->count() == 0) return nullptr;
  const int tab = std::max(0, procTabSet_->currentIndex());
  return CurrentDemo->ProcedureAt(tab);
}

void TAlgorithmForm::ProcTabSetClick() { ShowProcedure(ShownProcedure()); }

void TAlgorithmForm::ShowProcedure(const TProcedure* proc) {
  procLineCount_ = proc ? proc->Count() : 0;
  PanelResize();
  procBox_->Invalidate();
}

// ---- Rows --------------------------------------------------------------------------------

int TAlgorithmForm::SelectedRow() const { return procBox_->Row(); }
void TAlgorithmForm::SetSelectedRow(int row) { procBox_->SetRow(row); }
int TAlgorithmForm::RowCount() const { return procBox_->RowCount(); }
int TAlgorithmForm::TopRow() const { return procBox_->TopRow(); }
void TAlgorithmForm::SetTopRow(int row) { procBox_->SetTopRow(row); }

void TAlgorithmForm::Refresh() {
  if (CurrentDemo && CurrentDemo->CurProc()) {
    procLineCount_ = CurrentDemo->CurProc()->Count();
    procBox_->SetRowCount(std::max(procLineCount_, MaxLines()));
  }
  procBox_->Invalidate();
  procTabSet_->update();
}

TProcLine* TAlgorithmForm::SelectedLine() const {
  const TProcedure* proc = ShownProcedure();
  return proc ? proc->LineByIndex(procBox_->Row()) : nullptr;
}

bool TAlgorithmForm::ToggleBreakpoint() {
  TProcLine* line = SelectedLine();
  if (!line) return false;  // a padding row below the procedure's last line
  line->Breakpoint = !line->Breakpoint;
  procBox_->Invalidate();
  return true;
}

bool TAlgorithmForm::SelectLine(const QString& procName, int row) {
  for (int i = 0; i < procTabSet_->count(); ++i) {
    if (procTabSet_->tabText(i) != procName) continue;
    SelectTab(i);
    if (row < 0 || row >= procBox_->RowCount()) return false;
    procBox_->SetRow(row);
    return procBox_->Row() == row;
  }
  return false;
}

void TAlgorithmForm::ProcBoxDblClick() {
  modal::ShowMessage(QStringLiteral("第%1行").arg(procBox_->Row()));
}

// ---- Frames ------------------------------------------------------------------------------

void TAlgorithmForm::PushFrame() {
  auto* frame = new TFramePanel(currentPanel_, FrameColor(frameDepth_), frameBevelWidth_,
                                frameBorderWidth_);
  frames_.push_back(frame);
  currentPanel_ = frame;
  ++frameDepth_;
  bkPanel_->setParent(frame);
  frame->show();
  bkPanel_->show();
  procBox_->Invalidate();
}

void TAlgorithmForm::PopFrame() {
  if (frames_.empty()) return;
  TFramePanel* old = frames_.back();
  frames_.pop_back();
  --frameDepth_;
  currentPanel_ = frames_.empty() ? panel_ : frames_.back();
  bkPanel_->setParent(currentPanel_);
  bkPanel_->show();
  delete old;
  procBox_->Invalidate();
}

void TAlgorithmForm::ClearFrames() {
  while (currentPanel_ != panel_) PopFrame();
}

// ---- Drawing -----------------------------------------------------------------------------

void TAlgorithmForm::PaintBackdrop(const TRect& rect) {
  CopyBackdrop(procBox_->Canvas(), procBox_->viewport(), rect, procBox_->Color);
}

void TAlgorithmForm::ProcBoxDrawCell(int row, const TRect& rect) {
  if (procTabSet_->count() == 0) return;
  TCanvas& c = procBox_->Canvas();
  PaintBackdrop(rect);
  const TProcedure* proc = ShownProcedure();
  const TProcLine* line = proc ? proc->LineByIndex(row) : nullptr;
  if (!line) return;
  c.Font = font_;
  c.SetBkMode(TRANSPARENT);
  if (proc != CurrentDemo->CurProc()) {
    c.Font.Color = CurrentThemes ? CurrentThemes->AlgoSrc() : font_.Color;
  } else {
    TColor fill = clNone;
    if (row == procBox_->Row() && !line->Breakpoint) fill = clGreen;
    else if (line->Current) fill = clNavy;
    else if (line->Breakpoint) fill = clRed;
    if (fill != clNone) {
      c.Brush.Color = fill;
      c.Brush.Style = bsSolid;
      c.FillRect(rect);
      c.Font.Color = clWhite;
    } else {
      c.Font.Color = FrameColor(frameDepth_);
    }
    c.SetBkMode(TRANSPARENT);
  }
  c.TextOut(rect.Left - hScroll_->value(), rect.Top + 1, line->Text());
}
