#include "framework/drawkit/ThemedControls.h"

#include <QPainter>
#include <QPaintEvent>

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/KitGlobals.h"
#include "platform/Forms.h"

// --- TZqStaticText

TZqStaticText::TZqStaticText(QWidget* parent) : TNodeContainer(parent) {}

void TZqStaticText::SetBevel(TBevelCut bevel) {
  bevel_ = bevel;
  Repaint();
}

void TZqStaticText::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Repaint();
}

void TZqStaticText::SetCaption(const QString& caption) {
  caption_ = caption;
  Repaint();
}

void TZqStaticText::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Repaint();
}

void TZqStaticText::SetFont(const TFont& font) {
  font_ = font;
  Repaint();
}

void TZqStaticText::SetFontColor(TColor color) {
  font_.Color = color;
  Repaint();
}

void TZqStaticText::Paint() {
  TCanvas& c = Canvas();
  const int b = bevel_ != bvNone ? 1 : 0;
  // The ground under the bevel too: what the panel painted at a larger size (its caption in
  // larger letters) is painted over to the edge, not left under the frame's lines.
  ::PaintGround(c, *this, Rect(0, 0, width(), height()), transparent_, Color);
  c.Brush.Style = bsClear;
  c.SetTextAlign(TA_LEFT | TA_TOP);
  c.Font = font_;
  if (Design.OriginalHeight > 0) c.Font.Height = (font_.Height * height()) / Design.OriginalHeight;
  // A panel grown more in height than in width would cut its caption off at the sides: the
  // font then shrinks until the caption fits (9 pixels of margin at a justified side).
  const int room = width() - 2 * b - (alignment_ == taCenter ? 0 : 9);
  c.Font = FitFont(c.Font, {caption_}, room);
  const QSize extent = c.TextExtent(caption_);
  const int y = (height() - extent.height()) / 2;
  int x = (width() - extent.width()) / 2;
  if (alignment_ == taLeftJustify) x = 9;
  else if (alignment_ == taRightJustify) x = width() - extent.width() - 9;
  TextOutOnCanvas(c, x, y, caption_, c.Font.Color);
  if (bevel_ == bvLowered) Frame3D(c, 0, 0, width(), height(), clGray, clWhite);
  else if (bevel_ == bvRaised) Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
}

void TZqStaticText::AfterRescale() { Update(); }

std::vector<TDrawnShape> TZqStaticText::DrawingShapes() const {
  if (Stands.empty()) return {};
  TDrawnShape cell = TDrawnShape::CellAt(rect(), caption_);
  cell.Stands = Stands;
  return {cell};
}

// --- TAutoSizeEdit

TAutoSizeEdit::TAutoSizeEdit(QWidget* parent) : TNodeContainer(parent), edit_(new TEdit(this)) {
  SetAlign(*edit_, alClient);
  font_.Height = (height() * 3) / 4;
  ApplyEditStyle();
  edit_->show();
}

QString TAutoSizeEdit::Text() const { return edit_->text(); }

std::vector<TDrawnShape> NotedTextCell(const QRect& box, const QString& text, const std::vector<TValueMeaning>& stands) {
  if (stands.empty()) return {};
  TDrawnShape cell = TDrawnShape::CellAt(box, QString()).Noted(text);
  for (TValueMeaning meaning : stands) {
    meaning.Part = TValueMeaning::InNote;
    cell.Stands.push_back(meaning);
  }
  return {cell};
}

std::vector<TDrawnShape> TAutoSizeEdit::DrawingShapes() const { return NotedTextCell(rect(), Text(), Stands); }
void TAutoSizeEdit::SetText(const QString& text) { edit_->setText(text); }

void TAutoSizeEdit::SetFont(const TFont& font) {
  font_ = font;
  ApplyEditStyle();
}

bool TAutoSizeEdit::ReadOnly() const { return edit_->isReadOnly(); }
void TAutoSizeEdit::SetReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }
bool TAutoSizeEdit::EditEnabled() const { return edit_->isEnabled(); }
void TAutoSizeEdit::SetEditEnabled(bool enabled) { edit_->setEnabled(enabled); }

void TAutoSizeEdit::SetEditColor(TColor color) {
  editColor_ = color;
  ApplyEditStyle();
}

void TAutoSizeEdit::ApplyEditStyle() {
  ApplyFont(*edit_, font_);
  QPalette p = edit_->palette();
  p.setColor(QPalette::Base, ToQColor(editColor_));
  edit_->setPalette(p);
}

void TAutoSizeEdit::Paint() {
  TNodeContainer::Paint();
  edit_->show();
}

void TAutoSizeEdit::AfterRescale() {
  font_.Height = (height() * 3) / 4;
  ApplyEditStyle();
}

// --- Grids and tabs

TZqDrawGrid::TZqDrawGrid(QWidget* parent) : TDrawGrid(parent) {}

void TZqDrawGrid::DrawBackdrop(const TRect& cell) { CopyBackdrop(Canvas(), *viewport(), cell, Color); }

TZqStringGrid::TZqStringGrid(QWidget* parent) : TStringGrid(parent) {}

void TZqStringGrid::DrawBackdrop(const TRect& cell) {
  CopyBackdrop(Canvas(), *viewport(), cell, Color);
}

TZqTabSet::TZqTabSet(QWidget* parent) : QTabBar(parent) {
  setDrawBase(false);
  setExpanding(false);
}

void TZqTabSet::paintEvent(QPaintEvent* event) {
  {
    // The backdrop under the bar first; the style then draws the tabs over it.
    QImage under(size(), QImage::Format_RGB32);
    under.fill(palette().color(QPalette::Window));
    TCanvas c(&under);
    CopyBackdrop(c, *this, Rect(0, 0, width(), height()), FromQColor(palette().color(QPalette::Window)));
    QPainter(this).drawImage(event->rect(), under, event->rect());
  }
  QTabBar::paintEvent(event);
}
