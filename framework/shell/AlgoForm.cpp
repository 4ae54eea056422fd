#include "framework/shell/AlgoForm.h"

#include <QFontMetrics>
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
#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Grid.h"
#include "platform/ModalHost.h"
#include "platform/Screen.h"

namespace {

constexpr std::array<TColor, TAlgorithmForm::FrameColorCount> kFrameColors = {
    clBlack, clGreen, clPurple, clMaroon, clNavy, clBlue,  clFuchsia,
    clRed,   clLime,  clGray,   clTeal,   clOlive, clAqua};

// Cell height of the grid's text before zoom: the classic fixed-pitch system font's.
constexpr int kFontCellHeight = 15;

// The thinnest a nested frame is drawn: two pixels of its colour, no bevel.
constexpr int kThinFrame = 2;
// Characters of a line the text keeps in view however deep the frames nest.
constexpr int kLeastColumns = 30;

// The backdrop under a cell of the grid; where the cell reaches past the backdrop's right
// edge (a line scrolled far to the right), the rest comes from its left edge.
void CopyBackdropWrapped(TCanvas& canvas, const QWidget& control, const TRect& r, TColor fallback) {
  const TBitmap* back = BackBitmap.get();
  const QPoint screen = control.mapToGlobal(QPoint(r.Left, r.Top));
  const int inside = back ? std::clamp(back->Width() - screen.x(), 0, r.Width()) : r.Width();
  if (!back || inside == r.Width() || r.IsEmpty()) {
    CopyBackdrop(canvas, control, r, fallback);
    return;
  }
  if (inside > 0)
    canvas.CopyRect(Rect(r.Left, r.Top, r.Left + inside, r.Bottom), back->Canvas(),
                    Bounds(screen.x(), screen.y(), inside, r.Height()));
  canvas.CopyRect(Rect(r.Left + inside, r.Top, r.Right, r.Bottom), back->Canvas(),
                  Bounds(0, screen.y(), r.Width() - inside, r.Height()));
}

}  // namespace

// ---- TAlgorithmForm ------------------------------------------------------------------------

TColor TAlgorithmForm::FrameColor(int depth) {
  const int i = ((depth % FrameColorCount) + FrameColorCount) % FrameColorCount;
  return kFrameColors[static_cast<size_t>(i)];
}

std::vector<int> TAlgorithmForm::FrameInsets(int depth, int full, int room) {
  std::vector<int> insets(static_cast<size_t>(std::max(depth, 0)), 0);
  if (insets.empty() || full <= 0) return insets;
  const int thin = std::min(full, kThinFrame);
  const int shown = std::min(depth, std::max(room, 0) / thin);
  if (shown == 0) return insets;
  // The room shared by the innermost frames shown, none wider than full (where the room holds
  // them all, every one is); a pixel left over goes to the outer ones.
  const int each = room / shown, extra = room % shown;
  for (int k = 0; k < shown; ++k)
    insets[static_cast<size_t>(depth - shown + k)] = std::min(full, each + (k < extra ? 1 : 0));
  return insets;
}

TAlgorithmForm::TAlgorithmForm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("AlgorithmForm"));
  setWindowFlag(Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("算法"));

  panel_ = new TPanel(this);
  panel_->SetBevelWidth(2);
  panel_->setObjectName(QStringLiteral("Panel"));
  bkPanel_ = new TZqStaticText(panel_);
  bkPanel_->setObjectName(QStringLiteral("BkPanel"));
  bkPanel_->SetBevel(bvNone);
  bkPanel_->OnResize = [this] { PanelResize(); };
  SetAlign(*bkPanel_, alClient);

  procBox_ = new TZqDrawGrid(bkPanel_);
  procBox_->setObjectName(QStringLiteral("ProcBox"));
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
  hScroll_ = new QScrollBar(Qt::Horizontal, bkPanel_);
  hScroll_->hide();
  connect(hScroll_, &QScrollBar::valueChanged, this, [this] { procBox_->Invalidate(); });

  tabPanel_ = new QWidget(this);
  tabPanel_->setAutoFillBackground(true);
  QPalette pal = tabPanel_->palette();
  pal.setColor(QPalette::Window, ToQColor(clSilver));
  tabPanel_->setPalette(pal);
  procTabSet_ = new TZqTabSet(tabPanel_);
  procTabSet_->setObjectName(QStringLiteral("ProcTabSet"));
  procTabSet_->setShape(QTabBar::RoundedSouth);
  procTabSet_->setDrawBase(false);
  procTabSet_->setExpanding(false);
  procTabSet_->setUsesScrollButtons(true);
  procTabSet_->setToolTip(QStringLiteral("选择要浏览的子程序"));
  TFont tabFont;
  tabFont.Name = QStringLiteral("宋体");
  tabFont.Height = -ScaledToScreen(13);
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
  font_.Height = ScaledToScreen(kFontCellHeight);
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
  if (const TPaneZoom::Change zoom = zoom_.Resized(width(), screen::Width()); zoom != TPaneZoom::None) {
    procBox_->SetDefaultRowHeight(zoom == TPaneZoom::ZoomIn ? RowHeight() * 2 : RowHeight() / 2);
    font_.Height = RowHeight() - 2;
    procBox_->Font = font_;
  }
  LayoutForm();
  FitFrames();
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
  procBox_->SetScrollBars(vBar ? ssVertical : ssNone);
  procBox_->SetColWidths(0, clientWidth);
  procBox_->setGeometry(0, 0, availWidth, rows * rowHeight);
  procBox_->SetRowCount(std::max(procLineCount_, rows));
  hScroll_->setGeometry(0, rows * rowHeight, clientWidth, hBarHeight);
  hScroll_->setRange(0, std::max(0, textWidth_ - clientWidth));
  hScroll_->setPageStep(std::max(1, clientWidth));
  hScroll_->setSingleStep(std::max(1, font_.TextWidth(QStringLiteral(" "))));
  hScroll_->setVisible(hBar);
  // A window made smaller or larger keeps the line it marks as the current one in view, as a
  // step does: within a step (a message window it opens after a return) or while a run waits
  // after a call, that is the line being executed, though the engine has moved on.
  if (CurrentDemo != nullptr) {
    const TProcLine* line = CurrentDemo->CurLine();
    if (const TProcLine* executing = CurrentDemo->PrevLine();
        line != nullptr && !line->Current && executing != nullptr && executing->Current)
      line = executing;
    if (line != nullptr && line->Procedure() == ShownProcedure()) ShowRow(line->LineNo());
  }
  RefreshRows();
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
  if (index == procTabSet_->currentIndex()) {
    // The same procedure's tab (the engine selects it before every refresh): the layout
    // stands while the number of lines does.
    const TProcedure* proc = ShownProcedure();
    if ((proc ? proc->Count() : 0) == procLineCount_) {
      RefreshRows();
      return;
    }
  }
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
}

// ---- Rows --------------------------------------------------------------------------------

int TAlgorithmForm::SelectedRow() const { return procBox_->Row(); }
void TAlgorithmForm::SetSelectedRow(int row) { procBox_->SetRow(row); }
int TAlgorithmForm::RowCount() const { return procBox_->RowCount(); }
int TAlgorithmForm::TopRow() const { return procBox_->TopRow(); }
void TAlgorithmForm::SetTopRow(int row) { procBox_->SetTopRow(row); }

void TAlgorithmForm::Refresh() {
  // The rows follow the procedure on show: the executing one whenever the engine refreshes
  // (it selects that tab first), the browsed one when a breakpoint was toggled in it.
  if (CurrentDemo && CurrentDemo->CurProc()) {
    const TProcedure* shown = ShownProcedure();
    procLineCount_ = (shown ? shown : CurrentDemo->CurProc())->Count();
    procBox_->SetRowCount(std::max(procLineCount_, MaxLines()));
  }
  RefreshRows();
  // The tabs stand on the backdrop: they are painted again when it moved or changed.
  const std::pair<QPoint, qint64> backdrop(procTabSet_->mapToGlobal(QPoint(0, 0)),
                                           BackBitmap ? BackBitmap->Image().cacheKey() : 0);
  if (backdrop != tabBackdrop_) {
    tabBackdrop_ = backdrop;
    procTabSet_->update();
  }
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

int TAlgorithmForm::FrameRoom() const {
  const int inset = panel_->Inset();
  const int leastHeight = LeastRows * RowHeight() + hScroll_->sizeHint().height();
  const int leastWidth = kLeastColumns * font_.TextWidth(QStringLiteral(" ")) +
                         procBox_->verticalScrollBar()->sizeHint().width();
  const int vertical = (panel_->height() - 2 * inset - leastHeight) / 2;
  const int horizontal = (panel_->width() - 2 * inset - leastWidth) / 2;
  return std::max(0, std::min(vertical, horizontal));
}

void TAlgorithmForm::FitFrames() {
  const int full = frameBevelWidth_ + frameBorderWidth_;
  const std::vector<int> insets = FrameInsets(frameDepth_, full, FrameRoom());
  for (size_t i = 0; i < frames_.size() && i < insets.size(); ++i) {
    // A frame as wide as the engine asks keeps its bevel; a thinner one keeps its colour.
    const int inset = insets[i];
    const int bevel = inset >= full ? frameBevelWidth_ : std::min(frameBevelWidth_, inset / 4);
    TPanel* frame = frames_[i];
    if (frame->BevelWidth() != bevel) frame->SetBevelWidth(bevel);
    if (frame->BorderWidth() != inset - bevel) frame->SetBorderWidth(inset - bevel);
  }
}

void TAlgorithmForm::PushFrame() {
  auto* frame = new TPanel(currentPanel_);
  frame->SetColor(FrameColor(frameDepth_));
  frame->SetBevelWidth(frameBevelWidth_);
  frame->SetBorderWidth(frameBorderWidth_);
  SetAlign(*frame, alClient);
  frames_.push_back(frame);
  currentPanel_ = frame;
  ++frameDepth_;
  bkPanel_->setParent(frame);
  SetAlign(*bkPanel_, alClient);
  frame->show();
  bkPanel_->show();
  FitFrames();
  procBox_->Invalidate();
}

void TAlgorithmForm::PopFrame() {
  if (frames_.empty()) return;
  TPanel* old = frames_.back();
  frames_.pop_back();
  --frameDepth_;
  currentPanel_ = frames_.empty() ? panel_ : frames_.back();
  bkPanel_->setParent(currentPanel_);
  SetAlign(*bkPanel_, alClient);
  bkPanel_->show();
  delete old;
  FitFrames();
  procBox_->Invalidate();
}

void TAlgorithmForm::ClearFrames() {
  while (currentPanel_ != panel_) PopFrame();
}

// ---- Drawing -----------------------------------------------------------------------------

void TAlgorithmForm::PaintBackdrop(const TRect& rect) {
  CopyBackdropWrapped(procBox_->Canvas(), *procBox_->viewport(), rect, procBox_->Color);
}

TAlgorithmForm::RowLook TAlgorithmForm::CommonLook() const {
  RowLook look;
  look.origin = procBox_->viewport()->mapToGlobal(QPoint(0, 0));
  look.backdrop = BackBitmap ? BackBitmap->Image().cacheKey() : 0;
  look.scroll = hScroll_->value();
  look.font = font_;
  return look;
}

TAlgorithmForm::RowLook TAlgorithmForm::LookOf(int row, const RowLook& common) const {
  RowLook look;
  look.rect = procBox_->CellRect(0, row);
  look.origin = common.origin;
  look.backdrop = common.backdrop;
  if (procTabSet_->count() == 0) return look;
  const TProcedure* proc = ShownProcedure();
  look.line = proc ? proc->LineByIndex(row) : nullptr;
  if (!look.line) return look;
  look.text = look.line->Text();
  look.scroll = common.scroll;
  look.font = common.font;
  if (proc != CurrentDemo->ShownProc()) {
    look.font.Color = CurrentThemes ? CurrentThemes->AlgoSrc() : font_.Color;
    return look;
  }
  if (row == procBox_->Row() && !look.line->Breakpoint) look.fill = clGreen;
  else if (look.line->Current) look.fill = clNavy;
  else if (look.line->Breakpoint) look.fill = clRed;
  look.font.Color = look.fill != clNone ? clWhite : FrameColor(frameDepth_);
  // The current line's fill wins over a breakpoint's: the breakpoint then shows as a red
  // frame round the row, so that a breakpoint set where the run stands is seen.
  look.breakFrame = look.line->Breakpoint && look.fill != clRed;
  return look;
}

std::vector<TAlgorithmForm::PaintedRow> TAlgorithmForm::PaintedCurrentRows() const {
  std::vector<PaintedRow> rows;
  const int top = procBox_->TopRow();
  for (const auto& [row, look] : painted_)
    if (row >= top && row < top + MaxLines() && look.line != nullptr && look.fill == clNavy)
      rows.push_back({row, look.text});
  return rows;
}

void TAlgorithmForm::RefreshRows() {
  const int top = procBox_->TopRow();
  const int bottom = std::min(procBox_->RowCount(), top + MaxLines() + 1);
  const RowLook common = CommonLook();
  for (int row = top; row < bottom; ++row) {
    const auto it = painted_.find(row);
    if (it == painted_.end() || !(it->second == LookOf(row, common))) procBox_->InvalidateCell(0, row);
  }
}

void TAlgorithmForm::ProcBoxDrawCell(int row, const TRect& rect) {
  const RowLook look = LookOf(row, CommonLook());
  painted_[row] = look;
  if (procTabSet_->count() == 0) return;
  TCanvas& c = procBox_->Canvas();
  PaintBackdrop(rect);
  if (!look.line) return;
  c.Font = look.font;
  c.SetBkMode(TRANSPARENT);
  if (look.fill != clNone) {
    c.Brush.Color = look.fill;
    c.Brush.Style = bsSolid;
    c.FillRect(rect);
    c.SetBkMode(TRANSPARENT);
  }
  // Two pixels in from the cell's edge, so that marked rows do not cut the first letter. In a
  // row framed for its breakpoint the letters stay inside the frame: a line longer than the
  // pane is cut a pixel before the frame, not under it.
  if (look.breakFrame) {
    c.Brush.Style = bsClear;
    c.TextRect(TRect(rect.Left + 2, rect.Top, rect.Right - 3, rect.Bottom), rect.Left + 2 - look.scroll, rect.Top + 1,
               look.text);
  } else {
    c.TextOut(rect.Left + 2 - look.scroll, rect.Top + 1, look.text);
  }
  if (look.breakFrame) {
    c.Brush.Color = clRed;
    c.Brush.Style = bsSolid;
    c.FrameRect(rect);
    // The inner ring only where it keeps off the letters: Chinese letters fill the row from the
    // line under its top to the line over its bottom, and a second ring would cross them.
    const QFontMetrics fm(look.font.ToQFont());
    const QRect ink = fm.tightBoundingRect(look.text).translated(0, rect.Top + 1 + fm.ascent());
    if (look.text.trimmed().isEmpty() || (ink.top() > rect.Top + 1 && ink.bottom() < rect.Bottom - 2))
      c.FrameRect(TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1));
  }
}
